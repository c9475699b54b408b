// The windowed scaled control bases: TScaleCustomControl (placed by screen fractions, painted into
// a shared surface, shown and enabled together) and TSButtonControl (focus, keys, hover, press,
// clicks reported to the dialog or screen, shortcuts).
#pragma once

#include "controls/ScaledDialog.h"
#include "graphics/Geometry.h"
#include "platform/Control.h"

#include <cstdint>
#include <string_view>

class Panel;
class Surface;

// The background rule of the scaled controls: sets background and returns the rectangle (screen
// fractions) it spans, from the panel, the parent dialog, a parent scaled windowed control or, for
// windowless controls, the parent screen. Without a match a windowless control gets none; a windowed
// one keeps what it had; both get an empty rectangle.
RelRect FindBackground(Control& control, const ::Panel* panel, bool windowless, const Surface*& background);

class TScaleCustomControl : public WinControl
{
    CONTROL_CLASS(TScaleCustomControl, WinControl);
    explicit TScaleCustomControl(WinControl* owner);

    ::Panel* Panel = nullptr;
    RelRect Area;
    Rect PixelArea;
    std::int32_t Id = 0;
    const Surface* Background = nullptr;
    // The skin image itself (not a slot), or null.
    const Surface* Skin = nullptr;
    SurfaceSlot* Target = nullptr;

    // As TScaleGraphicControl::Setup; a class derived directly from TSButtonControl also takes
    // its shortcut from the caption.
    void Setup(::Panel* panel, const RelRect& area, std::int32_t tag, std::int32_t id,
               std::string_view caption, const Surface* skin);
    void SetArea(const RelRect& area);
    RelRect GetBackground();

    virtual void AfterSetup() {}
    virtual void ShowAndEnable();
    virtual void HideAndDisable();
    virtual void DrawContent() {}
    void Paint() override;

protected:
    Surface* TargetSurface() const;
    // GetBackground, then frame of the skin over the background piece; the target, or null when
    // there is none (nothing drawn).
    Surface* DrawSkinFrame(std::int32_t frame);
    // A one-pixel black outline around PixelArea while the control has the focus.
    void DrawFocusOutline();
};

class TSButtonControl : public TScaleCustomControl
{
    CONTROL_CLASS(TSButtonControl, TScaleCustomControl);
    explicit TSButtonControl(WinControl* owner);

    std::uint8_t Hover = 0;
    std::uint8_t Pressed = 0;
    // Key code with modifier bits of the caption's "&" letter; 0 = none.
    std::uint16_t Shortcut = 0;

    virtual void HandleMouseMove(ShiftState shift, std::int32_t x, std::int32_t y);
    virtual void HandleMouseDown(int button, ShiftState shift, std::int32_t x, std::int32_t y);
    virtual void HandleMouseUp(int button, ShiftState shift, std::int32_t x, std::int32_t y);
    // The Id to the parent dialog's ButtonCommand or the current screen's Command; resets Hover and
    // Pressed.
    virtual void HandleClick();
    virtual void HandleEnter();
    virtual void HandleExit();
    // The base presses on no key; each kind decides.
    virtual void HandleKeyDown(KeyCode key, ShiftState shift);
    // Shown pressed at once, released and clicked.
    virtual void PressByShortcut();
    void ParseShortcut();

    bool OnMouseMove(ShiftState shift, std::int32_t x, std::int32_t y) override;
    bool OnMouseDown(int button, ShiftState shift, std::int32_t x, std::int32_t y) override;
    bool OnMouseUp(int button, ShiftState shift, std::int32_t x, std::int32_t y) override;
    void OnClick() override { HandleClick(); }
    void OnDblClick() override { HandleClick(); }
    void OnFocusEnter() override { HandleEnter(); }
    void OnFocusExit() override { HandleExit(); }
    bool OnKeyDown(KeyCode key, ShiftState shift) override;
};
