// Sound synthesis for corvana-gen: a mono signal in floating point with the few building blocks
// the game's effects need (decaying partials, filtered noise, envelopes), and the final step
// to 8-bit samples.
#pragma once

#include <cstdint>
#include <vector>

#include "Random.h"

// Every effect is brought to one loudness, so none startles and none is lost: the RMS level of
// its active part in dB relative to full scale (128 steps of the 8-bit samples).
constexpr double SoundLoudness = -16.0;
// The active part: 5 ms blocks whose energy is within 20 dB of the loudest block. Quiet tails and
// gaps would otherwise make a short, punchy sound measure softer than it is heard.
constexpr double LoudnessBlock = 0.005;
constexpr double LoudnessGate = 20.0;
// samples in full-scale units (±1); −infinity for silence.
double ActiveLoudness(const std::vector<double>& samples, int rate);

class TSignal {
public:
    TSignal(int rate, std::size_t samples);

    int Rate() const { return SampleRate; }
    std::size_t Size() const { return Samples.size(); }
    double Duration() const { return double(Samples.size()) / SampleRate; }
    double& operator[](std::size_t i) { return Samples[i]; }
    double operator[](std::size_t i) const { return Samples[i]; }

    // A sine partial starting at `start` seconds: a short raised-cosine attack, then an
    // exponential decay with time constant `decay` seconds (0: no decay).
    void AddPartial(double start, double frequency, double amplitude, double attack, double decay);

    // A sine whose frequency moves exponentially from `from` to `to` between `start` and `end`,
    // shaped by a raised-cosine attack and release of the given lengths.
    void AddGlide(double start, double end, double from, double to, double amplitude, double attack,
        double release, const std::vector<double>& harmonics = { 1.0 });

    // Adds another signal of the same rate scaled by `gain`.
    void Mix(const TSignal& other, double gain);

    // Removes any DC with a gentle high-pass, moves the sound's start to the beginning (what
    // leads up to it is silence the player would hear as lag; the end is padded instead), fades
    // both ends with raised cosines, brings it to SoundLoudness with its peaks limited below
    // clipping, and quantises to unsigned 8 bits. Quantisation noise is dithered only where the
    // sound is audible, so silence stays exactly 128.
    std::vector<std::uint8_t> Finish(double fadeIn, double fadeOut, std::uint64_t seed);

private:
    int SampleRate;
    std::vector<double> Samples;
};

// A state-variable filter (topology-preserving transform: stable for any cutoff below the
// Nyquist frequency, also while the cutoff moves).
class TStateFilter {
public:
    struct TOut {
        double Low, Band, High;
    };
    TOut Process(double x, double cutoff, double q, int rate);

private:
    double Ic1 = 0, Ic2 = 0;
};

// White noise in [-1, 1).
inline double WhiteNoise(TRandom& random) { return random.Range(-1.0, 1.0); }
