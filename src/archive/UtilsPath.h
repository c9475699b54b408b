// Small file helpers: the folder of the game's data files, finding a data file whose name differs
// only in letter case, and listing the files of a folder by extension.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The path itself when such a file exists; otherwise the first entry (in byte order) of the same
// folder whose name equals the path's file name without regard to ASCII letter case; otherwise
// the path unchanged.
std::string ResolveFileName(const std::string& path);

// ASCII upper case, the same on every machine whatever the user's locale.
inline char AsciiUpper(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b);

// The folder the game reads its data files from (res00.dat, res01.dat, the help), set once at
// start-up before anything reads them; empty (the current folder) unless set. An installed game
// reads them from its shared data folder while its current folder is the player's own.
void SetDataFolder(std::string folder);
const std::string& DataFolder();
// A data file's path: a relative name is taken in the data folder, an absolute one as it is.
std::string DataFilePath(const std::string& name);

// The names, without the full stop and extension, of the regular files in folder whose extension
// is extension (letter case ignored, as the desktop's file search does), in alphabetical order
// without regard to case. Empty when the folder cannot be read.
std::vector<std::string> FileNamesWithExtension(const std::string& folder, std::string_view extension);
