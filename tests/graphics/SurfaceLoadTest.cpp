// Tests of loading images by name from an archive: PCX and bitmap items, frames, missing items.
#include "archive/ArchiveWriter.h"
#include "archive/UtilsPcx.h"
#include "graphics/Surface.h"
#include "support/BitmapBytes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

constexpr Colour Red = 0x0000FF;
constexpr Colour Green = 0x00FF00;
constexpr Colour Blue = 0xFF0000;
constexpr Colour Black = 0x000000;
constexpr Colour Grey = 0x808080;

// 7 x 3 (a width that is not a multiple of 4): top line red, middle green with a black middle
// pixel, bottom blue.
Colour Sample(int x, int y)
{
    if (y == 1 && x == 3) {
        return Black;
    }
    return y == 0 ? Red : y == 1 ? Green : Blue;
}

class SurfaceLoad : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::vector<std::uint32_t> colours;
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 7; ++x) {
                colours.push_back(Sample(x, y));
            }
        }
        ArchiveWriter writer;
        ASSERT_TRUE(writer.Add("Sheet", 1, EncodePcxFromColours(7, 3, colours).value()));
        ASSERT_TRUE(writer.Add("Stored", 0,
                               testbmp::Direct(6, 4, 24, [](int x, int) { return x < 3 ? Red : Grey; })));
        ASSERT_TRUE(writer.Add("Sound", 0, {'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'}));
        Archive = Dir.Write("res00.dat", writer.Image());
    }

    TempDir Dir;
    std::string Archive;
};

} // namespace

TEST_F(SurfaceLoad, PcxItemsLoadUprightWithTheirColours)
{
    Surface image;
    image.LoadImage(0, 0, "SHEET", Archive, false, 0);
    ASSERT_EQ(image.Width, 7);
    ASSERT_EQ(image.Height, 3);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 7; ++x) {
            EXPECT_EQ(image.PixelAt(x, y), Sample(x, y)) << x << "," << y;
        }
    }
    EXPECT_EQ(image.KeyColour, 0u);
}

TEST_F(SurfaceLoad, TransparentImagesLeaveTheirBlackPixelsUndrawn)
{
    Surface image;
    image.LoadImage(0, 0, "sheet", Archive, true, 0);
    ASSERT_FALSE(image.IsEmpty());
    auto canvas = Surface::CreateCanvas(nullptr, 7, 3);
    canvas->Clear(Grey);
    Surface::DrawImage(*canvas, 0, 0, nullptr, image);
    EXPECT_EQ(canvas->PixelAt(3, 1), Grey);
    EXPECT_EQ(canvas->PixelAt(2, 1), Green);
    EXPECT_EQ(canvas->PixelAt(6, 2), Blue);
}

TEST_F(SurfaceLoad, FramesAreSetForEveryLayoutAndCountedForTheGrid)
{
    Surface grid;
    grid.LoadImage(4, 2, "Stored", Archive, true, 3);
    EXPECT_EQ(grid.FrameLayout, 4);
    EXPECT_EQ(grid.FrameWidth, 2);
    EXPECT_EQ(grid.FrameHeight, 3);
    EXPECT_TRUE(grid.Transparent);
    EXPECT_EQ(grid.FramesAcross, 3);
    EXPECT_EQ(grid.FramesDown, 1);
    EXPECT_EQ(grid.PixelAt(0, 0), Red);
    EXPECT_EQ(grid.PixelAt(5, 3), Grey);

    Surface strip;
    strip.LoadImage(3, 7, "sheet", Archive, false, 1);
    EXPECT_EQ(strip.FrameLayout, 3);
    EXPECT_EQ(strip.FramesAcross, 0) << "frame counts belong to the grid layout only";
    EXPECT_EQ(strip.FrameSource(2), (Rect{0, 2, 7, 3}));

    Surface noFrames;
    noFrames.LoadImage(4, 0, "sheet", Archive, false, 0);
    EXPECT_EQ(noFrames.FramesAcross, 0);
    EXPECT_EQ(noFrames.FramesDown, 0);
}

TEST_F(SurfaceLoad, MissingOrUnreadableItemsGiveAnEmptyImageThatDrawsNothing)
{
    auto canvas = Surface::CreateCanvas(nullptr, 8, 8);
    for (const auto& [item, archive] : std::vector<std::pair<std::string, std::string>>{
             {"Nothing", Archive}, {"Sound", Archive}, {"Sheet", Dir.File("res99.dat")}}) {
        Surface image;
        image.LoadImage(4, 48, "Stored", Archive, true, 48);
        ASSERT_FALSE(image.IsEmpty());
        // Reloading an image that exists frees the old picture first.
        image.LoadImage(4, 48, item, archive, true, 48);
        EXPECT_TRUE(image.IsEmpty()) << item;
        EXPECT_EQ(image.Width, 0);
        EXPECT_EQ(image.Height, 0);
        EXPECT_EQ(image.FrameWidth, 48);
        EXPECT_EQ(image.FramesAcross, 0);
        canvas->Clear(Grey);
        Surface::DrawImage(*canvas, 0, 0, nullptr, image);
        Surface::DrawFrame(*canvas, 0, 0, 3, image);
        EXPECT_EQ(canvas->PixelAt(0, 0), Grey);
    }
}
