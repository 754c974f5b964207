// corvana-tune fit-patterns: the pattern evaluation's weights (features and tables per phase) by
// least squares against self-play results, written as the binary file the engine compiles in.
// A configuration, its images under the symmetries that keep its squares in place and the same
// with the colours swapped (negated) share one weight, so that the evaluation is the same for
// every image of a position and exactly negated for the other side.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "Adam.h"
#include "PatternEval.h"
#include "Samples.h"
#include "TuneCommands.h"

using namespace master;

namespace {

// Which shared weight each entry of a phase's table reads, and with which sign (0: none, for
// configurations that equal their own colour swap under some symmetry, the empty one say).
struct WeightClasses {
    std::vector<int> Class;
    std::vector<signed char> Sign;
    int Count = 0;
};

template <int N> WeightClasses ClassesOf(const PatternSet<N>& set)
{
    WeightClasses w;
    w.Class.assign(std::size_t(set.Entries), -1);
    w.Sign.assign(std::size_t(set.Entries), 0);
    for (const PatternKind& kind : set.Kinds) {
        const int length = int(kind.Squares.size());
        std::vector<int> digits(static_cast<std::size_t>(length));
        for (int c = 0; c < kind.Configurations; ++c) {
            if (w.Sign[std::size_t(kind.Offset + c)] != 0
                || w.Class[std::size_t(kind.Offset + c)] == -2)
                continue;
            for (int k = 0, x = c; k < length; ++k, x /= 3)
                digits[std::size_t(k)] = x % 3; // the first square the least significant
            // The orbit: every self-map, each with and without the colour swap.
            std::vector<std::pair<int, int>> orbit; // configuration, sign
            bool zero = false;
            for (const std::vector<int>& map : kind.SelfMaps)
                for (const int swap : { 0, 1 }) {
                    int v = 0;
                    for (int k = length - 1; k >= 0; --k) {
                        int d = digits[std::size_t(map[std::size_t(k)])];
                        if (swap && d)
                            d = 3 - d;
                        v = v * 3 + d;
                    }
                    const int sign = swap ? -1 : 1;
                    for (const auto& [other, s] : orbit)
                        if (other == v && s != sign)
                            zero = true;
                    orbit.push_back({ v, sign });
                }
            const int id = zero ? -2 : w.Count++;
            for (const auto& [v, sign] : orbit) {
                w.Class[std::size_t(kind.Offset + v)] = id;
                w.Sign[std::size_t(kind.Offset + v)] = zero ? 0 : static_cast<signed char>(sign);
            }
        }
    }
    for (int& c : w.Class)
        c = std::max(c, -1);
    return w;
}

struct PatternRow {
    std::array<int, FeatureCount> Feature;
    std::array<int, MaxPatternInstances> Entry;
    int Phase;
    float Target; // centidiscs
    float Classic; // the classic evaluation's score, to compare with
};

struct PatternModel {
    int Instances = 0;
    int Classes = 0;
    std::vector<double> Feature; // [phase][feature]
    std::vector<double> Table; // [phase / PhaseShare][class]
    std::vector<double> Prior; // what the L2 term pulls Table towards: zero, or the start's
    int PhaseShare = 1; // consecutive phases that share their tables
    const WeightClasses* Shared = nullptr;

    std::size_t TableStart(int phase) const
    {
        return std::size_t(phase / PhaseShare) * std::size_t(Classes);
    }

