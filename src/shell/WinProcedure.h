// TWinProcedure: the base of the three screens (main menu, game, editor) that take turns owning the
// main window, with their event adaptors and the switching protocol.
#pragma once

#include "graphics/Geometry.h"
#include "platform/Control.h"

#include <memory>

class Surface;
class TMainWnd;

// A windowed control that fills the main window's client area. The current screen gets the mouse
// through MouseAction (button Mouse::Move for a move, releases never), the keys through KeyAction,
// the ticks through Tick and the button and dialog commands through Command; it draws into the main
// window's BackBuffer and shows the part it changed with Show.
class TWinProcedure : public WinControl
{
    CONTROL_CLASS(TWinProcedure, WinControl);
    // Starts hidden and disabled, as a child of the main window. The main window calls Leave before
    // it destroys a screen (a base destructor cannot reach the subclass's Leave).
    explicit TWinProcedure(TMainWnd& owner);
    ~TWinProcedure() override;

    // Set while a modal dialog is shown over the screen (or the screen is in the middle of work
    // that shows dialogs); the main window then skips Tick and keeps a requested switch waiting.
    bool Busy = false;
    // The screen's background picture, loaded by a subclass in Enter and freed in Leave.
    std::unique_ptr<Surface> Background;

    TMainWnd& MainWnd() const { return Main; }

    // Copies the part of the BackBuffer being painted onto the screen's canvas.
    void Paint() override;

    // Event adaptors, bound to the platform's mouse and key events of the control.
    virtual void DoMouseMove(Control* sender, ShiftState shift, std::int32_t x, std::int32_t y);
    virtual void DoMouseDown(Control* sender, int button, ShiftState shift, std::int32_t x, std::int32_t y);
    virtual void DoMouseUp(Control* sender, int button, ShiftState shift, std::int32_t x, std::int32_t y);
    virtual void DoKeyDown(Control* sender, KeyCode key, ShiftState shift);

    // The screen's operations; the base does nothing (Command returns the code).
    // button: Mouse::Move, Left, Right or Middle; x, y in pixels of the screen.
    virtual void MouseAction(int button, ShiftState shift, std::int32_t x, std::int32_t y);
    virtual void KeyAction(KeyCode key, ShiftState shift);
    virtual void Tick();
    // source is CommandSource::Control for the clicks of controls and dialog buttons; code is a
    // CommandId (shell/Commands.h); returns code.
    virtual int Command(int source, int code);
    virtual void Redraw();
    virtual void Enter();
    virtual void Leave();

    // Makes this screen current: deactivates the current one, Enter, CurrentScreen = this,
    // SyncMouseCapture, show, enable and focus, then Redraw.
    void Activate();
    // Hide, disable, then Leave. CurrentScreen stays as it is.
    void Deactivate();
    // A mouse move at the pointer's place to every child whose class derives directly from
    // TScaleMouseCaptureControl, so hover looks match the pointer.
    void SyncMouseCapture();
    // Copies rect (client pixels; null = all) of the BackBuffer onto the screen.
    void Show(const Rect* rect);
    using Control::Show;

    bool OnMouseMove(ShiftState shift, std::int32_t x, std::int32_t y) override;
    bool OnMouseDown(int button, ShiftState shift, std::int32_t x, std::int32_t y) override;
    bool OnMouseUp(int button, ShiftState shift, std::int32_t x, std::int32_t y) override;
    bool OnKeyDown(KeyCode key, ShiftState shift) override;

private:
    TMainWnd& Main;
};

// The screen that receives events and ticks, or null.
extern TWinProcedure* CurrentScreen;

// Keeps the current screen Busy while a dialog is shown over it, so that the main window skips its
// Tick. Released, the screen's flag is as the mark found it: a dialog closing over another leaves
// the screen waiting for the other.
class ScreenBusyMark
{
public:
    // Marks the current screen; nothing when this mark is already set.
    void Set();
    // Gives the flag back; nothing when the mark is not set.
    void Release();

private:
    bool Marked = false;
    bool WasBusy = false;
};
