// One game of the simulator at full speed, with no window and no sound: computer players and
// scripted humans, an event trace, invariant checks, saving mid-game, and what the game came to.
#pragma once

#include "board/Board.h"
#include "rules/GameSetup.h"
#include "rules/GameState.h"
#include "rules/Random.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <utility>

// How a game or a batch ended; the codes are tarnhollow-sim's exit status.
namespace SimExit {
constexpr int Ok = 0;
constexpr int BadInput = 2;  // a save that failed; to the command also bad usage and unreadable files
constexpr int Broken = 3;    // an invariant broken under Check
constexpr int Cancelled = 4; // stopped by the cancel flag
} // namespace SimExit

struct SimStatus
{
    int ExitCode = SimExit::Ok;
    std::string Message; // why, for standard error or a message box
};

// How each game is played.
struct SimGameOptions
{
    std::int32_t MaxThrows = 20000; // the turn limit: the game stops after this throw
    bool Check = false;             // verify the rules' invariants after every event
    // What Check verifies: the rules' own invariants (FindBrokenInvariant) unless given; returns
    // the broken one described, empty when all hold.
    std::function<std::string(const GameState&, const Board&)> Invariants;
    std::int32_t SaveAt = -1;       // after this throw has been settled and the turn passed, save
    std::filesystem::path SaveFile; // ... to this file, and play on
    // The scripted humans (the slots the set-up or the saved game marks human) answer from a
    // generator of the game's own kind seeded with Answers, independent of the game's: one draw
    // for each question (Yes when it is even) and one for each property to mortgage (the entry
    // draw modulo the number of his properties not mortgaged, in the order of his list). They
    // never pay off a mortgage. AnswersDrawn draws are made first, so that a saved game goes on
    // with the answers it would have had.
    std::uint32_t Answers = 1;
    std::int32_t AnswersDrawn = 0;
    // Read between throws; when set, the game stops with SimExit::Cancelled.
    const std::atomic<bool>* Cancel = nullptr;
    // The game's record (GameState::Record, what its report is made of) is kept.
    bool Recording = true;
    // Called with the final state and board when the game has ended (by a winner, with nobody
    // left or by the turn limit), on the thread that played it.
    std::function<void(const GameState& state, const Board& board)> Finished;
};

// What one game came to.
struct SimGameResult
{
    std::int32_t Throws = 0;
    std::int32_t Winner = -1;                     // -1 when nobody won (the turn limit, or nobody took part)
    bool TurnLimit = false;                       // stopped by MaxThrows
    std::uint8_t TakingPart = 0;                  // bit i: slot i took part
    std::array<std::int32_t, PlayerSlots> Cash{}; // final cash of every slot
    std::map<std::pair<std::int32_t, std::int32_t>, std::int64_t> RentByLot; // by (y, x): rows in order
};

// A game in progress to play on from, as a saved game holds it.
struct SimGameInProgress
{
    GameState State;
    Board GameBoard;
    Random Generator;
};

// The trace: one event a line, tokens separated by one space, slots 0 to 5, cells as X Y.
//   game SEED
//   turn N P D          throw number N (from 1) by slot P, die value D
//   stop P X Y          where the walk ended
//   ask P CODE A        the human P answered question CODE (0 buy, 1 build, 2 job, 3 school):
//                       A = 1 Yes, 0 No; before the lines the answer causes
//   rent P O AMOUNT     P paid AMOUNT to O
//   buy P X Y PRICE
//   build P X Y S PRICE structure S (1 to 6)
//   treasury P AMOUNT   positive when P receives, negative when P pays
//   job P J WAGE
//   school P LEVEL TUITION
//   police P AMOUNT TURNS
//   jail P              the visit to the family in jail
//   hospital P AMOUNT TURNS
//   court P
//   mortgage P X Y VALUE
//   payoff P X Y COST
//   salary P AMOUNT     pay day, one line per paid slot in slot order
//   day W D             the calendar moved (after the salaries, before releases, exits, seizures)
//   seize P X Y S       P lost the mortgaged lot at X Y, which carried structure S
//   ruin P AMOUNT       what P could raise
//   winner P            -1 when nobody remains
//   end N               the game is over after N throws (winner or turn limit)
//   cash P C            final cash of every slot that took part, in slot order
// A payment's line comes after the payment is settled, after any mortgage and ruin it caused;
// its amount is what was paid (after a ruin, what the player could raise). A human's choice of
// the property to mortgage shows as the mortgage line it causes; games without humans have no
// ask lines.

// Plays a new game of setup on a copy of board; the game's generator is seeded with seed. The
// trace is appended to trace and the outcome written to result, each when not null. Games share
// nothing but their read-only arguments, so several may be played at once.
SimStatus PlaySimGame(const Board& board, const GameSetup& setup, std::uint32_t seed,
                      const SimGameOptions& options, std::string* trace = nullptr,
                      SimGameResult* result = nullptr);

// Plays on from a game in progress (a loaded saved game). seed only names the game in the trace:
// the generator goes on from the state it was saved with. A game saved in the middle of a turn
// first plays the rest of that turn, so its trace begins with the stop line of the throw made.
SimStatus ContinueSimGame(SimGameInProgress game, std::uint32_t seed, const SimGameOptions& options,
                          std::string* trace = nullptr, SimGameResult* result = nullptr);
