// corvana-cli show: a saved game as text, or the reason it is refused.
#include <cstdio>
#include <iostream>

#include "BoardTracker.h"
#include "Commands.h"
#include "RoutineTable.h"

namespace {

const char* SideName(int side) { return side == SideYellow ? "Yellow" : "Green"; }

void PrintBoard(const Board& b, int size)
{
    // Laid out as the window shows it, with the border's labels: rows counted from the bottom.
    std::printf("   ");
    for (int col = 0; col < size; ++col)
        std::printf(" %c", 'A' + col);
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

} // namespace

int RunShow(CliArgs& args)
{
    const std::optional<std::string> file = args.TakePositional();
    if (!file)
        throw UsageError("show needs a file name");
    args.ExpectEnd();

    const int savedComputerSide = ComputerSide;
    const bool savedOpponent = OpponentIsComputer;
    OBoardTracker record;
    if (const Status r = record.LoadFromFile(*file); !r) {
        switch (r.Failure().Kind) {
        case ErrorKind::NotOurs:
            std::cerr << "corvana-cli: " << *file << " is not a saved game (no 0XPK signature)\n";
            break;
        case ErrorKind::Damaged:
            std::cerr << "corvana-cli: refused: " << r.Failure().Message << "\n";
            break;
        default: // the file could not be read
            std::cerr << "corvana-cli: error: " << r.Failure().Message << "\n";
            break;
        }
        return 1;
    }

    std::printf("size: %d\ncount: %d\n", record.Size, record.Count);
    for (int i = 0; i < record.Count; ++i) {
        const TTrackerEntry& e = record.Entries[i];
        std::printf("%3d. %-6s %3d (%s)\n", i + 1, SideName(e.MoverSide), e.Move,
            SquareName(record.Size, e.Move).c_str());
    }
    std::printf("computer side: %s (%d)\n", SideName(ComputerSide), ComputerSide);
    std::printf("opponent: %s\n", OpponentIsComputer ? "computer" : "player");
    if (record.Count > 0) {
        const TTrackerEntry& last = record.Entries.back();
        Board b = last.Before;
        RoutinesFor(record.Size).MakeMove(b, last.Move, last.MoverSide, last.OtherSide);
        std::printf("final board:\n");
        PrintBoard(b, record.Size);
    }
    ComputerSide = savedComputerSide;
    OpponentIsComputer = savedOpponent;
    return 0;
}
