// The windowless scaled control bases: TScaleGraphicControl (placed by screen fractions, painted
// into a shared surface) and TScaleMouseCaptureControl (hover, press, radio groups, clicks).
#pragma once

#include "controls/ScaledDialog.h"
#include "graphics/Geometry.h"
#include "platform/Control.h"

#include <cstdint>
#include <string_view>

class Panel;
class Surface;

class TScaleGraphicControl : public GraphicControl
{
    CONTROL_CLASS(TScaleGraphicControl, GraphicControl);
    // owner: the screen or dialog that becomes the control's parent in Setup.
    explicit TScaleGraphicControl(WinControl* owner);

    // The panel the control sits on (Area is then relative to its origin), or null. Not owned.
    ::Panel* Panel = nullptr;
    RelRect Area;
    // Occupied pixels of the target surface and, equally, of the parent.
    Rect PixelArea;
    // Reported when clicked (0: no command).
    std::int32_t Id = 0;
    // The image behind the control, as GetBackground found it.
    const Surface* Background = nullptr;
    // Slot of the skin image (a frame strip), or null.
    SurfaceSlot* Skin = nullptr;
    // Slot of the surface the control draws into.
    SurfaceSlot* Target = nullptr;

    // Places the control: parent = owner, panel, target, area, skin, caption, id, tag, AfterSetup.
    void Setup(::Panel* panel, const RelRect& area, std::int32_t tag, std::int32_t id,
               std::string_view caption, SurfaceSlot* skin);
    void SetArea(const RelRect& area);
    // Sets Background and returns the rectangle (screen fractions) that it spans.
    RelRect GetBackground();

    virtual void AfterSetup() {}
    // Draws the control's look into the target surface.
    virtual void DrawContent() {}
    // DrawContent, then the painted part of PixelArea of the target onto the parent's canvas.
    void Paint() override;

protected:
    Surface* TargetSurface() const;
    const Surface* SkinImage() const;
    // GetBackground, then frame of the skin over the background piece; the target, or null when
    // there is none (nothing drawn).
    Surface* DrawSkinFrame(std::int32_t frame);
};

class TScaleMouseCaptureControl : public TScaleGraphicControl
{
    CONTROL_CLASS(TScaleMouseCaptureControl, TScaleGraphicControl);
    explicit TScaleMouseCaptureControl(WinControl* owner);

    std::uint8_t Hover = 0;
    std::uint8_t Pressed = 0;
    // The chosen member of its group, or selected by a key.
    std::uint8_t Selected = 0;
    // 0 = no group; otherwise a radio group among the siblings.
    std::int32_t Group = 0;

    virtual void HandleMouseMove(ShiftState shift, std::int32_t x, std::int32_t y);
    virtual void HandleMouseDown(int button, ShiftState shift, std::int32_t x, std::int32_t y);
    virtual void HandleMouseUp(int button, ShiftState shift, std::int32_t x, std::int32_t y);
    // Group selection, the Id to the current screen, then hover re-read from the pointer.
    virtual void HandleClick();
    // Drawn selected and hovered, then clicked (a key pressing the button).
    virtual void Select();
    // A mouse move at the pointer's place, so that the hover look follows the pointer after the
    // control was shown, hidden or moved under it.
    void FollowPointer();

    bool OnMouseMove(ShiftState shift, std::int32_t x, std::int32_t y) override;
    bool OnMouseDown(int button, ShiftState shift, std::int32_t x, std::int32_t y) override;
    bool OnMouseUp(int button, ShiftState shift, std::int32_t x, std::int32_t y) override;
    void OnClick() override { HandleClick(); }
    void OnDblClick() override { HandleClick(); }
};
