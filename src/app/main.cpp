// Program entry of Tarnhollow: the application, the main window with the screens and shell dialogs
// it owns, and the loop. An error that escapes the loop is shown; the program still ends normally.
#include "app/ProgramWiring.h"
#include "graphics/Font.h"
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
        auto mainWindow = std::make_unique<TMainWnd>(app, MakeShellFactory());
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
