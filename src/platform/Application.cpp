// The application on SDL2: event loop, timers, modal loops, input routing, compositing of the
// windows into the one SDL window, cursors, help page and error display.
#include "platform/Application.h"

#include "graphics/Surface.h"
#include "platform/Control.h"
#include "platform/HintBox.h"
#include "platform/RectOps.h"
#include "platform/SdlKeys.h"
#include "platform/Timer.h"
#include "platform/Window.h"
#include "platform/X11Desktop.h"

#include <SDL.h>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>

namespace {

ShiftState ButtonBit(int button)
{
    switch (button) {
    case Mouse::Left:
        return Shift::Left;
    case Mouse::Right:
        return Shift::Right;
    default:
        return Shift::Middle;
    }
}

int ButtonFromSdl(Uint8 button)
{
    switch (button) {
    case SDL_BUTTON_LEFT:
        return Mouse::Left;
    case SDL_BUTTON_RIGHT:
        return Mouse::Right;
    case SDL_BUTTON_MIDDLE:
        return Mouse::Middle;
    default:
        return -1;
    }
}

std::string FileUrl(const std::string& path)
{
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    const std::string text = ec ? path : absolute.generic_string();
    static const char hex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (unsigned char c : text) {
        if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += hex[c >> 4];
            url += hex[c & 15];
        }
    }
    return url;
}

} // namespace

struct Application::Impl
{
    SDL_Window* Sdl = nullptr;
    Uint32 SdlId = 0;
    bool SdlShown = false;
    std::string Title;
    std::string HelpFile;
    Window* Main = nullptr;
    std::vector<Window*> Windows; // z-order, bottom first
    std::vector<Timer*> Timers;
    std::vector<Window*> ModalStack; // an entry becomes null when its window is destroyed
    Control* Capture = nullptr;
    Control* PressTarget = nullptr; // the control a press or release is being delivered to
    Control* ClickTarget = nullptr; // the control of the left press that may become a click
    Control* LastClicked = nullptr; // the control of the last click (double-click check)
    Window* CloseBoxWindow = nullptr;
    Point Pointer;
    Uint16 Mod = 0;
    ShiftState Buttons = 0;
    bool Terminated = false;
    bool Minimized = false;
    bool ManualTimers = false;
    bool TextInputOn = false;
    std::optional<ScreenSizeRecord> Forced;
    std::vector<Rect> Dirty; // screen coordinates
    std::map<int, SDL_Cursor*> Cursors;
    int CursorShown = 0;
    std::function<void(Window&)> ModalHook;
    std::function<bool(const std::string&)> OpenUrlHook;
    std::vector<Rect> LastPushed;
    int PushCount = 0;
    SDL_Surface* Shadow = nullptr; // XRGB copy when the window surface has another format
    Uint64 Start = 0;
    bool PointerInside = true;
    std::unique_ptr<HintBox> Hint;

    static void Dispatch(Application& app, const SDL_Event& event);
    static void DispatchWindowEvent(Application& app, Uint8 kind, std::int32_t data1, std::int32_t data2);
};

Application::Application() : P(std::make_unique<Impl>())
{
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        throw std::runtime_error(std::string("Cannot open the display: ") + SDL_GetError());
    SDL_StopTextInput();
    // The program composes every frame itself. Where the driver has a window surface of its own
    // (X11: the server's shared memory), showing a frame is a copy; SDL's default would load an
    // OpenGL driver (a software one and its threads on a machine without a GPU) only to upload a
    // texture. A driver without one (Wayland) keeps the default: with the hint it would have no
    // surface at all. The player's SDL_FRAMEBUFFER_ACCELERATION still wins over a hint set here.
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver != nullptr && std::strcmp(driver, "x11") == 0)
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    P->Start = SDL_GetTicks64();
    const ScreenSizeRecord screen = DisplaySize();
    P->Sdl = SDL_CreateWindow("", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, screen.Width,
                              screen.Height, SDL_WINDOW_HIDDEN | SDL_WINDOW_FULLSCREEN_DESKTOP);
    if (P->Sdl == nullptr) {
        const std::string error = SDL_GetError();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        throw std::runtime_error("Cannot create the window: " + error);
    }
    // With no window manager nobody acts on the full-screen request, yet SDL would wait a tenth of
    // a second for one whenever the window is shown; the window already covers the screen from
    // its top left corner, as full screen would.
    if (OnX11WithoutWindowManager(P->Sdl))
        SDL_SetWindowFullscreen(P->Sdl, 0);
    P->SdlId = SDL_GetWindowID(P->Sdl);
    int x = 0;
    int y = 0;
    SDL_GetGlobalMouseState(&x, &y);
    P->Pointer = Point{x, y};
    P->Hint = std::make_unique<HintBox>(
        *this, [this] { return HintControl(); }, [this](const Rect& r) { AddDirty(r); });
}

