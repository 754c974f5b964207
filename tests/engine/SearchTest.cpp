// The computer opponent: known choices, the horizon and evaluation rules, agreement node for node
// with the plain byte-board search, determinism and cancellation.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "GameFlow.h"
#include "Board.h"
#include "EngineTestSupport.h"
#include "Evaluation.h"
#include "ReferenceSearch.h"
#include "RoutineTable.h"
#include "Search.h"
#include "SearchGate.h"
#include "SearchThread.h"

namespace {

struct SearchOutcome {
    int Score;
    int Move;
    std::uint64_t Nodes;
};

SearchOutcome FastRoot()
{
    const std::uint64_t before = SearchNodes;
    const int score = Routines.Search(PassMove, Opponent(), SideToMove, 0, -ScoreBound, ScoreBound);
    return { score, BestMoves[0], SearchNodes - before };
}

// Runs one search on the search thread and waits for it, as the window does.
int ThreadedSearch()
{
    StartSearch();
    while (SearchRunning.load(std::memory_order_acquire))
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return BestMoves[0];
}

} // namespace

TEST(Search, StartPositionChoicesAtLowLevels)
{
    AdvancedEngine = false;
    for (int level = 1; level <= 5; ++level) {
        Level = level;
        BoardSize = 8;
        NewGame();
        EXPECT_EQ(ThreadedSearch(), 53) << "8 x 8, level " << level;
        BoardSize = 10;
        NewGame();
        EXPECT_EQ(ThreadedSearch(), 54) << "10 x 10, level " << level;
    }
}

TEST(Search, LevelOneScoresTheStartMovesByWeights)
{
    AdvancedEngine = false;
    Level = 1;
    for (int size : { 8, 10 }) {
        BoardSize = size;
        NewGame();
        const int expected = size == 8 ? 4 : -1;
        for (int sq : LegalSquares(SideYellow)) {
            // The score of Search at the horizon is EvalPosition after the move, for the mover.
            BoardStack[1] = BoardStack[0];
            EXPECT_EQ(
                Routines.Search(sq, SideYellow, SideGreen, 1, -ScoreBound, ScoreBound), expected);
        }
        // The root returns the best child's score negated back to the side that "moved" before it.
        EXPECT_EQ(FastRoot().Score, -expected);
    }
}

TEST(Search, NoLegalSquareGivesPassWithoutExploring)
{
    // Green to move with nothing to play; Yellow can still move.
    SetBoard(8, GreenStuckPosition);
    SideToMove = SideGreen;
    Level = 5;
    const SearchOutcome r = FastRoot();
    EXPECT_EQ(r.Move, PassMove);
    EXPECT_EQ(r.Nodes, 1u);
    EXPECT_EQ(ThreadedSearch(), PassMove);
}

TEST(Search, WipingOutTheOpponentScoresTheWinBonusAtTheHorizon)
{
    SetBoard(8,
        {
            "YG......",
            "........",
            "........",
            "........",
            "........",
            "........",
            "........",
            "........",
        });
    BoardStack[1] = BoardStack[0];
    Level = 1;
    EXPECT_EQ(
        Routines.Search(SquareIndex(8, 2, 0), SideYellow, SideGreen, 1, -ScoreBound, ScoreBound),
        WinBonus);
    // Before the move: A1 is taken, so its C square B1 weighs 12.
    EXPECT_EQ(Routines.EvalPosition(BoardStack[0], SideYellow, SideGreen), 99 - 12);
}

TEST(Search, CornerAndEdgeWeightsFollowTheirOwnCorner)
{
    // All corners empty: C squares weigh -8, X squares -24.
    SetBoard(8,
        {
            ".Y......",
            "GY......",
            "........",
            "...YG...",
            "...GY...",
            "........",
            "........",
            "........",
        });
    EXPECT_EQ(Routines.EvalPosition(BoardStack[0], SideYellow, SideGreen),
        (-8 - 24 + 0 + 0) - (-8 + 0 + 0));
    // Taking the bottom right corner switches tables: only that corner's C/X squares weigh 12
    // and 8.
    BoardStack[0][88] = CellGreen;
    BoardStack[0][77] = CellYellow; // X of the taken corner
    // Yellow: B1 (-8), B2 (-24), D4 (1), E5 (1), G7 (8). Green: A2 (-8), E4 (1), D5 (1), H8 (99).
    EXPECT_EQ(Routines.EvalPosition(BoardStack[0], SideYellow, SideGreen),
        (-8 - 24 + 1 + 1 + 8) - (-8 + 1 + 1 + 99));

    // 10 x 10, the asymmetric row: row 9 columns 4..7 weigh -3 -2 -2 -3 once a corner is taken.
    SetBoard(10,
        {
            "Y.........",
            "..........",
            "..........",
            "..........",
            "....YG....",
            "....GY....",
            "..........",
            "..........",
            "...YYYY...",
            "..........",
        });
    EXPECT_EQ(Routines.EvalPosition(BoardStack[0], SideYellow, SideGreen),
        (99 + 1 + 1 - 3 - 2 - 2 - 3) - (1 + 1));
}

