// The master engine's driver: iterative deepening with aspiration windows at the root, the switch
// to the exact solver (win/loss/draw first, then the exact margin), the clock, the helper threads
// that share the table, and the search thread's entry for the window.
#include "master/MasterEngine.h"

#include <cmath>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "Evaluation.h"
#include "MasterSearch.h"
#include "Search.h"
#include "SearchThread.h"

namespace master {

std::function<void(int depth, const std::atomic<bool>* cancel)> IterationHook;

double LevelSeconds(int level)
{
    level = std::clamp(level, 1, MaxLevel);
    return 0.05 * std::pow(100.0, (level - 1) / 8.0);
}

SearchLimits LevelLimits(int level, int size)
{
    level = std::clamp(level, 1, MaxLevel);
    // The empties from which the exact solution of positions from self-play games took, on two
    // busy cores, half the level's budget or less on average (each empty more takes about twice
    // as long). Win/loss/draw comes first and takes a third of that; when the margin does not
    // come in time, the move that keeps the win (or the draw) is played.
    static constexpr int Solve8[MaxLevel] = { 14, 15, 16, 17, 18, 19, 20, 21, 22 };
    static constexpr int Solve10[MaxLevel] = { 13, 14, 15, 16, 17, 18, 19, 20, 21 };
    SearchLimits limits;
    limits.Seconds = LevelSeconds(level);
    limits.SolveEmpties = size == 8 ? Solve8[level - 1] : Solve10[level - 1];
    return limits;
}

namespace {

    // The share of the budget after which the search stops, whatever it is doing.
    constexpr double DeadlineShare = 0.93;

    // From these empties the exact solution is preceded by a bolder one, at these levels of the
    // solver's cut-offs (see SearchCore::SelectiveSigmas). Measured on the published problems of
    // 24 to 27 empties and on self-play positions of 20 to 24: one pass at the boldest level
    // saves a tenth to a fifth of the time, more passes cost more than they save, and below 20
    // empties the pass costs about what it saves. The 10 x 10 board has no fitted spread yet.
    constexpr int SelectiveEmpties = 20;
    constexpr int SelectivePasses[] = { 0 };

    // Without a level: what level 5 solves.
    int DefaultSolveEmpties(int size) { return LevelLimits(5, size).SolveEmpties; }

    template <int N> struct RootMove {
        typename Geo<N>::BB Flips;
        int Bit;
        int Score;
    };

