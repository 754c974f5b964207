// Puts an unscaled rectangle of a 32-bit bottom-up pixel buffer (bytes blue, green, red, 0) onto
// a widget. Used by the board (back buffer) and the About window (intro frame).
//
// Qt widgets paint only in their paint events, so a surface remembers which buffer it shows and
// where; a push repaints the pushed rectangle at once, and the paint event converts just the
// exposed rows. The buffer may be changed again as soon as a push returns.
//
// On a screen of more than one device pixel to a pixel, a surface either shows its buffer's
// pixels as device pixels (the board, which is drawn at the screen's resolution) or scales a
// buffer of ordinary pixels up smoothly (the intro, which is drawn at its one size).
#pragma once

#include <QPainter>
#include <QRect>
#include <QWidget>
#include <cstdint>

// A bottom-up picture: memory row 0 is the bottom row on the screen.
struct DibPicture {
    const std::uint32_t* Pixels = nullptr;
    int Width = 0;
    int Height = 0;
};

// Draws src (picture coordinates, y from the top) of picture at dest, pixel for pixel. Parts of
// src outside the picture are skipped. With a devicePixelRatio other than 1, dest is in device
// pixels of the painter's widget and each picture pixel lands on one device pixel.
void DrawDibDraw(QPainter& painter, QPoint dest, const DibPicture& picture, QRect src,
    qreal devicePixelRatio = 1);

// How a surface's buffer meets the screen.
enum class DibUnits {
    Pixels, // a pixel of the buffer is a pixel of the widget, scaled up smoothly on dense screens
    DevicePixels, // a pixel of the buffer is a device pixel; origin and rectangles in device pixels
};

// A widget area that shows a picture at a fixed position of the widget.
class TDibSurface {
public:
    explicit TDibSurface(QWidget* widget, QPoint origin = {}, DibUnits units = DibUnits::Pixels)
        : Widget(widget)
        , Origin(origin)
        , Units(units)
    {
    }

    void SetPicture(const DibPicture& picture) { Picture = picture; }
    const DibPicture& CurrentPicture() const { return Picture; }
    void SetOrigin(QPoint origin) { Origin = origin; }
    QPoint PictureOrigin() const { return Origin; }

    // Shows src of the picture on the screen now (a synchronous repaint of that area).
    void Push(QRect src);
    // Paints the part of the picture that lies in the exposed area (from the paint event).
    void Paint(QPainter& painter, const QRect& exposed) const;

    // The smallest widget rectangle (in the widget's own pixels) that covers a rectangle of
    // device pixels, and the device pixels an exposed widget rectangle covers.
    QRect WidgetRect(const QRect& devicePixels) const;
    QRect DeviceRect(const QRect& widgetPixels) const;

private:
    qreal Ratio() const;

    QWidget* Widget;
    QPoint Origin;
    DibUnits Units;
    DibPicture Picture;
};
