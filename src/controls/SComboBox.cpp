// The combo box face: height and place from its list, opening it, showing and reporting a choice.
#include "controls/SComboBox.h"

#include "graphics/Font.h"
#include "graphics/Surface.h"
#include "platform/DropDownList.h"

TSComboBox::TSComboBox(WinControl* owner)
    : TSButtonControl(owner), List(std::make_unique<DropDownList>(owner))
{
    List->TabStop = false;
    List->SetParent(owner);
}

TSComboBox::~TSComboBox() = default;

void TSComboBox::AfterSetup()
{
    RelRect area = Area;
    if (ScreenSize.Height > 0)
        area.Bottom =
            area.Top + static_cast<float>(List->BoxHeight()) / static_cast<float>(ScreenSize.Height);
    SetArea(area);
    List->TabStop = false;
    List->Changed = [this] { HandleListChange(); };
    List->SetBounds(PixelArea.Left, PixelArea.Top, PixelArea.Width(), PixelArea.Height());
    TextInset =
        Round(static_cast<double>(ScreenSize.Width) * (static_cast<double>(Area.Right) - Area.Left) * 0.02);
}

void TSComboBox::ShowAndEnable()
{
    TSButtonControl::ShowAndEnable();
    List->SetVisible(true);
    List->SetEnabled(true);
}

void TSComboBox::HideAndDisable()
{
    TSButtonControl::HideAndDisable();
    List->CloseUp();
    List->SetVisible(false);
    List->SetEnabled(false);
}

void TSComboBox::DrawContent()
{
    Surface* target = DrawSkinFrame(Frame());
    if (target == nullptr)
        return;
    DrawFocusOutline();
    Rect r{PixelArea.Left + TextInset, PixelArea.Top, PixelArea.Right - TextInset, PixelArea.Bottom};
    if (Pressed == 1)
        r = Rect{r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
    const Font* font = GetFont();
    // The caption is an item's text, which has no accelerator letter.
    target->DrawTextInRect(
        r, Caption(), TextFormat::Left | TextFormat::VCenter | TextFormat::SingleLine | TextFormat::NoPrefix,
        font != nullptr ? font->Color : 0, font);
}

void TSComboBox::HandleClick()
{
    List->DropDown();
    Hover = 0;
    Pressed = 0;
}

void TSComboBox::HandleKeyDown(KeyCode key, ShiftState)
{
    if (key != Key::Space)
        return;
    Click();
    if (Visible())
        Paint();
}

void TSComboBox::HandleListChange()
{
    SetCaption(List->Text());
    if (Visible())
        Paint();
    TSButtonControl::HandleClick();
    if (WinControl* parent = Parent())
        parent->SetFocus();
}
