// The game's dialogs shown headless and answered through the modal hook: the event dialog's kinds
// and placement, the decision dialog's questions, street list and answers, the mortgage dialog's
// list, picks and outputs, and the rules raising money through it.
#include "GameDialogScene.h"
#include "rules/Rules.h"
#include "texts/Texts.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// "$" and the number, as the dialogs write amounts.
std::string Money(std::int32_t amount)
{
    std::string text = "$";
    text.append(std::to_string(amount));
    return text;
}

std::vector<std::string> TextsOf(const std::vector<DrawnText>& drawn)
{
    std::vector<std::string> out;
    for (const DrawnText& d : drawn)
        out.push_back(d.Text);
    return out;
}

} // namespace

class GameDialogsTest : public GameDialogScene
{
protected:
    TDialogOk& Ok() { return Dialogs->DialogOk; }
    TDialogYesNo& YesNo() { return Dialogs->DialogYesNo; }
    TDialogMortgage& Mortgage() { return Dialogs->DialogMortgage; }
    void Event(std::int32_t kind, const std::function<void(Window&)>& look = nullptr)
    {
        WhileShown([&] { Ok().ShowEvent(kind); }, look);
    }
    // The pixel at which a fraction of the screen lands, as DrawTextAt places text.
    static std::int32_t X(float f) { return Round(static_cast<double>(f) * ScreenSize.Width); }
    static std::int32_t Y(float f) { return Round(static_cast<double>(f) * ScreenSize.Height); }
};

TEST_F(GameDialogsTest, StreetInformationNamesTheStreetAndItsValueLevel)
{
    Select(UpRoadX, UpRoadY);
    const std::pair<int, const char*> levels[] = {{0, "Lowest"},     {2, "Lowest"},   {3, "Very low"},
                                                  {26, "Very High"}, {27, "Highest"}, {31, "Highest"}};
    for (const auto& [street, level] : levels) {
        Select(UpRoadX, UpRoadY);
        TheBoard.At(UpRoadX, UpRoadY).Street = static_cast<std::uint8_t>(street);
        Event(EventCode::StreetInfo, [&](Window&) {
            EXPECT_EQ(Ok().Caption(), "Street information");
            EXPECT_EQ(Ok().Label1.Caption(), TheBoard.GetStreetName(street));
            EXPECT_EQ(Ok().Label2.Caption(), "Street Value: ");
            EXPECT_EQ(Ok().Label3.Caption(), level) << street;
            EXPECT_EQ(Ok().Picture.Frame, 18);
        });
    }
    // The dialog opened beside the selection and cleared it when closed; its sound played each time.
    EXPECT_EQ(TheBoard.CursorX, -1);
    EXPECT_THAT(Sounds, ::testing::Each(std::string("dinfo")));
    EXPECT_EQ(Sounds.size(), 6u);
    SoundEffects = 0;
    Select(UpRoadX, UpRoadY);
    Event(EventCode::StreetInfo);
    EXPECT_EQ(Sounds.size(), 6u);
}

TEST_F(GameDialogsTest, StructureInformationListsTheStreetsAndLeavesTheCurrentPayment)
{
    Own(3, CrossX, CrossY, 6);
    Select(CrossX, CrossY);
    const std::int32_t price = TheBoard.Price(0, CrossX, CrossY);
    const std::int32_t rent = TheBoard.Rent(0, CrossX, CrossY);
    Event(EventCode::StructureInfo, [&](Window&) {
        EXPECT_EQ(Ok().Picture.Frame, CellKind::Hotel - 58 + 8 * 4);
        EXPECT_EQ(Ok().Label1.Caption(), "HOTEL");
        EXPECT_EQ(Ok().Label2.Caption(), "Owner:");
        EXPECT_EQ(Ok().Label3.Caption(), "Wendy McMurdo");
    });
    // The streets in the order up, right, down, left, one line apart.
    const std::vector<DrawnText> written = Written();
    EXPECT_THAT(TextsOf(written),
                ElementsAre("Streets:", "Grand Boulevard", "Mount Wimbledon", "Maximilian Road",
                            "Wilhelmina Lane", "Land value:", Money(price), "Current payment:", Money(rent)));
    ASSERT_EQ(written.size(), 9u);
    for (int n = 0; n < 4; ++n) {
        EXPECT_EQ(written[static_cast<std::size_t>(1 + n)].Box.Top,
                  Y(0.034f + 0.018f * static_cast<float>(n)));
        EXPECT_EQ(written[static_cast<std::size_t>(1 + n)].Box.Left, X(0.11f));
    }
    EXPECT_EQ(written[6].Box.Left, X(0.12f));
    EXPECT_EQ(State.EventAmount, rent);
    EXPECT_GT(rent, 0);
}

