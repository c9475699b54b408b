// The simulator: the trace host, one game at full speed, batches and their summary.
#include "Simulator.h"

#include "rules/Random.h"
#include "rules/Rules.h"
#include "rules/RulesCheck.h"
#include "rules/RulesText.h"
#include "rules/SavedGame.h"
#include "texts/Texts.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <condition_variable>
#include <limits>
#include <mutex>
#include <thread>

const char* const SimUsage =
    "usage: tarnhollow-sim [--board FILE] [--players MASK] [--seed N] [--cash N] [--max-turns N]\n"
    "                      [--games N] [--jobs N] [--trace] [--check] [--save-at N FILE] [--load FILE]\n";

namespace {

using RulesText::Concat;

// An invariant broken under --check: stops the game at once.
struct InvariantBroken
{
    std::string What;
};

// The simulator's host: every player is a computer, nothing is shown or played; events become
// trace lines and totals.
class SimHost : public QuietRulesHost
{
public:
    SimHost(const GameState& state, const Board& board, std::string* trace, bool check, SimTotals& totals)
        : state(state), board(board), trace(trace), check(check), totals(totals)
    {
    }

    void Line(const std::string& line)
    {
        if (trace != nullptr) {
            trace->append(line);
            trace->push_back('\n');
        }
    }

    // After every event, under --check.
    void Verify()
    {
        if (check) {
            if (std::string broken = FindBrokenInvariant(state, board); !broken.empty()) {
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
    void SelectCell(std::int32_t x, std::int32_t y) override
    {
        selectedX = x;
        selectedY = y;
    }

    void PostNews(const NewsLine& news) override
    {
        const std::int32_t p = state.Current;
        if (news.Code == NewsCode::Rent) {
            totals.RentByLot[{news.Y, news.X}] += news.Value;
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
    SimTotals& totals;
    std::int32_t selectedX = -1;
    std::int32_t selectedY = -1;
};

// The most threads --jobs may ask for.
constexpr std::int32_t MaxJobs = 256;

template <class Number> bool ParseNumber(const std::string& text, Number& value)
{
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc{} && ptr == end && !text.empty();
}

} // namespace

std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args, std::string& error)
{
    SimOptions options;
    bool boardGiven = false;
    bool playersGiven = false;
    bool cashGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&](const char* what) -> const std::string* {
            if (i + 1 >= args.size()) {
                error = Concat(arg, " needs ", what);
                return nullptr;
            }
            return &args[++i];
        };
        auto number = [&](std::int32_t& out, std::int32_t least) {
            const std::string* text = value("a number");
            if (text == nullptr) {
                return false;
            }
            if (!ParseNumber(*text, out) || out < least) {
                error = Concat(arg, " needs a whole number of at least ", least, ", not \"", *text, "\"");
                return false;
            }
            return true;
        };
        if (arg == "--board") {
            const std::string* text = value("a board file");
            if (text == nullptr) {
                return std::nullopt;
            }
            options.BoardFile = *text;
            boardGiven = true;
        } else if (arg == "--players") {
            const std::string* text = value("a mask of six 0s and 1s");
            if (text == nullptr) {
                return std::nullopt;
            }
            if (text->size() != PlayerSlots ||
                !std::all_of(text->begin(), text->end(), [](char c) { return c == '0' || c == '1'; })) {
                error = Concat("--players needs six characters 0 or 1, not \"", *text, "\"");
                return std::nullopt;
            }
            options.Players = *text;
            playersGiven = true;
        } else if (arg == "--seed") {
            const std::string* text = value("a number");
            if (text == nullptr) {
                return std::nullopt;
            }
            if (!ParseNumber(*text, options.Seed)) {
                error = Concat("--seed needs a whole number from 0 to 4294967295, not \"", *text, "\"");
                return std::nullopt;
            }
        } else if (arg == "--cash") {
            if (!number(options.Cash, 0)) {
                return std::nullopt;
            }
            cashGiven = true;
        } else if (arg == "--max-turns") {
            if (!number(options.MaxTurns, 0)) {
                return std::nullopt;
            }
        } else if (arg == "--games") {
            if (!number(options.Games, 1)) {
                return std::nullopt;
            }
        } else if (arg == "--jobs") {
            if (!number(options.Jobs, 1)) {
                return std::nullopt;
            }
            if (options.Jobs > MaxJobs) {
                error = Concat("--jobs needs a whole number from 1 to ", MaxJobs, ", not ", options.Jobs);
                return std::nullopt;
            }
        } else if (arg == "--trace") {
            options.Trace = true;
        } else if (arg == "--check") {
            options.Check = true;
        } else if (arg == "--save-at") {
            if (!number(options.SaveAt, 1)) {
                return std::nullopt;
            }
            const std::string* text = value("a file after the throw number");
            if (text == nullptr) {
                return std::nullopt;
            }
            options.SaveFile = *text;
        } else if (arg == "--load") {
            const std::string* text = value("a saved game");
            if (text == nullptr) {
                return std::nullopt;
            }
            options.LoadFile = *text;
        } else {
            error = Concat("unknown option \"", arg, "\"");
            return std::nullopt;
        }
    }
    if (!options.LoadFile.empty() && (boardGiven || playersGiven || cashGiven)) {
        error = "--load takes the board, the players and their cash from the saved game: leave out --board, "
                "--players and --cash";
        return std::nullopt;
    }
    if (options.Games > 1 && (!options.LoadFile.empty() || options.SaveAt > 0)) {
        error = "--load and --save-at play one game: leave out --games";
        return std::nullopt;
    }
    return options;
}

GameSetup SimGameSetup(const SimOptions& options)
{
    GameSetup setup;
    for (std::int32_t i = 0; i < PlayerSlots; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        setup.InGame[slot] = options.Players[slot] == '1';
        setup.Human[slot] = false;
        setup.Names[slot] = PlayerName(i);
    }
    setup.InitialCash = options.Cash;
    return setup;
}

SimStatus PlayGame(const SimOptions& options, const GameSetup& setup, const Board& original,
                   std::uint32_t seed, std::string* trace, SimTotals& totals, GameOutcome& outcome)
{
    Board board = original;
    GameState state;
    Random random(seed);
    SimHost host(state, board, trace, options.Check, totals);
    Rules rules(state, board, random, host, RulesOptions{.SoundEffects = false});

    host.Line(Concat("game ", seed));
    try {
        if (!options.LoadFile.empty()) {
            const SavedGameResult loaded = LoadGame(options.LoadFile, state, board, random);
            if (!loaded.Ok) {
                return SimStatus{2, Concat("cannot load ", options.LoadFile, ": ", loaded.Reason)};
            }
            for (Player& player : state.Players) {
                player.Human = 0;
            }
        } else {
            rules.StartGame(setup);
        }
        host.Verify();
        while (state.Running && state.Throws < options.MaxTurns) {
            const std::int32_t die = rules.Throw();
            host.Line(Concat("turn ", state.Throws, " ", state.Current, " ", die));
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
                    return SimStatus{2, Concat("cannot save ", options.SaveFile, ": ", saved.Reason)};
                }
            }
        }
    } catch (const InvariantBroken& broken) {
        return SimStatus{3, Concat("seed ", seed, ", ", broken.What)};
    }
    if (!state.Running && !host.WinnerShown) {
        host.Line(Concat("winner ", state.Winner()));
    }
    outcome.Throws = state.Throws;
    outcome.TurnLimit = state.Running;
    outcome.Winner = state.Running ? -1 : state.Winner();
    host.Line(Concat("end ", state.Throws));
    for (std::int32_t i = 0; i < PlayerSlots; ++i) {
        if ((state.TakingPart & (1u << i)) != 0) {
            host.Line(Concat("cash ", i, " ", state.Players[static_cast<std::size_t>(i)].Cash));
        }
    }
    totals.ThrowsPerGame.push_back(outcome.Throws);
    if (outcome.TurnLimit) {
        ++totals.TurnLimitGames;
    } else if (outcome.Winner >= 0) {
        ++totals.Wins[static_cast<std::size_t>(outcome.Winner)];
    } else {
        ++totals.NoWinner;
    }
    if (options.SaveAt > 0 && outcome.Throws < options.SaveAt) {
        return SimStatus{2, Concat("the game ended after throw ", outcome.Throws, ", before throw ",
                                   options.SaveAt, ": nothing was saved to ", options.SaveFile)};
    }
    return {};
}

