// Small file helpers: the data folder and case-insensitive file names.
#include "archive/UtilsPath.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace fs = std::filesystem;

namespace {

std::string& DataFolderValue()
{
    static std::string folder;
    return folder;
}

} // namespace

void SetDataFolder(std::string folder)
{
    DataFolderValue() = std::move(folder);
}

const std::string& DataFolder()
{
    return DataFolderValue();
}

std::string DataFilePath(const std::string& name)
{
    const std::string& folder = DataFolderValue();
    if (folder.empty() || name.empty() || fs::path(name).is_absolute()) {
        return name;
    }
    return (fs::path(folder) / name).string();
}

bool EqualsIgnoringCase(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiUpper(a[i]) != AsciiUpper(b[i])) {
            return false;
        }
    }
    return true;
}

std::string ResolveFileName(const std::string& path)
{
    std::error_code ec;
    if (path.empty() || fs::exists(fs::path(path), ec)) {
        return path;
    }
    const fs::path wanted(path);
    const std::string name = wanted.filename().string();
    if (name.empty()) {
        return path;
    }
    fs::path folder = wanted.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    std::string best;
    fs::directory_iterator it(folder, ec);
    if (ec) {
        return path;
    }
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) {
            break;
        }
        const std::string candidate = it->path().filename().string();
        if (EqualsIgnoringCase(candidate, name) && (best.empty() || candidate < best)) {
            best = candidate;
        }
    }
    if (best.empty()) {
        return path;
    }
    return (wanted.parent_path() / best).string();
}
