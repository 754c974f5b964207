// The board's frame: BORDR_H (530 × 80, the top and bottom strips with the column letters) and
// BORDR_V (80 × 490, the left and right strips with the row numbers), read by the sprite store.
#pragma once

#include <vector>

#include "Generators.h"
#include "Raster.h"

struct BorderPictures {
    PixelImage Horizontal; // 530 × 80
    PixelImage Vertical; // 80 × 490
};

BorderPictures BuildBorders();

std::vector<GeneratedResource> GenerateBorders(const GeneratorContext& context);
