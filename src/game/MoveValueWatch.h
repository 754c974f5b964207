// "Show move values": while the player is to move, the master engine analyses the position on a
// thread of its own, deeper and deeper, and every finished round reaches the main thread (queued)
// as values for the legal squares. Stopping it is immediate for the caller: the thread sees its
// cancel flag within a thousand nodes or so and is joined before Stop returns, so a click never
// waits for it. It has an engine of its own, so the computer's search is never held up by it.
#pragma once

#include <QObject>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "Board.h"
#include "master/MoveAnalysis.h"

class MoveValueWatch : public QObject {
public:
    explicit MoveValueWatch(QObject* parent = nullptr);
    ~MoveValueWatch() override;

    // Analyses side to move on board; stops any analysis first. stamp names the position: only
    // values for the stamp started last are handed on.
    void Start(const Board& board, int size, int side, std::uint64_t stamp);
    // Ends the analysis (joined before it returns) and forgets its values.
    void Stop();
    bool Running() const { return Worker.joinable(); }

    // The last round's values for the position of stamp (empty when there are none yet).
    const master::MoveAnalysis& Latest() const { return Last; }
    std::uint64_t LatestStamp() const { return LastStamp; }
    // The stamp of the position being analysed (or analysed last, while Running).
    std::uint64_t StartedFor() const { return Started; }

    // A round finished for the position started last; on the main thread.
    std::function<void(const master::MoveAnalysis& analysis)> OnValues;

    // How long one position is analysed at most: enough for every value to settle, and then the
    // core is left alone.
    static constexpr double MaxSeconds = 30;

private:
    std::unique_ptr<master::Engine> Engine;
    std::thread Worker;
    std::atomic<bool> Cancel { false };
    std::uint64_t Started = 0;
    std::uint64_t Runs = 0; // which run a queued round belongs to
    master::MoveAnalysis Last;
    std::uint64_t LastStamp = 0;
};
