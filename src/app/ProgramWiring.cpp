// The screens and shell dialogs the main window builds, from the layers above the shell.
#include "app/ProgramWiring.h"

#include "editor/EditorProc.h"
#include "game/GameProc.h"
#include "menu/AskDlg.h"
#include "menu/CloseDlg.h"
#include "menu/ErrorDlg.h"
#include "menu/MainMenuProc.h"

ShellFactory MakeShellFactory()
{
    ShellFactory factory;
    factory.MainMenu = MakeOwned<MainMenuProc, TWinProcedure>;
    factory.Game = MakeOwned<GameProc, TWinProcedure>;
    factory.Editor = MakeOwned<EditorProc, TWinProcedure>;
    factory.UpdateMainMenuButtons = [](TWinProcedure& menu) {
        static_cast<MainMenuProc&>(menu).UpdateButtons();
    };
    factory.CloseDialog = MakeOwned<TCloseDlg, Window>;
    factory.ErrorDialog = MakeOwned<TErrorDlg, Window>;
    factory.AskDialog = MakeOwned<TAskDlg, Window>;
    factory.ShowError = [](const std::string& text) {
        if (ErrorDlg != nullptr)
            ErrorDlg->ShowError(text);
    };
    return factory;
}
