
// The control kinds: frames by state, keys, captions and colours, icon placement, labels,
// pictures, the combo box face over its list, and the panel base.
#include "controls/Panel.h"
#include "controls/SButton.h"
#include "controls/SCheckBox.h"
#include "controls/SComboBox.h"
#include "controls/SImageList.h"
#include "controls/SLabel.h"
#include "controls/SMMButton.h"
#include "controls/SSpeedButton.h"
#include "controls/SToolButton.h"
#include "graphics/Font.h"
#include "platform/DropDownList.h"
#include "shell/Commands.h"
#include "support/ShellScene.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;

namespace {

constexpr Colour Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b)
{
    return r | (g << 8) | (b << 16);
}

} // namespace

class ControlKindsTest : public ShellScene
{
protected:
    void MoveTo(std::int32_t x, std::int32_t y)
    {
        TestHooks::MouseMove(*App, x, y);
        Pump();
    }
    void Press(KeyCode key)
    {
        TestHooks::Key(*App, key);
        Pump();
    }
    Point Centre(const Rect& r) { return Point{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }
};

TEST_F(ControlKindsTest, ACheckBoxCyclesItsFramesAndDrawsThem)
{
    TSCheckBox box(Screen.get());
    box.Setup(nullptr, MakeRelRect(0.4f, 0.4f, 0.05f, 0.066f), 0, 0, "", CheckBoxSkin.get());
    Pump();
    const Point c = Centre(box.PixelArea);
    std::vector<int> frames{box.Frame()};
    const Colour clear = Pixel(c);
    MoveTo(c.X, c.Y);
    frames.push_back(box.Frame());
    TestHooks::Click(*App, c.X, c.Y);
    Pump();
    frames.push_back(box.Frame());
    const Colour checked = Pixel(c);
    MoveTo(10, 10);
    frames.push_back(box.Frame());
    EXPECT_THAT(frames, ElementsAre(0, 1, 3, 2));
    EXPECT_EQ(box.Checked, 1);
    // The tick shows in the middle of the checked frames only.
    EXPECT_GT(ChannelDistance(clear, checked), 60);
    EXPECT_LT(ChannelDistance(Pixel(c), checked), 30);
    // The check box reports nothing.
    EXPECT_TRUE(Screen->Commands.empty());
}

TEST_F(ControlKindsTest, SpaceTogglesAFocusedCheckBoxAndEnterDoesNot)
{
    // On a panel, whose background is drawn behind the box every time.
    Panel panel;
    panel.Init(*Screen);
    panel.SetArea(MakeRelRect(0.3f, 0.3f, 0.3f, 0.3f));
    SurfaceSlot plain = Surface::CreateCanvas(nullptr, 16, 16);
    plain->Clear(0x00808080);
    panel.Background = plain.get();
    TSCheckBox box(Screen.get());
    box.Setup(&panel, MakeRelRect(0.1f, 0.1f, 0.02f, 0.03f), 0, 0, "", CheckBoxSkin.get());
    ASSERT_TRUE(box.SetFocus());
    Press(Key::Space);
    EXPECT_EQ(box.Checked, 1);
    Press(Key::Return);
    EXPECT_EQ(box.Checked, 1);
    Press(Key::Space);
    EXPECT_EQ(box.Checked, 0);
    // The focus outline is drawn in black around the box.
    Pump();
    EXPECT_EQ(Pixel(box.PixelArea.Left, box.PixelArea.Top + 5), 0u);
    Screen->SetFocus();
    Pump();
    EXPECT_NE(Pixel(box.PixelArea.Left, box.PixelArea.Top + 5), 0u);
}

TEST_F(ControlKindsTest, AButtonsFramesFollowHoverAndPressAndItsKeysClickIt)
{
    TSButton button(Screen.get());
    button.Setup(nullptr, MakeRelRect(0.3f, 0.3f, 0.125f, 0.0625f), 0, 40, "&Go", DialogButtonSkin.get());
    const Point c = Centre(button.PixelArea);
    EXPECT_EQ(button.Frame(), 0);
    MoveTo(c.X, c.Y);
    EXPECT_EQ(button.Frame(), 1);
    TestHooks::MouseDown(*App, Mouse::Left, c.X, c.Y);
    Pump();
    EXPECT_EQ(button.Frame(), 2);
    MoveTo(5, 5); // pressed but away: drawn normal
    EXPECT_EQ(button.Frame(), 0);
    EXPECT_EQ(button.Pressed, 1);
    TestHooks::MouseUp(*App, Mouse::Left, 5, 5);
    Pump();
    EXPECT_TRUE(Screen->Commands.empty());
    button.SetFocus();
    Press(Key::Return);
    Press(Key::Space);
    Press(Key::A);
    EXPECT_THAT(Screen->Commands, ElementsAre(40, 40));
    // A result id off a dialog does nothing.
    button.Id = 1;
    Press(Key::Return);
    EXPECT_EQ(Screen->Commands.size(), 2u);
}

TEST_F(ControlKindsTest, ADisabledMenuButtonShowsFrameTwoAndGreyTextWhateverThePointerDoes)
{
    auto strip = GamePicture(Pictures::MMBackButton);
    ASSERT_FALSE(strip->IsEmpty());
    auto font = MakeFont("Impact", 700, 48, 14);
    Screen->SetFont(font.get());
    TSMMButton button(Screen.get());
    button.Image = &strip;
    button.Setup(nullptr, MakeRelRect(0.2f, 0.24f, 0.26f, 0.13f), 0, CommandId::Restore, "Restore", nullptr);
    const Rect r = button.PixelArea;
    const Rect text{r.Left + r.Width() / 4, r.Top + r.Height() / 4, r.Right - r.Width() / 4,
                    r.Bottom - r.Height() / 4};
    button.Paint();
    Pump();
    EXPECT_GT(PixelsNear(text, Rgb(215, 177, 91), 12), 20);
    EXPECT_EQ(PixelsNear(text, Rgb(155, 155, 145), 12), 0);
    MoveTo(r.Left + 10, r.Top + 10);
    EXPECT_EQ(button.Frame(), 1);
    EXPECT_GT(PixelsNear(text, Rgb(242, 211, 135), 12), 20);

    button.SetEnabled(false);
    button.Paint();
    Pump();
    EXPECT_EQ(button.Frame(), 2);
    EXPECT_GT(PixelsNear(text, Rgb(155, 155, 145), 12), 20);
    EXPECT_EQ(PixelsNear(text, Rgb(215, 177, 91), 12), 0);
    EXPECT_EQ(PixelsNear(text, Rgb(242, 211, 135), 12), 0);
    // The plate is the strip's grey frame, not the normal one.
    const Point corner{r.Left + r.Width() / 10, r.Top + r.Height() / 2};
    const Colour plate = Pixel(corner);
    MoveTo(r.Left + 20, r.Top + 20);
    TestHooks::Click(*App, r.Left + 20, r.Top + 20);
    Pump();
    EXPECT_EQ(button.Frame(), 2);
    EXPECT_EQ(Pixel(corner), plate);
    EXPECT_TRUE(Screen->Commands.empty());
    button.SetEnabled(true);
    button.Hover = 0;
    button.Paint();
    Pump();
    EXPECT_GT(ChannelDistance(Pixel(corner), plate), 10);
    // An empty image slot draws nothing.
    SurfaceSlot none;
    button.Image = &none;
    Main->BackBuffer->Clear(0x00123456);
    button.Paint();
    Pump();
    EXPECT_EQ(Pixel(corner), 0x00123456u);
    Screen->SetFont(nullptr);
}

TEST_F(ControlKindsTest, AToolButtonCentresItsIconOnTheFaceAndLowersItWhilePressed)
{
    auto face = GamePicture(Pictures::BackButton0);
    auto icons = GamePicture(Pictures::ButtonImages0);
    ASSERT_EQ(icons->FramesAcross, 5);
    Panel panel;
    panel.Init(*Screen);
    panel.SetArea(MakeRelRect(0.5f, 0.25f, 0.3f, 0.3f));
    TSToolButton button(Screen.get());
    button.Image = &face;
    button.Column = 2;
    // Exactly 64 x 64 pixels, so that the face is copied one to one.
    button.Setup(&panel, RelRect{0.0f, 0.0f, 64.0f / 1024, 64.0f / 768}, 0, CommandId::Help, "", &icons);
    ASSERT_EQ(button.PixelArea.Width(), 64);
    ASSERT_EQ(button.PixelArea.Height(), 64);
    const Rect at = ScreenRect(panel.Area);
    const auto matches = [&](std::int32_t frame, std::int32_t dy) {
        const Rect src = icons->FrameSource(frame);
        int opaque = 0;
        int same = 0;
        for (std::int32_t y = 0; y < 48; ++y) {
            for (std::int32_t x = 0; x < 48; ++x) {
                const Colour c = icons->PixelAt(src.Left + x, src.Top + y);
                if (c == 0)
                    continue;
                ++opaque;
                same +=
                    ChannelDistance(Main->BackBuffer->PixelAt(at.Left + 8 + x, at.Top + 8 + dy + y), c) <= 2;
            }
        }
        return opaque > 200 && same * 100 >= opaque * 95;
    };
    button.DrawContent();
    EXPECT_EQ(button.IconFrame(), 2);
    EXPECT_TRUE(matches(2, 0));
    EXPECT_FALSE(matches(2, 1));
    button.Pressed = 1;
    button.DrawContent();
    EXPECT_TRUE(matches(2, 1));
    button.Pressed = 0;
    button.Hover = 1;
    button.DrawContent();
    EXPECT_EQ(button.IconFrame(), 7);
    EXPECT_TRUE(matches(7, 0));
    // The face's own corner shows where there is no icon.
    EXPECT_EQ(Main->BackBuffer->PixelAt(at.Left + 1, at.Top + 32), face->PixelAt(1, 32));
}

TEST_F(ControlKindsTest, ASpeedButtonStaysPressedWhileItIsTheSelectedMemberOfItsGroup)
{
    TSSpeedButton a(Screen.get());
    TSSpeedButton b(Screen.get());
    a.Setup(nullptr, MakeRelRect(0.24f, 0.01f, 0.04f, 0.03f), 0, CommandId::ChooseTool, "Select",
            &DialogButtonSkin);
    b.Setup(nullptr, MakeRelRect(0.28f, 0.01f, 0.04f, 0.03f), 0, CommandId::ChooseTool, "Start",
            &DialogButtonSkin);
    a.Group = b.Group = 1;
    a.Selected = 1;
    EXPECT_EQ(a.Frame(), 2);
    EXPECT_EQ(b.Frame(), 0);
    const Point c = Centre(b.PixelArea);
    MoveTo(c.X, c.Y);
    EXPECT_EQ(b.Frame(), 1);
    TestHooks::MouseDown(*App, Mouse::Left, c.X, c.Y);
    Pump();
    EXPECT_EQ(b.Frame(), 2);
    TestHooks::MouseUp(*App, Mouse::Left, c.X, c.Y);
    Pump();
    EXPECT_EQ(b.Frame(), 2);
    EXPECT_EQ(a.Frame(), 0);
    MoveTo(600, 600);
    EXPECT_EQ(b.Frame(), 2);
    EXPECT_THAT(Screen->Commands, ElementsAre(CommandId::ChooseTool));
}

TEST_F(ControlKindsTest, ALabelDrawsItsTextAlignedOverItsSkinOrTheBackground)
{
    Screen->Background = Surface::CreateCanvas(nullptr, 64, 48);
    Screen->Background->Clear(0x00302010);
    Screen->Redraw();
    TSLabel label(Screen.get());
    label.Setup(nullptr, MakeRelRect(0.1f, 0.1f, 0.4f, 0.05f), 0, 0, "Right side", nullptr);
    const Rect r = label.PixelArea;
    const Rect left{r.Left, r.Top, r.Left + r.Width() / 3, r.Bottom};
    const Rect right{r.Right - r.Width() / 3, r.Top, r.Right, r.Bottom};
    const Colour before = Main->BackBuffer->PixelAt(r.Left + 2, r.Top + 2);
    Font white("Arial", 700, 20, 0);
    white.Color = 0x00FFFFFF;
    label.SetFont(&white);
    label.Alignment = 1;
    label.Paint();
    Pump();
    EXPECT_EQ(PixelsNear(left, 0x00FFFFFF, 40), 0);
    EXPECT_GT(PixelsNear(right, 0x00FFFFFF, 40), 20);
    EXPECT_LE(ChannelDistance(Pixel(r.Left + 2, r.Top + 2), before), 2); // the background piece behind it
    label.Alignment = 0;
    label.Paint();
    Pump();
    EXPECT_GT(PixelsNear(left, 0x00FFFFFF, 40), 20);
    EXPECT_EQ(PixelsNear(right, 0x00FFFFFF, 40), 0);
    // With a skin, the whole picture is stretched over the label.
    SurfaceSlot paper = GamePicture(Pictures::BDialog);
    label.Skin = &paper;
    label.SetCaption("");
    label.Paint();
    Pump();
    EXPECT_LT(ChannelDistance(Pixel(Centre(r)), paper->PixelAt(paper->Width / 2, paper->Height / 2)), 24);
    // Word-wrapped text starts at the top and takes several lines.
    label.Skin = nullptr;
    label.SetArea(MakeRelRect(0.1f, 0.1f, 0.1f, 0.2f));
    label.WordBreak = 1;
    label.SetCaption("Are you really sure you want to exit?");
    label.Paint();
    Pump();
    const Rect w = label.PixelArea;
    EXPECT_GT(PixelsNear(Rect{w.Left, w.Top, w.Right, w.Top + 22}, 0x00FFFFFF, 40), 10);
    EXPECT_GT(PixelsNear(Rect{w.Left, w.Top + 44, w.Right, w.Top + 66}, 0x00FFFFFF, 40), 10);
    label.SetFont(nullptr);
}

TEST_F(ControlKindsTest, APictureShowsItsFrameOfTheStrip)
{
    auto people = GamePicture(Pictures::PPlayerH);
    TSImageList picture(Screen.get());
    // 72 x 80 pixels: the frame is copied one to one.
    picture.Setup(nullptr, RelRect{0.5f, 0.5f, 0.5f + 72.0f / 1024, 0.5f + 80.0f / 768}, 0, 0, "", &people);
    for (std::int32_t frame : {0, 3}) {
        picture.Frame = frame;
        picture.DrawContent();
        const Rect src = people->FrameSource(frame);
        int same = 0;
        for (std::int32_t y = 0; y < 80; y += 4)
            for (std::int32_t x = 0; x < 72; x += 4)
                same += ChannelDistance(Main->BackBuffer->PixelAt(512 + x, 384 + y),
                                        people->PixelAt(src.Left + x, src.Top + y)) <= 2;
        EXPECT_GE(same, 18 * 20 * 95 / 100) << "frame " << frame;
    }
}

TEST_F(ControlKindsTest, AComboFaceLiesOverItsListAndReportsAChoiceThenGivesTheFocusBack)
{
    TSComboBox combo(Screen.get());
    combo.List->Color = 0x00C9C5B7;
    combo.Setup(nullptr, MakeRelRect(0.75f, 0.01f, 0.1f, 0.024f), 0, 77, "", ComboBoxSkin.get());
    EXPECT_EQ(combo.List->Parent(), Screen.get());
    EXPECT_FALSE(combo.List->TabStop);
    EXPECT_EQ(combo.PixelArea.Height(), combo.List->BoxHeight());
    EXPECT_EQ(combo.List->BoundsRect(), combo.PixelArea);
    EXPECT_EQ(combo.TextInset, Round(1024 * 0.1 * 0.02));
    // The face lies above the list: the pointer finds the face.
    EXPECT_EQ(static_cast<WinControl*>(Screen.get())->ControlAt(Centre(combo.PixelArea)), &combo);
    std::vector<std::string> names;
    for (int i = 1; i <= 32; ++i)
        names.push_back(std::to_string(i) + "- Street Name");
    combo.List->SetItems(names);
    combo.List->DropDownCount = 32;
    combo.List->SetItemIndex(0);
    combo.SetCaption(combo.List->Text());
    combo.SetFocus();
    Press(Key::Space);
    ASSERT_TRUE(combo.List->DroppedDown());
    EXPECT_EQ(combo.List->PopupRect().Top, combo.PixelArea.Bottom);
    Press(Key::Down);
    Press(Key::Down);
    Press(Key::Return);
    EXPECT_FALSE(combo.List->DroppedDown());
    EXPECT_EQ(combo.Caption(), "3- Street Name");
    EXPECT_THAT(Screen->Commands, ElementsAre(77));
    EXPECT_TRUE(Screen->Focused());
    // A click on the face opens the list too; hiding the face hides and closes it.
    TestHooks::Click(*App, Centre(combo.PixelArea).X, Centre(combo.PixelArea).Y);
    Pump();
    EXPECT_TRUE(combo.List->DroppedDown());
    EXPECT_EQ(combo.Hover, 0);
    combo.HideAndDisable();
    EXPECT_FALSE(combo.List->DroppedDown());
    EXPECT_FALSE(combo.List->Visible());
    combo.ShowAndEnable();
    EXPECT_TRUE(combo.List->Visible());
    EXPECT_TRUE(combo.List->Enabled());
}

TEST_F(ControlKindsTest, APanelPaintsItsBackgroundIntoTheCurrentBackBufferAndShowsItself)
{
    Panel panel;
    panel.Init(*Screen);
    panel.SetArea(MakeRelRect(0.92f, 0.0f, 0.08f, 0.16f));
    auto picture = GamePicture(Pictures::BButtons);
    panel.Background = picture.get();
    panel.Refresh();
    Pump();
    const Point c{(panel.PixelArea.Left + panel.PixelArea.Right) / 2,
                  (panel.PixelArea.Top + panel.PixelArea.Bottom) / 2};
    EXPECT_LT(ChannelDistance(Pixel(c), picture->PixelAt(picture->Width / 2, picture->Height / 2)), 24);
    EXPECT_EQ(Pixel(10, 10), Screen->Fill);
    // The back buffer is rebuilt on resize: the panel follows its slot.
    Main->BackBuffer = Surface::CreateCanvas(nullptr, 1024, 768);
    panel.Paint();
    EXPECT_LT(ChannelDistance(Main->BackBuffer->PixelAt(c.X, c.Y),
                              picture->PixelAt(picture->Width / 2, picture->Height / 2)),
              24);
}
