// ArchiveWriter: collects named items and writes them as one resource archive file.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class ArchiveWriter
{
public:
    struct Item
    {
        std::string Name;
        std::int32_t Kind = 0;
        std::vector<std::uint8_t> Bytes;
    };

    // Why a name cannot be stored: empty, longer than 15 characters, containing a zero byte, or
    // equal (without regard to letter case, as the reader compares) to an item already added.
    // Empty text when the name is fine.
    std::string CheckName(const std::string& name) const;

    // Adds an item after the ones already added; false (error set when given) when the name is
    // refused or the archive would outgrow what its index can address.
    bool Add(const std::string& name, std::int32_t kind, std::vector<std::uint8_t> bytes,
             std::string* error = nullptr);

    const std::vector<Item>& Items() const { return Entries; }

    // The archive image: Count, the index, then the items' bytes in order right after the index.
    std::vector<std::uint8_t> Image() const;

    // Writes the image through a temporary file in the same folder and renames it into place, so
    // a failed write leaves any earlier archive untouched. False, with error set, on failure.
    bool WriteFile(const std::string& path, std::string* error = nullptr) const;

private:
    std::vector<Item> Entries;
    std::uint64_t DataBytes = 0;
};
