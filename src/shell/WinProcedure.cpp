// The screen base: event adaptors, activation and deactivation, hover re-synchronisation and
// showing parts of the back buffer.
#include "shell/WinProcedure.h"

#include "graphics/Surface.h"
#include "platform/Application.h"
#include "shell/MainWnd.h"

TWinProcedure* CurrentScreen = nullptr;

TWinProcedure::TWinProcedure(TMainWnd& owner) : WinControl(&owner), Main(owner)
{
    SetVisible(false);
    SetEnabled(false);
    SetParent(&owner);
    SetAlign(Align::Client);
}

TWinProcedure::~TWinProcedure()
{
    if (CurrentScreen == this)
        CurrentScreen = nullptr;
}

void TWinProcedure::Paint()
{
    if (Main.BackBuffer == nullptr)
        return;
    const Rect clip = PaintClip();
    CopyToCanvas(*Main.BackBuffer, clip, clip.Left, clip.Top);
}

void TWinProcedure::DoMouseMove(Control*, ShiftState shift, std::int32_t x, std::int32_t y)
{
    MouseAction(Mouse::Move, shift, x, y);
}

void TWinProcedure::DoMouseDown(Control*, int button, ShiftState shift, std::int32_t x, std::int32_t y)
{
    MouseAction(button, shift, x, y);
}

void TWinProcedure::DoMouseUp(Control*, int, ShiftState, std::int32_t, std::int32_t) {}

void TWinProcedure::DoKeyDown(Control*, KeyCode key, ShiftState shift)
{
    KeyAction(key, shift);
}

void TWinProcedure::MouseAction(int, ShiftState, std::int32_t, std::int32_t) {}

void TWinProcedure::KeyAction(KeyCode, ShiftState) {}

void TWinProcedure::Tick() {}

int TWinProcedure::Command(int, int code)
{
    return code;
}

void TWinProcedure::Redraw() {}

void TWinProcedure::Enter() {}

void TWinProcedure::Leave() {}

void TWinProcedure::Activate()
{
    if (CurrentScreen != nullptr)
        CurrentScreen->Deactivate();
    Enter();
    CurrentScreen = this;
    SyncMouseCapture();
    SetVisible(true);
    SetEnabled(true);
    SetFocus();
    if (Visible())
        Redraw();
}

void TWinProcedure::Deactivate()
{
    SetVisible(false);
    SetEnabled(false);
    Leave();
}

void TWinProcedure::SyncMouseCapture()
{
    Application* app = App();
    if (app == nullptr)
        return;
    const Point pointer = app->PointerPos();
    // A move may change the children; walk a copy.
    const std::vector<Control*> children = Controls();
    for (Control* child : children) {
        if (!child->DerivesDirectlyFrom("TScaleMouseCaptureControl"))
            continue;
        const Point p = child->ScreenToClient(pointer);
        child->OnMouseMove(0, p.X, p.Y);
    }
}

void TWinProcedure::Show(const Rect* rect)
{
    if (Main.BackBuffer == nullptr)
        return;
    const Rect whole{0, 0, Main.BackBuffer->Width, Main.BackBuffer->Height};
    const Rect r = rect != nullptr ? *rect : whole;
    CopyToCanvas(*Main.BackBuffer, r, r.Left, r.Top);
}

bool TWinProcedure::OnMouseMove(ShiftState shift, std::int32_t x, std::int32_t y)
{
    DoMouseMove(this, shift, x, y);
    return true;
}

bool TWinProcedure::OnMouseDown(int button, ShiftState shift, std::int32_t x, std::int32_t y)
{
    DoMouseDown(this, button, shift, x, y);
    return true;
}

bool TWinProcedure::OnMouseUp(int button, ShiftState shift, std::int32_t x, std::int32_t y)
{
    DoMouseUp(this, button, shift, x, y);
    return true;
}

bool TWinProcedure::OnKeyDown(KeyCode key, ShiftState shift)
{
    DoKeyDown(this, key, shift);
    return true;
}

void ScreenBusyMark::Set()
{
    if (Marked)
        return;
    Marked = true;
    WasBusy = CurrentScreen != nullptr && CurrentScreen->Busy;
    if (CurrentScreen != nullptr)
        CurrentScreen->Busy = true;
}

void ScreenBusyMark::Release()
{
    if (!Marked)
        return;
    Marked = false;
    if (CurrentScreen != nullptr)
        CurrentScreen->Busy = WasBusy;
}
