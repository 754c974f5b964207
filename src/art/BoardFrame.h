// The board's frame: a polished walnut moulding with a brass inlay, mitred at the corners, with
// gilded letters and numbers cut into it. It is painted whole for each board size, as the
// player sees it, at any resolution; corvana-gen cuts the compiled-in strips out of it and the
// game paints it for the sizes the window draws the board at.
#pragma once

#include <QPainterPath>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "Raster.h"
#include "Result.h"

constexpr int FrameStrip = 20; // width of the frame in design pixels

// The outlines of the labels in the design's label font (14-pixel DejaVu Serif Bold), baseline
// at the origin: the letters A..J and the numbers 1..10, the numbers already set narrower.
// corvana-gen takes them from the font and stores them as a resource, so the game paints the
// labels without the font files.
struct FrameLabels {
    std::array<QPainterPath, 10> Letters; // A .. J
    std::array<QPainterPath, 10> Numbers; // 1 .. 10
};
std::vector<std::uint8_t> SaveFrameLabels(const FrameLabels& labels);
// Fails (Damaged) on anything that is not ten letters and ten numbers of path elements.
Result<FrameLabels> LoadFrameLabels(std::span<const std::uint8_t> bytes);

// A rectangle of a canvas in canvas pixels.
struct CanvasRect {
    int X = 0, Y = 0, Width = 0, Height = 0;
};

// The frame around an n × n board (n 8 or 10), n·c + 40 design pixels square (c the design's
// square size, 61 or 49), painted at `fine` canvas pixels to a design pixel: the part `region`
// of that canvas (the inside of the frame is black). Without labels when labels is null.
FloatImage PaintFrameCanvas(int n, const FrameLabels* labels, int fine, CanvasRect region);
// The whole canvas.
FloatImage PaintFrameCanvas(int n, const FrameLabels* labels, int fine);

// The frame at the design size, as the compiled-in strips are cut from it.
PixelImage PaintFrame(int n, const FrameLabels* labels);
constexpr int FrameFine = 3; // its supersampling
