// Tests of uishot: chosen shots written as PNG files of the screen's size with the dialog window
// over the board, and clear refusals.
#include "support/TempDir.h"
#include "support/ToolRun.h"

#include <cairo.h>
#include <cstdint>
#include <cstring>
#include <gtest/gtest.h>

namespace {

const std::string GameDir = TARNHOLLOW_GAME_DIR;

// Pixels of the PNG equal to rgb (0xRRGGBB), and the PNG's size.
int CountColour(const std::string& path, std::uint32_t rgb, int& width, int& height)
{
    cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(png) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(png);
        width = height = 0;
        return 0;
    }
    cairo_surface_flush(png);
    width = cairo_image_surface_get_width(png);
    height = cairo_image_surface_get_height(png);
    int n = 0;
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = cairo_image_surface_get_data(png) + y * cairo_image_surface_get_stride(png);
        for (int x = 0; x < width; ++x) {
            std::uint32_t p = 0;
            std::memcpy(&p, row + x * 4, 4);
            n += (p & 0xFFFFFF) == rgb ? 1 : 0;
        }
    }
    cairo_surface_destroy(png);
    return n;
}

TEST(Uishot, WritesTheChosenShotsWithTheDialogOverTheBoard)
{
    TempDir dir;
    const std::string out = dir.File("shots");
    for (const char* only : {"event-04", "mortgage"}) {
        const ToolRun run =
            RunTool("uishot", {"--game", GameDir, "--size", "1024x768", "--out", out, "--only", only}, dir);
        ASSERT_EQ(run.Status, 0) << run.Err;
    }
    // The dialog's caption bar lies over the board: a 0.22-wide dialog's bar is some 4000 pixels.
    constexpr std::uint32_t CaptionBar = 0x6E4E30;
    for (const char* name : {"event-04-rent", "mortgage"}) {
        int width = 0;
        int height = 0;
        const int caption = CountColour(out + "/" + name + ".png", CaptionBar, width, height);
        EXPECT_EQ(width, 1024) << name;
        EXPECT_EQ(height, 768) << name;
        EXPECT_GT(caption, 3000) << name;
    }
    // Only what was asked for.
    EXPECT_FALSE(std::filesystem::exists(out + "/event-05-treasury-pay.png"));
}

TEST(Uishot, TheMenuDialogsAreShotWithListsOfTheirOwnThatLeaveNothingBehind)
{
    TempDir dir;
    const std::string out = dir.File("shots");
    const auto leftovers = [] {
        int n = 0;
        for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::temp_directory_path()))
            n += entry.path().filename().string().starts_with("tarnhollow-uishot-") ? 1 : 0;
        return n;
    };
    const int before = leftovers();
    const ToolRun run = RunTool(
        "uishot", {"--game", GameDir, "--size", "1024x768", "--out", out, "--only", "menu-save"}, dir);
    ASSERT_EQ(run.Status, 0) << run.Err;
    constexpr std::uint32_t CaptionBar = 0x6E4E30;
    for (const char* name : {"menu-save", "menu-save-replace"}) {
        int width = 0;
        int height = 0;
        EXPECT_GT(CountColour(out + "/" + name + ".png", CaptionBar, width, height), 3000) << name;
    }
    EXPECT_EQ(leftovers(), before);
    EXPECT_FALSE(std::filesystem::exists(GameDir + "/SAVES/game1.sav"));
}

TEST(Uishot, ListsItsShotsAndRefusesUnknownNamesAndBadSizes)
{
    TempDir dir;
    ToolRun run = RunTool("uishot", {"--list", "--only", "decision"}, dir);
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, "decision-00-buy\ndecision-01-build\ndecision-02-job\ndecision-03-school\n");
    run = RunTool("uishot", {"--game", GameDir, "--only", "no-such-shot"}, dir);
    EXPECT_EQ(run.Status, 2);
    EXPECT_NE(run.Err.find("no-such-shot"), std::string::npos) << run.Err;
    run = RunTool("uishot", {"--game", GameDir, "--size", "20x20"}, dir);
    EXPECT_EQ(run.Status, 2);
    EXPECT_NE(run.Err.find("size"), std::string::npos) << run.Err;
    run = RunTool("uishot", {"--game", dir.File(""), "--out", dir.File("x")}, dir);
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Err.find("res00.dat"), std::string::npos) << run.Err;
}

} // namespace
