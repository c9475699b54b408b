// Finding a control's host, where scaled controls draw, the scratch canvas, and the shared hover
// tracking.
#include "controls/ScaledDialog.h"

#include "graphics/Surface.h"
#include "platform/Application.h"
#include "platform/Control.h"
#include "platform/Window.h"

#include <algorithm>

ScaledDialog* AsScaledDialog(Control* control)
{
    if (control == nullptr || !control->DerivesDirectlyFrom("TModalDialog"))
        return nullptr;
    return dynamic_cast<ScaledDialog*>(control);
}

ControlHost* HostOf(Control& control)
{
    for (Control* c = &control; c != nullptr; c = c->Parent()) {
        if (ScaledDialog* dialog = AsScaledDialog(c))
            return dialog;
        if (dynamic_cast<ScaledDialog*>(c) != nullptr)
            continue;
        if (auto* host = dynamic_cast<ControlHost*>(c))
            return host;
    }
    return ProgramHost(control);
}

ControlHost* ProgramHost(const Control& control)
{
    Application* app = control.App();
    return app != nullptr ? dynamic_cast<ControlHost*>(app->MainWindow()) : nullptr;
}

SurfaceSlot* ResolveTarget(WinControl* owner)
{
    if (owner == nullptr)
        return nullptr;
    ControlHost* host = HostOf(*owner);
    return host != nullptr ? &host->DrawTarget() : nullptr;
}

ScratchCanvas::ScratchCanvas(Control& control, std::int32_t width, std::int32_t height)
{
    ControlHost* host = HostOf(control);
    Surface* shared = host != nullptr ? host->ScratchSurface() : nullptr;
    if (shared != nullptr && !shared->IsEmpty() && shared->Width >= width && shared->Height >= height) {
        Canvas = shared;
        return;
    }
    Own = Surface::CreateCanvas(nullptr, std::max(192, width), std::max(128, height));
    Canvas = Own.get();
}

std::int32_t PieceWidth(const Surface& image)
{
    return image.FrameLayout != ImageLayout::Whole ? image.FrameWidth : image.Width;
}

std::int32_t PieceHeight(const Surface& image)
{
    return image.FrameLayout != ImageLayout::Whole ? image.FrameHeight : image.Height;
}

std::int32_t FramesPerRow(const Surface& image)
{
    switch (image.FrameLayout) {
    case ImageLayout::Sheet:
        return 8;
    case ImageLayout::Row:
        return image.FrameWidth > 0 ? std::max(1, image.Width / image.FrameWidth) : 1;
    case ImageLayout::Grid:
        return std::max(1, image.FramesAcross);
    default:
        return 1;
    }
}

ScratchCanvas::~ScratchCanvas() = default;

bool TrackHover(Control& control, std::uint8_t& hover, std::uint8_t pressed, std::int32_t x, std::int32_t y)
{
    const std::uint8_t old = hover;
    const bool canTrack = control.IsShowing() && control.IsEnabledInTree();
    hover = 1;
    if (canTrack)
        control.SetMouseCapture(true);
    if (!canTrack || x < 0 || y < 0 || x >= control.Width() || y >= control.Height()) {
        hover = 0;
        if (pressed == 0 || !canTrack)
            control.SetMouseCapture(false);
    }
    return hover != old;
}

void PresentPixelArea(Control& control, const Surface& target, const Rect& pixelArea)
{
    const Rect clip = control.PaintClip();
    control.CopyToCanvas(target,
                         Rect{clip.Left + pixelArea.Left, clip.Top + pixelArea.Top,
                              clip.Right + pixelArea.Left, clip.Bottom + pixelArea.Top},
                         clip.Left, clip.Top);
}

Rect ControlPixelArea(const RelRect& area, const RelRect* panelArea)
{
    return ScreenRect(panelArea != nullptr ? OffsetRelRect(area, panelArea->Left, panelArea->Top) : area);
}
