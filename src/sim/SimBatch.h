// Batches of simulated games: many games of one set-up spread over threads, with progress,
// cancelling, their traces in game order and the summary figures of the batch.
#pragma once

#include "sim/SimGame.h"

#include <functional>
#include <vector>

// The lot that earned rent, and how much.
struct LotRent
{
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int64_t Rent = 0;
    bool operator==(const LotRent&) const = default;
};

// The figures of a batch.
struct SimSummary
{
    std::int32_t Games = 0;  // games played to their end
    std::int64_t Throws = 0; // over all of them
    double ThrowsMedian = 0; // a whole number or a half
    std::int32_t ThrowsMax = 0;
    std::int32_t TurnLimitGames = 0; // games stopped by the turn limit
    std::array<std::int32_t, PlayerSlots> Wins{};
    std::int32_t NoWinner = 0;    // games that ended with nobody left
    std::vector<LotRent> TopLots; // the lots that earned the most rent, most first; equal rents in row order
    bool Cancelled = false;       // the cancel flag stopped the batch before its last game

    double ThrowsMean() const { return Games > 0 ? static_cast<double>(Throws) / Games : 0.0; }
};

// How many lots a summary names.
constexpr std::size_t SummaryLots = 10;

// Adds up games for a summary.
class SimTally
{
public:
    void Add(const SimGameResult& game);
    SimSummary Summary() const;

private:
    std::vector<std::int32_t> throws;
    std::int32_t turnLimitGames = 0;
    std::array<std::int32_t, PlayerSlots> wins{};
    std::int32_t noWinner = 0;
    std::map<std::pair<std::int32_t, std::int32_t>, std::int64_t> rentByLot; // by (y, x)
};

// A batch: game k (from 0) is a new game of the set-up with the seed FirstSeed + k.
struct SimBatchOptions
{
    std::int32_t Games = 1;
    std::uint32_t FirstSeed = 1;
    std::int32_t Jobs = 1; // threads the games are spread over (at most Games)
    // Each game's trace, in game order, on the calling thread; traces are made only when it is set.
    std::function<void(const std::string& trace)> Trace;
    // After each game: the games finished so far and the batch's games. Called from the thread
    // that played the game, possibly from several at once.
    std::function<void(std::int32_t done, std::int32_t games)> Progress;
    // Set from anywhere to stop the batch: no game starts after it, and a game in progress stops
    // at its next throw and does not count. Games that came before the first one stopped count.
    const std::atomic<bool>* Cancel = nullptr;
};

// Plays the batch; the figures of the games played go to summary. The games, their traces and
// the summary are the same for any number of threads. A game that fails (an invariant broken
// under Check, a save that fails) stops the batch after its trace; its status is returned.
SimStatus RunSimBatch(const Board& board, const GameSetup& setup, const SimGameOptions& options,
                      const SimBatchOptions& batch, SimSummary& summary);
