// Batches of simulated games: the threads, the game-order hand-over and the summary figures.
#include "sim/SimBatch.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>

void SimTally::Add(const SimGameResult& game)
{
    throws.push_back(game.Throws);
    if (game.TurnLimit) {
        ++turnLimitGames;
    } else if (game.Winner >= 0) {
        ++wins[static_cast<std::size_t>(game.Winner)];
    } else {
        ++noWinner;
    }
    for (const auto& [cell, rent] : game.RentByLot) {
        rentByLot[cell] += rent;
    }
}

SimSummary SimTally::Summary() const
{
    SimSummary summary;
    std::vector<std::int32_t> sorted = throws;
    std::sort(sorted.begin(), sorted.end());
    const std::size_t games = sorted.size();
    summary.Games = static_cast<std::int32_t>(games);
    for (std::int32_t t : sorted) {
        summary.Throws += t;
    }
    if (games > 0) {
        summary.ThrowsMedian =
            games % 2 == 1 ? sorted[games / 2] : (sorted[games / 2 - 1] + sorted[games / 2]) / 2.0;
        summary.ThrowsMax = sorted.back();
    }
    summary.TurnLimitGames = turnLimitGames;
    summary.Wins = wins;
    summary.NoWinner = noWinner;
    for (const auto& [cell, rent] : rentByLot) {
        summary.TopLots.push_back(LotRent{cell.second, cell.first, rent});
    }
    // The map holds them in row order, which equal rents keep.
    std::stable_sort(summary.TopLots.begin(), summary.TopLots.end(),
                     [](const LotRent& a, const LotRent& b) { return a.Rent > b.Rent; });
    if (summary.TopLots.size() > SummaryLots) {
        summary.TopLots.resize(SummaryLots);
    }
    return summary;
}

namespace {

// One game of a batch as a thread leaves it for the hand-over.
struct BatchGame
{
    std::string Trace;
    SimGameResult Result;
    SimStatus Status;
    bool Done = false;
};

} // namespace

SimStatus RunSimBatch(const Board& board, const GameSetup& setup, const SimGameOptions& options,
                      const SimBatchOptions& batch, SimSummary& summary)
{
    const std::int32_t games = batch.Games;
    const std::int32_t threads = std::max(1, std::min(batch.Jobs, games));
    SimGameOptions gameOptions = options;
    if (batch.Cancel != nullptr) {
        gameOptions.Cancel = batch.Cancel;
    }
    std::atomic<std::int32_t> finished = 0;
    auto play = [&](std::int32_t k, BatchGame& game) {
        game.Trace.clear();
        if (batch.Cancel != nullptr && batch.Cancel->load()) {
            game.Status = SimStatus{SimExit::Cancelled, "cancelled"};
            return;
        }
        game.Status = PlaySimGame(board, setup, batch.FirstSeed + static_cast<std::uint32_t>(k), gameOptions,
                                  batch.Trace ? &game.Trace : nullptr, &game.Result);
        if (game.Status.ExitCode == SimExit::Ok && batch.Progress) {
            batch.Progress(++finished, games);
        }
    };
    SimTally tally;
    SimStatus failed;
    // Takes game k in game order on the calling thread; false stops the batch.
    auto take = [&](const BatchGame& game) {
        if (game.Status.ExitCode == SimExit::Cancelled) {
            failed = game.Status;
            return false;
        }
        if (batch.Trace) {
            batch.Trace(game.Trace);
        }
        if (game.Status.ExitCode != SimExit::Ok) {
            failed = game.Status;
            return false;
        }
        tally.Add(game.Result);
        return true;
    };

    if (threads <= 1) {
        BatchGame game;
        for (std::int32_t k = 0; k < games; ++k) {
            play(k, game);
            if (!take(game)) {
                break;
            }
        }
    } else {
        // Games run ahead of the hand-over by at most this many, so that a long traced batch
        // does not pile up in memory; game k uses slot k % window.
        const std::int32_t window = threads * 4;
        std::vector<BatchGame> slots(static_cast<std::size_t>(window));
        std::mutex mutex;
        std::condition_variable changed;
        std::int32_t next = 0;
        std::int32_t written = 0;
        bool stop = false;
        auto slot = [&](std::int32_t k) -> BatchGame& { return slots[static_cast<std::size_t>(k % window)]; };
        auto worker = [&] {
            std::unique_lock lock(mutex);
            for (;;) {
                changed.wait(lock, [&] { return stop || next >= games || next < written + window; });
                if (stop || next >= games) {
                    return;
                }
                const std::int32_t k = next++;
                lock.unlock();
                play(k, slot(k));
                lock.lock();
                slot(k).Done = true;
                changed.notify_all();
            }
        };
        std::vector<std::thread> pool;
        pool.reserve(static_cast<std::size_t>(threads));
        for (std::int32_t t = 0; t < threads; ++t) {
            pool.emplace_back(worker);
        }
        for (std::int32_t k = 0; k < games; ++k) {
            BatchGame& game = slot(k);
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] { return game.Done; });
            }
            const bool more = take(game);
            std::lock_guard lock(mutex);
            game.Done = false;
            ++written;
            stop = !more;
            changed.notify_all();
            if (stop) {
                break;
            }
        }
        for (std::thread& thread : pool) {
            thread.join();
        }
    }
    summary = tally.Summary();
    summary.Cancelled = failed.ExitCode == SimExit::Cancelled;
    return failed;
}
