// uishot: draws the user interface headless, one PNG per screen or dialog state, so that the whole
// program can be looked at with one command.
#include "Shots.h"
#include "app/ProgramWiring.h"
#include "graphics/Font.h"
#include "graphics/PictureCatalog.h"
#include "platform/Application.h"
#include "platform/TestHooks.h"
#include "shell/MainWnd.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

namespace {

void Usage()
{
    std::fprintf(stderr,
                 "usage: uishot --game FOLDER [--size WIDTHxHEIGHT] [--out DIR] [--only NAME] [--list]\n"
                 "  Draws every screen and dialog of the game (or those whose name is NAME or begins with\n"
                 "  it), headless, over a game in progress on FOLDER/Board1.brd with the pictures of\n"
                 "  FOLDER/res00.dat, each as DIR/NAME.png (default size 1920x1080, DIR the current\n"
                 "  folder). --list names the shots.\n");
}

bool ParseSize(const std::string& text, std::int32_t& width, std::int32_t& height)
{
    const std::size_t at = text.find('x');
    if (at == std::string::npos || at == 0 || at + 1 >= text.size())
        return false;
    char* end = nullptr;
    width = static_cast<std::int32_t>(std::strtol(text.c_str(), &end, 10));
    if (end != text.c_str() + at)
        return false;
    height = static_cast<std::int32_t>(std::strtol(text.c_str() + at + 1, &end, 10));
    return *end == '\0';
}

bool Matches(const std::string& name, const std::string& only)
{
    return only.empty() || name.compare(0, only.size(), only) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    std::filesystem::path gameDir;
    std::filesystem::path outDir = ".";
    std::string only;
    std::int32_t width = 1920;
    std::int32_t height = 1080;
    bool list = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--game" && hasValue) {
            gameDir = argv[++i];
        } else if (arg == "--out" && hasValue) {
            outDir = argv[++i];
        } else if (arg == "--only" && hasValue) {
            only = argv[++i];
        } else if (arg == "--size" && hasValue) {
            if (!ParseSize(argv[++i], width, height) || width < 640 || height < 480 || width > 7680 ||
                height > 4320) {
                std::fprintf(stderr, "uishot: the size must be WIDTHxHEIGHT, 640x480 to 7680x4320\n");
                return 2;
            }
        } else if (arg == "--list") {
            list = true;
        } else {
            Usage();
            return 2;
        }
    }

    std::vector<Shot> shots;
    for (const Shot& shot : AllShots())
        if (Matches(shot.Name, only))
            shots.push_back(shot);
    std::sort(shots.begin(), shots.end(), [](const Shot& a, const Shot& b) { return a.Name < b.Name; });
    if (shots.empty()) {
        std::fprintf(stderr, "uishot: no shot is named %s or begins with it (--list names them)\n",
                     only.c_str());
        return 2;
    }
    if (list) {
        for (const Shot& shot : shots)
            std::printf("%s\n", shot.Name.c_str());
        return 0;
    }
    if (gameDir.empty()) {
        Usage();
        return 2;
    }

    std::error_code error;
    gameDir = std::filesystem::absolute(gameDir, error);
    std::filesystem::create_directories(outDir, error);
    outDir = std::filesystem::absolute(outDir, error);
    if (error || !std::filesystem::is_directory(outDir)) {
        std::fprintf(stderr, "uishot: cannot make the folder %s\n", outDir.string().c_str());
        return 1;
    }
    if (!std::filesystem::exists(gameDir / Pictures::Archive)) {
        std::fprintf(stderr, "uishot: %s has no res00.dat\n", gameDir.string().c_str());
        return 1;
    }
    // Headless: no window on the desktop, no sound. The main window reads its skins from the current
    // folder, as the game does from its start folder.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    std::filesystem::current_path(gameDir, error);
    if (error) {
        std::fprintf(stderr, "uishot: cannot enter %s\n", gameDir.string().c_str());
        return 1;
    }

    int failed = 0;
    try {
        Application app;
        app.SetTitle("Tarnhollow 3.0");
        WarmFonts();
        TestHooks::ForceScreenSize(app, width, height);
        // The shots decide what happens: no tick switches screens behind them.
        TestHooks::SetManualTimers(app, true);
        auto main = std::make_unique<TMainWnd>(app, MakeShellFactory());
        app.SetMainWindow(main.get());
        main->Show();
        TestHooks::Pump(app);
        for (const Shot& shot : shots) {
            ShotContext context{app, *main, gameDir, outDir / (shot.Name + ".png")};
            try {
                shot.Draw(context);
            } catch (const std::exception& e) {
                std::fprintf(stderr, "uishot: %s: %s\n", shot.Name.c_str(), e.what());
            }
            if (!context.Written) {
                std::fprintf(stderr, "uishot: %s was not drawn\n", shot.Name.c_str());
                ++failed;
                continue;
            }
            std::printf("%s\n", context.OutFile.string().c_str());
        }
        main.reset();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "uishot: %s\n", e.what());
        return 1;
    }
    return failed == 0 ? 0 : 1;
}
