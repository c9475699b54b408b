// The default board: the city every new game starts on unless another board is chosen.
#pragma once

#include "board/BoardText.h"

#include <filesystem>
#include <string>

class ArchiveWriter;

// The default board as text: map, streets, names, start and hand-set road pictures.
BoardText DefaultBoardText();

// Builds the default board, checks it, adds it to the archive as "DefaultBoard" and writes it
// as Board1.brd into gameDir. False, with error set, when the board has a problem or a file
// cannot be written.
bool AddDefaultBoard(ArchiveWriter& res00, const std::filesystem::path& gameDir, std::string& error);
