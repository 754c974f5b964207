// Row conversion from the bottom-up buffers to a Qt image, one pushed rectangle at a time.
#include "DrawDib.h"

#include <QImage>

void DrawDibDraw(QPainter& painter, QPoint dest, const DibPicture& picture, QRect src)
{
    if (!picture.Pixels)
        return;
    const QRect whole(0, 0, picture.Width, picture.Height);
    const QRect clipped = src.intersected(whole);
    if (clipped.isEmpty())
        return;
    dest += clipped.topLeft() - src.topLeft();

    QImage image(clipped.width(), clipped.height(), QImage::Format_RGB32);
    for (int y = 0; y < clipped.height(); ++y) {
        const int memoryRow = picture.Height - 1 - (clipped.top() + y);
        const std::uint32_t* from
            = picture.Pixels + std::size_t(memoryRow) * picture.Width + clipped.left();
        auto* to = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
        for (int x = 0; x < clipped.width(); ++x)
            to[x] = from[x] | 0xFF000000u; // the buffers keep their fourth byte 0
    }
    painter.drawImage(dest, image);
}

void TDibSurface::Push(QRect src)
{
    const QRect onWidget
        = src.intersected(QRect(0, 0, Picture.Width, Picture.Height)).translated(Origin);
    if (!onWidget.isEmpty())
        Widget->repaint(onWidget);
}

void TDibSurface::Paint(QPainter& painter, const QRect& exposed) const
{
    const QRect src
        = exposed.translated(-Origin).intersected(QRect(0, 0, Picture.Width, Picture.Height));
    if (!src.isEmpty())
        DrawDibDraw(painter, src.topLeft() + Origin, Picture, src);
}
