// The editor screen driven headless through the main window: tools, values and their preview,
// right clicks, edge scrolling, the new board, the owner button, Escape, leaving, and the board
// loaded at start.
#include "editor/EditorPanel.h"
#include "editor/EditorScene.h"
#include "editor/NewBoardDlg.h"
#include "editor/TryItDlg.h"
#include "game/GameProc.h"
#include "menu/MainMenuProc.h"
#include "platform/DropDownList.h"
#include "support/TempDir.h"

#include <algorithm>
#include <gmock/gmock.h>

using ::testing::Contains;
using ::testing::HasSubstr;

namespace {

class EditorScreenTest : public EditorScene
{
protected:
    // Makes a new board of the typed sides through the strip's "New".
    void NewBoard(const std::string& width, const std::string& height)
    {
        TNewBoardDlg& dialog = *Editor->NewBoardDialog;
        WithDialogs(
            [&](Window& window, int turn) {
                ASSERT_EQ(&window, &dialog);
                if (turn == 1) {
                    dialog.WidthEdit.SetText(width);
                    dialog.HeightEdit.SetText(height);
                    const Point ok = Centre(dialog.OkButton);
                    TestHooks::Click(*App, ok.X, ok.Y);
                }
            },
            [&] { Click(Centre(Editor->NewButton)); });
    }
    Point Middle() const { return CellPoint(Editor->Board.CenterX, Editor->Board.CenterY); }
};

TEST_F(EditorScreenTest, TheStartBoardIsBoard1OfTheStartFolderShownWithTheStripAndSelectChosen)
{
    Board expected;
    ASSERT_EQ(expected.LoadFile(std::string(TARNHOLLOW_GAME_DIR) + "/Board1.brd"), BoardSource::File);
    EXPECT_EQ(Editor->Board.FileImage(), expected.FileImage());
    EXPECT_TRUE(Editor->Board.EditMode);
    EXPECT_EQ(Editor->Tool, EditorTool::Select);
    EXPECT_EQ(Editor->ToolButtons[0]->Selected, 1);
    EXPECT_FALSE(Editor->LastButton.Visible());
    EXPECT_FALSE(Editor->NextButton.Enabled());
    EXPECT_FALSE(Editor->OwnerButton.Visible());
    EXPECT_TRUE(Editor->PendingError.empty());
    // The strip's paper across the top, the board below it.
    const Rect strip = ScreenRect(MakeRelRect(0, 0, 1, 0.05f));
    EXPECT_LE(ChannelDistance(Pixel(strip.Width() * 0.205, strip.Height() / 8),
                              Editor->PanelEditor->PixelAt(Editor->PanelEditor->Width * 0.205,
                                                           Editor->PanelEditor->Height / 8)),
              24);
    EXPECT_EQ(Editor->View->PixelArea, ScreenRect(MakeRelRect(0, 0.05f, 1, 0.95f)));
}

TEST_F(EditorScreenTest, RightClickWithGStructStepsTheBuildingFromEightToOneAndThePreviewFollows)
{
    ChooseTool(EditorTool::GStruct);
    EXPECT_TRUE(Editor->LastButton.Visible());
    EXPECT_TRUE(Editor->NextButton.Enabled());
    const std::vector<Colour> lotForSale = Capture(PreviewRect());
    for (int i = 0; i < 7; ++i)
        Click(Centre(Editor->NextButton));
    EXPECT_EQ(Editor->Building, 8);
    EXPECT_NE(Capture(PreviewRect()), lotForSale);
    const Cell before = Editor->Board.At(Editor->Board.CenterX, Editor->Board.CenterY);
    RightClick(Middle());
    EXPECT_EQ(Editor->Building, 1);
    EXPECT_EQ(Capture(PreviewRect()), lotForSale);
    // The click changed no cell, and "Next" is not left drawn pressed.
    EXPECT_EQ(Editor->Board.At(Editor->Board.CenterX, Editor->Board.CenterY), before);
    EXPECT_EQ(Editor->NextButton.Selected, 0);
    EXPECT_EQ(Editor->NextButton.Frame(), 0);
}

TEST_F(EditorScreenTest, RightClickWithSelectRemovesTheCursorInsteadOfSteppingAValue)
{
    const std::int32_t x = Editor->Board.CenterX;
    const std::int32_t y = Editor->Board.CenterY;
    ClickCell(x, y);
    EXPECT_EQ(Editor->Board.CursorX, x);
    EXPECT_EQ(Editor->Board.CursorY, y);
    EXPECT_TRUE(IsRoadPiece(Editor->Board.At(x, y).Kind));
    RightClick(Point{ScreenSize.Width / 3, ScreenSize.Height / 2});
    EXPECT_EQ(Editor->Board.CursorX, -1);
    EXPECT_EQ(Editor->RoadPiece, 9);
}

TEST_F(EditorScreenTest, LastAndNextWrapAroundTheRoadPiecesAndTheOwnerButtonCyclesTheSixPlayers)
{
    ChooseTool(EditorTool::Street);
    Click(Centre(Editor->LastButton));
    EXPECT_EQ(Editor->RoadPiece, 31);
    Click(Centre(Editor->NextButton));
    EXPECT_EQ(Editor->RoadPiece, 9);
    EXPECT_FALSE(Editor->OwnerButton.Visible());

    ChooseTool(EditorTool::PStruct);
    ASSERT_TRUE(Editor->OwnerButton.Visible());
    EXPECT_EQ(Editor->OwnerButton.Caption(), "Player 1");
    std::vector<std::string> captions;
    for (int i = 0; i < 6; ++i) {
        Click(Centre(Editor->OwnerButton));
        captions.push_back(Editor->OwnerButton.Caption());
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"Player 2", "Player 3", "Player 4", "Player 5", "Player 6",
                                                  "Player 1"}));
    // "Last", "Next" and the owner button redraw only what they change; the strip looks as if it
    // had been painted whole.
    Click(Centre(Editor->OwnerButton));
    Click(Centre(Editor->LastButton));
    const Rect strip = ScreenRect(MakeRelRect(0, 0, 1, 0.05f));
    const std::vector<Colour> changed = Capture(strip);
    Editor->ToolPanel->Refresh();
    Pump();
    EXPECT_EQ(Capture(strip), changed);
    Click(Centre(Editor->NextButton));
    // Values survive a change of tool.
    Click(Centre(Editor->NextButton));
    ChooseTool(EditorTool::Flow);
    EXPECT_FALSE(Editor->OwnerButton.Visible());
    EXPECT_TRUE(Editor->Board.ShowDirections);
    ChooseTool(EditorTool::PStruct);
    EXPECT_EQ(Editor->Level, 2);
    EXPECT_FALSE(Editor->Board.ShowDirections);
}

