// Top-level windows: frame and caption bar, showing and closing, focus and tab order, painting of
// invalid parts into the window's own pixels.
#include "platform/Window.h"

#include "graphics/Font.h"
#include "graphics/Surface.h"
#include "platform/Application.h"
#include "platform/RectOps.h"

#include <algorithm>
#include <cairo.h>
#include <cmath>

namespace {

// Frame colours (0x00BBGGRR): dark wood frame, brown caption bar, gold text, as the menu.
constexpr Colour FrameOuter = 0x00100C08;
constexpr Colour FrameFill = 0x00213449;
constexpr Colour CaptionFill = 0x00304E6E;
constexpr Colour CaptionText = 0x0087D3F2;
constexpr Colour CloseBoxFill = 0x004F749C;
constexpr Colour CloseBoxPressed = 0x00304E6E;
constexpr Colour CloseBoxCross = 0x0012181F;

void CollectTabStops(const WinControl& parent, std::vector<WinControl*>& out)
{
    for (Control* child : parent.Controls()) {
        if (!child->IsWindowed() || !child->Visible() || !child->Enabled())
            continue;
        auto* win = static_cast<WinControl*>(child);
        if (win->TabStop && win->CanFocus())
            out.push_back(win);
        CollectTabStops(*win, out);
    }
}

} // namespace

Window::Window(Application& app, BorderStyle border) : WinControl(nullptr), TheApp(app), Style(border)
{
    TopLevel = true;
    IsVisible = false;
    TheApp.AddWindow(this);
}

Window::~Window()
{
    TheApp.RemoveWindow(this);
    Active = nullptr;
    // From here on the window is no longer part of the application: the bases' destructors only
    // unlink the children.
    TopLevel = false;
}

std::int32_t Window::FrameWidth() const
{
    if (Style != BorderStyle::Dialog)
        return 0;
    return std::max(2, static_cast<std::int32_t>(std::lround(TheApp.DisplaySize().Height * 0.003)));
}

std::int32_t Window::CaptionHeight() const
{
    if (Style != BorderStyle::Dialog)
        return 0;
    return std::max(16, static_cast<std::int32_t>(std::lround(TheApp.DisplaySize().Height * 0.026)));
}

const Font* Window::DefaultFont() const
{
    const ScreenSizeRecord screen = TheApp.DisplaySize();
    if (DefaultTextFont == nullptr || screen.Width != DefaultFontScreen.Width ||
        screen.Height != DefaultFontScreen.Height) {
        DefaultFontScreen = screen;
        DefaultTextFont = std::make_unique<Font>("Arial", 400, std::max(1, Round(screen.Height * 0.017)),
                                                 std::max(1, Round(screen.Width * 0.005)));
    }
    return DefaultTextFont.get();
}

Rect Window::OuterRect() const
{
    const std::int32_t b = FrameWidth();
    const std::int32_t c = CaptionHeight();
    return Rect{Left() - b, Top() - b - c, Left() + Width() + b, Top() + Height() + b};
}

Point Window::ClientOffset() const
{
    const std::int32_t b = FrameWidth();
    return Point{b, b + CaptionHeight()};
}

void Window::SetBounds(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height)
{
    const Rect next{left, top, left + std::max(0, width), top + std::max(0, height)};
    if (next == BoundsRect())
        return;
    const Rect oldOuter = OuterRect();
    const bool resized = next.Width() != Width() || next.Height() != Height();
    Bounds = next;
    if (IsVisible) {
        TheApp.AddDirty(oldOuter);
        TheApp.AddDirty(OuterRect());
        EnsurePixels();
    }
    if (resized) {
        OnResize();
        RealignChildren();
    }
}

void Window::SetCaption(std::string caption)
{
    Control::SetCaption(std::move(caption));
    FrameInvalid = true;
}

void Window::SetVisible(bool visible)
{
    if (visible == IsVisible) {
        if (visible)
            TheApp.WindowShown(this);
        return;
    }
    IsVisible = visible;
    if (visible) {
        EnsurePixels();
        FrameInvalid = true;
        if (WindowPixels != nullptr)
            InvalidateSurface(Rect{0, 0, WindowPixels->Width, WindowPixels->Height});
        TheApp.WindowShown(this);
        OnShow();
        if (Style == BorderStyle::Dialog && (Active == nullptr || !Active->CanFocus()))
            SelectNext(true);
    } else {
        OnHide();
        TheApp.WindowHidden(this);
    }
    TheApp.FocusChanged();
}

