// EditorProc: the board editor screen. For now a placeholder that shows its name on black.
#pragma once

#include "shell/WinProcedure.h"

class EditorProc : public TWinProcedure
{
    CONTROL_CLASS(EditorProc, TWinProcedure);
    explicit EditorProc(TMainWnd& owner);
    ~EditorProc() override;

    void Redraw() override;
};
