// Saved games: a whole game (board cells, calendar, players, random state) in a versioned binary
// file of our own, written safely and read with every check. Layout: docs/savegame.md.
#pragma once

#include "board/Board.h"
#include "rules/GameState.h"
#include "rules/Random.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

// Outcome of a save or a load: Reason says what went wrong, in words a player can act on.
struct SavedGameResult
{
    bool Ok = false;
    std::string Reason;
};

namespace SavedGameFormat {
constexpr char Magic[8] = {'T', 'H', 'S', 'A', 'V', 'E', '\r', '\n'};
constexpr std::uint32_t Version = 1;
// Bytes of a player record in the file.
constexpr std::size_t PlayerRecordSize =
    16 + 4 + 4 + 1 + 4 + 4 + 4 + 1 + 1 + 4 + 4 + 4 + 4 + 8 * MaxProperties;
// Everything but the cells.
constexpr std::size_t SizeWithoutCells =
    8 + 4 + Board::FileSizeWithoutCells + 16 + 4 * 4 + 1 + PlayerSlots * PlayerRecordSize + 8 + 4;
} // namespace SavedGameFormat

// The file image of a running game.
std::vector<std::uint8_t> SavedGameImage(const GameState& state, const Board& board, const Random& random);

// Reads a file image. Only when every check passes are state, board and random replaced (the
// board keeps its view fields and hook; Running is set, the event fields are cleared).
SavedGameResult ReadSavedGame(std::span<const std::uint8_t> image, GameState& state, Board& board,
                              Random& random);

// Writes the game to file through a temporary file in the same folder, creating that folder
// when it is missing. A failed save leaves an earlier file as it was.
SavedGameResult SaveGame(const std::filesystem::path& file, const GameState& state, const Board& board,
                         const Random& random);
// Writes bytes to file through a temporary file in the same folder (flushed to the disk, then
// renamed over file), creating that folder when it is missing: an earlier file is kept whole or
// replaced whole. Every failure comes with its reason.
SavedGameResult WriteWholeFile(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);
// Reads the game from file; on failure nothing of the running game changes.
SavedGameResult LoadGame(const std::filesystem::path& file, GameState& state, Board& board, Random& random);

// CRC-32 (the polynomial of zip and PNG) of bytes.
std::uint32_t Crc32(std::span<const std::uint8_t> bytes);
