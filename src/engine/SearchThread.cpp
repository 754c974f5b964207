// The search thread and its running flag.
#include "SearchThread.h"

#include "Search.h"

std::atomic<bool> SearchRunning { false };
std::unique_ptr<TMyThread> SearchThread;
EngineKind SearchEngine = EngineKind::Normal;
SearchRoutine MasterSearchRoutine = nullptr;
std::function<void(const std::atomic<bool>&)> SearchStartHook;

TMyThread::TMyThread(SearchFinishedCall finished)
    : Finished(std::move(finished))
{
    SearchRunning.store(true, std::memory_order_relaxed);
    Thread = std::thread([this, hook = SearchStartHook] {
        if (hook)
            hook(TerminateRequested);
        DoSearch();
        EndSearch();
    });
}

TMyThread::~TMyThread()
{
    Terminate();
    WaitFor();
}

void TMyThread::WaitFor()
{
    if (Thread.joinable())
        Thread.join();
}

void TMyThread::DoSearch()
{
    if (SearchEngine == EngineKind::Master && MasterSearchRoutine) {
        MasterSearchRoutine(TerminateRequested);
        return;
    }
    SearchCancelRequest = &TerminateRequested;
    SearchBestMove();
    SearchCancelRequest = nullptr;
}

void TMyThread::EndSearch()
{
    const int move = BestMoves[0];
    SearchRunning.store(false, std::memory_order_release);
    if (Finished)
        Finished(move, Terminated() && !Hurried());
}

void StartSearch(SearchFinishedCall finished)
{
    SearchThread.reset(); // joins the previous thread, which has already ended
    SearchThread = std::make_unique<TMyThread>(std::move(finished));
}

void CancelSearch()
{
    if (SearchThread) {
        SearchThread->Terminate();
        SearchThread->WaitFor();
    }
}

void RequestSearchStop()
{
    if (SearchThread && SearchRunning.load(std::memory_order_acquire))
        SearchThread->Terminate();
}

void HurrySearch()
{
    if (SearchThread && SearchRunning.load(std::memory_order_acquire))
        SearchThread->Hurry();
}
