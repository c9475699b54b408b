// Input routing: key codes, mouse events in client coordinates, clicks, capture, focus, tab order,
// key and mouse preview, text input, cursors, and the class family tests.
#include "PlatformFixture.h"
#include "platform/Keys.h"

using ::testing::ElementsAre;

TEST_F(PlatformTest, SdlKeysArriveAsVirtualKeyCodesWithTheirShiftState)
{
    const std::vector<KeyCode> keys{Key::A + 2,  Key::Digit0 + 7, Key::F1,   Key::F10,    Key::Escape,
                                    Key::Return, Key::Space,      Key::Back, Key::Delete, Key::Home,
                                    Key::End,    Key::Left,       Key::Up,   Key::Right,  Key::Down};
    for (KeyCode key : keys)
        TestHooks::Key(*App, key);
    TestHooks::Key(*App, Key::A + 25, Shift::Shift | Shift::Ctrl);
    Pump();
    EXPECT_THAT(Log, ElementsAre("main key 67 0", "main key 55 0", "main key 112 0", "main key 121 0",
                                 "main key 27 0", "main key 13 0", "main key 32 0", "main key 8 0",
                                 "main key 46 0", "main key 36 0", "main key 35 0", "main key 37 0",
                                 "main key 38 0", "main key 39 0", "main key 40 0", "main key 90 5"));
}

TEST(Keys, TextToShortCutTakesOneCharacterOrAKeyName)
{
    EXPECT_EQ(TextToShortCut("O"), 79);
    EXPECT_EQ(TextToShortCut("o"), 79);
    EXPECT_EQ(TextToShortCut("7"), 55);
    EXPECT_EQ(TextToShortCut("F10"), 121);
    EXPECT_EQ(TextToShortCut("Esc"), 27);
    EXPECT_EQ(TextToShortCut("Ctrl+S"), ShortCut::Ctrl + 83);
    EXPECT_EQ(TextToShortCut("Shift+Alt+x"), ShortCut::Shift + ShortCut::Alt + 88);
    EXPECT_EQ(TextToShortCut(""), 0);
    EXPECT_EQ(TextToShortCut("&"), 0);
    EXPECT_EQ(TextToShortCut("F13"), 0);
    EXPECT_EQ(TextToShortCut("Ctrl+"), 0);
    EXPECT_EQ(TextToShortCut("\xC3\xA9"), 0); // a letter outside the key codes
}

namespace {

class Base : public WinControl
{
    CONTROL_CLASS(Base, WinControl);
};
class Direct : public Base
{
    CONTROL_CLASS(Direct, Base);
};
class Indirect : public Direct
{
    CONTROL_CLASS(Indirect, Direct);
};
class Undeclared : public Direct
{
};

} // namespace

TEST(ClassFamily, OnlyTheDirectBaseCountsAndAMissingDeclarationIsCaught)
{
    Direct direct;
    Indirect indirect;
    EXPECT_EQ(direct.ClassName(), "Direct");
    EXPECT_TRUE(direct.DerivesDirectlyFrom("Base"));
    EXPECT_FALSE(indirect.DerivesDirectlyFrom("Base"));
    EXPECT_TRUE(indirect.DerivesDirectlyFrom("Direct"));
    EXPECT_TRUE(indirect.InheritsFrom("Base"));
    EXPECT_TRUE(indirect.InheritsFrom("Control"));
    EXPECT_FALSE(direct.InheritsFrom("Indirect"));
    Undeclared undeclared;
    EXPECT_THROW((void)undeclared.DerivesDirectlyFrom("Direct"), std::logic_error);
}

TEST_F(PlatformTest, ClicksAndDoubleClicksArriveInClientCoordinates)
{
    auto& panel = Make<RecordingWin>(Main.get(), "panel", Log, Rect{10, 10, 510, 410});
    auto& button = Make<RecordingWin>(&panel, "button", Log, Rect{100, 50, 300, 150});
    (void)button;
    TestHooks::Click(*App, 150, 80);
    Pump();
    EXPECT_THAT(Log,
                ElementsAre("button move 40,20", "button down 0 40,20", "button click", "button up 0 40,20"));
    Log.clear();
    TestHooks::MouseDown(*App, Mouse::Left, 150, 80, 2);
    TestHooks::MouseUp(*App, Mouse::Left, 150, 80, 2);
    Pump();
    EXPECT_THAT(Log, ElementsAre("button dblclick", "button down 0 40,20 double", "button up 0 40,20"));
}

