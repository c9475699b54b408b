// tarnhollow-sim's command line: reading the options, running the games and the summary.
#include "SimCommand.h"

#include "report/ReportHtml.h"
#include "rules/RulesText.h"
#include "rules/SavedGame.h"
#include "texts/Texts.h"

#include <algorithm>
#include <charconv>
#include <chrono>

const char* const SimUsage =
    "usage: tarnhollow-sim [--board FILE] [--players MASK] [--humans MASK] [--answers N]\n"
    "                      [--answers-drawn N] [--seed N] [--cash N] [--max-turns N] [--games N]\n"
    "                      [--jobs N] [--trace] [--check] [--save-at N FILE] [--load FILE]\n"
    "                      [--report FILE.html]\n";

namespace {

using RulesText::Concat;

// The most threads --jobs may ask for.
constexpr std::int32_t MaxJobs = 256;

template <class Number> bool ParseNumber(const std::string& text, Number& value)
{
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc{} && ptr == end && !text.empty();
}

} // namespace

std::optional<SimCommand> ParseSimCommand(const std::vector<std::string>& args, std::string& error)
{
    SimCommand options;
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
        auto mask = [&](std::string& out) {
            const std::string* text = value("a mask of six 0s and 1s");
            if (text == nullptr) {
                return false;
            }
            if (text->size() != PlayerSlots ||
                !std::all_of(text->begin(), text->end(), [](char c) { return c == '0' || c == '1'; })) {
                error = Concat(arg, " needs six characters 0 or 1, not \"", *text, "\"");
                return false;
            }
            out = *text;
            return true;
        };
        auto seed = [&](std::uint32_t& out) {
            const std::string* text = value("a number");
            if (text == nullptr) {
                return false;
            }
            if (!ParseNumber(*text, out)) {
                error = Concat(arg, " needs a whole number from 0 to 4294967295, not \"", *text, "\"");
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
            if (!mask(options.Players)) {
                return std::nullopt;
            }
            playersGiven = true;
        } else if (arg == "--humans") {
            if (!mask(options.Humans)) {
                return std::nullopt;
            }
        } else if (arg == "--seed") {
            if (!seed(options.Seed)) {
                return std::nullopt;
            }
        } else if (arg == "--answers") {
            if (!seed(options.Answers)) {
                return std::nullopt;
            }
        } else if (arg == "--answers-drawn") {
            if (!number(options.AnswersDrawn, 0)) {
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
        } else if (arg == "--report") {
            const std::string* text = value("a file for the report");
            if (text == nullptr) {
                return std::nullopt;
            }
            options.ReportFile = *text;
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
    if (options.Games > 1 && !options.ReportFile.empty()) {
        error = "--report writes the report of one game: leave out --games";
        return std::nullopt;
    }
    return options;
}

GameSetup SimGameSetup(const SimCommand& options)
{
    GameSetup setup;
    for (std::int32_t i = 0; i < PlayerSlots; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        setup.InGame[slot] = options.Players[slot] == '1';
        setup.Human[slot] = setup.InGame[slot] && options.Humans[slot] == '1';
        setup.Names[slot] = PlayerName(i);
    }
    setup.InitialCash = options.Cash;
    return setup;
}

std::string FormatSummary(const SimSummary& summary)
{
    std::string out;
    out += Concat("games ", summary.Games, "\n");
    if (summary.Games > 0) {
        // The mean with one decimal, rounded half up.
        const std::int64_t tenths = (summary.Throws * 20 / summary.Games + 1) / 2;
        const double median = summary.ThrowsMedian;
        std::string medianText = Concat(static_cast<std::int64_t>(median));
        if (median != static_cast<double>(static_cast<std::int64_t>(median))) {
            medianText += ".5";
        }
        out += Concat("throws per game: mean ", tenths / 10, ".", tenths % 10, ", median ", medianText,
                      ", max ", summary.ThrowsMax, "\n");
    }
    out += Concat("ended by the turn limit: ", summary.TurnLimitGames, "\n");
    out += "wins by slot:";
    for (std::int32_t i = 0; i < PlayerSlots; ++i) {
        out += Concat(" ", i, ":", summary.Wins[static_cast<std::size_t>(i)]);
    }
    out += Concat(" none:", summary.NoWinner, "\n");
    out += "lots that earned the most rent (x y: dollars):\n";
    for (const LotRent& lot : summary.TopLots) {
        out += Concat("  ", lot.X, " ", lot.Y, ": ", lot.Rent, "\n");
    }
    return out;
}

SimStatus RunSimCommand(const SimCommand& command, std::FILE* out)
{
    SimGameOptions options;
    options.MaxThrows = command.MaxTurns;
    options.Check = command.Check;
    options.SaveAt = command.SaveAt;
    options.SaveFile = command.SaveFile;
    options.Answers = command.Answers;
    options.AnswersDrawn = command.AnswersDrawn;
    // The report is made on the thread that played the game, from its final state and board.
    SavedGameResult reported{true, {}};
    if (!command.ReportFile.empty()) {
        options.Finished = [&](const GameState& state, const Board& board) {
            reported = SaveReport(command.ReportFile, MakeGameReport(state, board));
        };
    }
    auto write = [out](const std::string& text) { std::fwrite(text.data(), 1, text.size(), out); };

    const auto started = std::chrono::steady_clock::now();
    SimSummary summary;
    if (!command.LoadFile.empty()) {
        SimGameInProgress game;
        const SavedGameResult loaded = LoadGame(command.LoadFile, game.State, game.GameBoard, game.Generator);
        if (!loaded.Ok) {
            return SimStatus{SimExit::BadInput,
                             Concat("cannot load ", command.LoadFile, ": ", loaded.Reason)};
        }
        // The file's human players become computers unless --humans keeps them human.
        for (std::int32_t i = 0; i < PlayerSlots; ++i) {
            const bool tookPart = (game.State.TakingPart & (1u << i)) != 0;
            game.State.Players[static_cast<std::size_t>(i)].Human =
                tookPart && command.Humans[static_cast<std::size_t>(i)] == '1' ? 1 : 0;
        }
        std::string trace;
        SimGameResult result;
        const SimStatus status = ContinueSimGame(std::move(game), command.Seed, options,
                                                 command.Trace ? &trace : nullptr, &result);
        write(trace);
        if (status.ExitCode != SimExit::Ok) {
            return status;
        }
        SimTally tally;
        tally.Add(result);
        summary = tally.Summary();
    } else {
        Board board;
        if (board.LoadFile(command.BoardFile) == BoardSource::None) {
            return SimStatus{SimExit::BadInput, Concat("cannot read the board ", command.BoardFile,
                                                       " nor the default board of ", Board::DefaultArchive)};
        }
        SimBatchOptions batch;
        batch.Games = command.Games;
        batch.FirstSeed = command.Seed;
        batch.Jobs = command.Jobs;
        if (command.Trace) {
            batch.Trace = write;
        }
        if (const SimStatus status = RunSimBatch(board, SimGameSetup(command), options, batch, summary);
            status.ExitCode != SimExit::Ok) {
            return status;
        }
    }
    if (!reported.Ok) {
        return SimStatus{SimExit::BadInput,
                         Concat("cannot write the report ", command.ReportFile, ": ", reported.Reason)};
    }
    if (!command.Trace) {
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        write(FormatSummary(summary));
        std::fprintf(out, "time %.3f s, %.0f throws a second\n", seconds,
                     seconds > 0 ? static_cast<double>(summary.Throws) / seconds : 0.0);
    }
    return {};
}