std::string FormatSummary(const SimTotals& totals)
{
    std::string out;
    std::vector<std::int32_t> throws = totals.ThrowsPerGame;
    std::sort(throws.begin(), throws.end());
    const std::size_t games = throws.size();
    std::int64_t sum = 0;
    for (std::int32_t t : throws) {
        sum += t;
    }
    out += Concat("games ", games, "\n");
    if (games > 0) {
        // The mean with one decimal, rounded half up.
        const std::int64_t tenths = (sum * 20 / static_cast<std::int64_t>(games) + 1) / 2;
        const double median =
            games % 2 == 1 ? throws[games / 2] : (throws[games / 2 - 1] + throws[games / 2]) / 2.0;
        std::string medianText = Concat(static_cast<std::int64_t>(median));
        if (median != static_cast<double>(static_cast<std::int64_t>(median))) {
            medianText += ".5";
        }
        out += Concat("throws per game: mean ", tenths / 10, ".", tenths % 10, ", median ", medianText,
                      ", max ", throws.back(), "\n");
    }
    out += Concat("ended by the turn limit: ", totals.TurnLimitGames, "\n");
    out += "wins by slot:";
    for (std::int32_t i = 0; i < PlayerSlots; ++i) {
        out += Concat(" ", i, ":", totals.Wins[static_cast<std::size_t>(i)]);
    }
    out += Concat(" none:", totals.NoWinner, "\n");
    std::vector<std::pair<std::int64_t, std::pair<std::int32_t, std::int32_t>>> lots;
    for (const auto& [cell, rent] : totals.RentByLot) {
        lots.emplace_back(rent, cell);
    }
    // Most rent first; equal rents in row order.
    std::stable_sort(lots.begin(), lots.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    out += "lots that earned the most rent (x y: dollars):\n";
    for (std::size_t k = 0; k < lots.size() && k < 10; ++k) {
        out += Concat("  ", lots[k].second.second, " ", lots[k].second.first, ": ", lots[k].first, "\n");
    }
    return out;
}

namespace {

// One game of a batch as a thread leaves it for the writer.
struct BatchGame
{
    std::string Trace;
    SimTotals Totals;
    SimStatus Status;
    bool Done = false;
};

void AddTotals(SimTotals& into, const SimTotals& game)
{
    into.ThrowsPerGame.insert(into.ThrowsPerGame.end(), game.ThrowsPerGame.begin(), game.ThrowsPerGame.end());
    into.TurnLimitGames += game.TurnLimitGames;
    for (std::size_t i = 0; i < into.Wins.size(); ++i) {
        into.Wins[i] += game.Wins[i];
    }
    into.NoWinner += game.NoWinner;
    for (const auto& [cell, rent] : game.RentByLot) {
        into.RentByLot[cell] += rent;
    }
}

// Plays the games of the batch on threads and hands each to take in game order on the calling
// thread; take returns false to stop the batch.
template <class Take>
void PlayBatch(const SimOptions& options, const GameSetup& setup, const Board& board, Take take)
{
    const std::int32_t games = options.Games;
    const std::int32_t threads = std::min(options.Jobs, games);
    auto play = [&](std::int32_t k, BatchGame& game) {
        game.Trace.clear();
        game.Totals = SimTotals{};
        GameOutcome outcome;
        game.Status = PlayGame(options, setup, board, options.Seed + static_cast<std::uint32_t>(k),
                               options.Trace ? &game.Trace : nullptr, game.Totals, outcome);
    };
    if (threads <= 1) {
        BatchGame game;
        for (std::int32_t k = 0; k < games; ++k) {
            play(k, game);
            if (!take(game)) {
                return;
            }
        }
        return;
    }

    // Games run ahead of the writer by at most this many, so that a long traced batch does not
    // pile up in memory; game k uses slot k % window.
    const std::int32_t window = threads * 4;
    std::vector<BatchGame> slots(static_cast<std::size_t>(window));
    std::mutex mutex;
    std::condition_variable changed;
    std::int32_t next = 0;
    std::int32_t written = 0;
    bool stop = false;
    auto slot = [&](std::int32_t k) -> BatchGame& { return slots[static_cast<std::size_t>(k % window)]; };
    auto worker = [&] {
        std::unique_lock lock(mutex);
        for (;;) {
            changed.wait(lock, [&] { return stop || next >= games || next < written + window; });
            if (stop || next >= games) {
                return;
            }
            const std::int32_t k = next++;
            lock.unlock();
            play(k, slot(k));
            lock.lock();
            slot(k).Done = true;
            changed.notify_all();
        }
    };
    std::vector<std::thread> pool;
    pool.reserve(static_cast<std::size_t>(threads));
    for (std::int32_t t = 0; t < threads; ++t) {
        pool.emplace_back(worker);
    }
    for (std::int32_t k = 0; k < games; ++k) {
        BatchGame& game = slot(k);
        {
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return game.Done; });
        }
        const bool more = take(game);
        std::lock_guard lock(mutex);
        game.Done = false;
        ++written;
        stop = !more;
        changed.notify_all();
        if (stop) {
            break;
        }
    }
    for (std::thread& thread : pool) {
        thread.join();
    }
}

} // namespace

