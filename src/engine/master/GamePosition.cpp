// The side due after a move, from the engine's scan of a position.
#include "master/GamePosition.h"

#include "BoardTracker.h"
#include "GameFlow.h"
#include "MoveRules.h"
#include "Notation.h"

namespace master {

GamePosition PositionWithTurn(int size, const Board& cells, int mover)
{
    const PositionScan scan = ScanPosition(size, cells);
    const int next = mover == SideYellow ? SideGreen : SideYellow;
    const bool nextStuck = next == SideYellow ? scan.YellowStuck : scan.GreenStuck;
    GamePosition p;
    p.Size = size;
    p.Cells = cells;
    p.Empties = size * size - scan.Yellow - scan.Green;
    p.GameOver = scan.BothStuck();
    p.SideToMove = nextStuck && !p.GameOver ? mover : next;
    return p;
}

GamePosition PositionOfRecord(const OBoardTracker& record)
{
    if (record.Entries.empty())
        return PositionWithTurn(record.Size, StartBoard(record.Size), SideGreen);
    return PositionWithTurn(record.Size, FinalBoardOf(record), record.Entries.back().MoverSide);
}

} // namespace master
