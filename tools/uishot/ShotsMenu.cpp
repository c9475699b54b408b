// uishot's shots of the main menu's dialogs: the new game set-up, loading and saving a game, the
// options, the credits, and the shell's exit question, error report and yes/no question, over the
// main menu screen.
#include "Shots.h"
#include "graphics/PictureCatalog.h"
#include "graphics/Surface.h"
#include "menu/AboutDlg.h"
#include "menu/AskDlg.h"
#include "menu/CloseDlg.h"
#include "menu/ErrorDlg.h"
#include "menu/FileDlg.h"
#include "menu/MainMenuProc.h"
#include "menu/NewGameDlg.h"
#include "menu/OptionsDlg.h"
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

// The main menu current, its players' pictures loaded, and a start folder of its own with a few
// boards and saved games for the lists (the game folder is left as it is).
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
        const std::string archive = (context.GameDir / Pictures::Archive).string();
        HumanPictures = LoadPicture(Pictures::PPlayerH, archive);
        ComputerPictures = LoadPicture(Pictures::PPlayerC, archive);
        Menu = std::make_unique<MainMenuProc>(context.Main);
        Menu->Activate();
    }
    ~MenuScene()
    {
        Menu.reset();
        HumanPictures.reset();
        ComputerPictures.reset();
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
                    TFileDlg dialog(*scene.Menu);
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

const bool Added = AddShots({
    Shot{"menu-newgame",
         [](ShotContext& context) {
             MenuScene scene(context);
             TNewGameDlg dialog(*scene.Menu);
             context.CaptureModal([&] { dialog.ShowModal(); }, ModalResult::Cancel);
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
             TOptionsDlg dialog(*scene.Menu);
             context.CaptureModal([&] { dialog.ShowModal(); }, ModalResult::Cancel);
         }},
    Shot{"menu-credits",
         [](ShotContext& context) {
             MenuScene scene(context);
             TAboutDlg dialog(*scene.Menu);
             context.CaptureModal([&] { dialog.ShowModal(); }, ModalResult::Ok);
         }},
    Shot{"menu-exit",
         [](ShotContext& context) {
             MenuScene scene(context);
             context.CaptureModal([&] { Shell(CloseDlg).ShowModal(); }, ModalResult::No);
         }},
});

} // namespace
