// The control tree: geometry, state, painting into the window's pixels, class family tests.
#include "platform/Control.h"

#include "graphics/Surface.h"
#include "platform/Application.h"
#include "platform/RectOps.h"
#include "platform/Window.h"

#include <algorithm>
#include <stdexcept>
#include <string>

Control::Control(WinControl* owner) : OwnerControl(owner) {}

Control::~Control()
{
    DetachFromTree();
}

void Control::DetachFromTree()
{
    if (Window* w = ParentWindow()) {
        if (IsVisible && ParentControl != nullptr)
            ParentControl->Invalidate(Bounds);
        w->ForgetControl(this);
        App()->ForgetControl(this);
    }
    if (ParentControl != nullptr) {
        auto& list = ParentControl->Children;
        list.erase(std::remove(list.begin(), list.end(), this), list.end());
        ParentControl = nullptr;
    }
}

const ClassInfo& Control::StaticClassInfo()
{
    static const ClassInfo info{"Control", nullptr, &typeid(Control)};
    return info;
}

const ClassInfo& Control::CheckedClassInfo() const
{
    const ClassInfo& info = GetClassInfo();
    if (typeid(*this) != *info.Type) {
        throw std::logic_error(std::string("control class ") + typeid(*this).name() +
                               " does not declare CONTROL_CLASS");
    }
    return info;
}

std::string_view Control::ClassName() const
{
    return CheckedClassInfo().Name;
}

bool Control::DerivesDirectlyFrom(std::string_view baseName) const
{
    const ClassInfo* parent = CheckedClassInfo().Parent;
    return parent != nullptr && parent->Name == baseName;
}

bool Control::InheritsFrom(std::string_view name) const
{
    for (const ClassInfo* info = &CheckedClassInfo(); info != nullptr; info = info->Parent) {
        if (info->Name == name)
            return true;
    }
    return false;
}

void Control::SetParent(WinControl* parent)
{
    if (parent == ParentControl)
        return;
    if (parent != nullptr && parent->IsSelfOrDescendantOf(this))
        throw std::logic_error("a control cannot become its own descendant");
    DetachFromTree();
    ParentControl = parent;
    if (parent == nullptr)
        return;
    parent->Children.push_back(this);
    if (AlignMode == Align::Client)
        ParentResized();
    if (IsVisible)
        Invalidate();
}

Window* Control::ParentWindow() const
{
    const Control* c = this;
    while (c->ParentControl != nullptr)
        c = c->ParentControl;
    return c->TopLevel ? static_cast<Window*>(const_cast<Control*>(c)) : nullptr;
}

Application* Control::App() const
{
    Window* w = ParentWindow();
    return w != nullptr ? &w->TheApp : nullptr;
}

void Control::SetBounds(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height)
{
    const Rect next{left, top, left + std::max(0, width), top + std::max(0, height)};
    if (next == Bounds)
        return;
    const bool resized = next.Width() != Bounds.Width() || next.Height() != Bounds.Height();
    if (IsVisible && ParentControl != nullptr)
        ParentControl->Invalidate(Bounds);
    Bounds = next;
    if (IsVisible)
        Invalidate();
    if (resized) {
        OnResize();
        RealignChildren();
    }
}

void Control::RealignChildren()
{
    if (!IsWindowed())
        return;
    const std::vector<Control*> children = static_cast<WinControl*>(this)->Children;
    for (Control* child : children) {
        if (child->AlignMode == Align::Client)
            child->ParentResized();
    }
}

void Control::ParentResized()
{
    if (ParentControl != nullptr)
        SetBounds(0, 0, ParentControl->Width(), ParentControl->Height());
}

void Control::SetAlign(Align align)
{
    AlignMode = align;
    if (align == Align::Client)
        ParentResized();
}

Point Control::ClientToScreen(Point p) const
{
    for (const Control* c = this; c != nullptr; c = c->ParentControl) {
        p.X += c->Bounds.Left;
        p.Y += c->Bounds.Top;
    }
    return p;
}

Point Control::ScreenToClient(Point p) const
{
    const Point origin = ClientToScreen(Point{0, 0});
    return Point{p.X - origin.X, p.Y - origin.Y};
}

