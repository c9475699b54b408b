// Tests of the board file: layout, round trips, rejected files, the default board fallback, the
// derived fields and safe saving.
#include "archive/ArchiveWriter.h"
#include "board/Board.h"
#include "board/BoardText.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

Board Sample()
{
    BoardText text;
    text.Map = {
        "......", ".>>>v.", ".^oJv.", ".^.Zv.", ".^<<<.", "......",
    };
    text.Streets = {
        "......", ".0123.", ".V..4.", ".U..5.", ".A987.", "......",
    };
    text.StreetNames = {"Mill Lane", "Quay Street"};
    text.StartX = 1;
    text.StartY = 1;
    Board board = *BoardFromText(text);
    board.At(2, 2).Pawns = 0b100101; // pawns are stored as they are
    return board;
}

void Put32(Bytes& b, std::size_t at, std::int32_t value)
{
    for (int i = 0; i < 4; ++i) {
        b[at + static_cast<std::size_t>(i)] =
            static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i));
    }
}

// A board file image of width x height zero cells.
Bytes EmptyImage(std::int32_t width, std::int32_t height)
{
    Bytes bytes(528 + 5 * static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    Put32(bytes, 0, width);
    Put32(bytes, 4, height);
    return bytes;
}

// An archive holding the given board as "DefaultBoard".
std::string WriteArchive(const TempDir& dir, const Board& board, const std::string& name = "res00.dat")
{
    ArchiveWriter writer;
    EXPECT_TRUE(writer.Add("DefaultBoard", 0, board.FileImage()));
    const std::string path = dir.File(name);
    EXPECT_TRUE(writer.WriteFile(path));
    return path;
}

TEST(BoardFile, ThreeByThreeFileLayout)
{
    Board board;
    board.New(3, 3);
    board.At(2, 1) = Cell{10, 1, 2, 3, 4};
    board.StartX = -2;
    board.StartY = 0x01020304;
    board.SetStreetName(31, "Last");
    const Bytes image = board.FileImage();
    ASSERT_EQ(image.size(), 573u);
    EXPECT_EQ(image[0], 3);
    EXPECT_EQ(image[4], 3);
    const std::size_t cell = 8 + 5 * (1 * 3 + 2);
    EXPECT_EQ(Bytes(image.begin() + cell, image.begin() + cell + 5), (Bytes{10, 1, 2, 3, 4}));
    EXPECT_EQ(Bytes(image.begin() + 53, image.begin() + 61), (Bytes{0xFE, 0xFF, 0xFF, 0xFF, 4, 3, 2, 1}));
    EXPECT_EQ(image[61], 'S'); // street 0, "Street Name"
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&image[61 + 31 * 16])), "Last");
}

TEST(BoardFile, SaveAndLoadGiveTheSameBytesAndCentreTheView)
{
    TempDir dir;
    const Board board = Sample();
    const std::string path = dir.File("town.brd");
    ASSERT_TRUE(board.SaveFile(path));
    EXPECT_EQ(TempDir::Read(path), board.FileImage());
    EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));

    Board loaded;
    loaded.CenterX = 99;
    EXPECT_EQ(loaded.LoadFile(path, dir.File("res00.dat")), BoardSource::File);
    EXPECT_EQ(loaded.FileImage(), board.FileImage());
    EXPECT_EQ(loaded.CenterX, 3);
    EXPECT_EQ(loaded.CenterY, 3);
    EXPECT_EQ(loaded.GetStreetName(1), "Quay Street");
    EXPECT_EQ(loaded.At(2, 2).Pawns, 0b100101);
}

TEST(BoardFile, LoadFindsTheZoneAndItsExit)
{
    TempDir dir;
    const std::string path = dir.File("town.brd");
    ASSERT_TRUE(Sample().SaveFile(path));
    Board board;
    board.LoadFile(path, dir.File("none.dat"));
    EXPECT_EQ(board.JailX, 3);
    EXPECT_EQ(board.JailY, 3);
    // Rows 1 to 4 around the zone, columns 2 to 4: the lowest row with a direction is row 4.
    EXPECT_EQ(board.ExitX, 2);
    EXPECT_EQ(board.ExitY, 4);
}

