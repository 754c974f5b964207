// The game review: an endgame reviewed exactly agrees with the solver move by move, the verdicts
// and summaries follow the losses, and a cancelled review keeps what it had done.
#include <gtest/gtest.h>

#include <algorithm>

#include "GameFlow.h"
#include "MasterTestSupport.h"
#include "Notation.h"
#include "RoutineTable.h"
#include "master/GameReview.h"

namespace {

using master::Engine;
using master::GameReview;
using master::ReviewedMove;

// A game from a set-up position with `empties` empty squares, played to its end at random.
WrittenGame RandomEndgame(int empties, std::mt19937& rng)
{
    const GamePosition start = RandomPositionWithEmpties(8, empties, rng);
    const RoutineTable& r = RoutinesFor(8);
    std::vector<int> moves;
    GamePosition p = start;
    while (!p.GameOver) {
        std::vector<int> legal;
        for (int sq = 0; sq < BoardCells; ++sq)
            if (IsPlayableSquare(8, sq) && p.Cells[sq] == CellEmpty
                && r.IsLegalMove(p.Cells, sq, p.SideToMove, OtherSide(p.SideToMove)))
                legal.push_back(sq);
        const int move = legal[rng() % legal.size()];
        moves.push_back(move);
        Board b = p.Cells;
        r.MakeMove(b, move, p.SideToMove, OtherSide(p.SideToMove));
        p = PositionWithTurn(8, b, p.SideToMove);
    }
    Result<WrittenGame> game = ReplayMoves(start, moves);
    EXPECT_TRUE(game);
    return std::move(game).Value();
}

// The exact value of move for side on board: the solver's of the position after it.
int SolvedValue(Engine& solver, const Board& board, int side, int move)
{
    Board b = board;
    RoutinesFor(8).MakeMove(b, move, side, OtherSide(side));
    const GamePosition next = PositionWithTurn(8, b, side);
    if (next.GameOver) {
        const PositionScan end = ScanPosition(8, b);
        return side == SideYellow ? end.Yellow - end.Green : end.Green - end.Yellow;
    }
    const master::SolveReport s = solver.Solve(b, 8, next.SideToMove);
    EXPECT_TRUE(s.Complete);
    return next.SideToMove == side ? s.Score : -s.Score;
}

TEST(GameReview, AnEndgameReviewedExactlyIsTheSolversMoveByMove)
{
    std::mt19937 rng(33);
    const WrittenGame game = RandomEndgame(16, rng);
    Engine reviewing(16, 1), solver(16, 1);
    master::ReviewLimits limits;
    limits.Threads = 1;
    limits.ExactFromEmpties = 20;
    int progressCalls = 0;
    const GameReview review = master::ReviewGame(
        reviewing, game, limits, nullptr, [&](int done, int total, const ReviewedMove& m) {
            ++progressCalls;
            EXPECT_EQ(done, m.Number);
            EXPECT_EQ(total, int(game.Record.Entries.size()));
        });
    ASSERT_FALSE(review.Cancelled);
    ASSERT_EQ(review.Moves.size(), game.Record.Entries.size());
    EXPECT_EQ(progressCalls, int(review.Moves.size()));
    master::SideSummary yellow, green;
    for (std::size_t i = 0; i < review.Moves.size(); ++i) {
        const ReviewedMove& m = review.Moves[i];
        const TTrackerEntry& e = game.Record.Entries[i];
        EXPECT_EQ(m.Number, int(i) + 1);
        EXPECT_EQ(m.Side, e.MoverSide);
        EXPECT_EQ(m.Square, e.Move);
        EXPECT_TRUE(m.Exact && m.BestExact) << "move " << m.Number;
        EXPECT_EQ(m.Value, 100 * SolvedValue(solver, e.Before, e.MoverSide, e.Move))
            << "move " << m.Number;
        int best = -1000;
        for (int sq = 0; sq < BoardCells; ++sq)
            if (IsPlayableSquare(8, sq) && e.Before[sq] == CellEmpty
                && RoutinesFor(8).IsLegalMove(e.Before, sq, e.MoverSide, OtherSide(e.MoverSide)))
                best = std::max(best, SolvedValue(solver, e.Before, e.MoverSide, sq));
        EXPECT_EQ(m.BestValue, 100 * best) << "move " << m.Number;
        EXPECT_EQ(m.BestValue, 100 * SolvedValue(solver, e.Before, e.MoverSide, m.BestSquare));
        EXPECT_EQ(m.Loss, m.BestValue - m.Value);
        EXPECT_GE(m.Loss, 0);
        // Four discs make a mistake, ten a blunder.
        const master::Verdict expected = m.Loss >= 1000 ? master::Verdict::Blunder
            : m.Loss >= 400                             ? master::Verdict::Mistake
                                                        : master::Verdict::Fine;
        EXPECT_EQ(m.Judged, expected);
        master::SideSummary& s = m.Side == SideYellow ? yellow : green;
        ++s.Moves;
        s.Mistakes += expected == master::Verdict::Mistake;
        s.Blunders += expected == master::Verdict::Blunder;
        s.TotalLoss += m.Loss;
    }
    for (const auto& [got, want] :
        { std::pair { review.Yellow, yellow }, std::pair { review.Green, green } }) {
        EXPECT_EQ(got.Moves, want.Moves);
        EXPECT_EQ(got.Mistakes, want.Mistakes);
        EXPECT_EQ(got.Blunders, want.Blunders);
        EXPECT_EQ(got.TotalLoss, want.TotalLoss);
    }
    // A random game has losses: the review is not trivially all best moves.
    EXPECT_GT(yellow.TotalLoss + green.TotalLoss, 0);
}

TEST(GameReview, ACancelledReviewKeepsTheMovesDone)
{
    std::mt19937 rng(4);
    const WrittenGame game = RandomEndgame(14, rng);
    ASSERT_GT(game.Record.Entries.size(), 3u);
    Engine engine(16, 1);
    std::atomic<bool> cancel { false };
    master::ReviewLimits limits;
    limits.Threads = 1;
    const GameReview review = master::ReviewGame(
        engine, game, limits, &cancel, [&](int done, int, const ReviewedMove&) {
            if (done == 2)
                cancel = true;
        });
    EXPECT_TRUE(review.Cancelled);
    ASSERT_EQ(review.Moves.size(), 2u);
    EXPECT_EQ(review.Yellow.Moves + review.Green.Moves, 2);
}

TEST(GameReview, LinesAndCommentsSayTheValuesAsDiscs)
{
    ReviewedMove m;
    m.Number = 12;
    m.Side = SideGreen;
    m.Square = SquareFromName(8, "c4");
    m.Value = -235;
    m.BestSquare = SquareFromName(8, "d3");
    m.BestValue = 225;
    m.Loss = 460;
    m.Judged = master::Verdict::Mistake;
    EXPECT_EQ(
        master::ReviewLine(m, 8), "move 12: Green C4 -2.35, best D3 +2.25, loses 4.60 (mistake)");
    m.Exact = m.BestExact = true;
    m.Value = -1200;
    m.BestValue = 0;
    m.Loss = 1200;
    m.Judged = master::Verdict::Blunder;
    EXPECT_EQ(master::ReviewLine(m, 8),
        "move 12: Green C4 -12 exact, best D3 +0 exact, loses 12 (blunder)");
    master::SideSummary s;
    s.Moves = 3;
    s.Mistakes = 1;
    s.Blunders = 0;
    s.TotalLoss = 500;
    EXPECT_EQ(master::SummaryLine(SideYellow, s),
        "Yellow: 3 moves, 1 mistake, 0 blunders, average loss 1.67");
}

} // namespace
