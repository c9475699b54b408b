// Tests of settling the cells beside the pawn: rents, offers, public buildings, debts and ruin.
#include "rules/RulesFixture.h"

#include <gtest/gtest.h>

namespace {

using SettleTest = RulesFixture;

TEST_F(SettleTest, RentsArePaidInNeighbourOrder)
{
    Join(0, 10000);
    Join(1, 0, false, 0, 0);
    Join(2, 0, false, 0, 0);
    Join(3, 0, false, 0, 0);
    Own(3, LeftX, LeftY);
    Own(1, UpX, UpY, 1); // houses: level 2
    Own(2, DownX, DownY);
    Settle(0);
    ASSERT_EQ(host.News.size(), 3u);
    EXPECT_EQ(host.News[0].Arg, 1);
    EXPECT_EQ(host.News[0].Value, 300);
    EXPECT_EQ(host.News[0].X, UpX);
    EXPECT_EQ(host.News[1].Arg, 2);
    EXPECT_EQ(host.News[1].Value, 150);
    EXPECT_EQ(host.News[2].Arg, 3);
    EXPECT_EQ(host.News[2].Y, LeftY);
    EXPECT_EQ(state.Players[0].Cash, 10000 - 600);
    EXPECT_EQ(state.Players[1].Cash, 300);
    EXPECT_EQ(state.Players[2].Cash, 150);
    EXPECT_EQ(state.Players[3].Cash, 150);
    EXPECT_EQ(host.CallsStarting("sound money wait").size(), 3u);
    EXPECT_TRUE(host.CallsStarting("event").empty());
}

TEST_F(SettleTest, HumanSeesTheRentDialogBesideTheLot)
{
    Join(0, 1000, true);
    Join(1, 0, false, 0, 0);
    Own(1, RightX, RightY);
    Settle(0);
    EXPECT_EQ(host.Calls.front(), "event 4 amount 150 arg 1 at 5 2");
    EXPECT_TRUE(host.CallsStarting("sound").empty());
}

TEST_F(SettleTest, ComputerMortgagesInListOrderToPayRent)
{
    Join(0, 700);
    Join(1, 0, false, 0, 0);
    Own(0, RightX, RightY);
    Own(0, DownX, DownY);
    Own(1, UpX, UpY, 6); // hotel: rent 7 x 150 = 1050
    Settle(0);
    // 350 short: the first property (450) covers it, the second stays free.
    EXPECT_EQ(At(RightX, RightY).Street, MortgageTerm);
    EXPECT_EQ(At(DownX, DownY).Street, 0);
    EXPECT_EQ(state.Players[0].MortgageCount, 1);
    EXPECT_EQ(state.Players[0].Cash, 700 + 450 - 1050);
    EXPECT_EQ(state.Players[1].Cash, 1050);
    ASSERT_GE(host.News.size(), 2u);
    EXPECT_EQ(host.News[0].Code, NewsCode::Mortgage);
    EXPECT_EQ(host.News[0].Value, 450);
    EXPECT_EQ(host.News[1].Code, NewsCode::Rent);
    // 100 dollars left: neither building on its own lots (600) nor paying off (450) is possible.
    EXPECT_EQ(host.News.size(), 2u);
}

TEST_F(SettleTest, RuinReleasesPropertiesAndStopsSettling)
{
    Join(0, 100);
    Join(1, 0, false, 0, 0);
    Join(2, 0, false, 0, 0);
    Own(0, RightX, RightY);
    Own(0, DownX, DownY);
    Own(1, UpX, UpY, 6); // rent 1050
    Own(2, LeftX, LeftY);
    Settle(0);
    // Both mortgages bring 900: 1000 dollars is what player 0 could raise, and the owner gets that.
    EXPECT_EQ(host.CallsStarting("event").front(), "event 11 amount 1000 arg 1 at -1 -1");
    EXPECT_EQ(state.Players[1].Cash, 1000);
    EXPECT_EQ(state.Players[0].Cash, 0);
    EXPECT_EQ(state.Players[0].State, 0);
    EXPECT_EQ(state.Players[0].PropertyCount, 0);
    EXPECT_EQ(state.Players[0].MortgageCount, 0);
    for (auto [x, y] : {std::pair{RightX, RightY}, std::pair{DownX, DownY}}) {
        EXPECT_EQ(At(x, y).Kind, CellKind::LotForSale);
        EXPECT_EQ(At(x, y).Owner, 0);
        EXPECT_EQ(At(x, y).Street, 0);
    }
    EXPECT_EQ(At(PawnX, PawnY).Pawns & 1, 0);
    // The left rent is never asked for.
    EXPECT_EQ(state.Players[2].Cash, 0);
    EXPECT_TRUE(state.Running);
}

TEST_F(SettleTest, LastButOneRuinEndsTheGameAndKeepsProperties)
{
    Join(0, 0);
    Join(1, 0, false, 0, 0);
    Own(0, RightX, RightY);
    Own(1, UpX, UpY, 6);
    Set(DownX, DownY, CellKind::LotForSale);
    Settle(0);
    EXPECT_FALSE(state.Running);
    EXPECT_EQ(host.CallsStarting("event").front(), "event 12 amount 450 arg 1 at -1 -1");
    EXPECT_TRUE(host.CallsStarting("event 11").empty());
    EXPECT_EQ(At(RightX, RightY).Kind, CellKind::OwnedLot);
    EXPECT_EQ(At(RightX, RightY).Owner, 1);
    EXPECT_EQ(state.Players[0].PropertyCount, 1);
    EXPECT_EQ(state.Players[1].Cash, 450);
    EXPECT_EQ(state.Players[0].Cash, 0);
    rules.EndTurn();
    EXPECT_EQ(state.Current, 1);
    EXPECT_EQ(rules.Throw(), 0); // nothing more can be played
}

TEST_F(SettleTest, RuinOfTheOnlyPlayerLeavesNoWinner)
{
    Join(0, 0);
    Set(UpX, UpY, CellKind::Police);
    Settle(0);
    EXPECT_FALSE(state.Running);
    EXPECT_EQ(host.CallsStarting("event 12").size(), 1u);
    EXPECT_EQ(state.Winner(), -1);
    rules.EndTurn();
    EXPECT_EQ(state.Current, 0);
}

TEST_F(SettleTest, HumanWhoCannotCoverTheDebtIsRuinedWithoutBeingAsked)
{
    Join(0, 100, true);
    Join(1, 0, false, 0, 0);
    Join(2, 0, false, 0, 0);
    Own(0, RightX, RightY);
    Own(1, UpX, UpY, 6);
    Settle(0);
    EXPECT_TRUE(host.CallsStarting("choose").empty());
    EXPECT_EQ(state.Players[0].State, 0);
    // What the lot would have brought counts as raised: the owner gets 550 and the ruined player
    // is left with nothing rather than a debt.
    EXPECT_EQ(state.Players[1].Cash, 550);
    EXPECT_EQ(state.Players[0].Cash, 0);
}

TEST_F(SettleTest, HumanChoosesWhatToMortgage)
{
    Join(0, 100, true);
    Join(1, 0, false, 0, 0);
    Own(0, RightX, RightY);
    Own(0, DownX, DownY);
    Own(0, LeftX, LeftY);
    Own(1, UpX, UpY, 6);
    // Left, then left again (already mortgaged: the first free one is taken), then down.
    host.MortgageChoices = {{LeftX, LeftY}, {LeftX, LeftY}, {DownX, DownY}};
    Settle(0);
    EXPECT_EQ(host.MortgageDebts, (std::vector<int>{950, 500, 50}));
    EXPECT_EQ(At(LeftX, LeftY).Street, MortgageTerm);
    EXPECT_EQ(At(RightX, RightY).Street, MortgageTerm);
    EXPECT_EQ(At(DownX, DownY).Street, MortgageTerm);
    EXPECT_EQ(state.Players[0].MortgageCount, 3);
    EXPECT_EQ(state.Players[0].Cash, 100 + 1350 - 1050);
    EXPECT_EQ(host.SelectedX, -1); // the selection is cleared afterwards
}

TEST_F(SettleTest, PriceMustBeBelowCashButTuitionOnlyCovered)
{
    Player& p = Join(0, 1200, true);
    Set(UpX, UpY, CellKind::LotForSale);
    Settle(0);
    EXPECT_TRUE(host.CallsStarting("ask").empty());

    p.Cash = 1201;
    host.Answers = {true};
    Settle(0);
    EXPECT_EQ(host.CallsStarting("ask"), (std::vector<std::string>{"ask 0 amount 1200 arg 0"}));
    EXPECT_EQ(At(UpX, UpY).Kind, CellKind::OwnedLot);
    EXPECT_EQ(At(UpX, UpY).Owner, 1);
    EXPECT_EQ(p.PropertyCount, 1);
    EXPECT_EQ(p.Properties[0], (PropertyEntry{UpX, UpY}));
    EXPECT_EQ(p.Cash, 1);
    EXPECT_EQ(host.News.back().Code, NewsCode::BuyLot);

    host.Calls.clear();
    Set(UpX, UpY, CellKind::University);
    p.Cash = 1000;
    host.Answers = {true};
    Settle(0);
    EXPECT_EQ(host.CallsStarting("ask"), (std::vector<std::string>{"ask 3 amount 1000 arg 1"}));
    EXPECT_EQ(p.Education, 1);
    EXPECT_EQ(p.State, 2); // misses one turn
    EXPECT_EQ(p.Cash, 0);

    host.Calls.clear();
    p.State = 1;
    p.Cash = 1999; // the next grade costs 2000
    Settle(0);
    EXPECT_TRUE(host.CallsStarting("ask").empty());
    p.Education = 3;
    p.Cash = 100000;
    Settle(0);
    EXPECT_TRUE(host.CallsStarting("ask").empty());
}

TEST_F(SettleTest, HumanSaysNo)
{
    Player& p = Join(0, 5000, true);
    Set(UpX, UpY, CellKind::LotForSale);
    Set(DownX, DownY, CellKind::Employment);
    p.Job = 3;
    p.Salary = 3100;
    host.Answers = {false, false};
    Settle(0);
    EXPECT_EQ(At(UpX, UpY).Kind, CellKind::LotForSale);
    EXPECT_EQ(p.Cash, 5000);
    EXPECT_EQ(p.Job, 3);
    EXPECT_EQ(p.Salary, 3100);
    ASSERT_EQ(host.News.size(), 1u);
    EXPECT_EQ(host.News[0].Code, NewsCode::Job);
    EXPECT_EQ(host.News[0].Arg, 0);
}

TEST_F(SettleTest, ComputerReserveBelongsToTheSlot)
{
    Set(UpX, UpY, CellKind::LotForSale); // 1200
    Join(4, 16200);
    Settle(4);
    EXPECT_EQ(At(UpX, UpY).Kind, CellKind::LotForSale); // 15000 + 1200 is not below 16200
    Join(0, 16200);
    Settle(0);
    EXPECT_EQ(At(UpX, UpY).Kind, CellKind::OwnedLot);
    EXPECT_EQ(At(UpX, UpY).Owner, 1);
    EXPECT_EQ(host.CallsStarting("sound dask wait").size(), 1u);
}

TEST_F(SettleTest, BuildingGoesUpOneStructureAndStopsAtTheHotel)
{
    Player& p = Join(0, 50000);
    Own(0, UpX, UpY);        // bare lot: houses cost 600
    Own(0, DownX, DownY, 6); // hotel
    Settle(0);
    EXPECT_EQ(At(UpX, UpY).Kind, CellKind::OwnedLot + 1);
    EXPECT_EQ(At(DownX, DownY).Kind, CellKind::Hotel);
    EXPECT_EQ(p.Cash, 50000 - 600);
    EXPECT_EQ(p.PropertyCount, 2); // building adds no entry
    ASSERT_EQ(host.News.size(), 1u);
    EXPECT_EQ(host.News[0].Code, NewsCode::Build);
    EXPECT_EQ(host.News[0].Arg, 1);
    EXPECT_EQ(host.News[0].Value, 600);
}

TEST_F(SettleTest, FullListOfPropertiesIsNeverOverfilled)
{
    Player& p = Join(0, 100000);
    p.PropertyCount = MaxProperties - 1;
    Set(UpX, UpY, CellKind::LotForSale);
    Set(DownX, DownY, CellKind::LotForSale);
    Settle(0);
    // The second lot, classified before the first was bought, is not sold into a full list.
    EXPECT_EQ(At(UpX, UpY).Kind, CellKind::OwnedLot);
    EXPECT_EQ(At(DownX, DownY).Kind, CellKind::LotForSale);
    EXPECT_EQ(p.PropertyCount, MaxProperties);
    EXPECT_EQ(p.Cash, 100000 - 1200);
}

TEST_F(SettleTest, TreasuryPaysBelow25000AndChargesFromIt)
{
    Set(UpX, UpY, CellKind::Governor);
    Player& p = Join(0, 24999);
    const int amount = (PeekBelow(50) + 1) * 100;
    Settle(0);
    EXPECT_EQ(p.Cash, 24999 + amount);
    EXPECT_EQ(host.News.back().Arg, 1);
    EXPECT_EQ(host.CallsStarting("sound money wait").size(), 1u);

    p.Cash = 25000;
    const int charge = (PeekBelow(50) + 1) * 100;
    Settle(0);
    EXPECT_EQ(p.Cash, 25000 - charge);
    EXPECT_EQ(host.News.back().Arg, 0);
    EXPECT_EQ(host.News.back().Value, charge);
    EXPECT_GE(charge, 100);
    EXPECT_LE(charge, 5000);
}

TEST_F(SettleTest, PoliceAndHospitalHoldForHalfTheDraw)
{
    Set(UpX, UpY, CellKind::Police);
    Player& p = Join(0, 10000, true);
    SeedFor(6, 0);
    Settle(0);
    EXPECT_EQ(p.State, 1); // fined without being held
    EXPECT_EQ(p.Cash, 10000 - 200);
    EXPECT_EQ(host.Calls.front(), "event 6 amount 200 arg 0 at -1 -1");

    p.Cash = 10000;
    SeedFor(6, 5);
    Settle(0);
    EXPECT_EQ(p.State, 4);
    EXPECT_EQ(p.Cash, 10000 - 1200);
    EXPECT_EQ(host.News.back().Code, NewsCode::Police);
    EXPECT_EQ(host.News.back().Arg, 3);

    Set(UpX, UpY, CellKind::Hospital);
    p.State = 1;
    p.Cash = 10000;
    SeedFor(6, 1);
    Settle(0);
    EXPECT_EQ(p.State, 2);
    EXPECT_EQ(p.Cash, 10000 - 200);
    EXPECT_EQ(host.News.back().Code, NewsCode::Hospital);
}

TEST_F(SettleTest, JailVisitHoldsOneTurnAndComputersHearIt)
{
    Set(RightX, RightY, CellKind::Prison);
    Player& p = Join(0, 10000);
    Settle(0);
    EXPECT_EQ(p.State, 2);
    EXPECT_EQ(host.Calls.front(), "sound prison wait");
    EXPECT_EQ(host.News.back().Code, NewsCode::Jail);

    rules.SetOptions(RulesOptions{.SoundEffects = false});
    host.Calls.clear();
    p.State = 1;
    Settle(0);
    EXPECT_TRUE(host.CallsStarting("sound").empty());
}

TEST_F(SettleTest, CourthouseSendsToTheZoneAndEndsTheTurn)
{
    Set(7, 4, CellKind::PrisonZone);
    Road(8, 5, 4, 0);
    board.SetDerivedFields();
    ASSERT_EQ(board.JailX, 7);
    ASSERT_EQ(board.ExitX, 8);
    Set(UpX, UpY, CellKind::Courthouse);
    Set(DownX, DownY, CellKind::LotForSale);
    Player& p = Join(0, 100000);
    Settle(0);
    EXPECT_EQ(p.State, 6);
    EXPECT_EQ(p.X, 7);
    EXPECT_EQ(p.Y, 4);
    EXPECT_EQ(At(7, 4).Pawns, 1);
    EXPECT_EQ(At(PawnX, PawnY).Pawns, 0);
    EXPECT_EQ(At(DownX, DownY).Kind, CellKind::LotForSale); // nothing else this turn
    EXPECT_EQ(state.SideEvent, (std::array<std::uint8_t, 4>{}));
    EXPECT_EQ(host.Calls.front(), "sound justice wait");
    // The next walk leaves the zone for the exit, whatever the die.
    p.State = 1;
    state.Dice = 1;
    EXPECT_FALSE(rules.Step());
    EXPECT_EQ(p.X, 8);
    EXPECT_EQ(p.Y, 5);
}

TEST_F(SettleTest, EmploymentOfficeOffersJobsByEducation)
{
    Set(UpX, UpY, CellKind::Employment);
    Player& p = Join(0, 10000);
    for (int education = 0; education < 4; ++education) {
        std::array<bool, 8> seen{};
        for (int i = 0; i < 300; ++i) {
            p.Education = static_cast<std::uint8_t>(education);
            p.Job = 7;
            p.Salary = 8399;
            rules.PublicBuilding(1);
            // A computer takes any job, even a poorer one.
            ASSERT_GE(p.Job, 1);
            ASSERT_LE(p.Job, JobsByEducation[static_cast<std::size_t>(education)]);
            ASSERT_GE(p.Salary, Wages[p.Job] - 400);
            ASSERT_LT(p.Salary, Wages[p.Job] + 400);
            seen[p.Job] = true;
        }
        for (int job = 1; job <= JobsByEducation[static_cast<std::size_t>(education)]; ++job) {
            EXPECT_TRUE(seen[static_cast<std::size_t>(job)]) << "education " << education << " job " << job;
        }
    }
}

TEST_F(SettleTest, ComputerPaysOffOnlyWhatItCanAfford)
{
    Player& p = Join(0, 450);     // exactly the second mortgage
    Own(0, DownX, DownY, 6, 20);  // hotel: costs (1200 + 1050) / 3 = 750
    Own(0, RightX, RightY, 0, 5); // bare lot: 450
    Settle(0);
    EXPECT_EQ(At(DownX, DownY).Street, 20);
    EXPECT_EQ(At(RightX, RightY).Street, 0);
    EXPECT_EQ(p.MortgageCount, 1);
    EXPECT_EQ(p.Cash, 0);
    ASSERT_EQ(host.News.size(), 1u);
    EXPECT_EQ(host.News[0].Code, NewsCode::Mortgage);
    EXPECT_EQ(host.News[0].Arg, 1);
    EXPECT_EQ(host.News[0].Value, 450);
    EXPECT_EQ(host.News[0].X, RightX);
}

TEST_F(SettleTest, PayOffShownNeedsCashAndAMortgage)
{
    Player& p = Join(0, 449, true);
    Own(0, UpX, UpY);
    Own(0, DownX, DownY, 0, 10);
    p.CardIndex = 1;
    rules.PayOffShown();
    EXPECT_EQ(At(DownX, DownY).Street, 10);
    EXPECT_EQ(p.Cash, 449);
    EXPECT_EQ(host.Calls.front(), "sound money nowait");

    p.Cash = 450;
    rules.PayOffShown();
    EXPECT_EQ(At(DownX, DownY).Street, 0);
    EXPECT_EQ(p.MortgageCount, 0);
    EXPECT_EQ(p.Cash, 0);
    EXPECT_TRUE(host.News.empty());

    // A property that is not mortgaged, or a card past the end, costs nothing.
    p.Cash = 5000;
    rules.PayOffShown();
    p.CardIndex = 0;
    rules.PayOffShown();
    p.CardIndex = 7;
    rules.PayOffShown();
    EXPECT_EQ(p.Cash, 5000);
    EXPECT_EQ(p.MortgageCount, 0);
}

} // namespace
