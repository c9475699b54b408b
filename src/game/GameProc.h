// GameProc: the game screen. For now a placeholder that shows black.
#pragma once

#include "shell/WinProcedure.h"

class GameProc : public TWinProcedure
{
    CONTROL_CLASS(GameProc, TWinProcedure);
    explicit GameProc(TMainWnd& owner);
    ~GameProc() override;

    void Redraw() override;
};
