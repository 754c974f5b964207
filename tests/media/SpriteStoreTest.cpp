// The sprite store and the board's pixels: the line and copy primitives, where borders and
// sprites land in the back buffer, the hover and mark outlines, and the disc animation frames.
// The pictures are synthetic: every pixel says where it came from.
#include <gtest/gtest.h>

#include <set>

#include "BoardPainter.h"
#include "GameFlow.h"
#include "SpriteStore.h"

namespace {

// Encodes a picture, an x and a picture row (from the top) into a pixel.
std::uint32_t Tag(int picture, int x, int row)
{
    return std::uint32_t(picture) << 24 | x << 12 | row;
}

PixelBlock TaggedPicture(int picture, int width, int height)
{
    PixelBlock b;
    b.Width = width;
    b.Height = height;
    b.Pixels.resize(std::size_t(width) * height);
    for (int memoryRow = 0; memoryRow < height; ++memoryRow)
        for (int x = 0; x < width; ++x)
            b.Pixels[std::size_t(memoryRow) * width + x] = Tag(picture, x, height - 1 - memoryRow);
    return b;
}

// The back buffer pixel at picture position (x, y).
std::uint32_t BackAt(int x, int y) { return BackBuffer.At(x, BackBuffer.Height - 1 - y); }

void SetUpStore(int size, int frames)
{
    FreeGraphics();
    VerticalBorder = TaggedPicture(1, 80, 490);
    HorizontalBorder = TaggedPicture(2, 530, 80);
    const int c = CellSizeFor(size);
    DiscSheet = TaggedPicture(3, frames * c, 8 * c);
    AllocBackBuffer(size * c + 40, size * c + 40);
}

} // namespace

TEST(SpriteStore, LinesClipOrderAndReject)
{
    AllocBackBuffer(10, 8);
    HLine(7, 2, 3, 0xAB);
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(BackBuffer.At(x, 3), x >= 2 && x <= 7 ? 0xABu : 0u) << x;
    HLine(-5, 20, 0, 0xCD); // clipped to the whole row
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(BackBuffer.At(x, 0), 0xCDu);
    AllocBackBuffer(10, 8);
    HLine(-9, -1, 2, 1); // left of the picture
    HLine(10, 12, 2, 1); // right of it
    HLine(0, 9, 8, 1); // above
    HLine(0, 9, -1, 1); // below
    VLine(-1, 0, 7, 1);
    VLine(3, 9, 12, 1);
    for (std::uint32_t p : BackBuffer.Pixels)
        EXPECT_EQ(p, 0u);
    VLine(4, 6, -3, 0xEF);
    for (int row = 0; row < 8; ++row)
        EXPECT_EQ(BackBuffer.At(4, row), row <= 6 ? 0xEFu : 0u) << row;
    FrameRect(1, 1, 3, 4, 0x11);
    EXPECT_EQ(BackBuffer.At(1, 1), 0x11u);
    EXPECT_EQ(BackBuffer.At(3, 4), 0x11u);
    EXPECT_EQ(BackBuffer.At(2, 2), 0u); // inside stays
}

TEST(SpriteStore, CopiesUseTheSourceSizeAndRefuseRectanglesOutside)
{
    AllocBackBuffer(20, 20);
    const PixelBlock source = TaggedPicture(9, 8, 6);
    SetSourceSize(8, 6);
    BlitToBack(5, 7, 3, 2, 4, 1, source);
    EXPECT_EQ(BackBuffer.At(5, 7), source.At(4, 1));
    EXPECT_EQ(BackBuffer.At(7, 8), source.At(6, 2));
    EXPECT_EQ(BackBuffer.At(8, 7), 0u);
    const std::vector<std::uint32_t> before = BackBuffer.Pixels;
    BlitToBack(18, 0, 3, 1, 0, 0, source); // past the right edge of the back buffer
    BlitToBack(0, 0, 3, 1, 6, 0, source); // past the right edge of the source
    BlitToBack(0, 0, 3, 2, 0, 5, source); // past the top of the source
    SetSourceSize(80, 60); // a header bigger than the block must not read beyond it
    BlitToBack(0, 0, 4, 4, 0, 0, source);
    EXPECT_EQ(BackBuffer.Pixels, before);
}

