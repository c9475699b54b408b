// Boards through the file dialog, in a start folder of their own: a board built with every tool
// by clicks, saved, checked and played by the rules engine; a file that is no board; a save that
// cannot be written.
#include "editor/BoardCheckDlg.h"
#include "editor/EditorScene.h"
#include "editor/NewBoardDlg.h"
#include "editor/StNamesDlg.h"
#include "menu/FileDlg.h"
#include "platform/DropDownList.h"
#include "rules/Rules.h"
#include "support/TempDir.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <set>

using ::testing::HasSubstr;

namespace {

class EditorFilesTest : public EditorScene
{
protected:
    void SetUp() override
    {
        std::filesystem::create_symlink(std::string(TARNHOLLOW_GAME_DIR) + "/res00.dat",
                                        Folder.Path / "res00.dat");
        Factory.Editor = MakeOwned<EditorProc, TWinProcedure>;
        Factory.ErrorDialog = MakeOwned<TErrorDlg, Window>;
        Factory.AskDialog = MakeOwned<TAskDlg, Window>;
        StartAt(1024, 768);
        Main->StartDir = Folder.Path.string();
        EnterEditor();
    }
    void Press(const Control& control)
    {
        const Point p = Centre(control);
        TestHooks::Click(*App, p.X, p.Y);
    }
    // Names a file in the file dialog and confirms it, as the player types and clicks.
    void Name(TFileDlg& dialog, const std::string& name)
    {
        dialog.NameEdit.SetFocus();
        TestHooks::Text(*App, name);
        TestHooks::Key(*App, Key::Return);
    }
    // The dialogs the last file command showed, and what the error dialog said.
    struct Shown
    {
        std::vector<Window*> Dialogs;
        std::string Error;
        std::vector<BoardProblem> Problems;
    };
    // Load or Save on the strip with name typed; a question is answered Yes.
    Shown UseFile(TSSpeedButton& button, const std::string& name)
    {
        Shown shown;
        TFileDlg& files = *Editor->FileDialog;
        WithDialogs(
            [&](Window& window, int) {
                if (shown.Dialogs.empty() || shown.Dialogs.back() != &window)
                    shown.Dialogs.push_back(&window);
                if (&window == &files) {
                    if (files.NameEdit.Text().empty())
                        Name(files, name);
                } else if (&window == static_cast<Window*>(ErrorDlg)) {
                    shown.Error = ErrorDlg->Message;
                    window.ModalResult = ModalResult::Ok;
                } else if (&window == static_cast<Window*>(AskDlg)) {
                    window.ModalResult = ModalResult::Yes;
                } else if (&window == Editor->CheckDialog.get()) {
                    shown.Problems = Editor->CheckDialog->Problems;
                    window.ModalResult = ModalResult::Ok;
                } else {
                    window.ModalResult = ModalResult::Cancel;
                }
            },
            [&] { Click(Centre(button)); });
        return shown;
    }
    void ChooseStreet(std::int32_t index)
    {
        Click(Centre(Editor->StreetList));
        DropDownList& list = *Editor->StreetList.List;
        ASSERT_TRUE(list.DroppedDown());
        const Rect popup = list.PopupRect();
        const std::int32_t row = (popup.Height() - 2) / list.Count();
        Click(Point{popup.Left + 10, popup.Top + 1 + index * row + row / 2});
        ASSERT_EQ(list.ItemIndex(), index);
    }
    void ClickCells(std::initializer_list<Point> cells)
    {
        for (const Point& c : cells)
            ClickCell(c.X, c.Y);
    }

