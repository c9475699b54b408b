// Hints: the box waits for the pointer to rest, shows the control's text below it, stays on the
// screen, goes on a move away, a press, a key, a dialog or after its time, and gives back exactly
// the pixels it covered.
#include "PlatformFixture.h"
#include "platform/HintBox.h"

namespace {

int Brightness(Colour c)
{
    return static_cast<int>((c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF));
}

class HintTest : public PlatformTest
{
protected:
    RecordingGraphic& Hinted(const std::string& name, Rect bounds, const std::string& hint)
    {
        auto& control = Make<RecordingGraphic>(Main.get(), name, Log, bounds, 0x00208040);
        control.Hint = hint;
        return control;
    }
    void MoveTo(std::int32_t x, std::int32_t y)
    {
        TestHooks::MouseMove(*App, x, y);
        Pump();
    }
    void Ticks(int n)
    {
        for (int i = 0; i < n; ++i) {
            TestHooks::FireTimer(*App);
            Pump();
        }
    }
    Rect Hint() { return TestHooks::HintRect(*App); }
    std::vector<Colour> Capture(const Rect& r)
    {
        std::vector<Colour> pixels;
        for (std::int32_t y = r.Top; y < r.Bottom; ++y)
            for (std::int32_t x = r.Left; x < r.Right; ++x)
                pixels.push_back(TestHooks::ScreenPixel(*App, x, y));
        return pixels;
    }
    // Rests the pointer at (x, y) until a hint shows.
    void RestAt(std::int32_t x, std::int32_t y)
    {
        MoveTo(x, y);
        Ticks(HintBox::ShowTicks);
    }
};

TEST_F(HintTest, TheHintShowsBelowTheRestingPointerAndGivesBackThePixelsItCovered)
{
    Hinted("tool", Rect{100, 100, 160, 140}, "Throw Dice <SPACE>");
    Pump();
    const Rect around{80, 100, 400, 200};
    const std::vector<Colour> before = Capture(around);
    std::vector<std::string> drawn;
    TestHooks::SetHintObserver(*App, [&](const DrawnText& text) { drawn.push_back(text.Text); });

    MoveTo(120, 110);
    Ticks(HintBox::ShowTicks - 2);
    // A move, even within the control, starts the wait again: resting means keeping still.
    MoveTo(125, 112);
    Ticks(HintBox::ShowTicks - 1);
    EXPECT_EQ(Hint().Width(), 0) << "shown before the pointer rested long enough";
    Ticks(1);
    const Rect box = Hint();
    ASSERT_GT(box.Width(), 0);
    EXPECT_EQ(drawn, std::vector<std::string>{"Throw Dice <SPACE>"});
    // Below the pointer's picture, starting at its column, one line high.
    EXPECT_EQ(box.Left, 125);
    EXPECT_GT(box.Top, 112 + 16);
    EXPECT_LT(box.Top, 112 + 40);
    EXPECT_LT(box.Height(), 40);
    // Pale paper in a dark edge, with dark ink inside.
    const Colour paper = TestHooks::ScreenPixel(*App, box.Left + 2, box.Top + 2);
    EXPECT_GT(Brightness(paper), 600);
    EXPECT_LT(Brightness(TestHooks::ScreenPixel(*App, box.Left, box.Top + box.Height() / 2)), 200);
    int ink = 0;
    for (std::int32_t x = box.Left + 2; x < box.Right - 2; ++x)
        ink += Brightness(TestHooks::ScreenPixel(*App, x, box.Top + box.Height() / 2)) < 300 ? 1 : 0;
    EXPECT_GT(ink, 5) << "no text in the box";

    // Moving within the control keeps the box where it is.
    MoveTo(130, 120);
    EXPECT_EQ(Hint(), box);

    // Leaving takes it away and the main window shows again, pixel for pixel.
    MoveTo(600, 500);
    EXPECT_EQ(Hint().Width(), 0);
    EXPECT_EQ(Capture(around), before);
    TestHooks::SetHintObserver(*App, nullptr);
}

TEST_F(HintTest, RedrawsUnderTheBoxKeepItWholeAndWhatTheyDrewShowsWhenItGoes)
{
    Hinted("tool", Rect{100, 100, 160, 140}, "Main Menu <ENTER>");
    Pump();
    RestAt(120, 110);
    const Rect box = Hint();
    ASSERT_GT(box.Width(), 0);
    const std::vector<Colour> shown = Capture(box);

    // The window under it paints itself anew in another colour, as the board does every tick.
    Main->Fill = 0x00805030;
    Main->Invalidate();
    Pump();
    EXPECT_EQ(Capture(box), shown) << "the redraw wrote over the hint";
    EXPECT_EQ(TestHooks::ScreenPixel(*App, box.Right + 5, box.Top), 0x00805030u);

    MoveTo(600, 500);
    // What lies under the former box is the new paint, not what the box covered when it came.
    EXPECT_EQ(TestHooks::ScreenPixel(*App, box.Left + box.Width() / 2, box.Bottom - 2), 0x00805030u);
    EXPECT_EQ(TestHooks::ScreenPixel(*App, box.Right - 2, box.Top + 2), 0x00805030u);
}

TEST_F(HintTest, APressAKeyADialogAndTheTimeTakeTheHintAwayUntilThePointerComesBack)
{
    Hinted("tool", Rect{100, 100, 160, 140}, "Quit <Esc>");
    Pump();

    RestAt(120, 110);
    ASSERT_GT(Hint().Width(), 0);
    TestHooks::Click(*App, 120, 110);
    Pump();
    EXPECT_EQ(Hint().Width(), 0) << "a press";
    // Staying on the control after the press brings nothing back...
    MoveTo(122, 112);
    Ticks(HintBox::ShowTicks * 3);
    EXPECT_EQ(Hint().Width(), 0);
    // ...until the pointer has left and come back.
    MoveTo(600, 500);
    RestAt(121, 111);
    ASSERT_GT(Hint().Width(), 0);

    TestHooks::Key(*App, Key::Space);
    Pump();
    EXPECT_EQ(Hint().Width(), 0) << "a key";
    MoveTo(600, 500);

    RestAt(120, 110);
    ASSERT_GT(Hint().Width(), 0);
    ColourWindow dialog(*App, BorderStyle::Dialog, 0x00FFFFFF);
    dialog.SetBounds(500, 300, 200, 100);
    dialog.Show();
    Pump();
    EXPECT_EQ(Hint().Width(), 0) << "a dialog";
    dialog.Hide();
    MoveTo(600, 500);

    // About five seconds on the screen, then it goes by itself.
    RestAt(120, 110);
    ASSERT_GT(Hint().Width(), 0);
    Ticks(HintBox::HideTicks - 1);
    EXPECT_GT(Hint().Width(), 0);
    Ticks(1);
    EXPECT_EQ(Hint().Width(), 0) << "the time";
    MoveTo(122, 112);
    Ticks(HintBox::ShowTicks * 2);
    EXPECT_EQ(Hint().Width(), 0) << "came back without the pointer leaving";
}

TEST_F(HintTest, HiddenDisabledAndCoveredControlsShowNoHint)
{
    auto& tool = Hinted("tool", Rect{100, 100, 160, 140}, "Help <F1>");
    tool.Hide();
    Pump();
    RestAt(120, 110);
    EXPECT_EQ(Hint().Width(), 0) << "hidden";

    tool.Show();
    tool.SetEnabled(false);
    MoveTo(600, 500);
    RestAt(120, 110);
    EXPECT_EQ(Hint().Width(), 0) << "disabled";

    // A control hidden under a shown hint takes its hint with it at once.
    tool.SetEnabled(true);
    MoveTo(600, 500);
    RestAt(120, 110);
    const Rect box = Hint();
    ASSERT_GT(box.Width(), 0);
    tool.Hide();
    Pump();
    EXPECT_EQ(Hint().Width(), 0);
    EXPECT_EQ(TestHooks::ScreenPixel(*App, box.Left + 3, box.Top + 3), 0x000000FFu);

    // A modal dialog over it: the control under it no longer has the pointer.
    tool.Show();
    ColourWindow dialog(*App, BorderStyle::Dialog, 0x00FFFFFF);
    dialog.SetBounds(50, 50, 300, 200);
    int turns = 0;
    TestHooks::SetModalHook(*App, [&](Window& w) {
        if (++turns == 1) {
            TestHooks::MouseMove(*App, 121, 111);
            return;
        }
        TestHooks::FireTimer(*App);
        if (turns > HintBox::ShowTicks * 2)
            w.ModalResult = ModalResult::Ok;
        EXPECT_EQ(Hint().Width(), 0);
    });
    dialog.ShowModal();
    TestHooks::SetModalHook(*App, nullptr);
}

TEST_F(HintTest, TheBoxStaysOnTheScreenNearTheRightAndBottomEdges)
{
    Hinted("corner", Rect{964, 708, 1024, 768}, "Pay off mortgage");
    Hinted("right", Rect{964, 100, 1024, 140}, "Next property");
    Pump();

    RestAt(1020, 120);
    Rect box = Hint();
    ASSERT_GT(box.Width(), 0);
    EXPECT_EQ(box.Right, 1024) << "moved left just as far as needed";
    EXPECT_GT(box.Top, 120) << "still below the pointer";

    MoveTo(600, 500);
    Ticks(HintBox::GraceTicks);
    RestAt(1015, 760);
    box = Hint();
    ASSERT_GT(box.Width(), 0);
    EXPECT_LE(box.Right, 1024);
    EXPECT_GE(box.Left, 0);
    EXPECT_LE(box.Bottom, 760) << "above the pointer where there is no room below";
    EXPECT_GE(box.Top, 0);
    // Its paper is on the screen: the last column and row are drawn.
    EXPECT_GT(Brightness(TestHooks::ScreenPixel(*App, box.Right - 3, box.Bottom - 3)), 600);
}

TEST_F(HintTest, MovingStraightToAnotherControlShowsItsHintAtOnce)
{
    Hinted("left", Rect{100, 100, 140, 140}, "Minimize <F10>");
    Hinted("right", Rect{143, 100, 183, 140}, "Quit <Esc>");
    Pump();
    std::vector<std::string> drawn;
    TestHooks::SetHintObserver(*App, [&](const DrawnText& text) { drawn.push_back(text.Text); });

    RestAt(120, 110);
    ASSERT_GT(Hint().Width(), 0);
    // Across the gap between them...
    MoveTo(141, 110);
    EXPECT_EQ(Hint().Width(), 0);
    MoveTo(150, 110);
    const Rect next = Hint();
    ASSERT_GT(next.Width(), 0) << "the next hint waited";
    EXPECT_EQ(next.Left, 150);
    // ...and straight back.
    MoveTo(130, 110);
    EXPECT_GT(Hint().Width(), 0);
    EXPECT_EQ(drawn, (std::vector<std::string>{"Minimize <F10>", "Quit <Esc>", "Minimize <F10>"}));

    // After a while away the next hint waits for the pointer to rest again.
    MoveTo(600, 500);
    Ticks(HintBox::GraceTicks);
    MoveTo(150, 110);
    EXPECT_EQ(Hint().Width(), 0);
    Ticks(HintBox::ShowTicks);
    EXPECT_GT(Hint().Width(), 0);
    TestHooks::SetHintObserver(*App, nullptr);
}

} // namespace
