// TErrorDlg: the shell's error report, a text and "&Ok", used from anywhere through ErrorDlg.
#pragma once

#include "controls/SButton.h"
#include "controls/SLabel.h"
#include "dialogs/ModalDialog.h"

#include <string>

class TErrorDlg : public TModalDialog
{
    CONTROL_CLASS(TErrorDlg, TModalDialog);
    // Made once by the main window.
    explicit TErrorDlg(WinControl& owner);

    TSButton OkButton;
    TSLabel Label;
    // The text of the last report.
    std::string Message;

    // Shows text until "&Ok" is pressed; a text longer than the label holds makes the dialog taller.
    void ShowError(const std::string& text);
};
