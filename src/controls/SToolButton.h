// TSToolButton: a game screen tool button, an icon from a sheet centred on a button face.
#pragma once

#include "controls/ScaleGraphicControl.h"

class TSToolButton : public TScaleMouseCaptureControl
{
    CONTROL_CLASS(TSToolButton, TScaleMouseCaptureControl);
    explicit TSToolButton(WinControl* owner);

    // Slot of the button face image (frame 0 is drawn).
    SurfaceSlot* Image = nullptr;
    // This button's column of the icon sheet (the skin); the row is Hover.
    std::int32_t Column = 0;

    // Frame of the icon sheet.
    std::int32_t IconFrame() const;

    void DrawContent() override;
};
