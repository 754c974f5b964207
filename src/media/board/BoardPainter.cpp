// Board pixels over the sprite store.
#include "BoardPainter.h"

#include <algorithm>
#include <cmath>

#include "SpriteStore.h"

int CellSizeFor(int boardSize) { return boardSize == 10 ? 49 : 61; }
int HalfCellFor(int boardSize) { return boardSize == 10 ? 25 : 30; }
int RestFrameFor(int figureSet) { return FigureSetFor(figureSet).Frames - 1; }

bool BoardLayout::IsDesign() const
{
    return CellSize == CellSizeFor(Size) && Margin == DesignMargin;
}

double BoardLayout::Scale() const { return double(CellSize) / CellSizeFor(Size); }

int BoardLayout::Scaled(double designPixels) const
{
    return int(std::lround(designPixels * Scale()));
}

BoardLayout FitLayout(int boardSize, int restFrame, int side)
{
    const int design = CellSizeFor(boardSize);
    const int designSide = boardSize * design + 2 * DesignMargin;
    const int cell = std::max(1, int(std::floor(double(side) * design / designSide)));
    const int margin = std::max(1, (side - boardSize * cell) / 2);
    return { boardSize, cell, restFrame, margin };
}

int BevelLine(double ratio) { return std::max(1, int(std::lround(ratio))); }

BoardLayout LayoutForWidget(int boardSize, int restFrame, int width, int height, double ratio)
{
    const int side = std::min(width, height) - 4 * BevelLine(ratio);
    return FitLayout(boardSize, restFrame, std::max(side, 2 * boardSize + 2));
}

int FirstWidgetSide(int boardSize, double ratio)
{
    const int logical = boardSize * CellSizeFor(boardSize) + 2 * DesignMargin + 4;
    return int(std::floor(logical * ratio));
}

PictureRect SquareRect(const BoardLayout& layout, int x, int y)
{
    return { layout.Margin + x * layout.CellSize, layout.Margin + y * layout.CellSize,
        layout.CellSize, layout.CellSize };
}

void CopyFrameToSquare(const BoardLayout& layout, int x, int y, int band, int frame)
{
    const int c = layout.CellSize;
    SetSourceSize(DiscSheet.Width, DiscSheet.Height);
    BlitToBack(layout.Margin + x * c, (layout.Size - y - 1) * c + layout.Margin, c, c, frame * c,
        (SheetBands - 1 - band) * c, DiscSheet);
}

void DrawRestingSprite(const BoardLayout& layout, const Board& board, int x, int y)
{
    const Cell cell = board[SquareIndex(layout.Size, x, y)];
    const bool light = IsLightSquare(x, y);
    if (cell == CellYellow)
        CopyFrameToSquare(layout, x, y, light ? 6 : 7, layout.RestFrame);
    else if (cell == CellGreen)
        CopyFrameToSquare(layout, x, y, light ? 4 : 5, layout.RestFrame);
    else
        CopyFrameToSquare(layout, x, y, light ? 4 : 5, 0);
}

void PaintBoard(const BoardLayout& layout, const Board& board)
{
    const int n = layout.Size;
    const int c = layout.CellSize;
    const int m = layout.Margin;
    const int span = layout.BackSize(); // 528 or 530 columns of the strips in the design
    if (layout.IsDesign()) {
        const bool eight = n == 8;
        // Letters: upright below the board, rotated above it.
        SetSourceSize(530, 80);
        BlitToBack(0, 0, span, 20, 0, eight ? 40 : 0, HorizontalBorder);
        BlitToBack(0, n * c + 20, span, 20, 0, eight ? 60 : 20, HorizontalBorder);
        // Numbers: upright on the left, rotated on the right; 8 × 8 drops the bottom two rows.
        SetSourceSize(80, 490);
        BlitToBack(0, 20, 20, n * c, eight ? 0 : 40, eight ? 2 : 0, VerticalBorder);
        BlitToBack(n * c + 20, 20, 20, n * c, eight ? 20 : 60, eight ? 2 : 0, VerticalBorder);
    } else {
        // The strips made for this layout: the bottom strip in the lower memory rows of the
        // horizontal picture, the left strip in the first columns of the vertical one.
        SetSourceSize(span, 2 * m);
        BlitToBack(0, 0, span, m, 0, 0, ScaledHorizontalBorder);
        BlitToBack(0, n * c + m, span, m, 0, m, ScaledHorizontalBorder);
        SetSourceSize(2 * m, n * c);
        BlitToBack(0, m, m, n * c, 0, 0, ScaledVerticalBorder);
        BlitToBack(n * c + m, m, m, n * c, m, 0, ScaledVerticalBorder);
    }

    for (int x = 0; x < n; ++x)
        for (int y = 0; y < n; ++y)
            DrawRestingSprite(layout, board, x, y);
}

