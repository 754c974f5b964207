// The master engine's search: the fixed-depth result of plain negamax over the same evaluation,
// exact endgame scores against the plain solver (live and from the stored endgame set),
// repeatability, cancellation, and the search thread's engine switch.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "EndgameSet.h"
#include "Evaluation.h"
#include "GameFlow.h"
#include "MasterSearch.h"
#include "MasterTestSupport.h"
#include "Notation.h"
#include "PlainSolver.h"
#include "RoutineTable.h"
#include "Search.h"
#include "SearchThread.h"
#include "master/MasterEngine.h"

using namespace master;

namespace {

// Negamax without pruning or table, to depth plies (a pass takes none), over the engine's own
// leaf scores: what a correct search at that depth must return.
template <int N> int PlainNegamax(typename Geo<N>::BB own, typename Geo<N>::BB opp, int depth)
{
    using G = Geo<N>;
    if (depth == 0)
        return SearchCore<N>::Evaluate(own, opp);
    const typename G::BB moves = G::Moves(own, opp);
    if (!moves) {
        if (!G::Moves(opp, own))
            return SearchCore<N>::Decided(G::Count(own) - G::Count(opp));
        return -PlainNegamax<N>(opp, own, depth);
    }
    int best = -Infinity;
    G::ForEachBit(moves, [&](int bit) {
        const typename G::BB f = G::Flips(bit, own, opp);
        best = std::max(best, -PlainNegamax<N>(opp & ~f, own | f | G::One(bit), depth - 1));
    });
    return best;
}

SearchLimits FixedDepth(int depth, int threads = 1)
{
    SearchLimits l;
    l.Depth = depth;
    l.SolveEmpties = 0;
    l.Threads = threads;
    return l;
}

SearchLimits SolveAll(int threads)
{
    SearchLimits l;
    l.Depth = 2;
    l.SolveEmpties = 100;
    l.Threads = threads;
    return l;
}

template <int N> void CompareWithPlainNegamax(int positions, int maxDepth)
{
    Engine engine(4, 1);
    std::mt19937 rng(N * 3 + 1);
    const RoutineTable& r = RoutinesFor(N);
    for (int i = 0; i < positions; ++i) {
        const GamePosition p = RandomPosition(N, 4 + int(rng() % (N * N - 14)), rng);
        if (p.GameOver)
            continue;
        typename Geo<N>::BB own, opp;
        ToBits<N>(p.Cells, p.SideToMove, own, opp);
        for (int depth = 1; depth <= maxDepth; ++depth) {
            engine.NewGame();
            const SearchReport got = engine.Search(p.Cells, N, p.SideToMove, FixedDepth(depth));
            ASSERT_EQ(got.Depth, std::min(depth, p.Empties));
            const int expected = PlainNegamax<N>(own, opp, got.Depth);
            ASSERT_EQ(got.Score, SearchCore<N>::Centidiscs(expected))
                << "position " << i << " depth " << depth;
            // The move chosen is one that reaches that score.
            ASSERT_TRUE(r.IsLegalMove(p.Cells, got.Move, p.SideToMove, OtherSide(p.SideToMove)));
            Board child = p.Cells;
            r.MakeMove(child, got.Move, p.SideToMove, OtherSide(p.SideToMove));
            typename Geo<N>::BB cOwn, cOpp;
            ToBits<N>(child, OtherSide(p.SideToMove), cOwn, cOpp);
            ASSERT_EQ(-PlainNegamax<N>(cOwn, cOpp, got.Depth - 1), expected);
        }
    }
}

int CountDifference(const Board& b, int size, int side)
{
    int d = 0;
    for (int col = 0; col < size; ++col)
        for (int row = 0; row < size; ++row) {
            const Cell c = b[SquareIndex(size, col, row)];
            d += c == side ? 1 : c == OtherSide(side) ? -1 : 0;
        }
    return d;
}

// Solves random positions every way the engine can and compares with the plain solver.
void CompareSolverWithPlain(int size, int empties, int positions)
{
    Engine engine(16, 2);
    std::mt19937 rng(size * 100 + empties);
    const RoutineTable& r = RoutinesFor(size);
    for (int i = 0; i < positions; ++i) {
        const GamePosition p = RandomPositionWithEmpties(size, empties, rng);
        const int exact = PlainSolve(p.Cells, size, p.SideToMove);
        for (const int threads : { 1, 2 }) {
            engine.NewGame();
            const SearchReport got = engine.Search(p.Cells, size, p.SideToMove, SolveAll(threads));
            ASSERT_EQ(got.Solution, Solved::Exact);
            ASSERT_EQ(got.Score, exact * DiscScale) << "position " << i << ", " << threads;
            Board child = p.Cells;
            r.MakeMove(child, got.Move, p.SideToMove, OtherSide(p.SideToMove));
            const GamePosition next = PositionWithTurn(size, child, p.SideToMove);
            const int childValue = next.GameOver  ? CountDifference(child, size, p.SideToMove)
                : next.SideToMove == p.SideToMove ? PlainSolve(child, size, p.SideToMove)
                                                  : -PlainSolve(child, size, next.SideToMove);
            ASSERT_EQ(childValue, exact) << "the chosen move must keep the value";
        }
        // The line of Solve plays out to exactly the value.
        engine.NewGame();
        const SolveReport s = engine.Solve(p.Cells, size, p.SideToMove);
        ASSERT_TRUE(s.Complete);
        ASSERT_EQ(s.Score, exact);
        Board b = p.Cells;
        int side = p.SideToMove;
        for (const int sq : s.Line) {
            if (sq != PassMove) {
                ASSERT_TRUE(r.IsLegalMove(b, sq, side, OtherSide(side)));
                r.MakeMove(b, sq, side, OtherSide(side));
            }
            side = OtherSide(side);
        }
        EXPECT_TRUE(PositionWithTurn(size, b, OtherSide(side)).GameOver);
        EXPECT_EQ(CountDifference(b, size, p.SideToMove), exact);
    }
}

} // namespace

