// The five panels of a game well under way at two screen sizes: every panel filled, and no name,
// sum or sentence running out of the place it is written in.
#include "support/MidGamePanels.h"
#include "support/PanelScene.h"
#include "texts/Texts.h"

namespace {

class PanelScenesTest : public PanelScene, public ::testing::WithParamInterface<ScreenSizeRecord>
{
protected:
    void SetUp() override
    {
        StartPanels(GetParam().Width, GetParam().Height);
        SetUpMidGame(State, Map);
        for (const NewsLine& line : MidGameNews())
            News->Post(line);
    }

    std::string Name(const std::string& what)
    {
        return what + "-" + std::to_string(GetParam().Width) + "x" + std::to_string(GetParam().Height);
    }
};

TEST_P(PanelScenesTest, AGameUnderWayFillsEveryPanel)
{
    RefreshAll();
    Snapshot(Name("panels-midgame"));
    // Five cards for the five players left, the ruined one leaving no gap.
    for (std::int32_t slot = 0; slot < 5; ++slot)
        EXPECT_GT(PictureMatch(ScreenRect(ScoresPanel::CardSlot(slot)), *Images.PScores,
                               slot < 3 ? slot : slot + 1),
                  0.6)
            << slot;
    EXPECT_TRUE(Cards->PrevButton->Visible());
    EXPECT_TRUE(Cards->NextButton->Visible());
    EXPECT_TRUE(Cards->ViewButton->Visible());
    EXPECT_TRUE(Cards->PayButton->Visible());
    for (std::int32_t slot = 0; slot < 5; ++slot)
        EXPECT_FALSE(News->News[static_cast<std::size_t>(slot)].empty()) << slot;

    // On the Thursday the bottom-right box announces pay day.
    State.Day = PayDay;
    State.Current = 2;
    RefreshAll();
    Snapshot(Name("panels-thursday"));
}

TEST_P(PanelScenesTest, LongNamesAndLargeSumsStayInTheirPlaces)
{
    // The widest name a slot holds, and the largest sum.
    const std::string wide = "WWWWWWWWWWWWWWW";
    const auto screenX = [](float f) { return Round(f * ScreenSize.Width); };
    // Pixels that changed between before and after (captures of region) outside allowed.
    const auto spilled = [](const std::vector<Colour>& before, const std::vector<Colour>& after,
                            const Rect& region, const Rect& allowed) {
        int n = 0;
        for (std::int32_t y = region.Top; y < region.Bottom; ++y) {
            for (std::int32_t x = region.Left; x < region.Right; ++x) {
                const auto i =
                    static_cast<std::size_t>((y - region.Top) * region.Width() + (x - region.Left));
                const bool inside =
                    x >= allowed.Left && x < allowed.Right && y >= allowed.Top && y < allowed.Bottom;
                n += !inside && ChannelDistance(before[i], after[i]) > 24 ? 1 : 0;
            }
        }
        return n;
    };
    Player& p = State.Players[0];
    const auto paint = [&](const std::string& name, std::int32_t cash, std::int32_t job) {
        p.SetName(name);
        p.Cash = cash;
        p.Salary = cash;
        p.Job = static_cast<std::uint8_t>(job);
        Scores->Refresh();
        Info->Refresh();
        Pump();
    };

    // The score card: name and cash between the badge and the card's right edge.
    const Rect card = ScreenRect(ScoresPanel::CardSlot(0));
    const Rect label{card.Left + screenX(0.024f), card.Top, card.Right, card.Bottom};
    // The player information: the name and salary inside the frame, the occupation left of the
    // salary column.
    const Rect info = Info->PixelArea;
    const Rect rightColumn{info.Left + screenX(0.092f), info.Top, info.Right - screenX(0.004f), info.Bottom};
    const Rect occupation = ScreenRect(MakeRelRect(0.2f + 0.01f, 0.09f, 0.081f, 0.035f));
    paint("", 0, 0);
    const std::vector<Colour> cardBefore = Capture(card);
    const std::vector<Colour> nameBefore = Capture(info);
    paint(wide, INT32_MAX, 3);
    Snapshot(Name("panels-widest"));
    EXPECT_EQ(spilled(cardBefore, Capture(card), card, label), 0);
    const std::vector<Colour> nameAfter = Capture(info);
    EXPECT_EQ(spilled(nameBefore, nameAfter, info, Rect{info.Left, info.Top, rightColumn.Right, info.Bottom}),
              0);
    // What changed left of the right column is the occupation and its value only.
    int leftOfColumn = 0;
    for (std::int32_t y = info.Top; y < info.Bottom; ++y)
        for (std::int32_t x = occupation.Right; x < rightColumn.Left; ++x) {
            const auto i = static_cast<std::size_t>((y - info.Top) * info.Width() + (x - info.Left));
            leftOfColumn += ChannelDistance(nameBefore[i], nameAfter[i]) > 24 ? 1 : 0;
        }
    EXPECT_EQ(leftOfColumn, 0);

    // The title deed of a lot on the dearest streets with the widest street names: nothing runs
    // onto the frame right of the card.
    const PropertyEntry deed =
        State.Players[0].Properties[static_cast<std::size_t>(State.Players[0].CardIndex)];
    for (std::int32_t d = 1; d <= 4; ++d) {
        if (Cell* side = Map.Find(deed.X + DirectionDx(d), deed.Y + DirectionDy(d));
            side && CountsAsRoad(side->Kind))
            side->Street = Board::StreetCount - 1;
    }
    Map.SetStreetName(Board::StreetCount - 1, wide);
    // (Above the card's buttons, whose row reaches nearer the edge.)
    const Rect frame{Cards->PixelArea.Right - screenX(0.005f), Cards->PixelArea.Top, Cards->PixelArea.Right,
                     ScreenRect(MakeRelRect(0, 0, 0, 0.12f)).Bottom};
    Cards->Refresh();
    Pump();
    const std::vector<Colour> withCard = Capture(frame);
    Cards->Background = Images.BCardOpen.get();
    Cards->DrawBackground();
    Cards->Host->ShowRect(Cards->PixelArea);
    Pump();
    EXPECT_EQ(Differing(withCard, Capture(frame)), 0);

    // The headline of the widest name stays between the panel's rules.
    News->Post(NewsCode::Throw, 6, 0);
    Pump();
    const Rect headline = ScreenRect(MakeRelRect(0.72f, 0.043f, 0.2f, 0.017f));
    const Rect columns = ScreenRect(MakeRelRect(0.725f, 0.043f, 0.19f, 0.017f));
    News->News[0].clear();
    const std::vector<Colour> after = Capture(headline);
    News->Refresh();
    Pump();
    EXPECT_EQ(spilled(Capture(headline), after, headline, columns), 0);
}

INSTANTIATE_TEST_SUITE_P(ScreenSizes, PanelScenesTest,
                         ::testing::Values(ScreenSizeRecord{1024, 768}, ScreenSizeRecord{1920, 1080}),
                         [](const ::testing::TestParamInfo<ScreenSizeRecord>& info) {
                             return std::to_string(info.param.Width) + "x" +
                                    std::to_string(info.param.Height);
                         });

} // namespace
