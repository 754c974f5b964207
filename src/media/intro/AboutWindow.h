// The About window: the intro plays in its 382 × 262 client area, paced by a 15 ms thread timer,
// until a click, Esc or Enter closes it. The main window's "&About" command calls ShowAboutBox.
#pragma once

#include <QDialog>
#include <cstdint>

#include "AsyncTimer.h"
#include "DrawDib.h"
#include "Intro.h"

class TAboutBox : public QDialog {
public:
    // seed: the intro's random source (a fresh one for every showing in the program).
    explicit TAboutBox(QWidget* parent = nullptr, std::uint32_t seed = 0);
    ~TAboutBox() override;

    // For tests and tools: the intro as it stands, and whether its resources could be read.
    const TIntro& IntroState() const { return Intro; }
    const Status& LoadResult() const { return Loaded; }
    TAsyncTimer& Timer() { return AsyncTimer; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void FormDestroy();
    void FormPaint(QPainter& painter, const QRect& exposed);
    void AsyncTimerTimer();
    void IntrosImageClick();
    void FormKeyDown(QKeyEvent* event);
    void ShowIntroFrame();

    TIntro Intro;
    Status Loaded;
    TDibSurface Surface; // the frame at client (1, 1)
    TAsyncTimer AsyncTimer;
};

// Creates a new About window over mainWindow, centred on it, shows it modally and destroys it.
void ShowAboutBox(QWidget* mainWindow);
