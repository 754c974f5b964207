// Sound synthesis building blocks.
#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double Pi = std::numbers::pi;

double RaisedCosine(double t) // 0 → 0, 1 → 1
{
    t = std::clamp(t, 0.0, 1.0);
    return 0.5 - 0.5 * std::cos(Pi * t);
}
} // namespace

TSignal::TSignal(int rate, std::size_t samples)
    : SampleRate(rate)
    , Samples(samples, 0.0)
{
}

void TSignal::AddPartial(
    double start, double frequency, double amplitude, double attack, double decay)
{
    const std::size_t first = std::size_t(std::max(0.0, std::ceil(start * SampleRate)));
    for (std::size_t i = first; i < Samples.size(); ++i) {
        const double t = double(i) / SampleRate - start;
        const double envelope = (attack > 0 ? RaisedCosine(t / attack) : 1.0)
            * (decay > 0 ? std::exp(-t / decay) : 1.0);
        if (envelope < 1e-5 && t > attack)
            break;
        Samples[i] += amplitude * envelope * std::sin(2 * Pi * frequency * t);
    }
}

void TSignal::AddGlide(double start, double end, double from, double to, double amplitude,
    double attack, double release, const std::vector<double>& harmonics)
{
    const std::size_t first = std::size_t(std::max(0.0, std::ceil(start * SampleRate)));
    const std::size_t last = std::min(Samples.size(), std::size_t(end * SampleRate));
    double phase = 0;
    const double span = end - start;
    for (std::size_t i = first; i < last; ++i) {
        const double t = double(i) / SampleRate - start;
        const double frequency = from * std::pow(to / from, t / span);
        phase += 2 * Pi * frequency / SampleRate;
        const double envelope = RaisedCosine(t / attack) * RaisedCosine((span - t) / release);
        double wave = 0;
        for (std::size_t h = 0; h < harmonics.size(); ++h)
            wave += harmonics[h] * std::sin(double(h + 1) * phase);
        Samples[i] += amplitude * envelope * wave;
    }
}

void TSignal::Mix(const TSignal& other, double gain)
{
    for (std::size_t i = 0; i < std::min(Samples.size(), other.Samples.size()); ++i)
        Samples[i] += gain * other.Samples[i];
}

std::vector<std::uint8_t> TSignal::Finish(
    double peak, double fadeIn, double fadeOut, std::uint64_t seed)
{
    // DC blocker (one-pole high-pass near 15 Hz).
    const double r = std::exp(-2 * Pi * 15.0 / SampleRate);
    double previousIn = 0, previousOut = 0;
    for (double& s : Samples) {
        const double out = s - previousIn + r * previousOut;
        previousIn = s;
        previousOut = out;
        s = out;
    }
    const std::size_t n = Samples.size();
    std::vector<double> fade(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = double(i) / SampleRate, left = double(n - 1 - i) / SampleRate;
        fade[i] = RaisedCosine(t / fadeIn) * RaisedCosine(left / fadeOut);
        Samples[i] *= fade[i];
    }
    double top = 0;
    for (double s : Samples)
        top = std::max(top, std::abs(s));
    const double scale = top > 0 ? peak * 127.0 / top : 0;

    // Loudness over about 4 ms decides where dither is wanted.
    std::vector<double> level(n);
    const double smooth = std::exp(-1.0 / (0.004 * SampleRate));
    double follower = 0;
    for (std::size_t i = 0; i < n; ++i) {
        follower = std::max(std::abs(Samples[i] * scale), follower * smooth);
        level[i] = follower;
    }
    follower = 0;
    for (std::size_t i = n; i-- > 0;) {
        follower = std::max(level[i], follower * smooth);
        level[i] = follower;
    }

    TRandom random(seed);
    std::vector<std::uint8_t> out(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double dither = (random.Uniform() - random.Uniform())
            * std::clamp(level[i] / 4.0, 0.0, 1.0) * fade[i];
        const long v = std::lround(128.0 + Samples[i] * scale + dither);
        out[i] = std::uint8_t(std::clamp(v, 1L, 255L));
    }
    return out;
}

TStateFilter::TOut TStateFilter::Process(double x, double cutoff, double q, int rate)
{
    const double g = std::tan(Pi * std::min(cutoff, 0.45 * rate) / rate);
    const double k = 1.0 / q;
    const double a1 = 1.0 / (1.0 + g * (g + k));
    const double a2 = g * a1;
    const double a3 = g * a2;
    const double v3 = x - Ic2;
    const double v1 = a1 * Ic1 + a2 * v3;
    const double v2 = Ic2 + a2 * Ic1 + a3 * v3;
    Ic1 = 2 * v1 - Ic1;
    Ic2 = 2 * v2 - Ic2;
    return { v2, v1, x - k * v1 - v2 };
}