TEST_F(GameDialogsTest, ABuildingWithoutRoadsShowsNoStreetsAndTheGovernorsZeros)
{
    Select(LoneX, LoneY);
    State.EventAmount = 1234;
    Event(EventCode::StructureInfo, [&](Window&) {
        EXPECT_EQ(Ok().Label1.Caption(), "COURTHOUSE");
        EXPECT_EQ(Ok().Label3.Caption(), "Governor");
        EXPECT_EQ(Ok().Picture.Frame, 16);
    });
    EXPECT_THAT(TextsOf(Written()), ElementsAre("Streets:", "Land value:", "$0", "Current payment:", "$0"));
    EXPECT_EQ(State.EventAmount, 0);
    // A lot of nobody's beside one road: its land value is computed, its payment is nothing.
    Select(OneRoadX, OneRoadY);
    Event(EventCode::StructureInfo, [&](Window&) { EXPECT_EQ(Ok().Label3.Caption(), "Governor"); });
    EXPECT_THAT(TextsOf(Written()), ElementsAre("Streets:", "Wellington Mews",
                                                "Land value:", Money(TheBoard.Price(0, OneRoadX, OneRoadY)),
                                                "Current payment:", "$0"));
    // The prison zone is shown as the prison.
    Select(ZoneX, ZoneY);
    Event(EventCode::StructureInfo, [&](Window&) {
        EXPECT_EQ(Ok().Label1.Caption(), "PRISION");
        EXPECT_EQ(Ok().Picture.Frame, CellKind::Prison - 55);
    });
}

TEST_F(GameDialogsTest, HeldTurnsShowOnlyWhenThereAreAnyAndThePrisonVisitAlwaysCostsOne)
{
    State.EventAmount = 400;
    State.EventArg = 0;
    Event(EventCode::Police, [&](Window&) {
        EXPECT_EQ(Ok().Label1.Caption(), "Fine: $400");
        EXPECT_EQ(Ok().Label2.Caption(), "Police Dp.");
        EXPECT_FALSE(Ok().Label3.Visible());
    });
    State.EventArg = 2;
    Event(EventCode::Police, [&](Window&) {
        EXPECT_TRUE(Ok().Label3.Visible());
        EXPECT_EQ(Ok().Label3.Caption(), "Drop out 2 turn(s)");
    });
    State.EventAmount = 300;
    State.EventArg = 0;
    Event(EventCode::Hospital, [&](Window&) {
        EXPECT_EQ(Ok().Label1.Caption(), "You go to Hospital. Bill: $300");
        EXPECT_FALSE(Ok().Label2.Visible());
        EXPECT_FALSE(Ok().Label3.Visible());
    });
    State.EventArg = 4;
    Event(EventCode::Jail, [&](Window&) {
        EXPECT_EQ(Ok().Caption(), "Prision");
        EXPECT_EQ(Ok().Label1.Caption(), "Go and see family in jail");
        EXPECT_EQ(Ok().Label2.Caption(), "Drop out 1 turn(s)");
        EXPECT_FALSE(Ok().Label3.Visible());
    });
    State.EventArg = 0;
    State.EventAmount = 2500;
    Event(EventCode::Treasury, [&](Window&) { EXPECT_EQ(Ok().Label1.Caption(), "Pay $2500"); });
    State.EventArg = 1;
    Event(EventCode::Treasury, [&](Window&) { EXPECT_EQ(Ok().Label1.Caption(), "Receive $2500"); });
    EXPECT_THAT(Sounds, ElementsAre("police", "police", "hospital", "prison", "money", "money"));
}

