// AudioOutput: what the sound player needs from the platform: play a wave file image, stop it.
#pragma once

#include <cstdint>
#include <span>

class AudioOutput
{
public:
    virtual ~AudioOutput() = default;

    // Plays a wave file image, replacing whatever plays. With wait the call returns when the sound
    // has ended; without it at once. The bytes must stay unchanged until the next Stop or Play.
    // False when the sound cannot be played (no device, bad data); it is then silently dropped.
    virtual bool Play(std::span<const std::uint8_t> wave, bool wait) = 0;

    // Stops the sound that plays; afterwards the output no longer reads the bytes it was given.
    virtual void Stop() = 0;
};
