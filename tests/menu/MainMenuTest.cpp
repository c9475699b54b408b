// The main menu screen in the program as the entry point wires it (the real game screen and shell
// dialogs): its buttons and look at first start and with a game running, Enter, Escape and Quit,
// new games that start or do not, saved games saved, loaded and refused, the help, the options,
// the credits and the way into the editor.
#include "app/ProgramWiring.h"
#include "archive/UtilsPath.h"
#include "game/GameProc.h"
#include "menu/MainMenuProc.h"
#include "menu/MenuDialogFixture.h"
#include "rules/SavedGame.h"
#include "shell/Commands.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

namespace fs = std::filesystem;

namespace {

constexpr Colour Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b)
{
    return r | (g << 8) | (b << 16);
}

// The caption's face colour of an enabled and of a disabled menu button.
constexpr Colour EnabledFace = Rgb(215, 177, 91);
constexpr Colour DisabledFace = Rgb(155, 155, 145);

} // namespace

class MainMenuTest : public MenuDialogTest
{
protected:
    void SetUp() override { StartProgramAt(1024, 768); }
    void TearDown() override
    {
        TestHooks::SetOpenUrlHook(*App, nullptr);
        MenuDialogTest::TearDown();
        InitialCash = 100000;
        SoundEffects = 1;
        AutoMove = 1;
        BoardName = "Board1";
    }
    // The main window as the program makes it, its start folder a fresh one with the default board,
    // ticked until the main menu is current.
    void StartProgramAt(std::int32_t width, std::int32_t height)
    {
        Factory = MakeShellFactory();
        StartAt(width, height);
        Main->StartDir = Dir.Path.string();
        fs::copy_file(fs::path(TARNHOLLOW_GAME_DIR) / "Board1.brd", Dir.Path / "Board1.brd");
        Tick();
        Tick();
        ASSERT_EQ(Main->ScreenState, ShellState::InMainMenu);
        ASSERT_NE(MainMenuScreen, nullptr);
        ASSERT_NE(GameScreen, nullptr);
        Menu = MainMenuScreen;
        AnswerNestedFromNowOn();
    }
    void Tick()
    {
        TestHooks::FireTimer(*App);
        Pump();
    }

    // While a click or key of the test runs a menu command: each dialog of the menu shown gets
    // turn(dialog, n) on its n-th turn (keys and clicks sent then are handled in the next); the
    // error report and the question are answered and recorded as in Run, and so is the exit
    // question (answered CloseAnswer). A dialog that is never closed ends with 99.
    void Answer(const std::function<void(Window&, int)>& turn)
    {
        Turns = 0;
        TestHooks::SetModalHook(*App, [this, turn](Window& w) {
            if (AnswerNested(w))
                return;
            if (&w == static_cast<Window*>(CloseDlg)) {
                Shown.push_back({"TCloseDlg", ""});
                w.ModalResult = CloseAnswer;
                return;
            }
            if (++Turns > 50) {
                w.ModalResult = 99;
                return;
            }
            turn(w, Turns);
        });
    }
    // Clicks a menu button and handles what follows, the dialogs answered as Answer was told.
    void Press(const TSMMButton& button)
    {
        ClickOn(button);
        Pump();
    }
    // The game as it stands, as its saved file's bytes.
    std::vector<std::uint8_t> GameBytes()
    {
        const fs::path file = Dir.Path / "snapshot.sav";
        EXPECT_EQ(GameScreen->SaveGame(file), "");
        auto bytes = TempDir::Read(file.string());
        fs::remove(file);
        return bytes;
    }
    // A new game from the menu with the set-up as it is, then the game screen.
    void StartGame()
    {
        Answer([this](Window& w, int n) {
            if (&w == static_cast<Window*>(&Menu->NewGameDialog) && n == 1)
                Letter('N');
        });
        Press(Menu->NewGameButton);
        Tick();
        ASSERT_EQ(Main->ScreenState, ShellState::InGame);
        ASSERT_TRUE(GameScreen->Running());
    }
    // From the game back to the main menu, as the game's Main Menu button does.
    void BackToTheMenu()
    {
        Main->RequestedState = ShellState::InMainMenu;
        Tick();
        ASSERT_EQ(Main->ScreenState, ShellState::InMainMenu);
    }
    // The file dialog of the menu, answered by typing name and Enter.
    void ChooseFile(const TSMMButton& button, const std::string& name)
    {
        Answer([this, name](Window& w, int n) {
            if (&w != static_cast<Window*>(&Menu->FileDialog))
                return;
            if (n == 1) {
                Menu->FileDialog.NameEdit.SetFocus();
                Type(name);
                Key(Key::Return);
            } else if (n > 5) {
                w.ModalResult = ModalResult::Cancel;
            }
        });
        Press(button);
    }
    std::vector<std::string> ShownClasses() const
    {
        std::vector<std::string> classes;
        for (const Nested& n : Shown)
            classes.push_back(n.Class);
        return classes;
    }
    // The caption's middle of a button.
    static Rect CaptionBand(const TSMMButton& button)
    {
        const Rect r = button.PixelArea;
        return Rect{r.Left + r.Width() / 4, r.Top + r.Height() / 4, r.Right - r.Width() / 4,
                    r.Bottom - r.Height() / 4};
    }

