// A position away from the game on screen, with the side that moves next: what the master
// engine's callers (corvana-cli's solve and match, corvana-tune, the tests) hand it.
#pragma once

#include "Board.h"

class OBoardTracker;

namespace master {

struct GamePosition {
    int Size = 8;
    Board Cells {};
    int SideToMove = SideYellow;
    bool GameOver = false;
    int Empties = 0;
};

// The position after mover played on cells: the other side moves, or mover again when the other
// has no legal square; when neither has, the game is over.
GamePosition PositionWithTurn(int size, const Board& cells, int mover);

// Where a checked game record (ReadTranscript, ReadGameFile) ends: the start position, Yellow to
// move, when it has no moves.
GamePosition PositionOfRecord(const OBoardTracker& record);

} // namespace master