TEST_F(EditorScreenTest, FlowFivePreviewsTheJunctionArrowTwiceOneAboveTheOther)
{
    ChooseTool(EditorTool::Flow);
    const Rect preview = PreviewRect();
    const std::int32_t half = Round(0.023 * ScreenSize.Height);
    const Rect upper{preview.Left, preview.Top, preview.Right, preview.Top + half};
    const Rect lower{preview.Left, upper.Bottom, preview.Right, upper.Bottom + half};
    // Where the yellow arrow is, over the strip's brown wood.
    auto arrow = [&](const Rect& r) {
        std::vector<bool> mask;
        for (const Colour c : Capture(r))
            mask.push_back((c & 0xFF) > 170 && ((c >> 8) & 0xFF) > 150 && ((c >> 16) & 0xFF) < 150);
        return mask;
    };
    // How much of the arrow in one half has arrow within a pixel of the same place in the other.
    const std::int32_t width = preview.Width();
    auto alike = [width](const std::vector<bool>& a, const std::vector<bool>& b) {
        const auto rows = static_cast<std::int32_t>(a.size()) / width;
        auto near = [&](const std::vector<bool>& mask, std::int32_t x, std::int32_t y) {
            for (std::int32_t dy = -1; dy <= 1; ++dy)
                for (std::int32_t dx = -1; dx <= 1; ++dx)
                    if (x + dx >= 0 && x + dx < width && y + dy >= 0 && y + dy < rows &&
                        mask[static_cast<std::size_t>((y + dy) * width + x + dx)])
                        return true;
            return false;
        };
        std::size_t found = 0;
        std::size_t all = 0;
        for (std::int32_t y = 0; y < rows; ++y)
            for (std::int32_t x = 0; x < width; ++x) {
                const auto i = static_cast<std::size_t>(y * width + x);
                if (a[i] || b[i]) {
                    ++all;
                    found += (a[i] ? near(b, x, y) : near(a, x, y)) ? 1 : 0;
                }
            }
        return all > 0 ? static_cast<double>(found) / static_cast<double>(all) : 0.0;
    };
    auto count = [](const std::vector<bool>& mask) { return std::count(mask.begin(), mask.end(), true); };
    // Flow 1 is one arrow over the whole preview: its halves show different parts of it.
    EXPECT_LT(alike(arrow(upper), arrow(lower)), 0.5) << alike(arrow(upper), arrow(lower));
    for (int i = 0; i < 4; ++i)
        Click(Centre(Editor->NextButton));
    ASSERT_EQ(Editor->Flow, 5);
    // The same arrow in each half.
    EXPECT_GT(count(arrow(upper)), 10);
    EXPECT_GT(count(arrow(lower)), 10);
    EXPECT_GT(alike(arrow(upper), arrow(lower)), 0.9) << alike(arrow(upper), arrow(lower));
}

