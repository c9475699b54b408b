// The new game dialog: the first opening, the kind toggles, names (length, letters beyond ASCII,
// Enter), and what is stored or left alone when it closes.
#include "menu/NewGameDlg.h"

#include "game/GameSetupCopy.h"
#include "menu/MenuDialogFixture.h"
#include "platform/DropDownList.h"
#include "shell/Commands.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class NewGameDlgTest : public MenuDialogTest
{
protected:
    void SetUp() override
    {
        MenuDialogTest::SetUp();
        Main->StartDir = Dir.Path.string();
        Dir.WriteText("Harbour.brd", "board");
        Dir.WriteText("Board1.brd", "board");
        Dir.WriteText("alpine.brd", "board");
        Dir.WriteText("readme.txt", "not a board");
        HumanPictures = GamePicture(Pictures::PPlayerH);
        ComputerPictures = GamePicture(Pictures::PPlayerC);
        Dialog = std::make_unique<TNewGameDlg>(*Screen);
        // As the main menu does with the kind buttons' commands.
        Screen->OnCommand = [this](int code) {
            if (CommandId::IsToggleKind(code))
                Dialog->ToggleKind(code - CommandId::ToggleKind);
        };
    }
    void TearDown() override
    {
        Screen->OnCommand = nullptr;
        Dialog.reset();
        HumanPictures.reset();
        ComputerPictures.reset();
        MenuDialogTest::TearDown();
    }
    Edit& Name(int slot) { return *Dialog->NameEdits[static_cast<std::size_t>(slot)]; }
    TSButton& Kind(int slot) { return *Dialog->KindButtons[static_cast<std::size_t>(slot)]; }
    TSCheckBox& InGame(int slot) { return *Dialog->InGameBoxes[static_cast<std::size_t>(slot)]; }
    TSImageList& Picture(int slot) { return *Dialog->Pictures[static_cast<std::size_t>(slot)]; }
    std::vector<std::string> KindCaptions()
    {
        std::vector<std::string> captions;
        for (int i = 0; i < PlayerSlots; ++i)
            captions.push_back(Kind(i).Caption());
        return captions;
    }
    std::vector<int> Checks()
    {
        std::vector<int> checks;
        for (int i = 0; i < PlayerSlots; ++i)
            checks.push_back(InGame(i).Checked);
        return checks;
    }
    // Types text into slot's name edit (emptied first).
    void TypeName(int slot, const std::string& text)
    {
        Name(slot).SetFocus();
        Name(slot).SetText("");
        Type(text);
    }
    // Runs the dialog: when it ends with "&New", Validate as the main menu does; returns whether the
    // game may start.
    bool RunAndValidate(const std::function<void(int)>& turn)
    {
        const int result = Run(*Dialog, turn);
        return result == ModalResult::Ok && !Dialog->Validate();
    }

    TempDir Dir;
    std::unique_ptr<TNewGameDlg> Dialog;
};

TEST_F(NewGameDlgTest, TheFirstOpeningShowsBoard1AndThreePlayersOfWhomTheFirstIsHuman)
{
    std::vector<std::string> boards;
    std::string face;
    std::vector<std::string> names;
    Run(*Dialog, [&](int) {
        boards = Dialog->BoardBox.List->Items();
        face = Dialog->BoardBox.Caption();
        for (int i = 0; i < PlayerSlots; ++i)
            names.push_back(Name(i).Text());
        EXPECT_EQ(Dialog->ActiveControl(), &Dialog->NewButton);
        Dialog->ModalResult = ModalResult::Cancel;
    });
    EXPECT_EQ(Dialog->Caption(), "New Game");
    EXPECT_THAT(boards, ElementsAre("alpine", "Board1", "Harbour"));
    EXPECT_EQ(face, "Board1");
    EXPECT_EQ(Dialog->BoardBox.List->Text(), "Board1");
    EXPECT_THAT(Checks(), ElementsAre(1, 1, 1, 0, 0, 0));
    EXPECT_THAT(KindCaptions(),
                ElementsAre("Human", "Computer", "Computer", "Computer", "Computer", "Computer"));
    EXPECT_EQ(Picture(0).Skin, &HumanPictures);
    EXPECT_EQ(Picture(1).Skin, &ComputerPictures);
    EXPECT_EQ(Picture(4).Frame, 4);
    EXPECT_THAT(names, ElementsAre("Player 1", "Player 2", "Player 3", "Player 4", "Player 5", "Player 6"));

    // A board that is gone: the first of the list; no board at all: an empty name.
    BoardName = "Vanished";
    Run(*Dialog, [&](int) { Dialog->ModalResult = ModalResult::Cancel; });
    EXPECT_EQ(Dialog->BoardBox.Caption(), "alpine");
    for (const char* board : {"Harbour.brd", "Board1.brd", "alpine.brd"})
        std::filesystem::remove(Dir.Path / board);
    EXPECT_TRUE(RunAndValidate([&](int n) {
        if (n == 1)
            Letter('N');
    }));
    EXPECT_THAT(Dialog->BoardBox.List->Items(), IsEmpty());
    EXPECT_EQ(BoardName, "");
}

