// MakeWave: a small PCM wave file image (a sawtooth) for sound tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

inline std::vector<std::uint8_t> MakeWave(std::uint32_t rate, std::uint16_t channels, std::uint16_t bits,
                                          std::uint32_t frames)
{
    const std::uint32_t frameBytes = channels * bits / 8u;
    const std::uint32_t dataBytes = frames * frameBytes;
    std::vector<std::uint8_t> w(44 + static_cast<std::size_t>(dataBytes));
    std::size_t at = 0;
    const auto put = [&w, &at](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            w[at++] = static_cast<std::uint8_t>(v >> (8 * i));
        }
    };
    const auto tag = [&w, &at](const char(&t)[5]) {
        std::memcpy(&w[at], t, 4);
        at += 4;
    };
    tag("RIFF");
    put(36 + dataBytes, 4);
    tag("WAVE");
    tag("fmt ");
    put(16, 4);
    put(1, 2); // PCM
    put(channels, 2);
    put(rate, 4);
    put(rate * frameBytes, 4);
    put(frameBytes, 2);
    put(bits, 2);
    tag("data");
    put(dataBytes, 4);
    for (std::uint32_t f = 0; f < frames; ++f) {
        for (std::uint16_t c = 0; c < channels; ++c) {
            put(static_cast<std::uint32_t>(f * 37 % 200 + 20) << (bits - 8), bits / 8);
        }
    }
    return w;
}
