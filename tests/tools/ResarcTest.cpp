// Tests of the archive tool: build, list and extract round trips, refusals and exit codes.
#include "archive/ArchiveWriter.h"
#include "archive/ResourceArchive.h"
#include "archive/UtilsPcx.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using Bytes = std::vector<std::uint8_t>;

class Resarc : public ::testing::Test
{
protected:
    ToolRun Tool(const std::vector<std::string>& args) const { return RunTool("resarc", args, Dir); }

    // A refusal: exit 2, one line on standard error that contains what.
    static void ExpectRefused(const ToolRun& r, const std::string& what)
    {
        EXPECT_EQ(r.Status, 2) << r.Err;
        EXPECT_NE(r.Err.find(what), std::string::npos) << r.Err;
        EXPECT_EQ(std::count(r.Err.begin(), r.Err.end(), '\n'), 1) << r.Err;
        EXPECT_EQ(r.Err.rfind("resarc: ", 0), 0u) << r.Err;
    }

    bool Exists(const std::string& name) const { return std::filesystem::exists(Dir.File(name)); }

    TempDir Dir;
};

} // namespace

TEST_F(Resarc, BuildListAndExtractRoundTrip)
{
    const Bytes sound = {'R', 'I', 'F', 'F', 0, 1, 2, 255};
    const std::vector<std::uint32_t> colours = {0x0000FF, 0x00FF00, 0xFF0000, 0x0000FF, 0x0000FF, 0x000000};
    const Bytes pcx = EncodePcxFromColours(3, 2, colours).value();
    const Bytes board(300, 7);
    std::filesystem::create_directory(Dir.Path / "art files");
    Dir.Write("dice.wav", sound);
    Dir.Write("art files/dice.pcx", pcx);
    const std::string boardPath = Dir.Write("board.brd", board);
    Dir.WriteText("manifest.txt", "# pictures and sounds\n"
                                  "\n"
                                  "dice 0 dice.wav\r\n"
                                  "   \t\n"
                                  "  DicePic   1   art files/dice.pcx  \n"
                                  "DefaultBoard -7 " +
                                      boardPath + "\n");
    const ToolRun built = Tool({"build", Dir.File("res.dat"), Dir.File("manifest.txt")});
    ASSERT_EQ(built.Status, 0) << built.Err;
    EXPECT_EQ(built.Err, "");

    const ToolRun listed = Tool({"list", Dir.File("res.dat")});
    ASSERT_EQ(listed.Status, 0) << listed.Err;
    const std::size_t data = 4 + 3 * 40;
    std::ostringstream expected;
    expected << "dice 0 " << data << " " << sound.size() << "\n"
             << "DicePic 1 " << data + sound.size() << " " << pcx.size() << "\n"
             << "DefaultBoard -7 " << data + sound.size() + pcx.size() << " " << board.size() << "\n";
    EXPECT_EQ(listed.Out, expected.str());

    ASSERT_EQ(Tool({"extract", Dir.File("res.dat"), "DICE", Dir.File("out.wav")}).Status, 0);
    EXPECT_EQ(TempDir::Read(Dir.File("out.wav")), sound);
    ASSERT_EQ(Tool({"extract", Dir.File("res.dat"), "defaultboard", Dir.File("out.brd")}).Status, 0);
    EXPECT_EQ(TempDir::Read(Dir.File("out.brd")), board);
    // A kind-1 item comes out as the reader hands it over: the converted bitmap.
    ASSERT_EQ(Tool({"extract", Dir.File("res.dat"), "dicepic", Dir.File("out.bmp")}).Status, 0);
    const Bytes bmp = TempDir::Read(Dir.File("out.bmp"));
    EXPECT_EQ(bmp, ResourceArchive::PcxToBitmap(pcx).value());
    ASSERT_EQ(bmp.size(), 1078u + 8);
    EXPECT_EQ(Bytes(bmp.begin() + 1078 + 4, bmp.begin() + 1078 + 7), (Bytes{0, 1, 2}))
        << "top line in the last row";
}