Application::~Application()
{
    P->Hint.reset();
    for (auto& [number, cursor] : P->Cursors)
        SDL_FreeCursor(cursor);
    if (P->Shadow != nullptr)
        SDL_FreeSurface(P->Shadow);
    SDL_DestroyWindow(P->Sdl);
    SDL_Quit();
}

void Application::SetTitle(const std::string& title)
{
    P->Title = title;
    SDL_SetWindowTitle(P->Sdl, title.c_str());
}

const std::string& Application::Title() const
{
    return P->Title;
}

void Application::SetHelpFile(const std::string& path)
{
    P->HelpFile = path;
}

const std::string& Application::HelpFile() const
{
    return P->HelpFile;
}

void Application::SetMainWindow(Window* window)
{
    P->Main = window;
    if (window == nullptr)
        return;
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(P->Sdl, &w, &h);
    window->SetBounds(0, 0, w, h);
    if (window->Visible())
        WindowShown(window);
}

Window* Application::MainWindow() const
{
    return P->Main;
}

// ---- the loop

void Application::Run()
{
    if (P->Main != nullptr && !P->Main->Visible())
        P->Main->Show();
    while (!P->Terminated)
        Turn(true);
}

void Application::ProcessMessages()
{
    Turn(false);
    Present();
}

void Application::Turn(bool wait)
{
    Present();
    SDL_Event event;
    if (wait && !P->Terminated && !P->ManualTimers) {
        int timeout = -1;
        const Uint64 now = Now();
        for (const Timer* t : P->Timers) {
            if (!t->Enabled())
                continue;
            const int left = t->Deadline <= now ? 0 : static_cast<int>(t->Deadline - now);
            timeout = timeout < 0 ? left : std::min(timeout, left);
        }
        const int got = timeout < 0 ? SDL_WaitEvent(&event) : SDL_WaitEventTimeout(&event, timeout);
        if (got != 0)
            Impl::Dispatch(*this, event);
    }
    while (!P->Terminated && SDL_PollEvent(&event) != 0)
        Impl::Dispatch(*this, event);
    if (!P->ManualTimers)
        RunDueTimers();
}

void Application::RunDueTimers()
{
    const Uint64 now = Now();
    std::vector<Timer*> due;
    for (Timer* t : P->Timers) {
        if (t->Enabled() && t->Deadline <= now)
            due.push_back(t);
    }
    for (Timer* t : due) {
        // A handler may have destroyed or stopped a later timer.
        if (std::find(P->Timers.begin(), P->Timers.end(), t) == P->Timers.end() || !t->Enabled())
            continue;
        t->Deadline += t->Interval();
        if (t->Deadline <= now)
            t->Deadline = now + t->Interval();
        if (t->OnTimer)
            t->OnTimer();
    }
}

void Application::FireTimersOnce()
{
    const std::vector<Timer*> timers = P->Timers;
    for (Timer* t : timers) {
        if (std::find(P->Timers.begin(), P->Timers.end(), t) == P->Timers.end() || !t->Enabled())
            continue;
        if (t->OnTimer)
            t->OnTimer();
    }
}

