// The scaled control bases: placing by fractions and panels, the background and target rules,
// painting from the shared surface, hover and capture, radio groups, clicks and shortcuts.
#include "controls/Panel.h"
#include "controls/ScaleCustomControl.h"
#include "controls/ScaleGraphicControl.h"
#include "shell/Commands.h"
#include "support/ShellScene.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;

// Stand-ins of their own namespace, so that no linker takes them for the classes they imitate.
namespace {

// The dialog side as the dialog base provides it, for this layer's tests (the base lies above).
class TModalDialog : public Window, public ScaledDialog
{
    CONTROL_CLASS(TModalDialog, Window);
    explicit TModalDialog(Application& app) : Window(app, BorderStyle::Dialog) {}
    SurfaceSlot& DrawTarget() override { return Buffer; }
    Surface* ScratchSurface() override { return nullptr; }
    void ShowRect(const Rect& rect) override
    {
        if (Buffer != nullptr)
            CopyToCanvas(*Buffer, rect, rect.Left, rect.Top);
    }
    const Surface* DialogBackground() const override { return Background; }
    RelRect DialogPlacement() const override { return Placement; }
    void ButtonCommand(std::int32_t id) override { Commands.push_back(id); }
    void SetModalResult(std::int32_t result) override { ModalResult = result; }
    void Paint() override
    {
        if (Buffer != nullptr)
            CopyToCanvas(*Buffer, PaintClip(), PaintClip().Left, PaintClip().Top);
    }
    SurfaceSlot Buffer;
    const Surface* Background = nullptr;
    RelRect Placement;
    std::vector<int> Commands;
};

class SomeDialog : public TModalDialog
{
    CONTROL_CLASS(SomeDialog, TModalDialog);
    using TModalDialog::TModalDialog;
};

class DeeperDialog : public SomeDialog
{
    CONTROL_CLASS(DeeperDialog, SomeDialog);
    using SomeDialog::SomeDialog;
};

// Controls that count their drawing.
class ProbeGraphic : public TScaleMouseCaptureControl
{
    CONTROL_CLASS(ProbeGraphic, TScaleMouseCaptureControl);
    using TScaleMouseCaptureControl::TScaleMouseCaptureControl;
    void AfterSetup() override { ++Setups; }
    void DrawContent() override
    {
        ++Draws;
        if (Target != nullptr && *Target != nullptr)
            (*Target)->FillRect(PixelArea, Hover != 0 ? 0x0000FF00 : 0x000000FF);
    }
    int Setups = 0;
    int Draws = 0;
};

class ProbeButton : public TSButtonControl
{
    CONTROL_CLASS(ProbeButton, TSButtonControl);
    using TSButtonControl::TSButtonControl;
    void DrawContent() override { ++Draws; }
    int Draws = 0;
};

class ProbeCustom : public TScaleCustomControl
{
    CONTROL_CLASS(ProbeCustom, TScaleCustomControl);
    using TScaleCustomControl::TScaleCustomControl;
};

} // namespace

class ScaleControlsTest : public ShellScene
{
protected:
    void MoveTo(std::int32_t x, std::int32_t y)
    {
        TestHooks::MouseMove(*App, x, y);
        Pump();
    }
};

TEST_F(ScaleControlsTest, AreasBecomePixelBoundsByRoundingEachEdge)
{
    ProbeGraphic control(Screen.get());
    control.Setup(nullptr, RelRect{0.2f, 0.24f, 0.46f, 0.37f}, 7, 42, "Caption", nullptr);
    EXPECT_EQ(control.Parent(), Screen.get());
    EXPECT_EQ(control.PixelArea, (Rect{205, 184, 471, 284}));
    EXPECT_EQ(control.BoundsRect(), (Rect{205, 184, 471, 284}));
    EXPECT_EQ(control.Width(), 266);
    EXPECT_EQ(control.Height(), 100);
    EXPECT_EQ(control.Id, 42);
    EXPECT_EQ(control.Tag, 7);
    EXPECT_EQ(control.Caption(), "Caption");
    EXPECT_EQ(control.Setups, 1);
    EXPECT_EQ(control.Target, &Main->BackBuffer);
    // The windowed base places itself by the same rule.
    ProbeButton button(Screen.get());
    button.Setup(nullptr, RelRect{0.2f, 0.24f, 0.46f, 0.37f}, 0, 1, "", nullptr);
    EXPECT_EQ(button.BoundsRect(), (Rect{205, 184, 471, 284}));
}

