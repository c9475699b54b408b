// The program's folders: the data folder whose files (res00.dat, res01.dat, the help) it reads, and
// the start folder where the player's boards and saved games live. Beside its data files (the
// current folder, else the program's own) both are that folder; an installed program reads its
// data from the shared data folder and starts in the player's folder under XDG_DATA_HOME.
#pragma once

#include <string>

struct StartFolderChoice
{
    // The folder to start in; empty when no data files were found.
    std::string Folder;
    // The folder of the data files; the start folder except for an installed program.
    std::string DataFolder;
    // Why there is none, naming the folders looked in; empty when there is one.
    std::string Error;
    // The start folder is the player's own folder, to be made ready before the program starts in it.
    bool PlayersFolder = false;
};

// The data folder of an installed program, from its own folder (bin/ beside share/tarnhollow/).
std::string InstalledDataFolder(const std::string& programFolder);

// The player's folder: xdgDataHome/tarnhollow when that is an absolute path, else
// home/.local/share/tarnhollow; empty when neither is known.
std::string PlayersFolder(const std::string& xdgDataHome, const std::string& home);

// current: the current folder; programFolder: the running program's folder, empty when unknown;
// playersFolder: where an installed program starts (PlayersFolder), empty when unknown.
StartFolderChoice ChooseStartFolder(const std::string& current, const std::string& programFolder,
                                    const std::string& playersFolder = {});

// Creates the player's folder when missing, copies the default board of the data folder into it
// when it has none, and checks that files can be written there. The reason it cannot be used,
// empty when it can.
std::string PreparePlayersFolder(const std::string& folder, const std::string& dataFolder);

// The folder of the running program, empty when the system does not tell.
std::string ProgramFolder();

// What EnterStartFolder did: an error that stops the program, or a warning for the error dialog.
struct StartFolderResult
{
    std::string Error;
    std::string Warning;
};

// Chooses the folders, makes the player's folder ready (when it cannot be, says so in Warning and
// starts in the data folder instead, where nothing can be saved but the game can be played), sets
// the data folder the archives are read from and makes the start folder current.
StartFolderResult EnterStartFolder();
