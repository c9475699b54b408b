// The check box: skin frame by state, focus outline, toggling by click and Space.
#include "controls/SCheckBox.h"

#include "graphics/Surface.h"

TSCheckBox::TSCheckBox(WinControl* owner) : TSButtonControl(owner) {}

void TSCheckBox::DrawContent()
{
    if (DrawSkinFrame(Frame()) != nullptr)
        DrawFocusOutline();
}

void TSCheckBox::HandleClick()
{
    Checked = Checked == 0 ? 1 : 0;
}

void TSCheckBox::HandleKeyDown(KeyCode key, ShiftState)
{
    if (key != Key::Space)
        return;
    Click();
    if (Visible())
        Paint();
}
