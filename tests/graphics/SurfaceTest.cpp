// Tests of canvases, copies, stretches, shapes, clipping, frames and presenting.
#include "graphics/Surface.h"

#include "support/BitmapBytes.h"

#include <cairo.h>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr Colour Red = 0x0000FF;
constexpr Colour Green = 0x00FF00;
constexpr Colour Blue = 0xFF0000;
constexpr Colour White = 0xFFFFFF;
constexpr Colour Grey = 0x808080;

std::unique_ptr<Surface> Canvas(int w, int h, Colour fill)
{
    auto c = Surface::CreateCanvas(nullptr, w, h);
    c->Clear(fill);
    return c;
}

// Counts the pixels of r in s that are not the given colour.
int CountOther(const Surface& s, const Rect& r, Colour c)
{
    int n = 0;
    for (int y = r.Top; y < r.Bottom; ++y) {
        for (int x = r.Left; x < r.Right; ++x) {
            n += s.PixelAt(x, y) != c;
        }
    }
    return n;
}

std::unique_ptr<Surface> Image(int w, int h, bool transparent, const std::function<Colour(int, int)>& colour,
                               int layout = 0, int frameWidth = 0, int frameHeight = 0)
{
    auto s = std::make_unique<Surface>();
    const auto bytes = testbmp::Direct(w, h, 24, colour);
    EXPECT_TRUE(s->LoadBitmapImage(bytes, layout, frameWidth, transparent, frameHeight));
    return s;
}

TEST(CanvasTest, NewCanvasHasItsSizeAFullClipAndBlackPixels)
{
    auto c = Surface::CreateCanvas(nullptr, 192, 128);
    EXPECT_EQ(c->Width, 192);
    EXPECT_EQ(c->Height, 128);
    EXPECT_EQ(c->ClipRect(), (Rect{0, 0, 192, 128}));
    EXPECT_EQ(CountOther(*c, {0, 0, 192, 128}, 0), 0);
}

TEST(CanvasTest, ImpossibleSizesGiveAnEmptyCanvasThatIgnoresDrawing)
{
    for (auto [w, h] : {std::pair{0, 10}, {10, -1}, {40000, 10}}) {
        auto c = Surface::CreateCanvas(nullptr, w, h);
        EXPECT_TRUE(c->IsEmpty());
        c->Clear(Red);
        c->FillRect({0, 0, 5, 5}, Red);
        auto src = Canvas(4, 4, Red);
        Surface::Blit(*c, 0, 0, {0, 0, 4, 4}, *src);
        EXPECT_EQ(c->PixelAt(0, 0), 0u);
    }
}