// The compiled-in pictures load: every sheet at both board sizes, then the store itself.
TEST(SpriteStore, PicturesLoadFromTheResources)
{
    for (int set = 0; set < FigureSetCount; ++set) {
        const int frames = FigureSetFor(set).Frames;
        for (const bool large : { false, true }) {
            const int cell = large ? ReducedCell : FullCell;
            const Result<PixelBlock> sheet = PrepareDiscSheet(set, large);
            ASSERT_TRUE(sheet) << sheet.Failure().Message;
            EXPECT_EQ(sheet.Value().Width, frames * cell) << set;
            EXPECT_EQ(sheet.Value().Height, SheetBands * cell) << set;
            EXPECT_EQ(sheet.Value().Pixels.size(), std::size_t(frames * cell * SheetBands * cell));
        }
    }
    FreeGraphics();
    const Status borders = LoadBorders();
    ASSERT_TRUE(borders) << borders.Failure().Message;
    EXPECT_EQ(VerticalBorder.Width * VerticalBorder.Height, 80 * 490);
    EXPECT_EQ(HorizontalBorder.Pixels.size(), std::size_t(530 * 80));
    const Status sheet = LoadDiscSheet(2, true);
    ASSERT_TRUE(sheet) << sheet.Failure().Message;
    EXPECT_EQ(DiscSheet.Width, FigureSetFor(2).Frames * ReducedCell);
    FreeGraphics();
}

TEST(BoardPixels, BordersAndSquaresLandWhereTheBoardExpectsThem)
{
    for (int size : { 8, 10 }) {
        SetUpStore(size, 20);
        const BoardLayout layout { size, CellSizeFor(size), 19 };
        BoardSize = size;
        NewGame();
        PaintBoard(layout, BoardStack[0]);
        const int c = layout.CellSize, n = size, back = layout.BackSize();
        ASSERT_EQ(BackBuffer.Width, back);
        // Top strip: the rotated letters of this size (picture rows 0..19 or 40..59 of BORDR_H).
        EXPECT_EQ(BackAt(0, 0), Tag(2, 0, size == 8 ? 0 : 40));
        EXPECT_EQ(BackAt(back - 1, 19), Tag(2, back - 1, size == 8 ? 19 : 59));
        // Bottom strip: the upright letters (rows 20..39 or 60..79).
        EXPECT_EQ(BackAt(3, back - 20), Tag(2, 3, size == 8 ? 20 : 60));
        EXPECT_EQ(BackAt(3, back - 1), Tag(2, 3, size == 8 ? 39 : 79));
        // Left numbers from the top of BORDR_V; 8 x 8 shows rows 0..487 only.
        EXPECT_EQ(BackAt(0, 20), Tag(1, size == 8 ? 0 : 40, 0));
        EXPECT_EQ(BackAt(19, 20 + n * c - 1), Tag(1, size == 8 ? 19 : 59, n * c - 1));
        EXPECT_EQ(BackAt(n * c + 20, 20), Tag(1, size == 8 ? 20 : 60, 0));
        // Square (0, 0) is light and empty: band 4, frame 0.
        EXPECT_EQ(BackAt(20, 20), Tag(3, 0, 4 * c));
        // Square (1, 0) is dark: band 5.
        EXPECT_EQ(BackAt(20 + c, 20), Tag(3, 0, 5 * c));
        // The centre: Yellow on a light square rests in band 6, Green on a dark one in band 5.
        const int lo = n / 2 - 1;
        EXPECT_EQ(BackAt(20 + lo * c + 7, 20 + lo * c + 9), Tag(3, 19 * c + 7, 6 * c + 9));
        EXPECT_EQ(BackAt(20 + (lo + 1) * c, 20 + lo * c), Tag(3, 19 * c, 5 * c));
    }
}

TEST(BoardPixels, OutlinesStayInsideTheirSquare)
{
    SetUpStore(8, 20);
    const BoardLayout layout { 8, 61, 19 };
    BoardSize = 8;
    NewGame();
    PaintBoard(layout, BoardStack[0]);
    for (int k : { 0, 5, 29 }) {
        const std::vector<std::uint32_t> before = BackBuffer.Pixels;
        DrawInsetOutline(layout, 2, 3, k, 0x123456);
        const PictureRect sq = SquareRect(layout, 2, 3);
        std::set<std::pair<int, int>> changed;
        for (int y = 0; y < BackBuffer.Height; ++y)
            for (int x = 0; x < BackBuffer.Width; ++x)
                if (BackAt(x, y) == 0x123456u)
                    changed.insert({ x, y });
        ASSERT_FALSE(changed.empty());
        int minX = 1 << 20, minY = 1 << 20, maxX = -1, maxY = -1;
        for (auto [x, y] : changed) {
            minX = std::min(minX, x), minY = std::min(minY, y), maxX = std::max(maxX, x),
            maxY = std::max(maxY, y);
        }
        // Left and top edges 1 + k inside, right and bottom k inside.
        EXPECT_EQ(minX, sq.X + 1 + k);
        EXPECT_EQ(minY, sq.Y + 1 + k);
        EXPECT_EQ(maxX, sq.X + sq.Width - 1 - k);
        EXPECT_EQ(maxY, sq.Y + sq.Height - 1 - k);
        BackBuffer.Pixels = before;
    }
}

