// Tests of the SDL sound output on SDL's disk driver (writing to /dev/null without delay).
#include "platform/SdlAudio.h"

#include "archive/ArchiveWriter.h"
#include "graphics/SoundPlayer.h"
#include "support/TempDir.h"
#include "support/Wave.h"

#include <SDL.h>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Sets an environment variable for one scope.
class ScopedEnv
{
public:
    ScopedEnv(const char* name, const char* value) : Name(name)
    {
        const char* old = std::getenv(name);
        Had = old != nullptr;
        if (Had) {
            Old = old;
        }
        setenv(name, value, 1);
    }
    ~ScopedEnv()
    {
        if (Had) {
            setenv(Name, Old.c_str(), 1);
        } else {
            unsetenv(Name);
        }
    }

private:
    const char* Name;
    std::string Old;
    bool Had = false;
};

} // namespace

TEST(SdlAudio, ConvertsQueuesAndDrainsWhenWaiting)
{
    SdlAudio audio;
    EXPECT_FALSE(audio.HasDevice()) << "nothing opens before the first sound";
    // Half a second of 8-bit mono at 11025 Hz: converted to the device's format and rate.
    ASSERT_TRUE(audio.Play(MakeWave(11025, 1, 8, 5512), true));
    ASSERT_TRUE(audio.HasDevice());
    EXPECT_EQ(audio.Pending(), 0u) << "waiting returns when the queue has drained";
    const double seconds = static_cast<double>(audio.LastQueuedBytes()) / (44100.0 * 4);
    EXPECT_NEAR(seconds, 0.5, 0.01) << "converted to 16-bit stereo at 44.1 kHz";

    // 16-bit stereo at 22050 Hz, not waiting: returns with the sound queued or playing.
    ASSERT_TRUE(audio.Play(MakeWave(22050, 2, 16, 2205), false));
    EXPECT_NEAR(static_cast<double>(audio.LastQueuedBytes()) / (44100.0 * 4), 0.1, 0.01);
}

TEST(SdlAudio, AsyncReturnsWithTheSoundQueuedAndANewSoundReplacesIt)
{
    // A disk device paced at 50 ms a buffer takes seconds to drain five seconds of sound.
    const ScopedEnv slow("SDL_DISKAUDIODELAY", "50");
    SdlAudio audio;
    ASSERT_TRUE(audio.Play(MakeWave(22050, 1, 16, 5 * 22050), false));
    EXPECT_GT(audio.Pending(), 0u) << "not waiting returns before the sound has played";
    const std::uint32_t first = audio.Pending();
    ASSERT_TRUE(audio.Play(MakeWave(22050, 1, 16, 2205), false));
    EXPECT_LE(audio.Pending(), audio.LastQueuedBytes()) << "the first sound's rest was dropped";
    EXPECT_LT(audio.LastQueuedBytes(), first);
    audio.Stop();
    EXPECT_EQ(audio.Pending(), 0u);
}

TEST(SdlAudio, BadWaveDataIsDroppedAndTheDeviceStaysUsable)
{
    SdlAudio audio;
    Bytes good = MakeWave(8000, 1, 8, 800);
    Bytes truncated(good.begin(), good.begin() + 30);
    Bytes notWave = good;
    notWave[8] = 'X';
    Bytes badFormat = good;
    badFormat[20] = 0x55; // an unknown encoding
    Bytes noFrames = MakeWave(8000, 1, 8, 0);
    for (const Bytes& bad : {Bytes{}, truncated, notWave, badFormat, noFrames}) {
        EXPECT_FALSE(audio.Play(bad, true)) << bad.size();
        EXPECT_EQ(audio.LastQueuedBytes(), 0u);
    }
    EXPECT_TRUE(audio.Play(good, true));
    EXPECT_GT(audio.LastQueuedBytes(), 0u);
}

TEST(SdlAudio, WithoutADeviceItIsSilentAndNeverWaits)
{
    const ScopedEnv none("SDL_AUDIODRIVER", "no-such-driver");
    SdlAudio audio;
    EXPECT_FALSE(audio.Play(MakeWave(8000, 1, 8, 8000 * 60), true))
        << "a minute-long sound that must not be waited for";
    EXPECT_FALSE(audio.HasDevice());
    EXPECT_EQ(audio.Pending(), 0u);
    audio.Stop();
}

TEST(SdlAudio, SoundPlayerPlaysArchiveItemsAndStopsForAMissingOne)
{
    const ScopedEnv slow("SDL_DISKAUDIODELAY", "50");
    TempDir dir;
    ArchiveWriter writer;
    ASSERT_TRUE(writer.Add("dicebox", 0, MakeWave(11025, 2, 16, 11025 * 3)));
    ASSERT_TRUE(writer.Add("dice", 0, MakeWave(11025, 1, 8, 1000)));
    const std::string archive = dir.Write("res01.dat", writer.Image());
    auto output = std::make_unique<SdlAudio>();
    SdlAudio& audio = *output;
    SoundPlayer player(std::move(output));
    player.Play(archive, "DICE", true);
    EXPECT_EQ(audio.Pending(), 0u) << "waited to the end";
    EXPECT_NEAR(static_cast<double>(audio.LastQueuedBytes()) / (44100.0 * 4), 1000.0 / 11025, 0.005);
    player.Play(archive, "dicebox", false);
    EXPECT_NEAR(static_cast<double>(audio.LastQueuedBytes()) / (44100.0 * 4), 3.0, 0.01);
    ASSERT_GT(audio.Pending(), 0u);
    player.Play(archive, "gameover", false);
    EXPECT_EQ(audio.Pending(), 0u) << "a missing item stops the old sound and plays nothing";
}
