// Board: grid, street names, edits, pawn steps, junction exits and value formulas.
#include "board/Board.h"

#include "archive/Utf8.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

// Picture of a road piece by the four-bit pattern of road neighbours (bit 0 up, 1 right, 2 down,
// 3 left).
constexpr std::array<std::uint8_t, 16> RoadShapes{9, 9, 10, 14, 9, 9, 11, 15, 10, 13, 10, 18, 12, 17, 16, 19};

// Neighbour order of every rule: up, right, down, left.
constexpr std::array<std::int32_t, 4> NeighbourDx{0, 1, 0, -1};
constexpr std::array<std::int32_t, 4> NeighbourDy{-1, 0, 1, 0};
// The direction that points straight back into a junction from its neighbour a.
constexpr std::array<std::uint8_t, 4> StraightBack{3, 4, 1, 2};

std::int32_t ClampToInt32(std::int64_t value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

// The rent level of a cell's own structure: 1 for a bare owned lot to 7 for a hotel; 0 for a cell
// that is not an owned lot (any other would give a negative rent).
std::int32_t LevelOf(std::uint8_t kind)
{
    return kind >= CellKind::BareLot && kind <= CellKind::Hotel ? kind - CellKind::BareLot : 0;
}

// The value formulas over sum, the streets beside a cell summed (RoadValueSum).
std::int32_t RentOf(std::int32_t level, std::int32_t sum)
{
    return ClampToInt32(std::int64_t{level} * sum * 25);
}
std::int32_t PriceOf(std::int32_t structure, std::int32_t sum)
{
    if (structure < 0 || structure >= static_cast<std::int32_t>(StructurePriceFactor.size())) {
        return 0;
    }
    return StructurePriceFactor[static_cast<std::size_t>(structure)] * sum * 100;
}

} // namespace

Board::Board() = default;

std::string Board::GetStreetName(std::int32_t street) const
{
    if (street < 0 || street >= StreetCount) {
        return {};
    }
    const StreetName& name = streetNames[static_cast<std::size_t>(street)];
    // A name that fills its slot without a terminating zero is read as its first 15 characters.
    const auto end = std::find(name.begin(), name.begin() + (StreetNameSize - 1), '\0');
    return std::string(name.begin(), end);
}

void Board::SetStreetName(std::int32_t street, std::string_view name)
{
    if (street < 0 || street >= StreetCount) {
        return;
    }
    StreetName& slot = streetNames[static_cast<std::size_t>(street)];
    slot.fill('\0');
    name = Utf8Prefix(name.substr(0, name.find('\0')), StreetNameSize - 1);
    std::copy(name.begin(), name.end(), slot.begin());
}

void Board::New(std::int32_t newWidth, std::int32_t newHeight)
{
    width = std::clamp(newWidth, 0, MaxSide);
    height = std::clamp(newHeight, 0, MaxSide);
    cells.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), Cell{});
    for (std::int32_t street = 0; street < StreetCount; ++street) {
        SetStreetName(street, "Street Name");
    }
    StartX = 0;
    StartY = 0;
    CenterX = width / 2;
    CenterY = height / 2;
}

void Board::Redraw() const
{
    if (OnRedraw) {
        OnRedraw();
    }
}

void Board::Edit(EditTool tool, std::int32_t value, std::int32_t value2)
{
    const std::int32_t x = CursorX;
    const std::int32_t y = CursorY;
    Cell* cell = Find(x, y);
    if (CursorX < 0 || cell == nullptr) {
        return;
    }
    auto makeRoad = [&] {
        cell->Kind = RoadShape(x, y);
        cell->Owner = 0;
        cell->Street = 0;
    };
    switch (tool) {
    case EditTool::Road:
        makeRoad();
        break;
    case EditTool::Start:
        StartX = x;
        StartY = y;
        break;
    case EditTool::Erase:
        cell->Kind = CellKind::Ground;
        cell->Owner = 0;
        cell->Direction = 0;
        cell->Street = 0;
        break;
    case EditTool::RoadPiece:
        if (!IsRoadPiece(cell->Kind)) {
            makeRoad();
        } else if (value >= CellKind::FirstRoad && value <= CellKind::LastRoadPiece) {
            cell->Kind = static_cast<std::uint8_t>(value);
        }
        break;
    case EditTool::Building: {
        if (value < 1 || value > 8) {
            break;
        }
        const std::uint8_t kind = static_cast<std::uint8_t>(CellKind::LotForSale - 1 + value);
        if (kind == CellKind::Prison) {
            // The zone below must not fall on the last row, which no pawn may reach.
            if (y + 1 >= height - 1) {
                break;
            }
            // The zone takes no walking direction or street from what was there: a pawn in it
            // must leave by the exit.
            Cell& zone = At(x, y + 1);
            zone.Kind = CellKind::PrisonZone;
            zone.Owner = 0;
            zone.Direction = 0;
            zone.Street = 0;
        }
        cell->Kind = kind;
        cell->Owner = 0;
        cell->Direction = 0;
        cell->Street = 0;
        break;
    }
    case EditTool::Lot:
        if (value < 0 || value > 7 || value2 < 0 || value2 > PlayerCount) {
            break;
        }
        cell->Kind = static_cast<std::uint8_t>(CellKind::BareLot + value);
        cell->Owner = static_cast<std::uint8_t>(value2);
        cell->Direction = 0;
        cell->Street = 0;
        break;
    case EditTool::Direction:
        if (IsRoadPiece(cell->Kind) && value >= 0 && value <= 8) {
            cell->Direction = static_cast<std::uint8_t>(value);
        }
        break;
    case EditTool::Street:
        if (IsRoadPiece(cell->Kind) && value >= 0 && value < StreetCount) {
            cell->Street = static_cast<std::uint8_t>(value);
        }
        break;
    }
    Redraw();
}

