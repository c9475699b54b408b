// The native widgets: the edit's typing, keys, limit, caret and notifications; the list box's
// clicks, keys, wheel and scroll bar; the drop-down list's popup, choosing and closing.
#include "PlatformFixture.h"
#include "graphics/Font.h"
#include "platform/DropDownList.h"
#include "platform/Edit.h"
#include "platform/ListBox.h"
#include "platform/Timer.h"
#include "platform/WidgetCanvas.h"

using ::testing::ElementsAre;

namespace {

constexpr Colour Face = 0x00C9C5B7;

// Darkest channel sum inside r of the screen: text or a caret shows as a dark pixel.
int DarkestIn(Application& app, const Rect& r)
{
    int darkest = 3 * 255;
    for (std::int32_t y = r.Top; y < r.Bottom; ++y) {
        for (std::int32_t x = r.Left; x < r.Right; ++x) {
            const Colour c = TestHooks::ScreenPixel(app, x, y);
            darkest =
                std::min(darkest, static_cast<int>((c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF)));
        }
    }
    return darkest;
}

} // namespace

class WidgetTest : public PlatformTest
{
protected:
    Point At(const Control& c, std::int32_t x, std::int32_t y) { return c.ClientToScreen(Point{x, y}); }
    void ClickAt(const Control& c, std::int32_t x, std::int32_t y)
    {
        const Point p = At(c, x, y);
        TestHooks::Click(*App, p.X, p.Y);
        Pump();
    }
    void Press(KeyCode key, ShiftState shift = 0)
    {
        TestHooks::Key(*App, key, shift);
        Pump();
    }
    void Type(std::string_view text)
    {
        TestHooks::Text(*App, text);
        Pump();
    }
};

TEST_F(WidgetTest, AnEditTakesTypingAndItsEditingKeysAndReportsEachChange)
{
    auto& edit = Make<Edit>(Main.get());
    edit.SetParent(Main.get());
    edit.SetBounds(100, 100, 200, 24);
    int changes = 0;
    edit.Changed = [&] { ++changes; };
    ASSERT_TRUE(edit.SetFocus());
    Pump();
    EXPECT_TRUE(TestHooks::TextInputActive(*App));
    Type("Hello");
    EXPECT_EQ(edit.Text(), "Hello");
    EXPECT_EQ(edit.CaretPos(), 5u);
    EXPECT_EQ(changes, 1);
    Press(Key::Home);
    Press(Key::Delete);
    EXPECT_EQ(edit.Text(), "ello");
    Press(Key::End);
    Press(Key::Back);
    EXPECT_EQ(edit.Text(), "ell");
    Press(Key::Left);
    Type("X");
    EXPECT_EQ(edit.Text(), "elXl");
    Press(Key::Right);
    Press(Key::Right); // past the end: stays
    EXPECT_EQ(edit.CaretPos(), 4u);
    Press(Key::Delete); // at the end: nothing
    EXPECT_EQ(changes, 4);
    // Backspace at the start removes nothing and reports nothing.
    Press(Key::Home);
    Press(Key::Back);
    EXPECT_EQ(edit.Text(), "elXl");
    EXPECT_EQ(edit.CaretPos(), 0u);
    EXPECT_EQ(changes, 4);
    // Multi-byte characters are edited whole.
    edit.SetText("Zoë");
    EXPECT_EQ(changes, 5);
    Press(Key::Left);
    EXPECT_EQ(edit.CaretPos(), 2u);
    Press(Key::Back);
    Press(Key::End);
    Press(Key::Back);
    EXPECT_EQ(edit.Text(), "Z");
    edit.SetText("Z"); // unchanged: no report
    EXPECT_EQ(changes, 7);
    // Losing the focus ends text input.
    Main->SetFocus();
    Pump();
    EXPECT_FALSE(TestHooks::TextInputActive(*App));
    Type("lost");
    EXPECT_EQ(edit.Text(), "Z");
}

