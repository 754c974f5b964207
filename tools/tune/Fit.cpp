// corvana-tune fit and init: the evaluation's weights by least squares against self-play
// results (mini-batch Adam, a separate set of weights per phase), and the hand-set starting point.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "Adam.h"
#include "MasterEval.h"
#include "Samples.h"
#include "TuneCommands.h"

using namespace master;

TuneArgs::TuneArgs(std::vector<std::string> args)
    : Args(std::move(args))
{
}

double TuneArgs::Number(const std::string& name, double fallback)
{
    for (std::size_t i = 0; i + 1 < Args.size(); ++i) {
        if (Args[i] != name)
            continue;
        char* end = nullptr;
        const double v = std::strtod(Args[i + 1].c_str(), &end);
        if (!end || *end)
            throw std::invalid_argument(name + " needs a number");
        Args.erase(Args.begin() + std::ptrdiff_t(i), Args.begin() + std::ptrdiff_t(i) + 2);
        return v;
    }
    return fallback;
}

std::string TuneArgs::Text(const std::string& name, const std::string& fallback)
{
    for (std::size_t i = 0; i + 1 < Args.size(); ++i) {
        if (Args[i] != name)
            continue;
        std::string v = Args[i + 1];
        Args.erase(Args.begin() + std::ptrdiff_t(i), Args.begin() + std::ptrdiff_t(i) + 2);
        return v;
    }
    return fallback;
}

namespace {

// One position as the fit sees it.
struct Row {
    EvalInputs In;
    float Target; // centidiscs
};

template <int N> bool ReadRows(const std::string& name, std::vector<Row>& rows)
{
    return ReadSamples<N>(name, [&](auto own, auto opp, int result, int) {
        Row r;
        Evaluator<N>::Inputs(own, opp, r.In);
        r.Target = float(result * 100);
        rows.push_back(r);
    });
}

// The weights as numbers the fit can move.
struct Model {
    std::vector<double> Feature; // [phase][feature]
    std::vector<double> Edge; // [phase][configuration]
    Model()
        : Feature(EvalPhases * FeatureCount, 0.0)
        , Edge(std::size_t(EvalPhases) * EdgeConfigurations, 0.0)
    {
    }
    double Predict(const EvalInputs& in) const
    {
        double s = 0;
        const double* f = &Feature[std::size_t(in.Phase) * FeatureCount];
        for (int i = 0; i < FeatureCount; ++i)
            s += f[i] * in.Feature[i];
        const double* e = &Edge[std::size_t(in.Phase) * EdgeConfigurations];
        for (int i = 0; i < EdgeLines; ++i)
            s += e[in.EdgeOwn[i]] - e[in.EdgeOpp[i]];
        return s;
    }
};

void ErrorByPhase(const Model& m, const std::vector<Row>& rows, std::size_t from, std::size_t to,
    std::vector<double>& rmse, std::vector<int>& count)
{
    rmse.assign(EvalPhases, 0.0);
    count.assign(EvalPhases, 0);
    for (std::size_t i = from; i < to; ++i) {
        const double d = m.Predict(rows[i].In) - rows[i].Target;
        rmse[std::size_t(rows[i].In.Phase)] += d * d;
        ++count[std::size_t(rows[i].In.Phase)];
    }
    for (int p = 0; p < EvalPhases; ++p)
        rmse[std::size_t(p)]
            = count[std::size_t(p)] ? std::sqrt(rmse[std::size_t(p)] / count[std::size_t(p)]) : 0.0;
}

Model FromWeights(const EvalWeights& w)
{
    Model m;
    for (int p = 0; p < EvalPhases; ++p) {
        for (int f = 0; f < FeatureCount; ++f)
            m.Feature[std::size_t(p * FeatureCount + f)] = w.Feature[p][f];
        for (int e = 0; e < EdgeConfigurations; ++e)
            m.Edge[std::size_t(p) * EdgeConfigurations + std::size_t(e)] = w.Edge[p][e];
    }
    return m;
}

bool WriteWeights(const std::string& name, const Model& m, const std::string& comment)
{
    std::ofstream out(name);
    out << comment;
    auto clamp16 = [](double v) { return int(std::lround(std::clamp(v, -30000.0, 30000.0))); };
    out << "    {\n";
    for (int p = 0; p < EvalPhases; ++p) {
        out << "        {";
        for (int f = 0; f < FeatureCount; ++f)
            out << (f ? ", " : " ") << clamp16(m.Feature[std::size_t(p * FeatureCount + f)]);
        out << " },\n";
    }
    out << "    },\n    {\n";
    for (int p = 0; p < EvalPhases; ++p) {
        out << "        {\n";
        for (int e = 0; e < EdgeConfigurations; e += 24) {
            out << "           ";
            for (int k = e; k < std::min(e + 24, EdgeConfigurations); ++k)
                out << " " << clamp16(m.Edge[std::size_t(p) * EdgeConfigurations + std::size_t(k)])
                    << ",";
            out << "\n";
        }
        out << "        },\n";
    }
    out << "    },\n";
    return bool(out.flush());
}

int SizeOption(TuneArgs& args)
{
    const int size = int(args.Number("--size", 8));
    if (size != 8 && size != 10)
        throw std::invalid_argument("--size must be 8 or 10");
    return size;
}

} // namespace

