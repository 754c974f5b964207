// Scoring of positions at the search horizon: square weights after a move, disc count after a
// pass. The byte-board versions here are the reference the search's own fast versions must
// agree with, and what the routine table offers to everyone else.
#pragma once

#include <array>

#include "Board.h"

constexpr int WinBonus = 32000;

// "advanced" engine: EvalFinal adds the mobility term.
extern bool AdvancedEngine;

// Weight grids as shown on the screen: [row][column], row 0 at the top. In the corner-taken
// grids the C and X squares hold 0; their weight follows their own corner (CornerGroupsFor).
extern const std::array<std::array<int, 8>, 8> WeightsEmptyCorners8;
extern const std::array<std::array<int, 8>, 8> WeightsCornerTaken8;
extern const std::array<std::array<int, 10>, 10> WeightsEmptyCorners10;
extern const std::array<std::array<int, 10>, 10> WeightsCornerTaken10;

// A corner with its two edge neighbours (C squares) and its diagonal neighbour (X square).
struct CornerGroup {
    int Corner;
    int C1;
    int C2;
    int X;
};
const std::array<CornerGroup, 4>& CornerGroupsFor(int size);

// Weight of each cell of the bordered board for one table (border cells 0).
struct WeightBoard {
    std::array<int, BoardCells> Weight {};
};
const WeightBoard& EmptyCornerWeights(int size);
const WeightBoard& CornerTakenWeights(int size); // C and X squares 0

// C and X weights when their corner is taken and when it is empty.
constexpr int WeightCTaken = 12;
constexpr int WeightXTaken = 8;
constexpr int WeightCEmpty = -8;
constexpr int WeightXEmpty = -24;

template <int N> int EvalPositionT(const Board& board, int own, int opponent);
template <int N> int EvalFinalT(const Board& board, int own, int opponent);