TEST_F(ScaleControlsTest, AControlOnAPanelIsPlacedFromThePanelsOriginAndTakesItsBackground)
{
    Panel panel;
    panel.Init(*Screen);
    EXPECT_EQ(panel.Target, &Main->BackBuffer);
    EXPECT_NE(panel.Font, nullptr);
    panel.SetArea(MakeRelRect(0.1f, 0.5f, 0.3f, 0.2f));
    EXPECT_EQ(panel.PixelArea, ScreenRect(panel.Area));
    auto picture = GamePicture(Pictures::BButtons);
    panel.Background = picture.get();

    ProbeGraphic control(Screen.get());
    const RelRect area{0.01f, 0.01f, 0.05f, 0.04f};
    control.Setup(&panel, area, 0, 0, "", nullptr);
    EXPECT_EQ(control.Area.Left, area.Left); // kept as given
    EXPECT_EQ(control.PixelArea, ScreenRect(RelRect{0.11f, 0.51f, 0.15f, 0.54f}));
    const RelRect spans = control.GetBackground();
    EXPECT_EQ(control.Background, picture.get());
    EXPECT_FLOAT_EQ(spans.Left, 0.1f);
    EXPECT_FLOAT_EQ(spans.Bottom, 0.7f);
    ProbeButton button(Screen.get());
    button.Setup(&panel, area, 0, 0, "", nullptr);
    EXPECT_EQ(button.PixelArea, control.PixelArea);
    button.GetBackground();
    EXPECT_EQ(button.Background, picture.get());
}

TEST_F(ScaleControlsTest, BackgroundAndTargetFollowTheDirectBaseOfTheParent)
{
    auto dialogSkin = GamePicture(Pictures::BDialog);
    SomeDialog dialog(*App);
    dialog.Background = dialogSkin.get();
    dialog.Placement = RelRect{0.3f, 0.2f, 0.7f, 0.6f};
    ProbeGraphic onDialog(&dialog);
    onDialog.Setup(nullptr, MakeRelRect(0.01f, 0.01f, 0.05f, 0.05f), 0, 0, "", nullptr);
    EXPECT_EQ(onDialog.Target, &dialog.Buffer);
    RelRect spans = onDialog.GetBackground();
    EXPECT_EQ(onDialog.Background, dialogSkin.get());
    EXPECT_FLOAT_EQ(spans.Left, 0.0f);
    EXPECT_FLOAT_EQ(spans.Right, 0.4f);
    EXPECT_FLOAT_EQ(spans.Bottom, 0.4f);

    // Two levels below the dialog base is no dialog: its controls draw into the back buffer.
    DeeperDialog deeper(*App);
    deeper.Background = dialogSkin.get();
    ProbeGraphic onDeeper(&deeper);
    onDeeper.Setup(nullptr, MakeRelRect(0.01f, 0.01f, 0.05f, 0.05f), 0, 0, "", nullptr);
    EXPECT_EQ(onDeeper.Target, &Main->BackBuffer);
    onDeeper.Background = dialogSkin.get();
    spans = onDeeper.GetBackground();
    EXPECT_EQ(onDeeper.Background, nullptr);
    EXPECT_FLOAT_EQ(spans.Right, 0.0f);

    // On a screen: the screen's background over the whole screen.
    Screen->Background = GamePicture(Pictures::MMBack);
    ProbeGraphic onScreen(Screen.get());
    onScreen.Setup(nullptr, MakeRelRect(0.1f, 0.1f, 0.1f, 0.1f), 0, 0, "", nullptr);
    spans = onScreen.GetBackground();
    EXPECT_EQ(onScreen.Background, Screen->Background.get());
    EXPECT_FLOAT_EQ(spans.Right, 1.0f);
    EXPECT_FLOAT_EQ(spans.Bottom, 1.0f);
    // A windowed control on a screen has no rule: it keeps what it had.
    ProbeButton button(Screen.get());
    button.Setup(nullptr, MakeRelRect(0.1f, 0.1f, 0.1f, 0.1f), 0, 0, "", nullptr);
    button.Background = dialogSkin.get();
    spans = button.GetBackground();
    EXPECT_EQ(button.Background, dialogSkin.get());
    EXPECT_FLOAT_EQ(spans.Right, 0.0f);

    // Inside a scaled windowed control: its background and area.
    ProbeCustom host(Screen.get());
    host.Setup(nullptr, MakeRelRect(0.2f, 0.2f, 0.3f, 0.3f), 0, 0, "", nullptr);
    host.Background = dialogSkin.get();
    ProbeGraphic inner(&host);
    inner.Setup(nullptr, MakeRelRect(0.01f, 0.01f, 0.05f, 0.05f), 0, 0, "", nullptr);
    spans = inner.GetBackground();
    EXPECT_EQ(inner.Background, dialogSkin.get());
    EXPECT_FLOAT_EQ(spans.Left, 0.2f);
    EXPECT_FLOAT_EQ(spans.Right, 0.5f);
}

