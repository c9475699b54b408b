// What the X11 desktop tells that SDL does not: whether a window manager runs. Inside the
// windowing layer only.
#pragma once

struct SDL_Window;

// True when the window lies on an X11 display on which no window manager runs (none has announced
// itself on the root window as the freedesktop window-manager hints ask); false on other displays
// and drivers, and whenever that cannot be told.
bool OnX11WithoutWindowManager(SDL_Window* window);
