// Start positions, the position scan and the turn rules shared by the window and the driver.
#include "MoveRules.h"

#include "BoardTracker.h"
#include "RoutineTable.h"

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
    ResetGameRecord();
}

template void InitPositionT<8>();
template void InitPositionT<10>();

PositionScan ScanPosition(const Board& board)
{
    PositionScan scan;
    const SquareOrder order = MoveOrderFor(BoardSize);
    for (int i = 0; i < order.Length; ++i) {
        const int sq = order.Squares[i];
        if (board[sq] == CellYellow)
            ++scan.Yellow;
        else if (board[sq] == CellGreen)
            ++scan.Green;
        if (scan.YellowStuck && Routines.IsLegalMove(board, sq, SideYellow, SideGreen))
            scan.YellowStuck = false;
        if (scan.GreenStuck && Routines.IsLegalMove(board, sq, SideGreen, SideYellow))
            scan.GreenStuck = false;
    }
    return scan;
}

TurnResult AdvanceTurn(const PositionScan& scan)
{
    SideToMove = Opponent();
    if (scan.BothStuck())
        return TurnResult::GameEnded;
    if (scan.YellowStuck && SideToMove == SideYellow) {
        SideToMove = SideGreen;
        return TurnResult::Passed;
    }
    if (scan.GreenStuck && SideToMove == SideGreen) {
        SideToMove = SideYellow;
        return TurnResult::Passed;
    }
    return TurnResult::NextSide;
}
