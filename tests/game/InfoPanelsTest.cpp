// The scores and player information panels: which card slot each player in the game takes, the
// held counter, and the current player's picture and texts.
#include "support/PanelScene.h"
#include "texts/Texts.h"

namespace {

class InfoPanelsTest : public PanelScene
{
protected:
    // Card slot i of the scores panel in screen pixels.
    Rect Slot(std::int32_t i) const { return ScreenRect(OffsetRelRect(ScoresPanel::CardSlot(i), 0, 0)); }
    // The held counter's place on card slot i: the round badge at its left.
    Rect Badge(std::int32_t i) const
    {
        const RelRect card = ScoresPanel::CardSlot(i);
        return Inner(MakeRelRect(card.Left + 0.004f, card.Top + 0.006f, 0.019f, 0.02f));
    }
};

TEST_F(InfoPanelsTest, PlayersZeroTwoAndFiveTakeTheFirstThreeCardSlotsWithTheirOwnCards)
{
    Join(0, "Ann", 1000);
    Join(2, "Bob", 2000, false);
    Join(5, "Cyd", 3000, false);
    Scores->Refresh();
    Pump();
    EXPECT_EQ(Slot(1), ScreenRect(MakeRelRect(0.1f, 0, 0.1f, 0.052f)));
    EXPECT_EQ(Slot(2), ScreenRect(MakeRelRect(0, 0.053f, 0.1f, 0.052f)));
    const std::int32_t players[] = {0, 2, 5};
    for (std::int32_t i = 0; i < 3; ++i) {
        const double own = PictureMatch(Slot(i), *Images.PScores, players[i]);
        EXPECT_GT(own, 0.75) << "slot " << i;
        // Another player's card would not match as well: the colours tell them apart.
        EXPECT_GT(own, PictureMatch(Slot(i), *Images.PScores, (players[i] + 1) % 6) + 0.1) << "slot " << i;
        // Name and cash written on the card.
        const Rect r = Slot(i);
        EXPECT_GT(DarkPixels(Rect{r.Left + r.Width() / 3, r.Top + 2, r.Right - 4, r.Bottom - 2}), 20);
    }
    // The fourth slot and the third row are the background only.
    EXPECT_EQ(DrawnOver(*Scores, *Images.BScores, Inner(ScoresPanel::CardSlot(3))), 0);
    EXPECT_EQ(DrawnOver(*Scores, *Images.BScores, Inner(ScoresPanel::CardSlot(4))), 0);
}

TEST_F(InfoPanelsTest, OnlyAHeldPlayerShowsTheHeldCounter)
{
    Join(0, "Ann", 1000);
    Join(1, "Bob", 1000);
    Scores->Refresh();
    Pump();
    const std::vector<Colour> free = Capture(Slot(1));
    const std::vector<Colour> badge = Capture(Badge(1));

    // Missing two turns, one day of them gone: "1/2" in the badge, nothing else changed.
    State.Players[1].State = PlayerState::HeldFor(2);
    State.Players[1].HeldDays = 1;
    Scores->Refresh();
    Pump();
    const std::vector<Colour> oneOfTwo = Capture(Badge(1));
    EXPECT_GT(Differing(badge, oneOfTwo), 15);
    EXPECT_EQ(Differing(free, Capture(Slot(1))), Differing(badge, oneOfTwo));

    // Another count writes other figures; back in play the badge is empty again.
    State.Players[1].State = PlayerState::HeldFor(4);
    State.Players[1].HeldDays = 3;
    Scores->Refresh();
    Pump();
    EXPECT_GT(Differing(oneOfTwo, Capture(Badge(1))), 5);
    State.Players[1].State = PlayerState::InPlay;
    Scores->Refresh();
    Pump();
    EXPECT_EQ(Differing(free, Capture(Slot(1))), 0);
}

TEST_F(InfoPanelsTest, TheCurrentPlayersPictureIsHisPortraitAsHumanOrComputer)
{
    Join(0, "Ann", 1000);
    Join(3, "Robo", 1000, false);
    State.Current = 3;
    Info->Refresh();
    Pump();
    const Rect picture = ScreenRect(OffsetRelRect(MakeRelRect(0.008f, 0.015f, 0.05f, 0.07f), 0.2f, 0));
    const double own = PictureMatch(picture, *Images.PPlayerC, 3);
    EXPECT_GT(own, 0.85);
    EXPECT_LT(PictureMatch(picture, *Images.PPlayerH, 3), own - 0.2);
    EXPECT_LT(PictureMatch(picture, *Images.PPlayerC, 2), own - 0.2);

    State.Current = 0;
    Info->Refresh();
    Pump();
    EXPECT_GT(PictureMatch(picture, *Images.PPlayerH, 0), 0.85);
}

TEST_F(InfoPanelsTest, PlayerInformationWritesEachValueBelowItsLabel)
{
    Player& p = Join(0, "Ann", 1000);
    p.Education = 2;
    p.Job = 3;
    p.Salary = 3300;
    Info->Refresh();
    Pump();
    const float line = static_cast<float>(Normal->PixelHeight()) / static_cast<float>(ScreenSize.Height);
    // Label lines and value lines at the places of the layout: name, education, occupation,
    // salary, and the counts beside their labels.
    const struct
    {
        float X, Y, W;
    } texts[] = {{0.292f, 0.015f, 0.06f}, {0.292f, 0.05f, 0.06f}, {0.21f, 0.09f, 0.07f},
                 {0.292f, 0.09f, 0.06f},  {0.21f, 0.125f, 0.07f}, {0.292f, 0.125f, 0.07f}};
    for (const auto& t : texts) {
        EXPECT_GT(DrawnOver(*Info, *Images.BPlayerInfo, ScreenRect(MakeRelRect(t.X, t.Y, t.W, line))), 10)
            << t.X << ", " << t.Y;
    }
    for (const auto& t : texts) {
        if (t.Y > 0.12f)
            continue;
        EXPECT_GT(DrawnOver(*Info, *Images.BPlayerInfo, ScreenRect(MakeRelRect(t.X, t.Y + line, t.W, line))),
                  10)
            << t.X << ", " << t.Y << " (value)";
    }

    // Before the first turn there is nobody to describe: the background alone.
    State.Current = -1;
    Info->Refresh();
    Pump();
    const std::vector<Colour> nobody = Capture(Info->PixelArea);
    Info->DrawBackground();
    Info->Host->ShowRect(Info->PixelArea);
    Pump();
    EXPECT_EQ(Differing(nobody, Capture(Info->PixelArea)), 0);
}

} // namespace
