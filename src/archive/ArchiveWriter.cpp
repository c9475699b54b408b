// ArchiveWriter: collects named items and writes them as one resource archive file.
#include "archive/ArchiveWriter.h"

#include "archive/ResourceArchive.h"
#include "archive/UtilsPath.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <limits>
#include <system_error>
#include <unistd.h>

namespace {

void Put32(std::uint8_t* p, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

void Put64(std::uint8_t* p, std::uint64_t v)
{
    Put32(p, static_cast<std::uint32_t>(v));
    Put32(p + 4, static_cast<std::uint32_t>(v >> 32));
}

void SetError(std::string* error, const std::string& text)
{
    if (error) {
        *error = text;
    }
}

} // namespace

std::string ArchiveWriter::CheckName(const std::string& name) const
{
    if (name.empty()) {
        return "empty item name";
    }
    if (name.size() >= ResourceArchive::NameSize) {
        return "item name \"" + name + "\" is longer than 15 characters";
    }
    if (name.find('\0') != std::string::npos) {
        return "item name contains a zero byte";
    }
    for (const Item& item : Entries) {
        if (EqualsIgnoringCase(item.Name, name)) {
            return "duplicate item name \"" + name + "\" (already stored as \"" + item.Name + "\")";
        }
    }
    return {};
}

bool ArchiveWriter::Add(const std::string& name, std::int32_t kind, std::vector<std::uint8_t> bytes,
                        std::string* error)
{
    const std::string problem = CheckName(name);
    if (!problem.empty()) {
        SetError(error, problem);
        return false;
    }
    if (bytes.size() > std::numeric_limits<std::uint32_t>::max()) {
        SetError(error, "item \"" + name + "\" is larger than 4 GiB");
        return false;
    }
    if (Entries.size() >= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max() / 64)) {
        SetError(error, "too many items");
        return false;
    }
    DataBytes += bytes.size();
    Entries.push_back(Item{name, kind, std::move(bytes)});
    return true;
}

std::vector<std::uint8_t> ArchiveWriter::Image() const
{
    using namespace ResourceArchive;
    const std::uint64_t indexEnd = HeaderSize + Entries.size() * EntrySize;
    std::vector<std::uint8_t> image(static_cast<std::size_t>(indexEnd + DataBytes), 0);
    Put32(image.data(), static_cast<std::uint32_t>(Entries.size()));
    std::uint64_t offset = indexEnd;
    for (std::size_t i = 0; i < Entries.size(); ++i) {
        const Item& item = Entries[i];
        std::uint8_t* entry = image.data() + HeaderSize + i * EntrySize;
        std::memcpy(entry, item.Name.data(), item.Name.size()); // the rest of the 16 bytes stays zero
        Put32(entry + 16, static_cast<std::uint32_t>(item.Kind));
        Put64(entry + 24, offset);
        Put32(entry + 32, static_cast<std::uint32_t>(item.Bytes.size()));
        if (!item.Bytes.empty()) {
            std::memcpy(image.data() + offset, item.Bytes.data(), item.Bytes.size());
        }
        offset += item.Bytes.size();
    }
    return image;
}

bool ArchiveWriter::WriteFile(const std::string& path, std::string* error) const
{
    namespace fs = std::filesystem;
    const std::vector<std::uint8_t> image = Image();
    const std::string temp = path + ".tmp" + std::to_string(static_cast<long>(getpid()));
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) {
        SetError(error, "cannot create " + temp + ": " + std::strerror(errno));
        return false;
    }
    const bool written = std::fwrite(image.data(), 1, image.size(), f) == image.size();
    const bool closed = std::fclose(f) == 0;
    std::error_code ec;
    if (!written || !closed) {
        SetError(error, "cannot write " + temp);
        fs::remove(temp, ec);
        return false;
    }
    fs::rename(temp, path, ec);
    if (ec) {
        SetError(error, "cannot rename " + temp + " to " + path + ": " + ec.message());
        fs::remove(temp, ec);
        return false;
    }
    return true;
}
