// MainMenuProc: the main menu screen, the first the player sees and the one a game returns to: the
// background, eight menu buttons in two columns and the way into the board editor below them, and
// the set-up dialogs those buttons open (new game, load and save, options, credits).
#pragma once

#include "controls/SMMButton.h"
#include "graphics/Geometry.h"
#include "menu/AboutDlg.h"
#include "menu/FileDlg.h"
#include "menu/NewGameDlg.h"
#include "menu/OptionsDlg.h"
#include "shell/WinProcedure.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class Font;

// A button of the main menu: the index of its caption in the MainMenu texts (or, for the editor's
// button, in the Editor texts), the command it reports and its place in screen fractions.
struct MainMenuButtonPlace
{
    int Caption;
    std::int32_t Id;
    RelRect Area;
};

namespace MainMenuLayout {
// New game, load, save, restore down the left column, then options, help, credits and quit down the
// right, then the editor's button centred below both.
constexpr std::size_t ButtonCount = 9;
// The buttons in the order of MainMenuProc's members.
const std::array<MainMenuButtonPlace, ButtonCount>& Buttons();
} // namespace MainMenuLayout

class MainMenuProc : public TWinProcedure
{
    CONTROL_CLASS(MainMenuProc, TWinProcedure);
    // Made by the main window; the save and restore buttons start disabled.
    explicit MainMenuProc(TMainWnd& owner);
    ~MainMenuProc() override;

    // The plates of the menu buttons ("MMBackButton": normal, under the pointer, disabled).
    SurfaceSlot ButtonStrip;
    TSMMButton NewGameButton;
    TSMMButton LoadButton;
    TSMMButton SaveButton;
    TSMMButton RestoreButton;
    TSMMButton OptionsButton;
    TSMMButton HelpButton;
    TSMMButton CreditsButton;
    TSMMButton QuitButton;
    // Into the board editor.
    TSMMButton EditorButton;

    TNewGameDlg NewGameDialog;
    TFileDlg FileDialog;
    TOptionsDlg OptionsDialog;
    TAboutDlg AboutDialog;

    // Save and restore are enabled exactly while the game screen has a game in progress.
    void UpdateButtons();

    // Enter resumes the game in progress as "Restore" does; Escape asks whether to end the program;
    // F1 opens the help.
    void KeyAction(KeyCode key, ShiftState shift) override;
    // The menu's commands (CommandId::New to Quit, Editor, ToggleKind to ToggleKindLast); the rest
    // are ignored. Returns code.
    int Command(int source, int code) override;
    // The background over the whole back buffer with the buttons on it, shown at once.
    void Redraw() override;
    // Loads the background, the button plates and the players' pictures of the new game dialog.
    void Enter() override;
    // Frees what Enter loaded.
    void Leave() override;

private:
    // Each button in the order of the layout.
    std::array<TSMMButton*, MainMenuLayout::ButtonCount> AllButtons();
    void StartNewGame();
    void LoadSavedGame();
    void SaveRunningGame();
    // The file dialog in mode over the saved games; the path accepted goes to act, which gives ""
    // when it succeeded (the game screen follows) or the reason it failed (shown in the error
    // dialog over the menu).
    void ThroughFileDialog(std::int32_t mode,
                           const std::function<std::string(const std::filesystem::path&)>& act);
    void OpenHelp();
    // Paints a button that is on screen again after its look changed.
    void Repaint(TSMMButton& button);

    std::unique_ptr<Font> MenuFont;
};
