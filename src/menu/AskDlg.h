// TAskDlg: the shell's yes/no question ("Warning"), used from anywhere through AskDlg.
#pragma once

#include "controls/SButton.h"
#include "controls/SLabel.h"
#include "dialogs/ModalDialog.h"

#include <string>

class TAskDlg : public TModalDialog
{
    CONTROL_CLASS(TAskDlg, TModalDialog);
    // Made once by the main window.
    explicit TAskDlg(WinControl& owner);

    TSButton YesButton;
    TSButton NoButton;
    TSLabel Label;
    // The text of the last question.
    std::string Message;

    // Shows text and returns the answer: 6 for "&Yes", 7 for "&No" (2 by the close box). A text
    // longer than the label holds makes the dialog taller.
    int Ask(const std::string& text);
};
