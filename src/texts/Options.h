// The options of one run and the set-up of the next new game: the program-wide state the options
// and new game dialogs change (nothing is stored between runs). The game screen copies them into
// the rules engine's values when a game starts; the engine never reads them.
#pragma once

#include <array>
#include <cstdint>

// "Sound Effects": events play sounds. Default on.
extern int SoundEffects;
// "Auto-Move": the board view follows the player whose turn begins. Default on.
extern int AutoMove;
// "Initial Cash": each player's dollars at the start of a game, 1 to 1000000. Default 100000.
extern int InitialCash;
// "Computers play by themselves": a computer player's throw starts by itself and the dialogs that
// only inform during his turn close by themselves. Default off.
extern int ComputersPlay;
// "Computer speed": how fast computers who play by themselves play (ComputerSpeedNormal or
// ComputerSpeedFast). Default normal.
extern int ComputerSpeed;
constexpr int ComputerSpeedNormal = 0;
constexpr int ComputerSpeedFast = 1;
// "Autosave": the game in progress is saved to SAVES/autosave.sav at the start of every day.
// Default on.
extern int Autosave;

// Which of the six player slots take part in the next new game, and which of them are human
// (the new game dialog sets them; the names are the text table's player names).
extern std::array<std::int32_t, 6> PlayerInGame; // 1, 1, 1, 0, 0, 0
extern std::array<std::int32_t, 6> PlayerHuman;  // 1, 0, 0, 0, 0, 0
