// The game's sound effects. Each is built from decaying partials and filtered noise, then
// finished to 8-bit PCM. The sample counts follow from the declared file sizes, so each effect
// is designed for its exact length (for example the disc sounds span the flip animation).
#include "Sounds.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

#include "Previews.h"
#include "Synth.h"
#include "WaveFile.h"

namespace {

constexpr double Pi = std::numbers::pi;

// A struck body: partials (frequency, amplitude, decay) sounding from `start`.
struct TMode {
    double Frequency, Amplitude, Decay;
};

void Strike(
    TSignal& s, double start, const std::vector<TMode>& modes, double gain, double attack = 0.0004)
{
    for (const TMode& m : modes)
        s.AddPartial(start, m.Frequency, m.Amplitude * gain, attack, m.Decay);
}

// Band-passed noise from `start` to `end`; cutoff, amplitude and q follow functions of the
// position within the burst (0..1).
void AddNoise(TSignal& s, TRandom& random, double start, double end,
    const std::function<double(double)>& cutoff, const std::function<double(double)>& amplitude,
    double q)
{
    TStateFilter filter;
    const std::size_t first = std::size_t(start * s.Rate());
    const std::size_t last = std::min(s.Size(), std::size_t(end * s.Rate()));
    for (std::size_t i = first; i < last; ++i) {
        const double x = double(i - first) / double(last - first);
        s[i] += amplitude(x) * filter.Process(WhiteNoise(random), cutoff(x), q, s.Rate()).Band;
    }
}

// Hann-shaped bump: 0 at the ends, 1 in the middle.
double Bump(double x) { return x <= 0 || x >= 1 ? 0 : 0.5 - 0.5 * std::cos(2 * Pi * x); }

// SOUND_LEGAL: a soft, short tick when the pointer reaches a square where a move is possible.
std::vector<std::uint8_t> Legal(std::size_t n, int rate)
{
    TSignal s(rate, n);
    TRandom random(11);
    Strike(s, 0.0005, { { 2600, 0.7, 0.0022 }, { 4100, 0.35, 0.0012 }, { 1300, 0.3, 0.0035 } }, 1.0,
        0.0004);
    AddNoise(
        s, random, 0.0005, 0.003, [](double) { return 3200.0; },
        [](double x) { return 0.5 * Bump(x); }, 1.5);
    return s.Finish(0.0003, 0.004, 101);
}

// SOUND_CLICK: a disc set down on the board without animation: a short wooden tock.
std::vector<std::uint8_t> Click(std::size_t n, int rate)
{
    TSignal s(rate, n);
    TRandom random(12);
    Strike(s, 0.002,
        { { 1150, 0.8, 0.016 }, { 2350, 0.45, 0.008 }, { 3900, 0.25, 0.004 }, { 260, 0.5, 0.028 } },
        1.0);
    AddNoise(
        s, random, 0.002, 0.006, [](double) { return 3500.0; },
        [](double x) { return 0.9 * Bump(x); }, 1.2);
    return s.Finish(0.001, 0.02, 102);
}

// SOUND_FLAME: the "Flame" discs: a puff of ignition, then a whoosh of fire that rises and dies
// away with the flip, with crackles and a low rumble underneath.
std::vector<std::uint8_t> Flame(std::size_t n, int rate)
{
    TSignal s(rate, n);
    TRandom random(13);
    const double length = s.Duration();
    // Ignition: a soft low puff that starts with the move, before the whoosh builds up.
    AddNoise(
        s, random, 0, 0.09, [](double x) { return 700.0 + 900 * x; },
        [](double x) { return 0.8 * std::min(1.0, x / 0.04) * std::exp(-x * 3); }, 0.9);
    // The whoosh: the band rises as the flame flares up and sinks as it dies.
    AddNoise(
        s, random, 0, length,
        [](double x) {
            return x < 0.45 ? 300 * std::pow(2600.0 / 300, x / 0.45)
                            : 2600 * std::pow(700.0 / 2600, (x - 0.45) / 0.55);
        },
        [](double x) {
            return x < 0.35 ? std::pow(std::sin(Pi / 2 * x / 0.35), 2)
                            : std::exp(-(x - 0.35) * 4.5);
        },
        1.3);
    // Rumble.
    AddNoise(
        s, random, 0, length, [](double) { return 140.0; },
        [](double x) {
            return 0.9 * std::pow(std::sin(Pi * std::min(1.0, x * 1.6)), 2) * std::exp(-x * 2);
        },
        0.8);
    // Crackles: sparse sharp bursts, densest while the flame is at its height.
    for (double t = 0.05; t < length - 0.08;) {
        const double x = t / length;
        const double strength = 0.25 + 0.75 * Bump(std::min(1.0, x * 1.3));
        AddNoise(
            s, random, t, t + random.Range(0.0015, 0.004), [](double) { return 5200.0; },
            [strength, &random](double y) {
                return strength * 0.55 * std::exp(-y * 3) * (0.5 + 0.5 * random.Uniform());
            },
            2.0);
        t += random.Range(0.012, 0.06) / (0.4 + strength);
    }
    return s.Finish(0.0015, 0.12, 103);
}

// SOUND_ROTATE: the "Classic" discs: a light lift, the swish of the disc turning over, and the
// glossy clack as it lands, with a small bounce.
std::vector<std::uint8_t> Rotate(std::size_t n, int rate)
{
    TSignal s(rate, n);
    TRandom random(14);
    Strike(s, 0.004, { { 1650, 0.5, 0.006 }, { 2900, 0.25, 0.003 } }, 0.6);
    AddNoise(
        s, random, 0.03, 0.56, [](double x) { return 900 + 1800 * Bump(x); },
        [](double x) { return 0.7 * Bump(x) * (0.8 + 0.2 * std::sin(2 * Pi * 9 * x)); }, 1.4);
    const std::vector<TMode> clack = { { 1800, 0.8, 0.014 }, { 3100, 0.45, 0.007 },
        { 4700, 0.25, 0.004 }, { 420, 0.45, 0.022 } };
    Strike(s, 0.585, clack, 1.0);
    AddNoise(
        s, random, 0.585, 0.589, [](double) { return 4000.0; },
        [](double x) { return 0.8 * Bump(x); }, 1.2);
    Strike(s, 0.655, clack, 0.28);
    return s.Finish(0.001, 0.03, 104);
}

// SOUND_BUGS: the "Ancient" scarab discs: a dry insect chitter in three bursts.
std::vector<std::uint8_t> Bugs(std::size_t n, int rate)
{
    TSignal s(rate, n);
    TRandom random(15);
    const double bursts[][2] = { { 0.02, 0.30 }, { 0.37, 0.66 }, { 0.73, 1.02 } };
    for (const auto& burst : bursts) {
        for (double t = burst[0]; t < burst[1] - 0.008;) {
            const double x = (t - burst[0]) / (burst[1] - burst[0]);
            const double gain = (0.35 + 0.65 * Bump(x * 0.9 + 0.05)) * random.Range(0.65, 1.0);
            const double pitch = random.Range(0.93, 1.07);
            const double pulse = random.Range(0.005, 0.008);
            // Each tooth of the file: a few cycles of two close carriers under a Hann window.
            const std::size_t first = std::size_t(t * rate), count = std::size_t(pulse * rate);
            for (std::size_t i = 0; i < count && first + i < s.Size(); ++i) {
                const double u = double(i) / double(count), tt = double(i) / rate;
                s[first + i] += gain * Bump(u)
                    * (0.6 * std::sin(2 * Pi * 4300 * pitch * tt)
                        + 0.4 * std::sin(2 * Pi * 5450 * pitch * tt)
                        + 0.25 * std::sin(2 * Pi * 2150 * pitch * tt));
            }
            t += random.Range(0.021, 0.029);
        }
    }
    return s.Finish(0.001, 0.03, 105);
}

// A bell tone: inharmonic partials of a small bell, the higher ones dying faster.
void Bell(TSignal& s, double start, double prime, double gain, double length)
{
    const TMode partials[] = {
        { 0.5, 0.35, 0.9 },
        { 1.0, 1.0, 0.75 },
        { 1.19, 0.45, 0.45 },
        { 1.5, 0.3, 0.38 },
        { 2.0, 0.55, 0.3 },
        { 2.51, 0.2, 0.18 },
        { 3.0, 0.18, 0.12 },
        { 4.07, 0.1, 0.07 },
    };
    for (const TMode& p : partials)
        if (prime * p.Frequency < 0.45 * s.Rate())
            s.AddPartial(start, prime * p.Frequency, gain * p.Amplitude, 0.0015, p.Decay * length);
}

// SOUND_HINT: a clear bell when the hint has put the pointer on the suggested square.
std::vector<std::uint8_t> Hint(std::size_t n, int rate)
{
    TSignal s(rate, n);
    Bell(s, 0.003, 1046.5, 1.0, 0.55);
    return s.Finish(0.001, 0.08, 106);
}

// SOUND_CONNECT: a call is coming in: two short telephone-bell rings.
std::vector<std::uint8_t> Connect(std::size_t n, int rate)
{
    TSignal s(rate, n);
    for (double start : { 0.0, 0.31 }) {
        TSignal ring(rate, n);
        for (const auto& [ratio, amplitude] :
            { std::pair { 1.0, 1.0 }, { 2.0, 0.3 }, { 2.76, 0.18 } })
            ring.AddGlide(
                start + 0.005, start + 0.27, 1320 * ratio, 1320 * ratio, amplitude, 0.008, 0.05);
        // The hammer's trill beating the bell.
        for (std::size_t i = 0; i < n; ++i)
            ring[i] *= 0.55 + 0.45 * std::sin(2 * Pi * 24 * (double(i) / rate - start));
        s.Mix(ring, 1.0);
    }
    return s.Finish(0.001, 0.02, 107);
}

// SOUND_CONNECTED: the call was accepted: a bright rising two-note chime.
std::vector<std::uint8_t> Connected(std::size_t n, int rate)
{
    TSignal s(rate, n);
    for (const auto& [start, f] : { std::pair { 0.004, 1046.5 }, { 0.08, 1568.0 } }) {
        s.AddPartial(start, f, 1.0, 0.002, 0.09);
        s.AddPartial(start, 2 * f, 0.25, 0.002, 0.04);
        s.AddPartial(start, 3 * f, 0.08, 0.002, 0.025);
    }
    return s.Finish(0.001, 0.05, 108);
}

// SOUND_DISCONNECT: the opponent has left: a tone falling two octaves.
std::vector<std::uint8_t> Disconnect(std::size_t n, int rate)
{
    TSignal s(rate, n);
    s.AddGlide(0.005, s.Duration() - 0.005, 880, 220, 1.0, 0.012, 0.16, { 1.0, 0.3, 0.12 });
    return s.Finish(0.001, 0.01, 109);
}

// SOUND_MESSAGE: a chat message arrived: two quick rising blips.
std::vector<std::uint8_t> Message(std::size_t n, int rate)
{
    TSignal s(rate, n);
    s.AddGlide(0.004, 0.075, 900, 1500, 1.0, 0.004, 0.03, { 1.0, 0.15 });
    s.AddGlide(0.1, 0.19, 1200, 1900, 1.0, 0.004, 0.045, { 1.0, 0.15 });
    return s.Finish(0.001, 0.02, 110);
}

struct TSoundSpec {
    const char* Name;
    std::size_t FileSize;
    int Rate;
    bool Fact;
    std::vector<std::uint8_t> (*Make)(std::size_t samples, int rate);
};

const TSoundSpec SoundTable[] = {
    { "SOUND_BUGS", 16948, 16000, true, Bugs },
    { "SOUND_CLICK", 2742, 16000, true, Click },
    { "SOUND_CONNECT", 9734, 16000, true, Connect },
    { "SOUND_CONNECTED", 4078, 16000, true, Connected },
    { "SOUND_DISCONNECT", 9602, 16000, true, Disconnect },
    { "SOUND_FLAME", 14012, 16000, true, Flame },
    { "SOUND_HINT", 13228, 22050, false, Hint },
    { "SOUND_LEGAL", 340, 16000, true, Legal },
    { "SOUND_MESSAGE", 3512, 16000, true, Message },
    { "SOUND_ROTATE", 12542, 16000, true, Rotate },
};

// Waveforms of all sounds on one sheet, each as its min/max envelope over time.
void PreviewWaveforms(const GeneratorContext& context,
    const std::vector<std::pair<QString, std::vector<std::uint8_t>>>& sounds)
{
    constexpr int Width = 900, Row = 90;
    QImage sheet(Width, Row * int(sounds.size()), QImage::Format_RGB32);
    sheet.fill(QColor(24, 26, 32));
    QPainter p(&sheet);
    for (std::size_t k = 0; k < sounds.size(); ++k) {
        const auto& [name, samples] = sounds[k];
        const int top = int(k) * Row, mid = top + Row / 2;
        p.setPen(QColor(60, 64, 76));
        p.drawLine(0, mid, Width, mid);
        p.setPen(QColor(120, 200, 255));
        for (int x = 0; x < Width; ++x) {
            const std::size_t a = samples.size() * std::size_t(x) / Width;
            const std::size_t b = std::max(a + 1, samples.size() * std::size_t(x + 1) / Width);
            const auto [lo, hi] = std::minmax_element(
                samples.begin() + std::ptrdiff_t(a), samples.begin() + std::ptrdiff_t(b));
            p.drawLine(x, mid - (*hi - 128) * (Row / 2 - 4) / 128, x,
                mid - (*lo - 128) * (Row / 2 - 4) / 128);
        }
        p.setPen(Qt::white);
        p.drawText(6, top + 14, name);
    }
    p.end();
    SavePreviewImage(context, "sounds-waveforms", sheet);
}

} // namespace

std::vector<GeneratedResource> GenerateSounds(const GeneratorContext& context)
{
    std::vector<GeneratedResource> out;
    std::vector<std::pair<QString, std::vector<std::uint8_t>>> waveforms;
    for (const TSoundSpec& sound : SoundTable) {
        const std::size_t samples = sound.FileSize - WaveHeaderSize(sound.Fact);
        const std::vector<std::uint8_t> pcm = sound.Make(samples, sound.Rate);
        std::vector<std::uint8_t> image = MakeWaveImage(pcm, sound.Rate, sound.Fact);
        SavePreviewFile(context, QString::fromLatin1(sound.Name) + ".wav", image);
        waveforms.push_back({ QString::fromLatin1(sound.Name), pcm });
        out.push_back({ sound.Name, std::move(image) });
    }
    PreviewWaveforms(context, waveforms);
    return out;
}
