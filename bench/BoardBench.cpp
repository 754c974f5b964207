// corvana-bench-board: the cost of the board's drawing: a full DrawBoard into the back buffer on
// both sizes, one square pushed to a widget (row conversion and painting), and loading the
// "Flame" sheet (decode, and the reduction for 10 × 10).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "GameFlow.h"
#include "BoardPainter.h"
#include "DrawDib.h"
#include "SpriteStore.h"
#include "RoutineTable.h"

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

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