TEST_F(WidgetTest, TypingPastTheLengthLimitDoesNothingAndEnterIsReported)
{
    auto& edit = Make<Edit>(Main.get());
    edit.SetParent(Main.get());
    edit.SetBounds(100, 100, 120, 24);
    edit.MaxLength = 5;
    int changes = 0;
    int returns = 0;
    edit.Changed = [&] { ++changes; };
    edit.ReturnPressed = [&] { ++returns; };
    edit.SetFocus();
    Type("abcdefg");
    EXPECT_EQ(edit.Text(), "abcde");
    Type("x");
    EXPECT_EQ(edit.Text(), "abcde");
    EXPECT_EQ(changes, 1);
    // The limit counts characters, not bytes.
    Press(Key::Back);
    Press(Key::Back);
    Type("éèê");
    EXPECT_EQ(edit.Text(), "abcéè");
    // Control characters are not text.
    Press(Key::Back);
    Type("\t");
    EXPECT_EQ(edit.Text(), "abcé");
    Press(Key::Return);
    EXPECT_EQ(returns, 1);
    EXPECT_EQ(edit.Text(), "abcé");
    // Text set by the program is kept whole.
    edit.SetText("abcdefgh");
    EXPECT_EQ(edit.Text(), "abcdefgh");
    Type("z");
    EXPECT_EQ(edit.Text(), "abcdefgh");
    // A byte limit refuses the letter that would cross it whole, never half of it.
    edit.MaxLength = 0;
    edit.MaxBytes = 6;
    edit.SetText("Zo");
    Type("ëëë");
    EXPECT_EQ(edit.Text(), "Zoëë");
    Type("a");
    EXPECT_EQ(edit.Text(), "Zoëë");
    Press(Key::Back);
    Type("ab");
    EXPECT_EQ(edit.Text(), "Zoëab");
}

TEST_F(WidgetTest, AnEditDrawsItsColourBorderTextAndABlinkingCaret)
{
    auto& edit = Make<Edit>(Main.get());
    edit.SetParent(Main.get());
    edit.SetBounds(100, 100, 200, 24);
    edit.Color = Face;
    Pump();
    EXPECT_EQ(TestHooks::ScreenPixel(*App, 150, 101), Face);
    EXPECT_NE(TestHooks::ScreenPixel(*App, 150, 100), Face);   // the border
    EXPECT_GT(DarkestIn(*App, Rect{103, 103, 200, 121}), 500); // no text yet
    edit.SetText("Wide words");
    edit.SetFocus();
    Pump();
    EXPECT_LT(DarkestIn(*App, Rect{103, 103, 200, 121}), 200);
    EXPECT_TRUE(edit.CaretVisible());
    const std::int32_t caretX = 100 + edit.CaretX();
    EXPECT_GT(caretX, 140);
    EXPECT_LT(DarkestIn(*App, Rect{caretX, 105, caretX + 1, 119}), 100);
    TestHooks::FireTimer(*App);
    Pump();
    EXPECT_FALSE(edit.CaretVisible());
    EXPECT_GT(DarkestIn(*App, Rect{caretX, 105, caretX + 1, 119}), 450);
    TestHooks::FireTimer(*App);
    EXPECT_TRUE(edit.CaretVisible());
    // A key shows the caret at once.
    TestHooks::FireTimer(*App);
    Press(Key::Left);
    EXPECT_TRUE(edit.CaretVisible());
    Main->SetFocus();
    EXPECT_FALSE(edit.CaretVisible());
}

TEST_F(WidgetTest, AClickPlacesTheCaretAndLongTextScrollsToKeepItInside)
{
    auto& edit = Make<Edit>(Main.get());
    edit.SetParent(Main.get());
    edit.SetBounds(100, 100, 80, 24);
    edit.SetText("abcdefghijklmnopqrstuvwxyz");
    // The caret at the end is inside the box although the text is wider.
    EXPECT_GT(edit.CaretX(), 40);
    EXPECT_LT(edit.CaretX(), 80);
    ClickAt(edit, 4, 12);
    EXPECT_TRUE(edit.Focused());
    EXPECT_LT(edit.CaretPos(), 26u);
    Press(Key::Home);
    EXPECT_EQ(edit.CaretPos(), 0u);
    EXPECT_GE(edit.CaretX(), 1);
    EXPECT_LT(edit.CaretX(), 8);
    // From the start, a click lands on the letter under it.
    const std::int32_t afterC = edit.CaretX() + WidgetCanvas::TextWidth("abc", edit.GetFont());
    ClickAt(edit, afterC, 12);
    EXPECT_EQ(edit.CaretPos(), 3u);
}

