// Node by node as the search is defined: copy the board, make the move, test the horizon, walk the
// square order with IsLegalMove.
#include "ReferenceSearch.h"

#include <cstring>

#include "Board.h"
#include "RoutineTable.h"
#include "Search.h"

namespace {

struct Reference {
    const RoutineTable& R;
    int CopyLength;
    int Candidates;
    const int* Order;
    std::uint64_t Nodes = 0;
    int Best[BoardStackDepth] = {};

    int Node(int move, int mover, int toMove, int ply, int alpha, int beta)
    {
        ++Nodes;
        Board& b = BoardStack[ply + 1];
        std::memcpy(b.data(), BoardStack[ply].data(), CopyLength);
        if (move == PassMove && ply == Level)
            return R.EvalFinal(b, mover, toMove);
        if (move != PassMove) {
            R.MakeMove(b, move, mover, toMove);
            if (ply == Level)
                return R.EvalPosition(b, mover, toMove);
        }
        Best[ply] = PassMove;
        bool anyLegal = false;
        for (int i = 0; i < Candidates; ++i) {
            const int s = Order[i];
            if (!R.IsLegalMove(b, s, toMove, mover))
                continue;
            anyLegal = true;
            const int v = Node(s, toMove, mover, ply + 1, -beta, -alpha);
            if (v > alpha) {
                alpha = v;
                Best[ply] = s;
                if (v >= beta)
                    return -v;
            }
        }
        if (anyLegal)
            return -alpha;
        if (move == PassMove)
            return R.EvalFinal(b, mover, toMove);
        const int v = Node(PassMove, toMove, mover, ply + 1, -beta, -alpha);
        if (v > alpha)
            alpha = v;
        return -alpha;
    }
};

} // namespace

ReferenceResult ReferenceSearchNode(
    int size, int move, int mover, int toMove, int ply, int alpha, int beta)
{
    Reference ref { RoutinesFor(size), size == 8 ? 100 : 144, size == 8 ? 60 : 96,
        size == 8 ? MoveOrder8.data() : MoveOrder10.data() };
    const int score = ref.Node(move, mover, toMove, ply, alpha, beta);
    return { score, ref.Best[ply], ref.Nodes };
}

ReferenceResult ReferenceSearchRoot(int size)
{
    return ReferenceSearchNode(size, PassMove, Opponent(), SideToMove, 0, -ScoreBound, ScoreBound);
}
