// Helpers shared by the figure sets for their board squares and disc placement.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <mutex>

#include "DiscFrames.h"
#include "DiscModel.h"
#include "Raster.h"

// Paints every pixel of a canvas FrameSize × scale pixels square from colour(u, v), where u and
// v run over the square in frame pixels (0 .. 61), taken at pixel centres.
FloatImage PaintSquareTexture(const std::function<Rgb(float u, float v)>& colour, int scale);

// The square's edges as a slightly raised tile: lit along the top and left, shaded along the
// bottom and right. Neighbouring squares then meet in a fine groove.
void BevelSquare(FloatImage& square, float highlight, float shade);

// A disc resting in the middle of a square, in canvas pixels; radius and thickness in frame
// pixels.
DiscPose RestingPose(float radius, float thickness, int scale);

// 1 around the middle of a square, falling to 0 at its edges (canvas coordinates): effects
// that leave the disc (fire, glints) must fade before the edge, where the next square begins.
float EdgeWindow(float x, float y, int scale);

// Adds a four-pointed glint at (x, y) (canvas coordinates), size in frame pixels.
void AddGlint(FloatImage& canvas, float x, float y, float size, Rgb colour, int scale);

// The canvas scale of a square's canvas: canvas pixels to a frame pixel.
inline int ScaleOf(const FloatImage& canvas) { return canvas.Width / FrameSize; }

// The bare squares of a figure set, painted once for each canvas scale and kept: every frame of
// the set starts from them. Safe to use from several threads at once.
class SquareCache {
public:
    using Painter = FloatImage (*)(bool light, int scale);
    explicit SquareCache(Painter paint)
        : Paint(paint)
    {
    }
    const FloatImage& Get(bool light, int scale);

private:
    Painter Paint;
    std::mutex Lock;
    std::map<int, std::array<std::unique_ptr<const FloatImage>, 2>> Squares;
};
