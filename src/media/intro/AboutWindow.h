// The About window: the intro plays in its 382 × 262 client area, paced by a 15 ms thread timer,
// until a click, Esc or Enter closes it; under it, the program's version, purpose and licence.
// The main window's "&About" command calls ShowAboutBox.
#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>

#include "AsyncTimer.h"
#include "DrawDib.h"
#include "Intro.h"

class QLabel;

// What the program says about itself under the intro. corvana --version prints the licence line
// too, so that both say the same.
QString AboutDescription();
QString AboutCopyright();
QString AboutLicence();

class TAboutBox : public QDialog {
public:
    // seed: the intro's random source (a fresh one for every showing in the program).
    explicit TAboutBox(QWidget* parent = nullptr, std::uint32_t seed = 0);
    ~TAboutBox() override;

    // Adds the panel under the intro: "Corvana VERSION", the description, the copyright and the
    // licence. The window grows by the panel; the intro keeps its place and frame. The media
    // libraries do not know the version, so the caller passes it in.
    void ShowProgramInfo(const QString& version);
    // For tests: the panel's lines, or nullptr before ShowProgramInfo.
    const QLabel* VersionLine() const { return Version; }
    const QLabel* DescriptionLine() const { return Description; }
    const QLabel* CopyrightLine() const { return Copyright; }
    const QLabel* LicenceLine() const { return Licence; }

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
    QWidget* InfoPanel = nullptr;
    QLabel* Version = nullptr;
    QLabel* Description = nullptr;
    QLabel* Copyright = nullptr;
    QLabel* Licence = nullptr;
};

// Creates a new About window over mainWindow, with the application's version under the intro,
// centred on it, shows it modally and destroys it.
void ShowAboutBox(QWidget* mainWindow);

// Tests only: the next About window scrolls its text from the beginning, as in a new process.
void RewindAboutText();
