// Tests of the board model: road shapes, value formulas, junction exits, pawn steps and edits.
#include "board/Board.h"
#include "board/BoardText.h"

#include <gtest/gtest.h>

namespace {

Board FromMap(std::vector<std::string> map)
{
    BoardText text;
    text.Map = std::move(map);
    std::string error;
    std::optional<Board> board = BoardFromText(text, &error);
    EXPECT_TRUE(board.has_value()) << error;
    return board ? std::move(*board) : Board{};
}

// A draw function that hands out the given values in order and counts the draws.
struct Draws
{
    std::vector<std::uint32_t> Values;
    std::size_t Used = 0;
    std::function<std::uint32_t()> Function()
    {
        return [this] { return Values.at(Used++ % Values.size()); };
    }
};

TEST(BoardRoadShape, PictureFollowsTheRoadNeighbours)
{
    // Each case: the neighbours that are roads around the middle cell of a 3 x 3 map.
    struct Case
    {
        const char* up;
        const char* middle;
        const char* down;
        std::uint8_t picture;
    };
    const Case cases[] = {
        {"...", ".#.", "...", 9},  // alone
        {".#.", ".#.", ".#.", 9},  // up and down: straight up-down
        {"...", "###", "...", 10}, // left and right: straight left-right
        {".#.", ".##", "...", 14}, // corner up+right
        {"...", ".##", ".#.", 11}, // corner right+down
        {"...", "##.", ".#.", 12}, // corner down+left
        {".#.", "##.", "...", 13}, // corner up+left
        {".#.", ".##", ".#.", 15}, // T without left
        {"...", "###", ".#.", 16}, // T without up
        {".#.", "##.", ".#.", 17}, // T without right
        {".#.", "###", "...", 18}, // T without down
        {".#.", "###", ".#.", 19}, // crossroads
    };
    for (const Case& c : cases) {
        Board board = FromMap({c.up, c.middle, c.down});
        EXPECT_EQ(board.RoadShape(1, 1), c.picture) << c.up << "/" << c.middle << "/" << c.down;
    }
}

TEST(BoardRoadShape, Kind32CountsAsRoadButNotKind33OrBuildings)
{
    Board board = FromMap({"...", ".#.", "..."});
    board.At(1, 0).Kind = 32;
    board.At(1, 2).Kind = 33;
    board.At(0, 1).Kind = CellKind::LotForSale;
    EXPECT_EQ(board.RoadShape(1, 1), 9); // only the neighbour above counts
    board.At(2, 1).Kind = 31;
    EXPECT_EQ(board.RoadShape(1, 1), 14);
}

TEST(BoardRoadShape, NeighboursOutsideTheGridAreGround)
{
    Board board = FromMap({"##", "#."});
    EXPECT_EQ(board.RoadShape(0, 0), 11); // right and down; up and left lie outside
    EXPECT_EQ(board.RoadShape(5, 5), 9);  // far outside: nothing around
}

TEST(BoardValues, LotBesideStreetsZeroAndOne)
{
    // The lot at (1, 1) has street 0 above and street 1 to its left.
    BoardText text;
    text.Map = {".>.", ">o.", "..."};
    text.Streets = {".0.", "1..", "..."};
    Board board = *BoardFromText(text);
    EXPECT_EQ(board.Rent(1, 1, 1), 225);
    EXPECT_EQ(board.Price(0, 1, 1), 1800);
    board.At(1, 1).Kind = CellKind::OwnedLot;
    EXPECT_EQ(board.Rent(0, 1, 1), 225); // level from the cell: a bare owned lot is level 1
    EXPECT_EQ(board.MortgageValue(1, 1), 675);
    board.At(1, 1).Kind = CellKind::Hotel;
    EXPECT_EQ(board.Rent(0, 1, 1), 7 * 225);
    EXPECT_EQ(board.Price(6, 1, 1), 3 * 900);
    EXPECT_EQ(board.MortgageValue(1, 1), (1800 + 7 * 225) / 3);
    // An owned lot's values at once: the lot's price and its structure's, and the mortgage.
    for (std::uint8_t kind = CellKind::OwnedLot; kind <= CellKind::Hotel; ++kind) {
        board.At(1, 1).Kind = kind;
        const std::int32_t structure = kind - CellKind::OwnedLot;
        const Board::LotValues values = board.OwnedLotValues(1, 1);
        EXPECT_EQ(values.Value, 1800 + (structure > 0 ? board.Price(structure, 1, 1) : 0)) << structure;
        EXPECT_EQ(values.Mortgage, board.MortgageValue(1, 1)) << structure;
    }
}

TEST(BoardValues, OnlyRoadKindsCountAndStreetsRaiseTheValue)
{
    Board board = FromMap({"...", ".o.", "..."});
    EXPECT_EQ(board.Price(0, 1, 1), 0); // beside no road
    EXPECT_EQ(board.MortgageValue(1, 1), 0);
    board.At(1, 0) = Cell{63, 0, 0, 31, 0}; // kinds up to 63 count, street 31 is worth 96
    board.At(2, 1) = Cell{CellKind::LotForSale, 0, 0, 31, 0};
    board.At(1, 2) = Cell{CellKind::Governor, 0, 0, 31, 0};
    EXPECT_EQ(board.Price(0, 1, 1), 2 * 96 * 100);
    EXPECT_EQ(board.Rent(2, 1, 1), 2 * 96 * 25);
    EXPECT_EQ(board.Price(7, 1, 1), 0); // no structure 7
    EXPECT_EQ(board.Price(-1, 1, 1), 0);
}

TEST(BoardValues, RentOfACellThatIsNotAnOwnedLotIsNeverNegative)
{
    BoardText text;
    text.Map = {".>.", ".o.", "..."};
    text.Streets = {".5.", "...", "..."};
    Board board = *BoardFromText(text);
    EXPECT_EQ(board.Rent(0, 1, 1), 0); // a vacant lot has no level of its own
    EXPECT_EQ(board.MortgageValue(1, 1), board.Price(0, 1, 1) / 3);
    EXPECT_EQ(board.Rent(0, -3, 7), 0); // outside the grid
}

TEST(BoardJunctions, OnlyAcceptedExitIsLeft)
{
    // Left of the junction a road leads left; the others are ground or lead back into it.
    Board board = FromMap({
        ".....",
        "..v..",
        "<<+<<",
        "..^..",
        ".....",
    });
    Draws draws{{0, 1, 2, 3, 7, 5}};
    for (int day = 0; day < 10; ++day) {
        board.ChooseJunctionExits(draws.Function());
        EXPECT_EQ(board.At(2, 2).Direction, 8);
    }
}

TEST(BoardJunctions, JunctionWithoutAcceptedExitIsLeftAndDrawsNothing)
{
    Board board = FromMap({"...", ".+.", "..."});
    board.At(1, 1).Direction = 6;
    Draws draws{{0}};
    board.ChooseJunctionExits(draws.Function());
    EXPECT_EQ(board.At(1, 1).Direction, 6);
    EXPECT_EQ(draws.Used, 0u);

    // Roads that only lead straight back into it are no exits either.
    Board back = FromMap({".v.", ">+<", ".^."});
    back.At(1, 1).Direction = 7;
    back.ChooseJunctionExits(draws.Function());
    EXPECT_EQ(back.At(1, 1).Direction, 7);
    EXPECT_EQ(draws.Used, 0u);
}

TEST(BoardJunctions, DrawsUntilAcceptedRowByRowAndTakesValuesModFour)
{
    // Junction (1, 1) may leave right or down; junction (3, 2) only up.
    Board board = FromMap({
        "...^.",
        ".+>^.",
        ".v.+.",
        ".....",
    });
    // First junction: 4 (up, refused), 8 (up), 3 (left, refused), 6 (down, accepted).
    // Second: 9 (right, refused: ground), 12 (up, accepted).
    Draws draws{{4, 8, 3, 6, 9, 12}};
    board.ChooseJunctionExits(draws.Function());
    EXPECT_EQ(board.At(1, 1).Direction, 7);
    EXPECT_EQ(board.At(3, 2).Direction, 5);
    EXPECT_EQ(draws.Used, 6u);
}

TEST(BoardJunctions, NeighbouringJunctionIsAlwaysAccepted)
{
    Board board = FromMap({"....", ".++.", "...."});
    // Whatever its exit, each junction is the other's only road neighbour.
    board.At(1, 1).Direction = 5;
    board.At(2, 1).Direction = 8;
    Draws draws{{3, 1}};
    board.ChooseJunctionExits(draws.Function());
    EXPECT_EQ(board.At(1, 1).Direction, 6); // right, into the other junction
    EXPECT_EQ(board.At(2, 1).Direction, 8); // left, straight back, yet accepted
    EXPECT_EQ(draws.Used, 3u);
}

TEST(BoardJunctions, ExitsOutsideTheGridAreNeverTaken)
{
    // A junction in the corner of the grid: only the road to its right leads on.
    Board board = FromMap({"+>", ".."});
    Draws draws{{0, 3, 1}};
    board.ChooseJunctionExits(draws.Function());
    EXPECT_EQ(board.At(0, 0).Direction, 6);
    EXPECT_EQ(draws.Used, 3u);
}

TEST(BoardPawns, MoveKeepsOtherPawnsAndClearsTheOldCell)
{
    Board board = FromMap({">>>", "...", "..."});
    std::int32_t ax = 0, ay = 0, bx = 1, by = 0;
    board.MovePawn(0, ax, ay, 0, 0);
    board.MovePawn(3, bx, by, 1, 0);
    board.MovePawn(0, ax, ay, 1, 0);
    EXPECT_EQ(board.At(1, 0).Pawns, 0b1001);
    EXPECT_EQ(board.At(0, 0).Pawns, 0);
    EXPECT_EQ(ax, 1);
    board.MovePawn(3, bx, by, 2, 0);
    EXPECT_EQ(board.At(1, 0).Pawns, 0b0001);
    EXPECT_EQ(board.At(2, 0).Pawns, 0b1000);
}

TEST(BoardPawns, StepFollowsDirectionsJunctionExitsAndTheExit)
{
    Board board = FromMap({
        ".....",
        ".>+v.",
        ".^.v.",
        ".^<<.",
        ".....",
    });
    board.At(2, 1).Direction = 6; // junction leaving right
    board.ExitX = 1;
    board.ExitY = 2;
    int redraws = 0;
    board.OnRedraw = [&] { ++redraws; };

    struct Record
    {
        std::int32_t X = 1, Y = 1;
    } pawn;
    board.MovePawn(2, pawn, 1, 1);
    const std::pair<int, int> expected[] = {{2, 1}, {3, 1}, {3, 2}, {3, 3}, {2, 3}, {1, 3}, {1, 2}, {1, 1}};
    for (const auto& [x, y] : expected) {
        board.StepPawn(2, pawn);
        EXPECT_EQ(pawn.X, x);
        EXPECT_EQ(pawn.Y, y);
        EXPECT_EQ(board.At(x, y).Pawns, 1 << 2);
    }
    EXPECT_EQ(redraws, 8);

    // From a cell without a direction the pawn goes to the exit, wherever that is.
    board.MovePawn(2, pawn, 0, 4);
    board.StepPawn(2, pawn);
    EXPECT_EQ(pawn.X, 1);
    EXPECT_EQ(pawn.Y, 2);
    EXPECT_EQ(board.At(0, 4).Pawns, 0);
}

TEST(BoardPawns, StepsOffAndOutsideTheGridAreSafe)
{
    Board board = FromMap({"^.", ".."});
    board.ExitX = 1;
    board.ExitY = 1;
    std::int32_t x = 0, y = 0;
    board.MovePawn(0, x, y, 0, 0);
    board.StepPawn(0, x, y); // leads off the map
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, -1);
    EXPECT_EQ(board.At(0, 0).Pawns, 0);
    board.StepPawn(0, x, y); // outside counts as ground: to the exit
    EXPECT_EQ(x, 1);
    EXPECT_EQ(y, 1);
    EXPECT_EQ(board.At(1, 1).Pawns, 1);
    board.MovePawn(9, x, y, 0, 0); // no such player: the pawn bits stay
    EXPECT_EQ(board.At(1, 1).Pawns, 1);
    EXPECT_EQ(board.At(0, 0).Pawns, 0);
}

