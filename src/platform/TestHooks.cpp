// Test hooks: injected SDL events, pumping, manual timers, the modal hook and screen reads.
#include "platform/TestHooks.h"

#include "platform/Application.h"
#include "platform/SdlKeys.h"

#include <SDL.h>
#include <algorithm>
#include <cstring>

namespace {

Uint8 SdlButton(int button)
{
    switch (button) {
    case Mouse::Right:
        return SDL_BUTTON_RIGHT;
    case Mouse::Middle:
        return SDL_BUTTON_MIDDLE;
    default:
        return SDL_BUTTON_LEFT;
    }
}

} // namespace

void TestHooks::ForceScreenSize(Application& app, std::int32_t width, std::int32_t height)
{
    app.ForceScreen(width, height);
}

void TestHooks::ResizeWindow(Application& app, std::int32_t width, std::int32_t height)
{
    app.ResizeSdlWindow(width, height);
}

void TestHooks::MouseMove(Application& app, std::int32_t x, std::int32_t y)
{
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.windowID = app.SdlWindowId();
    e.motion.x = x;
    e.motion.y = y;
    SDL_PushEvent(&e);
}

void TestHooks::MouseDown(Application& app, int button, std::int32_t x, std::int32_t y, int clicks)
{
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.windowID = app.SdlWindowId();
    e.button.button = SdlButton(button);
    e.button.state = SDL_PRESSED;
    e.button.clicks = static_cast<Uint8>(clicks);
    e.button.x = x;
    e.button.y = y;
    SDL_PushEvent(&e);
}

void TestHooks::MouseUp(Application& app, int button, std::int32_t x, std::int32_t y, int clicks)
{
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONUP;
    e.button.windowID = app.SdlWindowId();
    e.button.button = SdlButton(button);
    e.button.state = SDL_RELEASED;
    e.button.clicks = static_cast<Uint8>(clicks);
    e.button.x = x;
    e.button.y = y;
    SDL_PushEvent(&e);
}

void TestHooks::Click(Application& app, std::int32_t x, std::int32_t y)
{
    MouseMove(app, x, y);
    MouseDown(app, Mouse::Left, x, y, 1);
    MouseUp(app, Mouse::Left, x, y, 1);
}

void TestHooks::DoubleClick(Application& app, std::int32_t x, std::int32_t y)
{
    Click(app, x, y);
    MouseDown(app, Mouse::Left, x, y, 2);
    MouseUp(app, Mouse::Left, x, y, 2);
}

void TestHooks::Wheel(Application& app, std::int32_t delta)
{
    SDL_Event e{};
    e.type = SDL_MOUSEWHEEL;
    e.wheel.windowID = app.SdlWindowId();
    e.wheel.y = delta;
    e.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
    SDL_PushEvent(&e);
}

namespace {

void PushKey(Application& app, Uint32 type, KeyCode key, ShiftState shift, Uint32 windowId)
{
    (void)app;
    SDL_Event e{};
    e.type = type;
    e.key.windowID = windowId;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym = SdlKeysymFromVirtual(key);
    e.key.keysym.mod = SdlModFromShift(shift);
    SDL_PushEvent(&e);
}

} // namespace

void TestHooks::KeyDown(Application& app, KeyCode key, ShiftState shift)
{
    PushKey(app, SDL_KEYDOWN, key, shift, app.SdlWindowId());
}

void TestHooks::KeyUp(Application& app, KeyCode key, ShiftState shift)
{
    PushKey(app, SDL_KEYUP, key, shift, app.SdlWindowId());
}

void TestHooks::Key(Application& app, KeyCode key, ShiftState shift)
{
    KeyDown(app, key, shift);
    KeyUp(app, key, shift);
}

void TestHooks::Text(Application& app, std::string_view utf8)
{
    // SDL carries at most 31 bytes a text event; split between characters.
    while (!utf8.empty()) {
        std::size_t n = std::min<std::size_t>(utf8.size(), SDL_TEXTINPUTEVENT_TEXT_SIZE - 1);
        while (n < utf8.size() && n > 0 && (static_cast<unsigned char>(utf8[n]) & 0xC0) == 0x80)
            --n;
        SDL_Event e{};
        e.type = SDL_TEXTINPUT;
        e.text.windowID = app.SdlWindowId();
        std::memcpy(e.text.text, utf8.data(), n);
        SDL_PushEvent(&e);
        utf8.remove_prefix(n);
    }
}

namespace {

void PushWindowEvent(Uint32 windowId, Uint8 kind)
{
    SDL_Event e{};
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = windowId;
    e.window.event = kind;
    SDL_PushEvent(&e);
}

} // namespace

void TestHooks::Restore(Application& app)
{
    PushWindowEvent(app.SdlWindowId(), SDL_WINDOWEVENT_RESTORED);
}

void TestHooks::CloseRequest(Application& app)
{
    PushWindowEvent(app.SdlWindowId(), SDL_WINDOWEVENT_CLOSE);
}

void TestHooks::Pump(Application& app)
{
    app.ProcessMessages();
}

void TestHooks::FireTimer(Application& app)
{
    app.FireTimersOnce();
}

void TestHooks::SetManualTimers(Application& app, bool manual)
{
    app.SetManualTimers(manual);
}

void TestHooks::SetModalHook(Application& app, std::function<void(Window&)> hook)
{
    app.SetModalHook(std::move(hook));
}

void TestHooks::SetOpenUrlHook(Application& app, std::function<bool(const std::string&)> hook)
{
    app.SetOpenUrlHook(std::move(hook));
}

bool TestHooks::TextInputActive(Application& app)
{
    return app.TextInputOn();
}

Colour TestHooks::ScreenPixel(Application& app, std::int32_t x, std::int32_t y)
{
    return app.ScreenPixel(x, y);
}

std::vector<Rect> TestHooks::LastPushedRects(Application& app)
{
    return app.LastPushedRects();
}

int TestHooks::PushCount(Application& app)
{
    return app.PushCount();
}

Rect TestHooks::HintRect(Application& app)
{
    return app.HintShown();
}

void TestHooks::SetHintObserver(Application& app, std::function<void(const DrawnText&)> observer)
{
    app.SetHintObserver(std::move(observer));
}
