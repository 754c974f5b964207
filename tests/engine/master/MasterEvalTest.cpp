// The master evaluation: seen from the other side it is the exact negation, and the eight
// symmetries of the board leave it unchanged, on random positions of both sizes.
#include <gtest/gtest.h>

#include <cmath>

#include "EndgameSet.h"
#include "MasterEval.h"
#include "MasterTestSupport.h"
#include "master/MasterEngine.h"

using namespace master;

namespace {

template <int N> void CheckSymmetries(int positions)
{
    using G = Geo<N>;
    std::mt19937 rng(N * 31);
    int nonZero = 0;
    for (int i = 0; i < positions; ++i) {
        const GamePosition p = RandomPosition(N, 1 + int(rng() % (N * N - 6)), rng);
        typename G::BB own, opp;
        ToBits<N>(p.Cells, p.SideToMove, own, opp);
        const int v = Evaluator<N>::Evaluate(own, opp);
        nonZero += v != 0;
        ASSERT_EQ(Evaluator<N>::Evaluate(opp, own), -v) << "position " << i;
        for (int s = 1; s < 8; ++s)
            ASSERT_EQ(Evaluator<N>::Evaluate(G::Transform(own, s), G::Transform(opp, s)), v)
                << "position " << i << " symmetry " << s;
    }
    EXPECT_GT(nonZero, positions / 2);
}

} // namespace

TEST(MasterEval, ColourSwapNegatesAndSymmetriesKeepTheScore8) { CheckSymmetries<8>(400); }

TEST(MasterEval, ColourSwapNegatesAndSymmetriesKeepTheScore10) { CheckSymmetries<10>(300); }

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
    // Whatever the weights, the evaluation must lean the way the game ends: on the stored
    // endgame positions it correlates with the exact scores (a sign or orientation slip in
    // a feature would break this).
    std::vector<double> eval, exact;
    for (const EndgameCase& c : EndgameSet) {
        eval.push_back(Engine::Evaluate(
            BoardFromPicture(8, c.Board20), 8, c.Side20 == 'Y' ? SideYellow : SideGreen));
        exact.push_back(c.Score20);
        eval.push_back(Engine::Evaluate(
            BoardFromPicture(8, c.Board14), 8, c.Side14 == 'Y' ? SideYellow : SideGreen));
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
    EXPECT_GT(cov / std::sqrt(ve * vx), 0.6);
}