void DrawInsetOutline(const BoardLayout& layout, int x, int y, int k, std::uint32_t value)
{
    const int c = layout.CellSize;
    const int left = layout.Margin + x * c;
    const int bottom = (layout.Size - 1 - y) * c + layout.Margin;
    // Left and top edges `near` pixels inside the square, right and bottom edges ending `far`
    // pixels inside it: 1 + k and k in the design.
    const int near = layout.Scaled(1 + k), far = layout.Scaled(k);
    const int thickness = std::max(1, layout.Scaled(1));
    for (int i = 0; i < thickness; ++i) {
        const int x1 = left + near + i, x2 = left + c - 1 - far - i;
        const int row1 = bottom + far + i, row2 = bottom + c - 1 - near - i;
        if (i > 0 && (x1 > x2 || row1 > row2))
            break;
        FrameRect(x1, row1, x2, row2, value);
    }
}

namespace {

std::uint32_t Mix(std::uint32_t under, std::uint32_t over, double alpha)
{
    std::uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const double a = (under >> shift) & 0xFF, b = (over >> shift) & 0xFF;
        out |= std::uint32_t(std::lround(a + (b - a) * alpha)) << shift;
    }
    return out;
}

// A round dot at the centre of square (x, y): fill inside radius r, a dark rim around it, both
// with soft edges so that the dot looks round at these small sizes.
void DrawDot(const BoardLayout& layout, int x, int y, double r, std::uint32_t fill)
{
    const int c = layout.CellSize;
    const double cx = layout.Margin + x * c + (c - 1) / 2.0;
    const double cy = (layout.Size - 1 - y) * c + layout.Margin + (c - 1) / 2.0;
    const double rim = r + 1.5 * layout.Scale();
    for (int row = int(cy - rim - 1); row <= int(cy + rim + 1); ++row) {
        if (row < 0 || row >= BackBuffer.Height)
            continue;
        std::uint32_t* line = BackBuffer.MemoryRow(row);
        for (int col = int(cx - rim - 1); col <= int(cx + rim + 1); ++col) {
            if (col < 0 || col >= BackBuffer.Width)
                continue;
            const double d = std::hypot(col - cx, row - cy);
            const double rimCover = std::clamp(rim + 0.5 - d, 0.0, 1.0);
            const double fillCover = std::clamp(r + 0.5 - d, 0.0, 1.0);
            if (rimCover <= 0)
                continue;
            std::uint32_t p = Mix(line[col], 0x181818, 0.85 * rimCover);
            line[col] = Mix(p, fill, fillCover);
        }
    }
}

} // namespace

void DrawLastMoveMarker(const BoardLayout& layout, int x, int y)
{
    DrawDot(layout, x, y, layout.CellSize * 0.075, LastMoveColour);
}

void DrawLegalMoveDot(const BoardLayout& layout, int x, int y, std::uint32_t value)
{
    DrawDot(layout, x, y, layout.CellSize * 0.06, value);
}

TransitionTable ComputeTransitionCodes(const Board& before, const Board& after)
{
    TransitionTable codes {};
    for (int i = 0; i < BoardCells; ++i) {
        if (after[i] == CellYellow && before[i] == CellEmpty)
            codes[i] = 1;
        else if (after[i] == CellYellow && before[i] == CellGreen)
            codes[i] = 3;
        else if (after[i] == CellGreen && before[i] == CellEmpty)
            codes[i] = 2;
        else if (after[i] == CellGreen && before[i] == CellYellow)
            codes[i] = 4;
    }
    return codes;
}

int TransitionBand(int code, bool light)
{
    static constexpr int LightBand[5] = { -1, 6, 4, 2, 0 };
    return LightBand[std::clamp(code, 0, 4)] + (light ? 0 : 1);
}

PictureRect DrawAnimationFrame(const BoardLayout& layout, const TransitionTable& codes, int frame)
{
    const int n = layout.Size;
    const int c = layout.CellSize;
    int left = (n - 1) * c + layout.Margin, top = left, right = 0, bottom = 0;
    bool any = false;
    for (int x = 0; x < n; ++x) {
        for (int y = 0; y < n; ++y) {
            const int code = codes[SquareIndex(n, x, y)];
            if (code <= 0)
                continue;
            CopyFrameToSquare(layout, x, y, TransitionBand(code, IsLightSquare(x, y)), frame);
            const PictureRect r = SquareRect(layout, x, y);
            left = std::min(left, r.X);
            top = std::min(top, r.Y);
            right = std::max(right, r.X);
            bottom = std::max(bottom, r.Y);
            any = true;
        }
    }
    if (!any)
        return {};
    return { left, top, right + c - left, bottom + c - top };
}