int Application::RunModal(Window& window)
{
    if (window.Visible() || window.Modal)
        throw std::logic_error("a window that is already showing cannot be shown modally");
    P->Hint->Dismiss();
    // The press that opened the dialog must not go on into it.
    P->Capture = nullptr;
    P->ClickTarget = nullptr;
    P->PressTarget = nullptr;
    if (P->CloseBoxWindow != nullptr) {
        P->CloseBoxWindow->SetCloseBoxPressed(false);
        P->CloseBoxWindow = nullptr;
    }
    ClosePopups();
    const std::size_t level = P->ModalStack.size();
    P->ModalStack.push_back(&window);
    window.Modal = true;
    window.ModalResult = ModalResult::None;
    window.Show();
    for (;;) {
        Window* w = P->ModalStack[level];
        if (w == nullptr)
            break;
        if (P->Terminated)
            w->ModalResult = ModalResult::Cancel;
        if (w->ModalResult != ModalResult::None) {
            if (P->Terminated || w->OnCloseQuery()) {
                CloseAction action = CloseAction::Hide;
                w->OnClose(action);
                if (action != CloseAction::None || P->Terminated)
                    break;
            }
            w->ModalResult = ModalResult::None;
        }
        Turn(!P->ModalHook);
        if (P->ModalHook && P->ModalStack[level] != nullptr)
            P->ModalHook(*P->ModalStack[level]);
    }
    Window* w = P->ModalStack[level];
    P->ModalStack.resize(level);
    int result = ModalResult::Cancel;
    if (w != nullptr) {
        result = w->ModalResult;
        w->Modal = false;
        w->Hide();
    }
    FocusChanged();
    CursorMayHaveChanged();
    return result;
}

void Application::Terminate()
{
    P->Terminated = true;
}

bool Application::Terminated() const
{
    return P->Terminated;
}

void Application::Minimize()
{
    P->Minimized = true;
    P->Hint->Dismiss();
    SDL_MinimizeWindow(P->Sdl);
}

bool Application::Minimized() const
{
    return P->Minimized;
}

void Application::Restored()
{
    if (!P->Minimized)
        return;
    P->Minimized = false;
    AddDirty(Rect{0, 0, 1 << 20, 1 << 20});
    if (OnRestore)
        OnRestore();
}

ScreenSizeRecord Application::DisplaySize() const
{
    if (P->Forced)
        return *P->Forced;
    int display = P->Sdl != nullptr ? SDL_GetWindowDisplayIndex(P->Sdl) : 0;
    if (display < 0)
        display = 0;
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(display, &mode) != 0 || mode.w <= 0 || mode.h <= 0)
        return ScreenSizeRecord{1024, 768};
    return ScreenSizeRecord{mode.w, mode.h};
}

Point Application::PointerPos() const
{
    return P->Pointer;
}

std::uint64_t Application::Now() const
{
    return SDL_GetTicks64() - P->Start;
}

// ---- windows and dirty rectangles

void Application::AddWindow(Window* window)
{
    P->Windows.insert(P->Windows.begin(), window);
}

void Application::RemoveWindow(Window* window)
{
    ForgetControl(window);
    if (P->CloseBoxWindow == window)
        P->CloseBoxWindow = nullptr;
    if (window->Visible())
        AddDirty(window->OuterRect());
    P->Windows.erase(std::remove(P->Windows.begin(), P->Windows.end(), window), P->Windows.end());
    for (Window*& modal : P->ModalStack) {
        if (modal == window)
            modal = nullptr;
    }
    if (P->Main == window)
        P->Main = nullptr;
    FocusChanged();
}

void Application::WindowShown(Window* window)
{
    auto& list = P->Windows;
    list.erase(std::remove(list.begin(), list.end(), window), list.end());
    list.push_back(window);
    AddDirty(window->OuterRect());
    if (window != P->Main)
        P->Hint->Dismiss();
    if (window == P->Main && !P->SdlShown) {
        P->SdlShown = true;
        SDL_ShowWindow(P->Sdl);
        SDL_RaiseWindow(P->Sdl);
    }
    CursorMayHaveChanged();
}

void Application::ClosePopups()
{
    const std::vector<Window*> windows = P->Windows;
    for (Window* w : windows) {
        if (w->Border() == BorderStyle::Popup && w->Visible() &&
            std::find(P->Windows.begin(), P->Windows.end(), w) != P->Windows.end())
            w->Hide();
    }
}

void Application::WindowHidden(Window* window)
{
    // A popup belongs to what was showing when it opened.
    if (window->Border() != BorderStyle::Popup)
        ClosePopups();
    AddDirty(window->OuterRect());
    if (P->Capture != nullptr && P->Capture->IsSelfOrDescendantOf(window))
        P->Capture = nullptr;
    if (P->CloseBoxWindow == window)
        P->CloseBoxWindow = nullptr;
    if (window == P->Main && P->SdlShown) {
        P->SdlShown = false;
        SDL_HideWindow(P->Sdl);
    }
    FocusChanged();
    CursorMayHaveChanged();
}

