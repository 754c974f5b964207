// corvana-cli solve: the exact result of a position with few empties and a line of best play.
// The position is the end of a saved game (.kpx) or a transcript such as "f5d6c3d3c4".
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "BoardTracker.h"
#include "Commands.h"
#include "RoutineTable.h"
#include "master/MasterEngine.h"
#include "master/Notation.h"

namespace {

const char* SideName(int side) { return side == SideYellow ? "Yellow" : "Green"; }

// The board as written in the notation: row numbers from the bottom, columns from a.
void PrintBoard(const Board& b, int size)
{
    std::printf("   ");
    for (int col = 0; col < size; ++col)
        std::printf(" %c", 'a' + col);
    std::printf("\n");
    for (int row = 0; row < size; ++row) {
        std::printf("%3d", size - row);
        for (int col = 0; col < size; ++col) {
            const Cell c = b[SquareIndex(size, col, row)];
            std::printf(" %c", c == CellYellow ? 'Y' : c == CellGreen ? 'G' : '.');
        }
        std::printf("\n");
    }
}

void Count(const Board& b, int size, int& yellow, int& green)
{
    yellow = green = 0;
    for (int col = 0; col < size; ++col)
        for (int row = 0; row < size; ++row) {
            yellow += b[SquareIndex(size, col, row)] == CellYellow;
            green += b[SquareIndex(size, col, row)] == CellGreen;
        }
}

} // namespace

int RunSolve(CliArgs& args)
{
    const int size = args.TakeInt("--size", 8, 10, 8);
    if (size != 8 && size != 10)
        throw UsageError("--size must be 8 or 10");
    const int maxEmpties = args.TakeInt("--max-empties", 1, 40, 28);
    const int threads = args.TakeInt("--threads", 1, 64, master::Engine::DefaultThreads());
    const std::optional<std::string> what = args.TakePositional();
    if (!what)
        throw UsageError("solve needs a saved game FILE.kpx or a transcript such as f5d6c3");
    args.ExpectEnd();

    master::PositionResult read;
    std::error_code ec;
    if (std::filesystem::is_regular_file(*what, ec)) {
        const int savedComputerSide = ComputerSide;
        const bool savedOpponent = OpponentIsComputer;
        OBoardTracker record;
        const FileResult r = record.LoadFromFile(*what);
        ComputerSide = savedComputerSide;
        OpponentIsComputer = savedOpponent;
        if (!r) {
            std::cerr << "corvana-cli solve: " << *what << ": "
                      << (r.Status == FileResult::NotSavedGame ? "not a saved game" : r.Message)
                      << "\n";
            return 1;
        }
        read = master::PositionOfRecord(record);
    } else {
        read = master::ReadTranscript(size, *what);
    }
    if (!read) {
        std::cerr << "corvana-cli solve: " << read.Message << "\n";
        return 1;
    }
    const master::GamePosition& p = read.Position;
    PrintBoard(p.Cells, p.Size);
    int yellow, green;
    if (p.GameOver) {
        Count(p.Cells, p.Size, yellow, green);
        std::printf("the game is over: Yellow %d Green %d\n", yellow, green);
        return 0;
    }
    std::printf("%s to move, %d empties\n", SideName(p.SideToMove), p.Empties);
    if (p.Empties > maxEmpties) {
        std::cerr << "corvana-cli solve: " << p.Empties
                  << " empties are too many to solve (at most " << maxEmpties
                  << "; --max-empties raises it)\n";
        return 1;
    }

    master::Engine engine(64, threads);
    const master::SolveReport s = engine.Solve(p.Cells, p.Size, p.SideToMove);
    // Play the line out for the final count.
    const RoutineTable& r = RoutinesFor(p.Size);
    Board b = p.Cells;
    int side = p.SideToMove;
    std::string line;
    for (const int sq : s.Line) {
        const int other = side == SideYellow ? SideGreen : SideYellow;
        if (sq != PassMove)
            r.MakeMove(b, sq, side, other);
        if (!line.empty())
            line += ' ';
        line += master::SquareName(p.Size, sq);
        side = other;
    }
    Count(b, p.Size, yellow, green);
    const int margin = s.Score < 0 ? -s.Score : s.Score;
    const int winner = s.Score > 0   ? p.SideToMove
        : p.SideToMove == SideYellow ? SideGreen
                                     : SideYellow;
    if (s.Score == 0)
        std::printf("result: a draw, Yellow %d Green %d\n", yellow, green);
    else
        std::printf(
            "result: %s wins by %d, Yellow %d Green %d\n", SideName(winner), margin, yellow, green);
    std::printf("best line: %s\n", line.c_str());
    std::printf("nodes: %llu time: %.3f s\n", static_cast<unsigned long long>(s.Nodes), s.Seconds);
    return 0;
}
