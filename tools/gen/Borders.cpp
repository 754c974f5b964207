// The board's frame as the game carries it: the strips the sprite store copies, cut out of the
// frame painted whole for each board size (so the pieces meet at the corners exactly), and the
// outlines of its labels.
#include "Borders.h"

#include <QImage>
#include <QPainter>
#include <cstdio>
#include <vector>

#include "BoardPictures.h"
#include "DejaVuFonts.h"
#include "DiscSheets.h"
#include "Previews.h"

namespace {

constexpr float LabelSize = 14.0f; // pixel size of the label font
constexpr float NumberCondense = 0.86f; // numbers are set narrower so "10" fits the moulding

} // namespace

const FrameLabels& DesignLabels()
{
    static const FrameLabels labels = [] {
        FrameLabels l;
        for (int i = 0; i < 10; ++i) {
            l.Letters[std::size_t(i)]
                = TextOutline(QString(QChar('A' + i)), DejaVuFace::SerifBold, LabelSize);
            l.Numbers[std::size_t(i)] = QTransform::fromScale(NumberCondense, 1)
                                            .map(TextOutline(QString::number(i + 1),
                                                DejaVuFace::SerifBold, LabelSize, -0.6));
        }
        return l;
    }();
    return labels;
}

PixelImage PaintFrame(int n, bool withLabels)
{
    return PaintFrame(n, withLabels ? &DesignLabels() : nullptr);
}

BorderPictures BuildBorders()
{
    BorderPictures out { PixelImage(530, 80), PixelImage(80, 490) };
    for (const int n : { 8, 10 }) {
        const int c = n == 8 ? 61 : 49;
        const int side = n * c + 40;
        const PixelImage frame = PaintFrame(n, &DesignLabels());
        // The strips as the sprite store copies them: top (letters turned) above bottom, the
        // 8 × 8 pair first; left (numbers upright) before right. What the game never shows (two
        // columns of the 8 × 8 strips, two rows of the 8 × 8 columns) continues the frame.
        const int row = n == 8 ? 0 : 40;
        Paste(out.Horizontal, Crop(frame, 0, 0, 530, FrameStrip), 0, row);
        Paste(out.Horizontal, Crop(frame, 0, side - FrameStrip, 530, FrameStrip), 0,
            row + FrameStrip);
        const int column = n == 8 ? 0 : 40;
        Paste(out.Vertical, Crop(frame, 0, FrameStrip, FrameStrip, 490), column, 0);
        Paste(out.Vertical, Crop(frame, side - FrameStrip, FrameStrip, FrameStrip, 490),
            column + FrameStrip, 0);
    }
    return out;
}

std::vector<GeneratedResource> GenerateBorders(const GeneratorContext& context)
{
    if (context.Layout) {
        const GeneratorLayout& l = *context.Layout;
        const BorderPicturesAt at = PaintBordersAt(l.Size, DesignLabels(), l.Cell, l.Margin);
        return { { "BORDR_H", ToPlanes(at.Horizontal) }, { "BORDR_V", ToPlanes(at.Vertical) } };
    }
    const BorderPictures borders = BuildBorders();
    if (!context.PreviewDir.empty()) {
        WritePreview(context, "BORDR_H.png", borders.Horizontal, 2);
        WritePreview(context, "BORDR_V.png", borders.Vertical, 2);
        // Empty boards of each figure set, put together as DrawBoard does.
        for (int set = 0; set < FigureSetArtCount; ++set) {
            const FigureSetArt* art = &FigureSetArtFor(set);
            PixelImage sheet(art->Frames * FrameSize, BandCount * FrameSize);
            for (int band = 4; band < 6; ++band)
                Paste(sheet, ToPixels(Reduce(art->Square(band == 4, Supersample), Supersample)), 0,
                    band * FrameSize);
            const std::vector<int> empty8(64, 1), empty10(100, 1);
            const std::string name = std::string("empty_") + art->Title;
            const PixelImage board8
                = DrawBoardPicture(8, borders.Horizontal, borders.Vertical, sheet, 0, empty8);
            WritePreview(context, name + "8.png", board8);
            WriteCloseup(context, name + "8_corner.png", board8, 0, 0, 150, 100, 5);
            WriteCloseup(
                context, name + "8_corner2.png", board8, 528 - 150, 528 - 100, 150, 100, 5);
            WritePreview(context, name + "10.png",
                DrawBoardPicture(10, borders.Horizontal, borders.Vertical,
                    ReduceSheet(sheet, art->Frames), 0, empty10));
        }
    }
    return { { "BORDR_H", ToPlanes(borders.Horizontal) }, { "BORDR_V", ToPlanes(borders.Vertical) },
        { "BORDR_LABELS", SaveFrameLabels(DesignLabels()) } };
}
