// The rounds of the move analysis over the engine's public search.
#include "master/MoveAnalysis.h"

#include <algorithm>
#include <chrono>

#include "GamePosition.h"
#include "RoutineTable.h"

namespace master {

std::function<void(int depth, const std::atomic<bool>* cancel)> AnalysisHook;

namespace {

    using Clock = std::chrono::steady_clock;

    int Other(int side) { return side == SideYellow ? SideGreen : SideYellow; }

    std::vector<int> LegalMoves(const Board& board, int size, int side)
    {
        const RoutineTable& rules = RoutinesFor(size);
        std::vector<int> moves;
        for (int square = 0; square < BoardCells; ++square)
            if (IsPlayableSquare(size, square) && board[square] == CellEmpty
                && rules.IsLegalMove(board, square, side, Other(side)))
                moves.push_back(square);
        return moves;
    }

    int Empties(const Board& board, int size)
    {
        int n = 0;
        for (int square = 0; square < BoardCells; ++square)
            n += IsPlayableSquare(size, square) && board[square] == CellEmpty;
        return n;
    }

    // A move's state across the rounds: the position the engine searches, whose score counts for
    // the analysed side with Sign.
    struct Candidate {
        MoveValue Value;
        Board Position {};
        int ToMove = 0; // 0: the game is over there
        int Sign = -1;
        int Empties = 0;
    };

    int FinalDifference(const Board& board, int size, int side, Scoring rule)
    {
        int own = 0, opp = 0;
        for (int square = 0; square < BoardCells; ++square)
            if (IsPlayableSquare(size, square)) {
                own += board[square] == side;
                opp += board[square] == Other(side);
            }
        const int d = own - opp, empty = size * size - own - opp;
        if (rule == Scoring::EmptiesToWinner && d != 0)
            return d > 0 ? d + empty : d - empty;
        return d;
    }

    // The position after move, and who moves there. With a clock the engine answers a position
    // of one legal move at once and without a score, so forced moves are played on here until
    // there is a choice or the game ends.
    Candidate After(const Board& board, int size, int side, int move, bool forcedOn, Scoring rule)
    {
        const RoutineTable& rules = RoutinesFor(size);
        Candidate c;
        c.Value.Move = move;
        c.Position = board;
        rules.MakeMove(c.Position, move, side, Other(side));
        int mover = side;
        for (;;) {
            c.ToMove = SideDue(size, c.Position, Other(mover));
            if (c.ToMove == 0)
                break;
            c.Sign = c.ToMove == side ? 1 : -1;
            if (!forcedOn)
                break;
            const std::vector<int> replies = LegalMoves(c.Position, size, c.ToMove);
            if (replies.size() != 1)
                break;
            rules.MakeMove(c.Position, replies[0], c.ToMove, Other(c.ToMove));
            mover = c.ToMove;
        }
        c.Empties = Empties(c.Position, size);
        if (c.ToMove == 0) {
            c.Value.Value = 100 * FinalDifference(c.Position, size, side, rule);
            c.Value.Exact = true;
        }
        return c;
    }

    double Since(Clock::time_point start)
    {
        return std::chrono::duration<double>(Clock::now() - start).count();
    }

} // namespace

MoveAnalysis AnalyseMoves(Engine& engine, const Board& board, int size, int side,
    const AnalysisLimits& limits, const std::atomic<bool>* cancel, const AnalysisCallback& onRound)
{
    const Clock::time_point start = Clock::now();
    const bool clock = limits.Seconds > 0;
    MoveAnalysis out;
    std::vector<Candidate> candidates;
    for (const int move : LegalMoves(board, size, side))
        candidates.push_back(After(board, size, side, move, clock, limits.Rule));
    if (candidates.empty())
        return out;
    const int solveEmpties = limits.ExactFromEmpties < 0 ? -1
        : limits.ExactFromEmpties == 0                   ? 0
                                                         : std::max(0, limits.ExactFromEmpties - 1);
    const int empties = Empties(board, size);
    const auto cancelled = [&] { return cancel && cancel->load(std::memory_order_relaxed); };

    for (int depth = 1;; ++depth) {
        bool whole = true;
        for (Candidate& c : candidates) {
            if (c.Value.Exact)
                continue;
            if (cancelled()) {
                whole = false;
                break;
            }
            SearchLimits child;
            child.Depth = depth;
            child.SolveEmpties = solveEmpties;
            child.Threads = limits.Threads;
            child.Rule = limits.Rule;
            // The first round runs without the clock, so that there is always an answer; it
            // leaves solving to the later rounds, which the clock can stop.
            if (clock && depth == 1)
                child.SolveEmpties = 0;
            if (clock && depth > 1) {
                child.Seconds = limits.Seconds - Since(start);
                if (child.Seconds <= 0) {
                    whole = false;
                    break;
                }
            }
            const Clock::time_point childStart = Clock::now();
            const SearchReport r = engine.Search(c.Position, size, c.ToMove, child, cancel);
            out.Nodes += r.Nodes;
            // A search the clock may have stopped gives a score of a shallower depth: the engine
            // stops its threads at 93 % of the budget, so anything near it is not trusted.
            const bool clockStop = child.Seconds > 0 && Since(childStart) >= 0.9 * child.Seconds;
            const bool deepEnough
                = r.Solution == Solved::Exact || r.Depth >= std::min(depth, c.Empties);
            if (r.Cancelled || clockStop || !deepEnough) {
                whole = false;
                break;
            }
            c.Value.Value = c.Sign * r.Score;
            c.Value.Exact = r.Solution == Solved::Exact;
        }
        if (!whole)
            break;
        out.Depth = depth;
        out.Moves.clear();
        for (const Candidate& c : candidates)
            out.Moves.push_back(c.Value);
        std::stable_sort(out.Moves.begin(), out.Moves.end(),
            [](const MoveValue& a, const MoveValue& b) { return a.Value > b.Value; });
        out.Seconds = Since(start);
        if (onRound)
            onRound(out);
        if (AnalysisHook)
            AnalysisHook(depth, cancel);
        const bool allExact = std::all_of(
            candidates.begin(), candidates.end(), [](const Candidate& c) { return c.Value.Exact; });
        if (allExact || (limits.Depth > 0 && depth >= limits.Depth) || depth >= empties)
            break;
        if (clock && Since(start) >= limits.Seconds)
            break;
    }
    out.Cancelled = cancelled();
    out.Seconds = Since(start);
    return out;
}

} // namespace master
