// PlayerPanel: the player information panel of the game screen, describing the player whose turn
// it is: picture, name, education, occupation, salary, properties and mortgages.
#pragma once

#include "controls/Panel.h"

struct GameState;
class GameImages;
class WinControl;

class PlayerPanel : public Panel
{
public:
    // normal and bold: the game screen's label and value fonts.
    PlayerPanel(WinControl& owner, const GameState& state, const GameImages& images, const ::Font& normal,
                const ::Font& bold);

    void Paint() override;

private:
    const GameState& State;
    const GameImages& Images;
    const ::Font& Normal;
    const ::Font& Bold;
};
