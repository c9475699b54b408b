// The game screen's button hints: resting on a tool or card button names what it does (and its
// key), shown over the real screen and taken away by a press, a hidden button, a redraw-proof
// overlay, the right edge and a switch of screens.
#include "controls/SSpeedButton.h"
#include "controls/SToolButton.h"
#include "game/ButtonsPanel.h"
#include "game/CardsPanel.h"
#include "platform/HintBox.h"
#include "shell/Commands.h"
#include "support/GameScreenScene.h"
#include "support/MidGamePanels.h"

#include <gtest/gtest.h>

namespace {

class ButtonHintsTest : public GameScreenScene
{
protected:
    static Point Centre(const Rect& r) { return Point{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }
    void MoveTo(Point p)
    {
        TestHooks::MouseMove(*App, p.X, p.Y);
        Pump();
    }
    void Rest(Point p)
    {
        MoveTo(p);
        for (int i = 0; i < HintBox::ShowTicks; ++i)
            Tick();
    }
    void Away() { MoveTo(Point{512, 450}); }
    Rect Hint() { return TestHooks::HintRect(*App); }
    // Texts drawn into hint boxes since the test began.
    std::vector<std::string> Drawn;
    void WatchHints()
    {
        TestHooks::SetHintObserver(*App, [this](const DrawnText& text) { Drawn.push_back(text.Text); });
    }
    void TearDown() override
    {
        if (App != nullptr)
            TestHooks::SetHintObserver(*App, nullptr);
        GameScreenScene::TearDown();
    }
};

TEST_F(ButtonHintsTest, RestingOnTheDiceButtonNamesItsKeyUntilThePointerLeavesOrPresses)
{
    Play(SmallBoard('a'), 0b11, 0b01, 2);
    WatchHints();
    const Rect dice = Game->Buttons->ThrowButton->PixelArea;
    // Everything a box below the button could cover, on the panels and on the board.
    const Rect around{dice.Left - 300, dice.Top, 1024, dice.Bottom + 80};
    const std::vector<Colour> before = Capture(around);

    Rest(Centre(dice));
    const Rect box = Hint();
    ASSERT_GT(box.Width(), 0);
    EXPECT_EQ(Drawn, std::vector<std::string>{"Throw Dice <SPACE>"});
    EXPECT_GE(box.Left, 0);
    EXPECT_LE(box.Right, 1024);
    EXPECT_GT(box.Top, Centre(dice).Y);
    const std::vector<Colour> shown = Capture(around);
    std::size_t changed = 0;
    for (std::size_t i = 0; i < before.size(); ++i)
        changed += before[i] != shown[i] ? 1 : 0;
    EXPECT_GT(changed, static_cast<std::size_t>(box.Width() * box.Height() / 2));

    Away();
    EXPECT_EQ(Hint().Width(), 0);
    EXPECT_EQ(Capture(around), before) << "the box left pixels behind";

    // Pressing the button takes the hint away; the turn starts and the hidden button says nothing.
    MoveTo(Point{dice.Left + 3, dice.Top + 3});
    Rest(Centre(dice));
    ASSERT_GT(Hint().Width(), 0);
    TestHooks::Click(*App, Centre(dice).X, Centre(dice).Y);
    Pump();
    EXPECT_EQ(Hint().Width(), 0);
    EXPECT_EQ(Game->State.Throws, 1);
    ASSERT_FALSE(Game->Buttons->ThrowButton->Visible());
    Away();
    Rest(Centre(dice));
    Tick();
    EXPECT_EQ(Hint().Width(), 0) << "a hint for the dice button while it is hidden";
    EXPECT_EQ(Drawn.size(), 2u);
}

TEST_F(ButtonHintsTest, CardButtonsHintOnlyWhileTheyAreShown)
{
    AutoMove = 0;
    Play(SmallBoard('a'), 0b11, 0b01, 2);
    WatchHints();
    const Point view = Centre(Game->Cards->ViewButton->PixelArea);
    const Point next = Centre(Game->Cards->NextButton->PixelArea);
    ASSERT_FALSE(Game->Cards->ViewButton->Visible());
    Rest(view);
    Away();
    Rest(next);
    EXPECT_EQ(Hint().Width(), 0);
    EXPECT_TRUE(Drawn.empty()) << "hidden card buttons showed " << Drawn.front();

    GiveLot(Game->State, Game->Map, 0, VacantLots(Game->Map).at(0), 0, 0);
    GiveLot(Game->State, Game->Map, 0, VacantLots(Game->Map).at(0), 2, 20);
    Game->Redraw();
    ASSERT_TRUE(Game->Cards->ViewButton->Visible());
    ASSERT_TRUE(Game->Cards->NextButton->Visible());
    Away();
    Rest(view);
    EXPECT_GT(Hint().Width(), 0);
    Away();
    Rest(next);
    EXPECT_GT(Hint().Width(), 0);
    EXPECT_EQ(Drawn, (std::vector<std::string>{"Go to property", "Next property"}));
}

TEST_F(ButtonHintsTest, FromMinimizeStraightToQuitAtTheScreensEdge)
{
    Play(SmallBoard('a'), 0b11, 0b01, 2);
    WatchHints();
    Rest(Centre(Game->Buttons->MinimizeButton->PixelArea));
    ASSERT_GT(Hint().Width(), 0);
    // The two buttons lie side by side: the next hint does not wait.
    const Point quit = Centre(Game->Buttons->QuitButton->PixelArea);
    MoveTo(quit);
    const Rect box = Hint();
    ASSERT_GT(box.Width(), 0);
    EXPECT_EQ(Drawn, (std::vector<std::string>{"Minimize <F10>", "Quit <Esc>"}));
    // Too wide to start at the pointer: it ends at the screen's right edge instead.
    EXPECT_LT(box.Left, quit.X);
    EXPECT_EQ(box.Right, 1024);
    EXPECT_GT(Brightness(Pixel(box.Right - 3, box.Bottom - 3)), 600);
}

TEST_F(ButtonHintsTest, TheHintOutlivesAScreenRedrawButNotASwitchOfScreens)
{
    Play(SmallBoard('a'), 0b11, 0b01, 2);
    Rest(Centre(Game->Buttons->MainMenuButton->PixelArea));
    const Rect box = Hint();
    ASSERT_GT(box.Width(), 0);
    const std::vector<Colour> shown = Capture(box);
    Game->Redraw();
    Pump();
    EXPECT_EQ(Capture(box), shown);

    Main->RequestedState = ShellState::InMainMenu;
    Tick();
    ASSERT_NE(CurrentScreen, Game);
    EXPECT_EQ(Hint().Width(), 0);
    // The menu's own pixels where the box was.
    EXPECT_LT(Brightness(Pixel(box.Left + 3, box.Top + 3)), 600);
}

} // namespace
