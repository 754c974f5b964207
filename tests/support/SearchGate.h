// Holds the computer's searches "still running" for as long as a test needs, instead of hoping
// that a search is slow enough: each new search thread waits at the gate until the test lets it
// through or the search is cancelled. Used by the window and network tests.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "SearchThread.h"

class SearchGate {
public:
    // Holds the next `holds` searches; later ones run freely.
    explicit SearchGate(int holds = 1)
        : Holds(holds)
    {
        SearchStartHook = [this](const std::atomic<bool>& cancelled) { Wait(cancelled); };
    }
    ~SearchGate()
    {
        Release();
        // A held search thread still reads this gate: let it leave before the gate goes.
        while (SearchRunning.load(std::memory_order_acquire) || Inside.load() > 0)
            std::this_thread::yield();
        SearchStartHook = nullptr;
    }
    SearchGate(const SearchGate&) = delete;
    SearchGate& operator=(const SearchGate&) = delete;

    // Lets every held search go on, and every later one pass.
    void Release()
    {
        std::lock_guard lock(Mutex);
        Released = true;
        Changed.notify_all();
    }
    // A search is waiting at the gate now.
    bool Holding() const { return Inside.load() > 0; }
    // How many searches have reached the gate.
    int Arrived() const { return ArrivedCount.load(); }

private:
    void Wait(const std::atomic<bool>& cancelled)
    {
        ArrivedCount.fetch_add(1);
        std::unique_lock lock(Mutex);
        if (Released || Holds == 0)
            return;
        --Holds;
        Inside.fetch_add(1);
        // A cancel request is a plain flag without a notification: look at it every few ms.
        while (!Released && !cancelled.load())
            Changed.wait_for(lock, std::chrono::milliseconds(5));
        Inside.fetch_sub(1);
    }

    std::mutex Mutex;
    std::condition_variable Changed;
    bool Released = false;
    int Holds;
    std::atomic<int> Inside { 0 };
    std::atomic<int> ArrivedCount { 0 };
};
