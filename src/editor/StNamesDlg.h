// TStNamesDlg: the editor's dialog in which the board's 32 street names are renamed, each in the
// list first and all of them in the board only on "&Ok".
#pragma once

#include "controls/SButton.h"
#include "dialogs/ModalDialog.h"
#include "platform/Edit.h"
#include "platform/ListBox.h"

class Board;

class TStNamesDlg : public TModalDialog
{
    CONTROL_CLASS(TStNamesDlg, TModalDialog);
    // board: the editor's board, whose names the dialog shows and StoreNames writes.
    TStNamesDlg(WinControl& owner, Board& board);
    ~TStNamesDlg() override;

    TSButton OkButton;
    TSButton CancelButton;
    ListBox NamesList;
    // At most 15 characters, and no more bytes than a street name's slot holds.
    Edit NameEdit;

    // The board's names in the list, the edit empty, the labels drawn, Ok focused.
    void ShowContent() override;
    // The list's names into the board, street 0 first.
    void StoreNames();

private:
    // A click on a name puts it into the edit; Enter in the edit renames the chosen street.
    void TakeChosenName();
    void RenameChosen();

    Board& EditorBoard;
};
