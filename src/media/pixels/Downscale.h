// Box reduction of 32-bit pixel buffers: turns the 61-pixel disc sheets into the 49-pixel frames
// of the 10 × 10 board. Used by the sprite store when it loads a sheet, and by corvana-gen's
// previews so the generated art is judged exactly as the game will show it.
#pragma once

#include <cstdint>
#include <span>

#include "Result.h"

// Reduces a source picture (sourceWidth × sourceHeight pixels, rows in memory order, each pixel
// the word 0x00RRGGBB) to destinationWidth × destinationHeight. Every destination pixel is the
// weighted mean of the source pixels that round onto it and its neighbours. Only reductions are
// accepted (no destination dimension above the source's: Unsupported); the buffers must hold their
// pictures (SizeMismatch). On failure the destination is left untouched.
Status Downscale(std::span<const std::uint32_t> source, std::span<std::uint32_t> destination,
    int sourceWidth, int sourceHeight, int destinationWidth, int destinationHeight);
