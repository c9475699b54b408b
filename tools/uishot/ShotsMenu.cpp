// uishot's shots of the main menu: the screen at first start and with a game running, and its
// dialogs: the new game set-up, loading and saving a game, the options, the credits, and the
// shell's exit question, error report and yes/no question, over the main menu screen.
#include "Shots.h"
#include "game/GameProc.h"
#include "menu/AskDlg.h"
#include "menu/CloseDlg.h"
#include "menu/ErrorDlg.h"
#include "menu/FileDlg.h"
#include "menu/MainMenuProc.h"
#include "platform/Window.h"
#include "shell/MainWnd.h"
#include "texts/Texts.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

namespace {

namespace fs = std::filesystem;

// The main menu current (with the players' pictures it loads for the new game dialog), and a start
// folder of its own with a few boards and saved games for the lists (the game folder is left as it
// is).
struct MenuScene
{
    explicit MenuScene(ShotContext& context) : Context(context), PreviousStartDir(context.Main.StartDir)
    {
        std::random_device random;
        Folder = fs::temp_directory_path() / ("tarnhollow-uishot-" + std::to_string(random()));
        fs::create_directories(Folder / SavedGames::Folder);
        for (const char* board : {"Board1", "Harbour", "Old Town"})
            Touch(Folder / (std::string(board) + ".brd"));
        for (const char* game : {"Sunday evening", "Zoë against the computer", "game1", "game2", "last week"})
            Touch(Folder / SavedGames::Folder / (std::string(game) + "." + SavedGames::Extension));
        context.Main.StartDir = Folder.string();
        Menu = std::make_unique<MainMenuProc>(context.Main);
        Menu->Activate();
    }
    ~MenuScene()
    {
        Menu->Leave();
        Menu.reset();
        Context.Main.StartDir = PreviousStartDir;
        std::error_code ec;
        fs::remove_all(Folder, ec);
    }
    MenuScene(const MenuScene&) = delete;
    MenuScene& operator=(const MenuScene&) = delete;

    static void Touch(const fs::path& file) { std::ofstream(file) << "shot"; }

    ShotContext& Context;
    std::string PreviousStartDir;
    fs::path Folder;
    std::unique_ptr<MainMenuProc> Menu;
};

Shot FileShot(std::string name, std::int32_t mode)
{
    return Shot{std::move(name), [mode](ShotContext& context) {
                    MenuScene scene(context);
                    TFileDlg& dialog = scene.Menu->FileDialog;
                    dialog.Open(mode, SavedGames::Folder, SavedGames::Extension, 0.5f, 0.5f);
                    context.CaptureModal([&] { dialog.ShowModal(); }, ModalResult::Cancel);
                }};
}

// A shell dialog that the main window made.
template <class T> T& Shell(T* dialog)
{
    if (dialog == nullptr)
        throw std::runtime_error("the main window made no shell dialogs");
    return *dialog;
}

// A game screen with a game started on the game folder's board, for the menu to come back to.
struct RunningGame
{
    explicit RunningGame(ShotContext& context) : Game(std::make_unique<GameProc>(context.Main))
    {
        GameScreen = Game.get();
        if (!Game->NewGame(context.GameDir / "Board1.brd"))
            throw std::runtime_error("no game could be started");
    }
    ~RunningGame() { GameScreen = nullptr; }
    RunningGame(const RunningGame&) = delete;
    RunningGame& operator=(const RunningGame&) = delete;

    std::unique_ptr<GameProc> Game;
};

const bool Added = AddShots({
    Shot{"menu",
         [](ShotContext& context) {
             MenuScene scene(context);
             context.Capture();
         }},
    Shot{"menu-with-game",
         [](ShotContext& context) {
             RunningGame game(context);
             MenuScene scene(context);
             context.Capture();
         }},
    Shot{"menu-newgame",
         [](ShotContext& context) {
             MenuScene scene(context);
             context.CaptureModal([&] { scene.Menu->NewGameDialog.ShowModal(); }, ModalResult::Cancel);
         }},
    Shot{"menu-newgame-one-player",
         [](ShotContext& context) {
             MenuScene scene(context);
             context.CaptureModal(
                 [&] {
                     Shell(ErrorDlg).ShowError(Text(TextGroup::LongMessages, LongText::SelectTwoPlayers));
                 },
                 ModalResult::Ok);
         }},
    FileShot("menu-load", FileMode::Load),
    FileShot("menu-save", FileMode::Save),
    Shot{"menu-save-replace",
         [](ShotContext& context) {
             MenuScene scene(context);
             context.CaptureModal(
                 [&] { Shell(AskDlg).Ask(Text(TextGroup::LongMessages, LongText::FileExists)); },
                 ModalResult::No);
         }},
    Shot{"menu-load-missing",
         [](ShotContext& context) {
             MenuScene scene(context);
             const std::string path = (scene.Folder / SavedGames::Folder / "last month.sav").string();
             context.CaptureModal(
                 [&] {
                     Shell(ErrorDlg).ShowError(Text(TextGroup::ShellDialogs, ShellText::TheFile) + path +
                                               Text(TextGroup::LongestMessages, LongestText::CannotRead));
                 },
                 ModalResult::Ok);
         }},
    Shot{"menu-load-refused",
         [](ShotContext& context) {
             MenuScene scene(context);
             context.CaptureModal(
                 [&] {
                     Shell(ErrorDlg).ShowError(Text(TextGroup::MenuMessages, MenuText::NameHasSeparator));
                 },
                 ModalResult::Ok);
         }},
    Shot{"menu-options",
         [](ShotContext& context) {
             MenuScene scene(context);
             context.CaptureModal([&] { scene.Menu->OptionsDialog.ShowModal(); }, ModalResult::Cancel);
         }},
    Shot{"menu-credits",
         [](ShotContext& context) {
             MenuScene scene(context);
             context.CaptureModal([&] { scene.Menu->AboutDialog.ShowModal(); }, ModalResult::Ok);
         }},
    Shot{"menu-exit",
         [](ShotContext& context) {
             MenuScene scene(context);
             context.CaptureModal([&] { Shell(CloseDlg).ShowModal(); }, ModalResult::No);
         }},
});

} // namespace
