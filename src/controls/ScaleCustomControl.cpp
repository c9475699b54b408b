// Windowed scaled controls: placing, the background rule, painting from the shared surface, focus,
// hover, press, clicks and shortcuts.
#include "controls/ScaleCustomControl.h"

#include "controls/Panel.h"
#include "graphics/Surface.h"
#include "platform/Application.h"
#include "shell/WinProcedure.h"

RelRect FindBackground(Control& control, const ::Panel* panel, bool windowless, const Surface*& background)
{
    if (panel != nullptr) {
        background = panel->Background;
        return panel->Area;
    }
    WinControl* parent = control.Parent();
    if (ScaledDialog* dialog = AsScaledDialog(parent)) {
        background = dialog->DialogBackground();
        const RelRect p = dialog->DialogPlacement();
        return RelRect{0, 0, p.Right - p.Left, p.Bottom - p.Top};
    }
    if (parent != nullptr && parent->DerivesDirectlyFrom("TScaleCustomControl")) {
        if (auto* host = dynamic_cast<TScaleCustomControl*>(parent)) {
            background = host->Background;
            return host->Area;
        }
    }
    if (windowless) {
        if (parent != nullptr && parent->DerivesDirectlyFrom("TWinProcedure")) {
            if (auto* screen = dynamic_cast<TWinProcedure*>(parent)) {
                background = screen->Background.get();
                return RelRect{0, 0, 1, 1};
            }
        }
        background = nullptr;
    }
    return RelRect{0, 0, 0, 0};
}

TScaleCustomControl::TScaleCustomControl(WinControl* owner) : WinControl(owner) {}

void TScaleCustomControl::Setup(::Panel* panel, const RelRect& area, std::int32_t tag, std::int32_t id,
                                std::string_view caption, const Surface* skin)
{
    SetParent(Owner());
    Panel = panel;
    Target = ResolveTarget(Owner());
    SetArea(area);
    Skin = skin;
    SetCaption(std::string(caption));
    Id = id;
    Tag = tag;
    // The layer never erases a control's background, so there is no brush to clear.
    if (DerivesDirectlyFrom("TSButtonControl"))
        static_cast<TSButtonControl*>(this)->ParseShortcut();
    AfterSetup();
}

void TScaleCustomControl::SetArea(const RelRect& area)
{
    Area = area;
    PixelArea = ControlPixelArea(area, Panel != nullptr ? &Panel->Area : nullptr);
    SetBounds(PixelArea.Left, PixelArea.Top, PixelArea.Width(), PixelArea.Height());
}

RelRect TScaleCustomControl::GetBackground()
{
    return FindBackground(*this, Panel, false, Background);
}

void TScaleCustomControl::ShowAndEnable()
{
    SetVisible(true);
    SetEnabled(true);
}

void TScaleCustomControl::HideAndDisable()
{
    SetVisible(false);
    SetEnabled(false);
}

Surface* TScaleCustomControl::TargetSurface() const
{
    return Target != nullptr ? Target->get() : nullptr;
}

Surface* TScaleCustomControl::DrawSkinFrame(std::int32_t frame)
{
    Surface* target = TargetSurface();
    if (target == nullptr)
        return nullptr;
    const RelRect backgroundRect = GetBackground();
    ScratchCanvas scratch(*this);
    DrawSpriteButton(*target, Area, Skin, *scratch, Background, backgroundRect, frame);
    return target;
}

void TScaleCustomControl::DrawFocusOutline()
{
    Surface* target = TargetSurface();
    if (target != nullptr && Focused())
        target->FrameRect(PixelArea, 0);
}

void TScaleCustomControl::Paint()
{
    if (TargetSurface() == nullptr)
        return;
    DrawContent();
    const Surface* target = TargetSurface();
    if (target == nullptr)
        return;
    PresentPixelArea(*this, *target, PixelArea);
}

// ---- TSButtonControl

TSButtonControl::TSButtonControl(WinControl* owner) : TScaleCustomControl(owner)
{
    TabStop = true;
}

void TSButtonControl::HandleMouseMove(ShiftState, std::int32_t x, std::int32_t y)
{
    if (TrackHover(*this, Hover, Pressed, x, y) && Visible())
        Paint();
}

void TSButtonControl::HandleMouseDown(int, ShiftState, std::int32_t, std::int32_t)
{
    Pressed = 1;
    if (Visible())
        Paint();
}

void TSButtonControl::HandleMouseUp(int, ShiftState, std::int32_t x, std::int32_t y)
{
    Pressed = 0;
    // Releasing the button ended the capture; a control still under the pointer takes it back so
    // that it sees the pointer leave.
    if (Hover == 1)
        TrackHover(*this, Hover, Pressed, x, y);
    if (Visible())
        Paint();
}

void TSButtonControl::HandleClick()
{
    // A dialog host hands it to its ButtonCommand, the main window to the current screen.
    if (ControlHost* host = HostOf(*this))
        host->SendCommand(Id);
    Hover = 0;
    Pressed = 0;
}

void TSButtonControl::HandleEnter()
{
    if (Visible())
        Paint();
}

void TSButtonControl::HandleExit()
{
    if (Visible())
        Paint();
}

void TSButtonControl::HandleKeyDown(KeyCode, ShiftState) {}

void TSButtonControl::PressByShortcut()
{
    Pressed = 1;
    Hover = 1;
    Paint();
    Pressed = 0;
    Click();
    if (Enabled())
        Paint();
}

void TSButtonControl::ParseShortcut()
{
    const std::string& caption = Caption();
    const auto at = caption.find('&');
    // Derived again after a caption change, so a caption without a letter clears it.
    Shortcut = 0;
    if (at == std::string::npos || at + 1 >= caption.size())
        return;
    // The one character after "&", whole when it takes several bytes.
    std::size_t end = at + 2;
    while (end < caption.size() && (static_cast<unsigned char>(caption[end]) & 0xC0) == 0x80)
        ++end;
    Shortcut = TextToShortCut(std::string_view(caption).substr(at + 1, end - at - 1));
}

bool TSButtonControl::OnMouseMove(ShiftState shift, std::int32_t x, std::int32_t y)
{
    HandleMouseMove(shift, x, y);
    return true;
}

bool TSButtonControl::OnMouseDown(int button, ShiftState shift, std::int32_t x, std::int32_t y)
{
    HandleMouseDown(button, shift, x, y);
    return true;
}

bool TSButtonControl::OnMouseUp(int button, ShiftState shift, std::int32_t x, std::int32_t y)
{
    HandleMouseUp(button, shift, x, y);
    return true;
}

bool TSButtonControl::OnKeyDown(KeyCode key, ShiftState shift)
{
    HandleKeyDown(key, shift);
    return true;
}