TEST_F(EditorScreenTest, ThePointerInTheTopLeftCornerScrollsLeftNotUp)
{
    const std::int32_t x = Editor->Board.CenterX;
    const std::int32_t y = Editor->Board.CenterY;
    Tick();
    EXPECT_EQ(Editor->Board.CenterX, x);
    Move(Point{0, 0});
    Tick();
    EXPECT_EQ(Editor->Board.CenterX, x - 1);
    EXPECT_EQ(Editor->Board.CenterY, y + 1);
    // The top edge alone scrolls up; the bottom-right corner right.
    Move(Point{ScreenSize.Width / 2, 0});
    Tick();
    EXPECT_EQ(Editor->Board.CenterX, x - 2);
    EXPECT_EQ(Editor->Board.CenterY, y);
    Move(Point{ScreenSize.Width - 1, ScreenSize.Height - 1});
    Tick();
    EXPECT_EQ(Editor->Board.CenterX, x - 1);
    EXPECT_EQ(Editor->Board.CenterY, y - 1);
}

TEST_F(EditorScreenTest, ANewBoardOfSixteenByTwelveShowsItsSizeAndThirtyTwoStreetsNamedStreetName)
{
    ClickCell(Editor->Board.CenterX, Editor->Board.CenterY);
    std::vector<std::string> drawn;
    Main->BackBuffer->TextObserver = [&](const DrawnText& text) { drawn.push_back(text.Text); };
    NewBoard("16", "12");
    Main->BackBuffer->TextObserver = nullptr;
    EXPECT_EQ(Editor->Board.Width(), 16);
    EXPECT_EQ(Editor->Board.Height(), 12);
    EXPECT_THAT(drawn, Contains("16x12"));
    EXPECT_EQ(Editor->Board.CursorX, -1);
    const DropDownList& list = *Editor->StreetList.List;
    ASSERT_EQ(list.Count(), 32);
    for (std::int32_t n = 0; n < 32; ++n)
        EXPECT_EQ(list.ItemText(n), std::to_string(n + 1) + "- Street Name");
    EXPECT_EQ(list.ItemIndex(), 0);
    EXPECT_EQ(Editor->StreetList.Caption(), "1- Street Name");
    for (const Cell& cell : Editor->Board.Cells())
        EXPECT_EQ(cell, Cell{});
}

TEST_F(EditorScreenTest, AClickOnTheBorderRingChangesNeitherItNorTheCellSelectedBefore)
{
    // Cells near the corner in sight (the view keeps its centre off the ring).
    Editor->Board.CenterX = 3;
    Editor->Board.CenterY = 3;
    Editor->View->Redraw();
    ChooseTool(EditorTool::GStruct);
    ClickCell(3, 3);
    ASSERT_EQ(Editor->Board.At(3, 3).Kind, CellKind::LotForSale);
    ASSERT_EQ(Editor->Board.CursorX, 3);
    ChooseTool(EditorTool::Erase);
    const Cell ring = Editor->Board.At(0, 3);
    ClickCell(0, 3);
    EXPECT_EQ(Editor->Board.At(3, 3).Kind, CellKind::LotForSale);
    EXPECT_EQ(Editor->Board.At(0, 3), ring);
    EXPECT_EQ(Editor->Board.CursorX, 3);
    // Below the strip's bottom edge but above the board nothing happens either.
    Click(Point{ScreenSize.Width / 2, Round(0.045 * ScreenSize.Height)});
    EXPECT_EQ(Editor->Board.At(3, 3).Kind, CellKind::LotForSale);
    ClickCell(3, 3);
    EXPECT_EQ(Editor->Board.At(3, 3).Kind, CellKind::Ground);
}

