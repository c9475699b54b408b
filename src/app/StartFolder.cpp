// Choosing the start folder from the current folder and the program's own folder.
#include "app/StartFolder.h"

#include "archive/UtilsPath.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The archive of pictures; the other data files lie beside it.
constexpr const char* DataFile = "res00.dat";

bool HoldsDataFiles(const std::string& folder)
{
    if (folder.empty())
        return false;
    std::error_code ec;
    return fs::is_regular_file(ResolveFileName((fs::path(folder) / DataFile).string()), ec);
}

} // namespace

StartFolderChoice ChooseStartFolder(const std::string& current, const std::string& programFolder)
{
    if (HoldsDataFiles(current))
        return {current, {}};
    if (HoldsDataFiles(programFolder))
        return {programFolder, {}};
    std::string error =
        std::string("Tarnhollow cannot find its data file ") + DataFile + " in the current folder " + current;
    if (!programFolder.empty() && programFolder != current)
        error += " or in the program's folder " + programFolder;
    return {{}, error + ". Start the program from the folder that holds its data files."};
}

std::string ProgramFolder()
{
    std::error_code ec;
    const fs::path program = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : program.parent_path().string();
}

std::string EnterStartFolder()
{
    std::error_code ec;
    const std::string current = fs::current_path(ec).string();
    const StartFolderChoice choice = ChooseStartFolder(current, ProgramFolder());
    if (choice.Folder.empty())
        return choice.Error;
    if (choice.Folder != current) {
        fs::current_path(choice.Folder, ec);
        if (ec)
            return "Tarnhollow cannot enter the folder of its data files, " + choice.Folder + ": " +
                   ec.message() + ".";
    }
    return {};
}
