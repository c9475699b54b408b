// The story of a game as the rules engine records it: every player's worth at the start and at the
// end of each day, his figures over the game, the rent each lot earned, and every news line with
// its day, for the game's report.
#pragma once

#include "rules/RulesHost.h"

#include <array>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

class Board;
struct GameState;
struct Player;

// The player slots (PlayerSlots of GameState.h, which includes this header).
constexpr std::int32_t RecordSlots = 6;

// What a player is worth at one moment. Each part fits 32 bits (cash is kept within them, and 64
// lots at the dearest prices the streets allow come to about 10^8 dollars); the net worth, a sum
// that may pass them, is 64-bit.
struct PlayerWorth
{
    std::int32_t Cash = 0;
    std::int32_t Properties = 0; // each lot's price and the price of the structure on it
    std::int32_t Mortgages = 0;  // what paying off his mortgaged properties would cost
    std::int64_t NetWorth() const { return std::int64_t{Cash} + Properties - Mortgages; }
    bool operator==(const PlayerWorth&) const = default;
};

// Every slot's worth when a day began: the game's start, or the end of the day before (after its
// salaries and seizures).
struct DayPoint
{
    std::int32_t Week = 1;
    std::int32_t Day = 1; // the weekday that began
    std::array<PlayerWorth, RecordSlots> Players{};
    // Days gone by since the game's Monday of week 1.
    std::int32_t DaysGone() const { return (Week - 1) * 7 + Day - 1; }
    bool operator==(const DayPoint&) const = default;
};

// What a player did over the whole game (amounts in dollars as paid or received).
struct PlayerFigures
{
    std::int64_t RentCollected = 0;
    std::int64_t RentPaid = 0;
    std::int64_t Salaries = 0;
    std::int64_t TreasuryReceived = 0;
    std::int64_t Taxes = 0; // paid to the Treasury
    std::int64_t Fines = 0;
    std::int64_t Bills = 0; // the hospital's
    std::int64_t Tuition = 0;
    std::int64_t Invested = 0; // spent on lots and structures
    std::int32_t LotsBought = 0;
    std::int32_t StructuresBuilt = 0;
    std::int32_t DaysHeld = 0; // ends of day spent in school, hospital, jail or prison
    std::int32_t MortgagesTaken = 0;
    std::int32_t MortgagesPaidOff = 0;
    std::int32_t MortgagesSeized = 0;
    // When he was ruined: the order among the ruined (1 for the first, 0 while he is not), the
    // week and weekday.
    std::int32_t RuinOrder = 0;
    std::int32_t RuinWeek = 0;
    std::int32_t RuinDay = 0;
    bool operator==(const PlayerFigures&) const = default;
};

// Lines of the history that are no news lines: what the event dialogs tell.
namespace HistoryCode {
constexpr std::int32_t Seizure = 100;  // Slot lost the mortgaged lot at X, Y; Value = its structure
constexpr std::int32_t Ruined = 101;   // Slot is ruined; Value = what he could raise
constexpr std::int32_t GameOver = 102; // Slot wins; -1 when nobody is left
} // namespace HistoryCode

// A line of the game's history: a news line (or a HistoryCode line), whom it tells of and its day,
// in 16 bytes: the small numbers (the code; the argument, a slot, structure, flag or number of
// turns; the weekday) as bytes and the cell (0 to 255 each way, -1 for none) in 16 bits.
struct HistoryLine
{
    std::int32_t Value = 0;
    std::int32_t Week = 1;
    std::int16_t X = -1;
    std::int16_t Y = -1;
    std::uint8_t Code = 0;
    std::int8_t Arg = 0;
    std::int8_t Slot = -1; // the player it tells of (the current player of a news line); -1 none
    std::uint8_t Day = 1;

    HistoryLine() = default;
    HistoryLine(const NewsLine& line, std::int32_t slot, std::int32_t week, std::int32_t day)
        : Value(line.Value), Week(week), X(static_cast<std::int16_t>(line.X)),
          Y(static_cast<std::int16_t>(line.Y)), Code(static_cast<std::uint8_t>(line.Code)),
          Arg(static_cast<std::int8_t>(line.Arg)), Slot(static_cast<std::int8_t>(slot)),
          Day(static_cast<std::uint8_t>(day))
    {
    }
    NewsLine Line() const { return NewsLine{Code, Value, Arg, X, Y}; }
    bool operator==(const HistoryLine&) const = default;
};

class GameRecord
{
public:
    // Bounds that keep a game played for ever from filling the memory: past MaxPoints the points
    // are thinned to every other one and a point is taken every DayStep days; past MaxLines the
    // lines are only counted.
    static constexpr std::size_t MaxPoints = 16384;
    static constexpr std::size_t MaxLines = 262144;

    std::vector<DayPoint> Points;
    std::int32_t DayStep = 1;
    std::array<PlayerFigures, RecordSlots> Players{};
    // Rent earned by each lot, by (y, x): rows in order.
    std::map<std::pair<std::int32_t, std::int32_t>, std::int64_t> RentByLot;
    std::vector<HistoryLine> History;
    std::int64_t LinesNotKept = 0;

    // What the engine tells. Start forgets everything and takes the first point.
    void Start(const GameState& state, const Board& board);
    // A news line for slot; the figures follow from its code and numbers.
    void News(const NewsLine& line, std::int32_t slot, const GameState& state);
    void SalaryPaid(std::int32_t slot, std::int32_t amount) { Players[Index(slot)].Salaries += amount; }
    void DayHeld(std::int32_t slot) { ++Players[Index(slot)].DaysHeld; }
    // The day's end is over (salaries, releases, seizures): the point of the new day.
    void DayEnded(const GameState& state, const Board& board);
    // A human paid off a mortgage through the cards panel (no news line tells it).
    void PaidOff(std::int32_t x, std::int32_t y, std::int32_t cost, const GameState& state);
    void Seized(std::int32_t owner, std::int32_t x, std::int32_t y, std::int32_t structure,
                const GameState& state);
    // The current player is ruined, having raised amount.
    void Ruined(std::int32_t amount, const GameState& state);
    // The game is over: the winner's line (once), after the payment that ended it.
    void GameOver(const GameState& state);

    // The lot at (x, y), if it is slot's, is about to change (sign -1) or has changed (sign +1):
    // its value and mortgage leave or join the slot's worth, so that no change makes the engine
    // work out all of his properties again.
    void LotWorth(std::int32_t slot, const Board& board, std::int32_t x, std::int32_t y, int sign);
    // The slot's worth now (after a load or a ruin its property values are worked out again).
    PlayerWorth Worth(std::int32_t slot, const GameState& state, const Board& board);
    // Every slot's worth now, as a point of the current day.
    DayPoint Now(const GameState& state, const Board& board);

    bool operator==(const GameRecord& other) const;

private:
    static std::size_t Index(std::int32_t slot) { return static_cast<std::size_t>(slot); }
    static bool IsSlot(std::int32_t slot) { return slot >= 0 && slot < RecordSlots; }
    void Add(const NewsLine& line, std::int32_t slot, const GameState& state);
    void Changed(std::int32_t slot);

    // The property values and mortgages of each slot as last worked out; a set bit of stale says
    // they must be worked out again (every bit is set in a new or loaded record).
    std::array<PlayerWorth, RecordSlots> cachedWorth{};
    std::uint8_t stale = 0x3F;
};

// The worth of a player's properties on board; Cash is left at 0.
PlayerWorth PropertyWorth(const Player& player, const Board& board);
// Every slot's worth now, worked out afresh.
DayPoint WorthNow(const GameState& state, const Board& board);