TEST(BoardPixels, AnimationFramesCoverEveryChangedSquare)
{
    SetUpStore(8, 20);
    const BoardLayout layout { 8, 61, 19 };
    BoardSize = 8;
    NewGame();
    Board before = BoardStack[0];
    Board after = before;
    after[SquareIndex(8, 4, 2)] = CellYellow; // placed
    after[SquareIndex(8, 4, 3)] = CellYellow; // turned Green -> Yellow
    after[SquareIndex(8, 6, 6)] = CellGreen; // placed
    before[SquareIndex(8, 0, 7)] = CellYellow;
    after[SquareIndex(8, 0, 7)] = CellGreen; // turned Yellow -> Green
    const TransitionTable codes = ComputeTransitionCodes(before, after);
    EXPECT_EQ(codes[SquareIndex(8, 4, 2)], 1);
    EXPECT_EQ(codes[SquareIndex(8, 4, 3)], 3);
    EXPECT_EQ(codes[SquareIndex(8, 6, 6)], 2);
    EXPECT_EQ(codes[SquareIndex(8, 0, 7)], 4);
    int animated = 0;
    for (int code : codes)
        animated += code > 0;
    EXPECT_EQ(animated, 4);

    const PictureRect box = DrawAnimationFrame(layout, codes, 7);
    EXPECT_EQ(box, (PictureRect { 20, 20 + 2 * 61, 7 * 61, 6 * 61 }));
    // (4, 3) is dark: band 3 (Green to Yellow, dark), frame 7.
    EXPECT_EQ(BackAt(20 + 4 * 61, 20 + 3 * 61), Tag(3, 7 * 61, 3 * 61));
    // (0, 7) is dark: band 1; (6, 6) light: band 4; (4, 2) light: band 6.
    EXPECT_EQ(BackAt(20, 20 + 7 * 61), Tag(3, 7 * 61, 1 * 61));
    EXPECT_EQ(BackAt(20 + 6 * 61, 20 + 6 * 61), Tag(3, 7 * 61, 4 * 61));
    EXPECT_EQ(BackAt(20 + 4 * 61, 20 + 2 * 61), Tag(3, 7 * 61, 6 * 61));

    EXPECT_TRUE(DrawAnimationFrame(layout, TransitionTable {}, 0).Empty());
}

TEST(BoardPixels, GeometryOfBothSizes)
{
    EXPECT_EQ((BoardLayout { 8, CellSizeFor(8), 19 }).BackSize(), 528);
    EXPECT_EQ((BoardLayout { 10, CellSizeFor(10), 19 }).BackSize(), 530);
    EXPECT_EQ(HalfCellFor(8), 30);
    EXPECT_EQ(HalfCellFor(10), 25);
    EXPECT_EQ(RestFrameFor(0), 19);
    EXPECT_EQ(RestFrameFor(1), 14);
    EXPECT_EQ(RestFrameFor(2), 19);
    EXPECT_TRUE(IsLightSquare(0, 0));
    EXPECT_FALSE(IsLightSquare(0, 1));
    EXPECT_EQ(SquareIndex(8, 0, 0), 11);
    EXPECT_EQ(SquareIndex(10, 0, 0), 13);
}

// At the design's sizes the design's layout; at any other the largest squares that fit, the
// borders taking the rest, never narrower than the design's share of them.
TEST(BoardPixels, TheLayoutFitsTheSpaceItIsGiven)
{
    EXPECT_TRUE(FitLayout(8, 19, 528).IsDesign());
    EXPECT_TRUE(FitLayout(10, 19, 530).IsDesign());
    EXPECT_EQ(FitLayout(8, 19, 1056), (BoardLayout { 8, 122, 19, 40 }));
    for (const int n : { 8, 10 })
        for (int side = 100; side <= 2400; side += 7) {
            const BoardLayout l = FitLayout(n, 19, side);
            const double scale = double(side) / (n * CellSizeFor(n) + 40);
            EXPECT_LE(l.BackSize(), side) << n << " " << side;
            EXPECT_GT(l.BackSize(), side - 2) << n << " " << side; // only rounding is left over
            EXPECT_EQ(l.CellSize, int(CellSizeFor(n) * scale)) << n << " " << side;
            EXPECT_GE(l.Margin, int(20 * scale)) << n << " " << side;
        }
    // In a widget: inside the two bevel lines, as thick as the screen's pixels.
    EXPECT_TRUE(LayoutForWidget(8, 19, 532, 600, 1).IsDesign());
    EXPECT_EQ(LayoutForWidget(8, 19, 1064, 1064, 2).BackSize(), 1056);
    EXPECT_EQ(FirstWidgetSide(8, 1.5), 798);
    EXPECT_EQ(BevelLine(1.25), 1);
    EXPECT_EQ(BevelLine(1.5), 2);
}

