// GameImages: the pictures of the game screen (panel backgrounds, cards, buttons, the board's
// sheets and the die), loaded when the screen becomes current and freed when it stops being so.
#pragma once

#include "graphics/PictureCatalog.h"
#include "shell/ControlHost.h"

#include <string>

class GameImages
{
public:
    GameImages();
    ~GameImages();
    GameImages(const GameImages&) = delete;
    GameImages& operator=(const GameImages&) = delete;

    // Slots, so that the buttons that show them keep finding them across a Free and a Load.
    SurfaceSlot BScores, PScores, BPlayerInfo, PPlayerH, PPlayerC;
    SurfaceSlot BCardOpen, BCardCloseH, BCardCloseC, ButtonLast, ButtonNext, ButtonView, ButtonPay;
    SurfaceSlot BNews, BButtons, BackButton0, BackButton1, ButtonImages0, PlayButton;
    SurfaceSlot Blank, Table0, Table1, Dice;

    // Every picture from the archive (an item it lacks becomes an empty picture).
    void Load(const std::string& archivePath = Pictures::Archive);
    // Frees every picture and empties its slot.
    void Free();
    // Whether every slot holds a picture.
    bool Loaded() const;
};
