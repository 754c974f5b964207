// The application icon, painted with the board's own materials (a mahogany frame, maple and
// walnut squares, lacquered discs in the opening position), the saved-game icon (a sheet of paper
// with a small board and one disc on it), and the menu icons, drawn as small vector pictures on a
// 16-unit grid.
#include "Icons.h"

#include <QBuffer>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>
#include <functional>
#include <numbers>

#include "ClassicSet.h"
#include "DejaVuFonts.h"
#include "DiscModel.h"
#include "Noise.h"
#include "Previews.h"

namespace {

constexpr float Pi = std::numbers::pi_v<float>;

// ---- The application icon ----------------------------------------------------------------

// Coverage of a rounded square (canvas pixels), for soft edges.
float RoundedSquare(float x, float y, float lo, float hi, float radius)
{
    const float cx = std::clamp(x, lo + radius, hi - radius),
                cy = std::clamp(y, lo + radius, hi - radius);
    const float d = std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy)) - radius;
    return Clamp01(0.5f - d);
}

// The icon at size × size pixels, painted fine × larger and averaged down, with its alpha.
QImage PaintAppIcon(int size)
{
    const int fine = 4, n = size * fine;
    const float s = float(n);
    // Small icons use every pixel: a margin of a fraction of a pixel only blurs their edge.
    const float margin = size < 32 ? 0.0f : s * 0.04f, radius = s * (size < 32 ? 0.16f : 0.2f);
    const float frame = s * (size < 32 ? 0.1f : 0.11f); // width of the wooden frame
    const float inner = margin + frame, board = s - 2 * inner;
    FloatImage colour(n, n);
    Mask alpha(n, n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const float fx = float(x) + 0.5f, fy = float(y) + 0.5f;
            alpha.At(x, y) = RoundedSquare(fx, fy, margin, s - margin, radius);
            // Distance inside the tile's edge, for the frame's rounded profile.
            const float cx = std::clamp(fx, margin + radius, s - margin - radius);
            const float cy = std::clamp(fy, margin + radius, s - margin - radius);
            const float edge = radius - std::sqrt((fx - cx) * (fx - cx) + (fy - cy) * (fy - cy));
            if (fx > inner && fx < s - inner && fy > inner && fy < s - inner) {
                // Two by two squares of maple and walnut.
                const bool light = (fx < s / 2) == (fy < s / 2);
                const float grain = Fbm(fx / s * 3, fy / s * 40, 2, light ? 5 : 6);
                Rgb c = light ? Mix(Srgb(0xE8C994), Srgb(0xCFA56A), 0.5f + 0.4f * grain)
                              : Mix(Srgb(0x7E4E2C), Srgb(0x55301A), 0.5f + 0.4f * grain);
                // The board sits a step below the frame: shade along its top and left.
                const float step = std::min(fx - inner, fy - inner) / (s * 0.03f);
                c = c * (0.55f + 0.45f * Smoothstep(0, 1, step));
                colour.At(x, y) = c;
                continue;
            }
            // Mahogany frame with a rounded outer edge and a brass line at the board.
            const float d = edge / frame; // 0 at the outside .. 1 at the board
            const float slope = d < 0.45f ? (0.45f - d) / 0.45f : 0.0f;
            // The tile's outward direction, for which way the rounded edge faces.
            float ox = fx - s / 2, oy = fy - s / 2;
            const float ol = std::max(1e-3f, std::max(std::fabs(ox), std::fabs(oy)));
            ox /= ol, oy /= ol;
            const Vec3 normal = Normalize({ ox * slope * 1.3f, oy * slope * 1.3f, 1 });
            const float along = std::fabs(ox) > std::fabs(oy) ? fy : fx;
            const float grain = Fbm(along / s * 4, d * 6, 3, 9);
            Rgb wood = Mix(Srgb(0x8C4E2A), Srgb(0x3A1A0C), Clamp01(0.5f + 0.5f * grain));
            Rgb c = wood * (0.35f + 0.8f * Diffuse(normal));
            c += Rgb { 1, 0.93f, 0.84f } * (Highlight(normal, 40) * 0.35f);
            if (d > 0.72f && d < 0.86f && size >= 24)
                c = Mix(c, Srgb(0xE2B24A) * (0.6f + 0.5f * Diffuse(normal)), 0.9f);
            colour.At(x, y) = c;
        }
    // The four opening discs.
    const float cell = board / 2;
    for (int k = 0; k < 4; ++k) {
        const int i = k % 2, j = k / 2;
        DiscPose pose;
        pose.Radius = cell * 0.4f;
        pose.Thickness = cell * 0.11f;
        pose.X = inner + cell * (float(i) + 0.5f);
        pose.Y = inner + cell * (float(j) + 0.5f) + ViewLean * pose.Thickness / 2;
        const Side side = i == j ? Side::Yellow : Side::Green;
        PaintDiscShadow(colour, pose, 1);
        PaintDisc(
            colour, pose, [&](const DiscHit& h) { return ShadeClassicDisc(h, side, Other(side)); });
    }
    const FloatImage small = Reduce(colour, fine);
    const Mask smallAlpha = Reduce(alpha, fine);
    const PixelImage pixels = ToPixels(small);
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int a = int(std::lround(smallAlpha.At(x, y) * 255));
            image.setPixel(x, y, std::uint32_t(a) << 24 | (a ? pixels.At(x, y) : 0));
        }
    return image;
}

