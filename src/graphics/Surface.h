// Surface: an off-screen pixel store, either a drawable canvas or an image with frames, and
// every copy, stretch, shape and text operation the game draws with.
#pragma once

#include "graphics/Geometry.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

typedef struct _cairo_surface cairo_surface_t;
typedef struct _cairo cairo_t;

class Font;

// Text format flags of DrawTextInRect (the values of the classic desktop text-drawing flags).
namespace TextFormat {
constexpr std::uint32_t Left = 0x0000;
constexpr std::uint32_t Center = 0x0001;
constexpr std::uint32_t Right = 0x0002;
constexpr std::uint32_t VCenter = 0x0004;
constexpr std::uint32_t Bottom = 0x0008;
constexpr std::uint32_t WordBreak = 0x0010;
constexpr std::uint32_t SingleLine = 0x0020;
constexpr std::uint32_t NoClip = 0x0100;
constexpr std::uint32_t NoPrefix = 0x0800; // an "&" is drawn as it is
constexpr std::uint32_t CalcRect = 0x0400; // measure only: sets the rectangle's bottom (and right)
// Beyond the classic flags: a single line wider than the rectangle is narrowed to its width.
constexpr std::uint32_t ShrinkToFit = 0x10000;
} // namespace TextFormat

// Pixels of a window or screen that a canvas is presented to: 32 bits a pixel, 0x00RRGGBB in
// native byte order (SDL's XRGB8888 and Cairo's RGB24 agree on this).
struct PixelBuffer
{
    std::uint8_t* Pixels = nullptr;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t Pitch = 0; // bytes per row
};

// How an image is cut into frames: Surface::FrameLayout and the layout argument of LoadImage.
namespace ImageLayout {
enum Kind : std::int32_t
{
    Whole = 0, // no frames: the whole image
    Sheet = 1, // eight frames a row, one-pixel gutters between frames and rows (the board's tiles)
    Row = 2,   // frames side by side
    Strip = 3, // frames one below the other
    Grid = 4   // rows of frames without gutters, as many across as the image holds
};
} // namespace ImageLayout

class Surface;

// One text as DrawTextInRect drew it, for those who check layouts (tests, uishot).
struct DrawnText
{
    std::string Text; // as shown: accelerator marks taken out
    Rect Box;         // the rectangle it was drawn in
    Rect Ink;         // where its glyphs fall, in surface pixels, before any clipping
    std::uint32_t Format = 0;
};

// One picture of a batch: frame Frame of Image with its top-left corner at (X, Y).
struct FrameDraw
{
    const Surface* Image = nullptr;
    std::int32_t Frame = 0;
    std::int32_t X = 0;
    std::int32_t Y = 0;
};

class Surface
{
public:
    Surface();
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // Canvas form: width x height, pixels black until drawn, clip = whole surface. Text is drawn
    // without a background. The reference canvas may be null (all canvases share one pixel
    // format). Impossible sizes give an empty canvas that ignores drawing.
    static std::unique_ptr<Surface> CreateCanvas(const Surface* referenceCanvas, std::int32_t width,
                                                 std::int32_t height);

    // Image form from an archive item (a bitmap file image). A missing or bad item gives an empty
    // image (0 x 0) that draws nothing.
    void LoadImage(std::int32_t layout, std::int32_t frameWidth, const std::string& itemName,
                   const std::string& archivePath, bool transparent, std::int32_t frameHeight);
    // Image form from a bitmap file image held in memory; false (and an empty image) when the
    // bytes are not a bitmap this program reads.
    bool LoadBitmapImage(std::span<const std::uint8_t> bytes, std::int32_t layout, std::int32_t frameWidth,
                         bool transparent, std::int32_t frameHeight);

