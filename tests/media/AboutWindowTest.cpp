// The About window: caption, size and frame, the intro shown at (1, 1), the ways it closes, ticks
// that render only while it is visible, the scroll carried across showings, the version and the
// licence under the intro, and its place over the main window when the menu command opens it.
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "AboutWindow.h"
#include "LetTimersRun.h"
#include "RunWhen.h"

class AboutWindowTest : public QObject {
    Q_OBJECT

private slots:
    void HasItsCaptionSizeAndFrame();
    void ClosesOnAClickEscOrEnter();
    void RendersOnlyWhileVisible();
    void TheScrollGoesOnAcrossShowings();
    void ShowsTheVersionAndTheLicenceUnderTheIntro();
    void OpensModalAndCentredOverTheMainWindow();
    void TheMenuCommandShowsTheApplicationsVersion();
};

namespace {

// Pixels of the grabbed window inside the label's area that differ from the panel's colour: the
// text as drawn.
int InkIn(const QImage& shot, const QLabel* label, QRgb background)
{
    int ink = 0;
    const QRect area = label->geometry().translated(label->parentWidget()->pos());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ink += shot.pixel(x, y) != background;
    return ink;
}

} // namespace

void AboutWindowTest::HasItsCaptionSizeAndFrame()
{
    TAboutBox box(nullptr, 1);
    if (const Status& loaded = box.LoadResult(); !loaded)
        QFAIL(loaded.Failure().Message.c_str());
    QCOMPARE(box.windowTitle(), QString("About..."));
    QCOMPARE(box.size(), QSize(382, 262));
    QCOMPARE(box.minimumSize(), box.maximumSize());
    QCOMPARE(box.cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(box.Timer().Enabled());
    QCOMPARE(int(box.Timer().Interval()), 15);
    QCOMPARE(box.Timer().ThreadPriority(), QThread::HighestPriority);

    const QImage shot = box.grab().toImage();
    const QRgb shadow = box.palette().color(QPalette::Dark).rgb();
    const QRgb light = box.palette().color(QPalette::Light).rgb();
    QVERIFY(shadow != light);
    // Left and top edges in the shadow colour, bottom and right edges highlighted.
    for (const QPoint p : { QPoint(0, 0), QPoint(0, 130), QPoint(200, 0), QPoint(381, 0) })
        QCOMPARE(shot.pixel(p), shadow);
    for (const QPoint p : { QPoint(0, 261), QPoint(200, 261), QPoint(381, 130), QPoint(381, 261) })
        QCOMPARE(shot.pixel(p), light);
    // Inside, the intro's frame as composed: its bottom memory row is the window's row 260.
    const std::vector<std::uint32_t>& frame = box.IntroState().FrameBuffer;
    for (const QPoint p : { QPoint(0, 0), QPoint(379, 0), QPoint(0, 259), QPoint(190, 130) }) {
        const std::uint32_t pixel = frame[std::size_t(259 - p.y()) * 380 + std::size_t(p.x())];
        QCOMPARE(shot.pixel(p + QPoint(1, 1)), QRgb(pixel | 0xFF000000u));
    }
}

void AboutWindowTest::ClosesOnAClickEscOrEnter()
{
    const auto closes = [](auto&& act) {
        TAboutBox box(nullptr, 1);
        box.show();
        act(box);
        return !box.isVisible();
    };
    QVERIFY(
        closes([](TAboutBox& b) { QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(150, 90)); }));
    QVERIFY(closes([](TAboutBox& b) { QTest::keyClick(&b, Qt::Key_Escape); }));
    QVERIFY(closes([](TAboutBox& b) { QTest::keyClick(&b, Qt::Key_Return); }));
    QVERIFY(closes([](TAboutBox& b) { QTest::keyClick(&b, Qt::Key_Enter, Qt::KeypadModifier); }));
    QVERIFY(!closes([](TAboutBox& b) { QTest::keyClick(&b, Qt::Key_Space); }));
    QVERIFY(
        !closes([](TAboutBox& b) { QTest::mouseClick(&b, Qt::RightButton, {}, QPoint(5, 5)); }));
}

void AboutWindowTest::RendersOnlyWhileVisible()
{
    TAboutBox box(nullptr, 2);
    const int opened = box.IntroState().S;
    LetTimersRun(10, 15); // ten ticks' worth while hidden
    QCOMPARE(box.IntroState().S, opened);
    box.show();
    QTRY_VERIFY_WITH_TIMEOUT(box.IntroState().S >= opened + 10, 20000);
    box.hide();
    const int hidden = box.IntroState().S;
    LetTimersRun(10, 15);
    QCOMPARE(box.IntroState().S, hidden);
}

void AboutWindowTest::TheScrollGoesOnAcrossShowings()
{
    int last = 0;
    {
        TAboutBox first(nullptr, 3);
        first.show();
        QTRY_VERIFY_WITH_TIMEOUT(first.IntroState().S >= 40, 20000);
        first.hide();
        last = first.IntroState().S;
    }
    // A new window starts its animation afresh, but the text goes on: one frame on from the last.
    TAboutBox second(nullptr, 3);
    QCOMPARE(second.IntroState().S, last + 2);
    QCOMPARE(second.IntroState().RZ, 3);
    QCOMPARE(second.IntroState().A, 1);
}

