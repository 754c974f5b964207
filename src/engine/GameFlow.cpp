// A new game, and the turn after a move.
#include "GameFlow.h"

#include "BoardTracker.h"
#include "RoutineTable.h"

void NewGame()
{
    SelectRoutines();
    Routines.InitPosition();
    ResetGameRecord();
    GameOver = false;
    SideToMove = SideYellow;
}

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
