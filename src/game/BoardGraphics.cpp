// Loading the board's pictures for a layout, and the worker that makes the frames in mid-move.
#include "BoardGraphics.h"

#include <QMetaObject>

#include "SpriteStore.h"

std::function<void()> BoardGraphics::WorkerHook;

BoardGraphics::BoardGraphics(PanelRunner runWithPanel)
    : RunWithPanel(std::move(runWithPanel))
{
}

BoardGraphics::~BoardGraphics() { StopWorker(); }

namespace {

// Sets a flag for as long as it lives.
struct Hold {
    explicit Hold(bool& flag)
        : Flag(flag)
    {
        Flag = true;
    }
    ~Hold() { Flag = false; }
    bool& Flag;
};

} // namespace

Status BoardGraphics::Load(const BoardLayout& layout, int figureSet, Wait wait)
{
    const Hold working(Working);
    bool panel = wait == Wait::Panel;
    const BoardArtKey key { layout.Size, layout.CellSize, layout.Margin, figureSet };
    const auto run = [&](const std::function<void()>& work) {
        if (panel && RunWithPanel)
            RunWithPanel(work);
        else
            work();
    };
    if (layout.IsDesign()) {
        // The compiled-in pictures, as the design loads them.
        if (Design && Installed == key && !panel)
            return {};
        StopWorker();
        Result<PixelBlock> prepared
            = Error { ErrorKind::NotFound, "the disc sheet was not prepared" };
        const bool large = layout.Size == 10;
        run([&prepared, figureSet, large] { prepared = PrepareDiscSheet(figureSet, large); });
        if (!prepared)
            return prepared.Failure();
        if (const Status borders = LoadBorders(); !borders)
            return borders;
        InstallDiscSheet(std::move(prepared).Value());
        Design = true;
        Installed = key;
        Complete = true;
        return {};
    }
    if (!Design && Installed == key)
        return {};
    // The worker may still paint for another figure set, whose masters the next call drops.
    StopWorker();
    Result<BoardArt> made = Error { ErrorKind::NotFound, "the board's pictures were not made" };
    panel = panel || (wait == Wait::PanelWhenSlow && !BoardArtIsQuick(key));
    run([&made, key] { made = MakeBoardArt(key, false); });
    if (!made)
        return made.Failure();
    InstallBoardArt(std::move(made).Value());
    Design = false;
    Installed = key;
    Complete = false;
    StartWorker(key);
    return {};
}

void BoardGraphics::StartWorker(const BoardArtKey& key)
{
    Cancel.store(false);
    Worker = std::thread([this, key] {
        if (WorkerHook)
            WorkerHook();
        Result<BoardArt> art = MakeBoardArt(key, true, &Cancel);
        {
            const std::lock_guard<std::mutex> hold(FinishedLock);
            Finished = std::move(art);
        }
        QMetaObject::invokeMethod(
            &Context, [this] { TakeFinished(); }, Qt::QueuedConnection);
    });
}

void BoardGraphics::StopWorker()
{
    if (!Worker.joinable())
        return;
    Cancel.store(true);
    Worker.join();
    const std::lock_guard<std::mutex> hold(FinishedLock);
    Finished.reset();
}

void BoardGraphics::TakeFinished()
{
    std::optional<Result<BoardArt>> done;
    {
        const std::lock_guard<std::mutex> hold(FinishedLock);
        done.swap(Finished);
    }
    if (!done || !*done || Design || !(done->Value().Key == Installed))
        return;
    // The still pictures are the same to the pixel: the board on screen needs no redrawing.
    InstallBoardArt(std::move(*done).Value());
    Complete.store(true);
}

void BoardGraphics::CompleteSheet()
{
    if (Complete.load() || Working)
        return;
    const Hold working(Working);
    const BoardArtKey key = Installed;
    // The worker's result is put in as soon as it is there, perhaps while the panel blinks.
    const auto wait = [this, key] {
        if (Worker.joinable())
            Worker.join();
        {
            const std::lock_guard<std::mutex> hold(FinishedLock);
            if (Complete.load() || (Finished && *Finished))
                return;
        }
        // The worker failed or was stopped: the frames are made here.
        Result<BoardArt> art = MakeBoardArt(key, true);
        const std::lock_guard<std::mutex> hold(FinishedLock);
        Finished = std::move(art);
    };
    if (RunWithPanel)
        RunWithPanel(wait);
    else
        wait();
    TakeFinished();
}
