// TSButton: the skinned dialog push button with a centred caption.
#pragma once

#include "controls/ScaleCustomControl.h"

class TSButton : public TSButtonControl
{
    CONTROL_CLASS(TSButton, TSButtonControl);
    explicit TSButton(WinControl* owner);

    // 0 normal, 1 under the pointer, 2 pressed under the pointer.
    std::int32_t Frame() const { return Hover == 0 ? 0 : 1 + Pressed; }

    void DrawContent() override;
    // Id 1 to 9 on a dialog ends it with that result; other ids are reported.
    void HandleClick() override;
    // Enter or Space clicks.
    void HandleKeyDown(KeyCode key, ShiftState shift) override;
};
