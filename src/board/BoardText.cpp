// BoardText: turns a text map, a street grid, street names and hand-set road pictures into a Board.
#include "board/BoardText.h"

namespace {

std::string Where(std::size_t x, std::size_t y)
{
    // Built by appending: GCC 12 warns falsely on a chain starting with a literal.
    std::string text(1, '(');
    text.append(std::to_string(x)).append(", ").append(std::to_string(y)).append(")");
    return text;
}

bool Fail(std::string* error, std::string text)
{
    if (error != nullptr) {
        *error = std::move(text);
    }
    return false;
}

// Kind and direction of a map character; false for a character the legend does not know.
bool Decode(char c, Cell& cell)
{
    constexpr std::uint8_t unshapedRoad = 9;
    cell = Cell{};
    switch (c) {
    case '.':
        return true;
    case '^':
    case '>':
    case 'v':
    case '<':
        cell.Kind = unshapedRoad;
        cell.Direction = c == '^' ? 1 : c == '>' ? 2 : c == 'v' ? 3 : 4;
        return true;
    case '+':
        cell.Kind = unshapedRoad;
        cell.Direction = 5;
        return true;
    case '#':
        cell.Kind = unshapedRoad;
        return true;
    case 'o':
        cell.Kind = CellKind::LotForSale;
        return true;
    case 'G':
        cell.Kind = CellKind::Governor;
        return true;
    case 'E':
        cell.Kind = CellKind::Employment;
        return true;
    case 'U':
        cell.Kind = CellKind::University;
        return true;
    case 'P':
        cell.Kind = CellKind::Police;
        return true;
    case 'J':
        cell.Kind = CellKind::Prison;
        return true;
    case 'H':
        cell.Kind = CellKind::Hospital;
        return true;
    case 'C':
        cell.Kind = CellKind::Courthouse;
        return true;
    case 'Z':
        cell.Kind = CellKind::PrisonZone;
        return true;
    default:
        if (c >= '1' && c <= '7') {
            cell.Kind = static_cast<std::uint8_t>(CellKind::OwnedLot + (c - '1'));
            cell.Owner = 1;
            return true;
        }
        return false;
    }
}

} // namespace

std::int32_t StreetFromChar(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'V') {
        return c - 'A' + 10;
    }
    return -1;
}

std::optional<Board> BoardFromText(const BoardText& text, std::string* error)
{
    const std::size_t rows = text.Map.size();
    const std::size_t columns = rows == 0 ? 0 : text.Map.front().size();
    if (rows == 0 || columns == 0 || rows > Board::MaxSide || columns > Board::MaxSide) {
        Fail(error, "The map must have 1 to " + std::to_string(Board::MaxSide) + " rows and columns.");
        return std::nullopt;
    }
    if (!text.Streets.empty() && text.Streets.size() != rows) {
        Fail(error, "The street grid has " + std::to_string(text.Streets.size()) + " rows, the map " +
                        std::to_string(rows) + ".");
        return std::nullopt;
    }
    if (text.StreetNames.size() > Board::StreetCount) {
        Fail(error, "There are more than 32 street names.");
        return std::nullopt;
    }

    Board board;
    board.New(static_cast<std::int32_t>(columns), static_cast<std::int32_t>(rows));
    for (std::size_t y = 0; y < rows; ++y) {
        const std::string& line = text.Map[y];
        if (line.size() != columns) {
            Fail(error, "Map row " + std::to_string(y) + " has " + std::to_string(line.size()) +
                            " cells, the first row " + std::to_string(columns) + ".");
            return std::nullopt;
        }
        if (!text.Streets.empty() && text.Streets[y].size() != columns) {
            Fail(error, "Street row " + std::to_string(y) + " has " + std::to_string(text.Streets[y].size()) +
                            " cells, the map " + std::to_string(columns) + ".");
            return std::nullopt;
        }
        for (std::size_t x = 0; x < columns; ++x) {
            Cell& cell = board.At(static_cast<std::int32_t>(x), static_cast<std::int32_t>(y));
            if (!Decode(line[x], cell)) {
                Fail(error,
                     "Unknown map character '" + std::string(1, line[x]) + "' at " + Where(x, y) + ".");
                return std::nullopt;
            }
            if (IsRoadPiece(cell.Kind) && !text.Streets.empty()) {
                const std::int32_t street = StreetFromChar(text.Streets[y][x]);
                if (street < 0) {
                    Fail(error, "The road at " + Where(x, y) + " has no street number ('" +
                                    std::string(1, text.Streets[y][x]) + "').");
                    return std::nullopt;
                }
                cell.Street = static_cast<std::uint8_t>(street);
            }
        }
    }

    // Shape the roads once every road is in place, then give each junction its first exit.
    for (std::int32_t y = 0; y < board.Height(); ++y) {
        for (std::int32_t x = 0; x < board.Width(); ++x) {
            Cell& cell = board.At(x, y);
            if (IsRoadPiece(cell.Kind)) {
                cell.Kind = board.RoadShape(x, y);
            }
        }
    }
    for (std::int32_t y = 0; y < board.Height(); ++y) {
        for (std::int32_t x = 0; x < board.Width(); ++x) {
            Cell& cell = board.At(x, y);
            if (cell.Direction >= 5) {
                for (std::int32_t a = 0; a < 4; ++a) {
                    if (board.AcceptsExit(x, y, a)) {
                        cell.Direction = static_cast<std::uint8_t>(a + 5);
                        break;
                    }
                }
            }
        }
    }
    for (const BoardPiece& piece : text.Pieces) {
        Cell* cell = board.Find(piece.X, piece.Y);
        if (cell == nullptr || !IsRoadPiece(cell->Kind) || !IsRoadPiece(piece.Kind)) {
            Fail(error, "The road picture " + std::to_string(piece.Kind) + " at (" + std::to_string(piece.X) +
                            ", " + std::to_string(piece.Y) + ") is not a road picture on a road.");
            return std::nullopt;
        }
        cell->Kind = piece.Kind;
    }
    for (std::size_t street = 0; street < text.StreetNames.size(); ++street) {
        if (text.StreetNames[street].size() >= Board::StreetNameSize) {
            Fail(error, "The name of street " + std::to_string(street) + " is longer than 15 characters.");
            return std::nullopt;
        }
        board.SetStreetName(static_cast<std::int32_t>(street), text.StreetNames[street]);
    }
    board.StartX = text.StartX;
    board.StartY = text.StartY;
    board.SetDerivedFields();
    return board;
}
