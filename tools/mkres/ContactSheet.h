// One review sheet with every picture item: each frame numbered, each item named.
#pragma once

#include "ArtKit.h"

#include <string>
#include <vector>

namespace Art {

// Writes the sheet as a PNG file; false when it cannot be written.
bool WriteContactSheet(const std::vector<Picture>& pictures, const std::string& path);

} // namespace Art