namespace {

std::vector<std::string> Numbered(int n)
{
    std::vector<std::string> items;
    for (int i = 0; i < n; ++i)
        items.push_back("Item " + std::to_string(i));
    return items;
}

} // namespace

TEST_F(WidgetTest, AListReportsClicksOnItemsAndDoubleClicks)
{
    auto& list = Make<ListBox>(Main.get());
    list.SetParent(Main.get());
    list.SetBounds(100, 100, 200, 300);
    list.SetItems(Numbered(5));
    EventLog events;
    list.Clicked = [&] { events.push_back("click " + std::to_string(list.ItemIndex())); };
    list.DoubleClicked = [&] { events.push_back("double " + std::to_string(list.ItemIndex())); };
    const Rect row2 = list.ItemRect(2);
    ClickAt(list, 20, row2.Top + 2);
    EXPECT_TRUE(list.Focused());
    ClickAt(list, 20, row2.Top + 2); // the same item again is still a click
    const Rect row4 = list.ItemRect(4);
    const Point p = At(list, 20, row4.Top + 2);
    TestHooks::DoubleClick(*App, p.X, p.Y);
    Pump();
    // Below the last item: nothing is reported and the selection stays.
    ClickAt(list, 20, 280);
    EXPECT_THAT(events, ElementsAre("click 2", "click 2", "click 4", "double 4"));
    EXPECT_EQ(list.ItemIndex(), 4);
    EXPECT_EQ(list.ItemText(4), "Item 4");
    // The program's own selection reports nothing.
    list.SetItemIndex(1);
    list.SetItemIndex(9);
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(events.size(), 4u);
}

TEST_F(WidgetTest, AListWithATabStopDrawsTwoColumns)
{
    auto& list = Make<ListBox>(Main.get());
    list.SetParent(Main.get());
    list.SetBounds(100, 100, 300, 120);
    list.TabStop = 90;
    list.SetItems({"Wednesday, Week: 12\tAnn pays $150 to Bob", "no tab here"});
    std::vector<DrawnText> drawn;
    Main->Pixels()->TextObserver = [&](const DrawnText& text) { drawn.push_back(text); };
    list.Invalidate();
    Pump();
    Main->Pixels()->TextObserver = nullptr;
    const auto find = [&](const std::string& text) {
        const auto at =
            std::find_if(drawn.begin(), drawn.end(), [&](const DrawnText& d) { return d.Text == text; });
        EXPECT_NE(at, drawn.end()) << text;
        return at != drawn.end() ? *at : DrawnText{};
    };
    const DrawnText when = find("Wednesday, Week: 12");
    const DrawnText what = find("Ann pays $150 to Bob");
    const DrawnText plain = find("no tab here");
    // The second column starts at the tab stop from the first's start; the first is cut short of it.
    EXPECT_EQ(what.Box.Left - when.Box.Left, 90);
    EXPECT_LE(when.Box.Right, what.Box.Left);
    EXPECT_EQ(plain.Box.Left, when.Box.Left);
    EXPECT_GT(plain.Box.Right, what.Box.Left);
}

TEST_F(WidgetTest, ListKeysMoveTheSelectionAndReportEachChangeAsAClick)
{
    auto& list = Make<ListBox>(Main.get());
    list.SetParent(Main.get());
    list.SetBounds(100, 100, 200, 6 * 15 + 2);
    list.SetItems(Numbered(20));
    ASSERT_EQ(list.ItemHeight(), 15); // 13-pixel dialog font at 1024 x 768
    ASSERT_EQ(list.VisibleRows(), 6);
    std::vector<int> clicks;
    list.Clicked = [&] { clicks.push_back(list.ItemIndex()); };
    list.SetFocus();
    Press(Key::Down); // from no selection to the first item
    Press(Key::Down);
    Press(Key::Up);
    Press(Key::Up); // at the top: no change, no report
    Press(Key::PageDown);
    Press(Key::End);
    Press(Key::Down);
    Press(Key::PageUp);
    Press(Key::Home);
    EXPECT_THAT(clicks, ElementsAre(0, 1, 0, 5, 19, 14, 0));
    EXPECT_EQ(list.TopIndex(), 0);
    Press(Key::End);
    EXPECT_EQ(list.TopIndex(), 14); // the selection is scrolled into view
}