void AboutWindowTest::ShowsTheVersionAndTheLicenceUnderTheIntro()
{
    TAboutBox box(nullptr, 1);
    QCOMPARE(box.VersionLine(), nullptr); // the intro alone until told the version
    box.ShowProgramInfo(QStringLiteral("1.2.3"));
    QVERIFY(box.VersionLine() && box.DescriptionLine() && box.CopyrightLine() && box.LicenceLine());
    QCOMPARE(box.VersionLine()->text(), QStringLiteral("Corvana 1.2.3"));
    QVERIFY(box.DescriptionLine()->text().contains(QStringLiteral("Reversi")));
    QVERIFY(box.CopyrightLine()->text().contains(QStringLiteral("The Corvana developers")));
    QVERIFY(box.LicenceLine()->text().contains(
        QStringLiteral("GNU General Public License, version 3 or later")));
    QCOMPARE(box.LicenceLine()->text(), AboutLicence());
    // Told again, the same panel says the new version.
    box.ShowProgramInfo(QStringLiteral("1.2.4"));
    QCOMPARE(box.VersionLine()->text(), QStringLiteral("Corvana 1.2.4"));
    QCOMPARE(box.findChildren<QLabel*>().size(), 4);

    // The window grows downwards only, and stays fixed in size.
    QCOMPARE(box.width(), 382);
    QVERIFY(box.height() > 262 + 40);
    QCOMPARE(box.minimumSize(), box.maximumSize());
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));

    const QImage shot = box.grab().toImage();
    const QRgb panel = box.palette().color(QPalette::Window).rgb();
    for (const QLabel* line :
        { box.VersionLine(), box.DescriptionLine(), box.CopyrightLine(), box.LicenceLine() }) {
        QVERIFY(line->isVisible());
        const QRect area = line->geometry().translated(line->parentWidget()->pos());
        // Under the intro and its frame, inside the window, tall enough for its wrapped text.
        QVERIFY2(area.top() >= 262 && box.rect().contains(area),
            qPrintable(QStringLiteral("%1 at %2, %3 %4 × %5")
                           .arg(line->text())
                           .arg(area.x())
                           .arg(area.y())
                           .arg(area.width())
                           .arg(area.height())));
        QVERIFY(area.height() >= line->heightForWidth(area.width()));
        QVERIFY2(InkIn(shot, line, panel) > 20, qPrintable(line->text()));
    }
    // The intro keeps its place and its frame above the panel.
    const QRgb shadow = box.palette().color(QPalette::Dark).rgb();
    const QRgb light = box.palette().color(QPalette::Light).rgb();
    QCOMPARE(shot.pixel(0, 0), shadow);
    QCOMPARE(shot.pixel(381, 0), shadow);
    QCOMPARE(shot.pixel(0, 261), light);
    QCOMPARE(shot.pixel(381, 261), light);
    QCOMPARE(shot.pixel(200, 262), panel);
    const std::vector<std::uint32_t>& frame = box.IntroState().FrameBuffer;
    QCOMPARE(shot.pixel(191, 131), QRgb(frame[std::size_t(259 - 130) * 380 + 190] | 0xFF000000u));

    // A click on the panel's text closes the window like a click on the intro.
    QTest::mouseClick(const_cast<QLabel*>(box.LicenceLine()), Qt::LeftButton);
    QVERIFY(!box.isVisible());
}

void AboutWindowTest::OpensModalAndCentredOverTheMainWindow()
{
    QWidget main;
    main.setGeometry(150, 120, 700, 520);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QString title;
    QPoint centre;
    bool modal = false;
    RunWhen([] { return QApplication::activeModalWidget() != nullptr; }, [&] {
        QWidget* box = QApplication::activeModalWidget();
        title = box->windowTitle();
        centre = box->frameGeometry().center();
        modal = box->isModal();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    ShowAboutBox(&main);
    QCOMPARE(title, QString("About..."));
    QVERIFY(modal);
    QVERIFY2((centre - main.frameGeometry().center()).manhattanLength() <= 2,
        qPrintable(QString("centred at %1, %2").arg(centre.x()).arg(centre.y())));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void AboutWindowTest::TheMenuCommandShowsTheApplicationsVersion()
{
    QCoreApplication::setApplicationVersion(QStringLiteral("7.8.9"));
    QString version, licence;
    RunWhen([] { return QApplication::activeModalWidget() != nullptr; }, [&] {
        const auto* box = dynamic_cast<TAboutBox*>(QApplication::activeModalWidget());
        if (box && box->VersionLine() && box->LicenceLine()) {
            version = box->VersionLine()->text();
            licence = box->LicenceLine()->text();
        }
        QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
    });
    ShowAboutBox(nullptr);
    QCoreApplication::setApplicationVersion(QString());
    QCOMPARE(version, QStringLiteral("Corvana 7.8.9"));
    QCOMPARE(licence, AboutLicence());
}

QTEST_MAIN(AboutWindowTest)
#include "AboutWindowTest.moc"
