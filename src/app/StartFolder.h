// The start folder: the folder whose data files (res00.dat and the rest) the program reads. It is
// the current folder when that holds res00.dat, else the program's own folder when that does.
#pragma once

#include <string>

struct StartFolderChoice
{
    // The folder to start in; empty when neither folder holds the data files.
    std::string Folder;
    // Why there is none, naming the folders looked in; empty when there is one.
    std::string Error;
};

// current: the current folder; programFolder: the running program's folder, empty when unknown.
StartFolderChoice ChooseStartFolder(const std::string& current, const std::string& programFolder);

// The folder of the running program, empty when the system does not tell.
std::string ProgramFolder();

// Makes the chosen start folder current; the reason when there is none or it cannot be entered,
// empty on success.
std::string EnterStartFolder();
