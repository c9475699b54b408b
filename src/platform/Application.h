// The application: SDL start-up and shut-down, the event loop with its timers, nested modal loops,
// the windows and their compositing, cursors, the screen size, the pointer and the help page.
#pragma once

#include "graphics/Geometry.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class Control;
class Timer;
struct DrawnText;
class Window;

// A cursor picture: Width x Height pixels 0xAARRGGBB, rows top-down; (HotX, HotY) is the point.
struct CursorImage
{
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t HotX = 0;
    std::int32_t HotY = 0;
    std::vector<std::uint32_t> Pixels;
};

// The pointing hand drawn by the program (cursor number 1).
CursorImage HandCursorImage();

// Cursor numbers (Control::SetCursor, Application::InstallCursor).
namespace CursorId {
constexpr int Arrow = 0;
constexpr int Hand = 1; // over whatever can be clicked: menu, tool and dialog buttons, board cells
} // namespace CursorId

// One per program. Windows, controls and timers made for it must be destroyed before it.
class Application
{
public:
    // Starts SDL's video and creates the (hidden) SDL window that covers the screen; throws
    // std::runtime_error when there is no display.
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    void SetTitle(const std::string& title);
    const std::string& Title() const;
    void SetHelpFile(const std::string& path);
    const std::string& HelpFile() const;

    // The main window fills the SDL window and follows its size; closing it ends the program.
    void SetMainWindow(Window* window);
    Window* MainWindow() const;

    // Shows the main window and runs the loop until Terminate. Each turn paints and shows what
    // changed, sleeps until the next event or timer deadline, handles the events, then fires the
    // timers that are due.
    void Run();
    // The nested loop of Window::ShowModal.
    int RunModal(Window& window);
    // Handles the events already queued and the due timers, and shows what changed; never waits.
    void ProcessMessages();
    void Terminate();
    bool Terminated() const;

    // Minimises the SDL window. OnRestore runs when it comes back; when the desktop does not
    // minimise it, the next key press or click counts as the restore, so the program never stays
    // suspended.
    void Minimize();
    bool Minimized() const;
    std::function<void()> OnRestore;

    // The screen's size in pixels and the pointer in screen pixels (the SDL window covers the
    // screen, so screen and window coordinates agree).
    ScreenSizeRecord DisplaySize() const;
    Point PointerPos() const;

    // Numbered cursors: 0 is the arrow; others are installed by the program. A cursor the driver
    // cannot make is left out (the arrow shows instead).
    void InstallCursor(int number, const CursorImage& image);
    int CurrentCursor() const;

    // Opens a local HTML file in the desktop's browser; false when that failed (nothing else
    // happens then).
    bool OpenHelp(const std::string& htmlPath);

    // Paints what is invalid and pushes what changed to the screen now, instead of at the end of the
    // loop turn.
    void Present();

    // Shows an error to the user: a message box where one can open, and always standard error.
    static void ShowErrorMessage(const std::string& title, const std::string& text);

private:
    friend class Control;
    friend class WinControl;
    friend class Window;
    friend class Timer;
    friend struct TestHooks;
    struct Impl;
    std::unique_ptr<Impl> P;

    // The loop.
    void Turn(bool wait);
    void RunDueTimers();
    void FireTimersOnce();
    void Restored();

    // Input routing.
    void MouseMoved();
    void MousePressed(int button, int clicks);
    void MouseReleased(int button);
    void MouseWheeled(std::int32_t delta);
    void KeyPressed(std::uint16_t key, std::uint8_t shift);
    void TextTyped(const char* text);
    Control* HitTest(Point p, Window** frameHit) const;
    Window* TopModal() const;
    // The control under the pointer whose hint may show now, or null.
    Control* HintControl() const;
    std::uint8_t CurrentShift() const;

    // For the test hooks.
    void ForceScreen(std::int32_t width, std::int32_t height);
    void ResizeSdlWindow(std::int32_t width, std::int32_t height);
    std::uint32_t SdlWindowId() const;
    void SetManualTimers(bool manual);
    void SetModalHook(std::function<void(Window&)> hook);
    void SetOpenUrlHook(std::function<bool(const std::string&)> hook);
    bool TextInputOn() const;
    Colour ScreenPixel(std::int32_t x, std::int32_t y) const;
    std::vector<Rect> LastPushedRects() const;
    Rect HintShown() const;
    void SetHintObserver(std::function<void(const DrawnText&)> observer);
    int PushCount() const;

    // Used by the control tree.
    void AddWindow(Window* window);
    void RemoveWindow(Window* window);
    void WindowShown(Window* window);
    void WindowHidden(Window* window);
    void ClosePopups();
    void AddDirty(const Rect& screenRect);
    void ForgetControl(Control* control);
    void SetCapture(Control* control);
    Control* Capture() const;
    void FocusChanged();
    void CursorMayHaveChanged();
    void AddTimer(Timer* timer);
    void RemoveTimer(Timer* timer);
    std::uint64_t Now() const;
    Window* KeyWindow() const;
};
