// Builds Windows bitmap file images in memory for the drawing tests.
#pragma once

#include "graphics/Geometry.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace testbmp {

inline void Put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v)
{
    b[at] = v & 0xFF;
    b[at + 1] = (v >> 8) & 0xFF;
}

inline void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) {
        b[at + i] = (v >> (8 * i)) & 0xFF;
    }
}

// A bitmap of 24 or 32 bits a pixel; colour(x, y) gives 0x00BBGGRR with y counted from the top.
// A negative height stores the rows top-down.
inline std::vector<std::uint8_t> Direct(int width, int height, int bits,
                                        const std::function<Colour(int, int)>& colour)
{
    const int rows = height < 0 ? -height : height;
    const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
    std::vector<std::uint8_t> b(54 + stride * rows, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    Put32(b, 10, 54);
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<std::uint32_t>(width));
    Put32(b, 22, static_cast<std::uint32_t>(height));
    Put16(b, 26, 1);
    Put16(b, 28, static_cast<std::uint32_t>(bits));
    for (int y = 0; y < rows; ++y) {
        const int fileRow = height < 0 ? y : rows - 1 - y;
        for (int x = 0; x < width; ++x) {
            const Colour c = colour(x, y);
            std::uint8_t* p = &b[54 + fileRow * stride + static_cast<std::size_t>(x) * (bits / 8)];
            p[0] = (c >> 16) & 0xFF; // blue
            p[1] = (c >> 8) & 0xFF;  // green
            p[2] = c & 0xFF;         // red
        }
    }
    return b;
}

// An indexed bitmap of 1, 4 or 8 bits a pixel with a 256-entry colour table (rows at byte 1078).
inline std::vector<std::uint8_t> Indexed(int width, int height, int bits, const std::vector<Colour>& palette,
                                         const std::function<int(int, int)>& index)
{
    const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
    std::vector<std::uint8_t> b(1078 + stride * height, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    Put32(b, 10, 1078);
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<std::uint32_t>(width));
    Put32(b, 22, static_cast<std::uint32_t>(height));
    Put16(b, 26, 1);
    Put16(b, 28, static_cast<std::uint32_t>(bits));
    Put32(b, 46, static_cast<std::uint32_t>(palette.size()));
    for (std::size_t i = 0; i < palette.size() && i < 256; ++i) {
        b[54 + i * 4] = (palette[i] >> 16) & 0xFF;
        b[54 + i * 4 + 1] = (palette[i] >> 8) & 0xFF;
        b[54 + i * 4 + 2] = palette[i] & 0xFF;
    }
    for (int y = 0; y < height; ++y) {
        const std::size_t row = 1078 + (height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            const int v = index(x, y);
            const int perByte = 8 / bits;
            const int shift = 8 - bits * (x % perByte + 1);
            b[row + x / perByte] |= static_cast<std::uint8_t>(v << shift);
        }
    }
    return b;
}

} // namespace testbmp