    TempDir Folder;
};

TEST_F(EditorFilesTest, ABoardBuiltWithEveryToolIsSavedReadyToPlayAndPlayedByTheRules)
{
    // An 8 x 8 board: a one-way loop round a block with the prison, its zone, the courthouse and
    // the hospital, a junction on the top street, lots and two public buildings outside.
    TNewBoardDlg& size = *Editor->NewBoardDialog;
    WithDialogs(
        [&](Window&, int turn) {
            if (turn == 1) {
                size.WidthEdit.SetText("8");
                size.HeightEdit.SetText("8");
                Press(size.OkButton);
            }
        },
        [&] { Click(Centre(Editor->NewButton)); });
    ASSERT_EQ(Editor->Board.Width(), 8);
    const std::initializer_list<Point> loop = {{2, 2}, {3, 2}, {4, 2}, {5, 2}, {5, 3}, {5, 4},
                                               {5, 5}, {4, 5}, {3, 5}, {2, 5}, {2, 4}, {2, 3}};
    // Select lays the roads; a second pass shapes each piece from its finished neighbours.
    ClickCells(loop);
    ClickCells(loop);
    ChooseTool(EditorTool::Street);
    Click(Centre(Editor->LastButton)); // picture 31, a bridge
    ClickCell(3, 5);
    ChooseTool(EditorTool::Flow); // up
    ClickCells({{2, 5}, {2, 4}, {2, 3}});
    Click(Centre(Editor->NextButton)); // right
    ClickCells({{2, 2}, {3, 2}});
    Click(Centre(Editor->NextButton)); // down
    ClickCells({{5, 2}, {5, 3}, {5, 4}});
    Click(Centre(Editor->NextButton)); // left
    ClickCells({{5, 5}, {4, 5}, {3, 5}});
    Click(Centre(Editor->NextButton)); // a junction
    ClickCell(4, 2);
    ChooseTool(EditorTool::Start);
    ClickCell(2, 2);
    ChooseTool(EditorTool::GStruct); // lots for sale
    ClickCells({{3, 1}, {4, 1}, {6, 3}, {1, 5}});
    Click(Centre(Editor->NextButton)); // "GOVERNOR"
    ClickCell(1, 3);
    for (int i = 0; i < 3; ++i)
        Click(Centre(Editor->NextButton)); // "POLICE"
    ClickCell(1, 4);
    Click(Centre(Editor->NextButton)); // "PRISION", with its zone below
    ClickCell(3, 3);
    Click(Centre(Editor->NextButton)); // "HOSPITAL"
    ClickCell(4, 4);
    Click(Centre(Editor->NextButton)); // "COURTHOUSE"
    ClickCell(4, 3);
    ChooseTool(EditorTool::PStruct); // apartments of player 2
    Click(Centre(Editor->NextButton));
    Click(Centre(Editor->NextButton));
    Click(Centre(Editor->OwnerButton));
    ClickCell(6, 2);
    ChooseTool(EditorTool::Erase);
    ClickCell(1, 5);
    ChooseTool(EditorTool::StNames);
    ChooseStreet(4);
    ClickCells({{2, 2}, {3, 2}, {4, 2}, {5, 2}});
    TStNamesDlg& names = *Editor->StreetNamesDialog;
    WithDialogs(
        [&](Window&, int turn) {
            if (turn == 1) {
                const Rect row = names.NamesList.ItemRect(4);
                const Point p =
                    names.NamesList.ClientToScreen(Point{row.Left + 5, (row.Top + row.Bottom) / 2});
                TestHooks::Click(*App, p.X, p.Y);
            } else if (turn == 2) {
                names.NameEdit.SetText("Harbour Row");
                TestHooks::Key(*App, Key::Return);
            } else if (turn == 3) {
                Press(names.OkButton);
            }
        },
        [&] { Click(Centre(Editor->EditButton)); });

    const Board& made = Editor->Board;
    EXPECT_EQ(made.At(3, 5).Kind, 31);
    EXPECT_EQ(made.At(4, 2).Direction, 5);
    EXPECT_EQ(made.At(3, 4).Kind, CellKind::PrisonZone);
    EXPECT_EQ(made.At(6, 2).Kind, CellKind::OwnedLot + 2);
    EXPECT_EQ(made.At(6, 2).Owner, 2);
    EXPECT_EQ(made.At(1, 5).Kind, CellKind::Ground);
    EXPECT_EQ(made.At(3, 2).Street, 4);

    Snapshot("editor-built-board");
    const Shown saved = UseFile(Editor->SaveButton, "harbour");
    const std::string path = Folder.File("harbour.brd");
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(saved.Error, "");
    // The checker came after the save, and found nothing.
    ASSERT_EQ(saved.Dialogs.size(), 2u);
    EXPECT_EQ(saved.Dialogs[1], Editor->CheckDialog.get());
    EXPECT_TRUE(saved.Problems.empty()) << saved.Problems.front().Text;
    EXPECT_EQ(TempDir::Read(path), made.FileImage());

    // A new game on the file: computer players walk its roads.
    GameState state;
    Board board;
    Random random(11);
    QuietRulesHost host;
    Rules rules(state, board, random, host);
    GameSetup setup;
    setup.Human = {};
    ASSERT_TRUE(rules.NewGame(path, setup));
    EXPECT_EQ(board.GetStreetName(4), "Harbour Row");
    EXPECT_EQ(board.JailX, 3);
    EXPECT_EQ(board.JailY, 4);
    EXPECT_EQ(board.ExitX, 2);
    EXPECT_EQ(board.ExitY, 5);
    std::set<std::pair<std::int32_t, std::int32_t>> visited;
    for (int turn = 0; turn < 60 && state.Running; ++turn) {
        rules.PlayThrow();
        for (const Player& player : state.Players) {
            if (player.State == PlayerState::Out)
                continue;
            const std::uint8_t kind = board.At(player.X, player.Y).Kind;
            EXPECT_TRUE(IsRoadPiece(kind) || kind == CellKind::PrisonZone) << player.X << "," << player.Y;
            visited.insert({player.X, player.Y});
        }
    }
    EXPECT_GE(state.Throws, 20);
    EXPECT_GE(visited.size(), 6u);
}

TEST_F(EditorFilesTest, AFileThatIsNoBoardGivesTheDefaultBoardAndTheEditorSaysSo)
{
    Folder.WriteText("notes.brd", "shopping list");
    Board expected;
    ASSERT_EQ(expected.LoadFile(Folder.File("nothing.brd"), Folder.File("res00.dat")),
              BoardSource::DefaultBoard);
    Editor->Board.New(9, 9);
    const Shown loaded = UseFile(Editor->LoadButton, "notes");
    EXPECT_THAT(loaded.Error, HasSubstr(Folder.File("notes.brd")));
    EXPECT_THAT(loaded.Error, HasSubstr("default board"));
    EXPECT_EQ(Editor->Board.FileImage(), expected.FileImage());
    EXPECT_EQ(Editor->StreetList.List->ItemText(0), "1- " + expected.GetStreetName(0));
    // A good file loads without a word.
    Board small;
    small.New(10, 9);
    small.SetStreetName(0, "Quay");
    ASSERT_TRUE(small.SaveFile(Folder.File("small.brd")));
    const Shown good = UseFile(Editor->LoadButton, "small");
    EXPECT_EQ(good.Error, "");
    EXPECT_EQ(Editor->Board.Width(), 10);
    EXPECT_EQ(Editor->StreetList.Caption(), "1- Quay");
}

TEST_F(EditorFilesTest, ASaveThatCannotBeWrittenIsReportedAndNotChecked)
{
    std::filesystem::create_directory(Folder.Path / "blocked.brd");
    const Shown saved = UseFile(Editor->SaveButton, "blocked");
    EXPECT_THAT(saved.Error, HasSubstr("could not be written"));
    EXPECT_EQ(std::find(saved.Dialogs.begin(), saved.Dialogs.end(), Editor->CheckDialog.get()),
              saved.Dialogs.end());
    EXPECT_TRUE(std::filesystem::is_directory(Folder.Path / "blocked.brd"));
}

} // namespace
