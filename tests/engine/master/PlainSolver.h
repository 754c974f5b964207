// The reference for the master engine's solver: plain alpha-beta to the end of the game over the
// fixed-depth search's bit sets (BitBoard.h), without a table and without ordering moves by the
// position: they are tried in the program's fixed square order (MoveOrder8/10, corners first).
// Slow but simple enough to trust; the endgame data of the tests was computed with it.
#pragma once

#include <cstdint>

#include "Board.h"

// The final disc difference for side to move on board (of size 8 or 10) with best play from both.
int PlainSolve(const Board& board, int size, int side, std::uint64_t* nodes = nullptr);
