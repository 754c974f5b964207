// The board's frame: a polished walnut moulding with a brass inlay, mitred at the corners, with
// gilded letters and numbers cut into it. The frame is painted whole for each board size, as
// the player sees it, and the strips the sprite store copies are cut out of it, so the pieces
// meet at the corners exactly.
#include "Borders.h"

#include <QImage>
#include <QPainter>
#include <cstdio>
#include <vector>

#include "AncientSet.h"
#include "ClassicSet.h"
#include "DejaVuFonts.h"
#include "DiscModel.h"
#include "FlameSet.h"
#include "Noise.h"
#include "Previews.h"

namespace {

constexpr int Strip = 20; // width of the frame in pixels
constexpr int Fine = 3; // supersampling of the frame
constexpr float LabelSize = 14.0f; // pixel size of the label font
constexpr float NumberCondense = 0.86f; // numbers are set narrower so "10" fits the moulding
// The flat panel that carries the labels, as distances from the frame's outer edge: from the
// foot of the bullnose to the step up to the brass inlay. Labels keep a margin inside it, so
// no gilding runs over the edge or onto the inlay.
constexpr float PanelFrom = 3.5f;
constexpr float PanelTo = 16.2f;
constexpr float LabelMargin = 1.0f;

// Height of the moulding at distance d (pixels) from the frame's outer edge, and its slope.
// Outer bullnose, a fine cove, the flat panel with the labels, the brass inlay, and a chamfer
// down to the squares.
float Profile(float d)
{
    float h;
    if (d < 3.5f)
        h = std::sqrt(std::max(0.0f, 1 - (3.5f - d) * (3.5f - d) / (3.5f * 3.5f)));
    else if (d < 18)
        h = 1;
    else
        h = 1 - 0.7f * (d - 18) / 2;
    h -= 0.12f * std::exp(-(d - 4.3f) * (d - 4.3f) / 0.3f);
    // The inlay sits a hair proud of the wood.
    h += 0.05f * Smoothstep(16.2f, 16.5f, d) * Smoothstep(17.9f, 17.6f, d);
    return h;
}

float ProfileSlope(float d) { return (Profile(d + 0.05f) - Profile(d - 0.05f)) / 0.1f; }

// The gilded labels of a frame of board size n, as coverage at Fine resolution.
Mask LabelMask(int n)
{
    const int c = n == 8 ? 61 : 49;
    const int side = n * c + 40;
    struct TLabel {
        QPainterPath Path;
        float X, Y;
        bool Turned, Number;
    };
    std::vector<TLabel> labels;
    for (int i = 0; i < n; ++i) {
        const float middle = Strip + c * i + c / 2.0f;
        const QString letter = QString(QChar('A' + i));
        const QString number = QString::number(n - i);
        const QPainterPath letterPath = TextOutline(letter, DejaVuFace::SerifBold, LabelSize);
        const QPainterPath numberPath = QTransform::fromScale(NumberCondense, 1)
                                            .map(TextOutline(number, DejaVuFace::SerifBold,
                                                LabelSize, -0.6));
        const float panel = (PanelFrom + PanelTo) / 2;
        labels.push_back({ letterPath, middle, side - panel, false, false });
        labels.push_back({ letterPath, middle, panel, true, false });
        labels.push_back({ numberPath, panel, middle, false, true });
        labels.push_back({ numberPath, side - panel, middle, true, true });
    }
    // All letters of a frame share one size, and so do all numbers: the size at which the
    // deepest letter (J's tail) and the widest number ("10") fit across the panel. Numbers are
    // narrowed more than they are shortened, so they keep the letters' height.
    const float room = PanelTo - PanelFrom - 2 * LabelMargin;
    float letterScale = 1, numberWidth = 1;
    for (const TLabel& l : labels) {
        const QRectF box = l.Path.boundingRect();
        if (l.Number)
            numberWidth = std::min(numberWidth, room / float(box.width()));
        else
            letterScale = std::min(letterScale, room / float(box.height()));
    }
    const float numberHeight = std::min(letterScale, std::sqrt(numberWidth));

    QImage image(side * Fine, side * Fine, QImage::Format_Grayscale8);
    image.fill(0);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    // Each label is centred by its ink, on the middle of its square's column or row and of the
    // panel; the far strips carry them turned round for the player opposite.
    for (const TLabel& l : labels) {
        const float sx = l.Number ? numberWidth : letterScale;
        const float sy = l.Number ? numberHeight : letterScale;
        const QPointF middle = l.Path.boundingRect().center();
        QTransform t;
        t.scale(Fine, Fine);
        t.translate(l.X, l.Y);
        if (l.Turned)
            t.rotate(180);
        t.scale(sx, sy);
        t.translate(-middle.x(), -middle.y());
        painter.drawPath(t.map(l.Path));
    }
    painter.end();
    Mask mask(image.width(), image.height());
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            mask.At(x, y) = float(line[x]) / 255;
    }
    return mask;
}