TEST(MasterSearch, FixedDepthGivesThePlainNegamaxScore8) { CompareWithPlainNegamax<8>(40, 5); }

TEST(MasterSearch, FixedDepthGivesThePlainNegamaxScore10) { CompareWithPlainNegamax<10>(25, 4); }

TEST(MasterSearch, SolverAgreesWithThePlainSolver)
{
    CompareSolverWithPlain(8, 11, 25);
    CompareSolverWithPlain(10, 10, 15);
}

TEST(MasterSearch, AWipeOutIsSolvedWithinTheScoresAGameCanHave)
{
    // After e6 f6 f5 d6 c5 g4 c4 d3 f4 b4 each of Yellow's eight moves lets Green take its last
    // disc. Counting the empty squares for the winner, as published problems do, the value is
    // -64 with 50 empties, and each step of the line is searched just around it. A window
    // reaching past the possible scores (-65 to -63) would leave Green nothing to cut off on and
    // search the game tree to the end, far beyond these node limits.
    const Result<OBoardTracker> game = ReadTranscript("e6f6f5d6c5g4c4d3f4b4");
    ASSERT_TRUE(game) << game.Failure().Message;
    const GamePosition p = EndOf(GameOfRecord(game.Value()));
    ASSERT_EQ(p.SideToMove, SideYellow);
    ASSERT_EQ(p.Empties, 50);
    Engine engine(16, 1);
    SolveLimits limits;
    limits.Threads = 1;
    limits.MaxNodes = 200000;
    limits.Rule = Scoring::EmptiesToWinner;
    const SolveReport s = engine.Solve(p.Cells, 8, p.SideToMove, nullptr, limits);
    ASSERT_TRUE(s.Complete) << s.Nodes << " nodes";
    EXPECT_EQ(s.Score, -64);
    // The line plays out to the end: Yellow has no disc left.
    Board b = p.Cells;
    int side = p.SideToMove;
    for (const int sq : s.Line) {
        ASSERT_NE(sq, PassMove);
        ASSERT_TRUE(RoutinesFor(8).IsLegalMove(b, sq, side, OtherSide(side)));
        RoutinesFor(8).MakeMove(b, sq, side, OtherSide(side));
        side = OtherSide(side);
    }
    EXPECT_EQ(ScanPosition(8, b).Yellow, 0);

    // The search's solver, which the window's levels use, as well.
    SearchLimits solve = SolveAll(1);
    solve.MaxNodes = 200000;
    solve.Rule = Scoring::EmptiesToWinner;
    engine.NewGame();
    const SearchReport r = engine.Search(p.Cells, 8, p.SideToMove, solve);
    EXPECT_EQ(r.Solution, Solved::Exact) << r.Nodes << " nodes";
    EXPECT_EQ(r.Score, -64 * DiscScale);
}

TEST(MasterSearch, ThePositionBeforeTheLastMoveIsOneNode)
{
    // Node counts are compared with other engines': each position searched counts once, the one
    // with a single empty square too, whoever plays into it.
    std::mt19937 rng(41);
    for (int i = 0; i < 20; ++i) {
        const GamePosition p = RandomPositionWithEmpties(8, 1, rng);
        Geo<8>::BB own, opp;
        ToBits<8>(p.Cells, p.SideToMove, own, opp);
        TransTable table(1);
        StopSignal signal;
        SearchCore<8> core(table, signal);
        EXPECT_EQ(core.Solve(own, opp, -64, 64), PlainSolve(p.Cells, 8, p.SideToMove));
        EXPECT_EQ(core.Nodes, 1u);
    }
}

