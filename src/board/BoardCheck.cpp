// Board checker: what makes a board unfit for play, found by following every way a pawn can walk.
#include "board/Board.h"

#include <deque>

namespace {

std::string CellText(std::int32_t x, std::int32_t y)
{
    // Built by appending: GCC 12 warns falsely on a chain starting with a literal.
    std::string text(1, '(');
    text.append(std::to_string(x)).append(", ").append(std::to_string(y)).append(")");
    return text;
}

bool IsPublicBuilding(std::uint8_t kind)
{
    return kind >= CellKind::Governor && kind <= CellKind::Courthouse;
}

bool IsLot(std::uint8_t kind)
{
    return kind == CellKind::LotForSale || IsOwnedLot(kind);
}

} // namespace

std::vector<BoardProblem> Board::Check() const
{
    std::vector<BoardProblem> problems;
    auto report = [&](BoardProblemKind kind, std::int32_t x, std::int32_t y, std::string text) {
        problems.push_back(BoardProblem{kind, x, y, std::move(text)});
    };

    std::int32_t jailX = 0, jailY = 0, exitX = 0, exitY = 0;
    FindJailAndExit(jailX, jailY, exitX, exitY);
    bool hasZone = false;
    bool hasCourthouse = false;
    for (const Cell& cell : cells) {
        hasZone = hasZone || cell.Kind == CellKind::PrisonZone;
        hasCourthouse = hasCourthouse || cell.Kind == CellKind::Courthouse;
    }

    // Every cell a pawn can stand on: from the start cell, and from the prison zone when the
    // courthouse can send pawns there; junctions may leave by any accepted exit.
    std::vector<bool> reached(cells.size(), false);
    std::deque<std::pair<std::int32_t, std::int32_t>> pending;
    auto reach = [&](std::int32_t x, std::int32_t y) {
        if (!Inside(x, y)) {
            // Off the map a pawn finds no direction and goes to the exit.
            x = exitX;
            y = exitY;
            if (!Inside(x, y)) {
                return;
            }
        }
        if (!reached[Index(x, y)]) {
            reached[Index(x, y)] = true;
            pending.emplace_back(x, y);
        }
    };
    reach(StartX, StartY);
    if (hasCourthouse && hasZone) {
        reach(jailX, jailY);
    }
    while (!pending.empty()) {
        const auto [x, y] = pending.front();
        pending.pop_front();
        const std::int32_t d = At(x, y).Direction;
        if (d >= 1 && d <= 4) {
            reach(x + DirectionDx(d), y + DirectionDy(d));
        } else if (d >= 5) {
            bool anyAccepted = false;
            for (std::int32_t a = 0; a < 4; ++a) {
                if (AcceptsExit(x, y, a)) {
                    anyAccepted = true;
                    reach(x + DirectionDx(a + 1), y + DirectionDy(a + 1));
                }
            }
            if (!anyAccepted) {
                reach(x + DirectionDx(d - 4), y + DirectionDy(d - 4));
            }
        } else {
            reach(exitX, exitY);
        }
    }

    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            const Cell& cell = At(x, y);
            if (!IsRoadPiece(cell.Kind) || !reached[Index(x, y)]) {
                continue;
            }
            const std::int32_t d = cell.Direction;
            if (d == 0) {
                report(BoardProblemKind::RoadWithoutDirection, x, y,
                       "The road at " + CellText(x, y) +
                           " has no walking direction, but pawns reach it (they would jump to the prison "
                           "exit).");
            } else if (d <= 4 && !IsRoadPiece(CellAt(x + DirectionDx(d), y + DirectionDy(d)).Kind)) {
                report(BoardProblemKind::LeadsOffRoad, x, y,
                       "The walking direction of the road at " + CellText(x, y) + " leads off the roads.");
            }
        }
    }
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            if (At(x, y).Direction < 5) {
                continue;
            }
            bool anyAccepted = false;
            for (std::int32_t a = 0; a < 4 && !anyAccepted; ++a) {
                anyAccepted = AcceptsExit(x, y, a);
            }
            if (!anyAccepted) {
                report(BoardProblemKind::JunctionWithoutExit, x, y,
                       "The junction at " + CellText(x, y) +
                           " has no exit: no road beside it leads away from it.");
            }
        }
    }
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            if (IsRoadPiece(At(x, y).Kind) && !reached[Index(x, y)]) {
                report(BoardProblemKind::UnreachableRoad, x, y,
                       "No pawn can reach the road at " + CellText(x, y) + " from the start.");
            }
        }
    }
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            const std::uint8_t kind = At(x, y).Kind;
            if ((IsLot(kind) || IsPublicBuilding(kind)) && RoadValueSum(x, y) == 0) {
                if (IsLot(kind)) {
                    report(BoardProblemKind::LotBesideNoRoad, x, y,
                           "The lot at " + CellText(x, y) + " is beside no road: it is worth nothing.");
                } else {
                    report(BoardProblemKind::BuildingBesideNoRoad, x, y,
                           "The public building at " + CellText(x, y) +
                               " is beside no road: no pawn can visit it.");
                }
            }
        }
    }
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            const bool onRing = x == 0 || y == 0 || x == width - 1 || y == height - 1;
            if (onRing && IsRoadPiece(At(x, y).Kind)) {
                report(BoardProblemKind::RoadOnOuterRing, x, y,
                       "The road at " + CellText(x, y) + " lies on the outer ring of the board.");
            }
        }
    }
    if (!IsRoadPiece(CellAt(StartX, StartY).Kind)) {
        report(BoardProblemKind::StartNotRoad, StartX, StartY,
               "The start cell " + CellText(StartX, StartY) + " is not a road.");
    }
    for (std::int32_t y = 0; y < height; ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            const std::uint8_t kind = At(x, y).Kind;
            if (kind == CellKind::Prison && CellAt(x, y + 1).Kind != CellKind::PrisonZone) {
                report(BoardProblemKind::PrisonWithoutZone, x, y,
                       "The prison at " + CellText(x, y) + " has no prison zone below it.");
            } else if (kind == CellKind::Courthouse && !hasZone) {
                report(BoardProblemKind::PrisonWithoutZone, x, y,
                       "The courthouse at " + CellText(x, y) + " has no prison zone to send pawns to.");
            }
        }
    }
    if (hasZone) {
        const Cell exit = CellAt(exitX, exitY);
        if (!IsRoadPiece(exit.Kind) || exit.Direction == 0) {
            report(BoardProblemKind::ZoneWithoutExit, jailX, jailY,
                   "No road with a walking direction lies beside the prison zone at " +
                       CellText(jailX, jailY) + ": pawns could not leave it.");
        }
    }
    return problems;
}
