// SdlAudio: the sound output on SDL's audio queue.
#include "platform/SdlAudio.h"

#include <SDL.h>
#include <climits>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

namespace {

struct WaveFree
{
    void operator()(Uint8* p) const { SDL_FreeWAV(p); }
};

} // namespace

SdlAudio::SdlAudio() = default;

SdlAudio::~SdlAudio()
{
    if (Device != 0) {
        SDL_CloseAudioDevice(Device);
    }
    if (SubsystemStarted) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

// Opened on first use so that a game that never sounds never holds a device; tried once only.
bool SdlAudio::Open()
{
    if (Tried) {
        return Device != 0;
    }
    Tried = true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    SubsystemStarted = true;
    SDL_AudioSpec want{};
    want.freq = 44100;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;
    SDL_AudioSpec have{};
    Device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, SDL_AUDIO_ALLOW_ANY_CHANGE);
    if (Device == 0) {
        return false;
    }
    Frequency = have.freq;
    Format = have.format;
    Channels = have.channels;
    FrameBytes = static_cast<int>(SDL_AUDIO_BITSIZE(have.format) / 8 * have.channels);
    BufferFrames = have.samples;
    const char* driver = SDL_GetCurrentAudioDriver();
    const std::string_view name = driver ? driver : "";
    Audible = name != "disk" && name != "dummy";
    SDL_PauseAudioDevice(Device, 0);
    return true;
}

std::uint32_t SdlAudio::Pending() const
{
    return Device != 0 ? SDL_GetQueuedAudioSize(Device) : 0;
}

void SdlAudio::Stop()
{
    if (Device == 0) {
        return;
    }
    SDL_PauseAudioDevice(Device, 1);
    SDL_ClearQueuedAudio(Device);
    SDL_PauseAudioDevice(Device, 0);
}

bool SdlAudio::Play(std::span<const std::uint8_t> wave, bool wait)
{
    QueuedBytes = 0;
    if (!Open() || wave.empty() || wave.size() > static_cast<std::size_t>(INT_MAX)) {
        return false;
    }
    Stop();

    SDL_AudioSpec spec{};
    Uint8* raw = nullptr;
    Uint32 length = 0;
    SDL_RWops* rw = SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size()));
    if (!rw || !SDL_LoadWAV_RW(rw, 1, &spec, &raw, &length)) {
        return false;
    }
    const std::unique_ptr<Uint8, WaveFree> decoded(raw);
    if (length == 0) {
        return false;
    }

    SDL_AudioCVT cvt{};
    const int build =
        SDL_BuildAudioCVT(&cvt, spec.format, spec.channels, spec.freq, Format, Channels, Frequency);
    if (build < 0) {
        return false;
    }
    std::vector<Uint8> converted;
    const Uint8* data = decoded.get();
    Uint32 bytes = length;
    if (build > 0) {
        if (cvt.len_mult <= 0 || length > static_cast<Uint32>(INT_MAX / cvt.len_mult)) {
            return false;
        }
        converted.resize(static_cast<std::size_t>(length) * static_cast<std::size_t>(cvt.len_mult));
        std::memcpy(converted.data(), decoded.get(), length);
        cvt.buf = converted.data();
        cvt.len = static_cast<int>(length);
        if (SDL_ConvertAudio(&cvt) != 0 || cvt.len_cvt < 0) {
            return false;
        }
        data = converted.data();
        bytes = static_cast<Uint32>(cvt.len_cvt);
    }
    // Whole frames only: a stray partial frame would shift every later sound's channels.
    bytes -= bytes % static_cast<Uint32>(FrameBytes);
    if (bytes == 0 || SDL_QueueAudio(Device, data, bytes) != 0) {
        return false;
    }
    QueuedBytes = bytes;
    if (wait) {
        WaitForEnd(bytes);
    }
    return true;
}

// Until the queue has drained, then one device buffer more (its last fill still sounds). Never
// longer than the sound's own length plus a second, whatever the device does.
void SdlAudio::WaitForEnd(std::uint32_t bytes)
{
    const Uint64 perSecond = static_cast<Uint64>(Frequency) * static_cast<Uint64>(FrameBytes);
    if (perSecond == 0) {
        return;
    }
    const Uint64 soundMs = static_cast<Uint64>(bytes) * 1000 / perSecond;
    const Uint64 bufferMs = static_cast<Uint64>(BufferFrames) * 1000 / static_cast<Uint64>(Frequency);
    const Uint64 deadline = SDL_GetTicks64() + soundMs + bufferMs + 1000;
    while (SDL_GetQueuedAudioSize(Device) > 0 && SDL_GetTicks64() < deadline) {
        SDL_Delay(2);
    }
    if (Audible) {
        SDL_Delay(static_cast<Uint32>(bufferMs));
    }
}
