// Tests of the default board as the build writes it: Board1.brd and "DefaultBoard" in res00.dat.
#include "board/Board.h"
#include "archive/MemoryStream.h"
#include "archive/ResourceArchive.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string>

namespace {

const std::string GameDir = TARNHOLLOW_GAME_DIR;

Board LoadDefault()
{
    Board board;
    EXPECT_EQ(board.LoadFile(GameDir + "/Board1.brd", GameDir + "/res00.dat"), BoardSource::File);
    return board;
}

TEST(DefaultBoard, FileAndArchiveItemAreTheSameBoard)
{
    const Board board = LoadDefault();
    MemoryStream stream;
    ASSERT_EQ(ResourceArchive::Read(stream, GameDir + "/res00.dat", "DefaultBoard"), 0);
    EXPECT_EQ(stream.Bytes, board.FileImage());

    // A board file that is missing brings the same board out of the archive.
    Board fallback;
    EXPECT_EQ(fallback.LoadFile(GameDir + "/no such board.brd", GameDir + "/res00.dat"),
              BoardSource::DefaultBoard);
    EXPECT_EQ(fallback.FileImage(), board.FileImage());
}

TEST(DefaultBoard, PassesTheChecker)
{
    for (const BoardProblem& problem : LoadDefault().Check()) {
        ADD_FAILURE() << problem.Text;
    }
}

TEST(DefaultBoard, HasEveryPublicBuildingOnceAndEnoughLots)
{
    const Board board = LoadDefault();
    std::map<std::uint8_t, int> kinds;
    for (const Cell& cell : board.Cells()) {
        ++kinds[cell.Kind];
        EXPECT_EQ(cell.Owner, 0);
        EXPECT_EQ(cell.Pawns, 0);
    }
    for (std::uint8_t kind = CellKind::Governor; kind <= CellKind::PrisonZone; ++kind) {
        EXPECT_EQ(kinds[kind], 1) << int(kind);
    }
    EXPECT_EQ(board.At(board.JailX, board.JailY - 1).Kind, CellKind::Prison);
    EXPECT_GE(kinds[CellKind::LotForSale], 35);
    EXPECT_LE(kinds[CellKind::LotForSale], 50);
    EXPECT_GE(board.Width(), 16);
    EXPECT_GE(board.Height(), 12);
}

TEST(DefaultBoard, HasThirtyTwoNamedStreetsAllInUse)
{
    const Board board = LoadDefault();
    std::set<std::string> names;
    std::set<int> used;
    for (std::int32_t street = 0; street < Board::StreetCount; ++street) {
        const std::string name = board.GetStreetName(street);
        EXPECT_FALSE(name.empty());
        EXPECT_NE(name, "Street Name");
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 32u);
    for (const Cell& cell : board.Cells()) {
        if (IsRoadPiece(cell.Kind)) {
            used.insert(cell.Street);
        }
    }
    EXPECT_EQ(used.size(), 32u);
}

TEST(DefaultBoard, PawnsWalkingDayAfterDayVisitEveryRoad)
{
    Board board = LoadDefault();
    std::uint64_t state = 12345;
    auto draw = [&state] {
        state = state * 6364136223846793005u + 1442695040888963407u;
        return static_cast<std::uint32_t>(state >> 33);
    };
    std::set<std::pair<int, int>> visited;
    std::int32_t x = board.StartX, y = board.StartY;
    for (int day = 0; day < 400; ++day) {
        board.ChooseJunctionExits(draw);
        for (int step = 0; step < 25; ++step) {
            board.StepPawn(0, x, y);
            ASSERT_TRUE(board.Inside(x, y));
            ASSERT_TRUE(IsRoadPiece(board.At(x, y).Kind)) << x << ", " << y;
            visited.emplace(x, y);
        }
    }
    for (std::int32_t cy = 0; cy < board.Height(); ++cy) {
        for (std::int32_t cx = 0; cx < board.Width(); ++cx) {
            if (IsRoadPiece(board.At(cx, cy).Kind)) {
                EXPECT_EQ(visited.count({cx, cy}), 1u) << "road never walked: " << cx << ", " << cy;
            }
        }
    }
}

TEST(DefaultBoard, LandIsWorthMoreInTheCentreThanOnTheOutskirts)
{
    const Board board = LoadDefault();
    double centreSum = 0, edgeSum = 0;
    int centreLots = 0, edgeLots = 0;
    for (std::int32_t y = 0; y < board.Height(); ++y) {
        for (std::int32_t x = 0; x < board.Width(); ++x) {
            if (board.At(x, y).Kind != CellKind::LotForSale) {
                continue;
            }
            const int fromCentre =
                std::max(std::abs(x - board.Width() / 2), std::abs(y - board.Height() / 2));
            const int fromEdge = std::min({x, y, board.Width() - 1 - x, board.Height() - 1 - y});
            if (fromCentre <= 3) {
                centreSum += board.Price(0, x, y);
                ++centreLots;
            } else if (fromEdge <= 1) {
                edgeSum += board.Price(0, x, y);
                ++edgeLots;
            }
        }
    }
    ASSERT_GT(centreLots, 0);
    ASSERT_GT(edgeLots, 0);
    EXPECT_GT(centreSum / centreLots, 3 * (edgeSum / edgeLots));
}

} // namespace
