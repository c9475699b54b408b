// The control tree: Control (common base), GraphicControl (windowless) and WinControl (windowed:
// children, keyboard focus, tab stop, keys and text).
#pragma once

#include "graphics/Geometry.h"
#include "platform/ClassInfo.h"
#include "platform/Keys.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class Application;
class Font;
class Surface;
class WinControl;
class Window;

// How a control follows its parent's size.
enum class Align
{
    None,
    Client // fills the parent's client area
};

// Common base of every control. Positions are pixels in the parent's client area (for a Window:
// its client area in screen pixels). Mouse events arrive in client coordinates; a handler returns
// whether it handled the event. A control does not own its children; whoever creates a control
// destroys it, and a destroyed control leaves its parent's list at once.
class Control
{
public:
    explicit Control(WinControl* owner = nullptr);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Class family. ClassName() is the name given to CONTROL_CLASS; a class that forgot to declare
    // itself makes these throw std::logic_error instead of answering for its base.
    static const ClassInfo& StaticClassInfo();
    virtual const ClassInfo& GetClassInfo() const { return StaticClassInfo(); }
    std::string_view ClassName() const;
    // True when the direct base of this object's class is named baseName (two levels down is not).
    bool DerivesDirectlyFrom(std::string_view baseName) const;
    // True when this class or any of its bases is named name.
    bool InheritsFrom(std::string_view name) const;

    // Tree. The owner is the control that created this one (informational); the parent is where
    // it is shown. SetParent appends the control on top of its new siblings.
    WinControl* Owner() const { return OwnerControl; }
    WinControl* Parent() const { return ParentControl; }
    // True for the control itself and for every control below it in the tree.
    bool IsSelfOrDescendantOf(const Control* ancestor) const;
    void SetParent(WinControl* parent);
    Window* ParentWindow() const;
    Application* App() const;
    virtual bool IsWindowed() const { return false; }

    // Geometry.
    std::int32_t Left() const { return Bounds.Left; }
    std::int32_t Top() const { return Bounds.Top; }
    std::int32_t Width() const { return Bounds.Width(); }
    std::int32_t Height() const { return Bounds.Height(); }
    Rect BoundsRect() const { return Bounds; }
    Rect ClientRect() const { return Rect{0, 0, Bounds.Width(), Bounds.Height()}; }
    virtual void SetBounds(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);
    void SetAlign(Align align);
    Align GetAlign() const { return AlignMode; }
    Point ClientToScreen(Point p) const;
    Point ScreenToClient(Point p) const;

    // State. Hiding or disabling a control takes the keyboard focus from it and its children.
    bool Visible() const { return IsVisible; }
    virtual void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return IsEnabled; }
    void SetEnabled(bool enabled);
    // Visible and enabled, with every parent up to a visible window.
    bool IsShowing() const;
    bool IsEnabledInTree() const;
    const std::string& Caption() const { return CaptionString; }
    virtual void SetCaption(std::string caption);
    // The font text is drawn with: the control's own when set (not owned), else its parent's, else
    // the window's default; null outside a window.
    void SetFont(const Font* font);
    const Font* GetFont() const;
    // Cursor number shown over the control (0 = the parent's, or the arrow at the top).
    int Cursor() const { return CursorNumber; }
    void SetCursor(int number);
    std::int32_t Tag = 0; // free for the owner
    // Shown in a small box below the pointer when it rests on the control (empty: none).
    std::string Hint;

    // Painting. Invalidate marks a part to repaint at the end of the loop turn (parent first, then
    // windowless children, then windowed children). Paint draws the part PaintClip() names; outside
    // Paint, PaintClip() is the whole client area and drawing shows at once (at the end of the turn).
    void Invalidate();
    void Invalidate(const Rect& clientRect);
    virtual void Paint() {}
    Rect PaintClip() const;
    bool InPaint() const { return Painting; }
    // Opaque copy of srcRect of src to client position (x, y), clipped to what of the control is
    // visible (and to PaintClip() during Paint).
    void CopyToCanvas(const Surface& src, const Rect& srcRect, std::int32_t x, std::int32_t y);
    void FillCanvas(const Rect& clientRect, Colour colour);
    // For drawing straight into the window's pixels: the surface, where this control's client origin
    // lies in it, and the part that may be drawn (surface coordinates). Call CanvasChanged after.
    Surface* CanvasSurface() const;
    Point CanvasOrigin() const;
    Rect CanvasClip() const;
    void CanvasChanged(const Rect& surfaceRect);

    // Mouse, in client coordinates. Click runs OnClick (a left press and release on the control, or
    // a call by the program); a double click runs OnDblClick and then OnMouseDown with Shift::Double.
    virtual bool OnMouseMove(ShiftState shift, std::int32_t x, std::int32_t y);
    virtual bool OnMouseDown(int button, ShiftState shift, std::int32_t x, std::int32_t y);
    virtual bool OnMouseUp(int button, ShiftState shift, std::int32_t x, std::int32_t y);
    virtual bool OnMouseWheel(std::int32_t delta, ShiftState shift, std::int32_t x, std::int32_t y);
    virtual void OnClick() {}
    virtual void OnDblClick() {}
    virtual void OnResize() {}
    void Click() { OnClick(); }

    // Mouse capture: every mouse event goes to this control until released. A press captures the
    // pressed control until every button is up; releasing the last button ends any capture.
    void SetMouseCapture(bool capture);
    bool MouseCapture() const;

