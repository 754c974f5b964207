// The panel's drawing and its wait loop.
#include "ProgressPanel.h"

#include <QCoreApplication>
#include <QPainter>
#include <atomic>
#include <chrono>
#include <thread>

#include "ResourceStore.h"

TProgressPanel::TProgressPanel(
    QWidget* canvas, const QImage& picture, QPoint picturePos, const QImage& word, QPoint wordPos)
    : QWidget(canvas)
    , Picture(picture)
    , Word(word)
    , PicturePos(picturePos)
    , WordPos(wordPos)
{
    setFixedSize(PanelWidth, PanelHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void TProgressPanel::Start(QPoint topLeft)
{
    TickCount = 0;
    move(topLeft);
    raise();
    show();
    repaint();
    if (!TimerId)
        TimerId = startTimer(50);
}

void TProgressPanel::Stop()
{
    if (TimerId)
        killTimer(TimerId);
    TimerId = 0;
    hide();
}

void TProgressPanel::timerEvent(QTimerEvent*)
{
    if (++TickCount > 240)
        TickCount = 0;
    repaint();
}

void TProgressPanel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPalette& pal = palette();
    p.fillRect(2, 2, 196, 56, pal.color(QPalette::Button));
    // A raised two-pixel frame: light outer top-left, dark bottom-right.
    p.setPen(pal.color(QPalette::Dark));
    p.drawLine(0, 0, 0, 59);
    p.setPen(pal.color(QPalette::Shadow));
    p.drawLine(0, 59, 199, 59);
    p.drawLine(199, 59, 199, 0);
    p.setPen(pal.color(QPalette::Dark));
    p.drawLine(199, 0, 0, 0);
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(1, 1, 1, 58);
    p.setPen(pal.color(QPalette::Dark));
    p.drawLine(1, 58, 198, 58);
    p.drawLine(198, 58, 198, 1);
    p.setPen(pal.color(QPalette::Light));
    p.drawLine(198, 1, 1, 1);
    // The panel's pictures are drawn at their one size: on a dense screen they are scaled up
    // smoothly rather than copied up pixel by pixel.
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!Picture.isNull())
        p.drawImage(PicturePos, Picture);
    if (!Word.isNull() && TickCount % 24 < 12)
        p.drawImage(WordPos, Word);
}

QImage LoadTransparentBitmap(const char* resourceName)
{
    const Result<ResourceEntry> found = FindResource(resourceName);
    if (!found)
        return {};
    QImage image;
    const auto bytes = found.Value().Bytes;
    if (!image.loadFromData(bytes.data(), int(bytes.size()), "BMP"))
        return {};
    image = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (line[x] == key)
                line[x] = 0;
    }
    return image;
}

void RunWithPanel(TProgressPanel& panel, QPoint topLeft, const std::function<void()>& work)
{
    panel.Start(topLeft);
    std::atomic<bool> busy { true };
    std::thread worker([&] {
        work();
        busy.store(false, std::memory_order_release);
    });
    while (busy.load(std::memory_order_acquire)) {
        QCoreApplication::processEvents(
            QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers, 20);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    worker.join();
    panel.Stop();
}
