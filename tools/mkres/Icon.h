// The program's icon for the desktop's menus, drawn by mkres in the game's own style.
#pragma once

#include <cairo.h>
#include <string>

namespace Art {

// The icon on a transparent square of size x size pixels.
void DrawIcon(cairo_t* cr, int size);
// The icon as a PNG file; false when it cannot be written.
bool WriteIcon(int size, const std::string& path);

} // namespace Art
