// corvana-cli match: two engines play each other from a set of openings made of random legal
// moves (a fixed seed repeats them), every opening once with each colour. Prints every game, the
// score and the time the engines took per move.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "Commands.h"
#include "EngineChoice.h"
#include "GameFlow.h"
#include "GamePosition.h"
#include "MoveRules.h"
#include "Notation.h"
#include "RoutineTable.h"
#include "Search.h"

namespace {

int Other(int side) { return side == SideYellow ? SideGreen : SideYellow; }

std::vector<int> LegalSquares(const Board& b, int size, int side)
{
    std::vector<int> squares;
    const RoutineTable& r = RoutinesFor(size);
    for (int col = 0; col < size; ++col)
        for (int row = 0; row < size; ++row) {
            const int sq = SquareIndex(size, col, row);
            if (r.IsLegalMove(b, sq, side, Other(side)))
                squares.push_back(sq);
        }
    return squares;
}

// Distinct positions after `moves` random legal moves from the start (passes taken as the rules
// say); a line that ends the game early is drawn again.
std::vector<std::vector<int>> MakeOpenings(int size, int count, int moves, unsigned seed)
{
    std::mt19937 rng(seed);
    std::vector<std::vector<int>> openings;
    std::set<std::string> seen;
    const RoutineTable& r = RoutinesFor(size);
    for (int attempts = 0; int(openings.size()) < count && attempts < 1000 * count; ++attempts) {
        Board b = StartBoard(size);
        int mover = SideGreen; // as if Green had just moved
        std::vector<int> line;
        bool over = false;
        for (int i = 0; i < moves && !over; ++i) {
            const GamePosition p = PositionWithTurn(size, b, mover);
            if (p.GameOver) {
                over = true;
                break;
            }
            const std::vector<int> legal = LegalSquares(b, size, p.SideToMove);
            const int sq = legal[rng() % legal.size()];
            r.MakeMove(b, sq, p.SideToMove, Other(p.SideToMove));
            line.push_back(sq);
            mover = p.SideToMove;
        }
        if (over || PositionWithTurn(size, b, mover).GameOver)
            continue;
        const std::string key(b.begin(), b.end());
        if (seen.insert(key + char(mover)).second)
            openings.push_back(line);
    }
    return openings;
}

struct MoveTimes {
    int Moves = 0;
    double Total = 0;
    double Longest = 0;
    void Add(double s)
    {
        ++Moves;
        Total += s;
        Longest = std::max(Longest, s);
    }
};

struct Standing {
    int Wins = 0, Draws = 0, Losses = 0;
};

} // namespace

