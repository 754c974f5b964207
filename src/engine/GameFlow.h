// The game from its start to its end as the engine sees it: a new game (the routines of the
// board size, the start position, an empty record) and handing the turn on after a move, with
// passes and the end of the game. The top of the engine: it uses the rules, the routine table
// and the record; the window's session and corvana-cli call it.
#pragma once

#include "Board.h"

// SelectRoutines, the start position of BoardSize, an empty GameRecord, Yellow to move.
void NewGame();

// What the controller needs to know after a move: the disc counts and whether each side is
// without a legal square.
struct PositionScan {
    int Yellow = 0;
    int Green = 0;
    bool YellowStuck = true;
    bool GreenStuck = true;
    bool BothStuck() const { return YellowStuck && GreenStuck; }
};

// Walks the square order of BoardSize once over board, through the routine table.
PositionScan ScanPosition(const Board& board);
// The same for a board of either size, away from the shared board size and routine table (the
// tools and the master engine look at positions that are not the game on screen).
PositionScan ScanPosition(int size, const Board& board);

// What handing the turn on after a move did.
enum class TurnResult {
    NextSide, // the other side moves
    Passed, // the other side had to pass: the mover moves again
    GameEnded, // neither side can move
};

// Hands the turn on after a move on board 0, as the controller does: SideToMove becomes the other
// side; when neither side can move the game is over (GameOver is left to the caller, who shows
// the result first); when the new side is stuck it passes back. scan is ScanPosition(board 0).
TurnResult AdvanceTurn(const PositionScan& scan);