SimStatus RunSimulator(const SimOptions& options, std::FILE* out)
{
    Board board;
    if (options.LoadFile.empty() && board.LoadFile(options.BoardFile) == BoardSource::None) {
        return SimStatus{2, Concat("cannot read the board ", options.BoardFile, " nor the default board of ",
                                   Board::DefaultArchive)};
    }
    const GameSetup setup = SimGameSetup(options);
    SimTotals totals;
    SimStatus failed;
    const auto started = std::chrono::steady_clock::now();
    PlayBatch(options, setup, board, [&](const BatchGame& game) {
        std::fwrite(game.Trace.data(), 1, game.Trace.size(), out);
        if (game.Status.ExitCode != 0) {
            failed = game.Status;
            return false;
        }
        AddTotals(totals, game.Totals);
        return true;
    });
    if (failed.ExitCode != 0) {
        return failed;
    }
    if (!options.Trace) {
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        std::int64_t throws = 0;
        for (std::int32_t t : totals.ThrowsPerGame) {
            throws += t;
        }
        const std::string summary = FormatSummary(totals);
        std::fwrite(summary.data(), 1, summary.size(), out);
        std::fprintf(out, "time %.3f s, %.0f throws a second\n", seconds,
                     seconds > 0 ? static_cast<double>(throws) / seconds : 0.0);
    }
    return {};
}