Rgb Walnut(float along, float across, std::uint32_t seed)
{
    // Long streaks along the piece, gently wavy, with darker grain lines and a broad figure.
    const float warp = Fbm(along * 0.006f, across * 0.06f, 3, seed) * 5;
    const float ring = (across + warp) * 0.8f;
    const float lines = std::pow(0.5f + 0.5f * std::sin(ring), 6.0f)
        * (0.4f + 0.6f * Fbm(along * 0.02f + 3, across * 0.4f, 2, seed + 1));
    const float streak = Fbm(along * 0.01f, across * 0.7f, 3, seed + 2);
    const float t = Clamp01(0.45f + 0.45f * streak + 0.6f * lines);
    return t < 0.5f ? Mix(Srgb(0x94552C), Srgb(0x5C2E15), t * 2)
                    : Mix(Srgb(0x5C2E15), Srgb(0x2A1108), t * 2 - 1);
}

// Shades polished metal leaf (brass inlay, gilding, the corner studs).
Rgb Gilt(Vec3 n, float brightness)
{
    const Rgb gold = Srgb(0xE9B949);
    Rgb c = gold * (0.12f + 0.5f * Diffuse(n));
    c += gold * StudioReflection(Reflect(ViewDirection * -1, n)) * 0.45f;
    c += Srgb(0xFFF2C8) * (Highlight(n, 50) * 0.8f);
    return c * brightness;
}

} // namespace

