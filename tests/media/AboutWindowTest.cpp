// The About window: caption, size and frame, the intro shown at (1, 1), the ways it closes, ticks
// that render only while it is visible, the scroll carried across showings, and its place over
// the main window when the menu command opens it.
#include <QApplication>
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
    void OpensModalAndCentredOverTheMainWindow();
};

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

QTEST_MAIN(AboutWindowTest)
#include "AboutWindowTest.moc"
