// A position as text, shared by the commands that print one (show, solve).
#pragma once

#include "Board.h"

const char* SideName(int side);

// Laid out as the window shows it, with the border's labels: rows counted from the bottom.
void PrintBoard(const Board& board, int size);
