// The modal dialog base with real scaled controls: placement, the buffer of each show, the screen's
// Busy flag, shortcuts and edits, modal results from buttons, commands, the combo box, the game
// dialogs' placement, and a dialog scene at two screen sizes.
#include "dialogs/ModalDialog.h"

#include "controls/Panel.h"
#include "controls/SButton.h"
#include "controls/SCheckBox.h"
#include "controls/SComboBox.h"
#include "controls/SImageList.h"
#include "controls/SLabel.h"
#include "platform/DropDownList.h"
#include "platform/Edit.h"
#include "platform/ListBox.h"
#include "shell/Commands.h"
#include "support/ShellScene.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;

namespace {

constexpr Colour Face = 0x00C9C5B7;

// A dialog whose content is set by the test.
class TestDialog : public TModalDialog
{
    CONTROL_CLASS(TestDialog, TModalDialog);
    explicit TestDialog(WinControl& owner) : TModalDialog(owner) {}
    void ShowContent() override
    {
        ++Shows;
        if (Content)
            Content();
    }
    void ButtonCommand(std::int32_t id) override
    {
        ButtonCommands.push_back(id);
        TModalDialog::ButtonCommand(id);
    }
    std::function<void()> Content;
    int Shows = 0;
    std::vector<int> ButtonCommands;
};

// A scaled windowed control that only holds other controls.
class Holder : public TScaleCustomControl
{
    CONTROL_CLASS(Holder, TScaleCustomControl);
    using TScaleCustomControl::TScaleCustomControl;
};

// A dialog button that records the frame of every drawing; it presents itself as a kind directly
// below the button base, as TSButton is, so that the dialog presses it by its shortcut.
class FrameProbe : public TSButton
{
public:
    using TSButton::TSButton;
    const ClassInfo& GetClassInfo() const override
    {
        static const ClassInfo info{"FrameProbe", &TSButtonControl::StaticClassInfo(), &typeid(FrameProbe)};
        return info;
    }
    void DrawContent() override
    {
        Frames.push_back(Frame());
        TSButton::DrawContent();
    }
    std::vector<int> Frames;
};

} // namespace

class ModalDialogTest : public ShellScene
{
protected:
    // Runs the dialog modally; the hook gets each turn's number until it sets a result.
    int Run(TModalDialog& dialog, std::function<void(int)> turn)
    {
        int n = 0;
        TestHooks::SetModalHook(*App, [&](Window& w) {
            if (&w != &dialog) {
                w.ModalResult = ModalResult::Ok;
                return;
            }
            if (++n > 50) {
                w.ModalResult = 99; // the test's steps never ended it
                return;
            }
            turn(n);
        });
        const int result = dialog.ShowModal();
        TestHooks::SetModalHook(*App, nullptr);
        return result;
    }
    void Key(KeyCode key)
    {
        TestHooks::Key(*App, key);
        Pump();
    }
};

TEST_F(ModalDialogTest, PlacementPutsTheWindowByScreenFractionsAndMoveToKeepsTheSize)
{
    TestDialog dialog(*Screen);
    EXPECT_EQ(dialog.CloseAction, ::CloseAction::Hide);
    EXPECT_TRUE(dialog.KeyPreview);
    EXPECT_EQ(dialog.Border(), BorderStyle::Dialog);
    EXPECT_EQ(dialog.GetFont()->PixelHeight(), 13);
    dialog.SetPlacement(MakeRelRect(0.39f, 0.44f, 0.22f, 0.12f));
    const Rect r = ScreenRect(dialog.Placement);
    EXPECT_EQ(dialog.OuterRect().Left, r.Left);
    EXPECT_EQ(dialog.OuterRect().Top, r.Top);
    EXPECT_EQ(dialog.Width(), r.Width());
    EXPECT_EQ(dialog.Height(), r.Height());
    dialog.MoveTo(0.5f - 0.11f, 0.3f);
    EXPECT_FLOAT_EQ(dialog.Placement.Left, 0.39f);
    EXPECT_FLOAT_EQ(dialog.Placement.Top, 0.3f);
    EXPECT_NEAR(dialog.Placement.Right - dialog.Placement.Left, 0.22f, 1e-6);
    EXPECT_NEAR(dialog.Placement.Bottom - dialog.Placement.Top, 0.12f, 1e-6);
    EXPECT_EQ(dialog.OuterRect().Top, Round(768 * 0.3));
}

