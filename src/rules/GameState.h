// The game state: the six player records, the calendar, whose turn it is, the die and the progress
// of the turn, the event being settled, and the constant tables of the rules.
#pragma once

#include "rules/GameRecord.h"

#include <array>
#include <cstdint>
#include <string_view>

constexpr std::int32_t PlayerSlots = 6;
constexpr std::int32_t MaxProperties = 64;
constexpr std::int32_t MortgageTerm = 28;   // days to pay off a mortgage
constexpr std::int32_t PlayerNameSize = 16; // 15 characters and a terminating zero
constexpr std::int32_t PayDay = 4;          // the day whose end pays salaries (Thursday)
static_assert(RecordSlots == PlayerSlots);

// The cell of an owned lot in a player's list of properties.
struct PropertyEntry
{
    std::int32_t X = 0;
    std::int32_t Y = 0;
    bool operator==(const PropertyEntry&) const = default;
};

// Values of Player::State. A held player's State is one more than the turns he misses: from Held
// (one turn) to HeldLongest (prison's five).
namespace PlayerState {
enum Kind : std::int32_t
{
    Out = 0,
    InPlay = 1,
    Held = 2,
    HeldLongest = 6
};
constexpr std::int32_t HeldFor(std::int32_t turns)
{
    return turns + 1;
}
} // namespace PlayerState

struct Player
{
    std::array<char, PlayerNameSize> Name{}; // zero-terminated
    std::int32_t State = PlayerState::Out;   // a PlayerState: out, in play, or held
    std::int32_t HeldDays = 0;               // days held so far; back in play when it reaches State
    std::uint8_t Human = 0;                  // 1 human, 0 computer
    std::int32_t X = 0;                      // cell of the pawn
    std::int32_t Y = 0;
    std::int32_t Cash = 0;
    std::uint8_t Education = 0; // 0 None .. 3 Graduate
    std::uint8_t Job = 0;       // 0 Unemployed .. 7 Richman
    std::int32_t Salary = 0;
    std::int32_t PropertyCount = 0;                        // entries used in Properties
    std::int32_t MortgageCount = 0;                        // how many of them are mortgaged
    std::int32_t CardIndex = 0;                            // the property the cards panel shows
    std::array<PropertyEntry, MaxProperties> Properties{}; // in order of purchase

    std::string_view NameText() const;
    // Stores name cut to 15 bytes at a character boundary.
    void SetName(std::string_view name);
    bool operator==(const Player&) const = default;
};

// What each of the four cells beside the pawn offers (up, right, down, left).
enum SideEventKind : std::uint8_t
{
    SideNothing = 0,
    SideLotForSale = 1,
    SideCanBuild = 2,
    SideRentDue = 3,
    SidePublicBuilding = 4,
};

// Where the current player's turn stands. The rules move it from the throw through the walk to the
// end of the turn; the game screen rolls the die before the walk and counts the ticks between steps.
enum class TurnPhase : std::uint8_t
{
    AwaitingThrow = 0, // the die is not thrown yet
    Rolling = 1,       // the die is thrown (Dice) and rolls over the board
    Walking = 2,       // the pawn walks, Dice steps left
    Settling = 3,      // the walk is over; the cells beside the pawn are still to be settled
};

constexpr std::int32_t DiceFrames = 14; // frames of the rolling die, one a tick
constexpr std::int32_t StepTicks = 6;   // ticks between two steps of the pawn, also before the first

struct TurnProgress
{
    TurnPhase Phase = TurnPhase::AwaitingThrow;
    std::int32_t DiceFrame = 0; // Rolling: the frame shown on the next tick, 1 to DiceFrames
    std::int32_t StepDelay = 0; // Walking: ticks left before the next step, 0 to StepTicks
    bool operator==(const TurnProgress&) const = default;
};

struct GameState
{
    bool Running = false;      // a game is in progress
    std::int32_t Week = 1;     // from 1, no upper limit
    std::int32_t Day = 1;      // 0 Sunday .. 6 Saturday
    std::int32_t Current = -1; // whose turn it is; -1 before the first turn
    std::int32_t Dice = 0;     // the number thrown, then the steps still to walk
    TurnProgress Turn;
    std::array<Player, PlayerSlots> Players{};
    std::array<std::uint8_t, 4> SideEvent{};
    std::int32_t EventAmount = 0; // first argument of the event being settled or shown
    std::int32_t EventArg = 0;    // second argument
    // Kept for saved games and the simulator: the throws made since the game began and the
    // slots that took part at the start (bit i = slot i).
    std::int32_t Throws = 0;
    std::uint8_t TakingPart = 0;
    // The story of the game so far, for its report (kept while the rules' option Recording is on).
    GameRecord Record;

    Player& CurrentPlayer() { return Players[static_cast<std::size_t>(Current)]; }
    const Player& CurrentPlayer() const { return Players[static_cast<std::size_t>(Current)]; }
    bool HasCurrent() const { return Current >= 0 && Current < PlayerSlots; }
    // Slots whose State is not Out.
    std::int32_t PlayersLeft() const;
    // The lowest slot whose State is not Out, -1 when nobody remains.
    std::int32_t Winner() const;
};

// Base wage of each job, Unemployed to Richman.
inline constexpr std::array<std::int32_t, 8> Wages{500, 1000, 2000, 3000, 4000, 5000, 6000, 8000};
// How many jobs the Employment Office can offer at each education level.
inline constexpr std::array<std::int32_t, 4> JobsByEducation{1, 2, 5, 7};
// Cash a computer player keeps back when buying or building, by slot.
inline constexpr std::array<std::int32_t, PlayerSlots> ComputerReserve{1000, 5000, 10000, 2000, 15000, 4000};
