// A small seeded pseudo-random generator for corvana-gen. The standard distributions are
// implementation-defined, so every random number the generator uses comes from here: the same
// seed gives the same bytes on every build.
#pragma once

#include <cstdint>

class TRandom {
public:
    explicit TRandom(std::uint64_t seed)
        : State(seed ? seed : 0x9E3779B97F4A7C15ull)
    {
    }

    // xorshift64*: full period, good enough for noise and jitter.
    std::uint64_t Next()
    {
        State ^= State >> 12;
        State ^= State << 25;
        State ^= State >> 27;
        return State * 0x2545F4914F6CDD1Dull;
    }

    // Uniform in [0, 1).
    double Uniform() { return double(Next() >> 11) * (1.0 / 9007199254740992.0); }

    // Uniform in [lo, hi).
    double Range(double lo, double hi) { return lo + (hi - lo) * Uniform(); }

    // Uniform integer in [0, n).
    std::uint32_t Below(std::uint32_t n) { return std::uint32_t((Next() >> 32) % n); }

private:
    std::uint64_t State;
};
