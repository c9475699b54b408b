// The one palette of the game's pictures: ground, roads, buildings, interface and player colours.
#pragma once

#include "report/PlayerColours.h"

#include <cstdint>

namespace Palette {

struct Rgb
{
    double R = 0;
    double G = 0;
    double B = 0;
};

constexpr Rgb FromBytes(int r, int g, int b)
{
    return Rgb{r / 255.0, g / 255.0, b / 255.0};
}

// Blend a toward b by t (0 = a, 1 = b).
constexpr Rgb Mix(const Rgb& a, const Rgb& b, double t)
{
    return Rgb{a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t};
}
constexpr Rgb Lighter(const Rgb& c, double t)
{
    return Mix(c, Rgb{1, 1, 1}, t);
}
constexpr Rgb Darker(const Rgb& c, double t)
{
    return Mix(c, Rgb{0, 0, 0}, t);
}

// A colour of the game's 0x00BBGGRR values.
constexpr Rgb FromColour(std::uint32_t colour)
{
    return FromBytes(static_cast<int>(colour & 0xFF), static_cast<int>(colour >> 8 & 0xFF),
                     static_cast<int>(colour >> 16 & 0xFF));
}

// Players, slot 0 to 5: the game's player colours, which the report's chart draws too.
constexpr Rgb Player[6] = {FromColour(PlayerColours[0]), FromColour(PlayerColours[1]),
                           FromColour(PlayerColours[2]), FromColour(PlayerColours[3]),
                           FromColour(PlayerColours[4]), FromColour(PlayerColours[5])};
// Digits on a player's colour.
constexpr Rgb PlayerInk[6] = {FromColour(PlayerInkColours[0]), FromColour(PlayerInkColours[1]),
                              FromColour(PlayerInkColours[2]), FromColour(PlayerInkColours[3]),
                              FromColour(PlayerInkColours[4]), FromColour(PlayerInkColours[5])};

// Outlines: a dark brown-grey, never pure black.
constexpr Rgb Outline = FromBytes(30, 26, 24);
constexpr Rgb Shadow = FromBytes(52, 64, 40);

// Ground.
constexpr Rgb Grass = FromBytes(118, 168, 72);
constexpr Rgb GrassDark = FromBytes(92, 140, 58);
constexpr Rgb GrassLight = FromBytes(150, 192, 92);
constexpr Rgb Earth = FromBytes(168, 128, 88);
constexpr Rgb EarthDark = FromBytes(132, 98, 66);
constexpr Rgb Sand = FromBytes(226, 204, 150);
constexpr Rgb Water = FromBytes(44, 104, 150);
constexpr Rgb WaterDeep = FromBytes(28, 72, 118);
constexpr Rgb WaterLight = FromBytes(96, 156, 196);
constexpr Rgb Foam = FromBytes(214, 234, 240);

// Streets.
constexpr Rgb Asphalt = FromBytes(104, 100, 96);
constexpr Rgb AsphaltLight = FromBytes(124, 119, 113);
constexpr Rgb LaneMark = FromBytes(238, 226, 190);
constexpr Rgb Kerb = FromBytes(200, 194, 180);
constexpr Rgb Pavement = FromBytes(184, 176, 160);
constexpr Rgb PavementDark = FromBytes(158, 150, 136);
constexpr Rgb ArrowPaint = FromBytes(250, 236, 150);

// Buildings.
constexpr Rgb Stone = FromBytes(226, 214, 188);
constexpr Rgb StoneDark = FromBytes(190, 176, 150);
constexpr Rgb Brick = FromBytes(178, 92, 64);
constexpr Rgb Concrete = FromBytes(170, 170, 166);
constexpr Rgb ConcreteDark = FromBytes(128, 128, 126);
constexpr Rgb WhiteWall = FromBytes(240, 238, 230);
constexpr Rgb Plaster = FromBytes(236, 222, 192);
constexpr Rgb Glass = FromBytes(120, 170, 214);
constexpr Rgb GlassDark = FromBytes(62, 104, 150);
constexpr Rgb WindowLit = FromBytes(252, 226, 140);
constexpr Rgb Window = FromBytes(78, 108, 140);
constexpr Rgb RoofGrey = FromBytes(112, 112, 120);
constexpr Rgb Copper = FromBytes(96, 168, 142);
constexpr Rgb Gold = FromBytes(224, 178, 60);
constexpr Rgb GoldLight = FromBytes(250, 220, 120);
constexpr Rgb PoliceBlue = FromBytes(46, 82, 150);
constexpr Rgb CrossRed = FromBytes(214, 40, 40);
constexpr Rgb Foliage = FromBytes(70, 130, 56);
constexpr Rgb FoliageLight = FromBytes(112, 170, 72);
constexpr Rgb Trunk = FromBytes(110, 78, 50);
constexpr Rgb Skin = FromBytes(236, 188, 150);

// Interface.
constexpr Rgb Brass = FromBytes(200, 160, 72);
constexpr Rgb BrassLight = FromBytes(246, 218, 140);
constexpr Rgb BrassDark = FromBytes(128, 94, 36);
constexpr Rgb Walnut = FromBytes(94, 60, 36);
constexpr Rgb WalnutLight = FromBytes(132, 90, 56);
constexpr Rgb WalnutDark = FromBytes(58, 36, 22);
constexpr Rgb Paper = FromBytes(244, 234, 208);
constexpr Rgb PaperDark = FromBytes(220, 204, 170);
constexpr Rgb Felt = FromBytes(36, 96, 62);
constexpr Rgb FeltDark = FromBytes(22, 66, 42);
constexpr Rgb FeltLight = FromBytes(52, 124, 82);
constexpr Rgb Ink = FromBytes(52, 40, 32);
constexpr Rgb Newsprint = FromBytes(236, 232, 220);
constexpr Rgb Disabled = FromBytes(150, 150, 142);
constexpr Rgb Dusk = FromBytes(60, 52, 96);
constexpr Rgb DuskGlow = FromBytes(244, 150, 90);

} // namespace Palette
