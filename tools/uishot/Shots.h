// uishot's shots: each one puts the program, headless, into one state a player can see and writes
// the whole screen as DIR/NAME.png. Every area of the program has a file of its own
// (ShotsDialogs.cpp, ShotsGame.cpp, ...) that adds its shots with AddShots at start-up, so areas
// are added without touching each other or main.cpp.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class Application;
class TMainWnd;
class Window;

// What a shot works with. The main window is shown at the chosen size with its skins and shell
// dialogs loaded, no screen current and the current folder the game folder; a shot makes what it
// needs (a screen, dialogs), shows it and captures it.
struct ShotContext
{
    Application& App;
    TMainWnd& Main;
    // The game folder: res00.dat, res01.dat, Board1.brd.
    std::filesystem::path GameDir;
    // Where this shot's picture goes (DIR/NAME.png).
    std::filesystem::path OutFile;
    // Set by Capture when the picture was written.
    bool Written = false;

    // Handles what is pending and writes the screen as the player sees it now (the main window
    // with every window over it) to OutFile.
    bool Capture();
    // Calls show, which opens a modal dialog; once that dialog is up and drawn, captures the screen
    // and closes the dialog with result (a dialog opened over it is answered with the same).
    void CaptureModal(const std::function<void()>& show, int result);
};

struct Shot
{
    // The picture's name without ".png": the area first, then what it shows ("event-04-rent").
    std::string Name;
    std::function<void(ShotContext&)> Draw;
};

// Adds shots to uishot's list; returns true so that a file can add its shots when the program
// starts: static const bool added = AddShots({...});
bool AddShots(std::vector<Shot> shots);
// Every shot, in the order the files added them (the order between files is the linker's).
const std::vector<Shot>& AllShots();
