// Every picture item of res00.dat, made by the drawing code of mkres.
#pragma once

#include "ArtKit.h"

#include <vector>

namespace Art {

Picture MakeBlank();
Picture MakeTable0();
Picture MakeTable1();
Picture MakeDice();
// Panel backgrounds, dialog paper and the editor strip.
std::vector<Picture> MakePanels();
// Buttons, check box, combo box, icons and player portraits.
std::vector<Picture> MakeControls();
// The city at dusk, drawn from the board's tile sheets.
Picture MakeMenuBackground(const Picture& table0, const Picture& table1);

// A pawn as the board shows it, in its frame of "table1" (base centred near (72, 57)).
void DrawPawn(cairo_t* cr, int player);

// All picture items in archive order.
std::vector<Picture> MakeAllPictures();

} // namespace Art
