// Tests of decoding bitmap file images: every depth, row order and padding, and bad input.
#include "graphics/Surface.h"
#include "support/BitmapBytes.h"

#include <gtest/gtest.h>

namespace {

Colour Pattern(int x, int y)
{
    return static_cast<Colour>((x * 40) | ((y * 50) << 8) | (((x + y) * 20) << 16));
}

void ExpectPattern(const Surface& s, int w, int h)
{
    ASSERT_EQ(s.Width, w);
    ASSERT_EQ(s.Height, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            ASSERT_EQ(s.PixelAt(x, y), Pattern(x, y)) << x << "," << y;
        }
    }
}

TEST(BitmapTest, DirectColourRowsAreBottomUpAndPadded)
{
    // Width 3 at 24 bits pads each 9-byte row to 12.
    for (int bits : {24, 32}) {
        for (int w : {3, 5}) {
            Surface s;
            ASSERT_TRUE(s.LoadBitmapImage(testbmp::Direct(w, 4, bits, Pattern), 0, 0, false, 0)) << bits;
            ExpectPattern(s, w, 4);
        }
    }
}

TEST(BitmapTest, TopDownRowsAreReadTopDown)
{
    Surface s;
    ASSERT_TRUE(s.LoadBitmapImage(testbmp::Direct(3, -4, 24, Pattern), 0, 0, false, 0));
    ExpectPattern(s, 3, 4);
}

TEST(BitmapTest, IndexedColoursGoThroughTheColourTable)
{
    const std::vector<Colour> palette = {0x000000, 0x0000FF, 0x00FF00, 0xFF0000, 0x123456};
    const auto index = [](int x, int y) { return (x + 2 * y) % 5; };
    for (int bits : {4, 8}) {
        Surface s;
        ASSERT_TRUE(s.LoadBitmapImage(testbmp::Indexed(7, 3, bits, palette, index), 0, 0, false, 0)) << bits;
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 7; ++x) {
                EXPECT_EQ(s.PixelAt(x, y), palette[index(x, y)]) << bits << ":" << x << "," << y;
            }
        }
    }
    // One bit a pixel: the leftmost pixel is the highest bit; 11 pixels need two bytes a row.
    Surface mono;
    const auto bit = [](int x, int y) { return (x + y) % 3 == 0 ? 1 : 0; };
    ASSERT_TRUE(mono.LoadBitmapImage(testbmp::Indexed(11, 2, 1, {0x000000, 0xFFFFFF}, bit), 0, 0, false, 0));
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 11; ++x) {
            EXPECT_EQ(mono.PixelAt(x, y), bit(x, y) ? 0xFFFFFFu : 0u) << x << "," << y;
        }
    }
}

TEST(BitmapTest, TransparentImagesHideOnlyExactBlack)
{
    // Near-black is a colour, black is the key.
    const auto colour = [](int x, int) {
        return x == 0 ? Colour{0} : x == 1 ? Colour{0x010000} : Colour{0x0000FF};
    };
    Surface s;
    ASSERT_TRUE(s.LoadBitmapImage(testbmp::Direct(3, 1, 24, colour), 0, 0, true, 0));
    auto dest = Surface::CreateCanvas(nullptr, 3, 1);
    dest->Clear(0x00FF00);
    Surface::DrawImage(*dest, 0, 0, nullptr, s);
    EXPECT_EQ(dest->PixelAt(0, 0), 0x00FF00u);
    EXPECT_EQ(dest->PixelAt(1, 0), 0x010000u);
    EXPECT_EQ(dest->PixelAt(2, 0), 0x0000FFu);
}

TEST(BitmapTest, EveryTruncationIsRefusedWithoutReadingPastTheBytes)
{
    for (int bits : {8, 24}) {
        const auto full = bits == 8
                              ? testbmp::Indexed(5, 3, 8, {0, 0xFFFFFF}, [](int x, int) { return x & 1; })
                              : testbmp::Direct(5, 3, 24, Pattern);
        for (std::size_t n = 0; n < full.size(); ++n) {
            // A copy of exactly n bytes, so that the sanitizer sees any read past them.
            const std::vector<std::uint8_t> cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
            Surface s;
            EXPECT_FALSE(s.LoadBitmapImage(cut, 0, 0, true, 0)) << bits << " bits, " << n << " bytes";
            EXPECT_TRUE(s.IsEmpty());
        }
    }
}

TEST(BitmapTest, ImpossibleHeadersGiveAnEmptyImageThatDrawsNothing)
{
    const auto good = testbmp::Direct(4, 4, 24, Pattern);
    struct Case
    {
        const char* what;
        std::size_t at;
        std::uint32_t value;
        bool wide;
    };
    const Case cases[] = {
        {"not BM", 0, 'X', false},
        {"short info header", 14, 12, true},
        {"newer info header", 14, 124, true},
        {"zero width", 18, 0, true},
        {"negative width", 18, static_cast<std::uint32_t>(-4), true},
        {"zero height", 22, 0, true},
        {"most negative height", 22, 0x80000000u, true},
        {"huge width", 18, 0x7FFFFFFF, true},
        {"huge height", 22, 100000, true},
        {"claims more rows than it holds", 22, 5, true},
        {"two planes", 26, 2, false},
        {"16 bits", 28, 16, false},
        {"zero bits", 28, 0, false},
        {"run-length compressed", 30, 1, true},
        {"bit fields", 30, 3, true},
    };
    for (const Case& c : cases) {
        auto bytes = good;
        if (c.wide) {
            testbmp::Put32(bytes, c.at, c.value);
        } else if (c.at == 0) {
            bytes[0] = static_cast<std::uint8_t>(c.value);
        } else {
            testbmp::Put16(bytes, c.at, c.value);
        }
        Surface s;
        EXPECT_FALSE(s.LoadBitmapImage(bytes, 3, 4, false, 4)) << c.what;
        EXPECT_EQ(s.Width, 0) << c.what;
        EXPECT_EQ(s.Height, 0) << c.what;
        auto dest = Surface::CreateCanvas(nullptr, 4, 4);
        dest->Clear(0xFFFFFF);
        Surface::DrawImage(*dest, 0, 0, nullptr, s);
        Surface::DrawFrame(*dest, 0, 0, 0, s);
        Surface::StretchBlit(*dest, {0, 0, 4, 4}, s, true, {0, 0, 4, 4});
        EXPECT_EQ(dest->PixelAt(1, 1), 0xFFFFFFu) << c.what;
    }
}

TEST(BitmapTest, ReloadingReplacesThePictureAndABadReloadEmptiesIt)
{
    Surface s;
    ASSERT_TRUE(s.LoadBitmapImage(testbmp::Direct(6, 2, 24, Pattern), 4, 3, true, 2));
    EXPECT_EQ(s.FramesAcross, 2);
    EXPECT_EQ(s.FramesDown, 1);
    ASSERT_TRUE(s.LoadBitmapImage(testbmp::Direct(3, 4, 32, Pattern), 0, 0, false, 0));
    ExpectPattern(s, 3, 4);
    EXPECT_FALSE(s.Transparent);
    EXPECT_FALSE(s.LoadBitmapImage(std::vector<std::uint8_t>(10, 0), 2, 8, true, 8));
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_EQ(s.FrameLayout, 2);
    EXPECT_EQ(s.FrameWidth, 8);
    EXPECT_EQ(s.PixelAt(0, 0), 0u);
}

} // namespace
