// The thread-paced timer: ticks only while enabled, on the main thread, never overlapping, the
// first one a full interval after enabling, none after destruction. Nothing here measures how
// fast the machine is: "time has passed" means a reference timer of the same kind has ticked.
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>

#include "AsyncTimer.h"
#include "LetTimersRun.h"

class AsyncTimerTest : public QObject {
    Q_OBJECT

private slots:
    void NeverTicksUntilEnabled()
    {
        TAsyncTimer timer;
        int ticks = 0;
        timer.OnTimer = [&](TAsyncTimer*) { ++ticks; };
        timer.SetInterval(10);
        LetTimersRun(10);
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
        QTRY_VERIFY_WITH_TIMEOUT(ticks >= 3, 10000);
        QVERIFY(mainThread);
        QCOMPARE(sender, &timer);
        // A tick already requested may still arrive after disabling, and must do nothing.
        timer.SetEnabled(false);
        const int after = ticks;
        LetTimersRun();
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
        LetTimersRun(5); // some of the interval passes (or all of it, on a busy machine)
        // Re-enabling restarts the interval; a tick of the first one is not run after it.
        timer.SetEnabled(false);
        first = -1;
        const qint64 reEnabled = clock.elapsed();
        timer.SetEnabled(true);
        QTRY_VERIFY_WITH_TIMEOUT(first >= 0, 20000);
        // Only a lower bound: a busy machine makes ticks late, never early.
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
            LetTimersRun(4);
            inside = false;
        };
        QElapsedTimer clock;
        clock.start();
        timer.SetInterval(5);
        timer.SetEnabled(true);
        QTRY_VERIFY_WITH_TIMEOUT(ticks >= 4, 20000);
        timer.SetEnabled(false);
        const qint64 elapsed = clock.elapsed();
        QVERIFY(!overlapped);
        // Each tick took at least its handler's 40 ms and the 5 ms interval: had ticks queued up
        // behind the slow handler, there would be more of them than that allows.
        QVERIFY2(ticks <= elapsed / 45 + 1,
            qPrintable(QString("%1 ticks in %2 ms").arg(ticks).arg(elapsed)));
    }

    void IntervalZeroNeverTicks()
    {
        TAsyncTimer timer;
        int ticks = 0;
        timer.OnTimer = [&](TAsyncTimer*) { ++ticks; };
        timer.SetInterval(0);
        timer.SetEnabled(true);
        QVERIFY(timer.Enabled());
        LetTimersRun(10);
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
            QTRY_VERIFY_WITH_TIMEOUT(ticks >= 1, 10000);
        }
        const int after = ticks;
        LetTimersRun(); // a tick posted just before destruction is dropped with the timer
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
        QTRY_VERIFY_WITH_TIMEOUT(owner.isNull(), 10000);
        LetTimersRun();
        QCOMPARE(selfTicks, 1);
    }
};

QTEST_MAIN(AsyncTimerTest)
#include "AsyncTimerTest.moc"
