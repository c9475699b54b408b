// Tests of tarnhollow-sim: golden traces on three boards, many checked games, saving and loading
// mid-game, the summary, and its refusals and exit codes.
#include "board/BoardText.h"
#include "support/GoldenTraces.h"
#include "support/SmallBoards.h"
#include "support/TempDir.h"
#include "support/TextLines.h"
#include "support/ToolRun.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

const std::string DefaultBoard = std::string(TARNHOLLOW_GAME_DIR) + "/Board1.brd";
const std::string DataDir = TARNHOLLOW_TEST_DATA;

std::string ReadText(const std::string& path)
{
    const auto bytes = TempDir::Read(path);
    return std::string(bytes.begin(), bytes.end());
}

class SimTest : public ::testing::Test
{
protected:
    ToolRun Sim(const std::vector<std::string>& args, const std::string& folder = {}) const
    {
        return RunTool("tarnhollow-sim", args, Scratch, folder);
    }
    TempDir Scratch;
};

TEST_F(SimTest, SmallBoardFilesMatchTheirMaps)
{
    for (const SmallBoardFile& file : SmallBoardFiles()) {
        EXPECT_EQ(TempDir::Read(file.Path()), file.Make().FileImage())
            << file.Name << " differs from its map in SmallBoards.h";
    }
}

TEST_F(SimTest, TracesEqualTheGoldenOnes)
{
    for (const GoldenTrace& golden : GoldenTraces()) {
        const ToolRun r = Sim(golden.Arguments());
        ASSERT_EQ(r.Status, 0) << r.Err;
        // Compared in full; after a deliberate change of the rules or the default board, regenerate
        // with the build's target regenerate_traces and look at the difference.
        const std::string path = golden.Path();
        const std::vector<std::string> expected = Lines(ReadText(path));
        const std::vector<std::string> actual = Lines(r.Out);
        ASSERT_FALSE(expected.empty()) << path;
        for (std::size_t i = 0; i < std::min(expected.size(), actual.size()); ++i) {
            ASSERT_EQ(actual[i], expected[i]) << path << " line " << i + 1;
        }
        EXPECT_EQ(actual.size(), expected.size()) << path;
    }
}

