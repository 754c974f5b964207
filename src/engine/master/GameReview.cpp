// The review of a game: the move analysis of each position before a move, and its verdicts.
#include "master/GameReview.h"

#include <cstdio>
#include <cstdlib>

#include "GamePosition.h"
#include "RoutineTable.h"

namespace master {

namespace {

    const char* SideName(int side) { return side == SideYellow ? "Yellow" : "Green"; }

    int DefaultExactEmpties(int size) { return size == 8 ? 20 : 16; }

    std::string VerdictText(Verdict v)
    {
        return v == Verdict::Blunder ? " (blunder)" : v == Verdict::Mistake ? " (mistake)" : "";
    }

    std::string Plural(int n, const char* word)
    {
        return std::to_string(n) + ' ' + word + (n == 1 ? "" : "s");
    }

} // namespace

Verdict VerdictOf(int loss)
{
    return loss >= BlunderLoss ? Verdict::Blunder
        : loss >= MistakeLoss  ? Verdict::Mistake
                               : Verdict::Fine;
}

GameReview ReviewGame(Engine& engine, const WrittenGame& game, const ReviewLimits& limits,
    const std::atomic<bool>* cancel, const ReviewProgress& progress)
{
    const int size = game.Start.Size;
    const int exactFrom
        = limits.ExactFromEmpties < 0 ? DefaultExactEmpties(size) : limits.ExactFromEmpties;
    GameReview review;
    review.Size = size;
    const int total = int(game.Record.Entries.size());
    for (int i = 0; i < total; ++i) {
        const TTrackerEntry& e = game.Record.Entries[i];
        GamePosition before = PositionToMove(size, e.Before, e.MoverSide);
        AnalysisLimits analysis;
        analysis.Threads = limits.Threads;
        if (exactFrom > 0 && before.Empties <= exactFrom) {
            // One round that solves every move, however long it takes.
            analysis.Depth = 1;
            analysis.ExactFromEmpties = exactFrom;
        } else {
            analysis.Seconds = limits.SecondsPerMove;
            analysis.ExactFromEmpties = 0;
        }
        const MoveAnalysis values
            = AnalyseMoves(engine, e.Before, size, e.MoverSide, analysis, cancel);
        if (values.Cancelled || values.Moves.empty()) {
            review.Cancelled = true;
            break;
        }
        ReviewedMove m;
        m.Number = i + 1;
        m.Side = e.MoverSide;
        m.Square = e.Move;
        m.Empties = before.Empties;
        const MoveValue& best = values.Moves.front();
        m.BestSquare = best.Move;
        m.BestValue = best.Value;
        m.BestExact = best.Exact;
        for (const MoveValue& v : values.Moves)
            if (v.Move == e.Move) {
                m.Value = v.Value;
                m.Exact = v.Exact;
            }
        // The played move is one of those valued, so it never beats the best; a tie with it is
        // named as the best.
        if (m.Value >= m.BestValue) {
            m.BestSquare = m.Square;
            m.BestValue = m.Value;
            m.BestExact = m.Exact;
        }
        m.Loss = m.BestValue - m.Value;
        m.Judged = VerdictOf(m.Loss);
        SideSummary& s = m.Side == SideYellow ? review.Yellow : review.Green;
        ++s.Moves;
        s.Mistakes += m.Judged == Verdict::Mistake;
        s.Blunders += m.Judged == Verdict::Blunder;
        s.TotalLoss += m.Loss;
        review.Moves.push_back(m);
        if (progress)
            progress(i + 1, total, m);
    }
    return review;
}

std::string ReviewLossText(const ReviewedMove& m)
{
    char text[32];
    if (m.Exact && m.BestExact)
        std::snprintf(text, sizeof text, "%d", m.Loss / 100);
    else
        std::snprintf(text, sizeof text, "%.2f", m.Loss / 100.0);
    return text;
}

std::string ReviewValueText(int value, bool exact, bool marked)
{
    char text[32];
    if (exact)
        std::snprintf(text, sizeof text, "%+d%s", value / 100, marked ? " exact" : "");
    else
        std::snprintf(text, sizeof text, "%+.2f", value / 100.0);
    return text;
}

std::string ReviewLine(const ReviewedMove& m, int size)
{
    return "move " + std::to_string(m.Number) + ": " + SideName(m.Side) + ' '
        + SquareName(size, m.Square) + ' ' + ReviewValueText(m.Value, m.Exact) + ", best "
        + SquareName(size, m.BestSquare) + ' ' + ReviewValueText(m.BestValue, m.BestExact)
        + ", loses " + ReviewLossText(m) + VerdictText(m.Judged);
}

std::string SummaryLine(int side, const SideSummary& s)
{
    char average[32];
    std::snprintf(average, sizeof average, "%.2f", s.AverageLoss());
    return std::string(SideName(side)) + ": " + Plural(s.Moves, "move") + ", "
        + Plural(s.Mistakes, "mistake") + ", " + Plural(s.Blunders, "blunder") + ", average loss "
        + average;
}

std::vector<std::string> ReviewComments(const GameReview& review, const WrittenGame& game)
{
    std::vector<std::string> comments(game.Record.Entries.size());
    for (const ReviewedMove& m : review.Moves)
        if (m.Number >= 1 && std::size_t(m.Number) <= comments.size())
            comments[m.Number - 1] = ReviewValueText(m.Value, m.Exact) + ", best "
                + SquareName(review.Size, m.BestSquare) + ' '
                + ReviewValueText(m.BestValue, m.BestExact) + ", loses " + ReviewLossText(m)
                + VerdictText(m.Judged);
    return comments;
}

} // namespace master
