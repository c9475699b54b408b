// TSSpeedButton: the skinned windowless button of tool bars; in a group it stays pressed while
// it is the selected member.
#pragma once

#include "controls/ScaleGraphicControl.h"

class TSSpeedButton : public TScaleMouseCaptureControl
{
    CONTROL_CLASS(TSSpeedButton, TScaleMouseCaptureControl);
    explicit TSSpeedButton(WinControl* owner);

    // 2 when selected or pressed under the pointer, otherwise Hover.
    std::int32_t Frame() const { return Selected == 1 || (Pressed == 1 && Hover == 1) ? 2 : Hover; }

    void DrawContent() override;
};
