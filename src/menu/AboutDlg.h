// TAboutDlg: the credits, shown by the main menu until "&Ok" is pressed.
#pragma once

#include "controls/SButton.h"
#include "controls/SLabel.h"
#include "dialogs/ModalDialog.h"

class TAboutDlg : public TModalDialog
{
    CONTROL_CLASS(TAboutDlg, TModalDialog);
    // Made with the main menu screen.
    explicit TAboutDlg(WinControl& owner);

    TSButton OkButton;
    // The game's name and version.
    TSLabel Label;
    // The further lines of the credits.
    TSLabel MoreLabel;
};
