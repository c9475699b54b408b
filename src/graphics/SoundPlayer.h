// SoundPlayer: plays the game's sound effects, wave images read by name from an archive.
#pragma once

#include "archive/MemoryStream.h"
#include "graphics/AudioOutput.h"

#include <memory>
#include <string>

class SoundPlayer
{
public:
    // A player without output plays nothing and never waits.
    explicit SoundPlayer(std::unique_ptr<AudioOutput> output);
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // Reads the item into Buffer and plays it: with wait the call returns when the sound has ended,
    // without it at once (as AudioOutput::Play and RulesHost::PlaySound take wait). The sound that
    // plays is stopped first, before Buffer is refilled. A missing item plays nothing.
    void Play(const std::string& archivePath, const std::string& itemName, bool wait);

    // The bytes of the sound that plays (empty after a missing item).
    MemoryStream Buffer;

private:
    std::unique_ptr<AudioOutput> Output;
};
