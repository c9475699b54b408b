// Tests of the archive writer and the PCX encoder, read back through the archive reader.
#include "archive/ArchiveWriter.h"

#include "archive/ResourceArchive.h"
#include "archive/UtilsPcx.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <random>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::uint64_t Le(const Bytes& b, std::size_t at, int count)
{
    std::uint64_t v = 0;
    for (int i = count - 1; i >= 0; --i) {
        v = v << 8 | b[at + static_cast<std::size_t>(i)];
    }
    return v;
}

} // namespace

TEST(ArchiveWriter, WritesCountIndexAndDataRightAfterTheIndex)
{
    ArchiveWriter writer;
    ASSERT_TRUE(writer.Add("dicebox", 0, {1, 2, 3}));
    ASSERT_TRUE(writer.Add("ABCDEFGHIJKLMNO", -5, {}));
    ASSERT_TRUE(writer.Add("x", 1, {9}));
    const Bytes image = writer.Image();
    const std::size_t indexEnd = 4 + 3 * 40;
    ASSERT_EQ(image.size(), indexEnd + 4);
    EXPECT_EQ(Le(image, 0, 4), 3u);
    const struct
    {
        const char* Name;
        std::int32_t Kind;
        std::uint64_t Offset;
        std::uint32_t Size;
    } expected[] = {
        {"dicebox", 0, indexEnd, 3}, {"ABCDEFGHIJKLMNO", -5, indexEnd + 3, 0}, {"x", 1, indexEnd + 3, 1}};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::size_t e = 4 + 40 * i;
        const std::string name(expected[i].Name);
        EXPECT_EQ(std::string(image.begin() + static_cast<std::ptrdiff_t>(e),
                              image.begin() + static_cast<std::ptrdiff_t>(e + name.size())),
                  name);
        for (std::size_t at = e + name.size(); at < e + 16; ++at) {
            EXPECT_EQ(image[at], 0) << "name padding of entry " << i;
        }
        EXPECT_EQ(static_cast<std::int32_t>(Le(image, e + 16, 4)), expected[i].Kind);
        EXPECT_EQ(Le(image, e + 20, 4), 0u) << "unread field";
        EXPECT_EQ(Le(image, e + 24, 8), expected[i].Offset);
        EXPECT_EQ(Le(image, e + 32, 4), expected[i].Size);
        EXPECT_EQ(Le(image, e + 36, 4), 0u) << "unread field";
    }
    EXPECT_EQ(Bytes(image.begin() + indexEnd, image.end()), (Bytes{1, 2, 3, 9}));

    const auto index = ResourceArchive::ReadIndexFromMemory(image);
    ASSERT_TRUE(index.has_value());
    ASSERT_EQ(index->Entries.size(), 3u);
    EXPECT_EQ(index->Entries[1].Name, "ABCDEFGHIJKLMNO");
    EXPECT_EQ(index->Entries[1].Kind, -5);
    EXPECT_TRUE(index->Entries[2].InFile);
}

TEST(ArchiveWriter, RefusesNamesTheReaderCouldNotTellApart)
{
    ArchiveWriter writer;
    ASSERT_TRUE(writer.Add("Dice", 0, {1}));
    std::string error;
    EXPECT_FALSE(writer.Add("", 0, {}, &error));
    EXPECT_NE(error.find("empty"), std::string::npos);
    EXPECT_FALSE(writer.Add("ABCDEFGHIJKLMNOP", 0, {}, &error));
    EXPECT_NE(error.find("longer than 15"), std::string::npos);
    EXPECT_FALSE(writer.Add(std::string("ab\0c", 4), 0, {}, &error));
    EXPECT_FALSE(writer.Add("dICE", 0, {2}, &error));
    EXPECT_NE(error.find("duplicate"), std::string::npos);
    EXPECT_EQ(writer.Items().size(), 1u);
    EXPECT_EQ(writer.Image().size(), 4u + 40 + 1) << "refused items leave no trace";
}