TEST_F(ScaleControlsTest, PaintDrawsIntoTheTargetAndShowsThatPieceButNothingWithoutATarget)
{
    SomeDialog dialog(*App);
    dialog.SetBounds(300, 200, 400, 300);
    ProbeGraphic control(&dialog);
    control.Setup(nullptr, MakeRelRect(0.05f, 0.05f, 0.1f, 0.1f), 0, 0, "", nullptr);
    dialog.Show();
    Pump();
    EXPECT_EQ(control.Draws, 0); // no buffer yet: nothing drawn
    dialog.Buffer = Surface::CreateCanvas(nullptr, 400, 300);
    dialog.Buffer->Clear(0x00FFFFFF);
    control.Paint();
    Pump();
    EXPECT_EQ(control.Draws, 1);
    const Point inside = control.ClientToScreen(Point{5, 5});
    EXPECT_EQ(Pixel(inside), 0x000000FFu);
    EXPECT_EQ(dialog.Buffer->PixelAt(control.PixelArea.Left + 5, control.PixelArea.Top + 5), 0x000000FFu);
    // A repaint of the window draws the control again over the fresh copy.
    dialog.Invalidate();
    Pump();
    EXPECT_EQ(control.Draws, 2);
    EXPECT_EQ(Pixel(inside), 0x000000FFu);
}

TEST_F(ScaleControlsTest, LeavingWithTheButtonHeldKeepsPressedAndTheCaptureAndClearsHover)
{
    ProbeGraphic control(Screen.get());
    control.Setup(nullptr, RelRect{0.2f, 0.24f, 0.46f, 0.37f}, 0, 5, "", nullptr);
    MoveTo(300, 200);
    EXPECT_EQ(control.Hover, 1);
    EXPECT_TRUE(control.MouseCapture());
    EXPECT_EQ(Pixel(300, 200), 0x0000FF00u);
    TestHooks::MouseDown(*App, Mouse::Left, 300, 200);
    Pump();
    EXPECT_EQ(control.Pressed, 1);
    const int draws = control.Draws;
    MoveTo(600, 600);
    EXPECT_EQ(control.Hover, 0);
    EXPECT_EQ(control.Pressed, 1);
    EXPECT_TRUE(control.MouseCapture());
    EXPECT_EQ(control.Draws, draws + 1);
    EXPECT_EQ(Pixel(300, 200), 0x000000FFu);
    // Released outside: no click, no command.
    TestHooks::MouseUp(*App, Mouse::Left, 600, 600);
    Pump();
    EXPECT_EQ(control.Pressed, 0);
    EXPECT_FALSE(control.MouseCapture());
    EXPECT_TRUE(Screen->Commands.empty());
    // Leaving without a button held lets the capture go.
    MoveTo(300, 200);
    EXPECT_TRUE(control.MouseCapture());
    MoveTo(100, 100);
    EXPECT_EQ(control.Hover, 0);
    EXPECT_FALSE(control.MouseCapture());
}

