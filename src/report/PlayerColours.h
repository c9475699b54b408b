// The six player colours of the whole game, slot 0 to 5 (pawns, owned lots, the report's lines), as
// 0x00BBGGRR, and the colour of a digit written on each: dark on yellow, white elsewhere.
#pragma once

#include <array>
#include <cstdint>

inline constexpr std::array<std::uint32_t, 6> PlayerColours{0x2830C8, 0xC85A28, 0x3C9628,
                                                            0x28BEE6, 0xAA3C8C, 0x1E78EB};
inline constexpr std::array<std::uint32_t, 6> PlayerInkColours{0xF0FCFF, 0xF0FCFF, 0xF0FCFF,
                                                               0x0A283C, 0xF0FCFF, 0xF0FCFF};
