// Benchmarks of the main menu's dialogs at 1920 x 1080 on SDL's dummy driver: the new game dialog
// and the file dialog over 200 saved games each opened (shown, filled, drawn and put on the screen)
// and closed again, as a player opens them from the menu.
#include "BenchShell.h"
#include "graphics/PictureCatalog.h"
#include "graphics/Surface.h"
#include "menu/FileDlg.h"
#include "menu/NewGameDlg.h"
#include "platform/Application.h"
#include "platform/TestHooks.h"
#include "shell/MainWnd.h"
#include "shell/WinProcedure.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>

namespace {

// The main window with its skins and a current screen; a start folder of its own with three boards
// and 200 saved games; the players' pictures loaded as the main menu loads them.
struct Scene : BenchShell
{
    Scene()
    {
        std::random_device random;
        Folder = std::filesystem::temp_directory_path() / ("tarnhollow-bench-" + std::to_string(random()));
        std::filesystem::create_directories(Folder / SavedGames::Folder);
        for (const char* board : {"Board1", "Harbour", "Old Town"})
            std::ofstream(Folder / (std::string(board) + ".brd")) << "board";
        for (int i = 0; i < 200; ++i)
            std::ofstream(Folder / SavedGames::Folder / ("game " + std::to_string(i) + ".sav")) << "saved";
        Main->StartDir = Folder.string();
        HumanPictures = LoadPicture(Pictures::PPlayerH);
        ComputerPictures = LoadPicture(Pictures::PPlayerC);
        Screen = std::make_unique<BenchScreen>(*Main);
        Screen->Activate();
        TestHooks::Pump(*App);
    }
    ~Scene()
    {
        Screen.reset();
        HumanPictures.reset();
        ComputerPictures.reset();
        std::error_code ec;
        std::filesystem::remove_all(Folder, ec);
    }
    // Opens dialog (its ShowContent runs as in a modal show), puts it on the screen, and closes it.
    void OpenAndClose(TModalDialog& dialog)
    {
        dialog.Show();
        TestHooks::Pump(*App);
        dialog.Hide();
        TestHooks::Pump(*App);
    }
    std::filesystem::path Folder;
    std::unique_ptr<BenchScreen> Screen;
};

void BM_NewGameDialogOpened(benchmark::State& state)
{
    Scene scene;
    TNewGameDlg dialog(*scene.Screen);
    for (auto _ : state)
        scene.OpenAndClose(dialog);
}
BENCHMARK(BM_NewGameDialogOpened)->Unit(benchmark::kMillisecond);

void BM_FileDialogOpenedOver200Games(benchmark::State& state)
{
    Scene scene;
    TFileDlg dialog(*scene.Screen);
    dialog.Open(FileMode::Load, SavedGames::Folder, SavedGames::Extension, 0.5f, 0.5f);
    for (auto _ : state) {
        scene.OpenAndClose(dialog);
        benchmark::DoNotOptimize(dialog.FileList.Count());
    }
}
BENCHMARK(BM_FileDialogOpenedOver200Games)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