void Application::AddDirty(const Rect& screenRect)
{
    Rect r = screenRect;
    if (IsEmptyRect(r))
        return;
    auto& dirty = P->Dirty;
    for (bool merged = true; merged;) {
        merged = false;
        for (auto it = dirty.begin(); it != dirty.end(); ++it) {
            if (RectsTouch(*it, r)) {
                r = UnionRects(*it, r);
                dirty.erase(it);
                merged = true;
                break;
            }
        }
    }
    dirty.push_back(r);
    if (dirty.size() > 24) {
        Rect all;
        for (const Rect& each : dirty)
            all = UnionRects(all, each);
        dirty.assign(1, all);
    }
}

void Application::Present()
{
    for (std::size_t i = 0; i < P->Windows.size(); ++i)
        P->Windows[i]->PaintPending();
    // What was painted may have hidden or covered the control of the hint.
    P->Hint->Check();
    if (P->Dirty.empty())
        return;
    if (!P->SdlShown) {
        P->Dirty.clear();
        return;
    }
    SDL_Surface* screen = SDL_GetWindowSurface(P->Sdl);
    if (screen == nullptr) {
        P->Dirty.clear();
        return;
    }
    SDL_Surface* target = screen;
    const Uint32 format = screen->format->format;
    if (format != SDL_PIXELFORMAT_RGB888 && format != SDL_PIXELFORMAT_ARGB8888) {
        if (P->Shadow == nullptr || P->Shadow->w != screen->w || P->Shadow->h != screen->h) {
            if (P->Shadow != nullptr)
                SDL_FreeSurface(P->Shadow);
            P->Shadow = SDL_CreateRGBSurfaceWithFormat(0, screen->w, screen->h, 32, SDL_PIXELFORMAT_RGB888);
            if (P->Shadow == nullptr) {
                P->Dirty.clear();
                return;
            }
        }
        target = P->Shadow;
    }
    const Rect whole{0, 0, screen->w, screen->h};
    std::vector<SDL_Rect> rects;
    std::vector<Rect> pushed;
    if (SDL_MUSTLOCK(target))
        SDL_LockSurface(target);
    const PixelBuffer buffer{static_cast<std::uint8_t*>(target->pixels), target->w, target->h, target->pitch};
    for (const Rect& dirty : P->Dirty) {
        const Rect r = IntersectRects(dirty, whole);
        if (IsEmptyRect(r))
            continue;
        const bool covered = P->Main != nullptr && P->Main->Visible() && P->Main->Pixels() != nullptr &&
                             IntersectRects(r, P->Main->OuterRect()) == r;
        if (!covered) {
            for (std::int32_t y = r.Top; y < r.Bottom; ++y)
                std::memset(buffer.Pixels + y * buffer.Pitch + r.Left * 4, 0,
                            static_cast<std::size_t>(r.Width()) * 4);
        }
        for (Window* w : P->Windows) {
            if (!w->Visible() || w->Pixels() == nullptr)
                continue;
            const Rect outer = w->OuterRect();
            const Rect part = IntersectRects(r, outer);
            if (IsEmptyRect(part))
                continue;
            w->Pixels()->PresentTo(buffer, part.Left, part.Top, OffsetRect(part, -outer.Left, -outer.Top));
        }
        // The hint lies over every window; where it goes, the windows' own pixels come back.
        if (const Rect box = P->Hint->Shown(); !IsEmptyRect(box)) {
            const Rect part = IntersectRects(r, box);
            if (!IsEmptyRect(part))
                P->Hint->Pixels()->PresentTo(buffer, part.Left, part.Top,
                                             OffsetRect(part, -box.Left, -box.Top));
        }
        rects.push_back(SDL_Rect{r.Left, r.Top, r.Width(), r.Height()});
        pushed.push_back(r);
    }
    if (SDL_MUSTLOCK(target))
        SDL_UnlockSurface(target);
    if (target != screen) {
        for (SDL_Rect& r : rects)
            SDL_BlitSurface(target, &r, screen, &r);
    }
    P->Dirty.clear();
    if (rects.empty())
        return;
    SDL_UpdateWindowSurfaceRects(P->Sdl, rects.data(), static_cast<int>(rects.size()));
    P->LastPushed = std::move(pushed);
    ++P->PushCount;
}

