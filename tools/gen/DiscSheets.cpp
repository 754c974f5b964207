// Lays out the disc animation sheets and writes their previews.
#include "DiscSheets.h"

#include <thread>

#include "BoardPictures.h"
#include "Previews.h"

PixelImage BuildSheet(const FigureSetArt& art)
{
    PixelImage sheet(art.Frames * FrameSize, BandCount * FrameSize);
    const auto paintBand = [&](int band) {
        for (int f = 0; f < art.Frames; ++f)
            Paste(sheet, ToPixels(Reduce(PaintFrameCanvas(art, band, f, Supersample), Supersample)),
                f * FrameSize, band * FrameSize);
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
    for (int set = 0; set < FigureSetArtCount; ++set) {
        const FigureSetArt* art = &FigureSetArtFor(set);
        if (context.Layout) {
            out.push_back(
                { art->ResourceName, ToPlanes(PaintSheetAt(*art, context.Layout->Cell)) });
            continue;
        }
        const PixelImage sheet = BuildSheet(*art);
        out.push_back({ art->ResourceName, ToPlanes(sheet) });
        if (!context.PreviewDir.empty())
            WriteSheetPreviews(context, art->ResourceName, art->Frames, sheet);
    }
    return out;
}
