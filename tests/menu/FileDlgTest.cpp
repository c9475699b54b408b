// The file dialog: the list of files, click and double click, the confirm button's letter, the
// replace question, the missing-file error, refused names, and its use for boards.
#include "menu/FileDlg.h"

#include "menu/MenuDialogFixture.h"
#include "support/TempDir.h"

#include <filesystem>
#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(FileNameProblem, NamesThatLeaveTheFolderHideTheFileHoldControlsOrRunTooLong)
{
    for (const char* name : {"game1", "Zoë's game", "Ångström 2", "a.b", "x..", "-", "my game (2)"})
        EXPECT_EQ(FileNameProblem(name), -1) << name;
    for (const char* name : {"../../x", "/tmp/x", "SAVES/x", "a\\b", "..\\x", "x/"})
        EXPECT_EQ(FileNameProblem(name), MenuText::NameHasSeparator) << name;
    for (const char* name : {".hidden", "..", ".", ". x"})
        EXPECT_EQ(FileNameProblem(name), MenuText::NameStartsWithDot) << name;
    for (const char* name : {"tab\there", "line\nbreak", "bell\a", "del\x7f", "c1\xc2\x85"})
        EXPECT_EQ(FileNameProblem(name), MenuText::NameHasControlCharacter) << name;
    // 64 characters are taken whatever their bytes; 65 are not.
    EXPECT_EQ(FileNameProblem(std::string(64, 'x')), -1);
    std::string umlauts;
    for (int i = 0; i < 64; ++i)
        umlauts += "ë";
    EXPECT_EQ(FileNameProblem(umlauts), -1);
    EXPECT_EQ(FileNameProblem(umlauts + "e"), MenuText::NameTooLong);
    EXPECT_EQ(FileNameProblem(std::string(65, 'x')), MenuText::NameTooLong);
}

class FileDlgTest : public MenuDialogTest
{
protected:
    void SetUp() override
    {
        MenuDialogTest::SetUp();
        Main->StartDir = Dir.Path.string();
        std::filesystem::create_directory(Dir.Path / "SAVES");
        Dir.WriteText("SAVES/old.sav", "saved");
        Dir.WriteText("SAVES/game1.sav", "saved");
        Dir.WriteText("SAVES/.hidden.sav", "saved");
        Dir.WriteText("SAVES/notes.txt", "not a game");
        Dialog = std::make_unique<TFileDlg>(*Screen);
    }
    void TearDown() override
    {
        Dialog.reset();
        MenuDialogTest::TearDown();
    }
    void OpenSaves(std::int32_t mode) { Dialog->Open(mode, "\\SAVES\\", "sav", 0.5f, 0.5f); }
    Point ItemPoint(std::int32_t index) const
    {
        const Rect r = Dialog->FileList.ItemRect(index);
        return Dialog->FileList.ClientToScreen(Point{r.Left + 5, (r.Top + r.Bottom) / 2});
    }
    // Types name into the name edit and presses Enter there.
    void Enter(const std::string& name)
    {
        Dialog->NameEdit.SetFocus();
        Dialog->NameEdit.SetText("");
        Type(name);
        Key(Key::Return);
    }
    std::string Saves(const std::string& file) const { return (Dir.Path / "SAVES" / file).string(); }

    TempDir Dir;
    std::unique_ptr<TFileDlg> Dialog;
};