// ---- input

void Application::Impl::Dispatch(Application& app, const SDL_Event& event)
{
    Impl& p = *app.P;
    switch (event.type) {
    case SDL_QUIT:
        app.Terminate();
        break;
    case SDL_WINDOWEVENT:
        if (event.window.windowID == p.SdlId)
            DispatchWindowEvent(app, event.window.event, event.window.data1, event.window.data2);
        break;
    case SDL_MOUSEMOTION:
        if (event.motion.windowID == p.SdlId || p.Capture != nullptr) {
            p.Pointer = Point{event.motion.x, event.motion.y};
            app.MouseMoved();
        }
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        const int button = ButtonFromSdl(event.button.button);
        if (button < 0)
            break;
        p.Pointer = Point{event.button.x, event.button.y};
        if (event.type == SDL_MOUSEBUTTONDOWN) {
            app.Restored();
            app.MousePressed(button, event.button.clicks);
        } else {
            app.MouseReleased(button);
        }
        break;
    }
    case SDL_MOUSEWHEEL: {
        const std::int32_t delta =
            event.wheel.y * (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -120 : 120);
        if (delta != 0)
            app.MouseWheeled(delta);
        break;
    }
    case SDL_KEYDOWN: {
        p.Mod = event.key.keysym.mod;
        app.Restored();
        const KeyCode key = VirtualKeyFromSdl(event.key.keysym.sym, event.key.keysym.scancode);
        if (key != 0)
            app.KeyPressed(key, ShiftFromSdlMod(p.Mod));
        break;
    }
    case SDL_KEYUP:
        p.Mod = event.key.keysym.mod;
        break;
    case SDL_TEXTINPUT:
        app.TextTyped(event.text.text);
        break;
    default:
        break;
    }
}

void Application::Impl::DispatchWindowEvent(Application& app, Uint8 kind, std::int32_t data1,
                                            std::int32_t data2)
{
    Impl& p = *app.P;
    switch (kind) {
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        if (kind == SDL_WINDOWEVENT_FOCUS_GAINED)
            p.Mod = static_cast<Uint16>(SDL_GetModState());
        app.Restored();
        app.AddDirty(Rect{0, 0, 1 << 20, 1 << 20});
        if (p.Main != nullptr)
            p.Main->OnActivate();
        break;
    case SDL_WINDOWEVENT_EXPOSED:
        app.AddDirty(Rect{0, 0, 1 << 20, 1 << 20});
        break;
    case SDL_WINDOWEVENT_ENTER:
    case SDL_WINDOWEVENT_LEAVE:
        p.PointerInside = kind == SDL_WINDOWEVENT_ENTER;
        p.Hint->PointerMoved(app.HintControl());
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        if (p.Main != nullptr)
            p.Main->SetBounds(0, 0, data1, data2);
        app.AddDirty(Rect{0, 0, 1 << 20, 1 << 20});
        break;
    case SDL_WINDOWEVENT_MINIMIZED:
        p.Minimized = true;
        break;
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_MAXIMIZED:
        app.Restored();
        break;
    case SDL_WINDOWEVENT_CLOSE:
        // While a dialog is up the desktop's close request goes to the dialog.
        if (Window* top = app.KeyWindow(); top != nullptr && top->IsModal())
            top->Close();
        else if (p.Main != nullptr)
            p.Main->Close();
        break;
    default:
        break;
    }
}

Control* Application::HitTest(Point p, Window** frameHit) const
{
    if (frameHit != nullptr)
        *frameHit = nullptr;
    // With a modal window up only it and what lies above it take the mouse.
    std::size_t lowest = 0;
    if (Window* modal = TopModal()) {
        const auto it = std::find(P->Windows.begin(), P->Windows.end(), modal);
        lowest = static_cast<std::size_t>(it - P->Windows.begin());
    }
    for (std::size_t i = P->Windows.size(); i-- > lowest;) {
        Window* w = P->Windows[i];
        if (!w->Visible() || !RectContains(w->OuterRect(), p))
            continue;
        if (RectContains(w->BoundsRect(), p))
            return w->Enabled() ? w->ControlAt(w->ScreenToClient(p)) : nullptr;
        if (frameHit != nullptr)
            *frameHit = w;
        return nullptr;
    }
    return nullptr;
}

