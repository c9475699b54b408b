// The game's sound effects, synthesised from noise, oscillators and envelopes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace Synth {

constexpr int SampleRate = 22050;
// Peak level of every sound: -3 dBFS of full scale.
constexpr int PeakSample = 23197;

struct Sound
{
    std::string Name;
    std::vector<std::int16_t> Samples;
};

// The twelve sounds in archive order.
std::vector<Sound> MakeAllSounds();

// A RIFF WAVE file image: PCM, 16 bits, mono, SampleRate.
std::vector<std::uint8_t> EncodeWave(const std::vector<std::int16_t>& samples);

} // namespace Synth
