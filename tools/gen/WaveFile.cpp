// WAVE image writer.
#include "WaveFile.h"

#include <string_view>

#include "GeneratorError.h"

namespace {

void Tag(std::vector<std::uint8_t>& out, std::string_view tag)
{
    for (char c : tag)
        out.push_back(std::uint8_t(c));
}

void U16(std::vector<std::uint8_t>& out, unsigned v)
{
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

void U32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(std::uint8_t(v >> (8 * i)));
}

} // namespace

std::vector<std::uint8_t> MakeWaveImage(
    const std::vector<std::uint8_t>& samples, int rate, bool factChunk)
{
    // RIFF chunks are padded to even sizes; our declared sizes are even, so the sample count is
    // kept even rather than adding a pad byte the size table does not allow for.
    if (samples.size() % 2)
        throw TGeneratorError("odd number of samples in a sound");
    const std::uint32_t total = std::uint32_t(WaveHeaderSize(factChunk) + samples.size());
    std::vector<std::uint8_t> out;
    out.reserve(total);
    Tag(out, "RIFF");
    U32(out, total - 8);
    Tag(out, "WAVE");
    Tag(out, "fmt ");
    U32(out, 16);
    U16(out, 1); // PCM
    U16(out, 1); // mono
    U32(out, std::uint32_t(rate));
    U32(out, std::uint32_t(rate)); // bytes a second: one byte a sample
    U16(out, 1); // block alignment
    U16(out, 8); // bits a sample
    if (factChunk) {
        Tag(out, "fact");
        U32(out, 4);
        U32(out, std::uint32_t(samples.size()));
    }
    Tag(out, "data");
    U32(out, std::uint32_t(samples.size()));
    out.insert(out.end(), samples.begin(), samples.end());
    return out;
}