TEST_F(ModalDialogTest, EveryShowMakesAFreshBufferOfTheClientSizeAndClosingFreesIt)
{
    TestDialog dialog(*Screen);
    dialog.SetPlacement(MakeRelRect(0.3f, 0.3f, 0.3f, 0.2f));
    dialog.Content = [&] {
        EXPECT_TRUE(Screen->Busy);
        ASSERT_NE(dialog.Buffer, nullptr);
        EXPECT_EQ(dialog.Buffer->Width, dialog.Width());
        EXPECT_EQ(dialog.Buffer->Height, dialog.Height());
        // Without a background the canvas is as it was made; the first show marks it.
        EXPECT_EQ(dialog.Buffer->PixelAt(10, 10), 0u);
        if (dialog.Shows == 1)
            dialog.Buffer->FillRect(Rect{0, 0, 40, 40}, 0x000000FF);
    };
    EXPECT_EQ(Run(dialog, [&](int) { dialog.ModalResult = ModalResult::Ok; }), ModalResult::Ok);
    EXPECT_EQ(dialog.Buffer, nullptr);
    EXPECT_FALSE(Screen->Busy);
    EXPECT_FALSE(dialog.Visible());
    // Bigger the second time: the buffer follows, and the mark is gone.
    dialog.SetPlacement(MakeRelRect(0.2f, 0.2f, 0.5f, 0.4f));
    int seen = 0;
    Run(dialog, [&](int) {
        Pump();
        const Point p = dialog.ClientToScreen(Point{10, 10});
        EXPECT_EQ(Pixel(p), 0u);
        ++seen;
        dialog.ModalResult = ModalResult::Cancel;
    });
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(dialog.Shows, 2);
    // The background is stretched over the whole client area.
    dialog.Background = DialogSkin.get();
    dialog.Content = nullptr;
    Run(dialog, [&](int) {
        EXPECT_LE(ChannelDistance(dialog.Buffer->PixelAt(dialog.Width() / 2, dialog.Height() / 2),
                                  DialogSkin->PixelAt(DialogSkin->Width / 2, DialogSkin->Height / 2)),
                  16);
        dialog.ModalResult = ModalResult::Ok;
    });
}

TEST_F(ModalDialogTest, ADialogShownOverAnotherLeavesTheScreenWaitingUntilTheLastCloses)
{
    TestDialog outer(*Screen);
    TestDialog inner(*Screen);
    outer.SetPlacement(MakeRelRect(0.3f, 0.3f, 0.4f, 0.4f));
    inner.SetPlacement(MakeRelRect(0.4f, 0.4f, 0.2f, 0.2f));
    bool busyAfterInner = false;
    Run(outer, [&](int) {
        inner.ShowModal(); // the hook answers it at once
        busyAfterInner = Screen->Busy;
        outer.ModalResult = ModalResult::Ok;
    });
    EXPECT_TRUE(busyAfterInner);
    EXPECT_FALSE(Screen->Busy);
}

TEST_F(ModalDialogTest, ControlsAndPanelsAtAnyDepthDrawForTheDialogAndSendItTheirCommands)
{
    TestDialog dialog(*Screen);
    dialog.Background = DialogSkin.get();
    dialog.SetPlacement(MakeRelRect(0.3f, 0.3f, 0.4f, 0.3f));
    Holder holder(&dialog);
    holder.Setup(nullptr, MakeRelRect(0.01f, 0.01f, 0.2f, 0.1f), 0, CommandId::None, "", nullptr);
    TSButton kind(&holder);
    kind.Setup(nullptr, MakeRelRect(0.02f, 0.02f, 0.075f, 0.03f), 0, CommandId::ToggleKindOf(2), "&Human",
               DialogButtonSkin.get());
    EXPECT_EQ(kind.Target, &dialog.Buffer);
    Panel panel;
    panel.Init(dialog);
    EXPECT_EQ(panel.Target, &dialog.Buffer);
    panel.SetArea(MakeRelRect(0.25f, 0.15f, 0.1f, 0.1f));
    auto picture = GamePicture(Pictures::BButtons);
    panel.Background = picture.get();
    const Point middle{(panel.PixelArea.Left + panel.PixelArea.Right) / 2,
                       (panel.PixelArea.Top + panel.PixelArea.Bottom) / 2};
    Colour shown = 0;
    Run(dialog, [&](int n) {
        if (n == 1) {
            panel.Refresh();
            kind.Click();
        } else {
            shown = Pixel(dialog.ClientToScreen(middle));
            dialog.ModalResult = ModalResult::Cancel;
        }
    });
    // The panel shows itself in the dialog's window, not through the screen below it.
    EXPECT_LT(ChannelDistance(shown, picture->PixelAt(picture->Width / 2, picture->Height / 2)), 24);
    EXPECT_THAT(dialog.ButtonCommands, ElementsAre(CommandId::ToggleKindOf(2)));
    EXPECT_THAT(Screen->Commands, ElementsAre(CommandId::ToggleKindOf(2)));
    EXPECT_THAT(Screen->Sources, ElementsAre(CommandSource::Control));
}

