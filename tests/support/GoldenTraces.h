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
    std::string Board; // the name the trace files start with
    std::string BoardFile;
    std::vector<std::string> Options;
    std::string Seed;

    std::vector<std::string> Arguments() const
    {
        std::vector<std::string> args = {"--board", BoardFile, "--seed", Seed, "--trace", "--check"};
        args.insert(args.end(), Options.begin(), Options.end());
        return args;
    }
    std::string Path() const
    {
        return std::string(TARNHOLLOW_TEST_DATA) + "/traces/" + Board + "-seed" + Seed + ".txt";
    }
};

inline std::vector<GoldenTrace> GoldenTraces()
{
    const std::string data = TARNHOLLOW_TEST_DATA;
    const std::string defaultBoard = std::string(TARNHOLLOW_GAME_DIR) + "/Board1.brd";
    std::vector<GoldenTrace> traces;
    for (const char* seed : {"1", "2"}) {
        traces.push_back({"default", defaultBoard, {}, seed});
        traces.push_back({"small-a", data + "/small-a.brd", {"--players", "101101"}, seed});
        traces.push_back(
            {"small-b", data + "/small-b.brd", {"--players", "111111", "--cash", "30000"}, seed});
    }
    return traces;
}
