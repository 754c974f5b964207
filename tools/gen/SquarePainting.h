// Helpers shared by the figure sets for their board squares and disc placement.
#pragma once

#include <functional>

#include "DiscModel.h"
#include "Raster.h"

// Paints every pixel of a CanvasSize square from colour(u, v), where u and v run over the
// square in frame pixels (0 .. 61), taken at pixel centres.
FloatImage PaintSquareTexture(const std::function<Rgb(float u, float v)>& colour);

// The square's edges as a slightly raised tile: lit along the top and left, shaded along the
// bottom and right. Neighbouring squares then meet in a fine groove.
void BevelSquare(FloatImage& square, float highlight, float shade);

// A disc resting in the middle of a square, at canvas scale, radius and thickness in frame
// pixels.
DiscPose RestingPose(float radius, float thickness);

// 1 around the middle of a square, falling to 0 at its edges (canvas coordinates): effects
// that leave the disc (fire, glints) must fade before the edge, where the next square begins.
float EdgeWindow(float x, float y);

// Adds a four-pointed glint at (x, y) (canvas coordinates), size in frame pixels.
void AddGlint(FloatImage& canvas, float x, float y, float size, Rgb colour);