TEST_F(NewGameDlgTest, TheKindButtonOfSlotTwoMakesItHumanWithItsPictureAndASecondClickTurnsItBack)
{
    std::vector<std::string> captions;
    int pictureDistance = 999;
    Run(*Dialog, [&](int n) {
        switch (n) {
        case 1:
            ClickOn(Kind(1));
            break;
        case 2:
            captions.push_back(Kind(1).Caption());
            EXPECT_EQ(Picture(1).Skin, &HumanPictures);
            EXPECT_EQ(Dialog->Human[1], 1);
            Pump();
            // Frame 1 of the people's strip shows now.
            pictureDistance = SkinDistance(OnScreen(Picture(1)), *HumanPictures, 1, 0.5, 0.5);
            ClickOn(Kind(1));
            break;
        case 3:
            captions.push_back(Kind(1).Caption());
            EXPECT_EQ(Picture(1).Skin, &ComputerPictures);
            // Toggled by its letter-less button from the keyboard too.
            Kind(2).SetFocus();
            Key(Key::Space);
            break;
        case 4:
            captions.push_back(Kind(2).Caption());
            Dialog->ModalResult = ModalResult::Cancel;
            break;
        default:
            break;
        }
    });
    EXPECT_THAT(captions, ElementsAre("Human", "Computer", "Human"));
    EXPECT_LE(pictureDistance, 40);
    EXPECT_THAT(Screen->Commands, ElementsAre(CommandId::ToggleKindOf(1), CommandId::ToggleKindOf(1),
                                              CommandId::ToggleKindOf(2)));
    // Cancelled: the toggles are forgotten.
    EXPECT_THAT(PlayerHuman, ElementsAre(1, 0, 0, 0, 0, 0));
    Run(*Dialog, [&](int) { Dialog->ModalResult = ModalResult::Cancel; });
    EXPECT_EQ(Kind(2).Caption(), "Computer");
}

TEST_F(NewGameDlgTest, CancellingOrConfirmingOnePlayerLeavesTheSetUpUntouched)
{
    const auto changeEverything = [&](int n) {
        if (n == 1) {
            TypeName(0, "Changed");
            ClickOn(InGame(4));
            ClickOn(Kind(0));
            Dialog->BoardBox.List->SetItemIndex(2);
        }
    };
    EXPECT_FALSE(RunAndValidate([&](int n) {
        changeEverything(n);
        if (n == 2) {
            Dialog->NewButton.SetFocus();
            Letter('C');
        }
    }));
    EXPECT_THAT(Shown, IsEmpty());
    // One player: the error after the dialog closed, and nothing stored.
    EXPECT_FALSE(RunAndValidate([&](int n) {
        changeEverything(n);
        if (n == 2) {
            ClickOn(InGame(1));
            ClickOn(InGame(2));
            ClickOn(InGame(4));
        } else if (n == 3) {
            EXPECT_THAT(Checks(), ElementsAre(1, 0, 0, 0, 0, 0));
            Dialog->NewButton.SetFocus();
            Key(Key::Return); // Enter on the focused button presses it
        }
    }));
    ASSERT_EQ(Shown.size(), 1u);
    EXPECT_EQ(Shown[0].Class, "TErrorDlg");
    EXPECT_EQ(Shown[0].Message, "you must select at least two players");
    EXPECT_THAT(PlayerInGame, ElementsAre(1, 1, 1, 0, 0, 0));
    EXPECT_THAT(PlayerHuman, ElementsAre(1, 0, 0, 0, 0, 0));
    EXPECT_STREQ(PlayerName(0), "Player 1");
    EXPECT_EQ(BoardName, "Board1");
}

