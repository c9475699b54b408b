// SoundPlayer: plays the game's sound effects, wave images read by name from an archive.
#include "graphics/SoundPlayer.h"

#include "archive/ResourceArchive.h"

SoundPlayer::SoundPlayer(std::unique_ptr<AudioOutput> output) : Output(std::move(output)) {}

SoundPlayer::~SoundPlayer()
{
    // The output may still read Buffer, which goes away with this player.
    if (Output) {
        Output->Stop();
    }
}

void SoundPlayer::Play(const std::string& archivePath, const std::string& itemName, bool wait)
{
    if (Output) {
        Output->Stop();
    }
    if (ResourceArchive::Read(Buffer, archivePath, itemName) != 0) {
        // The reader leaves the previous sound in Buffer; it must not play again.
        Buffer.Clear();
        return;
    }
    if (Output) {
        Output->Play(Buffer.View(), wait);
    }
}
