// The side due in a position, from the engine's scan, and what makes a position unreachable.
#include "GamePosition.h"

#include "GameFlow.h"
#include "MoveRules.h"
#include "RoutineTable.h"

namespace {

int Other(int side) { return side == SideYellow ? SideGreen : SideYellow; }

} // namespace

int SideDue(int size, const Board& cells, int side)
{
    const RoutineTable& rules = RoutinesFor(size);
    const SquareOrder order = MoveOrderFor(size);
    const auto canMove = [&](int who) {
        for (int i = 0; i < order.Length; ++i)
            if (rules.IsLegalMove(cells, order.Squares[i], who, Other(who)))
                return true;
        return false;
    };
    if (canMove(side))
        return side;
    return canMove(Other(side)) ? Other(side) : 0;
}

GamePosition PositionWithTurn(int size, const Board& cells, int mover)
{
    GamePosition p = PositionToMove(size, cells, Other(mover));
    if (const int due = SideDue(size, cells, Other(mover)); due != 0)
        p.SideToMove = due;
    return p;
}

GamePosition PositionToMove(int size, const Board& cells, int side)
{
    const PositionScan scan = ScanPosition(size, cells);
    GamePosition p;
    p.Size = size;
    p.Cells = cells;
    p.SideToMove = side;
    p.Empties = size * size - scan.Yellow - scan.Green;
    p.GameOver = scan.BothStuck();
    return p;
}

GamePosition UsualStart(int size) { return PositionToMove(size, StartBoard(size), SideYellow); }

bool IsUsualStart(const GamePosition& position)
{
    return position.SideToMove == SideYellow && position.Cells == StartBoard(position.Size);
}

bool IsWellFormedBoard(const Board& cells, int size)
{
    for (int i = 0; i < BoardCells; ++i) {
        const bool playable = IsPlayableSquare(size, i);
        if (playable ? (cells[i] < CellEmpty || cells[i] > CellGreen) : cells[i] != CellBorder)
            return false;
    }
    return true;
}

bool CentreOccupied(const Board& cells, int size)
{
    const int lo = size / 2 - 1, hi = size / 2;
    for (const int col : { lo, hi })
        for (const int row : { lo, hi })
            if (cells[SquareIndex(size, col, row)] == CellEmpty)
                return false;
    return true;
}

Reason SideReason(int side)
{
    return side == SideYellow ? Say(QT_TRANSLATE_NOOP("Reasons", "Yellow"))
                              : Say(QT_TRANSLATE_NOOP("Reasons", "Green"));
}

Status CheckReachable(const GamePosition& position)
{
    const int size = position.Size;
    if (size != 8 && size != 10)
        return Error { ErrorKind::Damaged,
            Say(QT_TRANSLATE_NOOP("Reasons", "the board size %1 is neither 8 nor 10"),
                { Number(size) }) };
    if (position.SideToMove != SideYellow && position.SideToMove != SideGreen)
        return Error { ErrorKind::Damaged,
            Say(QT_TRANSLATE_NOOP("Reasons", "it names no side to move")) };
    if (!IsWellFormedBoard(position.Cells, size))
        return Error { ErrorKind::Damaged,
            Say(QT_TRANSLATE_NOOP("Reasons", "its board holds impossible cells")) };
    for (const int col : { size / 2 - 1, size / 2 })
        for (const int row : { size / 2 - 1, size / 2 }) {
            const int square = SquareIndex(size, col, row);
            if (position.Cells[square] == CellEmpty)
                return Error { ErrorKind::Damaged,
                    Say(QT_TRANSLATE_NOOP("Reasons",
                            "its centre square %1 is empty, which no game can leave empty"),
                        { Plain(SquareName(size, square)) }) };
        }
    const PositionScan scan = ScanPosition(size, position.Cells);
    const int side = position.SideToMove;
    const bool stuck = side == SideYellow ? scan.YellowStuck : scan.GreenStuck;
    if (stuck && !scan.BothStuck())
        return Error { ErrorKind::Damaged,
            Say(QT_TRANSLATE_NOOP(
                    "Reasons", "%1 is to move but has no legal move, while %2 has one"),
                { SideReason(side), SideReason(Other(side)) }) };
    return {};
}
