// Tests of the board checker: a sound board passes, and boards made to break one rule each are
// reported with the right cell.
#include "board/Board.h"
#include "board/BoardText.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <tuple>

namespace {

using Found = std::set<std::tuple<BoardProblemKind, std::int32_t, std::int32_t>>;

Board FromMap(std::vector<std::string> map, std::int32_t startX = 1, std::int32_t startY = 1)
{
    BoardText text;
    text.Map = std::move(map);
    text.StartX = startX;
    text.StartY = startY;
    std::string error;
    std::optional<Board> board = BoardFromText(text, &error);
    EXPECT_TRUE(board.has_value()) << error;
    return board ? std::move(*board) : Board{};
}

// A small town with one loop, every public building, a prison zone and its exit.
Board Town()
{
    return FromMap({
        ".........",
        ".>>>>>>v.",
        ".^JoGECv.",
        ".^ZUPHov.",
        ".^<<<<<<.",
        ".........",
    });
}

Found Problems(const Board& board)
{
    Found found;
    for (const BoardProblem& problem : board.Check()) {
        EXPECT_FALSE(problem.Text.empty());
        found.emplace(problem.Kind, problem.X, problem.Y);
    }
    return found;
}

bool Has(const Found& found, BoardProblemKind kind, std::int32_t x, std::int32_t y)
{
    return found.count({kind, x, y}) == 1;
}

TEST(BoardCheck, SoundTownHasNoProblems)
{
    const Board town = Town();
    EXPECT_TRUE(town.Check().empty());
    EXPECT_EQ(town.ExitX, 1); // the zone's exit is the road going up beside it
    EXPECT_EQ(town.ExitY, 4);
}

TEST(BoardCheck, ProblemTextNamesTheCell)
{
    Board town = Town();
    town.StartX = 3;
    town.StartY = 2;
    const std::vector<BoardProblem> problems = town.Check();
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].Kind, BoardProblemKind::StartNotRoad);
    EXPECT_NE(problems[0].Text.find("(3, 2)"), std::string::npos) << problems[0].Text;
}

TEST(BoardCheck, ReachableRoadWithoutDirection)
{
    Board town = Town();
    town.At(4, 1).Direction = 0;
    const Found found = Problems(town);
    EXPECT_TRUE(Has(found, BoardProblemKind::RoadWithoutDirection, 4, 1));
    // The pawn jumps to the zone's exit from there, so the rest of the loop is never walked.
    EXPECT_TRUE(Has(found, BoardProblemKind::UnreachableRoad, 5, 1));
    EXPECT_TRUE(Has(found, BoardProblemKind::UnreachableRoad, 2, 4));
    EXPECT_FALSE(Has(found, BoardProblemKind::UnreachableRoad, 1, 4)); // the exit itself
    EXPECT_FALSE(Has(found, BoardProblemKind::UnreachableRoad, 1, 2));
}

TEST(BoardCheck, UnreachableRoadWithoutDirectionIsOnlyUnreachable)
{
    Board town = FromMap({
        ".........",
        ".>>>>>>v.",
        ".^JoGECv.",
        ".^ZUPHov.",
        ".^<<<<<<.",
        "....#....",
    });
    EXPECT_EQ(Problems(town),
              (Found{{BoardProblemKind::UnreachableRoad, 4, 5}, {BoardProblemKind::RoadOnOuterRing, 4, 5}}));
}

TEST(BoardCheck, DirectionLeadingOffTheRoads)
{
    Board town = Town();
    town.At(7, 2).Direction = 2; // into the ground at (8, 2)
    const Found found = Problems(town);
    EXPECT_TRUE(Has(found, BoardProblemKind::LeadsOffRoad, 7, 2));
    EXPECT_TRUE(Has(found, BoardProblemKind::UnreachableRoad, 7, 3));

    Board offMap = FromMap({"^>v", "^.v", "^<<"}, 0, 1);
    EXPECT_TRUE(Has(Problems(offMap), BoardProblemKind::LeadsOffRoad, 0, 0));
}

TEST(BoardCheck, JunctionWithoutAcceptedExit)
{
    Board board = FromMap({"....", ".>+.", "...."});
    EXPECT_TRUE(Has(Problems(board), BoardProblemKind::JunctionWithoutExit, 2, 1));
}

TEST(BoardCheck, RoadsBehindAJunctionsOtherExitAreReachable)
{
    // The junction's present exit is right; the road down from it is reached on other days.
    Board board = FromMap({
        ".........",
        ".>>>+>>v.",
        ".^..v..v.",
        ".^<<<<<<.",
        ".........",
    });
    ASSERT_EQ(board.At(4, 1).Direction, 6);
    EXPECT_TRUE(board.Check().empty());
}

TEST(BoardCheck, LotsAndBuildingsBesideNoRoad)
{
    Board town = Town();
    town.At(8, 0) = Cell{CellKind::OwnedLot + 3, 2, 0, 0, 0};
    town.At(0, 5).Kind = CellKind::Hospital;
    town.At(4, 5).Kind = CellKind::LotForSale; // beside the bottom road: fine
    EXPECT_EQ(Problems(town), (Found{{BoardProblemKind::LotBesideNoRoad, 8, 0},
                                     {BoardProblemKind::BuildingBesideNoRoad, 0, 5}}));
}

TEST(BoardCheck, RoadOnTheOuterRing)
{
    Board board = FromMap({
        ".>>v.",
        ".^.v.",
        ".^<<.",
        ".....",
    });
    const Found found = Problems(board);
    EXPECT_TRUE(Has(found, BoardProblemKind::RoadOnOuterRing, 1, 0));
    EXPECT_TRUE(Has(found, BoardProblemKind::RoadOnOuterRing, 3, 0));
    EXPECT_FALSE(Has(found, BoardProblemKind::RoadOnOuterRing, 1, 1));
}

TEST(BoardCheck, StartThatIsNoRoad)
{
    Board town = Town();
    town.StartX = -1;
    town.StartY = 40;
    EXPECT_EQ(Problems(town), (Found{{BoardProblemKind::StartNotRoad, -1, 40}}));
}

TEST(BoardCheck, PrisonWithoutItsZone)
{
    Board town = Town();
    town.At(2, 3).Kind = CellKind::Ground;
    // Without any zone the courthouse has nowhere to send pawns either.
    EXPECT_EQ(Problems(town), (Found{{BoardProblemKind::PrisonWithoutZone, 2, 2},
                                     {BoardProblemKind::PrisonWithoutZone, 6, 2}}));
}

TEST(BoardCheck, ZoneThatPawnsCannotLeave)
{
    Board board = FromMap({
        "......",
        ".>>>v.",
        ".^oov.",
        ".^<<<.",
        "..o...",
        "..J...",
        "..Z...",
        "......",
    });
    const Found found = Problems(board);
    EXPECT_TRUE(Has(found, BoardProblemKind::ZoneWithoutExit, 2, 6));
    EXPECT_TRUE(Has(found, BoardProblemKind::BuildingBesideNoRoad, 2, 5));
}

} // namespace
