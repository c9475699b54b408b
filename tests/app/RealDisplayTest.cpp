// The real program on a real X display (a private Xvfb without a window manager): the main menu
// reaches the screen through the X server's shared memory with no OpenGL driver loaded, in a
// window that covers the screen; a player's own SDL_FRAMEBUFFER_ACCELERATION still decides.
// Skipped where Xvfb is not installed.
#include "support/TempDir.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

// Last: Xlib's macros (None, Status) would break the test framework's headers.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

extern char** environ;

namespace fs = std::filesystem;

namespace {

constexpr int ScreenWidth = 1024;
constexpr int ScreenHeight = 768;

std::string FindOnPath(const std::string& name)
{
    const char* path = std::getenv("PATH");
    std::stringstream dirs(path != nullptr ? path : "");
    for (std::string dir; std::getline(dirs, dir, ':');) {
        const fs::path candidate = fs::path(dir) / name;
        if (!dir.empty() && access(candidate.c_str(), X_OK) == 0)
            return candidate.string();
    }
    return {};
}

// argv and envp as execve takes them, built before the fork.
struct ExecArgs
{
    explicit ExecArgs(std::vector<std::string> args, std::vector<std::string> env)
        : Args(std::move(args)), Env(std::move(env))
    {
        for (std::string& a : Args)
            Argv.push_back(a.data());
        Argv.push_back(nullptr);
        for (std::string& e : Env)
            Envp.push_back(e.data());
        Envp.push_back(nullptr);
    }
    std::vector<std::string> Args;
    std::vector<std::string> Env;
    std::vector<char*> Argv;
    std::vector<char*> Envp;
};

// This process's environment with the named variables replaced (an empty value removes one).
std::vector<std::string> EnvironmentWith(const std::vector<std::pair<std::string, std::string>>& changes)
{
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        bool changed = false;
        for (const auto& [name, value] : changes)
            changed = changed || entry.rfind(name + "=", 0) == 0;
        if (!changed)
            env.push_back(entry);
    }
    for (const auto& [name, value] : changes) {
        if (!value.empty())
            env.push_back(name + "=" + value);
    }
    return env;
}