    TempDir Dir;
    MainMenuProc* Menu = nullptr;
    int Turns = 0;
    int CloseAnswer = ModalResult::No;
};

class MainMenuLookTest : public MainMenuTest, public ::testing::WithParamInterface<ScreenSizeRecord>
{
protected:
    void SetUp() override { StartProgramAt(GetParam().Width, GetParam().Height); }
    std::string Name(const std::string& what)
    {
        return what + "-" + std::to_string(GetParam().Width) + "x" + std::to_string(GetParam().Height);
    }
    // Each button at its place with its caption in the colour of its state, on its plate, and the
    // background around them.
    void ExpectTheMenuOnScreen(bool running)
    {
        const auto& places = MainMenuLayout::Buttons();
        const TSMMButton* buttons[] = {&Menu->NewGameButton, &Menu->LoadButton,    &Menu->SaveButton,
                                       &Menu->RestoreButton, &Menu->OptionsButton, &Menu->HelpButton,
                                       &Menu->CreditsButton, &Menu->QuitButton,    &Menu->EditorButton};
        for (std::size_t i = 0; i < places.size(); ++i) {
            const TSMMButton& b = *buttons[i];
            SCOPED_TRACE(b.Caption());
            EXPECT_EQ(b.PixelArea, ScreenRect(places[i].Area));
            EXPECT_EQ(b.Id, places[i].Id);
            EXPECT_EQ(b.Cursor(), CursorId::Hand);
            const bool enabled = running || (&b != &Menu->SaveButton && &b != &Menu->RestoreButton);
            EXPECT_EQ(b.Enabled(), enabled);
            EXPECT_EQ(b.Frame() == 2, !enabled);
            EXPECT_LE(SkinDistance(b.PixelArea, *Menu->ButtonStrip, b.Frame(), 0.04, 0.5), 24);
            EXPECT_GT(PixelsNear(CaptionBand(b), enabled ? EnabledFace : DisabledFace, 12), 20);
        }
        // The background between the columns.
        const Rect gap = ScreenRect(MakeRelRect(0.465f, 0.3f, 0.07f, 0.4f));
        EXPECT_LE(SkinDistance(gap, *Menu->Background, 0, 0.5, 0.5), 24);
    }
};

TEST_P(MainMenuLookTest, AtFirstStartSaveAndRestoreAreDisabledAndEnterDoesNothing)
{
    EXPECT_THAT(ShownClasses(), IsEmpty());
    std::vector<std::string> captions;
    for (const TSMMButton* b : {&Menu->NewGameButton, &Menu->LoadButton, &Menu->SaveButton,
                                &Menu->RestoreButton, &Menu->OptionsButton, &Menu->HelpButton,
                                &Menu->CreditsButton, &Menu->QuitButton, &Menu->EditorButton})
        captions.push_back(b->Caption());
    EXPECT_THAT(captions, ElementsAre("New Game", "Load Game", "Save Game", "Restore", "Options", "Help",
                                      "Credits", "Quit", "Editor"));
    ExpectTheMenuOnScreen(false);
    Snapshot(Name("menu"));

    // Drawn again (as after a resize), the buttons are still there over the background.
    Menu->Redraw();
    Pump();
    ExpectTheMenuOnScreen(false);

    Key(Key::Return);
    Pump();
    Tick();
    EXPECT_EQ(Main->ScreenState, ShellState::InMainMenu);
    EXPECT_EQ(Main->RequestedState, ShellState::None);
    // A click on the disabled Restore does nothing either.
    Press(Menu->RestoreButton);
    Tick();
    EXPECT_EQ(Main->ScreenState, ShellState::InMainMenu);
}

