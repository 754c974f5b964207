// The search thread: runs one root search for SideToMove on its own thread while the main thread
// keeps the window alive, and reports its end through SearchRunning and, to whoever started it,
// through a call made on the search thread as its last act.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "EngineKind.h"

// True from the creation of a search thread until its search has returned. Cleared with release
// ordering after the last write to BestMoves, so a reader that sees false (acquire) sees the
// result.
extern std::atomic<bool> SearchRunning;

// What the search thread hands over when its search has returned: the move (BestMoves[0]) and
// whether it was asked to stop (then the move is no answer).
using SearchFinishedCall = std::function<void(int move, bool cancelled)>;

class TMyThread {
public:
    // Sets SearchRunning and starts searching at once; finished, when given, is called on the
    // search thread after SearchRunning has been cleared.
    explicit TMyThread(SearchFinishedCall finished = {});
    // Asks a search still running to stop and waits for the thread to end.
    ~TMyThread();
    TMyThread(const TMyThread&) = delete;
    TMyThread& operator=(const TMyThread&) = delete;

    void Terminate() { TerminateRequested.store(true, std::memory_order_relaxed); }
    bool Terminated() const { return TerminateRequested.load(std::memory_order_relaxed); }
    // "Move now": the search stops as a cancelled one does, but what it has found so far is its
    // answer (the fixed-depth search's best root move so far, the master engine's best of its
    // deepest iteration), reported as not cancelled.
    void Hurry()
    {
        HurryRequested.store(true, std::memory_order_relaxed);
        Terminate();
    }
    bool Hurried() const { return HurryRequested.load(std::memory_order_relaxed); }
    void WaitFor(); // until the thread has ended

private:
    void DoSearch();
    void EndSearch();

    std::atomic<bool> TerminateRequested { false };
    std::atomic<bool> HurryRequested { false };
    SearchFinishedCall Finished;
    std::thread Thread;
};

// The engine the next search thread runs. Normal and Advanced both run the fixed-depth search, told
// apart by AdvancedEngine exactly as before; Master runs MasterSearchRoutine when one is installed
// (corvana_master installs it when that engine is selected) and the fixed-depth search otherwise.
extern EngineKind SearchEngine;

// An engine outside this library: searches SideToMove on board 0, polls cancel, leaves its choice
// in BestMoves[0] and returns it.
using SearchRoutine = int (*)(const std::atomic<bool>& cancel);
extern SearchRoutine MasterSearchRoutine;

// The current (or last) search thread. Owned here rather than freeing itself, so that a
// cancellation can never reach a thread object that has already gone.
extern std::unique_ptr<TMyThread> SearchThread;

// Tests only: runs on each new search thread before its search, given the thread's cancel flag,
// so that a test can hold a search "still running" for as long as it needs. Set it only while no
// search runs.
extern std::function<void(const std::atomic<bool>& cancelled)> SearchStartHook;

// Starts a search on a new thread (the previous one has ended: SearchRunning was false). finished
// is called on the search thread when the search has returned, so a waiter can be woken rather
// than poll; it must not block on the main thread.
void StartSearch(SearchFinishedCall finished = {});

// Asks a running search to stop and waits until it has; its result must be discarded.
void CancelSearch();

// Asks a running search to stop without waiting (program shutdown).
void RequestSearchStop();

// Asks a running search to answer at once with the best move it has found so far ("Move now");
// returns without waiting. Nothing when no search runs.
void HurrySearch();
