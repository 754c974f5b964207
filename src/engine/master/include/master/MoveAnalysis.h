// The value of every legal move of a position, for the coach: each position after a move is
// searched by the master engine, deeper and deeper, and every finished round is handed on at
// once, so that a window can show the values while they improve. Qt-free.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "Board.h"
#include "master/MasterEngine.h"

namespace master {

struct AnalysisLimits {
    double Seconds = 0; // for the whole analysis; 0: no clock
    // The deepest round: each position after a move is searched this deep; 0: no limit but the
    // clock, the cancel flag and the board (it ends once every move is solved or the search
    // reaches the last empty square).
    int Depth = 0;
    // Solve exactly when the position has this many empties or fewer (the positions after its
    // moves one fewer); -1: as the engine's search would, 0: never.
    int ExactFromEmpties = -1;
    int Threads = 0; // search threads; 0: the engine's setting
    Scoring Rule = Scoring::Discs;
};

struct MoveValue {
    int Move = PassMove; // square index
    // The final disc difference the side to move can expect after this move with best play from
    // both: centidiscs, or exact discs × 100 when Exact.
    int Value = 0;
    bool Exact = false;
};

struct MoveAnalysis {
    std::vector<MoveValue>
        Moves; // every legal move, the best first (ties in the order of the cells)
    int Depth = 0; // the last round completed (0: none, or every move was decided at once)
    bool Cancelled = false; // the cancel flag ended it
    std::uint64_t Nodes = 0;
    double Seconds = 0;
};

// Called after every completed round with the values of all moves so far, on the thread that
// analyses.
using AnalysisCallback = std::function<void(const MoveAnalysis&)>;

// Rounds of depth 1, 2, 3 … over every legal move of side on board (size 8 or 10) until the
// depth, the clock or the cancel flag ends them; the values of a round that did not finish are
// dropped, so every reported value comes from a whole search. The first round always finishes
// unless cancelled (with a clock it searches one ply past each move and solves nothing, so that
// it is quick). A move's value is minus the engine's score of the position after it (plus
// when the opponent must pass there); a move that ends the game has its final count. Nothing
// for a side without a legal square. engine is this call's alone while it runs (a window gives
// it an engine of its own, not the search thread's SharedEngine); its table is kept, so that the
// next position of a game starts warm.
MoveAnalysis AnalyseMoves(Engine& engine, const Board& board, int size, int side,
    const AnalysisLimits& limits, const std::atomic<bool>* cancel = nullptr,
    const AnalysisCallback& onRound = {});

// Tests only: runs on the analysing thread after each round's callback, given the round's depth
// and the caller's cancel flag, so that a test can hold the analysis between rounds. Set it only
// while no analysis runs.
extern std::function<void(int depth, const std::atomic<bool>* cancel)> AnalysisHook;

} // namespace master
