// Whole games through the engine: humans who answer at random keep every invariant, and a new
// game reads its board file.
#include "rules/Rules.h"
#include "rules/RulesCheck.h"
#include "rules/ScriptHost.h"
#include "support/SmallBoards.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <random>

namespace {

// A human at the screen who says yes or no at random and picks any cell to mortgage, sometimes
// one that cannot be mortgaged.
class RandomHuman : public ScriptHost
{
public:
    RandomHuman(const GameState& state, std::uint32_t seed) : ScriptHost(state), state(state), pick(seed) {}

    bool AskDecision(std::int32_t) override { return pick() % 3 != 0; }
    void ChooseMortgage(std::int32_t debt, std::int32_t& x, std::int32_t& y) override
    {
        ++Choices;
        EXPECT_GT(debt, 0);
        const Player& p = state.CurrentPlayer();
        const auto k = static_cast<std::size_t>(pick() % static_cast<std::uint32_t>(p.PropertyCount + 1));
        if (k < static_cast<std::size_t>(p.PropertyCount)) {
            x = p.Properties[k].X;
            y = p.Properties[k].Y;
        } else {
            x = -1;
            y = 7;
        }
    }
    void PostNews(const NewsLine&) override {}
    void ShowEvent(std::int32_t) override {}
    void PlaySound(const char*, bool) override {}

    int Choices = 0;

private:
    const GameState& state;
    std::mt19937 pick;
};

TEST(GameTest, RandomHumansAndComputersKeepTheInvariants)
{
    GameSetup setup;
    setup.InGame = {true, true, true, true, true, true};
    setup.Human = {true, false, true, false, true, false};
    setup.InitialCash = 20000;
    int humanMortgages = 0;
    int finished = 0;
    for (std::uint32_t seed = 1; seed <= 25; ++seed) {
        Board board = seed % 2 == 0 ? SmallBoardA() : SmallBoardB();
        GameState state;
        Random random(seed);
        RandomHuman host(state, seed);
        Rules rules(state, board, random, host);
        rules.StartGame(setup);
        ASSERT_EQ(FindBrokenInvariant(state, board), "");
        while (state.Running && state.Throws < 3000) {
            rules.PlayThrow();
            ASSERT_EQ(FindBrokenInvariant(state, board), "") << "seed " << seed << " throw " << state.Throws;
            ASSERT_TRUE(!state.Running || state.CurrentPlayer().State == 1);
        }
        humanMortgages += host.Choices;
        finished += state.Running ? 0 : 1;
        if (!state.Running) {
            EXPECT_LE(state.PlayersLeft(), 1);
            if (state.Winner() >= 0) {
                EXPECT_EQ(state.Current, state.Winner()); // the winner is shown as the current player
            }
        }
    }
    // The games went far enough to exercise the dialogs' paths.
    EXPECT_GT(humanMortgages, 0);
    EXPECT_GT(finished, 0);
}

TEST(GameTest, NewGameReadsTheBoardFile)
{
    TempDir dir;
    Board small = SmallBoardB();
    ASSERT_TRUE(small.SaveFile(dir.File("city.brd")));
    Board board;
    GameState state;
    Random random(3);
    ScriptHost host(state);
    Rules rules(state, board, random, host);
    GameSetup setup;
    setup.InGame = {false, true, false, false, true, false};
    ASSERT_TRUE(rules.NewGame(dir.File("city.brd"), setup));
    EXPECT_EQ(board.Width(), small.Width());
    EXPECT_EQ(state.Current, 1);
    EXPECT_EQ(board.At(small.StartX, small.StartY).Pawns, 0b10010);
    // Every junction has an exit drawn among the accepted ones.
    for (std::int32_t y = 0; y < board.Height(); ++y) {
        for (std::int32_t x = 0; x < board.Width(); ++x) {
            if (board.At(x, y).Direction >= 5) {
                EXPECT_TRUE(board.AcceptsExit(x, y, board.At(x, y).Direction - 5)) << x << " " << y;
            }
        }
    }

    // Neither the file nor a default board: nothing starts, nothing changes.
    if (std::filesystem::exists(Board::DefaultArchive)) {
        GTEST_SKIP() << "a default board lies in the current folder";
    }
    const auto before = board.FileImage();
    state.Week = 5;
    EXPECT_FALSE(rules.NewGame(dir.File("missing.brd"), setup));
    EXPECT_EQ(state.Week, 5);
    EXPECT_EQ(board.FileImage(), before);
}

} // namespace