TEST_F(Resarc, RefusesBadManifestsNamingTheLineAndWritesNothing)
{
    Dir.Write("a.bin", Bytes{1});
    Dir.Write("b.bin", Bytes{2});
    const std::string archive = Dir.File("res.dat");
    struct Case
    {
        const char* Manifest;
        const char* Message;
    };
    const Case cases[] = {
        {"a 0 a.bin\n# fine\nABCDEFGHIJKLMNOP 0 b.bin\n",
         "manifest.txt:3: item name \"ABCDEFGHIJKLMNOP\" is longer than 15"},
        {"a 0 a.bin\nb 0 missing.bin\n", "manifest.txt:2: cannot read file"},
        {"a 0 a.bin\n\nb 0 b.bin\nA 1 b.bin\n",
         "manifest.txt:4: duplicate item name \"A\" (first on line 1)"},
        {"a x a.bin\n", "manifest.txt:1: kind \"x\" is not a 32-bit whole number"},
        {"a 4294967296 a.bin\n", "manifest.txt:1: kind \"4294967296\""},
        {"a 0\n", "manifest.txt:1: expected NAME KIND FILE"},
        {"b 0 b.bin\nsolo\n", "manifest.txt:2: expected NAME KIND FILE"},
        {"a 0 .\n", "manifest.txt:1: cannot read file"},
    };
    for (const Case& c : cases) {
        Dir.WriteText("manifest.txt", c.Manifest);
        ExpectRefused(Tool({"build", archive, Dir.File("manifest.txt")}), c.Message);
        EXPECT_FALSE(Exists("res.dat")) << c.Manifest;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Dir.Path),
                                std::filesystem::directory_iterator()),
                  5)
            << "no temporary left: " << c.Manifest;
    }
    // A refused build leaves an existing archive as it was.
    Dir.WriteText("manifest.txt", "a 0 a.bin\n");
    ASSERT_EQ(Tool({"build", archive, Dir.File("manifest.txt")}).Status, 0);
    const Bytes before = TempDir::Read(archive);
    Dir.WriteText("manifest.txt", "b 0 b.bin\nb 0 b.bin\n");
    ExpectRefused(Tool({"build", archive, Dir.File("manifest.txt")}), "duplicate");
    EXPECT_EQ(TempDir::Read(archive), before);

    ExpectRefused(Tool({"build", archive, Dir.File("none.txt")}), "cannot read manifest");
    ExpectRefused(Tool({"build", Dir.File("no/folder/res.dat"), Dir.File("manifest.txt")}), "");
}

TEST_F(Resarc, ExitCodesForMissingItemsBadArchivesAndBadUsage)
{
    ArchiveWriter writer;
    ASSERT_TRUE(writer.Add("dice", 0, {1, 2, 3}));
    ASSERT_TRUE(writer.Add("money", 0, {4}));
    Bytes image = writer.Image();
    const std::string good = Dir.Write("good.dat", image);

    const ToolRun missingItem = Tool({"extract", good, "winner", Dir.File("out")});
    EXPECT_EQ(missingItem.Status, 1);
    EXPECT_EQ(missingItem.Err, "resarc: Resource <winner> not found, FILE: " + good + "\n");
    EXPECT_FALSE(Exists("out"));

    ExpectRefused(Tool({"list", Dir.File("absent.dat")}), "cannot open archive");
    ExpectRefused(Tool({"extract", Dir.File("absent.dat"), "dice", Dir.File("out")}), "cannot open archive");
    ExpectRefused(Tool({"list", Dir.Path.string()}), "cannot open archive");

    const std::string cut = Dir.Write("cut.dat", Bytes(image.begin(), image.begin() + 50));
    ExpectRefused(Tool({"list", cut}), "runs past the end");
    ExpectRefused(Tool({"extract", cut, "dice", Dir.File("out")}), "bad archive");
    Bytes negative = image;
    negative[3] = 0x80;
    ExpectRefused(Tool({"list", Dir.Write("neg.dat", negative)}), "negative entry count");

    // An entry outside the file: list shows the index and fails; extract of that entry fails, of
    // another entry works.
    Bytes outside = image;
    outside[4 + 40 + 32] = 200;
    const std::string damaged = Dir.Write("damaged.dat", outside);
    const ToolRun listed = Tool({"list", damaged});
    ExpectRefused(listed, "item \"money\"");
    EXPECT_EQ(std::count(listed.Out.begin(), listed.Out.end(), '\n'), 2);
    ExpectRefused(Tool({"extract", damaged, "MONEY", Dir.File("out")}), "runs past the end");
    EXPECT_EQ(Tool({"extract", damaged, "dice", Dir.File("out")}).Status, 0);

    ExpectRefused(Tool({"extract", good, "dice", Dir.File("no/folder/out")}), "cannot write");
    for (const auto& args : std::vector<std::vector<std::string>>{{},
                                                                  {"list"},
                                                                  {"list", good, "extra"},
                                                                  {"extract", good, "dice"},
                                                                  {"unpack", good},
                                                                  {"build", good}}) {
        ExpectRefused(Tool(args), "usage: resarc");
    }
    const ToolRun help = Tool({"--help"});
    EXPECT_EQ(help.Status, 0);
    EXPECT_NE(help.Out.find("usage: resarc"), std::string::npos);
}
