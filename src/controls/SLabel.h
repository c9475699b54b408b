// TSLabel: text over its skin stretched whole, or over the background behind it.
#pragma once

#include "controls/ScaleGraphicControl.h"

class TSLabel : public TScaleGraphicControl
{
    CONTROL_CLASS(TSLabel, TScaleGraphicControl);
    explicit TSLabel(WinControl* owner);

    // 1: word-wrapped from the top; 0: one vertically centred line.
    std::uint8_t WordBreak = 0;
    // 0 left, 1 right, 2 centred.
    std::int32_t Alignment = 0;

    void DrawContent() override;
};
