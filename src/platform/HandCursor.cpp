// The pointing-hand cursor, drawn by the program.
#include "platform/Application.h"

#include <array>
#include <string_view>

CursorImage HandCursorImage()
{
    // '#' outline, 'o' fill; the tip of the index finger is the hot spot.
    // clang-format off
    static constexpr std::array<std::string_view, 22> Art{{
        "     ##           ",
        "    #oo#          ",
        "    #oo#          ",
        "    #oo#          ",
        "    #oo#          ",
        "    #oo###        ",
        "    #oo#oo###     ",
        "    #oo#oo#oo##   ",
        "    #oo#oo#oo#o#  ",
        "### #oo#oo#oo#oo# ",
        "#oo##oooooooooooo#",
        "#ooo#oooooooooooo#",
        " #oo#oooooooooooo#",
        "  #oooooooooooooo#",
        "  #ooooooooooooo# ",
        "   #oooooooooooo# ",
        "   #ooooooooooo#  ",
        "    #oooooooooo#  ",
        "    #oooooooooo#  ",
        "     #oooooooo#   ",
        "     #oooooooo#   ",
        "     ##########   ",
    }};
    // clang-format on
    CursorImage image;
    image.Width = 32;
    image.Height = 32;
    image.HotX = 5;
    image.HotY = 0;
    image.Pixels.assign(32 * 32, 0);
    for (std::size_t y = 0; y < Art.size(); ++y) {
        for (std::size_t x = 0; x < Art[y].size(); ++x) {
            const char c = Art[y][x];
            if (c == '#')
                image.Pixels[y * 32 + x] = 0xFF000000u;
            else if (c == 'o')
                image.Pixels[y * 32 + x] = 0xFFFFFFFFu;
        }
    }
    return image;
}
