// The size-dependent rule routines, reached through one table so that no caller and no inner
// loop tests the board size. SelectRoutines refills it after every change of BoardSize.
#pragma once

#include "Board.h"

struct RoutineTable {
    void (*InitPosition)();
    bool (*IsLegalMove)(const Board& board, int square, int side, int opponent);
    void (*MakeMove)(Board& board, int square, int side, int opponent);
    int (*EvalFinal)(const Board& board, int own, int opponent);
    int (*EvalPosition)(const Board& board, int own, int opponent);
    int (*Search)(int move, int mover, int toMove, int ply, int alpha, int beta);
};

extern RoutineTable Routines;

// Fills Routines with the 8 × 8 variants when BoardSize is 8, the 10 × 10 ones otherwise.
void SelectRoutines();

// The table for a given size, without touching the global one (for tools and tests).
const RoutineTable& RoutinesFor(int size);
