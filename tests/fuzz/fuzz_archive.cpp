// Fuzz target: the archive reader and its PCX-to-bitmap conversion, from memory and from a file.
#include "archive/ResourceArchive.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

void Check(bool ok)
{
    if (!ok) {
        __builtin_trap();
    }
}

const std::string& TempPath()
{
    // Memory-backed when the machine has it: a disk round trip per input would dominate the run.
    static const std::string folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    static const std::string path = folder + "/fuzz_archive." + std::to_string(getpid()) + ".dat";
    return path;
}

// What every successful read must hand over for an entry.
void CheckItem(const MemoryStream& stream, const ResourceArchive::Entry& entry)
{
    Check(stream.Position == 0);
    if (entry.Kind != ResourceArchive::KindPcx) {
        Check(stream.Bytes.size() == entry.Size);
        return;
    }
    const auto& b = stream.Bytes;
    Check(b.size() >= ResourceArchive::BitmapPixelOffset && b[0] == 'B' && b[1] == 'M');
    const std::uint32_t width =
        b[18] | (b[19] << 8) | (b[20] << 16) | (static_cast<std::uint32_t>(b[21]) << 24);
    const std::uint32_t height =
        b[22] | (b[23] << 8) | (b[24] << 16) | (static_cast<std::uint32_t>(b[25]) << 24);
    Check(b.size() ==
          ResourceArchive::BitmapPixelOffset + (width + 3) / 4 * 4 * static_cast<std::size_t>(height));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);

    // The input as a picture item on its own.
    if (const auto bmp = ResourceArchive::PcxToBitmap(bytes)) {
        Check(bmp->size() >= ResourceArchive::BitmapPixelOffset);
    }

    // The input as an archive: look up every name of its index and a few that may be missing.
    const auto index = ResourceArchive::ReadIndexFromMemory(bytes);
    std::vector<std::string> names = {"dice", "BDialog", "", "ABCDEFGHIJKLMNOP"};
    if (index) {
        for (const auto& e : index->Entries) {
            if (names.size() < 8) {
                names.push_back(e.Name);
            }
        }
    }
    if (std::FILE* f = std::fopen(TempPath().c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    for (const auto& name : names) {
        MemoryStream fromMemory;
        fromMemory.Bytes = {7};
        const int result = ResourceArchive::ReadFromMemory(fromMemory, bytes, name);
        Check(result == 0 || result == 1);
        if (result == 1) {
            Check(fromMemory.Bytes.size() == 1 && fromMemory.Bytes[0] == 7);
        }
        MemoryStream fromFile;
        Check(ResourceArchive::Read(fromFile, TempPath(), name) == result);
        Check(result == 1 || fromFile.Bytes == fromMemory.Bytes);
        Check(result == 1 || index.has_value());
        if (result == 0) {
            for (const auto& e : index->Entries) {
                if (ResourceArchive::NameMatches(
                        std::span(reinterpret_cast<const std::uint8_t*>(e.Name.data()), e.Name.size()),
                        name)) {
                    CheckItem(fromMemory, e);
                    break;
                }
            }
        }
    }
    return 0;
}
