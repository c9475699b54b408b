// ScoresPanel: the top-left panel of the game screen, a score card (name, cash, held turns) for
// every player still in the game, in two columns.
#pragma once

#include "controls/Panel.h"

struct GameState;
class GameImages;
class WinControl;

class ScoresPanel : public Panel
{
public:
    // Card slot i of the cards drawn in order: left 0 or 0.1, top 0.053 a row.
    static RelRect CardSlot(std::int32_t i);

    ScoresPanel(WinControl& owner, const GameState& state, const GameImages& images);

    void Paint() override;

private:
    const GameState& State;
    const GameImages& Images;
};
