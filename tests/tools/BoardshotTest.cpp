// Tests of boardshot: the game folder's board drawn into a PNG of the asked size, and clear
// refusals.
#include "support/TempDir.h"
#include "support/ToolRun.h"

#include <cairo.h>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>

namespace {

const std::string GameDir = TARNHOLLOW_GAME_DIR;

// The pixel at (x, y) of a PNG as 0x00RRGGBB.
std::uint32_t PngPixel(cairo_surface_t* png, int x, int y)
{
    cairo_surface_flush(png);
    const std::uint8_t* row = cairo_image_surface_get_data(png) + y * cairo_image_surface_get_stride(png);
    std::uint32_t p = 0;
    std::memcpy(&p, row + x * 4, 4);
    return p & 0xFFFFFF;
}

TEST(Boardshot, DrawsTheBoardBelowTheGameScreensPanels)
{
    TempDir dir;
    const std::string out = dir.File("board.png");
    const ToolRun run = RunTool("boardshot", {"--game", GameDir, "--size", "1024x768", "--out", out}, dir);
    ASSERT_EQ(run.Status, 0) << run.Err;
    cairo_surface_t* png = cairo_image_surface_create_from_png(out.c_str());
    ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(png), 1024);
    EXPECT_EQ(cairo_image_surface_get_height(png), 768);
    // The panels' strip (top 16 %) is left black; the board fills everything below it.
    int black = 0;
    for (int y = 0; y < 768; y += 8) {
        for (int x = 0; x < 1024; x += 8) {
            const bool isBlack = PngPixel(png, x, y) == 0;
            if (y < 122) {
                EXPECT_TRUE(isBlack) << x << "," << y;
            } else {
                black += isBlack ? 1 : 0;
            }
        }
    }
    EXPECT_LT(black, 20); // outlines of pictures at most
    cairo_surface_destroy(png);
}

TEST(Boardshot, RefusesBadSizesAndReportsMissingPictures)
{
    TempDir dir;
    ToolRun run = RunTool("boardshot", {"--game", GameDir, "--size", "20x20"}, dir);
    EXPECT_EQ(run.Status, 2);
    EXPECT_NE(run.Err.find("size"), std::string::npos) << run.Err;
    run = RunTool("boardshot", {"--game", dir.File(""), "--out", dir.File("x.png")}, dir);
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Err.find("table0"), std::string::npos) << run.Err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("x.png")));
    run = RunTool("boardshot", {"--bogus"}, dir);
    EXPECT_EQ(run.Status, 2);
    EXPECT_NE(run.Err.find("usage"), std::string::npos) << run.Err;
}

} // namespace
