// Tests of the simulator's games as other code calls them: what a game reports against its
// trace, batches on one and more threads, progress from the worker threads, and cancelling.
#include "sim/SimBatch.h"

#include "support/SmallBoards.h"
#include "support/TextLines.h"

#include <gtest/gtest.h>
#include <mutex>
#include <set>
#include <sstream>

namespace {

std::vector<std::int64_t> Numbers(const std::string& line)
{
    std::vector<std::int64_t> numbers;
    std::istringstream in(line.substr(line.find(' ') + 1));
    for (std::int64_t n = 0; in >> n;) {
        numbers.push_back(n);
    }
    return numbers;
}

SimGameOptions Options(bool check, std::int32_t maxThrows = 20000, const std::atomic<bool>* cancel = nullptr)
{
    SimGameOptions options;
    options.Check = check;
    options.MaxThrows = maxThrows;
    options.Cancel = cancel;
    return options;
}

GameSetup Computers(std::array<bool, PlayerSlots> inGame, std::int32_t cash)
{
    GameSetup setup;
    setup.InGame = inGame;
    setup.Human = {};
    setup.InitialCash = cash;
    return setup;
}

TEST(SimGameTest, TheResultTellsWhatTheTraceEndsWith)
{
    const Board board = SmallBoardB();
    const GameSetup setup = Computers({true, true, true, true, true, true}, 30000);
    for (std::uint32_t seed : {1u, 2u, 3u}) {
        std::string trace;
        SimGameResult result;
        const SimStatus status = PlaySimGame(board, setup, seed, Options(true), &trace, &result);
        ASSERT_EQ(status.ExitCode, SimExit::Ok) << status.Message;
        std::int64_t rent = 0;
        std::int32_t winner = -1;
        std::map<std::int32_t, std::int32_t> cash;
        for (const std::string& line : Lines(trace)) {
            const std::vector<std::int64_t> n = Numbers(line);
            if (line.starts_with("rent ")) {
                rent += n.at(2);
            } else if (line.starts_with("winner ")) {
                winner = static_cast<std::int32_t>(n.at(0));
            } else if (line.starts_with("end ")) {
                EXPECT_EQ(n.at(0), result.Throws);
            } else if (line.starts_with("cash ")) {
                cash[static_cast<std::int32_t>(n.at(0))] = static_cast<std::int32_t>(n.at(1));
            }
        }
        EXPECT_EQ(result.Winner, winner) << "seed " << seed;
        EXPECT_FALSE(result.TurnLimit);
        EXPECT_EQ(result.TakingPart, 0x3F);
        ASSERT_EQ(cash.size(), 6u);
        for (const auto& [slot, dollars] : cash) {
            EXPECT_EQ(result.Cash[static_cast<std::size_t>(slot)], dollars)
                << "seed " << seed << " slot " << slot;
        }
        std::int64_t byLot = 0;
        for (const auto& [cell, dollars] : result.RentByLot) {
            EXPECT_EQ(board.CellAt(cell.second, cell.first).Kind, CellKind::LotForSale)
                << "a lot that earned rent";
            byLot += dollars;
        }
        EXPECT_GT(rent, 0);
        EXPECT_EQ(byLot, rent) << "seed " << seed;

        // The trace is only a view: without it the game comes to the same.
        SimGameResult untraced;
        PlaySimGame(board, setup, seed, SimGameOptions{}, nullptr, &untraced);
        EXPECT_EQ(untraced.Throws, result.Throws);
        EXPECT_EQ(untraced.Cash, result.Cash);
        EXPECT_EQ(untraced.RentByLot, result.RentByLot);
    }
}

TEST(SimGameTest, TheTurnLimitStopsAGameWithoutAWinner)
{
    SimGameResult result;
    const SimStatus status =
        PlaySimGame(SmallBoardA(), Computers({true, false, true, false, false, false}, 100000), 4,
                    Options(false, 25), nullptr, &result);
    EXPECT_EQ(status.ExitCode, SimExit::Ok);
    EXPECT_EQ(result.Throws, 25);
    EXPECT_TRUE(result.TurnLimit);
    EXPECT_EQ(result.Winner, -1);
    EXPECT_EQ(result.TakingPart, 0b101);
}

TEST(SimGameTest, AGameNeverDrawsTheBoardItWasGiven)
{
    // The editor hands over its own board, whose hook redraws the screen: the games, played on
    // other threads, must leave it alone.
    Board board = SmallBoardB();
    std::atomic<int> redraws = 0;
    board.OnRedraw = [&redraws] { ++redraws; };
    SimSummary summary;
    SimBatchOptions batch;
    batch.Games = 4;
    batch.Jobs = 2;
    const SimStatus status = RunSimBatch(board, Computers({true, true, true, false, false, false}, 30000),
                                         Options(false, 400), batch, summary);
    EXPECT_EQ(status.ExitCode, SimExit::Ok);
    EXPECT_EQ(summary.Games, 4);
    EXPECT_EQ(redraws, 0);
}

class SimBatchTest : public ::testing::Test
{
protected:
    const Board board = SmallBoardB();
    const GameSetup setup = Computers({true, true, true, true, true, true}, 30000);
};

TEST_F(SimBatchTest, ABatchIsItsGamesAddedUpOnAnyNumberOfThreads)
{
    SimTally tally;
    std::string traces;
    for (std::uint32_t k = 0; k < 9; ++k) {
        SimGameResult result;
        ASSERT_EQ(PlaySimGame(board, setup, 20 + k, SimGameOptions{}, &traces, &result).ExitCode,
                  SimExit::Ok);
        tally.Add(result);
    }
    const SimSummary expected = tally.Summary();
    EXPECT_EQ(expected.Games, 9);
    EXPECT_LE(expected.TopLots.size(), SummaryLots);
    for (std::size_t i = 1; i < expected.TopLots.size(); ++i) {
        EXPECT_GE(expected.TopLots[i - 1].Rent, expected.TopLots[i].Rent);
    }
    for (std::int32_t jobs : {1, 2, 3}) {
        std::string batchTraces;
        SimSummary summary;
        const SimStatus status =
            RunSimBatch(board, setup, SimGameOptions{},
                        SimBatchOptions{.Games = 9,
                                        .FirstSeed = 20,
                                        .Jobs = jobs,
                                        .Trace = [&](const std::string& trace) { batchTraces += trace; },
                                        .Progress = {},
                                        .Cancel = nullptr},
                        summary);
        EXPECT_EQ(status.ExitCode, SimExit::Ok) << status.Message;
        EXPECT_TRUE(batchTraces == traces) << jobs << " threads";
        EXPECT_EQ(summary.Games, expected.Games);
        EXPECT_EQ(summary.Throws, expected.Throws);
        EXPECT_EQ(summary.ThrowsMedian, expected.ThrowsMedian);
        EXPECT_EQ(summary.ThrowsMax, expected.ThrowsMax);
        EXPECT_EQ(summary.Wins, expected.Wins);
        EXPECT_EQ(summary.NoWinner, expected.NoWinner);
        EXPECT_EQ(summary.TopLots, expected.TopLots);
        EXPECT_FALSE(summary.Cancelled);
    }
}

TEST_F(SimBatchTest, ProgressCountsEveryGameOnceFromTheWorkers)
{
    std::mutex mutex;
    std::multiset<std::int32_t> reported;
    const std::thread::id caller = std::this_thread::get_id();
    bool onCaller = false;
    SimSummary summary;
    const SimStatus status =
        RunSimBatch(board, setup, SimGameOptions{},
                    SimBatchOptions{.Games = 40,
                                    .FirstSeed = 1,
                                    .Jobs = 2,
                                    .Trace = {},
                                    .Progress =
                                        [&](std::int32_t done, std::int32_t games) {
                                            std::lock_guard lock(mutex);
                                            EXPECT_EQ(games, 40);
                                            reported.insert(done);
                                            onCaller = onCaller || std::this_thread::get_id() == caller;
                                        },
                                    .Cancel = nullptr},
                    summary);
    EXPECT_EQ(status.ExitCode, SimExit::Ok);
    ASSERT_EQ(reported.size(), 40u);
    for (std::int32_t done = 1; done <= 40; ++done) {
        EXPECT_EQ(reported.count(done), 1u) << done;
    }
    EXPECT_FALSE(onCaller) << "the games run on the workers";
    EXPECT_EQ(summary.Games, 40);
}

TEST_F(SimBatchTest, ABrokenInvariantStopsTheBatchAfterItsGameOnAnyNumberOfThreads)
{
    SimGameOptions options;
    options.Check = true;
    options.Invariants = [](const GameState& state, const Board&) {
        return state.Throws == 30 ? std::string("planted") : std::string();
    };
    std::vector<std::string> first;
    for (std::int32_t jobs : {1, 2}) {
        std::vector<std::string> traces;
        SimSummary summary;
        const SimStatus status = RunSimBatch(
            board, setup, options,
            SimBatchOptions{.Games = 6,
                            .FirstSeed = 1,
                            .Jobs = jobs,
                            .Trace = [&](const std::string& trace) { traces.push_back(trace); },
                            .Progress = {},
                            .Cancel = nullptr},
            summary);
        EXPECT_EQ(status.ExitCode, SimExit::Broken) << jobs;
        EXPECT_NE(status.Message.find("throw 30: planted"), std::string::npos) << status.Message;
        ASSERT_EQ(traces.size(), 1u) << "the batch stops after the broken game's trace";
        EXPECT_TRUE(traces[0].starts_with("game 1\n"));
        if (first.empty()) {
            first = traces;
        } else {
            EXPECT_EQ(traces, first) << "the same with more threads";
        }
    }
}

TEST_F(SimBatchTest, CancellingStopsTheBatchWithTheGamesBefore)
{
    for (std::int32_t jobs : {1, 2}) {
        std::atomic<bool> cancel = false;
        std::int32_t traced = 0;
        SimSummary summary;
        const SimStatus status = RunSimBatch(board, setup, SimGameOptions{},
                                             SimBatchOptions{.Games = 500,
                                                             .FirstSeed = 1,
                                                             .Jobs = jobs,
                                                             .Trace = [&](const std::string&) { ++traced; },
                                                             .Progress =
                                                                 [&](std::int32_t done, std::int32_t) {
                                                                     if (done == 5) {
                                                                         cancel = true;
                                                                     }
                                                                 },
                                                             .Cancel = &cancel},
                                             summary);
        EXPECT_EQ(status.ExitCode, SimExit::Cancelled) << jobs;
        EXPECT_TRUE(summary.Cancelled);
        if (jobs == 1) {
            EXPECT_EQ(summary.Games, 5) << "the game that set the flag counts";
        } else {
            EXPECT_GE(summary.Games, 1);
        }
        EXPECT_LT(summary.Games, 500) << jobs;
        EXPECT_EQ(traced, summary.Games) << "the games counted are the games handed over";
    }
    // Cancelled before it begins: nothing is played.
    std::atomic<bool> cancel = true;
    SimSummary summary;
    summary.Games = 99;
    const SimStatus status = RunSimBatch(
        board, setup, SimGameOptions{},
        SimBatchOptions{
            .Games = 10, .FirstSeed = 1, .Jobs = 2, .Trace = {}, .Progress = {}, .Cancel = &cancel},
        summary);
    EXPECT_EQ(status.ExitCode, SimExit::Cancelled);
    EXPECT_EQ(summary.Games, 0);
    EXPECT_TRUE(summary.Cancelled);

    // A game stops at its next throw.
    SimGameResult result;
    EXPECT_EQ(PlaySimGame(board, setup, 1, Options(false, 20000, &cancel), nullptr, &result).ExitCode,
              SimExit::Cancelled);
    EXPECT_EQ(result.Throws, 0);
}

} // namespace
