// Writing pictures as 24-bit Windows bitmap file images and as PNG files for review.
#pragma once

#include "ArtKit.h"

#include <cstdint>
#include <string>
#include <vector>

namespace Art {

// File header, 40-byte information header, no colour table; rows bottom-up from byte 54, each
// padded to a multiple of 4 bytes.
std::vector<std::uint8_t> EncodeBitmapFile(const Picture& picture);

// A cairo RGB surface holding the picture (caller destroys it).
cairo_surface_t* PictureSurface(const Picture& picture);

} // namespace Art
