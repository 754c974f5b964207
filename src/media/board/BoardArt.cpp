// The masters of the board's pictures, kept between sizes, and their resampling.
#include "BoardArt.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <thread>

#include "BoardPictures.h"
#include "UnPacker.h"

namespace {

int Threads() { return int(std::max(1u, std::thread::hardware_concurrency())); }

std::atomic<int> Painted { 0 };

const Result<FrameLabels>& Labels()
{
    static const Result<FrameLabels> labels = []() -> Result<FrameLabels> {
        const Result<std::vector<std::uint8_t>> bytes = UnpackResourceAlloc("BORDR_LABELS");
        if (!bytes)
            return bytes.Failure();
        return LoadFrameLabels(bytes.Value());
    }();
    return labels;
}

// The masters of the figure set in use.
struct SetMasters {
    int FigureSet = -1;
    std::map<int, std::array<SrgbImage, StillPictureCount>> Still; // by scale
    std::vector<SrgbImage> Moving; // by band × frames + frame; empty where not painted yet
};

std::mutex StillLock; // the still pictures and the frames: held while they are painted
std::mutex MovingLock; // held only to look at or store a moving frame
SetMasters Masters;
std::map<std::pair<int, int>, FrameMaster> Frames; // by board size and fineness

// Makes the masters belong to figureSet; the other set's are dropped. StillLock held.
void UseFigureSet(int figureSet)
{
    if (Masters.FigureSet == figureSet)
        return;
    const std::lock_guard<std::mutex> hold(MovingLock);
    Masters = SetMasters {};
    Masters.FigureSet = figureSet;
    const FigureSetArt& art = FigureSetArtFor(figureSet);
    Masters.Moving.resize(std::size_t(BandCount * art.Frames));
}

bool HasStill(int scale) { return Masters.Still.count(scale) > 0; }
bool HasFrame(int size, int fine) { return Frames.count({ size, fine }) > 0; }

// The still pictures and the frame that key needs, painted where missing. StillLock held.
Status PaintStillMasters(const BoardArtKey& key)
{
    const int scale = StillMasterScale(key.CellSize);
    const FigureSetArt& art = FigureSetArtFor(key.FigureSet);
    const bool still = !HasStill(scale), frame = !HasFrame(key.Size, scale);
    if (frame && !Labels())
        return Labels().Failure();
    std::array<SrgbImage, StillPictureCount> pictures;
    FrameMaster strips { key.Size, scale, {}, {}, {}, {} };
    SrgbImage* parts[4] = { &strips.Top, &strips.Bottom, &strips.Left, &strips.Right };
    // The six pictures and the four strips as one list of jobs, the slow ones first.
    std::vector<int> jobs;
    for (int k = 0; frame && k < 4; ++k)
        jobs.push_back(10 + k);
    if (still)
        for (int p = 0; p < StillPictureCount; ++p)
            jobs.push_back(p);
    ParallelFor(int(jobs.size()), Threads(), [&](int i) {
        const int job = jobs[std::size_t(i)];
        if (job >= 10)
            *parts[job - 10] = PaintFrameStrip(key.Size, Labels().Value(), scale, job - 10);
        else
            pictures[std::size_t(job)] = PaintStillMaster(art, FramePicture(job), scale);
        ++Painted;
    });
    if (still)
        Masters.Still[scale] = std::move(pictures);
    if (frame)
        Frames[{ key.Size, scale }] = std::move(strips);
    return {};
}

// The moving frames of the set, painted where missing.
Status PaintMovingMasters(int figureSet, const std::atomic<bool>* cancel)
{
    const FigureSetArt& art = FigureSetArtFor(figureSet);
    std::vector<int> missing;
    {
        const std::lock_guard<std::mutex> hold(MovingLock);
        if (Masters.FigureSet != figureSet)
            return Error { ErrorKind::Unsupported, "the figure set changed meanwhile" };
        for (int band = 0; band < BandCount; ++band)
            for (int f = 0; f < art.Frames; ++f)
                if (PictureOfFrame(art, band, f) == FramePicture::Moving
                    && Masters.Moving[std::size_t(band * art.Frames + f)].Bytes.empty())
                    missing.push_back(band * art.Frames + f);
    }
    ParallelFor(int(missing.size()), Threads(), [&](int i) {
        if (cancel && cancel->load(std::memory_order_relaxed))
            return;
        const int index = missing[std::size_t(i)];
        SrgbImage master = PaintMovingMaster(art, index / art.Frames, index % art.Frames);
        ++Painted;
        const std::lock_guard<std::mutex> hold(MovingLock);
        if (Masters.FigureSet == figureSet)
            Masters.Moving[std::size_t(index)] = std::move(master);
    });
    if (cancel && cancel->load())
        return Error { ErrorKind::Unsupported, "the pictures were no longer wanted" };
    return {};
}

PixelBlock NewBlock(int width, int height)
{
    PixelBlock b;
    b.Width = width;
    b.Height = height;
    b.Pixels.assign(std::size_t(width) * std::size_t(height), 0);
    return b;
}

// Where the top-left pixel of frame f of band b lies in a bottom-up sheet.
std::uint32_t* FrameCorner(PixelBlock& sheet, int cell, int band, int frame)
{
    return sheet.MemoryRow(sheet.Height - 1 - band * cell) + frame * cell;
}

} // namespace

