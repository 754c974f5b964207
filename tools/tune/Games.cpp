// corvana-tune games: self-play records for the fit. Each job plays its share of the games with
// its own engine (one thread, fixed depth, its own table), so the records repeat for a given seed.
#include <atomic>
#include <cstdio>
#include <mutex>
#include <random>
#include <stdexcept>

#include "GamePosition.h"
#include "Jobs.h"
#include "MasterBits.h"
#include "MoveRules.h"
#include "RoutineTable.h"
#include "Samples.h"
#include "TuneCommands.h"
#include "master/MasterEngine.h"

using namespace master;

namespace {

int Other(int side) { return side == SideYellow ? SideGreen : SideYellow; }

struct Sample {
    Board Cells;
    int Side;
    int Score; // the search's, centidiscs for Side
};

template <int N>
void WriteSample(std::FILE* out, const Board& cells, int side, int result, int score)
{
    typename Geo<N>::BB own, opp;
    Bits<N>::FromBoard(cells, side, Other(side), own, opp);
    WriteSample<N>(out, own, opp, result, score);
}

} // namespace

int RunGames(TuneArgs& args)
{
    const int size = int(args.Number("--size", 8));
    if (size != 8 && size != 10)
        throw std::invalid_argument("--size must be 8 or 10");
    const int games = int(args.Number("--games", 100));
    const int depth = int(args.Number("--depth", 4));
    const int solve = int(args.Number("--solve", size == 8 ? 14 : 12));
    const int randomMoves = int(args.Number("--random-moves", size == 8 ? 16 : 24));
    const unsigned seed = unsigned(args.Number("--seed", 1));
    const int jobs = int(args.Number("--jobs", 1));
    const std::string evalName = args.Text("--eval", "patterns");
    if (evalName != "patterns" && evalName != "classic")
        throw std::invalid_argument("--eval must be patterns or classic");
    const Evaluation eval = evalName == "classic" ? Evaluation::Classic : Evaluation::Patterns;
    const std::string outName = args.Text("--out", "");
    if (outName.empty())
        throw std::invalid_argument("games needs --out FILE");
    std::FILE* out = std::fopen(outName.c_str(), "w");
    if (!out) {
        std::fprintf(stderr, "corvana-tune: cannot write %s\n", outName.c_str());
        return 1;
    }

    std::mutex writing;
    std::atomic<int> next { 0 }, done { 0 };
    auto worker = [&] {
        Engine engine(16, 1);
        SearchLimits limits;
        limits.Depth = depth;
        limits.SolveEmpties = solve;
        limits.Threads = 1;
        limits.Eval = eval;
        const RoutineTable& r = RoutinesFor(size);
        for (int game; (game = next++) < games;) {
            std::mt19937 rng(seed * 1000003u + unsigned(game));
            const int randomCount = 2 + int(rng() % unsigned(randomMoves - 1));
            engine.NewGame();
            Board b = StartBoard(size);
            int mover = SideGreen;
            std::vector<Sample> samples;
            for (int ply = 0;; ++ply) {
                const GamePosition p = PositionWithTurn(size, b, mover);
                if (p.GameOver)
                    break;
                int sq;
                if (ply < randomCount) {
                    std::vector<int> legal;
                    for (int s = 0; s < BoardCells; ++s)
                        if (IsPlayableSquare(size, s)
                            && r.IsLegalMove(b, s, p.SideToMove, Other(p.SideToMove)))
                            legal.push_back(s);
                    sq = legal[rng() % legal.size()];
                } else {
                    const SearchReport report = engine.Search(b, size, p.SideToMove, limits);
                    samples.push_back({ b, p.SideToMove, report.Score });
                    sq = report.Move;
                }
                r.MakeMove(b, sq, p.SideToMove, Other(p.SideToMove));
                mover = p.SideToMove;
            }
            int yellow = 0, green = 0;
            for (int col = 0; col < size; ++col)
                for (int row = 0; row < size; ++row) {
                    yellow += b[SquareIndex(size, col, row)] == CellYellow;
                    green += b[SquareIndex(size, col, row)] == CellGreen;
                }
            std::lock_guard<std::mutex> lock(writing);
            for (const Sample& s : samples) {
                const int result = s.Side == SideYellow ? yellow - green : green - yellow;
                if (size == 8)
                    WriteSample<8>(out, s.Cells, s.Side, result, s.Score);
                else
                    WriteSample<10>(out, s.Cells, s.Side, result, s.Score);
            }
            const int finished = ++done;
            if (finished % 100 == 0)
                std::fprintf(stderr, "%d of %d games\n", finished, games);
        }
    };
    if (!RunJobsAndClose(jobs, worker, out, outName))
        return 1;
    return 0;
}
