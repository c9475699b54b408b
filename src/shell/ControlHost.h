// ControlHost: what scaled controls and panels need of the window they live in: the surface they
// draw into, a scratch canvas, where their commands go and how a rectangle they drew is shown. The
// main window is one host (for the screens and everything on them), each modal dialog another.
#pragma once

#include "graphics/Geometry.h"

#include <cstdint>
#include <memory>

class Surface;

// A slot that holds a surface; controls keep the slot so that its owner may replace the surface.
using SurfaceSlot = std::unique_ptr<Surface>;

class ControlHost
{
public:
    // The slot of the surface the host's controls and panels draw into; its origin is the host's
    // client origin. It may be empty (a dialog that is not shown) and is replaced on a resize.
    virtual SurfaceSlot& DrawTarget() = 0;
    // A canvas of at least 192 x 128 pixels for composing a control's look, or null.
    virtual Surface* ScratchSurface() = 0;
    // A control of the host was clicked and reports its command id.
    virtual void SendCommand(std::int32_t id) = 0;
    // Shows rect (pixels of the draw target) of the draw target in the window.
    virtual void ShowRect(const Rect& rect) = 0;

protected:
    ~ControlHost() = default;
};
