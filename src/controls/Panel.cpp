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

void Panel::DrawBackground()
{
    Surface* target = TargetSurface();
    if (target == nullptr || Background == nullptr || Background->IsEmpty())
        return;
    Surface::StretchBlit(*target, PixelArea, *Background, true,
                         Rect{0, 0, Background->Width, Background->Height});
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
