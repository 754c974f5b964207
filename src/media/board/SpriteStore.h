// The sprite store: the border pictures, the disc sheet of the current figure set and the back
// buffer the board is assembled in, with the copy and line primitives that draw into it. Pixel
// work only (no Qt); the board window draws through it and pushes the result to the screen.
//
// Every picture is bottom-up (memory row 0 is the bottom row on the screen); the primitives take
// memory rows, everything else speaks in picture rows counted from the top.
#pragma once

#include <cstdint>
#include <vector>

#include "Result.h"

// Owns one fixed-size picture for as long as the store keeps it.
struct PixelBlock {
    std::vector<std::uint32_t> Pixels;
    int Width = 0;
    int Height = 0;

    bool Exists() const { return !Pixels.empty(); }
    std::uint32_t* MemoryRow(int row) { return Pixels.data() + std::size_t(row) * Width; }
    const std::uint32_t* MemoryRow(int row) const
    {
        return Pixels.data() + std::size_t(row) * Width;
    }
    std::uint32_t At(int x, int memoryRow) const
    {
        return Pixels[std::size_t(memoryRow) * Width + x];
    }
};

extern PixelBlock VerticalBorder; // BORDR_V, 80 × 490
extern PixelBlock HorizontalBorder; // BORDR_H, 530 × 80
extern PixelBlock DiscSheet; // the current figure set, full size or reduced for 10 × 10
extern PixelBlock BackBuffer; // the board as the window shows it
// The borders of a layout other than the design's (BoardPainter.h): the top strip above the
// bottom one (back width × 2 margins) and the left strip beside the right one (2 margins × the
// squares' height), made for that layout.
extern PixelBlock ScaledHorizontalBorder;
extern PixelBlock ScaledVerticalBorder;

// The size of the picture currently used as a source; BlitToBack takes its row length from it.
struct SourceSize {
    int Width = 0;
    int Height = 0;
};
extern SourceSize SourceHeader;

// The figure sets and their sheets.
struct FigureSetInfo {
    const char* Resource;
    int Frames; // per band; the last is the resting picture
};
constexpr int FigureSetCount = 3;
const FigureSetInfo& FigureSetFor(int figureSet); // 0 "Flame", 1 "Classic", 2 "Ancient"
constexpr int SheetBands = 8;
constexpr int FullCell = 61;
constexpr int ReducedCell = 49;

// Unpacks both borders, once; later calls do nothing. A failure says which picture and why.
Status LoadBorders();

// A sheet unpacked (and reduced for the 10 × 10 board) into a block of its own, without touching
// the store, so it can be prepared away from the main thread.
Result<PixelBlock> PrepareDiscSheet(int figureSet, bool large);

// Replaces the current sheet. On failure the current sheet stays.
Status LoadDiscSheet(int figureSet, bool large);
void InstallDiscSheet(PixelBlock&& sheet);

void AllocBackBuffer(int width, int height);
void FreeGraphics();
void SetSourceSize(int width, int height);

// Copies height rows of width pixels from source (row length SourceHeader.Width) to BackBuffer.
// Rectangles that do not lie inside both pictures are not copied.
void BlitToBack(int destX, int destRow, int width, int height, int sourceX, int sourceRow,
    const PixelBlock& source);

void HLine(int x1, int x2, int row, std::uint32_t value);
void VLine(int x, int row1, int row2, std::uint32_t value);
void FrameRect(int x1, int row1, int x2, int row2, std::uint32_t value);
