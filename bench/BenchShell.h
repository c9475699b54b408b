// What the screen benchmarks start from: the game's main window with its skins at 1920 x 1080 on
// SDL's dummy video driver, sound going nowhere, run from the game folder with timers fired by
// hand. A benchmark's scene derives from it, so that the window is made first and goes last.
#pragma once

#include "platform/Application.h"
#include "platform/TestHooks.h"
#include "shell/MainWnd.h"
#include "shell/WinProcedure.h"

#include <cstdlib>
#include <filesystem>
#include <memory>

struct BenchShell
{
    // soundWithoutDelay: the sound device takes each buffer at once, so that a sound the game waits
    // for ends at once (the disk driver otherwise plays at the speed of real time).
    explicit BenchShell(ShellFactory factory = {}, bool soundWithoutDelay = false)
    {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
        if (soundWithoutDelay)
            setenv("SDL_DISKAUDIODELAY", "0", 1);
        setenv("FONTCONFIG_FILE", TARNHOLLOW_FONTCONFIG_FILE, 1);
        Previous = std::filesystem::current_path();
        std::filesystem::current_path(TARNHOLLOW_GAME_DIR);
        App = std::make_unique<Application>();
        TestHooks::ForceScreenSize(*App, 1920, 1080);
        TestHooks::SetManualTimers(*App, true);
        Main = std::make_unique<TMainWnd>(*App, std::move(factory));
        App->SetMainWindow(Main.get());
        Main->Show();
        TestHooks::Pump(*App);
    }
    ~BenchShell()
    {
        Main.reset();
        App.reset();
        std::filesystem::current_path(Previous);
    }
    BenchShell(const BenchShell&) = delete;
    BenchShell& operator=(const BenchShell&) = delete;

    std::filesystem::path Previous;
    std::unique_ptr<Application> App;
    std::unique_ptr<TMainWnd> Main;
};

// A screen that draws nothing of its own, for benchmarks of what lies on a screen.
class BenchScreen : public TWinProcedure
{
    CONTROL_CLASS(BenchScreen, TWinProcedure);
    explicit BenchScreen(TMainWnd& owner) : TWinProcedure(owner) {}
};
