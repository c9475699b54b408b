// Small file helpers: the data folder, case-insensitive file names and listing files by extension.
#include "archive/UtilsPath.h"

#include <algorithm>
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

std::string AsciiUpperCopy(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), AsciiUpper);
    return text;
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

std::vector<std::string> FileNamesWithExtension(const std::string& folder, std::string_view extension)
{
    std::vector<std::string> names;
    std::string suffix(1, '.');
    suffix.append(extension);
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec);
    if (ec) {
        return names;
    }
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) {
            break;
        }
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) {
            continue;
        }
        const std::string name = it->path().filename().string();
        if (name.size() <= suffix.size() ||
            !EqualsIgnoringCase(name.substr(name.size() - suffix.size()), suffix)) {
            continue;
        }
        names.push_back(name.substr(0, name.size() - suffix.size()));
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string keyA = AsciiUpperCopy(a);
        const std::string keyB = AsciiUpperCopy(b);
        return keyA != keyB ? keyA < keyB : a < b;
    });
    return names;
}
