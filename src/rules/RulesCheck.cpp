// The invariants the rules keep between events.
#include "rules/RulesCheck.h"

#include "rules/RulesText.h"

#include <vector>

namespace {

} // namespace

std::string FindBrokenInvariant(const GameState& state, const Board& board)
{
    const std::int32_t width = board.Width();
    // How often each cell is listed as someone's property.
    std::vector<std::uint8_t> listed(
        static_cast<std::size_t>(width) * static_cast<std::size_t>(board.Height()), 0);
    for (std::int32_t i = 0; i < PlayerSlots; ++i) {
        const Player& player = state.Players[static_cast<std::size_t>(i)];
        const std::string who = RulesText::Concat("slot ", i);
        if (player.Cash < 0) {
            return RulesText::Concat(who, " has negative cash ", player.Cash);
        }
        if (player.PropertyCount < 0 || player.PropertyCount > MaxProperties) {
            return RulesText::Concat(who, " has ", player.PropertyCount, " properties");
        }
        std::int32_t mortgaged = 0;
        for (std::int32_t k = 0; k < player.PropertyCount; ++k) {
            const PropertyEntry& entry = player.Properties[static_cast<std::size_t>(k)];
            const Cell* cell = board.Find(entry.X, entry.Y);
            if (cell == nullptr || !IsOwnedLot(cell->Kind) || cell->Owner != i + 1) {
                return RulesText::Concat(who, " lists ", RulesText::Cell(entry.X, entry.Y),
                                         ", which is not an owned lot of his");
            }
            std::uint8_t& count = listed[static_cast<std::size_t>(entry.Y) * static_cast<std::size_t>(width) +
                                         static_cast<std::size_t>(entry.X)];
            if (++count > 1) {
                return RulesText::Concat(who, " lists ", RulesText::Cell(entry.X, entry.Y), " twice");
            }
            mortgaged += cell->Street != 0 ? 1 : 0;
        }
        if (mortgaged != player.MortgageCount) {
            return RulesText::Concat(who, " has MortgageCount ", player.MortgageCount, " but ", mortgaged,
                                     " mortgaged properties");
        }
        if (player.State != PlayerState::Out) {
            const Cell* cell = board.Find(player.X, player.Y);
            if (cell != nullptr && (cell->Pawns & (1u << i)) == 0) {
                return RulesText::Concat(who, "'s pawn bit is missing at ",
                                         RulesText::Cell(player.X, player.Y));
            }
        }
    }
    for (std::int32_t y = 0; y < board.Height(); ++y) {
        for (std::int32_t x = 0; x < width; ++x) {
            const Cell& cell = board.At(x, y);
            if (IsOwnedLot(cell.Kind) && cell.Owner >= 1 && cell.Owner <= PlayerSlots &&
                listed[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                       static_cast<std::size_t>(x)] == 0) {
                return RulesText::Concat("the lot at ", RulesText::Cell(x, y), " of slot ", cell.Owner - 1,
                                         " is not on his list");
            }
            for (std::int32_t i = 0; i < PlayerSlots && cell.Pawns != 0; ++i) {
                const Player& player = state.Players[static_cast<std::size_t>(i)];
                if ((cell.Pawns & (1u << i)) != 0 && (player.X != x || player.Y != y)) {
                    return RulesText::Concat("the pawn bit of slot ", i, " is set at ", RulesText::Cell(x, y),
                                             " but the pawn stands at ", RulesText::Cell(player.X, player.Y));
                }
            }
        }
    }
    return {};
}
