// DropDownList: the native fixed drop-down list, a closed box with a popup list to choose from.
#pragma once

#include "platform/Control.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class DropDownPopup;

// The closed box shows the chosen item's text and an arrow button; its height follows its font.
// The popup opens by DropDown or a press on the box and shows up to DropDownCount rows below the
// box (above when there is no room below), kept on the screen. It closes by a choice (a click on
// an item, or Enter), by Escape, or by a press anywhere outside it, which does nothing else.
// Choosing another item than the current one reports Changed; the program's own changes report
// nothing. On the closed box, Up, Down, Home and End choose too; F4 or Alt+Down opens it.
class DropDownList : public WinControl
{
    CONTROL_CLASS(DropDownList, WinControl);
    explicit DropDownList(WinControl* owner = nullptr);
    ~DropDownList() override;

    // Background of the box and the popup (0x00BBGGRR).
    Colour Color = 0x00FFFFFF;
    // Rows the popup shows at most.
    std::int32_t DropDownCount = 8;
    std::function<void()> Changed;

    const std::vector<std::string>& Items() const { return List; }
    std::int32_t Count() const { return static_cast<std::int32_t>(List.size()); }
    void AddItem(std::string text);
    // Replacing or clearing the items chooses none.
    void SetItems(std::vector<std::string> items);
    void Clear();
    std::string ItemText(std::int32_t index) const;
    // -1 = none; an index outside the items chooses none.
    std::int32_t ItemIndex() const { return Index; }
    void SetItemIndex(std::int32_t index);
    // The chosen item's text, empty when none.
    std::string Text() const { return ItemText(Index); }

    // The closed box's height in pixels for the current font; SetBounds keeps to it.
    std::int32_t BoxHeight() const;
    void SetBounds(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) override;

    void DropDown();
    void CloseUp();
    bool DroppedDown() const;
    // The popup's client area in screen pixels while open, else empty.
    Rect PopupRect() const;

    bool OnMouseDown(int button, ShiftState shift, std::int32_t x, std::int32_t y) override;
    bool OnKeyDown(KeyCode key, ShiftState shift) override;
    void OnFocusEnter() override;
    void OnFocusExit() override;
    void Paint() override;

private:
    friend class DropDownPopup;
    friend class PopupList;
    void Choose(std::int32_t index);
    void PopupHidden();
    void ChooseByKey(std::int32_t index);

    std::vector<std::string> List;
    std::int32_t Index = -1;
    std::unique_ptr<DropDownPopup> Popup;
};
