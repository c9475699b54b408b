// SdlAudio: the sound output on SDL's audio queue.
#pragma once

#include "graphics/AudioOutput.h"

#include <cstdint>

class SdlAudio : public AudioOutput
{
public:
    SdlAudio();
    ~SdlAudio() override;
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    bool Play(std::span<const std::uint8_t> wave, bool wait) override;
    void Stop() override;

    // Whether a device is open (it opens with the first sound; false also when none could open).
    bool HasDevice() const { return Device != 0; }
    // Bytes still queued for the device.
    std::uint32_t Pending() const;
    // The converted bytes of the last sound queued, 0 when none was.
    std::uint32_t LastQueuedBytes() const { return QueuedBytes; }

private:
    bool Open();
    void WaitForEnd(std::uint32_t bytes);

    std::uint32_t Device = 0;
    bool Tried = false;
    bool SubsystemStarted = false;
    bool Audible = true; // false for SDL's drivers that nobody hears (disk, dummy)
    int Frequency = 0;
    int FrameBytes = 0;
    int BufferFrames = 0;
    std::uint16_t Format = 0;
    std::uint8_t Channels = 0;
    std::uint32_t QueuedBytes = 0;
};
