// Reading WAVE images: the formats the program ships, and images that lie about their chunks.
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <vector>

#include "WaveImage.h"

namespace {

void Put32(std::vector<std::uint8_t>& b, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(std::uint8_t(v >> 8 * i));
}
void Put16(std::vector<std::uint8_t>& b, std::uint16_t v)
{
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}
void PutTag(std::vector<std::uint8_t>& b, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(std::uint8_t(tag[i]));
}

std::vector<std::uint8_t> Wave(int rate, int samples, bool fact, std::uint16_t formatTag = 1)
{
    std::vector<std::uint8_t> b;
    PutTag(b, "RIFF");
    Put32(b, 0); // patched below
    PutTag(b, "WAVE");
    PutTag(b, "fmt ");
    Put32(b, 16);
    Put16(b, formatTag);
    Put16(b, 1);
    Put32(b, rate);
    Put32(b, rate);
    Put16(b, 1);
    Put16(b, 8);
    if (fact) {
        PutTag(b, "fact");
        Put32(b, 4);
        Put32(b, samples);
    }
    PutTag(b, "data");
    Put32(b, samples);
    for (int i = 0; i < samples; ++i)
        b.push_back(std::uint8_t(128 + (i % 7)));
    if (samples % 2)
        b.push_back(0);
    const std::uint32_t riff = std::uint32_t(b.size() - 8);
    std::memcpy(&b[4], &riff, 4);
    return b;
}

} // namespace

TEST(WaveImage, ReadsTheShippedFormats)
{
    const std::vector<std::uint8_t> legal = Wave(16000, 297, true);
    const Result<WaveImage> parsed = ParseWave(legal);
    ASSERT_TRUE(parsed) << parsed.Failure().Message;
    const WaveImage& w = parsed.Value();
    EXPECT_EQ(w.Channels, 1);
    EXPECT_EQ(w.SampleRate, 16000);
    EXPECT_EQ(w.BitsPerSample, 8);
    EXPECT_EQ(w.Samples.size(), 297u);
    EXPECT_EQ(w.Samples[1], 129);

    const std::vector<std::uint8_t> hint = Wave(22050, 1000, false);
    const Result<WaveImage> h = ParseWave(hint);
    ASSERT_TRUE(h);
    EXPECT_EQ(h.Value().SampleRate, 22050);
}

TEST(WaveImage, RefusesWhatCannotBePlayedSafely)
{
    auto kind = [](std::span<const std::uint8_t> image) {
        const Result<WaveImage> w = ParseWave(image);
        return w ? std::optional<ErrorKind>() : w.Failure().Kind;
    };
    EXPECT_EQ(kind({}), ErrorKind::NotOurs);
    std::vector<std::uint8_t> b = Wave(16000, 100, true);
    b[8] = 'X';
    EXPECT_EQ(kind(b), ErrorKind::NotOurs); // not WAVE
    EXPECT_EQ(kind(Wave(16000, 100, true, 2)), ErrorKind::Unsupported); // compressed
    b = Wave(16000, 100, true);
    b.resize(b.size() - 10); // data chunk runs past the end
    EXPECT_EQ(ParseWave(b).Failure(),
        (Error { ErrorKind::Damaged, "a chunk runs past the end of the image" }));
    b = Wave(16000, 100, true);
    const std::size_t data = b.size() - 100 - 4;
    b[data] = 0xFF, b[data + 1] = 0xFF, b[data + 2] = 0xFF, b[data + 3] = 0xFF; // absurd length
    EXPECT_EQ(kind(b), ErrorKind::Damaged);
    b = Wave(16000, 100, false);
    b[20] = 0x40; // 64-bit samples
    b[34] = 64;
    EXPECT_EQ(kind(b), ErrorKind::Unsupported);
    // Every truncation is refused or read within bounds.
    const std::vector<std::uint8_t> full = Wave(16000, 51, true);
    for (std::size_t n = 0; n < full.size(); ++n) {
        const std::vector<std::uint8_t> cut(full.begin(), full.begin() + n);
        const Result<WaveImage> w = ParseWave(cut);
        if (w) {
            const std::span<const std::uint8_t> samples = w.Value().Samples;
            EXPECT_LE(samples.data() + samples.size(), cut.data() + cut.size());
        }
    }
}
