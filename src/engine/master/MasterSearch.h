// One search thread of the master engine: principal-variation search over bit sets with the shared
// transposition table, and the exact endgame solver. Scores are centidiscs in the midgame and
// discs in the solver, always for the side to move. MasterEngine.cpp drives it.
#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <vector>

#include "MasterBits.h"
#include "MasterEval.h"
#include "MasterTable.h"
#include "PatternEval.h"

namespace master {

using Clock = std::chrono::steady_clock;

// Why a search thread stops before it is done, shared by the threads of one search.
struct StopSignal {
    const std::atomic<bool>* Cancel = nullptr; // the caller's request, for the first thread only
    std::atomic<bool> Stop { false }; // set by whichever thread saw a reason first
    bool HasDeadline = false;
    Clock::time_point Deadline {};
    std::uint64_t NodeLimit = 0; // of the first thread; 0: none
};

constexpr int Infinity = 32000;
constexpr int DiscScale = 100; // centidiscs per disc
// Added to the disc difference of a finished game in the midgame search: a certain win is worth
// more than any estimate of one, and a certain loss (a wipe-out, say) is feared more than any
// estimated loss. Estimates stay below it.
constexpr int DecidedBonus = 10000;

template <int N> class SearchCore {
public:
    using G = Geo<N>;
    using BB = typename G::BB;
    static constexpr int MaxScore = N * N; // in discs
    static constexpr int NoBit = TableEntry::NoMove;

    SearchCore(TransTable& table, StopSignal& stop)
        : Table(table)
        , Signal(stop)
    {
    }

    // One pattern reading a ply of the midgame search: a line has at most a move a square and a
    // pass before each move.
    std::vector<PatternReading> Readings = std::vector<PatternReading>(2 * G::Squares + 2);

    std::uint64_t Nodes = 0;
    std::uint64_t NextPoll = 1024;
    bool Stopped = false;
    // Perturbs the order of equally scored moves, so that helper threads go different ways.
    unsigned Variation = 0;
    // Whether this thread reads the caller's cancel flag (the other threads follow Stop).
    bool WatchesCancel = true;
    // Scores a game that ends early as published endgame problems do: the empty squares go to
    // the winner. Positions are then keyed apart in the table, whose other entries count discs.
    bool EmptiesToWinner = false;
    // Leaves are scored by the classic evaluation instead of the patterns (for comparisons).
    bool ClassicEval = false;
    // How sure the solver's results must be: Certain for exact ones, or a level of
    // SelectiveSigmas, under which lines a shallow search judges far outside the window are cut.
    int Certainty = TableEntry::Certain;

    // ---------------------------------------------------------------- midgame

    // The score of a leaf. A side without discs has lost, whatever the features would say of a
    // board that empty (and a leaf is where such lines of forced moves end).
    template <class Estimate> static int LeafScore(BB own, BB opp, Estimate estimate)
    {
        if (!opp)
            return Decided(G::Count(own));
        if (!own)
            return Decided(-G::Count(opp));
        return std::clamp(estimate(), -DecidedBonus + 1, DecidedBonus - 1);
    }
    static int Evaluate(BB own, BB opp, bool classic = false)
    {
        return LeafScore(own, opp, [&] {
            return classic ? Evaluator<N>::Evaluate(own, opp)
                           : PatternEvaluator<N>::Evaluate(own, opp);
        });
    }
    // The same by the patterns, from the position's reading.
    static int Evaluate(BB own, BB opp, const PatternConfigs& mover)
    {
        return LeafScore(own, opp, [&] { return PatternEvaluator<N>::Evaluate(own, opp, mover); });
    }

    // The final score of a finished game for own: the disc difference, and under the published
    // problems' rule the empty squares for the winner as well.
    int FinalDiscs(BB own, BB opp) const
    {
        const int d = G::Count(own) - G::Count(opp);
        if (!EmptiesToWinner || d == 0)
            return d;
        const int empty = G::Squares - G::Count(own | opp);
        return d > 0 ? d + empty : d - empty;
    }

    // Narrows (alpha, beta) to the scores a position can have, -best to best: beyond them there is
    // nothing to cut off on, and a window past a wipe-out (-65 to -63 around -64, say) would make
    // the side that wipes out search every move to the end. Clipped, a result at -best or best is
    // still exact for the caller's window. False when nothing possible lies inside: a score
    // of best (at most) is then below alpha, or -best above beta.
    static bool ClipWindow(int& alpha, int& beta, int best)
    {
        alpha = std::max(alpha, -best);
        beta = std::min(beta, best);
        return alpha < best && beta > -best;
    }

    // The midgame score of a finished game (or of an exact result) with this disc difference.
    static constexpr int Decided(int discs)
    {
        return discs * DiscScale + (discs > 0 ? DecidedBonus : discs < 0 ? -DecidedBonus : 0);
    }
    // A midgame score as centidiscs of final disc difference, without the bonus.
    static int Centidiscs(int score)
    {
        return score >= DecidedBonus ? score - DecidedBonus
            : score <= -DecidedBonus ? score + DecidedBonus
                                     : score;
    }

    // Negamax principal-variation search to depth plies (a pass takes none).
    int Mid(BB own, BB opp, int depth, int alpha, int beta)
    {
        if (ClassicEval)
            return MidFrom(own, opp, depth, alpha, beta, false, nullptr);
        PatternEvaluator<N>::Read(own, opp, Readings[0]);
        return MidFrom(own, opp, depth, alpha, beta, false, Readings.data());
    }

    // Mid with the pattern reading of the position (nullptr for the classic evaluation), which
    // each move carries on to the next slot of Readings.
    int MidFrom(BB own, BB opp, int depth, int alpha, int beta, bool passed, PatternReading* read)
    {
        constexpr int Best = Decided(MaxScore);
        if (!ClipWindow(alpha, beta, Best))
            return alpha >= Best ? Best : -Best;
        CountAndPoll();
        if (Stopped)
            return 0;
        if (depth <= 0)
            return read ? Evaluate(own, opp, read->Mover) : Evaluate(own, opp, ClassicEval);
        const BB moves = G::Moves(own, opp);
        PatternReading* next = read ? read + 1 : nullptr;
        if (!moves) {
            if (passed || !G::Moves(opp, own))
                return Decided(FinalDiscs(own, opp));
            if (read) {
                next->Mover = read->Other;
                next->Other = read->Mover;
            }
            return -MidFrom(opp, own, depth, -beta, -alpha, true, next);
        }

        // Next to the leaves the table costs more (a cache miss) than it saves.
        const bool useTable = depth >= TableDepth;
        const std::uint64_t key = useTable ? Key(own, opp) : 0;
        int ttMove = NoBit;
        TableEntry e;
        if (useTable && Table.Probe(key, e)) {
            ttMove = e.Move;
            // A guess of the solver's is no result to the midgame search.
            if (e.Endgame ? e.Certainty == TableEntry::Certain : e.Depth >= depth) {
                const int s = e.Endgame ? Decided(e.Score) : e.Score;
                if (e.Kind == Bound::Exact)
                    return s;
                if (e.Kind == Bound::Lower && s >= beta)
                    return s;
                if (e.Kind == Bound::Upper && s <= alpha)
                    return s;
            }
        }

        MoveList list;
        Generate(own, opp, moves, ttMove, depth >= 3, list);
        const int alpha0 = alpha;
        int best = -Infinity, bestBit = NoBit;
        for (int i = 0; i < list.Count; ++i) {
            Move& m = list.Pick(i);
            if (!m.Flips)
                m.Flips = G::Flips(m.Bit, own, opp);
            const BB nOwn = own | m.Flips | G::One(m.Bit), nOpp = opp & ~m.Flips;
            if (read)
                PatternEvaluator<N>::Played(*read, m.Bit, m.Flips, *next);
            int v;
            if (i == 0) {
                v = -MidFrom(nOpp, nOwn, depth - 1, -beta, -alpha, false, next);
            } else {
                v = -MidFrom(nOpp, nOwn, depth - 1, -alpha - 1, -alpha, false, next);
                if (v > alpha && v < beta && !Stopped)
                    v = -MidFrom(nOpp, nOwn, depth - 1, -beta, -alpha, false, next);
            }
            if (Stopped)
                return 0;
            if (v > best) {
                best = v;
                bestBit = m.Bit;
                if (v > alpha) {
                    alpha = v;
                    if (v >= beta)
                        break;
                }
            }
        }
        if (useTable)
            Store(key, best, alpha0, beta, depth, bestBit, false);
        return best;
    }

    // ---------------------------------------------------------------- endgame

    // The exact final disc difference for own to move, searched with the window (alpha, beta):
    // below alpha or above beta the result is a bound in that direction.
    int Solve(BB own, BB opp, int alpha, int beta)
    {
        const int empties = G::Squares - G::Count(own | opp);
        return SolveDeep(own, opp, alpha, beta, empties, false);
    }

    int SolveDeep(BB own, BB opp, int alpha, int beta, int empties, bool passed)
    {
        if (!ClipWindow(alpha, beta, MaxScore))
            return alpha >= MaxScore ? MaxScore : -MaxScore;
        if (empties <= MidSolveEmpties)
            return SolveMid(own, opp, alpha, beta, empties, passed);
        CountAndPoll();
        if (Halted())
            return 0;
        // The bucket loads while the moves are found.
        const std::uint64_t key = Key(own, opp);
        Table.Prefetch(key);
        const BB moves = G::Moves(own, opp);
        if (!moves) {
            if (passed)
                return -FinalDiscs(opp, own);
            if (!G::Moves(opp, own))
                return FinalDiscs(own, opp);
            return -SolveDeep(opp, own, -beta, -alpha, empties, true);
        }

        // Stability: own can never end above the squares the opponent cannot lose.
        if (alpha >= MaxScore - 2 * G::Count(opp) && (opp & G::Corners)) {
            const int bound = MaxScore - 2 * G::Count(G::StableDiscs(opp, own));
            if (bound <= alpha)
                return bound;
            if (bound < beta)
                beta = bound;
        }

        int ttMove = NoBit;
        TableEntry e;
        if (Table.Probe(key, e)) {
            ttMove = e.Move;
            if (e.Endgame && e.Depth == empties && SureEnough(e)) {
                if (e.Kind == Bound::Exact)
                    return e.Score;
                if (e.Kind == Bound::Lower) {
                    if (e.Score >= beta)
                        return e.Score;
                    alpha = std::max(alpha, int(e.Score) - 1);
                } else if (e.Kind == Bound::Upper) {
                    if (e.Score <= alpha)
                        return e.Score;
                    beta = std::min(beta, int(e.Score) + 1);
                }
            }
        }

        if (Certainty != TableEntry::Certain && empties >= CutEmpties) {
            int cut;
            if (CutOff(own, opp, empties, alpha, beta, cut))
                return cut;
        }

        // The table's move is tried before the others are scored: it often cuts off alone,
        // and scoring costs most where the table knows most.
        bool scored = ttMove == NoBit || !(moves & G::One(ttMove));
        MoveList list;
        GenerateEnd(own, opp, moves, ttMove, empties, list, scored);

        // The children's buckets are loaded all at once rather than one miss after another
        // (the children of 8 empties or fewer do not use the table).
        std::uint64_t keys[G::Squares];
        if (empties > MidSolveEmpties + 1)
            for (int i = 0; i < list.Count; ++i) {
                const Move& m = list.Moves[i];
                keys[i] = Key(opp & ~m.Flips, own | m.Flips | G::One(m.Bit));
                Table.Prefetch(keys[i]);
            }
        // A child already known to be bad enough for the opponent cuts off here at once.
        if (empties >= EtcEmpties) {
            for (int i = 0; i < list.Count; ++i) {
                const Move& m = list.Moves[i];
                TableEntry c;
                if (Table.Probe(keys[i], c) && c.Endgame && c.Depth == empties - 1
                    && SureEnough(c) && c.Kind != Bound::Lower && -c.Score >= beta) {
                    Store(key, -c.Score, alpha, beta, empties, m.Bit, true);
                    return -c.Score;
                }
            }
        }

        const int alpha0 = alpha;
        int best = -Infinity, bestBit = NoBit;
        for (int i = 0; i < list.Count; ++i) {
            if (i == 1 && !scored) {
                ScoreEnd(own, opp, empties, list, 1);
                scored = true;
            }
            // Young brothers wait: once the first move has set the bounds, an idle thread may
            // take the others.
            if (i == 1 && Share && empties >= SplitEmpties
                && Share->Idle.load(std::memory_order_relaxed) > 0) {
                SolveSplit(own, opp, empties, list, 1, alpha, beta, best, bestBit);
                if (Halted())
                    return 0;
                break;
            }
            const Move& m = list.Pick(i);
            const BB nOwn = own | m.Flips | G::One(m.Bit), nOpp = opp & ~m.Flips;
            int v;
            if (i == 0) {
                v = -SolveDeep(nOpp, nOwn, -beta, -alpha, empties - 1, false);
            } else {
                v = -SolveDeep(nOpp, nOwn, -alpha - 1, -alpha, empties - 1, false);
                if (v > alpha && v < beta && !Halted())
                    v = -SolveDeep(nOpp, nOwn, -beta, -alpha, empties - 1, false);
            }
            if (Halted())
                return 0;
            if (v > best) {
                best = v;
                bestBit = m.Bit;
                if (v > alpha) {
                    alpha = v;
                    if (v >= beta)
                        break;
                }
            }
        }
        Store(key, best, alpha0, beta, empties, bestBit, true);
        return best;
    }

    // Whether an endgame entry is as sure as this solution needs. Below CutEmpties nothing is
    // cut off, and the entries such a subtree reads have as few empties: there a bold
    // solution's results are exact too. (They stay marked as bold: the midgame search, which
    // takes a sure result for a finished line, would otherwise judge the bold cut-offs by them.)
    bool SureEnough(const TableEntry& e) const
    {
        return e.Certainty >= Certainty || e.Depth < CutEmpties;
    }

    // A probabilistic cut-off: when a shallow search puts the position far enough above beta
    // (or below alpha) that the exact result lies there too at the level's confidence, the
    // bound is taken as the result. Far enough: the level's number of the spread, in discs, of
    // exact results around the shallow search's scores at these empties. (A line the shallow
    // search sees to the end weighs as a certain result does there, above any estimate: a guess
    // still, and only guesses rest on these cut-offs.)
    bool CutOff(BB own, BB opp, int empties, int alpha, int beta, int& result)
    {
        const int depth = CutDepth(empties);
        const double margin = SelectiveSigmas[Certainty] * CutSpread(empties, depth);
        const double offset = CutOffset(empties);
        if (beta < MaxScore) {
            const int bound = int(std::ceil((beta + margin - offset) * DiscScale));
            if (bound < DecidedBonus && Mid(own, opp, depth, bound - 1, bound) >= bound) {
                result = beta;
                return true;
            }
        }
        if (alpha > -MaxScore) {
            const int bound = int(std::floor((alpha - margin - offset) * DiscScale));
            if (bound > -DecidedBonus && Mid(own, opp, depth, bound, bound + 1) <= bound) {
                result = alpha;
                return true;
            }
        }
        return false;
    }

    // Without the table: moves ordered by the opponent's replies, then by parity near the end.
    int SolveMid(BB own, BB opp, int alpha, int beta, int empties, bool passed)
    {
        if (empties <= ShallowEmpties)
            return SolveShallowEntry(own, opp, alpha, beta, empties);
        CountAndPoll();
        if (Stopped)
            return 0;
        const BB moves = G::Moves(own, opp);
        if (!moves) {
            if (passed)
                return -FinalDiscs(opp, own);
            if (!G::Moves(opp, own))
                return FinalDiscs(own, opp);
            return -SolveMid(opp, own, -beta, -alpha, empties, true);
        }
        MoveList list;
        GenerateEnd(own, opp, moves, NoBit, empties, list);
        int best = -Infinity;
        for (int i = 0; i < list.Count; ++i) {
            const Move& m = list.Pick(i);
            const int v = -SolveMid(
                opp & ~m.Flips, own | m.Flips | G::One(m.Bit), -beta, -alpha, empties - 1, false);
            if (v > best) {
                best = v;
                if (v > alpha) {
                    alpha = v;
                    if (v >= beta)
                        break;
                }
            }
        }
        return best;
    }

    // The last few empties: no move generation, only the list of empty squares, odd regions
    // first.
    int SolveShallowEntry(BB own, BB opp, int alpha, int beta, int empties)
    {
        std::array<std::uint8_t, ShallowEmpties + 1> list {};
        const BB empty = G::Playable & ~(own | opp);
        int n = 0;
        // Squares of regions (quadrants) with an odd number of empties first.
        BB odd = 0;
        for (const BB q : QuadrantMasks())
            if (G::Count(empty & q) & 1)
                odd |= q;
        G::ForEachBit(empty & odd, [&](int bit) { list[n++] = std::uint8_t(bit); });
        G::ForEachBit(empty & ~odd, [&](int bit) { list[n++] = std::uint8_t(bit); });
        (void)empties;
        return ShallowOf(own, opp, alpha, beta, list.data(), n);
    }

    int ShallowOf(BB own, BB opp, int alpha, int beta, std::uint8_t* list, int n)
    {
        static_assert(ShallowEmpties == 6);
        switch (n) {
        case 6:
            return Shallow<6>(own, opp, alpha, beta, list, false);
        case 5:
            return Shallow<5>(own, opp, alpha, beta, list, false);
        case 4:
            return Shallow<4>(own, opp, alpha, beta, list, false);
        case 3:
            return Shallow<3>(own, opp, alpha, beta, list, false);
        case 2:
            return Shallow<2>(own, opp, alpha, beta, list, false);
        case 1:
            return LastSquare(own, opp, list[0]);
        default: // a full board, which only a caller's line reaches
            ++Nodes;
            return FinalDiscs(own, opp);
        }
    }

    // list holds the Empties empty squares; a move swaps its square to the end for the child,
    // which sees the first Empties - 1, and swaps it back. Unrolled by the number of empties, and a
    // square without an opponent's disc next to it is passed over before any discs are turned.
    template <int Empties>
    int Shallow(BB own, BB opp, int alpha, int beta, std::uint8_t* list, bool passed)
    {
        if constexpr (Empties == 1) {
            return LastSquare(own, opp, list[0]); // which counts itself
        } else {
            ++Nodes;
            int best = -Infinity;
            for (int i = 0; i < Empties; ++i) {
                const int bit = list[i];
                if (!(G::Around(bit) & opp))
                    continue;
                const BB flips = G::Flips(bit, own, opp);
                if (!flips)
                    continue;
                std::swap(list[i], list[Empties - 1]);
                const int v = -Shallow<Empties - 1>(
                    opp & ~flips, own | flips | G::One(bit), -beta, -alpha, list, false);
                std::swap(list[i], list[Empties - 1]);
                if (v > best) {
                    best = v;
                    if (v > alpha) {
                        alpha = v;
                        if (v >= beta)
                            return best;
                    }
                }
            }
            if (best != -Infinity)
                return best;
            if (passed)
                return -FinalDiscs(opp, own);
            return -Shallow<Empties>(opp, own, -beta, -alpha, list, true);
        }
    }

    // The discs mover turns by playing the last empty square (none: mover cannot play it).
    static int LastTurned(int bit, BB mover, BB other)
    {
        if constexpr (N == 8)
            return G::LastFlipCount(bit, mover);
        else
            return (G::Around(bit) & other) ? G::Count(G::Flips(bit, mover, other)) : 0;
    }

    // One empty square left: whoever can play it does, own first.
    int LastSquare(BB own, BB opp, int bit)
    {
        ++Nodes;
        const int ownCount = G::Count(own);
        const int oppCount = G::Squares - 1 - ownCount;
        if (const int f = LastTurned(bit, own, opp))
            return (ownCount + f + 1) - (oppCount - f);
        if (const int f = LastTurned(bit, opp, own))
            return (ownCount - f) - (oppCount + f + 1);
        const int d = ownCount - oppCount;
        return !EmptiesToWinner ? d : d > 0 ? d + 1 : d - 1;
    }

    // ---------------------------------------------------------------- moves

    struct Move {
        BB Flips;
        int Bit;
        int Score;
    };
    struct MoveList {
        Move Moves[G::Squares];
        int Count = 0;
        // Selection sort, one step at a time: a cut-off usually comes before the list is sorted.
        Move& Pick(int i)
        {
            int best = i;
            for (int j = i + 1; j < Count; ++j)
                if (Moves[j].Score > Moves[best].Score)
                    best = j;
            if (best != i)
                std::swap(Moves[i], Moves[best]);
            return Moves[i];
        }
    };

    // ---------------------------------------------------------------- threads

    // A node whose remaining moves the threads solving together share: each takes the next
    // move, and the best result and the window are kept here. Lives on its owner's stack until
    // no thread works on it any more.
    struct SplitPoint {
        BB Own = 0, Opp = 0;
        int Empties = 0;
        const MoveList* List = nullptr; // ordered; moves from Next on are still to be searched
        int Next = 0;
        int Alpha = 0, Beta = 0, Best = -Infinity, BestBit = NoBit;
        int Working = 0; // threads taking its moves
        int Certainty = TableEntry::Certain; // of the solution it is part of
        std::atomic<bool> Cutoff { false }; // a move reached beta: the others are not needed
        const SplitPoint* Parent = nullptr; // the split point its owner was working for
        bool HasWork() const
        {
            if (Next >= List->Count)
                return false;
            for (const SplitPoint* p = this; p; p = p->Parent)
                if (p->Cutoff.load(std::memory_order_relaxed))
                    return false;
            return true;
        }
        bool Below(const SplitPoint* ancestor) const
        {
            for (const SplitPoint* p = this; p; p = p->Parent)
                if (p == ancestor)
                    return true;
            return false;
        }
    };

    // What the threads of one exact solution share besides the table. Everything but Idle is
    // under Lock.
    struct SplitShare {
        std::mutex Lock;
        std::condition_variable Changed;
        std::vector<SplitPoint*> Points; // split points that may have moves left
        std::atomic<int> Idle { 0 }; // helpers waiting for work
        bool Done = false;
    };

    SplitShare* Share = nullptr; // the threads solving together; none when alone
    const SplitPoint* Under = nullptr; // the split point this thread works for, if any
    static constexpr int SplitEmpties = 10; // below, a subtree costs little more than a split

    // Stopped, or the work is no longer needed: a split point above has been cut off.
    bool Halted() const
    {
        if (Stopped)
            return true;
        for (const SplitPoint* p = Under; p; p = p->Parent)
            if (p->Cutoff.load(std::memory_order_relaxed))
                return true;
        return false;
    }

    // The moves of list from index from on, searched by this thread and whichever helpers are
    // idle, within (alpha, beta); best and bestBit hold what the first moves reached and are
    // updated, as alpha is. While the helpers finish, this thread helps them below.
    void SolveSplit(BB own, BB opp, int empties, MoveList& list, int from, int& alpha, int beta,
        int& best, int& bestBit)
    {
        for (int j = from; j < list.Count; ++j)
            list.Pick(j);
        SplitPoint sp;
        sp.Own = own;
        sp.Opp = opp;
        sp.Empties = empties;
        sp.List = &list;
        sp.Next = from;
        sp.Alpha = alpha;
        sp.Beta = beta;
        sp.Best = best;
        sp.BestBit = bestBit;
        sp.Parent = Under;
        sp.Certainty = Certainty;
        sp.Working = 1; // this thread
        {
            std::lock_guard<std::mutex> lock(Share->Lock);
            Share->Points.push_back(&sp);
        }
        Share->Changed.notify_all();
        WorkAt(sp);
        {
            std::unique_lock<std::mutex> lock(Share->Lock);
            std::erase(Share->Points, &sp);
            while (sp.Working > 0) {
                SplitPoint* below = nullptr;
                for (SplitPoint* p : Share->Points)
                    if (p != &sp && p->HasWork() && p->Below(&sp)) {
                        below = p;
                        break;
                    }
                if (below) {
                    ++below->Working;
                    lock.unlock();
                    WorkAt(*below);
                    lock.lock();
                } else {
                    // Idle meanwhile: the helpers may split below for this thread to help.
                    Share->Idle.fetch_add(1, std::memory_order_relaxed);
                    Share->Changed.wait(lock);
                    Share->Idle.fetch_sub(1, std::memory_order_relaxed);
                }
            }
        }
        alpha = sp.Alpha;
        best = sp.Best;
        bestBit = sp.BestBit;
    }

    // Takes moves of sp until none is left, each searched as the principal-variation search
    // would after its first move. The caller has counted this thread among sp's workers under
    // the lock (so that sp outlives the call); it leaves uncounted.
    void WorkAt(SplitPoint& sp)
    {
        const SplitPoint* const outer = Under;
        const int outerCertainty = Certainty;
        Under = &sp;
        Certainty = sp.Certainty;
        for (;;) {
            int i, a;
            {
                std::unique_lock<std::mutex> lock(Share->Lock);
                if (!sp.HasWork() || Halted()) {
                    const bool last = --sp.Working == 0;
                    lock.unlock();
                    if (last)
                        Share->Changed.notify_all();
                    break;
                }
                i = sp.Next++;
                a = sp.Alpha;
            }
            const Move& m = sp.List->Moves[i];
            const BB nOwn = sp.Own | m.Flips | G::One(m.Bit), nOpp = sp.Opp & ~m.Flips;
            int v = -SolveDeep(nOpp, nOwn, -a - 1, -a, sp.Empties - 1, false);
            if (v > a && v < sp.Beta && !Halted())
                v = -SolveDeep(nOpp, nOwn, -sp.Beta, -a, sp.Empties - 1, false);
            std::lock_guard<std::mutex> lock(Share->Lock);
            if (!Halted() && v > sp.Best) {
                sp.Best = v;
                sp.BestBit = m.Bit;
                if (v > sp.Alpha) {
                    sp.Alpha = v;
                    if (v >= sp.Beta)
                        sp.Cutoff.store(true, std::memory_order_relaxed);
                }
            }
        }
        Under = outer;
        Certainty = outerCertainty;
    }

    // A helper's life: the moves of whatever split point has some left, until the solution is
    // done.
    void HelpUntilDone()
    {
        std::unique_lock<std::mutex> lock(Share->Lock);
        for (;;) {
            if (Share->Done || Stopped)
                return;
            SplitPoint* work = nullptr;
            for (SplitPoint* p : Share->Points)
                if (p->HasWork()) {
                    work = p;
                    break;
                }
            if (work) {
                ++work->Working;
                lock.unlock();
                WorkAt(*work);
                lock.lock();
                continue;
            }
            Share->Idle.fetch_add(1, std::memory_order_relaxed);
            Share->Changed.wait(lock);
            Share->Idle.fetch_sub(1, std::memory_order_relaxed);
        }
    }

    // The table's move first, then by how few replies the opponent has, corners, X squares.
    void Generate(BB own, BB opp, BB moves, int ttMove, bool byMobility, MoveList& list)
    {
        list.Count = 0;
        G::ForEachBit(moves, [&](int bit) {
            Move& m = list.Moves[list.Count++];
            m.Bit = bit;
            // Near the leaves a cut-off usually comes at the first move: the others' discs are
            // turned only when they are tried (Flips 0 until then; a legal move turns some).
            m.Flips = byMobility ? G::Flips(bit, own, opp) : BB(0);
            const BB one = G::One(bit);
            int s = SquareBonus(bit);
            if (bit == ttMove) {
                s = 1 << 24;
            } else if (byMobility) {
                const BB nOwn = own | m.Flips | one, nOpp = opp & ~m.Flips;
                const BB replies = G::Moves(nOpp, nOwn);
                s += -16 * G::Count(replies) - 64 * G::Count(replies & G::Corners)
                    - 2 * G::Count(G::Playable & ~(nOwn | nOpp) & G::Neighbours(nOwn));
            }
            m.Score = s + int((bit * 2654435761u + Variation) >> 29 & (Variation ? 3 : 0));
        });
    }

    // Fastest first: the fewer replies (corners count extra) the better; with many empties left
    // a shallow search of each move weighs in, since a wrong first move costs most there. The
    // table's move comes first; when scoreOthers is false the other moves are left unscored
    // (ScoreEnd scores them when the table's move has not cut off).
    void GenerateEnd(
        BB own, BB opp, BB moves, int ttMove, int empties, MoveList& list, bool scoreOthers = true)
    {
        list.Count = 0;
        G::ForEachBit(moves, [&](int bit) {
            Move& m = list.Moves[list.Count++];
            m.Bit = bit;
            m.Flips = G::Flips(bit, own, opp);
            m.Score = bit == ttMove ? 1 << 24 : 0;
        });
        if (scoreOthers)
            ScoreEnd(own, opp, empties, list, 0);
    }

    // Scores the moves of list from index from on, but the table's move.
    void ScoreEnd(BB own, BB opp, int empties, MoveList& list, int from)
    {
        // Deeper at more empties: there a wrong first move costs most, and a search of a few
        // plies costs little against the subtree it orders.
        const int shallowDepth = empties >= ShallowSortEmpties + 7 ? 4
            : empties >= ShallowSortEmpties + 4                    ? 2
            : empties >= ShallowSortEmpties                        ? 1
                                                                   : -1;
        for (int i = from; i < list.Count; ++i) {
            Move& m = list.Moves[i];
            if (m.Score == 1 << 24)
                continue;
            const BB nOwn = own | m.Flips | G::One(m.Bit), nOpp = opp & ~m.Flips;
            const BB replies = G::Moves(nOpp, nOwn);
            m.Score = -SortMobility * G::Count(replies)
                - SortCorner * G::Count(replies & G::Corners) + SquareBonus(m.Bit) / 4;
            if (shallowDepth == 0)
                m.Score -= Evaluate(nOpp, nOwn, ClassicEval) / SortEvalDivisor;
            else if (shallowDepth > 0)
                m.Score -= Mid(nOpp, nOwn, shallowDepth, -Infinity, Infinity) / SortEvalDivisor;
        }
    }

    // Chosen by the nodes and time the endgame set (tests) and midgame positions take.
    static constexpr int TableDepth = 3; // the midgame table from this remaining depth
    static constexpr int ShallowSortEmpties = 15; // solver: a shallow search orders from here
    static constexpr int EtcEmpties = 12; // solver: children probed for a cut-off from here
    static constexpr int SortMobility = 24; // solver: per reply of the opponent
    static constexpr int SortCorner = 64; // solver: per corner among those replies
    static constexpr int SortEvalDivisor = 8; // solver: centidiscs of the shallow search per point

    // The solver's probabilistic cut-offs. Fitted by corvana-tune cuts on positions of 8 to 24
    // empties from self-play: exact results lie around the shallow search's scores with a spread
    // (standard deviation, discs) that narrows with its depth and widens a little with the
    // empties, and above them when the side to move has the last empty square (odd empties).
    static constexpr int CutEmpties = 14; // from here (12, 16: slower)
    static constexpr double SelectiveSigmas[] = { 1.1, 1.5, 2.0, 2.6, 3.3 }; // per level
    static int CutDepth(int empties) { return empties / 3; }
    static double CutSpread(int empties, int depth)
    {
        return 8.0 + 0.069 * empties - 0.471 * depth;
    }
    static double CutOffset(int empties) { return empties & 1 ? 2.6 : -1.8; }

    static int SquareBonus(int bit)
    {
        const BB one = G::One(bit);
        if (one & G::Corners)
            return 48;
        if (one & G::XSquares)
            return -24;
        return 0;
    }

    // ---------------------------------------------------------------- housekeeping

    // Every thousand nodes or so: the shallow solver counts its nodes without polling, so the
    // count can step over any fixed multiple, and a test of the next poll's count cannot.
    void CountAndPoll()
    {
        if (++Nodes >= NextPoll) {
            NextPoll = Nodes + 1024;
            Poll();
        }
    }

    void Poll()
    {
        if ((WatchesCancel && Signal.Cancel && Signal.Cancel->load(std::memory_order_relaxed))
            || (WatchesCancel && Signal.NodeLimit && Nodes >= Signal.NodeLimit)
            || Signal.Stop.load(std::memory_order_relaxed)
            || (Signal.HasDeadline && Clock::now() >= Signal.Deadline)) {
            Stopped = true;
            Signal.Stop.store(true, std::memory_order_relaxed);
        }
    }

    std::uint64_t Key(BB own, BB opp) const
    {
        return G::Hash(own, opp) ^ (EmptiesToWinner ? 0xA5C3E1F00F1E3C5AULL : 0);
    }

    void Store(
        std::uint64_t key, int best, int alpha0, int beta, int depth, int bestBit, bool endgame)
    {
        TableEntry e;
        e.Score = std::int16_t(best);
        e.Move = std::uint8_t(bestBit);
        e.Depth = std::uint8_t(depth);
        e.Endgame = endgame;
        if (endgame)
            e.Certainty = std::uint8_t(Certainty);
        e.Kind = best <= alpha0 ? Bound::Upper : best >= beta ? Bound::Lower : Bound::Exact;
        Table.Store(key, e);
    }

    static const std::array<BB, 4>& QuadrantMasks()
    {
        static const std::array<BB, 4> masks = [] {
            std::array<BB, 4> m {};
            const int h = N / 2;
            for (int row = 0; row < N; ++row)
                for (int col = 0; col < N; ++col)
                    m[(row >= h) * 2 + (col >= h)] |= G::One(G::BitOf(col, row));
            return m;
        }();
        return masks;
    }

    static constexpr int ShallowEmpties = 6; // solver: a list of empties, no move generation
    static constexpr int MidSolveEmpties = 7; // solver: no table from here down

    TransTable& Table;
    StopSignal& Signal;
};

} // namespace master
