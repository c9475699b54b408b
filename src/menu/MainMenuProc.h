// MainMenuProc: the main menu screen. For now a placeholder that shows the program's title on
// black; Enter plays (the game in progress, or a new one), Escape asks the main window to close.
#pragma once

#include "shell/WinProcedure.h"

class MainMenuProc : public TWinProcedure
{
    CONTROL_CLASS(MainMenuProc, TWinProcedure);
    explicit MainMenuProc(TMainWnd& owner);
    ~MainMenuProc() override;

    // Enables the save and restore buttons while a game is in progress (the menu has no buttons
    // yet).
    void UpdateButtons();

    void KeyAction(KeyCode key, ShiftState shift) override;
    void Redraw() override;
};