    // One thread's walk through the phases of a search.
    template <int N> class RootSearch {
    public:
        using G = Geo<N>;
        using BB = typename G::BB;
        using Core = SearchCore<N>;

        RootSearch(TransTable& table, StopSignal& signal, BB own, BB opp, bool helper)
            : C(table, signal)
            , Own(own)
            , Opp(opp)
            , Helper(helper)
        {
            // Before the first iteration: the order of the move generator (the opponent's replies
            // and corners), so that even a search stopped at once has a sensible move to give.
            typename Core::MoveList list;
            C.Generate(own, opp, G::Moves(own, opp), Core::NoBit, true, list);
            for (int i = 0; i < list.Count; ++i) {
                const auto& m = list.Pick(i);
                Moves.push_back({ m.Flips, m.Bit, 0 });
            }
            Report.Move = G::SquareOfBit(Moves[0].Bit);
        }

        SearchReport Run(const SearchLimits& limits, int solveEmpties, Clock::time_point start)
        {
            const int empties = G::Squares - G::Count(Own | Opp);
            const bool solving = solveEmpties > 0 && empties <= solveEmpties;
            int maxDepth = limits.Depth > 0 ? limits.Depth : 64;
            if (solving)
                maxDepth = std::min(maxDepth, std::max(2, std::min(empties - 8, 12)));
            maxDepth = std::min(maxDepth, empties);
            const double softLimit = solving ? 0.15 : 0.4; // of the budget, to start an iteration

            // Helpers start one ply deeper, so that the two threads seldom work on the same depth.
            int prevScore = 0;
            for (int depth = Helper ? 2 : 1; depth <= maxDepth; ++depth) {
                // A stop is looked for before each iteration too: shallow ones, or deep ones the
                // table answers, may end before their first poll.
                C.Poll();
                if (C.Stopped)
                    break;
                int score = 0;
                if (!Iterate(depth, prevScore, score))
                    break;
                prevScore = score;
                Report.Depth = depth;
                Report.Move = G::SquareOfBit(Moves[0].Bit);
                Report.Score = Core::Centidiscs(score);
                if (!Helper && IterationHook)
                    IterationHook(depth, C.Signal.Cancel);
                if (limits.Seconds > 0 && Since(start) > softLimit * limits.Seconds)
                    break;
            }
            if (solving && !C.Stopped)
                SolvePhases(limits.Seconds > 0);
            Report.Nodes = C.Nodes;
            return Report;
        }

        // Large problems are first solved boldly, lines a shallow search judges hopeless cut
        // off: that costs a small part of the exact solution and leaves it a close guess and the
        // best moves in the table, which it mostly follows. Then, under a clock, win/loss/draw,
        // so that a move that keeps the win is known early; then (or at once without a clock)
        // the exact margin.
        void SolvePhases(bool winLossDrawFirst)
        {
            int guess
                = (Report.Score + (Report.Score >= 0 ? DiscScale / 2 : -DiscScale / 2)) / DiscScale;
            const int empties = G::Squares - G::Count(Own | Opp);
            if (N == 8 && empties >= SelectiveEmpties) {
                for (const int level : SelectivePasses) {
                    C.Certainty = level;
                    const int v = Narrow(guess, -Core::MaxScore, Core::MaxScore);
                    C.Certainty = TableEntry::Certain;
                    if (C.Stopped)
                        return;
                    guess = v;
                    Report.Move = G::SquareOfBit(Moves[0].Bit);
                }
            }
            // The value lies in [low, high]; Moves[0] reaches at least low (any move reaches the
            // lowest score).
            int low = -Core::MaxScore, high = Core::MaxScore;
            if (winLossDrawFirst) {
                int bestIndex = 0;
                const int wld = RootSolve(-1, 1, bestIndex);
                if (C.Stopped)
                    return;
                Promote(bestIndex);
                Report.Move = G::SquareOfBit(Moves[0].Bit);
                Report.Score = (wld > 0 ? 1 : wld < 0 ? -1 : 0) * DiscScale;
                Report.Solution = Solved::WinLossDraw;
                if (wld == 0) {
                    Report.Solution = Solved::Exact;
                    return;
                }
                low = wld > 0 ? wld : -Core::MaxScore;
                high = wld > 0 ? Core::MaxScore : wld;
            }
            const int v = Narrow(guess, low, high);
            if (C.Stopped)
                return;
            Report.Move = G::SquareOfBit(Moves[0].Bit);
            Report.Score = v * DiscScale;
            Report.Solution = Solved::Exact;
        }

        // The root's value, known to lie in [low, high], by windows around guess that widen after
        // each miss; the best move ends first. Scores on a board of an even number of squares are
        // mostly even, so the guess is made even. Null windows (one test per score) cost more in
        // all: each test that fails low refutes every move again.
        int Narrow(int guess, int low, int high)
        {
            int bestIndex = 0;
            int g = std::clamp(guess - (guess & 1), low, high);
            int delta = 8;
            while (low < high) {
                const int alpha = std::max(g - delta, low - 1);
                const int beta = std::min(g + delta, high + 1);
                const int v = RootSolve(alpha, beta, bestIndex);
                if (C.Stopped)
                    return 0;
                // A bound is never looser than what is known (the table may give one that is).
                if (v <= alpha) {
                    high = std::max(v, low);
                    g = v - delta;
                } else {
                    low = std::min(v, high);
                    if (v < beta)
                        high = low;
                    Promote(bestIndex);
                    g = v + delta;
                }
                delta *= 2;
            }
            return low;
        }

        // The exact value (within the window) of the root, moves in their current order; with
        // helpers the moves after the first are shared with them.
        int RootSolve(int alpha, int beta, int& bestIndex)
        {
            const int empties = G::Squares - G::Count(Own | Opp);
            int best = -Infinity;
            bestIndex = 0;
            for (std::size_t i = 0; i < Moves.size(); ++i) {
                if (i == 1 && C.Share) {
                    typename Core::MoveList list;
                    for (const auto& m : Moves) {
                        // Scores that keep the order.
                        list.Moves[list.Count] = { m.Flips, m.Bit, -list.Count };
                        ++list.Count;
                    }
                    int bestBit = Moves[bestIndex].Bit;
                    C.SolveSplit(Own, Opp, empties, list, 1, alpha, beta, best, bestBit);
                    if (C.Stopped)
                        return 0;
                    for (std::size_t j = 0; j < Moves.size(); ++j)
                        if (Moves[j].Bit == bestBit)
                            bestIndex = int(j);
                    break;
                }
                const auto& m = Moves[i];
                const BB nOwn = Own | m.Flips | G::One(m.Bit), nOpp = Opp & ~m.Flips;
                int v;
                if (i == 0) {
                    v = -C.SolveDeep(nOpp, nOwn, -beta, -alpha, empties - 1, false);
                } else {
                    v = -C.SolveDeep(nOpp, nOwn, -alpha - 1, -alpha, empties - 1, false);
                    if (v > alpha && v < beta && !C.Stopped)
                        v = -C.SolveDeep(nOpp, nOwn, -beta, -alpha, empties - 1, false);
                }
                if (C.Stopped)
                    return 0;
                if (v > best) {
                    best = v;
                    bestIndex = int(i);
                    if (v > alpha) {
                        alpha = v;
                        if (v >= beta)
                            break;
                    }
                }
            }
            return best;
        }

        // One iteration at depth, inside an aspiration window around the last score. False when the
        // search was stopped before the iteration could tell anything; a better move found before
        // the stop is still taken.
        bool Iterate(int depth, int prevScore, int& score)
        {
            int bestIndex = 0;
            int delta = 60;
            int alpha = -Infinity, beta = Infinity;
            if (depth >= 4) {
                alpha = prevScore - delta;
                beta = prevScore + delta;
            }
            for (;;) {
                const int v = RootPvs(depth, alpha, beta, bestIndex);
                if (C.Stopped) {
                    // Only a move that beat the first one at this depth is worth switching to.
                    if (bestIndex > 0 && FirstDone) {
                        Promote(bestIndex);
                        Report.Move = G::SquareOfBit(Moves[0].Bit);
                    }
                    return false;
                }
                if (v <= alpha && alpha > -Infinity) {
                    alpha = std::max(-Infinity, v - delta);
                    delta *= 2;
                    continue;
                }
                if (v >= beta && beta < Infinity) {
                    beta = std::min(Infinity, v + delta);
                    delta *= 2;
                    continue;
                }
                Promote(bestIndex);
                score = v;
                return true;
            }
        }

        int RootPvs(int depth, int alpha, int beta, int& bestIndex)
        {
            int best = -Infinity;
            bestIndex = 0;
            FirstDone = false;
            for (std::size_t i = 0; i < Moves.size(); ++i) {
                auto& m = Moves[i];
                const BB nOwn = Own | m.Flips | G::One(m.Bit), nOpp = Opp & ~m.Flips;
                int v;
                if (i == 0) {
                    v = -C.Mid(nOpp, nOwn, depth - 1, -beta, -alpha);
                } else {
                    v = -C.Mid(nOpp, nOwn, depth - 1, -alpha - 1, -alpha);
                    if (v > alpha && v < beta && !C.Stopped)
                        v = -C.Mid(nOpp, nOwn, depth - 1, -beta, -alpha);
                }
                if (C.Stopped)
                    return best;
                if (i == 0)
                    FirstDone = true;
                m.Score = v;
                if (v > best) {
                    best = v;
                    bestIndex = int(i);
                    if (v > alpha) {
                        alpha = v;
                        if (v >= beta)
                            break;
                    }
                }
            }
            return best;
        }

        // The best move first, the others by their last scores (stable, so ties keep their order).
        void Promote(int bestIndex)
        {
            if (bestIndex > 0)
                std::rotate(
                    Moves.begin(), Moves.begin() + bestIndex, Moves.begin() + bestIndex + 1);
            std::stable_sort(Moves.begin() + 1, Moves.end(),
                [](const RootMove<N>& a, const RootMove<N>& b) { return a.Score > b.Score; });
        }

        static double Since(Clock::time_point start)
        {
            return std::chrono::duration<double>(Clock::now() - start).count();
        }

        Core C;
        BB Own, Opp;
        bool Helper;
        bool FirstDone = false;
        std::vector<RootMove<N>> Moves;
        SearchReport Report;
    };

