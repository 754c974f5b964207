// WAVE file images as the program's sound player takes them: RIFF with "fmt ", an optional
// "fact" chunk, and "data", PCM mono 8 bits a sample.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Bytes in front of the samples: RIFF header, "fmt " chunk (16 bytes of PCM format), optional
// "fact" chunk, "data" chunk header.
constexpr std::size_t WaveHeaderSize(bool factChunk) { return factChunk ? 56 : 44; }

// The complete image for unsigned 8-bit samples (128 is silence) at `rate` samples a second.
std::vector<std::uint8_t> MakeWaveImage(
    const std::vector<std::uint8_t>& samples, int rate, bool factChunk);
