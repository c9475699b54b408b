// TDialogOk: the game's one-button dialog. It tells what has just happened (rent, the Treasury,
// police, prison, hospital, courthouse, a seizure, a ruin, the winner) and shows a clicked street
// or building.
#pragma once

#include "controls/SButton.h"
#include "controls/SImageList.h"
#include "controls/SLabel.h"
#include "dialogs/GameDialogParts.h"
#include "dialogs/ModalDialog.h"
#include "platform/Timer.h"

#include <cstdint>

// How long an event dialog stays up by itself: StaysOpen until it is answered, else the ticks (of the
// main window's tick length, counted by the dialog's own timer) after which it closes (0 closes it
// at the first).
namespace SelfClosing {
constexpr std::int32_t StaysOpen = -1;
} // namespace SelfClosing

class TDialogOk : public TModalDialog
{
    CONTROL_CLASS(TDialogOk, TModalDialog);
    // Reads state and board; writes only state.EventAmount (the structure information leaves the
    // cell's current payment there). owner must lie inside a window.
    TDialogOk(WinControl& owner, GameState& state, Board& board, GameDialogScreen screen);

    TSButton OkButton;
    TSImageList Picture;
    TSLabel Label1;
    TSLabel Label2;
    TSLabel Label3;

    // Shows the event of kind (an EventCode: 1 street and 2 structure information for the board's
    // selected cell, 4 to 12 the rules' events) beside the selected cell, or centred without one,
    // and returns when it is closed; the selection is cleared afterwards. Kinds without a size (0,
    // 3 and unknown ones) show nothing. With closeAfterTicks of 0 or more the dialog closes by
    // itself after that many ticks of its own timer (at the first for 0), or at once on any press of
    // a key or a mouse button in it.
    void ShowEvent(std::int32_t kind, std::int32_t closeAfterTicks = SelfClosing::StaysOpen);
    // The dialog now shown closes by itself.
    bool ClosesBySelf() const { return TicksToClose > 0; }

    // Width and height of a kind (fractions of ScreenSize); false for a kind that is never shown.
    static bool KindSize(std::int32_t kind, float& width, float& height);

    void ShowContent() override;
    bool OnKeyDown(KeyCode key, ShiftState shift) override;
    bool OnMouseDown(int button, ShiftState shift, std::int32_t x, std::int32_t y) override;

private:
    void StreetInformation();
    void StructureInformation();

    GameState& State;
    Board& TheBoard;
    GameDialogScreen Screen;
    // While the dialog closes by itself: the ticks left, counted by CloseTimer; 0 otherwise.
    std::int32_t TicksToClose = 0;
    ::Timer CloseTimer;
};
