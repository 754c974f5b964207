// The sound effects as the sound player receives them: RIFF WAVE images whose chunks parse to
// 8-bit mono PCM at the stated rates, whose samples are clean (headroom, no DC offset, silent
// ends so that starting and stopping does not click), all equally loud and starting at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "GeneratedFiles.h"
#include "Result.h"

namespace {

struct TWave {
    std::vector<std::string> Chunks; // chunk tags in file order
    unsigned Format = 0, Channels = 0, Align = 0, Bits = 0;
    std::uint32_t Rate = 0, ByteRate = 0;
    bool HasFact = false;
    std::uint32_t FactSamples = 0;
    std::vector<std::uint8_t> Data;
};

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t(b[at + 3]) << 24;
}
unsigned U16(const std::vector<std::uint8_t>& b, std::size_t at) { return b[at] | b[at + 1] << 8; }

Result<TWave> ParseWave(const std::vector<std::uint8_t>& b)
{
    TWave w;
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF"
        || std::string(b.begin() + 8, b.begin() + 12) != "WAVE")
        return Error { ErrorKind::NotOurs, "not a RIFF WAVE image" };
    if (U32(b, 4) != b.size() - 8)
        return Error { ErrorKind::Damaged,
            "RIFF size " + std::to_string(U32(b, 4)) + " for a file of "
                + std::to_string(b.size()) };
    for (std::size_t at = 12; at < b.size();) {
        if (at + 8 > b.size())
            return Error { ErrorKind::Damaged, "chunk header cut off" };
        const std::string tag(b.begin() + std::ptrdiff_t(at), b.begin() + std::ptrdiff_t(at) + 4);
        const std::uint32_t size = U32(b, at + 4);
        if (at + 8 + size > b.size())
            return Error { ErrorKind::Damaged, "chunk " + tag + " runs past the end" };
        w.Chunks.push_back(tag);
        const std::size_t body = at + 8;
        if (tag == "fmt " && size >= 16) {
            w.Format = U16(b, body);
            w.Channels = U16(b, body + 2);
            w.Rate = U32(b, body + 4);
            w.ByteRate = U32(b, body + 8);
            w.Align = U16(b, body + 12);
            w.Bits = U16(b, body + 14);
        } else if (tag == "fact" && size == 4) {
            w.HasFact = true;
            w.FactSamples = U32(b, body);
        } else if (tag == "data") {
            w.Data.assign(
                b.begin() + std::ptrdiff_t(body), b.begin() + std::ptrdiff_t(body + size));
        }
        at = body + size + (size & 1);
    }
    return w;
}

struct TSoundCase {
    const char* Name;
    std::uint32_t Rate;
    bool Fact;
};

void PrintTo(const TSoundCase& c, std::ostream* os) { *os << c.Name; }

class Sound : public ::testing::TestWithParam<TSoundCase> { };

TEST_P(Sound, HeaderParsesToTheStatedFormat)
{
    const TSoundCase& c = GetParam();
    const Result<TWave> parsed = ParseWave(Generated(c.Name));
    ASSERT_TRUE(parsed) << parsed.Failure().Message;
    const TWave& w = parsed.Value();
    const std::vector<std::string> order = c.Fact
        ? std::vector<std::string> { "fmt ", "fact", "data" }
        : std::vector<std::string> { "fmt ", "data" };
    EXPECT_EQ(w.Chunks, order);
    EXPECT_EQ(w.Format, 1u); // PCM
    EXPECT_EQ(w.Channels, 1u);
    EXPECT_EQ(w.Bits, 8u);
    EXPECT_EQ(w.Align, 1u);
    EXPECT_EQ(w.Rate, c.Rate);
    EXPECT_EQ(w.ByteRate, c.Rate);
    if (c.Fact) {
        EXPECT_EQ(w.FactSamples, w.Data.size());
    }
}