void Control::SetVisible(bool visible)
{
    if (visible == IsVisible)
        return;
    if (!visible && ParentControl != nullptr)
        ParentControl->Invalidate(Bounds);
    IsVisible = visible;
    if (visible)
        Invalidate();
    else
        LoseFocusAndCapture();
}

void Control::SetEnabled(bool enabled)
{
    if (enabled == IsEnabled)
        return;
    IsEnabled = enabled;
    Invalidate();
    if (!enabled)
        LoseFocusAndCapture();
}

void Control::LoseFocusAndCapture()
{
    Window* w = ParentWindow();
    if (w == nullptr)
        return;
    if (w->Active != nullptr && w->Active->IsSelfOrDescendantOf(this))
        w->SetActive(nullptr);
    Application* app = App();
    if (Control* capture = app->Capture(); capture != nullptr && capture->IsSelfOrDescendantOf(this))
        app->SetCapture(nullptr);
    app->CursorMayHaveChanged();
}

bool Control::IsShowing() const
{
    for (const Control* c = this; c != nullptr; c = c->ParentControl) {
        if (!c->IsVisible)
            return false;
        if (c->ParentControl == nullptr)
            return c->TopLevel;
    }
    return false;
}

bool Control::IsEnabledInTree() const
{
    for (const Control* c = this; c != nullptr; c = c->ParentControl) {
        if (!c->IsEnabled)
            return false;
    }
    return true;
}

void Control::SetCaption(std::string caption)
{
    CaptionString = std::move(caption);
}

void Control::SetFont(const Font* font)
{
    if (font == OwnFont)
        return;
    OwnFont = font;
    if (IsVisible)
        Invalidate();
}

const Font* Control::GetFont() const
{
    for (const Control* c = this; c != nullptr; c = c->ParentControl) {
        if (c->OwnFont != nullptr)
            return c->OwnFont;
    }
    Window* w = ParentWindow();
    return w != nullptr ? w->DefaultFont() : nullptr;
}

void Control::SetCursor(int number)
{
    CursorNumber = number;
    if (Application* app = App())
        app->CursorMayHaveChanged();
}

Point Control::CanvasOrigin() const
{
    Window* w = ParentWindow();
    Point p = w != nullptr ? w->ClientOffset() : Point{};
    for (const Control* c = this; c != nullptr && c->ParentControl != nullptr; c = c->ParentControl) {
        p.X += c->Bounds.Left;
        p.Y += c->Bounds.Top;
    }
    return p;
}

Rect Control::VisibleSurfaceRect() const
{
    const Point origin = CanvasOrigin();
    Rect r{origin.X, origin.Y, origin.X + Bounds.Width(), origin.Y + Bounds.Height()};
    if (ParentControl != nullptr)
        r = IntersectRects(r, ParentControl->VisibleSurfaceRect());
    return r;
}

void Control::Invalidate()
{
    Invalidate(ClientRect());
}

void Control::Invalidate(const Rect& clientRect)
{
    Window* w = ParentWindow();
    if (w == nullptr || !IsShowing())
        return;
    const Point origin = CanvasOrigin();
    w->InvalidateSurface(IntersectRects(OffsetRect(clientRect, origin.X, origin.Y), VisibleSurfaceRect()));
}

Rect Control::PaintClip() const
{
    if (!Painting)
        return ClientRect();
    const Point origin = CanvasOrigin();
    return OffsetRect(PaintSurfaceClip, -origin.X, -origin.Y);
}

Surface* Control::CanvasSurface() const
{
    Window* w = ParentWindow();
    return w != nullptr ? w->Pixels() : nullptr;
}

Rect Control::CanvasClip() const
{
    if (!IsShowing())
        return Rect{};
    return Painting ? PaintSurfaceClip : VisibleSurfaceRect();
}

void Control::CopyToCanvas(const Surface& src, const Rect& srcRect, std::int32_t x, std::int32_t y)
{
    Surface* pixels = CanvasSurface();
    if (pixels == nullptr)
        return;
    // Clip the source to the image, then the destination to the visible part, moving both together.
    const Rect source = IntersectRects(srcRect, Rect{0, 0, src.Width, src.Height});
    const Point origin = CanvasOrigin();
    const std::int32_t dx = origin.X + x - srcRect.Left;
    const std::int32_t dy = origin.Y + y - srcRect.Top;
    const Rect dest = IntersectRects(OffsetRect(source, dx, dy), CanvasClip());
    if (IsEmptyRect(dest))
        return;
    Surface::Blit(*pixels, dest.Left, dest.Top, OffsetRect(dest, -dx, -dy), src);
    CanvasChanged(dest);
}

