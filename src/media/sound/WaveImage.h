// Reading a RIFF WAVE image from memory: the PCM format and where its samples are. Used by the
// sound player; Qt-free so it can be tested on any bytes.
#pragma once

#include <cstdint>
#include <span>
#include <string>

struct WaveImage {
    std::string Error; // empty when the image can be played
    int Channels = 0;
    int SampleRate = 0;
    int BitsPerSample = 0;
    std::span<const std::uint8_t> Samples; // inside the image given to ParseWave
    explicit operator bool() const { return Error.empty(); }
};

// Accepts uncompressed PCM with 1 or 2 channels of 8 or 16 bits. Chunks other than "fmt " and
// "data" (such as "fact") are skipped; sizes that run past the image are refused.
WaveImage ParseWave(std::span<const std::uint8_t> image);
