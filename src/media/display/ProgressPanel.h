// A small 200 × 60 panel with a picture and a blinking word ("Loading...", "Connecting..."),
// drawn over a window while it waits for something. Used by the loading window of the board and
// by the connect panel of a network call.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

class TProgressPanel : public QWidget {
public:
    // picture and word are drawn at their positions inside the panel, with the colour of their
    // bottom-left pixel transparent.
    TProgressPanel(QWidget* canvas, const QImage& picture, QPoint picturePos, const QImage& word,
        QPoint wordPos);

    // Shows the panel with its top-left corner at topLeft of the canvas and starts the blinking.
    void Start(QPoint topLeft);
    void Stop();
    int Tick() const { return TickCount; }

    static constexpr int PanelWidth = 200;
    static constexpr int PanelHeight = 60;

protected:
    void paintEvent(QPaintEvent*) override;
    void timerEvent(QTimerEvent*) override;

private:
    QImage Picture, Word;
    QPoint PicturePos, WordPos;
    int TickCount = 0;
    int TimerId = 0;
};

// A picture from a Windows bitmap resource, the colour of its bottom-left pixel made transparent.
// A missing or unreadable resource gives a null image (the panel then shows nothing in its place).
QImage LoadTransparentBitmap(const char* resourceName);

// Runs work on a thread of its own while the main thread keeps the panel blinking (and repaints,
// but takes no user input and no network events), then hides the panel.
void RunWithPanel(TProgressPanel& panel, QPoint topLeft, const std::function<void()>& work);