PixelImage PaintFrame(int n, bool withLabels)
{
    const int c = n == 8 ? 61 : 49;
    const int side = n * c + 40;
    const int fine = side * Fine;
    Mask labels = withLabels ? LabelMask(n) : Mask(fine, fine);
    // The letters are cut in with sloping walls: the blurred coverage is their depth.
    Mask depth = labels;
    Blur(depth, 1.1f * Fine);
    FloatImage picture(fine, fine);
    const float studX[2] = { Strip / 2.0f, side - Strip / 2.0f };
    for (int y = 0; y < fine; ++y)
        for (int x = 0; x < fine; ++x) {
            const float fx = (float(x) + 0.5f) / Fine, fy = (float(y) + 0.5f) / Fine;
            const float dist[4] = { fy, side - fy, fx, side - fx }; // top, bottom, left, right
            int piece = 0;
            for (int k = 1; k < 4; ++k)
                if (dist[k] < dist[piece])
                    piece = k;
            const float d = dist[piece];
            if (d >= Strip) {
                picture.At(x, y) = {};
                continue;
            }
            // The inward direction of the piece, and its length coordinate for the grain.
            const float inX = piece == 2 ? 1.0f : piece == 3 ? -1.0f : 0.0f;
            const float inY = piece == 0 ? 1.0f : piece == 1 ? -1.0f : 0.0f;
            const float along = piece < 2 ? fx : fy;
            const float slope = ProfileSlope(d);
            // Relief of the engraving, by finite differences of its depth.
            const int xl = std::max(0, x - 1), xr = std::min(fine - 1, x + 1);
            const int yu = std::max(0, y - 1), yd = std::min(fine - 1, y + 1);
            const float gx = (depth.At(xr, y) - depth.At(xl, y)) * Fine / float(xr - xl);
            const float gy = (depth.At(x, yd) - depth.At(x, yu)) * Fine / float(yd - yu);
            // The letters are cut into the panel only: the bullnose and the inlay keep their
            // shape even where a letter's sloping walls come close.
            const float panel = Smoothstep(PanelFrom, PanelFrom + 0.6f, d)
                * Smoothstep(PanelTo, PanelTo - 0.6f, d);
            const float relief = 2.2f, cut = 0.9f * panel;
            Vec3 normal = Normalize(
                { -(slope * inX * relief) + gx * cut, -(slope * inY * relief) + gy * cut, 1 });
            Rgb colour;
            const float ink = labels.At(x, y);
            const bool inlay = d > 16.5f && d < 17.6f;
            if (inlay) {
                colour = Gilt(normal, 0.9f);
            } else {
                const Rgb wood = Walnut(along, d, 400 + std::uint32_t(piece));
                colour = wood * (0.3f + 0.85f * Diffuse(normal));
                // French polish: a clear coat over the grain, warm in its reflections.
                colour += StudioReflection(Reflect(ViewDirection * -1, normal)) * Srgb(0xD8B898)
                    * (Fresnel(normal, 0.015f) * 0.7f);
                colour += Rgb { 1, 0.93f, 0.82f } * (Highlight(normal, 60) * 0.3f);
                // The cut walls of the letters are in shade at the bottom of the cut.
                colour = colour * (1 - 0.45f * Clamp01(depth.At(x, y) * 1.6f) * (1 - ink) * panel);
                colour = Mix(colour, Gilt(normal, 1.05f), ink);
            }
            if (d > 18)
                colour = colour * (0.55f + 0.45f * (20 - d) / 2); // the chamfer falls into shade
            // The mitre where two pieces meet.
            float second = 1e9f;
            for (int k = 0; k < 4; ++k)
                if (k != piece)
                    second = std::min(second, dist[k]);
            colour = colour * (1 - 0.55f * std::exp(-(second - d) * (second - d) / 0.08f));
            // A brass stud pins each corner.
            for (const float sx : studX)
                for (const float sy : studX) {
                    const float dx = fx - sx, dy = fy - sy, r = std::sqrt(dx * dx + dy * dy);
                    if (r < 3.6f) {
                        const float k = r / 3.6f;
                        const Vec3 sn = Normalize({ dx / 3.6f * 1.2f, dy / 3.6f * 1.2f,
                            std::sqrt(std::max(0.05f, 1 - k * k)) });
                        colour = Mix(colour, Gilt(sn, 1.0f), Smoothstep(3.6f, 3.1f, r));
                    } else if (r < 4.6f) {
                        colour = colour * (1 - 0.5f * Smoothstep(4.6f, 3.6f, r));
                    }
                }
            picture.At(x, y) = colour;
        }
    return ToPixels(Reduce(picture, Fine));
}

BorderPictures BuildBorders()
{
    BorderPictures out { PixelImage(530, 80), PixelImage(80, 490) };
    for (const int n : { 8, 10 }) {
        const int c = n == 8 ? 61 : 49;
        const int side = n * c + 40;
        const PixelImage frame = PaintFrame(n, true);
        // The strips as the sprite store copies them: top (letters turned) above bottom, the
        // 8 × 8 pair first; left (numbers upright) before right. What the game never shows (two
        // columns of the 8 × 8 strips, two rows of the 8 × 8 columns) continues the frame.
        const int row = n == 8 ? 0 : 40;
        Paste(out.Horizontal, Crop(frame, 0, 0, 530, Strip), 0, row);
        Paste(out.Horizontal, Crop(frame, 0, side - Strip, 530, Strip), 0, row + Strip);
        const int column = n == 8 ? 0 : 40;
        Paste(out.Vertical, Crop(frame, 0, Strip, Strip, 490), column, 0);
        Paste(out.Vertical, Crop(frame, side - Strip, Strip, Strip, 490), column + Strip, 0);
    }
    return out;
}

std::vector<GeneratedResource> GenerateBorders(const GeneratorContext& context)
{
    const BorderPictures borders = BuildBorders();
    if (!context.PreviewDir.empty()) {
        WritePreview(context, "BORDR_H.png", borders.Horizontal, 2);
        WritePreview(context, "BORDR_V.png", borders.Vertical, 2);
        // Empty boards of each figure set, put together as DrawBoard does.
        for (const FigureSetArt* art : { &FlameArt(), &ClassicArt(), &AncientArt() }) {
            PixelImage sheet(art->Frames * FrameSize, BandCount * FrameSize);
            for (int band = 4; band < 6; ++band)
                Paste(sheet, ToPixels(Reduce(art->Square(band == 4), Supersample)), 0,
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
    return { { "BORDR_H", ToPlanes(borders.Horizontal) },
        { "BORDR_V", ToPlanes(borders.Vertical) } };
}