std::uint8_t Board::RoadShape(std::int32_t x, std::int32_t y) const
{
    unsigned pattern = 0;
    for (unsigned a = 0; a < 4; ++a) {
        const std::uint8_t kind = CellAt(x + NeighbourDx[a], y + NeighbourDy[a]).Kind;
        if (kind >= CellKind::FirstRoad && kind <= CellKind::LastRoadPiece + 1) {
            pattern |= 1u << a;
        }
    }
    return RoadShapes[pattern];
}

void Board::StepPawn(std::int32_t player, std::int32_t& x, std::int32_t& y)
{
    std::int32_t d = CellAt(x, y).Direction;
    if (d >= 5) {
        d -= 4;
    }
    if (d >= 1 && d <= 4) {
        MovePawn(player, x, y, x + DirectionDx(d), y + DirectionDy(d));
    } else {
        MovePawn(player, x, y, ExitX, ExitY);
    }
    Redraw();
}

void Board::MovePawn(std::int32_t player, std::int32_t& x, std::int32_t& y, std::int32_t newX,
                     std::int32_t newY)
{
    const bool validPlayer = player >= 0 && player < PlayerCount;
    const auto bit = static_cast<std::uint8_t>(validPlayer ? 1u << player : 0u);
    if (Cell* from = Find(x, y)) {
        from->Pawns = static_cast<std::uint8_t>(from->Pawns & ~bit);
    }
    x = newX;
    y = newY;
    if (Cell* to = Find(x, y)) {
        to->Pawns = static_cast<std::uint8_t>(to->Pawns | bit);
    }
}

bool Board::AcceptsExit(std::int32_t x, std::int32_t y, std::int32_t a) const
{
    if (a < 0 || a > 3) {
        return false;
    }
    const std::uint8_t d =
        CellAt(x + NeighbourDx[static_cast<std::size_t>(a)], y + NeighbourDy[static_cast<std::size_t>(a)])
            .Direction;
    return d != 0 && d != StraightBack[static_cast<std::size_t>(a)];
}

void Board::ChooseJunctionExits(const std::function<std::uint32_t()>& draw)
{
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            Cell& cell = At(x, y);
            if (cell.Direction < 5) {
                continue;
            }
            bool anyAccepted = false;
            for (std::int32_t a = 0; a < 4 && !anyAccepted; ++a) {
                anyAccepted = AcceptsExit(x, y, a);
            }
            if (!anyAccepted) {
                continue;
            }
            std::int32_t a = 0;
            do {
                a = static_cast<std::int32_t>(draw() % 4u);
            } while (!AcceptsExit(x, y, a));
            cell.Direction = static_cast<std::uint8_t>(a + 5);
        }
    }
}

std::int32_t Board::RoadValueSum(std::int32_t x, std::int32_t y) const
{
    std::int32_t sum = 0;
    for (unsigned a = 0; a < 4; ++a) {
        const Cell neighbour = CellAt(x + NeighbourDx[a], y + NeighbourDy[a]);
        if (CountsAsRoad(neighbour.Kind)) {
            sum += 3 * neighbour.Street + 3;
        }
    }
    return sum;
}

std::int32_t Board::Rent(std::int32_t level, std::int32_t x, std::int32_t y) const
{
    return RentOf(level == 0 ? LevelOf(CellAt(x, y).Kind) : level, RoadValueSum(x, y));
}

std::int32_t Board::Price(std::int32_t structure, std::int32_t x, std::int32_t y) const
{
    return PriceOf(structure, RoadValueSum(x, y));
}

std::int32_t Board::MortgageValue(std::int32_t x, std::int32_t y) const
{
    const std::int32_t sum = RoadValueSum(x, y);
    return (PriceOf(0, sum) + RentOf(LevelOf(CellAt(x, y).Kind), sum)) / 3;
}

Board::LotValues Board::OwnedLotValues(std::int32_t x, std::int32_t y) const
{
    const std::uint8_t kind = CellAt(x, y).Kind;
    const std::int32_t sum = RoadValueSum(x, y);
    const std::int32_t structure = IsOwnedLot(kind) ? kind - CellKind::OwnedLot : 0;
    LotValues values;
    values.Value = PriceOf(0, sum) + (structure > 0 ? PriceOf(structure, sum) : 0);
    values.Mortgage = (PriceOf(0, sum) + RentOf(LevelOf(kind), sum)) / 3;
    return values;
}

void Board::SetDerivedFields()
{
    CenterX = width / 2;
    CenterY = height / 2;
    FindJailAndExit(JailX, JailY, ExitX, ExitY);
}

void Board::FindJailAndExit(std::int32_t& jailX, std::int32_t& jailY, std::int32_t& exitX,
                            std::int32_t& exitY) const
{
    // Of several zones the one in the lowest row (leftmost in it) wins.
    jailX = 2;
    jailY = 2;
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            if (At(x, y).Kind == CellKind::PrisonZone) {
                jailX = x;
                jailY = y;
                break;
            }
        }
    }
    // The first road with a direction in each of the four rows around the zone; the lowest row wins.
    exitX = 0;
    exitY = 0;
    for (std::int32_t y = jailY - 2; y <= jailY + 1; ++y) {
        for (std::int32_t x = jailX - 1; x <= jailX + 1; ++x) {
            if (CellAt(x, y).Direction != 0) {
                exitX = x;
                exitY = y;
                break;
            }
        }
    }
}