TEST_F(NewGameDlgTest, TwoCheckedSlotsAndAClearedThirdAreStoredWithTheirNamesKindsAndBoard)
{
    EXPECT_TRUE(RunAndValidate([&](int n) {
        if (n == 1) {
            ClickOn(InGame(1));
            ClickOn(InGame(5));
            ClickOn(Kind(5));
            ClickOn(Kind(3)); // a slot that does not take part may change its kind
            TypeName(5, "Zed");
            Dialog->BoardBox.List->SetItemIndex(2);
        } else if (n == 2) {
            Letter('N'); // the edit has the focus: the letter presses no button
        } else if (n == 3) {
            EXPECT_EQ(Dialog->ModalResult, 0);
            Dialog->NewButton.SetFocus();
            Letter('N');
        }
    }));
    EXPECT_THAT(PlayerInGame, ElementsAre(1, 0, 1, 0, 0, 1));
    EXPECT_THAT(PlayerHuman, ElementsAre(1, 0, 0, 1, 0, 1));
    EXPECT_STREQ(PlayerName(5), "Zed");
    EXPECT_EQ(BoardName, "Harbour");
    const GameSetup setup = CurrentGameSetup();
    EXPECT_THAT(setup.InGame, ElementsAre(true, false, true, false, false, true));
}

TEST_F(NewGameDlgTest, EnterInANameEditDoesNotCloseAndAFifteenCharacterNameIsStoredWhole)
{
    std::string typed;
    EXPECT_TRUE(RunAndValidate([&](int n) {
        if (n == 1) {
            TypeName(0, "ABCDEFGHIJKLMNOP"); // sixteen: the last is refused
            Key(Key::Return);
            Key(Key::Escape);
        } else if (n == 2) {
            EXPECT_EQ(Dialog->ModalResult, 0);
            typed = Name(0).Text();
            Dialog->NewButton.SetFocus();
            Key(Key::Return);
        }
    }));
    EXPECT_EQ(typed, "ABCDEFGHIJKLMNO");
    EXPECT_STREQ(PlayerName(0), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(CurrentGameSetup().Names[0], "ABCDEFGHIJKLMNO");
}

TEST_F(NewGameDlgTest, NamesWithLettersBeyondAsciiAreTypedStoredShownAndKeptByTheGameIntact)
{
    std::vector<std::string> typed;
    EXPECT_TRUE(RunAndValidate([&](int n) {
        // What is typed goes to the edit focused when it arrives: one edit a turn.
        if (n == 1) {
            TypeName(0, "Zoë");
        } else if (n == 2) {
            TypeName(1, "Ångström");
        } else if (n == 3) {
            // The game keeps fifteen bytes of a name: an eighth two-byte letter is not taken, and
            // no letter is cut in half.
            TypeName(2, "ÅÅÅÅÅÅÅÅÅÅ");
        } else if (n == 4) {
            for (int i = 0; i < 3; ++i)
                typed.push_back(Name(i).Text());
            Dialog->NewButton.SetFocus();
            Letter('N');
        }
    }));
    EXPECT_THAT(typed, ElementsAre("Zoë", "Ångström", "ÅÅÅÅÅÅÅ"));
    EXPECT_STREQ(PlayerName(0), "Zoë");
    EXPECT_STREQ(PlayerName(1), "Ångström");
    // The game's own records of the names, as the saved game writes them.
    const GameSetup setup = CurrentGameSetup();
    for (int i = 0; i < 3; ++i) {
        Player player;
        player.SetName(setup.Names[static_cast<std::size_t>(i)]);
        EXPECT_EQ(player.NameText(), typed[static_cast<std::size_t>(i)]);
    }
    // Shown again as they were stored, and drawn (not as empty boxes).
    std::vector<std::string> shown;
    int dark = 0;
    Run(*Dialog, [&](int n) {
        if (n != 1)
            return;
        Pump();
        for (int i = 0; i < 2; ++i)
            shown.push_back(Name(i).Text());
        dark = DarkPixels(OnScreen(Name(1)));
        Dialog->ModalResult = ModalResult::Cancel;
    });
    EXPECT_THAT(shown, ElementsAre("Zoë", "Ångström"));
    EXPECT_GT(dark, 20);
}