TEST_F(ModalDialogTest, AnOkButtonPressedByItsLetterShowsFrameTwoOnceAndEndsTheDialogWithOne)
{
    TestDialog dialog(*Screen);
    dialog.Background = DialogSkin.get();
    dialog.SetPlacement(MakeRelRect(0.39f, 0.44f, 0.22f, 0.12f));
    FrameProbe ok(&dialog);
    ok.Setup(nullptr, MakeRelRect(0.025f, 0.08f, 0.078f, 0.03f), 0, 1, "&Ok", DialogButtonSkin.get());
    TSButton cancel(&dialog);
    cancel.Setup(nullptr, MakeRelRect(0.117f, 0.08f, 0.078f, 0.03f), 0, 2, "&Cancel", DialogButtonSkin.get());
    dialog.Content = [&] { cancel.SetFocus(); };
    const int result = Run(dialog, [&](int n) {
        if (n == 1) {
            ok.Frames.clear();
            TestHooks::Key(*App, Key::A + ('O' - 'A'));
        }
    });
    EXPECT_EQ(result, ModalResult::Ok);
    EXPECT_THAT(ok.Frames, ElementsAre(2, 0));
    EXPECT_EQ(ok.Hover, 0);
    EXPECT_EQ(ok.Pressed, 0);
    EXPECT_TRUE(Screen->Commands.empty());
}

TEST_F(ModalDialogTest, WithAnEditFocusedTheLetterIsTypedAndPressesNothing)
{
    TestDialog dialog(*Screen);
    dialog.SetPlacement(MakeRelRect(0.39f, 0.275f, 0.22f, 0.25f));
    TSButton ok(&dialog);
    ok.Setup(nullptr, MakeRelRect(0.025f, 0.2f, 0.078f, 0.03f), 0, 1, "&Ok", DialogButtonSkin.get());
    Edit name(&dialog);
    name.SetParent(&dialog);
    name.Color = Face;
    name.MaxLength = 15;
    const Rect r = ScreenRect(MakeRelRect(0.1f, 0.128f, 0.06f, 0.024f));
    name.SetBounds(r.Left, r.Top, r.Width(), r.Height());
    dialog.Content = [&] { name.SetFocus(); };
    std::string typed;
    const int result = Run(dialog, [&](int n) {
        switch (n) {
        case 1:
            TestHooks::Key(*App, Key::A + ('O' - 'A'));
            TestHooks::Text(*App, "o");
            TestHooks::Key(*App, Key::Return); // Enter in an edit does not close the dialog
            TestHooks::Key(*App, Key::Escape);
            break;
        case 2:
            typed = name.Text();
            EXPECT_EQ(dialog.ModalResult, 0);
            ok.SetFocus();
            TestHooks::Key(*App, Key::A + ('O' - 'A'));
            break;
        default:
            break;
        }
    });
    EXPECT_EQ(typed, "o");
    EXPECT_EQ(result, ModalResult::Ok);
}

