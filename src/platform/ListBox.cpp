// The list box: rows, selection by mouse and keys, scrolling by wheel and scroll bar, drawing.
#include "platform/ListBox.h"

#include "graphics/Font.h"
#include "graphics/Surface.h"
#include "platform/RectOps.h"
#include "platform/WidgetCanvas.h"

#include <algorithm>

ListBox::ListBox(WinControl* owner) : WinControl(owner)
{
    TabStop = true;
    FocusOnClick = true;
}

void ListBox::AddItem(std::string text)
{
    List.push_back(std::move(text));
    Invalidate();
}

void ListBox::SetItems(std::vector<std::string> items)
{
    List = std::move(items);
    Index = -1;
    Top = 0;
    Invalidate();
}

void ListBox::Clear()
{
    SetItems({});
}

std::string ListBox::ItemText(std::int32_t index) const
{
    if (index < 0 || index >= Count())
        return {};
    return List[static_cast<std::size_t>(index)];
}

void ListBox::SetItemText(std::int32_t index, std::string text)
{
    if (index < 0 || index >= Count())
        return;
    List[static_cast<std::size_t>(index)] = std::move(text);
    Invalidate();
}

void ListBox::SetItemIndex(std::int32_t index)
{
    Index = index >= 0 && index < Count() ? index : -1;
    if (Index >= 0)
        ScrollIntoView(Index);
    Invalidate();
}

void ListBox::SetTopIndex(std::int32_t index)
{
    const std::int32_t top = std::clamp(index, 0, MaxTop());
    if (top == Top)
        return;
    Top = top;
    Invalidate();
}

std::int32_t ListBox::ItemHeight() const
{
    const Font* font = GetFont();
    return std::max(4, (font != nullptr ? font->PixelHeight() : 13) + 2);
}

std::int32_t ListBox::VisibleRows() const
{
    return std::max(1, (Height() - 2) / ItemHeight());
}

bool ListBox::HasScrollBar() const
{
    return Count() > VisibleRows();
}

std::int32_t ListBox::MaxTop() const
{
    return std::max(0, Count() - VisibleRows());
}

std::int32_t ListBox::ScrollBarWidth() const
{
    return std::max(12, ItemHeight());
}

Rect ListBox::ItemsRect() const
{
    const std::int32_t right = HasScrollBar() ? Width() - 1 - ScrollBarWidth() : Width() - 1;
    return Rect{1, 1, std::max(1, right), std::max(1, Height() - 1)};
}

Rect ListBox::ItemRect(std::int32_t index) const
{
    const Rect items = ItemsRect();
    const std::int32_t top = items.Top + (index - Top) * ItemHeight();
    return Rect{items.Left, top, items.Right, top + ItemHeight()};
}

std::int32_t ListBox::ItemAt(std::int32_t x, std::int32_t y) const
{
    const Rect items = ItemsRect();
    if (!RectContains(items, Point{x, y}))
        return -1;
    const std::int32_t index = Top + (y - items.Top) / ItemHeight();
    return index < Count() ? index : -1;
}

Rect ListBox::ScrollBarRect() const
{
    if (!HasScrollBar())
        return Rect{};
    return Rect{Width() - 1 - ScrollBarWidth(), 1, Width() - 1, Height() - 1};
}

Rect ListBox::UpArrowRect() const
{
    const Rect bar = ScrollBarRect();
    const std::int32_t size = std::min(bar.Width(), bar.Height() / 2);
    return Rect{bar.Left, bar.Top, bar.Right, bar.Top + size};
}

Rect ListBox::DownArrowRect() const
{
    const Rect bar = ScrollBarRect();
    const std::int32_t size = std::min(bar.Width(), bar.Height() / 2);
    return Rect{bar.Left, bar.Bottom - size, bar.Right, bar.Bottom};
}

Rect ListBox::TrackRect() const
{
    const Rect bar = ScrollBarRect();
    return Rect{bar.Left, UpArrowRect().Bottom, bar.Right, DownArrowRect().Top};
}

