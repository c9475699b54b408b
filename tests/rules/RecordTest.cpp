// The game's record as the engine keeps it: the figures of the events the trace does not show (a
// human's pay-off, days held, the ruin's order and day), the points' worth against the state at
// every day, the history's own lines, and the bounds of a game played for ever.
#include "rules/RulesFixture.h"
#include "support/SmallBoards.h"

#include <random>

namespace {

class RecordTest : public RulesFixture
{
protected:
    const PlayerFigures& Figures(int slot) const
    {
        return state.Record.Players[static_cast<std::size_t>(slot)];
    }
};

TEST_F(RecordTest, APayOffByTheCardsPanelAndDaysHeldCount)
{
    Join(0, 5000, true);
    Join(1, 5000);
    Own(0, UpX, UpY, 0, 10);
    state.Players[0].CardIndex = 0;
    rules.PayOffShown();
    EXPECT_EQ(Figures(0).MortgagesPaidOff, 1);
    ASSERT_FALSE(state.Record.History.empty());
    EXPECT_EQ(state.Record.History.back().Line(), (NewsLine{NewsCode::Mortgage, 450, 1, UpX, UpY}));
    // Paying off what is not mortgaged pays and records nothing.
    rules.PayOffShown();
    EXPECT_EQ(Figures(0).MortgagesPaidOff, 1);

    // Held for two turns: three ends of day, then back in play.
    state.Players[1].State = PlayerState::HeldFor(2);
    for (int day = 0; day < 5; ++day) {
        rules.EndDay();
    }
    EXPECT_EQ(Figures(1).DaysHeld, 3);
    EXPECT_EQ(Figures(0).DaysHeld, 0);
    EXPECT_EQ(state.Record.Points.size(), 5u);
}

TEST_F(RecordTest, RuinsAreOrderedAndTheGameOverLineComesAfterThePayment)
{
    Join(0, 100);
    Join(1, 100);
    Join(2, 100000);
    Own(2, UpX, UpY);
    Own(2, DownX, DownY);
    state.Week = 3;
    state.Day = 5;
    Settle(0); // ruined by the rent
    EXPECT_EQ(Figures(0).RuinOrder, 1);
    EXPECT_EQ(Figures(0).RuinWeek, 3);
    EXPECT_EQ(Figures(0).RuinDay, 5);
    rules.EndTurn();
    Settle(1);
    rules.EndTurn();
    EXPECT_FALSE(state.Running);
    EXPECT_EQ(Figures(1).RuinOrder, 2);
    EXPECT_EQ(Figures(2).RuinOrder, 0);
    const std::vector<HistoryLine>& history = state.Record.History;
    ASSERT_GE(history.size(), 3u);
    EXPECT_EQ(history.back().Code, HistoryCode::GameOver);
    EXPECT_EQ(history.back().Slot, 2);
    EXPECT_EQ(history[history.size() - 2].Code, NewsCode::Rent);
    EXPECT_EQ(history[history.size() - 3].Code, HistoryCode::Ruined);
    EXPECT_EQ(history[history.size() - 3].Slot, 1);
    // Told once, however often the turn is ended after.
    rules.EndTurn();
    EXPECT_EQ(state.Record.History.size(), history.size());
}

// A human at the screen who says yes or no at random and sometimes pays off the property his
// cards show.
class PayingHuman : public ScriptHost
{
public:
    PayingHuman(const GameState& state, std::uint32_t seed) : ScriptHost(state), pick(seed) {}
    bool AskDecision(std::int32_t) override { return pick() % 3 != 0; }
    void PostNews(const NewsLine&) override {}
    std::mt19937 pick;
};

TEST(RecordGameTest, EveryPointIsTheWorthOfItsDay)
{
    GameSetup setup;
    setup.InGame = {true, true, true, true, false, true};
    setup.Human = {true, false, true, false, false, false};
    setup.InitialCash = 25000;
    std::int32_t pointsChecked = 0;
    std::int32_t paidOff = 0;
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        Board board = seed % 2 == 0 ? SmallBoardA() : SmallBoardB();
        GameState state;
        Random random(seed);
        PayingHuman host(state, seed);
        Rules rules(state, board, random, host);
        rules.StartGame(setup);
        ASSERT_EQ(state.Record.Points.size(), 1u);
        EXPECT_EQ(state.Record.Points.front(), WorthNow(state, board));
        while (state.Running && state.Throws < 2500) {
            const std::size_t points = state.Record.Points.size();
            Player& p = state.CurrentPlayer();
            if (p.Human != 0 && p.PropertyCount > 0 && host.pick() % 4 == 0) {
                p.CardIndex =
                    static_cast<std::int32_t>(host.pick() % static_cast<std::uint32_t>(p.PropertyCount));
                const std::int32_t before =
                    state.Record.Players[static_cast<std::size_t>(state.Current)].MortgagesPaidOff;
                rules.PayOffShown();
                paidOff +=
                    state.Record.Players[static_cast<std::size_t>(state.Current)].MortgagesPaidOff - before;
            }
            rules.PlayThrow();
            // Nothing changes between the end of a day and the next throw: the newest point is the
            // worth now, worked out afresh.
            if (state.Record.Points.size() > points) {
                const DayPoint& newest = state.Record.Points.back();
                ASSERT_EQ(newest.DaysGone(), (state.Week - 1) * 7 + state.Day - 1);
                ASSERT_EQ(newest, WorthNow(state, board)) << "seed " << seed << " throw " << state.Throws;
                ++pointsChecked;
            }
        }
    }
    EXPECT_GT(pointsChecked, 1000);
    EXPECT_GT(paidOff, 0);
}

TEST(RecordGameTest, AGamePlayedForEverKeepsItsRecordBounded)
{
    GameRecord record;
    GameState state;
    Board board;
    board.New(4, 4);
    state.Players[0].Cash = 7;
    record.Start(state, board);
    const std::int32_t days = 3 * static_cast<std::int32_t>(GameRecord::MaxPoints) + 5;
    for (std::int32_t d = 1; d <= days; ++d) {
        state.Day = (d + 1) % 7;
        state.Week = (d + 1) / 7 + 1; // the calendar of a game that began on a Monday
        ASSERT_EQ(WorthNow(state, board).DaysGone(), d);
        state.Players[0].Cash = d;
        record.DayEnded(state, board);
    }
    ASSERT_LE(record.Points.size(), GameRecord::MaxPoints);
    EXPECT_GE(record.Points.size(), GameRecord::MaxPoints / 2);
    EXPECT_EQ(record.Points.front().DaysGone(), 0);
    EXPECT_EQ(record.Points.front().Players[0].Cash, 7);
    // Evenly spaced by the step, up to the last step.
    for (std::size_t i = 1; i < record.Points.size(); ++i) {
        ASSERT_EQ(record.Points[i].DaysGone() - record.Points[i - 1].DaysGone(), record.DayStep) << i;
        ASSERT_EQ(record.Points[i].Players[0].Cash, record.Points[i].DaysGone());
    }
    EXPECT_GT(record.Points.back().DaysGone(), days - record.DayStep);

    for (std::size_t i = 0; i < GameRecord::MaxLines + 10; ++i) {
        record.News(NewsLine{NewsCode::Throw, 1}, 0, state);
    }
    EXPECT_EQ(record.History.size(), GameRecord::MaxLines);
    EXPECT_EQ(record.LinesNotKept, 10);
}

} // namespace
