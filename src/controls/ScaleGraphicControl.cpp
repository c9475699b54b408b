// Windowless scaled controls: placing, background, painting from the shared surface, hover, press,
// radio groups and clicks.
#include "controls/ScaleGraphicControl.h"

#include "controls/Panel.h"
#include "controls/ScaleCustomControl.h"
#include "graphics/Surface.h"
#include "platform/Application.h"

TScaleGraphicControl::TScaleGraphicControl(WinControl* owner) : GraphicControl(owner) {}

void TScaleGraphicControl::Setup(::Panel* panel, const RelRect& area, std::int32_t tag, std::int32_t id,
                                 std::string_view caption, SurfaceSlot* skin)
{
    SetParent(Owner());
    Panel = panel;
    Target = ResolveTarget(Owner());
    SetArea(area);
    Skin = skin;
    SetCaption(std::string(caption));
    Id = id;
    Tag = tag;
    AfterSetup();
}

void TScaleGraphicControl::SetArea(const RelRect& area)
{
    Area = area;
    PixelArea = ControlPixelArea(area, Panel != nullptr ? &Panel->Area : nullptr);
    SetBounds(PixelArea.Left, PixelArea.Top, PixelArea.Width(), PixelArea.Height());
}

RelRect TScaleGraphicControl::GetBackground()
{
    return FindBackground(*this, Panel, true, Background);
}

Surface* TScaleGraphicControl::TargetSurface() const
{
    return Target != nullptr ? Target->get() : nullptr;
}

const Surface* TScaleGraphicControl::SkinImage() const
{
    return Skin != nullptr ? Skin->get() : nullptr;
}

Surface* TScaleGraphicControl::DrawSkinFrame(std::int32_t frame)
{
    Surface* target = TargetSurface();
    if (target == nullptr)
        return nullptr;
    const RelRect backgroundRect = GetBackground();
    ScratchCanvas scratch(*this);
    DrawSpriteButton(*target, Area, SkinImage(), *scratch, Background, backgroundRect, frame);
    return target;
}

void TScaleGraphicControl::Paint()
{
    if (TargetSurface() == nullptr)
        return;
    DrawContent();
    // DrawContent may have emptied the slot (nothing here stops it).
    const Surface* target = TargetSurface();
    if (target == nullptr)
        return;
    PresentPixelArea(*this, *target, PixelArea);
}

// ---- TScaleMouseCaptureControl

TScaleMouseCaptureControl::TScaleMouseCaptureControl(WinControl* owner) : TScaleGraphicControl(owner) {}

void TScaleMouseCaptureControl::HandleMouseMove(ShiftState, std::int32_t x, std::int32_t y)
{
    if (TrackHover(*this, Hover, Pressed, x, y) && Visible())
        Paint();
}

void TScaleMouseCaptureControl::HandleMouseDown(int, ShiftState, std::int32_t, std::int32_t)
{
    Pressed = 1;
    if (Visible())
        Paint();
}

void TScaleMouseCaptureControl::HandleMouseUp(int, ShiftState, std::int32_t x, std::int32_t y)
{
    Pressed = 0;
    // Releasing the button ended the capture; a control still under the pointer takes it back so
    // that it sees the pointer leave.
    if (Hover == 1)
        TrackHover(*this, Hover, Pressed, x, y);
    if (Visible())
        Paint();
}

void TScaleMouseCaptureControl::HandleClick()
{
    if (Group != 0) {
        Selected = 1;
        if (WinControl* parent = Parent()) {
            const std::vector<Control*> siblings = parent->Controls();
            for (Control* c : siblings) {
                if (c == this || !c->DerivesDirectlyFrom("TScaleMouseCaptureControl"))
                    continue;
                auto* other = static_cast<TScaleMouseCaptureControl*>(c);
                if (other->Group != Group || other->Selected != 1)
                    continue;
                other->Selected = 0;
                if (other->Visible())
                    other->Paint();
            }
        }
    }
    if (ControlHost* host = HostOf(*this))
        host->SendCommand(Id);
    // A click is a press that has come up. When the command ran a dialog, the release went to the
    // dialog's loop and never comes here: a button left pressed would keep the mouse and eat the
    // next click elsewhere.
    Pressed = 0;
    // The command may have switched screens or hidden this control.
    FollowPointer();
}

void TScaleMouseCaptureControl::FollowPointer()
{
    if (Application* app = App()) {
        const Point p = ScreenToClient(app->PointerPos());
        HandleMouseMove(0, p.X, p.Y);
    }
}

void TScaleMouseCaptureControl::Select()
{
    Selected = 1;
    Hover = 1;
    Paint();
    Click();
}

bool TScaleMouseCaptureControl::OnMouseMove(ShiftState shift, std::int32_t x, std::int32_t y)
{
    HandleMouseMove(shift, x, y);
    return true;
}

bool TScaleMouseCaptureControl::OnMouseDown(int button, ShiftState shift, std::int32_t x, std::int32_t y)
{
    HandleMouseDown(button, shift, x, y);
    return true;
}

bool TScaleMouseCaptureControl::OnMouseUp(int button, ShiftState shift, std::int32_t x, std::int32_t y)
{
    HandleMouseUp(button, shift, x, y);
    return true;
}
