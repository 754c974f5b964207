// Shared helpers of the content tests: the build's generated resources, read back from
// build/generated, and small colour measurements.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "Raster.h"

// The bytes of a generated resource NAME.raw, or empty if the build did not produce it.
std::vector<std::uint8_t> ReadGenerated(const std::string& name);

// The mean colour (0..255 per channel, sRGB) of the pixels of picture inside the circle.
struct MeanColour {
    double R = 0, G = 0, B = 0;
};
MeanColour MeanInCircle(const PixelImage& picture, double cx, double cy, double radius);
MeanColour MeanInRing(const PixelImage& picture, int inset); // the square's border ring

// Hue in degrees (0 red, 60 yellow, 120 green), and the distance between two colours.
double Hue(const MeanColour& c);
double Distance(const MeanColour& a, const MeanColour& b);