// A layout other than the design's copies its own strips: the top strip from the upper memory
// rows of the horizontal picture, the left one from the first columns of the vertical picture,
// and the squares from the sheet at its cell size.
TEST(BoardPixels, AnyLayoutTakesItsOwnStrips)
{
    const BoardLayout layout { 8, 100, 19, 33 };
    const int back = layout.BackSize(), m = layout.Margin, c = layout.CellSize;
    FreeGraphics();
    ScaledHorizontalBorder = TaggedPicture(4, back, 2 * m);
    ScaledVerticalBorder = TaggedPicture(5, 2 * m, 8 * c);
    DiscSheet = TaggedPicture(3, 20 * c, 8 * c);
    AllocBackBuffer(back, back);
    BoardSize = 8;
    NewGame();
    PaintBoard(layout, BoardStack[0]);
    EXPECT_EQ(BackAt(0, 0), Tag(4, 0, 0)); // top strip: picture rows 0 .. m − 1
    EXPECT_EQ(BackAt(back - 1, m - 1), Tag(4, back - 1, m - 1));
    EXPECT_EQ(BackAt(7, back - m), Tag(4, 7, m)); // bottom strip: rows m .. 2m − 1
    EXPECT_EQ(BackAt(7, back - 1), Tag(4, 7, 2 * m - 1));
    EXPECT_EQ(BackAt(0, m), Tag(5, 0, 0)); // left strip
    EXPECT_EQ(BackAt(m - 1, m + 8 * c - 1), Tag(5, m - 1, 8 * c - 1));
    EXPECT_EQ(BackAt(m + 8 * c, m + 5), Tag(5, m, 5)); // right strip
    EXPECT_EQ(BackAt(back - 1, m + 5), Tag(5, 2 * m - 1, 5));
    EXPECT_EQ(BackAt(m, m), Tag(3, 0, 4 * c)); // square (0, 0): band 4, frame 0
    EXPECT_EQ(BackAt(m + 3 * c + 9, m + 3 * c + 2), Tag(3, 19 * c + 9, 6 * c + 2)); // Yellow
}

// At three times the design's size the hover outline is three pixels thick, its left and top
// edges three pixels inside the square and its right and bottom edges at the square's edge;
// an inset mark lies k × 3 pixels further in; the last inset leaves a spot in the middle.
TEST(BoardPixels, OutlinesGrowWithTheBoard)
{
    const BoardLayout layout { 8, 183, 19, 60 };
    FreeGraphics();
    AllocBackBuffer(layout.BackSize(), layout.BackSize());
    const PictureRect sq = SquareRect(layout, 2, 1);
    const auto marked = [&](int k) {
        std::fill(BackBuffer.Pixels.begin(), BackBuffer.Pixels.end(), 0u);
        DrawInsetOutline(layout, 2, 1, k, 0xABCDEF);
        std::vector<int> columns;
        for (int x = sq.X; x < sq.X + sq.Width; ++x)
            if (BackAt(x, sq.Y + sq.Height / 2) == 0xABCDEFu)
                columns.push_back(x - sq.X);
        return columns;
    };
    EXPECT_EQ(marked(0), (std::vector<int> { 3, 4, 5, 180, 181, 182 }));
    EXPECT_EQ(marked(10), (std::vector<int> { 33, 34, 35, 150, 151, 152 }));
    const std::vector<int> spot = marked(29);
    ASSERT_FALSE(spot.empty());
    EXPECT_EQ(spot.front(), 90);
    EXPECT_EQ(spot.back(), 95); // two pixels of the design: six here
    const auto stray = std::count_if(BackBuffer.Pixels.begin(), BackBuffer.Pixels.end(),
        [](std::uint32_t p) { return p != 0 && p != 0xABCDEFu; });
    EXPECT_EQ(stray, 0);
}
