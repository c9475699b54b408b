// What the three game dialogs share: the services they ask of the game screen, labels shown by
// area and text, text written on the dialog, amounts in dollars, street lists and placement
// beside the selected cell.
#pragma once

#include "graphics/Geometry.h"
#include "shell/ControlHost.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class Board;
class Control;
class TModalDialog;
class TSButton;
class TSLabel;
struct GameState;
struct Player;

// What the game dialogs need of the screen that shows them. Every function may be empty (nothing
// is done then; a missing cell point counts as the middle of the screen).
struct GameDialogScreen
{
    // Redraws the board and shows it, so that the selection and the view are seen behind a dialog.
    std::function<void()> RedrawBoard;
    // The centre of the board's selected cell on the screen, in fractions of ScreenSize (the board
    // view's CursorPoint).
    std::function<RelPoint()> SelectedCellPoint;
    // Plays a sound of "res01.dat" without waiting; only called while SoundEffects is on.
    std::function<void(const char* name)> PlaySound;
    // The slot in which the screen keeps the board's "table1" sheet while it is current; the
    // dialogs' pictures are frames of it. May be null (no pictures).
    SurfaceSlot* Tiles = nullptr;
};

// Frames of the board's "table1" sheet that the game dialogs show.
namespace DialogFrame {
// The pictures of cell kinds 64 to 73 ("LOT" to the building without an event).
constexpr std::int32_t Building(std::int32_t kind)
{
    return kind - 55;
}
// A lot with structure 0 to 6 in the colours of player slot.
constexpr std::int32_t OwnedLot(std::int32_t slot, std::int32_t structure)
{
    return 24 + 8 * slot + structure;
}
constexpr std::int32_t Pawn(std::int32_t slot)
{
    return slot;
}
// Money changing hands between players.
constexpr std::int32_t Payment = 19;
} // namespace DialogFrame

// The size the game dialogs' buttons are made with (they are moved at every show), and the area of
// their picture (of the pixel aspect of a tile at the current ScreenSize).
RelRect GameButtonSize();
RelRect GamePictureArea();

// "$" and the decimal number, without separators.
std::string Dollars(std::int64_t amount);

// The player of a slot, or null for a slot outside 0 to 5.
const Player* PlayerOf(const GameState& state, std::int32_t slot);
// That player's name, "" for a slot outside 0 to 5.
std::string NameOf(const GameState& state, std::int32_t slot);

// The name of a street's value level ("Lowest" to "Highest").
const char* StreetLevelName(std::int32_t street);

// The street numbers of the roads (Kind 1 to 63) beside (x, y), in the order up, right, down, left;
// cells outside the grid count as ground.
std::vector<std::int32_t> StreetsBeside(const Board& board, std::int32_t x, std::int32_t y);

// Sets the label to area, text, alignment (0 left, 1 right, 2 centred) and word break (one
// vertically centred line when false), shows and enables it and syncs it with the pointer.
void ShowLabel(TSLabel& label, const RelRect& area, std::string text, std::int32_t alignment, bool wordBreak);

// A mouse move at the pointer's place, with no button down, so that control looks as the pointer
// finds it.
void SyncWithPointer(Control& control);

// Writes text into the dialog's Buffer in the dialog's font at (x, y), fractions of ScreenSize from
// the client origin: left-aligned from x (align 0), ending at x (1) or centred on x (2).
void WriteText(TModalDialog& dialog, std::string_view text, float x, float y, std::int32_t align = 0);

// Moves a button to pixel bounds of the dialog's client area: PixelArea, Area and the control.
void PlaceButton(TSButton& button, const Rect& bounds);

// Places a game dialog of width x height (fractions) beside the board's selected cell, or centred
// when there is none, and pulls it into the band 0.1 to 0.9 of the screen (SetPlacement).
void PlaceBesideSelection(TModalDialog& dialog, float width, float height, const Board& board,
                          const GameDialogScreen& screen);

// Plays a dialog's sound when SoundEffects is on.
void PlayDialogSound(const GameDialogScreen& screen, const char* name);
// Redraws the board when the screen can.
void RedrawBoard(const GameDialogScreen& screen);
