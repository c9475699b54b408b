// RulesFixture: a small hand-made board around one road cell, players placed on it, and the
// engine with a scripted host.
#pragma once

#include "rules/Rules.h"
#include "rules/ScriptHost.h"

#include <gtest/gtest.h>

class RulesFixture : public ::testing::Test
{
protected:
    // The pawn's cell: a road walking right on street 1, so that each of its four neighbours has
    // the street sum 6: a lot costs 1200, a bare owned lot rents for 150 and is mortgaged for 450.
    static constexpr int PawnX = 4;
    static constexpr int PawnY = 2;
    static constexpr int UpX = 4, UpY = 1;
    static constexpr int RightX = 5, RightY = 2;
    static constexpr int DownX = 4, DownY = 3;
    static constexpr int LeftX = 3, LeftY = 2;

    RulesFixture() : host(state), rules(state, board, random, host)
    {
        board.New(9, 6);
        Road(PawnX, PawnY, 2, 1);
        state.Running = true;
        state.Current = 0;
    }

    void Road(int x, int y, int direction, int street)
    {
        Cell& cell = board.At(x, y);
        cell.Kind = 10;
        cell.Direction = static_cast<std::uint8_t>(direction);
        cell.Street = static_cast<std::uint8_t>(street);
    }
    void Set(int x, int y, int kind, int owner = 0, int street = 0)
    {
        Cell& cell = board.At(x, y);
        cell.Kind = static_cast<std::uint8_t>(kind);
        cell.Owner = static_cast<std::uint8_t>(owner);
        cell.Street = static_cast<std::uint8_t>(street);
    }
    // Puts slot into the game with cash, its pawn on (x, y).
    Player& Join(int slot, int cash, bool human = false, int x = PawnX, int y = PawnY)
    {
        Player& p = state.Players[static_cast<std::size_t>(slot)];
        p = Player{};
        p.SetName(RulesText::Concat("P", slot));
        p.State = 1;
        p.Human = human ? 1 : 0;
        p.Cash = cash;
        p.Salary = 500;
        p.X = x;
        p.Y = y;
        board.At(x, y).Pawns = static_cast<std::uint8_t>(board.At(x, y).Pawns | 1u << slot);
        state.TakingPart = static_cast<std::uint8_t>(state.TakingPart | 1u << slot);
        return p;
    }
    // Gives slot the lot at (x, y) with structure s, mortgaged for days (0: not mortgaged).
    void Own(int slot, int x, int y, int structure = 0, int days = 0)
    {
        Set(x, y, CellKind::OwnedLot + structure, slot + 1, days);
        Player& p = state.Players[static_cast<std::size_t>(slot)];
        p.Properties[static_cast<std::size_t>(p.PropertyCount++)] = PropertyEntry{x, y};
        p.MortgageCount += days != 0 ? 1 : 0;
    }
    void Settle(int slot)
    {
        state.Current = slot;
        rules.SettleEvents();
    }
    // The generator's next values, without using them up.
    std::int32_t PeekBelow(int n, int skip = 0) const
    {
        Random probe = random;
        for (int i = 0; i < skip; ++i) {
            probe.Next();
        }
        return probe.Below(n);
    }
    // Seeds the generator so that its next value modulo n is wanted.
    void SeedFor(int n, int wanted)
    {
        for (std::uint32_t seed = 1;; ++seed) {
            random.Seed(seed);
            if (PeekBelow(n) == wanted) {
                return;
            }
        }
    }
    const Cell& At(int x, int y) const { return board.At(x, y); }

    Board board;
    GameState state;
    Random random{1};
    ScriptHost host;
    Rules rules;
};
