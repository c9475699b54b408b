// Tests of the archive reader: lookup, damaged archives, and the PCX-to-bitmap conversion.
#include "archive/ResourceArchive.h"

#include "archive/ArchiveWriter.h"
#include "archive/UtilsPath.h"
#include "support/TempDir.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Text(const std::string& s)
{
    return Bytes(s.begin(), s.end());
}

std::uint32_t Le32(const Bytes& b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

void Put32(Bytes& b, std::size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) {
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

void Put64(Bytes& b, std::size_t at, std::uint64_t v)
{
    Put32(b, at, static_cast<std::uint32_t>(v));
    Put32(b, at + 4, static_cast<std::uint32_t>(v >> 32));
}

Bytes Archive(std::initializer_list<std::tuple<std::string, std::int32_t, Bytes>> items)
{
    ArchiveWriter writer;
    for (const auto& [name, kind, bytes] : items) {
        EXPECT_TRUE(writer.Add(name, kind, bytes));
    }
    return writer.Image();
}

// A stream holding something, to see that a failed read leaves it alone.
MemoryStream Prefilled()
{
    MemoryStream s;
    s.Bytes = {1, 2, 3};
    s.Position = 2;
    return s;
}

void ExpectUnchanged(const MemoryStream& s)
{
    EXPECT_EQ(s.Bytes, (Bytes{1, 2, 3}));
    EXPECT_EQ(s.Position, 2u);
}

constexpr std::size_t EntryAt(std::size_t i)
{
    return 4 + 40 * i;
}

} // namespace

TEST(ResourceArchive, FindsItemsIgnoringLetterCaseAndRewindsTheStream)
{
    TempDir dir;
    const std::string path =
        dir.Write("res01.dat", Archive({{"dicebox", 0, Text("box")}, {"dice", 7, Text("rolling")}}));
    MemoryStream s = Prefilled();
    ASSERT_EQ(ResourceArchive::Read(s, path, "DICE"), 0);
    EXPECT_EQ(s.Bytes, Text("rolling"));
    EXPECT_EQ(s.Position, 0u);
    ASSERT_EQ(ResourceArchive::Read(s, path, "DiceBox"), 0);
    EXPECT_EQ(s.Bytes, Text("box"));

    // Prefixes and extensions of a name are other names.
    MemoryStream t = Prefilled();
    EXPECT_EQ(ResourceArchive::Read(t, path, "dic"), 1);
    EXPECT_EQ(ResourceArchive::Read(t, path, "dicebox2"), 1);
    EXPECT_EQ(ResourceArchive::Read(t, path, ""), 1);
    ExpectUnchanged(t);
}

TEST(ResourceArchive, EmptyItemIsFoundAndEmpty)
{
    const Bytes image = Archive({{"blank", 0, {}}});
    MemoryStream s = Prefilled();
    ASSERT_EQ(ResourceArchive::ReadFromMemory(s, image, "blank"), 0);
    EXPECT_TRUE(s.Bytes.empty());
}

TEST(ResourceArchive, FirstOfTwoEqualNamesWins)
{
    Bytes image = Archive({{"money", 0, Text("first")}, {"other", 0, Text("second")}});
    std::memcpy(&image[EntryAt(1)], "MONEY", 6);
    MemoryStream s;
    ASSERT_EQ(ResourceArchive::ReadFromMemory(s, image, "Money"), 0);
    EXPECT_EQ(s.Bytes, Text("first"));

    // The first equal entry is the item even when its data are damaged: no fall-through.
    Put32(image, EntryAt(0) + 32, 1000);
    MemoryStream t = Prefilled();
    EXPECT_EQ(ResourceArchive::ReadFromMemory(t, image, "money"), 1);
    ExpectUnchanged(t);
}

TEST(ResourceArchive, CountZeroFindsNothing)
{
    Bytes image = Archive({});
    ASSERT_EQ(image, (Bytes{0, 0, 0, 0}));
    // Data that look like an entry after a Count of 0 are not index entries.
    const Bytes ghost = Archive({{"dice", 0, Text("x")}});
    image = ghost;
    Put32(image, 0, 0);
    MemoryStream s = Prefilled();
    EXPECT_EQ(ResourceArchive::ReadFromMemory(s, image, "dice"), 1);
    ExpectUnchanged(s);
}

TEST(ResourceArchive, DamagedArchivesReportNotFound)
{
    TempDir dir;
    const Bytes good = Archive({{"a", 0, Text("one")}, {"b", 0, Text("two")}});
    MemoryStream s = Prefilled();

    EXPECT_EQ(ResourceArchive::Read(s, dir.File("missing.dat"), "a"), 1);
    EXPECT_EQ(ResourceArchive::Read(s, dir.Path.string(), "a"), 1) << "a folder is not an archive";
    for (std::size_t length : {0, 1, 3, 4, 43, 83}) {
        // Cut inside the header or the index: even the first entry is not trusted.
        const Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_EQ(ResourceArchive::Read(s, dir.Write("cut.dat", cut), "a"), 1) << length;
        EXPECT_EQ(ResourceArchive::ReadFromMemory(s, cut, "a"), 1) << length;
    }
    for (std::uint32_t count : {0xFFFFFFFFu, 0x80000000u, 3u, 0x7FFFFFFFu}) {
        Bytes bad = good;
        Put32(bad, 0, count);
        EXPECT_EQ(ResourceArchive::Read(s, dir.Write("count.dat", bad), "a"), 1) << count;
        EXPECT_FALSE(ResourceArchive::ReadIndexFromMemory(bad).has_value()) << count;
    }
    ExpectUnchanged(s);
}

TEST(ResourceArchive, EntriesRunningPastTheEndReportNotFound)
{
    const Bytes good = Archive({{"a", 0, Text("one")}, {"b", 0, Text("two")}});
    const std::uint64_t fileSize = good.size();
    struct Case
    {
        std::uint64_t Offset;
        std::uint32_t Size;
    };
    for (const Case c : {Case{fileSize, 1}, Case{fileSize - 2, 3}, Case{fileSize + 1, 0},
                         Case{~std::uint64_t{0}, 2}, Case{~std::uint64_t{0} - 1, 0xFFFFFFFFu},
                         Case{0, static_cast<std::uint32_t>(fileSize + 1)}, Case{1ull << 63, 4}}) {
        Bytes bad = good;
        Put64(bad, EntryAt(1) + 24, c.Offset);
        Put32(bad, EntryAt(1) + 32, c.Size);
        MemoryStream s = Prefilled();
        EXPECT_EQ(ResourceArchive::ReadFromMemory(s, bad, "b"), 1) << c.Offset << " " << c.Size;
        ExpectUnchanged(s);
        EXPECT_EQ(ResourceArchive::ReadFromMemory(s, bad, "a"), 0)
            << "a sound entry before it stays readable";

        const auto index = ResourceArchive::ReadIndexFromMemory(bad);
        ASSERT_TRUE(index.has_value());
        EXPECT_TRUE(index->Entries[0].InFile);
        EXPECT_FALSE(index->Entries[1].InFile);
    }
    // The very last bytes of the file are inside it.
    Bytes edge = good;
    Put64(edge, EntryAt(1) + 24, fileSize - 3);
    MemoryStream s;
    ASSERT_EQ(ResourceArchive::ReadFromMemory(s, edge, "b"), 0);
    EXPECT_EQ(s.Bytes, Text("two"));
}

TEST(ResourceArchive, UnterminatedNameIsComparedOverItsSixteenBytesOnly)
{
    Bytes image = Archive({{"x", 0, Text("data")}});
    std::memcpy(&image[EntryAt(0)], "ABCDEFGHIJKLMNOP", 16);
    Put32(image, EntryAt(0) + 16, 0x51); // the Kind right after the name reads as "Q" if overrun
    MemoryStream s;
    EXPECT_EQ(ResourceArchive::ReadFromMemory(s, image, "abcdefghijklmnopQ"), 1);
    EXPECT_EQ(ResourceArchive::ReadFromMemory(s, image, "abcdefghijklmno"), 1);
    ASSERT_EQ(ResourceArchive::ReadFromMemory(s, image, "abcdefghijklmnop"), 0);
    EXPECT_EQ(s.Bytes, Text("data"));
    const auto index = ResourceArchive::ReadIndexFromMemory(image);
    ASSERT_TRUE(index.has_value());
    EXPECT_EQ(index->Entries[0].Name, "ABCDEFGHIJKLMNOP");
    // An asked-for name with a zero in it ends there, as the stored one does.
    EXPECT_TRUE(ResourceArchive::NameMatches(Text(std::string("ab\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 16)),
                                             std::string("AB\0cd", 5)));
}

TEST(ResourceArchive, OpensTheArchiveAfreshOnEveryCall)
{
    TempDir dir;
    const std::string path = dir.Write("res00.dat", Archive({{"BDialog", 0, Text("old")}}));
    const auto openFiles = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                             std::filesystem::directory_iterator());
    };
    const auto before = openFiles();
    MemoryStream s;
    for (int i = 0; i < 50; ++i) {
        ASSERT_EQ(ResourceArchive::Read(s, path, "bdialog"), 0);
        ASSERT_EQ(ResourceArchive::Read(s, path, "nothing"), 1);
    }
    EXPECT_EQ(openFiles(), before);
    dir.Write("res00.dat", Archive({{"BDialog", 0, Text("new")}}));
    ASSERT_EQ(ResourceArchive::Read(s, path, "BDialog"), 0);
    EXPECT_EQ(s.Bytes, Text("new"));
}

TEST(ResourceArchive, ArchiveNameDifferingInLetterCaseIsFound)
{
    TempDir dir;
    dir.Write("RES01.DAT", Archive({{"dice", 0, Text("d")}}));
    MemoryStream s;
    EXPECT_EQ(ResourceArchive::Read(s, dir.File("res01.dat"), "dice"), 0);
    EXPECT_EQ(ResourceArchive::NotFoundText("dice", "res01.dat"),
              "Resource <dice> not found, FILE: res01.dat");
}

TEST(ResourceArchive, RelativeArchiveNamesAreFoundInTheDataFolderAndAbsoluteOnesWhereTheyAre)
{
    TempDir data;
    TempDir current;
    data.Write("RES00.DAT", Archive({{"BDialog", 0, Text("shared")}}));
    current.Write("res00.dat", Archive({{"BDialog", 0, Text("here")}}));
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(current.Path);
    MemoryStream s;
    // Unset, the data folder is the current folder.
    ASSERT_EQ(ResourceArchive::Read(s, "res00.dat", "BDialog"), 0);
    EXPECT_EQ(s.Bytes, Text("here"));
    SetDataFolder(data.Path.string());
    ASSERT_EQ(ResourceArchive::Read(s, "res00.dat", "BDialog"), 0);
    EXPECT_EQ(s.Bytes, Text("shared"));
    EXPECT_TRUE(ResourceArchive::ReadIndex("res00.dat").has_value());
    ASSERT_EQ(ResourceArchive::Read(s, current.File("res00.dat"), "BDialog"), 0);
    EXPECT_EQ(s.Bytes, Text("here"));
    EXPECT_EQ(ResourceArchive::Read(s, "res01.dat", "BDialog"), 1);
    SetDataFolder("");
    std::filesystem::current_path(previous);
}

// PCX conversion.

namespace {

Bytes PcxHeader(std::uint16_t xmax, std::uint16_t ymax)
{
    Bytes pcx(128, 0);
    pcx[0] = 10;
    pcx[8] = static_cast<std::uint8_t>(xmax);
    pcx[9] = static_cast<std::uint8_t>(xmax >> 8);
    pcx[10] = static_cast<std::uint8_t>(ymax);
    pcx[11] = static_cast<std::uint8_t>(ymax >> 8);
    return pcx;
}

void AppendPalette(Bytes& pcx, std::uint8_t marker = 12)
{
    pcx.push_back(marker);
    for (int i = 0; i < 256; ++i) {
        pcx.push_back(static_cast<std::uint8_t>(i));       // red
        pcx.push_back(static_cast<std::uint8_t>(255 - i)); // green
        pcx.push_back(static_cast<std::uint8_t>(i / 2));   // blue
    }
}

// Pixel (x, y) of the upright picture in an 8-bit bottom-up bitmap image.
std::uint8_t PixelOf(const Bytes& bmp, int x, int y)
{
    const int width = static_cast<int>(Le32(bmp, 18));
    const int height = static_cast<int>(Le32(bmp, 22));
    const int stride = (width + 3) / 4 * 4;
    return bmp.at(1078 + static_cast<std::size_t>((height - 1 - y) * stride + x));
}

Bytes Convert(const Bytes& pcx)
{
    auto bmp = ResourceArchive::PcxToBitmap(pcx);
    EXPECT_TRUE(bmp.has_value());
    return bmp.value_or(Bytes{});
}

} // namespace

TEST(PcxConversion, WritesTheBitmapHeadersAndPadsRowsToTheStride)
{
    // 5 x 3 picture, stride 8: pixel (x, y) = 10 * y + x + 1.
    Bytes pcx = PcxHeader(4, 2);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 5; ++x) {
            pcx.push_back(static_cast<std::uint8_t>(10 * y + x + 1));
        }
    }
    AppendPalette(pcx);
    TempDir dir;
    const std::string path = dir.Write("res00.dat", Archive({{"pic", 1, pcx}}));
    MemoryStream s;
    ASSERT_EQ(ResourceArchive::Read(s, path, "PIC"), 0);
    const Bytes& bmp = s.Bytes;
    ASSERT_EQ(bmp.size(), 1078u + 8 * 3);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(Le32(bmp, 2), 0u);
    EXPECT_EQ(Le32(bmp, 6), 0u);
    EXPECT_EQ(Le32(bmp, 10), 1078u);
    EXPECT_EQ(Le32(bmp, 14), 40u);
    EXPECT_EQ(Le32(bmp, 18), 5u);
    EXPECT_EQ(Le32(bmp, 22), 3u);
    EXPECT_EQ(bmp[26] | bmp[27] << 8, 1);
    EXPECT_EQ(bmp[28] | bmp[29] << 8, 8);
    EXPECT_EQ(Le32(bmp, 30), 0u);
    EXPECT_EQ(Le32(bmp, 34), 24u);
    for (std::size_t at = 38; at < 54; ++at) {
        EXPECT_EQ(bmp[at], 0) << at;
    }
    // Top line in the last stored row; the three padding bytes of every row are zero.
    const Bytes rows(bmp.begin() + 1078, bmp.end());
    EXPECT_EQ(rows,
              (Bytes{21, 22, 23, 24, 25, 0, 0, 0, 11, 12, 13, 14, 15, 0, 0, 0, 1, 2, 3, 4, 5, 0, 0, 0}));
    // Colour table: blue, green, red, 0.
    for (int i : {0, 1, 128, 255}) {
        const std::size_t at = 54 + 4 * static_cast<std::size_t>(i);
        EXPECT_EQ(bmp[at], i / 2);
        EXPECT_EQ(bmp[at + 1], 255 - i);
        EXPECT_EQ(bmp[at + 2], i);
        EXPECT_EQ(bmp[at + 3], 0);
    }
}

