// Pictures made smaller (or, rarely, larger) in linear light: every pixel of the result is the
// mean of the source over the pixel's footprint, the same box the generator averages its
// supersampled canvases with, so a picture resampled by a whole factor is the generator's own
// reduction of it. The sources are 8-bit sRGB pictures kept as masters; the results are written
// as the game's 32-bit pixels (0x00RRGGBB).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "Raster.h"

// An 8-bit sRGB picture, three bytes a pixel (red, green, blue), top row first.
struct SrgbImage {
    int Width = 0, Height = 0;
    std::vector<std::uint8_t> Bytes;

    SrgbImage() = default;
    SrgbImage(int w, int h)
        : Width(w)
        , Height(h)
        , Bytes(std::size_t(w) * std::size_t(h) * 3)
    {
    }
    const std::uint8_t* At(int x, int y) const
    {
        return Bytes.data() + (std::size_t(y) * std::size_t(Width) + std::size_t(x)) * 3;
    }
};

// A canvas in linear light encoded to 8-bit sRGB, rounding to the nearest step (as ToPixels).
SrgbImage ToSrgbImage(const FloatImage& canvas);

// How the pixels of one axis of the result take from the source: for result pixel i, the
// source pixels First[i] .. First[i] + Count[i] − 1 with their weights (summing to 1).
struct AxisMap {
    std::vector<int> First, Count;
    std::vector<float> Weights; // Count[i] weights for each i, one after the other
    std::vector<std::size_t> Offset; // where the weights of i start
    int Length() const { return int(First.size()); }
};

// One segment of an axis: `target` result pixels spread evenly over `source` source pixels.
struct AxisSegment {
    int Target;
    double Source;
};
// The result pixels' footprints laid end to end over the source, segment by segment: a picture
// whose parts scale differently (the frame's corners and its sides between them).
AxisMap FootprintAxis(const std::vector<AxisSegment>& segments);
// sourceLength source pixels evenly onto targetLength result pixels.
AxisMap UniformAxis(int sourceLength, int targetLength);

// Resamples source over the axes (columns by xs, rows by ys; their source extents must lie
// inside it) into the result: pixel (i, j) is written to destination[j * pitch + i], pitch in
// pixels (negative for a bottom-up picture).
void Resample(const SrgbImage& source, const AxisMap& xs, const AxisMap& ys,
    std::uint32_t* destination, std::ptrdiff_t pitch);

// The 8-bit sRGB value of a linear channel, the same as ToSrgbByte but by a table of the 255
// steps, so that millions of pixels cost little.
std::uint8_t EncodeSrgb(float linear);
// The linear value of an 8-bit sRGB channel.
float DecodeSrgb(std::uint8_t value);
