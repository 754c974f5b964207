// Lays out the disc animation sheets and writes their previews.
#include "DiscSheets.h"

#include <thread>

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

PixelImage BuildSheet(const FigureSetArt& art)
{
    PixelImage sheet(art.Frames * FrameSize, BandCount * FrameSize);
    const auto paintBand = [&](int band) {
        const BandRole role = RoleOfBand(band);
        for (int f = 0; f < art.Frames; ++f) {
            FloatImage canvas;
            if (f == art.Frames - 1)
                canvas = art.Rest(role.Final, role.Light);
            else if (role.Appearing)
                canvas = f == 0 ? art.Square(role.Light) : art.Appear(role.Final, role.Light, f);
            else
                canvas = art.Turn(Other(role.Final), role.Light, f);
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
