// The label: skin or background piece, then the caption in the font's colour.
#include "controls/SLabel.h"

#include "graphics/Font.h"
#include "graphics/Surface.h"

TSLabel::TSLabel(WinControl* owner) : TScaleGraphicControl(owner) {}

void TSLabel::DrawContent()
{
    Surface* target = TargetSurface();
    if (target == nullptr)
        return;
    const Surface* skin = SkinImage();
    if (skin != nullptr && !skin->IsEmpty()) {
        Surface::StretchBlit(*target, PixelArea, *skin, true, Rect{0, 0, skin->Width, skin->Height});
    } else {
        const RelRect backgroundRect = GetBackground();
        DrawBackgroundPart(*target, Area, backgroundRect, Background);
    }
    std::uint32_t format =
        WordBreak == 1 ? TextFormat::WordBreak : TextFormat::SingleLine | TextFormat::VCenter;
    if (Alignment == 1)
        format |= TextFormat::Right;
    else if (Alignment == 2)
        format |= TextFormat::Center;
    Rect r = PixelArea;
    const Font* font = GetFont();
    target->DrawTextInRect(r, Caption(), format, font != nullptr ? font->Color : 0, font);
}
