// Painting and compositing: what reaches the screen, in z-order, and only what changed.
#include "PlatformFixture.h"
#include "platform/RectOps.h"

namespace {

constexpr Colour Red = 0x000000FF;
constexpr Colour Blue = 0x00FF0000;
constexpr Colour Green = 0x0000FF00;

} // namespace

TEST_F(PlatformTest, ADialogIsDrawnOverTheMainWindowWithItsFrameAndLeavesNoTraceWhenHidden)
{
    EXPECT_EQ(TestHooks::ScreenPixel(*App, 500, 400), Red);
    ColourWindow dialog(*App, BorderStyle::Dialog, Blue);
    dialog.SetCaption("Exit");
    dialog.SetBounds(400, 300, 200, 100);
    dialog.Show();
    Pump();
    EXPECT_EQ(TestHooks::ScreenPixel(*App, 500, 350), Blue);
    EXPECT_EQ(TestHooks::ScreenPixel(*App, 400, 300), Blue);
    EXPECT_EQ(TestHooks::ScreenPixel(*App, 599, 399), Blue);
    const Rect outer = dialog.OuterRect();
    const Colour frame = TestHooks::ScreenPixel(*App, outer.Left + 1, 350);
    const Colour caption = TestHooks::ScreenPixel(*App, 420, outer.Top + dialog.FrameWidth() + 2);
    EXPECT_NE(frame, Red);
    EXPECT_NE(frame, Blue);
    EXPECT_NE(caption, Red);
    EXPECT_NE(caption, Blue);
    EXPECT_EQ(TestHooks::ScreenPixel(*App, outer.Left - 1, 350), Red);
    EXPECT_EQ(TestHooks::ScreenPixel(*App, 500, outer.Bottom), Red);
    // Only the dialog's rectangle went to SDL.
    for (const Rect& r : TestHooks::LastPushedRects(*App))
        EXPECT_EQ(IntersectRects(r, outer), r);

    dialog.Hide();
    Pump();
    EXPECT_EQ(TestHooks::ScreenPixel(*App, 500, 350), Red);
    EXPECT_EQ(TestHooks::ScreenPixel(*App, outer.Left + 1, 350), Red);
}

TEST_F(PlatformTest, OnlyWhatChangedIsPushedOncePerTurn)
{
    auto& panel = Make<RecordingWin>(Main.get(), "panel", Log, Rect{100, 100, 300, 200}, Green);
    Pump();
    const int pushes = TestHooks::PushCount(*App);
    Pump();
    EXPECT_EQ(TestHooks::PushCount(*App), pushes); // nothing changed: no push
    auto canvas = Surface::CreateCanvas(nullptr, 40, 30);
    canvas->Clear(Blue);
    panel.CopyToCanvas(*canvas, Rect{0, 0, 40, 30}, 10, 20);
    panel.CopyToCanvas(*canvas, Rect{0, 0, 40, 30}, 150, 50);
    Pump();
    EXPECT_EQ(TestHooks::PushCount(*App), pushes + 1);
    const std::vector<Rect> pushed = TestHooks::LastPushedRects(*App);
    ASSERT_EQ(pushed.size(), 2u);
    EXPECT_EQ(pushed[0], (Rect{110, 120, 150, 150}));
    EXPECT_EQ(pushed[1], (Rect{250, 150, 290, 180}));
    EXPECT_EQ(TestHooks::ScreenPixel(*App, 110, 120), Blue);
    // Clipped to the control: the second copy's right part lies outside it.
    EXPECT_EQ(TestHooks::ScreenPixel(*App, 299, 150), Green);
}

TEST_F(PlatformTest, PaintGetsTheInvalidPartAsItsClip)
{
    auto& panel = Make<RecordingWin>(Main.get(), "panel", Log, Rect{100, 100, 300, 200});
    Pump();
    const int paints = panel.Paints;
    panel.Invalidate(Rect{10, 20, 30, 40});
    Pump();
    EXPECT_EQ(panel.Paints, paints + 1);
    EXPECT_EQ(panel.LastClip, (Rect{10, 20, 30, 40}));
    EXPECT_EQ(panel.PaintClip(), panel.ClientRect()); // outside Paint: the whole control
}

TEST_F(PlatformTest, DrawingOverAWindowedChildDoesNotCoverIt)
{
    auto& parent = Make<RecordingWin>(Main.get(), "parent", Log, Rect{0, 0, 400, 400}, Green);
    auto& child = Make<RecordingWin>(&parent, "child", Log, Rect{100, 100, 200, 200}, Blue);
    Pump();
    const int childPaints = child.Paints;
    auto canvas = Surface::CreateCanvas(nullptr, 400, 400);
    canvas->Clear(Red);
    parent.CopyToCanvas(*canvas, Rect{0, 0, 400, 400}, 0, 0);
    Pump();
    EXPECT_EQ(TestHooks::ScreenPixel(*App, 50, 50), Red);
    EXPECT_EQ(TestHooks::ScreenPixel(*App, 150, 150), Blue);
    EXPECT_GT(child.Paints, childPaints);
}

TEST_F(PlatformTest, HidingAControlRepaintsWhatLayBehindIt)
{
    auto& child = Make<RecordingWin>(Main.get(), "child", Log, Rect{100, 100, 200, 200}, Blue);
    Pump();
    EXPECT_EQ(TestHooks::ScreenPixel(*App, 150, 150), Blue);
    child.Hide();
    Pump();
    EXPECT_EQ(TestHooks::ScreenPixel(*App, 150, 150), Red);
    child.Show();
    child.SetBounds(300, 100, 100, 100);
    Pump();
    EXPECT_EQ(TestHooks::ScreenPixel(*App, 150, 150), Red);
    EXPECT_EQ(TestHooks::ScreenPixel(*App, 350, 150), Blue);
}

TEST_F(PlatformTest, AClientAlignedControlFollowsItsParentAndTheMainWindowFollowsTheScreen)
{
    auto& fill = Make<RecordingWin>(Main.get(), "fill", Log, Rect{0, 0, 10, 10});
    fill.SetAlign(Align::Client);
    EXPECT_EQ(fill.BoundsRect(), (Rect{0, 0, 1024, 768}));
    TestHooks::ForceScreenSize(*App, 1920, 1080);
    Pump();
    EXPECT_EQ(App->DisplaySize().Width, 1920);
    EXPECT_EQ(Main->BoundsRect(), (Rect{0, 0, 1920, 1080}));
    EXPECT_EQ(fill.BoundsRect(), (Rect{0, 0, 1920, 1080}));
    EXPECT_EQ(TestHooks::ScreenPixel(*App, 1900, 1000), 0x0000FF00u);
}
