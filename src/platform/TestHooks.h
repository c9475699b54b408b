// Hooks for headless tests: injected input, pumping without waiting, manual timer ticks, a hook
// on every turn of a nested modal loop, a forced screen size, and a look at what reached the screen.
// Used by the tests and by nothing else.
#pragma once

#include "graphics/Geometry.h"
#include "platform/Keys.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class Application;
class Window;
struct DrawnText;

struct TestHooks
{
    // The screen becomes width x height and the SDL window (not full-screen then) follows it.
    static void ForceScreenSize(Application& app, std::int32_t width, std::int32_t height);
    // Resizes the SDL window only; the screen keeps its size.
    static void ResizeWindow(Application& app, std::int32_t width, std::int32_t height);

    // Input, queued as SDL events (screen coordinates) and handled by the next pump or loop turn.
    static void MouseMove(Application& app, std::int32_t x, std::int32_t y);
    static void MouseDown(Application& app, int button, std::int32_t x, std::int32_t y, int clicks = 1);
    static void MouseUp(Application& app, int button, std::int32_t x, std::int32_t y, int clicks = 1);
    // Move, press and release of the left button.
    static void Click(Application& app, std::int32_t x, std::int32_t y);
    // Two clicks, the second marked as a double click.
    static void DoubleClick(Application& app, std::int32_t x, std::int32_t y);
    static void Wheel(Application& app, std::int32_t delta);
    // shift: Shift:: bits (Shift, Alt, Ctrl) held with the key.
    static void KeyDown(Application& app, KeyCode key, ShiftState shift = 0);
    static void KeyUp(Application& app, KeyCode key, ShiftState shift = 0);
    static void Key(Application& app, KeyCode key, ShiftState shift = 0);
    static void Text(Application& app, std::string_view utf8);
    // The desktop reports the minimised window restored, or asks it to close.
    static void Restore(Application& app);
    static void CloseRequest(Application& app);

    // Handles what is queued (and the due timers unless they are manual) and shows what changed.
    static void Pump(Application& app);
    // Every enabled timer fires once.
    static void FireTimer(Application& app);
    // Manual timers fire only through FireTimer, never by the clock.
    static void SetManualTimers(Application& app, bool manual);
    // Called after every turn of a nested modal loop with the innermost modal window; while set,
    // the nested loops never sleep.
    static void SetModalHook(Application& app, std::function<void(Window&)> hook);
    // Receives the URL instead of the desktop; returns what OpenHelp should report.
    static void SetOpenUrlHook(Application& app, std::function<bool(const std::string&)> hook);

    static bool TextInputActive(Application& app);
    // The colour (0x00BBGGRR) on the screen at (x, y), as last pushed to SDL.
    static Colour ScreenPixel(Application& app, std::int32_t x, std::int32_t y);
    // Rectangles of the last push to SDL and the number of pushes so far.
    static std::vector<Rect> LastPushedRects(Application& app);
    static int PushCount(Application& app);
    // The hint box on the screen (empty when none), and a look at the text drawn into it.
    static Rect HintRect(Application& app);
    static void SetHintObserver(Application& app, std::function<void(const DrawnText&)> observer);
};