TEST_F(FileDlgTest, ASingleClickPutsTheNameInTheEditAndADoubleClickAcceptsIt)
{
    OpenSaves(FileMode::Load);
    std::vector<std::string> items;
    std::string afterClick;
    const int result = Run(*Dialog, [&](int n) {
        if (n == 1) {
            items = Dialog->FileList.Items();
            EXPECT_EQ(Dialog->Caption(), "Load Game");
            EXPECT_EQ(Dialog->ActiveControl(), &Dialog->ConfirmButton);
            EXPECT_EQ(Dialog->NameEdit.Text(), "");
            const Point p = ItemPoint(1);
            TestHooks::Click(*App, p.X, p.Y);
        } else if (n == 2) {
            afterClick = Dialog->NameEdit.Text();
            EXPECT_EQ(Dialog->ModalResult, 0);
            const Point p = ItemPoint(0);
            TestHooks::DoubleClick(*App, p.X, p.Y);
        }
    });
    // Hidden files and other extensions are not offered.
    EXPECT_THAT(items, ElementsAre("game1", "old"));
    EXPECT_EQ(afterClick, "old");
    EXPECT_EQ(result, ModalResult::Ok);
    EXPECT_EQ(Dialog->Path, Saves("game1.sav"));
    EXPECT_THAT(Shown, IsEmpty());
}

TEST_F(FileDlgTest, TheConfirmLetterFollowsTheCaptionOfTheMode)
{
    OpenSaves(FileMode::Load);
    EXPECT_EQ(Run(*Dialog,
                  [&](int n) {
                      if (n == 1) {
                          EXPECT_EQ(Dialog->ConfirmButton.Caption(), "&Load");
                          Dialog->NameEdit.SetText("old");
                          Letter('S'); // no button of this letter here
                      } else if (n == 2) {
                          EXPECT_EQ(Dialog->ModalResult, 0);
                          Letter('L');
                      }
                  }),
              ModalResult::Ok);
    EXPECT_EQ(Dialog->Path, Saves("old.sav"));

    OpenSaves(FileMode::Save);
    EXPECT_EQ(Run(*Dialog,
                  [&](int n) {
                      if (n == 1) {
                          EXPECT_EQ(Dialog->Caption(), "Save Game");
                          EXPECT_EQ(Dialog->ConfirmButton.Caption(), "&Save");
                          Dialog->NameEdit.SetText("fresh");
                          Letter('L');
                      } else if (n == 2) {
                          EXPECT_EQ(Dialog->ModalResult, 0);
                          Letter('S');
                      }
                  }),
              ModalResult::Ok);
    EXPECT_EQ(Dialog->Path, Saves("fresh.sav"));
    EXPECT_THAT(Shown, IsEmpty()); // a new name asks nothing
}

TEST_F(FileDlgTest, SavingOverAFileAsksOnceAndNoKeepsTheDialogOpenWithTheName)
{
    OpenSaves(FileMode::Save);
    QuestionAnswer = ModalResult::No;
    std::string kept;
    const int result = Run(*Dialog, [&](int n) {
        if (n == 1) {
            Enter("game1");
        } else if (n == 2) {
            EXPECT_EQ(Dialog->ModalResult, 0);
            kept = Dialog->NameEdit.Text();
            QuestionAnswer = ModalResult::Yes;
            Key(Key::Return);
        }
    });
    ASSERT_EQ(Shown.size(), 2u);
    EXPECT_EQ(Shown[0].Class, "TAskDlg");
    EXPECT_EQ(Shown[0].Message, "File already exist. Do you want to replace it?");
    EXPECT_EQ(kept, "game1");
    EXPECT_EQ(result, ModalResult::Ok);
    EXPECT_EQ(Dialog->Path, Saves("game1.sav"));
    EXPECT_TRUE(Dialog->Path.ends_with(".sav"));
}

TEST_F(FileDlgTest, LoadingANameWithoutAFileReportsItAndAnEmptyNameDoesNothing)
{
    OpenSaves(FileMode::Load);
    const int result = Run(*Dialog, [&](int n) {
        if (n == 1) {
            Dialog->ConfirmButton.Click(); // nothing typed
        } else if (n == 2) {
            EXPECT_THAT(Shown, IsEmpty());
            EXPECT_EQ(Dialog->ModalResult, 0);
            Enter("ghost");
        } else if (n == 3) {
            // Still open after the report.
            EXPECT_EQ(Dialog->ModalResult, 0);
            Dialog->ModalResult = ModalResult::Cancel;
        }
    });
    EXPECT_EQ(result, ModalResult::Cancel);
    ASSERT_EQ(Shown.size(), 1u);
    EXPECT_EQ(Shown[0].Class, "TErrorDlg");
    EXPECT_EQ(Shown[0].Message, "The file " + Saves("ghost.sav") +
                                    " does not exist or cannot be read. Please check the file name and access "
                                    "privileges.");
}