void Stop(pid_t pid)
{
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    int status = 0;
    for (int i = 0; i < 200 && waitpid(pid, &status, WNOHANG) == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
}

// A private X server; Display is empty when it could not be started.
class PrivateXServer
{
public:
    explicit PrivateXServer(const std::string& xvfb)
    {
        int ready[2];
        if (pipe(ready) != 0)
            return;
        ExecArgs exec({xvfb, "-displayfd", std::to_string(ready[1]), "-screen", "0",
                       std::to_string(ScreenWidth) + "x" + std::to_string(ScreenHeight) + "x24", "-nolisten",
                       "tcp"},
                      EnvironmentWith({}));
        const int quiet = open("/dev/null", O_WRONLY);
        Pid = fork();
        if (Pid == 0) {
            close(ready[0]);
            dup2(quiet, 1);
            dup2(quiet, 2);
            execve(exec.Argv[0], exec.Argv.data(), exec.Envp.data());
            _exit(127);
        }
        close(quiet);
        close(ready[1]);
        // The server writes its display number once it accepts connections.
        pollfd wait{ready[0], POLLIN, 0};
        std::string number;
        char c = 0;
        while (poll(&wait, 1, 20000) == 1 && read(ready[0], &c, 1) == 1 && c != '\n')
            number.push_back(c);
        close(ready[0]);
        if (!number.empty())
            Display = ":" + number;
    }
    ~PrivateXServer() { Stop(Pid); }
    PrivateXServer(const PrivateXServer&) = delete;
    PrivateXServer& operator=(const PrivateXServer&) = delete;

    std::string Display;

private:
    pid_t Pid = -1;
};

// The built program started in its game folder on the display, with its standard error in a file.
class RunningProgram
{
public:
    RunningProgram(const std::string& display, const std::string& acceleration, const TempDir& dir)
        : ErrFile(dir.File("stderr.txt"))
    {
        ExecArgs exec({std::string(TARNHOLLOW_GAME_DIR) + "/tarnhollow"},
                      EnvironmentWith({{"DISPLAY", display},
                                       {"SDL_VIDEODRIVER", "x11"},
                                       {"TARNHOLLOW_START_MARK", "1"},
                                       {"SDL_FRAMEBUFFER_ACCELERATION", acceleration}}));
        const int err = open(ErrFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const std::string folder = TARNHOLLOW_GAME_DIR;
        Pid = fork();
        if (Pid == 0) {
            dup2(err, 2);
            if (chdir(folder.c_str()) != 0)
                _exit(120);
            execve(exec.Argv[0], exec.Argv.data(), exec.Envp.data());
            _exit(121);
        }
        close(err);
    }
    ~RunningProgram() { Stop(Pid); }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // Waits until the program says the main menu is on screen; false when it ends or takes a minute.
    bool WaitForTheMenu()
    {
        for (int i = 0; i < 6000; ++i) {
            if (Errors().find("main menu on screen") != std::string::npos)
                return true;
            int status = 0;
            if (waitpid(Pid, &status, WNOHANG) == Pid) {
                Pid = -1;
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }
    std::string Errors() const
    {
        std::ifstream in(ErrFile);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::string Maps() const
    {
        std::ifstream in("/proc/" + std::to_string(Pid) + "/maps");
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::string ErrFile;
    pid_t Pid = -1;
};

struct ShownWindow
{
    int Count = 0; // viewable top-level windows
    int X = -1;
    int Y = -1;
    int Width = 0;
    int Height = 0;
    int LitAcrossTheMiddle = 0;
};

// What the X server shows: its viewable top-level windows and the lit pixels in a band across the
// screen's middle.
ShownWindow LookAtTheScreen(const std::string& name)
{
    ShownWindow shown;
    ::Display* display = XOpenDisplay(name.c_str());
    if (display == nullptr)
        return shown;
    const Window root = DefaultRootWindow(display);
    Window rootReturn = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, root, &rootReturn, &parent, &children, &count) != 0) {
        for (unsigned int i = 0; i < count; ++i) {
            XWindowAttributes attrs;
            if (XGetWindowAttributes(display, children[i], &attrs) == 0 || attrs.map_state != IsViewable)
                continue;
            ++shown.Count;
            shown.X = attrs.x;
            shown.Y = attrs.y;
            shown.Width = attrs.width;
            shown.Height = attrs.height;
        }
        XFree(children);
    }
    const int top = ScreenHeight * 45 / 100;
    const int height = ScreenHeight / 10;
    if (XImage* image = XGetImage(display, root, 0, top, ScreenWidth, height, AllPlanes, ZPixmap)) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < ScreenWidth; ++x)
                shown.LitAcrossTheMiddle += XGetPixel(image, x, y) != 0 ? 1 : 0;
        }
        XDestroyImage(image);
    }
    XCloseDisplay(display);
    return shown;
}

class RealDisplay : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const std::string xvfb = FindOnPath("Xvfb");
        if (xvfb.empty())
            GTEST_SKIP() << "Xvfb is not installed";
        Server = std::make_unique<PrivateXServer>(xvfb);
        ASSERT_FALSE(Server->Display.empty()) << "Xvfb did not start";
    }

    std::unique_ptr<PrivateXServer> Server;
};

} // namespace

TEST_F(RealDisplay, TheMenuReachesTheScreenThroughSharedMemoryInAWindowCoveringIt)
{
    TempDir dir;
    RunningProgram program(Server->Display, "", dir);
    ASSERT_TRUE(program.WaitForTheMenu()) << program.Errors();
    const std::string maps = program.Maps();
    EXPECT_NE(maps.find("SYSV"), std::string::npos) << "no shared memory segment with the X server";
    EXPECT_EQ(maps.find("libGL"), std::string::npos) << "an OpenGL library was loaded";

    const ShownWindow shown = LookAtTheScreen(Server->Display);
    EXPECT_EQ(shown.Count, 1);
    EXPECT_EQ(shown.X, 0);
    EXPECT_EQ(shown.Y, 0);
    EXPECT_EQ(shown.Width, ScreenWidth);
    EXPECT_EQ(shown.Height, ScreenHeight);
    EXPECT_GT(shown.LitAcrossTheMiddle, 200); // the menu
}

TEST_F(RealDisplay, ThePlayersOwnAccelerationSettingStillDecides)
{
    TempDir dir;
    RunningProgram program(Server->Display, "1", dir);
    ASSERT_TRUE(program.WaitForTheMenu()) << program.Errors();
    EXPECT_NE(program.Maps().find("libGL"), std::string::npos);
    EXPECT_GT(LookAtTheScreen(Server->Display).LitAcrossTheMiddle, 200);
}
