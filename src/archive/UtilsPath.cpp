// Small file helpers: finding a data file whose name differs only in letter case.
#include "archive/UtilsPath.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

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
