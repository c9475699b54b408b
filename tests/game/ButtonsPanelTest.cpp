// The buttons panel: the dice button's part shows only the background while the button is
// hidden, and the tool buttons report their commands.
#include "platform/Application.h"
#include "platform/TestHooks.h"
#include "shell/Commands.h"
#include "support/PanelScene.h"

namespace {

class ButtonsPanelTest : public PanelScene
{
protected:
    Point Centre(const Rect& r) const { return Point{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }
};

TEST_F(ButtonsPanelTest, WhileTheDiceButtonIsHiddenItsPartShowsTheBackground)
{
    Buttons->Refresh();
    Pump();
    const Rect dice = Buttons->ThrowButton->PixelArea;
    EXPECT_GT(PictureMatch(dice, *Images.BackButton1, 0), 0.5);
    const std::vector<Colour> shown = Capture(dice);

    Buttons->ShowThrowButton(false);
    Pump();
    EXPECT_FALSE(Buttons->ThrowButton->Enabled());
    const std::vector<Colour> hidden = Capture(dice);
    EXPECT_GT(Differing(shown, hidden), dice.Width() * dice.Height() / 4);
    // Exactly the background: the panel painted with nothing but its picture.
    Buttons->DrawBackground();
    Buttons->Host->ShowRect(Buttons->PixelArea);
    Pump();
    EXPECT_EQ(Differing(hidden, Capture(dice)), 0);

    // Pressing where it was does nothing.
    TestHooks::Click(*App, Centre(dice).X, Centre(dice).Y);
    Pump();
    EXPECT_TRUE(Screen->Commands.empty());

    Buttons->ShowThrowButton(true);
    Pump();
    // Shown again under the pointer it lights up: the icon's row for the pointer.
    EXPECT_EQ(Buttons->ThrowButton->Hover, 1);
    EXPECT_GT(Differing(hidden, Capture(dice)), dice.Width() * dice.Height() / 4);
}

TEST_F(ButtonsPanelTest, EachToolButtonReportsItsCommandWithTheHandCursor)
{
    Buttons->Refresh();
    Pump();
    const struct
    {
        const TSToolButton* Button;
        std::int32_t Command;
    } tools[] = {{Buttons->MinimizeButton.get(), CommandId::Minimize},
                 {Buttons->QuitButton.get(), CommandId::Quit},
                 {Buttons->HelpButton.get(), CommandId::Help},
                 {Buttons->MainMenuButton.get(), CommandId::MainMenu},
                 {Buttons->ThrowButton.get(), CommandId::ThrowDice}};
    for (const auto& tool : tools) {
        TestHooks::Click(*App, Centre(tool.Button->PixelArea).X, Centre(tool.Button->PixelArea).Y);
        Pump();
        ASSERT_FALSE(Screen->Commands.empty());
        EXPECT_EQ(Screen->Commands.back(), tool.Command);
        EXPECT_EQ(tool.Button->Cursor(), CursorId::Hand);
        // Each shows its own icon: the four square faces differ from each other.
        EXPECT_GT(PictureMatch(tool.Button->PixelArea, *tool.Button->Image->get(), 0), 0.3);
    }
    EXPECT_EQ(Screen->Commands.size(), 5u);
}

} // namespace