TEST_F(GameDialogsTest, TheWinnerIsTheLowestSlotLeftAndNobodyLeftIsNoWinner)
{
    for (Player& p : State.Players)
        p.State = PlayerState::Out;
    State.Players[3].State = PlayerState::InPlay;
    State.Current = 0;
    Event(EventCode::GameOver, [&](Window&) {
        EXPECT_EQ(Ok().Caption(), "Winner");
        EXPECT_EQ(Ok().Label1.Caption(), "Wendy McMurdo wins!");
        EXPECT_EQ(Ok().Picture.Frame, 3);
        EXPECT_TRUE(Ok().Picture.Visible());
    });
    // A held player still wins.
    State.Players[1].State = PlayerState::HeldFor(2);
    Event(EventCode::GameOver, [&](Window&) { EXPECT_EQ(Ok().Label1.Caption(), "Bartholomew Kid wins!"); });
    State.Players[1].State = PlayerState::Out;
    State.Players[3].State = PlayerState::Out;
    Event(EventCode::GameOver, [&](Window&) {
        EXPECT_EQ(Ok().Label1.Caption(), "Nobody wins!");
        EXPECT_FALSE(Ok().Picture.Visible());
    });
    // The next event shows its picture again.
    State.EventArg = 1;
    State.EventAmount = 2;
    Event(EventCode::Seizure, [&](Window&) {
        EXPECT_TRUE(Ok().Picture.Visible());
        EXPECT_EQ(Ok().Picture.Frame, 24 + 8 + 2);
        EXPECT_EQ(Ok().Label1.Caption(), "Bartholomew Kid lost mortgaged property");
    });
}

TEST_F(GameDialogsTest, EventDialogsOpenBesideTheSelectedCellInsideTheMiddleBand)
{
    // Near the right edge: to the cell's left, the OK button centred at the bottom.
    Select(CrossX, CrossY);
    CellPoint = {0.95f, 0.5f};
    Event(EventCode::Rent, [&](Window&) {
        EXPECT_NEAR(Ok().Placement.Left, 0.95f - 0.1f - 0.22f, 1e-5);
        EXPECT_NEAR(Ok().Placement.Top, 0.5f - 0.06f, 1e-5);
        const Rect button = Ok().OkButton.PixelArea;
        EXPECT_EQ(button.Left, (Ok().Width() - button.Width()) / 2);
        EXPECT_EQ(button.Bottom, Ok().Height() - 8);
        EXPECT_EQ(Ok().OkButton.Left(), button.Left);
        EXPECT_TRUE(Ok().OkButton.Focused());
    });
    // Near the top and the bottom: pulled inside 0.1 to 0.9.
    Select(CrossX, CrossY);
    CellPoint = {0.98f, 0.02f};
    Event(EventCode::Rent, [&](Window&) {
        EXPECT_NEAR(Ok().Placement.Left, 0.66f, 1e-5);
        EXPECT_NEAR(Ok().Placement.Top, 0.1f, 1e-5);
    });
    Select(CrossX, CrossY);
    CellPoint = {0.3f, 0.97f};
    Event(EventCode::Police, [&](Window&) {
        EXPECT_NEAR(Ok().Placement.Left, 0.4f, 1e-5);
        EXPECT_NEAR(Ok().Placement.Bottom, 0.9f, 1e-5);
    });
    // Without a selection: centred, whatever the cell point says.
    Event(EventCode::Treasury, [&](Window&) {
        EXPECT_NEAR(Ok().Placement.Left, 0.39f, 1e-5);
        EXPECT_NEAR(Ok().Placement.Top, 0.43f, 1e-5);
    });
    // The board was redrawn before each show (with its cursor) and after it.
    EXPECT_EQ(Redraws, 8);
}

