// One game of the simulator: the trace host and the game played to its end.
#include "sim/SimGame.h"

#include "rules/Rules.h"
#include "rules/RulesCheck.h"
#include "rules/RulesText.h"
#include "rules/SavedGame.h"

namespace {

using RulesText::Concat;

// An invariant broken under Check: stops the game at once.
struct InvariantBroken
{
    std::string What;
};

// The simulator's host: nothing is shown or played; events become trace lines and rent totals;
// the humans' questions and mortgage choices are answered from the answers' generator.
class SimHost : public QuietRulesHost
{
public:
    SimHost(const GameState& state, const Board& board, std::string* trace, bool check, SimGameResult& result,
            const SimGameOptions& options)
        : state(state), board(board), trace(trace), check(check), result(result), answers(options.Answers),
          invariants(options.Invariants ? options.Invariants : FindBrokenInvariant)
    {
        for (std::int32_t i = 0; i < options.AnswersDrawn; ++i) {
            answers.Next();
        }
    }

    void Line(const std::string& line)
    {
        if (trace != nullptr) {
            trace->append(line);
            trace->push_back('\n');
        }
    }

    // After every event, under Check.
    void Verify()
    {
        if (check) {
            if (std::string broken = invariants(state, board); !broken.empty()) {
                throw InvariantBroken{Concat("throw ", state.Throws, ": ", broken)};
            }
        }
    }

    bool WinnerShown = false;

    void ShowEvent(std::int32_t code) override
    {
        switch (code) {
        case EventCode::Seizure:
            if (trace != nullptr) {
                Line(
                    Concat("seize ", state.EventArg, " ", selectedX, " ", selectedY, " ", state.EventAmount));
            }
            break;
        case EventCode::Ruined:
            if (trace != nullptr) {
                Line(Concat("ruin ", state.Current, " ", state.EventAmount));
            }
            break;
        case EventCode::GameOver:
            if (trace != nullptr) {
                Line(Concat("ruin ", state.Current, " ", state.EventAmount));
                Line(Concat("winner ", state.Winner()));
            }
            WinnerShown = true;
            break;
        default:
            break;
        }
        // The event is settled after its dialog (the seizure changes the lot then): the next event
        // or the end of the turn checks it.
    }
    bool AskDecision(std::int32_t code) override
    {
        const bool yes = answers.Next() % 2 == 0;
        if (trace != nullptr) {
            Line(Concat("ask ", state.Current, " ", code, " ", yes ? 1 : 0));
        }
        return yes;
    }
    void ChooseMortgage(std::int32_t, std::int32_t& x, std::int32_t& y) override
    {
        const Player& p = state.CurrentPlayer();
        std::array<PropertyEntry, MaxProperties> free{};
        std::int32_t count = 0;
        for (std::int32_t i = 0; i < p.PropertyCount; ++i) {
            const PropertyEntry& entry = p.Properties[static_cast<std::size_t>(i)];
            if (const Cell* cell = board.Find(entry.X, entry.Y); cell == nullptr || cell->Street == 0) {
                free[static_cast<std::size_t>(count++)] = entry;
            }
        }
        x = y = -1;
        // The rules ask only while one is left; with none there is nothing to choose.
        if (count > 0) {
            const PropertyEntry& chosen = free[static_cast<std::size_t>(answers.Below(count))];
            x = chosen.X;
            y = chosen.Y;
        }
    }
    void SelectCell(std::int32_t x, std::int32_t y) override
    {
        selectedX = x;
        selectedY = y;
    }

    void PostNews(const NewsLine& news) override
    {
        const std::int32_t p = state.Current;
        if (news.Code == NewsCode::Rent) {
            result.RentByLot[{news.Y, news.X}] += news.Value;
        }
        if (trace != nullptr) {
            switch (news.Code) {
            case NewsCode::BuyLot:
                Line(Concat("buy ", p, " ", news.X, " ", news.Y, " ", news.Value));
                break;
            case NewsCode::Build:
                Line(Concat("build ", p, " ", news.X, " ", news.Y, " ", news.Arg, " ", news.Value));
                break;
            case NewsCode::Rent:
                Line(Concat("rent ", p, " ", news.Arg, " ", state.EventAmount));
                break;
            case NewsCode::Treasury:
                Line(Concat("treasury ", p, " ", news.Arg != 0 ? state.EventAmount : -state.EventAmount));
                break;
            case NewsCode::Job:
                if (news.Arg != 0) {
                    Line(Concat("job ", p, " ", news.Value, " ", state.EventAmount));
                }
                break;
            case NewsCode::School:
                Line(Concat("school ", p, " ", state.EventArg, " ", news.Value));
                break;
            case NewsCode::Police:
                Line(Concat("police ", p, " ", state.EventAmount, " ", state.EventArg));
                break;
            case NewsCode::Jail:
                Line(Concat("jail ", p));
                break;
            case NewsCode::Hospital:
                Line(Concat("hospital ", p, " ", state.EventAmount, " ", state.EventArg));
                break;
            case NewsCode::Courthouse:
                Line(Concat("court ", p));
                break;
            case NewsCode::Mortgage:
                Line(Concat(news.Arg != 0 ? "payoff " : "mortgage ", p, " ", news.X, " ", news.Y, " ",
                            news.Value));
                break;
            default:
                break;
            }
        }
        Verify();
    }