TEST(PcxConversion, RunsWrapAcrossLinesAndStopAtTheLastPixel)
{
    // 3 x 2: a run of 5 sevens fills line 0 and two pixels of line 1; then a single 9.
    Bytes pcx = PcxHeader(2, 1);
    pcx.insert(pcx.end(), {192 | 5, 7, 9});
    AppendPalette(pcx);
    Bytes bmp = Convert(pcx);
    EXPECT_EQ(PixelOf(bmp, 0, 0), 7);
    EXPECT_EQ(PixelOf(bmp, 2, 0), 7);
    EXPECT_EQ(PixelOf(bmp, 1, 1), 7);
    EXPECT_EQ(PixelOf(bmp, 2, 1), 9);
    EXPECT_EQ(bmp[54 + 4 * 3 + 2], 3) << "palette right after the marker";

    // 2 x 1: a run of 40 stops after 2 pixels; the palette follows that run, not 38 pixels later.
    pcx = PcxHeader(1, 0);
    pcx.insert(pcx.end(), {192 | 40, 200});
    AppendPalette(pcx, 0xEE); // the marker's value is not checked
    bmp = Convert(pcx);
    ASSERT_EQ(bmp.size(), 1078u + 4);
    EXPECT_EQ(Bytes(bmp.begin() + 1078, bmp.end()), (Bytes{200, 200, 0, 0}));
    EXPECT_EQ(bmp[54 + 4 * 10 + 2], 10);
    EXPECT_EQ(bmp[54 + 4 * 10 + 1], 245);

    // A run of zero length lays nothing down; a width of exactly 4 has no padding.
    pcx = PcxHeader(3, 0);
    pcx.insert(pcx.end(), {192, 55, 1, 2, 192 | 2, 3});
    AppendPalette(pcx);
    bmp = Convert(pcx);
    EXPECT_EQ(Bytes(bmp.begin() + 1078, bmp.end()), (Bytes{1, 2, 3, 3}));
}

