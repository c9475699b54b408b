// The program-wide set-up and options as the game screen hands them to the rules engine and its
// view: copied into values when a game starts, Auto-Move's following of the turn, and what the
// screen does by itself.
#pragma once

#include "board/Board.h"
#include "rules/GameSetup.h"
#include "rules/GameState.h"

// PlayerInGame, PlayerHuman, the text table's player names and InitialCash as they are now.
GameSetup CurrentGameSetup();
// SoundEffects as it is now.
RulesOptions CurrentRulesOptions();

// What the game screen does by itself, from the options as they are now (read at every use, so
// that a change in the options dialog applies from the next tick on).
struct ScreenPlayOptions
{
    bool ComputersPlay = false; // computer players throw and their informing dialogs close by themselves
    bool Fast = false;          // ... with no pause, no rolling die and no walking delay
    bool Autosave = true;       // the game is saved at the start of every day
};
ScreenPlayOptions CurrentScreenPlayOptions();
// The host's answer to the turn passing to slot: with Auto-Move on, the view's centre moves to
// the player's pawn.
void FollowTurn(Board& board, const GameState& state, std::int32_t slot);
