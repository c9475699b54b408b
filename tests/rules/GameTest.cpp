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

// A board from the editor may carry lots already owned: their owners hold them as if bought, and
// lots of slots that do not take part are for sale again; the game keeps its invariants.
TEST(GameTest, LotsOwnedOnTheBoardFileJoinTheirOwnersLists)
{
    TempDir dir;
    Board made = SmallBoardB();
    std::vector<PropertyEntry> lots;
    for (std::int32_t y = 0; y < made.Height(); ++y) {
        for (std::int32_t x = 0; x < made.Width(); ++x) {
            if (made.At(x, y).Kind == CellKind::LotForSale) {
                lots.push_back({x, y});
            }
        }
    }
    ASSERT_GE(lots.size(), 4u);
    auto own = [&](std::size_t k, int slot, int structure, int days) {
        Cell& cell = made.At(lots[k].X, lots[k].Y);
        cell.Kind = static_cast<std::uint8_t>(CellKind::OwnedLot + structure);
        cell.Owner = static_cast<std::uint8_t>(slot + 1);
        cell.Street = static_cast<std::uint8_t>(days);
    };
    own(0, 1, 0, 0);  // slot 1 plays: his
    own(1, 4, 3, 12); // slot 4 plays: his skyscraper, mortgaged with 12 days left
    own(2, 0, 6, 5);  // slot 0 stays out: for sale again
    own(3, 1, 2, 0);
    ASSERT_TRUE(made.SaveFile(dir.File("owned.brd")));

    Board board;
    GameState state;
    Random random(5);
    ScriptHost host(state);
    Rules rules(state, board, random, host);
    GameSetup setup;
    setup.InGame = {false, true, false, false, true, false};
    ASSERT_TRUE(rules.NewGame(dir.File("owned.brd"), setup));

    const Player& one = state.Players[1];
    ASSERT_EQ(one.PropertyCount, 2);
    EXPECT_EQ(one.MortgageCount, 0);
    const Player& four = state.Players[4];
    ASSERT_EQ(four.PropertyCount, 1);
    EXPECT_EQ(four.Properties[0], lots[1]);
    EXPECT_EQ(four.MortgageCount, 1);
    const Cell& freed = board.At(lots[2].X, lots[2].Y);
    EXPECT_EQ(freed.Kind, CellKind::LotForSale);
    EXPECT_EQ(freed.Owner, 0);
    EXPECT_EQ(freed.Street, 0);
    EXPECT_EQ(FindBrokenInvariant(state, board), "");

    for (int throws = 0; throws < 400 && state.Running; ++throws) {
        rules.PlayThrow();
        ASSERT_EQ(FindBrokenInvariant(state, board), "") << "after throw " << throws;
    }
}
