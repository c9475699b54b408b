// The drop-down list: closed box, popup window with a hot-tracking list, choosing and closing.
#include "platform/DropDownList.h"

#include "graphics/Font.h"
#include "graphics/Surface.h"
#include "platform/Application.h"
#include "platform/ListBox.h"
#include "platform/RectOps.h"
#include "platform/WidgetCanvas.h"
#include "platform/Window.h"

#include <algorithm>

// The list inside the popup: the row under the pointer is the selection, a click on it chooses,
// and it holds the mouse capture while open so that a press outside closes the popup.
class PopupList : public ListBox
{
    CONTROL_CLASS(PopupList, ListBox);
    PopupList(WinControl& parent, DropDownList& owner) : ListBox(&parent), Owner(owner)
    {
        TabStop = false;
        SetParent(&parent);
        SetAlign(Align::Client);
    }

    bool OnMouseMove(ShiftState shift, std::int32_t x, std::int32_t y) override
    {
        if (Held == Part::Thumb)
            return ListBox::OnMouseMove(shift, x, y);
        if (const std::int32_t index = ItemAt(x, y); index >= 0 && index != ItemIndex())
            MoveSelection(index);
        return true;
    }

    bool OnMouseDown(int button, ShiftState shift, std::int32_t x, std::int32_t y) override
    {
        if (!RectContains(ClientRect(), Point{x, y})) {
            Owner.CloseUp();
            return true;
        }
        const Part part = PartAt(x, y);
        if (part != Part::Items)
            return ListBox::OnMouseDown(button, shift, x, y);
        Held = Part::Items;
        const std::int32_t index = ItemAt(x, y);
        PressedItem = button == Mouse::Left ? index : -1;
        if (index >= 0)
            MoveSelection(index);
        return true;
    }

    bool OnMouseUp(int button, ShiftState shift, std::int32_t x, std::int32_t y) override
    {
        ListBox::OnMouseUp(button, shift, x, y);
        const std::int32_t pressed = PressedItem;
        PressedItem = -1;
        if (button == Mouse::Left && pressed >= 0) {
            if (const std::int32_t index = ItemAt(x, y); index >= 0) {
                Owner.Choose(index);
                return true;
            }
        }
        // Releasing the last button ended the capture; the popup keeps it while it is open.
        if (IsShowing())
            SetMouseCapture(true);
        return true;
    }

    bool OnKeyDown(KeyCode key, ShiftState shift) override
    {
        switch (key) {
        case Key::Return:
            Owner.Choose(ItemIndex());
            return true;
        case Key::Escape:
            Owner.CloseUp();
            return true;
        case Key::F4:
            Owner.Choose(ItemIndex());
            return true;
        case Key::Up:
        case Key::Down:
            if ((shift & Shift::Alt) != 0) {
                Owner.Choose(ItemIndex());
                return true;
            }
            return ListBox::OnKeyDown(key, shift);
        default:
            return ListBox::OnKeyDown(key, shift);
        }
    }

private:
    DropDownList& Owner;
    std::int32_t PressedItem = -1;
};

// The popup window: no frame, above everything, hides itself when another window hides.
class DropDownPopup : public Window
{
    CONTROL_CLASS(DropDownPopup, Window);
    DropDownPopup(Application& app, DropDownList& owner)
        : Window(app, BorderStyle::Popup), Owner(owner), List(*this, owner)
    {
    }
    ~DropDownPopup() override = default;

    void OnHide() override { Owner.PopupHidden(); }

    DropDownList& Owner;
    PopupList List;
};

DropDownList::DropDownList(WinControl* owner) : WinControl(owner)
{
    TabStop = true;
    FocusOnClick = true;
}

DropDownList::~DropDownList()
{
    // The popup goes first: its list still refers to this control.
    Popup.reset();
}

void DropDownList::AddItem(std::string text)
{
    List.push_back(std::move(text));
    Invalidate();
}

void DropDownList::SetItems(std::vector<std::string> items)
{
    CloseUp();
    List = std::move(items);
    Index = -1;
    Invalidate();
}

void DropDownList::Clear()
{
    SetItems({});
}

std::string DropDownList::ItemText(std::int32_t index) const
{
    if (index < 0 || index >= Count())
        return {};
    return List[static_cast<std::size_t>(index)];
}

void DropDownList::SetItemIndex(std::int32_t index)
{
    Index = index >= 0 && index < Count() ? index : -1;
    Invalidate();
}

std::int32_t DropDownList::BoxHeight() const
{
    const Font* font = GetFont();
    return (font != nullptr ? font->PixelHeight() : 13) + 8;
}

void DropDownList::SetBounds(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t)
{
    WinControl::SetBounds(left, top, width, BoxHeight());
}

bool DropDownList::DroppedDown() const
{
    return Popup != nullptr && Popup->Visible();
}

Rect DropDownList::PopupRect() const
{
    return DroppedDown() ? Popup->BoundsRect() : Rect{};
}