TEST_P(Sound, SamplesAreClean)
{
    const TWave w = ParseWave(Generated(GetParam().Name)).Value(); // a failure throws its message
    ASSERT_GT(w.Data.size(), 200u);
    int peak = 0;
    double sum = 0;
    for (std::uint8_t s : w.Data) {
        peak = std::max(peak, std::abs(int(s) - 128));
        sum += s;
    }
    EXPECT_LE(peak, 115) << "no headroom: the sound may clip";
    EXPECT_NEAR(sum / double(w.Data.size()), 128.0, 0.5) << "DC offset";
    // Fades at both ends: the first and last samples are silence, with no step into them.
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(w.Data[i], 128) << "sample " << i;
        EXPECT_EQ(w.Data[w.Data.size() - 1 - i], 128) << "sample " << w.Data.size() - 1 - i;
    }
    int largestEndStep = 0;
    for (std::size_t i = 0; i + 1 < 16; ++i) {
        largestEndStep = std::max(largestEndStep, std::abs(w.Data[i + 1] - w.Data[i]));
        const std::size_t j = w.Data.size() - 1 - i;
        largestEndStep = std::max(largestEndStep, std::abs(w.Data[j] - w.Data[j - 1]));
    }
    EXPECT_LE(largestEndStep, peak / 2);
}

// Loudness of the active part: the RMS level (dB relative to full scale, 128 steps) of the 5 ms
// blocks whose energy comes within 20 dB of the loudest block, so that a short sound and one
// with pauses are measured by what is heard of them.
double ActiveLoudness(const std::vector<std::uint8_t>& data, std::uint32_t rate)
{
    const std::size_t block = rate / 200;
    std::vector<double> energies;
    for (std::size_t at = 0; at + block <= data.size(); at += block) {
        double sum = 0;
        for (std::size_t i = at; i < at + block; ++i)
            sum += (data[i] - 128.0) * (data[i] - 128.0);
        energies.push_back(sum / double(block));
    }
    const double loudest = *std::max_element(energies.begin(), energies.end());
    double sum = 0;
    int active = 0;
    for (double e : energies)
        if (e > loudest / 100)
            sum += e, ++active;
    return 10 * std::log10(sum / active / (128.0 * 128.0));
}

// Every sound is as loud as the others, whether it comes with a move or from the network, and
// it starts at once: a sound that starts late is heard after the move it belongs to.
TEST_P(Sound, IsAsLoudAsTheOthersAndStartsAtOnce)
{
    const TWave w = ParseWave(Generated(GetParam().Name)).Value(); // a failure throws its message
    ASSERT_GT(w.Data.size(), 200u);
    EXPECT_NEAR(ActiveLoudness(w.Data, w.Rate), -16.0, 1.0);
    const auto first = std::find_if(
        w.Data.begin(), w.Data.end(), [](std::uint8_t s) { return std::abs(s - 128) >= 3; });
    ASSERT_NE(first, w.Data.end());
    EXPECT_LT(1000.0 * double(first - w.Data.begin()) / w.Rate, 5.0) << "ms of silence first";
}

INSTANTIATE_TEST_SUITE_P(AllSounds, Sound,
    ::testing::Values(TSoundCase { "SOUND_BUGS", 16000, true },
        TSoundCase { "SOUND_CLICK", 16000, true }, TSoundCase { "SOUND_CONNECT", 16000, true },
        TSoundCase { "SOUND_CONNECTED", 16000, true },
        TSoundCase { "SOUND_DISCONNECT", 16000, true }, TSoundCase { "SOUND_FLAME", 16000, true },
        TSoundCase { "SOUND_HINT", 22050, false }, TSoundCase { "SOUND_LEGAL", 16000, true },
        TSoundCase { "SOUND_MESSAGE", 16000, true }, TSoundCase { "SOUND_ROTATE", 16000, true }),
    [](const auto& info) { return std::string(info.param.Name); });

} // namespace
