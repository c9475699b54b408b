// TCloseDlg: the question asked before the program ends ("Are you really sure you want to exit?").
#pragma once

#include "controls/SButton.h"
#include "controls/SLabel.h"
#include "dialogs/ModalDialog.h"

class TCloseDlg : public TModalDialog
{
    CONTROL_CLASS(TCloseDlg, TModalDialog);
    // Made once by the main window; answered by "&Yes" (6) or "&No" (7).
    explicit TCloseDlg(WinControl& owner);

    TSButton YesButton;
    TSButton NoButton;
    TSLabel Label;

    // "&Yes" takes the focus.
    void ShowContent() override;
};
