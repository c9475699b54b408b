// The main menu screen (placeholder): title on black, Escape asks to close.
#include "menu/MainMenuProc.h"

#include "graphics/Font.h"
#include "graphics/Surface.h"
#include "platform/Application.h"
#include "shell/MainWnd.h"

MainMenuProc::MainMenuProc(TMainWnd& owner) : TWinProcedure(owner) {}

MainMenuProc::~MainMenuProc() = default;

void MainMenuProc::UpdateButtons() {}

void MainMenuProc::KeyAction(KeyCode key, ShiftState)
{
    if (key == Key::Escape)
        MainWnd().Close();
}

void MainMenuProc::Redraw()
{
    Surface* back = MainWnd().BackBuffer.get();
    if (back == nullptr)
        return;
    back->Clear(0);
    const auto font = MakeFont("Impact", 700, 48, 14);
    Rect title = ScreenRect(MakeRelRect(0, 0.4f, 1, 0.2f));
    back->DrawTextInRect(title, App()->Title(),
                         TextFormat::Center | TextFormat::VCenter | TextFormat::SingleLine, 0x005BB1D7,
                         font.get());
    Show(nullptr);
}
