// The game in progress that uishot's shots start from.
#include "MidGame.h"

#include "graphics/PictureCatalog.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

namespace {

struct CellPos
{
    std::int32_t X = 0;
    std::int32_t Y = 0;
};

// Cells of a kind test, nearest to the board's centre first.
template <class Test> std::vector<CellPos> CellsByDistance(const Board& board, Test test)
{
    std::vector<CellPos> cells;
    for (std::int32_t y = 0; y < board.Height(); ++y)
        for (std::int32_t x = 0; x < board.Width(); ++x)
            if (test(board.At(x, y)))
                cells.push_back({x, y});
    const auto distance = [&board](const CellPos& c) {
        return std::abs(c.X - board.CenterX) + std::abs(c.Y - board.CenterY);
    };
    std::stable_sort(cells.begin(), cells.end(),
                     [&](const CellPos& a, const CellPos& b) { return distance(a) < distance(b); });
    return cells;
}

void Own(GameState& state, Board& board, std::int32_t slot, const CellPos& lot, std::int32_t structure,
         bool mortgaged)
{
    Player& player = state.Players[static_cast<std::size_t>(slot)];
    if (player.PropertyCount >= MaxProperties)
        return;
    Cell& cell = board.At(lot.X, lot.Y);
    cell.Kind = static_cast<std::uint8_t>(CellKind::OwnedLot + structure);
    cell.Owner = static_cast<std::uint8_t>(slot + 1);
    cell.Street = mortgaged ? 17 : 0;
    player.Properties[static_cast<std::size_t>(player.PropertyCount++)] = PropertyEntry{lot.X, lot.Y};
    player.MortgageCount += mortgaged ? 1 : 0;
}

} // namespace

bool MidGame::FindProperty(std::int32_t slot, std::int32_t structure, std::int32_t& x, std::int32_t& y) const
{
    const Player& player = State.Players[static_cast<std::size_t>(slot)];
    for (std::int32_t i = 0; i < player.PropertyCount; ++i) {
        const PropertyEntry& entry = player.Properties[static_cast<std::size_t>(i)];
        if (Board.At(entry.X, entry.Y).Kind == CellKind::OwnedLot + structure) {
            x = entry.X;
            y = entry.Y;
            return true;
        }
    }
    return false;
}

bool MidGame::FindKind(std::uint8_t kind, std::int32_t& x, std::int32_t& y) const
{
    const std::vector<CellPos> cells =
        CellsByDistance(Board, [kind](const Cell& c) { return c.Kind == kind; });
    if (cells.empty())
        return false;
    x = cells.front().X;
    y = cells.front().Y;
    return true;
}

bool MidGame::FindLongestStreet(std::int32_t& x, std::int32_t& y) const
{
    const std::vector<CellPos> roads =
        CellsByDistance(Board, [](const Cell& c) { return IsRoadPiece(c.Kind); });
    std::size_t longest = 0;
    bool found = false;
    for (const CellPos& road : roads) {
        const std::size_t length = Board.GetStreetName(Board.At(road.X, road.Y).Street).size();
        if (!found || length > longest) {
            longest = length;
            x = road.X;
            y = road.Y;
            found = true;
        }
    }
    return found;
}

bool MakeMidGame(const std::filesystem::path& gameDir, MidGame& game, std::string& error)
{
    Board& board = game.Board;
    if (board.LoadFile(gameDir / "Board1.brd", gameDir / Pictures::Archive) == BoardSource::None) {
        error = "neither " + (gameDir / "Board1.brd").string() + " nor the default board of " +
                (gameDir / Pictures::Archive).string() + " can be read";
        return false;
    }
    GameState& state = game.State;
    state = GameState{};
    state.Running = true;
    state.Week = 12;
    state.Day = 4;
    state.Throws = 187;

    // Long names (some with letters of two bytes), large sums, every job and education among them.
    static constexpr std::array<const char*, PlayerSlots> Names{"Wilhelmina Moss", "Bartholomew Kid",
                                                                "Zoë Ångström",    "Maximilian Wolf",
                                                                "HAL 9000 Deluxe", "Player 6"};
    static constexpr std::array<std::int32_t, PlayerSlots> Cash{2147483647, 98765432, 15, 1234567, 456789, 0};
    static constexpr std::array<std::uint8_t, PlayerSlots> Jobs{7, 5, 0, 3, 6, 0};
    static constexpr std::array<std::uint8_t, PlayerSlots> Education{3, 2, 0, 1, 3, 0};
    const std::vector<CellPos> roads =
        CellsByDistance(board, [](const Cell& c) { return IsRoadPiece(c.Kind); });
    for (std::int32_t slot = 0; slot < PlayerSlots; ++slot) {
        Player& player = state.Players[static_cast<std::size_t>(slot)];
        const auto i = static_cast<std::size_t>(slot);
        player.SetName(Names[i]);
        player.State = slot == 5 ? PlayerState::Out : PlayerState::InPlay;
        player.Human = slot == 0 || slot == 1 || slot == 3 ? 1 : 0;
        player.Cash = Cash[i];
        player.Job = Jobs[i];
        player.Salary = Wages[Jobs[i]];
        player.Education = Education[i];
        if (player.State != PlayerState::Out) {
            state.TakingPart = static_cast<std::uint8_t>(state.TakingPart | (1u << slot));
            // Three pawns share the nearest road, the others stand apart.
            const CellPos at = roads.empty()
                                   ? CellPos{board.StartX, board.StartY}
                                   : roads[std::min<std::size_t>(slot < 3 ? 0 : 2 * i, roads.size() - 1)];
            player.X = at.X;
            player.Y = at.Y;
            board.At(at.X, at.Y).Pawns = static_cast<std::uint8_t>(board.At(at.X, at.Y).Pawns | (1u << slot));
        }
    }
    // Slot 3 is in hospital for three turns, one day of it gone.
    state.Players[3].State = PlayerState::HeldFor(3);
    state.Players[3].HeldDays = 1;

    // Player 0 owns one lot of each structure nearest the centre, the third of them mortgaged; the
    // other players own every other lot beyond, in turn, every fourth mortgaged.
    const std::vector<CellPos> lots =
        CellsByDistance(board, [](const Cell& c) { return c.Kind == CellKind::LotForSale; });
    std::size_t next = 0;
    for (std::int32_t structure = 0; structure <= 6 && next < lots.size(); ++structure, ++next)
        Own(state, board, 0, lots[next], structure, structure == 2);
    for (std::int32_t n = 0; next < lots.size(); ++n, next += 2) {
        const std::int32_t slot = 1 + n % 4;
        Own(state, board, slot, lots[next], (n / 4 + slot) % 7, n % 4 == 3);
    }
    state.Current = 0;
    game.FindProperty(0, 1, game.SelectedX, game.SelectedY);
    board.CursorX = game.SelectedX;
    board.CursorY = game.SelectedY;
    std::uint32_t seed = 12345;
    board.ChooseJunctionExits([&seed] { return seed = seed * 1103515245u + 12345u, seed >> 16; });
    return true;
}