TEST_F(GameDialogsTest, KindsThatAreNeverShownShowNothingAndOkClosesByKeys)
{
    for (const std::int32_t kind : {0, 3, 13, -1})
        EXPECT_EQ(WhileShown([&] { Ok().ShowEvent(kind); }), 0) << kind;
    EXPECT_THAT(Sounds, IsEmpty());
    // Enter on the focused button, and O from anywhere.
    int result = 0;
    WhileShown([&] { Ok().ShowEvent(EventCode::Courthouse); },
               [&](Window&) { TestHooks::Key(*App, Key::Return); }, 99);
    result = Ok().ModalResult;
    EXPECT_EQ(result, ModalResult::Ok);
    WhileShown([&] { Ok().ShowEvent(EventCode::Courthouse); },
               [&](Window&) {
                   Ok().SetFocus();
                   TestHooks::Key(*App, Key::A + ('O' - 'A'));
               },
               99);
    EXPECT_EQ(Ok().ModalResult, ModalResult::Ok);
}

TEST_F(GameDialogsTest, TheBuildQuestionNamesTheNextStructureAndShowsItInThePlayersColours)
{
    State.Current = 1;
    Own(1, CrossX, CrossY, 0);
    Select(CrossX, CrossY);
    State.EventAmount = 7680;
    bool answer = true;
    WhileShown([&] { answer = YesNo().AskDecision(DecisionCode::Build); },
               [&](Window&) {
                   EXPECT_EQ(YesNo().Caption(), "To build or not to build?");
                   EXPECT_EQ(YesNo().Label1.Caption(), "Do you build houses for $7680?");
                   EXPECT_EQ(YesNo().Picture.Frame, 24 + 8 * 1 + 1);
               },
               ModalResult::No);
    EXPECT_FALSE(answer);
    EXPECT_EQ(TheBoard.CursorX, -1);
    EXPECT_THAT(Sounds, ElementsAre("dask"));
    // The lot itself when buying.
    Select(OneRoadX, OneRoadY);
    WhileShown([&] { YesNo().AskDecision(DecisionCode::Buy); },
               [&](Window&) {
                   EXPECT_EQ(YesNo().Label1.Caption(), "Do you buy lot for $7680?");
                   EXPECT_EQ(YesNo().Picture.Frame, 24 + 8 * 1);
               });
}

TEST_F(GameDialogsTest, TheStreetListIsCentredInTheRoomOfFourLines)
{
    Own(0, CrossX, CrossY, 2);
    Select(CrossX, CrossY);
    WhileShown([&] { YesNo().AskDecision(DecisionCode::Build); });
    std::vector<DrawnText> written = Written();
    ASSERT_EQ(written.size(), 9u);
    EXPECT_EQ(written[0].Text, "Streets:");
    EXPECT_EQ(written[0].Box.Top, Y(0.09f));
    EXPECT_EQ(written[0].Box.Left, X(0.01f));
    EXPECT_THAT(TextsOf(written),
                ElementsAre("Streets:", "Grand Boulevard", "Highest", "Mount Wimbledon", "Highest",
                            "Maximilian Road", "Highest", "Wilhelmina Lane", "Lowest"));
    EXPECT_EQ(written[7].Box.Top, Y(0.09f + 4 * 0.018f));
    EXPECT_EQ(written[7].Box.Left, X(0.02f));
    EXPECT_EQ(written[8].Box.Left, X(0.13f));
    // One road: the list moves down by three missing half lines.
    Select(OneRoadX, OneRoadY);
    WhileShown([&] { YesNo().AskDecision(DecisionCode::Buy); });
    written = Written();
    EXPECT_THAT(TextsOf(written), ElementsAre("Streets:", "Wellington Mews", "Low-Medium"));
    ASSERT_EQ(written.size(), 3u);
    EXPECT_EQ(written[0].Box.Top, Y(0.09f + 0.027f));
    EXPECT_EQ(written[1].Box.Top, Y(0.09f + 0.027f + 0.018f));
}

