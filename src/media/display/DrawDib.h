// Puts an unscaled rectangle of a 32-bit bottom-up pixel buffer (bytes blue, green, red, 0) onto
// a widget. Used by the board (back buffer) and the About window (intro frame).
//
// Qt widgets paint only in their paint events, so a surface remembers which buffer it shows and
// where; a push repaints the pushed rectangle at once, and the paint event converts just the
// exposed rows. The buffer may be changed again as soon as a push returns.
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
// src outside the picture are skipped.
void DrawDibDraw(QPainter& painter, QPoint dest, const DibPicture& picture, QRect src);

// A widget area that shows a picture at a fixed position of the widget.
class TDibSurface {
public:
    explicit TDibSurface(QWidget* widget, QPoint origin = {})
        : Widget(widget)
        , Origin(origin)
    {
    }

    void SetPicture(const DibPicture& picture) { Picture = picture; }
    const DibPicture& CurrentPicture() const { return Picture; }
    QPoint PictureOrigin() const { return Origin; }

    // Shows src of the picture on the screen now (a synchronous repaint of that area).
    void Push(QRect src);
    // Paints the part of the picture that lies in the exposed area (from the paint event).
    void Paint(QPainter& painter, const QRect& exposed) const;

private:
    QWidget* Widget;
    QPoint Origin;
    DibPicture Picture;
};
