// The small bitmaps of the loading and connect panels, drawn with QPainter.
#include "SmallPictures.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <functional>

#include "DejaVuFonts.h"
#include "GeneratorError.h"
#include "Previews.h"
#include "WindowsBitmap.h"

namespace {

constexpr int Fine = 4;
// The panels are painted in the desktop's button colour; antialiased edges are blended against
// a light grey close to it, so they show no coloured fringe.
const QColor PanelFace(0xE4, 0xE4, 0xE4);

// Draws at Fine times the size (the drawing works in picture pixels) and reduces to a picture
// whose clear pixels are the transparent key.
PixelImage Draw(int width, int height, const std::function<void(QPainter&)>& draw)
{
    QImage fine(width * Fine, height * Fine, QImage::Format_ARGB32_Premultiplied);
    fine.fill(Qt::transparent);
    {
        QPainter p(&fine);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(Fine, Fine);
        draw(p);
    }
    PixelImage out(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            float a = 0, r = 0, g = 0, b = 0;
            for (int j = 0; j < Fine; ++j)
                for (int i = 0; i < Fine; ++i) {
                    const QRgb px = reinterpret_cast<const QRgb*>(
                        fine.constScanLine(y * Fine + j))[x * Fine + i];
                    a += float(qAlpha(px)), r += float(qRed(px)), g += float(qGreen(px)),
                        b += float(qBlue(px));
                }
            const float n = float(Fine * Fine);
            a /= n * 255, r /= n, g /= n, b /= n;
            if (a < 0.4f) {
                out.At(x, y) = TransparentKey;
                continue;
            }
            // Premultiplied colour over the panel face.
            const auto over = [&](float c, int face) {
                return std::uint32_t(std::lround(c + (1 - a) * float(face)));
            };
            std::uint32_t px = over(r, PanelFace.red()) << 16 | over(g, PanelFace.green()) << 8
                | over(b, PanelFace.blue());
            if (px == TransparentKey)
                px ^= 0x010000; // keep painted pixels painted
            out.At(x, y) = px;
        }
    return out;
}

QLinearGradient Vertical(double y0, double y1, QColor top, QColor bottom)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

// A small glossy disc of the game, centred at (x, y).
void DrawDisc(QPainter& p, double x, double y, double r, QColor colour)
{
    p.setPen(QPen(colour.darker(190), 0.6));
    QRadialGradient g(x - r * 0.35, y - r * 0.4, r * 1.5);
    g.setColorAt(0, colour.lighter(160));
    g.setColorAt(0.45, colour);
    g.setColorAt(1, colour.darker(150));
    p.setBrush(g);
    p.drawEllipse(QPointF(x, y), r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(QPointF(x - r * 0.35, y - r * 0.4), r * 0.32, r * 0.22);
}

} // namespace

PixelImage PaintPackPicture()
{
    return Draw(44, 34, [](QPainter& p) {
        const QPen edge(QColor(0x5A, 0x3A, 0x1C), 0.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        // Shadow on the floor.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 60));
        p.drawEllipse(QRectF(7, 28.5, 35, 5));
        // The back flap, standing up behind the opening.
        p.setPen(edge);
        p.setBrush(Vertical(3, 12, QColor(0xD9, 0xA8, 0x6A), QColor(0xB7, 0x83, 0x48)));
        p.drawPolygon(QPolygonF({ { 17, 12 }, { 39, 12 }, { 41, 4.5 }, { 19, 4.5 } }));
        // Inside of the box.
        p.setBrush(QColor(0x4E, 0x30, 0x16));
        p.drawPolygon(QPolygonF({ { 7, 17 }, { 29, 17 }, { 39, 12 }, { 17, 12 } }));
        // A yellow and a green disc coming out.
        DrawDisc(p, 19.5, 12.5, 4.6, QColor(0xF4, 0xC0, 0x10));
        DrawDisc(p, 27.5, 10.5, 4.6, QColor(0x1E, 0xA0, 0x50));
        // Front and side of the carton.
        p.setPen(edge);
        p.setBrush(Vertical(17, 31, QColor(0xE0, 0xAE, 0x6E), QColor(0xC2, 0x8A, 0x4C)));
        p.drawPolygon(QPolygonF({ { 7, 17 }, { 29, 17 }, { 29, 31 }, { 7, 31 } }));
        p.setBrush(Vertical(12, 31, QColor(0xB5, 0x7E, 0x44), QColor(0x92, 0x62, 0x30)));
        p.drawPolygon(QPolygonF({ { 29, 17 }, { 39, 12 }, { 39, 26 }, { 29, 31 } }));
        // The front flap folded down over the front, and the side flap folded out.
        p.setBrush(Vertical(17, 22, QColor(0xEC, 0xC0, 0x84), QColor(0xD2, 0x9C, 0x5C)));
        p.drawPolygon(QPolygonF({ { 7, 17 }, { 29, 17 }, { 27, 22 }, { 5, 22 } }));
        p.setBrush(Vertical(9, 17, QColor(0xCC, 0x96, 0x58), QColor(0xA8, 0x72, 0x3A)));
        p.drawPolygon(QPolygonF({ { 29, 17 }, { 39, 12 }, { 43, 15 }, { 33, 20.5 } }));
        // Packing tape and a "this way up" mark.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xF2, 0xDC, 0xA8, 220));
        p.drawRect(QRectF(16, 22, 4, 9));
        p.setPen(QPen(QColor(0x6A, 0x44, 0x20), 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(10, 29), QPointF(10, 24.5));
        p.drawLine(QPointF(8.6, 26), QPointF(10, 24.5));
        p.drawLine(QPointF(11.4, 26), QPointF(10, 24.5));
        p.drawLine(QPointF(12.5, 29), QPointF(12.5, 24.5));
        p.drawLine(QPointF(11.1, 26), QPointF(12.5, 24.5));
        p.drawLine(QPointF(13.9, 26), QPointF(12.5, 24.5));
    });
}

PixelImage PaintConnectPicture()
{
    return Draw(34, 34, [](QPainter& p) {
        // One computer: bezel, screen with a disc, stand.
        const auto computer = [&](double x, double y, QColor disc) {
            p.setPen(QPen(QColor(0x3A, 0x3E, 0x46), 0.7));
            p.setBrush(Vertical(y, y + 12, QColor(0xD8, 0xDC, 0xE2), QColor(0x9A, 0xA0, 0xAA)));
            p.drawRoundedRect(QRectF(x, y, 16, 12), 1.5, 1.5);
            p.setBrush(
                Vertical(y + 1.5, y + 10.5, QColor(0x2A, 0x5C, 0x9A), QColor(0x0E, 0x26, 0x4A)));
            p.drawRect(QRectF(x + 1.6, y + 1.6, 12.8, 8.6));
            DrawDisc(p, x + 8, y + 5.9, 3.0, disc);
            p.setBrush(QColor(0x8A, 0x90, 0x9A));
            p.drawRect(QRectF(x + 6.5, y + 12, 3, 2.2));
            p.setBrush(
                Vertical(y + 14, y + 16, QColor(0xC8, 0xCC, 0xD2), QColor(0x86, 0x8C, 0x96)));
            p.drawRoundedRect(QRectF(x + 3.5, y + 14.2, 9, 1.8), 0.8, 0.8);
        };
        // The link between them: a cable with a bright pulse.
        QPainterPath cable;
        cable.moveTo(9, 18);
        cable.cubicTo(9, 27, 15, 20, 18.5, 21);
        cable.cubicTo(22, 22, 25, 18, 25, 14);
        p.setPen(QPen(QColor(0x2E, 0x32, 0x3A), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(cable);
        p.setPen(QPen(QColor(0xF0, 0xA8, 0x20), 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(cable);
        QRadialGradient spark(13, 22, 3.5);
        spark.setColorAt(0, QColor(255, 255, 230, 255));
        spark.setColorAt(0.4, QColor(255, 220, 90, 230));
        spark.setColorAt(1, QColor(255, 160, 0, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(spark);
        p.drawEllipse(QPointF(13, 22), 3.5, 3.5);
        computer(1, 1, QColor(0xF4, 0xC0, 0x10));
        computer(17, 15, QColor(0x1E, 0xA0, 0x50));
    });
}

std::vector<bool> PaintWord(const char* word, int width, int height)
{
    // Hinted, unsmoothed glyphs: crisp one-bit letters at this small size.
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QFont font = DejaVuFont(DejaVuFace::SansBold, 13);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoFontMerging));
    font.setHintingPreference(QFont::PreferFullHinting);
    {
        QPainter p(&image);
        p.setFont(font);
        p.setPen(Qt::black);
        const QFontMetrics metrics(font);
        const int w = metrics.horizontalAdvance(QString::fromLatin1(word));
        const int capHeight = metrics.capHeight();
        p.drawText((width - w) / 2, (height + capHeight) / 2, QString::fromLatin1(word));
    }
    std::vector<bool> ink(std::size_t(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ink[std::size_t(y) * width + x] = qGray(image.pixel(x, y)) < 128;
    return ink;
}

std::vector<GeneratedResource> GenerateSmallPictures(const GeneratorContext& context)
{
    const PixelImage pack = PaintPackPicture(), connect = PaintConnectPicture();
    const std::vector<bool> loading = PaintWord("Loading...", 88, 20);
    const std::vector<bool> connecting = PaintWord("Connecting...", 117, 20);
    std::vector<GeneratedResource> out {
        { "PACK_BMP", EncodeBitmap8(pack, TransparentKey) },
        { "PACK_TXT", EncodeBitmap1(88, 20, loading) },
        { "CONNECT_BMP", EncodeBitmap8(connect, TransparentKey) },
        { "CONNECT_TXT", EncodeBitmap1(117, 20, connecting) },
    };
    if (!context.PreviewDir.empty()) {
        // The panels as the game draws them: button face, bevel, picture, word.
        for (const bool connectPanel : { false, true }) {
            PixelImage panel(200, 60, 0xE4E4E4);
            for (int i = 0; i < 200; ++i)
                panel.At(i, 0) = panel.At(i, 59) = 0xA0A0A0;
            for (int j = 0; j < 60; ++j)
                panel.At(0, j) = panel.At(199, j) = 0xA0A0A0;
            const auto blit = [&](const std::vector<std::uint8_t>& file, int x, int y) {
                const Result<DecodedBitmap> decoded = DecodeBitmap(file);
                if (!decoded)
                    throw TGeneratorError("a panel's bitmap: " + decoded.Failure().Message);
                const DecodedBitmap& b = decoded.Value();
                const std::uint32_t key = b.Picture.At(0, b.Height - 1);
                for (int j = 0; j < b.Height; ++j)
                    for (int i = 0; i < b.Width; ++i)
                        if (b.Picture.At(i, j) != key)
                            panel.At(x + i, y + j) = b.Picture.At(i, j);
            };
            blit(out[connectPanel ? 2 : 0].Bytes, 12, 12);
            blit(out[connectPanel ? 3 : 1].Bytes, connectPanel ? 62 : 65, 20);
            WritePreview(
                context, connectPanel ? "panel_connect.png" : "panel_loading.png", panel, 3);
        }
    }
    return out;
}
