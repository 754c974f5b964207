// Row conversion from the bottom-up buffers to a Qt image, one pushed rectangle at a time.
#include "DrawDib.h"

#include <QImage>
#include <cmath>

void DrawDibDraw(
    QPainter& painter, QPoint dest, const DibPicture& picture, QRect src, qreal devicePixelRatio)
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
    if (devicePixelRatio == 1) {
        painter.drawImage(dest, image);
        return;
    }
    // An image of the screen's ratio drawn at the matching point lands pixel for device pixel.
    image.setDevicePixelRatio(devicePixelRatio);
    painter.drawImage(QPointF(dest) / devicePixelRatio, image);
}

qreal TDibSurface::Ratio() const
{
    return Units == DibUnits::DevicePixels ? Widget->devicePixelRatioF() : 1.0;
}

QRect TDibSurface::WidgetRect(const QRect& devicePixels) const
{
    const qreal d = Ratio();
    if (d == 1)
        return devicePixels;
    const int left = int(std::floor(devicePixels.left() / d)) - 1;
    const int top = int(std::floor(devicePixels.top() / d)) - 1;
    const int right = int(std::ceil((devicePixels.right() + 1) / d)) + 1;
    const int bottom = int(std::ceil((devicePixels.bottom() + 1) / d)) + 1;
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QRect TDibSurface::DeviceRect(const QRect& widgetPixels) const
{
    const qreal d = Ratio();
    if (d == 1)
        return widgetPixels;
    const int left = int(std::floor(widgetPixels.left() * d));
    const int top = int(std::floor(widgetPixels.top() * d));
    const int right = int(std::ceil((widgetPixels.right() + 1) * d));
    const int bottom = int(std::ceil((widgetPixels.bottom() + 1) * d));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void TDibSurface::Push(QRect src)
{
    const QRect onWidget
        = src.intersected(QRect(0, 0, Picture.Width, Picture.Height)).translated(Origin);
    if (onWidget.isEmpty())
        return;
    if (Units == DibUnits::Pixels && Widget->devicePixelRatioF() != 1) {
        // A smoothly scaled picture is drawn whole, so its pieces meet without seams.
        Widget->repaint(QRect(Origin, QSize(Picture.Width, Picture.Height)));
        return;
    }
    Widget->repaint(WidgetRect(onWidget));
}

void TDibSurface::Paint(QPainter& painter, const QRect& exposed) const
{
    const QRect whole(0, 0, Picture.Width, Picture.Height);
    if (Units == DibUnits::Pixels && Widget->devicePixelRatioF() != 1) {
        if (!exposed.intersects(whole.translated(Origin)))
            return;
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        DrawDibDraw(painter, Origin, Picture, whole);
        painter.restore();
        return;
    }
    const QRect src = DeviceRect(exposed).translated(-Origin).intersected(whole);
    if (!src.isEmpty())
        DrawDibDraw(painter, src.topLeft() + Origin, Picture, src, Ratio());
}