TEST_F(FileDlgTest, ANameThatWouldLeaveTheFolderOrIsNoFileNameIsRefusedAndTheDialogStaysOpen)
{
    struct Case
    {
        std::string Name;
        bool Typed; // control characters cannot be typed; a program's text can hold them
        int Message;
    };
    const std::vector<Case> cases{{"../../x", true, MenuText::NameHasSeparator},
                                  {"/tmp/x", true, MenuText::NameHasSeparator},
                                  {"..\\x", true, MenuText::NameHasSeparator},
                                  {".profile", true, MenuText::NameStartsWithDot},
                                  {"two\tparts", false, MenuText::NameHasControlCharacter},
                                  {std::string(65, 'n'), true, MenuText::NameTooLong}};
    for (const std::int32_t mode : {FileMode::Save, FileMode::Load}) {
        OpenSaves(mode);
        Shown.clear();
        Dialog->Path.clear();
        std::size_t next = 0;
        const int result = Run(*Dialog, [&](int) {
            EXPECT_EQ(Dialog->ModalResult, 0);
            if (next == cases.size()) {
                Dialog->ModalResult = ModalResult::Cancel;
                return;
            }
            const Case& c = cases[next++];
            if (c.Typed) {
                Enter(c.Name);
            } else {
                Dialog->NameEdit.SetText(c.Name);
                Dialog->ConfirmButton.Click();
            }
        });
        EXPECT_EQ(result, ModalResult::Cancel);
        ASSERT_EQ(Shown.size(), cases.size());
        for (std::size_t i = 0; i < cases.size(); ++i) {
            EXPECT_EQ(Shown[i].Class, "TErrorDlg");
            EXPECT_EQ(Shown[i].Message, Text(TextGroup::MenuMessages, cases[i].Message)) << cases[i].Name;
        }
        EXPECT_EQ(Dialog->Path, "");
    }
}

TEST_F(FileDlgTest, BoardsAreListedFromTheStartFolderItselfWithTheirOwnCaption)
{
    Dir.WriteText("Harbour.BRD", "board");
    Dir.WriteText("Board1.brd", "board");
    Dialog->Open(FileMode::Load, "\\", "brd", 0.2f, 0.3f, "Load Board");
    EXPECT_NEAR(Dialog->Placement.Left, 0.2f - 0.11f, 1e-6);
    EXPECT_NEAR(Dialog->Placement.Top, 0.3f - 0.2f, 1e-6);
    std::vector<std::string> items;
    std::string caption;
    const int result = Run(*Dialog, [&](int n) {
        if (n == 1) {
            items = Dialog->FileList.Items();
            caption = Dialog->Caption();
            // Letter case aside it is the same file.
            Enter("harbour");
        }
    });
    EXPECT_THAT(items, ElementsAre("Board1", "Harbour"));
    EXPECT_EQ(caption, "Load Board");
    EXPECT_EQ(result, ModalResult::Ok);
    EXPECT_EQ(Dialog->Path, (Dir.Path / "Harbour.BRD").string());

    // A folder that does not exist lists nothing; saving there is for the writer to cope with.
    Dialog->Open(FileMode::Save, "NOPE", "sav", 0.5f, 0.5f);
    items = {"not emptied"};
    EXPECT_EQ(Run(*Dialog,
                  [&](int n) {
                      if (n == 1) {
                          items = Dialog->FileList.Items();
                          Enter("first");
                      }
                  }),
              ModalResult::Ok);
    EXPECT_THAT(items, IsEmpty());
    EXPECT_EQ(Dialog->Path, (Dir.Path / "NOPE" / "first.sav").string());
}
