// The catalogue of the game's pictures in res00.dat: each item's name, frame layout, frame size and
// transparency, for mkres that draws them and for every screen, tool, test and benchmark that loads them.
#pragma once

#include "graphics/Surface.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

struct PictureInfo
{
    std::string_view Name;
    // How Surface cuts it into frames: 0 whole, 1 sheet of 8 frames a row with one-pixel gutters,
    // 3 vertical strip, 4 grid of Across frames a row without gutters.
    std::int32_t Layout = 0;
    std::int32_t FrameWidth = 0; // 0 x 0 for a whole picture
    std::int32_t FrameHeight = 0;
    bool Transparent = false; // black pixels are not drawn
    std::int32_t Frames = 1;  // frames drawn into it
    std::int32_t Across = 1;  // frames a row
    std::int32_t Width = 0;   // the stored picture
    std::int32_t Height = 0;
};

namespace Pictures {

constexpr PictureInfo Whole(std::string_view name, std::int32_t width, std::int32_t height)
{
    return {name, 0, 0, 0, false, 1, 1, width, height};
}
// The board's sheets: eight frames a row, a gutter right of and below each frame, transparent.
constexpr PictureInfo Sheet(std::string_view name, std::int32_t frameWidth, std::int32_t frameHeight,
                            std::int32_t frames)
{
    return {name,
            1,
            frameWidth,
            frameHeight,
            true,
            frames,
            8,
            std::min(frames, 8) * (frameWidth + 1),
            (frames + 7) / 8 * (frameHeight + 1)};
}
constexpr PictureInfo Strip(std::string_view name, std::int32_t frameWidth, std::int32_t frameHeight,
                            std::int32_t frames, bool transparent)
{
    return {name, 3, frameWidth, frameHeight, transparent, frames, 1, frameWidth, frames * frameHeight};
}
constexpr PictureInfo Grid(std::string_view name, std::int32_t frameWidth, std::int32_t frameHeight,
                           std::int32_t frames, std::int32_t across, bool transparent)
{
    return {name,
            4,
            frameWidth,
            frameHeight,
            transparent,
            frames,
            across,
            across * frameWidth,
            (frames + across - 1) / across * frameHeight};
}

// Game screen panels, the dialogs' paper and the editor's tool strip.
inline constexpr PictureInfo BScores = Whole("BScores", 384, 173);
inline constexpr PictureInfo BPlayerInfo = Whole("BPlayerInfo", 346, 173);
inline constexpr PictureInfo BCardOpen = Whole("BCardOpen", 653, 173);
inline constexpr PictureInfo BCardCloseH = Whole("BCardCloseH", 653, 173);
inline constexpr PictureInfo BCardCloseC = Whole("BCardCloseC", 653, 173);
inline constexpr PictureInfo BNews = Whole("BNews", 384, 173);
inline constexpr PictureInfo BButtons = Whole("BButtons", 154, 173);
inline constexpr PictureInfo BDialog = Whole("BDialog", 600, 600);
inline constexpr PictureInfo PanelEditor = Whole("PanelEditor", 1920, 54);
// Score cards and portraits, one frame per player.
inline constexpr PictureInfo PScores = Strip("PScores", 160, 64, 6, true);
inline constexpr PictureInfo PPlayerH = Strip("PPlayerH", 72, 80, 6, false);
inline constexpr PictureInfo PPlayerC = Strip("PPlayerC", 72, 80, 6, false);
// Buttons: normal, under the pointer, pressed (the check box: and each of them checked).
inline constexpr PictureInfo ButtonLast = Strip("ButtonLast", 48, 48, 3, true);
inline constexpr PictureInfo ButtonNext = Strip("ButtonNext", 48, 48, 3, true);
inline constexpr PictureInfo ButtonView = Strip("ButtonView", 48, 48, 3, true);
inline constexpr PictureInfo ButtonPay = Strip("ButtonPay", 48, 48, 3, true);
inline constexpr PictureInfo BackButton0 = Strip("BackButton0", 64, 64, 3, false);
inline constexpr PictureInfo BackButton1 = Strip("BackButton1", 128, 64, 3, false);
inline constexpr PictureInfo ButtonImages0 = Grid("ButtonImages0", 48, 48, 10, 5, true);
inline constexpr PictureInfo PlayButton = Strip("PlayButton", 96, 50, 3, true);
inline constexpr PictureInfo MMBackButton = Strip("MMBackButton", 192, 80, 3, false);
inline constexpr PictureInfo DlgButton = Strip("DlgButton", 128, 48, 3, true);
inline constexpr PictureInfo CheckBox = Strip("CheckBox", 32, 32, 4, true);
inline constexpr PictureInfo ComboBox = Strip("ComboBox", 192, 32, 3, true);
// The main menu's background.
inline constexpr PictureInfo MMBack = Whole("MMBack", 1920, 1080);
// The board: cells beyond the map, ground and roads, the taller pictures, the rolling die.
inline constexpr PictureInfo Blank = Sheet("blank", 144, 96, 1);
inline constexpr PictureInfo Table0 = Sheet("table0", 144, 96, 32);
inline constexpr PictureInfo Table1 = Sheet("table1", 144, 105, 72);
inline constexpr PictureInfo Dice = Sheet("dice", 48, 48, 55);

// Every picture item, in the order of the archive.
inline constexpr std::array All = {
    BScores,     BPlayerInfo, BCardOpen,     BCardCloseH, BCardCloseC,  BNews,      BButtons,   BDialog,
    PanelEditor, PScores,     PPlayerH,      PPlayerC,    ButtonLast,   ButtonNext, ButtonView, ButtonPay,
    BackButton0, BackButton1, ButtonImages0, PlayButton,  MMBackButton, DlgButton,  CheckBox,   ComboBox,
    MMBack,      Blank,       Table0,        Table1,      Dice};

// The archive the game reads its pictures from, in the start folder.
inline constexpr const char* Archive = "res00.dat";

} // namespace Pictures

// The catalogue entry of an item (letter case ignored, as in the archive); null when there is none.
const PictureInfo* FindPicture(std::string_view name);

// The picture read from the archive with its layout, frame size and transparency; an empty image
// when the archive lacks it.
std::unique_ptr<Surface> LoadPicture(const PictureInfo& picture,
                                     const std::string& archivePath = Pictures::Archive);
