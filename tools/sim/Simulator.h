// The simulator: computer-only games at full speed with an event trace, invariant checks, saved
// games and a summary of many games.
#pragma once

#include "board/Board.h"
#include "game/GameState.h"

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

// Plays one game on a copy of board (or from options.LoadFile), with the seed given. Trace lines
// are appended to trace when it is not null; totals are added to.
SimStatus PlayGame(const SimOptions& options, const Board& board, std::uint32_t seed, std::string* trace,
                   SimTotals& totals, GameOutcome& outcome);

// Runs the whole command: loads the board, plays the games, writes the trace or the summary
// (with the time taken) to out. Returns the exit status and the message for standard error.
SimStatus RunSimulator(const SimOptions& options, std::FILE* out);

// The summary of a batch (without timing).
std::string FormatSummary(const SimTotals& totals);
