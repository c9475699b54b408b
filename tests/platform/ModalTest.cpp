// Timers and nested modal loops, closing windows, minimise and restore, the help page.
#include "PlatformFixture.h"
#include "platform/Timer.h"

TEST_F(PlatformTest, ANestedModalLoopReturnsItsResultWhileTheTimerKeepsFiring)
{
    TestHooks::SetManualTimers(*App, false);
    Timer timer(*App);
    int ticks = 0;
    timer.OnTimer = [&ticks] { ++ticks; };
    timer.SetInterval(1);
    timer.SetEnabled(true);
    ColourWindow dialog(*App, BorderStyle::Dialog, 0x00FF0000);
    dialog.SetBounds(300, 200, 200, 100);
    int turns = 0;
    TestHooks::SetModalHook(*App, [&](Window& w) {
        ++turns;
        EXPECT_EQ(&w, &dialog);
        EXPECT_TRUE(w.IsModal());
        if (ticks >= 3)
            w.ModalResult = ModalResult::Yes;
    });
    EXPECT_EQ(dialog.ShowModal(), ModalResult::Yes);
    EXPECT_GE(ticks, 3);
    EXPECT_GE(turns, 1);
    EXPECT_FALSE(dialog.Visible());
    EXPECT_FALSE(dialog.IsModal());
}

TEST_F(PlatformTest, ModalLoopsNestAndEachReturnsItsOwnResult)
{
    ColourWindow outer(*App, BorderStyle::Dialog, 0x00FF0000);
    ColourWindow inner(*App, BorderStyle::Dialog, 0x0000FF00);
    outer.SetBounds(100, 100, 300, 200);
    inner.SetBounds(150, 150, 100, 50);
    int innerResult = 0;
    TestHooks::SetModalHook(*App, [&](Window& w) {
        if (&w == &outer && innerResult == 0) {
            innerResult = inner.ShowModal();
            EXPECT_TRUE(outer.IsModal());
            w.ModalResult = ModalResult::Ok;
        } else if (&w == &inner) {
            w.ModalResult = ModalResult::No;
        }
    });
    EXPECT_EQ(outer.ShowModal(), ModalResult::Ok);
    EXPECT_EQ(innerResult, ModalResult::No);
}

TEST_F(PlatformTest, TheCloseBoxGivesCancelAndOnlyTheModalWindowTakesTheMouse)
{
    ColourWindow dialog(*App, BorderStyle::Dialog, 0x00FF0000);
    dialog.SetBounds(300, 200, 300, 150);
    EventLog mainLog;
    RecordingWin behind(Main.get(), "behind", mainLog, Rect{0, 0, 100, 100});
    int turn = 0;
    TestHooks::SetModalHook(*App, [&](Window& w) {
        if (++turn == 1) {
            TestHooks::Click(*App, 50, 50); // on the main window: ignored while the dialog is up
            const Rect outer = w.OuterRect();
            EXPECT_EQ(outer.Top, 200 - w.CaptionHeight() - w.FrameWidth());
            TestHooks::Click(*App, outer.Right - w.FrameWidth() - w.CaptionHeight() / 2,
                             outer.Top + w.FrameWidth() + w.CaptionHeight() / 2);
        } else if (turn > 50) {
            w.ModalResult = 99; // the close box did nothing
        }
    });
    EXPECT_EQ(dialog.ShowModal(), ModalResult::Cancel);
    EXPECT_TRUE(mainLog.empty());
}

TEST_F(PlatformTest, RefusingToCloseKeepsTheModalLoopRunning)
{
    ColourWindow dialog(*App, BorderStyle::Dialog, 0x00FF0000);
    dialog.SetBounds(300, 200, 300, 150);
    dialog.AllowClose = false;
    int turn = 0;
    TestHooks::SetModalHook(*App, [&](Window& w) {
        ++turn;
        if (turn == 1)
            w.ModalResult = ModalResult::Ok; // refused by OnCloseQuery
        if (turn == 3) {
            EXPECT_EQ(w.ModalResult, ModalResult::None);
            dialog.AllowClose = true;
            w.ModalResult = ModalResult::No;
        }
    });
    EXPECT_EQ(dialog.ShowModal(), ModalResult::No);
    EXPECT_EQ(turn, 3);
}

TEST_F(PlatformTest, TerminatingEndsEveryModalLoopWithCancel)
{
    ColourWindow dialog(*App, BorderStyle::Dialog, 0x00FF0000);
    dialog.SetBounds(300, 200, 300, 150);
    TestHooks::SetModalHook(*App, [&](Window&) { App->Terminate(); });
    EXPECT_EQ(dialog.ShowModal(), ModalResult::Cancel);
    EXPECT_TRUE(App->Terminated());
}

TEST_F(PlatformTest, ShowingAModalWindowTwiceIsRefused)
{
    ColourWindow dialog(*App, BorderStyle::Dialog, 0x00FF0000);
    dialog.Show();
    EXPECT_THROW(dialog.ShowModal(), std::logic_error);
}

TEST_F(PlatformTest, FireTimerRunsEveryEnabledTimerOnceAndManualTimersNeverRunByThemselves)
{
    Timer a(*App);
    Timer b(*App);
    Timer off(*App);
    int countA = 0;
    int countB = 0;
    int countOff = 0;
    a.OnTimer = [&] { ++countA; };
    b.OnTimer = [&] { ++countB; };
    off.OnTimer = [&] { ++countOff; };
    a.SetInterval(1);
    a.SetEnabled(true);
    b.SetEnabled(true);
    TestHooks::FireTimer(*App);
    TestHooks::FireTimer(*App);
    for (int i = 0; i < 20; ++i)
        Pump();
    EXPECT_EQ(countA, 2);
    EXPECT_EQ(countB, 2);
    EXPECT_EQ(countOff, 0);
}

TEST_F(PlatformTest, TheDesktopsCloseRequestAsksTheMainWindow)
{
    Main->AllowClose = false;
    TestHooks::CloseRequest(*App);
    Pump();
    EXPECT_FALSE(App->Terminated());
    Main->AllowClose = true;
    TestHooks::CloseRequest(*App);
    Pump();
    EXPECT_TRUE(App->Terminated());
}

TEST_F(PlatformTest, RestoreIsReportedOnceAfterMinimiseAndAlsoWhenTheDesktopKeptTheWindow)
{
    int restores = 0;
    App->OnRestore = [&restores] { ++restores; };
    TestHooks::Restore(*App); // not minimised: nothing to report
    Pump();
    EXPECT_EQ(restores, 0);
    App->Minimize();
    EXPECT_TRUE(App->Minimized());
    TestHooks::Restore(*App);
    TestHooks::Restore(*App);
    Pump();
    EXPECT_EQ(restores, 1);
    EXPECT_FALSE(App->Minimized());
    // The dummy desktop never minimises: the player's next click brings the program back.
    App->Minimize();
    TestHooks::Click(*App, 10, 10);
    Pump();
    EXPECT_EQ(restores, 2);
    App->OnRestore = nullptr;
}

TEST_F(PlatformTest, HelpOpensAsAFileUrlThroughTheDesktop)
{
    std::string seen;
    TestHooks::SetOpenUrlHook(*App, [&seen](const std::string& url) {
        seen = url;
        return false;
    });
    EXPECT_FALSE(App->OpenHelp("/opt/tarn hollow/Tarnhollow.html"));
    EXPECT_EQ(seen, "file:///opt/tarn%20hollow/Tarnhollow.html");
    TestHooks::SetOpenUrlHook(*App, [](const std::string&) { return true; });
    EXPECT_TRUE(App->OpenHelp("Tarnhollow.html"));
}
