// Loading the pictures and the primitives of the back buffer.
#include "SpriteStore.h"

#include <algorithm>
#include <cstring>

#include "Downscale.h"
#include "UnPacker.h"

PixelBlock VerticalBorder;
PixelBlock HorizontalBorder;
PixelBlock DiscSheet;
PixelBlock BackBuffer;
PixelBlock ScaledHorizontalBorder;
PixelBlock ScaledVerticalBorder;
SourceSize SourceHeader;

namespace {

const FigureSetInfo FigureSets[FigureSetCount] = {
    { "ANIM_B1", 20 },
    { "ANIM_B2", 15 },
    { "ANIM_B3", 20 },
};

Result<PixelBlock> UnpackPicture(const char* name, int width, int height)
{
    PixelBlock loaded;
    loaded.Width = width;
    loaded.Height = height;
    loaded.Pixels.assign(std::size_t(width) * height, 0);
    if (const Status r = UnpackPlanes(name, loaded.Pixels, width, height); !r)
        return r.Failure();
    return loaded;
}

// Fills block once; a block already loaded stays as it is.
Status LoadOnce(PixelBlock& block, const char* name, int width, int height)
{
    if (block.Exists())
        return {};
    Result<PixelBlock> loaded = UnpackPicture(name, width, height);
    if (!loaded)
        return loaded.Failure();
    block = std::move(loaded).Value();
    return {};
}

} // namespace

const FigureSetInfo& FigureSetFor(int figureSet)
{
    return FigureSets[std::clamp(figureSet, 0, FigureSetCount - 1)];
}

Status LoadBorders()
{
    if (const Status s = LoadOnce(VerticalBorder, "BORDR_V", 80, 490); !s)
        return s;
    return LoadOnce(HorizontalBorder, "BORDR_H", 530, 80);
}

Result<PixelBlock> PrepareDiscSheet(int figureSet, bool large)
{
    const FigureSetInfo& set = FigureSetFor(figureSet);
    Result<PixelBlock> full
        = UnpackPicture(set.Resource, set.Frames * FullCell, SheetBands * FullCell);
    if (!full || !large)
        return full;
    PixelBlock reduced;
    reduced.Width = set.Frames * ReducedCell;
    reduced.Height = SheetBands * ReducedCell;
    reduced.Pixels.assign(std::size_t(reduced.Width) * reduced.Height, 0);
    const PixelBlock& f = full.Value();
    if (const Status s
        = Downscale(f.Pixels, reduced.Pixels, f.Width, f.Height, reduced.Width, reduced.Height);
        !s)
        return s.Failure();
    return reduced;
}

void InstallDiscSheet(PixelBlock&& sheet) { DiscSheet = std::move(sheet); }

Status LoadDiscSheet(int figureSet, bool large)
{
    Result<PixelBlock> prepared = PrepareDiscSheet(figureSet, large);
    if (!prepared)
        return prepared.Failure();
    InstallDiscSheet(std::move(prepared).Value());
    return {};
}

void AllocBackBuffer(int width, int height)
{
    BackBuffer.Width = std::max(width, 0);
    BackBuffer.Height = std::max(height, 0);
    BackBuffer.Pixels.assign(std::size_t(BackBuffer.Width) * BackBuffer.Height, 0);
}

void FreeGraphics()
{
    HorizontalBorder = {};
    VerticalBorder = {};
    DiscSheet = {};
    BackBuffer = {};
    ScaledHorizontalBorder = {};
    ScaledVerticalBorder = {};
}

void SetSourceSize(int width, int height) { SourceHeader = { width, height }; }

void BlitToBack(int destX, int destRow, int width, int height, int sourceX, int sourceRow,
    const PixelBlock& source)
{
    const int sourceWidth = SourceHeader.Width;
    auto inside = [](int start, int length, int limit) {
        return start >= 0 && length >= 0 && start + length <= limit;
    };
    // A rectangle outside either picture is a caller's mistake; refusing it keeps memory safe.
    if (!inside(destX, width, BackBuffer.Width) || !inside(destRow, height, BackBuffer.Height)
        || !inside(sourceX, width, sourceWidth)
        || std::size_t(sourceRow + height) * sourceWidth > source.Pixels.size() || sourceRow < 0)
        return;
    for (int r = 0; r < height; ++r) {
        const std::uint32_t* from
            = source.Pixels.data() + std::size_t(sourceRow + r) * sourceWidth + sourceX;
        std::memcpy(BackBuffer.MemoryRow(destRow + r) + destX, from, std::size_t(width) * 4);
    }
}

void HLine(int x1, int x2, int row, std::uint32_t value)
{
    if (row < 0 || row >= BackBuffer.Height)
        return;
    if (x1 > x2)
        std::swap(x1, x2);
    if (x2 < 0 || x1 >= BackBuffer.Width)
        return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, BackBuffer.Width - 1);
    std::fill(BackBuffer.MemoryRow(row) + x1, BackBuffer.MemoryRow(row) + x2 + 1, value);
}

void VLine(int x, int row1, int row2, std::uint32_t value)
{
    if (x < 0 || x >= BackBuffer.Width)
        return;
    if (row1 > row2)
        std::swap(row1, row2);
    if (row2 < 0 || row1 >= BackBuffer.Height)
        return;
    row1 = std::max(row1, 0);
    row2 = std::min(row2, BackBuffer.Height - 1);
    for (int r = row1; r <= row2; ++r)
        BackBuffer.MemoryRow(r)[x] = value;
}

void FrameRect(int x1, int row1, int x2, int row2, std::uint32_t value)
{
    HLine(x1, x2, row1, value);
    HLine(x1, x2, row2, value);
    VLine(x1, row1, row2, value);
    VLine(x2, row1, row2, value);
}