void DropDownList::DropDown()
{
    Application* app = App();
    if (app == nullptr || DroppedDown() || !IsShowing())
        return;
    if (Popup == nullptr)
        Popup = std::make_unique<DropDownPopup>(*app, *this);
    PopupList& list = Popup->List;
    list.SetFont(GetFont());
    list.Color = Color;
    list.SetItems(List);

    // Rows that fit below the box, or above it when there is more room there.
    const ScreenSizeRecord screen = app->DisplaySize();
    const Point origin = ClientToScreen(Point{0, 0});
    const std::int32_t rowHeight = list.ItemHeight();
    const std::int32_t wanted = std::max(1, std::min(DropDownCount, Count()));
    const std::int32_t below = screen.Height - (origin.Y + Height());
    const std::int32_t above = origin.Y;
    const std::int32_t height = wanted * rowHeight + 2;
    bool down = true;
    std::int32_t rows = wanted;
    if (height > below) {
        down = !(height <= above || above > below);
        const std::int32_t room = down ? below : above;
        rows = std::clamp((room - 2) / rowHeight, 1, wanted);
    }
    const std::int32_t popupHeight = rows * rowHeight + 2;
    const std::int32_t width = std::min(std::max(Width(), rowHeight), screen.Width);
    const std::int32_t left = std::clamp(origin.X, 0, std::max(0, screen.Width - width));
    const std::int32_t top = down ? origin.Y + Height() : origin.Y - popupHeight;
    Popup->SetBounds(left, std::max(0, top), width, popupHeight);

    list.SetItemIndex(Index);
    if (Index >= 0)
        list.SetTopIndex(Index);
    Popup->Show();
    list.SetFocus();
    list.SetMouseCapture(true);
    Invalidate();
}

void DropDownList::CloseUp()
{
    if (DroppedDown())
        Popup->Hide();
}

void DropDownList::PopupHidden()
{
    Invalidate();
}

void DropDownList::Choose(std::int32_t index)
{
    CloseUp();
    if (index < 0 || index >= Count() || index == Index)
        return;
    Index = index;
    Invalidate();
    if (Changed)
        Changed();
}

void DropDownList::ChooseByKey(std::int32_t index)
{
    if (Count() == 0)
        return;
    const std::int32_t clamped = std::clamp(index, 0, Count() - 1);
    if (clamped == Index)
        return;
    Index = clamped;
    Invalidate();
    if (Changed)
        Changed();
}

bool DropDownList::OnMouseDown(int button, ShiftState, std::int32_t, std::int32_t)
{
    if (button == Mouse::Left)
        DropDown();
    return true;
}

bool DropDownList::OnKeyDown(KeyCode key, ShiftState shift)
{
    const bool alt = (shift & Shift::Alt) != 0;
    switch (key) {
    case Key::F4:
        DropDown();
        return true;
    case Key::Down:
        if (alt)
            DropDown();
        else
            ChooseByKey(Index < 0 ? 0 : Index + 1);
        return true;
    case Key::Up:
        if (alt)
            DropDown();
        else
            ChooseByKey(Index < 0 ? 0 : Index - 1);
        return true;
    case Key::Home:
        ChooseByKey(0);
        return true;
    case Key::End:
        ChooseByKey(Count() - 1);
        return true;
    default:
        return false;
    }
}

void DropDownList::OnFocusEnter()
{
    Invalidate();
}

void DropDownList::OnFocusExit()
{
    Invalidate();
}

void DropDownList::Paint()
{
    WidgetCanvas canvas(*this);
    if (!canvas.Ok())
        return;
    const Rect client = ClientRect();
    canvas.Fill(client, Color);
    canvas.Frame(client, WidgetLook::Border);
    const std::int32_t buttonWidth = std::max(8, Height() - 2);
    const Rect button{std::max(1, Width() - 1 - buttonWidth), 1, std::max(1, Width() - 1),
                      std::max(1, Height() - 1)};
    canvas.Fill(button, DroppedDown() ? WidgetLook::ButtonPressed : WidgetLook::ButtonFace);
    canvas.Fill(Rect{button.Left, button.Top, button.Left + 1, button.Bottom}, WidgetLook::Border);
    canvas.Arrow(button, false, WidgetLook::ButtonMark);

    const Font* font = GetFont();
    Colour ink = font != nullptr ? font->Color : 0;
    const Rect field{2, 2, std::max(2, button.Left - 1), std::max(2, Height() - 2)};
    if (Focused() && !DroppedDown()) {
        canvas.Fill(field, WidgetLook::Selection);
        ink = WidgetLook::SelectionText;
    }
    const std::int32_t inset = std::max(1, Height() / 8);
    canvas.ClipTo(&field);
    canvas.Text(Rect{field.Left + inset, field.Top, field.Right, field.Bottom}, Text(), TextFormat::Left, ink,
                font);
}
