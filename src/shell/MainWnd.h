// TMainWnd: the main window. It owns the back buffer, the 40 ms timer, the shared skins, the shell
// dialogs, the sound player and the three screens, and switches screens on its timer ticks. Also the
// program-wide values of the shell.
#pragma once

#include "platform/Timer.h"
#include "platform/Window.h"
#include "shell/ControlHost.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// The main window's tick: the one clock of the game (its animations and waits are counted in ticks).
constexpr std::uint32_t TickMilliseconds = 40;

class EditorProc;
class GameProc;
class MainMenuProc;
class SoundPlayer;
class Surface;
class TAskDlg;
class TCloseDlg;
class TErrorDlg;
class TMainWnd;
class TWinProcedure;

// A new object of a layer above the shell: its typed pointer for the program-wide value (null when
// the object is a stand-in of a test) and the owning pointer the main window keeps and uses.
template <class T, class Base> struct Made
{
    T* Object = nullptr;
    std::unique_ptr<Base> Owner;
};

// Makes a T with the main window as its owner; for ShellFactory, where T is a complete type.
template <class T, class Base> Made<T, Base> MakeOwned(TMainWnd& owner)
{
    auto object = std::make_unique<T>(owner);
    T* typed = object.get();
    return Made<T, Base>{typed, std::move(object)};
}

// How the main window builds what it owns from the layers above the shell (given by the program's
// entry). UpdateMainMenuButtons is called when the main menu comes back from the game.
struct ShellFactory
{
    std::function<Made<MainMenuProc, TWinProcedure>(TMainWnd&)> MainMenu;
    std::function<Made<GameProc, TWinProcedure>(TMainWnd&)> Game;
    std::function<Made<EditorProc, TWinProcedure>(TMainWnd&)> Editor;
    std::function<void(TWinProcedure& mainMenu)> UpdateMainMenuButtons;
    std::function<Made<TCloseDlg, Window>(TMainWnd&)> CloseDialog;
    std::function<Made<TErrorDlg, Window>(TMainWnd&)> ErrorDialog;
    std::function<Made<TAskDlg, Window>(TMainWnd&)> AskDialog;
    // Shows a text in the error dialog until the player answers.
    std::function<void(const std::string& text)> ShowError;
};

// The main window's screen states (ScreenState) and the screens a request names (RequestedState,
// None when there is no request): Starting until the window is first active, Ready until the next
// tick asks for the main menu, then the screen shown.
enum class ShellState : std::int32_t
{
    None = 0,
    Starting = 0,
    Ready = 1,
    InMainMenu = 4,
    InGame = 5,
    InEditor = 6
};

// The host of the screens' controls and panels: they draw into BackBuffer, compose on Scratch,
// send their commands to the current screen and show what they drew through it.
class TMainWnd : public Window, public ControlHost
{
    CONTROL_CLASS(TMainWnd, Window);
    TMainWnd(Application& app, ShellFactory factory);
    ~TMainWnd() override;

    ::Timer Timer;
    // Set by the game's Minimize command together with Application::Minimize; ticks do nothing
    // until the application is restored.
    bool Suspended = false;
    ShellState ScreenState = ShellState::Starting;
    // None, or the screen wanted (InMainMenu, InGame, InEditor); applied on the next tick.
    ShellState RequestedState = ShellState::None;
    double OsVersion = 0;
    // The current folder at start-up, without a trailing separator: the player's boards and SAVES/.
    std::string StartDir;
    // The folder of the data files (res00.dat, res01.dat, the help page), without a trailing
    // separator: the start folder, except for an installed program, which reads them from its shared
    // data folder and starts in the player's own.
    std::string DataDir;
    // Shown in the error dialog once the main menu is on screen (a start-up problem the player should
    // know of that does not stop the game); empty when there is none.
    std::string StartError;
    // The window's back buffer (client size) that screens and panels draw into.
    SurfaceSlot BackBuffer;
    // 192 x 128 scratch canvas for composing sprite buttons.
    std::unique_ptr<Surface> Scratch;

    SurfaceSlot& DrawTarget() override { return BackBuffer; }
    Surface* ScratchSurface() override { return Scratch.get(); }
    // To the current screen's Command, from a control; nothing while no screen is current.
    void SendCommand(std::int32_t id) override;
    // Shows text in the error dialog (made by the layers above the shell) until the player answers;
    // nothing when the program has none.
    void ShowError(const std::string& text);
    // Through the current screen, which covers the window.
    void ShowRect(const Rect& rect) override;

    void TimerTimer();
    void FormCreate();
    void FormActivate();
    void FormResize();
    void FormPaint();
    bool FormKeyDown(KeyCode key, ShiftState shift);
    bool FormCloseQuery();
    void FormDestroy();

    void OnActivate() override { FormActivate(); }
    void OnResize() override { FormResize(); }
    void Paint() override { FormPaint(); }
    bool OnKeyDown(KeyCode key, ShiftState shift) override { return FormKeyDown(key, shift); }
    bool OnCloseQuery() override { return FormCloseQuery(); }

private:
    void ApplyRequest();
    void CreateGameAndMainMenu();
    void DestroyScreen(std::unique_ptr<TWinProcedure>& owner);
    void RestoreHandler();

    ShellFactory Factory;
    bool Activated = false;
    std::unique_ptr<TWinProcedure> MainMenuOwner;
    std::unique_ptr<TWinProcedure> GameOwner;
    std::unique_ptr<TWinProcedure> EditorOwner;
    std::unique_ptr<Window> CloseDlgOwner;
    std::unique_ptr<Window> ErrorDlgOwner;
    std::unique_ptr<Window> AskDlgOwner;
};

// Program-wide values (alive from the main window's creation to its destruction).
extern MainMenuProc* MainMenuScreen;
extern GameProc* GameScreen;
extern EditorProc* EditorScreen;
// The sound player (the name of the object; its class is class SoundPlayer).
extern std::unique_ptr<SoundPlayer> SoundPlayer;
// Name (without extension) of the board chosen for the next game.
extern std::string BoardName;
// Shared skins: dialog background, dialog button, check box and combo box frame strips.
extern std::unique_ptr<Surface> DialogSkin;
extern std::unique_ptr<Surface> DialogButtonSkin;
extern std::unique_ptr<Surface> CheckBoxSkin;
extern std::unique_ptr<Surface> ComboBoxSkin;
// The shell dialogs: exit question, error report, yes/no question.
extern TCloseDlg* CloseDlg;
extern TErrorDlg* ErrorDlg;
extern TAskDlg* AskDlg;