Rect ListBox::ThumbRect() const
{
    if (!HasScrollBar())
        return Rect{};
    const Rect track = TrackRect();
    const std::int32_t trackHeight = track.Height();
    const std::int32_t least = std::min(trackHeight, std::max(6, ScrollBarWidth() / 2));
    const std::int32_t height =
        std::clamp(trackHeight * VisibleRows() / std::max(1, Count()), least, trackHeight);
    const std::int32_t maxTop = MaxTop();
    const std::int32_t top = track.Top + (maxTop > 0 ? (trackHeight - height) * Top / maxTop : 0);
    return Rect{track.Left, top, track.Right, top + height};
}

ListBox::Part ListBox::PartAt(std::int32_t x, std::int32_t y) const
{
    const Point p{x, y};
    if (HasScrollBar() && RectContains(ScrollBarRect(), p)) {
        if (RectContains(UpArrowRect(), p))
            return Part::UpArrow;
        if (RectContains(DownArrowRect(), p))
            return Part::DownArrow;
        const Rect thumb = ThumbRect();
        if (y < thumb.Top)
            return Part::PageUp;
        if (y >= thumb.Bottom)
            return Part::PageDown;
        return Part::Thumb;
    }
    return RectContains(ClientRect(), p) ? Part::Items : Part::None;
}

void ListBox::ScrollIntoView(std::int32_t index)
{
    if (index < Top)
        SetTopIndex(index);
    else if (index >= Top + VisibleRows())
        SetTopIndex(index - VisibleRows() + 1);
}

bool ListBox::MoveSelection(std::int32_t index)
{
    if (Count() == 0)
        return false;
    index = std::clamp(index, 0, Count() - 1);
    ScrollIntoView(index);
    if (index == Index)
        return false;
    Index = index;
    Invalidate();
    if (Clicked)
        Clicked();
    return true;
}

bool ListBox::OnMouseDown(int button, ShiftState shift, std::int32_t x, std::int32_t y)
{
    if (button != Mouse::Left)
        return true;
    Held = PartAt(x, y);
    const std::int32_t page = std::max(1, VisibleRows() - 1);
    switch (Held) {
    case Part::UpArrow:
        SetTopIndex(Top - 1);
        break;
    case Part::DownArrow:
        SetTopIndex(Top + 1);
        break;
    case Part::PageUp:
        SetTopIndex(Top - page);
        break;
    case Part::PageDown:
        SetTopIndex(Top + page);
        break;
    case Part::Thumb:
        ThumbGrab = y - ThumbRect().Top;
        break;
    case Part::Items: {
        const std::int32_t index = ItemAt(x, y);
        if (index < 0)
            break;
        const bool changed = index != Index;
        Index = index;
        ScrollIntoView(index);
        Invalidate();
        const bool second = (shift & Shift::Double) != 0;
        if ((!second || changed) && Clicked)
            Clicked();
        if (second && DoubleClicked)
            DoubleClicked();
        break;
    }
    case Part::None:
        break;
    }
    Invalidate(ScrollBarRect());
    return true;
}

bool ListBox::OnMouseMove(ShiftState shift, std::int32_t, std::int32_t y)
{
    if ((shift & Shift::Left) == 0)
        return true;
    if (Held == Part::Thumb) {
        const Rect track = TrackRect();
        const std::int32_t room = track.Height() - ThumbRect().Height();
        if (room > 0) {
            const std::int32_t offset = y - ThumbGrab - track.Top;
            SetTopIndex((offset * MaxTop() + room / 2) / room);
        }
        return true;
    }
    if (Held != Part::Items || Count() == 0)
        return true;
    // Dragging past the ends scrolls by one row a move.
    const Rect items = ItemsRect();
    std::int32_t index = Index;
    if (y < items.Top)
        index = Top - 1;
    else if (y >= items.Bottom)
        index = Top + VisibleRows();
    else
        index = std::min(Count() - 1, Top + (y - items.Top) / ItemHeight());
    MoveSelection(index);
    return true;
}

bool ListBox::OnMouseUp(int, ShiftState, std::int32_t, std::int32_t)
{
    if (Held != Part::None && Held != Part::Items)
        Invalidate(ScrollBarRect());
    Held = Part::None;
    return true;
}

