// The master evaluations, classic and patterns: seen from the other side each is the exact
// negation, and the eight symmetries of the board leave it unchanged, on random positions of both
// sizes; the pattern groups sit where the symmetries carry them and the weights file is checked.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "EndgameSet.h"
#include "MasterEval.h"
#include "MasterTestSupport.h"
#include "PatternEval.h"
#include "master/MasterEngine.h"

using namespace master;

namespace {

template <int N, class Eval> void CheckSymmetries(int positions)
{
    using G = Geo<N>;
    std::mt19937 rng(N * 31);
    int nonZero = 0;
    for (int i = 0; i < positions; ++i) {
        const GamePosition p = RandomPosition(N, 1 + int(rng() % (N * N - 6)), rng);
        typename G::BB own, opp;
        ToBits<N>(p.Cells, p.SideToMove, own, opp);
        const int v = Eval::Evaluate(own, opp);
        nonZero += v != 0;
        ASSERT_EQ(Eval::Evaluate(opp, own), -v) << "position " << i;
        for (int s = 1; s < 8; ++s)
            ASSERT_EQ(Eval::Evaluate(G::Transform(own, s), G::Transform(opp, s)), v)
                << "position " << i << " symmetry " << s;
    }
    EXPECT_GT(nonZero, positions / 2);
}

} // namespace

TEST(MasterEval, ColourSwapNegatesAndSymmetriesKeepTheScore8)
{
    CheckSymmetries<8, Evaluator<8>>(400);
    CheckSymmetries<8, PatternEvaluator<8>>(400);
}

TEST(MasterEval, ColourSwapNegatesAndSymmetriesKeepTheScore10)
{
    CheckSymmetries<10, Evaluator<10>>(300);
    CheckSymmetries<10, PatternEvaluator<10>>(300);
}

TEST(PatternEval, TheCompiledInWeightsFitBothSizes)
{
    for (const int size : { 8, 10 }) {
        EXPECT_EQ(PatternWeightsProblem(size), "") << size;
        ASSERT_NE(PatternWeightsFor(size), nullptr) << size;
        // Fitted, not the empty file a build starts from.
        const PatternWeights& w = *PatternWeightsFor(size);
        EXPECT_GT(std::count_if(w.Table.begin(), w.Table.end(), [](auto v) { return v != 0; }),
            std::ptrdiff_t(w.Table.size() / 50))
            << size;
    }
}

namespace {

template <int N> void CheckPlaces()
{
    using G = Geo<N>;
    const PatternSet<N>& set = PatternSet<N>::Get();
    ASSERT_LE(set.Instances.size(), std::size_t(MaxPatternInstances));
    int offset = 0;
    for (std::size_t k = 0; k < set.Kinds.size(); ++k) {
        const PatternKind& kind = set.Kinds[k];
        EXPECT_EQ(kind.Offset, offset) << kind.Name;
        offset += kind.Configurations;
        // The places of a kind, as square sets: every symmetry maps them onto each other, and no
        // two are the same.
        std::vector<typename G::BB> places;
        for (const PatternInstance& in : set.Instances) {
            if (in.Kind != int(k))
                continue;
            typename G::BB b = 0;
            for (int i = 0; i < in.Length; ++i)
                b |= G::One(in.Bits[std::size_t(i)]);
            EXPECT_EQ(G::Count(b), int(kind.Squares.size())) << kind.Name;
            EXPECT_EQ(b & ~G::Playable, typename G::BB(0)) << kind.Name;
            EXPECT_EQ(std::count(places.begin(), places.end(), b), 0) << kind.Name;
            places.push_back(b);
        }
        ASSERT_FALSE(places.empty()) << kind.Name;
        for (int s = 1; s < 8; ++s)
            for (const auto b : places)
                EXPECT_EQ(std::count(places.begin(), places.end(), G::Transform(b, s)), 1)
                    << kind.Name << " symmetry " << s;
    }
    EXPECT_EQ(offset, set.Entries);
}

} // namespace

TEST(PatternEval, EachGroupIsReadWhereverTheSymmetriesCarryIt)
{
    CheckPlaces<8>();
    CheckPlaces<10>();
    // The groups the weights were fitted for: 46 places on 8 x 8 (4 edges with their X squares,
    // 4 corner blocks of 3 x 3, 8 of 2 x 5, 12 lines, 18 diagonals), 34 on 10 x 10.
    EXPECT_EQ(PatternSet<8>::Get().Instances.size(), 46u);
    EXPECT_EQ(PatternSet<10>::Get().Instances.size(), 34u);
}

TEST(PatternEval, AWeightsFileThatDoesNotFitIsRefusedWithItsReason)
{
    // A file as corvana-tune writes it reads back as it was.
    PatternWeights written = *PatternWeightsFor(8);
    written.Feature[0] = 7;
    written.Table.back() = -123;
    const std::vector<unsigned char> file = PatternWeightsFile(written);
    PatternWeights out;
    std::string why;
    ASSERT_TRUE(ReadPatternWeights(file.data(), file.size(), 8, out, why)) << why;
    EXPECT_EQ(out.Feature, written.Feature);
    EXPECT_EQ(out.Table, written.Table);

    const auto refused = [&](std::vector<unsigned char> bytes, int size, const char* reason) {
        PatternWeights kept = out;
        std::string why;
        EXPECT_FALSE(ReadPatternWeights(bytes.data(), bytes.size(), size, kept, why)) << reason;
        EXPECT_NE(why.find(reason), std::string::npos) << why;
        EXPECT_EQ(kept.Feature, out.Feature) << "a refused file changed the weights";
    };
    refused({ file.begin(), file.begin() + 10 }, 8, "shorter than its header");
    refused({ file.begin(), file.end() - 2 }, 8, "bytes, not");
    refused(file, 10, "for size 8");
    std::vector<unsigned char> magic = file;
    magic[0] = 'X';
    refused(magic, 8, "CVPAT01");
    std::vector<unsigned char> entries = file;
    entries[20] ^= 1; // Entries
    refused(entries, 8, "entries");
}