Control* Application::HintControl() const
{
    // No hint while a button is held, the pointer is away or the program is minimised.
    if (P->Buttons != 0 || P->Minimized || !P->PointerInside || P->CloseBoxWindow != nullptr)
        return nullptr;
    Control* under = HitTest(P->Pointer, nullptr);
    return under != nullptr && !under->Hint.empty() ? under : nullptr;
}

Window* Application::TopModal() const
{
    for (auto it = P->ModalStack.rbegin(); it != P->ModalStack.rend(); ++it) {
        if (*it != nullptr)
            return *it;
    }
    return nullptr;
}

Window* Application::KeyWindow() const
{
    for (auto it = P->Windows.rbegin(); it != P->Windows.rend(); ++it) {
        if ((*it)->Visible()) {
            if ((*it)->Border() == BorderStyle::Popup)
                return *it;
            break;
        }
    }
    if (Window* modal = TopModal())
        return modal;
    for (auto it = P->Windows.rbegin(); it != P->Windows.rend(); ++it) {
        if ((*it)->Visible() && (*it)->Enabled())
            return *it;
    }
    return nullptr;
}

ShiftState Application::CurrentShift() const
{
    return static_cast<ShiftState>(ShiftFromSdlMod(P->Mod) | P->Buttons);
}

void Application::MouseMoved()
{
    const Point p = P->Pointer;
    P->Hint->PointerMoved(HintControl());
    if (Window* w = P->CloseBoxWindow) {
        const Rect outer = w->OuterRect();
        w->SetCloseBoxPressed(RectContains(OffsetRect(w->CloseBoxRect(), outer.Left, outer.Top), p));
        return;
    }
    Control* target = P->Capture != nullptr ? P->Capture : HitTest(p, nullptr);
    if (target != nullptr) {
        const Point c = target->ScreenToClient(p);
        target->OnMouseMove(CurrentShift(), c.X, c.Y);
    }
    CursorMayHaveChanged();
}

void Application::MousePressed(int button, int clicks)
{
    const Point p = P->Pointer;
    P->Hint->Dismiss();
    P->Buttons |= ButtonBit(button);
    Window* frame = nullptr;
    Control* target = P->Capture != nullptr ? P->Capture : HitTest(p, &frame);
    if (target == nullptr) {
        if (frame != nullptr && button == Mouse::Left) {
            const Rect outer = frame->OuterRect();
            if (RectContains(OffsetRect(frame->CloseBoxRect(), outer.Left, outer.Top), p)) {
                P->CloseBoxWindow = frame;
                frame->SetCloseBoxPressed(true);
            }
        }
        return;
    }
    if (Window* w = target->ParentWindow(); w != nullptr && w->MousePreview && target != w) {
        const Point c = w->ScreenToClient(p);
        if (w->OnMouseDown(button, CurrentShift(), c.X, c.Y))
            return;
    }
    if (P->Capture == nullptr)
        P->Capture = target;
    P->PressTarget = target;
    if (target->IsWindowed()) {
        auto* win = static_cast<WinControl*>(target);
        if (win->FocusOnClick && win->CanFocus())
            win->SetFocus();
    }
    if (P->PressTarget != target)
        return;
    const Point c = target->ScreenToClient(p);
    ShiftState shift = CurrentShift();
    if (button == Mouse::Left) {
        if (clicks >= 2 && P->LastClicked == target) {
            P->ClickTarget = nullptr;
            P->LastClicked = nullptr;
            target->OnDblClick();
            if (P->PressTarget != target)
                return;
            shift |= Shift::Double;
        } else {
            P->ClickTarget = target;
        }
    }
    target->OnMouseDown(button, shift, c.X, c.Y);
    P->PressTarget = nullptr;
    CursorMayHaveChanged();
}