TEST_F(GameDialogsTest, YesNeedsTheYesButtonAndEverythingElseIsNo)
{
    Select(OneRoadX, OneRoadY);
    const auto ask = [&](const std::function<void(Window&)>& look) {
        bool answer = false;
        WhileShown([&] { answer = YesNo().AskDecision(DecisionCode::Buy); }, look, 99);
        Select(OneRoadX, OneRoadY);
        return answer;
    };
    EXPECT_TRUE(ask([&](Window&) { TestHooks::Key(*App, Key::Return); }));
    EXPECT_TRUE(ask([&](Window&) { TestHooks::Key(*App, Key::Space); }));
    EXPECT_TRUE(ask([&](Window&) { TestHooks::Key(*App, Key::A + ('Y' - 'A')); }));
    EXPECT_FALSE(ask([&](Window&) { TestHooks::Key(*App, Key::A + ('N' - 'A')); }));
    // Enter on the No button once it has the focus.
    EXPECT_FALSE(ask([&](Window&) {
        YesNo().NoButton.SetFocus();
        TestHooks::Key(*App, Key::Return);
    }));
    // The close box of the caption bar.
    EXPECT_FALSE(ask([&](Window& w) {
        const Rect outer = w.OuterRect();
        const std::int32_t half = w.CaptionHeight() / 2;
        TestHooks::Click(*App, outer.Right - w.FrameWidth() - half, outer.Top + w.FrameWidth() + half);
    }));
    EXPECT_EQ(YesNo().ModalResult, ModalResult::Cancel);
    // The buttons sit either side of the middle, 8 pixels from it and from the bottom.
    WhileShown([&] { YesNo().AskDecision(DecisionCode::Job); },
               [&](Window&) {
                   const std::int32_t half = YesNo().Width() / 2;
                   EXPECT_EQ(YesNo().YesButton.PixelArea.Right, half - 8);
                   EXPECT_EQ(YesNo().NoButton.PixelArea.Left, half + 8);
                   EXPECT_EQ(YesNo().NoButton.PixelArea.Bottom, YesNo().Height() - 8);
                   EXPECT_EQ(YesNo().NoButton.Top(), YesNo().NoButton.PixelArea.Top);
               });
}

TEST_F(GameDialogsTest, JobAndSchoolQuestionsReadTheOfferAndThePlayer)
{
    State.EventAmount = 6000;
    State.EventArg = 6;
    const std::array<Player, PlayerSlots> before = State.Players;
    WhileShown([&] { YesNo().AskDecision(DecisionCode::Job); },
               [&](Window&) {
                   EXPECT_EQ(YesNo().Caption(), "Employment Office");
                   EXPECT_EQ(YesNo().Label1.Caption(), "Job Openings:");
                   EXPECT_EQ(YesNo().Label2.Caption(), "Stockbroker, Wages: $6000");
                   EXPECT_EQ(YesNo().Label3.Caption(), "Current Job: Unemployed, Wages: $500");
               });
    State.EventAmount = 2000;
    State.EventArg = 2;
    WhileShown([&] { YesNo().AskDecision(DecisionCode::School); },
               [&](Window&) {
                   EXPECT_EQ(YesNo().Label1.Caption(), "$2000 for School tuition");
                   EXPECT_EQ(YesNo().Label2.Caption(), "Drop out 2 turn(s)");
                   EXPECT_FALSE(YesNo().Label3.Visible());
                   EXPECT_EQ(YesNo().Picture.Frame, 12);
               });
    EXPECT_TRUE(State.Players == before);
    EXPECT_EQ(State.EventAmount, 2000);
    // An unknown question asks nothing.
    EXPECT_EQ(WhileShown([&] { EXPECT_FALSE(YesNo().AskDecision(4)); }), 0);
}

