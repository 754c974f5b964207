// corvana-cli bench: searches a fixed set of positions on both sizes with both engines. The total
// node count is the search's signature: it changes exactly when the search tree changes. With
// --engine master: the master engine's speed and depth on the middle-game positions at levels
// 1, 5 and 9, or with --depth its own signature: every position at a fixed depth, one thread and
// no clock, solved exactly near the end. With --suite: a file of endgame problems solved exactly
// (SuiteBench.cpp).
#include <chrono>
#include <cstdio>
#include <sstream>

#include "Board.h"
#include "Commands.h"
#include "EngineChoice.h"
#include "Evaluation.h"
#include "GameFlow.h"
#include "RoutineTable.h"
#include "Search.h"
#include "master/MasterEngine.h"

namespace {

struct BenchPosition {
    int Size;
    int Level; // the default depth for this position
    const char* Moves; // squares played from the start position, passes implied
};

// Positions from the opening, the middle game and the end game of both sizes. The last two of each
// size come from self-play games where the advanced engine's mobility term changes the choice
// and the tree, so that the signature sees both engines' terms.
const BenchPosition BenchPositions[] = {
    { 8, 9, "" },
    { 8, 9, "53 65 36 33 34 52 63 74 66 67" },
    { 8, 9, "53 65 36 33 34 52 63 74 66 67 51 43 85 73 42 83 64 46 75 24 68 61" },
    { 8, 9,
        "53 65 36 33 34 52 63 74 66 67 51 43 85 73 42 83 64 46 75 24 68 61 15 86 87 26 71 57 35 23 "
        "13 32 25 47" },
    { 8, 9,
        "53 65 36 33 34 52 63 74 66 67 51 43 85 73 42 83 64 46 75 24 68 61 15 86 87 26 71 57 35 23 "
        "13 32 25 47 62 56 41 31 21 16 48 38 76 58" },
    { 8, 9,
        "53 65 36 33 34 52 63 74 66 67 51 43 85 73 42 83 64 46 75 24 68 61 15 86 87 26 71 57 35 23 "
        "13 32 25 47 62 56 41 31 21 16 48 38 76 58 28 37 27 77 17 14" },
    { 10, 9, "" },
    { 10, 7, "54 79 89 42 80 90 103 76 75 101 64 67 68 53 40 51" },
    { 10, 7,
        "54 79 89 42 80 90 103 76 75 101 64 67 68 53 40 51 62 63 113 61 50 88 99 39 37 81 82 69 70 "
        "102 91 87 38 52 86 98 30 125 97 104" },
    { 10, 8,
        "54 79 89 42 80 90 103 76 75 101 64 67 68 53 40 51 62 63 113 61 50 88 99 39 37 81 82 69 70 "
        "102 91 87 38 52 86 98 30 125 97 104 100 27 15 28 73 58 46 18 49 56 17 85 74 94 106 16 19 "
        "112 29 92 41 111 31 110" },
    { 10, 9,
        "54 79 89 42 80 90 103 76 75 101 64 67 68 53 40 51 62 63 113 61 50 88 99 39 37 81 82 69 70 "
        "102 91 87 38 52 86 98 30 125 97 104 100 27 15 28 73 58 46 18 49 56 17 85 74 94 106 16 19 "
        "112 29 92 41 111 31 110 55 44 105 116 43 114 128 32 20 45 57 93 127 115 121 109" },
    { 10, 9,
        "54 79 89 42 80 90 103 76 75 101 64 67 68 53 40 51 62 63 113 61 50 88 99 39 37 81 82 69 70 "
        "102 91 87 38 52 86 98 30 125 97 104 100 27 15 28 73 58 46 18 49 56 17 85 74 94 106 16 19 "
        "112 29 92 41 111 31 110 55 44 105 116 43 114 128 32 20 45 57 93 127 115 121 109 122 123 "
        "124 126 34 14 13 25" },
    { 8, 8,
        "64 63 46 36 62 65 66 76 75 56 57 85 53 47 35 42 67 37 74 77 68 58 88 73 84 43 38 82 48 78 "
        "52 83 86 27 81 87 25 61 72 71 17 18 16 24 34 15 41 26 14" },
    { 8, 8,
        "64 43 34 25 35 36 23 63 56 57 66 76 67 68 78 88 37 65 62 38 15 16 86 12 33 32 27 17 18 47 "
        "52 61 13 24 11 42 77 75 31 46 87 85 73 21 41 26 74 83 58 51 14 28 48 22" },
    { 10, 7,
        "89 64 53 42 54 55 40 88 79 80 67 101 92 41 68 91 43 105 118 31 63 39 103 115 90 93 27 76 "
        "99 57 116 14 102 113 100 50 114 128 20 19 18 75 46 56 81 104 127 98 97 126 29 112 123 70 "
        "82 58 124 106 38 130 32 94 61 129 16 125 117 122 44 30 62 21 22 34" },
    { 10, 7,
        "54 53 52 41 40 39 26 55 27 67 76 38 79 89 28 92 56 87 98 13 37 29 30 63 15 64 91 51 88 16 "
        "75 14 18 99 101 25 100 49 93 111 62 42 123 73 61 114 102 44 32 57 68 90 43 97 17 105 50 "
        "19 "
        "86 20 112 125 85 109 121 74 127 122 118 80 103 104 81 116 128 69 113 106 94 70 46 45 115 "
        "126 110 129 58 34" },
};

// Plays the squares of moves from the start position of size, passing the turn as the rules say.
void SetUpPosition(const BenchPosition& p)
{
    BoardSize = p.Size;
    NewGame();
    std::istringstream in(p.Moves);
    int square;
    while (in >> square) {
        if (!Routines.IsLegalMove(BoardStack[0], square, SideToMove, Opponent()))
            SideToMove = Opponent(); // the other side had to pass
        Routines.MakeMove(BoardStack[0], square, SideToMove, Opponent());
        SideToMove = Opponent();
    }
}

// The master engine on the middle-game positions (neither the opening nor the ones its solver
// takes on), each level and size with a fresh table: nodes per second and the depth it completes.
int BenchMaster(int onlyLevel, int threads, master::Evaluation eval)
{
    master::Engine engine(64, threads);
    std::printf("master engine, %s evaluation, %d thread%s\n", EvaluationName(eval), threads,
        threads == 1 ? "" : "s");
    for (const int size : { 8, 10 }) {
        for (const int level : { 1, 5, 9 }) {
            if (onlyLevel && level != onlyLevel)
                continue;
            std::uint64_t nodes = 0;
            double seconds = 0;
            int depths = 0, count = 0;
            int index = 0;
            for (const BenchPosition& p : BenchPositions) {
                ++index;
                SetUpPosition(p);
                const int empties = [&] {
                    int n = 0;
                    for (int col = 0; col < size; ++col)
                        for (int row = 0; row < size; ++row)
                            n += BoardStack[0][SquareIndex(size, col, row)] == CellEmpty;
                    return n;
                }();
                if (p.Size != size || empties == size * size - 4
                    || empties <= master::LevelLimits(MaxLevel, size).SolveEmpties)
                    continue;
                engine.NewGame();
                master::SearchLimits limits = master::LevelLimits(level, size);
                limits.Eval = eval;
                const master::SearchReport r
                    = engine.Search(BoardStack[0], size, SideToMove, limits);
                std::printf("position %2d size %2d level %d move %4d depth %2d nodes %9llu time "
                            "%.3f s nodes/second %.0f\n",
                    index, size, level, r.Move, r.Depth, static_cast<unsigned long long>(r.Nodes),
                    r.Seconds, r.Seconds > 0 ? double(r.Nodes) / r.Seconds : 0.0);
                nodes += r.Nodes;
                seconds += r.Seconds;
                depths += r.Depth;
                ++count;
            }
            std::printf("size %2d level %d (%.2f s a move): depth %.1f on average, %.0f "
                        "nodes/second\n\n",
                size, level, master::LevelSeconds(level), count ? double(depths) / count : 0.0,
                seconds > 0 ? double(nodes) / seconds : 0.0);
        }
    }
    std::fflush(stdout);
    return 0;
}

// Every position at a fixed depth without a clock, each with a fresh table, the last empties
// solved exactly (from as many as level 5 solves): with one thread the total node count changes
// exactly when the master engine's tree does, its evaluation and its solver included.
int BenchMasterSignature(int depth, int threads, master::Evaluation eval)
{
    master::Engine engine(64, threads);
    std::uint64_t total = 0;
    double seconds = 0;
    int index = 0;
    for (const BenchPosition& p : BenchPositions) {
        ++index;
        SetUpPosition(p);
        master::SearchLimits limits;
        limits.Depth = depth;
        limits.SolveEmpties = master::LevelLimits(5, p.Size).SolveEmpties;
        limits.Threads = threads;
        limits.Eval = eval;
        engine.NewGame();
        const master::SearchReport r = engine.Search(BoardStack[0], p.Size, SideToMove, limits);
        std::printf("position %2d size %2d move %4d score %+7.2f depth %2d%s nodes %llu\n", index,
            p.Size, r.Move, r.Score / 100.0, r.Depth,
            r.Solution == master::Solved::Exact ? " solved" : "",
            static_cast<unsigned long long>(r.Nodes));
        total += r.Nodes;
        seconds += r.Seconds;
    }
    std::printf("\nNodes searched: %llu\n", static_cast<unsigned long long>(total));
    std::printf(
        "Time: %.3f s\nNodes/second: %.0f\n", seconds, seconds > 0 ? double(total) / seconds : 0.0);
    return 0;
}

} // namespace

