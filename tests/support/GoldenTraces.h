// The golden files of the simulator's tests: the small boards' files and the traces of two seeds on
// each of three boards. SimTest compares with them; regenerate-goldens rewrites them.
#pragma once

#include "board/Board.h"
#include "support/SmallBoards.h"

#include <string>
#include <vector>

// A board file of tests/data made from its map in SmallBoards.h.
struct SmallBoardFile
{
    std::string Name;
    Board (*Make)();
    std::string Path() const { return std::string(TARNHOLLOW_TEST_DATA) + "/" + Name; }
};

inline std::vector<SmallBoardFile> SmallBoardFiles()
{
    return {{"small-a.brd", SmallBoardA}, {"small-b.brd", SmallBoardB}};
}

// One golden trace: tarnhollow-sim run with Arguments() prints the file at Path().
struct GoldenTrace
{
    std::string Name; // the trace file's name without ".txt"
    std::string BoardFile;
    std::vector<std::string> Options;

    std::vector<std::string> Arguments() const
    {
        std::vector<std::string> args = {"--board", BoardFile, "--trace", "--check"};
        args.insert(args.end(), Options.begin(), Options.end());
        return args;
    }
    std::string Path() const { return std::string(TARNHOLLOW_TEST_DATA) + "/traces/" + Name + ".txt"; }
};

// Computer-only games: two seeds on each of three boards. Then games with scripted humans: every
// question, refusals, the mortgage choice, a human ruined before he is asked anything, humans
// beside computers and humans alone.
inline std::vector<GoldenTrace> GoldenTraces()
{
    const std::string data = TARNHOLLOW_TEST_DATA;
    const std::string defaultBoard = std::string(TARNHOLLOW_GAME_DIR) + "/Board1.brd";
    std::vector<GoldenTrace> traces;
    for (const std::string seed : {"1", "2"}) {
        traces.push_back({"default-seed" + seed, defaultBoard, {"--seed", seed}});
        traces.push_back({"small-a-seed" + seed, data + "/small-a.brd", {"--seed", seed, "--players", "101101"}});
        traces.push_back({"small-b-seed" + seed, data + "/small-b.brd",
                          {"--seed", seed, "--players", "111111", "--cash", "30000"}});
    }
    // Every slot human: five mortgage choices among several properties, humans ruined while they
    // still owned properties, jobs and schooling refused.
    traces.push_back({"small-b-humans111111-seed1-answers3", data + "/small-b.brd",
                      {"--players", "111111", "--cash", "30000", "--humans", "111111", "--seed", "1",
                       "--answers", "3"}});
    // One human among computers, who refuses school and a job and is ruined unasked.
    traces.push_back({"small-a-humans100000-seed4-answers3", data + "/small-a.brd",
                      {"--players", "101101", "--humans", "100000", "--seed", "4", "--answers", "3"}});
    // Two humans against a computer on the default board, choosing what to mortgage eleven times.
    traces.push_back({"default-humans101010-seed1-answers3", defaultBoard,
                      {"--players", "111000", "--humans", "101010", "--seed", "1", "--answers", "3"}});
    return traces;
}
