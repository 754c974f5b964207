// Unpacking a compressed resource into the layout its users read: plain bytes, a block of its
// own, or 32-bit pixels (bytes blue, green, red, 0) from colour triplets or colour planes. Used by
// the sprite store, the intro, the sound player and corvana-cli.
//
// Each operation exists twice: by resource name (what the program calls) and on stored bytes (the
// container itself, for tools and tests). Nothing is thrown; a refused call leaves the
// destination untouched. Refusals: NotFound (no resource of that name is compiled in), WrongForm
// (the resource is stored uncompressed: read it with FindResource), Damaged (too short to hold
// the 4-byte declared size), TooLarge (a declared size above the decoder's limit), SizeMismatch
// (the declared size is not what the destination holds).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Result.h"

// Decodes the resource into destination, which must hold exactly its declared size.
Status UnpackResource(std::string_view name, std::span<std::uint8_t> destination);
Status UnpackResource(std::span<const std::uint8_t> stored, std::span<std::uint8_t> destination);

// Decodes the resource into a block of exactly its declared size.
Result<std::vector<std::uint8_t>> UnpackResourceAlloc(std::string_view name);
Result<std::vector<std::uint8_t>> UnpackResourceAlloc(std::span<const std::uint8_t> stored);

// A picture of width × height stored as triplets already in blue, green, red order, rows in
// stored order. The declared size must be width × height × 3 and destination must hold
// width × height pixels.
Status UnpackTriplets(
    std::string_view name, std::span<std::uint32_t> destination, int width, int height);
Status UnpackTriplets(std::span<const std::uint8_t> stored, std::span<std::uint32_t> destination,
    int width, int height);

// A picture of width × height stored as a red, a green and a blue plane, each top row first. The
// destination receives it bottom-up: its first row is the picture's bottom row. Sizes as for
// UnpackTriplets.
Status UnpackPlanes(
    std::string_view name, std::span<std::uint32_t> destination, int width, int height);
Status UnpackPlanes(std::span<const std::uint8_t> stored, std::span<std::uint32_t> destination,
    int width, int height);
