// The editor's tool strip: background, board size, the preview of the current value and the
// buttons drawn again.
#include "editor/EditorPanel.h"

#include "controls/ScaledDialog.h"
#include "editor/EditorProc.h"
#include "graphics/Surface.h"
#include "texts/Texts.h"

#include <string>

namespace {

// Frames of the preview: "table1" holds the buildings from frame 9 (Building + 8), the owned lots
// from row 3 (Level + 8 x LotOwner + 15) and the arrows from frame 20 (Flow + 19).
constexpr std::int32_t BuildingFrameBase = 8;
constexpr std::int32_t OwnedLotFrameBase = 15;
constexpr std::int32_t ArrowFrameBase = 19;
constexpr std::int32_t JunctionArrowFrame = 20;
constexpr std::int32_t Junction = 5;

} // namespace

TEditorPanel::TEditorPanel(EditorProc& editor) : Editor(editor)
{
    Init(editor);
    SetArea(MakeRelRect(0, 0, 1, 0.05f));
    Font = MakeFont("Arial", 400, 16, 5);
    Font->Color = 0;
    CaptionFont = MakeFont("Arial", 400, 15, 4);
    CaptionFont->Color = 0;
}

RelRect TEditorPanel::PreviewArea()
{
    return MakeRelRect(0.57f, 0.002f, 0.05f, 0.046f);
}

void TEditorPanel::Paint()
{
    Surface* target = TargetSurface();
    if (target == nullptr)
        return;
    Background = Editor.PanelEditor.get();
    DrawBackground();
    const std::string size =
        std::to_string(Editor.Board.Width()) + "x" + std::to_string(Editor.Board.Height());
    target->DrawTextAt(size, Font.get(), Area.Left + 0.2f, Area.Top + 0.02f, 0);
    DrawPreview();

    Editor.NewButton.DrawContent();
    Editor.LoadButton.DrawContent();
    Editor.SaveButton.DrawContent();
    Editor.MainMenuButton.DrawContent();
    for (const auto& tool : Editor.ToolButtons)
        tool->DrawContent();
    if (Editor.LastButton.Visible())
        Editor.LastButton.DrawContent();
    if (Editor.NextButton.Visible())
        Editor.NextButton.DrawContent();
    SetOwnerCaption();
    if (Editor.OwnerButton.Visible())
        Editor.OwnerButton.DrawContent();
    if (Editor.StreetList.Enabled())
        Editor.StreetList.DrawContent();
    if (Editor.EditButton.Visible())
        Editor.EditButton.DrawContent();
    if (Editor.CheckButton.Visible())
        Editor.CheckButton.DrawContent();
}

void TEditorPanel::SetOwnerCaption()
{
    Editor.OwnerButton.SetCaption(std::string(Text(TextGroup::EditorMore, EditorMoreText::Player)) +
                                  std::to_string(Editor.LotOwner));
}

void TEditorPanel::RefreshValue()
{
    Surface* target = TargetSurface();
    if (target == nullptr)
        return;
    Background = Editor.PanelEditor.get();
    DrawBackgroundPart(*target, PreviewArea(), Area, Background);
    DrawPreview();
    if (Host != nullptr)
        Host->ShowRect(ScreenRect(OffsetRelRect(PreviewArea(), Area.Left, Area.Top)));
    SetOwnerCaption();
    if (Editor.OwnerButton.Visible())
        Editor.OwnerButton.Paint();
}

void TEditorPanel::DrawPreview()
{
    const RelRect area = PreviewArea();
    switch (Editor.Tool) {
    case EditorTool::Street:
        DrawPicture(Editor.Table0Sheet.get(), Editor.RoadPiece, area);
        break;
    case EditorTool::GStruct:
        DrawPicture(Editor.Table1Sheet.get(), Editor.Building + BuildingFrameBase, area);
        break;
    case EditorTool::PStruct:
        DrawPicture(Editor.Table1Sheet.get(), Editor.Level + 8 * Editor.LotOwner + OwnedLotFrameBase, area);
        break;
    case EditorTool::Flow:
        if (Editor.Flow == Junction) {
            // A junction leads on by any of its exits: the arrow twice, one above the other.
            const float half = 0.023f;
            DrawPicture(Editor.Table1Sheet.get(), JunctionArrowFrame,
                        MakeRelRect(area.Left, area.Top, area.Right - area.Left, half));
            DrawPicture(Editor.Table1Sheet.get(), JunctionArrowFrame,
                        MakeRelRect(area.Left, area.Top + half, area.Right - area.Left, half));
        } else {
            DrawPicture(Editor.Table1Sheet.get(), Editor.Flow + ArrowFrameBase, area);
        }
        break;
    default:
        break;
    }
}

void TEditorPanel::DrawPicture(const Surface* sheet, std::int32_t frame, const RelRect& area)
{
    Surface* target = TargetSurface();
    if (target == nullptr || sheet == nullptr || sheet->IsEmpty() || Host == nullptr)
        return;
    Surface* scratch = Host->ScratchSurface();
    if (scratch == nullptr)
        return;
    DrawSpriteButton(*target, area, sheet, *scratch, Background, Area, frame);
}
