// The computer opponent: a fixed-depth negamax alpha-beta search over the fixed square order.
// The controller runs it on TMyThread (SearchThread.h); bench and tests may call it directly.
#pragma once

#include <atomic>
#include <cstdint>

#include "Board.h"

constexpr int ScoreBound = 32767;
constexpr int MaxLevel = 9;

extern int Level; // depth in plies, 1..9

// BestMoves[k]: the best square found so far at ply k of the current line, or PassMove.
// BestMoves[0] is the result of a search.
extern int BestMoves[BoardStackDepth];

// Calls of Search (every node, roots included) since the program started. Written by the thread
// that searches; read by others only after that search has ended.
extern std::uint64_t SearchNodes;

// The termination request the search on this thread polls before each candidate square. Null
// means the search cannot be cancelled.
extern thread_local const std::atomic<bool>* SearchCancelRequest;

// Search (move, mover, toMove, ply, alpha, beta): the score, from mover's point of view, of the
// node reached when mover has played move (PassMove: mover passed) on board ply of BoardStack.
template <int N> int SearchT(int move, int mover, int toMove, int ply, int alpha, int beta);

// The root search for SideToMove on board 0 at the current Level, as the search thread runs it.
// Leaves the chosen square (or PassMove) in BestMoves[0] and returns it.
int SearchBestMove();
