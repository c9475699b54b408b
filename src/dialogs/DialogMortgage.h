// TDialogMortgage: the current player chooses which of his properties to mortgage for the debt he
// still has to cover; the board behind it scrolls to each property he picks.
#pragma once

#include "controls/SButton.h"
#include "controls/SImageList.h"
#include "controls/SLabel.h"
#include "dialogs/GameDialogParts.h"
#include "dialogs/ModalDialog.h"
#include "platform/ListBox.h"

#include <cstdint>

class TDialogMortgage : public TModalDialog
{
    CONTROL_CLASS(TDialogMortgage, TModalDialog);
    // Reads state; changes only the board's selection and view. Placed once, at construction.
    // owner must lie inside a window.
    TDialogMortgage(WinControl& owner, const GameState& state, Board& board, GameDialogScreen screen);

    // Index in the current player's Properties of the property selected; -1 until one is.
    std::int32_t SelectedIndex = -1;
    // Input: the dollars still missing, set before each show.
    std::int32_t Debt = 0;
    // Outputs: the selected property's mortgage value and cell (-1, -1 before any selection).
    std::int32_t MortgageValue = 0;
    std::int32_t ChosenX = -1;
    std::int32_t ChosenY = -1;

    TSButton OkButton;
    TSImageList Picture;
    // One line per property of the current player that is not mortgaged, in the order of Properties.
    ListBox List;
    // The selected property's structure name, land value and current payment.
    TSLabel Label1;
    TSLabel Label2;
    TSLabel Label3;

    // Debt = debt, the modal show, and the chosen cell. "&Ok", O and closing the window all take the
    // selected property: the first listed unless the player picked another.
    void ChooseMortgage(std::int32_t debt, std::int32_t& x, std::int32_t& y);

    void ShowContent() override;
    // Fills List with the current player's properties that are not mortgaged.
    void FillList();
    // The player picked list entry index: its property becomes the selection and the outputs, and
    // the board scrolls to it and marks it. An index that matches no entry keeps the previous
    // selection.
    void SelectEntry(std::int32_t index);

private:
    // The dialog, its button, picture and list at the current ScreenSize.
    void PlaceControls();

    const GameState& State;
    Board& TheBoard;
    GameDialogScreen Screen;
};
