// Tile sheets for the board view tests, made at the real frame geometry: every frame is filled
// with a colour of its own, so a sampled pixel tells which frame was drawn there.
#pragma once

#include "boardview/BoardView.h"
#include "graphics/PictureCatalog.h"
#include "graphics/Surface.h"
#include "support/BitmapBytes.h"

#include <cstdlib>
#include <memory>

namespace testsheets {

enum Sheet
{
    Blank = 0,
    Table0 = 1,
    Table1 = 2,
    Dice = 3,
};

// The colour of frame n of a sheet: never black (black is transparent) and never repeated.
inline Colour FrameColour(Sheet sheet, int n)
{
    return static_cast<Colour>((n * 3 + 1) | ((0x30 + static_cast<int>(sheet) * 0x40) << 8) | (0x33 << 16));
}
// The colour of the small square above a "table1" frame's diamond (where only lifted pictures reach).
inline Colour RoofColour(int n)
{
    return FrameColour(Table1, n) ^ 0x00800000;
}

// Whether pixel (u, v) of a w x h frame lies inside the diamond of the rows top..h-1.
inline bool InDiamond(int u, int v, int w, int h, int top)
{
    const double dx = std::abs(u + 0.5 - w / 2.0) / (w / 2.0);
    const double dy = std::abs(v + 0.5 - top - (h - top) / 2.0) / ((h - top) / 2.0);
    return dx + dy < 1.0;
}

// What a frame holds at (u, v); 0 is transparent.
inline Colour FramePixel(Sheet sheet, int n, int u, int v)
{
    switch (sheet) {
    case Blank:
    case Table0:
        return InDiamond(u, v, 144, 96, 0) ? FrameColour(sheet, n) : 0;
    case Table1:
        if (n <= 5) {
            // A pawn: 5 x 5 pixels centred on the diamond's middle (72, 57).
            return std::abs(u - 72) <= 2 && std::abs(v - 57) <= 2 ? FrameColour(sheet, n) : 0;
        }
        if (n == 6) { // cursor back half: a bar above the diamond's top, behind any roof
            return v >= 2 && v < 7 && std::abs(u - 72) <= 12 ? FrameColour(sheet, n) : 0;
        }
        if (n == 7) { // cursor front half: a band along the lower part
            return v >= 94 && v < 102 && InDiamond(u, v, 144, 105, 9) ? FrameColour(sheet, n) : 0;
        }
        if (n >= 20 && n <= 23) { // arrows: a bar through the middle
            return std::abs(v - 57) <= 3 && std::abs(u - 72) <= 30 ? FrameColour(sheet, n) : 0;
        }
        if (v < 9) {
            return std::abs(u - 72) <= 4 ? RoofColour(n) : 0;
        }
        return InDiamond(u, v, 144, 105, 9) ? FrameColour(sheet, n) : 0;
    case Dice:
        return u >= 4 && u < 44 && v >= 4 && v < 44 ? FrameColour(sheet, n) : 0;
    }
    return 0;
}

// A layout-1 sheet (8 frames a row, 1-pixel gutters) with full rows at the picture's frame size.
inline std::unique_ptr<Surface> MakeSheet(Sheet sheet, const PictureInfo& picture)
{
    const int frameWidth = picture.FrameWidth;
    const int frameHeight = picture.FrameHeight;
    const int width = 8 * (frameWidth + 1);
    const int height = (picture.Frames + 7) / 8 * (frameHeight + 1);
    const auto bytes = testbmp::Direct(width, height, 24, [&](int x, int y) -> Colour {
        const int column = x / (frameWidth + 1);
        const int row = y / (frameHeight + 1);
        const int u = x % (frameWidth + 1);
        const int v = y % (frameHeight + 1);
        if (u == frameWidth || v == frameHeight) {
            return 0; // gutter
        }
        return FramePixel(sheet, row * 8 + column, u, v);
    });
    auto image = std::make_unique<Surface>();
    image->LoadBitmapImage(bytes, picture.Layout, frameWidth, picture.Transparent, frameHeight);
    return image;
}

// The four sheets of the board view.
struct TileSheets
{
    std::unique_ptr<Surface> BlankSheet = MakeSheet(Blank, Pictures::Blank);
    std::unique_ptr<Surface> Table0Sheet = MakeSheet(Table0, Pictures::Table0);
    std::unique_ptr<Surface> Table1Sheet = MakeSheet(Table1, Pictures::Table1);
    std::unique_ptr<Surface> DiceSheet = MakeSheet(Dice, Pictures::Dice);

    BoardSheets Sheets() const
    {
        return {BlankSheet.get(), Table0Sheet.get(), Table1Sheet.get(), DiceSheet.get()};
    }
};

} // namespace testsheets