void Control::FillCanvas(const Rect& clientRect, Colour colour)
{
    Surface* pixels = CanvasSurface();
    if (pixels == nullptr)
        return;
    const Point origin = CanvasOrigin();
    const Rect dest = IntersectRects(OffsetRect(clientRect, origin.X, origin.Y), CanvasClip());
    if (IsEmptyRect(dest))
        return;
    pixels->FillRect(dest, colour);
    CanvasChanged(dest);
}

void Control::CanvasChanged(const Rect& surfaceRect)
{
    Window* w = ParentWindow();
    if (w == nullptr || IsEmptyRect(surfaceRect))
        return;
    w->AddShown(surfaceRect);
    // Drawing outside Paint must not cover windowed children: they repaint over it before the
    // turn ends.
    if (!Painting && IsWindowed())
        static_cast<WinControl*>(this)->InvalidateWindowedChildren(surfaceRect);
}

bool Control::OnMouseMove(ShiftState, std::int32_t, std::int32_t)
{
    return false;
}

bool Control::OnMouseDown(int, ShiftState, std::int32_t, std::int32_t)
{
    return false;
}

bool Control::OnMouseUp(int, ShiftState, std::int32_t, std::int32_t)
{
    return false;
}

bool Control::OnMouseWheel(std::int32_t, ShiftState, std::int32_t, std::int32_t)
{
    return false;
}

void Control::SetMouseCapture(bool capture)
{
    Application* app = App();
    if (app == nullptr)
        return;
    if (capture)
        app->SetCapture(this);
    else if (app->Capture() == this)
        app->SetCapture(nullptr);
}

bool Control::MouseCapture() const
{
    Application* app = App();
    return app != nullptr && app->Capture() == this;
}

// ---- WinControl

WinControl::WinControl(WinControl* owner) : Control(owner) {}

WinControl::~WinControl()
{
    DetachFromTree();
    for (Control* child : Children)
        child->ParentControl = nullptr;
    Children.clear();
}

Control* WinControl::ControlAt(Point p)
{
    if (!RectContains(ClientRect(), p))
        return nullptr;
    for (int pass = 0; pass < 2; ++pass) {
        const bool windowed = pass == 0;
        for (auto it = Children.rbegin(); it != Children.rend(); ++it) {
            Control* child = *it;
            if (child->IsWindowed() != windowed || !child->IsVisible || !child->IsEnabled ||
                !RectContains(child->Bounds, p))
                continue;
            if (windowed)
                return static_cast<WinControl*>(child)->ControlAt(
                    Point{p.X - child->Bounds.Left, p.Y - child->Bounds.Top});
            return child;
        }
    }
    return this;
}

bool WinControl::CanFocus() const
{
    if (ParentWindow() == nullptr)
        return false;
    for (const Control* c = this; c->ParentControl != nullptr; c = c->ParentControl) {
        if (!c->IsVisible || !c->IsEnabled)
            return false;
    }
    return true;
}

bool WinControl::SetFocus()
{
    Window* w = ParentWindow();
    if (w == nullptr)
        return false;
    if (w == this) {
        w->SetActive(nullptr);
        return true;
    }
    if (!CanFocus())
        return false;
    w->SetActive(this);
    return w->Active == this;
}

bool WinControl::Focused() const
{
    Window* w = ParentWindow();
    return w != nullptr && w->Active == this;
}

bool WinControl::OnKeyDown(KeyCode, ShiftState)
{
    return false;
}

bool WinControl::OnTextInput(std::string_view)
{
    return false;
}

void WinControl::InvalidateWindowedChildren(const Rect& surfaceRect)
{
    for (Control* child : Children) {
        if (!child->IsWindowed() || !child->IsVisible)
            continue;
        const Rect overlap = IntersectRects(surfaceRect, child->VisibleSurfaceRect());
        if (IsEmptyRect(overlap))
            continue;
        ParentWindow()->InvalidateSurface(overlap);
    }
}

bool Control::IsSelfOrDescendantOf(const Control* ancestor) const
{
    for (const Control* c = this; c != nullptr; c = c->Parent()) {
        if (c == ancestor)
            return true;
    }
    return false;
}