TEST_F(WidgetTest, AnOverflowingListScrollsByWheelArrowsTrackAndThumb)
{
    auto& list = Make<ListBox>(Main.get());
    list.SetParent(Main.get());
    list.SetBounds(100, 100, 200, 6 * 15 + 2);
    list.SetItems(Numbered(4));
    EXPECT_FALSE(list.HasScrollBar());
    TestHooks::MouseMove(*App, 150, 120);
    TestHooks::Wheel(*App, -1);
    Pump();
    EXPECT_EQ(list.TopIndex(), 0);
    list.SetItems(Numbered(30));
    ASSERT_TRUE(list.HasScrollBar());
    TestHooks::Wheel(*App, -1); // down three rows
    Pump();
    EXPECT_EQ(list.TopIndex(), 3);
    TestHooks::Wheel(*App, 2);
    Pump();
    EXPECT_EQ(list.TopIndex(), 0);
    const Rect bar = list.ScrollBarRect();
    ClickAt(list, bar.Left + 3, bar.Bottom - 3); // the down arrow
    EXPECT_EQ(list.TopIndex(), 1);
    ClickAt(list, bar.Left + 3, list.ThumbRect().Bottom + 2); // the track below the thumb: a page
    EXPECT_EQ(list.TopIndex(), 6);
    EXPECT_EQ(list.ItemIndex(), -1); // scrolling selects nothing
    // Dragging the thumb to the bottom shows the last rows.
    const Rect thumb = list.ThumbRect();
    const Point from = At(list, bar.Left + 3, thumb.Top + 2);
    TestHooks::MouseMove(*App, from.X, from.Y);
    TestHooks::MouseDown(*App, Mouse::Left, from.X, from.Y);
    TestHooks::MouseMove(*App, from.X, from.Y + 500);
    TestHooks::MouseUp(*App, Mouse::Left, from.X, from.Y + 500);
    Pump();
    EXPECT_EQ(list.TopIndex(), 24);
    // The last row is drawn and the scroll bar is on screen.
    EXPECT_EQ(list.ItemAt(10, list.ItemRect(29).Top + 1), 29);
    EXPECT_EQ(
        TestHooks::ScreenPixel(*App, 100 + bar.Left + bar.Width() / 2, 100 + bar.Top + bar.Height() / 2),
        0x00C8D5DF); // the track's colour beside the thumb
}

TEST_F(WidgetTest, AListDrawsItsColourAndTheSelectedRow)
{
    auto& list = Make<ListBox>(Main.get());
    list.SetParent(Main.get());
    list.SetBounds(100, 100, 200, 100);
    list.Color = Face;
    list.SetItems({"One & two", "Three"});
    list.SetItemIndex(1);
    Pump();
    const Rect row0 = list.ItemRect(0);
    const Rect row1 = list.ItemRect(1);
    EXPECT_EQ(TestHooks::ScreenPixel(*App, 100 + 190, 100 + row0.Top + 1), Face);
    EXPECT_EQ(TestHooks::ScreenPixel(*App, 100 + 190, 100 + 90), Face);
    const Colour unfocused = TestHooks::ScreenPixel(*App, 100 + 190, 100 + row1.Top + 1);
    list.SetFocus();
    Pump();
    const Colour focused = TestHooks::ScreenPixel(*App, 100 + 190, 100 + row1.Top + 1);
    EXPECT_NE(unfocused, Face);
    EXPECT_NE(focused, Face);
    EXPECT_NE(focused, unfocused);
    EXPECT_LT(DarkestIn(*App, Rect{102, 100 + row0.Top, 200, 100 + row0.Bottom}), 200);
}

