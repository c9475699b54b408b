// TSComboBox: a skinned face over the platform's drop-down list, showing the chosen text.
#pragma once

#include "controls/ScaleCustomControl.h"

#include <memory>

class DropDownList;

class TSComboBox : public TSButtonControl
{
    CONTROL_CLASS(TSComboBox, TSButtonControl);
    // The list is made here with the same owner as its parent, under the face.
    explicit TSComboBox(WinControl* owner);
    ~TSComboBox() override;

    // The drop-down list the face drives; owners set its colour and items.
    std::unique_ptr<DropDownList> List;
    // Pixels kept free left and right of the caption.
    std::int32_t TextInset = 0;

    std::int32_t Frame() const { return Hover == 0 ? 0 : 1 + Pressed; }

    // The face becomes as tall as the list's closed box and lies exactly over it.
    void AfterSetup() override;
    void ShowAndEnable() override;
    void HideAndDisable() override;
    void DrawContent() override;
    // Opens the list; reports nothing by itself.
    void HandleClick() override;
    // Space opens the list.
    void HandleKeyDown(KeyCode key, ShiftState shift) override;
    // The user chose an item: the face shows it, the Id is reported, the parent takes the focus.
    void HandleListChange();
};