    void SalaryPaid(std::int32_t slot, std::int32_t amount) override
    {
        if (trace != nullptr) {
            Line(Concat("salary ", slot, " ", amount));
        }
        Verify();
    }
    void DayBegun() override
    {
        if (trace != nullptr) {
            Line(Concat("day ", state.Week, " ", state.Day));
        }
        Verify();
    }

private:
    const GameState& state;
    const Board& board;
    std::string* trace;
    bool check;
    SimGameResult& result;
    Random answers;
    std::function<std::string(const GameState&, const Board&)> invariants;
    std::int32_t selectedX = -1;
    std::int32_t selectedY = -1;
};

// Plays the game of state, board and random to its end: a new game of setup when setup is not
// null, else the game in progress they hold.
SimStatus PlayToTheEnd(GameState& state, Board& board, Random& random, const GameSetup* setup,
                       std::uint32_t seed, const SimGameOptions& options, std::string* trace,
                       SimGameResult* resultOut)
{
    SimGameResult unused;
    SimGameResult& result = resultOut != nullptr ? *resultOut : unused;
    result = SimGameResult{};
    SimHost host(state, board, trace, options.Check, result, options);
    Rules rules(state, board, random, host,
                RulesOptions{.SoundEffects = false, .Recording = options.Recording});

    host.Line(Concat("game ", seed));
    try {
        if (setup != nullptr) {
            rules.StartGame(*setup);
        }
        host.Verify();
        // The walk and the settling of a throw made (a saved game may stand in the middle of one),
        // then the save it may be due for: the reason when that failed, else empty.
        const auto playOn = [&]() -> std::string {
            while (rules.Step()) {
            }
            const Player& p = state.CurrentPlayer();
            host.Line(Concat("stop ", state.Current, " ", p.X, " ", p.Y));
            host.Verify();
            rules.SettleEvents();
            rules.EndTurn();
            host.Verify();
            if (state.Throws == options.SaveAt && state.Running) {
                const SavedGameResult saved = SaveGame(options.SaveFile, state, board, random);
                if (!saved.Ok) {
                    return Concat("cannot save ", options.SaveFile.string(), ": ", saved.Reason);
                }
            }
            return {};
        };
        if (state.Running && state.Turn.Phase != TurnPhase::AwaitingThrow) {
            if (std::string failed = playOn(); !failed.empty()) {
                return SimStatus{SimExit::BadInput, failed};
            }
        }
        while (state.Running && state.Throws < options.MaxThrows) {
            if (options.Cancel != nullptr && options.Cancel->load(std::memory_order_relaxed)) {
                return SimStatus{SimExit::Cancelled, Concat("cancelled after throw ", state.Throws)};
            }
            const std::int32_t die = rules.Throw();
            host.Line(Concat("turn ", state.Throws, " ", state.Current, " ", die));
            if (std::string failed = playOn(); !failed.empty()) {
                return SimStatus{SimExit::BadInput, failed};
            }
        }
    } catch (const InvariantBroken& broken) {
        return SimStatus{SimExit::Broken, Concat("seed ", seed, ", ", broken.What)};
    }
    if (!state.Running && !host.WinnerShown) {
        host.Line(Concat("winner ", state.Winner()));
    }
    result.Throws = state.Throws;
    result.TurnLimit = state.Running;
    result.Winner = state.Running ? -1 : state.Winner();
    result.TakingPart = state.TakingPart;
    host.Line(Concat("end ", state.Throws));
    for (std::int32_t i = 0; i < PlayerSlots; ++i) {
        result.Cash[static_cast<std::size_t>(i)] = state.Players[static_cast<std::size_t>(i)].Cash;
        if ((state.TakingPart & (1u << i)) != 0) {
            host.Line(Concat("cash ", i, " ", state.Players[static_cast<std::size_t>(i)].Cash));
        }
    }
    if (options.Finished) {
        options.Finished(state, board);
    }
    if (options.SaveAt > 0 && result.Throws < options.SaveAt) {
        return SimStatus{SimExit::BadInput,
                         Concat("the game ended after throw ", result.Throws, ", before throw ",
                                options.SaveAt, ": nothing was saved to ", options.SaveFile.string())};
    }
    return {};
}

} // namespace

SimStatus PlaySimGame(const Board& board, const GameSetup& setup, std::uint32_t seed,
                      const SimGameOptions& options, std::string* trace, SimGameResult* result)
{
    Board copy = board;
    // The board may be a screen's, whose redraw hook draws it: the copy is played elsewhere (on
    // another thread, at full speed) and draws nothing.
    copy.OnRedraw = nullptr;
    GameState state;
    Random random(seed);
    return PlayToTheEnd(state, copy, random, &setup, seed, options, trace, result);
}

SimStatus ContinueSimGame(SimGameInProgress game, std::uint32_t seed, const SimGameOptions& options,
                          std::string* trace, SimGameResult* result)
{
    return PlayToTheEnd(game.State, game.GameBoard, game.Generator, nullptr, seed, options, trace, result);
}
