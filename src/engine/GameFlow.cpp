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

namespace {

PositionScan Scan(const RoutineTable& rules, int size, const Board& board)
{
    PositionScan scan;
    const SquareOrder order = MoveOrderFor(size);
    for (int i = 0; i < order.Length; ++i) {
        const int sq = order.Squares[i];
        if (board[sq] == CellYellow)
            ++scan.Yellow;
        else if (board[sq] == CellGreen)
            ++scan.Green;
        if (scan.YellowStuck && rules.IsLegalMove(board, sq, SideYellow, SideGreen))
            scan.YellowStuck = false;
        if (scan.GreenStuck && rules.IsLegalMove(board, sq, SideGreen, SideYellow))
            scan.GreenStuck = false;
    }
    return scan;
}

} // namespace

PositionScan ScanPosition(const Board& board) { return Scan(Routines, BoardSize, board); }

PositionScan ScanPosition(int size, const Board& board)
{
    return Scan(RoutinesFor(size), size, board);
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