int RunMatch(CliArgs& args)
{
    const int size = args.TakeInt("--size", 8, 10, 8);
    if (size != 8 && size != 10)
        throw UsageError("--size must be 8 or 10");
    const EngineKind first = EngineFromName("--engine1", args.Take("--engine1").value_or("master"));
    const EngineKind second
        = EngineFromName("--engine2", args.Take("--engine2").value_or("advanced"));
    const master::Evaluation eval1
        = EvaluationFromName("--eval1", args.Take("--eval1").value_or("patterns"));
    const master::Evaluation eval2
        = EvaluationFromName("--eval2", args.Take("--eval2").value_or("patterns"));
    const int level1 = args.TakeInt("--level1", 1, MaxLevel, 5);
    const int level2 = args.TakeInt("--level2", 1, MaxLevel, 9);
    const int depth1 = args.TakeInt("--depth1", 1, 60, 0);
    const int depth2 = args.TakeInt("--depth2", 1, 60, 0);
    const int openingCount = args.TakeInt("--openings", 1, 10000, 50);
    const int openingMoves = args.TakeInt("--opening-moves", 0, 40, 8);
    const int seed = args.TakeInt("--seed", 0, 2147483647, 1);
    const int threads = args.TakeInt("--threads", 1, 64, master::Engine::DefaultThreads());
    const bool quiet = args.TakeFlag("--quiet");
    const bool verbose = args.TakeFlag("--verbose");
    args.ExpectEnd();

    const std::vector<std::vector<int>> openings
        = MakeOpenings(size, openingCount, openingMoves, unsigned(seed));
    if (int(openings.size()) < openingCount)
        std::fprintf(stderr, "corvana-cli match: only %zu distinct openings of %d moves\n",
            openings.size(), openingMoves);

    EnginePlayer players[2]
        = { { first, level1, threads, eval1 }, { second, level2, threads, eval2 } };
    players[0].Depth = depth1;
    players[1].Depth = depth2;
    for (const EnginePlayer& p : players)
        if (p.Depth && p.Kind != EngineKind::Master)
            throw UsageError("--depth1 and --depth2 are for the master engine");
    MoveTimes times[2];
    Standing standing; // of engine 1
    const RoutineTable& r = RoutinesFor(size);
    using Clock = std::chrono::steady_clock;
    int game = 0;
    // The master engine's evaluation is named only where it is not its own.
    const auto label = [](EngineKind kind, master::Evaluation eval) {
        return std::string(EngineName(kind))
            + (kind == EngineKind::Master && eval == master::Evaluation::Classic ? " (classic)"
                                                                                 : "");
    };
    const std::string name1 = label(first, eval1), name2 = label(second, eval2);
    std::printf(
        "%s level %d against %s level %d, %d x %d, %zu openings of %d moves, both colours\n",
        name1.c_str(), level1, name2.c_str(), level2, size, size, openings.size(), openingMoves);
    std::fflush(stdout);

    for (std::size_t o = 0; o < openings.size(); ++o) {
        for (int firstPlays : { SideYellow, SideGreen }) {
            ++game;
            for (EnginePlayer& p : players)
                p.NewGame();
            Board b = StartBoard(size);
            int mover = SideGreen;
            std::string transcript;
            for (const int sq : openings[o]) {
                transcript += MoveText(size, sq);
                const int side = PositionWithTurn(size, b, mover).SideToMove;
                r.MakeMove(b, sq, side, Other(side));
                mover = side;
            }
            for (;;) {
                const GamePosition p = PositionWithTurn(size, b, mover);
                if (p.GameOver)
                    break;
                const int who = p.SideToMove == firstPlays ? 0 : 1;
                const auto start = Clock::now();
                const int sq = players[who].Choose(b, size, p.SideToMove);
                times[who].Add(std::chrono::duration<double>(Clock::now() - start).count());
                if (sq == PassMove || !r.IsLegalMove(b, sq, p.SideToMove, Other(p.SideToMove))) {
                    std::fprintf(stderr, "corvana-cli match: %s chose %s, not a legal move\n",
                        EngineName(players[who].Kind), MoveText(size, sq).c_str());
                    return 1;
                }
                r.MakeMove(b, sq, p.SideToMove, Other(p.SideToMove));
                mover = p.SideToMove;
                transcript += MoveText(size, sq);
                if (verbose && players[who].Kind == EngineKind::Master) {
                    const master::SearchReport& rep = players[who].LastReport;
                    std::fprintf(stderr, "%s depth %d%s score %+.2f, %.3f s\n",
                        MoveText(size, sq).c_str(), rep.Depth,
                        rep.Solution == master::Solved::Exact ? " solved" : "", rep.Score / 100.0,
                        rep.Seconds);
                }
            }
            const PositionScan end = ScanPosition(size, b);
            const int yellow = end.Yellow, green = end.Green;
            const int own = firstPlays == SideYellow ? yellow : green;
            const int other = yellow + green - own;
            const char* outcome = own > other ? "win" : own < other ? "loss" : "draw";
            (own > other ? standing.Wins : own < other ? standing.Losses : standing.Draws)++;
            if (verbose)
                std::printf("moves: %s\n", transcript.c_str());
            if (!quiet) {
                std::printf("game %3d opening %3zu: %s plays %s, %2d-%2d, %s\n", game, o + 1,
                    name1.c_str(), firstPlays == SideYellow ? "Yellow" : "Green", own, other,
                    outcome);
                std::fflush(stdout);
            }
        }
    }

    const double points = standing.Wins + 0.5 * standing.Draws;
    std::printf("score: %s %.1f - %.1f %s (wins %d, draws %d, losses %d of %d games)\n",
        name1.c_str(), points, game - points, name2.c_str(), standing.Wins, standing.Draws,
        standing.Losses, game);
    for (int i = 0; i < 2; ++i) {
        const EnginePlayer& p = players[i];
        std::printf("%s level %d: %d moves, %.3f s per move on average, %.3f s at most",
            label(p.Kind, p.Eval).c_str(), p.Level, times[i].Moves,
            times[i].Moves ? times[i].Total / times[i].Moves : 0.0, times[i].Longest);
        if (p.Kind == EngineKind::Master)
            std::printf(" (budget %.3f s)", master::LevelSeconds(p.Level));
        std::printf("\n");
    }
    return 0;
}
