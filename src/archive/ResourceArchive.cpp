// ResourceArchive: reads named items out of the game's archive files, turning PCX pictures into
// bitmap file images on the way.
#include "archive/ResourceArchive.h"

#include "archive/UtilsPath.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

namespace ResourceArchive {
namespace {

std::uint16_t Le16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t Le32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint64_t Le64(const std::uint8_t* p)
{
    return static_cast<std::uint64_t>(Le32(p)) | (static_cast<std::uint64_t>(Le32(p + 4)) << 32);
}

void Put16(std::uint8_t* p, std::uint32_t v)
{
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(std::uint8_t* p, std::uint32_t v)
{
    Put16(p, v);
    Put16(p + 2, v >> 16);
}

// Random access to the archive's bytes, from a file or from memory. ReadAt fails rather than
// delivering fewer bytes than asked for.
class Source
{
public:
    virtual ~Source() = default;
    virtual std::uint64_t Size() const = 0;
    virtual bool ReadAt(std::uint64_t offset, std::uint8_t* dest, std::size_t count) = 0;
};

class MemorySource : public Source
{
public:
    explicit MemorySource(std::span<const std::uint8_t> bytes) : Bytes(bytes) {}
    std::uint64_t Size() const override { return Bytes.size(); }
    bool ReadAt(std::uint64_t offset, std::uint8_t* dest, std::size_t count) override
    {
        if (offset > Bytes.size() || count > Bytes.size() - offset) {
            return false;
        }
        if (count > 0) {
            std::memcpy(dest, Bytes.data() + offset, count);
        }
        return true;
    }

private:
    std::span<const std::uint8_t> Bytes;
};

struct FileCloser
{
    void operator()(std::FILE* f) const { std::fclose(f); }
};

class FileSource : public Source
{
public:
    explicit FileSource(const std::string& path)
        : File(std::fopen(ResolveFileName(DataFilePath(path)).c_str(), "rb"))
    {
        if (File && fseeko(File.get(), 0, SEEK_END) == 0) {
            const off_t end = ftello(File.get());
            if (end >= 0) {
                Length = static_cast<std::uint64_t>(end);
                Usable = true;
            }
        }
    }
    bool IsOpen() const { return Usable; }
    std::uint64_t Size() const override { return Length; }
    bool ReadAt(std::uint64_t offset, std::uint8_t* dest, std::size_t count) override
    {
        if (!Usable || offset > Length || count > Length - offset) {
            return false;
        }
        if (fseeko(File.get(), static_cast<off_t>(offset), SEEK_SET) != 0) {
            return false;
        }
        return std::fread(dest, 1, count, File.get()) == count;
    }

private:
    std::unique_ptr<std::FILE, FileCloser> File;
    std::uint64_t Length = 0;
    bool Usable = false;
};

// The number of entries, when the whole index lies inside the file.
std::optional<std::uint32_t> ReadCount(Source& source, std::string* problem = nullptr)
{
    std::uint8_t raw[HeaderSize];
    if (!source.ReadAt(0, raw, sizeof raw)) {
        if (problem) {
            *problem = "too short to hold an entry count";
        }
        return std::nullopt;
    }
    const auto count = static_cast<std::int32_t>(Le32(raw));
    if (count < 0) {
        if (problem) {
            *problem = "negative entry count " + std::to_string(count);
        }
        return std::nullopt;
    }
    const std::uint64_t indexEnd = HeaderSize + static_cast<std::uint64_t>(count) * EntrySize;
    if (indexEnd > source.Size()) {
        if (problem) {
            *problem = "index of " + std::to_string(count) + " entries runs past the end of the file (" +
                       std::to_string(source.Size()) + " bytes)";
        }
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(count);
}

Entry DecodeEntry(const std::uint8_t* raw, std::uint64_t fileSize)
{
    Entry e;
    const auto* nameEnd = std::find(raw, raw + NameSize, std::uint8_t{0});
    e.Name.assign(reinterpret_cast<const char*>(raw), static_cast<std::size_t>(nameEnd - raw));
    e.Kind = static_cast<std::int32_t>(Le32(raw + 16));
    e.Offset = Le64(raw + 24);
    e.Size = Le32(raw + 32);
    e.InFile = e.Size <= fileSize && e.Offset <= fileSize - e.Size;
    return e;
}

std::optional<Index> ReadIndexFrom(Source& source, std::string* problem)
{
    const auto count = ReadCount(source, problem);
    if (!count) {
        return std::nullopt;
    }
    Index index;
    index.FileSize = source.Size();
    index.Entries.reserve(*count);
    std::uint8_t raw[EntrySize];
    for (std::uint32_t i = 0; i < *count; ++i) {
        if (!source.ReadAt(HeaderSize + static_cast<std::uint64_t>(i) * EntrySize, raw, sizeof raw)) {
            if (problem) {
                *problem = "read error";
            }
            return std::nullopt;
        }
        index.Entries.push_back(DecodeEntry(raw, index.FileSize));
    }
    return index;
}

int ReadFrom(Source& source, MemoryStream& stream, const std::string& itemName)
{
    const auto count = ReadCount(source);
    if (!count) {
        return 1;
    }
    std::uint8_t raw[EntrySize];
    for (std::uint32_t i = 0; i < *count; ++i) {
        if (!source.ReadAt(HeaderSize + static_cast<std::uint64_t>(i) * EntrySize, raw, sizeof raw)) {
            return 1;
        }
        if (!NameMatches(std::span<const std::uint8_t>(raw, NameSize), itemName)) {
            continue;
        }
        // The first entry of that name is the item; when it is damaged there is no item.
        const Entry entry = DecodeEntry(raw, source.Size());
        if (!entry.InFile) {
            return 1;
        }
        std::vector<std::uint8_t> bytes(entry.Size);
        if (!source.ReadAt(entry.Offset, bytes.data(), bytes.size())) {
            return 1;
        }
        if (entry.Kind == KindPcx) {
            auto bitmap = PcxToBitmap(bytes);
            if (!bitmap) {
                return 1;
            }
            bytes = std::move(*bitmap);
        }
        stream.Bytes = std::move(bytes);
        stream.Position = 0;
        return 0;
    }
    return 1;
}

} // namespace

bool NameMatches(std::span<const std::uint8_t> storedName, std::string_view itemName)
{
    const std::size_t limit = std::min(storedName.size(), NameSize);
    std::size_t storedLength = 0;
    while (storedLength < limit && storedName[storedLength] != 0) {
        ++storedLength;
    }
    const std::size_t wantedLength = std::min(itemName.find('\0'), itemName.size());
    if (storedLength != wantedLength) {
        return false;
    }
    for (std::size_t i = 0; i < storedLength; ++i) {
        if (AsciiUpper(static_cast<char>(storedName[i])) != AsciiUpper(itemName[i])) {
            return false;
        }
    }
    return true;
}

std::optional<Index> ReadIndex(const std::string& archivePath, std::string* problem)
{
    FileSource source(archivePath);
    if (!source.IsOpen()) {
        if (problem) {
            *problem = "cannot open the file";
        }
        return std::nullopt;
    }
    return ReadIndexFrom(source, problem);
}

std::optional<Index> ReadIndexFromMemory(std::span<const std::uint8_t> archive, std::string* problem)
{
    MemorySource source(archive);
    return ReadIndexFrom(source, problem);
}

int Read(MemoryStream& stream, const std::string& archivePath, const std::string& itemName)
{
    FileSource source(archivePath);
    if (!source.IsOpen()) {
        return 1;
    }
    return ReadFrom(source, stream, itemName);
}

int ReadFromMemory(MemoryStream& stream, std::span<const std::uint8_t> archive, const std::string& itemName)
{
    MemorySource source(archive);
    return ReadFrom(source, stream, itemName);
}

std::string NotFoundText(const std::string& itemName, const std::string& archivePath)
{
    return "Resource <" + itemName + "> not found, FILE: " + archivePath;
}

std::optional<std::vector<std::uint8_t>> PcxToBitmap(std::span<const std::uint8_t> pcx)
{
    // A short item reads as if padded with zeros.
    const auto byteAt = [&pcx](std::size_t i) -> std::uint8_t { return i < pcx.size() ? pcx[i] : 0; };
    const std::uint8_t dims[4] = {byteAt(8), byteAt(9), byteAt(10), byteAt(11)};
    const std::int32_t width = Le16(dims) + 1;
    const std::int32_t height = Le16(dims + 2) + 1;
    if (width > MaxPictureSide || height > MaxPictureSide) {
        return std::nullopt;
    }
    const std::size_t stride = (static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
    const std::size_t pixelBytes = stride * static_cast<std::size_t>(height);
    if (pixelBytes > MaxPicturePixelBytes) {
        return std::nullopt;
    }

    std::vector<std::uint8_t> out(BitmapPixelOffset + pixelBytes, 0);
    std::uint8_t* h = out.data();
    h[0] = 'B';
    h[1] = 'M';
    Put32(h + 10, static_cast<std::uint32_t>(BitmapPixelOffset));
    Put32(h + 14, 40);
    Put32(h + 18, static_cast<std::uint32_t>(width));
    Put32(h + 22, static_cast<std::uint32_t>(height));
    Put16(h + 26, 1);
    Put16(h + 28, 8);
    Put32(h + 34, static_cast<std::uint32_t>(pixelBytes));

    // Picture lines go top first into the bottom-up rows; runs may cross line ends.
    constexpr std::size_t PixelDataStart = 128;
    std::size_t pos = PixelDataStart;
    std::int32_t x = 0;
    std::int32_t line = 0;
    while (line < height && pos < pcx.size()) {
        const std::uint8_t code = pcx[pos++];
        std::int32_t count = 1;
        std::uint8_t value = code;
        if (code >= 192) {
            count = code & 63;
            value = byteAt(pos++);
        }
        while (count > 0 && line < height) {
            const std::int32_t piece = std::min(count, width - x);
            std::uint8_t* row =
                out.data() + BitmapPixelOffset + static_cast<std::size_t>(height - 1 - line) * stride;
            std::memset(row + x, value, static_cast<std::size_t>(piece));
            count -= piece;
            x += piece;
            if (x == width) {
                x = 0;
                ++line;
            }
        }
    }

    // The palette marker is skipped unchecked; the 256 colours follow it as red, green, blue.
    const std::size_t paletteStart = pos + 1;
    for (std::size_t i = 0; i < 256; ++i) {
        std::uint8_t* entry = out.data() + 54 + 4 * i;
        entry[0] = byteAt(paletteStart + 3 * i + 2);
        entry[1] = byteAt(paletteStart + 3 * i + 1);
        entry[2] = byteAt(paletteStart + 3 * i);
    }
    return out;
}

} // namespace ResourceArchive
