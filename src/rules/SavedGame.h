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

// Where saved games are kept: a folder of the start folder (the report of a game goes there too),
// and their extension; the game screen saves the game in progress there at the start of every day,
// under the autosave's name.
namespace SavedGames {
constexpr const char* Folder = "SAVES";
constexpr const char* Extension = "sav";
constexpr const char* AutosaveFile = "autosave.sav";
} // namespace SavedGames

namespace SavedGameFormat {
constexpr char Magic[8] = {'T', 'H', 'S', 'A', 'V', 'E', '\r', '\n'};
// 1: a game between two turns. 2: the progress of the turn too, in a section, so a game saved
// at any moment goes on as it would have. 3: the game's record (GameState::Record) too, in a
// section of its own; older files load with an empty record.
constexpr std::uint32_t OldestVersion = 1;
constexpr std::uint32_t Version = 3;
// Bytes of a player record in the file.
constexpr std::size_t PlayerRecordSize =
    16 + 4 + 4 + 1 + 4 + 4 + 4 + 1 + 1 + 4 + 4 + 4 + 4 + 8 * MaxProperties;
// What every version holds, without the cells: magic, version, board, prison, calendar, players,
// random state and checksum.
constexpr std::size_t FixedSizeWithoutCells =
    8 + 4 + Board::FileSizeWithoutCells + 16 + 4 * 4 + 1 + PlayerSlots * PlayerRecordSize + 8 + 4;
// From version 2, sections follow the random state: a tag of four letters, the size of what
// follows (u32) and that many bytes. Each version has its sections in a fixed order.
constexpr std::size_t SectionHeaderSize = 8;
// The turn: phase (u8), Dice, DiceFrame, StepDelay (i32 each).
constexpr char TurnTag[4] = {'T', 'U', 'R', 'N'};
constexpr std::size_t TurnSize = 1 + 4 + 4 + 4;
// The record: the day step (u32); the points (a count u32, then each: week, day, and for every
// slot cash, properties, mortgages, i32 each); the figures of every slot; the rent of each lot
// that earned some (a count u32, then x, y i32 and the rent i64, rows in order); the history's
// lines (a count u32, then 16 bytes each); and the lines not kept (i64).
constexpr char RecordTag[4] = {'R', 'E', 'C', 'D'};
constexpr std::size_t RecordPointSize = 4 + 4 + PlayerSlots * 3 * 4;
constexpr std::size_t RecordFiguresSize = 9 * 8 + 9 * 4;
constexpr std::size_t RecordLotSize = 4 + 4 + 8;
constexpr std::size_t RecordLineSize = 16;
constexpr std::size_t RecordEmptySize = 4 + 4 + PlayerSlots * RecordFiguresSize + 4 + 4 + 8;
constexpr std::size_t RecordMaxSize =
    RecordEmptySize + GameRecord::MaxPoints * RecordPointSize +
    static_cast<std::size_t>(Board::MaxSide) * Board::MaxSide * RecordLotSize +
    GameRecord::MaxLines * RecordLineSize;
// The whole image of this version, without the cells, with an empty record.
constexpr std::size_t SizeWithoutCells =
    FixedSizeWithoutCells + SectionHeaderSize + TurnSize + SectionHeaderSize + RecordEmptySize;
} // namespace SavedGameFormat

// The file image of a running game.
std::vector<std::uint8_t> SavedGameImage(const GameState& state, const Board& board, const Random& random);

// Reads a file image of this version or an older one (a game between two turns). Only when every
// check passes are state, board and random replaced (the board keeps its view fields and hook;
// Running is set, the event fields are cleared).
SavedGameResult ReadSavedGame(std::span<const std::uint8_t> image, GameState& state, Board& board,
                              Random& random);

// Writes the game to file through a temporary file in the same folder, creating that folder
// when it is missing, and flushes the file and then the folder to the disk. A failed save leaves
// an earlier file as it was.
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
