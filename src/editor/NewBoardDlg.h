// TNewBoardDlg: the editor's dialog asking for the width and height of a new board.
#pragma once

#include "controls/SButton.h"
#include "dialogs/ModalDialog.h"
#include "platform/Edit.h"

#include <cstdint>

class Board;

class TNewBoardDlg : public TModalDialog
{
    CONTROL_CLASS(TNewBoardDlg, TModalDialog);
    // board: the editor's board, whose size the dialog starts from.
    TNewBoardDlg(WinControl& owner, const Board& board);
    ~TNewBoardDlg() override;

    // The smallest and largest side of a new board, in cells.
    static constexpr std::int32_t MinSide = 8;
    static constexpr std::int32_t MaxSide = 24;

    std::int32_t BoardWidth = 0;
    std::int32_t BoardHeight = 0;
    TSButton OkButton;
    TSButton CancelButton;
    Edit WidthEdit;
    Edit HeightEdit;

    // The board's size in the edits, the labels drawn, Ok focused.
    void ShowContent() override;
    // BoardWidth and BoardHeight from the edits (the board's own side where an edit holds no
    // number), each limited to MinSide..MaxSide.
    void ReadSize();

private:
    const Board& EditorBoard;
};

// The side typed in text: the number limited to the new board's range, or current when text is
// no number. Any number of digits is read without overflow.
std::int32_t ReadBoardSide(const std::string& text, std::int32_t current);
