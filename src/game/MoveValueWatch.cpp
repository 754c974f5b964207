// The background analysis behind "Show move values".
#include "MoveValueWatch.h"

#include <QMetaObject>

MoveValueWatch::MoveValueWatch(QObject* parent)
    : QObject(parent)
    // One thread and a small table: the other core stays with the window and the player.
    , Engine(std::make_unique<master::Engine>(16, 1))
{
}

MoveValueWatch::~MoveValueWatch() { Stop(); }

void MoveValueWatch::Start(const Board& board, int size, int side, std::uint64_t stamp)
{
    Stop();
    const std::uint64_t run = ++Runs;
    Started = stamp;
    Cancel.store(false);
    Engine->NewGame();
    master::AnalysisLimits limits;
    limits.Seconds = MaxSeconds;
    limits.Threads = 1;
    // The watch outlives the thread (Stop joins it), and Qt drops what is queued for a watch
    // that is gone.
    Worker = std::thread([this, board, size, side, stamp, run, limits] {
        master::AnalyseMoves(*Engine, board, size, side, limits, &Cancel,
            [this, stamp, run](const master::MoveAnalysis& round) {
                // A round that arrives after Stop or for another position is dropped there.
                QMetaObject::invokeMethod(
                    this,
                    [this, stamp, run, round] {
                        if (!Running() || run != Runs)
                            return;
                        Last = round;
                        LastStamp = stamp;
                        if (OnValues)
                            OnValues(round);
                    },
                    Qt::QueuedConnection);
            });
    });
}

void MoveValueWatch::Stop()
{
    if (Worker.joinable()) {
        Cancel.store(true);
        Worker.join();
    }
    Last = {};
    LastStamp = 0;
}