    double Predict(const PatternRow& r) const
    {
        double s = 0;
        const double* f = &Feature[std::size_t(r.Phase) * FeatureCount];
        for (int i = 0; i < FeatureCount; ++i)
            s += f[i] * r.Feature[std::size_t(i)];
        const double* t = &Table[TableStart(r.Phase)];
        for (int i = 0; i < Instances; ++i) {
            const std::size_t e = std::size_t(r.Entry[std::size_t(i)]);
            if (Shared->Sign[e])
                s += Shared->Sign[e] * t[Shared->Class[e]];
        }
        return s;
    }
};

// The target: the final result, blended with the search's score by lambda where a record has one
// (a score is far less noisy than the result of the rest of a game, a result less biased).
template <int N>
bool ReadPatternRows(const std::string& name, double lambda, std::vector<PatternRow>& rows)
{
    return ReadSamples<N>(name, [&](auto own, auto opp, int result, int score) {
        PatternRow r;
        EvalInputs in;
        Evaluator<N>::Inputs(own, opp, in, true);
        r.Feature = in.Feature;
        r.Phase = in.Phase;
        PatternEvaluator<N>::Indices(own, opp, r.Entry);
        const double clipped = std::clamp(score, -100 * N * N, 100 * N * N);
        r.Target = float(lambda * clipped + (1 - lambda) * result * 100);
        r.Classic = float(Evaluator<N>::Evaluate(own, opp));
        rows.push_back(r);
    });
}

// The root mean square of predict(row) - target over rows [from, to), per phase.
template <class Predict>
std::vector<double> ErrorByPhase(
    const std::vector<PatternRow>& rows, std::size_t from, std::size_t to, Predict predict)
{
    std::vector<double> sum(EvalPhases, 0.0);
    std::vector<int> count(EvalPhases, 0);
    for (std::size_t i = from; i < to; ++i) {
        const double d = predict(rows[i]) - rows[i].Target;
        sum[std::size_t(rows[i].Phase)] += d * d;
        ++count[std::size_t(rows[i].Phase)];
    }
    for (int p = 0; p < EvalPhases; ++p)
        sum[std::size_t(p)]
            = count[std::size_t(p)] ? std::sqrt(sum[std::size_t(p)] / count[std::size_t(p)]) : 0.0;
    return sum;
}

template <int N>
bool WritePatternWeights(const std::string& name, const PatternModel& m, const PatternSet<N>& set)
{
    const auto clamp16
        = [](double v) { return std::int16_t(std::lround(std::clamp(v, -30000.0, 30000.0))); };
    PatternWeights w;
    w.Size = N;
    for (const double v : m.Feature)
        w.Feature.push_back(clamp16(v));
    for (int p = 0; p < EvalPhases; ++p) {
        const double* t = &m.Table[m.TableStart(p)];
        for (int e = 0; e < set.Entries; ++e) {
            const int sign = m.Shared->Sign[std::size_t(e)];
            w.Table.push_back(sign ? clamp16(sign * t[m.Shared->Class[std::size_t(e)]]) : 0);
        }
    }
    const std::vector<unsigned char> file = PatternWeightsFile(w);
    std::ofstream out(name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), std::streamsize(file.size()));
    return bool(out.flush());
}

