// The picture control: frame Frame of its skin.
#include "controls/SImageList.h"

#include "graphics/Surface.h"

TSImageList::TSImageList(WinControl* owner) : TScaleGraphicControl(owner) {}

void TSImageList::DrawContent()
{
    DrawSkinFrame(Frame);
}