TEST_F(ModalDialogTest, EnterPressesOnlyAFocusedButtonAndHiddenOrDisabledButtonsTakeNoShortcut)
{
    TestDialog dialog(*Screen);
    dialog.SetPlacement(MakeRelRect(0.38f, 0.44f, 0.24f, 0.12f));
    TSButton yes(&dialog);
    TSButton no(&dialog);
    TSButton kind(&dialog);
    yes.Setup(nullptr, MakeRelRect(0.035f, 0.08f, 0.078f, 0.03f), 0, 6, "&Yes", DialogButtonSkin.get());
    no.Setup(nullptr, MakeRelRect(0.127f, 0.08f, 0.078f, 0.03f), 0, 7, "&No", DialogButtonSkin.get());
    kind.Setup(nullptr, MakeRelRect(0.01f, 0.01f, 0.075f, 0.024f), 0, CommandId::ToggleKindOf(3), "&Human",
               DialogButtonSkin.get());
    const int result = Run(dialog, [&](int n) {
        switch (n) {
        case 1:
            // Nothing focused: Enter and Escape do nothing.
            dialog.SetFocus();
            TestHooks::Key(*App, Key::Return);
            TestHooks::Key(*App, Key::Escape);
            break;
        case 2:
            EXPECT_EQ(dialog.ModalResult, 0);
            yes.SetEnabled(false);
            no.Hide();
            TestHooks::Key(*App, Key::A + ('Y' - 'A'));
            TestHooks::Key(*App, Key::A + ('N' - 'A'));
            // Other ids go to the screen through ButtonCommand.
            TestHooks::Key(*App, Key::A + ('H' - 'A'));
            break;
        case 3:
            EXPECT_EQ(dialog.ModalResult, 0);
            EXPECT_THAT(Screen->Commands, ElementsAre(CommandId::ToggleKindOf(3)));
            no.Show();
            no.SetFocus();
            TestHooks::Key(*App, Key::Return);
            break;
        default:
            break;
        }
    });
    EXPECT_EQ(result, ModalResult::No);
}

TEST_F(ModalDialogTest, ChoosingAComboItemShowsItReportsTheIdAndGivesTheFocusBack)
{
    TestDialog dialog(*Screen);
    dialog.Background = DialogSkin.get();
    dialog.SetPlacement(MakeRelRect(0.35f, 0.215f, 0.3f, 0.57f));
    TSComboBox boards(&dialog);
    boards.List->Color = Face;
    boards.Setup(nullptr, MakeRelRect(0.09f, 0.03f, 0.15f, 0.024f), 0, 31, "", ComboBoxSkin.get());
    boards.List->SetItems({"Board1", "Harbour", "Old Town"});
    dialog.Content = [&] {
        boards.List->SetItemIndex(0);
        boards.SetCaption(boards.List->Text());
        boards.SetFocus();
    };
    std::string caption;
    WinControl* focused = &boards;
    const int result = Run(dialog, [&](int n) {
        const Point face = boards.ClientToScreen(Point{boards.Width() / 2, boards.Height() / 2});
        switch (n) {
        case 1:
            TestHooks::Click(*App, face.X, face.Y);
            break;
        case 2: {
            ASSERT_TRUE(boards.List->DroppedDown());
            const Rect popup = boards.List->PopupRect();
            const std::int32_t row = (popup.Height() - 2) / 3;
            TestHooks::MouseMove(*App, popup.Left + 10, popup.Top + 1 + 2 * row + row / 2);
            TestHooks::Click(*App, popup.Left + 10, popup.Top + 1 + 2 * row + row / 2);
            break;
        }
        case 3:
            caption = boards.Caption();
            focused = dialog.ActiveControl();
            dialog.ModalResult = ModalResult::Cancel;
            break;
        default:
            break;
        }
    });
    EXPECT_EQ(result, ModalResult::Cancel);
    EXPECT_EQ(caption, "Old Town");
    EXPECT_EQ(boards.List->Text(), "Old Town");
    EXPECT_THAT(Screen->Commands, ElementsAre(31));
    EXPECT_EQ(focused, nullptr);
}

TEST(GameDialogPlacement, CentredBesideTheCellAndPulledIntoTheMiddleBand)
{
    RelRect r = PlaceGameDialog(0.3f, 0.2f, false, 0.9f, 0.9f);
    EXPECT_FLOAT_EQ(r.Left, 0.35f);
    EXPECT_FLOAT_EQ(r.Top, 0.4f);
    EXPECT_FLOAT_EQ(r.Right, 0.65f);
    // Right half: to the left of the cell.
    r = PlaceGameDialog(0.3f, 0.2f, true, 0.8f, 0.5f);
    EXPECT_FLOAT_EQ(r.Left, 0.4f);
    EXPECT_FLOAT_EQ(r.Top, 0.4f);
    // Left half: to the right.
    r = PlaceGameDialog(0.3f, 0.2f, true, 0.3f, 0.5f);
    EXPECT_FLOAT_EQ(r.Left, 0.4f);
    // Near the edges: inside 0.1 to 0.9.
    r = PlaceGameDialog(0.3f, 0.2f, true, 0.55f, 0.05f);
    EXPECT_FLOAT_EQ(r.Left, 0.15f);
    EXPECT_FLOAT_EQ(r.Top, 0.1f);
    r = PlaceGameDialog(0.3f, 0.2f, true, 0.45f, 0.97f);
    EXPECT_FLOAT_EQ(r.Left, 0.55f);
    EXPECT_FLOAT_EQ(r.Top, 0.7f);
    // Wider than the band: the second test wins.
    r = PlaceGameDialog(0.9f, 0.2f, true, 0.2f, 0.5f);
    EXPECT_FLOAT_EQ(r.Left, 0.0f);
    EXPECT_FLOAT_EQ(r.Right, 0.9f);
}

