// The speed button: skin frame by state and a centred caption, moved when drawn pressed.
#include "controls/SSpeedButton.h"

#include "graphics/Font.h"
#include "graphics/Surface.h"

TSSpeedButton::TSSpeedButton(WinControl* owner) : TScaleMouseCaptureControl(owner) {}

void TSSpeedButton::DrawContent()
{
    const std::int32_t frame = Frame();
    Surface* target = DrawSkinFrame(frame);
    if (target == nullptr)
        return;
    Rect r = PixelArea;
    if (frame == 2)
        r = Rect{r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
    const Font* font = GetFont();
    target->DrawTextInRect(r, Caption(), TextFormat::Center | TextFormat::VCenter | TextFormat::SingleLine,
                           font != nullptr ? font->Color : 0, font);
}