TEST_P(MainMenuLookTest, WithAGameRunningSaveAndRestoreAreEnabled)
{
    StartGame();
    BackToTheMenu();
    Pump();
    ExpectTheMenuOnScreen(true);
    Snapshot(Name("menu-with-game"));
}

INSTANTIATE_TEST_SUITE_P(ScreenSizes, MainMenuLookTest,
                         ::testing::Values(ScreenSizeRecord{1024, 768}, ScreenSizeRecord{1920, 1080}),
                         [](const ::testing::TestParamInfo<ScreenSizeRecord>& info) {
                             return std::to_string(info.param.Width) + "x" +
                                    std::to_string(info.param.Height);
                         });

TEST_F(MainMenuTest, AfterAGameEnterResumesItExactlyAsRestoreDoes)
{
    StartGame();
    GameProc* game = GameScreen;
    const auto before = GameBytes();
    BackToTheMenu();

    Key(Key::Return);
    Pump();
    Tick();
    EXPECT_EQ(Main->ScreenState, ShellState::InGame);
    EXPECT_EQ(GameScreen, game);
    EXPECT_EQ(GameBytes(), before);

    BackToTheMenu();
    Press(Menu->RestoreButton);
    Tick();
    EXPECT_EQ(Main->ScreenState, ShellState::InGame);
    EXPECT_EQ(GameScreen, game);
    EXPECT_EQ(GameBytes(), before);
}

TEST_F(MainMenuTest, EscapeAsksBeforeEndingAndNoKeepsTheMenuWhileQuitEndsWithoutAsking)
{
    Answer([](Window&, int) {});
    Key(Key::Escape);
    Pump();
    EXPECT_THAT(ShownClasses(), ElementsAre("TCloseDlg"));
    EXPECT_FALSE(App->Terminated());
    EXPECT_FALSE(Menu->Busy);
    Tick();
    EXPECT_EQ(Main->ScreenState, ShellState::InMainMenu);

    Shown.clear();
    Press(Menu->QuitButton);
    EXPECT_TRUE(App->Terminated());
    EXPECT_THAT(ShownClasses(), IsEmpty());
}

TEST_F(MainMenuTest, CancellingTheNewGameDialogOrChoosingOnePlayerLeavesTheGameThatRunsUntouched)
{
    // Without a game, nothing starts.
    Answer([this](Window& w, int n) {
        if (&w == static_cast<Window*>(&Menu->NewGameDialog) && n == 1)
            Letter('C');
    });
    Press(Menu->NewGameButton);
    Tick();
    EXPECT_EQ(Main->ScreenState, ShellState::InMainMenu);
    EXPECT_FALSE(GameScreen->Running());

    StartGame();
    BackToTheMenu();
    const auto before = GameBytes();
    Press(Menu->NewGameButton);
    Tick();
    EXPECT_EQ(Main->ScreenState, ShellState::InMainMenu);
    EXPECT_EQ(GameBytes(), before);

    // Only the first player left taking part: the error, and the set-up stays as it was.
    Answer([this](Window& w, int n) {
        if (&w != static_cast<Window*>(&Menu->NewGameDialog))
            return;
        if (n == 1) {
            ClickOn(*Menu->NewGameDialog.InGameBoxes[1]);
            ClickOn(*Menu->NewGameDialog.InGameBoxes[2]);
        } else if (n == 2) {
            Letter('N');
        }
    });
    Press(Menu->NewGameButton);
    Tick();
    ASSERT_EQ(Shown.size(), 1u);
    EXPECT_EQ(Shown[0].Class, "TErrorDlg");
    EXPECT_EQ(Shown[0].Message, "you must select at least two players");
    EXPECT_EQ(Main->ScreenState, ShellState::InMainMenu);
    EXPECT_THAT(PlayerInGame, ElementsAre(1, 1, 1, 0, 0, 0));
    EXPECT_EQ(GameBytes(), before);
}

