// Start positions, the position scan and the turn rules shared by the window and the driver.
#include "MoveRules.h"


Board StartBoard(int size)
{
    Board b;
    b.fill(CellBorder);
    for (int col = 0; col < size; ++col)
        for (int row = 0; row < size; ++row)
            b[SquareIndex(size, col, row)] = CellEmpty;
    const int lo = size / 2 - 1; // 0-based column/row of the upper left centre square
    b[SquareIndex(size, lo, lo)] = CellYellow;
    b[SquareIndex(size, lo + 1, lo + 1)] = CellYellow;
    b[SquareIndex(size, lo, lo + 1)] = CellGreen;
    b[SquareIndex(size, lo + 1, lo)] = CellGreen;
    return b;
}

template <int N> void InitPositionT()
{
    for (Board& b : BoardStack)
        b.fill(CellBorder);
    BoardStack[0] = StartBoard(N);
}

template void InitPositionT<8>();
template void InitPositionT<10>();