    template <int N>
    void ToBits(const Board& board, int side, typename Geo<N>::BB& own, typename Geo<N>::BB& opp)
    {
        Bits<N>::FromBoard(board, side, side == SideYellow ? SideGreen : SideYellow, own, opp);
    }

} // namespace

// What a search shares with its helper threads. It outlives the search when a helper is slow to
// stop: the search answers at its deadline and the helper is joined by the next call.
struct SearchShare {
    StopSignal Signal;
    std::atomic<std::uint64_t> HelperNodes { 0 };
    int Running = 0; // helpers still searching, under Lock
    std::mutex Lock;
    std::condition_variable Finished;
};

struct Engine::Impl {
    TransTable Table;
    int ThreadCount;
    std::vector<std::thread> Pending; // helpers of the last search, perhaps still stopping

    Impl(int mib, int threads)
        : Table(std::size_t(std::max(1, mib)))
        , ThreadCount(std::max(1, threads))
    {
    }
    ~Impl() { JoinHelpers(); }

    void JoinHelpers()
    {
        for (std::thread& t : Pending)
            t.join();
        Pending.clear();
    }

    template <int N>
    SearchReport Search(
        const Board& board, int side, const SearchLimits& limits, const std::atomic<bool>* cancel)
    {
        using G = Geo<N>;
        using BB = typename G::BB;
        JoinHelpers();
        BB own, opp;
        ToBits<N>(board, side, own, opp);
        const Clock::time_point start = Clock::now();
        SearchReport report;
        const BB moves = G::Moves(own, opp);
        if (!moves)
            return report;
        if (G::Count(moves) == 1 && limits.Seconds > 0) {
            // Nothing to choose: answer at once.
            report.Move = G::SquareOfBit(G::LowestBit(moves));
            return report;
        }

        const auto share = std::make_shared<SearchShare>();
        // Only this thread reads the caller's flag (which may be gone once this returns); the
        // helpers stop when it tells them to, or at the deadline.
        share->Signal.Cancel = cancel;
        if (limits.Seconds > 0) {
            // A little short of the budget: the threads notice the deadline within a thousand
            // nodes, but on a busy machine a thread may wait for a core before it can.
            share->Signal.HasDeadline = true;
            share->Signal.Deadline = start
                + std::chrono::duration_cast<Clock::duration>(
                    std::chrono::duration<double>(DeadlineShare * limits.Seconds));
        }
        share->Signal.NodeLimit = limits.MaxNodes;
        const int solveEmpties
            = limits.SolveEmpties >= 0 ? limits.SolveEmpties : DefaultSolveEmpties(N);
        const int threads = limits.Threads > 0 ? limits.Threads : ThreadCount;
        Table.NextGeneration();

        share->Running = threads - 1;
        // An exact solution splits the tree among the threads; a midgame search lets each go
        // its own way through the shared table.
        const int empties = G::Squares - G::Count(own | opp);
        const bool splitting = threads > 1 && solveEmpties > 0 && empties <= solveEmpties;
        using Split = typename SearchCore<N>::SplitShare;
        const auto split = splitting ? std::make_shared<Split>() : nullptr;
        for (int t = 1; t < threads && splitting; ++t)
            Pending.emplace_back([this, share, split, limits] {
                SearchCore<N> helper(Table, share->Signal);
                helper.WatchesCancel = false;
                helper.EmptiesToWinner = limits.Rule == Scoring::EmptiesToWinner;
                helper.ClassicEval = limits.Eval == Evaluation::Classic;
                helper.Share = split.get();
                helper.HelpUntilDone();
                share->HelperNodes += helper.Nodes;
                std::lock_guard<std::mutex> lock(share->Lock);
                --share->Running;
                share->Finished.notify_all();
            });
        for (int t = 1; t < threads && !splitting; ++t)
            Pending.emplace_back([this, share, own, opp, limits, solveEmpties, start, t] {
                RootSearch<N> helper(Table, share->Signal, own, opp, true);
                helper.C.WatchesCancel = false;
                helper.C.EmptiesToWinner = limits.Rule == Scoring::EmptiesToWinner;
                helper.C.ClassicEval = limits.Eval == Evaluation::Classic;
                helper.C.Variation = 0x9E3779B9u * unsigned(t);
                share->HelperNodes += helper.Run(limits, solveEmpties, start).Nodes;
                std::lock_guard<std::mutex> lock(share->Lock);
                --share->Running;
                share->Finished.notify_all();
            });
        RootSearch<N> main(Table, share->Signal, own, opp, false);
        main.C.EmptiesToWinner = limits.Rule == Scoring::EmptiesToWinner;
        main.C.ClassicEval = limits.Eval == Evaluation::Classic;
        main.C.Share = split.get();
        report = main.Run(limits, solveEmpties, start);
        share->Signal.Stop.store(true, std::memory_order_relaxed);
        if (split) {
            {
                std::lock_guard<std::mutex> lock(split->Lock);
                split->Done = true;
            }
            split->Changed.notify_all();
        }
        bool allStopped = false;
        {
            // The helpers' nodes belong to this search, but not at the price of the budget.
            std::unique_lock<std::mutex> lock(share->Lock);
            const auto stopped = [&] { return share->Running == 0; };
            if (limits.Seconds > 0)
                share->Finished.wait_until(lock,
                    start
                        + std::chrono::duration_cast<Clock::duration>(
                            std::chrono::duration<double>(limits.Seconds)),
                    stopped);
            else
                share->Finished.wait(lock, stopped);
            allStopped = stopped();
        }
        // Helpers that have stopped are joined now (they only have to return), so that none is
        // left running when the program ends; a late one is joined by the next search.
        if (allStopped)
            JoinHelpers();
        report.Nodes += share->HelperNodes.load();
        report.Cancelled = cancel && cancel->load(std::memory_order_relaxed);
        report.Seconds = std::chrono::duration<double>(Clock::now() - start).count();
        return report;
    }

