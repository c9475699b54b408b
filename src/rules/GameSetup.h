// The set-up of a new game and the options the rules follow, as values: the screen copies the
// menu's set-up state into them when a game starts, so the engine reads no program-wide state and
// games can run side by side.
#pragma once

#include "rules/GameState.h"

#include <array>
#include <cstdint>
#include <string>

// Who plays a new game and with how much; the defaults are those of the new game dialog.
struct GameSetup
{
    std::array<bool, PlayerSlots> InGame{true, true, true, false, false, false}; // slots taking part
    std::array<bool, PlayerSlots> Human{true, false, false, false, false, false};
    // As typed; each is cut to 15 bytes at a character boundary when the game starts.
    std::array<std::string, PlayerSlots> Names{};
    std::int32_t InitialCash = 100000; // each player's dollars at the start
};

// The options the rules follow; the options dialog may change them during a game.
struct RulesOptions
{
    bool SoundEffects = true; // events play sounds through the host
    bool Recording = true;    // the game's record (GameState::Record) is kept
};