TEST(BoardNew, CentresNamesAndClears)
{
    Board board;
    board.New(5, 4);
    EXPECT_EQ(board.CenterX, 2);
    EXPECT_EQ(board.CenterY, 2);
    board.StartX = 3;
    board.SetStreetName(4, "Old Road");
    board.At(1, 1).Kind = CellKind::Police;
    board.New(4, 5);
    EXPECT_EQ(board.CenterX, 2);
    EXPECT_EQ(board.CenterY, 2);
    EXPECT_EQ(board.Width(), 4);
    EXPECT_EQ(board.Height(), 5);
    EXPECT_EQ(board.StartX, 0);
    EXPECT_EQ(board.At(1, 1), Cell{});
    for (std::int32_t street = 0; street < Board::StreetCount; ++street) {
        EXPECT_EQ(board.GetStreetName(street), "Street Name");
    }
    board.New(-3, 1000);
    EXPECT_EQ(board.Width(), 0);
    EXPECT_EQ(board.Height(), Board::MaxSide);
    EXPECT_TRUE(board.Cells().empty());
}

TEST(BoardStreetNames, LongNamesAreCutTo15Characters)
{
    Board board;
    board.SetStreetName(31, "A very long avenue name");
    EXPECT_EQ(board.GetStreetName(31), "A very long ave");
    // Cut between letters: the 16th byte would be the second half of "Ø".
    board.SetStreetName(30, "Nørrebrogade Øst");
    EXPECT_EQ(board.GetStreetName(30), "Nørrebrogade ");
    board.SetStreetName(30, "Grünerløkka");
    EXPECT_EQ(board.GetStreetName(30), "Grünerløkka");
    board.SetStreetName(32, "nowhere");
    EXPECT_EQ(board.GetStreetName(32), "");
    EXPECT_EQ(board.GetStreetName(-1), "");
}