template <int N> int FitPatterns(TuneArgs& args)
{
    const std::string outName = args.Text("--out", "");
    const int epochs = int(args.Number("--epochs", 20));
    const double l2 = args.Number("--l2", 0.002);
    const double rate = args.Number("--rate", 1.0);
    const int phaseShare = int(args.Number("--phase-share", 1));
    const double lambda = args.Number("--lambda", 0.5);
    if (lambda < 0 || lambda > 1)
        throw std::invalid_argument("--lambda must be 0 to 1");
    if (phaseShare < 1 || phaseShare > EvalPhases)
        throw std::invalid_argument("--phase-share must be 1 to 8");
    const std::string startName = args.Text("--start", "");
    const int firstPhase = int(args.Number("--first-phase", 0));
    const int lastPhase = int(args.Number("--last-phase", EvalPhases - 1));
    if (firstPhase < 0 || lastPhase >= EvalPhases || firstPhase > lastPhase)
        throw std::invalid_argument("--first-phase and --last-phase must be 0 to 7, in order");
    if (startName.empty() && (firstPhase > 0 || lastPhase < EvalPhases - 1))
        throw std::invalid_argument(
            "fitting some phases alone needs --start FILE.bin for the rest");
    // A phase outside the range that shares a table with one inside would change with it.
    if (firstPhase % phaseShare != 0
        || ((lastPhase + 1) % phaseShare != 0 && lastPhase != EvalPhases - 1))
        throw std::invalid_argument("--first-phase and --last-phase must not split a shared table");
    const std::vector<std::string> files = args.Rest();
    if (outName.empty() || files.empty())
        throw std::invalid_argument(
            "fit-patterns needs --out FILE.bin and at least one games file");

    const PatternSet<N>& set = PatternSet<N>::Get();
    const WeightClasses classes = ClassesOf(set);
    std::vector<PatternRow> rows;
    for (const std::string& f : files)
        if (!ReadPatternRows<N>(f, lambda, rows)) {
            std::fprintf(stderr, "corvana-tune: cannot read %s\n", f.c_str());
            return 1;
        }
    std::erase_if(
        rows, [&](const PatternRow& r) { return r.Phase < firstPhase || r.Phase > lastPhase; });
    if (rows.size() < 1000) {
        std::fprintf(stderr, "corvana-tune: %zu positions are too few to fit\n", rows.size());
        return 1;
    }
    std::fprintf(stderr,
        "%zu positions; %zu instances of %zu kinds, %d entries, %d weights a phase\n", rows.size(),
        set.Instances.size(), set.Kinds.size(), set.Entries, classes.Count);

    PatternModel m;
    m.Instances = int(set.Instances.size());
    m.Classes = classes.Count;
    m.Shared = &classes;
    m.PhaseShare = phaseShare;
    m.Table.assign(
        std::size_t((EvalPhases + phaseShare - 1) / phaseShare) * std::size_t(classes.Count), 0.0);
    if (startName.empty()) {
        // The features start where the classic fit left them; the tables from nothing.
        const EvalWeights& classic = WeightsFor(N);
        for (int p = 0; p < EvalPhases; ++p)
            for (int f = 0; f < FeatureCount; ++f)
                m.Feature.push_back(classic.Feature[p][f]);
    } else {
        // Everything starts from an earlier fit, which the L2 term then holds the tables near:
        // a refit of some phases on fewer, better labelled positions keeps what the many games
        // taught and leaves the other phases exactly as they were.
        std::ifstream in(startName, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "corvana-tune: cannot read %s\n", startName.c_str());
            return 1;
        }
        const std::vector<unsigned char> bytes(
            (std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        PatternWeights start;
        std::string why;
        if (!ReadPatternWeights(bytes.data(), bytes.size(), N, start, why)) {
            std::fprintf(stderr, "corvana-tune: %s: %s\n", startName.c_str(), why.c_str());
            return 1;
        }
        m.Feature.assign(start.Feature.begin(), start.Feature.end());
        for (int p = 0; p < EvalPhases; p += phaseShare)
            for (int e = 0; e < set.Entries; ++e)
                if (const int sign = classes.Sign[std::size_t(e)])
                    m.Table[m.TableStart(p) + std::size_t(classes.Class[std::size_t(e)])] = sign
                        * start.Table[std::size_t(p) * std::size_t(set.Entries) + std::size_t(e)];
    }
    m.Prior = m.Table;

    const std::size_t trainSize = rows.size() - rows.size() / 10;
    const std::vector<double> classicError
        = ErrorByPhase(rows, trainSize, rows.size(), [](const PatternRow& r) { return r.Classic; });
    std::fprintf(stderr, "the classic evaluation misses the held-out tenth by (discs, per phase):");
    for (double e : classicError)
        std::fprintf(stderr, " %.2f", e / 100);
    std::fprintf(stderr, "\n");
    if (!startName.empty()) {
        const std::vector<double> startError = ErrorByPhase(
            rows, trainSize, rows.size(), [&](const PatternRow& r) { return m.Predict(r); });
        std::fprintf(stderr, "the start misses it by:");
        for (double e : startError)
            std::fprintf(stderr, " %.2f", e / 100);
        std::fprintf(stderr, "\n");
    }
    Adam featureAdam(m.Feature.size(), rate), tableAdam(m.Table.size(), rate);
    std::vector<std::size_t> order(trainSize);
    for (std::size_t i = 0; i < trainSize; ++i)
        order[i] = i;
    std::mt19937 rng(12345);
    const std::size_t batch = 1024;
    std::vector<double> gf(m.Feature.size()), gt(m.Table.size());
    std::vector<char> tf(m.Feature.size()), seen(m.Table.size());
    std::vector<std::size_t> touched;
    std::vector<double> rmse;
    for (int epoch = 0; epoch < epochs; ++epoch) {
        std::shuffle(order.begin(), order.end(), rng);
        for (std::size_t start = 0; start < trainSize; start += batch) {
            std::fill(gf.begin(), gf.end(), 0.0);
            std::fill(tf.begin(), tf.end(), 0);
            for (const std::size_t i : touched) {
                gt[i] = 0;
                seen[i] = 0;
            }
            touched.clear();
            const std::size_t end = std::min(trainSize, start + batch);
            const double scale = 2.0 / double(end - start);
            for (std::size_t k = start; k < end; ++k) {
                const PatternRow& r = rows[order[k]];
                const double d = (m.Predict(r) - r.Target) * scale;
                const std::size_t fp = std::size_t(r.Phase) * FeatureCount;
                for (int i = 0; i < FeatureCount; ++i) {
                    gf[fp + std::size_t(i)] += d * r.Feature[std::size_t(i)];
                    tf[fp + std::size_t(i)] = 1;
                }
                const std::size_t tp = m.TableStart(r.Phase);
                for (int i = 0; i < m.Instances; ++i) {
                    const std::size_t e = std::size_t(r.Entry[std::size_t(i)]);
                    if (!classes.Sign[e])
                        continue;
                    const std::size_t c = tp + std::size_t(classes.Class[e]);
                    gt[c] += d * classes.Sign[e];
                    if (!seen[c]) {
                        seen[c] = 1;
                        touched.push_back(c);
                    }
                }
            }
            for (const std::size_t c : touched)
                gt[c] += 2 * l2 * (m.Table[c] - m.Prior[c]);
            featureAdam.Step(m.Feature, gf, tf);
            tableAdam.Step(m.Table, gt, touched);
        }
        rmse = ErrorByPhase(
            rows, trainSize, rows.size(), [&](const PatternRow& r) { return m.Predict(r); });
        std::fprintf(stderr, "epoch %2d: held-out error (discs, per phase):", epoch + 1);
        for (double e : rmse)
            std::fprintf(stderr, " %.2f", e / 100);
        std::fprintf(stderr, "\n");
    }
    if (!WritePatternWeights<N>(outName, m, set)) {
        std::fprintf(stderr, "corvana-tune: cannot write %s\n", outName.c_str());
        return 1;
    }
    std::printf("fit-patterns --size %d --epochs %d --l2 %g --rate %g --phase-share %d --lambda "
                "%g: %zu positions, held-out error (discs, per phase):",
        N, epochs, l2, rate, phaseShare, lambda, rows.size());
    for (double e : rmse)
        std::printf(" %.2f", e / 100);
    std::printf("\n(the classic evaluation:");
    for (double e : classicError)
        std::printf(" %.2f", e / 100);
    std::printf(")\n");
    return 0;
}

} // namespace

int RunFitPatterns(TuneArgs& args)
{
    const int size = int(args.Number("--size", 8));
    if (size != 8 && size != 10)
        throw std::invalid_argument("--size must be 8 or 10");
    return size == 8 ? FitPatterns<8>(args) : FitPatterns<10>(args);
}
