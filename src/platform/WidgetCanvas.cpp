// The native widgets' painter: client coordinates onto the window's pixels within the paint clip.
#include "platform/WidgetCanvas.h"

#include "graphics/Surface.h"
#include "platform/RectOps.h"

#include <algorithm>

WidgetCanvas::WidgetCanvas(Control& control) : Owner(control)
{
    Surface* pixels = control.CanvasSurface();
    const Rect clip = control.CanvasClip();
    if (pixels == nullptr || IsEmptyRect(clip))
        return;
    Pixels = pixels;
    Origin = control.CanvasOrigin();
    Clip = clip;
    SavedClip = Pixels->ClipRect();
    Pixels->SetClip(&Clip);
}

WidgetCanvas::~WidgetCanvas()
{
    if (Pixels == nullptr)
        return;
    Pixels->SetClip(&SavedClip);
    Owner.CanvasChanged(Clip);
}

Rect WidgetCanvas::ToSurface(const Rect& client) const
{
    return OffsetRect(client, Origin.X, Origin.Y);
}

void WidgetCanvas::ClipTo(const Rect* client)
{
    if (Pixels == nullptr)
        return;
    const Rect r = client != nullptr ? IntersectRects(Clip, ToSurface(*client)) : Clip;
    Pixels->SetClip(&r);
}

void WidgetCanvas::Fill(const Rect& client, Colour colour)
{
    if (Pixels != nullptr)
        Pixels->FillRect(ToSurface(client), colour);
}

void WidgetCanvas::Frame(const Rect& client, Colour colour)
{
    if (Pixels != nullptr)
        Pixels->FrameRect(ToSurface(client), colour);
}

void WidgetCanvas::Arrow(const Rect& client, bool up, Colour colour)
{
    if (Pixels == nullptr)
        return;
    // Rows of a triangle half as high as it is wide, two pixels wider each row.
    const std::int32_t size = std::min(client.Width(), client.Height());
    const std::int32_t half = std::max(2, size / 4);
    const Rect r = ToSurface(client);
    const std::int32_t cx = r.Left + client.Width() / 2;
    const std::int32_t top = r.Top + (client.Height() - half) / 2;
    for (std::int32_t row = 0; row < half; ++row) {
        const std::int32_t w = up ? row : half - 1 - row;
        Pixels->FillRect(Rect{cx - w - 1, top + row, cx + w + 1, top + row + 1}, colour);
    }
}

void WidgetCanvas::Text(const Rect& client, std::string_view text, std::uint32_t align, Colour colour,
                        const Font* font)
{
    if (Pixels == nullptr || text.empty())
        return;
    Rect r = ToSurface(client);
    Pixels->DrawTextInRect(
        r, text, align | TextFormat::SingleLine | TextFormat::VCenter | TextFormat::NoPrefix, colour, font);
}

std::int32_t WidgetCanvas::TextWidth(std::string_view text, const Font* font)
{
    if (text.empty() || font == nullptr)
        return 0;
    // Measuring needs no pixels.
    Surface measure;
    Rect r{0, 0, 1 << 20, 1 << 20};
    measure.DrawTextInRect(r, text, TextFormat::CalcRect | TextFormat::SingleLine | TextFormat::NoPrefix, 0,
                           font);
    return r.Width();
}