TEST(MasterSearch, SolvesTheEndgameSetAtFourteenEmpties)
{
    Engine engine(64, Engine::DefaultThreads());
    int checked = 0;
    for (const EndgameCase& c : EndgameSet) {
        const Board b = BoardFromPicture(8, c.Board14);
        const int side = c.Side14 == 'Y' ? SideYellow : SideGreen;
        engine.NewGame();
        SearchLimits limits = SolveAll(0);
        const SearchReport got = engine.Search(b, 8, side, limits);
        ASSERT_EQ(got.Solution, Solved::Exact);
        EXPECT_EQ(got.Score, c.Score14 * DiscScale) << "case " << checked;
        ++checked;
    }
    EXPECT_GE(checked, 20);
    // The stored scores are still what the plain solver says (a few, it is slow).
    for (int i = 0; i < 3; ++i) {
        const EndgameCase& c = EndgameSet[i * 7];
        EXPECT_EQ(
            PlainSolve(BoardFromPicture(8, c.Board14), 8, c.Side14 == 'Y' ? SideYellow : SideGreen),
            c.Score14);
    }
}

TEST(MasterSearch, ABolderSolutionFirstLeavesTheExactOneExact)
{
    // Positions of 20 empties: solved first with the solver's boldest cut-offs, then exactly in
    // the same table, which then holds the bold pass's guesses beside the exact results.
    std::uint64_t boldNodes = 0, exactNodes = 0;
    for (int i = 0; i < 8; ++i) {
        const EndgameCase& c = EndgameSet[i];
        Geo<8>::BB own, opp;
        ToBits<8>(
            BoardFromPicture(8, c.Board20), c.Side20 == 'Y' ? SideYellow : SideGreen, own, opp);
        TransTable table(16);
        StopSignal signal;
        SearchCore<8> core(table, signal);
        core.Certainty = 0;
        const int bold = core.Solve(own, opp, -64, 64);
        boldNodes += core.Nodes;
        EXPECT_NEAR(bold, c.Score20, 20) << "case " << i;
        core.Certainty = TableEntry::Certain;
        EXPECT_EQ(core.Solve(own, opp, -64, 64), c.Score20) << "case " << i;

        TransTable fresh(16);
        SearchCore<8> alone(fresh, signal);
        EXPECT_EQ(alone.Solve(own, opp, -64, 64), c.Score20) << "case " << i;
        exactNodes += alone.Nodes;
    }
    // The cut-offs cut: the bold pass costs a fraction of the exact solution.
    EXPECT_LT(boldNodes * 2, exactNodes) << boldNodes << " against " << exactNodes;

    // Through the engine, where the bold pass comes before the exact one from 20 empties, on
    // one thread and on two that split the tree.
    for (const int threads : { 1, 2 }) {
        Engine engine(16, threads);
        for (int i = 8; i < 12; ++i) {
            const EndgameCase& c = EndgameSet[i];
            const SearchReport r = engine.Search(BoardFromPicture(8, c.Board20), 8,
                c.Side20 == 'Y' ? SideYellow : SideGreen, SolveAll(threads));
            ASSERT_EQ(r.Solution, Solved::Exact);
            EXPECT_EQ(r.Score, c.Score20 * DiscScale) << "case " << i << ", " << threads;
            engine.NewGame();
        }
    }
}

