// The resampling of masters to the board's sizes: the encoding into 8-bit sRGB is the
// generator's to the byte, a whole factor is the generator's own box reduction, and a
// fractional one averages each result pixel's footprint and nothing else.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "Resample.h"

namespace {

SrgbImage Noise(int w, int h, unsigned seed)
{
    SrgbImage image(w, h);
    std::mt19937 random(seed);
    for (std::uint8_t& b : image.Bytes)
        b = std::uint8_t(random() & 0xFF);
    return image;
}

std::uint8_t Channel(std::uint32_t p, int shift) { return std::uint8_t((p >> shift) & 0xFF); }

} // namespace

// The table that encodes millions of pixels gives what the generator's encoder gives, at each
// of the 255 steps (to the float), between them and out of range.
TEST(SrgbEncoding, IsTheGeneratorsToTheByte)
{
    const auto bits = [](float v) {
        std::uint32_t b;
        std::memcpy(&b, &v, sizeof b);
        return b;
    };
    const auto value = [](std::uint32_t b) {
        float v;
        std::memcpy(&v, &b, sizeof v);
        return v;
    };
    // Every step: the first float that the generator's encoder puts on it, and the floats
    // around that one.
    int steps = 0;
    for (int k = 1; k <= 255; ++k) {
        std::uint32_t lo = 0, hi = bits(1.0f);
        while (lo < hi) {
            const std::uint32_t mid = lo + (hi - lo) / 2;
            (ToSrgbByte(value(mid)) >= k ? hi : lo) = mid + (ToSrgbByte(value(mid)) >= k ? 0 : 1);
        }
        for (int d = -3; d <= 3; ++d) {
            const float v = value(std::uint32_t(std::int64_t(lo) + d));
            ASSERT_EQ(EncodeSrgb(v), ToSrgbByte(v)) << "step " << k << ", " << d << " floats off";
        }
        ++steps;
    }
    EXPECT_EQ(steps, 255);
    std::mt19937 random(7);
    std::uniform_real_distribution<float> any(-0.2f, 1.3f);
    for (int i = 0; i < 2000000; ++i) {
        const float v = any(random);
        ASSERT_EQ(EncodeSrgb(v), ToSrgbByte(v)) << v;
    }
    for (int i = 0; i < 256; ++i)
        EXPECT_EQ(EncodeSrgb(DecodeSrgb(std::uint8_t(i))), i);
}

// By a whole factor every result pixel is the mean of a block of the master in linear light:
// what Reduce and ToPixels make of the decoded master, within a rounding step.
TEST(Resampling, ByAWholeFactorIsTheGeneratorsReduction)
{
    const SrgbImage master = Noise(244, 244, 3);
    FloatImage decoded(244, 244);
    for (int y = 0; y < 244; ++y)
        for (int x = 0; x < 244; ++x) {
            const std::uint8_t* p = master.At(x, y);
            decoded.At(x, y) = { DecodeSrgb(p[0]), DecodeSrgb(p[1]), DecodeSrgb(p[2]) };
        }
    for (const int factor : { 2, 4 }) {
        const int n = 244 / factor;
        const PixelImage expected = ToPixels(Reduce(decoded, factor));
        PixelImage got(n, n);
        Resample(master, UniformAxis(244, n), UniformAxis(244, n), got.Pixels.data(), n);
        int off = 0;
        for (std::size_t i = 0; i < got.Pixels.size(); ++i)
            for (const int shift : { 0, 8, 16 }) {
                const int d = Channel(got.Pixels[i], shift) - Channel(expected.Pixels[i], shift);
                ASSERT_LE(std::abs(d), 1) << "factor " << factor << " pixel " << i;
                off += d != 0;
            }
        EXPECT_LT(off, int(got.Pixels.size()) / 100) << "factor " << factor;
    }
}

// A fractional footprint takes each source pixel by the part of it that it covers: three dark
// pixels and seven light ones onto four result pixels of 2.5 source pixels each.
TEST(Resampling, AFootprintTakesWhatItCovers)
{
    SrgbImage edge(10, 1);
    for (int x = 0; x < 10; ++x)
        std::memset(edge.Bytes.data() + 3 * x, x < 3 ? 0 : 255, 3);
    std::uint32_t out[4] = {};
    Resample(edge, UniformAxis(10, 4), UniformAxis(1, 1), out, 4);
    EXPECT_EQ(out[0], 0u);
    EXPECT_EQ(Channel(out[1], 8), EncodeSrgb(2.0f / 2.5f)); // half a dark pixel, two light
    EXPECT_EQ(out[2], 0xFFFFFFu);
    EXPECT_EQ(out[3], 0xFFFFFFu);
}

// Weights make up each footprint exactly, footprints lie end to end over the source, and the
// segments of a frame's strip (corners and sides scaled apart) never share a source pixel
// where their lengths are whole.
TEST(Resampling, FootprintsCoverTheSourceOnceEach)
{
    for (const auto& segments : std::vector<std::vector<AxisSegment>> { { { 122, 244 } },
             { { 91, 244 } }, { { 300, 244 } }, { { 37, 80 }, { 903, 1952 }, { 37, 80 } } }) {
        const AxisMap map = FootprintAxis(segments);
        double total = 0, source = 0;
        int pixels = 0;
        for (const AxisSegment& s : segments)
            source += s.Source, pixels += s.Target;
        ASSERT_EQ(map.Length(), pixels);
        std::vector<double> taken(std::size_t(source + 1), 0);
        for (int i = 0; i < map.Length(); ++i) {
            double sum = 0;
            int segment = 0, start = 0;
            while (i >= start + segments[std::size_t(segment)].Target)
                start += segments[std::size_t(segment++)].Target;
            const double step
                = segments[std::size_t(segment)].Source / segments[std::size_t(segment)].Target;
            for (int k = 0; k < map.Count[std::size_t(i)]; ++k) {
                const float w = map.Weights[map.Offset[std::size_t(i)] + std::size_t(k)];
                sum += w;
                taken[std::size_t(map.First[std::size_t(i)] + k)] += w * step;
            }
            EXPECT_NEAR(sum, 1.0, 1e-5) << i;
            total += sum * step;
        }
        EXPECT_NEAR(total, source, 1e-3);
        for (std::size_t j = 0; j + 1 < taken.size(); ++j)
            EXPECT_NEAR(taken[j], 1.0, 1e-4) << "source pixel " << j;
    }
}

// A picture of one colour stays that colour at any size, to the byte.
TEST(Resampling, OneColourStaysItself)
{
    SrgbImage flat(61, 61);
    for (std::size_t i = 0; i < flat.Bytes.size(); i += 3)
        flat.Bytes[i] = 200, flat.Bytes[i + 1] = 31, flat.Bytes[i + 2] = 7;
    for (const int n : { 13, 49, 61, 76, 122, 200 }) {
        std::vector<std::uint32_t> out(std::size_t(n) * n);
        Resample(flat, UniformAxis(61, n), UniformAxis(61, n), out.data(), n);
        for (const std::uint32_t p : out)
            ASSERT_EQ(p, 0xC81F07u) << n;
    }
}
