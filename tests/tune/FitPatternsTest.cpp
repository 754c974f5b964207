// The records the tuner writes and reads back, and a refit of the pattern evaluation that starts
// from an earlier one: it must move the phases it is given towards their labels and leave every
// other phase exactly as the start had it, since those are what the engine keeps playing with.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "MasterBits.h"
#include "MasterEval.h"
#include "PatternEval.h"
#include "Samples.h"
#include "TuneCommands.h"

using namespace master;

namespace {

std::vector<unsigned char> ReadAll(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

void WriteAll(const std::string& name, const std::vector<unsigned char>& bytes)
{
    std::ofstream out(name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// Random games from the start, one position of each game once it has from..to empties.
std::vector<std::pair<std::uint64_t, std::uint64_t>> RandomPositions(int count, int from, int to)
{
    using G = Geo<8>;
    std::mt19937 rng(7);
    std::vector<std::pair<std::uint64_t, std::uint64_t>> out;
    while (int(out.size()) < count) {
        G::BB own = G::One(27) | G::One(36), opp = G::One(28) | G::One(35);
        const int stop = from + int(rng() % unsigned(to - from + 1));
        for (;;) {
            const int empties = G::Squares - G::Count(own | opp);
            G::BB moves = G::Moves(own, opp);
            if (!moves) {
                if (!G::Moves(opp, own))
                    break;
                std::swap(own, opp);
                continue;
            }
            if (empties == stop) {
                out.push_back({ own, opp });
                break;
            }
            for (int skip = int(rng() % unsigned(G::Count(moves))); skip > 0; --skip)
                moves &= moves - 1;
            const int bit = G::LowestBit(moves);
            const G::BB flips = G::Flips(bit, own, opp);
            const G::BB nOwn = opp & ~flips, nOpp = own | flips | G::One(bit);
            own = nOwn;
            opp = nOpp;
        }
    }
    return out;
}

} // namespace

TEST(TuneSamples, ARecordReadsBackAsItWasWrittenOnBothSizes)
{
    const std::string name = ::testing::TempDir() + "corvana-samples-test.txt";
    using BB10 = Geo<10>::BB;
    const BB10 own10 = (BB10(0x1234) << 64) | 0x8000000000000001ull, opp10 = BB10(0xfe) << 70;
    std::FILE* out = std::fopen(name.c_str(), "w");
    ASSERT_NE(out, nullptr);
    WriteSample<10>(out, own10, opp10, -17, -1650);
    std::fclose(out);
    int lines = 0;
    EXPECT_TRUE(ReadSamples<10>(name, [&](BB10 own, BB10 opp, int result, int score) {
        ++lines;
        EXPECT_TRUE(own == own10 && opp == opp10);
        EXPECT_EQ(result, -17);
        EXPECT_EQ(score, -1650);
    }));
    EXPECT_EQ(lines, 1);

    // An older record has no score: it reads as the result in centidiscs.
    out = std::fopen(name.c_str(), "w");
    ASSERT_NE(out, nullptr);
    std::fputs("0 ff00 0 ff 12\nnot a record\n", out);
    std::fclose(out);
    lines = 0;
    EXPECT_TRUE(
        ReadSamples<8>(name, [&](std::uint64_t own, std::uint64_t opp, int result, int score) {
            ++lines;
            EXPECT_EQ(own, 0xff00u);
            EXPECT_EQ(opp, 0xffu);
            EXPECT_EQ(result, 12);
            EXPECT_EQ(score, 1200);
        }));
    EXPECT_EQ(lines, 1);
    std::remove(name.c_str());
}

TEST(TuneFitPatterns, ARefitOfSomePhasesKeepsTheOthersAndLearnsItsOwn)
{
    const PatternWeights* compiled = PatternWeightsFor(8);
    ASSERT_NE(compiled, nullptr) << PatternWeightsProblem(8);
    const std::string dir = ::testing::TempDir();
    const std::string startName = dir + "corvana-fit-start.bin",
                      outName = dir + "corvana-fit-out.bin",
                      recordsName = dir + "corvana-fit-records.txt";
    WriteAll(startName, PatternWeightsFile(*compiled));

    // Every position of 15 to 21 empties (phase 5) labelled +20, and some of phase 3, which the
    // refit must not learn from.
    const int phase = PhaseOf<8>(64 - 18);
    ASSERT_EQ(phase, PhaseOf<8>(64 - 15));
    ASSERT_EQ(phase, PhaseOf<8>(64 - 21));
    std::FILE* out = std::fopen(recordsName.c_str(), "w");
    ASSERT_NE(out, nullptr);
    const auto positions = RandomPositions(1500, 15, 21);
    for (const auto& [own, opp] : positions)
        WriteSample<8>(out, own, opp, 20, 2000);
    for (const auto& [own, opp] : RandomPositions(200, 32, 34))
        WriteSample<8>(out, own, opp, -40, -4000);
    std::fclose(out);

    TuneArgs refusal({ "--size", "8", "--out", outName, "--last-phase", "5", recordsName });
    EXPECT_THROW(RunFitPatterns(refusal), std::invalid_argument);

    TuneArgs args({ "--size", "8", "--out", outName, "--start", startName, "--first-phase",
        std::to_string(phase), "--last-phase", std::to_string(phase), "--phase-share", "1",
        "--lambda", "0", "--epochs", "30", recordsName });
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    const int status = RunFitPatterns(args);
    testing::internal::GetCapturedStdout();
    const std::string said = testing::internal::GetCapturedStderr();
    ASSERT_EQ(status, 0) << said;

    const std::vector<unsigned char> bytes = ReadAll(outName);
    PatternWeights fitted;
    std::string why;
    ASSERT_TRUE(ReadPatternWeights(bytes.data(), bytes.size(), 8, fitted, why)) << why;
    const std::size_t entries = compiled->Table.size() / EvalPhases;
    for (int p = 0; p < EvalPhases; ++p) {
        const auto tableFrom = std::size_t(p) * entries;
        const bool same = std::equal(compiled->Table.begin() + std::ptrdiff_t(tableFrom),
                              compiled->Table.begin() + std::ptrdiff_t(tableFrom + entries),
                              fitted.Table.begin() + std::ptrdiff_t(tableFrom))
            && std::equal(compiled->Feature.begin() + p * FeatureCount,
                compiled->Feature.begin() + (p + 1) * FeatureCount,
                fitted.Feature.begin() + p * FeatureCount);
        EXPECT_EQ(same, p != phase) << "phase " << p;
    }

    // The refit phase now says more nearly +20 of its positions than the start did.
    const auto predict = [&](const PatternWeights& w, std::uint64_t own, std::uint64_t opp) {
        std::array<int, MaxPatternInstances> entry {};
        PatternEvaluator<8>::Indices(own, opp, entry);
        EvalInputs in;
        Evaluator<8>::Inputs(own, opp, in, true);
        double s = 0;
        for (int f = 0; f < FeatureCount; ++f)
            s += w.Feature[std::size_t(in.Phase * FeatureCount + f)] * in.Feature[std::size_t(f)];
        for (std::size_t i = 0; i < PatternSet<8>::Get().Instances.size(); ++i)
            s += w.Table[std::size_t(in.Phase) * entries + std::size_t(entry[i])];
        return s;
    };
    double before = 0, after = 0;
    for (const auto& [own, opp] : positions) {
        before += std::abs(predict(*compiled, own, opp) - 2000);
        after += std::abs(predict(fitted, own, opp) - 2000);
    }
    EXPECT_LT(after, before * 0.8);
    std::remove(startName.c_str());
    std::remove(outName.c_str());
    std::remove(recordsName.c_str());
}
