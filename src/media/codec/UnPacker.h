// Unpacking a compressed resource into the layout its users read: plain bytes, a block of its
// own, or 32-bit pixels (bytes blue, green, red, 0) from colour triplets or colour planes. Used by
// the sprite store, the intro, the sound player and corvana-cli.
//
// Each operation exists twice: by resource name (what the program calls) and on stored bytes (the
// container itself, for tools and tests). Nothing is thrown; a refused call leaves the
// destination untouched.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct UnpackResult {
    enum Kind {
        Ok,
        NotFound, // no resource of that name is compiled in
        NotPacked, // the resource is stored uncompressed; read it with FindResource
        Malformed, // too short to hold the 4-byte declared size
        TooLarge, // the declared size is above the decoder's limit
        SizeMismatch, // the declared size is not what the destination holds
    };
    Kind Status = Ok;
    std::string Message;
    explicit operator bool() const { return Status == Ok; }
};

// Decodes the resource into destination, which must hold exactly its declared size.
UnpackResult UnpackResource(std::string_view name, std::span<std::uint8_t> destination);
UnpackResult UnpackResource(
    std::span<const std::uint8_t> stored, std::span<std::uint8_t> destination);

// Decodes the resource into a block of exactly its declared size (Bytes.size()).
struct UnpackedBlock {
    UnpackResult Result;
    std::vector<std::uint8_t> Bytes;
};
UnpackedBlock UnpackResourceAlloc(std::string_view name);
UnpackedBlock UnpackResourceAlloc(std::span<const std::uint8_t> stored);

// A picture of width × height stored as triplets already in blue, green, red order, rows in
// stored order. The declared size must be width × height × 3 and destination must hold
// width × height pixels.
UnpackResult UnpackTriplets(
    std::string_view name, std::span<std::uint32_t> destination, int width, int height);
UnpackResult UnpackTriplets(std::span<const std::uint8_t> stored,
    std::span<std::uint32_t> destination, int width, int height);

// A picture of width × height stored as a red, a green and a blue plane, each top row first. The
// destination receives it bottom-up: its first row is the picture's bottom row. Sizes as for
// UnpackTriplets.
UnpackResult UnpackPlanes(
    std::string_view name, std::span<std::uint32_t> destination, int width, int height);
UnpackResult UnpackPlanes(std::span<const std::uint8_t> stored,
    std::span<std::uint32_t> destination, int width, int height);