TEST(MasterEval, TheBoardEvaluationTakesTheSideToMoveAsOwn)
{
    std::mt19937 rng(77);
    for (const int size : { 8, 10 }) {
        const GamePosition p = RandomPosition(size, 20, rng);
        EXPECT_EQ(Engine::Evaluate(p.Cells, size, SideYellow),
            -Engine::Evaluate(p.Cells, size, SideGreen));
    }
}

TEST(MasterEval, FollowsTheExactResultsOfTheEndgameSet)
{
    // Both evaluations: the engine's own and, for comparison, the classic one.
    const auto classic = [](const Board& b, int side) {
        Geo<8>::BB own, opp;
        ToBits<8>(b, side, own, opp);
        return Evaluator<8>::Evaluate(own, opp);
    };
    for (int which = 0; which < 2; ++which) {
        const auto evaluate = [&](const Board& b, int side) {
            return which ? classic(b, side) : Engine::Evaluate(b, 8, side);
        };
        // Whatever the weights, the evaluation must lean the way the game ends: on the stored
        // endgame positions it correlates with the exact scores (a sign or orientation slip in
        // a feature would break this).
        std::vector<double> eval, exact;
        for (const EndgameCase& c : EndgameSet) {
            eval.push_back(
                evaluate(BoardFromPicture(8, c.Board20), c.Side20 == 'Y' ? SideYellow : SideGreen));
            exact.push_back(c.Score20);
            eval.push_back(
                evaluate(BoardFromPicture(8, c.Board14), c.Side14 == 'Y' ? SideYellow : SideGreen));
            exact.push_back(c.Score14);
        }
        const double n = double(eval.size());
        double me = 0, mx = 0;
        for (std::size_t i = 0; i < eval.size(); ++i) {
            me += eval[i] / n;
            mx += exact[i] / n;
        }
        double cov = 0, ve = 0, vx = 0;
        for (std::size_t i = 0; i < eval.size(); ++i) {
            cov += (eval[i] - me) * (exact[i] - mx);
            ve += (eval[i] - me) * (eval[i] - me);
            vx += (exact[i] - mx) * (exact[i] - mx);
        }
        EXPECT_GT(cov / std::sqrt(ve * vx), 0.6) << (which ? "classic" : "patterns");
    }
}

TEST(PatternEval, TheEightByEightReadingFromTurnedBoardsReadsEverySquareRight)
{
    using G = Geo<8>;
    std::mt19937 rng(808);
    for (int i = 0; i < 300; ++i) {
        const GamePosition p = RandomPosition(8, 1 + int(rng() % 58), rng);
        G::BB own, opp;
        ToBits<8>(p.Cells, p.SideToMove, own, opp);
        for (int s = 0; s < 8; ++s)
            ASSERT_EQ(FastTransform8(own, s), G::Transform(own, s)) << "symmetry " << s;
        std::array<int, MaxPatternInstances> fast, plain;
        PatternEvaluator<8>::Indices(own, opp, fast);
        PatternEvaluator<8>::IndicesBySquares(own, opp, plain);
        const std::size_t n = PatternSet<8>::Get().Instances.size();
        ASSERT_TRUE(std::equal(fast.begin(), fast.begin() + std::ptrdiff_t(n), plain.begin()))
            << "position " << i;
    }
}

namespace {

// Random games to their end, the reading carried move by move (and swapped at each pass) as the
// search carries it: at every position it must be what reading the board afresh gives.
template <int N> void CheckCarriedReadings(int games)
{
    using G = Geo<N>;
    using P = PatternEvaluator<N>;
    std::mt19937 rng(4242 + N);
    int passes = 0;
    for (int game = 0; game < games; ++game) {
        typename G::BB own, opp;
        ToBits<N>(RandomPosition(N, 0, rng).Cells, SideYellow, own, opp);
        PatternReading carried, fresh;
        P::Read(own, opp, carried);
        for (int ply = 0;; ++ply) {
            P::Read(own, opp, fresh);
            ASSERT_EQ(carried.Mover, fresh.Mover) << "game " << game << " ply " << ply;
            ASSERT_EQ(carried.Other, fresh.Other) << "game " << game << " ply " << ply;
            ASSERT_EQ(P::Evaluate(own, opp, carried.Mover), P::Evaluate(own, opp));
            const typename G::BB moves = G::Moves(own, opp);
            if (!moves) {
                if (!G::Moves(opp, own))
                    break;
                ++passes;
                std::swap(carried.Mover, carried.Other);
                std::swap(own, opp);
                continue;
            }
            std::vector<int> bits;
            G::ForEachBit(moves, [&](int bit) { bits.push_back(bit); });
            const int bit = bits[rng() % bits.size()];
            const typename G::BB flips = G::Flips(bit, own, opp);
            PatternReading next;
            P::Played(carried, bit, flips, next);
            carried = next;
            const typename G::BB nOwn = own | flips | G::One(bit);
            own = opp & ~flips;
            opp = nOwn;
        }
    }
    EXPECT_GT(passes, 0) << "no game passed: the swap went untried";
}

} // namespace

TEST(PatternEval, AReadingCarriedMoveByMoveIsTheBoardsOwn)
{
    CheckCarriedReadings<8>(60);
    CheckCarriedReadings<10>(20);
}
