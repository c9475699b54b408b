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

INSTANTIATE_TEST_SUITE_P(ScreenSizes, PanelScenesTest,
                         ::testing::Values(ScreenSizeRecord{1024, 768}, ScreenSizeRecord{1920, 1080}),
                         [](const ::testing::TestParamInfo<ScreenSizeRecord>& info) {
                             return std::to_string(info.param.Width) + "x" +
                                    std::to_string(info.param.Height);
                         });

} // namespace
