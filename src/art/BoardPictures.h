// The board's pictures at any size, made from the same models the compiled-in ones are painted
// from: a figure set's sheet with square frames of any cell size, and the frame's four strips
// for any board layout.
//
// What the generator's rendering at a size is: every frame (and the frame's strips) is painted
// on a master canvas at least twice as fine as the result (scale 4 or 8 canvas pixels to a
// design pixel; the frames in mid-move always at 4), kept as 8-bit sRGB, and resampled to the
// size by the mean over each result pixel's footprint in linear light (Resample.h). The game
// keeps the masters and resamples them whenever the board's size changes; corvana-gen --cell
// writes the same pictures from the same functions, one at a time.
#pragma once

#include <cstdint>
#include <functional>

#include "BoardFrame.h"
#include "DiscFrames.h"
#include "Resample.h"

// The scale of the still pictures' masters (bare squares and resting discs) and of the
// frame's for cells of this many pixels: at least two master pixels to a result pixel.
int StillMasterScale(int cell);
// The frames in mid-move are seen for 55 ms each: their masters are kept at this scale only.
constexpr int MovingMasterScale = 4;

// The canvas of one of the still pictures.
SrgbImage PaintStillMaster(const FigureSetArt& art, FramePicture picture, int scale);
// The canvas of frame f of band b (a moving frame).
SrgbImage PaintMovingMaster(const FigureSetArt& art, int band, int frame);

// Resamples a master onto a cell × cell square of a picture: its top-left pixel at topLeft, rows
// pitch pixels apart (negative for a bottom-up picture).
void ResampleSquare(
    const SrgbImage& master, int cell, std::uint32_t* topLeft, std::ptrdiff_t pitch);

// The frame around an n × n board as four strips painted at `fine` canvas pixels to a design
// pixel: the top and bottom strips the full width of the frame, the left and right ones the
// height of the squares between them.
struct FrameMaster {
    int Size = 0;
    int Fine = 0;
    SrgbImage Top, Bottom, Left, Right;
};
// Paints the strip k (0 top, 1 bottom, 2 left, 3 right) of a frame master.
SrgbImage PaintFrameStrip(int n, const FrameLabels& labels, int fine, int strip);

// The strips of a board of n squares of cell pixels between borders margin pixels wide, as the
// sprite store keeps them: the horizontal picture (n·cell + 2·margin wide, 2·margin high) holds
// the top strip above the bottom one, the vertical picture (2·margin wide, n·cell high) the left
// strip beside the right one. Pictures are given by their top-left pixel and row pitch.
void ResampleBorders(const FrameMaster& master, int cell, int margin, std::uint32_t* horizontal,
    std::ptrdiff_t horizontalPitch, std::uint32_t* vertical, std::ptrdiff_t verticalPitch);

// The generator's rendering at a size, top row first, one picture after the other: a set's
// whole sheet (frames × cell wide, 8 × cell high) and the two border pictures of a layout.
PixelImage PaintSheetAt(const FigureSetArt& art, int cell);
struct BorderPicturesAt {
    PixelImage Horizontal, Vertical;
};
BorderPicturesAt PaintBordersAt(int n, const FrameLabels& labels, int cell, int margin);

// Runs work(0) .. work(count − 1) on up to `threads` threads (this one among them).
void ParallelFor(int count, int threads, const std::function<void(int)>& work);
