// TOptionsDlg: the options of the run (sound effects, Auto-Move, autosave, computers who play by
// themselves and their speed, initial cash), changed only when the main menu applies them after
// "&Ok".
#pragma once

#include "controls/SButton.h"
#include "controls/SCheckBox.h"
#include "controls/SComboBox.h"
#include "controls/SLabel.h"
#include "dialogs/ModalDialog.h"
#include "platform/Edit.h"

#include <string_view>

// The most initial cash a game may start with.
constexpr int MaxInitialCash = 1000000;

// The initial cash that text gives when current is the cash now: a number of any length above
// 999999 gives 1000000; a number from 1 on gives itself; 0, or a text that is not a plain decimal
// number (empty, a sign, spaces, letters), gives current.
int CashFromText(std::string_view text, int current);

class TOptionsDlg : public TModalDialog
{
    CONTROL_CLASS(TOptionsDlg, TModalDialog);
    // Made with the main menu screen.
    explicit TOptionsDlg(WinControl& owner);

    TSButton OkButton;
    TSButton CancelButton;
    TSCheckBox SoundBox;
    TSLabel SoundLabel;
    TSCheckBox AutoMoveBox;
    TSLabel AutoMoveLabel;
    TSCheckBox AutosaveBox;
    TSLabel AutosaveLabel;
    TSCheckBox ComputersPlayBox;
    TSLabel ComputersPlayLabel;
    // "Normal" or "Fast", in the order of ComputerSpeedNormal and ComputerSpeedFast.
    TSLabel SpeedLabel;
    TSComboBox SpeedBox;
    TSLabel CashLabel;
    Edit CashEdit;

    // "&Ok" takes the focus; the boxes, the speed and the edit show the options as they are.
    void ShowContent() override;
    // Enter in the cash edit: the edit shows the cash its text gives; then "&Ok" takes the focus.
    // InitialCash itself does not change.
    int CheckCash();
    // After "&Ok": the options take the values shown.
    void Apply();
};
