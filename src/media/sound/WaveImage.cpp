// A careful walk over the RIFF chunks: every length is checked against the bytes that are there.
#include "WaveImage.h"

#include <cstring>

namespace {

std::uint32_t Le32(const std::uint8_t* p)
{
    return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24;
}
std::uint16_t Le16(const std::uint8_t* p) { return std::uint16_t(p[0] | p[1] << 8); }

Error Damaged(const char* why) { return { ErrorKind::Damaged, why }; }
Error Unsupported(const char* why) { return { ErrorKind::Unsupported, why }; }

} // namespace

Result<WaveImage> ParseWave(std::span<const std::uint8_t> image)
{
    if (image.size() < 12 || std::memcmp(image.data(), "RIFF", 4) != 0
        || std::memcmp(image.data() + 8, "WAVE", 4) != 0)
        return Error { ErrorKind::NotOurs, "not a RIFF WAVE image" };
    WaveImage w;
    bool haveFormat = false, haveData = false;
    std::size_t at = 12;
    while (at + 8 <= image.size()) {
        const std::uint8_t* chunk = image.data() + at;
        const std::uint32_t length = Le32(chunk + 4);
        if (length > image.size() - at - 8)
            return Damaged("a chunk runs past the end of the image");
        const std::uint8_t* body = chunk + 8;
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (length < 16)
                return Damaged("the format chunk is too short");
            if (Le16(body) != 1)
                return Unsupported("the samples are not plain PCM");
            w.Channels = Le16(body + 2);
            w.SampleRate = int(Le32(body + 4));
            w.BitsPerSample = Le16(body + 14);
            haveFormat = true;
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            w.Samples = image.subspan(at + 8, length);
            haveData = true;
        }
        at += 8 + length + (length & 1); // chunks are padded to even lengths
    }
    if (!haveFormat || !haveData)
        return Damaged("the image has no format or no data chunk");
    if ((w.Channels != 1 && w.Channels != 2) || (w.BitsPerSample != 8 && w.BitsPerSample != 16)
        || w.SampleRate < 1000 || w.SampleRate > 192000)
        return Unsupported("the sample format is not one the player knows");
    return w;
}