TEST(PcxConversion, ShortItemsConvertWhatIsThereWithZerosForTheRest)
{
    // Cut inside the pixel data: the rest of the picture and the whole palette are zero.
    Bytes pcx = PcxHeader(3, 1);
    pcx.insert(pcx.end(), {5, 6, 192 | 3});
    Bytes bmp = Convert(pcx);
    ASSERT_EQ(bmp.size(), 1078u + 8);
    EXPECT_EQ(PixelOf(bmp, 0, 0), 5);
    EXPECT_EQ(PixelOf(bmp, 1, 0), 6);
    EXPECT_EQ(PixelOf(bmp, 2, 0), 0);
    EXPECT_EQ(PixelOf(bmp, 3, 1), 0);
    EXPECT_TRUE(std::all_of(bmp.begin() + 54, bmp.begin() + 1078, [](std::uint8_t b) { return b == 0; }));

    // Cut inside the palette: the colours that are there, then zeros.
    pcx = PcxHeader(0, 0);
    pcx.push_back(1);
    AppendPalette(pcx);
    pcx.resize(130 + 3 * 2 + 1); // two colours and the red of a third
    bmp = Convert(pcx);
    EXPECT_EQ(bmp[54 + 4 + 2], 1);
    EXPECT_EQ(bmp[54 + 8 + 2], 2);
    EXPECT_EQ(bmp[54 + 8 + 1], 0);

    // Shorter than the header: missing header bytes read as zero (Ymax missing: one line).
    bmp = Convert(Bytes{10, 5, 1, 8, 0, 0, 0, 0, 6});
    EXPECT_EQ(Le32(bmp, 18), 7u);
    EXPECT_EQ(Le32(bmp, 22), 1u);
    EXPECT_EQ(bmp.size(), 1078u + 8);
    bmp = Convert(Bytes{});
    EXPECT_EQ(Le32(bmp, 18), 1u);
    EXPECT_EQ(bmp.size(), 1078u + 4);
}

