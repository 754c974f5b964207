// corvana-endgame-set: writes the endgame positions of the master engine's tests and benchmark
// (EndgameSet.h) with their exact scores from the plain solver. Positions come from games of the
// fixed-depth search after a few random moves, taken at 20 empties and again 6 moves later.
// Run once: the plain solver takes minutes per position at 20 empties.
//   corvana-endgame-set COUNT SEED > EndgameSet.h
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "Evaluation.h"
#include "GamePosition.h"
#include "MoveRules.h"
#include "PlainSolver.h"
#include "RoutineTable.h"
#include "Search.h"

namespace {

std::string Picture(const Board& b)
{
    std::string s;
    for (int row = 0; row < 8; ++row)
        for (int col = 0; col < 8; ++col) {
            const Cell c = b[SquareIndex(8, col, row)];
            s += c == CellYellow ? 'Y' : c == CellGreen ? 'G' : '.';
        }
    return s;
}

struct Snapshot {
    Board Cells;
    int Side;
};

// Plays one game to 14 empties; false when it ends or a side is stuck at a snapshot.
bool PlayGame(std::mt19937& rng, Snapshot& at20, Snapshot& at14)
{
    const RoutineTable& r = RoutinesFor(8);
    Board b = StartBoard(8);
    int mover = SideGreen;
    bool have20 = false;
    for (int ply = 0;; ++ply) {
        const GamePosition p = PositionWithTurn(8, b, mover);
        if (p.GameOver)
            return false;
        if (p.Empties == 20 && p.SideToMove != mover) {
            at20 = { b, p.SideToMove };
            have20 = true;
        }
        if (p.Empties == 14) {
            at14 = { b, p.SideToMove };
            return have20 && p.SideToMove != mover;
        }
        int square;
        if (ply < 8) {
            std::vector<int> legal;
            for (int sq = 0; sq < BoardCells; ++sq)
                if (IsPlayableSquare(8, sq) && r.IsLegalMove(b, sq, p.SideToMove, 5 - p.SideToMove))
                    legal.push_back(sq);
            square = legal[rng() % legal.size()];
        } else {
            BoardSize = 8;
            SelectRoutines();
            BoardStack[0] = b;
            SideToMove = p.SideToMove;
            Level = 4;
            AdvancedEngine = true;
            square = SearchBestMove();
        }
        r.MakeMove(b, square, p.SideToMove, 5 - p.SideToMove);
        mover = p.SideToMove;
    }
}

} // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 24;
    const unsigned seed = argc > 2 ? unsigned(std::atoi(argv[2])) : 2026;
    std::mt19937 rng(seed);
    std::printf(
        "// Endgame positions of 8 x 8 games with their exact scores (final disc difference for\n"
        "// the side to move), from the plain solver. Written by corvana-endgame-set %d %u.\n"
        "#pragma once\n\n"
        "struct EndgameCase {\n"
        "    const char* Board20; // row 8 first (the top row as shown), 'Y', 'G', '.'\n"
        "    char Side20; // 'Y' or 'G' to move\n"
        "    int Score20;\n"
        "    const char* Board14; // the same game 6 moves later\n"
        "    char Side14;\n"
        "    int Score14;\n"
        "};\n\n"
        "inline const EndgameCase EndgameSet[] = {\n",
        count, seed);
    for (int n = 0; n < count;) {
        Snapshot a, b;
        if (!PlayGame(rng, a, b))
            continue;
        ++n;
        const int s20 = PlainSolve(a.Cells, 8, a.Side);
        const int s14 = PlainSolve(b.Cells, 8, b.Side);
        std::printf("    { \"%s\", '%c', %d,\n      \"%s\", '%c', %d },\n",
            Picture(a.Cells).c_str(), a.Side == SideYellow ? 'Y' : 'G', s20,
            Picture(b.Cells).c_str(), b.Side == SideYellow ? 'Y' : 'G', s14);
        std::fflush(stdout);
        std::fprintf(stderr, "%d of %d\n", n, count);
    }
    std::printf("};\n");
    return 0;
}