TEST_F(WidgetTest, ADropDownOpensBelowItsBoxAndAClickOnAnItemChoosesIt)
{
    auto& combo = Make<DropDownList>(Main.get());
    combo.SetParent(Main.get());
    combo.SetBounds(100, 100, 160, 50);
    EXPECT_EQ(combo.Height(), combo.BoxHeight()); // the font decides the height
    EXPECT_EQ(combo.BoxHeight(), 21);
    combo.SetItems(Numbered(12));
    combo.SetItemIndex(2);
    combo.DropDownCount = 5;
    std::vector<std::string> changes;
    combo.Changed = [&] { changes.push_back(combo.Text()); };
    ClickAt(combo, 20, 10);
    ASSERT_TRUE(combo.DroppedDown());
    const Rect popup = combo.PopupRect();
    EXPECT_EQ(popup.Left, 100);
    EXPECT_EQ(popup.Top, 121);
    EXPECT_EQ(popup.Width(), 160);
    EXPECT_EQ(popup.Height(), 5 * 15 + 2);
    // The chosen item is at the top of the popup, shown selected.
    TestHooks::MouseMove(*App, popup.Left + 20, popup.Top + 1 + 15 + 7); // over "Item 3"
    TestHooks::Click(*App, popup.Left + 20, popup.Top + 1 + 15 + 7);
    Pump();
    EXPECT_FALSE(combo.DroppedDown());
    EXPECT_EQ(combo.ItemIndex(), 3);
    EXPECT_EQ(combo.Text(), "Item 3");
    // Choosing the same item again reports nothing.
    ClickAt(combo, 20, 10);
    TestHooks::Click(*App, popup.Left + 20, popup.Top + 8);
    Pump();
    EXPECT_FALSE(combo.DroppedDown());
    EXPECT_THAT(changes, ElementsAre("Item 3"));
    // The program's choice reports nothing; an index outside chooses none.
    combo.SetItemIndex(40);
    EXPECT_EQ(combo.ItemIndex(), -1);
    EXPECT_EQ(combo.Text(), "");
    EXPECT_EQ(changes.size(), 1u);
}

TEST_F(WidgetTest, ADropDownClosesOnAClickOutsideWhichGoesNowhereElse)
{
    auto& combo = Make<DropDownList>(Main.get());
    combo.SetParent(Main.get());
    combo.SetBounds(100, 100, 160, 21);
    combo.SetItems(Numbered(3));
    combo.SetItemIndex(0);
    auto& other = Make<RecordingWin>(Main.get(), "other", Log, Rect{500, 500, 600, 600});
    int changes = 0;
    combo.Changed = [&] { ++changes; };
    combo.DropDown();
    Pump();
    ASSERT_TRUE(combo.DroppedDown());
    // Moving over the popup tracks the row under the pointer; the press outside closes it unchanged.
    const Rect popup = combo.PopupRect();
    TestHooks::MouseMove(*App, popup.Left + 10, popup.Top + 1 + 2 * 15 + 3);
    Pump();
    Log.clear();
    TestHooks::Click(*App, 550, 550);
    Pump();
    EXPECT_FALSE(combo.DroppedDown());
    EXPECT_EQ(combo.ItemIndex(), 0);
    EXPECT_EQ(changes, 0);
    EXPECT_THAT(Log, ::testing::Not(::testing::Contains("other click")));
    EXPECT_THAT(Log, ::testing::Not(::testing::Contains("other down 0 50,50")));
    // The next click reaches it as usual.
    Log.clear();
    TestHooks::Click(*App, 550, 550);
    Pump();
    EXPECT_THAT(Log, ::testing::Contains("other click"));
    (void)other;
}