void Application::MouseReleased(int button)
{
    const Point p = P->Pointer;
    P->Buttons &= static_cast<ShiftState>(~ButtonBit(button));
    if (Window* w = P->CloseBoxWindow; w != nullptr && button == Mouse::Left) {
        P->CloseBoxWindow = nullptr;
        w->SetCloseBoxPressed(false);
        const Rect outer = w->OuterRect();
        if (RectContains(OffsetRect(w->CloseBoxRect(), outer.Left, outer.Top), p))
            w->Close();
        return;
    }
    Control* target = P->Capture != nullptr ? P->Capture : HitTest(p, nullptr);
    if (P->Buttons == 0)
        P->Capture = nullptr;
    if (target == nullptr)
        return;
    P->PressTarget = target;
    const ShiftState shift = CurrentShift();
    Point c = target->ScreenToClient(p);
    if (button == Mouse::Left) {
        const bool click = P->ClickTarget == target && RectContains(target->ClientRect(), c);
        P->ClickTarget = nullptr;
        P->LastClicked = click ? target : nullptr;
        if (click) {
            target->Click();
            if (P->PressTarget != target)
                return;
            c = target->ScreenToClient(p);
        }
    }
    target->OnMouseUp(button, shift, c.X, c.Y);
    P->PressTarget = nullptr;
    CursorMayHaveChanged();
}

void Application::MouseWheeled(std::int32_t delta)
{
    P->Hint->Dismiss();
    Control* target = P->Capture != nullptr ? P->Capture : HitTest(P->Pointer, nullptr);
    P->PressTarget = target;
    while (target != nullptr && P->PressTarget == target) {
        const Point c = target->ScreenToClient(P->Pointer);
        if (target->OnMouseWheel(delta, CurrentShift(), c.X, c.Y))
            break;
        target = P->PressTarget == target ? target->Parent() : nullptr;
        P->PressTarget = target;
    }
    P->PressTarget = nullptr;
}

void Application::KeyPressed(KeyCode key, ShiftState shift)
{
    P->Hint->Dismiss();
    Window* w = KeyWindow();
    if (w == nullptr)
        return;
    if (key == Key::Tab && (shift & (Shift::Ctrl | Shift::Alt)) == 0) {
        w->SelectNext((shift & Shift::Shift) == 0);
        return;
    }
    if (w->KeyPreview && w->OnKeyDown(key, shift))
        return;
    // The preview may have closed or destroyed things: look the target up again.
    w = KeyWindow();
    if (w == nullptr)
        return;
    if (WinControl* focused = w->ActiveControl(); focused != nullptr && focused->CanFocus()) {
        focused->OnKeyDown(key, shift);
        return;
    }
    if (!w->KeyPreview)
        w->OnKeyDown(key, shift);
}

void Application::TextTyped(const char* text)
{
    Window* w = KeyWindow();
    if (w == nullptr)
        return;
    WinControl* focused = w->ActiveControl();
    if (focused != nullptr && focused->CanFocus() && focused->WantsTextInput())
        focused->OnTextInput(text);
}

void Application::FocusChanged()
{
    Window* w = KeyWindow();
    WinControl* focused = w != nullptr ? w->ActiveControl() : nullptr;
    const bool want = focused != nullptr && focused->CanFocus() && focused->WantsTextInput();
    if (want == P->TextInputOn)
        return;
    P->TextInputOn = want;
    if (want)
        SDL_StartTextInput();
    else
        SDL_StopTextInput();
}

void Application::ForgetControl(Control* control)
{
    P->Hint->Forget(control);
    for (Control** slot : {&P->Capture, &P->PressTarget, &P->ClickTarget, &P->LastClicked}) {
        if (*slot != nullptr && (*slot)->IsSelfOrDescendantOf(control))
            *slot = nullptr;
    }
}

void Application::SetCapture(Control* control)
{
    P->Capture = control;
}

Control* Application::Capture() const
{
    return P->Capture;
}

// ---- cursors

void Application::InstallCursor(int number, const CursorImage& image)
{
    if (number <= 0 || image.Width <= 0 || image.Height <= 0 ||
        image.Pixels.size() != static_cast<std::size_t>(image.Width) * static_cast<std::size_t>(image.Height))
        return;
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(image.Pixels.data()), image.Width,
                                           image.Height, 32, image.Width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (surface == nullptr)
        return;
    SDL_Cursor* cursor = SDL_CreateColorCursor(surface, image.HotX, image.HotY);
    SDL_FreeSurface(surface);
    if (cursor == nullptr) {
        // No cursors on this driver: the arrow stays.
        SDL_ClearError();
        return;
    }
    if (auto it = P->Cursors.find(number); it != P->Cursors.end())
        SDL_FreeCursor(it->second);
    P->Cursors[number] = cursor;
    if (P->CursorShown == number)
        SDL_SetCursor(cursor);
}

