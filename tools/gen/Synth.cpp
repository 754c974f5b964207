// Sound synthesis building blocks.
#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <limits>
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

double ActiveLoudness(const std::vector<double>& samples, int rate)
{
    const std::size_t block = std::max<std::size_t>(1, std::size_t(LoudnessBlock * rate));
    std::vector<double> energies;
    for (std::size_t at = 0; at + block <= samples.size(); at += block) {
        double sum = 0;
        for (std::size_t i = at; i < at + block; ++i)
            sum += samples[i] * samples[i];
        energies.push_back(sum / double(block));
    }
    const double loudest = energies.empty() ? 0 : *std::max_element(energies.begin(), energies.end());
    if (loudest <= 0)
        return -std::numeric_limits<double>::infinity();
    const double floor = loudest * std::pow(10.0, -LoudnessGate / 10);
    double sum = 0;
    int active = 0;
    for (double e : energies)
        if (e > floor)
            sum += e, ++active;
    return 10 * std::log10(sum / active);
}

namespace {

// Gain that keeps every sample of x at or below limit: the gain each sample needs, held over a
// window and then averaged over the same window, so it starts to fall a little before a peak
// and recovers a little after it (a look-ahead limiter without clicks).
std::vector<double> LimiterGain(const std::vector<double>& x, double limit, std::size_t reach)
{
    const std::size_t n = x.size();
    std::vector<double> need(n), held(n), gain(n);
    for (std::size_t i = 0; i < n; ++i)
        need[i] = std::abs(x[i]) > limit ? limit / std::abs(x[i]) : 1.0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t a = i >= reach ? i - reach : 0, b = std::min(n - 1, i + reach);
        held[i] = *std::min_element(need.begin() + std::ptrdiff_t(a), need.begin() + std::ptrdiff_t(b) + 1);
    }
    // Every sample's own need lies within the window of each held value averaged for it, so the
    // average never exceeds it.
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t a = i >= reach ? i - reach : 0, b = std::min(n - 1, i + reach);
        double sum = 0;
        for (std::size_t j = a; j <= b; ++j)
            sum += held[j];
        gain[i] = std::min(need[i], sum / double(b - a + 1));
    }
    return gain;
}

} // namespace

std::vector<std::uint8_t> TSignal::Finish(double fadeIn, double fadeOut, std::uint64_t seed)
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
    // The sound starts 1 ms in, where it first comes within 40 dB of its peak; the fade-in
    // lies before that.
    double top = 0;
    for (double s : Samples)
        top = std::max(top, std::abs(s));
    const std::size_t onset = std::size_t(std::find_if(Samples.begin(), Samples.end(),
                                              [&](double s) { return std::abs(s) >= top * 0.01; })
        - Samples.begin());
    const std::size_t lead = std::size_t(0.001 * SampleRate);
    if (onset > lead) {
        Samples.erase(Samples.begin(), Samples.begin() + std::ptrdiff_t(onset - lead));
        Samples.resize(n, 0.0);
    }
    std::vector<double> fade(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = double(i) / SampleRate, left = double(n - 1 - i) / SampleRate;
        fade[i] = RaisedCosine(t / fadeIn) * RaisedCosine(left / fadeOut);
        Samples[i] *= fade[i];
    }

    // Scale to the loudness, in full-scale units, with the peaks held below clipping. Limiting
    // takes a little off the loudness, so the scale is found again from the limited sound.
    const double limit = 110.0 / 128.0;
    const std::size_t reach = std::size_t(0.0015 * SampleRate);
    std::vector<double> scaled(n);
    double scale = top > 0 ? std::pow(10.0, SoundLoudness / 20) / std::pow(10.0, ActiveLoudness(Samples, SampleRate) / 20) : 0;
    for (int pass = 0; pass < 6 && scale > 0; ++pass) {
        for (std::size_t i = 0; i < n; ++i)
            scaled[i] = Samples[i] * scale;
        const std::vector<double> gain = LimiterGain(scaled, limit, reach);
        for (std::size_t i = 0; i < n; ++i)
            scaled[i] *= gain[i];
        const double error = SoundLoudness - ActiveLoudness(scaled, SampleRate);
        if (std::abs(error) < 0.05)
            break;
        scale *= std::pow(10.0, error / 20);
    }

    // Loudness over about 4 ms decides where dither is wanted.
    std::vector<double> level(n);
    const double smooth = std::exp(-1.0 / (0.004 * SampleRate));
    double follower = 0;
    for (std::size_t i = 0; i < n; ++i) {
        follower = std::max(std::abs(scaled[i] * 128), follower * smooth);
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
        const long v = std::lround(128.0 + scaled[i] * 128 + dither);
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