TEST_F(WidgetTest, TheOpenPopupTakesTheKeysEscapeCancelsAndEnterChooses)
{
    ColourWindow dialog(*App, BorderStyle::Dialog, 0x00FFFFFF, &Log);
    dialog.KeyPreview = true;
    dialog.SetBounds(200, 200, 300, 200);
    DropDownList combo(&dialog);
    combo.SetParent(&dialog);
    combo.SetBounds(20, 20, 150, 21);
    combo.SetItems(Numbered(6));
    combo.SetItemIndex(1);
    int changes = 0;
    combo.Changed = [&] { ++changes; };
    int turn = 0;
    TestHooks::SetModalHook(*App, [&](Window& w) {
        if (&w != &dialog) {
            w.ModalResult = ModalResult::Ok;
            return;
        }
        switch (++turn) {
        case 1:
            combo.DropDown();
            TestHooks::Key(*App, Key::Down);
            TestHooks::Key(*App, Key::Escape);
            break;
        case 2:
            EXPECT_FALSE(combo.DroppedDown());
            EXPECT_EQ(combo.ItemIndex(), 1);
            // The dialog's key preview saw none of the popup's keys.
            EXPECT_TRUE(Log.empty());
            combo.DropDown();
            TestHooks::Key(*App, Key::Down);
            TestHooks::Key(*App, Key::Down);
            TestHooks::Key(*App, Key::Return);
            break;
        case 3:
            EXPECT_FALSE(combo.DroppedDown());
            EXPECT_EQ(combo.ItemIndex(), 3);
            EXPECT_EQ(changes, 1);
            // A modal show closes an open popup.
            combo.DropDown();
            EXPECT_TRUE(combo.DroppedDown());
            {
                ColourWindow inner(*App, BorderStyle::Dialog, 0x0000FF00);
                inner.SetBounds(250, 250, 100, 50);
                inner.ShowModal();
            }
            EXPECT_FALSE(combo.DroppedDown());
            w.ModalResult = ModalResult::Ok;
            break;
        default:
            w.ModalResult = ModalResult::Ok;
            break;
        }
    });
    dialog.ShowModal();
    EXPECT_EQ(turn, 3);
    // Hiding the window the list is on closes its popup.
    dialog.Show();
    combo.DropDown();
    EXPECT_TRUE(combo.DroppedDown());
    dialog.Hide();
    EXPECT_FALSE(combo.DroppedDown());
}

TEST_F(WidgetTest, ThePopupStaysOnTheScreen)
{
    auto& combo = Make<DropDownList>(Main.get());
    combo.SetParent(Main.get());
    combo.SetItems(Numbered(40));
    combo.DropDownCount = 32;
    // Near the bottom: above the box.
    combo.SetBounds(950, 700, 160, 21);
    combo.DropDown();
    Rect popup = combo.PopupRect();
    EXPECT_EQ(popup.Bottom, 700);
    EXPECT_EQ(popup.Height(), 32 * 15 + 2);
    EXPECT_EQ(popup.Right, 1024); // pulled left onto the screen
    combo.CloseUp();
    // In the middle with room on neither side for 32 rows: the larger side, fewer rows.
    combo.SetBounds(10, 300, 160, 21);
    combo.DropDown();
    popup = combo.PopupRect();
    EXPECT_EQ(popup.Top, 321);
    EXPECT_LE(popup.Bottom, 768);
    EXPECT_EQ((popup.Height() - 2) % 15, 0);
    EXPECT_EQ(popup.Height(), (768 - 321 - 2) / 15 * 15 + 2);
    // Keys on the closed box choose directly.
    combo.CloseUp();
    combo.SetFocus();
    int changes = 0;
    combo.Changed = [&] { ++changes; };
    Press(Key::Down);
    Press(Key::End);
    Press(Key::End);
    EXPECT_EQ(combo.ItemIndex(), 39);
    EXPECT_EQ(changes, 2);
    Press(Key::F4);
    EXPECT_TRUE(combo.DroppedDown());
}

TEST_F(WidgetTest, ControlsDrawWithTheirOwnTheirParentsOrTheWindowsFont)
{
    Font big("Arial", 400, 30, 0);
    auto& panel = Make<RecordingWin>(Main.get(), "panel", Log, Rect{0, 0, 500, 500});
    auto& list = Make<ListBox>(&panel);
    list.SetParent(&panel);
    const Font* windowFont = list.GetFont();
    ASSERT_NE(windowFont, nullptr);
    EXPECT_EQ(windowFont->PixelHeight(), 13); // 17/1000 of 768
    panel.SetFont(&big);
    EXPECT_EQ(list.GetFont(), &big);
    EXPECT_EQ(list.ItemHeight(), 32);
    Font small("Arial", 400, 10, 0);
    list.SetFont(&small);
    EXPECT_EQ(list.GetFont(), &small);
    Edit loose;
    EXPECT_EQ(loose.GetFont(), nullptr);
}
