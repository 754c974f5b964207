// The intro's title picture: the name in large serif capitals, a spaced subtitle between two
// rules, and a fine frame with a disc in each corner around the area where the mesh turns.
#include "IntroTitle.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "DejaVuFonts.h"

namespace {

// Ink strengths: the renderer blends toward ivory by this much.
constexpr int Solid = 255;
constexpr int Fine = 150;

QColor Ink(int strength) { return QColor(255, 255, 255, strength); }

// A text path with extra space between the letters, centred on `centreX` with its baseline at
// `baseline`.
QPainterPath SpacedText(
    const QFont& font, const QString& text, qreal spacing, qreal centreX, qreal baseline)
{
    QPainterPath path;
    const QFontMetricsF metrics(font);
    qreal x = 0;
    for (int i = 0; i < text.size(); ++i) {
        path.addText(QPointF(x, 0), font, text.mid(i, 1));
        x += metrics.horizontalAdvance(text.at(i)) + spacing;
    }
    const QRectF box = path.boundingRect();
    path.translate(centreX - box.center().x(), baseline);
    return path;
}

void DrawCornerDisc(QPainter& p, QPointF centre, qreal radius, bool filled)
{
    if (filled) {
        p.setPen(Qt::NoPen);
        p.setBrush(Ink(Solid));
    } else {
        p.setPen(QPen(Ink(Solid), 1.6));
        p.setBrush(Qt::NoBrush);
    }
    p.drawEllipse(centre, radius, radius);
}

} // namespace

std::vector<std::uint8_t> MakeTitlePicture()
{
    QImage canvas(IntroWidth, IntroHeight, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);

    const qreal centreX = IntroWidth / 2.0;

    // Title.
    const QFont titleFont = HintedDejaVuFont(DejaVuFace::SerifBold, 50);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink(Solid));
    p.drawPath(SpacedText(titleFont, "CORVANA", 3, centreX, 58));

    // Subtitle between two rules, at the foot of the stage.
    const QFont subtitleFont = HintedDejaVuFont(DejaVuFace::SansBold, 11);
    const QPainterPath subtitle = SpacedText(subtitleFont, "REVERSI", 6, centreX, 209);
    p.drawPath(subtitle);
    const QRectF sub = subtitle.boundingRect();
    p.setPen(QPen(Ink(Fine), 1.2));
    p.drawLine(
        QPointF(centreX - 150, sub.center().y()), QPointF(sub.left() - 12, sub.center().y()));
    p.drawLine(
        QPointF(sub.right() + 12, sub.center().y()), QPointF(centreX + 150, sub.center().y()));

    // Frame around the mesh's stage, above the scroll band.
    const QRectF frame(6.5, 6.5, IntroWidth - 13, IntroHeight - IntroScrollRows - 13);
    p.setPen(QPen(Ink(Fine), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(frame, 9, 9);
    const QRectF inner = frame.adjusted(4, 4, -4, -4);
    p.setPen(QPen(Ink(Fine / 2), 1.0));
    p.drawRoundedRect(inner, 6, 6);
    DrawCornerDisc(p, frame.topLeft() + QPointF(14, 14), 4.5, true);
    DrawCornerDisc(p, frame.topRight() + QPointF(-14, 14), 4.5, false);
    DrawCornerDisc(p, frame.bottomLeft() + QPointF(14, -14), 4.5, false);
    DrawCornerDisc(p, frame.bottomRight() + QPointF(-14, -14), 4.5, true);
    p.end();

    std::vector<std::uint8_t> stored(std::size_t(IntroWidth) * IntroHeight, 255);
    for (int y = 0; y < IntroHeight - IntroScrollRows; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        std::uint8_t* out = &stored[std::size_t(IntroHeight - 1 - y) * IntroWidth];
        for (int x = 0; x < IntroWidth; ++x)
            out[x] = std::uint8_t(255 - qAlpha(row[x]));
    }
    return stored;
}

QImage InkImage(const std::vector<std::uint8_t>& stored, int width, int height)
{
    QImage image(width, height, QImage::Format_Grayscale8);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = &stored[std::size_t(height - 1 - y) * width];
        uchar* out = image.scanLine(y);
        for (int x = 0; x < width; ++x)
            out[x] = uchar(255 - row[x]);
    }
    return image;
}