    // Copies. The destination is always a canvas.
    static void Blit(Surface& dest, std::int32_t x, std::int32_t y, const Rect& srcRect, const Surface& src);
    static void BlitMasked(Surface& dest, std::int32_t x, std::int32_t y, const Rect& srcRect,
                           const Surface& image);
    // srcRect null = the whole image.
    static void DrawImage(Surface& dest, std::int32_t x, std::int32_t y, const Rect* srcRect,
                          const Surface& image);
    static void DrawFrame(Surface& dest, std::int32_t x, std::int32_t y, std::int32_t frameIndex,
                          const Surface& image);
    // The pictures one after the other, as DrawFrame draws them (none for a null image); a large
    // batch of transparent pictures is shared out to threads in horizontal bands of dest.
    static void DrawFrames(Surface& dest, std::span<const FrameDraw> draws);
    static void StretchBlit(Surface& dest, const Rect& destRect, const Surface& src, bool smooth,
                            const Rect& srcRect);
    // corners: upper-left, upper-right, lower-left of the destination parallelogram.
    static void SkewBlit(Surface& dest, const Point corners[3], const Surface& src, bool smooth,
                         const Rect& srcRect);
    // Opaque copy of srcRect to window pixels at (x, y), clipped to the window.
    void PresentTo(const PixelBuffer& window, std::int32_t x, std::int32_t y, const Rect& srcRect) const;

    // The source rectangle of frame n by FrameLayout.
    Rect FrameSource(std::int32_t n) const;

    // Shapes and clipping.
    void FillRect(const Rect& rect, Colour colour);
    void Clear(Colour colour);
    void FrameRect(const Rect& rect, Colour colour);
    // null = the whole surface; a rectangle is clamped to the surface first.
    void SetClip(const Rect* rect);
    Rect ClipRect() const;

    // Text. Returns the height of the drawn (or measured) text, 0 when font is null.
    std::int32_t DrawTextInRect(Rect& rect, std::string_view text, std::uint32_t format, Colour colour,
                                const Font* font);
    void DrawTextAt(std::string_view text, const Font* font, float xFrac, float yFrac, std::int32_t align);
    // The same within a width of widthFrac of the screen (from x, ending at x or centred on x by
    // align): a text wider than that is narrowed to fit instead of running past it.
    void DrawTextAt(std::string_view text, const Font* font, float xFrac, float yFrac, std::int32_t align,
                    float widthFrac);
    // Told of every text drawn (not measured) on this surface.
    std::function<void(const DrawnText&)> TextObserver;

    // Fractions of this surface's own size to pixels.
    Rect ToPixels(const RelRect& r) const;

    // Transparent images: the runs of drawn (not key-colour) pixels of row y as begin, end
    // pairs in increasing order; empty for other surfaces and rows outside.
    std::span<const std::int32_t> OpaqueRuns(std::int32_t y) const;
    bool HasOpaqueRuns() const { return !RunStarts.empty(); }

    // Pixel access (tests, the windowing layer); 0 outside the surface.
    Colour PixelAt(std::int32_t x, std::int32_t y) const;
    bool IsEmpty() const { return Width <= 0 || Height <= 0; }
    cairo_surface_t* CairoSurface() const { return Pixels; }
    cairo_t* Context() const { return Cr; }

    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t FrameLayout = ImageLayout::Whole;
    bool Transparent = false;
    Colour KeyColour = 0;
    std::int32_t FrameWidth = 0;
    std::int32_t FrameHeight = 0;
    std::int32_t FramesAcross = 0;
    std::int32_t FramesDown = 0;

private:
    void Release();
    // Takes ownership of Cairo pixels; a canvas also gets its drawing context and a full clip.
    void Adopt(cairo_surface_t* pixels);

    // Finds the opaque runs of a transparent image once, after loading.
    void FindOpaqueRuns();

    cairo_surface_t* Pixels = nullptr;
    cairo_t* Cr = nullptr; // canvas form only: keeps the clip
    // Row y's runs are Runs[RunStarts[y] .. RunStarts[y + 1]).
    std::vector<std::int32_t> RunStarts;
    std::vector<std::int32_t> Runs;
    bool Canvas = false;
    Rect ClipBox;
};

// One frame of a sprite with the piece of the panel's background behind it, composed on the
// scratch canvas (or a canvas of its own when the piece is larger) and stretched onto dest at
// relRect (relative to panelRect's origin). Without a background a transparent sprite is
// stretched straight over what dest holds.
void DrawSpriteButton(Surface& dest, const RelRect& relRect, const Surface* sprite, Surface& scratch,
                      const Surface* background, const RelRect& panelRect, std::int32_t frameIndex);
// The piece of the panel's background under relRect, stretched straight onto dest.
void DrawBackgroundPart(Surface& dest, const RelRect& relRect, const RelRect& panelRect,
                        const Surface* background);
