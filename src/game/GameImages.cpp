// The game screen's pictures: one table of the items with the layouts they are cut by.
#include "game/GameImages.h"

#include "graphics/Surface.h"

#include <cstdint>

namespace {

struct ImageSpec
{
    SurfaceSlot GameImages::*Slot;
    const char* Item;
    std::int32_t Layout;
    std::int32_t FrameWidth;
    std::int32_t FrameHeight;
    bool Transparent;
};

using L = ImageLayout::Kind;
constexpr ImageSpec Specs[] = {
    {&GameImages::BScores, "BScores", L::Whole, 0, 0, false},
    {&GameImages::PScores, "PScores", L::Strip, 160, 64, true},
    {&GameImages::BPlayerInfo, "BPlayerInfo", L::Whole, 0, 0, false},
    {&GameImages::PPlayerH, "PPlayerH", L::Strip, 72, 80, false},
    {&GameImages::PPlayerC, "PPlayerC", L::Strip, 72, 80, false},
    {&GameImages::BCardOpen, "BCardOpen", L::Whole, 0, 0, false},
    {&GameImages::BCardCloseH, "BCardCloseH", L::Whole, 0, 0, false},
    {&GameImages::BCardCloseC, "BCardCloseC", L::Whole, 0, 0, false},
    {&GameImages::ButtonLast, "ButtonLast", L::Strip, 48, 48, true},
    {&GameImages::ButtonNext, "ButtonNext", L::Strip, 48, 48, true},
    {&GameImages::ButtonView, "ButtonView", L::Strip, 48, 48, true},
    {&GameImages::ButtonPay, "ButtonPay", L::Strip, 48, 48, true},
    {&GameImages::BNews, "BNews", L::Whole, 0, 0, false},
    {&GameImages::BButtons, "BButtons", L::Whole, 0, 0, false},
    {&GameImages::BackButton0, "BackButton0", L::Strip, 64, 64, false},
    {&GameImages::BackButton1, "BackButton1", L::Strip, 128, 64, false},
    {&GameImages::ButtonImages0, "ButtonImages0", L::Grid, 48, 48, true},
    {&GameImages::PlayButton, "PlayButton", L::Strip, 96, 50, true},
    {&GameImages::Blank, "blank", L::Sheet, 144, 96, true},
    {&GameImages::Table0, "table0", L::Sheet, 144, 96, true},
    {&GameImages::Table1, "table1", L::Sheet, 144, 105, true},
    {&GameImages::Dice, "dice", L::Sheet, 48, 48, true},
};

} // namespace

GameImages::GameImages() = default;

GameImages::~GameImages() = default;

void GameImages::Load(const std::string& archivePath)
{
    for (const ImageSpec& spec : Specs) {
        auto image = std::make_unique<Surface>();
        image->LoadImage(spec.Layout, spec.FrameWidth, spec.Item, archivePath, spec.Transparent,
                         spec.FrameHeight);
        this->*spec.Slot = std::move(image);
    }
}

void GameImages::Free()
{
    for (const ImageSpec& spec : Specs)
        (this->*spec.Slot).reset();
}

bool GameImages::Loaded() const
{
    for (const ImageSpec& spec : Specs) {
        if (this->*spec.Slot == nullptr || (this->*spec.Slot)->IsEmpty())
            return false;
    }
    return true;
}
