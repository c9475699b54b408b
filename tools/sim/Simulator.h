// The simulator: computer-only games at full speed with an event trace, invariant checks, saved
// games and a summary of many games.
#pragma once

#include "board/Board.h"
#include "rules/GameSetup.h"
#include "rules/GameState.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

struct SimOptions
{
    std::string BoardFile = "Board1.brd";
    std::string Players = "111000";
    std::uint32_t Seed = 1;
    std::int32_t Cash = 100000;
    std::int32_t MaxTurns = 20000;
    std::int32_t Games = 1;
    std::int32_t Jobs = 1; // threads the games of a batch are spread over
    bool Trace = false;
    bool Check = false;
    std::int32_t SaveAt = -1; // throw after which the game is saved to SaveFile
    std::string SaveFile;
    std::string LoadFile; // start from this saved game instead of a new game
};

// Reads the command line (without the program name). Returns the options, or the reason the
// command line is not understood.
std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args, std::string& error);
extern const char* const SimUsage;

// What one game came to.
struct GameOutcome
{
    std::int32_t Throws = 0;
    std::int32_t Winner = -1; // -1 when nobody won
    bool TurnLimit = false;   // stopped by --max-turns
};

// Totals over a batch of games, for the summary.
struct SimTotals
{
    std::vector<std::int32_t> ThrowsPerGame;
    std::int32_t TurnLimitGames = 0;
    std::array<std::int32_t, PlayerSlots> Wins{};
    std::int32_t NoWinner = 0;
    // Rent earned by each lot, by (y, x).
    std::map<std::pair<std::int32_t, std::int32_t>, std::int64_t> RentByLot;
};

// How a run ended: 0 fine, 2 bad input (board, saved game, save), 3 an invariant broken.
struct SimStatus
{
    int ExitCode = 0;
    std::string Message;
};

// The trace: one event a line, tokens separated by one space, slots 0 to 5, cells as X Y.
//   game SEED
//   turn N P D          throw number N (from 1) by slot P, die value D
//   stop P X Y          where the walk ended
//   rent P O AMOUNT     P paid AMOUNT to O
//   buy P X Y PRICE
//   build P X Y S PRICE structure S (1 to 6)
//   treasury P AMOUNT   positive when P receives, negative when P pays
//   job P J WAGE
//   school P LEVEL TUITION
//   police P AMOUNT TURNS
//   jail P              the visit to the family in jail
//   hospital P AMOUNT TURNS
//   court P
//   mortgage P X Y VALUE
//   payoff P X Y COST
//   salary P AMOUNT     pay day, one line per paid slot in slot order
//   day W D             the calendar moved (after the salaries, before releases, exits, seizures)
//   seize P X Y S       P lost the mortgaged lot at X Y, which carried structure S
//   ruin P AMOUNT       what P could raise
//   winner P            -1 when nobody remains
//   end N               the game is over after N throws (winner or turn limit)
//   cash P C            final cash of every slot that took part, in slot order
// A payment's line comes after the payment is settled, after any mortgage and ruin it caused;
// its amount is what was paid (after a ruin, what the player could raise).

// The set-up of a new game of the command: the slots of --players, every one a computer, the
// text table's player names and --cash.
GameSetup SimGameSetup(const SimOptions& options);

// Plays one game of setup on a copy of board (or from options.LoadFile), with the seed given.
// Trace lines are appended to trace when it is not null; totals are added to. Games share
// nothing but their read-only arguments, so several may be played at once.
SimStatus PlayGame(const SimOptions& options, const GameSetup& setup, const Board& board, std::uint32_t seed,
                   std::string* trace, SimTotals& totals, GameOutcome& outcome);

// Runs the whole command: loads the board, plays the games (on options.Jobs threads), writes the
// trace or the summary (with the time taken) to out. The output is the same for any number of
// threads: traces come in game order, and a failing game stops the output after its trace.
// Returns the exit status and the message for standard error.
SimStatus RunSimulator(const SimOptions& options, std::FILE* out);

// The summary of a batch (without timing).
std::string FormatSummary(const SimTotals& totals);