bool ListBox::OnMouseWheel(std::int32_t delta, ShiftState, std::int32_t, std::int32_t)
{
    if (!HasScrollBar())
        return false;
    std::int32_t rows = delta * 3 / 120;
    if (rows == 0)
        rows = delta > 0 ? 1 : -1;
    SetTopIndex(Top - rows);
    return true;
}

bool ListBox::OnKeyDown(KeyCode key, ShiftState)
{
    const std::int32_t page = std::max(1, VisibleRows() - 1);
    const std::int32_t at = Index;
    switch (key) {
    case Key::Up:
        MoveSelection(at < 0 ? 0 : at - 1);
        return true;
    case Key::Down:
        MoveSelection(at < 0 ? 0 : at + 1);
        return true;
    case Key::Home:
        MoveSelection(0);
        return true;
    case Key::End:
        MoveSelection(Count() - 1);
        return true;
    case Key::PageUp:
        MoveSelection(at < 0 ? 0 : at - page);
        return true;
    case Key::PageDown:
        MoveSelection(at < 0 ? 0 : at + page);
        return true;
    default:
        return false;
    }
}

void ListBox::OnFocusEnter()
{
    Invalidate();
}

void ListBox::OnFocusExit()
{
    Invalidate();
}

void ListBox::OnResize()
{
    SetTopIndex(Top);
}

void ListBox::Paint()
{
    WidgetCanvas canvas(*this);
    if (!canvas.Ok())
        return;
    const Rect client = ClientRect();
    canvas.Fill(client, Color);
    canvas.Frame(client, WidgetLook::Border);
    const Font* font = GetFont();
    const Colour ink = font != nullptr ? font->Color : 0;
    const Rect items = ItemsRect();
    canvas.ClipTo(&items);
    const std::int32_t inset = std::max(2, ItemHeight() / 5);
    for (std::int32_t i = Top; i < Count(); ++i) {
        const Rect row = ItemRect(i);
        if (row.Top >= items.Bottom)
            break;
        Colour textColour = ink;
        if (i == Index) {
            canvas.Fill(row, Focused() ? WidgetLook::Selection : WidgetLook::SelectionUnfocused);
            if (Focused())
                textColour = WidgetLook::SelectionText;
        }
        const std::string& item = List[static_cast<std::size_t>(i)];
        const Rect text{row.Left + inset, row.Top, row.Right - 1, row.Bottom};
        const std::size_t tab = TabStop > 0 ? item.find('\t') : std::string::npos;
        if (tab == std::string::npos) {
            canvas.Text(text, item, TextFormat::Left, textColour, font);
        } else {
            const std::int32_t second = std::min(text.Right, text.Left + TabStop);
            canvas.Text(Rect{text.Left, text.Top, std::max(text.Left, second - inset), text.Bottom},
                        std::string_view(item).substr(0, tab), TextFormat::Left, textColour, font);
            canvas.Text(Rect{second, text.Top, text.Right, text.Bottom},
                        std::string_view(item).substr(tab + 1), TextFormat::Left, textColour, font);
        }
    }
    canvas.ClipTo(nullptr);
    if (!HasScrollBar())
        return;
    canvas.Fill(TrackRect(), WidgetLook::Track);
    const auto button = [&](const Rect& r, bool pressed) {
        canvas.Fill(r, pressed ? WidgetLook::ButtonPressed : WidgetLook::ButtonFace);
        canvas.Frame(r, WidgetLook::Border);
    };
    button(UpArrowRect(), Held == Part::UpArrow);
    canvas.Arrow(UpArrowRect(), true, WidgetLook::ButtonMark);
    button(DownArrowRect(), Held == Part::DownArrow);
    canvas.Arrow(DownArrowRect(), false, WidgetLook::ButtonMark);
    button(ThumbRect(), Held == Part::Thumb);
    const Rect bar = ScrollBarRect();
    canvas.Fill(Rect{bar.Left, bar.Top, bar.Left + 1, bar.Bottom}, WidgetLook::Border);
}
