// The windowless control kinds in a small screen scene at two screen sizes: menu buttons over the
// menu background, tool buttons on a panel, a tool strip of speed buttons with a label and a picture.
#include "controls/Panel.h"
#include "controls/SImageList.h"
#include "controls/SLabel.h"
#include "controls/SMMButton.h"
#include "controls/SSpeedButton.h"
#include "controls/SToolButton.h"
#include "graphics/Font.h"
#include "shell/Commands.h"
#include "support/ShellScene.h"

namespace {

constexpr Colour Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b)
{
    return r | (g << 8) | (b << 16);
}

} // namespace

class ControlScenesTest : public ShellScene, public ::testing::WithParamInterface<ScreenSizeRecord>
{
protected:
    void SetUp() override { StartAt(GetParam().Width, GetParam().Height); }

    std::string Name(const std::string& what)
    {
        return what + "-" + std::to_string(GetParam().Width) + "x" + std::to_string(GetParam().Height);
    }
};

TEST_P(ControlScenesTest, MenuButtonsShowTheirPlateAndTheirCaptionInTheirStateColours)
{
    Screen->Background = GamePicture(Pictures::MMBack);
    SurfaceSlot strip = GamePicture(Pictures::MMBackButton);
    auto font = MakeFont("Impact", 700, 48, 14);
    Screen->SetFont(font.get());
    TSMMButton newGame(Screen.get());
    TSMMButton restore(Screen.get());
    newGame.Image = &strip;
    restore.Image = &strip;
    newGame.Setup(nullptr, MakeRelRect(0.2f, 0.24f, 0.26f, 0.13f), 0, CommandId::New, "New Game", nullptr);
    restore.Setup(nullptr, MakeRelRect(0.2f, 0.40f, 0.26f, 0.13f), 0, CommandId::Restore, "Restore", nullptr);
    restore.SetEnabled(false);
    Screen->Redraw();
    Pump();
    Snapshot(Name("menu"));
    for (const auto* button : {&newGame, &restore}) {
        const Rect r = button->PixelArea;
        const std::int32_t frame = button->Frame();
        // The plate, away from the caption.
        EXPECT_LE(SkinDistance(r, *strip, frame, 0.06, 0.5), 24) << button->Caption();
        EXPECT_LE(SkinDistance(r, *strip, frame, 0.5, 0.08), 24) << button->Caption();
        // The caption in the face colour of the state.
        const Rect text{r.Left + r.Width() / 4, r.Top + r.Height() / 4, r.Right - r.Width() / 4,
                        r.Bottom - r.Height() / 4};
        const Colour face = frame == 2 ? Rgb(155, 155, 145) : Rgb(215, 177, 91);
        EXPECT_GT(PixelsNear(text, face, 12), r.Height() / 2) << button->Caption();
    }
    Screen->SetFont(nullptr);
}

TEST_P(ControlScenesTest, ToolButtonsOnAPanelShowTheirFaceAndIcon)
{
    Panel panel;
    panel.Init(*Screen);
    panel.SetArea(MakeRelRect(0.92f, 0.0f, 0.08f, 0.16f));
    auto background = GamePicture(Pictures::BButtons);
    panel.Background = background.get();
    SurfaceSlot face0 = GamePicture(Pictures::BackButton0);
    SurfaceSlot face1 = GamePicture(Pictures::BackButton1);
    SurfaceSlot icons = GamePicture(Pictures::ButtonImages0);
    TSToolButton help(Screen.get());
    TSToolButton dice(Screen.get());
    help.Image = &face0;
    help.Column = 2;
    dice.Image = &face1;
    dice.Column = 4;
    help.Setup(&panel, MakeRelRect(0.001f, 0.051f, 0.038f, 0.048f), 0, CommandId::Help, "", &icons);
    dice.Setup(&panel, MakeRelRect(0.001f, 0.1f, 0.078f, 0.058f), 0, CommandId::ThrowDice, "", &icons);
    panel.Refresh();
    help.Paint();
    dice.Paint();
    Pump();
    Snapshot(Name("tools"));
    for (const auto* button : {&help, &dice}) {
        const Rect r = button->PixelArea;
        const Surface& face = *button->Image->get();
        // The face's edge, and over the face's middle an icon that differs from the face.
        EXPECT_LE(SkinDistance(r, face, 0, 0.04, 0.5), 24);
        int covered = 0;
        for (int i = 0; i < 10; ++i)
            for (int j = 0; j < 10; ++j)
                covered += SkinDistance(r, face, 0, 0.3 + 0.04 * i, 0.3 + 0.04 * j) > 60 ? 1 : 0;
        EXPECT_GT(covered, 15);
    }
    // The panel's background around the buttons.
    const Rect p = panel.PixelArea;
    EXPECT_LE(ChannelDistance(Pixel(p.Right - 2, p.Bottom - 2),
                              background->PixelAt(background->Width - 2, background->Height - 2)),
              30);
}

