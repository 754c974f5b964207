// corvana-tune cuts: how well a shallow midgame search foretells the exact result, for the
// solver's probabilistic cut-offs. For positions of self-play records with a given number of
// empties it writes the exact final disc difference beside the midgame scores of depths 0 to D,
// and prints per empties and depth the mean and spread of the difference, in discs.
#include <atomic>
#include <cmath>
#include <cstdio>
#include <map>
#include <mutex>
#include <stdexcept>
#include <vector>

#include "Jobs.h"
#include "MasterSearch.h"
#include "Samples.h"
#include "TuneCommands.h"

using namespace master;

namespace {

template <int N> int RunCutsOf(TuneArgs& args)
{
    using BB = typename Geo<N>::BB;
    const int from = int(args.Number("--from", 10));
    const int to = int(args.Number("--to", 22));
    const int per = int(args.Number("--per", 100));
    const int maxDepth = int(args.Number("--depth", 10));
    const int jobs = std::max(1, int(args.Number("--jobs", 1)));
    const std::string outName = args.Text("--out", "");
    if (outName.empty())
        throw std::invalid_argument("cuts needs --out FILE");

    struct Position {
        BB Own, Opp;
        int Empties;
    };
    std::vector<Position> positions;
    std::map<int, int> taken;
    for (const std::string& name : args.Rest()) {
        const bool read = ReadSamples<N>(name, [&](BB own, BB opp, int, int) {
            const int empties = Geo<N>::Squares - Geo<N>::Count(own | opp);
            if (empties < from || empties > to || taken[empties] >= per || !Geo<N>::Moves(own, opp))
                return;
            ++taken[empties];
            positions.push_back({ own, opp, empties });
        });
        if (!read) {
            std::fprintf(stderr, "corvana-tune: cannot read %s\n", name.c_str());
            return 1;
        }
    }
    std::FILE* out = std::fopen(outName.c_str(), "w");
    if (!out) {
        std::fprintf(stderr, "corvana-tune: cannot write %s\n", outName.c_str());
        return 1;
    }

    // Per (empties, depth): the count, the sum and the sum of squares of exact - score.
    struct Moments {
        int Count = 0;
        double Sum = 0, Squares = 0;
    };
    std::map<std::pair<int, int>, Moments> moments;
    std::mutex lock;
    std::atomic<std::size_t> next { 0 };
    auto worker = [&] {
        TransTable table(64);
        StopSignal stop;
        SearchCore<N> core(table, stop);
        for (std::size_t i; (i = next++) < positions.size();) {
            const Position& p = positions[i];
            // Each position from an empty table: the midgame search would read the exact
            // results of an earlier solution as its own.
            table.Clear();
            std::vector<int> scores;
            for (int d = 0; d <= std::min(maxDepth, p.Empties - 2); ++d)
                scores.push_back(
                    SearchCore<N>::Centidiscs(core.Mid(p.Own, p.Opp, d, -Infinity, Infinity)));
            const int exact = core.Solve(p.Own, p.Opp, -N * N, N * N);
            std::lock_guard<std::mutex> guard(lock);
            std::fprintf(out, "%d %d", p.Empties, exact);
            for (std::size_t d = 0; d < scores.size(); ++d) {
                std::fprintf(out, " %d", scores[d]);
                Moments& m = moments[{ p.Empties, int(d) }];
                const double diff = exact - scores[d] / double(DiscScale);
                ++m.Count;
                m.Sum += diff;
                m.Squares += diff * diff;
            }
            std::fputc('\n', out);
            std::fflush(out);
        }
    };
    if (!RunJobsAndClose(jobs, worker, out, outName))
        return 1;

    std::printf("empties depth count mean sd\n");
    for (const auto& [at, m] : moments) {
        const double mean = m.Sum / m.Count;
        const double sd = std::sqrt(std::max(0.0, m.Squares / m.Count - mean * mean));
        std::printf("%d %d %d %.2f %.2f\n", at.first, at.second, m.Count, mean, sd);
    }
    return 0;
}

} // namespace

int RunCuts(TuneArgs& args)
{
    const int size = int(args.Number("--size", 8));
    if (size == 8)
        return RunCutsOf<8>(args);
    if (size == 10)
        return RunCutsOf<10>(args);
    throw std::invalid_argument("--size must be 8 or 10");
}