class BoardEdit : public ::testing::Test
{
protected:
    void SetUp() override
    {
        board.New(6, 6);
        board.OnRedraw = [this] { ++redraws; };
    }
    void EditAt(std::int32_t x, std::int32_t y, EditTool tool, std::int32_t value = 0,
                std::int32_t value2 = 0)
    {
        board.CursorX = x;
        board.CursorY = y;
        board.Edit(tool, value, value2);
    }
    Board board;
    int redraws = 0;
};

TEST_F(BoardEdit, WithoutCursorNothingHappens)
{
    board.CursorX = -1;
    board.CursorY = 2;
    board.Edit(EditTool::Road);
    EditAt(6, 2, EditTool::Road); // a cursor off the grid is no cursor either
    EXPECT_EQ(redraws, 0);
    for (const Cell& cell : board.Cells()) {
        EXPECT_EQ(cell, Cell{});
    }
}

TEST_F(BoardEdit, RoadShapesOnlyThePlacedCellAndKeepsItsDirection)
{
    EditAt(2, 2, EditTool::Road);
    EXPECT_EQ(board.At(2, 2).Kind, 9);
    EditAt(2, 2, EditTool::Direction, 3);
    EditAt(3, 2, EditTool::Road);
    EXPECT_EQ(board.At(3, 2).Kind, 10);
    EXPECT_EQ(board.At(2, 2).Kind, 9); // the neighbour keeps its picture
    EditAt(2, 2, EditTool::Street, 4);
    EditAt(2, 2, EditTool::Road);
    EXPECT_EQ(board.At(2, 2).Kind, 10);
    EXPECT_EQ(board.At(2, 2).Direction, 3);
    EXPECT_EQ(board.At(2, 2).Street, 0);
    EXPECT_EQ(redraws, 5);
}