TEST(CanvasTest, ColoursAreConvertedOnlyAtTheBoundary)
{
    auto c = Canvas(2, 1, Red);
    c->FillRect({1, 0, 2, 1}, 0x123456);
    EXPECT_EQ(c->PixelAt(0, 0), Red);
    EXPECT_EQ(c->PixelAt(1, 0), 0x123456u);
    // Presented pixels are native 0x00RRGGBB.
    std::vector<std::uint32_t> window(2, 0);
    c->PresentTo({reinterpret_cast<std::uint8_t*>(window.data()), 2, 1, 8}, 0, 0, {0, 0, 2, 1});
    EXPECT_EQ(window[0] & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(window[1] & 0xFFFFFF, 0x563412u);
}

TEST(ShapeTest, FrameRectDrawsAOnePixelOutlineInside)
{
    auto c = Canvas(10, 10, White);
    c->FrameRect({2, 3, 8, 7}, 0);
    EXPECT_EQ(c->PixelAt(2, 3), 0u);
    EXPECT_EQ(c->PixelAt(7, 6), 0u);
    EXPECT_EQ(c->PixelAt(7, 3), 0u);
    EXPECT_EQ(c->PixelAt(2, 6), 0u);
    EXPECT_EQ(c->PixelAt(5, 5), White);
    EXPECT_EQ(c->PixelAt(8, 7), White);
    EXPECT_EQ(c->PixelAt(1, 3), White);
    EXPECT_EQ(CountOther(*c, {3, 4, 7, 6}, White), 0);
    EXPECT_EQ(CountOther(*c, {0, 0, 10, 10}, White), 2 * 6 + 2 * 2);
}

TEST(ShapeTest, SetClipClampsToTheSurfaceAndNullRestoresIt)
{
    auto c = Canvas(20, 10, White);
    const Rect big{-5, -5, 500, 500};
    c->SetClip(&big);
    EXPECT_EQ(c->ClipRect(), (Rect{0, 0, 20, 10}));

    const Rect part{15, 2, 30, 4};
    c->SetClip(&part);
    EXPECT_EQ(c->ClipRect(), (Rect{15, 2, 20, 4}));
    c->Clear(Red);
    EXPECT_EQ(CountOther(*c, {15, 2, 20, 4}, Red), 0);
    EXPECT_EQ(CountOther(*c, {0, 0, 20, 2}, White), 0);
    EXPECT_EQ(c->PixelAt(14, 3), White);

    const Rect outside{30, 30, 40, 40};
    c->SetClip(&outside);
    c->Clear(Blue);
    EXPECT_EQ(CountOther(*c, {0, 0, 20, 2}, White), 0);

    c->SetClip(nullptr);
    EXPECT_EQ(c->ClipRect(), (Rect{0, 0, 20, 10}));
    c->Clear(Green);
    EXPECT_EQ(CountOther(*c, {0, 0, 20, 10}, Green), 0);
}

TEST(CopyTest, BlitCopiesTheRectangleAndClipsAtEveryEdge)
{
    auto src = Canvas(8, 8, Red);
    src->FillRect({4, 4, 8, 8}, Blue);
    auto dest = Canvas(10, 10, White);
    Surface::Blit(*dest, 3, 2, {2, 2, 6, 6}, *src);
    EXPECT_EQ(dest->PixelAt(3, 2), Red);
    EXPECT_EQ(dest->PixelAt(5, 4), Blue);
    EXPECT_EQ(dest->PixelAt(6, 5), Blue);
    EXPECT_EQ(dest->PixelAt(7, 5), White);
    EXPECT_EQ(dest->PixelAt(2, 2), White);
    EXPECT_EQ(CountOther(*dest, {0, 0, 10, 10}, White), 16);

    // Past the destination's left and top, and a source rectangle reaching past the source:
    // only the pixels that exist on both sides are copied, at their own places.
    auto dest2 = Canvas(10, 10, White);
    Surface::Blit(*dest2, -1, -1, {2, 2, 20, 20}, *src);
    EXPECT_EQ(dest2->PixelAt(0, 0), Red);
    EXPECT_EQ(dest2->PixelAt(1, 1), Blue);
    EXPECT_EQ(dest2->PixelAt(4, 4), Blue);
    EXPECT_EQ(dest2->PixelAt(5, 5), White);
    EXPECT_EQ(CountOther(*dest2, {0, 0, 10, 10}, White), 25);

    auto dest3 = Canvas(4, 4, White);
    Surface::Blit(*dest3, 1, 1, {-1, -1, 2, 2}, *src);
    EXPECT_EQ(dest3->PixelAt(1, 1), White);
    EXPECT_EQ(dest3->PixelAt(2, 2), Red);
    EXPECT_EQ(CountOther(*dest3, {0, 0, 4, 4}, White), 4);
}

TEST(CopyTest, BlitOntoItselfCopiesTheOriginalPixels)
{
    auto c = Canvas(6, 1, White);
    c->FillRect({0, 0, 1, 1}, Red);
    c->FillRect({1, 0, 2, 1}, Blue);
    Surface::Blit(*c, 1, 0, {0, 0, 5, 1}, *c);
    EXPECT_EQ(c->PixelAt(0, 0), Red);
    EXPECT_EQ(c->PixelAt(1, 0), Red);
    EXPECT_EQ(c->PixelAt(2, 0), Blue);
    EXPECT_EQ(c->PixelAt(3, 0), White);
}

TEST(CopyTest, MaskedCopyLeavesTheDestinationUnderKeyColourPixels)
{
    // A sprite: black frame around a green square with one black pixel inside.
    const auto sprite = Image(6, 6, true, [](int x, int y) {
        if (x == 0 || y == 0 || x == 5 || y == 5 || (x == 3 && y == 3)) {
            return Colour{0};
        }
        return Green;
    });
    auto dest = Canvas(8, 8, Red);
    Surface::BlitMasked(*dest, 1, 1, {0, 0, 6, 6}, *sprite);
    EXPECT_EQ(dest->PixelAt(1, 1), Red);
    EXPECT_EQ(dest->PixelAt(4, 4), Red);
    EXPECT_EQ(dest->PixelAt(2, 2), Green);
    EXPECT_EQ(dest->PixelAt(5, 5), Green);
    EXPECT_EQ(CountOther(*dest, {0, 0, 8, 8}, Red), 15);

    // The opaque copy of the same image draws its black pixels.
    Surface::Blit(*dest, 1, 1, {0, 0, 6, 6}, *sprite);
    EXPECT_EQ(dest->PixelAt(1, 1), 0u);
    EXPECT_EQ(dest->PixelAt(4, 4), 0u);
}

TEST(CopyTest, MaskedCopyOfAPartKeepsTheClipAndEveryEdge)
{
    // Many short runs: key colour where (x + 2y) % 5 == 0, otherwise a colour naming the pixel.
    const auto colourAt = [](int x, int y) {
        return (x + 2 * y) % 5 == 0 ? Colour{0}
                                    : static_cast<Colour>(0x010000 * (x + 1) + 0x000100 * (y + 1) + 7);
    };
    const auto sprite = Image(23, 13, true, colourAt);
    const Rect part{3, 2, 21, 12};
    const Rect clips[] = {{0, 0, 16, 14}, {2, 1, 13, 11}, {20, 20, 30, 30}};
    const Point places[] = {{-4, 5}, {1, -3}, {6, 7}, {-30, 0}};
    for (const Rect& clip : clips) {
        for (const Point& at : places) {
            auto dest = Canvas(16, 14, White);
            dest->SetClip(&clip);
            Surface::BlitMasked(*dest, at.X, at.Y, part, *sprite);
            for (int y = 0; y < 14; ++y) {
                for (int x = 0; x < 16; ++x) {
                    const int sx = x - at.X + part.Left;
                    const int sy = y - at.Y + part.Top;
                    const bool inside = sx >= part.Left && sx < part.Right && sy >= part.Top &&
                                        sy < part.Bottom && x >= clip.Left && x < clip.Right &&
                                        y >= clip.Top && y < clip.Bottom;
                    const Colour expected = inside && colourAt(sx, sy) != 0 ? colourAt(sx, sy) : White;
                    ASSERT_EQ(dest->PixelAt(x, y), expected)
                        << x << "," << y << " at " << at.X << "," << at.Y;
                }
            }
        }
    }
    // A clip of another shape set on the context is kept as well.
    auto dest = Canvas(16, 14, White);
    cairo_t* cr = dest->Context();
    cairo_save(cr);
    cairo_arc(cr, 8, 7, 3, 0, 6.3);
    cairo_clip(cr);
    Surface::BlitMasked(*dest, 0, 0, {0, 0, 23, 13}, *sprite);
    cairo_restore(cr);
    EXPECT_EQ(dest->PixelAt(0, 1), White);
    EXPECT_EQ(dest->PixelAt(8, 7), colourAt(8, 7));
}

TEST(CopyTest, AllBlackImageDrawsNothingWhenTransparentAndBlackWhenOpaque)
{
    const auto black = [](int, int) { return Colour{0}; };
    const auto transparent = Image(5, 5, true, black);
    const auto opaque = Image(5, 5, false, black);
    auto dest = Canvas(5, 5, White);
    Surface::DrawImage(*dest, 0, 0, nullptr, *transparent);
    EXPECT_EQ(CountOther(*dest, {0, 0, 5, 5}, White), 0);
    Surface::DrawImage(*dest, 0, 0, nullptr, *opaque);
    EXPECT_EQ(CountOther(*dest, {0, 0, 5, 5}, 0), 0);
}

TEST(FrameTest, ABatchOfFramesDrawsWhatDrawingThemOneByOneDraws)
{
    // Four overlapping frames of 100 x 70 with holes, a sheet in layout 1.
    const auto colourAt = [](int x, int y) {
        const int frame = x / 101 + 2 * (y / 71);
        const int u = x % 101;
        const int v = y % 71;
        if (u == 100 || v == 70 || (u * 7 + v * 3 + frame) % 11 == 0 ||
            std::abs(u - 50) + std::abs(v - 35) > 45) {
            return Colour{0};
        }
        return static_cast<Colour>(0x203040 + frame * 0x30 + u * 0x100 + v * 0x10000);
    };
    const auto sheet = Image(8 * 101, 2 * 71, true, colourAt, 1, 100, 70);
    std::vector<FrameDraw> draws;
    unsigned seed = 7;
    for (int i = 0; i < 400; ++i) {
        seed = seed * 1103515245u + 12345u;
        const int x = static_cast<int>((seed >> 8) % 1300) - 120;
        seed = seed * 1103515245u + 12345u;
        const int y = static_cast<int>((seed >> 8) % 900) - 90;
        draws.push_back({i % 50 == 0 ? nullptr : sheet.get(), i % 37 == 0 ? -1 : i % 4, x, y});
    }
    const Rect clips[] = {{0, 0, 1200, 800}, {50, 31, 1103, 777}};
    std::unique_ptr<Surface> batch;
    for (const Rect& clip : clips) {
        auto one = Canvas(1200, 800, Grey);
        batch = Canvas(1200, 800, Grey);
        one->SetClip(&clip);
        batch->SetClip(&clip);
        for (const FrameDraw& d : draws) {
            if (d.Image) {
                Surface::DrawFrame(*one, d.X, d.Y, d.Frame, *d.Image);
            }
        }
        Surface::DrawFrames(*batch, draws);
        int differ = 0;
        for (int y = 0; y < 800; ++y) {
            for (int x = 0; x < 1200; ++x) {
                differ += one->PixelAt(x, y) != batch->PixelAt(x, y) ? 1 : 0;
            }
        }
        EXPECT_EQ(differ, 0);
        EXPECT_GT(CountOther(*batch, clip, Grey), 100000); // the pictures cover much of it
    }
    // Nothing outside the clip.
    EXPECT_EQ(CountOther(*batch, {0, 0, 50, 800}, Grey), 0);
    // Pictures without a mask are drawn opaque, also in a batch.
    const auto opaque = Image(
        11, 11, false, [](int, int) { return Colour{0}; }, 1, 10, 10);
    auto dest = Canvas(1200, 800, White);
    const std::vector<FrameDraw> mixed(100, FrameDraw{opaque.get(), 0, 5, 5});
    Surface::DrawFrames(*dest, mixed);
    EXPECT_EQ(dest->PixelAt(9, 9), 0u);
}

TEST(FrameTest, SourceRectangleOfEveryLayout)
{
    Surface s;
    s.FrameWidth = 10;
    s.FrameHeight = 20;
    s.FrameLayout = 0;
    EXPECT_EQ(s.FrameSource(13), (Rect{0, 0, 10, 20}));
    s.FrameLayout = 1; // 8 a row with a one-pixel gutter
    EXPECT_EQ(s.FrameSource(0), (Rect{0, 0, 10, 20}));
    EXPECT_EQ(s.FrameSource(7), (Rect{77, 0, 87, 20}));
    EXPECT_EQ(s.FrameSource(13), (Rect{55, 21, 65, 41}));
    s.FrameLayout = 2;
    EXPECT_EQ(s.FrameSource(3), (Rect{30, 0, 40, 20}));
    s.FrameLayout = 3;
    EXPECT_EQ(s.FrameSource(3), (Rect{0, 60, 10, 80}));
    s.FrameLayout = 4;
    s.FramesAcross = 3;
    EXPECT_EQ(s.FrameSource(4), (Rect{10, 20, 20, 40}));
    EXPECT_EQ(s.FrameSource(6), (Rect{0, 40, 10, 60}));
    s.FramesAcross = 0;
    EXPECT_EQ(s.FrameSource(4), (Rect{40, 0, 50, 20}));
    s.FrameLayout = 9; // unknown layouts cut as layout 0
    EXPECT_EQ(s.FrameSource(5), (Rect{0, 0, 10, 20}));
}

TEST(FrameTest, GridLayoutCountsFramesFromTheLoadedSize)
{
    const auto s = Image(
        50, 30, false, [](int, int) { return Red; }, 4, 16, 10);
    EXPECT_EQ(s->FramesAcross, 3);
    EXPECT_EQ(s->FramesDown, 3);
    const auto none = Image(
        50, 30, false, [](int, int) { return Red; }, 4, 0, 0);
    EXPECT_EQ(none->FramesAcross, 0);
    EXPECT_EQ(none->FramesDown, 0);
}

TEST(FrameTest, DrawFrameCopiesOneFrameAndNothingOutsideTheSheet)
{
    // A vertical strip of three 4 x 3 frames: red, green, blue.
    const auto strip = Image(
        4, 9, false, [](int, int y) { return y < 3   ? Red
                                             : y < 6 ? Green
                                                     : Blue; }, 3, 4, 3);
    auto dest = Canvas(6, 6, White);
    Surface::DrawFrame(*dest, 1, 1, 1, *strip);
    EXPECT_EQ(CountOther(*dest, {1, 1, 5, 4}, Green), 0);
    EXPECT_EQ(CountOther(*dest, {0, 0, 6, 6}, White), 12);

    auto untouched = Canvas(6, 6, White);
    Surface::DrawFrame(*untouched, 0, 0, 3, *strip);
    Surface::DrawFrame(*untouched, 0, 0, -1, *strip);
    Surface::DrawFrame(*untouched, 0, 0, 1 << 30, *strip);
    EXPECT_EQ(CountOther(*untouched, {0, 0, 6, 6}, White), 0);

    // Whole pictures have no frame size: layout 0 frames are empty.
    const auto whole = Image(4, 4, false, [](int, int) { return Red; });
    Surface::DrawFrame(*untouched, 0, 0, 0, *whole);
    EXPECT_EQ(CountOther(*untouched, {0, 0, 6, 6}, White), 0);
}

TEST(StretchTest, SmoothStretchKeepsAUniformPictureUniformToTheBorder)
{
    auto src = Canvas(10, 10, Grey);
    for (const Rect& to : {Rect{0, 0, 37, 23}, Rect{3, 2, 8, 6}, Rect{0, 0, 40, 40}}) {
        auto dest = Canvas(40, 40, White);
        Surface::StretchBlit(*dest, to, *src, true, {0, 0, 10, 10});
        EXPECT_EQ(CountOther(*dest, to, Grey), 0);
        EXPECT_EQ(CountOther(*dest, {0, 0, 40, 40}, White), to.Width() * to.Height());
    }
}

TEST(StretchTest, SmoothStretchOfAPartDoesNotBlendInItsNeighbours)
{
    // A grey square inside a white border: stretching only the square shows no white.
    auto src = Canvas(12, 12, White);
    src->FillRect({2, 2, 10, 10}, Grey);
    auto dest = Canvas(30, 30, Blue);
    Surface::StretchBlit(*dest, {1, 1, 29, 25}, *src, true, {2, 2, 10, 10});
    EXPECT_EQ(CountOther(*dest, {1, 1, 29, 25}, Grey), 0);
    EXPECT_EQ(dest->PixelAt(0, 0), Blue);
    EXPECT_EQ(dest->PixelAt(29, 25), Blue);
}

TEST(StretchTest, SmoothStretchAveragesAndPlainStretchRepeatsPixels)
{
    auto src = Canvas(2, 1, Red);
    src->FillRect({1, 0, 2, 1}, Blue);
    auto smooth = Canvas(8, 1, White);
    Surface::StretchBlit(*smooth, {0, 0, 8, 1}, *src, true, {0, 0, 2, 1});
    EXPECT_EQ(smooth->PixelAt(0, 0), Red);
    EXPECT_EQ(smooth->PixelAt(7, 0), Blue);
    const Colour mid = smooth->PixelAt(4, 0);
    EXPECT_GT(mid & 0xFF, 0u);
    EXPECT_GT(mid >> 16, 0u);

    auto plain = Canvas(8, 1, White);
    Surface::StretchBlit(*plain, {0, 0, 8, 1}, *src, false, {0, 0, 2, 1});
    EXPECT_EQ(CountOther(*plain, {0, 0, 4, 1}, Red), 0);
    EXPECT_EQ(CountOther(*plain, {4, 0, 8, 1}, Blue), 0);
}

TEST(StretchTest, ASourceReachingPastThePictureOnlyLosesTheMissingPart)
{
    auto src = Canvas(4, 4, Red);
    auto dest = Canvas(16, 8, White);
    // The requested source is twice as wide as the picture: the left half of the target gets it.
    Surface::StretchBlit(*dest, {0, 0, 16, 8}, *src, true, {0, 0, 8, 4});
    EXPECT_EQ(CountOther(*dest, {0, 0, 8, 8}, Red), 0);
    EXPECT_EQ(CountOther(*dest, {8, 0, 16, 8}, White), 0);
    // Empty or inverted rectangles draw nothing.
    auto untouched = Canvas(4, 4, White);
    Surface::StretchBlit(*untouched, {0, 0, 0, 4}, *src, true, {0, 0, 4, 4});
    Surface::StretchBlit(*untouched, {4, 4, 0, 0}, *src, true, {0, 0, 4, 4});
    Surface::StretchBlit(*untouched, {0, 0, 4, 4}, *src, true, {5, 5, 9, 9});
    EXPECT_EQ(CountOther(*untouched, {0, 0, 4, 4}, White), 0);
}

TEST(StretchTest, LargeStretchesHaveNoSeamsAndKeepTheClip)
{
    // Large enough to be drawn in bands: a source whose rows run from dark to light.
    auto src = Surface::CreateCanvas(nullptr, 800, 1020);
    for (int y = 0; y < 1020; ++y) {
        src->FillRect({0, y, 800, y + 1}, static_cast<Colour>(y / 4) << 8);
    }
    auto dest = Canvas(760, 900, White);
    const Rect clip{0, 10, 760, 890};
    dest->SetClip(&clip);
    Surface::StretchBlit(*dest, {0, 0, 760, 900}, *src, true, {0, 0, 800, 1020});
    dest->SetClip(nullptr);
    EXPECT_EQ(CountOther(*dest, {0, 0, 760, 10}, White), 0);
    EXPECT_EQ(CountOther(*dest, {0, 890, 760, 900}, White), 0);
    Colour previous = dest->PixelAt(300, 10);
    for (int y = 11; y < 890; ++y) {
        const Colour c = dest->PixelAt(300, y);
        ASSERT_GE(c, previous) << y;
        ASSERT_LE((c >> 8) - (previous >> 8), 1u) << y;
        ASSERT_EQ(dest->PixelAt(759, y), c) << y;
        previous = c;
    }
    // Row y shows source row about y * 1020 / 900.
    EXPECT_NEAR(static_cast<double>(dest->PixelAt(0, 450) >> 8), (450.5 * 1020 / 900) / 4, 1.0);

    // A clip set on the context by other code is kept too, whatever its shape.
    dest->Clear(White);
    cairo_t* cr = dest->Context();
    cairo_save(cr);
    cairo_arc(cr, 380, 450, 200, 0, 6.3);
    cairo_clip(cr);
    Surface::StretchBlit(*dest, {0, 0, 760, 900}, *src, true, {0, 0, 800, 1020});
    cairo_restore(cr);
    EXPECT_EQ(dest->PixelAt(10, 10), White);
    EXPECT_EQ(dest->PixelAt(380, 800), White);
    EXPECT_NE(dest->PixelAt(380, 450), White);
}

TEST(StretchTest, LargeStretchesOfAPartPadAtThePartsOwnEdges)
{
    // Rows from dark to light inside a white frame; only the inside is stretched, in bands.
    auto src = Canvas(880, 1100, White);
    for (int y = 40; y < 1060; ++y) {
        src->FillRect({40, y, 840, y + 1}, static_cast<Colour>((y - 40) / 4) << 8);
    }
    auto dest = Canvas(760, 900, Blue);
    Surface::StretchBlit(*dest, {0, 0, 760, 900}, *src, true, {40, 40, 840, 1060});
    // No white blended in at any edge, and the rows still run from dark to light.
    for (int y = 0; y < 900; ++y) {
        for (int x : {0, 380, 759}) {
            ASSERT_EQ(dest->PixelAt(x, y) & 0xFF00FF, 0u) << x << "," << y;
        }
    }
    EXPECT_EQ(dest->PixelAt(0, 0), 0u);
    EXPECT_EQ(dest->PixelAt(759, 899), static_cast<Colour>(1019 / 4) << 8);
    EXPECT_NEAR(static_cast<double>(dest->PixelAt(100, 450) >> 8), (450.5 * 1020 / 900) / 4, 1.0);
}

TEST(SkewTest, TheThreeCornersLandWhereAsked)
{
    // Quadrants: red top-left, green top-right, blue bottom-left, grey bottom-right.
    auto src = Canvas(40, 20, Red);
    src->FillRect({20, 0, 40, 10}, Green);
    src->FillRect({0, 10, 20, 20}, Blue);
    src->FillRect({20, 10, 40, 20}, Grey);
    auto dest = Canvas(100, 100, White);
    const Point corners[3] = {{20, 10}, {80, 30}, {10, 70}};
    Surface::SkewBlit(*dest, corners, *src, true, {0, 0, 40, 20});
    // Just inside each corner, and the fourth corner ul + (ur - ul) + (ll - ul) = (70, 90).
    EXPECT_EQ(dest->PixelAt(20, 12), Red);
    EXPECT_EQ(dest->PixelAt(76, 30), Green);
    EXPECT_EQ(dest->PixelAt(12, 66), Blue);
    EXPECT_EQ(dest->PixelAt(68, 86), Grey);
    // Outside the parallelogram nothing changes.
    EXPECT_EQ(dest->PixelAt(17, 10), White);
    EXPECT_EQ(dest->PixelAt(80, 90), White);
    EXPECT_EQ(dest->PixelAt(5, 70), White);
    EXPECT_EQ(dest->PixelAt(50, 5), White);
}

TEST(SkewTest, APartOfTheSourceFillsTheWholeParallelogram)
{
    auto src = Canvas(40, 20, White);
    src->FillRect({10, 5, 30, 15}, Red);
    auto dest = Canvas(50, 50, Blue);
    const Point corners[3] = {{5, 5}, {45, 5}, {5, 45}};
    Surface::SkewBlit(*dest, corners, *src, true, {10, 5, 30, 15});
    EXPECT_EQ(CountOther(*dest, {5, 5, 45, 45}, Red), 0);
    EXPECT_EQ(dest->PixelAt(4, 4), Blue);
}

TEST(SkewTest, CornersOnOneLineDrawNothingAndBreakNothing)
{
    auto src = Canvas(10, 10, Red);
    auto dest = Canvas(20, 20, White);
    const Point line[3] = {{0, 0}, {10, 10}, {5, 5}};
    Surface::SkewBlit(*dest, line, *src, true, {0, 0, 10, 10});
    EXPECT_EQ(CountOther(*dest, {0, 0, 20, 20}, White), 0);
    dest->FillRect({0, 0, 2, 2}, Green);
    EXPECT_EQ(dest->PixelAt(1, 1), Green);
}

TEST(PresentTest, CopiesARectangleToWindowPixelsClippedToTheWindow)
{
    auto c = Canvas(8, 8, Red);
    c->FillRect({4, 0, 8, 8}, Blue);
    constexpr int w = 6;
    constexpr int h = 4;
    constexpr int pitch = 7 * 4; // rows may be longer than the window is wide
    std::vector<std::uint32_t> pixels(7 * h, 0x11111111);
    const PixelBuffer window{reinterpret_cast<std::uint8_t*>(pixels.data()), w, h, pitch};
    c->PresentTo(window, 3, 1, {2, 2, 8, 8});
    const auto at = [&](int x, int y) { return pixels[y * 7 + x] & 0xFFFFFF; };
    EXPECT_EQ(at(3, 1), 0xFF0000u);
    EXPECT_EQ(at(4, 1), 0xFF0000u);
    EXPECT_EQ(at(5, 3), 0x0000FFu);
    EXPECT_EQ(at(2, 1), 0x111111u);
    EXPECT_EQ(at(3, 0), 0x111111u);
    EXPECT_EQ(pixels[1 * 7 + 6], 0x11111111u); // beyond the window's width
    c->PresentTo(window, -1, -1, {0, 0, 8, 8});
    EXPECT_EQ(at(0, 0), 0xFF0000u);
    EXPECT_EQ(at(3, 0), 0x0000FFu);
    EXPECT_EQ(pixels[6], 0x11111111u);
}

TEST(PixelTest, ToPixelsUsesTheSurfaceOwnSize)
{
    auto c = Surface::CreateCanvas(nullptr, 200, 100);
    EXPECT_EQ(c->ToPixels({0.1f, 0.25f, 0.5f, 1.0f}), (Rect{20, 25, 100, 100}));
}

} // namespace
