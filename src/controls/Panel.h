// Panel: a rectangle of a screen that paints itself with a background picture into its owner's
// surface and shows only itself; scaled controls on it are placed from its origin.
#pragma once

#include "controls/ScaledDialog.h"
#include "graphics/Font.h"
#include "graphics/Geometry.h"

#include <memory>

class Surface;
class WinControl;

class Panel
{
public:
    Panel();
    virtual ~Panel();
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;

    // Where the panel paints: the owner's surface slot (a dialog's Buffer, else the main window's
    // BackBuffer), followed when the surface is rebuilt.
    SurfaceSlot* Target = nullptr;
    // The host of the owner, which shows what the panel painted; null before Init.
    ControlHost* Host = nullptr;
    // The panel's own font; derived panels replace it.
    std::unique_ptr<::Font> Font;
    RelRect Area;
    Rect PixelArea;
    // Stretched over the whole area; belongs to the screen.
    const Surface* Background = nullptr;

    // No background, Host and Target from the owner, a new default font.
    void Init(WinControl& owner);
    // Area and PixelArea = ScreenRect(Area).
    void SetArea(const RelRect& area);
    // The whole background stretched (smooth) onto PixelArea of the target.
    void DrawBackground();
    // The background stretched to the size of PixelArea, made once for each picture and size and
    // then only copied (a picture reloaded in place is not noticed: set another); null without a
    // background.
    const Surface* ScaledBackground();
    // Paint, then the host shows PixelArea (the main window through the current screen).
    void Refresh();
    // Draws the panel into Target; the base draws the background.
    virtual void Paint();

protected:
    // The target surface, null while the slot is empty.
    Surface* TargetSurface() const;
    // The host's scratch canvas for composing sprite pieces, or one of the panel's own when the
    // host has none.
    Surface& Scratch();

private:
    std::unique_ptr<Surface> OwnScratch;
    std::unique_ptr<Surface> Scaled;
    // What Scaled was made from: the picture and its size.
    const Surface* ScaledFrom = nullptr;
    Rect ScaledSource;
};
