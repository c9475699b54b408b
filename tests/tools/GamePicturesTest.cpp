// Tests of the pictures the build writes into res00.dat: the archive holds the picture catalogue's
// items, each decodes with its layout to the catalogue's frame size and count, transparent sheets
// keep the key-colour rule, ground tiles join without seams.
#include "archive/MemoryStream.h"
#include "archive/ResourceArchive.h"
#include "graphics/PictureCatalog.h"
#include "graphics/Surface.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

const std::string Res00 = std::string(TARNHOLLOW_GAME_DIR) + "/res00.dat";

// Frames that are left empty on purpose: "table1" 8 and the unused last column of the owners'
// rows; the "dice" column 7.
bool Unused(const PictureInfo& item, int n)
{
    if (item.Name == Pictures::Table1.Name) {
        return n == 8 || (n >= 24 && n % 8 == 7);
    }
    if (item.Name == Pictures::Dice.Name) {
        return n % 8 == 7;
    }
    return false;
}

// The raw pixels of a stored 24-bit bitmap item, rows top-down, 0x00RRGGBB.
struct RawPicture
{
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;
    std::uint32_t At(int x, int y) const { return Pixels[static_cast<std::size_t>(y) * Width + x]; }
};

std::uint32_t Read32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

RawPicture ReadRaw(const std::string& name)
{
    MemoryStream stream;
    RawPicture p;
    if (ResourceArchive::Read(stream, Res00, name) != 0) {
        ADD_FAILURE() << name << " missing";
        return p;
    }
    const auto& b = stream.Bytes;
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(Read32(b, 10), 54u) << name;
    EXPECT_EQ(Read32(b, 14), 40u) << name;
    EXPECT_EQ(b[28], 24) << name;
    p.Width = static_cast<int>(Read32(b, 18));
    p.Height = static_cast<int>(Read32(b, 22));
    const std::size_t stride = (static_cast<std::size_t>(p.Width) * 3 + 3) / 4 * 4;
    EXPECT_EQ(b.size(), 54 + stride * static_cast<std::size_t>(p.Height)) << name;
    if (b.size() < 54 + stride * static_cast<std::size_t>(p.Height)) {
        return p;
    }
    p.Pixels.resize(static_cast<std::size_t>(p.Width) * p.Height);
    for (int y = 0; y < p.Height; ++y) {
        const std::uint8_t* row = b.data() + 54 + stride * static_cast<std::size_t>(p.Height - 1 - y);
        for (int x = 0; x < p.Width; ++x) {
            p.Pixels[static_cast<std::size_t>(y) * p.Width + x] =
                row[3 * x] | (row[3 * x + 1] << 8) | (static_cast<std::uint32_t>(row[3 * x + 2]) << 16);
        }
        for (std::size_t pad = static_cast<std::size_t>(p.Width) * 3; pad < stride; ++pad) {
            EXPECT_EQ(row[pad], 0) << name << ": row padding must be zero";
        }
    }
    return p;
}

TEST(GamePictures, EveryItemDecodesToItsFrameGeometry)
{
    for (const PictureInfo& item : Pictures::All) {
        SCOPED_TRACE(item.Name);
        const auto loaded = LoadPicture(item, Res00);
        const Surface& image = *loaded;
        ASSERT_FALSE(image.IsEmpty());
        EXPECT_EQ(image.Width, item.Width);
        EXPECT_EQ(image.Height, item.Height);
        if (item.Layout == 4) {
            EXPECT_EQ(image.FramesAcross, item.Across);
            EXPECT_EQ(image.FramesDown, (item.Frames + item.Across - 1) / item.Across);
        }
        if (item.Layout != 0) {
            // The last frame lies wholly inside the picture.
            const Rect last = image.FrameSource(item.Frames - 1);
            EXPECT_EQ(last.Width(), item.FrameWidth);
            EXPECT_EQ(last.Height(), item.FrameHeight);
            EXPECT_LE(last.Right, image.Width);
            EXPECT_LE(last.Bottom, image.Height);
        }
    }
}