TEST_F(GameDialogsTest, TheMortgageListSkipsMortgagedPropertiesAndAPickScrollsTheBoard)
{
    Own(0, CrossX, CrossY, 1);
    Own(0, OneRoadX, OneRoadY, 0, 12);
    Own(0, LoneX, LoneY, 6);
    const std::int32_t firstValue = TheBoard.MortgageValue(CrossX, CrossY);
    std::int32_t x = -1;
    std::int32_t y = -1;
    WhileShown(
        [&] { Mortgage().ChooseMortgage(325, x, y); },
        [&](Window&) {
            EXPECT_EQ(Mortgage().Caption(), "You must mortgage a property");
            ASSERT_EQ(Mortgage().List.Count(), 2);
            EXPECT_EQ(Mortgage().List.ItemText(0), "HOUSES - Mortgage value: " + Money(firstValue));
            EXPECT_EQ(Mortgage().List.ItemText(1),
                      "HOTEL - Mortgage value: " + Money(TheBoard.MortgageValue(LoneX, LoneY)));
            EXPECT_EQ(Mortgage().Label1.Caption(), "HOUSES");
            // Picking the second line by a click selects the third property.
            const Rect row = Mortgage().List.ItemRect(1);
            const Point p = Mortgage().List.ClientToScreen(Point{row.Left + 5, row.Top + row.Height() / 2});
            TestHooks::Click(*App, p.X, p.Y);
        });
    EXPECT_EQ(x, LoneX);
    EXPECT_EQ(y, LoneY);
    EXPECT_EQ(Mortgage().SelectedIndex, 2);
    EXPECT_EQ(Mortgage().MortgageValue, TheBoard.MortgageValue(LoneX, LoneY));
    EXPECT_EQ(Mortgage().Picture.Frame, CellKind::Hotel + 0 - 50);
    EXPECT_EQ(Mortgage().Label2.Caption(), Money(TheBoard.Price(0, LoneX, LoneY)));
    EXPECT_EQ(Mortgage().Label3.Caption(), Money(TheBoard.Rent(0, LoneX, LoneY)));
    // The board behind scrolled to it and marks it.
    EXPECT_EQ(TheBoard.CursorX, LoneX);
    EXPECT_EQ(TheBoard.CenterX, LoneX);
    EXPECT_EQ(TheBoard.CenterY, LoneY);
    EXPECT_EQ(Redraws, 2);
    EXPECT_THAT(TextsOf(Find("Debt: $325. Choose a property to mortgage")), ElementsAre(::testing::_));
    // Nothing picked, closed by the box: the first listed property; the arrow keys pick as clicks do.
    WhileShown([&] { Mortgage().ChooseMortgage(10, x, y); }, nullptr, ModalResult::Cancel);
    EXPECT_EQ(x, CrossX);
    EXPECT_EQ(Mortgage().SelectedIndex, 0);
    EXPECT_EQ(Mortgage().MortgageValue, firstValue);
    WhileShown([&] { Mortgage().ChooseMortgage(10, x, y); },
               [&](Window&) {
                   Mortgage().List.SetFocus();
                   TestHooks::Key(*App, Key::Down);
               });
    EXPECT_EQ(x, LoneX);
    EXPECT_THAT(Sounds, IsEmpty());
}

namespace {

// The game screen's side of the rules as far as the dialogs go.
class DialogRulesHost : public QuietRulesHost
{
public:
    explicit DialogRulesHost(GameDialogsHost& dialogs) : Dialogs(dialogs) {}
    void ShowEvent(std::int32_t code) override { Dialogs.ShowEvent(code); }
    bool AskDecision(std::int32_t code) override { return Dialogs.AskDecision(code); }
    void ChooseMortgage(std::int32_t debt, std::int32_t& x, std::int32_t& y) override
    {
        Debts.push_back(debt);
        Dialogs.ChooseMortgage(debt, x, y);
    }
    GameDialogsHost& Dialogs;
    std::vector<std::int32_t> Debts;
};

} // namespace