TEST_F(PlatformTest, AReleaseAwayFromThePressedControlIsNoClickButReachesIt)
{
    Make<RecordingWin>(Main.get(), "a", Log, Rect{0, 0, 100, 100});
    Make<RecordingWin>(Main.get(), "b", Log, Rect{200, 0, 300, 100});
    TestHooks::MouseDown(*App, Mouse::Left, 50, 50);
    TestHooks::MouseMove(*App, 250, 50);
    TestHooks::MouseUp(*App, Mouse::Left, 250, 50);
    TestHooks::MouseMove(*App, 260, 50);
    Pump();
    // The press captures: the move and the release go to "a", in its coordinates; afterwards the
    // pointer's control gets the moves again.
    EXPECT_THAT(Log, ElementsAre("a down 0 50,50", "a move 250,50", "a up 0 250,50", "b move 60,50"));
}

TEST_F(PlatformTest, CaptureKeepsMovesComingAfterThePointerLeaves)
{
    auto& hover = Make<RecordingGraphic>(Main.get(), "hover", Log, Rect{100, 100, 200, 200});
    Make<RecordingWin>(Main.get(), "other", Log, Rect{400, 100, 500, 200});
    TestHooks::MouseMove(*App, 150, 150);
    TestHooks::MouseMove(*App, 450, 150); // outside: still "hover", which then lets go
    TestHooks::MouseMove(*App, 460, 150);
    Pump();
    EXPECT_THAT(Log, ElementsAre("hover move 50,50", "hover move 350,50", "other move 60,50"));
    EXPECT_FALSE(hover.MouseCapture());

    // Held down on it, the capture stays while outside and ends with the release.
    Log.clear();
    TestHooks::MouseMove(*App, 150, 150);
    TestHooks::MouseDown(*App, Mouse::Left, 150, 150);
    TestHooks::MouseMove(*App, 450, 150);
    TestHooks::MouseUp(*App, Mouse::Left, 450, 150);
    Pump();
    EXPECT_THAT(
        Log, ElementsAre("hover move 50,50", "hover down 0 50,50", "hover move 350,50", "hover up 0 350,50"));
    EXPECT_FALSE(hover.MouseCapture());
}

TEST_F(PlatformTest, HitTestingPrefersWindowedControlsAndSkipsHiddenAndDisabledOnes)
{
    auto& back = Make<RecordingWin>(Main.get(), "back", Log, Rect{0, 0, 400, 400});
    auto& windowless = Make<RecordingGraphic>(&back, "windowless", Log, Rect{0, 0, 200, 200});
    auto& windowed = Make<RecordingWin>(&back, "windowed", Log, Rect{100, 100, 300, 300});
    // Added before the windowed one, the windowless control still lies below it.
    EXPECT_EQ(back.ControlAt(Point{150, 150}), &windowed);
    EXPECT_EQ(back.ControlAt(Point{50, 50}), &windowless);
    windowed.Hide();
    EXPECT_EQ(back.ControlAt(Point{150, 150}), &windowless);
    windowless.SetEnabled(false);
    EXPECT_EQ(back.ControlAt(Point{150, 150}), &back);
    EXPECT_EQ(back.ControlAt(Point{450, 150}), nullptr);
}