TEST(GamePictures, StoredAsBitmapFilesExceptOnePcxPicture)
{
    const auto index = ResourceArchive::ReadIndex(Res00);
    ASSERT_TRUE(index.has_value());
    int pcx = 0;
    for (const auto& e : index->Entries) {
        if (e.Kind == ResourceArchive::KindPcx) {
            ++pcx;
            // The converted item is an 8-bit bitmap with its pixel rows after the colour table.
            MemoryStream stream;
            ASSERT_EQ(ResourceArchive::Read(stream, Res00, e.Name), 0);
            EXPECT_EQ(stream.Bytes[28], 8) << e.Name;
        }
    }
    EXPECT_GE(pcx, 1);
}

TEST(GamePictures, TheArchiveHoldsTheCataloguesItemsInItsOrder)
{
    const auto index = ResourceArchive::ReadIndex(Res00);
    ASSERT_TRUE(index.has_value());
    std::vector<std::string> stored;
    for (const auto& e : index->Entries) {
        if (e.Name != "DefaultBoard") {
            stored.push_back(e.Name);
        }
    }
    std::vector<std::string> listed;
    for (const PictureInfo& item : Pictures::All) {
        listed.emplace_back(item.Name);
        // Found by name whatever the letter case, as the archive finds items.
        std::string upper(item.Name);
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](unsigned char c) { return std::toupper(c); });
        EXPECT_EQ(FindPicture(upper), &item) << upper;
    }
    EXPECT_EQ(stored, listed);
    EXPECT_EQ(FindPicture("table2"), nullptr);
    EXPECT_EQ(FindPicture("table"), nullptr);
}

TEST(GamePictures, TransparentFramesKeepTheKeyColourRule)
{
    for (const PictureInfo& item : Pictures::All) {
        if (!item.Transparent) {
            continue;
        }
        SCOPED_TRACE(item.Name);
        const RawPicture p = ReadRaw(std::string(item.Name));
        ASSERT_EQ(p.Width, item.Width);
        const int across = item.Across;
        for (int n = 0; n < item.Frames; ++n) {
            int x0 = 0;
            int y0 = n * item.FrameHeight;
            if (item.Layout == 1) {
                x0 = (n % 8) * (item.FrameWidth + 1);
                y0 = (n / 8) * (item.FrameHeight + 1);
            } else if (item.Layout == 4) {
                x0 = (n % across) * item.FrameWidth;
                y0 = (n / across) * item.FrameHeight;
            }
            int visible = 0;
            int nearBlack = 0;
            for (int y = y0; y < y0 + item.FrameHeight; ++y) {
                for (int x = x0; x < x0 + item.FrameWidth; ++x) {
                    const std::uint32_t c = p.At(x, y);
                    if (c == 0) {
                        continue;
                    }
                    ++visible;
                    // A pixel almost black is a dark fringe left from antialiasing against the key.
                    const int r = static_cast<int>((c >> 16) & 0xFF);
                    const int g = static_cast<int>((c >> 8) & 0xFF);
                    const int b = static_cast<int>(c & 0xFF);
                    if (std::max({r, g, b}) < 12) {
                        ++nearBlack;
                    }
                }
            }
            if (Unused(item, n)) {
                EXPECT_EQ(visible, 0) << "frame " << n;
            } else {
                EXPECT_GT(visible, 0) << "frame " << n;
            }
            EXPECT_EQ(nearBlack, 0) << "frame " << n;
        }
        if (item.Layout == 1) {
            // Gutters are key colour.
            for (int y = 0; y < p.Height; ++y) {
                for (int x = item.FrameWidth; x < p.Width; x += item.FrameWidth + 1) {
                    ASSERT_EQ(p.At(x, y), 0u) << "gutter at " << x << "," << y;
                }
            }
        }
    }
}