    template <int N>
    SolveReport Solve(const Board& board, int side, const std::atomic<bool>* cancel,
        const SolveLimits& solveLimits)
    {
        using G = Geo<N>;
        using BB = typename G::BB;
        SolveReport out;
        const Clock::time_point start = Clock::now();
        BB own, opp;
        ToBits<N>(board, side, own, opp);
        // The value by the threads of a search (win/loss/draw, then the margin), then a line that
        // keeps it: at each ply the first move whose child has exactly the value, which the
        // table makes cheap to find.
        SearchLimits limits;
        limits.Depth = 4;
        limits.SolveEmpties = G::Squares;
        limits.Threads = solveLimits.Threads;
        limits.MaxNodes = solveLimits.MaxNodes;
        limits.Rule = solveLimits.Rule;
        SearchReport value;
        if (G::Moves(own, opp)) {
            value = Search<N>(board, side, limits, cancel);
            out.Nodes = value.Nodes;
            if (value.Cancelled || value.Solution != Solved::Exact)
                return out;
        }
        StopSignal signal;
        signal.Cancel = cancel;
        if (solveLimits.MaxNodes)
            signal.NodeLimit
                = solveLimits.MaxNodes > out.Nodes ? solveLimits.MaxNodes - out.Nodes : 1;
        SearchCore<N> core(Table, signal);
        core.EmptiesToWinner = solveLimits.Rule == Scoring::EmptiesToWinner;
        int target = G::Moves(own, opp) ? value.Score / DiscScale
                                        : core.Solve(own, opp, -Infinity, Infinity);
        out.Score = target;
        for (;;) {
            if (core.Stopped)
                break;
            const BB moves = G::Moves(own, opp);
            if (!moves) {
                if (!G::Moves(opp, own))
                    break;
                out.Line.push_back(PassMove);
                std::swap(own, opp);
                target = -target;
                continue;
            }
            int chosen = -1;
            BB chosenFlips = 0;
            G::ForEachBit(moves, [&](int bit) {
                if (chosen >= 0 || core.Stopped)
                    return;
                const BB flips = G::Flips(bit, own, opp);
                const BB nOwn = own | flips | G::One(bit), nOpp = opp & ~flips;
                const int v = -core.Solve(nOpp, nOwn, -target - 1, -target + 1);
                if (v == target) {
                    chosen = bit;
                    chosenFlips = flips;
                }
            });
            if (chosen < 0)
                break;
            out.Line.push_back(G::SquareOfBit(chosen));
            const BB nOwn = own | chosenFlips | G::One(chosen), nOpp = opp & ~chosenFlips;
            own = nOpp;
            opp = nOwn;
            target = -target;
        }
        out.Complete = !core.Stopped;
        out.Nodes += core.Nodes;
        out.Seconds = std::chrono::duration<double>(Clock::now() - start).count();
        return out;
    }
};

Engine::Engine(int tableMebibytes, int threads)
    : P(std::make_unique<Impl>(tableMebibytes, threads))
{
}

Engine::~Engine() = default;

int Engine::DefaultThreads()
{
    const unsigned hw = std::thread::hardware_concurrency();
    return int(std::clamp(hw, 1u, 8u));
}

void Engine::NewGame()
{
    P->JoinHelpers();
    P->Table.Clear();
}

void Engine::SetTableSize(int mebibytes)
{
    P->JoinHelpers();
    P->Table.Resize(std::size_t(std::max(1, mebibytes)));
}

void Engine::SetThreads(int threads) { P->ThreadCount = std::max(1, threads); }

int Engine::Threads() const { return P->ThreadCount; }

SearchReport Engine::Search(const Board& board, int size, int side, const SearchLimits& limits,
    const std::atomic<bool>* cancel)
{
    return size == 8 ? P->Search<8>(board, side, limits, cancel)
                     : P->Search<10>(board, side, limits, cancel);
}

SolveReport Engine::Solve(const Board& board, int size, int side, const std::atomic<bool>* cancel,
    const SolveLimits& limits)
{
    return size == 8 ? P->Solve<8>(board, side, cancel, limits)
                     : P->Solve<10>(board, side, cancel, limits);
}

int Engine::Evaluate(const Board& board, int size, int side)
{
    if (size == 8) {
        Geo<8>::BB own, opp;
        ToBits<8>(board, side, own, opp);
        return PatternEvaluator<8>::Evaluate(own, opp);
    }
    Geo<10>::BB own, opp;
    ToBits<10>(board, side, own, opp);
    return PatternEvaluator<10>::Evaluate(own, opp);
}

// --- the window's engine -----------------------------------------------------------------------

namespace {

