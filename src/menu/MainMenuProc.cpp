// The main menu screen (placeholder): title on black, Enter plays, Escape asks to close.
#include "menu/MainMenuProc.h"

#include "game/GameProc.h"
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
    // Until the menu has its buttons: Enter goes back to the game in progress, or starts one on the
    // chosen board with the set-up's defaults.
    if (key == Key::Return && GameScreen != nullptr &&
        (GameScreen->Running() || GameScreen->NewGame(MainWnd().StartDir + "/" + BoardName + ".brd")))
        MainWnd().RequestedState = ShellState::InGame;
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
    const auto hintFont = MakeFont("Arial", 400, 24, 8);
    Rect hint = ScreenRect(MakeRelRect(0, 0.62f, 1, 0.05f));
    back->DrawTextInRect(hint, "Enter: play    Esc: quit",
                         TextFormat::Center | TextFormat::VCenter | TextFormat::SingleLine, 0x00C0C0C0,
                         hintFont.get());
    Show(nullptr);
}