int RunBench(CliArgs& args)
{
    const int level = args.TakeInt("--level", 1, MaxLevel, 0);
    const int depth = args.TakeInt("--depth", 1, 60, 0);
    const std::optional<std::string> engine = args.Take("--engine");
    const int threads = args.TakeInt("--threads", 1, 64, master::Engine::DefaultThreads());
    const std::optional<std::string> suite = args.Take("--suite");
    const int maxSeconds = args.TakeInt("--max-seconds", 1, 1000000, 0);
    const std::optional<std::string> evalName = args.Take("--eval");
    args.ExpectEnd();
    const master::Evaluation eval = EvaluationFromName("--eval", evalName.value_or("patterns"));
    if (evalName && !engine)
        throw UsageError("--eval needs --engine master");
    if (suite) {
        if (engine || depth || level)
            throw UsageError("--suite goes with --threads and --max-seconds only");
        return RunSuiteBench(*suite, threads, maxSeconds);
    }
    if (maxSeconds)
        throw UsageError("--max-seconds needs --suite");
    if (engine && *engine != "master")
        throw UsageError("--engine must be master (the plain bench runs the other two)");
    if (depth && !engine)
        throw UsageError("--depth needs --engine master");
    if (depth && level)
        throw UsageError("--depth and --level exclude each other");
    if (engine)
        return depth ? BenchMasterSignature(depth, threads, eval)
                     : BenchMaster(level, threads, eval);

    using Clock = std::chrono::steady_clock;
    std::uint64_t total = 0;
    Clock::duration elapsed {};
    int index = 0;
    for (const BenchPosition& p : BenchPositions) {
        ++index;
        for (const bool advanced : { false, true }) {
            SetUpPosition(p);
            Level = level ? level : p.Level;
            AdvancedEngine = advanced;
            const std::uint64_t before = SearchNodes;
            const auto start = Clock::now();
            const int move = SearchBestMove();
            elapsed += Clock::now() - start;
            const std::uint64_t nodes = SearchNodes - before;
            total += nodes;
            std::printf("position %2d size %2d level %d %-8s move %4d nodes %llu\n", index, p.Size,
                Level, advanced ? "advanced" : "normal", move,
                static_cast<unsigned long long>(nodes));
        }
    }
    const double seconds = std::chrono::duration<double>(elapsed).count();
    std::printf("\nNodes searched: %llu\n", static_cast<unsigned long long>(total));
    std::printf(
        "Time: %.3f s\nNodes/second: %.0f\n", seconds, seconds > 0 ? double(total) / seconds : 0.0);
    return 0;
}
