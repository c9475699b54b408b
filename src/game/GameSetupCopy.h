// The program-wide set-up and options as the game screen hands them to the rules engine and its
// view: copied into values when a game starts, and Auto-Move's following of the turn.
#pragma once

#include "board/Board.h"
#include "rules/GameSetup.h"
#include "rules/GameState.h"

// PlayerInGame, PlayerHuman, the text table's player names and InitialCash as they are now.
GameSetup CurrentGameSetup();
// SoundEffects as it is now.
RulesOptions CurrentRulesOptions();
// The host's answer to the turn passing to slot: with Auto-Move on, the view's centre moves to
// the player's pawn.
void FollowTurn(Board& board, const GameState& state, std::int32_t slot);
