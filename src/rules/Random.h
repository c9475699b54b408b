// The game's random number generator: a 64-bit linear congruential generator.
#pragma once

#include <cstdint>

class Random
{
public:
    static constexpr std::uint64_t Multiplier = 0x15A00004E35ull; // 346 x 2^32 + 20021

    explicit Random(std::uint32_t seed = 0) { Seed(seed); }

    // Low 32 bits (seed x 22695477 + 1) mod 2^32, high 32 bits 0.
    void Seed(std::uint32_t seed) { state = static_cast<std::uint32_t>(seed * 22695477u + 1u); }

    // The next value, 0 to 2^31 - 1: the high half of the new state without its top bit.
    std::uint32_t Next()
    {
        state = state * Multiplier + 1;
        return static_cast<std::uint32_t>(state >> 32) & 0x7FFFFFFFu;
    }

    // The next value modulo n (n > 0).
    std::int32_t Below(std::int32_t n)
    {
        return static_cast<std::int32_t>(Next() % static_cast<std::uint32_t>(n));
    }

    // The whole state, for saved games.
    std::uint64_t State() const { return state; }
    void SetState(std::uint64_t value) { state = value; }

private:
    std::uint64_t state = 0;
};
