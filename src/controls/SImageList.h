// TSImageList: one frame of a picture strip, over the background behind it.
#pragma once

#include "controls/ScaleGraphicControl.h"

class TSImageList : public TScaleGraphicControl
{
    CONTROL_CLASS(TSImageList, TScaleGraphicControl);
    explicit TSImageList(WinControl* owner);

    // The frame of the skin shown.
    std::int32_t Frame = 0;

    void DrawContent() override;
};
