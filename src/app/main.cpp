// Program entry of Tarnhollow: the application, the main window with the screens and shell dialogs
// it owns, and the loop. An error that escapes the loop is shown; the program still ends normally.
#include "editor/EditorProc.h"
#include "game/GameProc.h"
#include "graphics/Font.h"
#include "menu/MainMenuProc.h"
#include "menu/ShellDialogs.h"
#include "platform/Application.h"
#include "shell/MainWnd.h"

#include <exception>
#include <memory>

int main()
{
    try {
        Application app;
        app.SetTitle("Tarnhollow 3.0");
        app.SetHelpFile("");
        // Font configuration is loaded now rather than on the first text the player sees.
        WarmFonts();
        ShellFactory factory;
        factory.MainMenu = MakeOwned<MainMenuProc, TWinProcedure>;
        factory.Game = MakeOwned<GameProc, TWinProcedure>;
        factory.Editor = MakeOwned<EditorProc, TWinProcedure>;
        factory.UpdateMainMenuButtons = [](MainMenuProc& menu) { menu.UpdateButtons(); };
        factory.CloseDialog = MakeOwned<TCloseDlg, Window>;
        factory.ErrorDialog = MakeOwned<TErrorDlg, Window>;
        factory.AskDialog = MakeOwned<TAskDlg, Window>;
        auto mainWindow = std::make_unique<TMainWnd>(app, std::move(factory));
        app.SetMainWindow(mainWindow.get());
        try {
            app.Run();
        } catch (const std::exception& error) {
            Application::ShowErrorMessage(app.Title(), error.what());
        }
    } catch (const std::exception& error) {
        Application::ShowErrorMessage("Tarnhollow 3.0", error.what());
    }
    return 0;
}
