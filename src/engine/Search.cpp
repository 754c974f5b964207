// The search tree is exactly that of the byte-board definition (same nodes, same scores, same
// choice); only the representation is faster: positions are bit sets, the square weights are
// carried down the tree and updated by each move, and nothing is allocated.
#include "Search.h"

#include "Invariant.h"

#include "BitBoard.h"
#include "Evaluation.h"
#include "RoutineTable.h"

int Level = 1;
int BestMoves[BoardStackDepth];
std::uint64_t SearchNodes = 0;
thread_local const std::atomic<bool>* SearchCancelRequest = nullptr;

namespace {

const std::atomic<bool> NeverCancelled { false };

// The two weight sums a position is scored with, from one side's point of view: own discs minus
// opponent discs, once with the empty-corner weights and once with the corner-taken weights. In the
// second, C and X squares carry their empty-corner weights; the horizon corrects those of the
// corners that are taken.
// A move changes them by the weights of the placed disc and twice those of the turned ones, so the
// search carries them down the tree instead of summing the whole board at every horizon node.
struct WeightSums {
    int Empty = 0;
    int Taken = 0;
    WeightSums operator-() const { return { -Empty, -Taken }; }
};

template <int N> struct SearchTables {
    using B = Bits<N>;
    using BB = typename B::BB;

    struct BitWeight {
        std::int16_t Empty = 0, Taken = 0;
    };
    std::array<BitWeight, N * B::W> Weight {};
    BB Corners = 0;
    struct CornerMasks {
        BB Corner, C1, C2, X;
    };
    std::array<CornerMasks, 4> Groups {};
    static constexpr int OrderLength = N * N - 4; // the centre squares are never empty
    std::array<int, OrderLength> OrderBit {};
    std::array<int, OrderLength> OrderSquare {};
    BB Searched = 0; // the squares of OrderBit; a centre square is never tried, even when empty
    // The legal squares of a position, as positions in the square order: bit i set when entry i
    // of the order is one of them. Built a byte of the bit set at a time, so a node walks its
    // moves in order without testing every entry.
    static constexpr int Chunks = (N * B::W + 7) / 8;
    std::array<std::array<BB, 256>, Chunks> OrderOfByte {};
    int MobilityRange = 0; // cells from the first to the last playable square

    SearchTables()
    {
        const WeightBoard& empty = EmptyCornerWeights(N);
        const WeightBoard& taken = CornerTakenWeights(N);
        for (int row = 0; row < N; ++row) {
            for (int col = 0; col < N; ++col) {
                const int sq = SquareIndex(N, col, row);
                Weight[B::BitOf(col, row)]
                    = { std::int16_t(empty.Weight[sq]), std::int16_t(taken.Weight[sq]) };
            }
        }
        const auto& groups = CornerGroupsFor(N);
        for (int i = 0; i < 4; ++i) {
            const CornerGroup& g = groups[i];
            Weight[B::BitOfSquare(g.C1)].Taken = WeightCEmpty;
            Weight[B::BitOfSquare(g.C2)].Taken = WeightCEmpty;
            Weight[B::BitOfSquare(g.X)].Taken = WeightXEmpty;
            Groups[i] = { B::One(B::BitOfSquare(g.Corner)), B::One(B::BitOfSquare(g.C1)),
                B::One(B::BitOfSquare(g.C2)), B::One(B::BitOfSquare(g.X)) };
            Corners |= Groups[i].Corner;
        }
        const SquareOrder order = MoveOrderFor(N);
        for (int i = 0; i < OrderLength; ++i) {
            OrderSquare[i] = order.Squares[i];
            OrderBit[i] = B::BitOfSquare(order.Squares[i]);
            Searched |= B::One(OrderBit[i]);
        }
        for (int chunk = 0; chunk < Chunks; ++chunk)
            for (int byte = 0; byte < 256; ++byte)
                for (int i = 0; i < OrderLength; ++i) {
                    const int bit = OrderBit[i] - 8 * chunk;
                    if (bit >= 0 && bit < 8 && (byte >> bit & 1))
                        OrderOfByte[chunk][byte] |= BB(1) << i;
                }
        MobilityRange = N * (N + 2) + N - (N + 3) + 1;
    }

    BB InOrder(BB moves) const
    {
        BB order = 0;
        if constexpr (N == 8) {
            for (int c = 0; c < Chunks; ++c)
                order |= OrderOfByte[c][(moves >> (8 * c)) & 0xFF];
        } else {
            const auto lo = static_cast<std::uint64_t>(moves),
                       hi = static_cast<std::uint64_t>(moves >> 64);
            for (int c = 0; c < 8; ++c)
                order |= OrderOfByte[c][(lo >> (8 * c)) & 0xFF];
            for (int c = 8; c < Chunks; ++c)
                order |= OrderOfByte[c][(hi >> (8 * (c - 8))) & 0xFF];
        }
        return order;
    }

    WeightSums Sum(BB b) const
    {
        WeightSums s;
        B::ForEachBit(b, [&](int bit) {
            s.Empty += Weight[bit].Empty;
            s.Taken += Weight[bit].Taken;
        });
        return s;
    }
};

const SearchTables<8> Tables8;
const SearchTables<10> Tables10;

template <int N> const SearchTables<N>& TablesFor()
{
    if constexpr (N == 8)
        return Tables8;
    else
        return Tables10;
}

template <int N> class Searcher {
    using B = Bits<N>;
    using BB = typename B::BB;

public:
    Searcher(int level, bool advanced, const std::atomic<bool>* cancel)
        : T(TablesFor<N>())
        , MaxPly(level)
        , Advanced(advanced)
        , Cancel(cancel ? cancel : &NeverCancelled)
    {
    }

    WeightSums Sums(BB own, BB opp) const
    {
        const WeightSums a = T.Sum(own), b = T.Sum(opp);
        return { a.Empty - b.Empty, a.Taken - b.Taken };
    }

    // One node: mover has just played moveBit (< 0: passed) on the position moverBits/toMoveBits,
    // whose weight sums w are from mover's point of view.
    int Node(int moveBit, BB moverBits, BB toMoveBits, WeightSums w, int ply, int alpha, int beta)
    {
        ++Nodes;
        if (moveBit < 0) {
            if (ply == MaxPly)
                return EvalFinal(moverBits, toMoveBits);
        } else {
            Play(moveBit, moverBits, toMoveBits, w);
            if (ply == MaxPly)
                return EvalPosition(moverBits, toMoveBits, w);
        }

        BestMoves[ply] = PassMove;
        BB moves = B::Moves(toMoveBits, moverBits) & T.Searched;
        if (moves) {
            // Children on the horizon are scored here rather than through a call each.
            const bool childrenAtHorizon = ply + 1 == MaxPly;
            // A search stopped before its first root move is through still answers with a legal
            // square: the one it was looking at. (The first root move always becomes the best
            // once it is through, so a search that runs to its end is not changed by this.)
            if (ply == 0)
                BestMoves[0] = T.OrderSquare[B::LowestBit(T.InOrder(moves))];
            for (BB order = T.InOrder(moves); order; order &= order - 1) {
                const int i = B::LowestBit(order);
                if (Cancel->load(std::memory_order_relaxed))
                    return 0;
                int v;
                if (childrenAtHorizon) {
                    ++Nodes;
                    BB own = toMoveBits, opp = moverBits;
                    WeightSums cw = -w;
                    Play(T.OrderBit[i], own, opp, cw);
                    v = EvalPosition(own, opp, cw);
                } else {
                    v = Node(T.OrderBit[i], toMoveBits, moverBits, -w, ply + 1, -beta, -alpha);
                    // A root move whose search was cut short has no score: the best one
                    // before it stands, for a search told to answer now.
                    if (ply == 0 && Cancel->load(std::memory_order_relaxed))
                        return 0;
                }
                if (v > alpha) {
                    alpha = v;
                    BestMoves[ply] = T.OrderSquare[i];
                    if (v >= beta)
                        return -v;
                }
            }
            return -alpha;
        }

        if (moveBit < 0)
            return EvalFinal(moverBits, toMoveBits);
        const int v = Node(-1, toMoveBits, moverBits, -w, ply + 1, -beta, -alpha);
        if (v > alpha)
            alpha = v;
        return -alpha;
    }

    std::uint64_t Nodes = 0;

private:
    // own plays bit: turns the enclosed opp discs and updates own's weight sums.
    void Play(int bit, BB& own, BB& opp, WeightSums& w) const
    {
        const BB flips = B::Flips(bit, own, opp);
        const WeightSums turned = T.Sum(flips);
        w.Empty += T.Weight[bit].Empty + 2 * turned.Empty;
        w.Taken += T.Weight[bit].Taken + 2 * turned.Taken;
        own |= flips | B::One(bit);
        opp &= ~flips;
    }

    int EvalPosition(BB own, BB opp, WeightSums w) const
    {
        if (opp == 0)
            return WinBonus;
        const BB occupied = own | opp;
        if ((occupied & T.Corners) == 0)
            return w.Empty;
        int s = w.Taken;
        auto has = [](BB b, BB mask) { return int((b & mask) != 0); };
        for (const auto& g : T.Groups) {
            if (!(occupied & g.Corner))
                continue;
            s += (WeightCTaken - WeightCEmpty)
                * (has(own, g.C1) + has(own, g.C2) - has(opp, g.C1) - has(opp, g.C2));
            s += (WeightXTaken - WeightXEmpty) * (has(own, g.X) - has(opp, g.X));
        }
        return s;
    }

    int EvalFinal(BB own, BB opp) const
    {
        int d = B::Count(own) - B::Count(opp);
        if (d > 0)
            d += WinBonus;
        else if (d < 0)
            d -= WinBonus;
        if (Advanced)
            d += 2 * B::Count(B::Moves(own, opp)) - T.MobilityRange;
        return d;
    }

    const SearchTables<N>& T;
    const int MaxPly;
    const bool Advanced;
    const std::atomic<bool>* Cancel;
};

} // namespace

