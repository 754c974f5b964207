// Reading a RIFF WAVE image from memory: the PCM format and where its samples are. Used by the
// sound player; Qt-free so it can be tested on any bytes.
#pragma once

#include <cstdint>
#include <span>

#include "Result.h"

struct WaveImage {
    int Channels = 0;
    int SampleRate = 0;
    int BitsPerSample = 0;
    std::span<const std::uint8_t> Samples; // inside the image given to ParseWave
};

// Accepts uncompressed PCM with 1 or 2 channels of 8 or 16 bits. Chunks other than "fmt " and
// "data" (such as "fact") are skipped. Refuses what is no RIFF WAVE image (NotOurs), sizes that
// run past the image or missing chunks (Damaged) and other sample formats (Unsupported).
Result<WaveImage> ParseWave(std::span<const std::uint8_t> image);
