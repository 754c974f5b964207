// The move analysis: its values are the engine's own scores of the positions after the moves,
// exact ones are the solver's, the rounds deepen one by one, and a cancel ends it between rounds
// or inside one.
#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <set>
#include <thread>

#include "MasterTestSupport.h"
#include "RoutineTable.h"
#include "master/MoveAnalysis.h"

namespace {

using master::AnalyseMoves;
using master::AnalysisLimits;
using master::Engine;
using master::MoveAnalysis;

std::vector<int> Legal(const GamePosition& p)
{
    const RoutineTable& r = RoutinesFor(p.Size);
    std::vector<int> moves;
    for (int sq = 0; sq < BoardCells; ++sq)
        if (IsPlayableSquare(p.Size, sq) && p.Cells[sq] == CellEmpty
            && r.IsLegalMove(p.Cells, sq, p.SideToMove, OtherSide(p.SideToMove)))
            moves.push_back(sq);
    return moves;
}

// The position after move and its side due, as the game's rules give them.
GamePosition After(const GamePosition& p, int move)
{
    Board b = p.Cells;
    RoutinesFor(p.Size).MakeMove(b, move, p.SideToMove, OtherSide(p.SideToMove));
    return PositionWithTurn(p.Size, b, p.SideToMove);
}

int FinalDifference(const GamePosition& p, int side)
{
    int d = 0;
    for (int sq = 0; sq < BoardCells; ++sq)
        if (IsPlayableSquare(p.Size, sq))
            d += p.Cells[sq] == side ? 1 : p.Cells[sq] == OtherSide(side) ? -1 : 0;
    return d;
}

// The values of a round: each legal move once, the best first.
void ExpectWholeAndOrdered(const MoveAnalysis& a, const GamePosition& p)
{
    const std::vector<int> legal = Legal(p);
    std::set<int> seen;
    for (std::size_t i = 0; i < a.Moves.size(); ++i) {
        EXPECT_TRUE(seen.insert(a.Moves[i].Move).second);
        if (i > 0) {
            EXPECT_GE(a.Moves[i - 1].Value, a.Moves[i].Value);
        }
    }
    EXPECT_EQ(seen, std::set<int>(legal.begin(), legal.end()));
}

TEST(MoveAnalysis, ValuesAreMinusTheEnginesScoreOfEachPositionAfter)
{
    std::mt19937 rng(21);
    for (const int size : { 8, 10 })
        for (int game = 0; game < 3; ++game) {
            const GamePosition p = RandomPosition(size, 14 + 6 * game, rng);
            ASSERT_FALSE(p.GameOver);
            Engine analysing(16, 1), reference(16, 1);
            AnalysisLimits limits;
            limits.Depth = 4;
            limits.Threads = 1;
            limits.ExactFromEmpties = 0;
            std::vector<MoveAnalysis> rounds;
            const MoveAnalysis a = AnalyseMoves(analysing, p.Cells, size, p.SideToMove, limits,
                nullptr, [&](const MoveAnalysis& round) { rounds.push_back(round); });
            EXPECT_FALSE(a.Cancelled);
            EXPECT_EQ(a.Depth, 4);
            ASSERT_EQ(rounds.size(), 4u);
            for (std::size_t i = 0; i < rounds.size(); ++i) {
                EXPECT_EQ(rounds[i].Depth, int(i) + 1);
                ExpectWholeAndOrdered(rounds[i], p);
            }
            ExpectWholeAndOrdered(a, p);
            for (const master::MoveValue& v : a.Moves) {
                const GamePosition next = After(p, v.Move);
                if (next.GameOver) {
                    EXPECT_TRUE(v.Exact);
                    EXPECT_EQ(v.Value, 100 * FinalDifference(next, p.SideToMove));
                    continue;
                }
                master::SearchLimits same;
                same.Depth = 4;
                same.Threads = 1;
                same.SolveEmpties = 0;
                reference.NewGame();
                const master::SearchReport r
                    = reference.Search(next.Cells, size, next.SideToMove, same);
                const int sign = next.SideToMove == p.SideToMove ? 1 : -1;
                EXPECT_EQ(v.Value, sign * r.Score)
                    << "size " << size << " move " << SquareName(size, v.Move);
                EXPECT_FALSE(v.Exact);
            }
        }
}

// With a clock the first round always finishes, however busy the machine, and every round
// reported has all moves; the values are those of some finished depth (not checked here, only
// that they agree with the round's own order).
TEST(MoveAnalysis, WithAClockEveryReportedRoundIsWhole)
{
    std::mt19937 rng(12);
    for (const int size : { 8, 10 }) {
        const GamePosition p = RandomPosition(size, 20, rng);
        Engine engine(16, 1);
        AnalysisLimits limits;
        limits.Seconds = 0.05;
        limits.Threads = 1;
        int last = 0;
        const MoveAnalysis a = AnalyseMoves(
            engine, p.Cells, size, p.SideToMove, limits, nullptr, [&](const MoveAnalysis& round) {
                EXPECT_EQ(round.Depth, last + 1);
                last = round.Depth;
                ExpectWholeAndOrdered(round, p);
            });
        EXPECT_GE(a.Depth, 1);
        EXPECT_EQ(a.Depth, last);
        EXPECT_FALSE(a.Cancelled);
        ExpectWholeAndOrdered(a, p);
    }
}

TEST(MoveAnalysis, ExactValuesAreTheSolversOfEachPositionAfter)
{
    std::mt19937 rng(5);
    for (const int empties : { 10, 12, 14 }) {
        const GamePosition p = RandomPositionWithEmpties(8, empties, rng);
        Engine analysing(16, 1), solving(16, 1);
        AnalysisLimits limits;
        limits.Depth = 1;
        limits.Threads = 1;
        limits.ExactFromEmpties = 14;
        const MoveAnalysis a = AnalyseMoves(analysing, p.Cells, 8, p.SideToMove, limits);
        ExpectWholeAndOrdered(a, p);
        for (const master::MoveValue& v : a.Moves) {
            EXPECT_TRUE(v.Exact) << SquareName(8, v.Move);
            const GamePosition next = After(p, v.Move);
            int expected;
            if (next.GameOver) {
                expected = FinalDifference(next, p.SideToMove);
            } else {
                const master::SolveReport s = solving.Solve(next.Cells, 8, next.SideToMove);
                ASSERT_TRUE(s.Complete);
                expected = next.SideToMove == p.SideToMove ? s.Score : -s.Score;
            }
            EXPECT_EQ(v.Value, 100 * expected) << empties << " empties, " << SquareName(8, v.Move);
        }
    }
}

// Hooks and flags of one test, removed again at its end.
struct Hooks {
    ~Hooks()
    {
        master::AnalysisHook = nullptr;
        master::IterationHook = nullptr;
    }
};

TEST(MoveAnalysis, ACancelWhileHeldBetweenRoundsEndsItBeforeTheNext)
{
    Hooks hooks;
    std::mt19937 rng(9);
    const GamePosition p = RandomPosition(8, 8, rng);
    std::mutex lock;
    std::condition_variable changed;
    bool held = false, released = false;
    master::AnalysisHook = [&](int depth, const std::atomic<bool>*) {
        if (depth != 2)
            return;
        std::unique_lock<std::mutex> l(lock);
        held = true;
        changed.notify_all();
        changed.wait(l, [&] { return released; });
    };
    std::atomic<bool> cancel { false };
    std::vector<int> reported;
    MoveAnalysis a;
    Engine engine(16, 1);
    AnalysisLimits unbounded; // no clock, no depth: only the cancel ends it
    unbounded.Threads = 1;
    std::thread t([&] {
        a = AnalyseMoves(engine, p.Cells, 8, p.SideToMove, unbounded, &cancel,
            [&](const MoveAnalysis& round) { reported.push_back(round.Depth); });
    });
    {
        std::unique_lock<std::mutex> l(lock);
        changed.wait(l, [&] { return held; });
        cancel = true;
        released = true;
        changed.notify_all();
    }
    t.join();
    EXPECT_TRUE(a.Cancelled);
    EXPECT_EQ(a.Depth, 2);
    EXPECT_EQ(reported, (std::vector<int> { 1, 2 }));
    ExpectWholeAndOrdered(a, p);
}

TEST(MoveAnalysis, ACancelInsideARoundDropsThatRound)
{
    Hooks hooks;
    std::mt19937 rng(10);
    const GamePosition p = RandomPosition(8, 10, rng);
    std::atomic<bool> cancel { false };
    int rounds = 0, iterationsAfter = 0;
    master::AnalysisHook = [&](int, const std::atomic<bool>*) { ++rounds; };
    // In the third round, the engine's first iteration of its first search sets the flag; no
    // iteration may follow it.
    master::IterationHook = [&](int, const std::atomic<bool>* flag) {
        if (cancel) {
            ++iterationsAfter;
        } else if (rounds == 2) {
            EXPECT_EQ(flag, &cancel);
            cancel = true;
        }
    };
    Engine engine(16, 1);
    AnalysisLimits unbounded;
    unbounded.Threads = 1;
    std::vector<int> reported;
    const MoveAnalysis a = AnalyseMoves(engine, p.Cells, 8, p.SideToMove, unbounded, &cancel,
        [&](const MoveAnalysis& round) { reported.push_back(round.Depth); });
    EXPECT_TRUE(a.Cancelled);
    EXPECT_EQ(a.Depth, 2);
    EXPECT_EQ(reported, (std::vector<int> { 1, 2 }));
    EXPECT_EQ(iterationsAfter, 0) << "the search went on after the cancel";
}

TEST(MoveAnalysis, ASideWithoutAMoveHasNothing)
{
    Engine engine(16, 1);
    // Green has no square here; Yellow has the last two, which the engine solves.
    const Board b = BoardFromPicture(8,
        "YYYYYYYY"
        "YYYYYYYY"
        "YYYYYYYY"
        "YYYYYYYY"
        "YYYYYYYY"
        "YYYYYYGG"
        "YYYYYYG."
        "YYYYYYG.");
    AnalysisLimits limits;
    limits.Depth = 3;
    const MoveAnalysis green = AnalyseMoves(engine, b, 8, SideGreen, limits);
    EXPECT_TRUE(green.Moves.empty());
    EXPECT_EQ(green.Depth, 0);
    const MoveAnalysis yellow = AnalyseMoves(engine, b, 8, SideYellow, limits);
    ASSERT_FALSE(yellow.Moves.empty());
    for (const master::MoveValue& v : yellow.Moves)
        EXPECT_TRUE(v.Exact) << SquareName(8, v.Move);
}

} // namespace
