// TSMMButton: the main menu's large button, an opaque plate with a three-pass caption.
#pragma once

#include "controls/ScaleGraphicControl.h"

class TSMMButton : public TScaleMouseCaptureControl
{
    CONTROL_CLASS(TSMMButton, TScaleMouseCaptureControl);
    explicit TSMMButton(WinControl* owner);

    // Slot of the button strip image.
    SurfaceSlot* Image = nullptr;

    // Hover when enabled, 2 when disabled.
    std::int32_t Frame() const { return Enabled() ? Hover : 2; }

    void DrawContent() override;
};
