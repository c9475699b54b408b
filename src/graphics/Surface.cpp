// Surface: canvases and images on Cairo image surfaces; copies, stretches, shapes and clipping.
#include "graphics/Surface.h"

#include <algorithm>
#include <cairo.h>
#include <cmath>
#include <cstring>
#include <system_error>
#include <thread>
#include <vector>

namespace {

// Cairo cannot make image surfaces larger than this in either direction.
constexpr std::int32_t MaxSide = 32767;

Rect Intersect(const Rect& a, const Rect& b)
{
    Rect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
           std::min(a.Bottom, b.Bottom)};
    if (r.Right <= r.Left || r.Bottom <= r.Top) {
        return {};
    }
    return r;
}

bool IsEmptyRect(const Rect& r)
{
    return r.Right <= r.Left || r.Bottom <= r.Top;
}

void SetSourceColour(cairo_t* cr, Colour colour)
{
    cairo_set_source_rgb(cr, (colour & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                         ((colour >> 16) & 0xFF) / 255.0);
}

// A Cairo surface that holds the pixels of part of a source. Copying a surface onto itself
// needs a copy of the source first; a proper part of a surface becomes a subsurface so that
// smoothing pads at the part's own edges instead of blending in its neighbours.
class SourcePart
{
public:
    SourcePart(const Surface& src, const Rect& part, bool sameAsDest)
    {
        cairo_surface_t* whole = src.CairoSurface();
        if (sameAsDest) {
            Owned = cairo_image_surface_create(cairo_image_surface_get_format(whole), part.Width(),
                                               part.Height());
            cairo_t* cr = cairo_create(Owned);
            cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
            cairo_set_source_surface(cr, whole, -part.Left, -part.Top);
            cairo_paint(cr);
            cairo_destroy(cr);
        } else if (part.Left == 0 && part.Top == 0 && part.Right == src.Width && part.Bottom == src.Height) {
            Borrowed = whole;
        } else {
            Owned =
                cairo_surface_create_for_rectangle(whole, part.Left, part.Top, part.Width(), part.Height());
        }
    }
    ~SourcePart()
    {
        if (Owned) {
            cairo_surface_destroy(Owned);
        }
    }
    SourcePart(const SourcePart&) = delete;
    SourcePart& operator=(const SourcePart&) = delete;

    cairo_surface_t* Get() const { return Owned ? Owned : Borrowed; }

private:
    cairo_surface_t* Owned = nullptr;
    cairo_surface_t* Borrowed = nullptr;
};

// Clamps a copy of srcRect at (x, y) to both surfaces; false when nothing is left.
bool ClampCopy(const Surface& dest, std::int64_t& x, std::int64_t& y, Rect& srcRect, const Surface& src)
{
    const Rect requested = srcRect;
    srcRect = Intersect(requested, {0, 0, src.Width, src.Height});
    if (IsEmptyRect(srcRect)) {
        return false;
    }
    x += srcRect.Left - requested.Left;
    y += srcRect.Top - requested.Top;
    // Clamp against the destination in 64 bits so that far-off positions cannot overflow.
    const std::int64_t left = std::max<std::int64_t>(x, 0);
    const std::int64_t top = std::max<std::int64_t>(y, 0);
    const std::int64_t right = std::min<std::int64_t>(x + srcRect.Width(), dest.Width);
    const std::int64_t bottom = std::min<std::int64_t>(y + srcRect.Height(), dest.Height);
    if (right <= left || bottom <= top) {
        return false;
    }
    srcRect.Left += static_cast<std::int32_t>(left - x);
    srcRect.Top += static_cast<std::int32_t>(top - y);
    srcRect.Right = srcRect.Left + static_cast<std::int32_t>(right - left);
    srcRect.Bottom = srcRect.Top + static_cast<std::int32_t>(bottom - top);
    x = left;
    y = top;
    return true;
}

void Copy(Surface& dest, std::int32_t x, std::int32_t y, const Rect& srcRect, const Surface& src,
          cairo_operator_t op)
{
    cairo_t* cr = dest.Context();
    if (!cr || !src.CairoSurface()) {
        return;
    }
    std::int64_t dx = x;
    std::int64_t dy = y;
    Rect part = srcRect;
    if (!ClampCopy(dest, dx, dy, part, src)) {
        return;
    }
    SourcePart source(src, part, &src == &dest);
    const bool whole = source.Get() == src.CairoSurface();
    cairo_save(cr);
    cairo_set_operator(cr, op);
    cairo_set_source_surface(cr, source.Get(), static_cast<double>(dx - (whole ? part.Left : 0)),
                             static_cast<double>(dy - (whole ? part.Top : 0)));
    cairo_rectangle(cr, static_cast<double>(dx), static_cast<double>(dy), part.Width(), part.Height());
    cairo_fill(cr);
    cairo_restore(cr);
}

// The clip of an untransformed context when it is one whole-pixel rectangle (possibly empty).
bool PlainClip(cairo_t* cr, Rect& clip);

// Pixels of a canvas that run copies write to, and the part of them they may change.
struct RunTarget
{
    std::uint8_t* Data = nullptr;
    std::ptrdiff_t Stride = 0;
    Rect Clip; // inside the canvas
};

// Whether masked copies of image can be copies of its opaque runs (alpha only 0 or 255).
bool HasRuns(const Surface& image)
{
    return image.CairoSurface() && image.HasOpaqueRuns() &&
           cairo_image_surface_get_format(image.CairoSurface()) == CAIRO_FORMAT_ARGB32;
}

// Copies the opaque runs of srcRect of image to (x, y) of the target, inside its clip: the same
// pixels as compositing, with half the memory traffic for a diamond tile. Touches no Cairo
// object, so that threads can copy into different clips of one canvas at once.
void CopyRuns(const RunTarget& target, std::int64_t x, std::int64_t y, const Rect& srcRect,
              const Surface& image)
{
    Rect part = Intersect(srcRect, {0, 0, image.Width, image.Height});
    if (IsEmptyRect(part)) {
        return;
    }
    x += part.Left - srcRect.Left;
    y += part.Top - srcRect.Top;
    const std::int64_t left = std::max<std::int64_t>(x, target.Clip.Left);
    const std::int64_t top = std::max<std::int64_t>(y, target.Clip.Top);
    const std::int64_t right = std::min<std::int64_t>(x + part.Width(), target.Clip.Right);
    const std::int64_t bottom = std::min<std::int64_t>(y + part.Height(), target.Clip.Bottom);
    if (right <= left || bottom <= top) {
        return;
    }
    part.Left += static_cast<std::int32_t>(left - x);
    part.Top += static_cast<std::int32_t>(top - y);
    part.Right = part.Left + static_cast<std::int32_t>(right - left);
    part.Bottom = part.Top + static_cast<std::int32_t>(bottom - top);
    const std::uint8_t* srcData = cairo_image_surface_get_data(image.CairoSurface());
    const std::ptrdiff_t srcStride = cairo_image_surface_get_stride(image.CairoSurface());
    const auto shift = static_cast<std::int32_t>(left) - part.Left; // source column to destination
    for (std::int32_t row = part.Top; row < part.Bottom; ++row) {
        const std::span<const std::int32_t> runs = image.OpaqueRuns(row);
        std::uint8_t* out = target.Data + (top + row - part.Top) * target.Stride;
        const std::uint8_t* in = srcData + row * srcStride;
        for (std::size_t i = 0; i + 1 < runs.size(); i += 2) {
            const std::int32_t begin = std::max(runs[i], part.Left);
            const std::int32_t end = std::min(runs[i + 1], part.Right);
            if (begin < end) {
                std::memcpy(out + static_cast<std::ptrdiff_t>(begin + shift) * 4,
                            in + static_cast<std::ptrdiff_t>(begin) * 4,
                            static_cast<std::size_t>(end - begin) * 4);
            }
        }
    }
}

// The run target of a canvas whose clip is one rectangle; false for other clips or transforms.
// The canvas is flushed, ready for its pixels to be written.
bool RunTargetOf(Surface& dest, RunTarget& target)
{
    cairo_t* cr = dest.Context();
    Rect clip;
    if (!cr || !PlainClip(cr, clip)) {
        return false;
    }
    cairo_surface_flush(dest.CairoSurface());
    target.Data = cairo_image_surface_get_data(dest.CairoSurface());
    target.Stride = cairo_image_surface_get_stride(dest.CairoSurface());
    target.Clip = Intersect(clip, {0, 0, dest.Width, dest.Height});
    return true;
}

void MarkChanged(Surface& dest, const Rect& r)
{
    if (!IsEmptyRect(r)) {
        cairo_surface_mark_dirty_rectangle(dest.CairoSurface(), r.Left, r.Top, r.Width(), r.Height());
    }
}

// A masked copy as copies of the image's opaque runs; false when that does not apply.
bool CopyOpaqueRuns(Surface& dest, std::int32_t x, std::int32_t y, const Rect& srcRect, const Surface& image)
{
    RunTarget target;
    if (!HasRuns(image) || !RunTargetOf(dest, target)) {
        return false;
    }
    CopyRuns(target, x, y, srcRect, image);
    MarkChanged(dest, target.Clip);
    return true;
}

bool PlainClip(cairo_t* cr, Rect& clip)
{
    cairo_matrix_t m;
    cairo_get_matrix(cr, &m);
    if (m.xx != 1 || m.yy != 1 || m.xy != 0 || m.yx != 0 || m.x0 != 0 || m.y0 != 0) {
        return false;
    }
    cairo_rectangle_list_t* list = cairo_copy_clip_rectangle_list(cr);
    bool plain = list->status == CAIRO_STATUS_SUCCESS && list->num_rectangles <= 1;
    clip = {};
    if (plain && list->num_rectangles == 1) {
        const cairo_rectangle_t& r = list->rectangles[0];
        clip = {static_cast<std::int32_t>(r.x), static_cast<std::int32_t>(r.y),
                static_cast<std::int32_t>(r.x + r.width), static_cast<std::int32_t>(r.y + r.height)};
        plain = clip.Left == r.x && clip.Top == r.y && clip.Right == r.x + r.width &&
                clip.Bottom == r.y + r.height;
    }
    cairo_rectangle_list_destroy(list);
    return plain;
}

// Stretches of at least this many destination pixels are shared out to worker threads.
constexpr std::int64_t BandedArea = 1 << 19;

// One horizontal band of a stretch, drawn through Cairo objects of its own over the same
// memory, so that bands can be drawn at the same time. The source is the part of src's pixels
// (4 bytes each), padded at the part's own edges.
void StretchBand(std::uint8_t* destData, int destStride, int destWidth, const Rect& band,
                 cairo_surface_t* src, const Rect& part, cairo_filter_t filter, double sx, double sy,
                 double x0, double y0, cairo_operator_t op)
{
    cairo_surface_t* target =
        cairo_image_surface_create_for_data(destData + static_cast<std::ptrdiff_t>(band.Top) * destStride,
                                            CAIRO_FORMAT_RGB24, destWidth, band.Height(), destStride);
    const int srcStride = cairo_image_surface_get_stride(src);
    cairo_surface_t* source = cairo_image_surface_create_for_data(
        cairo_image_surface_get_data(src) + static_cast<std::ptrdiff_t>(part.Top) * srcStride +
            static_cast<std::ptrdiff_t>(part.Left) * 4,
        cairo_image_surface_get_format(src), part.Width(), part.Height(), srcStride);
    cairo_t* cr = cairo_create(target);
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(source);
    cairo_matrix_t m;
    cairo_matrix_init(&m, sx, 0, 0, sy, x0, y0 + band.Top * sy);
    cairo_pattern_set_matrix(pattern, &m);
    cairo_pattern_set_filter(pattern, filter);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
    cairo_set_operator(cr, op);
    cairo_set_source(cr, pattern);
    cairo_rectangle(cr, band.Left, 0, band.Width(), band.Height());
    cairo_fill(cr);
    cairo_pattern_destroy(pattern);
    cairo_destroy(cr);
    cairo_surface_destroy(source);
    cairo_surface_destroy(target);
}

// A large stretch of a part of another surface, cut into horizontal bands drawn by up to four
// threads. The pattern maps destination pixel (x, y) to (x * sx + x0, y * sy + y0) of the part.
void StretchInBands(Surface& dest, const Rect& fill, const Surface& src, const Rect& part,
                    cairo_filter_t filter, double sx, double sy, double x0, double y0, cairo_operator_t op)
{
    cairo_surface_flush(dest.CairoSurface());
    cairo_surface_flush(src.CairoSurface());
    std::uint8_t* data = cairo_image_surface_get_data(dest.CairoSurface());
    const int stride = cairo_image_surface_get_stride(dest.CairoSurface());
    const int bands = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
    std::vector<std::thread> workers;
    int top = fill.Top;
    for (int i = 0; i < bands; ++i) {
        const int bottom =
            fill.Top + static_cast<int>(static_cast<std::int64_t>(fill.Height()) * (i + 1) / bands);
        const Rect band{fill.Left, top, fill.Right, bottom};
        top = bottom;
        if (IsEmptyRect(band)) {
            continue;
        }
        const auto draw = [=, &dest, &src] {
            StretchBand(data, stride, dest.Width, band, src.CairoSurface(), part, filter, sx, sy, x0, y0, op);
        };
        if (i + 1 == bands) {
            draw();
            continue;
        }
        try {
            workers.emplace_back(draw);
        } catch (const std::system_error&) {
            draw(); // no thread to be had: this one draws the band
        }
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    cairo_surface_mark_dirty_rectangle(dest.CairoSurface(), fill.Left, fill.Top, fill.Width(), fill.Height());
}

// Scaled copy of srcRect of src onto destRect of dest with the given operator.
void Stretch(Surface& dest, const Rect& destRect, const Surface& src, bool smooth, const Rect& srcRect,
             cairo_operator_t op)
{
    cairo_t* cr = dest.Context();
    if (!cr || !src.CairoSurface() || IsEmptyRect(destRect) || IsEmptyRect(srcRect)) {
        return;
    }
    const Rect part = Intersect(srcRect, {0, 0, src.Width, src.Height});
    if (IsEmptyRect(part)) {
        return;
    }
    // Scale factors from destination pixels to source pixels, kept from the requested rectangles
    // so that a source rectangle reaching past the picture only loses the part it cannot show.
    const double sx = static_cast<double>(srcRect.Width()) / destRect.Width();
    const double sy = static_cast<double>(srcRect.Height()) / destRect.Height();
    const double left = destRect.Left + (part.Left - srcRect.Left) / sx;
    const double top = destRect.Top + (part.Top - srcRect.Top) / sy;
    const double right = destRect.Left + (part.Right - srcRect.Left) / sx;
    const double bottom = destRect.Top + (part.Bottom - srcRect.Top) / sy;
    const double clampedLeft = std::max(std::round(left), 0.0);
    const double clampedTop = std::max(std::round(top), 0.0);
    const double clampedRight = std::min(std::round(right), static_cast<double>(dest.Width));
    const double clampedBottom = std::min(std::round(bottom), static_cast<double>(dest.Height));
    if (clampedRight <= clampedLeft || clampedBottom <= clampedTop) {
        return;
    }

    const Rect fill{static_cast<std::int32_t>(clampedLeft), static_cast<std::int32_t>(clampedTop),
                    static_cast<std::int32_t>(clampedRight), static_cast<std::int32_t>(clampedBottom)};
    const cairo_filter_t filter = smooth ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST;
    Rect clip;
    if (&src != &dest && static_cast<std::int64_t>(fill.Width()) * fill.Height() >= BandedArea &&
        PlainClip(cr, clip)) {
        const Rect clipped = Intersect(fill, clip);
        if (!IsEmptyRect(clipped)) {
            StretchInBands(dest, clipped, src, part, filter, sx, sy, -left * sx, -top * sy, op);
        }
        return;
    }

    SourcePart source(src, part, &src == &dest);
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(source.Get());
    cairo_matrix_t m;
    // Pattern space of a part starts at the part's corner; of the whole surface at its own.
    const double ox = source.Get() == src.CairoSurface() ? part.Left : 0;
    const double oy = source.Get() == src.CairoSurface() ? part.Top : 0;
    cairo_matrix_init(&m, sx, 0, 0, sy, ox - left * sx, oy - top * sy);
    cairo_pattern_set_matrix(pattern, &m);
    cairo_pattern_set_filter(pattern, filter);
    // Padding repeats the edge pixels, so smoothing does not darken the border.
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);

    cairo_save(cr);
    cairo_set_operator(cr, op);
    cairo_set_source(cr, pattern);
    cairo_rectangle(cr, fill.Left, fill.Top, fill.Width(), fill.Height());
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_pattern_destroy(pattern);
}

// The destination of a panel piece: relRect in screen pixels moved by the panel's origin.
Rect PanelPieceRect(const RelRect& relRect, const RelRect& panelRect)
{
    Rect r = ScreenRect(relRect);
    const std::int32_t dx = Round(static_cast<double>(ScreenSize.Width) * panelRect.Left);
    const std::int32_t dy = Round(static_cast<double>(ScreenSize.Height) * panelRect.Top);
    return {r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

// The source rectangle in a background image that spans the whole panel; false when the panel
// has no extent.
bool BackgroundSource(const RelRect& relRect, const RelRect& panelRect, const Surface& background, Rect& src)
{
    const double panelWidth = static_cast<double>(panelRect.Right) - panelRect.Left;
    const double panelHeight = static_cast<double>(panelRect.Bottom) - panelRect.Top;
    if (!(panelWidth > 0) || !(panelHeight > 0)) {
        return false;
    }
    const double bw = background.Width;
    const double bh = background.Height;
    src = {Round(bw * relRect.Left / panelWidth), Round(bh * relRect.Top / panelHeight),
           Round(bw * relRect.Right / panelWidth), Round(bh * relRect.Bottom / panelHeight)};
    return true;
}

} // namespace

Surface::Surface() = default;

Surface::~Surface()
{
    Release();
}

void Surface::Release()
{
    RunStarts.clear();
    Runs.clear();
    if (Cr) {
        cairo_destroy(Cr);
        Cr = nullptr;
    }
    if (Pixels) {
        cairo_surface_destroy(Pixels);
        Pixels = nullptr;
    }
    Width = 0;
    Height = 0;
    FramesAcross = 0;
    FramesDown = 0;
    Canvas = false;
    ClipBox = {};
}

std::unique_ptr<Surface> Surface::CreateCanvas(const Surface* /*referenceCanvas*/, std::int32_t width,
                                               std::int32_t height)
{
    auto canvas = std::make_unique<Surface>();
    canvas->Canvas = true;
    if (width <= 0 || height <= 0 || width > MaxSide || height > MaxSide) {
        return canvas;
    }
    cairo_surface_t* pixels = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    if (cairo_surface_status(pixels) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(pixels);
        return canvas;
    }
    canvas->Adopt(pixels);
    return canvas;
}

void Surface::Adopt(cairo_surface_t* pixels)
{
    Pixels = pixels;
    Width = cairo_image_surface_get_width(pixels);
    Height = cairo_image_surface_get_height(pixels);
    if (Canvas) {
        Cr = cairo_create(pixels);
        SetClip(nullptr);
    }
}

void Surface::Blit(Surface& dest, std::int32_t x, std::int32_t y, const Rect& srcRect, const Surface& src)
{
    Copy(dest, x, y, srcRect, src, CAIRO_OPERATOR_SOURCE);
}

void Surface::BlitMasked(Surface& dest, std::int32_t x, std::int32_t y, const Rect& srcRect,
                         const Surface& image)
{
    if (CopyOpaqueRuns(dest, x, y, srcRect, image)) {
        return;
    }
    // Key-colour pixels have alpha 0 since loading, so compositing over leaves the destination.
    Copy(dest, x, y, srcRect, image, CAIRO_OPERATOR_OVER);
}

void Surface::DrawImage(Surface& dest, std::int32_t x, std::int32_t y, const Rect* srcRect,
                        const Surface& image)
{
    const Rect whole{0, 0, image.Width, image.Height};
    const Rect& r = srcRect ? *srcRect : whole;
    if (image.Transparent) {
        BlitMasked(dest, x, y, r, image);
    } else {
        Blit(dest, x, y, r, image);
    }
}

void Surface::DrawFrame(Surface& dest, std::int32_t x, std::int32_t y, std::int32_t frameIndex,
                        const Surface& image)
{
    if (frameIndex < 0) {
        return;
    }
    const Rect r = image.FrameSource(frameIndex);
    DrawImage(dest, x, y, &r, image);
}

void Surface::DrawFrames(Surface& dest, std::span<const FrameDraw> draws)
{
    // Worth threads only when many pictures cover much of a large canvas.
    constexpr std::size_t BandedDraws = 64;
    RunTarget target;
    const bool allRuns = std::all_of(draws.begin(), draws.end(), [](const FrameDraw& d) {
        return d.Image == nullptr || (d.Image->Transparent && HasRuns(*d.Image));
    });
    if (!allRuns || draws.size() < BandedDraws ||
        static_cast<std::int64_t>(dest.Width) * dest.Height < BandedArea || !RunTargetOf(dest, target)) {
        for (const FrameDraw& d : draws) {
            if (d.Image) {
                DrawFrame(dest, d.X, d.Y, d.Frame, *d.Image);
            }
        }
        return;
    }
    // Each band draws every picture in order, clipped to its rows: every pixel sees the same
    // copies in the same order as one after the other.
    const auto drawBand = [draws](RunTarget band) {
        for (const FrameDraw& d : draws) {
            if (d.Image && d.Frame >= 0) {
                CopyRuns(band, d.X, d.Y, d.Image->FrameSource(d.Frame), *d.Image);
            }
        }
    };
    const int bands = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
    std::vector<std::thread> workers;
    const Rect clip = target.Clip;
    int top = clip.Top;
    for (int i = 0; i < bands; ++i) {
        const int bottom =
            clip.Top + static_cast<int>(static_cast<std::int64_t>(clip.Height()) * (i + 1) / bands);
        RunTarget band = target;
        band.Clip = {clip.Left, top, clip.Right, bottom};
        top = bottom;
        if (IsEmptyRect(band.Clip)) {
            continue;
        }
        if (i + 1 == bands) {
            drawBand(band);
            continue;
        }
        try {
            workers.emplace_back(drawBand, band);
        } catch (const std::system_error&) {
            drawBand(band); // no thread to be had: this one draws the band
        }
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    MarkChanged(dest, clip);
}

Rect Surface::FrameSource(std::int32_t n) const
{
    std::int64_t x = 0;
    std::int64_t y = 0;
    switch (FrameLayout) {
    case ImageLayout::Sheet:
        x = static_cast<std::int64_t>(n % 8) * (FrameWidth + 1LL);
        y = static_cast<std::int64_t>(n / 8) * (FrameHeight + 1LL);
        break;
    case ImageLayout::Row:
        x = static_cast<std::int64_t>(n) * FrameWidth;
        break;
    case ImageLayout::Strip:
        y = static_cast<std::int64_t>(n) * FrameHeight;
        break;
    case ImageLayout::Grid: {
        const std::int64_t row = FramesAcross != 0 ? n / FramesAcross : 0;
        const std::int64_t column = n - row * FramesAcross;
        x = column * FrameWidth;
        y = row * FrameHeight;
        break;
    }
    default:
        break;
    }
    // Far-off frames stay far off without overflowing.
    constexpr std::int64_t limit = 1 << 30;
    x = std::clamp<std::int64_t>(x, -limit, limit);
    y = std::clamp<std::int64_t>(y, -limit, limit);
    return {static_cast<std::int32_t>(x), static_cast<std::int32_t>(y),
            static_cast<std::int32_t>(x + FrameWidth), static_cast<std::int32_t>(y + FrameHeight)};
}

void Surface::StretchBlit(Surface& dest, const Rect& destRect, const Surface& src, bool smooth,
                          const Rect& srcRect)
{
    Stretch(dest, destRect, src, smooth, srcRect, CAIRO_OPERATOR_SOURCE);
}

void Surface::SkewBlit(Surface& dest, const Point corners[3], const Surface& src, bool smooth,
                       const Rect& srcRect)
{
    cairo_t* cr = dest.Context();
    if (!cr || !src.CairoSurface() || !corners || IsEmptyRect(srcRect)) {
        return;
    }
    const Rect part = Intersect(srcRect, {0, 0, src.Width, src.Height});
    if (IsEmptyRect(part)) {
        return;
    }
    // The affine map from source pixels (relative to srcRect) to the parallelogram.
    const double w = srcRect.Width();
    const double h = srcRect.Height();
    cairo_matrix_t m;
    cairo_matrix_init(&m, (corners[1].X - static_cast<double>(corners[0].X)) / w,
                      (corners[1].Y - static_cast<double>(corners[0].Y)) / w,
                      (corners[2].X - static_cast<double>(corners[0].X)) / h,
                      (corners[2].Y - static_cast<double>(corners[0].Y)) / h, corners[0].X, corners[0].Y);
    // Corners on one line give no area; Cairo would also refuse the matrix for good.
    const double det = m.xx * m.yy - m.yx * m.xy;
    if (!(std::fabs(det) > 1e-9) || !std::isfinite(det)) {
        return;
    }

    SourcePart source(src, part, &src == &dest);
    const bool whole = source.Get() == src.CairoSurface();
    cairo_pattern_t* pattern = cairo_pattern_create_for_surface(source.Get());
    cairo_matrix_t pm;
    const double px = part.Left - srcRect.Left;
    const double py = part.Top - srcRect.Top;
    cairo_matrix_init_translate(&pm, (whole ? part.Left : 0) - px, (whole ? part.Top : 0) - py);
    cairo_pattern_set_matrix(pattern, &pm);
    cairo_pattern_set_filter(pattern, smooth ? CAIRO_FILTER_GOOD : CAIRO_FILTER_NEAREST);
    cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);

    cairo_save(cr);
    cairo_transform(cr, &m);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source(cr, pattern);
    cairo_rectangle(cr, px, py, part.Width(), part.Height());
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_pattern_destroy(pattern);
}

void Surface::PresentTo(const PixelBuffer& window, std::int32_t x, std::int32_t y, const Rect& srcRect) const
{
    if (!Pixels || !window.Pixels || window.Width <= 0 || window.Height <= 0 ||
        window.Pitch < window.Width * 4) {
        return;
    }
    Rect part = Intersect(srcRect, {0, 0, Width, Height});
    if (IsEmptyRect(part)) {
        return;
    }
    std::int64_t dx = static_cast<std::int64_t>(x) + (part.Left - srcRect.Left);
    std::int64_t dy = static_cast<std::int64_t>(y) + (part.Top - srcRect.Top);
    const std::int64_t left = std::max<std::int64_t>(dx, 0);
    const std::int64_t top = std::max<std::int64_t>(dy, 0);
    const std::int64_t right = std::min<std::int64_t>(dx + part.Width(), window.Width);
    const std::int64_t bottom = std::min<std::int64_t>(dy + part.Height(), window.Height);
    if (right <= left || bottom <= top) {
        return;
    }
    const std::int64_t sx = part.Left + (left - dx);
    const std::int64_t sy = part.Top + (top - dy);
    cairo_surface_flush(Pixels);
    const std::uint8_t* data = cairo_image_surface_get_data(Pixels);
    const std::int64_t stride = cairo_image_surface_get_stride(Pixels);
    const std::size_t rowBytes = static_cast<std::size_t>(right - left) * 4;
    for (std::int64_t row = 0; row < bottom - top; ++row) {
        std::memcpy(window.Pixels + (top + row) * window.Pitch + left * 4,
                    data + (sy + row) * stride + sx * 4, rowBytes);
    }
}

void Surface::FillRect(const Rect& rect, Colour colour)
{
    if (!Cr) {
        return;
    }
    const Rect r = Intersect(rect, {0, 0, Width, Height});
    if (IsEmptyRect(r)) {
        return;
    }
    cairo_save(Cr);
    cairo_set_operator(Cr, CAIRO_OPERATOR_SOURCE);
    SetSourceColour(Cr, colour);
    cairo_rectangle(Cr, r.Left, r.Top, r.Width(), r.Height());
    cairo_fill(Cr);
    cairo_restore(Cr);
}

void Surface::Clear(Colour colour)
{
    FillRect({0, 0, Width, Height}, colour);
}

void Surface::FrameRect(const Rect& rect, Colour colour)
{
    if (IsEmptyRect(rect)) {
        return;
    }
    FillRect({rect.Left, rect.Top, rect.Right, rect.Top + 1}, colour);
    FillRect({rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom}, colour);
    FillRect({rect.Left, rect.Top, rect.Left + 1, rect.Bottom}, colour);
    FillRect({rect.Right - 1, rect.Top, rect.Right, rect.Bottom}, colour);
}

void Surface::SetClip(const Rect* rect)
{
    if (!Cr) {
        return;
    }
    const Rect whole{0, 0, Width, Height};
    ClipBox = rect ? Intersect(*rect, whole) : whole;
    cairo_reset_clip(Cr);
    cairo_rectangle(Cr, ClipBox.Left, ClipBox.Top, ClipBox.Width(), ClipBox.Height());
    cairo_clip(Cr);
}

Rect Surface::ClipRect() const
{
    return ClipBox;
}

Rect Surface::ToPixels(const RelRect& r) const
{
    const double w = Width;
    const double h = Height;
    return {Round(w * r.Left), Round(h * r.Top), Round(w * r.Right), Round(h * r.Bottom)};
}

Colour Surface::PixelAt(std::int32_t x, std::int32_t y) const
{
    if (!Pixels || x < 0 || y < 0 || x >= Width || y >= Height) {
        return 0;
    }
    cairo_surface_flush(Pixels);
    const std::uint8_t* row = cairo_image_surface_get_data(Pixels) +
                              static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(Pixels);
    std::uint32_t p = 0;
    std::memcpy(&p, row + static_cast<std::ptrdiff_t>(x) * 4, 4);
    return ((p >> 16) & 0xFF) | (p & 0xFF00) | ((p & 0xFF) << 16);
}

void DrawBackgroundPart(Surface& dest, const RelRect& relRect, const RelRect& panelRect,
                        const Surface* background)
{
    Rect src;
    if (!background || !BackgroundSource(relRect, panelRect, *background, src)) {
        return;
    }
    Surface::StretchBlit(dest, PanelPieceRect(relRect, panelRect), *background, true, src);
}

void DrawSpriteButton(Surface& dest, const RelRect& relRect, const Surface* sprite, Surface& scratch,
                      const Surface* background, const RelRect& panelRect, std::int32_t frameIndex)
{
    if (!sprite) {
        return;
    }
    const bool framed = sprite->FrameLayout != ImageLayout::Whole;
    const std::int32_t pieceWidth = framed ? sprite->FrameWidth : sprite->Width;
    const std::int32_t pieceHeight = framed ? sprite->FrameHeight : sprite->Height;
    if (pieceWidth <= 0 || pieceHeight <= 0 || (framed && frameIndex < 0)) {
        return;
    }
    const Rect piece{0, 0, pieceWidth, pieceHeight};
    const Rect destRect = PanelPieceRect(relRect, panelRect);
    Rect bgSource;
    if (!background || !BackgroundSource(relRect, panelRect, *background, bgSource)) {
        // Nothing to compose behind the sprite: its transparent parts keep what dest holds
        // (the scratch canvas would show what an earlier piece left there).
        const Rect frame = framed ? sprite->FrameSource(frameIndex) : piece;
        Stretch(dest, destRect, *sprite, true, frame,
                sprite->Transparent ? CAIRO_OPERATOR_OVER : CAIRO_OPERATOR_SOURCE);
        return;
    }
    // The piece is composed at the sprite's own size on the scratch canvas, or on a canvas of
    // its own when the scratch canvas is too small for it.
    std::unique_ptr<Surface> own;
    Surface* work = &scratch;
    if (scratch.Width < pieceWidth || scratch.Height < pieceHeight || !scratch.Context()) {
        own = Surface::CreateCanvas(&scratch, pieceWidth, pieceHeight);
        work = own.get();
    }
    const Rect savedClip = work->ClipRect();
    work->SetClip(&piece);
    Surface::StretchBlit(*work, piece, *background, true, bgSource);
    if (framed) {
        Surface::DrawFrame(*work, 0, 0, frameIndex, *sprite);
    } else {
        Surface::DrawImage(*work, 0, 0, nullptr, *sprite);
    }
    work->SetClip(&savedClip);
    Surface::StretchBlit(dest, destRect, *work, true, piece);
}
