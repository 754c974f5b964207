// Helpers for the master engine's tests: positions of random games on a board of their own, and
// conversions between byte boards and the engine's bit sets.
#pragma once

#include <random>
#include <string>

#include "Board.h"
#include "GamePosition.h"
#include "MasterBits.h"
#include "MoveRules.h"

// The position after `plies` random legal moves from the start (fewer if the game ends first).
GamePosition RandomPosition(int size, int plies, std::mt19937& rng);

// A position with exactly `empties` empty squares and a side to move that has a legal move;
// draws games until one gets there.
GamePosition RandomPositionWithEmpties(int size, int empties, std::mt19937& rng);

// A board from a picture of rows, top row first: 'Y' Yellow, 'G' Green, anything else empty.
Board BoardFromPicture(int size, const std::string& picture);

inline int OtherSide(int side) { return side == SideYellow ? SideGreen : SideYellow; }

template <int N>
void ToBits(
    const Board& b, int side, typename master::Geo<N>::BB& own, typename master::Geo<N>::BB& opp)
{
    Bits<N>::FromBoard(b, side, OtherSide(side), own, opp);
}
