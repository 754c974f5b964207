// corvana-cli solve: the exact result of a position with few empties and a line of best play.
// The position is the end of a game file (saved game, transcript, GGF or one-line positions), a
// position in the one-line format, or the end of a transcript given on the command line such as
// "f5d6c3d3c4".
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "BoardText.h"
#include "Commands.h"
#include "GameFiles.h"
#include "GameFlow.h"
#include "Notation.h"
#include "PositionLine.h"
#include "RoutineTable.h"
#include "master/MasterEngine.h"

namespace {

// What the argument names: a position when it reads as squares and a side, a file when there is
// one of that name or the name looks like one (so that a missing file is reported as such), a
// transcript otherwise. Prints why not and gives nothing when it cannot be read.
std::optional<WrittenGame> GameNamed(const std::string& what)
{
    // Squares are letters and dashes only; a transcript has digits, a file name seldom a long
    // run of nothing but X, O and dashes.
    const auto run = std::find_if(
        what.begin(), what.end(), [](char c) { return CellOfSquareChar(c) == CellBorder; });
    if (run - what.begin() >= 32) {
        Result<PositionLine> line = ReadPositionLine(what);
        if (!line) {
            std::cerr << "corvana-cli solve: refused: " << line.Failure().Message << "\n";
            return std::nullopt;
        }
        return GameFromPosition(line.Value().Position);
    }
    std::error_code ec;
    const std::string extension = std::filesystem::path(what).extension().string();
    const bool isFile = std::filesystem::exists(what, ec) || what.find('/') != std::string::npos
        || extension.size() > 1;
    if (isFile) {
        Result<LoadedGame> read = ReadGameFile(what);
        if (!read) {
            ReportUnreadGame(what, read.Failure());
            return std::nullopt;
        }
        return std::move(read).Value().Game;
    }
    Result<OBoardTracker> read = ReadTranscript(what);
    if (!read) {
        std::cerr << "corvana-cli solve: " << read.Failure().Message << "\n";
        return std::nullopt;
    }
    return GameOfRecord(std::move(read).Value());
}

} // namespace

int RunSolve(CliArgs& args)
{
    const int maxEmpties = args.TakeInt("--max-empties", 1, 40, 28);
    const int threads = args.TakeInt("--threads", 1, 64, master::Engine::DefaultThreads());
    const std::optional<std::string> what = args.TakePositional();
    if (!what)
        throw UsageError("solve needs a game file, a position such as \"--...-OX-- X\" or a "
                         "transcript such as f5d6c3");
    args.ExpectEnd();

    const std::optional<WrittenGame> game = GameNamed(*what);
    if (!game)
        return 1;
    const GamePosition p = EndOf(*game);
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
