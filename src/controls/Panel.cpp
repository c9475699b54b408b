// The panel base: target, area, background and refresh.
#include "controls/Panel.h"

#include "graphics/Surface.h"
#include "platform/Control.h"

Panel::Panel() = default;

Panel::~Panel() = default;

void Panel::Init(WinControl& owner)
{
    Background = nullptr;
    Host = HostOf(owner);
    Target = Host != nullptr ? &Host->DrawTarget() : nullptr;
    Font = MakeFont("MS Sans Serif", 400, 17, 5);
}

void Panel::SetArea(const RelRect& area)
{
    Area = area;
    PixelArea = ScreenRect(Area);
}

Surface* Panel::TargetSurface() const
{
    return Target != nullptr ? Target->get() : nullptr;
}

Surface& Panel::Scratch()
{
    if (Surface* shared = Host != nullptr ? Host->ScratchSurface() : nullptr;
        shared != nullptr && !shared->IsEmpty())
        return *shared;
    if (OwnScratch == nullptr)
        OwnScratch = Surface::CreateCanvas(nullptr, 192, 128);
    return *OwnScratch;
}

const Surface* Panel::ScaledBackground()
{
    if (Background == nullptr || Background->IsEmpty() || PixelArea.Width() <= 0 || PixelArea.Height() <= 0)
        return nullptr;
    const Rect source{0, 0, Background->Width, Background->Height};
    if (Scaled == nullptr || ScaledFrom != Background || ScaledSource != source ||
        Scaled->Width != PixelArea.Width() || Scaled->Height != PixelArea.Height()) {
        // Stretched at the panel's size, the picture gives the same pixels as stretched in place.
        Scaled = Surface::CreateCanvas(TargetSurface(), PixelArea.Width(), PixelArea.Height());
        Surface::StretchBlit(*Scaled, Rect{0, 0, PixelArea.Width(), PixelArea.Height()}, *Background, true,
                             source);
        ScaledFrom = Background;
        ScaledSource = source;
    }
    return Scaled.get();
}

void Panel::DrawBackground()
{
    Surface* target = TargetSurface();
    const Surface* scaled = ScaledBackground();
    if (target == nullptr || scaled == nullptr)
        return;
    Surface::Blit(*target, PixelArea.Left, PixelArea.Top, Rect{0, 0, scaled->Width, scaled->Height}, *scaled);
}

void Panel::Refresh()
{
    Paint();
    if (Host != nullptr)
        Host->ShowRect(PixelArea);
}

void Panel::Paint()
{
    DrawBackground();
}
