// corvana-bench-board: the cost of the board's drawing: a full DrawBoard into the back buffer on
// both sizes, one square pushed to a widget (row conversion and painting), and loading the
// "Flame" sheet (decode, and the reduction for 10 × 10); then the board at other sizes: the
// sheet and borders for a new size once the masters exist, the masters themselves, and one
// frame of a move's animation drawn and pushed at the design's size and at a 2,000-pixel board.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "BoardArt.h"
#include "BoardPainter.h"
#include "DrawDib.h"
#include "GameFlow.h"
#include "RoutineTable.h"
#include "SpriteStore.h"

namespace {

void SetUpBoard(int size)
{
    BoardSize = size;
    NewGame();
    if (!LoadBorders() || !LoadDiscSheet(0, size == 10))
        throw std::runtime_error("the board's pictures are missing");
    const BoardLayout layout { size, CellSizeFor(size), RestFrameFor(0) };
    AllocBackBuffer(layout.BackSize(), layout.BackSize());
}

void DrawBoardBench(benchmark::State& state)
{
    const int size = int(state.range(0));
    SetUpBoard(size);
    const BoardLayout layout { size, CellSizeFor(size), RestFrameFor(0) };
    for (auto _ : state) {
        PaintBoard(layout, BoardStack[0]);
        benchmark::DoNotOptimize(BackBuffer.Pixels.data());
    }
}
BENCHMARK(DrawBoardBench)->Arg(8)->Arg(10)->Unit(benchmark::kMicrosecond);

// What a push costs on the window's side: converting one square's rows and painting them.
void PushSquareBench(benchmark::State& state)
{
    SetUpBoard(8);
    PaintBoard({ 8, 61, 19 }, BoardStack[0]);
    QImage target(532, 532, QImage::Format_RGB32);
    QPainter painter(&target);
    const DibPicture picture { BackBuffer.Pixels.data(), BackBuffer.Width, BackBuffer.Height };
    for (auto _ : state)
        DrawDibDraw(painter, QPoint(22 + 3 * 61, 22 + 4 * 61), picture,
            QRect(20 + 3 * 61, 20 + 4 * 61, 61, 61));
}
BENCHMARK(PushSquareBench)->Unit(benchmark::kMicrosecond);

void LoadDiscSheetBench(benchmark::State& state)
{
    const bool large = state.range(0) == 10;
    for (auto _ : state) {
        const Status s = LoadDiscSheet(0, large);
        if (!s)
            state.SkipWithError(s.Failure().Message.c_str());
    }
}
BENCHMARK(LoadDiscSheetBench)->Arg(8)->Arg(10)->Unit(benchmark::kMillisecond);

// The sheet (every frame) and the borders for a board of about `side` pixels, the masters made
// beforehand: what a new window size costs. Arg: side, figure set.
void NewSizeBench(benchmark::State& state)
{
    const BoardLayout layout = FitLayout(8, RestFrameFor(int(state.range(1))), int(state.range(0)));
    const BoardArtKey key { 8, layout.CellSize, layout.Margin, int(state.range(1)) };
    if (!MakeBoardArt(key, true))
        state.SkipWithError("no board art");
    for (auto _ : state) {
        Result<BoardArt> art = MakeBoardArt(key, true);
        benchmark::DoNotOptimize(art);
    }
    state.counters["cell"] = layout.CellSize;
}
BENCHMARK(NewSizeBench)
    ->Args({ 1000, 0 })
    ->Args({ 1000, 1 })
    ->Args({ 1000, 2 })
    ->Args({ 2000, 0 })
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The same with the still pictures only: what the window waits for before it draws a new size.
void NewSizeStillBench(benchmark::State& state)
{
    const BoardLayout layout = FitLayout(8, RestFrameFor(0), int(state.range(0)));
    const BoardArtKey key { 8, layout.CellSize, layout.Margin, 0 };
    if (!MakeBoardArt(key, false))
        state.SkipWithError("no board art");
    for (auto _ : state) {
        Result<BoardArt> art = MakeBoardArt(key, false);
        benchmark::DoNotOptimize(art);
    }
}
BENCHMARK(NewSizeStillBench)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The masters painted from nothing: the still pictures and the frame a first size needs (what
// the window waits for at start-up on a dense screen), and every moving frame (made by a
// worker after that). Arg: side, and 1 for the moving frames.
void MastersBench(benchmark::State& state)
{
    const BoardLayout layout = FitLayout(8, RestFrameFor(0), int(state.range(0)));
    const BoardArtKey key { 8, layout.CellSize, layout.Margin, 0 };
    for (auto _ : state) {
        ForgetBoardArtMasters();
        Result<BoardArt> art = MakeBoardArt(key, state.range(1) != 0);
        benchmark::DoNotOptimize(art);
    }
}
BENCHMARK(MastersBench)
    ->Args({ 1056, 0 })
    ->Args({ 2000, 0 })
    ->Args({ 1056, 1 })
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2);

// One frame of a move's animation: the animated squares copied from the sheet into the back
// buffer and their rectangle pushed (converted and painted onto a window-sized picture). The
// move places a disc at c4 and turns d4 and d5 (a bounding box of two squares by two); Arg 1
// turns the whole diagonal a8-h1 instead (the box spans the board). Args: side, whole board.
void AnimationFrameBench(benchmark::State& state)
{
    const int side = int(state.range(0));
    const BoardLayout layout = FitLayout(8, RestFrameFor(0), side);
    BoardSize = 8;
    NewGame();
    if (layout.IsDesign()) {
        if (!LoadBorders() || !LoadDiscSheet(0, false))
            state.SkipWithError("no pictures");
    } else if (Result<BoardArt> art
        = MakeBoardArt({ 8, layout.CellSize, layout.Margin, 0 }, true)) {
        InstallBoardArt(std::move(art).Value());
    } else {
        state.SkipWithError("no board art");
    }
    AllocBackBuffer(layout.BackSize(), layout.BackSize());
    PaintBoard(layout, BoardStack[0]);
    Board before = BoardStack[0], after = before;
    if (state.range(1)) {
        for (int i = 0; i < 8; ++i) {
            before[SquareIndex(8, i, i)] = CellGreen;
            after[SquareIndex(8, i, i)] = CellYellow;
        }
    } else {
        after[SquareIndex(8, 2, 4)] = CellYellow;
        after[SquareIndex(8, 3, 4)] = CellYellow;
        after[SquareIndex(8, 3, 3)] = CellYellow;
    }
    const TransitionTable codes = ComputeTransitionCodes(before, after);
    QImage target(layout.BackSize() + 4, layout.BackSize() + 4, QImage::Format_RGB32);
    QPainter painter(&target);
    const DibPicture picture { BackBuffer.Pixels.data(), BackBuffer.Width, BackBuffer.Height };
    int frame = 0;
    for (auto _ : state) {
        const PictureRect r = DrawAnimationFrame(layout, codes, frame);
        DrawDibDraw(painter, QPoint(2 + r.X, 2 + r.Y), picture, QRect(r.X, r.Y, r.Width, r.Height));
        frame = (frame + 1) % (layout.RestFrame + 1);
    }
    state.counters["cell"] = layout.CellSize;
}
BENCHMARK(AnimationFrameBench)
    ->Args({ 528, 0 })
    ->Args({ 528, 1 })
    ->Args({ 2000, 0 })
    ->Args({ 2000, 1 })
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
