// A game in progress for uishot's shots: the board of the game folder and five players with long
// names and large sums owning lots of every structure, some of them mortgaged, one player held,
// player 0 (human) to move and a lot selected. The game screen, report and editor shots start from
// it as the dialog shots do.
#pragma once

#include "board/Board.h"
#include "rules/GameState.h"

#include <cstdint>
#include <filesystem>
#include <string>

struct MidGame
{
    GameState State;
    ::Board Board;
    // The selected lot (also the board's CursorX, CursorY when built).
    std::int32_t SelectedX = -1;
    std::int32_t SelectedY = -1;

    // The first property of slot with the structure (0 lot to 6 hotel), or false when it has none.
    bool FindProperty(std::int32_t slot, std::int32_t structure, std::int32_t& x, std::int32_t& y) const;
    // The first cell of kind, or false when the board has none.
    bool FindKind(std::uint8_t kind, std::int32_t& x, std::int32_t& y) const;
    // The first road cell (near the board's centre) whose street has the longest name.
    bool FindLongestStreet(std::int32_t& x, std::int32_t& y) const;
};

// Builds the game on gameDir/Board1.brd (the default board of gameDir/res00.dat when that cannot be
// read). False, with the reason in error, when no board can be read.
bool MakeMidGame(const std::filesystem::path& gameDir, MidGame& game, std::string& error);
