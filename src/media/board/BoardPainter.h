// What the board's pixels are: the borders, the resting sprite of every square, the hover and
// mark outlines and the frames of the disc animation, drawn into the sprite store's back buffer.
// The board window decides when to draw and pushes the changed rectangles to the screen.
#pragma once

#include <array>
#include <cstdint>

#include "Board.h"

// The board's pixel geometry and the resting frame of the current figure set. The design's
// geometry (61-pixel squares on 8 × 8, 49 on 10 × 10, 20-pixel borders) is what the window
// shows at its first size on a screen of one device pixel to a pixel; a larger window or a
// denser screen draws the same board with more pixels, every measure in device pixels.
struct BoardLayout {
    int Size = 8; // squares per side
    int CellSize = 61; // 49 on 10 × 10
    int RestFrame = 19; // 14 for "Classic"
    int Margin = 20; // border width around the squares in the back buffer

    int BackSize() const { return Size * CellSize + 2 * Margin; }
    // The compiled-in pictures draw this layout; every other is drawn from the art's masters.
    bool IsDesign() const;
    // Device pixels to a pixel of the design.
    double Scale() const;
    // A length of the design (the outlines' insets, their width) in this layout's pixels.
    int Scaled(double designPixels) const;
    bool operator==(const BoardLayout&) const = default;
};

// Cell size for a board size, and the resting frame for a figure set.
int CellSizeFor(int boardSize);
int HalfCellFor(int boardSize);
int RestFrameFor(int figureSet);
constexpr int DesignMargin = 20;

// The largest board that fits a back buffer of side device pixels: the squares as large as the
// design's proportions allow, the borders taking what is left (never narrower than the design's
// share). side = n·c + 40 gives the design layout.
BoardLayout FitLayout(int boardSize, int restFrame, int side);

// The board in a widget of width × height device pixels on a screen of ratio device pixels to a
// pixel: inside its sunken bevel of two lines, each BevelLine(ratio) device pixels thick.
int BevelLine(double ratio);
BoardLayout LayoutForWidget(int boardSize, int restFrame, int width, int height, double ratio);
// The widget's first size (the design's client area, n·c + 44 pixels square) in device pixels.
int FirstWidgetSide(int boardSize, double ratio);

// A rectangle of the back buffer in picture coordinates (y from the top).
struct PictureRect {
    int X = 0, Y = 0, Width = 0, Height = 0;
    bool Empty() const { return Width <= 0 || Height <= 0; }
    bool operator==(const PictureRect&) const = default;
};
PictureRect SquareRect(const BoardLayout& layout, int x, int y);

// Light squares have x + y even.
inline bool IsLightSquare(int x, int y) { return (x + y) % 2 == 0; }

// Copies frame of band from the disc sheet onto square (x, y) of the back buffer.
void CopyFrameToSquare(const BoardLayout& layout, int x, int y, int band, int frame);

// The resting sprite of square (x, y) for what its cell holds.
void DrawRestingSprite(const BoardLayout& layout, const Board& board, int x, int y);

// Borders and every square (the pixel part of DrawBoard).
void PaintBoard(const BoardLayout& layout, const Board& board);

// A one-pixel outline k pixels inside square (x, y): the hover outline (k = 0) and the move marks.
// In another layout than the design's, the outline and its inset grow with the board: k pixels
// of the design inside, as thick as a pixel of the design.
void DrawInsetOutline(const BoardLayout& layout, int x, int y, int k, std::uint32_t value);

// The markers that can stay on the board (an addition to the original): a small dot on the disc
// placed last, and a small dot on each square where the side to move may play, in that side's
// move colour. Each has a dark rim so that it reads on every square and disc of every set.
void DrawLastMoveMarker(const BoardLayout& layout, int x, int y);
void DrawLegalMoveDot(const BoardLayout& layout, int x, int y, std::uint32_t value);
constexpr std::uint32_t LastMoveColour = 0xE8402A;

// Pixel values of the outlines.
constexpr std::uint32_t HoverColour = 0xFFCF40;
constexpr std::uint32_t YellowMoveColour = 0xFFF000;
constexpr std::uint32_t GreenMoveColour = 0xA0E87C;
constexpr std::uint32_t ChangeColour = 0xFFFFFF;

// What happened to each cell in a move: 1 empty→Yellow, 2 empty→Green, 3 Green→Yellow,
// 4 Yellow→Green, 0 nothing to animate.
using TransitionTable = std::array<int, BoardCells>;
TransitionTable ComputeTransitionCodes(const Board& before, const Board& after);

// The sheet band that animates a transition code on a light or dark square.
int TransitionBand(int code, bool light);

// Draws frame f of every animated square and returns the rectangle that changed (empty when no
// square is animated).
PictureRect DrawAnimationFrame(const BoardLayout& layout, const TransitionTable& codes, int frame);