TEST_F(SimTest, TwoHundredCheckedGamesOnTheDefaultBoard)
{
    const ToolRun r = Sim({"--board", DefaultBoard, "--games", "200", "--check", "--seed", "1000"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    const std::vector<std::string> lines = Lines(r.Out);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "games 200");
    EXPECT_EQ(lines[1].rfind("throws per game: mean ", 0), 0u);
    EXPECT_EQ(r.Err, "");
}

TEST_F(SimTest, ContinuedGamesEqualUninterruptedOnes)
{
    for (const auto& [board, seed] :
         {std::pair{DefaultBoard, std::string("5")}, std::pair{DataDir + "/small-a.brd", std::string("3")}}) {
        const ToolRun whole = Sim({"--board", board, "--seed", seed, "--trace"});
        ASSERT_EQ(whole.Status, 0) << whole.Err;
        const std::vector<std::string> lines = Lines(whole.Out);
        for (int throwNumber : {1, 6, 37, 150}) {
            const std::string file = Scratch.File("at-" + std::to_string(throwNumber) + ".sav");
            const ToolRun saving = Sim({"--board", board, "--seed", seed, "--trace", "--save-at",
                                        std::to_string(throwNumber), file});
            ASSERT_EQ(saving.Status, 0) << saving.Err;
            EXPECT_EQ(saving.Out, whole.Out) << "saving changes nothing";
            const ToolRun continued = Sim({"--load", file, "--seed", seed, "--trace", "--check"});
            ASSERT_EQ(continued.Status, 0) << continued.Err;
            // The lines after throw N's: from "turn N+1" to the end.
            const std::string next = "turn " + std::to_string(throwNumber + 1) + " ";
            auto from = std::find_if(lines.begin(), lines.end(),
                                     [&](const std::string& l) { return l.rfind(next, 0) == 0; });
            ASSERT_NE(from, lines.end()) << "the game is too short for throw " << throwNumber;
            std::vector<std::string> expected = {"game " + seed};
            expected.insert(expected.end(), from, lines.end());
            EXPECT_EQ(Lines(continued.Out), expected) << "saved at throw " << throwNumber;
        }
    }
}

TEST_F(SimTest, ContinuedHumanGamesEqualUninterruptedOnes)
{
    const std::string humans = "101011";
    const std::vector<std::string> game = {"--board",   DataDir + "/small-b.brd",
                                           "--players", "111111",
                                           "--cash",    "30000",
                                           "--humans",  humans,
                                           "--seed",    "6",
                                           "--answers", "9"};
    auto with = [&](std::vector<std::string> more) {
        more.insert(more.begin(), game.begin(), game.end());
        more.push_back("--trace");
        return more;
    };
    const ToolRun whole = Sim(with({}));
    ASSERT_EQ(whole.Status, 0) << whole.Err;
    const std::vector<std::string> lines = Lines(whole.Out);
    for (int throwNumber : {1, 40, 150, 300}) {
        const std::string file = Scratch.File("humans-" + std::to_string(throwNumber) + ".sav");
        const ToolRun saving = Sim(with({"--save-at", std::to_string(throwNumber), file}));
        ASSERT_EQ(saving.Status, 0) << saving.Err;
        EXPECT_EQ(saving.Out, whole.Out) << "saving changes nothing";
        const std::string next = "turn " + std::to_string(throwNumber + 1) + " ";
        const auto from = std::find_if(lines.begin(), lines.end(),
                                       [&](const std::string& l) { return l.rfind(next, 0) == 0; });
        ASSERT_NE(from, lines.end()) << "the game is too short for throw " << throwNumber;
        // The answers drawn so far: one per question and one per mortgage of a human.
        std::int32_t drawn = 0;
        std::int32_t asked = 0;
        for (auto line = lines.begin(); line != from; ++line) {
            const bool ask = line->rfind("ask ", 0) == 0;
            const bool mortgage = line->rfind("mortgage ", 0) == 0;
            if (ask || (mortgage && humans[static_cast<std::size_t>((*line)[9] - '0')] == '1')) {
                ++drawn;
            }
            asked += ask ? 1 : 0;
        }
        std::vector<std::string> expected = {"game 6"};
        expected.insert(expected.end(), from, lines.end());
        const ToolRun continued = Sim({"--load", file, "--seed", "6", "--humans", humans, "--answers", "9",
                                       "--answers-drawn", std::to_string(drawn), "--trace", "--check"});
        ASSERT_EQ(continued.Status, 0) << continued.Err;
        EXPECT_EQ(Lines(continued.Out), expected)
            << "saved at throw " << throwNumber << ", " << drawn << " answers drawn";
        if (throwNumber == 150) {
            EXPECT_GT(asked, 0);
            EXPECT_GT(drawn, asked) << "the humans mortgaged before throw 150";
            // Without the humans the file's players are all computers, and nobody is asked.
            const ToolRun computers = Sim({"--load", file, "--seed", "6", "--trace"});
            ASSERT_EQ(computers.Status, 0) << computers.Err;
            EXPECT_EQ(computers.Out.find("\nask "), std::string::npos);
            EXPECT_NE(Lines(computers.Out), expected);
            // Answers from the start of their generator are other answers.
            const ToolRun fresh =
                Sim({"--load", file, "--seed", "6", "--humans", humans, "--answers", "9", "--trace"});
            EXPECT_NE(Lines(fresh.Out), expected);
        }
    }
}

TEST_F(SimTest, TurnLimitEndsAfterTheThrowAndItsDay)
{
    const ToolRun r = Sim({"--board", DefaultBoard, "--trace", "--max-turns", "9"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    const std::vector<std::string> lines = Lines(r.Out);
    EXPECT_EQ(lines.front(), "game 1");
    const auto end = std::find(lines.begin(), lines.end(), "end 9");
    ASSERT_NE(end, lines.end());
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) { return l.rfind("turn ", 0) == 0; }),
              9);
    // Three cash lines follow, one per slot taking part.
    EXPECT_EQ(std::vector<std::string>(end + 1, lines.end()).size(), 3u);
    EXPECT_EQ((end + 1)->rfind("cash 0 ", 0), 0u);
    EXPECT_EQ(std::find_if(lines.begin(), lines.end(),
                           [](const std::string& l) { return l.rfind("winner", 0) == 0; }),
              lines.end());

    const ToolRun none = Sim({"--board", DefaultBoard, "--trace", "--max-turns", "0"});
    EXPECT_EQ(none.Out, "game 1\nend 0\ncash 0 100000\ncash 1 100000\ncash 2 100000\n");
}

TEST_F(SimTest, GamesWithNobodyOrOneSlot)
{
    const ToolRun nobody = Sim({"--board", DefaultBoard, "--trace", "--players", "000000"});
    ASSERT_EQ(nobody.Status, 0) << nobody.Err;
    EXPECT_EQ(nobody.Out, "game 1\nwinner -1\nend 0\n");
}

