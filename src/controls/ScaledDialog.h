// What scaled controls and panels need of their surroundings: the host they live in (the nearest
// modal dialog, else the main window), the side of a modal dialog they use (the dialog base, which
// lies above this layer, implements it), where they draw, a scratch canvas, and the hover tracking
// both button bases share.
#pragma once

#include "graphics/Geometry.h"
#include "shell/ControlHost.h"

#include <cstdint>
#include <memory>

class Control;
class Surface;
class WinControl;

// The part of a modal dialog its scaled controls use beyond the host: its commands go to
// ButtonCommand.
class ScaledDialog : public ControlHost
{
public:
    virtual const Surface* DialogBackground() const = 0;
    virtual RelRect DialogPlacement() const = 0;
    // A button of the dialog was clicked whose Id is no modal result.
    virtual void ButtonCommand(std::int32_t id) = 0;
    // Ends the dialog's modal show with result.
    virtual void SetModalResult(std::int32_t result) = 0;

    void SendCommand(std::int32_t id) final { ButtonCommand(id); }

protected:
    ~ScaledDialog() = default;
};

// The dialog side of control when its class derives directly from TModalDialog, else null.
ScaledDialog* AsScaledDialog(Control* control);
// The host control lives in: the nearest of itself and its ancestors that is a dialog by the rule
// above or another host, else the main window of its application when that is a host; null when
// there is none. A dialog two levels below the dialog base is no dialog here, so its controls belong
// to the main window.
ControlHost* HostOf(Control& control);
// The main window of control's application as a host (where a dialog sends what it passes on to
// the screen), or null.
ControlHost* ProgramHost(const Control& control);
// Where a control or panel with this owner draws: its host's draw target (a dialog's Buffer, else
// the main window's BackBuffer); null when there is no host.
SurfaceSlot* ResolveTarget(WinControl* owner);

// The host's scratch canvas, or a canvas of this object's own when there is none or it is smaller
// than width x height.
class ScratchCanvas
{
public:
    explicit ScratchCanvas(Control& control, std::int32_t width = 0, std::int32_t height = 0);
    ~ScratchCanvas();
    ScratchCanvas(const ScratchCanvas&) = delete;
    ScratchCanvas& operator=(const ScratchCanvas&) = delete;
    Surface& operator*() const { return *Canvas; }

private:
    std::unique_ptr<Surface> Own;
    Surface* Canvas = nullptr;
};

// Frame width and height of an image (the whole image when it has no frames), and its frames per row.
std::int32_t PieceWidth(const Surface& image);
std::int32_t PieceHeight(const Surface& image);
std::int32_t FramesPerRow(const Surface& image);

// Hover tracking of the button bases for a mouse move at client (x, y): Hover becomes 1 and the
// control takes the mouse capture, or, outside the control, Hover becomes 0 and the capture goes
// unless a button is held on it. A control that is hidden or disabled takes no capture and shows no
// hover. Returns true when Hover changed.
bool TrackHover(Control& control, std::uint8_t& hover, std::uint8_t pressed, std::int32_t x, std::int32_t y);

// The part of pixelArea of target that the control is painting (its PaintClip), onto its canvas.
void PresentPixelArea(Control& control, const Surface& target, const Rect& pixelArea);

// The rectangle of area in pixels of the target surface: area moved by the panel's origin first
// when there is a panel.
Rect ControlPixelArea(const RelRect& area, const RelRect* panelArea);