TEST(Search, FinishedLinesScoreByDiscsAndTheAdvancedMobilityTerm)
{
    SetBoard(8,
        {
            "YYYYYYYY",
            "YYYYYYYY",
            "YYYYYYYY",
            "YYYYYYYY",
            "GGGGGGGG",
            "GGGGGGGG",
            "GGGGGGGG",
            "GGGGGGGG",
        });
    AdvancedEngine = false;
    EXPECT_EQ(Routines.EvalFinal(BoardStack[0], SideYellow, SideGreen), 0);
    AdvancedEngine = true;
    EXPECT_EQ(Routines.EvalFinal(BoardStack[0], SideYellow, SideGreen), -78);
    BoardStack[0][11] = CellGreen;
    BoardStack[0][12] = CellGreen;
    AdvancedEngine = false;
    EXPECT_EQ(Routines.EvalFinal(BoardStack[0], SideGreen, SideYellow), WinBonus + 4);
    EXPECT_EQ(Routines.EvalFinal(BoardStack[0], SideYellow, SideGreen), -WinBonus - 4);
    AdvancedEngine = true;
    EXPECT_EQ(Routines.EvalFinal(BoardStack[0], SideGreen, SideYellow), WinBonus + 4 - 78);

    std::vector<std::string> halves(5, "YYYYYYYYYY");
    halves.resize(10, "GGGGGGGGGG");
    SetBoard(10, halves);
    EXPECT_EQ(Routines.EvalFinal(BoardStack[0], SideYellow, SideGreen), -118);

    // With moves left, the advanced term counts own legal squares: 2 x M - 78.
    BoardSize = 8;
    NewGame();
    EXPECT_EQ(Routines.EvalFinal(BoardStack[0], SideYellow, SideGreen), 2 * 4 - 78);
    AdvancedEngine = false;
}

TEST(Search, HorizonAfterAPassIsScoredByDiscCount)
{
    // Yellow passed at the horizon: the line is scored as finished even though Green could move.
    SetBoard(8, GreenStuckPosition);
    BoardStack[2] = BoardStack[0];
    Level = 2;
    AdvancedEngine = false;
    EXPECT_EQ(Routines.Search(PassMove, SideGreen, SideYellow, 2, -ScoreBound, ScoreBound),
        -WinBonus - 54);
}

// The fast search must be the byte-board search: same score, same choice, same node count, for
// random positions of both sizes, both engines, many levels and windows.
TEST(Search, AgreesNodeForNodeWithTheByteBoardSearch)
{
    std::mt19937 rng(20261207);
    int compared = 0;
    for (int round = 0; round < 120; ++round) {
        const int size = round % 2 ? 10 : 8;
        const int plies = int(rng() % (size == 8 ? 58 : 92));
        PlayRandomGame(size, plies, rng);
        const int maxLevel = size == 8 ? (plies > 40 ? 7 : 5) : (plies > 80 ? 6 : 4);
        for (int level = 1; level <= maxLevel; ++level) {
            Level = level;
            AdvancedEngine = (round / 2 + level) % 2 == 1;
            const SearchOutcome fast = FastRoot();
            const ReferenceResult ref = ReferenceSearchRoot(size);
            ASSERT_EQ(fast.Score, ref.Score) << "round " << round << " level " << level;
            ASSERT_EQ(fast.Move, ref.BestMove) << "round " << round << " level " << level;
            ASSERT_EQ(fast.Nodes, ref.Nodes) << "round " << round << " level " << level;
            ++compared;

            // A narrow window cuts off differently; it must still agree.
            const int alpha = int(rng() % 60) - 30;
            const SearchOutcome before { 0, 0, SearchNodes };
            const int narrow
                = Routines.Search(PassMove, Opponent(), SideToMove, 0, alpha, alpha + 5);
            const ReferenceResult refNarrow
                = ReferenceSearchNode(size, PassMove, Opponent(), SideToMove, 0, alpha, alpha + 5);
            ASSERT_EQ(narrow, refNarrow.Score);
            ASSERT_EQ(SearchNodes - before.Nodes, refNarrow.Nodes);
        }
    }
    EXPECT_GT(compared, 400);
    AdvancedEngine = false;
}

TEST(Search, SamePositionSameChoice)
{
    std::mt19937 rng(7);
    PlayRandomGame(10, 30, rng);
    Level = 5;
    const SearchOutcome first = FastRoot();
    const SearchOutcome second = FastRoot();
    EXPECT_EQ(first.Move, second.Move);
    EXPECT_EQ(first.Nodes, second.Nodes);
    EXPECT_EQ(ThreadedSearch(), first.Move);
}

TEST(Search, ATerminationRequestStopsEveryNodeAtOnce)
{
    std::mt19937 rng(3);
    PlayRandomGame(8, 20, rng);
    Level = 9;
    const std::atomic<bool> stop { true };
    SearchCancelRequest = &stop;
    const SearchOutcome r = FastRoot();
    SearchCancelRequest = nullptr;
    EXPECT_EQ(r.Score, 0);
    EXPECT_EQ(r.Nodes, 1u); // the root sees the request before its first candidate
}

TEST(Search, CancelledThreadEndsAndClearsTheFlag)
{
    // A middle-game position whose level-9 tree takes millions of nodes.
    std::mt19937 rng(11);
    PlayRandomGame(10, 30, rng);
    Level = 9;
    {
        // Held at its start, the search sees the cancel request at its first candidate square:
        // only the root is entered, however busy the machine is.
        SearchGate gate;
        const std::uint64_t before = SearchNodes;
        StartSearch();
        EXPECT_TRUE(SearchRunning.load());
        while (!gate.Holding())
            std::this_thread::yield();
        CancelSearch();
        EXPECT_FALSE(SearchRunning.load(std::memory_order_acquire));
        EXPECT_TRUE(SearchThread->Terminated());
        EXPECT_EQ(SearchNodes - before, 1u);
    }
    // Cancelled somewhere in the middle of its tree, it ends too and clears its flag.
    StartSearch();
    CancelSearch();
    EXPECT_FALSE(SearchRunning.load(std::memory_order_acquire));
    EXPECT_TRUE(SearchThread->Terminated());

    // A stop request with nothing running is harmless, and the next search works normally.
    RequestSearchStop();
    BoardSize = 8;
    NewGame();
    Level = 3;
    EXPECT_EQ(ThreadedSearch(), 53);
}