TEST_F(MainMenuTest, ANewGameWithoutAnyBoardToPlayOnIsReportedAndTheGameThatRunsStays)
{
    StartGame();
    BackToTheMenu();
    const auto before = GameBytes();
    // No board in the start folder, and no archive with the game's own board in the data folder.
    fs::remove(Dir.Path / "Board1.brd");
    SetDataFolder((Dir.Path / "no data").string() + "/");
    Answer([this](Window& w, int n) {
        if (&w == static_cast<Window*>(&Menu->NewGameDialog) && n == 1)
            Letter('N');
    });
    Press(Menu->NewGameButton);
    SetDataFolder("");
    Tick();
    ASSERT_EQ(Shown.size(), 1u);
    EXPECT_EQ(Shown[0].Class, "TErrorDlg");
    EXPECT_EQ(Shown[0].Message, Text(TextGroup::MenuMessages, MenuText::NoBoard));
    EXPECT_EQ(Main->ScreenState, ShellState::InMainMenu);
    EXPECT_EQ(GameBytes(), before);
}

TEST_F(MainMenuTest, ANewGameIsPlayedByTheSlotsAndKindsChosenInTheDialog)
{
    Answer([this](Window& w, int n) {
        if (&w != static_cast<Window*>(&Menu->NewGameDialog))
            return;
        if (n == 1) {
            // The kind buttons report to the menu, which turns the slot over.
            ClickOn(*Menu->NewGameDialog.KindButtons[1]);
            ClickOn(*Menu->NewGameDialog.InGameBoxes[2]);
            ClickOn(*Menu->NewGameDialog.InGameBoxes[4]);
        } else if (n == 2) {
            Letter('N');
        }
    });
    Press(Menu->NewGameButton);
    Tick();
    ASSERT_EQ(Main->ScreenState, ShellState::InGame);
    EXPECT_THAT(PlayerInGame, ElementsAre(1, 1, 0, 0, 1, 0));
    EXPECT_THAT(PlayerHuman, ElementsAre(1, 1, 0, 0, 0, 0));
    // What the saved game holds of the players taking part: the first three records' states.
    GameState state;
    Board board;
    Random random;
    const fs::path file = Dir.Path / "new.sav";
    ASSERT_EQ(GameScreen->SaveGame(file), "");
    ASSERT_TRUE(LoadGame(file, state, board, random).Ok);
    EXPECT_NE(state.Players[0].State, 0);
    EXPECT_NE(state.Players[1].State, 0);
    EXPECT_EQ(state.Players[2].State, 0);
    EXPECT_NE(state.Players[4].State, 0);
    EXPECT_EQ(state.Players[1].Human, 1);
    EXPECT_EQ(state.Players[4].Human, 0);
}

TEST_F(MainMenuTest, AGameSavedFromTheMenuLoadsBackAsItWasSaved)
{
    StartGame();
    BackToTheMenu();
    ChooseFile(Menu->SaveButton, "Zoë's game");
    Tick();
    const fs::path file = Dir.Path / "SAVES" / "Zoë's game.sav";
    ASSERT_TRUE(fs::exists(file));
    EXPECT_EQ(Main->ScreenState, ShellState::InGame);
    const auto saved = TempDir::Read(file.string());

    // Another game over it, then the saved one back.
    BackToTheMenu();
    StartGame();
    EXPECT_NE(GameBytes(), saved);
    BackToTheMenu();
    ChooseFile(Menu->LoadButton, "Zoë's game");
    Tick();
    EXPECT_THAT(ShownClasses(), IsEmpty());
    EXPECT_EQ(Main->ScreenState, ShellState::InGame);
    EXPECT_EQ(GameBytes(), saved);
}

