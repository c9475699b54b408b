// ButtonsPanel: the rightmost panel of the game screen with its five tool buttons: minimise, quit,
// help, main menu and throw the dice (shown only while the player may throw).
#pragma once

#include "controls/Panel.h"

#include <memory>

class GameImages;
class TSToolButton;
class WinControl;

class ButtonsPanel : public Panel
{
public:
    ButtonsPanel(WinControl& owner, GameImages& images);
    ~ButtonsPanel() override;

    std::unique_ptr<TSToolButton> MinimizeButton;
    std::unique_ptr<TSToolButton> QuitButton;
    std::unique_ptr<TSToolButton> HelpButton;
    std::unique_ptr<TSToolButton> MainMenuButton;
    std::unique_ptr<TSToolButton> ThrowButton;

    void Paint() override;
    // Shows and enables the dice button (its look then follows the pointer), or hides and disables
    // it; the panel is refreshed either way.
    void ShowThrowButton(bool shown);

private:
    const GameImages& Images;
};
