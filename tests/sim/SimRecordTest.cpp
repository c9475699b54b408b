// The game's record against the trace of the same game: every figure is the sum of its trace
// lines, a point is taken at the start and after every day, the history holds a line for every
// event, and the worth now is cash plus the board's values of the player's lots less his mortgages.
#include "sim/SimGame.h"
#include "support/SmallBoards.h"
#include "support/TextLines.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

// The figures of every slot as the trace's lines add them up.
struct TraceSums
{
    std::array<PlayerFigures, PlayerSlots> Players{};
    std::int32_t Days = 0;
    std::int32_t Throws = 0;
    std::int32_t Ruins = 0;

    void Add(const std::string& line)
    {
        std::istringstream in(line);
        std::string what;
        std::int64_t p = 0;
        in >> what >> p;
        const auto slot = static_cast<std::size_t>(p);
        std::int64_t a = 0, b = 0, c = 0, d = 0;
        in >> a >> b >> c >> d;
        if (what == "rent") {
            Players[slot].RentPaid += b;
            Players[static_cast<std::size_t>(a)].RentCollected += b;
        } else if (what == "salary") {
            Players[slot].Salaries += a;
        } else if (what == "treasury") {
            (a > 0 ? Players[slot].TreasuryReceived : Players[slot].Taxes) += a > 0 ? a : -a;
        } else if (what == "police") {
            Players[slot].Fines += a;
        } else if (what == "hospital") {
            Players[slot].Bills += a;
        } else if (what == "school") {
            Players[slot].Tuition += b;
        } else if (what == "buy") {
            ++Players[slot].LotsBought;
            Players[slot].Invested += c;
        } else if (what == "build") {
            ++Players[slot].StructuresBuilt;
            Players[slot].Invested += d;
        } else if (what == "mortgage") {
            ++Players[slot].MortgagesTaken;
        } else if (what == "payoff") {
            ++Players[slot].MortgagesPaidOff;
        } else if (what == "seize") {
            ++Players[slot].MortgagesSeized;
        } else if (what == "ruin") {
            Players[slot].RuinOrder = ++Ruins;
        } else if (what == "day") {
            ++Days;
        } else if (what == "turn") {
            ++Throws;
        }
    }
};

// What the lots of each slot are worth on the board, walked cell by cell.
std::array<PlayerWorth, PlayerSlots> BoardWorth(const Board& board)
{
    std::array<PlayerWorth, PlayerSlots> worth{};
    for (std::int32_t y = 0; y < board.Height(); ++y) {
        for (std::int32_t x = 0; x < board.Width(); ++x) {
            const Cell& cell = board.At(x, y);
            if (!IsOwnedLot(cell.Kind) || cell.Owner < 1 || cell.Owner > PlayerSlots) {
                continue;
            }
            PlayerWorth& w = worth[static_cast<std::size_t>(cell.Owner - 1)];
            const std::int32_t structure = cell.Kind - CellKind::OwnedLot;
            w.Properties += board.Price(0, x, y) + (structure > 0 ? board.Price(structure, x, y) : 0);
            w.Mortgages += cell.Street != 0 ? board.MortgageValue(x, y) : 0;
        }
    }
    return worth;
}

struct Game
{
    const char* Name;
    Board TheBoard;
    GameSetup Setup;
    std::uint32_t Seed;
};