bool BoardArtIsQuick(const BoardArtKey& key)
{
    const std::lock_guard<std::mutex> hold(StillLock);
    const int scale = StillMasterScale(key.CellSize);
    return Masters.FigureSet == key.FigureSet && HasStill(scale) && HasFrame(key.Size, scale);
}

Result<BoardArt> MakeBoardArt(const BoardArtKey& key, bool moving, const std::atomic<bool>* cancel)
{
    if ((key.Size != 8 && key.Size != 10) || key.CellSize < 1 || key.Margin < 1 || key.FigureSet < 0
        || key.FigureSet >= FigureSetArtCount)
        return Error { ErrorKind::Unsupported, "no board of that size is drawn" };
    const FigureSetArt& art = FigureSetArtFor(key.FigureSet);
    const int scale = StillMasterScale(key.CellSize);
    std::array<const SrgbImage*, StillPictureCount> still {};
    const FrameMaster* frame = nullptr;
    {
        const std::lock_guard<std::mutex> hold(StillLock);
        UseFigureSet(key.FigureSet);
        if (const Status painted = PaintStillMasters(key); !painted)
            return painted.Failure();
        // Masters of a set stay put until another set is asked for, which only the main
        // thread does, after the work for the old set has been cancelled and waited for.
        for (int p = 0; p < StillPictureCount; ++p)
            still[std::size_t(p)] = &Masters.Still[scale][std::size_t(p)];
        frame = &Frames[{ key.Size, scale }];
    }
    if (moving)
        if (const Status painted = PaintMovingMasters(key.FigureSet, cancel); !painted)
            return painted.Failure();

    const int c = key.CellSize, back = key.Size * c + 2 * key.Margin;
    BoardArt out { key, NewBlock(back, 2 * key.Margin), NewBlock(2 * key.Margin, key.Size * c),
        NewBlock(art.Frames * c, BandCount * c), moving };
    // Eight bands and the borders, each resampled by one worker.
    ParallelFor(BandCount + 1, Threads(), [&](int job) {
        if (job == BandCount) {
            ResampleBorders(*frame, c, key.Margin,
                out.Horizontal.MemoryRow(out.Horizontal.Height - 1), -out.Horizontal.Width,
                out.Vertical.MemoryRow(out.Vertical.Height - 1), -out.Vertical.Width);
            return;
        }
        const int band = job;
        for (int f = 0; f < art.Frames; ++f) {
            if (cancel && cancel->load(std::memory_order_relaxed))
                return;
            std::uint32_t* corner = FrameCorner(out.Sheet, c, band, f);
            const FramePicture picture = PictureOfFrame(art, band, f);
            if (picture != FramePicture::Moving) {
                ResampleSquare(*still[std::size_t(picture)], c, corner, -out.Sheet.Width);
            } else if (moving) {
                const SrgbImage* master = nullptr;
                {
                    const std::lock_guard<std::mutex> hold(MovingLock);
                    master = &Masters.Moving[std::size_t(band * art.Frames + f)];
                }
                ResampleSquare(*master, c, corner, -out.Sheet.Width);
            }
        }
        if (!moving) {
            // A board at rest never shows these; should one be shown, it is the band's start.
            const std::uint32_t* first = FrameCorner(out.Sheet, c, band, 0);
            for (int f = 1; f < art.Frames - 1; ++f)
                for (int row = 0; row < c; ++row)
                    std::memcpy(
                        FrameCorner(out.Sheet, c, band, f) - std::ptrdiff_t(row) * out.Sheet.Width,
                        first - std::ptrdiff_t(row) * out.Sheet.Width, std::size_t(c) * 4);
        }
    });
    if (cancel && cancel->load())
        return Error { ErrorKind::Unsupported, "the pictures were no longer wanted" };
    return out;
}

void InstallBoardArt(BoardArt&& art)
{
    ScaledHorizontalBorder = std::move(art.Horizontal);
    ScaledVerticalBorder = std::move(art.Vertical);
    InstallDiscSheet(std::move(art.Sheet));
}

void ForgetBoardArtMasters()
{
    const std::lock_guard<std::mutex> hold(StillLock);
    const std::lock_guard<std::mutex> moving(MovingLock);
    Masters = SetMasters {};
    Frames.clear();
}

int BoardArtMastersPainted() { return Painted.load(); }