TEST_F(SimTest, SummaryOfABatch)
{
    const ToolRun r = Sim({"--board", DataDir + "/small-b.brd", "--games", "5", "--seed", "10"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    const std::vector<std::string> lines = Lines(r.Out);
    ASSERT_GE(lines.size(), 6u);
    EXPECT_EQ(lines[0], "games 5");
    EXPECT_EQ(lines[2], "ended by the turn limit: 0");
    EXPECT_EQ(lines[3].rfind("wins by slot: 0:", 0), 0u);
    EXPECT_EQ(lines[4], "lots that earned the most rent (x y: dollars):");
    EXPECT_EQ(lines.back().rfind("time ", 0), 0u);
    // Game k of a batch is the single game of seed N + k - 1.
    std::int64_t throws = 0;
    std::int32_t most = 0;
    for (int seed = 10; seed < 15; ++seed) {
        const ToolRun one =
            Sim({"--board", DataDir + "/small-b.brd", "--trace", "--seed", std::to_string(seed)});
        const std::vector<std::string> game = Lines(one.Out);
        const auto end = std::find_if(game.begin(), game.end(),
                                      [](const std::string& l) { return l.rfind("end ", 0) == 0; });
        ASSERT_NE(end, game.end());
        const int n = std::stoi(end->substr(4));
        throws += n;
        most = std::max(most, n);
    }
    const std::int64_t tenths = (throws * 20 / 5 + 1) / 2;
    EXPECT_EQ(lines[1].substr(0, lines[1].find(", median")),
              "throws per game: mean " + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10));
    EXPECT_NE(lines[1].find("max " + std::to_string(most)), std::string::npos) << lines[1];
}

TEST_F(SimTest, RefusalsExitWithStatusTwo)
{
    const std::vector<std::vector<std::string>> usage = {
        {"--players", "11100"},
        {"--players", "1110x0"},
        {"--games", "0"},
        {"--seed", "-1"},
        {"--cash", "lots"},
        {"--max-turns"},
        {"--frobnicate"},
        {"--save-at", "3"},
        {"--load", "x.sav", "--board", DefaultBoard},
        {"--games", "2", "--load", "x.sav"},
        {"--jobs", "0"},
        {"--jobs", "257"},
        {"--humans", "1111111"},
        {"--humans"},
        {"--answers", "-1"},
        {"--answers-drawn", "-3"},
        {"--games", "2", "--report", "r.html"},
        {"--report"},
    };
    for (const auto& args : usage) {
        const ToolRun r = Sim(args);
        EXPECT_EQ(r.Status, 2) << args.front();
        EXPECT_EQ(r.Err.rfind("tarnhollow-sim: ", 0), 0u) << r.Err;
        EXPECT_NE(r.Err.find("usage:"), std::string::npos) << r.Err;
        EXPECT_EQ(r.Out, "");
    }
    // No board and no default board beside it.
    const ToolRun noBoard = Sim({"--board", "missing.brd"}, Scratch.Path.string());
    EXPECT_EQ(noBoard.Status, 2);
    EXPECT_NE(noBoard.Err.find("missing.brd"), std::string::npos) << noBoard.Err;
    // The default board of res00.dat stands in for a missing file, as in the game.
    const ToolRun fallback =
        Sim({"--board", "missing.brd", "--trace", "--max-turns", "30"}, std::string(TARNHOLLOW_GAME_DIR));
    const ToolRun direct = Sim({"--board", DefaultBoard, "--trace", "--max-turns", "30"});
    EXPECT_EQ(fallback.Status, 0) << fallback.Err;
    EXPECT_EQ(fallback.Out, direct.Out);
    // A damaged saved game, with its reason.
    Scratch.Write("bad.sav",
                  std::vector<std::uint8_t>{'T', 'H', 'S', 'A', 'V', 'E', '\r', '\n', 1, 0, 0, 0, 'x'});
    const ToolRun bad = Sim({"--load", Scratch.File("bad.sav")});
    EXPECT_EQ(bad.Status, 2);
    EXPECT_NE(bad.Err.find("cut short"), std::string::npos) << bad.Err;
    // A save that cannot be made.
    const ToolRun unsaved =
        Sim({"--board", DefaultBoard, "--save-at", "2", Scratch.File("no/such/folder/x.sav")});
    EXPECT_EQ(unsaved.Status, 2);
    EXPECT_NE(unsaved.Err.find("cannot save"), std::string::npos) << unsaved.Err;
}

TEST_F(SimTest, ReportOfOneGame)
{
    // The same game with and without the report: the report changes nothing of it.
    const ToolRun plain = Sim({"--board", DefaultBoard, "--seed", "3", "--trace"});
    const ToolRun reported =
        Sim({"--board", DefaultBoard, "--seed", "3", "--trace", "--report", Scratch.File("reports/g.html")});
    ASSERT_EQ(reported.Status, 0) << reported.Err;
    EXPECT_EQ(reported.Out, plain.Out);
    const std::string page = ReadText(Scratch.File("reports/g.html"));
    EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(page.find("<svg"), std::string::npos);
    // A throw line in the history for every turn of the trace.
    std::size_t turns = 0;
    for (const std::string& line : Lines(plain.Out)) {
        turns += line.rfind("turn ", 0) == 0 ? 1 : 0;
    }
    std::size_t throws = 0;
    for (std::size_t at = 0; (at = page.find(" THROWS ", at)) != std::string::npos; ++at) {
        ++throws;
    }
    EXPECT_EQ(throws, turns);

    // A report that cannot be written: status 2 and the reason, after the game's output.
    std::ofstream(Scratch.File("taken")) << "a file, not a folder";
    const ToolRun unwritten =
        Sim({"--board", DefaultBoard, "--max-turns", "20", "--report", Scratch.File("taken/g.html")});
    EXPECT_EQ(unwritten.Status, 2);
    EXPECT_NE(unwritten.Err.find("cannot write the report"), std::string::npos) << unwritten.Err;
}

TEST_F(SimTest, GamesSpreadOverThreadsGiveTheSameOutput)
{
    const std::vector<std::string> traced = {"--board",   DataDir + "/small-b.brd",
                                             "--players", "111111",
                                             "--cash",    "30000",
                                             "--seed",    "7",
                                             "--games",   "12",
                                             "--trace",   "--check"};
    auto withJobs = [](std::vector<std::string> args, const char* jobs) {
        args.insert(args.end(), {"--jobs", jobs});
        return args;
    };
    const ToolRun one = Sim(withJobs(traced, "1"));
    ASSERT_EQ(one.Status, 0) << one.Err;
    std::vector<std::string> games;
    for (const std::string& line : Lines(one.Out)) {
        if (line.rfind("game ", 0) == 0) {
            games.push_back(line);
        }
    }
    ASSERT_EQ(games.size(), 12u);
    EXPECT_EQ(games.front(), "game 7");
    EXPECT_EQ(games.back(), "game 18");
    for (const char* jobs : {"2", "3"}) {
        const ToolRun many = Sim(withJobs(traced, jobs));
        EXPECT_EQ(many.Status, 0) << many.Err;
        EXPECT_TRUE(many.Out == one.Out) << "--jobs " << jobs << " changes the trace";
    }

    // The summary, all but the time taken.
    auto summary = [&](const char* jobs) {
        const ToolRun r = Sim({"--board", DefaultBoard, "--games", "60", "--seed", "40", "--jobs", jobs});
        EXPECT_EQ(r.Status, 0) << r.Err;
        std::vector<std::string> lines = Lines(r.Out);
        EXPECT_FALSE(lines.empty());
        if (!lines.empty()) {
            EXPECT_EQ(lines.back().rfind("time ", 0), 0u);
            lines.pop_back();
        }
        return lines;
    };
    const std::vector<std::string> single = summary("1");
    ASSERT_GE(single.size(), 6u);
    EXPECT_EQ(single, summary("2"));
}

TEST_F(SimTest, LotsTheBoardFileGivesToPlayersKeepEveryInvariant)
{
    // Lots the board file gives to slot 0 (which plays) and to slot 5 (which does not).
    std::optional<Board> board = BoardFromText(BoardText{
        .Map = {"......", ".>>>v.", ".^1oo.", ".^<<<.", "......"},
        .Streets = {},
        .StreetNames = {},
        .StartX = 1,
        .StartY = 1,
        .Pieces = {},
    });
    ASSERT_TRUE(board);
    board->At(4, 2).Kind = CellKind::OwnedLot + 3;
    board->At(4, 2).Owner = 6;
    ASSERT_TRUE(board->SaveFile(Scratch.File("owned.brd")));
    const ToolRun r = Sim({"--board", Scratch.File("owned.brd"), "--check", "--games", "20", "--jobs", "2"});
    EXPECT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Err, "");
}

} // namespace