TEST(MasterSearch, ABoldResultAnswersTheExactSolverOnlyWhereNothingWasCut)
{
    for (int i = 0; i < 8; ++i) {
        const EndgameCase& c = EndgameSet[i];
        Geo<8>::BB own, opp;
        ToBits<8>(
            BoardFromPicture(8, c.Board14), c.Side14 == 'Y' ? SideYellow : SideGreen, own, opp);
        StopSignal signal;

        // 14 empties, where the cut-offs start: a bold result there, here of a null window 12
        // discs or more away from the score, may be a guess, and the exact solver searches again.
        const int alpha = c.Score14 <= 50 ? c.Score14 + 12 : c.Score14 - 13;
        TransTable table(8);
        SearchCore<8> core(table, signal);
        core.Certainty = 0;
        core.Solve(own, opp, alpha, alpha + 1);
        core.Certainty = TableEntry::Certain;
        const std::uint64_t before = core.Nodes;
        const int exact = core.Solve(own, opp, alpha, alpha + 1);
        EXPECT_EQ(exact > alpha, c.Score14 > alpha) << "case " << i;
        EXPECT_GT(core.Nodes - before, 2u) << "case " << i;

        // A move later nothing below is cut off: the bold result is exact, and the exact solver
        // takes it from the table at once.
        const int bit = Geo<8>::LowestBit(Geo<8>::Moves(own, opp));
        const Geo<8>::BB flips = Geo<8>::Flips(bit, own, opp);
        const Geo<8>::BB childOwn = opp & ~flips, childOpp = own | flips | Geo<8>::One(bit);
        TransTable fresh(8);
        SearchCore<8> alone(fresh, signal);
        const int want = alone.Solve(childOwn, childOpp, -64, 64);
        table.Clear();
        core.Certainty = 0;
        EXPECT_EQ(core.Solve(childOwn, childOpp, -64, 64), want) << "case " << i;
        core.Certainty = TableEntry::Certain;
        const std::uint64_t bold = core.Nodes;
        EXPECT_EQ(core.Solve(childOwn, childOpp, -64, 64), want) << "case " << i;
        EXPECT_LE(core.Nodes - bold, 2u) << "case " << i;
    }
}

TEST(MasterSearch, TwoThreadsSplitTheSolutionAndAgreeWithOne)
{
    // Every position of the set solved by a thread alone and by two that share the tree: the
    // helper waits (idle) before the search starts, so that the first split finds it, and it
    // takes part of the work.
    std::uint64_t helperNodes = 0;
    for (const EndgameCase& c : EndgameSet) {
        const Board b = BoardFromPicture(8, c.Board14);
        Geo<8>::BB own, opp;
        ToBits<8>(b, c.Side14 == 'Y' ? SideYellow : SideGreen, own, opp);
        TransTable table(8);
        StopSignal signal;
        SearchCore<8> alone(table, signal);
        ASSERT_EQ(alone.Solve(own, opp, -64, 64), c.Score14);

        table.Clear();
        SearchCore<8>::SplitShare share;
        SearchCore<8> helper(table, signal);
        helper.WatchesCancel = false;
        helper.Share = &share;
        std::thread worker([&] { helper.HelpUntilDone(); });
        while (share.Idle.load() == 0)
            std::this_thread::yield();
        SearchCore<8> main(table, signal);
        main.Share = &share;
        const int together = main.Solve(own, opp, -64, 64);
        {
            std::lock_guard<std::mutex> lock(share.Lock);
            share.Done = true;
        }
        share.Changed.notify_all();
        worker.join();
        EXPECT_EQ(together, c.Score14);
        helperNodes += helper.Nodes;
    }
    EXPECT_GT(helperNodes, 0u);

    // A raised cancel flag ends a solution of two threads as it ends one thread's search.
    const std::atomic<bool> raised { true };
    Engine engine(8, 2);
    const Board b = BoardFromPicture(8, EndgameSet[0].Board20);
    const SearchReport r = engine.Search(
        b, 8, EndgameSet[0].Side20 == 'Y' ? SideYellow : SideGreen, SolveAll(2), &raised);
    EXPECT_TRUE(r.Cancelled);
    EXPECT_NE(r.Solution, Solved::Exact);
}

TEST(MasterSearch, OneThreadAtFixedDepthRepeatsItself)
{
    std::mt19937 rng(17);
    for (const int size : { 8, 10 }) {
        const GamePosition p = RandomPosition(size, 24, rng);
        Engine engine(8, 2);
        const SearchReport first = engine.Search(p.Cells, size, p.SideToMove, FixedDepth(6));
        // What the table keeps makes the same search cheaper, until a new game clears it.
        EXPECT_LT(engine.Search(p.Cells, size, p.SideToMove, FixedDepth(6)).Nodes, first.Nodes);
        for (int run = 0; run < 3; ++run) {
            engine.NewGame();
            const SearchReport again = engine.Search(p.Cells, size, p.SideToMove, FixedDepth(6));
            EXPECT_EQ(again.Move, first.Move);
            EXPECT_EQ(again.Score, first.Score);
            EXPECT_EQ(again.Nodes, first.Nodes);
        }
        // Another engine, the same answer; two threads may search differently but agree on
        // the score at that depth.
        Engine other(8, 1);
        EXPECT_EQ(other.Search(p.Cells, size, p.SideToMove, FixedDepth(6)).Move, first.Move);
        engine.NewGame();
        EXPECT_EQ(engine.Search(p.Cells, size, p.SideToMove, FixedDepth(6, 2)).Score, first.Score);
    }
}