TEST_P(ControlScenesTest, AToolStripShowsSpeedButtonsALabelAndAPicture)
{
    Panel strip;
    strip.Init(*Screen);
    strip.SetArea(MakeRelRect(0, 0, 1, 0.05f));
    auto background = GamePicture(Pictures::PanelEditor);
    strip.Background = background.get();
    const char* captions[] = {"Select", "Start", "Board", "Street"};
    std::vector<std::unique_ptr<TSSpeedButton>> tools;
    for (int i = 0; i < 4; ++i) {
        auto b = std::make_unique<TSSpeedButton>(Screen.get());
        b->Setup(&strip, MakeRelRect(0.24f + 0.06f * static_cast<float>(i), 0.01f, 0.06f, 0.03f), 0,
                 CommandId::ChooseTool, captions[i], &DialogButtonSkin);
        b->Group = 1;
        tools.push_back(std::move(b));
    }
    tools[0]->Selected = 1;
    TSLabel size(Screen.get());
    size.Setup(&strip, MakeRelRect(0.5f, 0.01f, 0.1f, 0.03f), 0, 0, "16x12", nullptr);
    SurfaceSlot people = GamePicture(Pictures::PPlayerH);
    TSImageList picture(Screen.get());
    picture.Setup(nullptr, MakeRelRect(0.1f, 0.3f, 0.05f, 0.0667f), 0, 0, "", &people);
    picture.Frame = 2;
    strip.Refresh();
    for (auto& b : tools)
        b->Paint();
    size.Paint();
    picture.Paint();
    Pump();
    Snapshot(Name("strip"));
    for (const auto& b : tools) {
        const Rect r = b->PixelArea;
        EXPECT_LE(SkinDistance(r, *DialogButtonSkin, b->Frame(), 0.08, 0.5), 30) << b->Caption();
        EXPECT_GT(DarkPixels(Rect{r.Left + r.Width() / 5, r.Top + 2, r.Right - r.Width() / 5, r.Bottom - 2}),
                  5)
            << b->Caption();
    }
    // The selected tool is drawn pressed: another frame than its neighbour.
    EXPECT_GT(ChannelDistance(Pixel(tools[0]->PixelArea.Left + tools[0]->PixelArea.Width() / 12,
                                    (tools[0]->PixelArea.Top + tools[0]->PixelArea.Bottom) / 2),
                              Pixel(tools[1]->PixelArea.Left + tools[1]->PixelArea.Width() / 12,
                                    (tools[1]->PixelArea.Top + tools[1]->PixelArea.Bottom) / 2)),
              8);
    EXPECT_GT(DarkPixels(size.PixelArea), 5);
    EXPECT_LE(SkinDistance(picture.PixelArea, *people, 2, 0.5, 0.5), 30);
    EXPECT_LE(SkinDistance(picture.PixelArea, *people, 2, 0.2, 0.8), 30);
}

INSTANTIATE_TEST_SUITE_P(ScreenSizes, ControlScenesTest,
                         ::testing::Values(ScreenSizeRecord{1024, 768}, ScreenSizeRecord{1920, 1080}),
                         [](const ::testing::TestParamInfo<ScreenSizeRecord>& info) {
                             return std::to_string(info.param.Width) + "x" +
                                    std::to_string(info.param.Height);
                         });