TEST_F(EditorScreenTest, EscapeAsksTheExitQuestionAndNoKeepsTheEditor)
{
    Window* asked = nullptr;
    WithDialogs(
        [&](Window& window, int) {
            asked = &window;
            window.ModalResult = ModalResult::No;
        },
        [&] { Key(Key::Escape); });
    EXPECT_EQ(asked, static_cast<Window*>(CloseDlg));
    EXPECT_FALSE(App->Terminated());
    EXPECT_EQ(CurrentScreen, Editor);
}

TEST_F(EditorScreenTest, MainMenuLeavesTheEditorForAFreshMainMenuAndGame)
{
    Factory.MainMenu = MakeOwned<MainMenuProc, TWinProcedure>;
    Factory.Game = MakeOwned<GameProc, TWinProcedure>;
    Stop();
    Begin(1024, 768);
    Click(Centre(Editor->MainMenuButton));
    EXPECT_EQ(Main->RequestedState, ShellState::InMainMenu);
    Editor = nullptr;
    Tick();
    EXPECT_EQ(EditorScreen, nullptr);
    EXPECT_NE(MainMenuScreen, nullptr);
    EXPECT_NE(GameScreen, nullptr);
    EXPECT_EQ(Main->ScreenState, ShellState::InMainMenu);
}

class EditorStartFolderTest : public EditorScene
{
protected:
    void SetUp() override {}
    // The main window, started in folder.
    void StartIn(const TempDir& folder)
    {
        Factory.Editor = MakeOwned<EditorProc, TWinProcedure>;
        Factory.ErrorDialog = MakeOwned<TErrorDlg, Window>;
        StartAt(1024, 768);
        Main->StartDir = folder.Path.string();
    }
};

TEST_F(EditorStartFolderTest, AnUnreadableBoard1IsReplacedByTheDefaultBoardAndTheEditorSaysSo)
{
    TempDir folder;
    std::filesystem::create_symlink(std::string(TARNHOLLOW_GAME_DIR) + "/res00.dat",
                                    folder.Path / "res00.dat");
    folder.WriteText("Board1.brd", "not a board");
    StartIn(folder);
    // The editor's first tick, in the tick that shows it, reports the board.
    std::string said;
    int reports = 0;
    WithDialogs(
        [&](Window& window, int) {
            EXPECT_EQ(&window, static_cast<Window*>(ErrorDlg));
            said = ErrorDlg->Message;
            ++reports;
            window.ModalResult = ModalResult::Ok;
        },
        [&] { EnterEditor(); });
    EXPECT_EQ(reports, 1);
    EXPECT_THAT(said, HasSubstr(folder.File("board1.brd")));
    EXPECT_THAT(said, HasSubstr("default board"));
    Board expected;
    ASSERT_EQ(expected.LoadFile(folder.File("missing.brd"), folder.File("res00.dat")),
              BoardSource::DefaultBoard);
    EXPECT_EQ(Editor->Board.FileImage(), expected.FileImage());
}

TEST_F(EditorStartFolderTest, AMissingBoard1GivesTheDefaultBoardWithoutAWord)
{
    TempDir folder;
    std::filesystem::create_symlink(std::string(TARNHOLLOW_GAME_DIR) + "/res00.dat",
                                    folder.Path / "res00.dat");
    StartIn(folder);
    int dialogs = 0;
    WithDialogs(
        [&](Window& window, int) {
            ++dialogs;
            window.ModalResult = ModalResult::Ok;
        },
        [&] {
            EnterEditor();
            Tick();
        });
    EXPECT_EQ(dialogs, 0);
    EXPECT_GT(Editor->Board.Width(), 0);
}

} // namespace