TEST(MasterSearch, ACancelFlagStopsEveryThreadAtOnce)
{
    std::mt19937 rng(23);
    const GamePosition p = RandomPosition(10, 30, rng);
    Engine engine(8, 2);
    // No clock and no depth limit: without the flag this would not end.
    SearchLimits unlimited;
    unlimited.Depth = 0;
    unlimited.SolveEmpties = 0;
    unlimited.Threads = 2;
    const std::atomic<bool> raised { true };
    // One thread notices a raised flag at its first poll, a thousand nodes in. (A helper thread
    // runs until the main one tells it, so with two the count depends on how they are scheduled;
    // that they stopped at all is what their search's return shows: it waits for them.)
    SearchLimits alone = unlimited;
    alone.Threads = 1;
    const SearchReport one = engine.Search(p.Cells, 10, p.SideToMove, alone, &raised);
    EXPECT_TRUE(one.Cancelled);
    EXPECT_LE(one.Nodes, 1024u + 64u);
    const SearchReport r = engine.Search(p.Cells, 10, p.SideToMove, unlimited, &raised);
    EXPECT_TRUE(r.Cancelled);

    // Raised by the test while the search runs on another thread.
    std::atomic<bool> cancel { false };
    SearchReport held;
    std::thread searcher(
        [&] { held = engine.Search(p.Cells, 10, p.SideToMove, unlimited, &cancel); });
    cancel.store(true);
    searcher.join();
    EXPECT_TRUE(held.Cancelled);
    EXPECT_TRUE(
        RoutinesFor(10).IsLegalMove(p.Cells, held.Move, p.SideToMove, OtherSide(p.SideToMove)));
}

TEST(MasterSearch, TheSearchThreadRunsTheSelectedEngine)
{
    const EngineKind before = SearchEngine;
    master::SelectEngine(EngineKind::Master);
    EXPECT_FALSE(AdvancedEngine);
    for (const int size : { 8, 10 }) {
        BoardSize = size;
        NewGame();
        master::MasterNewGame();
        Level = 1;
        StartSearch();
        SearchThread->WaitFor();
        EXPECT_FALSE(SearchRunning.load(std::memory_order_acquire));
        EXPECT_TRUE(Routines.IsLegalMove(BoardStack[0], BestMoves[0], SideYellow, SideGreen));
        EXPECT_EQ(master::LastThreadReport().Move, BestMoves[0]);
    }

    // Cancelling through the window's path ends a level 9 search and says so.
    std::mt19937 rng(29);
    const GamePosition p = RandomPosition(8, 20, rng);
    BoardSize = 8;
    NewGame();
    BoardStack[0] = p.Cells;
    SideToMove = p.SideToMove;
    Level = 9;
    StartSearch();
    CancelSearch();
    EXPECT_FALSE(SearchRunning.load(std::memory_order_acquire));
    EXPECT_TRUE(master::LastThreadReport().Cancelled);

    // The other engines run the fixed-depth search as before.
    master::SelectEngine(EngineKind::Advanced);
    EXPECT_TRUE(AdvancedEngine);
    master::SelectEngine(EngineKind::Normal);
    EXPECT_FALSE(AdvancedEngine);
    NewGame();
    Level = 3;
    StartSearch();
    SearchThread->WaitFor();
    EXPECT_EQ(BestMoves[0], 53);
    master::SelectEngine(before);
}

TEST(MasterSearch, LevelsBuyMoreTimeAndDeeperSolves)
{
    EXPECT_DOUBLE_EQ(LevelSeconds(1), 0.05);
    EXPECT_NEAR(LevelSeconds(9), 5.0, 1e-9);
    for (int level = 2; level <= 9; ++level) {
        EXPECT_GT(LevelSeconds(level), LevelSeconds(level - 1));
        for (const int size : { 8, 10 })
            EXPECT_GE(
                LevelLimits(level, size).SolveEmpties, LevelLimits(level - 1, size).SolveEmpties);
    }
}

TEST(MasterSearch, EngineSettingValuesReadBack)
{
    for (const EngineKind k : { EngineKind::Normal, EngineKind::Advanced, EngineKind::Master })
        EXPECT_EQ(EngineKindFromSetting(EngineSettingValue(k)), k);
    EXPECT_EQ(EngineSettingValue(EngineKind::Master), "mast");
    EXPECT_EQ(EngineKindFromSetting("advn"), EngineKind::Advanced);
    EXPECT_EQ(EngineKindFromSetting("turbo"), EngineKind::Normal);
    EXPECT_EQ(EngineKindFromSetting(""), EngineKind::Normal);
}
