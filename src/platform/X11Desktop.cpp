// Asking the X server whether a window manager runs, through the display SDL's X11 driver opened.
#include "platform/X11Desktop.h"

#include <SDL.h>
#include <SDL_syswm.h>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

bool FailedRequest = false;

int NoteFailedRequest(Display*, XErrorEvent*)
{
    FailedRequest = true;
    return 0;
}

// The window named by the window-manager check property of a window, None when it has none.
Window CheckWindowOf(Display* display, Window window, Atom check)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    Window named = None;
    if (XGetWindowProperty(display, window, check, 0, 1, False, XA_WINDOW, &type, &format, &count, &left,
                           &data) == Success &&
        data != nullptr && type == XA_WINDOW && format == 32 && count == 1)
        named = *reinterpret_cast<Window*>(data);
    if (data != nullptr)
        XFree(data);
    return named;
}

} // namespace
#endif

bool OnX11WithoutWindowManager(SDL_Window* window)
{
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11)
        return false;
    Display* display = info.info.x11.display;
    // A window manager names a window of its own on the root window, and that window names itself;
    // a name left behind by one that has ended names a window that is gone.
    const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    if (check == None)
        return true;
    XSync(display, False);
    FailedRequest = false;
    const auto previous = XSetErrorHandler(NoteFailedRequest);
    const Window named = CheckWindowOf(display, DefaultRootWindow(display), check);
    const bool running = named != None && CheckWindowOf(display, named, check) == named;
    XSync(display, False);
    XSetErrorHandler(previous);
    return !running && !FailedRequest;
#else
    (void)window;
    return false;
#endif
}
