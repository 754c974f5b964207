// Helpers for the engine tests.
#include "GameFlow.h"
#include "EngineTestSupport.h"

#include "RoutineTable.h"

std::vector<int> LegalSquares(int side)
{
    const int other = side == SideYellow ? SideGreen : SideYellow;
    std::vector<int> squares;
    for (int sq = 0; sq < BoardCells; ++sq)
        if (Routines.IsLegalMove(BoardStack[0], sq, side, other))
            squares.push_back(sq);
    return squares;
}

std::vector<int> PlayRandomGame(int size, int plies, std::mt19937& rng)
{
    BoardSize = size;
    NewGame();
    std::vector<int> played;
    for (int i = 0; i < plies; ++i) {
        std::vector<int> moves = LegalSquares(SideToMove);
        if (moves.empty()) {
            SideToMove = Opponent();
            moves = LegalSquares(SideToMove);
            if (moves.empty())
                break;
        }
        const int sq = moves[rng() % moves.size()];
        Routines.MakeMove(BoardStack[0], sq, SideToMove, Opponent());
        played.push_back(sq);
        SideToMove = Opponent();
    }
    return played;
}

void SetBoard(int size, const std::vector<std::string>& rows)
{
    BoardSize = size;
    NewGame();
    for (int row = 0; row < size; ++row) {
        for (int col = 0; col < size; ++col) {
            const char c = rows.at(row).at(col);
            BoardStack[0][SquareIndex(size, col, row)] = c == 'Y' ? CellYellow
                : c == 'G'                                        ? CellGreen
                                                                  : CellEmpty;
        }
    }
}
