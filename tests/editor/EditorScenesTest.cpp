// The editor and each of its dialogs shown at 1024 x 768 and 1920 x 1080: every text inside its
// box, the strip's and dialogs' pictures in place, and PNG snapshots for review
// (TARNHOLLOW_SCENES=folder).
#include "editor/BoardCheckDlg.h"
#include "editor/EditorPanel.h"
#include "editor/EditorScene.h"
#include "editor/NewBoardDlg.h"
#include "editor/StNamesDlg.h"
#include "editor/TryItDlg.h"
#include "platform/DropDownList.h"

#include <gmock/gmock.h>

namespace {

class EditorScenesTest : public EditorScene, public ::testing::WithParamInterface<ScreenSizeRecord>
{
protected:
    void SetUp() override { Begin(GetParam().Width, GetParam().Height); }
    std::string Name(const std::string& what) const
    {
        return "editor-" + what + "-" + std::to_string(GetParam().Width) + "x" +
               std::to_string(GetParam().Height);
    }
    // Texts whose ink runs out of their box (sideways, or above and below by more than a pixel).
    static std::vector<std::string> Overflowing(const std::vector<DrawnText>& texts)
    {
        std::vector<std::string> out;
        for (const DrawnText& t : texts)
            if (!t.Text.empty() && (t.Ink.Left < t.Box.Left || t.Ink.Right > t.Box.Right ||
                                    t.Ink.Top < t.Box.Top - 1 || t.Ink.Bottom > t.Box.Bottom + 1))
                out.push_back(t.Text);
        return out;
    }
    // Shows a dialog from the strip, snapshots it once it is drawn and closes it; returns the
    // texts drawn on it.
    std::vector<DrawnText> ShowDialog(TModalDialog& dialog, const std::function<void()>& open,
                                      const std::string& name, const std::function<void()>& prepare = {})
    {
        std::vector<DrawnText> texts;
        bool shown = false;
        dialog.TextObserver = [&](const DrawnText& text) { texts.push_back(text); };
        WithDialogs(
            [&](Window& window, int turn) {
                if (&window != &dialog) {
                    window.ModalResult = ModalResult::Cancel;
                    return;
                }
                if (turn == 1 && prepare)
                    prepare();
                if (turn == 2) {
                    shown = true;
                    Snapshot(Name(name));
                    // The dialog's paper behind its controls.
                    const Point corner = dialog.ClientToScreen(Point{3, dialog.Height() - 3});
                    EXPECT_LE(ChannelDistance(Pixel(corner),
                                              DialogSkin->PixelAt(3 * DialogSkin->Width / dialog.Width(),
                                                                  DialogSkin->Height - 3)),
                              40);
                    window.ModalResult = ModalResult::Cancel;
                }
            },
            open);
        dialog.TextObserver = nullptr;
        EXPECT_TRUE(shown) << name;
        return texts;
    }
};

TEST_P(EditorScenesTest, TheStripShowsEveryCaptionWholeOverItsPaperWithThePreview)
{
    std::vector<DrawnText> texts;
    Main->BackBuffer->TextObserver = [&](const DrawnText& text) { texts.push_back(text); };
    ChooseTool(EditorTool::PStruct);
    Click(Centre(Editor->LastButton)); // a hotel
    Click(Centre(Editor->OwnerButton));
    ClickCell(Editor->Board.CenterX, Editor->Board.CenterY);
    Move(Point{ScreenSize.Width / 2, ScreenSize.Height / 2});
    texts.clear();
    Editor->Redraw();
    Main->BackBuffer->TextObserver = nullptr;
    Pump();
    Snapshot(Name("pstruct"));
    std::vector<std::string> captions;
    for (const DrawnText& t : texts)
        captions.push_back(t.Text);
    EXPECT_THAT(captions,
                ::testing::IsSupersetOf({"New", "Load", "Save", "22x18", "Select", "Start", "Board", "Street",
                                         "GStruct", "PStruct", "Flow", "StNames", "Last", "Next", "Player 2",
                                         "1- Bramble Lane", "Edit", "MainMenu", "Check"}));
    EXPECT_THAT(Overflowing(texts), ::testing::IsEmpty());
    // The preview holds the hotel over the strip's paper.
    const Rect preview = PreviewRect();
    const Surface& paper = *Editor->PanelEditor;
    int covered = 0;
    for (std::int32_t y = preview.Top; y < preview.Bottom; ++y)
        for (std::int32_t x = preview.Left; x < preview.Right; ++x) {
            const Colour behind = paper.PixelAt(x * paper.Width / ScreenSize.Width,
                                                y * paper.Height / Round(0.05 * ScreenSize.Height));
            covered += ChannelDistance(Pixel(x, y), behind) > 60 ? 1 : 0;
        }
    EXPECT_GT(covered, preview.Width() * preview.Height() / 5);
    // The PStruct button is drawn pressed (darker than the others), Flow not.
    auto average = [&](const Rect& r) {
        int sum = 0;
        int n = 0;
        for (std::int32_t y = r.Top + r.Height() / 4; y < r.Bottom - r.Height() / 4; ++y)
            for (std::int32_t x = r.Left + 2; x < r.Right - 2; ++x)
                if (Brightness(Pixel(x, y)) > 300) { // the button's face, not its caption
                    sum += Brightness(Pixel(x, y));
                    ++n;
                }
        return n > 0 ? sum / n : 0;
    };
    const int chosen = average(OnScreen(*Editor->ToolButtons[EditorTool::PStruct]));
    const int other = average(OnScreen(*Editor->ToolButtons[EditorTool::Flow]));
    EXPECT_LT(chosen + 30, other);
}

TEST_P(EditorScenesTest, FlowAndStreetNamesMarkTheRoadsAndTheStreetListDropsDown)
{
    ChooseTool(EditorTool::Flow);
    Snapshot(Name("flow"));
    ChooseTool(EditorTool::StNames);
    EXPECT_TRUE(Editor->Board.ShowStreetNames);
    Click(Centre(Editor->StreetList));
    ASSERT_TRUE(Editor->StreetList.List->DroppedDown());
    Pump();
    Snapshot(Name("street-list"));
    // All 32 streets fit on the screen below the strip.
    const Rect popup = Editor->StreetList.List->PopupRect();
    EXPECT_GE(popup.Top, OnScreen(Editor->StreetList).Bottom - 1);
    EXPECT_LE(popup.Bottom, ScreenSize.Height);
    Key(Key::Escape);
    EXPECT_FALSE(Editor->StreetList.List->DroppedDown());
}

TEST_P(EditorScenesTest, TheNewBoardAndStreetNamesDialogsShowTheirLabelsAndFields)
{
    const auto newBoard = ShowDialog(
        *Editor->NewBoardDialog, [&] { Click(Centre(Editor->NewButton)); }, "new-board");
    EXPECT_THAT(Overflowing(newBoard), ::testing::IsEmpty());
    TStNamesDlg& names = *Editor->StreetNamesDialog;
    const auto streetNames = ShowDialog(
        names, [&] { Click(Centre(Editor->EditButton)); }, "street-names",
        [&] {
            names.NamesList.SetItemIndex(2);
            names.NameEdit.SetText(names.NamesList.ItemText(2));
        });
    EXPECT_THAT(Overflowing(streetNames), ::testing::IsEmpty());
    // The list shows many of the 32 names at once.
    EXPECT_GE(names.NamesList.VisibleRows(), 20);
}

TEST_P(EditorScenesTest, TheCheckerAndTryItDialogsShowTheirFindingsAndReport)
{
    // A road leading off the roads.
    Board& board = Editor->Board;
    for (std::int32_t y = 1; y < board.Height() - 1; ++y)
        for (std::int32_t x = 1; x < board.Width() - 1; ++x)
            if (IsRoadPiece(board.At(x, y).Kind) && board.At(x, y).Direction == 2 && x == 5)
                board.At(x, y).Direction = 1;
    const auto check = ShowDialog(
        *Editor->CheckDialog, [&] { Click(Centre(Editor->CheckButton)); }, "check");
    EXPECT_THAT(Overflowing(check), ::testing::IsEmpty());
    ASSERT_FALSE(Editor->CheckDialog->Problems.empty());

    TTryItDlg& tryIt = *Editor->TryItDialog;
    std::vector<DrawnText> texts;
    tryIt.TextObserver = [&](const DrawnText& text) { texts.push_back(text); };
    bool tried = false;
    WithDialogs(
        [&](Window& window, int) {
            if (&window == Editor->CheckDialog.get()) {
                if (!tried) {
                    tried = true;
                    const Point p = Centre(Editor->CheckDialog->TryButton);
                    TestHooks::Click(*App, p.X, p.Y);
                } else {
                    window.ModalResult = ModalResult::Ok;
                }
                return;
            }
            if (!tryIt.Finished()) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
                TestHooks::FireTimer(*App);
                return;
            }
            Pump();
            Snapshot(Name("try-it"));
            window.ModalResult = ModalResult::Ok;
        },
        [&] { Click(Centre(Editor->CheckButton)); });
    tryIt.TextObserver = nullptr;
    ASSERT_TRUE(tryIt.Finished());
    EXPECT_THAT(Overflowing(texts), ::testing::IsEmpty());
    std::vector<std::string> lines;
    for (const DrawnText& t : texts)
        lines.push_back(t.Text);
    EXPECT_THAT(lines, ::testing::Contains(::testing::StartsWith("Games played: 200")));
    EXPECT_THAT(lines, ::testing::Contains("Lots that earned the most rent:"));
}

INSTANTIATE_TEST_SUITE_P(ScreenSizes, EditorScenesTest,
                         ::testing::Values(ScreenSizeRecord{1024, 768}, ScreenSizeRecord{1920, 1080}),
                         [](const ::testing::TestParamInfo<ScreenSizeRecord>& info) {
                             return std::to_string(info.param.Width) + "x" +
                                    std::to_string(info.param.Height);
                         });

} // namespace
