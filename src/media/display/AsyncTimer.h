// A timer whose ticks are paced by a thread of its own rather than by the window system's timer
// messages, so that short intervals (15 ms for the intro, 40 ms for the move marks) hold. Ticks
// run OnTimer on the main thread; the thread waits for each tick to finish, so ticks never overlap
// and never queue up.
#pragma once

#include <QObject>
#include <QThread>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

class TAsyncTimer;

// Waits an interval at a time and hands each completed wait to the main thread as a tick.
class TTimerThread : public QThread {
public:
    explicit TTimerThread(TAsyncTimer* owner);

    // Wakes a waiting thread without a tick: the next wait starts a full interval.
    void Wake();
    void SetRunning(bool running);
    void RequestStop();
    void TickDone();
    // After wait(): takes the lock the loop last held, so that what the thread did is seen to
    // come before whatever the owner does next (QThread::wait alone is invisible to a thread
    // checker, since Qt is not built with it).
    void Joined();

    std::atomic<std::uint16_t> Interval { 1000 };
    // Moves on with every enabling, on the main thread; a tick carries the value it was waited out
    // under, so one requested before the timer was disabled is not run after it is enabled again.
    std::uint64_t Generation = 0;

protected:
    void run() override;

private:
    TAsyncTimer* Owner;
    std::mutex Mutex;
    std::condition_variable Signal;
    bool WakeEvent = false; // auto-reset: consumed by the wait it ends
    bool Running = false; // false: the thread idles without waiting out intervals
    bool StopRequested = false;
    bool TickPending = false; // a tick is on its way to the main thread
};

class TAsyncTimer : public QObject {
public:
    explicit TAsyncTimer(QObject* owner = nullptr);
    ~TAsyncTimer() override;

    bool Enabled() const { return EnabledFlag; }
    void SetEnabled(bool enabled);
    std::uint16_t Interval() const { return Thread.Interval; }
    void SetInterval(std::uint16_t interval);
    QThread::Priority ThreadPriority() const { return Priority; }
    void SetThreadPriority(QThread::Priority priority);

    // Called on the main thread with this timer, while it is enabled.
    std::function<void(TAsyncTimer*)> OnTimer;

private:
    friend class TTimerThread;
    void Tick(std::uint64_t generation);

    bool EnabledFlag = false;
    QThread::Priority Priority = QThread::NormalPriority;
    TTimerThread Thread;
};
