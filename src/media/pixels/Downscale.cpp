// Box reduction of 32-bit pixel buffers for the 10 × 10 disc sheets.
#include "Downscale.h"

#include <cmath>
#include <vector>

namespace {

// Running sums of one accumulator entry. The sums are 32-bit so that strong reductions, where
// many source pixels land on one entry, cannot wrap around and corrupt the colour.
struct Accumulator {
    std::uint32_t Blue = 0;
    std::uint32_t Green = 0;
    std::uint32_t Red = 0;
    std::uint32_t Weight = 0;
};

// Rounds to the nearest integer with ties to even (the default floating-point rounding mode).
int RoundEven(float v) { return static_cast<int>(std::nearbyintf(v)); }

} // namespace

Status Downscale(std::span<const std::uint32_t> source, std::span<std::uint32_t> destination,
    int sourceWidth, int sourceHeight, int destinationWidth, int destinationHeight)
{
    if (sourceWidth <= 0 || sourceHeight <= 0 || destinationWidth <= 0 || destinationHeight <= 0)
        return Error { ErrorKind::SizeMismatch, "Downscale: picture sizes must be positive" };
    if (destinationWidth > sourceWidth || destinationHeight > sourceHeight)
        return Error { ErrorKind::Unsupported,
            "Downscale: only reductions are supported (the destination is larger)" };
    const std::size_t sourcePixels = std::size_t(sourceWidth) * std::size_t(sourceHeight);
    const std::size_t destinationPixels
        = std::size_t(destinationWidth) * std::size_t(destinationHeight);
    if (source.size() < sourcePixels)
        return Error { ErrorKind::SizeMismatch,
            "Downscale: the source buffer is smaller than its picture" };
    if (destination.size() < destinationPixels)
        return Error { ErrorKind::SizeMismatch,
            "Downscale: the destination buffer is smaller than its picture" };

    // One spare row and column: a rounded position may reach the destination's width or height.
    // Entries are addressed with the destination width as the row length, so a column equal to
    // the width spills into column 0 of the next row; the spare row keeps that inside the block.
    std::vector<Accumulator> sums(
        std::size_t(destinationWidth + 1) * std::size_t(destinationHeight + 1));
    const auto add = [&](int row, int column, std::uint32_t pixel, std::uint32_t weight) {
        const std::size_t index = std::size_t(row) * std::size_t(destinationWidth) + column;
        if (index >= sums.size())
            return;
        Accumulator& a = sums[index];
        a.Blue += (pixel & 0xFF) * weight;
        a.Green += ((pixel >> 8) & 0xFF) * weight;
        a.Red += ((pixel >> 16) & 0xFF) * weight;
        a.Weight += weight;
    };

    const float sx = float(destinationWidth) / float(sourceWidth);
    const float sy = float(destinationHeight) / float(sourceHeight);
    const float hx = sx / 2;
    const float hy = sy / 2;
    // The positions are accumulated step by step, as single-precision sums, rather than computed
    // as i × sx: the rounding of exact halves depends on it, and the game's sheets must come out
    // the same pixel for pixel.
    float fx = 0;
    for (int i = 0; i < sourceWidth; ++i, fx += sx) {
        const int x0 = RoundEven(fx);
        const int x1 = RoundEven(fx + hx);
        float fy = 0;
        for (int j = 0; j < sourceHeight; ++j, fy += sy) {
            const int y0 = RoundEven(fy);
            const int y1 = RoundEven(fy + hy);
            const std::uint32_t pixel = source[std::size_t(j) * std::size_t(sourceWidth) + i];
            add(y0, x0, pixel, 4);
            add(y1, x1, pixel, 1);
            add(y1, x0, pixel, 1);
            add(y0, x1, pixel, 1);
        }
    }

    for (std::size_t k = 0; k < destinationPixels; ++k) {
        const Accumulator& a = sums[k];
        // With a reduction every entry is reached; a zero weight would mean a broken input, and
        // black is a safer answer than a division by zero.
        if (a.Weight == 0) {
            destination[k] = 0;
            continue;
        }
        destination[k] = (a.Red / a.Weight) << 16 | (a.Green / a.Weight) << 8 | (a.Blue / a.Weight);
    }
    return {};
}
