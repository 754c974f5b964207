// corvana-cli selfplay: the computer against itself (or one engine against another), through the
// same steps the window takes for a computer move (search on its thread, Push, MakeMove, then the
// pass and end rules).
#include <chrono>
#include <cstdio>
#include <iostream>
#include <sstream>

#include "GameFlow.h"
#include "BoardTracker.h"
#include "Commands.h"
#include "EngineChoice.h"
#include "MoveRules.h"
#include "RoutineTable.h"
#include "Search.h"
#include "SearchThread.h"
#include "master/MasterEngine.h"

int RunSelfPlay(CliArgs& args)
{
    const int size = args.TakeInt("--size", 8, 10, 8);
    if (size != 8 && size != 10)
        throw UsageError("--size must be 8 or 10");
    const int level = args.TakeInt("--level", 1, MaxLevel, 1);
    const int yellowLevel = args.TakeInt("--yellow-level", 1, MaxLevel, level);
    const int greenLevel = args.TakeInt("--green-level", 1, MaxLevel, level);
    const EngineKind engine = EngineFromName("--engine", args.Take("--engine").value_or("normal"));
    const std::optional<std::string> yellowName = args.Take("--yellow-engine");
    const std::optional<std::string> greenName = args.Take("--green-engine");
    const EngineKind yellowEngine
        = yellowName ? EngineFromName("--yellow-engine", *yellowName) : engine;
    const EngineKind greenEngine
        = greenName ? EngineFromName("--green-engine", *greenName) : engine;
    const std::optional<std::string> saveFile = args.Take("--save");
    const bool verbose = args.TakeFlag("--verbose");
    args.ExpectEnd();

    BoardSize = size;
    NewGame();
    master::MasterNewGame();

    using Clock = std::chrono::steady_clock;
    std::ostringstream moves;
    std::uint64_t totalNodes = 0;
    Clock::duration searchTime {};
    std::uint64_t slowestNodes = 0;
    Clock::duration slowestTime {};
    int moveNumber = 0;

    while (!GameOver) {
        const int side = SideToMove;
        const int other = Opponent();
        Level = side == SideYellow ? yellowLevel : greenLevel;
        const EngineKind kind = side == SideYellow ? yellowEngine : greenEngine;
        master::SelectEngine(kind);
        const std::uint64_t nodesBefore = SearchNodes;
        const auto start = Clock::now();
        StartSearch();
        SearchThread->WaitFor();
        const int square = SearchRunning.load(std::memory_order_acquire) ? PassMove : BestMoves[0];
        const auto spent = Clock::now() - start;
        searchTime += spent;
        const std::uint64_t nodes = kind == EngineKind::Master ? master::LastThreadReport().Nodes
                                                               : SearchNodes - nodesBefore;
        totalNodes += nodes;
        if (nodes > slowestNodes) {
            slowestNodes = nodes;
            slowestTime = spent;
        }
        ++moveNumber;
        if (verbose) {
            std::fprintf(stderr, "move %d: %d by %s (%s), %llu nodes, %.3f s", moveNumber, square,
                side == SideYellow ? "Yellow" : "Green", EngineName(kind),
                static_cast<unsigned long long>(nodes),
                std::chrono::duration<double>(spent).count());
            if (kind == EngineKind::Master) {
                const master::SearchReport r = master::LastThreadReport();
                std::fprintf(stderr, ", depth %d%s, score %+.2f", r.Depth,
                    r.Solution == master::Solved::Exact             ? " solved"
                        : r.Solution == master::Solved::WinLossDraw ? " solved (win/loss/draw)"
                                                                    : "",
                    r.Score / 100.0);
            }
            std::fprintf(stderr, "\n");
        }

        if (square != PassMove) {
            GameRecord->Push(square, side, other);
            Routines.MakeMove(BoardStack[0], square, side, other);
            moves << (moves.tellp() > 0 ? " " : "") << square;
        }
        const PositionScan scan = ScanPosition(BoardStack[0]);
        switch (AdvanceTurn(scan)) {
        case TurnResult::GameEnded:
            GameOver = true;
            break;
        case TurnResult::Passed:
            moves << " pass";
            break;
        case TurnResult::NextSide:
            break;
        }
    }

    const PositionScan final = ScanPosition(BoardStack[0]);
    const std::uint64_t nodes = totalNodes;
    const double seconds = std::chrono::duration<double>(searchTime).count();
    std::printf("moves: %s\n", moves.str().c_str());
    std::printf("result: Yellow %d Green %d\n", final.Yellow, final.Green);
    std::printf("nodes: %llu time: %.3f nps: %.0f\n", static_cast<unsigned long long>(nodes),
        seconds, seconds > 0 ? double(nodes) / seconds : 0.0);
    if (verbose)
        std::fprintf(stderr, "slowest move: %llu nodes, %.3f s\n",
            static_cast<unsigned long long>(slowestNodes),
            std::chrono::duration<double>(slowestTime).count());

    if (saveFile) {
        if (const Status r = GameRecord->SaveToFile(*saveFile); !r) {
            std::cerr << "corvana-cli: " << r.Failure().Message << "\n";
            return 1;
        }
    }
    return 0;
}
