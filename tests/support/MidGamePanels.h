// A game well under way for the panels: long names, the largest sums, a player with many
// properties of every structure (some mortgaged), a held player, a ruined one, and a full news
// column.
#pragma once

#include "board/Board.h"
#include "rules/GameState.h"
#include "rules/RulesHost.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

// Gives slot the lot at lot's cell with structure, mortgaged for days (0: not mortgaged).
inline void GiveLot(GameState& state, Board& board, std::int32_t slot, const PropertyEntry& lot,
                    std::int32_t structure, std::int32_t days)
{
    Cell& cell = board.At(lot.X, lot.Y);
    cell.Kind = static_cast<std::uint8_t>(CellKind::OwnedLot + structure);
    cell.Owner = static_cast<std::uint8_t>(slot + 1);
    cell.Street = static_cast<std::uint8_t>(days);
    Player& p = state.Players[static_cast<std::size_t>(slot)];
    p.Properties[static_cast<std::size_t>(p.PropertyCount++)] = lot;
    p.MortgageCount += days != 0 ? 1 : 0;
}

// The vacant lots of board, row by row.
inline std::vector<PropertyEntry> VacantLots(const Board& board)
{
    std::vector<PropertyEntry> lots;
    for (std::int32_t y = 0; y < board.Height(); ++y)
        for (std::int32_t x = 0; x < board.Width(); ++x)
            if (board.At(x, y).Kind == CellKind::LotForSale)
                lots.push_back(PropertyEntry{x, y});
    return lots;
}

// Fills state on board (the default board, its vacant lots still vacant).
inline void SetUpMidGame(GameState& state, Board& board)
{
    state = GameState{};
    state.Running = true;
    state.Week = 52;
    state.Day = 3;
    state.Current = 0;
    const struct
    {
        const char* Name;
        std::int32_t State;
        bool Human;
        std::int32_t Cash;
    } seats[] = {
        {"Maximilian Horn", PlayerState::InPlay, true, INT32_MAX},
        {"Zoë Ångström-Mü", PlayerState::HeldFor(5), false, 1048576},
        {"Bartholomew Ng", PlayerState::InPlay, true, 0},
        {"Ruined Rupert", PlayerState::Out, false, 0},
        {"Wilhelmina Wu", PlayerState::InPlay, false, 99999999},
        {"Penelope Quill", PlayerState::InPlay, true, 120500},
    };
    for (std::size_t i = 0; i < std::size(seats); ++i) {
        Player& p = state.Players[i];
        p.SetName(seats[i].Name);
        p.State = seats[i].State;
        p.Human = seats[i].Human ? 1 : 0;
        p.Cash = seats[i].Cash;
        p.Education = static_cast<std::uint8_t>(i % 4);
        p.Job = static_cast<std::uint8_t>((i * 3) % 8);
        p.Salary = Wages[p.Job];
        p.X = board.StartX;
        p.Y = board.StartY;
    }
    state.Players[0].Job = 3; // "Administrative", the longest job
    state.Players[0].Salary = INT32_MAX;
    state.Players[1].HeldDays = 3;

    // Player 0 owns the first 24 vacant lots with every structure in turn, every third one
    // mortgaged; the next twelve go to players 2, 4 and 5 in turn.
    const std::vector<PropertyEntry> lots = VacantLots(board);
    const std::int32_t others[] = {2, 4, 5};
    for (std::size_t i = 0; i < lots.size() && i < 36; ++i) {
        if (i < 24)
            GiveLot(state, board, 0, lots[i], static_cast<std::int32_t>(i % 7),
                    i % 3 == 1 ? static_cast<std::int32_t>(28 - i) : 0);
        else
            GiveLot(state, board, others[i % 3], lots[i], static_cast<std::int32_t>(i % 4), 0);
    }
    // The card shown: a mortgaged hotel, one the player can pay off.
    state.Players[0].CardIndex = 13;
    std::uint8_t pawns = 0;
    for (std::int32_t i = 0; i < PlayerSlots; ++i)
        if (state.Players[static_cast<std::size_t>(i)].State != PlayerState::Out)
            pawns = static_cast<std::uint8_t>(pawns | 1u << i);
    board.At(board.StartX, board.StartY).Pawns = pawns;
}

// The news of a busy turn: the throw, then four sentences that fill the boxes.
inline std::vector<NewsLine> MidGameNews()
{
    return {
        NewsLine{NewsCode::Throw, 6, 0},
        NewsLine{NewsCode::Rent, INT32_MAX, 1},
        NewsLine{NewsCode::Job, 3, 1},
        NewsLine{NewsCode::Mortgage, 2147483, 0},
        NewsLine{NewsCode::Treasury, 1000000, 1},
    };
}
