// Board file: the board file image, reading with validation, loading with the default board as
// fallback, and saving through a temporary file.
#include "archive/MemoryStream.h"
#include "archive/ResourceArchive.h"
#include "archive/Utf8.h"
#include "archive/UtilsPath.h"
#include "board/Board.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <system_error>

namespace {

constexpr std::size_t CellSize = sizeof(Cell);
constexpr std::size_t MaxFileSize =
    Board::FileSizeWithoutCells + CellSize * Board::MaxSide * static_cast<std::size_t>(Board::MaxSide);

std::int32_t ReadInt32(std::span<const std::uint8_t> bytes, std::size_t at)
{
    const std::uint32_t value =
        static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
        static_cast<std::uint32_t>(bytes[at + 2]) << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
    return static_cast<std::int32_t>(value);
}

void WriteInt32(std::vector<std::uint8_t>& out, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<std::uint8_t>(bits >> shift));
    }
}

// A cell the game and the view can use: a known kind, an owner among the six players, a
// walking direction or junction, pawns of the six players only, and on roads a street that has
// a name.
bool UsableCell(const Cell& cell)
{
    return cell.Kind <= CellKind::Last && cell.Owner <= Board::PlayerCount && cell.Direction <= 8 &&
           cell.Pawns < (1u << Board::PlayerCount) &&
           (!CountsAsRoad(cell.Kind) || cell.Street < Board::StreetCount);
}

// The whole file, or nothing when it cannot be opened or is larger than any board file.
std::optional<std::vector<std::uint8_t>> ReadBoardFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || static_cast<std::size_t>(size) > MaxFileSize) {
        return std::nullopt;
    }
    in.seekg(0, std::ios::beg);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace

bool Board::ReadFrom(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < FileSizeWithoutCells) {
        return false;
    }
    const std::int32_t newWidth = ReadInt32(bytes, 0);
    const std::int32_t newHeight = ReadInt32(bytes, 4);
    if (newWidth <= 0 || newHeight <= 0 || newWidth > MaxSide || newHeight > MaxSide) {
        return false;
    }
    const std::size_t cellCount = static_cast<std::size_t>(newWidth) * static_cast<std::size_t>(newHeight);
    if (bytes.size() != FileSizeWithoutCells + CellSize * cellCount) {
        return false;
    }
    std::vector<Cell> newCells(cellCount);
    std::size_t at = 8;
    for (Cell& cell : newCells) {
        cell = Cell{bytes[at], bytes[at + 1], bytes[at + 2], bytes[at + 3], bytes[at + 4]};
        if (!UsableCell(cell)) {
            return false;
        }
        at += CellSize;
    }
    width = newWidth;
    height = newHeight;
    cells = std::move(newCells);
    StartX = ReadInt32(bytes, at);
    StartY = ReadInt32(bytes, at + 4);
    at += 8;
    for (StreetName& name : streetNames) {
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), StreetNameSize, name.begin());
        // A name without its terminating zero keeps its first 15 bytes, cut at a character
        // boundary.
        const auto length =
            static_cast<std::size_t>(std::find(name.begin(), name.end(), '\0') - name.begin());
        const std::size_t kept = Utf8Prefix(std::string_view(name.data(), length), StreetNameSize - 1).size();
        std::fill(name.begin() + static_cast<std::ptrdiff_t>(kept),
                  name.begin() + static_cast<std::ptrdiff_t>(length), '\0');
        name[StreetNameSize - 1] = '\0';
        at += StreetNameSize;
    }
    return true;
}

std::vector<std::uint8_t> Board::FileImage() const
{
    std::vector<std::uint8_t> out;
    out.reserve(FileSizeWithoutCells + CellSize * cells.size());
    WriteInt32(out, width);
    WriteInt32(out, height);
    for (const Cell& cell : cells) {
        out.insert(out.end(), {cell.Kind, cell.Owner, cell.Direction, cell.Street, cell.Pawns});
    }
    WriteInt32(out, StartX);
    WriteInt32(out, StartY);
    for (const StreetName& name : streetNames) {
        out.insert(out.end(), name.begin(), name.end());
    }
    return out;
}

BoardSource Board::LoadFile(const std::filesystem::path& path, const std::filesystem::path& archivePath)
{
    BoardSource source = BoardSource::None;
    if (auto bytes = ReadBoardFileBytes(ResolveFileName(path.string())); bytes && ReadFrom(*bytes)) {
        source = BoardSource::File;
    } else {
        MemoryStream stream;
        if (ResourceArchive::Read(stream, archivePath.string(), DefaultBoardItem) == 0 &&
            ReadFrom(stream.View())) {
            source = BoardSource::DefaultBoard;
        }
    }
    if (source != BoardSource::None) {
        SetDerivedFields();
    }
    return source;
}

bool Board::SaveFile(const std::filesystem::path& path) const
{
    // Saving "board1.brd" over an existing "Board1.brd" replaces it instead of adding a second
    // board that differs only in letter case.
    const std::filesystem::path target = ResolveFileName(path.string());
    std::filesystem::path temporary = target;
    temporary += ".tmp";
    const std::vector<std::uint8_t> image = FileImage();
    std::error_code error;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) {
            return false;
        }
        out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
        out.close();
        if (!out) {
            std::filesystem::remove(temporary, error);
            return false;
        }
    }
    std::filesystem::rename(temporary, target, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}
