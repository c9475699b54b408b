// The invariants the rules keep between events, for the simulator's --check and for tests.
#pragma once

#include "board/Board.h"
#include "rules/GameState.h"

#include <string>

// The first broken invariant, described; empty when all hold. Checked: no negative cash; every
// property listed is an owned lot of its player, listed once; every owned lot is on its owner's
// list; MortgageCount counts the mortgaged entries; each pawn bit stands only on its player's
// cell, and every player in the game has his bit there.
std::string FindBrokenInvariant(const GameState& state, const Board& board);
