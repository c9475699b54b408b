// Tests of drawing sprite pieces and background pieces of panels.
#include "graphics/Surface.h"
#include "support/BitmapBytes.h"

#include <gtest/gtest.h>

namespace {

constexpr Colour Red = 0x0000FF;
constexpr Colour Blue = 0xFF0000;
constexpr Colour Green = 0x00FF00;
constexpr Colour White = 0xFFFFFF;
constexpr Colour Yellow = 0x00FFFF;

class PanelPieceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        saved = ScreenSize;
        ScreenSize = {1000, 500};
        dest = Surface::CreateCanvas(nullptr, 1000, 500);
        dest->Clear(White);
        scratch = Surface::CreateCanvas(nullptr, 192, 128);
        scratch->Clear(Yellow);
        // The panel's background: red left half, blue right half.
        background.LoadBitmapImage(
            testbmp::Direct(100, 50, 24, [](int x, int) { return x < 50 ? Red : Blue; }), 0, 0, false, 0);
        // A 20 x 20 sprite strip of two frames: a green square on black (the key colour).
        sprite.LoadBitmapImage(testbmp::Direct(20, 40, 24,
                                               [](int x, int y) {
                                                   const int fy = y % 20;
                                                   const bool inner = x >= 5 && x < 15 && fy >= 5 && fy < 15;
                                                   return inner ? (y < 20 ? Green : Red) : Colour{0};
                                               }),
                               3, 20, true, 20);
    }
    void TearDown() override { ScreenSize = saved; }

    int CountOther(const Rect& r, Colour c) const
    {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y) {
            for (int x = r.Left; x < r.Right; ++x) {
                n += dest->PixelAt(x, y) != c;
            }
        }
        return n;
    }

    ScreenSizeRecord saved;
    std::unique_ptr<Surface> dest;
    std::unique_ptr<Surface> scratch;
    Surface background;
    Surface sprite;
    // The panel spans (100, 100) to (500, 300) on the 1000 x 500 screen.
    const RelRect panel{0.1f, 0.2f, 0.5f, 0.6f};
};

TEST_F(PanelPieceTest, BackgroundPartComesFromThePlaceBehindThePiece)
{
    // The right quarter of the panel, relative to its origin: blue in the background.
    const RelRect piece = MakeRelRect(0.3f, 0.1f, 0.1f, 0.2f);
    DrawBackgroundPart(*dest, piece, panel, &background);
    EXPECT_EQ(CountOther({400, 150, 500, 250}, Blue), 0);
    EXPECT_EQ(dest->PixelAt(399, 200), White);
    EXPECT_EQ(dest->PixelAt(450, 250), White);
    // The left quarter is red.
    DrawBackgroundPart(*dest, MakeRelRect(0.0f, 0.0f, 0.1f, 0.4f), panel, &background);
    EXPECT_EQ(CountOther({100, 100, 200, 300}, Red), 0);
    // No background, or a panel without extent, draws nothing.
    DrawBackgroundPart(*dest, piece, panel, nullptr);
    DrawBackgroundPart(*dest, MakeRelRect(0.0f, 0.0f, 0.5f, 0.5f), {0.1f, 0.1f, 0.1f, 0.5f}, &background);
    EXPECT_EQ(CountOther({0, 0, 100, 500}, White), 0);
}

TEST_F(PanelPieceTest, SpriteFrameIsDrawnOverTheBackgroundBehindIt)
{
    // 40 x 40 pixels at (400, 150): the sprite is doubled, its key pixels show the blue background.
    DrawSpriteButton(*dest, MakeRelRect(0.3f, 0.1f, 0.04f, 0.08f), &sprite, *scratch, &background, panel, 1);
    EXPECT_EQ(dest->PixelAt(402, 152), Blue);
    EXPECT_EQ(dest->PixelAt(437, 187), Blue);
    EXPECT_EQ(CountOther({414, 164, 426, 176}, Red), 0);
    EXPECT_EQ(dest->PixelAt(399, 150), White);
    EXPECT_EQ(dest->PixelAt(440, 190), White);
    // Frame 0 is the green one.
    DrawSpriteButton(*dest, MakeRelRect(0.3f, 0.1f, 0.04f, 0.08f), &sprite, *scratch, &background, panel, 0);
    EXPECT_EQ(CountOther({414, 164, 426, 176}, Green), 0);
}

TEST_F(PanelPieceTest, WithoutABackgroundTransparentPartsKeepTheDestination)
{
    // The scratch canvas holds yellow from an earlier piece; none of it may show.
    DrawSpriteButton(*dest, MakeRelRect(0.0f, 0.0f, 0.04f, 0.08f), &sprite, *scratch, nullptr, panel, 0);
    EXPECT_EQ(CountOther({100, 100, 108, 108}, White), 0);
    EXPECT_EQ(CountOther({114, 114, 126, 126}, Green), 0);
    EXPECT_EQ(CountOther({100, 100, 140, 140}, Yellow), 40 * 40);
}

TEST_F(PanelPieceTest, PiecesLargerThanTheScratchCanvasAreDrawnWhole)
{
    Surface big;
    big.LoadBitmapImage(testbmp::Direct(300, 200, 24, [](int x, int) { return x < 150 ? Green : Colour{0}; }),
                        0, 0, true, 0);
    DrawSpriteButton(*dest, MakeRelRect(0.0f, 0.0f, 0.3f, 0.4f), &big, *scratch, &background, panel, 0);
    EXPECT_EQ(CountOther({100, 100, 248, 300}, Green), 0);
    // Background: red up to x = 300 (a quarter of the background's width), then blue.
    EXPECT_EQ(CountOther({252, 100, 297, 300}, Red), 0);
    EXPECT_EQ(CountOther({303, 100, 400, 300}, Blue), 0);
}

TEST_F(PanelPieceTest, NothingWithoutASpriteOrOutsideTheSheet)
{
    DrawSpriteButton(*dest, MakeRelRect(0.0f, 0.0f, 0.1f, 0.1f), nullptr, *scratch, &background, panel, 0);
    DrawSpriteButton(*dest, MakeRelRect(0.0f, 0.0f, 0.1f, 0.1f), &sprite, *scratch, nullptr, panel, 2);
    DrawSpriteButton(*dest, MakeRelRect(0.0f, 0.0f, 0.1f, 0.1f), &sprite, *scratch, nullptr, panel, -1);
    EXPECT_EQ(CountOther({0, 0, 1000, 500}, White), 0);
}

} // namespace
