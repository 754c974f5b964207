// The search tree is exactly that of the byte-board definition (same nodes, same scores, same
// choice); only the representation is faster: positions are bit sets, the evaluation sums
// weights eight squares at a time through lookup tables, and nothing is allocated.
#include "Search.h"

#include "BitBoard.h"
#include "Evaluation.h"
#include "RoutineTable.h"

int Level = 1;
int BestMoves[BoardStackDepth];
std::uint64_t SearchNodes = 0;
thread_local const std::atomic<bool>* SearchCancelRequest = nullptr;

namespace {

const std::atomic<bool> NeverCancelled { false };

// Square weights of one table in the bit layout, summed a byte of the bit set at a time.
template <int N> struct ChunkWeights {
    using B = Bits<N>;
    static constexpr int Chunks = (N * B::W + 7) / 8;
    std::array<std::array<std::int16_t, 256>, Chunks> Sum {};

    explicit ChunkWeights(const WeightBoard& w)
    {
        for (int chunk = 0; chunk < Chunks; ++chunk) {
            for (int byte = 0; byte < 256; ++byte) {
                int s = 0;
                for (int i = 0; i < 8; ++i) {
                    const int bit = chunk * 8 + i;
                    if ((byte >> i & 1) && bit % B::W < N && bit / B::W < N)
                        s += w.Weight[B::SquareOfBit(bit)];
                }
                Sum[chunk][byte] = static_cast<std::int16_t>(s);
            }
        }
    }

    int Of(typename B::BB b) const
    {
        int s = 0;
        if constexpr (N == 8) {
            for (int c = 0; c < Chunks; ++c)
                s += Sum[c][(b >> (8 * c)) & 0xFF];
        } else {
            std::uint64_t lo = static_cast<std::uint64_t>(b);
            std::uint64_t hi = static_cast<std::uint64_t>(b >> 64);
            for (int c = 0; c < 8; ++c)
                s += Sum[c][(lo >> (8 * c)) & 0xFF];
            for (int c = 8; c < Chunks; ++c)
                s += Sum[c][(hi >> (8 * (c - 8))) & 0xFF];
        }
        return s;
    }
};

template <int N> struct SearchTables {
    using B = Bits<N>;
    using BB = typename B::BB;

    ChunkWeights<N> Empty { EmptyCornerWeights(N) };
    ChunkWeights<N> Taken { CornerTakenWeights(N) };
    BB Corners = 0;
    struct CornerBits {
        int Corner, C1, C2, X;
    };
    std::array<CornerBits, 4> Groups {};
    static constexpr int OrderLength = N * N - 4; // the centre squares are never empty
    std::array<int, OrderLength> OrderBit {};
    std::array<int, OrderLength> OrderSquare {};
    BB Searched = 0; // the squares of OrderBit; a centre square is never tried, even when empty
    int MobilityRange = 0; // cells from the first to the last playable square

    SearchTables()
    {
        const auto& groups = CornerGroupsFor(N);
        for (int i = 0; i < 4; ++i) {
            const CornerGroup& g = groups[i];
            Groups[i] = { B::BitOfSquare(g.Corner), B::BitOfSquare(g.C1), B::BitOfSquare(g.C2),
                B::BitOfSquare(g.X) };
            Corners |= B::One(Groups[i].Corner);
        }
        const SquareOrder order = MoveOrderFor(N);
        for (int i = 0; i < OrderLength; ++i) {
            OrderSquare[i] = order.Squares[i];
            OrderBit[i] = B::BitOfSquare(order.Squares[i]);
            Searched |= B::One(OrderBit[i]);
        }
        MobilityRange = N * (N + 2) + N - (N + 3) + 1;
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

    // moveBit < 0: mover passed. moverBits/toMoveBits: the position before move.
    int Node(int moveBit, BB moverBits, BB toMoveBits, int ply, int alpha, int beta)
    {
        ++Nodes;
        if (moveBit < 0) {
            if (ply == MaxPly)
                return EvalFinal(moverBits, toMoveBits);
        } else {
            const BB flips = B::Flips(moveBit, moverBits, toMoveBits);
            moverBits |= flips | B::One(moveBit);
            toMoveBits &= ~flips;
            if (ply == MaxPly)
                return EvalPosition(moverBits, toMoveBits);
        }

        BestMoves[ply] = PassMove;
        BB moves = B::Moves(toMoveBits, moverBits) & T.Searched;
        if (moves) {
            for (int i = 0; moves; ++i) {
                const int bit = T.OrderBit[i];
                if (!B::Test(moves, bit))
                    continue;
                if (Cancel->load(std::memory_order_relaxed))
                    return 0;
                moves &= ~B::One(bit);
                const int v = Node(bit, toMoveBits, moverBits, ply + 1, -beta, -alpha);
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
        const int v = Node(-1, toMoveBits, moverBits, ply + 1, -beta, -alpha);
        if (v > alpha)
            alpha = v;
        return -alpha;
    }

    std::uint64_t Nodes = 0;

private:
    int EvalPosition(BB own, BB opp) const
    {
        if (opp == 0)
            return WinBonus;
        const BB occupied = own | opp;
        if ((occupied & T.Corners) == 0)
            return T.Empty.Of(own) - T.Empty.Of(opp);
        int s = T.Taken.Of(own) - T.Taken.Of(opp);
        for (const auto& g : T.Groups) {
            const bool taken = B::Test(occupied, g.Corner);
            const int wc = taken ? WeightCTaken : WeightCEmpty;
            const int wx = taken ? WeightXTaken : WeightXEmpty;
            s += wc * (int(B::Test(own, g.C1)) + int(B::Test(own, g.C2)) - int(B::Test(opp, g.C1)) - int(B::Test(opp, g.C2)));
            s += wx * (int(B::Test(own, g.X)) - int(B::Test(opp, g.X)));
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
    using B = Bits<N>;
    typename B::BB moverBits, toMoveBits;
    B::FromBoard(BoardStack[ply], mover, toMove, moverBits, toMoveBits);
    Searcher<N> searcher(Level, AdvancedEngine, SearchCancelRequest);
    const int moveBit = move == PassMove ? -1 : B::BitOfSquare(move);
    const int score = searcher.Node(moveBit, moverBits, toMoveBits, ply, alpha, beta);
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