int RunFit(TuneArgs& args)
{
    const int size = SizeOption(args);
    const std::string outName = args.Text("--out", "");
    const int epochs = int(args.Number("--epochs", 30));
    const double l2 = args.Number("--l2", 0.001);
    const double rate = args.Number("--rate", 1.0);
    const std::vector<std::string> files = args.Rest();
    if (outName.empty() || files.empty())
        throw std::invalid_argument("fit needs --out FILE.inc and at least one games file");

    std::vector<Row> rows;
    for (const std::string& f : files) {
        const bool ok = size == 8 ? ReadRows<8>(f, rows) : ReadRows<10>(f, rows);
        if (!ok) {
            std::fprintf(stderr, "corvana-tune: cannot read %s\n", f.c_str());
            return 1;
        }
    }
    if (rows.size() < 1000) {
        std::fprintf(stderr, "corvana-tune: %zu positions are too few to fit\n", rows.size());
        return 1;
    }
    // The last tenth (whole games, as they were written) checks the fit.
    const std::size_t trainSize = rows.size() - rows.size() / 10;
    std::vector<double> rmse;
    std::vector<int> count;
    ErrorByPhase(FromWeights(WeightsFor(size)), rows, trainSize, rows.size(), rmse, count);
    std::fprintf(
        stderr, "%zu positions; the weights in use miss by (discs, per phase):", rows.size());
    for (double e : rmse)
        std::fprintf(stderr, " %.2f", e / 100);
    std::fprintf(stderr, "\n");

    Model m;
    Adam featureAdam(m.Feature.size(), rate), edgeAdam(m.Edge.size(), rate);
    std::vector<std::size_t> order(trainSize);
    for (std::size_t i = 0; i < trainSize; ++i)
        order[i] = i;
    std::mt19937 rng(12345);
    const std::size_t batch = 2048;
    std::vector<double> gf(m.Feature.size()), ge(m.Edge.size());
    std::vector<char> tf(m.Feature.size()), te(m.Edge.size());
    for (int epoch = 0; epoch < epochs; ++epoch) {
        std::shuffle(order.begin(), order.end(), rng);
        for (std::size_t start = 0; start < trainSize; start += batch) {
            std::fill(gf.begin(), gf.end(), 0.0);
            std::fill(ge.begin(), ge.end(), 0.0);
            std::fill(tf.begin(), tf.end(), 0);
            std::fill(te.begin(), te.end(), 0);
            const std::size_t end = std::min(trainSize, start + batch);
            const double scale = 2.0 / double(end - start);
            for (std::size_t k = start; k < end; ++k) {
                const Row& r = rows[order[k]];
                const double d = (m.Predict(r.In) - r.Target) * scale;
                const std::size_t fp = std::size_t(r.In.Phase) * FeatureCount;
                for (int i = 0; i < FeatureCount; ++i) {
                    gf[fp + std::size_t(i)] += d * r.In.Feature[i];
                    tf[fp + std::size_t(i)] = 1;
                }
                const std::size_t ep = std::size_t(r.In.Phase) * EdgeConfigurations;
                for (int i = 0; i < EdgeLines; ++i) {
                    ge[ep + r.In.EdgeOwn[i]] += d;
                    ge[ep + r.In.EdgeOpp[i]] -= d;
                    te[ep + r.In.EdgeOwn[i]] = te[ep + r.In.EdgeOpp[i]] = 1;
                }
            }
            for (std::size_t i = 0; i < ge.size(); ++i)
                if (te[i])
                    ge[i] += 2 * l2 * m.Edge[i];
            featureAdam.Step(m.Feature, gf, tf);
            edgeAdam.Step(m.Edge, ge, te);
        }
        // An empty edge line is worth nothing to either side.
        for (int p = 0; p < EvalPhases; ++p)
            m.Edge[std::size_t(p) * EdgeConfigurations] = 0;
        ErrorByPhase(m, rows, trainSize, rows.size(), rmse, count);
        std::fprintf(stderr, "epoch %2d: held-out error (discs, per phase):", epoch + 1);
        for (double e : rmse)
            std::fprintf(stderr, " %.2f", e / 100);
        std::fprintf(stderr, "\n");
    }

    std::ostringstream comment;
    comment << "// Fitted by corvana-tune fit --size " << size << " --epochs " << epochs << " --l2 "
            << l2 << " --rate " << rate << " to " << rows.size()
            << " positions of self-play games\n"
            << "// (tools/tune/retrain.sh). Held-out error in discs, per phase:";
    for (double e : rmse)
        comment << " " << std::lround(e) / 100.0;
    comment << "\n";
    if (!WriteWeights(outName, m, comment.str())) {
        std::fprintf(stderr, "corvana-tune: cannot write %s\n", outName.c_str());
        return 1;
    }
    return 0;
}

