// Tests of the sounds the build writes into res01.dat, and of mkres giving the same bytes on
// every run.
#include "archive/MemoryStream.h"
#include "archive/ResourceArchive.h"
#include "support/TempDir.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace {

const std::string GameDir = TARNHOLLOW_GAME_DIR;

struct SoundItem
{
    const char* Name;
    double MinSeconds;
    double MaxSeconds;
};

const SoundItem Sounds[] = {
    {"dicebox", 0.5, 0.7}, {"dice", 0.5, 0.7},    {"money", 0.2, 1.5},    {"dask", 0.2, 1.5},
    {"dinfo", 0.1, 1.5},   {"police", 0.5, 1.5},  {"prison", 0.3, 1.5},   {"hospital", 0.4, 1.5},
    {"justice", 0.3, 1.5}, {"seizure", 0.5, 1.5}, {"gameover", 1.0, 2.0}, {"winner", 1.0, 2.0},
};

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

TEST(GameSounds, EachIsAShortQuietMonoWave)
{
    const int limit = 23198; // -3 dBFS of 32767, rounded up
    for (const SoundItem& s : Sounds) {
        SCOPED_TRACE(s.Name);
        MemoryStream stream;
        ASSERT_EQ(ResourceArchive::Read(stream, GameDir + "/res01.dat", s.Name), 0);
        const auto& b = stream.Bytes;
        ASSERT_GE(b.size(), 44u);
        EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
        EXPECT_EQ(U32(b, 4), b.size() - 8);
        EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ");
        EXPECT_EQ(U32(b, 16), 16u);
        EXPECT_EQ(U16(b, 20), 1);  // PCM
        EXPECT_EQ(U16(b, 22), 1);  // mono
        EXPECT_EQ(U32(b, 24), 22050u);
        EXPECT_EQ(U32(b, 28), 44100u);
        EXPECT_EQ(U16(b, 32), 2);
        EXPECT_EQ(U16(b, 34), 16);
        EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data");
        const std::uint32_t dataBytes = U32(b, 40);
        ASSERT_EQ(dataBytes, b.size() - 44);
        const std::size_t count = dataBytes / 2;
        const double seconds = static_cast<double>(count) / 22050.0;
        EXPECT_GE(seconds, s.MinSeconds);
        EXPECT_LE(seconds, s.MaxSeconds);
        int peak = 0;
        for (std::size_t i = 0; i < count; ++i) {
            peak = std::max(peak, std::abs(static_cast<int>(static_cast<std::int16_t>(U16(b, 44 + 2 * i)))));
        }
        EXPECT_LE(peak, limit);
        EXPECT_GE(peak, limit / 2) << "too quiet";
        // Faded in and out: no click at either end.
        const auto sample = [&](std::size_t i) { return std::abs(static_cast<std::int16_t>(U16(b, 44 + 2 * i))); };
        EXPECT_LE(sample(0), 64);
        EXPECT_LE(sample(count - 1), 64);
    }
}

TEST(GameSounds, MkresGivesTheSameBytesOnEveryRun)
{
    TempDir a;
    TempDir b;
    const std::string mkres = std::string(TARNHOLLOW_BIN_DIR) + "/mkres";
    ASSERT_EQ(std::system(("'" + mkres + "' --out '" + a.File("") + "'").c_str()), 0);
    ASSERT_EQ(std::system(("'" + mkres + "' --out '" + b.File("") + "'").c_str()), 0);
    for (const char* file : {"res00.dat", "res01.dat", "Board1.brd"}) {
        const auto first = TempDir::Read(a.File(file));
        const auto second = TempDir::Read(b.File(file));
        EXPECT_FALSE(first.empty()) << file;
        EXPECT_TRUE(first == second) << file << " differs between two runs";
        // The build's own copy was made the same way.
        EXPECT_TRUE(first == TempDir::Read(GameDir + "/" + file)) << file << " differs from the build's";
    }
}

} // namespace
