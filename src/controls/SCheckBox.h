// TSCheckBox: the skinned check box (its text, if any, is drawn by its dialog).
#pragma once

#include "controls/ScaleCustomControl.h"

class TSCheckBox : public TSButtonControl
{
    CONTROL_CLASS(TSCheckBox, TSButtonControl);
    explicit TSCheckBox(WinControl* owner);

    std::uint8_t Checked = 0;

    // 0 clear, 1 clear under the pointer, 2 checked, 3 checked under the pointer.
    std::int32_t Frame() const { return Hover + 2 * Checked; }

    void DrawContent() override;
    // Toggles Checked; reports nothing.
    void HandleClick() override;
    // Space toggles; Enter does not.
    void HandleKeyDown(KeyCode key, ShiftState shift) override;
};
