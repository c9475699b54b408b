// The pieces the game dialogs share: labels, text on the dialog, amounts, street lists, placement.
#include "dialogs/GameDialogParts.h"

#include "board/Board.h"
#include "controls/SButton.h"
#include "controls/SLabel.h"
#include "dialogs/ModalDialog.h"
#include "graphics/Surface.h"
#include "platform/Application.h"
#include "rules/GameState.h"
#include "texts/Options.h"
#include "texts/Texts.h"

RelRect GameButtonSize()
{
    return MakeRelRect(0, 0, 0.078f, 0.03f);
}

RelRect GamePictureArea()
{
    return FitAspect(MakeRelRect(0.01f, 0.01f, 0.075f, 0.08f));
}

std::string Dollars(std::int64_t amount)
{
    return Text(TextGroup::DialogFragments, DialogText::Dollar) + std::to_string(amount);
}

const Player* PlayerOf(const GameState& state, std::int32_t slot)
{
    return slot >= 0 && slot < PlayerSlots ? &state.Players[static_cast<std::size_t>(slot)] : nullptr;
}

std::string NameOf(const GameState& state, std::int32_t slot)
{
    const Player* player = PlayerOf(state, slot);
    return player != nullptr ? std::string(player->NameText()) : std::string();
}

const char* StreetLevelName(std::int32_t street)
{
    return Text(TextGroup::StreetValueLevels, StreetValueLevel(street));
}

std::vector<std::int32_t> StreetsBeside(const Board& board, std::int32_t x, std::int32_t y)
{
    static constexpr std::int32_t Dx[4] = {0, 1, 0, -1};
    static constexpr std::int32_t Dy[4] = {-1, 0, 1, 0};
    std::vector<std::int32_t> streets;
    for (int side = 0; side < 4; ++side) {
        const Cell cell = board.CellAt(x + Dx[side], y + Dy[side]);
        if (CountsAsRoad(cell.Kind))
            streets.push_back(cell.Street);
    }
    return streets;
}

void ShowLabel(TSLabel& label, const RelRect& area, std::string text, std::int32_t alignment, bool wordBreak)
{
    label.SetArea(area);
    label.SetCaption(std::move(text));
    label.Alignment = alignment;
    label.WordBreak = wordBreak ? 1 : 0;
    label.SetVisible(true);
    label.SetEnabled(true);
    label.Invalidate();
    SyncWithPointer(label);
}

void SyncWithPointer(Control& control)
{
    if (Application* app = control.App()) {
        const Point p = control.ScreenToClient(app->PointerPos());
        control.OnMouseMove(0, p.X, p.Y);
    }
}

void WriteText(TModalDialog& dialog, std::string_view text, float x, float y, std::int32_t align)
{
    if (dialog.Buffer != nullptr)
        dialog.Buffer->DrawTextAt(text, dialog.GetFont(), x, y, align);
}

void PlaceButton(TSButton& button, const Rect& bounds)
{
    button.PixelArea = bounds;
    button.Area = ScreenToRel(bounds);
    button.SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
}

void PlaceBesideSelection(TModalDialog& dialog, float width, float height, const Board& board,
                          const GameDialogScreen& screen)
{
    const bool selected = board.CursorX >= 0;
    const RelPoint cell =
        selected && screen.SelectedCellPoint ? screen.SelectedCellPoint() : RelPoint{0.5f, 0.5f};
    dialog.SetPlacement(PlaceGameDialog(width, height, selected, cell.X, cell.Y));
}

void PlayDialogSound(const GameDialogScreen& screen, const char* name)
{
    if (SoundEffects != 0 && screen.PlaySound)
        screen.PlaySound(name);
}

void RedrawBoard(const GameDialogScreen& screen)
{
    if (screen.RedrawBoard)
        screen.RedrawBoard();
}
