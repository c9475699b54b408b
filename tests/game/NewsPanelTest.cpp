// The calendar and news panel: the sentence of every news code, the slots sentences cycle
// through, the pay-day line, the Thursday notice, and boxes that grow with their text.
#include "rules/RulesHost.h"
#include "support/PanelScene.h"
#include "texts/Texts.h"

namespace {

constexpr Colour BoxGrey = 0xEAEAEA;

class NewsPanelTest : public PanelScene
{
protected:
    void SetUp() override
    {
        PanelScene::SetUp();
        Join(0, "Ann", 1000);
        Join(1, "Bob", 1000);
    }
    // The panel's rectangle on the screen and the board's row of pixels right below it.
    Rect BelowPanel() const
    {
        const Rect a = News->PixelArea;
        return Rect{a.Left, a.Bottom, a.Right, a.Bottom + 6};
    }
    // Light grey pixels in the column of x between y0 and y1.
    int GreyRun(std::int32_t x, std::int32_t y0, std::int32_t y1)
    {
        return PixelsNear(Rect{x, y0, x + 1, y1}, BoxGrey, 6);
    }
};

TEST_F(NewsPanelTest, EachCodeWritesItsSentenceForTheCurrentPlayer)
{
    const struct
    {
        std::int32_t Code, Value, Arg;
        const char* Sentence;
    } lines[] = {
        {NewsCode::Throw, 4, 0, "Ann THROWS 4!"},
        {NewsCode::BuyLot, 1200, 0, "Ann buy lot for $1200"},
        {NewsCode::Build, 600, 1, "Ann build houses for $600"},
        {NewsCode::Rent, 150, 1, "Ann pays $150 to Bob"},
        {NewsCode::Treasury, 300, 0, "Ann pays $300 to Treasury Dp."},
        {NewsCode::Treasury, 300, 1, "Ann receives $300 from Treasury Dp."},
        {NewsCode::Job, 2, 0, "Ann reject job as Merchant"},
        {NewsCode::Job, 7, 1, "Ann accept job as Richman"},
        {NewsCode::School, 500, 0, "Ann pays $500 for School tuition"},
        {NewsCode::Police, 250, 2, "Ann is arrested by the police!"},
        {NewsCode::Jail, 0, 0, "Ann goes and see family in jail"},
        {NewsCode::Hospital, 700, 3, "Ann goes to hospital"},
        {NewsCode::Courthouse, 0, 0, "Ann goes to jail!"},
        {NewsCode::Mortgage, 450, 0, "Ann mortgages terrain $450"},
        {NewsCode::Mortgage, 450, 1, "Ann pays off mortgage $450"},
        // Codes and arguments beyond the tables write what they can, never past them.
        {NewsCode::Rent, 150, 9, "Ann pays $150 to "},
        {99, 1, 1, ""},
    };
    for (const auto& line : lines) {
        News->Post(line.Code, line.Value, line.Arg);
        const std::int32_t slot = News->NextSlot - 1;
        EXPECT_EQ(News->News[static_cast<std::size_t>(slot)], line.Sentence) << line.Code;
    }
    State.Current = -1;
    EXPECT_EQ(News->Sentence(NewsCode::Jail, 0, 0), Text(TextGroup::NewsFragments, NewsText::SeeFamily));
}

TEST_F(NewsPanelTest, AfterTheThrowSentencesFillTheBoxesInTurn)
{
    News->Post(NewsCode::Ready, 0, 0);
    EXPECT_EQ(News->News[0], "ARE YOU READY TO GAMBLE?");
    News->Post(NewsCode::Throw, 3, 0);
    for (std::int32_t i = 1; i <= 5; ++i)
        News->Post(NewsCode::BuyLot, i, 0);
    EXPECT_EQ(News->News[0], "Ann THROWS 3!");
    EXPECT_EQ(News->News[1], "Ann buy lot for $5");
    EXPECT_EQ(News->News[2], "Ann buy lot for $2");
    EXPECT_EQ(News->News[3], "Ann buy lot for $3");
    EXPECT_EQ(News->News[4], "Ann buy lot for $4");

    // The next throw clears them all.
    News->Post(NewsCode::Throw, 6, 0);
    EXPECT_EQ(News->News[0], "Ann THROWS 6!");
    for (std::int32_t slot = 1; slot <= 4; ++slot)
        EXPECT_TRUE(News->News[static_cast<std::size_t>(slot)].empty()) << slot;
}

TEST_F(NewsPanelTest, PayDayAfterAThrowEmptiesTheLastBoxAndTheNextSentenceGoesFirst)
{
    News->Post(NewsCode::Throw, 3, 0);
    News->Post(NewsCode::BuyLot, 1, 0);
    News->Post(NewsCode::BuyLot, 2, 0);
    News->Post(NewsCode::BuyLot, 3, 0);
    News->Post(NewsCode::BuyLot, 4, 0);
    News->Post(NewsCode::PayDay, 0, 0);
    EXPECT_TRUE(News->News[4].empty());
    News->Post(NewsCode::Rent, 150, 1);
    EXPECT_EQ(News->News[1], "Ann pays $150 to Bob");
    EXPECT_EQ(News->News[2], "Ann buy lot for $2");

    News->Post(NewsCode::Throw, 5, 0);
    News->Post(NewsCode::PayDay, 0, 0);
    News->Post(NewsCode::BuyLot, 9, 0);
    EXPECT_EQ(News->News[1], "Ann buy lot for $9");
    EXPECT_TRUE(News->News[4].empty());
}

TEST_F(NewsPanelTest, TheOpeningLineWaitsForTheNextPaintAndOtherLinesShowAtOnce)
{
    News->Refresh();
    Pump();
    const Rect headline = ScreenRect(MakeRelRect(0.725f, 0.043f, 0.19f, 0.017f));
    const std::vector<Colour> blank = Capture(headline);
    News->Post(NewsCode::Ready, 0, 0);
    Pump();
    EXPECT_EQ(Differing(blank, Capture(headline)), 0);
    News->Post(NewsCode::Throw, 2, 0);
    Pump();
    EXPECT_GT(Differing(blank, Capture(headline)), 30);
}

TEST_F(NewsPanelTest, OnThursdayTheLastBoxAnnouncesPayDay)
{
    const RelRect box = MakeRelRect(0.72f + 0.101f, 0.13f, 0.096f, 0.02f);
    State.Day = 3;
    News->Post(NewsCode::Throw, 2, 0);
    Pump();
    EXPECT_EQ(PixelsNear(ScreenRect(box), BoxGrey, 6), 0);

    State.Day = PayDay;
    for (std::int32_t i = 1; i <= 4; ++i)
        News->Post(NewsCode::BuyLot, i, 0);
    Pump();
    EXPECT_EQ(News->News[4], "TOMORROW BE PAY DAY!");
    EXPECT_GT(PixelsNear(ScreenRect(box), BoxGrey, 6), 20);
    // The date line names the day and the week.
    EXPECT_GT(DrawnOver(*News, *Images.BNews, ScreenRect(MakeRelRect(0.73f, 0.026f, 0.1f, 0.015f))), 30);
}

TEST_F(NewsPanelTest, ALongSentenceGrowsItsBoxWhichNeverLeavesThePanel)
{
    News->Post(NewsCode::Throw, 2, 0);
    News->Post(NewsCode::Courthouse, 0, 0);
    Pump();
    const Rect shortBox = News->BoxRect(1, News->News[1]);
    const std::int32_t x = shortBox.Left + 1;
    EXPECT_EQ(shortBox.Height(), News->ItemFont->PixelHeight());
    EXPECT_GE(GreyRun(x, shortBox.Top, shortBox.Bottom), shortBox.Height() / 2);

    // The same box with a sentence three times as long: as wide, and grey further down.
    const std::vector<Colour> board = Capture(BelowPanel());
    State.Players[0].SetName("Maximilian Horn");
    State.Players[1].SetName("Bartholomew Ng");
    News->Post(NewsCode::Throw, 2, 0);
    News->Post(NewsCode::Rent, 2147483647, 1);
    Pump();
    const Rect longBox = News->BoxRect(1, News->News[1]);
    EXPECT_EQ(longBox.Left, shortBox.Left);
    EXPECT_EQ(longBox.Right, shortBox.Right);
    EXPECT_EQ(longBox.Top, shortBox.Top);
    EXPECT_GE(longBox.Height(), 2 * shortBox.Height());
    EXPECT_GE(GreyRun(x, longBox.Top, longBox.Bottom), longBox.Height() / 2);
    EXPECT_EQ(GreyRun(x, longBox.Bottom, longBox.Bottom + 3), 0);

    // A sentence that would take four lines is set narrower, so that it keeps clear of the box
    // below it.
    State.Players[0].SetName("Wilhelmina Moss");
    State.Players[1].SetName("Bartholomew Kid");
    News->Post(NewsCode::Throw, 2, 0);
    News->Post(NewsCode::Treasury, 2147483647, 1);
    News->Post(NewsCode::Rent, 2147483647, 1);
    News->Post(NewsCode::Rent, 2147483647, 1);
    Rect wide = ScreenRect(MakeRelRect(0, 0, 0.096f, 0));
    Main->BackBuffer->DrawTextInRect(wide, News->News[1],
                                     TextFormat::WordBreak | TextFormat::Center | TextFormat::CalcRect, 0,
                                     News->ItemFont.get());
    ASSERT_GT(wide.Height(), 3 * News->ItemFont->PixelHeight());
    const ::Font* font = nullptr;
    const Rect upper = News->BoxRect(1, News->News[1], &font);
    EXPECT_NE(font, News->ItemFont.get());
    EXPECT_LE(upper.Height(), 3 * News->ItemFont->PixelHeight());
    EXPECT_LE(upper.Bottom, News->BoxRect(3, News->News[3]).Top);

    // In the lower row a sentence too long for the room left grows upwards, not onto the board.
    News->Post(NewsCode::Treasury, 2147483647, 1);
    News->Post(NewsCode::Rent, 2147483647, 1);
    News->Post(NewsCode::Rent, 2147483647, 1);
    State.Players[0].SetName("Wilhelmina Wu W");
    News->News[3] += " and then some more words to wrap";
    News->Refresh();
    Pump();
    const Rect lower = News->BoxRect(3, News->News[3]);
    EXPECT_LE(lower.Bottom, News->PixelArea.Bottom);
    EXPECT_GT(lower.Height(), 3 * News->ItemFont->PixelHeight());
    EXPECT_GE(GreyRun(lower.Left + 1, lower.Top, lower.Bottom), lower.Height() / 2);
    EXPECT_EQ(Differing(board, Capture(BelowPanel())), 0);
}

} // namespace
