// Windows bitmap files (.bmp), as the game's small pictures are stored: 8 bits a pixel with a
// palette, or 1 bit a pixel. Written by corvana-gen, and read back by its tests.
#pragma once

#include <cstdint>
#include <vector>

#include "Raster.h"
#include "Result.h"

// The file image of an 8-bit picture. Pixels equal to key keep that exact colour (the game
// treats the bottom-left pixel's colour as transparent); the others are reduced to at most 255
// further colours by median cut when there are more.
std::vector<std::uint8_t> EncodeBitmap8(const PixelImage& picture, std::uint32_t key);

// The file image of a two-colour picture: pixels with ink[i] true are black, the others white.
std::vector<std::uint8_t> EncodeBitmap1(int width, int height, const std::vector<bool>& ink);

// A bitmap file read back: its header fields and its pixels, top row first.
struct DecodedBitmap {
    int Width = 0, Height = 0, BitsPerPixel = 0, PaletteSize = 0;
    std::uint32_t FileSize = 0; // as the header states it
    PixelImage Picture;
};

// Reads uncompressed 1-, 4- or 8-bit bottom-up bitmaps. Refuses what is no bitmap file (NotOurs),
// other kinds of bitmap (Unsupported) and truncated or inconsistent files (Damaged).
Result<DecodedBitmap> DecodeBitmap(const std::vector<std::uint8_t>& file);