TEST_F(ScaleControlsTest, AClickReportsTheIdToTheScreenAndHoverFollowsThePointerAfterwards)
{
    ProbeGraphic control(Screen.get());
    control.Setup(nullptr, RelRect{0.2f, 0.24f, 0.46f, 0.37f}, 0, 5, "", nullptr);
    // The command hides the control: it keeps no hover and no capture.
    Screen->OnCommand = [&](int) { control.Hide(); };
    TestHooks::Click(*App, 300, 200);
    Pump();
    EXPECT_THAT(Screen->Commands, ElementsAre(5));
    EXPECT_THAT(Screen->Sources, ElementsAre(CommandSource::Control));
    EXPECT_EQ(control.Hover, 0);
    EXPECT_FALSE(control.MouseCapture());
    control.Show();
    Screen->OnCommand = nullptr;
    // A double click counts as two clicks.
    TestHooks::DoubleClick(*App, 300, 200);
    Pump();
    EXPECT_THAT(Screen->Commands, ElementsAre(5, 5, 5));
    EXPECT_EQ(control.Hover, 1);
    // Select: drawn selected and hovered, then clicked.
    control.Select();
    EXPECT_EQ(control.Selected, 1);
    EXPECT_EQ(Screen->Commands.size(), 4u);
}

TEST_F(ScaleControlsTest, AClickWhoseCommandShowsADialogLeavesTheButtonReleasedForTheNextClick)
{
    ProbeGraphic opener(Screen.get());
    ProbeGraphic other(Screen.get());
    opener.Setup(nullptr, MakeRelRect(0.1f, 0.1f, 0.1f, 0.05f), 0, CommandId::New, "", nullptr);
    other.Setup(nullptr, MakeRelRect(0.3f, 0.1f, 0.1f, 0.05f), 0, CommandId::Load, "", nullptr);
    TModalDialog dialog(*App);
    dialog.SetBounds(600, 400, 200, 100);
    TestHooks::SetModalHook(*App, [](Window& window) { window.ModalResult = ModalResult::Cancel; });
    Screen->OnCommand = [&](int code) {
        if (code == CommandId::New)
            dialog.ShowModal();
    };
    const Point a = opener.ClientToScreen(Point{10, 10});
    TestHooks::Click(*App, a.X, a.Y);
    Pump();
    TestHooks::SetModalHook(*App, nullptr);
    // The release went to the dialog's loop: the button is not left pressed holding the mouse,
    // so the next click elsewhere is the other button's.
    EXPECT_EQ(opener.Pressed, 0);
    const Point b = other.ClientToScreen(Point{10, 10});
    TestHooks::Click(*App, b.X, b.Y);
    Pump();
    EXPECT_THAT(Screen->Commands, ElementsAre(CommandId::New, CommandId::Load));
    EXPECT_EQ(opener.Hover, 0);
    EXPECT_FALSE(opener.MouseCapture());
}

TEST_F(ScaleControlsTest, ADisabledControlTakesNoCaptureFromTheScreensHoverSync)
{
    ProbeGraphic control(Screen.get());
    control.Setup(nullptr, RelRect{0.2f, 0.24f, 0.46f, 0.37f}, 0, CommandId::Restore, "", nullptr);
    MoveTo(300, 200);
    control.SetEnabled(false);
    Screen->SyncMouseCapture();
    EXPECT_FALSE(control.MouseCapture());
    EXPECT_EQ(control.Hover, 0);
    TestHooks::Click(*App, 300, 200);
    Pump();
    EXPECT_TRUE(Screen->Commands.empty());
}

TEST_F(ScaleControlsTest, ARadioGroupDeselectsOnlyTheSameGroupUnderTheSameParent)
{
    std::vector<std::unique_ptr<ProbeGraphic>> buttons;
    for (int i = 0; i < 4; ++i) {
        auto b = std::make_unique<ProbeGraphic>(Screen.get());
        b->Setup(nullptr, MakeRelRect(0.1f * static_cast<float>(i + 1), 0.1f, 0.08f, 0.05f), 0,
                 CommandId::ChooseTool, "", nullptr);
        b->Group = i < 3 ? 1 : 2;
        buttons.push_back(std::move(b));
    }
    // Same group number under another parent.
    ProbeCustom otherParent(Screen.get());
    otherParent.Setup(nullptr, MakeRelRect(0.1f, 0.5f, 0.5f, 0.2f), 0, 0, "", nullptr);
    ProbeGraphic elsewhere(&otherParent);
    elsewhere.Setup(nullptr, MakeRelRect(0.01f, 0.01f, 0.05f, 0.05f), 0, 0, "", nullptr);
    elsewhere.Group = 1;
    elsewhere.Selected = 1;
    buttons[0]->Selected = 1;
    buttons[3]->Selected = 1;
    buttons[2]->Click();
    EXPECT_EQ(buttons[0]->Selected, 0);
    EXPECT_EQ(buttons[1]->Selected, 0);
    EXPECT_EQ(buttons[2]->Selected, 1);
    EXPECT_EQ(buttons[3]->Selected, 1);
    EXPECT_EQ(elsewhere.Selected, 1);
    EXPECT_THAT(Screen->Commands, ElementsAre(CommandId::ChooseTool));
    // Without a group a click selects nothing.
    buttons[3]->Group = 0;
    buttons[3]->Selected = 0;
    buttons[3]->Click();
    EXPECT_EQ(buttons[3]->Selected, 0);
    EXPECT_EQ(buttons[2]->Selected, 1);
}

