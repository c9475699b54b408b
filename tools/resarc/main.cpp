// resarc: the archive tool. Builds an archive from a manifest, lists its index, extracts an item
// as the game reads it.
#include "archive/ArchiveWriter.h"
#include "archive/ResourceArchive.h"
#include "archive/UtilsPath.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int ExitOk = 0;
constexpr int ExitNotFound = 1;
constexpr int ExitBad = 2;

constexpr const char* Usage = "usage: resarc build ARCHIVE MANIFEST | resarc list ARCHIVE | "
                              "resarc extract ARCHIVE NAME OUT";

int Fail(int code, const std::string& message)
{
    std::cerr << "resarc: " << message << '\n';
    return code;
}

std::string Trim(const std::string& s)
{
    const char* space = " \t\r\n\f\v";
    const std::size_t first = s.find_first_not_of(space);
    if (first == std::string::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(space) - first + 1);
}

bool ReadWholeFile(const fs::path& path, std::vector<std::uint8_t>& bytes)
{
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// One manifest line: NAME KIND FILE, FILE being the rest of the line (it may hold spaces).
// Relative files are found beside the manifest.
int Build(const std::string& archivePath, const std::string& manifestPath)
{
    std::ifstream manifest(manifestPath);
    std::error_code ec;
    if (!manifest || !fs::is_regular_file(manifestPath, ec)) {
        return Fail(ExitBad, "cannot read manifest " + manifestPath);
    }
    const fs::path base = fs::path(manifestPath).parent_path();
    ArchiveWriter writer;
    std::vector<int> itemLines; // manifest line of each item added
    std::string line;
    int lineNumber = 0;
    while (std::getline(manifest, line)) {
        ++lineNumber;
        const std::string where = manifestPath + ":" + std::to_string(lineNumber) + ": ";
        const std::string text = Trim(line);
        if (text.empty() || text[0] == '#') {
            continue;
        }
        const std::size_t nameEnd = text.find_first_of(" \t");
        const std::size_t kindStart =
            nameEnd == std::string::npos ? nameEnd : text.find_first_not_of(" \t", nameEnd);
        const std::size_t kindEnd =
            kindStart == std::string::npos ? kindStart : text.find_first_of(" \t", kindStart);
        if (kindEnd == std::string::npos) {
            return Fail(ExitBad, where + "expected NAME KIND FILE");
        }
        const std::string name = text.substr(0, nameEnd);
        const std::string kindText = text.substr(kindStart, kindEnd - kindStart);
        const std::string file = Trim(text.substr(kindEnd));
        std::int32_t kind = 0;
        const auto [end, err] = std::from_chars(kindText.data(), kindText.data() + kindText.size(), kind);
        if (err != std::errc() || end != kindText.data() + kindText.size()) {
            return Fail(ExitBad, where + "kind \"" + kindText + "\" is not a 32-bit whole number");
        }
        for (std::size_t i = 0; i < writer.Items().size(); ++i) {
            if (EqualsIgnoringCase(writer.Items()[i].Name, name)) {
                return Fail(ExitBad, where + "duplicate item name \"" + name + "\" (first on line " +
                                         std::to_string(itemLines[i]) + ")");
            }
        }
        const std::string problem = writer.CheckName(name);
        if (!problem.empty()) {
            return Fail(ExitBad, where + problem);
        }
        fs::path filePath(file);
        if (filePath.is_relative()) {
            filePath = base / filePath;
        }
        std::vector<std::uint8_t> bytes;
        if (!ReadWholeFile(filePath, bytes)) {
            return Fail(ExitBad, where + "cannot read file " + filePath.string());
        }
        std::string error;
        if (!writer.Add(name, kind, std::move(bytes), &error)) {
            return Fail(ExitBad, where + error);
        }
        itemLines.push_back(lineNumber);
    }
    if (manifest.bad()) {
        return Fail(ExitBad, "cannot read manifest " + manifestPath);
    }
    std::string error;
    if (!writer.WriteFile(archivePath, &error)) {
        return Fail(ExitBad, error);
    }
    return ExitOk;
}

std::optional<ResourceArchive::Index> OpenIndex(const std::string& archivePath, int& code)
{
    std::error_code ec;
    if (!fs::is_regular_file(archivePath, ec)) {
        code = Fail(ExitBad, "cannot open archive " + archivePath);
        return std::nullopt;
    }
    std::string problem;
    auto index = ResourceArchive::ReadIndex(archivePath, &problem);
    if (!index) {
        code = Fail(ExitBad, "bad archive " + archivePath + ": " + problem);
    }
    return index;
}

std::string OutsideText(const std::string& archivePath, const ResourceArchive::Entry& entry)
{
    return "bad archive " + archivePath + ": item \"" + entry.Name + "\" (offset " +
           std::to_string(entry.Offset) + ", " + std::to_string(entry.Size) +
           " bytes) runs past the end of the file";
}

int List(const std::string& archivePath)
{
    int code = ExitOk;
    const auto index = OpenIndex(archivePath, code);
    if (!index) {
        return code;
    }
    const ResourceArchive::Entry* outside = nullptr;
    for (const auto& entry : index->Entries) {
        std::cout << entry.Name << ' ' << entry.Kind << ' ' << entry.Offset << ' ' << entry.Size << '\n';
        if (!entry.InFile && !outside) {
            outside = &entry;
        }
    }
    std::cout.flush();
    if (!std::cout) {
        return Fail(ExitBad, "cannot write the listing");
    }
    return outside ? Fail(ExitBad, OutsideText(archivePath, *outside)) : ExitOk;
}

int Extract(const std::string& archivePath, const std::string& name, const std::string& outPath)
{
    int code = ExitOk;
    const auto index = OpenIndex(archivePath, code);
    if (!index) {
        return code;
    }
    const ResourceArchive::Entry* found = nullptr;
    for (const auto& entry : index->Entries) {
        const auto* raw = reinterpret_cast<const std::uint8_t*>(entry.Name.data());
        if (ResourceArchive::NameMatches(std::span(raw, entry.Name.size()), name)) {
            found = &entry;
            break;
        }
    }
    if (!found) {
        return Fail(ExitNotFound, ResourceArchive::NotFoundText(name, archivePath));
    }
    if (!found->InFile) {
        return Fail(ExitBad, OutsideText(archivePath, *found));
    }
    MemoryStream stream;
    if (ResourceArchive::Read(stream, archivePath, name) != 0) {
        return Fail(ExitBad, "bad archive " + archivePath + ": item \"" + found->Name +
                                 "\" is not a picture that can be converted");
    }
    std::ofstream out(outPath, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(stream.Bytes.data()),
              static_cast<std::streamsize>(stream.Bytes.size()));
    out.close();
    if (!out) {
        std::error_code ec;
        fs::remove(outPath, ec);
        return Fail(ExitBad, "cannot write " + outPath);
    }
    return ExitOk;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "-h" || args[0] == "--help")) {
        std::cout << Usage << '\n';
        return ExitOk;
    }
    if (args.size() == 3 && args[0] == "build") {
        return Build(args[1], args[2]);
    }
    if (args.size() == 2 && args[0] == "list") {
        return List(args[1]);
    }
    if (args.size() == 4 && args[0] == "extract") {
        return Extract(args[1], args[2], args[3]);
    }
    return Fail(ExitBad, Usage);
}