TEST(BoardFile, DerivedFieldsWithoutZoneWithSeveralZonesAndAtTheGridsEdge)
{
    Board board;
    board.New(6, 6);
    board.At(1, 1).Direction = 1;
    board.At(3, 3).Direction = 2;
    board.SetDerivedFields();
    EXPECT_EQ(board.JailX, 2); // no zone: around (2, 2)
    EXPECT_EQ(board.JailY, 2);
    EXPECT_EQ(board.ExitX, 3);
    EXPECT_EQ(board.ExitY, 3);

    board.At(4, 1).Kind = CellKind::PrisonZone;
    board.At(5, 1).Kind = CellKind::PrisonZone;
    board.At(0, 4).Kind = CellKind::PrisonZone;
    board.At(1, 4).Kind = CellKind::PrisonZone;
    board.SetDerivedFields();
    EXPECT_EQ(board.JailX, 0); // lowest row, leftmost in it
    EXPECT_EQ(board.JailY, 4);
    EXPECT_EQ(board.ExitX, 0); // nothing with a direction around it, part of it off the grid
    EXPECT_EQ(board.ExitY, 0);

    board.At(1, 2).Direction = 4;
    board.At(0, 5).Direction = 3;
    board.At(1, 5).Direction = 3;
    board.SetDerivedFields();
    EXPECT_EQ(board.ExitX, 0); // lowest row wins, first column in it
    EXPECT_EQ(board.ExitY, 5);
}

TEST(BoardFile, StreetNameWithoutTerminatingZeroReadsAs15Characters)
{
    Bytes image = EmptyImage(2, 2);
    const std::size_t names = 8 + 5 * 4 + 8;
    for (std::size_t i = 0; i < 16; ++i) {
        image[names + 16 * 3 + i] = static_cast<std::uint8_t>('a' + i);
    }
    Board board;
    ASSERT_TRUE(board.ReadFrom(image));
    EXPECT_EQ(board.GetStreetName(3), "abcdefghijklmno");
    EXPECT_EQ(board.GetStreetName(4), "");
    EXPECT_EQ(board.FileImage()[names + 16 * 3 + 15], 0); // saved terminated

    // Nor is a letter split: "Nørrebrogade Ø" fills the slot, its "Ø" across the 15th byte.
    const std::string full = "Nørrebrogade Ø";
    ASSERT_EQ(full.size(), 16u);
    std::copy(full.begin(), full.end(), image.begin() + static_cast<std::ptrdiff_t>(names + 16 * 5));
    ASSERT_TRUE(board.ReadFrom(image));
    EXPECT_EQ(board.GetStreetName(5), "Nørrebrogade ");
    const Bytes saved = board.FileImage();
    EXPECT_EQ(saved[names + 16 * 5 + 14], 0);
    EXPECT_EQ(saved[names + 16 * 5 + 15], 0);
}

TEST(BoardFile, ReaderRefusesSizesThatDoNotMatchAndKeepsTheBoard)
{
    Board board = Sample();
    const Bytes before = board.FileImage();

    std::vector<Bytes> bad;
    Bytes shortImage = EmptyImage(3, 3);
    shortImage.pop_back();
    bad.push_back(shortImage);
    Bytes longImage = EmptyImage(3, 3);
    longImage.push_back(0);
    bad.push_back(longImage);
    bad.push_back(EmptyImage(0, 3));
    bad.push_back(EmptyImage(3, 0));
    Bytes negative = EmptyImage(3, 3);
    Put32(negative, 0, -3);
    bad.push_back(negative);
    bad.push_back(EmptyImage(257, 1));
    bad.push_back(EmptyImage(1, 257));
    // Sizes whose product wraps around in 32 bits to what the length would allow.
    Bytes wrapping = EmptyImage(1, 1);
    Put32(wrapping, 0, 65536);
    Put32(wrapping, 4, 65536);
    bad.push_back(wrapping);
    bad.push_back(Bytes{});
    bad.push_back(Bytes(8, 0));

    for (const Bytes& image : bad) {
        EXPECT_FALSE(board.ReadFrom(image)) << image.size();
        EXPECT_EQ(board.FileImage(), before);
    }
    EXPECT_TRUE(board.ReadFrom(EmptyImage(256, 256)));
    EXPECT_EQ(board.Width(), 256);
}

TEST(BoardFile, ReaderRefusesCellBytesNoToolMakes)
{
    struct Case
    {
        Cell cell;
        bool usable;
    };
    const Case cases[] = {
        {{80, 6, 0, 28, 0}, true},         // a mortgaged hotel of player 6
        {{31, 0, 8, 31, 0}, true},         // a junction on street 31
        {{72, 0, 0, 200, 0b111111}, true}, // six pawns; street bytes off the roads are not names
        {{81, 0, 0, 0, 0}, false},         // unknown kind
        {{74, 7, 0, 0, 0}, false},         // a seventh player
        {{10, 0, 9, 0, 0}, false},         // no such direction
        {{10, 0, 1, 32, 0}, false},        // a street without a name
        {{40, 0, 1, 32, 0}, false},        // kinds up to 63 are roads for the values
        {{10, 0, 1, 0, 64}, false},        // a pawn of a seventh player
    };
    for (const Case& c : cases) {
        Bytes image = EmptyImage(2, 1);
        const Cell& cell = c.cell;
        std::copy_n(Bytes{cell.Kind, cell.Owner, cell.Direction, cell.Street, cell.Pawns}.begin(), 5,
                    image.begin() + 13);
        Board board;
        EXPECT_EQ(board.ReadFrom(image), c.usable) << int(cell.Kind) << " " << int(cell.Owner) << " "
                                                   << int(cell.Direction) << " " << int(cell.Street);
        if (c.usable) {
            EXPECT_EQ(board.At(1, 0), cell);
        }
    }
}

