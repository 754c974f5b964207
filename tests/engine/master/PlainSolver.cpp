// Plain alpha-beta to the end of the game, for the tests and the endgame data tool.
#include "PlainSolver.h"

#include "BitBoard.h"

namespace {

template <int N> struct Plain {
    using B = Bits<N>;
    using BB = typename B::BB;
    std::uint64_t Nodes = 0;
    int Order[N * N];

    Plain()
    {
        const SquareOrder order = MoveOrderFor(N);
        for (int i = 0; i < N * N; ++i)
            Order[i] = B::BitOfSquare(order.Squares[i]);
    }

    int Solve(BB own, BB opp, int alpha, int beta, bool passed)
    {
        ++Nodes;
        const BB moves = B::Moves(own, opp);
        if (!moves) {
            if (passed || !B::Moves(opp, own))
                return B::Count(own) - B::Count(opp);
            return -Solve(opp, own, -beta, -alpha, true);
        }
        int best = -1000;
        for (const int bit : Order) {
            if (!(moves & B::One(bit)))
                continue;
            const BB flips = B::Flips(bit, own, opp);
            const int v = -Solve(opp & ~flips, own | flips | B::One(bit), -beta, -alpha, false);
            if (v > best) {
                best = v;
                if (v > alpha)
                    alpha = v;
                if (alpha >= beta)
                    break;
            }
        }
        return best;
    }
};

template <int N> int PlainSolveT(const Board& board, int side, std::uint64_t* nodes)
{
    typename Bits<N>::BB own, opp;
    Bits<N>::FromBoard(board, side, side == SideYellow ? SideGreen : SideYellow, own, opp);
    Plain<N> p;
    const int v = p.Solve(own, opp, -1000, 1000, false);
    if (nodes)
        *nodes = p.Nodes;
    return v;
}

} // namespace

int PlainSolve(const Board& board, int size, int side, std::uint64_t* nodes)
{
    return size == 8 ? PlainSolveT<8>(board, side, nodes) : PlainSolveT<10>(board, side, nodes);
}
