// Board: the city map (a grid of five-byte cells, 32 street names, start cell), its edits, pawn
// steps, junction exits, value formulas, board file and a checker for board makers. No drawing.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One cell of the grid, five bytes, in file order.
struct Cell
{
    std::uint8_t Kind = 0;      // what stands on the cell (CellKind)
    std::uint8_t Owner = 0;     // lots: player index + 1, 0 = nobody; other cells 0
    std::uint8_t Direction = 0; // roads: 0 none, 1 up, 2 right, 3 down, 4 left, 5..8 junction (exit d - 4)
    std::uint8_t Street = 0;    // roads: street number 0..31; owned lots: mortgage days left
    std::uint8_t Pawns = 0;     // bit i = the pawn of player i stands here
    bool operator==(const Cell&) const = default;
};
static_assert(sizeof(Cell) == 5);

// Values of Cell::Kind.
namespace CellKind {
constexpr std::uint8_t Ground = 0;
constexpr std::uint8_t FirstRoad = 1; // 1..31: road pieces (the number is the picture)
constexpr std::uint8_t LastRoadPiece = 31;
constexpr std::uint8_t LastRoad = 63; // 32..63 count as road in the value formulas
constexpr std::uint8_t LotForSale = 64;
constexpr std::uint8_t Governor = 65; // first public building
constexpr std::uint8_t Employment = 66;
constexpr std::uint8_t University = 67;
constexpr std::uint8_t Police = 68;
constexpr std::uint8_t Prison = 69;
constexpr std::uint8_t Hospital = 70;
constexpr std::uint8_t Courthouse = 71;
constexpr std::uint8_t PrisonZone = 72;
constexpr std::uint8_t BareLot = 73;  // lot of level 0; a public building without an event
constexpr std::uint8_t OwnedLot = 74; // 74..80: owned lot with structure Kind - 74
constexpr std::uint8_t Hotel = 80;
constexpr std::uint8_t Last = 80; // the reader refuses larger kinds
} // namespace CellKind

inline constexpr bool IsRoadPiece(std::uint8_t kind)
{
    return kind >= CellKind::FirstRoad && kind <= CellKind::LastRoadPiece;
}
inline constexpr bool CountsAsRoad(std::uint8_t kind)
{
    return kind >= CellKind::FirstRoad && kind <= CellKind::LastRoad;
}
inline constexpr bool IsOwnedLot(std::uint8_t kind)
{
    return kind >= CellKind::OwnedLot && kind <= CellKind::Hotel;
}

// Price factor of a lot (structure 0) and of each structure 1..6 ("LOT" to "HOTEL").
inline constexpr std::array<std::int32_t, 7> StructurePriceFactor{2, 1, 1, 1, 2, 2, 3};

// The tools of Board::Edit, numbered as the editor's tool buttons.
enum class EditTool
{
    Road = 0,      // road piece shaped from the neighbours
    Start = 1,     // the start cell
    Erase = 2,     // plain ground
    RoadPiece = 3, // value = picture 1..31 on a road piece; elsewhere as Road
    Building = 4,  // value 1..8: lot for sale, the seven public buildings
    Lot = 5,       // value = level 0..7, value2 = owner 0..6
    Direction = 6, // value 0..8, only on a road piece
    Street = 7,    // value 0..31, only on a road piece
};

// A fault of a board for play, found by Board::Check.
enum class BoardProblemKind
{
    RoadWithoutDirection, // a pawn can reach a road that does not lead on
    LeadsOffRoad,         // a road's direction sends a pawn off the roads or off the map
    JunctionWithoutExit,  // no neighbour of a junction is an accepted exit
    UnreachableRoad,      // no pawn leaving the start cell ever gets there
    LotBesideNoRoad,      // a vacant or owned lot worth nothing
    BuildingBesideNoRoad, // a public building no pawn can stop beside
    RoadOnOuterRing,      // a road on the first or last row or column
    StartNotRoad,         // the start cell is not a road piece
    PrisonWithoutZone,    // a prison without the zone below it, or a courthouse without a zone
    ZoneWithoutExit,      // no road beside the prison zone takes pawns out of it
};