TEST_F(PlatformTest, TabAndShiftTabMoveTheFocusThroughTheTabStopsInChildOrder)
{
    auto& a = Make<RecordingWin>(Main.get(), "a", Log, Rect{0, 0, 10, 10});
    auto& group = Make<RecordingWin>(Main.get(), "group", Log, Rect{0, 20, 100, 100});
    auto& b = Make<RecordingWin>(&group, "b", Log, Rect{0, 0, 10, 10});
    auto& hidden = Make<RecordingWin>(Main.get(), "hidden", Log, Rect{0, 0, 10, 10});
    auto& disabled = Make<RecordingWin>(Main.get(), "disabled", Log, Rect{0, 0, 10, 10});
    auto& c = Make<RecordingWin>(Main.get(), "c", Log, Rect{0, 0, 10, 10});
    for (RecordingWin* stop : {&a, &b, &hidden, &disabled, &c})
        stop->TabStop = true;
    hidden.Hide();
    disabled.SetEnabled(false);
    for (int i = 0; i < 4; ++i)
        TestHooks::Key(*App, Key::Tab);
    TestHooks::Key(*App, Key::Tab, Shift::Shift);
    Pump();
    EXPECT_THAT(Log, ElementsAre("a enter", "a exit", "b enter", "b exit", "c enter", "c exit", "a enter",
                                 "a exit", "c enter"));
    EXPECT_TRUE(c.Focused());
    EXPECT_EQ(Main->ActiveControl(), &c);
}

TEST_F(PlatformTest, KeysGoToTheFocusedControlWithPreviewFirstAndToTheWindowWithoutFocus)
{
    auto& edit = Make<RecordingWin>(Main.get(), "edit", Log, Rect{0, 0, 10, 10});
    TestHooks::Key(*App, Key::Return);
    Pump();
    ASSERT_TRUE(edit.SetFocus());
    TestHooks::Key(*App, Key::Space);
    Pump();
    Main->KeyPreview = true;
    TestHooks::Key(*App, Key::A);
    Pump();
    Main->HandleKeys = true;
    TestHooks::Key(*App, Key::A + 1);
    Pump();
    EXPECT_THAT(Log, ElementsAre("main key 13 0", "edit enter", "edit key 32 0", "main key 65 0",
                                 "edit key 65 0", "main key 66 0"));
    // Hiding the focused control takes the focus away: keys reach the window again.
    Log.clear();
    Main->KeyPreview = false;
    edit.Hide();
    TestHooks::Key(*App, Key::Escape);
    Pump();
    EXPECT_THAT(Log, ElementsAre("edit exit", "main key 27 0"));
    EXPECT_EQ(Main->ActiveControl(), nullptr);
}

TEST_F(PlatformTest, WithMousePreviewTheWindowSeesAPressOnItsControlsFirstAndMayStopIt)
{
    auto& button = Make<RecordingWin>(Main.get(), "button", Log, Rect{100, 50, 300, 150});
    (void)button;
    Main->LogPresses = true;
    TestHooks::MouseMove(*App, 150, 80);
    Pump();
    Log.clear();
    const auto click = [&](std::int32_t x, std::int32_t y) {
        TestHooks::MouseDown(*App, Mouse::Left, x, y);
        TestHooks::MouseUp(*App, Mouse::Left, x, y);
        Pump();
    };
    click(150, 80);
    EXPECT_THAT(Log, ElementsAre("button down 0 50,30", "button click", "button up 0 50,30"));
    Log.clear();
    Main->MousePreview = true;
    click(150, 80);
    EXPECT_THAT(
        Log, ElementsAre("main down 0 150,80", "button down 0 50,30", "button click", "button up 0 50,30"));
    // Stopped by the window: the button has no press and so no click; its release is only a release.
    Log.clear();
    Main->HandlePresses = true;
    click(150, 80);
    EXPECT_THAT(Log, ElementsAre("main down 0 150,80", "button up 0 50,30"));
    // A press on the window itself reaches it once.
    Log.clear();
    TestHooks::MouseMove(*App, 600, 400);
    Pump();
    click(600, 400);
    EXPECT_THAT(Log, ElementsAre("main down 0 600,400"));
}