TEST(ArchiveWriter, WriteFileReplacesAtomicallyAndFailsCleanly)
{
    TempDir dir;
    ArchiveWriter writer;
    ASSERT_TRUE(writer.Add("money", 0, {4, 5}));
    const std::string path = dir.File("res01.dat");
    std::string error;
    ASSERT_TRUE(writer.WriteFile(path, &error)) << error;
    EXPECT_EQ(TempDir::Read(path), writer.Image());
    MemoryStream s;
    ASSERT_EQ(ResourceArchive::Read(s, path, "MONEY"), 0);
    EXPECT_EQ(s.Bytes, (Bytes{4, 5}));

    EXPECT_FALSE(writer.WriteFile(dir.File("no/such/folder/res.dat"), &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(dir.Path), std::filesystem::directory_iterator()),
        1)
        << "no temporary file is left behind";
}

TEST(PcxEncoder, RoundTripsThroughTheReaderForAwkwardWidthsAndValues)
{
    std::mt19937 rng(7);
    PcxPalette palette{};
    for (std::size_t i = 0; i < palette.size(); ++i) {
        palette[i] = static_cast<std::uint8_t>(rng());
    }
    for (std::int32_t width : {1, 2, 3, 5, 63, 64, 65, 130}) {
        const std::int32_t height = 4;
        Bytes pixels(static_cast<std::size_t>(width * height));
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            // Long runs, runs of values that need the run form (192 and up), and noise.
            pixels[i] = i < pixels.size() / 2 ? static_cast<std::uint8_t>(192 + (i / 70) % 64)
                                              : static_cast<std::uint8_t>(rng() % 4 == 0 ? rng() : 200);
        }
        const auto pcx = EncodePcx(width, height, pixels, palette);
        ASSERT_TRUE(pcx.has_value());
        EXPECT_EQ(Le(*pcx, 66, 2), static_cast<std::uint64_t>(width)) << "bytes per line";
        EXPECT_EQ((*pcx)[pcx->size() - 769], 12) << "palette marker";
        const auto bmp = ResourceArchive::PcxToBitmap(*pcx);
        ASSERT_TRUE(bmp.has_value());
        const std::size_t stride = static_cast<std::size_t>(width + 3) / 4 * 4;
        for (std::int32_t y = 0; y < height; ++y) {
            for (std::int32_t x = 0; x < width; ++x) {
                ASSERT_EQ((*bmp)[1078 + static_cast<std::size_t>(height - 1 - y) * stride +
                                 static_cast<std::size_t>(x)],
                          pixels[static_cast<std::size_t>(y * width + x)])
                    << width << " " << x << "," << y;
            }
        }
        for (std::size_t i = 0; i < 256; ++i) {
            ASSERT_EQ((*bmp)[54 + 4 * i], palette[3 * i + 2]);
            ASSERT_EQ((*bmp)[54 + 4 * i + 2], palette[3 * i]);
        }
    }
    EXPECT_FALSE(EncodePcx(0, 1, Bytes{}, palette).has_value());
    EXPECT_FALSE(EncodePcx(2, 2, Bytes{1, 2, 3}, palette).has_value());
}

TEST(PcxEncoder, BuildsThePaletteFromColours)
{
    const std::vector<std::uint32_t> colours = {0x0000FF, 0x00FF00, 0x0000FF, 0xFF000000u | 0x123456};
    const auto pcx = EncodePcxFromColours(2, 2, colours);
    ASSERT_TRUE(pcx.has_value());
    const auto bmp = ResourceArchive::PcxToBitmap(*pcx);
    ASSERT_TRUE(bmp.has_value());
    // Bottom row first: (0,1) (1,1) then (0,0) (1,0).
    EXPECT_EQ(Bytes(bmp->begin() + 1078, bmp->begin() + 1082), (Bytes{0, 2, 0, 0}));
    EXPECT_EQ(Bytes(bmp->begin() + 1082, bmp->begin() + 1086), (Bytes{0, 1, 0, 0}));
    EXPECT_EQ(Bytes(bmp->begin() + 54, bmp->begin() + 66),
              (Bytes{0, 0, 0xFF, 0, 0, 0xFF, 0, 0, 0x12, 0x34, 0x56, 0}))
        << "blue, green, red of 0x00BBGGRR";

    std::vector<std::uint32_t> many(257);
    for (std::uint32_t i = 0; i < many.size(); ++i) {
        many[i] = i;
    }
    EXPECT_FALSE(EncodePcxFromColours(257, 1, many).has_value());
    EXPECT_TRUE(EncodePcxFromColours(256, 1, many).has_value());
}
