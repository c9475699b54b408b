// The dialog push button: skin frame, focus outline, caption, modal results and keys.
#include "controls/SButton.h"

#include "graphics/Font.h"
#include "graphics/Surface.h"
#include "shell/Commands.h"

TSButton::TSButton(WinControl* owner) : TSButtonControl(owner) {}

void TSButton::DrawContent()
{
    Surface* target = DrawSkinFrame(Frame());
    if (target == nullptr)
        return;
    DrawFocusOutline();
    Rect r = PixelArea;
    if (Pressed == 1)
        r = Rect{r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
    const Font* font = GetFont();
    target->DrawTextInRect(r, Caption(), TextFormat::Center | TextFormat::VCenter | TextFormat::SingleLine,
                           font != nullptr ? font->Color : 0, font);
}

void TSButton::HandleClick()
{
    if (CommandId::IsModalResult(Id)) {
        if (ScaledDialog* dialog = AsScaledDialog(Parent())) {
            dialog->SetModalResult(Id);
            Hover = 0;
            Pressed = 0;
        }
        return;
    }
    TSButtonControl::HandleClick();
}

void TSButton::HandleKeyDown(KeyCode key, ShiftState)
{
    if (key == Key::Return || key == Key::Space)
        Click();
}