TEST_F(PlatformTest, TextInputIsOnOnlyWhileATextControlHasTheFocus)
{
    auto& edit = Make<RecordingWin>(Main.get(), "edit", Log, Rect{0, 0, 10, 10});
    auto& button = Make<RecordingWin>(Main.get(), "button", Log, Rect{0, 20, 10, 30});
    edit.TakesText = true;
    EXPECT_FALSE(TestHooks::TextInputActive(*App));
    edit.SetFocus();
    EXPECT_TRUE(TestHooks::TextInputActive(*App));
    TestHooks::Text(*App, "Zoë");
    Pump();
    button.SetFocus();
    EXPECT_FALSE(TestHooks::TextInputActive(*App));
    TestHooks::Text(*App, "lost");
    Pump();
    EXPECT_THAT(Log, ElementsAre("edit enter", "edit text Zoë", "edit exit", "button enter"));
    // Destroying the focused text control turns text input off too.
    edit.SetFocus();
    EXPECT_TRUE(TestHooks::TextInputActive(*App));
    Owned.erase(Owned.begin());
    EXPECT_FALSE(TestHooks::TextInputActive(*App));
}

TEST_F(PlatformTest, FocusOnClickFocusesOnlyControlsThatAskForIt)
{
    auto& list = Make<RecordingWin>(Main.get(), "list", Log, Rect{0, 0, 100, 100});
    auto& plain = Make<RecordingWin>(Main.get(), "plain", Log, Rect{200, 0, 300, 100});
    list.FocusOnClick = true;
    TestHooks::Click(*App, 250, 50);
    Pump();
    EXPECT_FALSE(plain.Focused());
    TestHooks::Click(*App, 50, 50);
    Pump();
    EXPECT_TRUE(list.Focused());
}

TEST_F(PlatformTest, TheCursorIsTheNumberOfTheControlUnderThePointerOrOfItsParent)
{
    auto& board = Make<RecordingWin>(Main.get(), "board", Log, Rect{0, 0, 400, 400});
    Make<RecordingWin>(&board, "cell", Log, Rect{10, 10, 50, 50});
    App->InstallCursor(1, HandCursorImage()); // the dummy driver has no cursors: nothing breaks
    board.SetCursor(1);
    TestHooks::MouseMove(*App, 20, 20);
    Pump();
    EXPECT_EQ(App->CurrentCursor(), 1);
    TestHooks::MouseMove(*App, 600, 20);
    Pump();
    EXPECT_EQ(App->CurrentCursor(), 0);
    TestHooks::MouseMove(*App, 300, 300);
    Pump();
    EXPECT_EQ(App->CurrentCursor(), 1);
    board.SetCursor(0);
    EXPECT_EQ(App->CurrentCursor(), 0);
}

TEST_F(PlatformTest, TheWheelGoesUpTheParentsUntilOneHandlesIt)
{
    auto& outer = Make<RecordingWin>(Main.get(), "outer", Log, Rect{0, 0, 400, 400});
    auto& inner = Make<RecordingWin>(&outer, "inner", Log, Rect{10, 10, 50, 50});
    inner.HandleWheel = false;
    TestHooks::MouseMove(*App, 20, 20);
    TestHooks::Wheel(*App, -1);
    Pump();
    EXPECT_THAT(Log, ElementsAre("inner move 10,10", "inner wheel -120", "outer wheel -120"));
}

TEST_F(PlatformTest, AControlDestroyedByItsOwnClickIsLeftAlone)
{
    auto& button = Make<RecordingGraphic>(Main.get(), "button", Log, Rect{0, 0, 100, 100});
    button.OnClicked = [this] { Owned.clear(); };
    TestHooks::Click(*App, 50, 50);
    TestHooks::MouseMove(*App, 60, 60);
    Pump();
    // No release after the click, no move to the dead control.
    EXPECT_THAT(Log, ElementsAre("button move 50,50", "button down 0 50,50", "button click"));
}

TEST_F(PlatformTest, PointerPositionIsTheLastOneSeenInScreenPixels)
{
    TestHooks::MouseMove(*App, 321, 123);
    Pump();
    EXPECT_EQ(App->PointerPos(), (Point{321, 123}));
    auto& panel = Make<RecordingWin>(Main.get(), "panel", Log, Rect{300, 100, 400, 200});
    EXPECT_EQ(panel.ScreenToClient(App->PointerPos()), (Point{21, 23}));
    EXPECT_EQ(panel.ClientToScreen(Point{1, 2}), (Point{301, 102}));
}
