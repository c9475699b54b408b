// The modal dialog base: placement, the buffer made on each show, painting, closing, shortcut keys
// and the placement of the game's dialogs.
#include "dialogs/ModalDialog.h"

#include "controls/ScaleCustomControl.h"
#include "graphics/Surface.h"

#include <stdexcept>
#include <vector>

namespace {

Application& AppOf(WinControl& owner)
{
    Application* app = owner.App();
    if (app == nullptr)
        throw std::logic_error("a dialog's owner must lie inside a window");
    return *app;
}

} // namespace

TModalDialog::TModalDialog(WinControl& owner) : Window(AppOf(owner), BorderStyle::Dialog)
{
    KeyPreview = true;
    FollowScreenSize();
}

bool TModalDialog::FollowScreenSize()
{
    if (DialogFont != nullptr && FontScreen.Width == ScreenSize.Width &&
        FontScreen.Height == ScreenSize.Height)
        return false;
    // The controls ask for the font when they draw, so the old one may go at once.
    auto font = MakeFont("Arial", 400, 17, 5);
    font->Color = 0;
    SetFont(font.get());
    DialogFont = std::move(font);
    FontScreen = ScreenSize;
    return true;
}

TModalDialog::~TModalDialog()
{
    FormDestroy();
}

void TModalDialog::ButtonCommand(std::int32_t id)
{
    if (ControlHost* main = ProgramHost(*this); main != nullptr && main != this)
        main->SendCommand(id);
}

Surface* TModalDialog::ScratchSurface()
{
    ControlHost* main = ProgramHost(*this);
    return main != nullptr && main != this ? main->ScratchSurface() : nullptr;
}

void TModalDialog::ShowRect(const Rect& rect)
{
    if (Buffer != nullptr)
        CopyToCanvas(*Buffer, rect, rect.Left, rect.Top);
}

void TModalDialog::SetPlacement(const RelRect& placement)
{
    Placement = placement;
    const Rect r = ScreenRect(placement);
    SetBounds(r.Left + FrameWidth(), r.Top + FrameWidth() + CaptionHeight(), r.Width(), r.Height());
}

void TModalDialog::MoveTo(float left, float top)
{
    const float width = Placement.Right - Placement.Left;
    const float height = Placement.Bottom - Placement.Top;
    SetPlacement(RelRect{left, top, left + width, top + height});
}

void TModalDialog::FormShow()
{
    BusyMark.Set();
    FollowScreenSize();
    Buffer.reset();
    Buffer = Surface::CreateCanvas(Pixels(), Width(), Height());
    Buffer->TextObserver = TextObserver;
    if (Background != nullptr && !Background->IsEmpty())
        Surface::StretchBlit(*Buffer, ClientRect(), *Background, true,
                             Rect{0, 0, Background->Width, Background->Height});
    ShowContent();
}

void TModalDialog::FormClose(::CloseAction& action)
{
    action = CloseAction;
    if (action == ::CloseAction::Hide || action == ::CloseAction::Free)
        Buffer.reset();
    // A dialog that stays open keeps the screen waiting.
    if (action != ::CloseAction::None)
        BusyMark.Release();
}

void TModalDialog::OnHide()
{
    // Hidden without closing (by its owner): the screen is released all the same.
    Buffer.reset();
    BusyMark.Release();
}

void TModalDialog::FormPaint()
{
    if (Buffer == nullptr)
        return;
    const Rect clip = PaintClip();
    CopyToCanvas(*Buffer, clip, clip.Left, clip.Top);
}

bool TModalDialog::FormKeyDown(KeyCode key, ShiftState)
{
    // Typing never presses a button.
    if (WinControl* focused = ActiveControl(); focused != nullptr && focused->InheritsFrom("Edit"))
        return false;
    if (key == 0)
        return false;
    bool pressed = false;
    const std::vector<Control*> children = Controls();
    for (Control* child : children) {
        if (!child->DerivesDirectlyFrom("TSButtonControl"))
            continue;
        auto* button = dynamic_cast<TSButtonControl*>(child);
        // A hidden or disabled button is not there to press.
        if (button == nullptr || button->Shortcut != key || !button->Visible() || !button->Enabled())
            continue;
        button->PressByShortcut();
        pressed = true;
    }
    return pressed;
}

void TModalDialog::FormDestroy()
{
    Buffer.reset();
}

RelRect PlaceGameDialog(float width, float height, bool cellSelected, float cellX, float cellY)
{
    float left = 0.5f - width / 2;
    float top = 0.5f - height / 2;
    if (cellSelected) {
        left = cellX >= 0.5f ? cellX - 0.1f - width : cellX + 0.1f;
        top = cellY - height / 2;
    }
    // The second test wins when both apply.
    if (left < 0.1f)
        left = 0.1f;
    if (left + width > 0.9f)
        left = 0.9f - width;
    if (top < 0.1f)
        top = 0.1f;
    if (top + height > 0.9f)
        top = 0.9f - height;
    return RelRect{left, top, left + width, top + height};
}
