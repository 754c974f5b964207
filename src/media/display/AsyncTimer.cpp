// The timer thread's wait loop and the hand-over of ticks to the main thread.
#include "AsyncTimer.h"

#include <QPointer>
#include <chrono>

TTimerThread::TTimerThread(TAsyncTimer* owner)
    : Owner(owner)
{
}

void TTimerThread::Wake()
{
    {
        std::lock_guard lock(Mutex);
        WakeEvent = true;
    }
    Signal.notify_all();
}

void TTimerThread::SetRunning(bool running)
{
    {
        std::lock_guard lock(Mutex);
        Running = running;
        WakeEvent = true;
        if (running)
            ++Generation;
    }
    Signal.notify_all();
}

void TTimerThread::RequestStop()
{
    {
        std::lock_guard lock(Mutex);
        StopRequested = true;
        WakeEvent = true;
    }
    Signal.notify_all();
}

void TTimerThread::Joined() { std::lock_guard lock(Mutex); }

void TTimerThread::TickDone()
{
    {
        std::lock_guard lock(Mutex);
        TickPending = false;
    }
    Signal.notify_all();
}

void TTimerThread::run()
{
    std::unique_lock lock(Mutex);
    while (!StopRequested) {
        if (!Running) {
            // Disabled: nothing to wait out until the timer is enabled again or destroyed.
            Signal.wait(lock, [this] { return Running || StopRequested; });
            WakeEvent = false;
            continue;
        }
        const auto interval = std::chrono::milliseconds(Interval);
        const bool woken
            = Signal.wait_for(lock, interval, [this] { return WakeEvent || StopRequested; });
        if (woken) {
            WakeEvent = false; // a wake is never a tick
            continue;
        }
        // The wait ran out: one tick, run on the main thread; wait for it before the next interval.
        TickPending = true;
        QMetaObject::invokeMethod(
            Owner, [owner = Owner, generation = Generation] { owner->Tick(generation); },
            Qt::QueuedConnection);
        Signal.wait(lock, [this] { return !TickPending || StopRequested; });
    }
}

TAsyncTimer::TAsyncTimer(QObject* owner)
    : QObject(owner)
    , Thread(this)
{
    Thread.start();
    Thread.setPriority(Priority);
}

TAsyncTimer::~TAsyncTimer()
{
    SetEnabled(false);
    Thread.RequestStop();
    Thread.wait();
    Thread.Joined();
}

void TAsyncTimer::SetEnabled(bool enabled)
{
    if (enabled == EnabledFlag)
        return;
    EnabledFlag = enabled;
    // With an interval of 0 the timer counts as enabled but does not run.
    Thread.SetRunning(enabled && Thread.Interval != 0);
}

void TAsyncTimer::SetInterval(std::uint16_t interval) { Thread.Interval = interval; }

void TAsyncTimer::SetThreadPriority(QThread::Priority priority)
{
    Priority = priority;
    Thread.setPriority(priority);
}

void TAsyncTimer::Tick(std::uint64_t generation)
{
    // A tick requested before the timer was disabled still arrives; it then does nothing, also
    // when the timer has been enabled again meanwhile (its interval starts afresh).
    QPointer<TAsyncTimer> alive(this);
    // Only the main thread writes the generation, so it reads it here without the lock.
    if (EnabledFlag && generation == Thread.Generation && OnTimer) {
        const auto handler = OnTimer; // outlives the timer should the handler destroy it
        handler(this);
    }
    if (alive) // the handler may have closed the window that owns this timer
        Thread.TickDone();
}
