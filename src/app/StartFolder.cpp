// Choosing the data folder and the start folder, and making the player's folder ready.
#include "app/StartFolder.h"

#include "archive/UtilsPath.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <random>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

#ifndef TARNHOLLOW_INSTALLED_DATA
#define TARNHOLLOW_INSTALLED_DATA "../share/tarnhollow"
#endif

namespace {

// The archive of pictures; the other data files lie beside it.
constexpr const char* DataFile = "res00.dat";
// The board the player's folder gets on the first run, so that the board list and the editor find it.
constexpr const char* DefaultBoardFile = "Board1.brd";

bool HoldsDataFiles(const std::string& folder)
{
    if (folder.empty())
        return false;
    std::error_code ec;
    return fs::is_regular_file(ResolveFileName((fs::path(folder) / DataFile).string()), ec);
}

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string HomeFolder()
{
    if (std::string home = Env("HOME"); !home.empty())
        return home;
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr)
        return found->pw_dir;
    return {};
}

// Writes a file of a name of its own into folder and removes it again; the failure, empty on success.
std::string TryWriting(const fs::path& folder)
{
    std::random_device random;
    const fs::path probe = folder / (".tarnhollow-write-" + std::to_string(random()));
    {
        std::ofstream out(probe, std::ios::binary);
        out << "Tarnhollow";
        out.flush();
        if (!out) {
            std::error_code ec;
            fs::remove(probe, ec);
            return "no file can be written there";
        }
    }
    std::error_code ec;
    fs::remove(probe, ec);
    return {};
}

// Copies through a file of another name, so that a copy cut short never passes for the board.
std::string CopyBoard(const fs::path& from, const fs::path& to)
{
    const fs::path partial = to.parent_path() / (to.filename().string() + ".part");
    std::error_code ec;
    fs::copy_file(from, partial, fs::copy_options::overwrite_existing, ec);
    if (!ec)
        fs::rename(partial, to, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(partial, ignored);
        return "the default board cannot be copied there (" + ec.message() + ")";
    }
    return {};
}

} // namespace

std::string InstalledDataFolder(const std::string& programFolder)
{
    if (programFolder.empty())
        return {};
    return (fs::path(programFolder) / TARNHOLLOW_INSTALLED_DATA).lexically_normal().string();
}

std::string PlayersFolder(const std::string& xdgDataHome, const std::string& home)
{
    // A relative XDG_DATA_HOME is to be ignored, as if it were not set.
    if (!xdgDataHome.empty() && fs::path(xdgDataHome).is_absolute())
        return (fs::path(xdgDataHome) / "tarnhollow").lexically_normal().string();
    if (!home.empty())
        return (fs::path(home) / ".local/share/tarnhollow").lexically_normal().string();
    return {};
}

StartFolderChoice ChooseStartFolder(const std::string& current, const std::string& programFolder,
                                    const std::string& playersFolder)
{
    if (HoldsDataFiles(current))
        return {current, current, {}, false};
    if (HoldsDataFiles(programFolder))
        return {programFolder, programFolder, {}, false};
    const std::string installed = InstalledDataFolder(programFolder);
    if (HoldsDataFiles(installed)) {
        // Without a folder of the player's own the game still runs, from its data folder.
        if (playersFolder.empty())
            return {installed, installed, {}, true};
        return {playersFolder, installed, {}, true};
    }
    std::string error =
        std::string("Tarnhollow cannot find its data file ") + DataFile + " in the current folder " + current;
    if (!programFolder.empty() && programFolder != current)
        error += ", in the program's folder " + programFolder + " or in " + installed;
    return {{}, {}, error + ". Start the program from the folder that holds its data files."};
}

std::string PreparePlayersFolder(const std::string& folder, const std::string& dataFolder)
{
    if (folder.empty())
        return "Tarnhollow cannot find a folder for your boards and saved games (neither XDG_DATA_HOME "
               "nor HOME is set).";
    const auto problem = [&](const std::string& why) {
        return "Tarnhollow cannot use the folder for your boards and saved games, " + folder + ": " + why +
               ". You can play, but games and boards cannot be saved.";
    };
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
        return problem(ec.message());
    if (!fs::is_directory(folder, ec))
        return problem("it is not a folder");
    if (const std::string why = TryWriting(folder); !why.empty())
        return problem(why);
    const fs::path board = fs::path(folder) / DefaultBoardFile;
    // Without a board file in the data folder the game's built-in default board serves anyway.
    const fs::path source = ResolveFileName((fs::path(dataFolder) / DefaultBoardFile).string());
    if (!fs::exists(ResolveFileName(board.string()), ec) && fs::is_regular_file(source, ec)) {
        if (const std::string why = CopyBoard(source, board); !why.empty())
            return problem(why);
    }
    return {};
}

std::string ProgramFolder()
{
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : program.parent_path().string();
}

StartFolderResult EnterStartFolder()
{
    std::error_code ec;
    const std::string current = fs::current_path(ec).string();
    const std::string players = PlayersFolder(Env("XDG_DATA_HOME"), HomeFolder());
    StartFolderChoice choice = ChooseStartFolder(current, ProgramFolder(), players);
    if (choice.Folder.empty())
        return {choice.Error, {}};
    StartFolderResult result;
    if (choice.PlayersFolder) {
        result.Warning = PreparePlayersFolder(players, choice.DataFolder);
        if (!result.Warning.empty())
            choice.Folder = choice.DataFolder;
    }
    SetDataFolder(choice.DataFolder);
    if (choice.Folder != current) {
        fs::current_path(choice.Folder, ec);
        if (ec)
            return {"Tarnhollow cannot enter the folder " + choice.Folder + ": " + ec.message() + ".", {}};
    }
    return result;
}
