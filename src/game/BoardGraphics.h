// The pictures the board is drawn from, kept right for the board view's layout: the compiled-in
// borders and sheet at the design's layout, and otherwise the ones the art makes for the layout
// (BoardArt.h). A new size costs a resampling once the art's masters exist; the first time, and
// for a new figure set, the masters are painted first while the loading panel blinks. The
// frames in mid-move are made by a worker thread after the still pictures, and put into the
// store when they are done; a move's animation waits for them. Used by the main window.
#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "BoardArt.h"
#include "BoardPainter.h"
#include "Result.h"

class BoardGraphics {
public:
    // Runs work on a thread of its own while the loading panel blinks on the main thread.
    using PanelRunner = std::function<void(const std::function<void()>& work)>;
    explicit BoardGraphics(PanelRunner runWithPanel);
    ~BoardGraphics();
    BoardGraphics(const BoardGraphics&) = delete;
    BoardGraphics& operator=(const BoardGraphics&) = delete;

    // How the main thread waits for pictures: without a panel (the window is not shown yet),
    // under the loading panel (a new figure set or board size, as the design does), or under it
    // only when masters have to be painted first (a new size of the window).
    enum class Wait { Quietly, Panel, PanelWhenSlow };
    // Puts the pictures for layout and figure set into the sprite store. On failure the store
    // keeps what it had.
    Status Load(const BoardLayout& layout, int figureSet, Wait wait);
    // Every frame of the sheet is in the store: waits under the panel for the worker if not yet.
    void CompleteSheet();
    bool SheetComplete() const { return Complete.load(); }
    // A Load or CompleteSheet is under way (the loading panel lets events through meanwhile).
    bool Busy() const { return Working; }

    // Tests: the worker is held before it starts while this is set.
    static std::function<void()> WorkerHook;

private:
    void StartWorker(const BoardArtKey& key);
    void StopWorker();
    void TakeFinished();

    PanelRunner RunWithPanel;
    QObject Context; // the worker's news reaches the main thread through it
    bool Design = false;
    BoardArtKey Installed { 0, 0, 0, -1 };
    std::atomic<bool> Complete { false };
    bool Working = false;
    std::thread Worker;
    std::atomic<bool> Cancel { false };
    std::mutex FinishedLock;
    std::optional<Result<BoardArt>> Finished;
};
