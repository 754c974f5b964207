// Lays out the disc animation sheets and writes their previews.
#include "DiscSheets.h"

#include <thread>

#include "AncientSet.h"
#include "ClassicSet.h"
#include "FlameSet.h"
#include "Previews.h"

BandRole RoleOfBand(int band)
{
    const bool light = band % 2 == 0;
    switch (band / 2) {
    case 0:
        return { light, false, Side::Green }; // Yellow turning into Green
    case 1:
        return { light, false, Side::Yellow }; // Green turning into Yellow
    case 2:
        return { light, true, Side::Green };
    default:
        return { light, true, Side::Yellow };
    }
}

namespace {

// Lets the outermost pixels of a frame return to the bare square, so that shadows, fire and
// glints never end in a hard line at the square's edge, and an animated square never shows a
// seam against its neighbours.
void SettleEdges(FloatImage& frame, const FloatImage& bare)
{
    constexpr float zone = 3.0f; // frame pixels
    for (int y = 0; y < frame.Height; ++y)
        for (int x = 0; x < frame.Width; ++x) {
            const float u = (float(x) + 0.5f) / Supersample, v = (float(y) + 0.5f) / Supersample;
            const float edge = std::min(std::min(u, v), std::min(FrameSize - u, FrameSize - v));
            if (edge < zone)
                frame.At(x, y) = Mix(bare.At(x, y), frame.At(x, y), Smoothstep(0.5f, zone, edge));
        }
}

} // namespace

PixelImage BuildSheet(const FigureSetArt& art)
{
    PixelImage sheet(art.Frames * FrameSize, BandCount * FrameSize);
    const auto paintBand = [&](int band) {
        const BandRole role = RoleOfBand(band);
        for (int f = 0; f < art.Frames; ++f) {
            FloatImage canvas;
            // A band starts where the board stands before the move (the bare square, or the
            // resting disc about to turn) and ends where it stands after it, to the pixel, so
            // neither the first nor the last frame makes the square jump.
            if (f == art.Frames - 1)
                canvas = art.Rest(role.Final, role.Light);
            else if (role.Appearing)
                canvas = f == 0 ? art.Square(role.Light) : art.Appear(role.Final, role.Light, f);
            else
                canvas = f == 0 ? art.Rest(Other(role.Final), role.Light)
                                : art.Turn(Other(role.Final), role.Light, f);
            SettleEdges(canvas, art.Square(role.Light));
            Paste(sheet, ToPixels(Reduce(canvas, Supersample)), f * FrameSize, band * FrameSize);
        }
    };
    // Bands are independent; two workers halve the wait without changing a byte.
    std::thread worker([&] {
        for (int b = 1; b < BandCount; b += 2)
            paintBand(b);
    });
    for (int b = 0; b < BandCount; b += 2)
        paintBand(b);
    worker.join();
    return sheet;
}

std::vector<GeneratedResource> GenerateDiscSheets(const GeneratorContext& context)
{
    std::vector<GeneratedResource> out;
    for (const FigureSetArt* art : { &FlameArt(), &ClassicArt(), &AncientArt() }) {
        const PixelImage sheet = BuildSheet(*art);
        out.push_back({ art->ResourceName, ToPlanes(sheet) });
        if (!context.PreviewDir.empty())
            WriteSheetPreviews(context, art->ResourceName, art->Frames, sheet);
    }
    return out;
}
