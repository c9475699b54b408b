// The property cards panel: which buttons each card shows, the red rows of the title deed, a card
// index left beyond the end, the closed folders, and the page turn between two cards.
#include "platform/Application.h"
#include "platform/TestHooks.h"
#include "shell/Commands.h"
#include "support/PanelScene.h"

namespace {

constexpr Colour RedInk = 0x0000FF;

class CardsPanelTest : public PanelScene
{
protected:
    Player& Human(std::int32_t cash = 100000) { return Join(0, "Ann", cash); }

    // Which of previous, next, go to and pay off are shown (and so clickable).
    std::string ButtonsShown() const
    {
        std::string shown;
        for (const TSSpeedButton* b : {Cards->PrevButton.get(), Cards->NextButton.get(),
                                       Cards->ViewButton.get(), Cards->PayButton.get()}) {
            EXPECT_EQ(b->Visible(), b->Enabled());
            shown += b->Visible() ? "1" : "0";
        }
        return shown;
    }
    // The rows of the structure table, in pixels of the screen: label to rent.
    Rect Row(std::int32_t j) const
    {
        return ScreenRect(MakeRelRect(0.38f + 0.18f, 0.01f + 0.016f * static_cast<float>(j), 0.15f, 0.014f));
    }
    // The mortgage lines at the card's foot.
    Rect MortgageLines() const { return ScreenRect(MakeRelRect(0.38f + 0.085f, 0.13f, 0.2f, 0.014f)); }
    Rect Half(bool right) const
    {
        const Rect a = Cards->PixelArea;
        const std::int32_t spine = a.Left + Round(ScreenSize.Width * 0.34 / 2);
        return right ? Rect{spine, a.Top, a.Right, a.Bottom} : Rect{a.Left, a.Top, spine, a.Bottom};
    }
};

TEST_F(CardsPanelTest, TheFirstLastAndOnlyCardShowOnlyTheButtonsThatLeadSomewhere)
{
    Human();
    Own(0);
    Own(0);
    Own(0);
    Cards->Refresh();
    Pump();
    EXPECT_EQ(ButtonsShown(), "0110");
    // The shown buttons carry their pictures; the hidden one leaves the card.
    EXPECT_GT(PictureMatch(Cards->NextButton->PixelArea, *Images.ButtonNext, 0), 0.7);
    EXPECT_LT(PictureMatch(Cards->PrevButton->PixelArea, *Images.ButtonLast, 0), 0.4);

    State.Players[0].CardIndex = 1;
    Cards->Refresh();
    EXPECT_EQ(ButtonsShown(), "1110");
    State.Players[0].CardIndex = 2;
    Cards->Refresh();
    Pump();
    EXPECT_EQ(ButtonsShown(), "1010");
    EXPECT_GT(PictureMatch(Cards->PrevButton->PixelArea, *Images.ButtonLast, 0), 0.7);

    State.Players[0].PropertyCount = 1;
    State.Players[0].CardIndex = 0;
    Cards->Refresh();
    EXPECT_EQ(ButtonsShown(), "0010");

    // A click on a shown button reaches the game screen with its command.
    Pump();
    const Rect view = Cards->ViewButton->PixelArea;
    TestHooks::Click(*App, (view.Left + view.Right) / 2, (view.Top + view.Bottom) / 2);
    Pump();
    ASSERT_FALSE(Screen->Commands.empty());
    EXPECT_EQ(Screen->Commands.back(), CommandId::GoToProperty);
    EXPECT_EQ(Cards->ViewButton->Cursor(), CursorId::Hand);
}

TEST_F(CardsPanelTest, AMortgageShowsInRedAndIsPaidOffOnlyWhenThePlayerCanAfford)
{
    const PropertyEntry lot = Own(0, 0, 10);
    const std::int32_t value = Map.MortgageValue(lot.X, lot.Y);
    Human(value - 1);
    State.Players[0].Properties[0] = lot;
    State.Players[0].PropertyCount = 1;
    Cards->Refresh();
    Pump();
    EXPECT_EQ(ButtonsShown(), "0010");
    EXPECT_GT(PixelsNear(MortgageLines(), RedInk, 90), 20);

    State.Players[0].Cash = value;
    Cards->Refresh();
    EXPECT_EQ(ButtonsShown(), "0011");

    // Paid off: no red lines and no button, whatever the cash.
    Map.At(lot.X, lot.Y).Street = 0;
    Cards->Refresh();
    Pump();
    EXPECT_EQ(ButtonsShown(), "0010");
    EXPECT_EQ(PixelsNear(MortgageLines(), RedInk, 90), 0);
}

TEST_F(CardsPanelTest, TheRowOfThePresentStructureIsRed)
{
    Human();
    const PropertyEntry lot = Own(0, 0);
    Cards->Refresh();
    Pump();
    EXPECT_GT(PixelsNear(Row(0), RedInk, 90), 20);
    for (std::int32_t j = 1; j < 7; ++j)
        EXPECT_EQ(PixelsNear(Row(j), RedInk, 90), 0) << j;

    Map.At(lot.X, lot.Y).Kind = CellKind::OwnedLot + 3;
    Cards->Refresh();
    Pump();
    for (std::int32_t j = 0; j < 7; ++j)
        EXPECT_EQ(PixelsNear(Row(j), RedInk, 90) > 20, j == 3) << j;
}

TEST_F(CardsPanelTest, ACardIndexBeyondTheEndShowsTheFirstCard)
{
    Human();
    Own(0, 1);
    Own(0, 2);
    Cards->Refresh();
    Pump();
    const std::vector<Colour> first = Capture(Cards->PixelArea);

    // A seizure took the cards from the one shown on.
    State.Players[0].CardIndex = 5;
    Cards->Refresh();
    Pump();
    EXPECT_EQ(State.Players[0].CardIndex, 0);
    EXPECT_EQ(ButtonsShown(), "0110");
    EXPECT_EQ(Differing(first, Capture(Cards->PixelArea)), 0);
}

TEST_F(CardsPanelTest, AComputerOrAPlayerWithoutPropertiesSeesAClosedFolder)
{
    Join(0, "Ann", 1000);
    Own(0);
    Cards->Refresh();
    ASSERT_EQ(ButtonsShown(), "0010");

    State.Players[0].Human = 0;
    Cards->Refresh();
    Pump();
    EXPECT_EQ(ButtonsShown(), "0000");
    EXPECT_GT(PictureMatch(Cards->PixelArea, *Images.BCardCloseC, 0), 0.9);

    State.Players[0].Human = 1;
    State.Players[0].PropertyCount = 0;
    Cards->Refresh();
    Pump();
    EXPECT_EQ(ButtonsShown(), "0000");
    EXPECT_GT(PictureMatch(Cards->PixelArea, *Images.BCardCloseH, 0), 0.85);
    // "No properties" written on it.
    EXPECT_GT(DrawnOver(*Cards, *Images.BCardCloseH, ScreenRect(MakeRelRect(0.51f, 0.03f, 0.08f, 0.016f))),
              20);
}

TEST_F(CardsPanelTest, APageTurnOpensTheNextCardFromTheSpineAndMakesItTheCurrentOne)
{
    Human();
    Own(0, 0);
    Own(0, 6, 12);
    Own(0, 3);
    State.Players[0].CardIndex = 1;
    Cards->Refresh();
    Pump();
    const std::vector<Colour> middleLeft = Capture(Half(false));
    const std::vector<Colour> middleRight = Capture(Half(true));
    State.Players[0].CardIndex = 2;
    Cards->Refresh();
    Pump();
    const std::vector<Colour> lastLeft = Capture(Half(false));
    const std::vector<Colour> lastRight = Capture(Half(true));
    State.Players[0].CardIndex = 1;
    Cards->Refresh();

    Cards->BeginSlide(+1);
    EXPECT_EQ(ButtonsShown(), "0000");
    std::vector<std::vector<Colour>> rightHalves;
    for (std::int32_t step = 1; step <= Cards->SlideLength; ++step) {
        Cards->SlideStep(step);
        Pump();
        // The current card's left half stays until the turning page covers it.
        if (step <= Cards->SlideLength / 2) {
            EXPECT_EQ(Differing(middleLeft, Capture(Half(false))), 0) << step;
        }
        rightHalves.push_back(Capture(Half(true)));
    }
    // Halfway the page stands on the spine: the next card's right half lies open.
    EXPECT_EQ(Differing(lastRight, rightHalves[3]), 0);
    // Before that the current card's right half folds over it, narrower each step.
    const int folded1 = Differing(lastRight, rightHalves[0]);
    const int folded3 = Differing(lastRight, rightHalves[2]);
    EXPECT_GT(folded1, folded3);
    EXPECT_GT(folded3, 0);

    Cards->EndSlide(+1);
    Pump();
    EXPECT_EQ(State.Players[0].CardIndex, 2);
    EXPECT_EQ(ButtonsShown(), "1010");
    EXPECT_EQ(Differing(lastLeft, Capture(Half(false))), 0);
    EXPECT_EQ(Differing(lastRight, Capture(Half(true))), 0);

    // Backwards, mirrored: halfway the previous card's left half lies open beside the current
    // card's right half.
    Cards->BeginSlide(-1);
    for (std::int32_t step = -1; step >= -Cards->SlideLength / 2; --step)
        Cards->SlideStep(step);
    Pump();
    EXPECT_EQ(Differing(middleLeft, Capture(Half(false))), 0);
    EXPECT_EQ(Differing(lastRight, Capture(Half(true))), 0);
    Cards->EndSlide(-1);
    EXPECT_EQ(State.Players[0].CardIndex, 1);
}

} // namespace
