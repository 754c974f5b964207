// Showing bottom-up pixel buffers on widgets: orientation, colours, the pushed rectangle and its
// position, and rectangles reaching outside the picture.
#include <QTest>
#include <QWidget>
#include <vector>

#include "DrawDib.h"

namespace {

// A 4 × 3 picture; the word of each pixel encodes its picture position (row from the top).
std::vector<std::uint32_t> TestPicture(int width, int height)
{
    std::vector<std::uint32_t> pixels(width * height);
    for (int memoryRow = 0; memoryRow < height; ++memoryRow)
        for (int x = 0; x < width; ++x) {
            const int pictureRow = height - 1 - memoryRow;
            pixels[memoryRow * width + x]
                = 0x00000000u | (x * 40) << 16 | (pictureRow * 60) << 8 | 0x33;
        }
    return pixels;
}

class SurfaceWidget : public QWidget {
public:
    SurfaceWidget()
        : Surface(this, QPoint(2, 1))
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        resize(20, 20);
    }
    TDibSurface Surface;
    std::vector<QRect> Painted;

protected:
    void paintEvent(QPaintEvent* e) override
    {
        Painted.push_back(e->rect());
        QPainter p(this);
        p.fillRect(e->rect(), Qt::black);
        Surface.Paint(p, e->rect());
    }
};

} // namespace

class DrawDibTest : public QObject {
    Q_OBJECT

private slots:
    void PicturesAppearUprightAtTheirOrigin()
    {
        std::vector<std::uint32_t> pixels = TestPicture(4, 3);
        SurfaceWidget w;
        w.Surface.SetPicture({ pixels.data(), 4, 3 });
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QImage shot = w.grab().toImage();
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                QCOMPARE(shot.pixel(2 + x, 1 + y), qRgb(x * 40, y * 60, 0x33));
        QCOMPARE(shot.pixel(0, 0), qRgb(0, 0, 0)); // outside the picture
        QCOMPARE(shot.pixel(6, 1), qRgb(0, 0, 0));
    }

    void PushRepaintsOnlyThatRectangleAtOnce()
    {
        std::vector<std::uint32_t> pixels = TestPicture(4, 3);
        SurfaceWidget w;
        w.Surface.SetPicture({ pixels.data(), 4, 3 });
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.Painted.clear();
        pixels[0] = 0x00FF0000; // bottom-left pixel
        w.Surface.Push(QRect(0, 2, 1, 1));
        QCOMPARE(w.Painted.size(), std::size_t(1));
        QCOMPARE(w.Painted[0], QRect(2, 3, 1, 1));

        // Pushing beyond the picture is cut to it; pushing wholly outside paints nothing.
        w.Painted.clear();
        w.Surface.Push(QRect(3, 2, 10, 10));
        QCOMPARE(w.Painted.size(), std::size_t(1));
        QCOMPARE(w.Painted[0], QRect(5, 3, 1, 1));
        w.Painted.clear();
        w.Surface.Push(QRect(-5, -5, 3, 3));
        QVERIFY(w.Painted.empty());
        QCOMPARE(w.grab().toImage().pixel(2, 3), qRgb(255, 0, 0));
    }

    void DrawingClipsToThePicture()
    {
        std::vector<std::uint32_t> pixels = TestPicture(4, 3);
        QImage target(10, 10, QImage::Format_RGB32);
        target.fill(Qt::black);
        {
            QPainter p(&target);
            DrawDibDraw(p, QPoint(0, 0), { pixels.data(), 4, 3 }, QRect(-1, 1, 3, 5));
            DrawDibDraw(
                p, QPoint(5, 5), { nullptr, 4, 3 }, QRect(0, 0, 4, 3)); // no picture: nothing
        }
        // Source (0, 1) lands one pixel right of the destination point.
        QCOMPARE(target.pixel(1, 0), qRgb(0, 60, 0x33));
        QCOMPARE(target.pixel(2, 1), qRgb(40, 120, 0x33));
        QCOMPARE(target.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(target.pixel(1, 2), qRgb(0, 0, 0));
        QCOMPARE(target.pixel(5, 5), qRgb(0, 0, 0));
    }
};

QTEST_MAIN(DrawDibTest)
#include "DrawDibTest.moc"
