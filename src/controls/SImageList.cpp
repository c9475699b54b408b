// The picture control: frame Frame of its skin.
#include "controls/SImageList.h"

#include "graphics/Surface.h"

TSImageList::TSImageList(WinControl* owner) : TScaleGraphicControl(owner) {}

void TSImageList::DrawContent()
{
    Surface* target = TargetSurface();
    if (target == nullptr)
        return;
    const RelRect backgroundRect = GetBackground();
    ScratchCanvas scratch(*this);
    DrawSpriteButton(*target, Area, SkinImage(), *scratch, Background, backgroundRect, Frame);
}
