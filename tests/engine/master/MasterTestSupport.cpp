// Random positions and board pictures for the master engine's tests.
#include "MasterTestSupport.h"

#include <vector>

#include "RoutineTable.h"

GamePosition RandomPosition(int size, int plies, std::mt19937& rng)
{
    const RoutineTable& r = RoutinesFor(size);
    Board b = StartBoard(size);
    int mover = SideGreen;
    for (int i = 0; i < plies; ++i) {
        const GamePosition p = PositionWithTurn(size, b, mover);
        if (p.GameOver)
            break;
        std::vector<int> legal;
        for (int sq = 0; sq < BoardCells; ++sq)
            if (IsPlayableSquare(size, sq)
                && r.IsLegalMove(b, sq, p.SideToMove, OtherSide(p.SideToMove)))
                legal.push_back(sq);
        r.MakeMove(b, legal[rng() % legal.size()], p.SideToMove, OtherSide(p.SideToMove));
        mover = p.SideToMove;
    }
    return PositionWithTurn(size, b, mover);
}

GamePosition RandomPositionWithEmpties(int size, int empties, std::mt19937& rng)
{
    for (;;) {
        const GamePosition p = RandomPosition(size, size * size - 4 - empties, rng);
        if (!p.GameOver && p.Empties == empties)
            return p;
    }
}

Board BoardFromPicture(int size, const std::string& picture)
{
    Board b = StartBoard(size);
    for (int row = 0; row < size; ++row)
        for (int col = 0; col < size; ++col) {
            const char c = picture.at(std::size_t(row * size + col));
            b[SquareIndex(size, col, row)] = c == 'Y' ? CellYellow
                : c == 'G'                            ? CellGreen
                                                      : CellEmpty;
        }
    return b;
}
