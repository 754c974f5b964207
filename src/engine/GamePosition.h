// A position with the side that moves next, away from the game on screen: where a written game
// starts (the usual four discs, or a position set up on the board) and where it has got to. What
// the game files, corvana-cli, corvana-tune, the master engine's callers and the tests hand on.
#pragma once

#include "Board.h"
#include "Result.h"

struct GamePosition {
    int Size = 8;
    Board Cells {};
    int SideToMove = SideYellow;
    bool GameOver = false; // neither side has a legal square
    int Empties = 0;
};

// The one rule of passing, which every reader and writer of games goes by: where side would move
// next on cells, the side due is side when it has a legal square, else the other side when that
// has one (side passes), else nobody (0: the game is over).
int SideDue(int size, const Board& cells, int side);

// "Yellow" or "Green", as messages name a side.
Reason SideReason(int side);

// The position after mover played on cells: the other side moves, or mover again when the other
// has no legal square; when neither has, the game is over.
GamePosition PositionWithTurn(int size, const Board& cells, int mover);

// cells with side due to move, as a written position gives it (nothing is checked).
GamePosition PositionToMove(int size, const Board& cells, int side);

// The four discs in the centre with Yellow to move.
GamePosition UsualStart(int size);
bool IsUsualStart(const GamePosition& position);

// Every cell is what a board of this size holds there: border outside the squares, and empty,
// Yellow or Green on them.
bool IsWellFormedBoard(const Board& cells, int size);
// The four centre squares hold discs, as in every position of a game: they start occupied and
// discs only turn. (The fixed-depth search never tries them, so it could not see a move there.)
bool CentreOccupied(const Board& cells, int size);

// Refuses (Damaged) a position that no game can reach, saying why: a cell that is not a square's
// (a border cell that is not border, a square that holds no disc and is not empty), an empty
// centre square (the four start occupied and discs only turn), and a side to move without a legal
// square while the other side has one (it would have passed). A finished game is accepted.
Status CheckReachable(const GamePosition& position);
