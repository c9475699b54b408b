// The hint box: waiting for the pointer to rest, drawing the box below it, keeping it on the screen,
// and taking it away again.
#include "platform/HintBox.h"

#include "graphics/Font.h"
#include "graphics/Surface.h"
#include "platform/Application.h"
#include "platform/Control.h"
#include "platform/Timer.h"
#include "platform/Window.h"

#include <algorithm>

namespace {

// Colours (0x00BBGGRR): pale cream paper, a thin walnut edge, dark brown ink.
constexpr Colour HintPaper = 0x00DCF6FF;
constexpr Colour HintEdge = 0x001E3250;
constexpr Colour HintInk = 0x00101C2A;
// Gap between the pointer's picture and the box.
constexpr std::int32_t PointerGap = 3;

// Rows of the hand's picture below its hot spot: the box goes under what the player sees.
std::int32_t DepthBelowHotSpot(const CursorImage& image)
{
    std::int32_t lowest = image.HotY;
    for (std::int32_t y = 0; y < image.Height; ++y) {
        for (std::int32_t x = 0; x < image.Width; ++x) {
            if ((image.Pixels[static_cast<std::size_t>(y * image.Width + x)] >> 24) != 0)
                lowest = std::max(lowest, y);
        }
    }
    return lowest - image.HotY + 1;
}

} // namespace

HintBox::HintBox(Application& app, std::function<Control*()> underPointer,
                 std::function<void(const Rect&)> changed)
    : App(app), UnderPointer(std::move(underPointer)), Changed(std::move(changed)),
      Clock(std::make_unique<Timer>(app)), CursorDepth(DepthBelowHotSpot(HandCursorImage()))
{
    Clock->SetInterval(TickMs);
    Clock->OnTimer = [this] { Tick(); };
}

HintBox::~HintBox() = default;

void HintBox::PointerMoved(Control* under)
{
    if (under != Blocked)
        Blocked = nullptr;
    if (under != nullptr && under == Blocked)
        return;
    if (under == Target) {
        // Resting means keeping still: a move restarts the wait (a shown hint stays where it is).
        if (Target != nullptr && !Showing) {
            Ticks = 0;
            UpdateClock(true);
        }
        return;
    }
    const bool wasShowing = Showing;
    Hide();
    Target = under;
    Ticks = 0;
    if (Target == nullptr) {
        // Leaving a shown hint lets the next hinted control show its own at once.
        if (wasShowing)
            Grace = GraceTicks;
    } else if (wasShowing || Grace > 0) {
        Show();
    }
    UpdateClock(true);
}

void HintBox::Dismiss()
{
    if (Target != nullptr)
        Blocked = Target;
    Hide();
    Target = nullptr;
    Grace = 0;
    UpdateClock(false);
}

void HintBox::Check()
{
    if (Target == nullptr || UnderPointer() == Target)
        return;
    Hide();
    Target = nullptr;
    UpdateClock(false);
}

void HintBox::Forget(const Control* control)
{
    if (Blocked != nullptr && Blocked->IsSelfOrDescendantOf(control))
        Blocked = nullptr;
    if (Target != nullptr && Target->IsSelfOrDescendantOf(control)) {
        Hide();
        Target = nullptr;
        UpdateClock(false);
    }
}

void HintBox::Tick()
{
    if (Grace > 0)
        --Grace;
    if (Target != nullptr) {
        ++Ticks;
        if (!Showing && Ticks >= ShowTicks) {
            if (UnderPointer() == Target)
                Show();
            else
                Target = nullptr;
        } else if (Showing && Ticks >= HideTicks) {
            Blocked = Target;
            Hide();
            Target = nullptr;
        }
    }
    UpdateClock(false);
}

void HintBox::UpdateClock(bool restart)
{
    const bool needed = Target != nullptr || Grace > 0;
    if (needed && restart)
        Clock->SetInterval(TickMs); // a new deadline a whole step away
    Clock->SetEnabled(needed);
}

void HintBox::Show()
{
    Ticks = 0;
    Window* window = Target->ParentWindow();
    const Font* font = window != nullptr ? window->DefaultFont() : nullptr;
    if (font == nullptr || Target->Hint.empty())
        return;
    const std::uint32_t format =
        TextFormat::Left | TextFormat::VCenter | TextFormat::SingleLine | TextFormat::NoPrefix;
    Rect text{0, 0, 0, 0};
    Surface measuring;
    measuring.DrawTextInRect(text, Target->Hint, format | TextFormat::CalcRect, HintInk, font);
    const std::int32_t padX = std::max(3, Round(font->PixelHeight() * 0.4));
    const std::int32_t padY = std::max(2, Round(font->PixelHeight() * 0.15));
    const std::int32_t width = text.Width() + 2 * padX + 2;
    const std::int32_t height = text.Height() + 2 * padY + 2;

    // Below the pointer's picture, moved left or above the pointer where the screen ends.
    const ScreenSizeRecord screen = App.DisplaySize();
    const Point pointer = App.PointerPos();
    std::int32_t left = pointer.X;
    std::int32_t top = pointer.Y + CursorDepth + PointerGap;
    if (left + width > screen.Width)
        left = screen.Width - width;
    if (top + height > screen.Height)
        top = pointer.Y - PointerGap - height;
    left = std::max(0, left);
    top = std::max(0, top);

    if (Picture == nullptr || Picture->Width != width || Picture->Height != height)
        Picture = Surface::CreateCanvas(nullptr, width, height);
    Picture->Clear(HintPaper);
    Picture->FrameRect(Rect{0, 0, width, height}, HintEdge);
    Picture->TextObserver = TextObserver;
    Rect inside{1 + padX, 1, width - 1 - padX, height - 1};
    Picture->DrawTextInRect(inside, Target->Hint, format, HintInk, font);
    Picture->TextObserver = nullptr;

    Showing = true;
    Box = Rect{left, top, left + width, top + height};
    Changed(Box);
}

void HintBox::Hide()
{
    if (!Showing)
        return;
    Showing = false;
    Changed(Box);
    Box = Rect{};
}