protected:
    // Pixels of the client area in the window surface (clipped by every parent).
    Rect VisibleSurfaceRect() const;

private:
    friend class WinControl;
    friend class Window;
    friend class Application;
    void ParentResized();
    void RealignChildren();
    void DetachFromTree();
    void LoseFocusAndCapture();
    const ClassInfo& CheckedClassInfo() const;

    WinControl* OwnerControl = nullptr;
    WinControl* ParentControl = nullptr;
    Rect Bounds;
    Align AlignMode = Align::None;
    bool IsVisible = true;
    bool IsEnabled = true;
    bool Painting = false;
    bool TopLevel = false; // a Window
    Rect PaintSurfaceClip; // surface coordinates, during Paint
    std::string CaptionString;
    const Font* OwnFont = nullptr;
    int CursorNumber = 0;
};

// A control without a window of its own: drawn on its parent's canvas, receives the mouse only.
class GraphicControl : public Control
{
    CONTROL_CLASS(GraphicControl, Control);
    explicit GraphicControl(WinControl* owner = nullptr) : Control(owner) {}
};

// A control with a window of its own: children, keyboard focus, tab stop, keys and text.
class WinControl : public Control
{
    CONTROL_CLASS(WinControl, Control);
    explicit WinControl(WinControl* owner = nullptr);
    ~WinControl() override;

    bool IsWindowed() const override { return true; }
    // Children in order of adding (bottom first).
    const std::vector<Control*>& Controls() const { return Children; }
    // The deepest showing, enabled control at a client point (this when no child is there), or
    // null outside. Windowed children lie above windowless ones.
    Control* ControlAt(Point clientPoint);

    // Focus: one active control per window; keys and text go to it.
    bool TabStop = false;
    bool FocusOnClick = false; // a press gives this control the focus (text fields, lists)
    bool CanFocus() const;
    bool SetFocus();
    bool Focused() const;
    // True for controls that take typed text (edits): text input is on while one has the focus.
    virtual bool WantsTextInput() const { return false; }

    // Keys. OnKeyDown receives the virtual-key code; OnTextInput the typed text (UTF-8), only while
    // WantsTextInput() is true.
    virtual bool OnKeyDown(KeyCode key, ShiftState shift);
    virtual bool OnTextInput(std::string_view text);
    virtual void OnFocusEnter() {}
    virtual void OnFocusExit() {}

private:
    friend class Control;
    friend class Window;
    void InvalidateWindowedChildren(const Rect& surfaceRect);
    std::vector<Control*> Children;
};