// ---- The saved-game icon -----------------------------------------------------------------

// Where the parts of the saved-game icon lie, in whole pixels of the icon, so that the sheet's
// edges and the board's squares fall on pixel boundaries and stay sharp at 16 pixels.
struct MimeIconLayout {
    int PageLeft, PageTop, PageRight, PageBottom; // the sheet of paper
    int Fold; // the folded corner's side, at the top right
    int Cells; // squares along a side of the board
    int BoardLeft, BoardTop, BoardSize, BoardFrame; // the board, its frame included
    float Line; // the sheet's outline
};

MimeIconLayout LayOutMimeIcon(int size)
{
    MimeIconLayout l {};
    l.Cells = size < 32 ? 2 : 4;
    const int page = int(std::lround(size * 0.8f));
    const int margin = std::max(1, int(std::lround(page * 0.09f)));
    l.BoardFrame = std::max(1, int(std::lround((page - 2 * margin) * 0.07f)));
    int inside = page - 2 * margin - 2 * l.BoardFrame;
    inside -= inside % l.Cells;
    l.BoardSize = inside + 2 * l.BoardFrame;
    const int side = std::max(1, (page - l.BoardSize) / 2);
    const int width = l.BoardSize + 2 * side;
    l.PageLeft = (size - width) / 2;
    l.PageRight = l.PageLeft + width;
    l.PageTop = size < 32 ? 0 : int(std::lround(size * 0.03f));
    l.PageBottom = size - l.PageTop;
    l.Fold = int(std::lround(width * 0.3f));
    l.BoardLeft = l.PageLeft + side;
    l.BoardTop = l.PageBottom - side - l.BoardSize;
    l.Line = std::max(1.0f, float(size) / 64);
    return l;
}