TEST(BoardFile, MissingOrBrokenFileLoadsTheDefaultBoard)
{
    TempDir dir;
    const Board fallback = Sample();
    const std::string archive = WriteArchive(dir, fallback);

    Board board;
    EXPECT_EQ(board.LoadFile(dir.File("missing.brd"), archive), BoardSource::DefaultBoard);
    EXPECT_EQ(board.FileImage(), fallback.FileImage());
    EXPECT_EQ(board.CenterX, 3);
    EXPECT_EQ(board.JailX, 3);

    Bytes broken = EmptyImage(4, 4);
    broken.resize(broken.size() - 10);
    Board other;
    EXPECT_EQ(other.LoadFile(dir.Write("broken.brd", broken), archive), BoardSource::DefaultBoard);
    EXPECT_EQ(other.FileImage(), fallback.FileImage());

    // A folder of that name cannot be read as a file either.
    std::filesystem::create_directory(dir.Path / "folder.brd");
    EXPECT_EQ(other.LoadFile(dir.File("folder.brd"), archive), BoardSource::DefaultBoard);
}

TEST(BoardFile, WithoutFileAndDefaultBoardTheBoardStaysAsItWas)
{
    TempDir dir;
    Board board = Sample();
    board.CenterX = 1;
    const Bytes before = board.FileImage();
    EXPECT_EQ(board.LoadFile(dir.File("missing.brd"), dir.File("missing.dat")), BoardSource::None);
    EXPECT_EQ(board.FileImage(), before);
    EXPECT_EQ(board.CenterX, 1);

    // An archive without the item, and one whose item is no board.
    ArchiveWriter writer;
    ASSERT_TRUE(writer.Add("Other", 0, Sample().FileImage()));
    ASSERT_TRUE(writer.WriteFile(dir.File("other.dat")));
    EXPECT_EQ(board.LoadFile(dir.File("missing.brd"), dir.File("other.dat")), BoardSource::None);
    ArchiveWriter junk;
    ASSERT_TRUE(junk.Add("DefaultBoard", 0, Bytes{1, 2, 3}));
    ASSERT_TRUE(junk.WriteFile(dir.File("junk.dat")));
    EXPECT_EQ(board.LoadFile(dir.File("missing.brd"), dir.File("junk.dat")), BoardSource::None);
    EXPECT_EQ(board.FileImage(), before);
}

TEST(BoardFile, NamesDifferingInLetterCaseFindTheFile)
{
    TempDir dir;
    Board saved = Sample();
    ASSERT_TRUE(saved.SaveFile(dir.File("Board1.brd")));
    Board board;
    EXPECT_EQ(board.LoadFile(dir.File("board1.BRD"), dir.File("none.dat")), BoardSource::File);
    EXPECT_EQ(board.FileImage(), saved.FileImage());

    // Saving under the other spelling replaces the file instead of adding a second one.
    board.SetStreetName(0, "Renamed");
    ASSERT_TRUE(board.SaveFile(dir.File("BOARD1.brd")));
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(dir.Path), std::filesystem::directory_iterator()),
        1);
    EXPECT_EQ(TempDir::Read(dir.File("Board1.brd")), board.FileImage());
}

TEST(BoardFile, FailedSaveReportsItAndLeavesTheOldFile)
{
    TempDir dir;
    const std::string path = dir.File("keep.brd");
    const Bytes old{1, 2, 3, 4};
    dir.Write("keep.brd", old);
    // The temporary file cannot be made where a folder of its name stands.
    std::filesystem::create_directory(path + ".tmp");
    EXPECT_FALSE(Sample().SaveFile(path));
    EXPECT_EQ(TempDir::Read(path), old);

    EXPECT_FALSE(Sample().SaveFile(dir.File("no such folder/board.brd")));

    // A folder where the board should go is not replaced.
    std::filesystem::create_directory(dir.Path / "taken.brd");
    std::filesystem::create_directory(dir.Path / "taken.brd" / "inside");
    EXPECT_FALSE(Sample().SaveFile(dir.File("taken.brd")));
    EXPECT_TRUE(std::filesystem::is_directory(dir.Path / "taken.brd" / "inside"));
    EXPECT_FALSE(std::filesystem::exists(dir.File("taken.brd.tmp")));
}

} // namespace