TEST_F(MainMenuTest, ASavedGameThatIsDamagedCutShortOfAnotherVersionOrNoSavedGameIsRefusedWithItsReason)
{
    StartGame();
    BackToTheMenu();
    const auto before = GameBytes();
    fs::create_directory(Dir.Path / "SAVES");
    std::vector<std::uint8_t> damaged = before;
    damaged[damaged.size() / 2] ^= 0x5A;
    const std::vector<std::uint8_t> cut(before.begin(),
                                        before.begin() + static_cast<long>(before.size() / 2));
    std::vector<std::uint8_t> otherVersion = before;
    otherVersion[8] = 99;
    Dir.Write("SAVES/damaged.sav", damaged);
    Dir.Write("SAVES/cut.sav", cut);
    Dir.Write("SAVES/other version.sav", otherVersion);
    Dir.WriteText("SAVES/letter.sav", "Dear Zoë, the game is on Sunday.");

    for (const char* name : {"damaged", "cut", "other version", "letter"}) {
        SCOPED_TRACE(name);
        const fs::path file = Dir.Path / "SAVES" / (std::string(name) + ".sav");
        GameState state;
        Board board;
        Random random;
        const SavedGameResult expected = LoadGame(file, state, board, random);
        ASSERT_FALSE(expected.Ok);
        Shown.clear();
        ChooseFile(Menu->LoadButton, name);
        Tick();
        ASSERT_EQ(Shown.size(), 1u);
        EXPECT_EQ(Shown[0].Class, "TErrorDlg");
        EXPECT_THAT(Shown[0].Message, HasSubstr(expected.Reason));
        EXPECT_EQ(Main->ScreenState, ShellState::InMainMenu);
        EXPECT_TRUE(Menu->RestoreButton.Enabled());
        EXPECT_EQ(GameBytes(), before);
    }
}

TEST_F(MainMenuTest, ASaveThatCannotBeWrittenIsReportedAndTheMenuStays)
{
    StartGame();
    BackToTheMenu();
    // SAVES is a plain file: no folder can be made there.
    Dir.WriteText("SAVES", "in the way");
    ChooseFile(Menu->SaveButton, "anything");
    Tick();
    ASSERT_EQ(Shown.size(), 1u);
    EXPECT_EQ(Shown[0].Class, "TErrorDlg");
    EXPECT_FALSE(Shown[0].Message.empty());
    EXPECT_EQ(Main->ScreenState, ShellState::InMainMenu);
}

TEST_F(MainMenuTest, TheHelpButtonAndF1OpenTheHelpPageOfTheDataFolder)
{
    std::vector<std::string> urls;
    TestHooks::SetOpenUrlHook(*App, [&](const std::string& url) {
        urls.push_back(url);
        return true;
    });
    Press(Menu->HelpButton);
    Key(Key::F1);
    Pump();
    ASSERT_EQ(urls.size(), 2u);
    for (const std::string& url : urls) {
        EXPECT_THAT(url, HasSubstr(Main->DataDir));
        EXPECT_THAT(url, EndsWith("/Tarnhollow.html"));
    }
    EXPECT_EQ(Main->ScreenState, ShellState::InMainMenu);
}

TEST_F(MainMenuTest, TheOptionsChangeOnlyWithOkAndTheCreditsShow)
{
    Answer([this](Window& w, int n) {
        if (&w == static_cast<Window*>(&Menu->OptionsDialog) && n == 1) {
            ClickOn(Menu->OptionsDialog.SoundBox);
            Letter('C');
        }
    });
    Press(Menu->OptionsButton);
    EXPECT_EQ(SoundEffects, 1);
    Answer([this](Window& w, int n) {
        if (&w == static_cast<Window*>(&Menu->OptionsDialog) && n == 1) {
            ClickOn(Menu->OptionsDialog.SoundBox);
            Letter('O');
        }
    });
    Press(Menu->OptionsButton);
    EXPECT_EQ(SoundEffects, 0);

    bool credits = false;
    Answer([&](Window& w, int) {
        credits = credits || &w == static_cast<Window*>(&Menu->AboutDialog);
        w.ModalResult = ModalResult::Ok;
    });
    Press(Menu->CreditsButton);
    EXPECT_TRUE(credits);
    EXPECT_EQ(Main->ScreenState, ShellState::InMainMenu);
}

TEST_F(MainMenuTest, TheEditorButtonLeavesTheGameBehindAndTheMenuComesBackWithoutIt)
{
    StartGame();
    BackToTheMenu();
    Press(Menu->EditorButton);
    Tick();
    EXPECT_EQ(Main->ScreenState, ShellState::InEditor);
    EXPECT_EQ(GameScreen, nullptr);
    EXPECT_EQ(MainMenuScreen, nullptr);

    Main->RequestedState = ShellState::InMainMenu;
    Tick();
    ASSERT_EQ(Main->ScreenState, ShellState::InMainMenu);
    ASSERT_NE(GameScreen, nullptr);
    EXPECT_FALSE(GameScreen->Running());
    EXPECT_FALSE(MainMenuScreen->SaveButton.Enabled());
    EXPECT_FALSE(MainMenuScreen->RestoreButton.Enabled());
}