class DialogSceneTest : public ModalDialogTest, public ::testing::WithParamInterface<ScreenSizeRecord>
{
protected:
    void SetUp() override { StartAt(GetParam().Width, GetParam().Height); }
    Rect OnScreen(const Control& c)
    {
        return Rect{c.ClientToScreen({0, 0}).X, c.ClientToScreen({0, 0}).Y,
                    c.ClientToScreen({0, 0}).X + c.Width(), c.ClientToScreen({0, 0}).Y + c.Height()};
    }
};

TEST_P(DialogSceneTest, ADialogShowsItsButtonsCheckBoxesComboLabelPictureEditAndList)
{
    TestDialog dialog(*Screen);
    dialog.SetCaption("New Game");
    dialog.Background = DialogSkin.get();
    dialog.SetPlacement(MakeRelRect(0.35f, 0.215f, 0.3f, 0.57f));
    TSButton ok(&dialog);
    TSButton cancel(&dialog);
    ok.Setup(nullptr, MakeRelRect(0.065f, 0.52f, 0.078f, 0.03f), 0, 1, "&New", DialogButtonSkin.get());
    cancel.Setup(nullptr, MakeRelRect(0.157f, 0.52f, 0.078f, 0.03f), 0, 2, "&Cancel", DialogButtonSkin.get());
    TSComboBox boards(&dialog);
    boards.List->Color = Face;
    boards.Setup(nullptr, MakeRelRect(0.09f, 0.03f, 0.15f, 0.024f), 0, 0, "", ComboBoxSkin.get());
    boards.List->SetItems({"Board1", "Harbour"});
    TSLabel label(&dialog);
    label.Setup(nullptr, MakeRelRect(0.01f, 0.03f, 0.07f, 0.024f), 0, 0, "Board:", nullptr);
    label.Alignment = 1;
    TSCheckBox inGame(&dialog);
    TSCheckBox out(&dialog);
    inGame.Setup(nullptr, MakeRelRect(0.025f, 0.1f, 0.012f, 0.016f), 0, 0, "", CheckBoxSkin.get());
    out.Setup(nullptr, MakeRelRect(0.025f, 0.17f, 0.012f, 0.016f), 0, 0, "", CheckBoxSkin.get());
    inGame.Checked = 1;
    SurfaceSlot people = GamePicture(Pictures::PPlayerH);
    TSImageList picture(&dialog);
    picture.Setup(nullptr, MakeRelRect(0.05f, 0.086f, 0.03f, 0.044f), 0, 0, "", &people);
    picture.Frame = 1;
    Edit name(&dialog);
    name.SetParent(&dialog);
    name.Color = Face;
    const Rect nameRect = ScreenRect(MakeRelRect(0.085f, 0.096f, 0.11f, 0.024f));
    name.SetBounds(nameRect.Left, nameRect.Top, nameRect.Width(), nameRect.Height());
    name.SetText("Player 1");
    ListBox files(&dialog);
    files.SetParent(&dialog);
    files.Color = Face;
    const Rect listRect = ScreenRect(MakeRelRect(0.025f, 0.25f, 0.25f, 0.2f));
    files.SetBounds(listRect.Left, listRect.Top, listRect.Width(), listRect.Height());
    std::vector<std::string> saved;
    for (int i = 1; i <= 30; ++i)
        saved.push_back("game" + std::to_string(i));
    files.SetItems(saved);
    files.SetItemIndex(2);
    dialog.Content = [&] {
        boards.List->SetItemIndex(0);
        boards.SetCaption(boards.List->Text());
        ok.SetFocus();
    };
    Run(dialog, [&](int) {
        Pump();
        Snapshot(std::string("dialog-") + std::to_string(GetParam().Width) + "x" +
                 std::to_string(GetParam().Height));
        const Rect okArea = OnScreen(ok);
        const Rect cancelArea = OnScreen(cancel);
        // Buttons: the skin's normal frame at the left edge, the caption in black.
        EXPECT_LE(SkinDistance(cancelArea, *DialogButtonSkin, 0, 0.06, 0.5), 30);
        EXPECT_GT(DarkPixels(Rect{cancelArea.Left + cancelArea.Width() / 5, cancelArea.Top + 2,
                                  cancelArea.Right - cancelArea.Width() / 5, cancelArea.Bottom - 2}),
                  8);
        // The focused button has its black outline.
        EXPECT_EQ(Brightness(Pixel(okArea.Left, (okArea.Top + okArea.Bottom) / 2)), 0);
        EXPECT_NE(Brightness(Pixel(cancelArea.Left, (cancelArea.Top + cancelArea.Bottom) / 2)), 0);
        // Check boxes: checked and clear frames.
        const auto greenTick = [&](const Rect& r) {
            int n = 0;
            for (std::int32_t y = r.Top; y < r.Bottom; ++y)
                for (std::int32_t x = r.Left; x < r.Right; ++x) {
                    const Colour c = Pixel(x, y);
                    const int red = static_cast<int>(c & 0xFF);
                    const int green = static_cast<int>((c >> 8) & 0xFF);
                    const int blue = static_cast<int>((c >> 16) & 0xFF);
                    n += green > red + 20 && green > blue + 20 ? 1 : 0;
                }
            return n;
        };
        EXPECT_GT(greenTick(OnScreen(inGame)), 3);
        EXPECT_EQ(greenTick(OnScreen(out)), 0);
        EXPECT_LE(SkinDistance(OnScreen(out), *CheckBoxSkin, 0, 0.5, 0.5), 30);
        // The combo face: its skin and the chosen board's name.
        const Rect comboArea = OnScreen(boards);
        EXPECT_LE(SkinDistance(comboArea, *ComboBoxSkin, 0, 0.92, 0.5), 40);
        EXPECT_GT(DarkPixels(Rect{comboArea.Left + 2, comboArea.Top + 2,
                                  comboArea.Left + comboArea.Width() / 2, comboArea.Bottom - 2}),
                  8);
        // The label's text, right-aligned over the dialog's paper.
        const Rect labelArea = OnScreen(label);
        EXPECT_GT(DarkPixels(Rect{labelArea.Left + labelArea.Width() / 2, labelArea.Top, labelArea.Right,
                                  labelArea.Bottom}),
                  8);
        EXPECT_EQ(DarkPixels(Rect{labelArea.Left, labelArea.Top, labelArea.Left + labelArea.Width() / 4,
                                  labelArea.Bottom}),
                  0);
        // The picture's frame.
        EXPECT_LE(SkinDistance(OnScreen(picture), *people, 1, 0.5, 0.5), 40);
        // The edit and the list in their colour with their text.
        const Rect editArea = OnScreen(name);
        EXPECT_EQ(Pixel(editArea.Right - 3, editArea.Top + 2), Face);
        EXPECT_GT(DarkPixels(Rect{editArea.Left + 2, editArea.Top + 2, editArea.Left + editArea.Width() / 2,
                                  editArea.Bottom - 2}),
                  8);
        const Rect listArea = OnScreen(files);
        EXPECT_TRUE(files.HasScrollBar());
        EXPECT_EQ(Pixel(listArea.Left + 3, listArea.Top + files.ItemRect(0).Top + 1), Face);
        EXPECT_NE(Pixel(listArea.Left + 3, listArea.Top + files.ItemRect(2).Top + 1), Face);
        dialog.ModalResult = ModalResult::Cancel;
    });
}

INSTANTIATE_TEST_SUITE_P(ScreenSizes, DialogSceneTest,
                         ::testing::Values(ScreenSizeRecord{1024, 768}, ScreenSizeRecord{1920, 1080}),
                         [](const ::testing::TestParamInfo<ScreenSizeRecord>& info) {
                             return std::to_string(info.param.Width) + "x" +
                                    std::to_string(info.param.Height);
                         });
