// The four small Windows bitmaps of the progress panels: PACK_BMP (44 × 34, a box) and
// PACK_TXT (88 × 20, "Loading...") for the loading window, CONNECT_BMP (34 × 34, two linked
// computers) and CONNECT_TXT (117 × 20, "Connecting...") for the connect panel. The colour of
// each bitmap's bottom-left pixel is its transparent colour.
#pragma once

#include <vector>

#include "Generators.h"
#include "Raster.h"

// The colour 8-bit pictures use for "no paint" (always their bottom-left pixel).
constexpr std::uint32_t TransparentKey = 0xFF00FF;

PixelImage PaintPackPicture();
PixelImage PaintConnectPicture();
// The word in black (true) on white, centred in a width × height box.
std::vector<bool> PaintWord(const char* word, int width, int height);

std::vector<GeneratedResource> GenerateSmallPictures(const GeneratorContext& context);