int Window::ShowModal()
{
    return TheApp.RunModal(*this);
}

void Window::Close()
{
    if (Modal) {
        ModalResult = ModalResult::Cancel;
        return;
    }
    if (!OnCloseQuery())
        return;
    const bool isMain = TheApp.MainWindow() == this;
    CloseAction action = isMain ? CloseAction::Free : CloseAction::Hide;
    OnClose(action);
    switch (action) {
    case CloseAction::None:
        return;
    case CloseAction::Minimize:
        TheApp.Minimize();
        return;
    case CloseAction::Hide:
    case CloseAction::Free:
        if (isMain)
            TheApp.Terminate();
        else
            Hide();
        return;
    }
}

bool Window::SelectNext(bool forward)
{
    std::vector<WinControl*> stops;
    CollectTabStops(*this, stops);
    if (stops.empty())
        return false;
    const auto it = std::find(stops.begin(), stops.end(), Active);
    std::size_t next = 0;
    if (it == stops.end()) {
        next = forward ? 0 : stops.size() - 1;
    } else {
        const std::size_t at = static_cast<std::size_t>(it - stops.begin());
        next = forward ? (at + 1) % stops.size() : (at + stops.size() - 1) % stops.size();
    }
    return stops[next]->SetFocus();
}

void Window::SetActive(WinControl* control)
{
    if (Active == control)
        return;
    WinControl* old = Active;
    Active = control;
    if (old != nullptr)
        old->OnFocusExit();
    if (control != nullptr && Active == control)
        control->OnFocusEnter();
    TheApp.FocusChanged();
}

void Window::ForgetControl(Control* control)
{
    for (const Control* c = Active; c != nullptr; c = c->Parent()) {
        if (c == control) {
            Active = nullptr;
            TheApp.FocusChanged();
            return;
        }
    }
}

void Window::EnsurePixels()
{
    const Rect outer = OuterRect();
    if (outer.Width() <= 0 || outer.Height() <= 0) {
        WindowPixels.reset();
        return;
    }
    if (WindowPixels != nullptr && WindowPixels->Width == outer.Width() &&
        WindowPixels->Height == outer.Height())
        return;
    WindowPixels = Surface::CreateCanvas(nullptr, outer.Width(), outer.Height());
    // A window that paints nothing shows black, never the canvas's initial colour.
    WindowPixels->Clear(0);
    FrameInvalid = true;
    Invalid.assign(1, Rect{0, 0, outer.Width(), outer.Height()});
}

void Window::InvalidateSurface(const Rect& surfaceRect)
{
    if (WindowPixels == nullptr)
        return;
    Rect r = IntersectRects(surfaceRect, Rect{0, 0, WindowPixels->Width, WindowPixels->Height});
    if (IsEmptyRect(r))
        return;
    // Merge with what it touches, so that one part is never painted twice in a turn.
    for (bool merged = true; merged;) {
        merged = false;
        for (auto it = Invalid.begin(); it != Invalid.end(); ++it) {
            if (RectsTouch(*it, r)) {
                r = UnionRects(*it, r);
                Invalid.erase(it);
                merged = true;
                break;
            }
        }
    }
    Invalid.push_back(r);
    if (Invalid.size() > 16) {
        Rect all;
        for (const Rect& each : Invalid)
            all = UnionRects(all, each);
        Invalid.assign(1, all);
    }
}

void Window::AddShown(const Rect& surfaceRect)
{
    if (!IsVisible)
        return;
    const Rect outer = OuterRect();
    TheApp.AddDirty(OffsetRect(surfaceRect, outer.Left, outer.Top));
}

void Window::PaintPending()
{
    if (!IsVisible || WindowPixels == nullptr)
        return;
    if (FrameInvalid) {
        FrameInvalid = false;
        DrawFrame();
    }
    // Paint may invalidate again; a few rounds settle it, the rest waits for the next turn.
    for (int round = 0; round < 4 && !Invalid.empty(); ++round) {
        const std::vector<Rect> parts = std::move(Invalid);
        Invalid.clear();
        for (const Rect& r : parts) {
            PaintTree(*this, r);
            AddShown(r);
        }
    }
}

