// The tool button: face frame 0 and the icon (one pixel lower while pressed) composed on the
// scratch canvas and stretched onto the button's place.
#include "controls/SToolButton.h"

#include "graphics/Surface.h"

namespace {

// Halves rounded toward minus infinity.
std::int32_t FloorHalf(std::int32_t v)
{
    return v >= 0 ? v / 2 : -((-v + 1) / 2);
}

} // namespace

TSToolButton::TSToolButton(WinControl* owner) : TScaleMouseCaptureControl(owner) {}

std::int32_t TSToolButton::IconFrame() const
{
    const Surface* icons = SkinImage();
    return Hover * (icons != nullptr ? FramesPerRow(*icons) : 1) + Column;
}

void TSToolButton::DrawContent()
{
    Surface* target = TargetSurface();
    if (target == nullptr)
        return;
    const RelRect backgroundRect = GetBackground();
    const Surface* face = Image != nullptr ? Image->get() : nullptr;
    const Surface* icons = SkinImage();
    if (face == nullptr || face->IsEmpty()) {
        // Without a face only the icon shows, over the background behind the button.
        ScratchCanvas scratch(*this);
        DrawSpriteButton(*target, Area, icons, *scratch, Background, backgroundRect, IconFrame());
        return;
    }
    // The face's frame size, not the whole strip: only that much of the scratch canvas is drawn.
    const Rect piece{0, 0, PieceWidth(*face), PieceHeight(*face)};
    ScratchCanvas scratch(*this, piece.Right, piece.Bottom);
    const Rect savedClip = (*scratch).ClipRect();
    (*scratch).SetClip(&piece);
    Surface::DrawFrame(*scratch, 0, 0, 0, *face);
    if (icons != nullptr && !icons->IsEmpty()) {
        const std::int32_t x = FloorHalf(piece.Right - PieceWidth(*icons));
        const std::int32_t y = Pressed + FloorHalf(piece.Bottom - PieceHeight(*icons));
        Surface::DrawFrame(*scratch, x, y, IconFrame(), *icons);
    }
    (*scratch).SetClip(&savedClip);
    const Rect origin = ScreenRect(RelRect{backgroundRect.Left, backgroundRect.Top, 0, 0});
    const Rect area = ScreenRect(Area);
    Surface::StretchBlit(*target,
                         Rect{area.Left + origin.Left, area.Top + origin.Top, area.Right + origin.Left,
                              area.Bottom + origin.Top},
                         *scratch, true, piece);
}
