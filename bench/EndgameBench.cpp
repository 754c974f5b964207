// corvana-bench-endgame: the master engine's exact solver on the 20-empty positions of the test
// set (tests/engine/master/EndgameSet.h), one benchmark per position, on one thread and on all
// of them. Each run starts from an empty table; a wrong score stops the benchmark with an error.
#include <benchmark/benchmark.h>

#include <thread>

#include "EndgameSet.h"
#include "RoutineTable.h"
#include "master/MasterEngine.h"

namespace {

Board Picture(const char* rows)
{
    Board b;
    b.fill(CellBorder);
    for (int row = 0; row < 8; ++row)
        for (int col = 0; col < 8; ++col) {
            const char c = rows[row * 8 + col];
            b[SquareIndex(8, col, row)] = c == 'Y' ? CellYellow : c == 'G' ? CellGreen : CellEmpty;
        }
    return b;
}

void SolveTwentyEmpties(benchmark::State& state)
{
    const EndgameCase& c = EndgameSet[state.range(0)];
    const int threads = int(state.range(1));
    const Board board = Picture(c.Board20);
    const int side = c.Side20 == 'Y' ? SideYellow : SideGreen;
    master::Engine engine(64, threads);
    master::SearchLimits limits;
    limits.Depth = 4;
    limits.SolveEmpties = 64;
    std::uint64_t nodes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        engine.NewGame();
        state.ResumeTiming();
        const master::SearchReport r = engine.Search(board, 8, side, limits);
        nodes += r.Nodes;
        if (r.Solution != master::Solved::Exact || r.Score != c.Score20 * 100) {
            state.SkipWithError("the solver's score differs from the stored one");
            break;
        }
    }
    state.counters["nodes"] = benchmark::Counter(double(nodes), benchmark::Counter::kAvgIterations);
    state.counters["nps"] = benchmark::Counter(double(nodes), benchmark::Counter::kIsRate);
}

void Cases(benchmark::internal::Benchmark* b)
{
    const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
    const int count = int(sizeof EndgameSet / sizeof EndgameSet[0]);
    for (const int threads : { 1, std::min(cores, 2) })
        for (int i = 0; i < count; ++i)
            b->Args({ i, threads });
}

BENCHMARK(SolveTwentyEmpties)
    ->Apply(Cases)
    ->ArgNames({ "case", "threads" })
    ->Iterations(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