template <int N> int SearchT(int move, int mover, int toMove, int ply, int alpha, int beta)
{
    // Every ply down to the horizon has its board in the stack.
    if (!CORVANA_INVARIANT(ply >= 0 && Level >= 1 && Level <= MaxLevel && ply <= Level
                && Level + 1 < BoardStackDepth,
            "the search stays inside the board stack")) {
        BestMoves[0] = PassMove;
        return 0;
    }
    using B = Bits<N>;
    typename B::BB moverBits, toMoveBits;
    B::FromBoard(BoardStack[ply], mover, toMove, moverBits, toMoveBits);
    Searcher<N> searcher(Level, AdvancedEngine, SearchCancelRequest);
    const int moveBit = move == PassMove ? -1 : B::BitOfSquare(move);
    const WeightSums w = searcher.Sums(moverBits, toMoveBits);
    const int score = searcher.Node(moveBit, moverBits, toMoveBits, w, ply, alpha, beta);
    SearchNodes += searcher.Nodes;
    return score;
}

template int SearchT<8>(int, int, int, int, int, int);
template int SearchT<10>(int, int, int, int, int, int);

int SearchBestMove()
{
    Routines.Search(PassMove, Opponent(), SideToMove, 0, -ScoreBound, ScoreBound);
    return BestMoves[0];
}
