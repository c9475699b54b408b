// Tests of the help in the game folder: the page, every picture and file it refers to, its own
// anchors, and helppics' refusals.
#include "support/TempDir.h"
#include "support/ToolRun.h"

#include <algorithm>
#include <cairo.h>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

const std::filesystem::path GameDir = TARNHOLLOW_GAME_DIR;

// The values of every attribute name="…" of the page, in order.
std::vector<std::string> Attributes(const std::string& page, const std::string& name)
{
    std::vector<std::string> values;
    const std::regex attribute(std::string("\\b").append(name).append("=\"([^\"]*)\""));
    for (auto it = std::sregex_iterator(page.begin(), page.end(), attribute); it != std::sregex_iterator();
         ++it) {
        values.push_back((*it)[1].str());
    }
    return values;
}

// How many different colours the drawn (not fully transparent) pixels of a PNG have, up to 2.
int DrawnColours(const std::filesystem::path& file)
{
    cairo_surface_t* png = cairo_image_surface_create_from_png(file.string().c_str());
    int colours = 0;
    if (cairo_surface_status(png) == CAIRO_STATUS_SUCCESS) {
        cairo_surface_flush(png);
        const int width = cairo_image_surface_get_width(png);
        const int height = cairo_image_surface_get_height(png);
        const int stride = cairo_image_surface_get_stride(png);
        const unsigned char* data = cairo_image_surface_get_data(png);
        const bool alpha = cairo_image_surface_get_format(png) == CAIRO_FORMAT_ARGB32;
        std::uint32_t first = 0;
        for (int y = 0; y < height && colours < 2; ++y) {
            for (int x = 0; x < width && colours < 2; ++x) {
                std::uint32_t pixel = 0;
                std::memcpy(&pixel, data + y * stride + x * 4, 4);
                if (alpha && (pixel >> 24) == 0) {
                    continue;
                }
                pixel = alpha ? pixel : pixel & 0xFFFFFF;
                if (colours == 0) {
                    first = pixel;
                    colours = 1;
                } else if (pixel != first) {
                    colours = 2;
                }
            }
        }
    }
    cairo_surface_destroy(png);
    return colours;
}

TEST(Help, EveryPictureAndFileThePageNamesIsInTheGameFolderAndShowsSomething)
{
    const std::vector<std::uint8_t> bytes = TempDir::Read((GameDir / "Tarnhollow.html").string());
    ASSERT_FALSE(bytes.empty()) << "the build leaves Tarnhollow.html beside the program";
    const std::string page(bytes.begin(), bytes.end());

    std::vector<std::string> files = Attributes(page, "src");
    for (const std::string& link : Attributes(page, "href")) {
        if (!link.empty() && link[0] != '#') {
            files.push_back(link);
        }
    }
    EXPECT_GE(files.size(), 40u) << "the help shows the game's pictures";
    std::set<std::string> pictures;
    for (const std::string& file : files) {
        // Everything the page uses comes with it: no address elsewhere, no folder above the game's.
        EXPECT_EQ(file.find(':'), std::string::npos) << file;
        EXPECT_EQ(file.find(".."), std::string::npos) << file;
        EXPECT_NE(file[0], '/') << file;
        const std::filesystem::path path = GameDir / file;
        EXPECT_TRUE(std::filesystem::is_regular_file(path)) << file;
        if (path.extension() == ".png" && pictures.insert(file).second) {
            EXPECT_EQ(DrawnColours(path), 2) << file << " is missing, unreadable, empty or of one colour";
        }
    }
}

TEST(Help, EveryLinkWithinThePageAndEveryEntryOfTheContentsLeadsToItsPlace)
{
    const std::vector<std::uint8_t> bytes = TempDir::Read((GameDir / "Tarnhollow.html").string());
    const std::string page(bytes.begin(), bytes.end());
    std::set<std::string> ids;
    for (const std::string& id : Attributes(page, "id")) {
        EXPECT_TRUE(ids.insert(id).second) << "id " << id << " is given twice";
    }
    std::set<std::string> targets;
    for (const std::string& link : Attributes(page, "href")) {
        if (!link.empty() && link[0] == '#') {
            EXPECT_TRUE(ids.count(link.substr(1)) == 1) << link << " leads nowhere";
            targets.insert(link.substr(1));
        }
    }
    // The contents list every section of the page.
    const std::size_t navStart = page.find("<nav");
    const std::size_t navEnd = page.find("</nav>");
    ASSERT_NE(navStart, std::string::npos);
    ASSERT_NE(navEnd, std::string::npos);
    const std::vector<std::string> contents = Attributes(page.substr(navStart, navEnd - navStart), "href");
    const std::string sections = page.substr(navEnd);
    const std::regex section("<section id=\"([^\"]+)\"");
    int count = 0;
    for (auto it = std::sregex_iterator(sections.begin(), sections.end(), section);
         it != std::sregex_iterator(); ++it, ++count) {
        const std::string link = std::string(1, '#').append((*it)[1].str());
        EXPECT_NE(std::find(contents.begin(), contents.end(), link), contents.end())
            << "the contents lack " << link;
    }
    EXPECT_GE(count, 10);
}

TEST(Help, PicturesAreRefusedWithoutTheGamesArt)
{
    TempDir dir;
    ToolRun run = RunTool("helppics", {"--game", dir.File(""), "--out", dir.File("help")}, dir);
    EXPECT_EQ(run.Status, 1);
    EXPECT_NE(run.Err.find("blank"), std::string::npos) << run.Err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("help")));
    run = RunTool("helppics", {"--size"}, dir);
    EXPECT_EQ(run.Status, 2);
    EXPECT_NE(run.Err.find("usage"), std::string::npos) << run.Err;
}

} // namespace
