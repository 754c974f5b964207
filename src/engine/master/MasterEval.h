// The master engine's evaluation: what a position is worth to the side to move, in hundredths of
// a disc of the final disc difference. Mobility, potential mobility, corners, X squares, stable
// discs, region parity and a table of edge configurations, weighted per game phase. The weights are
// fitted to self-play games by corvana-tune (tools/tune) and live in EvalWeights8/10.inc.
#pragma once

#include <array>
#include <cstdint>

#include "MasterBits.h"

namespace master {

// The features, each "own minus opponent's" or own's share against the opponent's, so that the
// evaluation of a position seen from the opponent's side is exactly its negation.
enum EvalFeature {
    FeatMobility, // legal squares (a share, see Relative)
    FeatMobilityCount, // legal squares (the difference: it tells more near the end)
    FeatCornerMobility, // legal corner squares
    FeatPotentialMobility, // empty squares next to the other side's discs (a share)
    FeatFrontier, // own discs next to an empty square (a share)
    FeatStable, // discs that can never be turned
    FeatXSquares, // discs on an X square whose corner is empty
    FeatDiscs, // discs
    FeatRegionParity, // odd regions (quadrants) only own can play into
    FeatStuck, // having no legal square
    FeatFewDiscs, // how close to none: (5 - discs)^2 for four discs or fewer, past the opening
    FeatureCount
};

constexpr int EvalPhases = 8;
// Edge lines: from each corner along each of its two edges, the eight squares read outwards.
constexpr int EdgeLength = 8;
constexpr int EdgeLines = 8;
constexpr int EdgeConfigurations = 6561; // 3^8

// The base-3 value of a binary number of up to ten digits, digit k for bit k: a line's own discs
// and (doubled) the opponent's make the number of its configuration.
struct TernaryTable {
    std::array<std::uint16_t, 1024> Of {};
    constexpr TernaryTable()
    {
        for (int b = 0; b < 1024; ++b) {
            int v = 0;
            for (int k = 9; k >= 0; --k)
                v = v * 3 + ((b >> k) & 1);
            Of[std::size_t(b)] = std::uint16_t(v);
        }
    }
};
inline constexpr TernaryTable TernaryDigits;

// The weights of one board size, as corvana-tune writes them.
struct EvalWeights {
    std::int16_t Feature[EvalPhases][FeatureCount];
    std::int16_t Edge[EvalPhases][EdgeConfigurations]; // index: sum of 3^k * (1 own, 2 opponent)
};

// The weights of each size (generated).
const EvalWeights& WeightsFor(int size);

// Phase of a position by its number of discs.
template <int N> constexpr int PhaseOf(int discs)
{
    const int p = (discs - 4) * EvalPhases / (N * N - 3);
    return p < 0 ? 0 : p >= EvalPhases ? EvalPhases - 1 : p;
}

// What the evaluation looks at, before the weights: the tuning tool fits the weights to these.
struct EvalInputs {
    int Phase = 0;
    std::array<int, FeatureCount> Feature {};
    // Per edge line: the configuration with own discs as 1 and as seen by the opponent.
    std::array<std::uint16_t, EdgeLines> EdgeOwn {};
    std::array<std::uint16_t, EdgeLines> EdgeOpp {};
};

template <int N> struct Evaluator {
    using G = Geo<N>;
    using BB = typename G::BB;

    // For the pattern evaluation the edge lines are left out (its edge and corner tables see
    // them), and on 10 x 10 the stable discs too (there their count costs most of its time).
    static void Inputs(BB own, BB opp, EvalInputs& in, bool forPatterns = false);
    static int Score(const EvalInputs& in, const EvalWeights& w);
    // The score of own to move, in centidiscs.
    static int Evaluate(BB own, BB opp);
};

} // namespace master