bool InsideDiamond(int x, int y, int top)
{
    const double cx = x + 0.5 - 72.0;
    const double cy = y + 0.5 - top - 48.0;
    return std::abs(cx) / 72.0 + std::abs(cy) / 48.0 <= 1.0;
}

TEST(GamePictures, PlainGroundCoversTheDiamondExactly)
{
    const RawPicture table0 = ReadRaw("table0");
    const RawPicture blank = ReadRaw("blank");
    ASSERT_FALSE(table0.Pixels.empty());
    ASSERT_FALSE(blank.Pixels.empty());
    for (int y = 0; y < 96; ++y) {
        for (int x = 0; x < 144; ++x) {
            const bool inside = InsideDiamond(x, y, 0);
            ASSERT_EQ(table0.At(x, y) != 0, inside) << x << "," << y;
            ASSERT_EQ(blank.At(x, y) != 0, inside) << x << "," << y;
        }
    }
}

TEST(GamePictures, TilesLaidInTheGridLeaveNoGapAndNoOverlap)
{
    // Four cells around a shared vertex, placed as the board places them: every pixel of the
    // area they cover is painted exactly once.
    const RawPicture t = ReadRaw("table0");
    ASSERT_FALSE(t.Pixels.empty());
    std::vector<int> hits(288 * 192, 0);
    const int offsets[][2] = {{0, 0}, {144, 0}, {72, 48}, {72, -48}, {72, 144}, {0, 96}, {144, 96}};
    for (const auto& o : offsets) {
        for (int y = 0; y < 96; ++y) {
            for (int x = 0; x < 144; ++x) {
                const int px = o[0] + x;
                const int py = o[1] + y;
                if (px < 0 || py < 0 || px >= 288 || py >= 192 || t.At(x, y) == 0) {
                    continue;
                }
                ++hits[static_cast<std::size_t>(py) * 288 + px];
            }
        }
    }
    // The region between the cells' centres is covered by the seven diamonds.
    for (int y = 48; y < 144; ++y) {
        for (int x = 72; x < 216; ++x) {
            ASSERT_EQ(hits[static_cast<std::size_t>(y) * 288 + x], 1) << x << "," << y;
        }
    }
}

TEST(GamePictures, NoBuildingIsCutByTheTopOfItsFrame)
{
    // The highest point of every picture stays at least two pixels below the frame's top edge, so
    // no roof, spire, sign or fence post is sliced flat.
    const RawPicture t = ReadRaw("table1");
    ASSERT_FALSE(t.Pixels.empty());
    for (int n = 0; n < 72; ++n) {
        const int x0 = (n % 8) * 145;
        const int y0 = (n / 8) * 106;
        for (int y = 0; y < 2; ++y) {
            int seen = 0;
            for (int x = 0; x < 144; ++x) {
                seen += t.At(x0 + x, y0 + y) != 0 ? 1 : 0;
            }
            EXPECT_EQ(seen, 0) << "frame " << n << " row " << y;
        }
    }
}

TEST(GamePictures, TallFramesStandOnTheSameDiamondLowered)
{
    // Buildings and lots: every pixel of the cell's diamond (rows 9 to 104) is painted, so the
    // ground under a building meets its neighbours like a ground tile.
    const RawPicture t = ReadRaw("table1");
    ASSERT_FALSE(t.Pixels.empty());
    for (int n = 9; n < 72; ++n) {
        if (n == 19 || (n >= 20 && n <= 23) || (n >= 24 && n % 8 == 7)) {
            continue; // the payment picture, arrows and the unused column
        }
        const int x0 = (n % 8) * 145;
        const int y0 = (n / 8) * 106;
        int holes = 0;
        for (int y = 0; y < 105; ++y) {
            for (int x = 0; x < 144; ++x) {
                if (InsideDiamond(x, y, 9) && t.At(x0 + x, y0 + y) == 0) {
                    ++holes;
                }
            }
        }
        EXPECT_EQ(holes, 0) << "frame " << n;
    }
}

} // namespace
