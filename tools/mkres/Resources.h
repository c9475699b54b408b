// Puts the pictures and sounds into the game's archives: bitmap file images (kind 0), 256-colour
// PCX pictures (kind 1) and wave file images.
#pragma once

#include "ArtKit.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class ArchiveWriter;

namespace Art {

// The picture reduced to at most 256 colours (median cut): palette indices, top line first, and
// the palette as red, green, blue triples.
struct IndexedPicture
{
    std::vector<std::uint8_t> Indices;
    std::array<std::uint8_t, 768> Palette{};
};
IndexedPicture ReduceColours(const Picture& picture);

// Adds every picture item to res00 (kind 1 for the items marked StoreAsPcx) and every sound to
// res01. False with error set when an item cannot be added, or when the pictures are not the
// items of the picture catalogue in its order.
bool AddPictures(ArchiveWriter& res00, const std::vector<Picture>& pictures, std::string& error);
bool AddSounds(ArchiveWriter& res01, std::string& error);

} // namespace Art