TEST(SimRecordTest, TheRecordAgreesWithTheTrace)
{
    GameSetup computers;
    computers.InGame = {true, true, true, true, false, false};
    computers.Human = {};
    computers.InitialCash = 30000;
    GameSetup withHumans;
    withHumans.InGame = {true, true, true, true, true, true};
    withHumans.Human = {true, false, true, false, false, true};
    withHumans.InitialCash = 20000;
    const Game games[] = {
        {"default board", GameFolderBoard(), GameSetup{}, 5},
        {"default board, four computers", GameFolderBoard(), computers, 11},
        {"small board A with humans", SmallBoardA(), withHumans, 3},
        {"small board B with humans", SmallBoardB(), withHumans, 8},
    };
    // Every figure of all games together, so that no comparison below is of zeros only.
    PlayerFigures total;
    for (const Game& game : games) {
        SCOPED_TRACE(game.Name);
        std::string trace;
        GameState final;
        Board finalBoard;
        SimGameOptions options;
        options.MaxThrows = 6000;
        options.Finished = [&](const GameState& state, const Board& board) {
            final = state;
            finalBoard = board;
        };
        SimGameResult result;
        ASSERT_EQ(PlaySimGame(game.TheBoard, game.Setup, game.Seed, options, &trace, &result).ExitCode,
                  SimExit::Ok);
        TraceSums sums;
        for (const std::string& line : Lines(trace)) {
            sums.Add(line);
        }
        const GameRecord& record = final.Record;
        for (std::size_t i = 0; i < PlayerSlots; ++i) {
            SCOPED_TRACE(i);
            const PlayerFigures& want = sums.Players[i];
            const PlayerFigures& got = record.Players[i];
            EXPECT_EQ(got.RentPaid, want.RentPaid);
            EXPECT_EQ(got.RentCollected, want.RentCollected);
            EXPECT_EQ(got.Salaries, want.Salaries);
            EXPECT_EQ(got.TreasuryReceived, want.TreasuryReceived);
            EXPECT_EQ(got.Taxes, want.Taxes);
            EXPECT_EQ(got.Fines, want.Fines);
            EXPECT_EQ(got.Bills, want.Bills);
            EXPECT_EQ(got.Tuition, want.Tuition);
            EXPECT_EQ(got.Invested, want.Invested);
            EXPECT_EQ(got.LotsBought, want.LotsBought);
            EXPECT_EQ(got.StructuresBuilt, want.StructuresBuilt);
            EXPECT_EQ(got.MortgagesTaken, want.MortgagesTaken);
            EXPECT_EQ(got.MortgagesPaidOff, want.MortgagesPaidOff);
            EXPECT_EQ(got.MortgagesSeized, want.MortgagesSeized);
            EXPECT_EQ(got.RuinOrder, want.RuinOrder);
            total.RentPaid += want.RentPaid;
            total.Salaries += want.Salaries;
            total.TreasuryReceived += want.TreasuryReceived;
            total.Taxes += want.Taxes;
            total.Fines += want.Fines;
            total.Bills += want.Bills;
            total.Tuition += want.Tuition;
            total.StructuresBuilt += want.StructuresBuilt;
            total.MortgagesTaken += want.MortgagesTaken;
            total.MortgagesPaidOff += want.MortgagesPaidOff;
            total.MortgagesSeized += want.MortgagesSeized;
        }
        // The games were long enough to have every kind of figure.
        EXPECT_GT(sums.Ruins, 0);
        EXPECT_EQ(record.RentByLot, result.RentByLot);
        // A point at the start and one after every day.
        ASSERT_EQ(record.Points.size(), static_cast<std::size_t>(sums.Days) + 1);
        EXPECT_EQ(record.Points.front().DaysGone(), 0);
        EXPECT_EQ(record.Points.back().DaysGone(), sums.Days);
        // The throws, and the opening line first.
        std::int32_t throwLines = 0;
        for (const HistoryLine& line : record.History) {
            throwLines += line.Code == NewsCode::Throw ? 1 : 0;
        }
        EXPECT_EQ(throwLines, sums.Throws);
        ASSERT_FALSE(record.History.empty());
        EXPECT_EQ(record.History.front().Code, NewsCode::Ready);
        if (!final.Running) {
            EXPECT_EQ(record.History.back().Code, HistoryCode::GameOver);
            EXPECT_EQ(record.History.back().Slot, result.Winner);
        }

        // The worth now, from the state, against the board walked cell by cell; and the last
        // point of the record (kept up to date between changes) against the worth then.
        const std::array<PlayerWorth, PlayerSlots> onBoard = BoardWorth(finalBoard);
        const DayPoint now = WorthNow(final, finalBoard);
        for (std::size_t i = 0; i < PlayerSlots; ++i) {
            const Player& player = final.Players[i];
            if (player.State == PlayerState::Out && final.Running) {
                continue;
            }
            EXPECT_EQ(now.Players[i].Cash, player.Cash);
            EXPECT_EQ(now.Players[i].Properties, onBoard[i].Properties) << i;
            EXPECT_EQ(now.Players[i].Mortgages, onBoard[i].Mortgages) << i;
            EXPECT_EQ(now.Players[i].NetWorth(), player.Cash + onBoard[i].Properties - onBoard[i].Mortgages);
        }
    }
    for (const std::int64_t figure : {total.RentPaid, total.Salaries, total.TreasuryReceived, total.Taxes,
                                      total.Fines, total.Bills, total.Tuition}) {
        EXPECT_GT(figure, 0);
    }
    for (const std::int32_t count :
         {total.StructuresBuilt, total.MortgagesTaken, total.MortgagesPaidOff, total.MortgagesSeized}) {
        EXPECT_GT(count, 0);
    }
}

TEST(SimRecordTest, RecordingCanBeTurnedOffWithoutChangingTheGame)
{
    const Board board = GameFolderBoard();
    std::string recorded;
    std::string unrecorded;
    SimGameOptions options;
    GameRecord kept;
    options.Finished = [&](const GameState& state, const Board&) { kept = state.Record; };
    ASSERT_EQ(PlaySimGame(board, GameSetup{}, 9, options, &recorded).ExitCode, SimExit::Ok);
    EXPECT_FALSE(kept.History.empty());
    options.Recording = false;
    ASSERT_EQ(PlaySimGame(board, GameSetup{}, 9, options, &unrecorded).ExitCode, SimExit::Ok);
    EXPECT_TRUE(kept.History.empty());
    EXPECT_TRUE(kept.Points.empty());
    EXPECT_EQ(recorded, unrecorded);
}

} // namespace
