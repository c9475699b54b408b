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

// The picture as a PNG file (key-colour pixels of transparent pictures see-through).
bool WritePng(const Picture& picture, const std::string& path);

// One frame as an ARGB surface in which the key colour of a transparent picture is see-through
// (caller destroys it). Layout 0 gives the whole picture.
cairo_surface_t* FrameSurface(const Picture& picture, int n);

} // namespace Art