TEST_F(BoardEdit, BuildingsLotsAndErase)
{
    EditAt(1, 1, EditTool::Building, 1);
    EXPECT_EQ(board.At(1, 1).Kind, CellKind::LotForSale);
    EditAt(1, 1, EditTool::Building, 8);
    EXPECT_EQ(board.At(1, 1).Kind, CellKind::Courthouse);
    EditAt(1, 1, EditTool::Building, 9); // no such building
    EXPECT_EQ(board.At(1, 1).Kind, CellKind::Courthouse);
    EditAt(1, 1, EditTool::Lot, 7, 6);
    EXPECT_EQ(board.At(1, 1), (Cell{CellKind::Hotel, 6, 0, 0, 0}));
    EditAt(1, 1, EditTool::Lot, 1, 7); // no seventh player
    EXPECT_EQ(board.At(1, 1).Kind, CellKind::Hotel);
    EditAt(1, 1, EditTool::Erase);
    EXPECT_EQ(board.At(1, 1), Cell{});
    EXPECT_EQ(redraws, 6); // refused edits redraw too
}

TEST_F(BoardEdit, PrisonPutsItsZoneBelowUnlessThatIsTheLastRow)
{
    // A road with a direction below the prison: the zone must not keep it.
    EditAt(2, 4, EditTool::Road);
    EditAt(2, 4, EditTool::Direction, 2);
    EditAt(2, 4, EditTool::Street, 5);
    EditAt(2, 3, EditTool::Building, 6);
    EXPECT_EQ(board.At(2, 3).Kind, CellKind::Prison);
    EXPECT_EQ(board.At(2, 4), (Cell{CellKind::PrisonZone, 0, 0, 0, 0}));

    EditAt(4, 4, EditTool::Building, 6); // the zone would fall on the last row
    EXPECT_EQ(board.At(4, 4), Cell{});
    EXPECT_EQ(board.At(4, 5), Cell{});
}

