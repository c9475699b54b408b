// ListBox: the native single-selection list with keyboard moves, wheel and a scroll bar.
#pragma once

#include "platform/Control.h"

#include <functional>
#include <string>
#include <vector>

// Rows of the control's font; a scroll bar appears on the right when the items overflow. A press
// on an item selects it and reports a click; the second press of a double click reports a double
// click; Up, Down, Home, End, PageUp and PageDown move the selection and report each change as a
// click. Selecting from the program reports nothing.
class ListBox : public WinControl
{
    CONTROL_CLASS(ListBox, WinControl);
    explicit ListBox(WinControl* owner = nullptr);

    // Background (0x00BBGGRR).
    Colour Color = 0x00FFFFFF;
    // Above 0: an item's text after its first tab is a second column, beginning TabStop pixels
    // after the first column's start (the first column is cut short of it).
    std::int32_t TabStop = 0;
    std::function<void()> Clicked;
    std::function<void()> DoubleClicked;

    const std::vector<std::string>& Items() const { return List; }
    std::int32_t Count() const { return static_cast<std::int32_t>(List.size()); }
    void AddItem(std::string text);
    // Replacing or clearing the items clears the selection and scrolls to the top.
    void SetItems(std::vector<std::string> items);
    void Clear();
    // Empty outside the items.
    std::string ItemText(std::int32_t index) const;
    void SetItemText(std::int32_t index, std::string text);
    // -1 = none; an index outside the items selects none. The selection is scrolled into view.
    std::int32_t ItemIndex() const { return Index; }
    void SetItemIndex(std::int32_t index);
    std::int32_t TopIndex() const { return Top; }
    void SetTopIndex(std::int32_t index);

    // Geometry in client pixels.
    std::int32_t ItemHeight() const;
    // Whole rows that fit.
    std::int32_t VisibleRows() const;
    bool HasScrollBar() const;
    // The item drawn at a client point, -1 when none.
    std::int32_t ItemAt(std::int32_t x, std::int32_t y) const;
    Rect ItemRect(std::int32_t index) const;
    // Empty without a scroll bar.
    Rect ScrollBarRect() const;
    Rect ThumbRect() const;

    bool OnMouseDown(int button, ShiftState shift, std::int32_t x, std::int32_t y) override;
    bool OnMouseMove(ShiftState shift, std::int32_t x, std::int32_t y) override;
    bool OnMouseUp(int button, ShiftState shift, std::int32_t x, std::int32_t y) override;
    bool OnMouseWheel(std::int32_t delta, ShiftState shift, std::int32_t x, std::int32_t y) override;
    bool OnKeyDown(KeyCode key, ShiftState shift) override;
    void OnFocusEnter() override;
    void OnFocusExit() override;
    void OnResize() override;
    void Paint() override;

protected:
    enum class Part
    {
        None,
        Items,
        UpArrow,
        DownArrow,
        PageUp,
        PageDown,
        Thumb
    };
    Part PartAt(std::int32_t x, std::int32_t y) const;
    // Selects index (clamped to the items) as the user does; true and a click report when it changed.
    bool MoveSelection(std::int32_t index);
    // The part a held left button went down on.
    Part Held = Part::None;

private:
    Rect ItemsRect() const;
    Rect UpArrowRect() const;
    Rect DownArrowRect() const;
    Rect TrackRect() const;
    std::int32_t ScrollBarWidth() const;
    std::int32_t MaxTop() const;
    void ScrollIntoView(std::int32_t index);

    std::vector<std::string> List;
    std::int32_t Index = -1;
    std::int32_t Top = 0;
    std::int32_t ThumbGrab = 0;
};
