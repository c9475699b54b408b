// The rules engine: a new game, the throw, the walk step by step, settling the cells beside the
// pawn, debts, ruin, passing the turn, the end of a day and the computer players' decisions.
// It never draws, animates or waits: whatever needs the outside goes through its RulesHost.
#pragma once

#include "board/Board.h"
#include "rules/GameSetup.h"
#include "rules/GameState.h"
#include "rules/Random.h"
#include "rules/RulesHost.h"

#include <filesystem>

class Rules
{
public:
    // Everything the engine works on is its own or handed in here, so that two engines on two
    // games never share anything.
    Rules(GameState& state, Board& board, Random& random, RulesHost& host, const RulesOptions& options = {});

    // Loads the board file (or the default board when it cannot be read) and starts a game on
    // it. False, with nothing started, when no board could be read at all.
    bool NewGame(const std::filesystem::path& boardFile, const GameSetup& setup);
    // Starts a game of setup on the board as it stands; the first slot in play gets the turn.
    void StartGame(const GameSetup& setup);
    // The options dialog may change the options during a game: they apply from the next event
    // on. (A loaded game needs no set-up: its file holds the players.)
    void SetOptions(const RulesOptions& newOptions) { options = newOptions; }
    const RulesOptions& Options() const { return options; }

    // A game screen drives one turn as: Throw, then Step until it returns false (one call per
    // animation step), then SettleEvents, then EndTurn. PlayThrow does all of it at once.

    // The phase of the turn (GameState::Turn) follows: Walking after the throw, Settling after the
    // last step, AwaitingThrow once the turn has ended.

    // Throws the die for the current player: Dice = 1 to 6. Returns it (0 with no current player,
    // or while a turn is in progress).
    std::int32_t Throw();
    // One step of the current player's pawn; true while steps remain.
    bool Step();
    // Settles the four cells beside the current player's pawn.
    void SettleEvents();
    // Passes the turn while the game runs; after a game over makes the winner current.
    void EndTurn();
    // The rest of a turn in progress (a loaded game may stand in the middle of one): the steps
    // left, settling and the end of the turn. Nothing while the die is still to be thrown.
    void FinishTurn();
    // Throw, walk, settle and end the turn; a turn in progress is finished instead.
    void PlayThrow();

    // The parts, for the game screen and tests.
    void PassTurn();
    void EndDay();
    // Command 104: pays off the mortgage of the property the cards panel shows.
    void PayOffShown();
    // Buying (kind 0) or building structure kind on (x, y) for EventAmount dollars.
    void Acquire(std::int32_t kind, std::int32_t x, std::int32_t y);
    // Mortgages the current player's properties for at least shortfall dollars; true when the
    // player is ruined instead (EventAmount then holds what he could raise).
    bool RaiseMoney(std::int32_t shortfall);
    // Takes the current player out of the game.
    void Ruin();
    // A computer player pays off every mortgage it can afford, in the order of its properties.
    void PayOffMortgages();
    // The event of public building index (Kind - 65) for the current player; true when it ruined him.
    bool PublicBuilding(std::int32_t index);

private:
    Player& P() { return state.CurrentPlayer(); }
    void TakeOverOwnedLots();
    bool SettleRent(std::int32_t x, std::int32_t y);
    void Offer(std::int32_t side, std::int32_t x, std::int32_t y);
    // Announces an event: the dialog for a human, the sound for a computer.
    void Announce(std::int32_t eventCode, const char* sound, std::int32_t x = -1, std::int32_t y = -1);
    // Pays EventAmount, raising money first when the cash is short; true when that ruined P.
    bool Pay();
    void Seize(std::int32_t x, std::int32_t y);
    void Post(std::int32_t code, std::int32_t value = 0, std::int32_t arg = 0, std::int32_t x = -1,
              std::int32_t y = -1);
    void Sound(const char* name, bool wait);
    // The record's worth of slot follows a change of the lot at (x, y): -1 before it, +1 after.
    void RecordLotWorth(std::int32_t slot, std::int32_t x, std::int32_t y, int sign);
    std::int32_t FirstUnmortgaged(const Player& player) const;
    std::int32_t FindProperty(const Player& player, std::int32_t x, std::int32_t y) const;

    GameState& state;
    Board& board;
    Random& random;
    RulesHost& host;
    RulesOptions options;
};

// Adds to a player's cash without passing the largest 32-bit amount.
void AddCash(Player& player, std::int64_t amount);
