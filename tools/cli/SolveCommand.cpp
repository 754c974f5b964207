// corvana-cli solve: the exact result of a position with few empties and a line of best play.
// The position is the end of a game file (saved game, transcript or GGF) or of a transcript given
// on the command line such as "f5d6c3d3c4".
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "BoardText.h"
#include "Commands.h"
#include "GameFiles.h"
#include "GameFlow.h"
#include "Notation.h"
#include "RoutineTable.h"
#include "master/GamePosition.h"
#include "master/MasterEngine.h"

int RunSolve(CliArgs& args)
{
    const int maxEmpties = args.TakeInt("--max-empties", 1, 40, 28);
    const int threads = args.TakeInt("--threads", 1, 64, master::Engine::DefaultThreads());
    const std::optional<std::string> what = args.TakePositional();
    if (!what)
        throw UsageError("solve needs a saved game FILE.kpx or a transcript such as f5d6c3");
    args.ExpectEnd();

    // A file when there is one of that name or the name looks like one (so that a missing file
    // is reported as such); a transcript otherwise.
    std::error_code ec;
    const std::string extension = std::filesystem::path(*what).extension().string();
    const bool isFile = std::filesystem::exists(*what, ec) || what->find('/') != std::string::npos
        || extension.size() > 1;
    OBoardTracker record;
    if (isFile) {
        Result<LoadedGame> read = ReadGameFile(*what);
        if (!read) {
            ReportUnreadGame(*what, read.Failure());
            return 1;
        }
        record = std::move(read).Value().Record;
    } else {
        Result<OBoardTracker> read = ReadTranscript(*what);
        if (!read) {
            std::cerr << "corvana-cli solve: " << read.Failure().Message << "\n";
            return 1;
        }
        record = std::move(read).Value();
    }
    const master::GamePosition p = master::PositionOfRecord(record);
    PrintBoard(p.Cells, p.Size);
    if (p.GameOver) {
        const PositionScan end = ScanPosition(p.Size, p.Cells);
        std::printf("the game is over: Yellow %d Green %d\n", end.Yellow, end.Green);
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
        line += MoveText(p.Size, sq);
        side = other;
    }
    const PositionScan end = ScanPosition(p.Size, b);
    const int yellow = end.Yellow, green = end.Green;
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
