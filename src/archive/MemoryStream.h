// MemoryStream: a growable block of bytes with a read position, filled by the archive reader.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

struct MemoryStream
{
    std::vector<std::uint8_t> Bytes;
    std::size_t Position = 0;

    std::size_t Size() const { return Bytes.size(); }
    std::span<const std::uint8_t> View() const { return Bytes; }
    void Clear()
    {
        Bytes.clear();
        Position = 0;
    }
};