    // What the thread searched last, to notice a new game by itself.
    int LastSize = 0;
    int LastDiscs = 0;
    SearchReport LastReport;

    int CountDiscs(const Board& board, int size)
    {
        int n = 0;
        for (int col = 0; col < size; ++col)
            for (int row = 0; row < size; ++row)
                n += board[SquareIndex(size, col, row)] >= CellYellow;
        return n;
    }

    int RunSharedEngine(const std::atomic<bool>& cancel)
    {
        const Clock::time_point start = Clock::now();
        const Board board = BoardStack[0]; // read once, as every search does
        const int size = BoardSize, side = SideToMove, level = Level;
        Engine& engine = SharedEngine();
        const int discs = CountDiscs(board, size);
        if (size != LastSize || discs < LastDiscs)
            engine.NewGame();
        LastSize = size;
        LastDiscs = discs;
        // Clearing the table is part of the move's time.
        SearchLimits limits = LevelLimits(level, size);
        limits.Seconds = std::max(limits.Seconds / 2,
            limits.Seconds - std::chrono::duration<double>(Clock::now() - start).count());
        const SearchReport report = engine.Search(board, size, side, limits, &cancel);
        LastReport = report;
        BestMoves[0] = report.Move;
        return report.Move;
    }

} // namespace

Engine& SharedEngine()
{
    // Never destroyed: a search thread still running at exit must not lose its table.
    static Engine* const engine = new Engine();
    return *engine;
}

void SelectEngine(EngineKind kind)
{
    SearchEngine = kind;
    AdvancedEngine = kind == EngineKind::Advanced;
    MasterSearchRoutine = &RunSharedEngine;
    if (kind == EngineKind::Master)
        SharedEngine(); // the table is allocated here, not in the first move's time
}

void MasterNewGame()
{
    SharedEngine().NewGame();
    LastSize = 0;
    LastDiscs = 0;
}

SearchReport LastThreadReport() { return LastReport; }

} // namespace master
