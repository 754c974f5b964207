// Area resampling in linear light, by rows and then by columns.
#include "Resample.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace {

// The smallest linear value that encodes to each of the steps 1 .. 255, found on the float line
// with the encoder itself, so that the table gives exactly what ToSrgbByte gives.
const std::array<float, 255>& StepThresholds()
{
    static const std::array<float, 255> steps = [] {
        std::array<float, 255> t {};
        for (int k = 1; k <= 255; ++k) {
            // Floats from 0 to 1 are ordered as their bit patterns.
            std::uint32_t lo = 0, hi = 0x3F800000u; // 0.0f, 1.0f
            while (lo < hi) {
                const std::uint32_t mid = lo + (hi - lo) / 2;
                float v;
                std::memcpy(&v, &mid, sizeof v);
                if (ToSrgbByte(v) >= k)
                    hi = mid;
                else
                    lo = mid + 1;
            }
            std::memcpy(&t[std::size_t(k - 1)], &lo, sizeof(float));
        }
        return t;
    }();
    return steps;
}

const std::array<float, 256>& DecodeTable()
{
    static const std::array<float, 256> table = [] {
        std::array<float, 256> t {};
        for (int i = 0; i < 256; ++i)
            t[std::size_t(i)] = Srgb(std::uint32_t(i)).B;
        return t;
    }();
    return table;
}

void AddFootprints(AxisMap& map, int target, double source, double& start)
{
    const double step = source / target, end = start + source;
    // The last footprint ends where the segment ends, whatever the rounding on the way.
    const int lastPixel = int(std::ceil(end - 1e-9)) - 1;
    for (int i = 0; i < target; ++i) {
        const double a = start + step * i, b = i + 1 == target ? end : start + step * (i + 1);
        const int first = std::min(int(std::floor(a)), lastPixel);
        const int last = std::clamp(int(std::ceil(b)) - 1, first, lastPixel);
        map.First.push_back(first);
        map.Count.push_back(last - first + 1);
        map.Offset.push_back(map.Weights.size());
        for (int j = first; j <= last; ++j) {
            const double overlap = std::min(b, double(j + 1)) - std::max(a, double(j));
            map.Weights.push_back(float(std::max(0.0, overlap) / step));
        }
    }
    start += source;
}

} // namespace

SrgbImage ToSrgbImage(const FloatImage& canvas)
{
    SrgbImage out(canvas.Width, canvas.Height);
    std::uint8_t* to = out.Bytes.data();
    for (const Rgb& c : canvas.Pixels) {
        *to++ = ToSrgbByte(c.R);
        *to++ = ToSrgbByte(c.G);
        *to++ = ToSrgbByte(c.B);
    }
    return out;
}

AxisMap FootprintAxis(const std::vector<AxisSegment>& segments)
{
    AxisMap map;
    double start = 0;
    for (const AxisSegment& s : segments)
        if (s.Target > 0)
            AddFootprints(map, s.Target, s.Source, start);
    return map;
}

AxisMap UniformAxis(int sourceLength, int targetLength)
{
    return FootprintAxis({ { targetLength, double(sourceLength) } });
}

namespace {

// The step at the start of each of 65536 even bins of 0 .. 1. The steps lie at least 19 bins
// apart (the closest are the first two), so a bin holds one step at most: one comparison with
// it finishes the encoding.
constexpr int EncodeBins = 65536;
const std::array<std::uint8_t, EncodeBins>& EncodeTable()
{
    static const std::array<std::uint8_t, EncodeBins> table = [] {
        const std::array<float, 255>& steps = StepThresholds();
        std::array<std::uint8_t, EncodeBins> t {};
        for (int i = 0; i < EncodeBins; ++i) {
            const float start = float(i) / EncodeBins;
            t[std::size_t(i)]
                = std::uint8_t(std::upper_bound(steps.begin(), steps.end(), start) - steps.begin());
        }
        return t;
    }();
    return table;
}

} // namespace

std::uint8_t EncodeSrgb(float linear)
{
    static const std::array<float, 255>& steps = StepThresholds();
    static const std::array<std::uint8_t, EncodeBins>& table = EncodeTable();
    if (!(linear > 0))
        return 0;
    if (linear >= 1)
        return 255;
    const std::uint8_t at = table[std::size_t(linear * EncodeBins)];
    return std::uint8_t(at + (at < 255 && linear >= steps[at]));
}

float DecodeSrgb(std::uint8_t value) { return DecodeTable()[value]; }

void Resample(const SrgbImage& source, const AxisMap& xs, const AxisMap& ys,
    std::uint32_t* destination, std::ptrdiff_t pitch)
{
    const int width = xs.Length(), height = ys.Length();
    if (width == 0 || height == 0)
        return;
    const std::array<float, 256>& decode = DecodeTable();
    // Only the source rows some result row takes from are resampled along.
    const int rowFrom = ys.First.front();
    const int rowTo = ys.First.back() + ys.Count.back();
    std::vector<float> across(std::size_t(rowTo - rowFrom) * std::size_t(width) * 3);
    for (int y = rowFrom; y < rowTo; ++y) {
        float* out = across.data() + std::size_t(y - rowFrom) * std::size_t(width) * 3;
        for (int i = 0; i < width; ++i) {
            const std::uint8_t* px = source.At(xs.First[std::size_t(i)], y);
            const float* w = xs.Weights.data() + xs.Offset[std::size_t(i)];
            float r = 0, g = 0, b = 0;
            for (int k = 0; k < xs.Count[std::size_t(i)]; ++k, px += 3) {
                r += w[k] * decode[px[0]];
                g += w[k] * decode[px[1]];
                b += w[k] * decode[px[2]];
            }
            out[3 * i] = r, out[3 * i + 1] = g, out[3 * i + 2] = b;
        }
    }
    std::vector<float> row(std::size_t(width) * 3);
    for (int j = 0; j < height; ++j) {
        std::fill(row.begin(), row.end(), 0.0f);
        const float* w = ys.Weights.data() + ys.Offset[std::size_t(j)];
        for (int k = 0; k < ys.Count[std::size_t(j)]; ++k) {
            const float* in = across.data()
                + std::size_t(ys.First[std::size_t(j)] + k - rowFrom) * std::size_t(width) * 3;
            for (std::size_t i = 0; i < row.size(); ++i)
                row[i] += w[k] * in[i];
        }
        std::uint32_t* to = destination + std::ptrdiff_t(j) * pitch;
        for (int i = 0; i < width; ++i)
            to[i] = std::uint32_t(EncodeSrgb(row[std::size_t(3 * i)])) << 16
                | std::uint32_t(EncodeSrgb(row[std::size_t(3 * i + 1)])) << 8
                | EncodeSrgb(row[std::size_t(3 * i + 2)]);
    }
}
