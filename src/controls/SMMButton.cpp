// The main menu button: strip frame stretched from the scratch canvas, caption in shadow and face
// colours by state.
#include "controls/SMMButton.h"

#include "graphics/Font.h"
#include "graphics/Surface.h"

#include <algorithm>

namespace {

constexpr Colour Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b)
{
    return r | (g << 8) | (b << 16);
}

struct CaptionColours
{
    Colour Shadow;
    Colour Face;
};

// By frame: normal, under the pointer, disabled.
constexpr CaptionColours Colours[3] = {
    {Rgb(156, 116, 79), Rgb(215, 177, 91)},
    {Rgb(215, 177, 91), Rgb(242, 211, 135)},
    {Rgb(101, 101, 90), Rgb(155, 155, 145)},
};

Rect Moved(const Rect& r, std::int32_t d)
{
    return Rect{r.Left + d, r.Top + d, r.Right + d, r.Bottom + d};
}

} // namespace

TSMMButton::TSMMButton(WinControl* owner) : TScaleMouseCaptureControl(owner) {}

void TSMMButton::DrawContent()
{
    const Surface* image = Image != nullptr ? Image->get() : nullptr;
    Surface* target = TargetSurface();
    if (image == nullptr || image->IsEmpty() || target == nullptr)
        return;
    const std::int32_t frame = std::clamp(Frame(), 0, 2);
    const Rect piece{0, 0, PieceWidth(*image), PieceHeight(*image)};
    ScratchCanvas scratch(*this, piece.Right, piece.Bottom);
    Surface::DrawFrame(*scratch, 0, 0, frame, *image);
    const RelRect backgroundRect = GetBackground();
    const Rect origin = ScreenRect(RelRect{backgroundRect.Left, backgroundRect.Top, 0, 0});
    const Rect area = ScreenRect(Area);
    Surface::StretchBlit(*target,
                         Rect{area.Left + origin.Left, area.Top + origin.Top, area.Right + origin.Left,
                              area.Bottom + origin.Top},
                         *scratch, true, piece);

    const Font* font = GetFont();
    const std::uint32_t format = TextFormat::Center | TextFormat::VCenter | TextFormat::SingleLine;
    const Rect r = Pressed == 1 ? Moved(PixelArea, 1) : PixelArea;
    const CaptionColours& colours = Colours[frame];
    Rect pass = r;
    target->DrawTextInRect(pass, Caption(), format, colours.Shadow, font);
    pass = Moved(r, 3);
    target->DrawTextInRect(pass, Caption(), format, colours.Shadow, font);
    pass = Moved(r, 1);
    target->DrawTextInRect(pass, Caption(), format, colours.Face, font);
}
