// A plain transcription of the search over the byte boards of BoardStack, one board per ply,
// through the byte-board rules. The fast search must visit the same nodes and reach the same
// scores and choices; the tests compare the two.
#pragma once

#include <cstdint>

struct ReferenceResult {
    int Score;
    int BestMove;
    std::uint64_t Nodes;
};

// Searches board 0 for SideToMove at Level with AdvancedEngine, as the search thread does.
ReferenceResult ReferenceSearchRoot(int size);

// The same for an arbitrary node: board ply of BoardStack, as Search (move, mover, ...) sees it.
ReferenceResult ReferenceSearchNode(
    int size, int move, int mover, int toMove, int ply, int alpha, int beta);