TEST_F(ScaleControlsTest, AWindowedButtonReportsToItsDialogOrTheScreenAndShowsAndHidesWhole)
{
    SomeDialog dialog(*App);
    ProbeButton onDialog(&dialog);
    onDialog.Setup(nullptr, MakeRelRect(0.01f, 0.01f, 0.05f, 0.05f), 0, CommandId::ToggleKind, "&Human",
                   nullptr);
    EXPECT_TRUE(onDialog.TabStop);
    onDialog.Hover = 1;
    onDialog.Pressed = 1;
    onDialog.Click();
    EXPECT_THAT(dialog.Commands, ElementsAre(CommandId::ToggleKind));
    EXPECT_TRUE(Screen->Commands.empty());
    EXPECT_EQ(onDialog.Hover, 0);
    EXPECT_EQ(onDialog.Pressed, 0);
    ProbeButton onScreen(Screen.get());
    onScreen.Setup(nullptr, MakeRelRect(0.01f, 0.01f, 0.05f, 0.05f), 0, CommandId::MainMenu, "", nullptr);
    onScreen.Click();
    EXPECT_THAT(Screen->Commands, ElementsAre(CommandId::MainMenu));
    onScreen.HideAndDisable();
    EXPECT_FALSE(onScreen.Visible());
    EXPECT_FALSE(onScreen.Enabled());
    onScreen.ShowAndEnable();
    EXPECT_TRUE(onScreen.Visible());
    EXPECT_TRUE(onScreen.Enabled());
    // No screen: nothing is reported.
    Screen->Deactivate();
    CurrentScreen = nullptr;
    onScreen.Click();
    EXPECT_EQ(Screen->Commands.size(), 1u);
}

TEST_F(ScaleControlsTest, TheShortcutIsTheLetterAfterTheAmpersand)
{
    ProbeButton button(Screen.get());
    button.Setup(nullptr, MakeRelRect(0.01f, 0.01f, 0.05f, 0.05f), 0, 1, "&Ok", nullptr);
    EXPECT_EQ(button.Shortcut, Key::A + ('O' - 'A'));
    button.SetCaption("Sa&ve");
    button.ParseShortcut();
    EXPECT_EQ(button.Shortcut, Key::A + ('V' - 'A'));
    button.SetCaption("Human");
    button.ParseShortcut();
    EXPECT_EQ(button.Shortcut, 0);
    button.SetCaption("Trailing&");
    button.ParseShortcut();
    EXPECT_EQ(button.Shortcut, 0);
    // Only classes directly below the button base take one at Setup.
    class Lower : public ProbeButton
    {
        CONTROL_CLASS(Lower, ProbeButton);
        using ProbeButton::ProbeButton;
    };
    Lower lower(Screen.get());
    lower.Setup(nullptr, MakeRelRect(0.01f, 0.01f, 0.05f, 0.05f), 0, 1, "&Ok", nullptr);
    EXPECT_EQ(lower.Shortcut, 0);
}

TEST_F(ScaleControlsTest, PressByShortcutShowsThePressedLookThenClicksAndRepaints)
{
    ProbeButton button(Screen.get());
    button.Setup(nullptr, MakeRelRect(0.01f, 0.01f, 0.05f, 0.05f), 0, 33, "&Go", nullptr);
    const int before = button.Draws;
    button.PressByShortcut();
    EXPECT_EQ(button.Draws, before + 2);
    EXPECT_THAT(Screen->Commands, ElementsAre(33));
    EXPECT_EQ(button.Hover, 0);
    EXPECT_EQ(button.Pressed, 0);
    // A click that disables the button leaves out the last paint.
    Screen->OnCommand = [&](int) { button.SetEnabled(false); };
    button.PressByShortcut();
    EXPECT_EQ(button.Draws, before + 3);
}
