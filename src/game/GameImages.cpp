// The game screen's pictures: one table of the catalogue's items and the slots they go to.
#include "game/GameImages.h"

#include "graphics/PictureCatalog.h"

namespace {

struct ImageSpec
{
    SurfaceSlot GameImages::*Slot;
    const PictureInfo& Picture;
};

const ImageSpec Specs[] = {
    {&GameImages::BScores, Pictures::BScores},
    {&GameImages::PScores, Pictures::PScores},
    {&GameImages::BPlayerInfo, Pictures::BPlayerInfo},
    {&GameImages::PPlayerH, Pictures::PPlayerH},
    {&GameImages::PPlayerC, Pictures::PPlayerC},
    {&GameImages::BCardOpen, Pictures::BCardOpen},
    {&GameImages::BCardCloseH, Pictures::BCardCloseH},
    {&GameImages::BCardCloseC, Pictures::BCardCloseC},
    {&GameImages::ButtonLast, Pictures::ButtonLast},
    {&GameImages::ButtonNext, Pictures::ButtonNext},
    {&GameImages::ButtonView, Pictures::ButtonView},
    {&GameImages::ButtonPay, Pictures::ButtonPay},
    {&GameImages::BNews, Pictures::BNews},
    {&GameImages::BButtons, Pictures::BButtons},
    {&GameImages::BackButton0, Pictures::BackButton0},
    {&GameImages::BackButton1, Pictures::BackButton1},
    {&GameImages::ButtonImages0, Pictures::ButtonImages0},
    {&GameImages::PlayButton, Pictures::PlayButton},
    {&GameImages::Blank, Pictures::Blank},
    {&GameImages::Table0, Pictures::Table0},
    {&GameImages::Table1, Pictures::Table1},
    {&GameImages::Dice, Pictures::Dice},
};

} // namespace

GameImages::GameImages() = default;

GameImages::~GameImages() = default;

void GameImages::Load(const std::string& archivePath)
{
    for (const ImageSpec& spec : Specs)
        this->*spec.Slot = LoadPicture(spec.Picture, archivePath);
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
