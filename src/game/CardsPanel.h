// CardsPanel: the property cards panel of the game screen: the current player's title deeds one at
// a time, buttons to leaf through them, show the property and pay off its mortgage, and the
// page-turn animation between two cards.
#pragma once

#include "controls/Panel.h"

#include <map>
#include <memory>

struct GameState;
class Board;
class GameImages;
class Surface;
class TSSpeedButton;
class WinControl;

class CardsPanel : public Panel
{
public:
    // normal and bold: the game screen's fonts. The panel writes the current player's CardIndex
    // back to 0 when it points past the properties (a seizure shortened them).
    CardsPanel(WinControl& owner, GameState& state, const Board& board, GameImages& images,
               const ::Font& normal, const ::Font& bold);
    ~CardsPanel() override;

    // Panel-sized canvases the two cards of a page turn are drawn into.
    std::unique_ptr<Surface> PageA;
    std::unique_ptr<Surface> PageB;
    std::unique_ptr<TSSpeedButton> PrevButton;
    std::unique_ptr<TSSpeedButton> NextButton;
    std::unique_ptr<TSSpeedButton> ViewButton;
    std::unique_ptr<TSSpeedButton> PayButton;
    // Steps of one page turn.
    std::int32_t SlideLength = 8;

    void Paint() override;
    // Title deed number index of the current player onto surface, the card's top-left corner at
    // (left, top) in fractions of ScreenSize; nothing when there is no such card. On the pages
    // of a page turn the buttons' pictures are painted into the card.
    void DrawCard(Surface& surface, std::int32_t index, float top, float left);
    // The current card and its neighbour (direction -1 previous, +1 next) into the pages; the
    // buttons hidden.
    void BeginSlide(std::int32_t direction);
    // One step of the page turn (step = +-1 .. +-SlideLength, the sign the direction), shown.
    void SlideStep(std::int32_t step);
    // The turn is over: the card of the direction becomes the current one, painted and shown.
    void EndSlide(std::int32_t direction);
    void HideButtons();

private:
    // Pages of the size of PixelArea (made again when it changed).
    void MakePages();
    bool IsMortgaged(std::int32_t index) const;
    bool CanPayOff(std::int32_t index) const;

    GameState& State;
    const Board& Map;
    GameImages& Images;
    const ::Font& Normal;
    const ::Font& Bold;
    // The normal font in red, for the present structure and the mortgage lines.
    std::unique_ptr<::Font> Red;
    // Set while BeginSlide draws the two pages of a page turn.
    bool Turning = false;
    // The lot's picture on the card (frame of "table1") composed with the paper behind it; kept
    // by frame for the pictures and size in PicturesOf.
    void DrawLotPicture(Surface& surface, const RelRect& card, std::int32_t frame);
    std::map<std::int32_t, std::unique_ptr<Surface>> LotPictures;
    struct
    {
        const Surface* Sheet = nullptr;
        const Surface* Paper = nullptr;
        Rect Size;
    } PicturesOf;
};
