// Tests of the turn cycle: a new game, the throw and the walk, passing the turn, the end of a day
// with pay day, releases and seizures.
#include "rules/RulesFixture.h"

#include <gtest/gtest.h>

namespace {

using TurnTest = RulesFixture;

TEST_F(TurnTest, StartGameFillsThePlayersAndSkipsAbsentSlots)
{
    board.StartX = PawnX;
    board.StartY = PawnY;
    board.At(7, 4).Pawns = 0x3F; // left over in a board file
    GameSetup setup;
    setup.InGame = {true, false, true, false, false, false};
    setup.Human = {false, false, true, false, false, false};
    setup.InitialCash = 4321;
    setup.Names = {"A name longer than fifteen", "Bo", "Chloë Ångström-Müller"};
    state.Players[1].Cash = 99; // from an earlier game
    rules.StartGame(setup);

    EXPECT_TRUE(state.Running);
    EXPECT_EQ(state.Week, 1);
    EXPECT_EQ(state.Day, 1);
    EXPECT_EQ(state.Current, 0);
    EXPECT_EQ(state.TakingPart, 0b101);
    EXPECT_EQ(state.Players[0].NameText(), "A name longer t");
    EXPECT_EQ(state.Players[2].NameText(), "Chloë Ångstr"); // 15 bytes would split the "ö"
    EXPECT_EQ(state.Players[1].State, 0);
    EXPECT_EQ(state.Players[2].Human, 1);
    EXPECT_EQ(state.Players[0].Human, 0);
    for (const Player& p : state.Players) {
        EXPECT_EQ(p.Cash, 4321);
        EXPECT_EQ(p.Salary, 500);
        EXPECT_EQ(p.X, PawnX);
    }
    EXPECT_EQ(At(PawnX, PawnY).Pawns, 0b101);
    EXPECT_EQ(At(7, 4).Pawns, 0);
    EXPECT_EQ(state.Players[1].NameText(), "Bo"); // named though not taking part
    ASSERT_FALSE(host.News.empty());
    EXPECT_EQ(host.News.front().Code, NewsCode::Ready);
    EXPECT_EQ(host.CallsStarting("turn"), (std::vector<std::string>{"turn 0"}));

    rules.PassTurn();
    EXPECT_EQ(state.Current, 2);
    EXPECT_EQ(state.Day, 1);
    rules.PassTurn();
    EXPECT_EQ(state.Current, 0);
    EXPECT_EQ(state.Day, 2);
}

TEST_F(TurnTest, ThrowAndStepFollowTheRoad)
{
    board.New(12, 4);
    for (int x = 1; x < 11; ++x) {
        Road(x, 1, 2, 0);
    }
    Player& p = Join(0, 1000, false, 1, 1);
    const int expected = PeekBelow(6) + 1;
    EXPECT_EQ(rules.Throw(), expected);
    EXPECT_EQ(state.Dice, expected);
    EXPECT_EQ(state.Throws, 1);
    int steps = 0;
    bool more = true;
    while (more) {
        more = rules.Step();
        ++steps;
    }
    EXPECT_EQ(steps, expected);
    EXPECT_EQ(state.Dice, 0);
    EXPECT_EQ(p.X, 1 + expected);
    EXPECT_EQ(At(1 + expected, 1).Pawns, 1);
    EXPECT_EQ(At(1, 1).Pawns, 0);
    EXPECT_FALSE(rules.Step()); // no steps left: the pawn stays
    EXPECT_EQ(p.X, 1 + expected);
}

TEST_F(TurnTest, PayDayPaysEveryoneInTheGameHeldOrNot)
{
    Join(0, 0).Salary = 700;
    Player& held = Join(1, 0);
    held.Salary = 900;
    held.State = 3;
    state.Players[2].Salary = 5000; // not in the game
    state.Day = PayDay;
    rules.EndDay();
    EXPECT_EQ(state.Players[0].Cash, 700);
    EXPECT_EQ(state.Players[1].Cash, 900);
    EXPECT_EQ(state.Players[2].Cash, 0);
    EXPECT_EQ(state.Day, 5);
    EXPECT_EQ(host.Calls,
              (std::vector<std::string>{"salary 0 700", "salary 1 900", "news 13 0 0", "day 1 5"}));

    host.Calls.clear();
    rules.EndDay(); // Friday's end pays nothing
    EXPECT_EQ(state.Players[0].Cash, 700);
    EXPECT_EQ(host.Calls, (std::vector<std::string>{"day 1 6"}));
    rules.EndDay();
    EXPECT_EQ(state.Day, 0);
    EXPECT_EQ(state.Week, 2);
}

TEST_F(TurnTest, HeldPlayersComeBackWhenTheirDaysAreDone)
{
    Player& p = Join(0, 0);
    p.State = 3;
    rules.EndDay();
    EXPECT_EQ(p.State, 3);
    EXPECT_EQ(p.HeldDays, 1);
    rules.EndDay();
    EXPECT_EQ(p.State, 3);
    rules.EndDay();
    EXPECT_EQ(p.State, 1);
    EXPECT_EQ(p.HeldDays, 0);
}

TEST_F(TurnTest, DaysPassWhileEveryoneIsHeld)
{
    Join(0, 0).State = 3;
    Join(1, 0).State = 2;
    state.Current = 1;
    rules.PassTurn();
    // Two ends of day: player 1 is back after two, player 0 still needs a third.
    EXPECT_EQ(state.Current, 1);
    EXPECT_EQ(state.Day, 3);
    EXPECT_EQ(state.Players[0].State, 3);
    EXPECT_EQ(host.CallsStarting("day").size(), 2u);
}

TEST_F(TurnTest, NobodyLeftEndsTheGameInsteadOfLooping)
{
    state.Current = 0;
    rules.PassTurn();
    EXPECT_FALSE(state.Running);
    EXPECT_TRUE(host.CallsStarting("day").empty());
}

TEST_F(TurnTest, PassingTheTurnTellsTheHostAndLeavesTheViewAlone)
{
    Join(0, 0);
    Join(1, 0, false, 6, 4).State = 2;
    Join(2, 0, false, 7, 4);
    board.CenterX = 1;
    board.CenterY = 1;
    state.Current = 0;
    rules.PassTurn();
    rules.PassTurn();
    // Slot 1 is held: the turn goes from 0 to 2 and, past the day's end, to 0 again.
    EXPECT_EQ(host.CallsStarting("turn"), (std::vector<std::string>{"turn 2", "turn 0"}));
    EXPECT_EQ(board.CenterX, 1);
    EXPECT_EQ(board.CenterY, 1);
}

TEST_F(TurnTest, MortgagedLotIsSeizedOnTheTwentyEighthEndOfDay)
{
    Player& p = Join(0, 0);
    Join(1, 0);
    Own(0, RightX, RightY);
    Own(0, DownX, DownY, 2);
    Own(0, LeftX, LeftY);
    // Mortgaged now, as a shortfall would: 28 days.
    state.Current = 0;
    ASSERT_FALSE(rules.RaiseMoney(1));
    ASSERT_EQ(At(RightX, RightY).Street, MortgageTerm);
    for (int day = 1; day < MortgageTerm; ++day) {
        rules.EndDay();
    }
    EXPECT_EQ(At(RightX, RightY).Street, 1);
    EXPECT_EQ(p.PropertyCount, 3);
    EXPECT_TRUE(host.CallsStarting("event").empty());
    rules.EndDay();
    EXPECT_EQ(host.CallsStarting("event"), (std::vector<std::string>{"event 10 amount 0 arg 0 at 5 2"}));
    EXPECT_EQ(At(RightX, RightY).Kind, CellKind::LotForSale);
    EXPECT_EQ(At(RightX, RightY).Owner, 0);
    EXPECT_EQ(p.PropertyCount, 2);
    EXPECT_EQ(p.MortgageCount, 0);
    EXPECT_EQ(p.Properties[0], (PropertyEntry{DownX, DownY}));
    EXPECT_EQ(p.Properties[1], (PropertyEntry{LeftX, LeftY}));
    EXPECT_EQ(p.Properties[2], PropertyEntry{});
}

TEST_F(TurnTest, SeizureNamesTheStructureLost)
{
    Join(0, 0);
    Join(2, 0);
    Own(2, UpX, UpY, 4, 1); // stores, one day left
    rules.EndDay();
    EXPECT_EQ(host.CallsStarting("event"), (std::vector<std::string>{"event 10 amount 4 arg 2 at 4 1"}));
    EXPECT_EQ(state.Players[2].PropertyCount, 0);
    EXPECT_EQ(At(UpX, UpY).Kind, CellKind::LotForSale);
}

TEST_F(TurnTest, LotsOnNobodysListRunOutSafely)
{
    Join(0, 0);
    Join(1, 0);
    // From a board file: an owned lot with no owner and one of slot 2 that no list holds, both
    // with a day of mortgage left.
    Set(UpX, UpY, CellKind::OwnedLot + 2, 0, 1);
    Set(DownX, DownY, CellKind::OwnedLot, 3, 1);
    rules.EndDay();
    EXPECT_EQ(At(UpX, UpY).Kind, CellKind::LotForSale);
    EXPECT_EQ(At(DownX, DownY).Kind, CellKind::LotForSale);
    EXPECT_EQ(host.CallsStarting("event"), (std::vector<std::string>{"event 10 amount 0 arg 2 at 4 3"}));
    EXPECT_EQ(state.Players[2].MortgageCount, 0);
    EXPECT_EQ(state.Players[2].PropertyCount, 0);
}

TEST_F(TurnTest, EndDayRedrawsJunctionExits)
{
    board.New(6, 6);
    Road(2, 2, 5, 0); // junction
    Road(3, 2, 2, 0);
    Road(2, 3, 3, 0);
    std::array<int, 2> seen{};
    for (int i = 0; i < 40; ++i) {
        rules.EndDay();
        const int d = At(2, 2).Direction;
        ASSERT_TRUE(d == 6 || d == 7) << d;
        ++seen[static_cast<std::size_t>(d - 6)];
    }
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
}

} // namespace