struct BoardProblem
{
    BoardProblemKind Kind;
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::string Text; // readable, names the cell
};

// Where LoadFile found its board.
enum class BoardSource
{
    File,         // the file asked for
    DefaultBoard, // the file could not be opened or was not a board: the archive's default board
    None,         // neither could be read: the board is unchanged
};

class Board
{
public:
    static constexpr std::int32_t StreetCount = 32;
    static constexpr std::int32_t StreetNameSize = 16; // bytes in the file, zero-terminated
    static constexpr std::int32_t MaxSide = 256;       // largest width or height a board may have
    static constexpr std::int32_t PlayerCount = 6;
    static constexpr std::size_t FileSizeWithoutCells = 528;
    static constexpr const char* DefaultBoardItem = "DefaultBoard";
    static constexpr const char* DefaultArchive = "res00.dat";

    using StreetName = std::array<char, StreetNameSize>;

    // An empty board: no cells, sizes and centre 0, no cursor.
    Board();

    // Grid.
    std::int32_t Width() const { return width; }
    std::int32_t Height() const { return height; }
    bool Inside(std::int32_t x, std::int32_t y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    // The cell at (x, y), which must be inside the grid.
    Cell& At(std::int32_t x, std::int32_t y) { return cells[Index(x, y)]; }
    const Cell& At(std::int32_t x, std::int32_t y) const { return cells[Index(x, y)]; }
    // The cell at (x, y), or nullptr outside the grid.
    Cell* Find(std::int32_t x, std::int32_t y) { return Inside(x, y) ? &At(x, y) : nullptr; }
    const Cell* Find(std::int32_t x, std::int32_t y) const { return Inside(x, y) ? &At(x, y) : nullptr; }
    // The cell at (x, y); outside the grid plain ground (every byte 0).
    Cell CellAt(std::int32_t x, std::int32_t y) const { return Inside(x, y) ? At(x, y) : Cell{}; }
    // All cells, row by row (y outer, x inner).
    std::span<const Cell> Cells() const { return cells; }

    // Street names: at most 15 bytes each, cut at a character boundary.
    std::string GetStreetName(std::int32_t street) const;
    void SetStreetName(std::int32_t street, std::string_view name);

    // Fields. The view draws from them; the editor and the game set them.
    std::int32_t CenterX = 0, CenterY = 0;  // cell shown at the middle of the view
    std::int32_t CursorX = -1, CursorY = 0; // selected cell; CursorX -1 = none
    std::int32_t HitX = 0, HitY = 0;        // last cell found by the game's click test
    std::int32_t StartX = 0, StartY = 0;    // where the pawns begin
    std::int32_t JailX = 2, JailY = 2;      // the prison zone (set by LoadFile)
    std::int32_t ExitX = 0, ExitY = 0;      // where a pawn on a cell without direction goes next
    bool EditMode = false;
    bool ShowDirections = false;
    bool ShowStart = false;
    bool ShowStreetNames = false;

    // Called after every edit and pawn step so that a view can draw the change.
    std::function<void()> OnRedraw;

    // A new width x height board of plain ground (each side limited to 0..MaxSide), every street
    // named "Street Name", start (0, 0), centred.
    void New(std::int32_t newWidth, std::int32_t newHeight);

    // The editor's change of the cursor cell; nothing without a cursor on the grid. Values a tool
    // does not take change nothing. Ends with OnRedraw whenever there was a cursor.
    void Edit(EditTool tool, std::int32_t value = 0, std::int32_t value2 = 0);

    // The road picture for (x, y) from its neighbours (9..19).
    std::uint8_t RoadShape(std::int32_t x, std::int32_t y) const;

    // One step of player's pawn from (x, y) along the cell's direction (to ExitX, ExitY from a
    // cell without one); x and y follow. Ends with OnRedraw.
    void StepPawn(std::int32_t player, std::int32_t& x, std::int32_t& y);
    // Moves player's pawn bit from (x, y) to (newX, newY) and stores the new cell in x, y.
    void MovePawn(std::int32_t player, std::int32_t& x, std::int32_t& y, std::int32_t newX,
                  std::int32_t newY);
    // The same for any record with X and Y fields (the game's player record).
    template <class PlayerRecord> void StepPawn(std::int32_t player, PlayerRecord& record)
    {
        StepPawn(player, record.X, record.Y);
    }
    template <class PlayerRecord>
    void MovePawn(std::int32_t player, PlayerRecord& record, std::int32_t newX, std::int32_t newY)
    {
        MovePawn(player, record.X, record.Y, newX, newY);
    }

    // New random exits for every junction, row by row. draw returns the random generator's next
    // value (taken mod 4), and must in time give every value mod 4 (the game's generator does).
    // A junction without any accepted exit is left as it was and costs no draw.
    void ChooseJunctionExits(const std::function<std::uint32_t()>& draw);
    // Whether the junction at (x, y) may leave by direction a (0 up, 1 right, 2 down, 3 left).
    bool AcceptsExit(std::int32_t x, std::int32_t y, std::int32_t a) const;

    // Value formulas over the roads beside (x, y). Rent with level 0 takes the level from the
    // cell's own structure (0 for a cell that is not an owned lot).
    std::int32_t Rent(std::int32_t level, std::int32_t x, std::int32_t y) const;
    std::int32_t Price(std::int32_t structure, std::int32_t x, std::int32_t y) const;
    std::int32_t MortgageValue(std::int32_t x, std::int32_t y) const;
    // What an owned lot is worth, with the streets beside it summed once: Value = Price(0) plus
    // Price of its structure, Mortgage = MortgageValue.
    struct LotValues
    {
        std::int32_t Value = 0;
        std::int32_t Mortgage = 0;
    };
    LotValues OwnedLotValues(std::int32_t x, std::int32_t y) const;

    // Board file. ReadFrom takes a whole board file image and returns false, leaving the board as
    // it was, unless its size is 528 + 5 x Width x Height with 0 < Width, Height <= MaxSide and
    // every cell byte is one the game can use.
    bool ReadFrom(std::span<const std::uint8_t> bytes);
    // The board file image of this board.
    std::vector<std::uint8_t> FileImage() const;
    // Reads the board file at path (a case-insensitive match in the same folder when the exact
    // name is missing); when that fails, the item "DefaultBoard" of archivePath. Then sets the
    // derived fields.
    BoardSource LoadFile(const std::filesystem::path& path,
                         const std::filesystem::path& archivePath = DefaultArchive);
    // Writes the board file through a temporary file, so a failed save leaves an existing file
    // whole. False when it could not be written.
    bool SaveFile(const std::filesystem::path& path) const;
    // Centre, prison zone and exit, as after a load.
    void SetDerivedFields();
    // The prison zone and its exit as the load would find them.
    void FindJailAndExit(std::int32_t& jailX, std::int32_t& jailY, std::int32_t& exitX,
                         std::int32_t& exitY) const;

    // What is wrong with this board for play, in a readable list (empty when nothing is).
    std::vector<BoardProblem> Check() const;

private:
    std::size_t Index(std::int32_t x, std::int32_t y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
    }
    void Redraw() const;
    std::int32_t RoadValueSum(std::int32_t x, std::int32_t y) const;

    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<Cell> cells;
    std::array<StreetName, StreetCount> streetNames{};
};

// The step of walking direction d (1 up, 2 right, 3 down, 4 left) in x and y; 0, 0 for others.
inline constexpr std::int32_t DirectionDx(std::int32_t d)
{
    return d == 2 ? 1 : d == 4 ? -1 : 0;
}
inline constexpr std::int32_t DirectionDy(std::int32_t d)
{
    return d == 3 ? 1 : d == 1 ? -1 : 0;
}