int Application::CurrentCursor() const
{
    return P->CursorShown;
}

void Application::CursorMayHaveChanged()
{
    const Control* target = P->Capture != nullptr ? P->Capture : HitTest(P->Pointer, nullptr);
    int number = 0;
    for (const Control* c = target; c != nullptr && number == 0; c = c->Parent())
        number = c->Cursor();
    if (number == P->CursorShown)
        return;
    P->CursorShown = number;
    const auto it = P->Cursors.find(number);
    SDL_Cursor* cursor = it != P->Cursors.end() ? it->second : SDL_GetDefaultCursor();
    if (cursor != nullptr)
        SDL_SetCursor(cursor);
}

// ---- timers

void Application::AddTimer(Timer* timer)
{
    P->Timers.push_back(timer);
}

void Application::RemoveTimer(Timer* timer)
{
    P->Timers.erase(std::remove(P->Timers.begin(), P->Timers.end(), timer), P->Timers.end());
}

// ---- help and errors

bool Application::OpenHelp(const std::string& htmlPath)
{
    const std::string url = FileUrl(htmlPath);
    if (P->OpenUrlHook)
        return P->OpenUrlHook(url);
    if (SDL_OpenURL(url.c_str()) != 0) {
        SDL_ClearError();
        return false;
    }
    return true;
}

void Application::ShowErrorMessage(const std::string& title, const std::string& text)
{
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
    // The dummy driver has no screen to show a box on (and must never block a headless run).
    const char* driver = SDL_getenv("SDL_VIDEODRIVER");
    if (driver != nullptr && std::strcmp(driver, "dummy") == 0)
        return;
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), nullptr);
}

// ---- test hooks

void Application::ForceScreen(std::int32_t width, std::int32_t height)
{
    P->Forced = ScreenSizeRecord{width, height};
    ResizeSdlWindow(width, height);
}

void Application::ResizeSdlWindow(std::int32_t width, std::int32_t height)
{
    SDL_SetWindowFullscreen(P->Sdl, 0);
    SDL_SetWindowBordered(P->Sdl, SDL_FALSE);
    SDL_SetWindowPosition(P->Sdl, 0, 0);
    SDL_SetWindowSize(P->Sdl, width, height);
}

std::uint32_t Application::SdlWindowId() const
{
    return P->SdlId;
}

void Application::SetManualTimers(bool manual)
{
    P->ManualTimers = manual;
}

void Application::SetModalHook(std::function<void(Window&)> hook)
{
    P->ModalHook = std::move(hook);
}

void Application::SetOpenUrlHook(std::function<bool(const std::string&)> hook)
{
    P->OpenUrlHook = std::move(hook);
}

bool Application::TextInputOn() const
{
    return P->TextInputOn && SDL_IsTextInputActive() == SDL_TRUE;
}

Colour Application::ScreenPixel(std::int32_t x, std::int32_t y) const
{
    SDL_Surface* screen = P->Shadow != nullptr ? P->Shadow : SDL_GetWindowSurface(P->Sdl);
    if (screen == nullptr || x < 0 || y < 0 || x >= screen->w || y >= screen->h)
        return 0;
    if (SDL_MUSTLOCK(screen))
        SDL_LockSurface(screen);
    std::uint32_t px = 0;
    std::memcpy(&px, static_cast<const std::uint8_t*>(screen->pixels) + y * screen->pitch + x * 4, 4);
    if (SDL_MUSTLOCK(screen))
        SDL_UnlockSurface(screen);
    return ((px >> 16) & 0xFF) | (px & 0xFF00) | ((px & 0xFF) << 16);
}

Rect Application::HintShown() const
{
    return P->Hint->Shown();
}

void Application::SetHintObserver(std::function<void(const DrawnText&)> observer)
{
    P->Hint->TextObserver = std::move(observer);
}

std::vector<Rect> Application::LastPushedRects() const
{
    return P->LastPushed;
}

int Application::PushCount() const
{
    return P->PushCount;
}
