// ResourceArchive: reads named items out of the game's archive files, turning PCX pictures into
// bitmap file images on the way.
#pragma once

#include "archive/MemoryStream.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ResourceArchive {

// The on-disk layout: Count (int32), Count entries of EntrySize bytes, then item data anywhere.
constexpr std::size_t HeaderSize = 4;
constexpr std::size_t EntrySize = 40;
constexpr std::size_t NameSize = 16; // zero-terminated, at most 15 characters
constexpr std::int32_t KindPcx = 1;

// Converted pictures: the bitmap's pixel rows start here (file header, info header, 256 colours).
constexpr std::size_t BitmapPixelOffset = 1078;
// The largest picture a PCX item may declare, per side and in pixel bytes; anything bigger is not
// a picture of this game and is refused rather than allocated.
constexpr std::int32_t MaxPictureSide = 8192;
constexpr std::size_t MaxPicturePixelBytes = 16u * 1024u * 1024u;

struct Entry
{
    std::string Name; // up to the first zero, at most NameSize bytes
    std::int32_t Kind = 0;
    std::uint64_t Offset = 0;
    std::uint32_t Size = 0;
    bool InFile = false; // Offset and Size lie inside the archive
};

// The whole index, or nothing when the archive is missing, its Count is negative or its index
// runs past the end of the file. Entries whose data lie outside the file are kept, marked !InFile.
struct Index
{
    std::uint64_t FileSize = 0;
    std::vector<Entry> Entries;
};
// problem, when given, receives why there is no index.
std::optional<Index> ReadIndex(const std::string& archivePath, std::string* problem = nullptr);
std::optional<Index> ReadIndexFromMemory(std::span<const std::uint8_t> archive,
                                         std::string* problem = nullptr);

// 0: the item was found and its bytes (kind 1: the converted bitmap file image) now fill the
// stream, position 0. 1: no usable entry of that name (missing or damaged archive, an entry whose
// data lie outside the file, a picture too large to convert); the stream is left as it was.
// Names are compared without regard to letter case; the first equal entry wins. The archive is
// opened and closed on every call; a relative archivePath is taken in the data folder (DataFilePath).
int Read(MemoryStream& stream, const std::string& archivePath, const std::string& itemName);
// The same lookup on an archive image held in memory.
int ReadFromMemory(MemoryStream& stream, std::span<const std::uint8_t> archive, const std::string& itemName);

// The text of a failed lookup (nothing shows it).
std::string NotFoundText(const std::string& itemName, const std::string& archivePath);

// Whether an entry's stored name (NameSize bytes, maybe without a zero) equals itemName, ignoring
// letter case.
bool NameMatches(std::span<const std::uint8_t> storedName, std::string_view itemName);

// Turns a PCX picture (one plane, 8 bits a pixel, lines of exactly width bytes, palette right after
// the pixel data and its marker byte) into an 8-bit bottom-up bitmap file image. Missing bytes of
// a short item read as zero. Nothing (nullopt) when the declared size is beyond the limits above.
std::optional<std::vector<std::uint8_t>> PcxToBitmap(std::span<const std::uint8_t> pcx);

} // namespace ResourceArchive
