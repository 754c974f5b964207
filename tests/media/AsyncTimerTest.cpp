// The thread-paced timer: ticks only while enabled, on the main thread, never overlapping, the
// first one a full interval after enabling, none after destruction.
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>

#include "AsyncTimer.h"

class AsyncTimerTest : public QObject {
    Q_OBJECT

private slots:
    void NeverTicksUntilEnabled()
    {
        TAsyncTimer timer;
        int ticks = 0;
        timer.OnTimer = [&](TAsyncTimer*) { ++ticks; };
        timer.SetInterval(10);
        QTest::qWait(120);
        QCOMPARE(ticks, 0);
        QCOMPARE(timer.Interval(), 10);
    }

    void TicksOnTheMainThreadWithTheTimerAsSender()
    {
        TAsyncTimer timer;
        int ticks = 0;
        bool mainThread = true;
        TAsyncTimer* sender = nullptr;
        timer.OnTimer = [&](TAsyncTimer* t) {
            ++ticks;
            sender = t;
            mainThread = mainThread && QThread::currentThread() == qApp->thread();
        };
        timer.SetInterval(10);
        timer.SetEnabled(true);
        timer.SetEnabled(true); // a second enable changes nothing
        QTRY_VERIFY_WITH_TIMEOUT(ticks >= 3, 5000);
        QVERIFY(mainThread);
        QCOMPARE(sender, &timer);
        timer.SetEnabled(false);
        QTest::qWait(30); // a tick already requested may still arrive, and must do nothing
        const int after = ticks;
        QTest::qWait(100);
        QCOMPARE(ticks, after);
    }

    void FirstTickComesOneFullIntervalAfterEnabling()
    {
        TAsyncTimer timer;
        QElapsedTimer clock;
        qint64 first = -1;
        timer.OnTimer = [&](TAsyncTimer*) {
            if (first < 0)
                first = clock.elapsed();
        };
        timer.SetInterval(150);
        clock.start();
        timer.SetEnabled(true);
        // Re-enabling restarts the interval.
        QTest::qWait(100);
        timer.SetEnabled(false);
        timer.SetEnabled(true);
        const qint64 reEnabled = clock.elapsed();
        QTRY_VERIFY_WITH_TIMEOUT(first >= 0, 5000);
        QVERIFY2(first >= reEnabled + 140,
            qPrintable(
                QString("first tick at %1 ms, re-enabled at %2 ms").arg(first).arg(reEnabled)));
    }

    void TicksNeverOverlapOrQueueUp()
    {
        TAsyncTimer timer;
        int ticks = 0;
        bool inside = false, overlapped = false;
        timer.OnTimer = [&](TAsyncTimer*) {
            overlapped = overlapped || inside;
            inside = true;
            ++ticks;
            // A slow handler that lets other events through, as the window does while it waits.
            QTest::qWait(40);
            inside = false;
        };
        timer.SetInterval(5);
        timer.SetEnabled(true);
        QTest::qWait(300);
        timer.SetEnabled(false);
        QVERIFY(!overlapped);
        QVERIFY(ticks >= 1);
        QVERIFY2(ticks <= 300 / 45 + 1, qPrintable(QString::number(ticks)));
    }

    void IntervalZeroNeverTicks()
    {
        TAsyncTimer timer;
        int ticks = 0;
        timer.OnTimer = [&](TAsyncTimer*) { ++ticks; };
        timer.SetInterval(0);
        timer.SetEnabled(true);
        QVERIFY(timer.Enabled());
        QTest::qWait(100);
        QCOMPARE(ticks, 0);
    }

    void DestructionEndsTheThreadWithoutAnotherTick()
    {
        int ticks = 0;
        {
            TAsyncTimer timer;
            timer.OnTimer = [&](TAsyncTimer*) { ++ticks; };
            timer.SetInterval(1);
            timer.SetEnabled(true);
            QTRY_VERIFY_WITH_TIMEOUT(ticks >= 1, 5000);
        }
        const int after = ticks;
        QTest::qWait(50); // a tick posted just before destruction is dropped with the timer
        QCOMPARE(ticks, after);

        // A handler may destroy its own timer (a window closing itself from a tick).
        QPointer<QObject> owner = new QObject;
        auto* timer = new TAsyncTimer(owner);
        int selfTicks = 0;
        timer->OnTimer = [&](TAsyncTimer*) {
            ++selfTicks;
            delete owner.data();
        };
        timer->SetInterval(5);
        timer->SetEnabled(true);
        QTRY_VERIFY_WITH_TIMEOUT(owner.isNull(), 5000);
        QTest::qWait(30);
        QCOMPARE(selfTicks, 1);
    }
};

QTEST_MAIN(AsyncTimerTest)
#include "AsyncTimerTest.moc"