void Window::PaintTree(Control& control, const Rect& surfaceRect)
{
    if (!control.IsVisible)
        return;
    const Rect clip = IntersectRects(surfaceRect, control.VisibleSurfaceRect());
    if (IsEmptyRect(clip))
        return;
    control.Painting = true;
    control.PaintSurfaceClip = clip;
    control.Paint();
    control.Painting = false;
    if (!control.IsWindowed())
        return;
    // Windowless children lie on their parent's canvas, windowed ones above all of them.
    const std::vector<Control*> children = static_cast<WinControl&>(control).Children;
    for (Control* child : children) {
        if (!child->IsWindowed())
            PaintTree(*child, clip);
    }
    for (Control* child : children) {
        if (child->IsWindowed())
            PaintTree(*child, clip);
    }
}

Rect Window::CloseBoxRect() const
{
    const std::int32_t b = FrameWidth();
    const std::int32_t c = CaptionHeight();
    const std::int32_t margin = std::max(2, c / 6);
    const std::int32_t size = c - 2 * margin;
    const std::int32_t right = Width() + b - margin;
    return Rect{right - size, b + margin, right, b + margin + size};
}

void Window::SetCloseBoxPressed(bool pressed)
{
    if (CloseBoxDown == pressed)
        return;
    CloseBoxDown = pressed;
    FrameInvalid = true;
}

void Window::DrawFrame()
{
    if (Style != BorderStyle::Dialog || WindowPixels == nullptr)
        return;
    Surface& s = *WindowPixels;
    const std::int32_t b = FrameWidth();
    const std::int32_t c = CaptionHeight();
    const std::int32_t w = s.Width;
    const std::int32_t h = s.Height;
    s.FillRect(Rect{0, 0, w, b + c}, FrameFill);
    s.FillRect(Rect{0, 0, b, h}, FrameFill);
    s.FillRect(Rect{w - b, 0, w, h}, FrameFill);
    s.FillRect(Rect{0, h - b, w, h}, FrameFill);
    s.FillRect(Rect{b, b, w - b, b + c}, CaptionFill);
    s.FrameRect(Rect{0, 0, w, h}, FrameOuter);

    const Rect box = CloseBoxRect();
    s.FillRect(box, CloseBoxDown ? CloseBoxPressed : CloseBoxFill);
    s.FrameRect(box, FrameOuter);
    if (cairo_t* cr = s.Context()) {
        const double inset = std::max(3.0, box.Width() * 0.28);
        const double shift = CloseBoxDown ? 1.0 : 0.0;
        cairo_save(cr);
        cairo_reset_clip(cr);
        cairo_set_source_rgb(cr, (CloseBoxCross & 0xFF) / 255.0, ((CloseBoxCross >> 8) & 0xFF) / 255.0,
                             ((CloseBoxCross >> 16) & 0xFF) / 255.0);
        cairo_set_line_width(cr, std::max(1.5, box.Width() / 9.0));
        cairo_move_to(cr, box.Left + inset + shift, box.Top + inset + shift);
        cairo_line_to(cr, box.Right - inset + shift, box.Bottom - inset + shift);
        cairo_move_to(cr, box.Right - inset + shift, box.Top + inset + shift);
        cairo_line_to(cr, box.Left + inset + shift, box.Bottom - inset + shift);
        cairo_stroke(cr);
        cairo_restore(cr);
        cairo_surface_flush(s.CairoSurface());
    }

    if (!Caption().empty()) {
        const int fontHeight = std::max(10, static_cast<int>(c * 0.7));
        if (CaptionFont == nullptr || CaptionFont->PixelHeight() != fontHeight)
            CaptionFont = std::make_unique<Font>("Arial", 700, fontHeight, 0);
        Rect text{b + c / 3, b, box.Left - c / 4, b + c};
        s.DrawTextInRect(text, Caption(), TextFormat::Left | TextFormat::VCenter | TextFormat::SingleLine,
                         CaptionText, CaptionFont.get());
    }
    AddShown(Rect{0, 0, w, h});
}
