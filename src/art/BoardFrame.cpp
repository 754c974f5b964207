// Painting the frame: the moulding's profile, the walnut, the gilded labels, the mitres and the
// corner studs; and the labels' outlines as bytes.
#include "BoardFrame.h"

#include <QDataStream>
#include <QIODevice>
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "DiscModel.h"
#include "Noise.h"

namespace {

constexpr int Strip = FrameStrip;
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

// The gilded labels of a frame of board size n, as coverage at fine resolution, over the part
// `area` of the canvas.
Mask LabelMask(int n, const FrameLabels& outlines, int fine, CanvasRect area)
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
        const QPainterPath& letterPath = outlines.Letters[std::size_t(i)];
        const QPainterPath& numberPath = outlines.Numbers[std::size_t(n - i - 1)];
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

    QImage image(area.Width, area.Height, QImage::Format_Grayscale8);
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
        if (area.X != 0 || area.Y != 0)
            t.translate(-area.X, -area.Y);
        t.scale(fine, fine);
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

FloatImage PaintFrameCanvas(int n, const FrameLabels* outlines, int fine, CanvasRect region)
{
    const int c = n == 8 ? 61 : 49;
    const int side = n * c + 40;
    const int whole = side * fine;
    // The labels' masks reach a little beyond the region, so that the blur of their depth and
    // its slope inside the region see what lies around it.
    const int reach = 3 * int(std::lround(1.1f * fine / 1.73f)) + 2;
    CanvasRect area = region;
    if (region.X != 0 || region.Y != 0 || region.Width != whole || region.Height != whole) {
        const int x0 = std::max(0, region.X - reach), y0 = std::max(0, region.Y - reach);
        const int x1 = std::min(whole, region.X + region.Width + reach);
        const int y1 = std::min(whole, region.Y + region.Height + reach);
        area = { x0, y0, x1 - x0, y1 - y0 };
    }
    Mask labels = outlines ? LabelMask(n, *outlines, fine, area) : Mask(area.Width, area.Height);
    // The letters are cut in with sloping walls: the blurred coverage is their depth.
    Mask depth = labels;
    Blur(depth, 1.1f * fine);
    FloatImage picture(region.Width, region.Height);
    const float studX[2] = { Strip / 2.0f, side - Strip / 2.0f };
    for (int y = region.Y; y < region.Y + region.Height; ++y)
        for (int x = region.X; x < region.X + region.Width; ++x) {
            Rgb& out = picture.At(x - region.X, y - region.Y);
            const float fx = (float(x) + 0.5f) / fine, fy = (float(y) + 0.5f) / fine;
            const float dist[4] = { fy, side - fy, fx, side - fx }; // top, bottom, left, right
            int piece = 0;
            for (int k = 1; k < 4; ++k)
                if (dist[k] < dist[piece])
                    piece = k;
            const float d = dist[piece];
            if (d >= Strip) {
                out = {};
                continue;
            }
            // The inward direction of the piece, and its length coordinate for the grain.
            const float inX = piece == 2 ? 1.0f : piece == 3 ? -1.0f : 0.0f;
            const float inY = piece == 0 ? 1.0f : piece == 1 ? -1.0f : 0.0f;
            const float along = piece < 2 ? fx : fy;
            const float slope = ProfileSlope(d);
            // Relief of the engraving, by finite differences of its depth.
            const int xl = std::max(0, x - 1), xr = std::min(whole - 1, x + 1);
            const int yu = std::max(0, y - 1), yd = std::min(whole - 1, y + 1);
            const auto depthAt = [&](int px, int py) { return depth.At(px - area.X, py - area.Y); };
            const float gx = (depthAt(xr, y) - depthAt(xl, y)) * fine / float(xr - xl);
            const float gy = (depthAt(x, yd) - depthAt(x, yu)) * fine / float(yd - yu);
            // The letters are cut into the panel only: the bullnose and the inlay keep their
            // shape even where a letter's sloping walls come close.
            const float panel = Smoothstep(PanelFrom, PanelFrom + 0.6f, d)
                * Smoothstep(PanelTo, PanelTo - 0.6f, d);
            const float relief = 2.2f, cut = 0.9f * panel;
            Vec3 normal = Normalize(
                { -(slope * inX * relief) + gx * cut, -(slope * inY * relief) + gy * cut, 1 });
            Rgb colour;
            const float ink = labels.At(x - area.X, y - area.Y);
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
                colour = colour * (1 - 0.45f * Clamp01(depthAt(x, y) * 1.6f) * (1 - ink) * panel);
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
            out = colour;
        }
    return picture;
}

FloatImage PaintFrameCanvas(int n, const FrameLabels* labels, int fine)
{
    const int whole = (n * (n == 8 ? 61 : 49) + 40) * fine;
    return PaintFrameCanvas(n, labels, fine, { 0, 0, whole, whole });
}

PixelImage PaintFrame(int n, const FrameLabels* labels)
{
    return ToPixels(Reduce(PaintFrameCanvas(n, labels, FrameFine), FrameFine));
}

namespace {

constexpr quint32 LabelsMagic = 0x4C424C53; // "LBLS"

} // namespace

std::vector<std::uint8_t> SaveFrameLabels(const FrameLabels& labels)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_4);
    out << LabelsMagic;
    for (const auto* group : { &labels.Letters, &labels.Numbers })
        for (const QPainterPath& path : *group)
            out << path;
    return { bytes.begin(), bytes.end() };
}

Result<FrameLabels> LoadFrameLabels(std::span<const std::uint8_t> bytes)
{
    const QByteArray data = QByteArray::fromRawData(
        reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    QDataStream in(data);
    in.setVersion(QDataStream::Qt_6_4);
    quint32 magic = 0;
    in >> magic;
    FrameLabels labels;
    for (auto* group : { &labels.Letters, &labels.Numbers })
        for (QPainterPath& path : *group)
            in >> path;
    if (magic != LabelsMagic || in.status() != QDataStream::Ok || !in.atEnd())
        return Error { ErrorKind::Damaged, "the outlines of the board's labels are damaged" };
    for (const auto* group : { &labels.Letters, &labels.Numbers })
        for (const QPainterPath& path : *group)
            if (path.isEmpty())
                return Error { ErrorKind::Damaged,
                    "the outlines of the board's labels are damaged" };
    return labels;
}