TEST(PcxConversion, OversizedPicturesAreRefusedNotAllocated)
{
    EXPECT_FALSE(ResourceArchive::PcxToBitmap(PcxHeader(0xFFFF, 0xFFFF)).has_value());
    EXPECT_FALSE(ResourceArchive::PcxToBitmap(PcxHeader(0, 8192)).has_value());
    EXPECT_TRUE(ResourceArchive::PcxToBitmap(PcxHeader(0, 8191)).has_value());
    EXPECT_FALSE(ResourceArchive::PcxToBitmap(PcxHeader(8191, 8191)).has_value());
    EXPECT_FALSE(ResourceArchive::PcxToBitmap(PcxHeader(4095, 4096)).has_value());
    const auto largest = ResourceArchive::PcxToBitmap(PcxHeader(4095, 4095));
    ASSERT_TRUE(largest.has_value());
    EXPECT_EQ(largest->size(), 1078u + 4096u * 4096u);
    const Bytes image = Archive({{"tall", 1, PcxHeader(9000, 0)}});
    MemoryStream s = Prefilled();
    EXPECT_EQ(ResourceArchive::ReadFromMemory(s, image, "tall"), 1);
    ExpectUnchanged(s);
    // Kinds other than 1 are handed over as stored, whatever they hold.
    const Bytes raw = Archive({{"pcx", 2, PcxHeader(3, 3)}});
    ASSERT_EQ(ResourceArchive::ReadFromMemory(s, raw, "pcx"), 0);
    EXPECT_EQ(s.Bytes, PcxHeader(3, 3));
}
