// The board's frame: BORDR_H (530 × 80, the top and bottom strips with the column letters) and
// BORDR_V (80 × 490, the left and right strips with the row numbers), read by the sprite store.
#pragma once

#include <vector>

#include "BoardFrame.h"
#include "Generators.h"
#include "Raster.h"

struct BorderPictures {
    PixelImage Horizontal; // 530 × 80
    PixelImage Vertical; // 80 × 490
};

BorderPictures BuildBorders();

// The outlines of the labels, set in the design's font (the resource BORDR_LABELS).
const FrameLabels& DesignLabels();

// The whole frame around an n × n board (n 8 or 10) as the player sees it, n·c + 40 pixels
// square (c the square size, 61 or 49), the inside left black. Without labels for tests that
// need to find the ink of the labels.
PixelImage PaintFrame(int n, bool withLabels);

// BORDR_H, BORDR_V and BORDR_LABELS.
std::vector<GeneratedResource> GenerateBorders(const GeneratorContext& context);
