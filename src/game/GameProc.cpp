// The game screen (placeholder).
#include "game/GameProc.h"

#include "graphics/Surface.h"
#include "shell/MainWnd.h"

GameProc::GameProc(TMainWnd& owner) : TWinProcedure(owner) {}

GameProc::~GameProc() = default;

void GameProc::Redraw()
{
    if (Surface* back = MainWnd().BackBuffer.get()) {
        back->Clear(0);
        Show(nullptr);
    }
}