// The icon at size × size pixels, painted fine × larger and averaged down, with its alpha.
QImage PaintMimeIcon(int size)
{
    const int fine = 4, n = size * fine;
    const MimeIconLayout l = LayOutMimeIcon(size);
    const float k = float(fine);
    const float left = l.PageLeft * k, right = l.PageRight * k, top = l.PageTop * k,
                bottom = l.PageBottom * k, fold = l.Fold * k, line = l.Line * k;
    const float boardLeft = l.BoardLeft * k, boardTop = l.BoardTop * k, board = l.BoardSize * k,
                frame = l.BoardFrame * k;
    const float cell = (board - 2 * frame) / float(l.Cells);
    FloatImage colour(n, n);
    Mask alpha(n, n);
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            const float fx = float(x) + 0.5f, fy = float(y) + 0.5f;
            // Distances inside the sheet's edges; the cut corner is the line x − y = const.
            const float cut
                = ((fy - top) - (fx - (right - fold))) * std::numbers::sqrt2_v<float> / 2;
            const float inside = std::min({ fx - left, right - fx, fy - top, bottom - fy, cut });
            if (inside <= 0)
                continue;
            alpha.At(x, y) = 1;
            if (inside < line) {
                colour.At(x, y) = Srgb(0x6E747E);
                continue;
            }
            if (fx > right - fold && fy < top + fold) {
                // The corner folded over onto the sheet, its back shaded towards the fold.
                const float edge = std::min(fx - (right - fold), (top + fold) - fy);
                colour.At(x, y) = edge < line
                    ? Srgb(0x6E747E)
                    : Mix(Srgb(0xF4F5F7), Srgb(0xB8BEC8), Clamp01((fx - (right - fold)) / fold));
                continue;
            }
            // Paper, a little darker towards the bottom.
            Rgb c = Mix(Srgb(0xFCFCFA), Srgb(0xE2E5EA), Clamp01((fy - top) / (bottom - top)));
            const float bx = fx - boardLeft, by = fy - boardTop;
            if (bx >= 0 && bx < board && by >= 0 && by < board) {
                const float edge = std::min({ bx, by, board - bx, board - by });
                if (edge < frame) {
                    // Mahogany, lit from the upper left.
                    const bool lit = std::min(bx, by) <= std::min(board - bx, board - by);
                    c = Mix(Srgb(0x7A3C1C), Srgb(0x4A2210), lit ? 0.1f : 0.6f);
                } else {
                    const int i = int((bx - frame) / cell), j = int((by - frame) / cell);
                    const bool light = (i + j) % 2 == 0;
                    const float grain = size >= 48 ? Fbm(fx / k * 0.4f, fy / k * 4, 2, 5) : 0;
                    c = light ? Mix(Srgb(0xEACB92), Srgb(0xCFA36A), 0.5f + 0.4f * grain)
                              : Mix(Srgb(0x86532E), Srgb(0x5A321B), 0.5f + 0.4f * grain);
                }
            } else if (bx >= 0 && bx < board + line && by >= 0 && by < board + line) {
                c = c * 0.7f; // the board's shadow on the paper, below and to the right
            }
            colour.At(x, y) = c;
        }
    // One Yellow disc on the middle of the board, as large as the board allows.
    DiscPose pose;
    pose.Radius = (board - 2 * frame) * (l.Cells == 2 ? 0.33f : 0.27f);
    pose.Thickness = pose.Radius * 0.28f;
    pose.X = boardLeft + board / 2;
    pose.Y = boardTop + board / 2 + ViewLean * pose.Thickness / 2;
    PaintDiscShadow(colour, pose, 1);
    PaintDisc(colour, pose,
        [](const DiscHit& h) { return ShadeClassicDisc(h, Side::Yellow, Side::Green); });
    const FloatImage small = Reduce(colour, fine);
    const Mask smallAlpha = Reduce(alpha, fine);
    const PixelImage pixels = ToPixels(small);
    QImage image(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int a = int(std::lround(smallAlpha.At(x, y) * 255));
            image.setPixel(x, y, std::uint32_t(a) << 24 | (a ? pixels.At(x, y) : 0));
        }
    return image;
}

// ---- The menu icons ----------------------------------------------------------------------

QLinearGradient Down(double y0, double y1, QColor top, QColor bottom)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

