// Masters of the board's pictures and their resampling to a size.
#include "BoardPictures.h"

#include <algorithm>
#include <atomic>
#include <thread>

int StillMasterScale(int cell) { return cell <= 2 * FrameSize ? 4 : 8; }

namespace {

// The band and frame that show a still picture.
std::pair<int, int> FrameOfPicture(const FigureSetArt& art, FramePicture picture)
{
    const int last = art.Frames - 1;
    switch (picture) {
    case FramePicture::BareLight:
        return { 4, 0 };
    case FramePicture::BareDark:
        return { 5, 0 };
    case FramePicture::YellowLight:
        return { 6, last };
    case FramePicture::YellowDark:
        return { 7, last };
    case FramePicture::GreenLight:
        return { 4, last };
    default:
        return { 5, last };
    }
}

} // namespace

SrgbImage PaintStillMaster(const FigureSetArt& art, FramePicture picture, int scale)
{
    const auto [band, frame] = FrameOfPicture(art, picture);
    return ToSrgbImage(PaintFrameCanvas(art, band, frame, scale));
}

SrgbImage PaintMovingMaster(const FigureSetArt& art, int band, int frame)
{
    return ToSrgbImage(PaintFrameCanvas(art, band, frame, MovingMasterScale));
}

void ResampleSquare(const SrgbImage& master, int cell, std::uint32_t* topLeft, std::ptrdiff_t pitch)
{
    const AxisMap axis = UniformAxis(master.Width, cell);
    Resample(master, axis, axis, topLeft, pitch);
}

SrgbImage PaintFrameStrip(int n, const FrameLabels& labels, int fine, int strip)
{
    const int c = n == 8 ? 61 : 49;
    const int side = (n * c + 2 * FrameStrip) * fine, band = FrameStrip * fine;
    const int between = n * c * fine;
    const CanvasRect regions[4] = {
        { 0, 0, side, band },
        { 0, side - band, side, band },
        { 0, band, band, between },
        { side - band, band, band, between },
    };
    return ToSrgbImage(PaintFrameCanvas(n, &labels, fine, regions[std::clamp(strip, 0, 3)]));
}

void ResampleBorders(const FrameMaster& master, int cell, int margin, std::uint32_t* horizontal,
    std::ptrdiff_t horizontalPitch, std::uint32_t* vertical, std::ptrdiff_t verticalPitch)
{
    const int n = master.Size, c0 = n == 8 ? 61 : 49;
    const double band = double(FrameStrip * master.Fine), between = double(n * c0 * master.Fine);
    // Along a strip the corners scale with the margin and the part beside the squares with the
    // squares, so every label stays centred on its column or row.
    const AxisMap along
        = FootprintAxis({ { margin, band }, { n * cell, between }, { margin, band } });
    const AxisMap across = UniformAxis(int(band), margin);
    const AxisMap beside = UniformAxis(int(between), n * cell);
    Resample(master.Top, along, across, horizontal, horizontalPitch);
    Resample(master.Bottom, along, across, horizontal + margin * horizontalPitch, horizontalPitch);
    Resample(master.Left, across, beside, vertical, verticalPitch);
    Resample(master.Right, across, beside, vertical + margin, verticalPitch);
}

PixelImage PaintSheetAt(const FigureSetArt& art, int cell)
{
    PixelImage sheet(art.Frames * cell, BandCount * cell);
    const int stillScale = StillMasterScale(cell);
    ParallelFor(BandCount, int(std::max(1u, std::thread::hardware_concurrency())), [&](int band) {
        for (int f = 0; f < art.Frames; ++f) {
            const FramePicture picture = PictureOfFrame(art, band, f);
            const SrgbImage master = picture == FramePicture::Moving
                ? PaintMovingMaster(art, band, f)
                : PaintStillMaster(art, picture, stillScale);
            ResampleSquare(master, cell, &sheet.At(f * cell, band * cell), sheet.Width);
        }
    });
    return sheet;
}

BorderPicturesAt PaintBordersAt(int n, const FrameLabels& labels, int cell, int margin)
{
    FrameMaster master { n, StillMasterScale(cell), {}, {}, {}, {} };
    SrgbImage* strips[4] = { &master.Top, &master.Bottom, &master.Left, &master.Right };
    for (int k = 0; k < 4; ++k)
        *strips[k] = PaintFrameStrip(n, labels, master.Fine, k);
    const int back = n * cell + 2 * margin;
    BorderPicturesAt out { PixelImage(back, 2 * margin), PixelImage(2 * margin, n * cell) };
    ResampleBorders(master, cell, margin, out.Horizontal.Pixels.data(), out.Horizontal.Width,
        out.Vertical.Pixels.data(), out.Vertical.Width);
    return out;
}

void ParallelFor(int count, int threads, const std::function<void(int)>& work)
{
    std::atomic<int> next { 0 };
    const auto run = [&] {
        for (int i = next++; i < count; i = next++)
            work(i);
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < std::min(threads, count); ++t)
        helpers.emplace_back(run);
    run();
    for (std::thread& t : helpers)
        t.join();
}
