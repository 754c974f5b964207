// Shared helpers for the engine tests: positions reached by random legal play, and board setup
// from a picture.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "Board.h"

// Starts a new game of the given size and plays `plies` random legal moves (passing when a side
// has none; stops early when neither can move). Returns the squares played.
std::vector<int> PlayRandomGame(int size, int plies, std::mt19937& rng);

// Sets board 0 of the given size from rows of text, row 1 first: 'Y' Yellow, 'G' Green, '.' empty.
void SetBoard(int size, const std::vector<std::string>& rows);

// An almost full 8 x 8 board: Yellow can still play on the right edge (H2), Green has no square.
inline const std::vector<std::string> GreenStuckPosition = {
    "YYYYYYYY", "YYYYYYYY", "YYYYYYYY", "YYYYYYYY", "YYYYYYYY", "YYYYYYGG", "YYYYYYG.", "YYYYYYG.",
};

// The legal squares of side on board 0, in square-index order, through the routine table.
std::vector<int> LegalSquares(int side);