QPen Outline(QColor c, double width = 1)
{
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A curved arrow: an arc about (cx, cy) from angle a0 to a1 (degrees, counter-clockwise as
// Qt counts them), ending in a head.
void CurvedArrow(
    QPainter& p, double cx, double cy, double r, double a0, double a1, QColor fill, QColor edge)
{
    QPainterPath arc;
    const QRectF box(cx - r, cy - r, 2 * r, 2 * r);
    arc.arcMoveTo(box, a0);
    arc.arcTo(box, a0, a1 - a0);
    QPainterPathStroker stroker;
    stroker.setWidth(2.6);
    stroker.setCapStyle(Qt::FlatCap);
    QPainterPath body = stroker.createStroke(arc);
    const double a = a1 * Pi / 180, dir = a1 > a0 ? 1 : -1;
    const QPointF tip(cx + r * std::cos(a), cy - r * std::sin(a));
    // Tangent direction of travel at the end of the arc.
    const QPointF t(-std::sin(a) * dir, -std::cos(a) * dir);
    const QPointF nrm(std::cos(a), -std::sin(a));
    QPainterPath head;
    head.moveTo(tip + t * 3.6);
    head.lineTo(tip + nrm * 3.4);
    head.lineTo(tip - nrm * 3.4);
    head.closeSubpath();
    const QPainterPath arrow = body.united(head);
    p.setPen(Outline(edge));
    p.setBrush(fill);
    p.drawPath(arrow);
}

QPainterPath Handset()
{
    // A telephone handset lying on its back: earpiece, grip and mouthpiece, drawn about the
    // icon's middle.
    QPainterPath path;
    path.moveTo(2.0, 5.8);
    path.cubicTo(2.0, 3.2, 4.2, 2.6, 5.4, 2.8);
    path.lineTo(6.2, 5.6);
    path.cubicTo(5.4, 6.0, 5.0, 6.4, 5.0, 7.8);
    path.lineTo(11.0, 7.8);
    path.cubicTo(11.0, 6.4, 10.6, 6.0, 9.8, 5.6);
    path.lineTo(10.6, 2.8);
    path.cubicTo(11.8, 2.6, 14.0, 3.2, 14.0, 5.8);
    path.lineTo(14.0, 8.8);
    path.cubicTo(14.0, 9.6, 13.4, 10.0, 12.6, 10.0);
    path.lineTo(3.4, 10.0);
    path.cubicTo(2.6, 10.0, 2.0, 9.6, 2.0, 8.8);
    path.closeSubpath();
    return path;
}

void Glyph(QPainter& p, const QString& text, double size, QPointF centre, QColor colour)
{
    QPainterPath path = TextOutline(text, DejaVuFace::SansBold, size);
    const QPointF middle = path.boundingRect().center();
    path.translate(centre - middle);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(path);
}

void RoundBadge(QPainter& p, QColor light, QColor dark)
{
    QRadialGradient g(6, 5, 10);
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    p.setPen(Outline(dark.darker(150)));
    p.setBrush(g);
    p.drawEllipse(QPointF(8, 8), 6.8, 6.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    p.drawEllipse(QRectF(4, 2.2, 8, 4.5));
}

void DrawMenuIcon(QPainter& p, const std::string& name)
{
    const QColor ink(0x3C, 0x44, 0x50);
    if (name == "NEW") {
        QPainterPath page;
        page.moveTo(3.5, 1.5), page.lineTo(9.5, 1.5), page.lineTo(12.5, 4.5);
        page.lineTo(12.5, 14.5), page.lineTo(3.5, 14.5), page.closeSubpath();
        p.setPen(Outline(ink));
        p.setBrush(Down(1, 15, Qt::white, QColor(0xDC, 0xE2, 0xEA)));
        p.drawPath(page);
        QPainterPath ear;
        ear.moveTo(9.5, 1.5), ear.lineTo(9.5, 4.5), ear.lineTo(12.5, 4.5), ear.closeSubpath();
        p.setBrush(QColor(0xC4, 0xCC, 0xD8));
        p.drawPath(ear);
        // A fresh game: the two colours on the blank page.
        QRadialGradient y(6.4, 9.2, 3.2), g(9.6, 11.4, 3.2);
        y.setColorAt(0, QColor(0xFF, 0xE8, 0x70)), y.setColorAt(1, QColor(0xE0, 0xA0, 0x00));
        g.setColorAt(0, QColor(0x70, 0xE0, 0x90)), g.setColorAt(1, QColor(0x10, 0x80, 0x38));
        p.setPen(Outline(QColor(0x80, 0x5A, 0x00), 0.8));
        p.setBrush(y);
        p.drawEllipse(QPointF(7, 9.6), 2.6, 2.6);
        p.setPen(Outline(QColor(0x0A, 0x50, 0x22), 0.8));
        p.setBrush(g);
        p.drawEllipse(QPointF(9.4, 11.6), 2.6, 2.6);
    } else if (name == "OPEN") {
        p.setPen(Outline(QColor(0x8A, 0x5A, 0x10)));
        p.setBrush(Down(2, 14, QColor(0xF0, 0xC0, 0x50), QColor(0xC8, 0x8A, 0x20)));
        QPainterPath back;
        back.moveTo(1.5, 13.5), back.lineTo(1.5, 3.5), back.lineTo(5.5, 3.5), back.lineTo(6.5, 4.5);
        back.lineTo(12.5, 4.5), back.lineTo(12.5, 13.5), back.closeSubpath();
        p.drawPath(back);
        p.setBrush(Down(6, 14, QColor(0xFF, 0xE0, 0x8A), QColor(0xF0, 0xB0, 0x38)));
        QPainterPath front;
        front.moveTo(1.5, 13.5), front.lineTo(4.0, 7.5), front.lineTo(15.0, 7.5),
            front.lineTo(12.5, 13.5);
        front.closeSubpath();
        p.drawPath(front);
    } else if (name == "SAVE") {
        p.setPen(Outline(QColor(0x1C, 0x2E, 0x5A)));
        p.setBrush(Down(1, 15, QColor(0x5A, 0x82, 0xD0), QColor(0x2A, 0x4A, 0x96)));
        QPainterPath disk;
        disk.moveTo(1.5, 2.5), disk.lineTo(12.5, 2.5 - 1), disk.lineTo(14.5, 3.5);
        disk = QPainterPath();
        disk.addRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
        p.drawPath(disk);
        p.setBrush(Down(1.5, 6, QColor(0xF0, 0xF2, 0xF6), QColor(0xB0, 0xB8, 0xC4)));
        p.drawRect(QRectF(4.5, 1.5, 7, 4.5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x2A, 0x4A, 0x96));
        p.drawRect(QRectF(9, 2.5, 1.5, 2.5));
        p.setPen(Outline(QColor(0x1C, 0x2E, 0x5A)));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3.5, 8.5, 9, 6));
        p.setPen(Outline(QColor(0x9A, 0xA8, 0xC0), 0.8));
        p.drawLine(QPointF(5, 10.5), QPointF(11, 10.5));
        p.drawLine(QPointF(5, 12.5), QPointF(11, 12.5));
    } else if (name == "UNDO") {
        CurvedArrow(p, 8.5, 9.5, 5.0, -55, 100, QColor(0x4C, 0x9A, 0xE8), QColor(0x1A, 0x4A, 0x8A));
    } else if (name == "REDO") {
        CurvedArrow(p, 7.5, 9.5, 5.0, 235, 80, QColor(0x4C, 0x9A, 0xE8), QColor(0x1A, 0x4A, 0x8A));
    } else if (name == "HINT") {
        // A light bulb with a glow.
        QRadialGradient glow(8, 6.5, 7.5);
        glow.setColorAt(0, QColor(255, 240, 150, 150)),
            glow.setColorAt(1, QColor(255, 240, 150, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(QPointF(8, 6.5), 7.5, 7.5);
        QRadialGradient glass(6.8, 4.8, 6);
        glass.setColorAt(0, QColor(0xFF, 0xFC, 0xD8)),
            glass.setColorAt(0.6, QColor(0xFF, 0xDC, 0x40));
        glass.setColorAt(1, QColor(0xE8, 0xA8, 0x00));
        QPainterPath bulb;
        bulb.addEllipse(QPointF(8, 6.2), 4.6, 4.6);
        QPainterPath neck;
        neck.moveTo(5.6, 9.5), neck.lineTo(10.4, 9.5), neck.lineTo(10.0, 11.5),
            neck.lineTo(6.0, 11.5);
        neck.closeSubpath();
        p.setPen(Outline(QColor(0x9A, 0x6A, 0x00)));
        p.setBrush(glass);
        p.drawPath(bulb.united(neck));
        p.setPen(Outline(QColor(0x50, 0x56, 0x60)));
        p.setBrush(Down(11.5, 15, QColor(0xE0, 0xE4, 0xEA), QColor(0x8A, 0x92, 0x9E)));
        p.drawRoundedRect(QRectF(5.8, 11.5, 4.4, 3.2), 0.8, 0.8);
        p.drawLine(QPointF(6, 13.1), QPointF(10, 13.1));
    } else if (name == "SETTINGS") {
        // A gear: twelve-sided outline alternating tooth and gap, with a hole.
        QPainterPath gear;
        const int teeth = 8;
        for (int k = 0; k < teeth * 4; ++k) {
            const double a = (double(k) - 0.5) * 2 * Pi / (teeth * 4);
            const double r = (k % 4 == 0 || k % 4 == 1) ? 7.0 : 5.2;
            const QPointF pt(8 + r * std::cos(a), 8 + r * std::sin(a));
            k ? gear.lineTo(pt) : gear.moveTo(pt);
        }
        gear.closeSubpath();
        QPainterPath hole;
        hole.addEllipse(QPointF(8, 8), 2.2, 2.2);
        QRadialGradient steel(6, 5, 10);
        steel.setColorAt(0, QColor(0xE8, 0xEC, 0xF2)),
            steel.setColorAt(1, QColor(0x6E, 0x78, 0x88));
        p.setPen(Outline(QColor(0x38, 0x40, 0x4C)));
        p.setBrush(steel);
        p.drawPath(gear.subtracted(hole));
    } else if (name == "CALL" || name == "DISCONNECT") {
        const bool call = name == "CALL";
        const QColor light = call ? QColor(0x6A, 0xD8, 0x6A) : QColor(0xF0, 0x70, 0x60);
        const QColor dark = call ? QColor(0x18, 0x80, 0x28) : QColor(0xB0, 0x20, 0x18);
        p.save();
        p.translate(8, 8);
        p.rotate(call ? -30 : 0);
        p.translate(-8, call ? -6.5 : -4.0);
        p.setPen(Outline(dark.darker(140)));
        p.setBrush(Down(2, 10, light, dark));
        p.drawPath(Handset());
        p.restore();
        if (call) {
            // Ringing.
            p.setPen(Outline(dark, 1.1));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(8.5, 1.5, 6, 6), 0 * 16, 90 * 16);
            p.drawArc(QRectF(10.0, 3.0, 3, 3), 0 * 16, 90 * 16);
        } else {
            // Hung up: a bar under the handset.
            p.setPen(Outline(QColor(0x60, 0x10, 0x10), 1.4));
            p.drawLine(QPointF(3, 12.5), QPointF(13, 12.5));
        }
    } else if (name == "MESSAGE") {
        QPainterPath bubble;
        bubble.addRoundedRect(QRectF(1.5, 2.5, 13, 8.5), 2.5, 2.5);
        QPainterPath tail;
        tail.moveTo(4, 10), tail.lineTo(3.5, 14.5), tail.lineTo(8, 10.5), tail.closeSubpath();
        p.setPen(Outline(QColor(0x2A, 0x4E, 0x8A)));
        p.setBrush(Down(2, 14, QColor(0xFF, 0xFF, 0xFF), QColor(0xC6, 0xDA, 0xF4)));
        p.drawPath(bubble.united(tail));
        p.setPen(Outline(QColor(0x6A, 0x86, 0xB4), 1));
        p.drawLine(QPointF(4.5, 5.5), QPointF(11.5, 5.5));
        p.drawLine(QPointF(4.5, 8), QPointF(9.5, 8));
    } else if (name == "HELP" || name == "ABOUT") {
        RoundBadge(p, QColor(0x7A, 0xB4, 0xF4), QColor(0x1A, 0x58, 0xB0));
        if (name == "HELP") {
            Glyph(p, "?", 10.5, QPointF(8, 8.1), Qt::white);
        } else {
            // Drawn rather than set: at this size a font's "i" loses the gap under its dot.
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(8, 4.6), 1.35, 1.35);
            p.drawRoundedRect(QRectF(6.8, 6.9, 2.4, 5.9), 0.5, 0.5);
        }
    } else if (name == "EXIT") {
        // A door standing open, and an arrow going out through it.
        p.setPen(Outline(QColor(0x4A, 0x2C, 0x14)));
        p.setBrush(QColor(0x3A, 0x2A, 0x20));
        p.drawRect(QRectF(2.5, 1.5, 7, 13));
        QPainterPath door;
        door.moveTo(2.5, 1.5), door.lineTo(6.5, 3.0), door.lineTo(6.5, 15.8),
            door.lineTo(2.5, 14.5);
        door.closeSubpath();
        p.setBrush(Down(1, 15, QColor(0xC8, 0x8A, 0x50), QColor(0x8A, 0x52, 0x24)));
        p.drawPath(door);
        QPainterPath arrow;
        arrow.moveTo(7.5, 6.8), arrow.lineTo(11, 6.8), arrow.lineTo(11, 4.5), arrow.lineTo(15, 8.5);
        arrow.lineTo(11, 12.5), arrow.lineTo(11, 10.2), arrow.lineTo(7.5, 10.2),
            arrow.closeSubpath();
        p.setPen(Outline(QColor(0x8A, 0x10, 0x10)));
        p.setBrush(Down(4, 13, QColor(0xFF, 0x6A, 0x50), QColor(0xC8, 0x18, 0x10)));
        p.drawPath(arrow);
    }
}

QImage PaintMenuIcon(const std::string& name, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    DrawMenuIcon(p, name);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

std::vector<std::uint8_t> PngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        std::fprintf(stderr, "corvana-gen: cannot encode a PNG icon\n");
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

// Icons laid out on a light and a dark strip, for looking at them as a menu would show them.
void WriteIconSheet(const GeneratorContext& context, const std::vector<QImage>& icons,
    const std::string& fileName, int zoom)
{
    int width = 8, height = 0;
    for (const QImage& i : icons)
        width += i.width() + 8, height = std::max(height, i.height());
    QImage sheet(width, 2 * height + 24, QImage::Format_RGB32);
    sheet.fill(QColor(0xF2, 0xF2, 0xF2));
    QPainter p(&sheet);
    p.fillRect(0, height + 12, width, height + 12, QColor(0x30, 0x34, 0x3A));
    int x = 8;
    for (const QImage& i : icons) {
        p.drawImage(x, 6, i);
        p.drawImage(x, height + 18, i);
        x += i.width() + 8;
    }
    p.end();
    PixelImage picture(sheet.width(), sheet.height());
    for (int y = 0; y < sheet.height(); ++y)
        for (int xx = 0; xx < sheet.width(); ++xx)
            picture.At(xx, y) = sheet.pixel(xx, y) & 0xFFFFFF;
    WritePreview(context, fileName, picture, zoom);
}

} // namespace

std::vector<GeneratedResource> GenerateIcons(const GeneratorContext& context)
{
    std::vector<GeneratedResource> out;
    std::vector<QImage> app, mime, menu16, menu32;
    for (const int size : AppIconSizes) {
        app.push_back(PaintAppIcon(size));
        out.push_back({ "ICON_APP_" + std::to_string(size), PngBytes(app.back()) });
    }
    for (const int size : MimeIconSizes) {
        mime.push_back(PaintMimeIcon(size));
        out.push_back({ "ICON_MIME_" + std::to_string(size), PngBytes(mime.back()) });
    }
    for (const char* name : MenuIconNames) {
        menu16.push_back(PaintMenuIcon(name, 16));
        menu32.push_back(PaintMenuIcon(name, 32));
        out.push_back({ std::string("ICON_") + name, PngBytes(menu16.back()) });
        out.push_back({ std::string("ICON_") + name + "_32", PngBytes(menu32.back()) });
    }
    if (!context.PreviewDir.empty()) {
        WriteIconSheet(context, app, "icons_app.png", 1);
        WriteIconSheet(context, mime, "icons_mime.png", 1);
        WriteIconSheet(context, menu16, "icons_menu16.png", 3);
        WriteIconSheet(context, menu32, "icons_menu32.png", 2);
    }
    return out;
}