TEST_F(GameDialogsTest, RaisingMoneyShowsTheAmountStillMissingAndMortgagesWhatThePlayerPicks)
{
    Own(0, CrossX, CrossY, 0);
    Own(0, OneRoadX, OneRoadY, 1);
    Own(0, LoneX, LoneY, 2);
    const std::int32_t first = TheBoard.MortgageValue(OneRoadX, OneRoadY);
    DialogRulesHost host(*Dialogs);
    Random random(1);
    Rules rules(State, TheBoard, random, host);
    State.Players[0].Cash = 0;
    std::vector<std::string> debtLines;
    bool raised = false;
    WhileShown([&] { raised = !rules.RaiseMoney(first + 100); },
               [&](Window&) {
                   std::string debt;
                   for (const DrawnText& d : Written())
                       if (d.Text.rfind("Debt: $", 0) == 0)
                           debt = d.Text;
                   debtLines.push_back(debt);
                   // The first time the player picks the second line (the houses beside one road).
                   if (host.Debts.size() == 1) {
                       const Rect row = Mortgage().List.ItemRect(1);
                       const Point p =
                           Mortgage().List.ClientToScreen(Point{row.Left + 5, row.Top + row.Height() / 2});
                       TestHooks::Click(*App, p.X, p.Y);
                   }
               });
    EXPECT_TRUE(raised);
    EXPECT_THAT(host.Debts, ElementsAre(first + 100, 100));
    EXPECT_THAT(debtLines, ElementsAre("Debt: " + Money(first + 100) + ". Choose a property to mortgage",
                                       "Debt: $100. Choose a property to mortgage"));
    // The houses first, then the first line of what was left: the lot between the roads.
    EXPECT_EQ(TheBoard.At(OneRoadX, OneRoadY).Street, MortgageTerm);
    EXPECT_EQ(TheBoard.At(CrossX, CrossY).Street, MortgageTerm);
    EXPECT_EQ(TheBoard.At(LoneX, LoneY).Street, 0);
    EXPECT_EQ(State.Players[0].MortgageCount, 2);
}

TEST_F(GameDialogsTest, AfterTheScreenChangesSizeTheDialogsFollowIt)
{
    Own(0, CrossX, CrossY, 1);
    std::int32_t x = 0;
    std::int32_t y = 0;
    WhileShown([&] { Mortgage().ChooseMortgage(10, x, y); });
    ASSERT_EQ(Mortgage().List.Width(), ScreenRect(MakeRelRect(0.15f, 0.06f, 0.23f, 0.155f)).Width());
    TestHooks::ForceScreenSize(*App, 1920, 1080);
    Pump();
    ASSERT_EQ(ScreenSize.Width, 1920);
    const auto expectWide = [&](TModalDialog& dialog, const TSButton& button) {
        EXPECT_EQ(dialog.GetFont()->PixelHeight(), 18);
        EXPECT_EQ(button.PixelArea.Width(), Round(0.078 * 1920));
        EXPECT_EQ(button.PixelArea.Height(), Round(0.03 * 1080));
        EXPECT_EQ(button.Width(), button.PixelArea.Width());
    };
    Event(EventCode::Courthouse, [&](Window&) {
        expectWide(Ok(), Ok().OkButton);
        EXPECT_EQ(Ok().Width(), ScreenRect(Ok().Placement).Width());
        EXPECT_NEAR(Ok().Placement.Right - Ok().Placement.Left, 0.22f, 1e-5);
        EXPECT_EQ(Ok().Picture.PixelArea, ScreenRect(FitAspect(MakeRelRect(0.01f, 0.01f, 0.075f, 0.08f))));
    });
    WhileShown([&] { YesNo().AskDecision(DecisionCode::School); },
               [&](Window&) { expectWide(YesNo(), YesNo().NoButton); });
    WhileShown([&] { Mortgage().ChooseMortgage(10, x, y); },
               [&](Window&) {
                   expectWide(Mortgage(), Mortgage().OkButton);
                   EXPECT_EQ(Mortgage().List.Width(),
                             ScreenRect(MakeRelRect(0.15f, 0.06f, 0.23f, 0.155f)).Width());
                   EXPECT_EQ(Mortgage().Width(), ScreenRect(MakeRelRect(0.3f, 0.14f, 0.4f, 0.32f)).Width());
                   EXPECT_EQ(Mortgage().OkButton.PixelArea.Left, Round(0.161 * 1920));
               });
}
