// TDialogYesNo: the game's question to a human player: buy a lot, build the next structure, take a
// job, pay for the next grade of school.
#pragma once

#include "controls/SButton.h"
#include "controls/SImageList.h"
#include "controls/SLabel.h"
#include "dialogs/GameDialogParts.h"
#include "dialogs/ModalDialog.h"

#include <cstdint>

class TDialogYesNo : public TModalDialog
{
    CONTROL_CLASS(TDialogYesNo, TModalDialog);
    // Reads state and board and changes neither. owner must lie inside a window.
    TDialogYesNo(WinControl& owner, const GameState& state, Board& board, GameDialogScreen screen);

    TSButton YesButton;
    TSButton NoButton;
    TSImageList Picture;
    TSLabel Label1;
    TSLabel Label2;
    TSLabel Label3;

    // Asks the current player the decision of kind (a DecisionCode) beside the board's selected
    // cell (the lot of kinds 0 and 1), or centred without one; true for Yes. Closing the dialog any
    // other way counts as No; the selection is cleared afterwards. An unknown kind asks nothing
    // and answers No.
    bool AskDecision(std::int32_t kind);

    // Width and height of a kind (fractions of ScreenSize); false for an unknown kind.
    static bool KindSize(std::int32_t kind, float& width, float& height);

    void ShowContent() override;

private:
    // "Streets:" and the roads beside the selected cell with their value levels, centred in the
    // room of four lines from top.
    void DrawStreetList(float top, float left);

    const GameState& State;
    Board& TheBoard;
    GameDialogScreen Screen;
};