int RunInit(TuneArgs& args)
{
    const int size = SizeOption(args);
    const std::string outName = args.Text("--out", "");
    if (outName.empty())
        throw std::invalid_argument("init needs --out FILE.inc");
    // Mobility first, corners, stable discs, X squares next to empty corners, few discs; along
    // the edges a corner is worth much, a C square next to an empty corner costs.
    Model m;
    const int discs[EvalPhases] = { -8, -6, -4, -2, 0, 10, 30, 60 };
    for (int p = 0; p < EvalPhases; ++p) {
        const double t = p / double(EvalPhases - 1);
        const double w[FeatureCount] = { 60 - 30 * t, 100, 20 - 10 * t, -25 + 15 * t, 80 + 70 * t,
            -200 + 100 * t, double(discs[p]), 50 * t, -100, -300 };
        for (int f = 0; f < FeatureCount; ++f)
            m.Feature[std::size_t(p * FeatureCount + f)] = w[f];
        for (int idx = 0; idx < EdgeConfigurations; ++idx) {
            int cells[EdgeLength];
            for (int k = 0, x = idx; k < EdgeLength; ++k, x /= 3)
                cells[k] = x % 3;
            double v = 0;
            for (int k = 0; k < EdgeLength; ++k) {
                if (cells[k] != 1)
                    continue;
                v += k == 0 ? 150 : k == 1 ? (cells[0] == 0 ? -40 : 15) : k == 2 ? 12 : 6;
            }
            m.Edge[std::size_t(p) * EdgeConfigurations + std::size_t(idx)] = v;
        }
    }
    const std::string comment = "// Hand-set starting weights for " + std::to_string(size) + " x "
        + std::to_string(size) + " (corvana-tune init).\n";
    if (!WriteWeights(outName, m, comment)) {
        std::fprintf(stderr, "corvana-tune: cannot write %s\n", outName.c_str());
        return 1;
    }
    return 0;
}
