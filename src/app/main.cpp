// Program entry of Tarnhollow: the application, the main window with the screens and shell dialogs
// it owns, and the loop. Without its data files it says where it looked and ends with status 1; an
// error that escapes the loop is shown and the program still ends normally.
#include "app/ProgramWiring.h"
#include "app/StartFolder.h"
#include "graphics/Font.h"
#include "platform/Application.h"
#include "shell/MainWnd.h"

#include <exception>
#include <memory>
#include <string>

int main()
{
    // Started from another folder, the program reads its data files from its own folder, or, when
    // installed, from its shared data folder; without them it would show nothing but empty pictures.
    const StartFolderResult start = EnterStartFolder();
    if (!start.Error.empty()) {
        Application::ShowErrorMessage("Tarnhollow 3.0", start.Error);
        return 1;
    }
    try {
        Application app;
        // The font configuration and the faces load on a worker while the window is shown and the
        // main window starts, rather than on the first text the player sees. Not earlier: SDL's
        // start forks (to look for a session bus) and switches the locale for a moment (by which
        // fontconfig reads numbers), neither safe beside a thread at work.
        StartWarmingFonts();
        app.SetTitle("Tarnhollow 3.0");
        auto mainWindow = std::make_unique<TMainWnd>(app, MakeShellFactory());
        app.SetHelpFile(mainWindow->DataDir + "/Tarnhollow.html");
        // The player's folder could not be made ready: the game runs from its data folder, where
        // nothing can be saved, and says so once the main menu is up.
        mainWindow->StartError = start.Warning;
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
