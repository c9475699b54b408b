// Tests of the sound player's logic on a recording output: stop before refill, missing items.
#include "graphics/SoundPlayer.h"

#include "archive/ArchiveWriter.h"
#include "support/TempDir.h"
#include "support/Wave.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Records what it is asked to play and checks, whenever it is stopped, that the bytes it plays
// from have not been touched yet.
class RecordingOutput : public AudioOutput
{
public:
    struct Log
    {
        std::vector<std::string> Calls;
        std::vector<Bytes> Played;
        std::vector<bool> Waited;
        int RefilledWhilePlaying = 0;
    };

    RecordingOutput(Log& log, const SoundPlayer*& player) : Record(log), Player(player) {}

    bool Play(std::span<const std::uint8_t> wave, bool wait) override
    {
        CheckUntouched();
        Record.Calls.push_back("play");
        Record.Played.emplace_back(wave.begin(), wave.end());
        Record.Waited.push_back(wait);
        Playing = true;
        return true;
    }
    void Stop() override
    {
        CheckUntouched();
        Record.Calls.push_back("stop");
        Playing = false;
    }

private:
    void CheckUntouched()
    {
        if (Playing && Player && Player->Buffer.Bytes != Record.Played.back()) {
            ++Record.RefilledWhilePlaying;
        }
    }

    Log& Record;
    const SoundPlayer*& Player;
    bool Playing = false;
};

class SoundPlayerTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ArchiveWriter writer;
        ASSERT_TRUE(writer.Add("dicebox", 0, Box));
        ASSERT_TRUE(writer.Add("money", 0, Money));
        Archive = Dir.Write("res01.dat", writer.Image());
        Player = std::make_unique<SoundPlayer>(std::make_unique<RecordingOutput>(Record, PlayerView));
        PlayerView = Player.get();
    }

    TempDir Dir;
    std::string Archive;
    Bytes Box = MakeWave(11025, 1, 8, 300);
    Bytes Money = MakeWave(22050, 2, 16, 100);
    RecordingOutput::Log Record;
    const SoundPlayer* PlayerView = nullptr;
    std::unique_ptr<SoundPlayer> Player;
};

} // namespace

TEST_F(SoundPlayerTest, StopsTheSoundBeforeRefillingItsBuffer)
{
    Player->Play(Archive, "dicebox", true);
    Player->Play(Archive, "MONEY", false);
    Player->Play(Archive, "dicebox", false);
    EXPECT_EQ(Record.RefilledWhilePlaying, 0);
    EXPECT_EQ(Record.Calls, (std::vector<std::string>{"stop", "play", "stop", "play", "stop", "play"}));
    ASSERT_EQ(Record.Played.size(), 3u);
    EXPECT_EQ(Record.Played[0], Box);
    EXPECT_EQ(Record.Played[1], Money);
    EXPECT_EQ(Record.Waited, (std::vector<bool>{true, false, false})) << "wait passes through unchanged";
    EXPECT_EQ(Player->Buffer.Bytes, Box);
}

TEST_F(SoundPlayerTest, MissingItemPlaysNothingAndStopsTheOldSound)
{
    Player->Play(Archive, "money", false);
    Player->Play(Archive, "winner", false);
    EXPECT_EQ(Record.Calls, (std::vector<std::string>{"stop", "play", "stop"}));
    EXPECT_TRUE(Player->Buffer.Bytes.empty()) << "the previous sound must not linger to be replayed";
    Player->Play(Dir.File("res99.dat"), "money", true);
    EXPECT_EQ(Record.Played.size(), 1u);
    Player->Play(Archive, "money", false);
    EXPECT_EQ(Record.Played.size(), 2u);
    EXPECT_EQ(Record.RefilledWhilePlaying, 0);
}

TEST_F(SoundPlayerTest, DestroyingThePlayerStopsItsSound)
{
    Player->Play(Archive, "money", false);
    Player.reset();
    EXPECT_EQ(Record.Calls.back(), "stop");
}

TEST(SoundPlayer, WithoutOutputItStillReadsAndNeverFails)
{
    TempDir dir;
    ArchiveWriter writer;
    ASSERT_TRUE(writer.Add("dice", 0, {1, 2}));
    const std::string archive = dir.Write("res01.dat", writer.Image());
    SoundPlayer player(nullptr);
    player.Play(archive, "dice", true);
    EXPECT_EQ(player.Buffer.Bytes, (Bytes{1, 2}));
    player.Play(archive, "none", true);
    EXPECT_TRUE(player.Buffer.Bytes.empty());
}