TEST_F(BoardEdit, DirectionAndStreetOnlyOnRoadPieces)
{
    EditAt(1, 1, EditTool::Building, 2);
    EditAt(1, 1, EditTool::Direction, 2);
    EditAt(1, 1, EditTool::Street, 3);
    EXPECT_EQ(board.At(1, 1), (Cell{CellKind::Governor, 0, 0, 0, 0}));
    EditAt(2, 2, EditTool::Road);
    EditAt(2, 2, EditTool::Direction, 8);
    EditAt(2, 2, EditTool::Street, 31);
    EditAt(2, 2, EditTool::Direction, 9);
    EditAt(2, 2, EditTool::Street, 32);
    EXPECT_EQ(board.At(2, 2).Direction, 8);
    EXPECT_EQ(board.At(2, 2).Street, 31);
}

TEST_F(BoardEdit, RoadPieceByHandAndStart)
{
    EditAt(3, 3, EditTool::RoadPiece, 26); // not yet a road: shaped instead
    EXPECT_EQ(board.At(3, 3).Kind, 9);
    EditAt(3, 3, EditTool::RoadPiece, 26);
    EXPECT_EQ(board.At(3, 3).Kind, 26);
    EditAt(3, 3, EditTool::RoadPiece, 32);
    EXPECT_EQ(board.At(3, 3).Kind, 26);
    EditAt(3, 3, EditTool::Start);
    EXPECT_EQ(board.StartX, 3);
    EXPECT_EQ(board.StartY, 3);
}

} // namespace
