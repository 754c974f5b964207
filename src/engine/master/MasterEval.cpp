// The master engine's evaluation: the feature scan and the weighted sum.
#include "MasterEval.h"

#include <algorithm>

namespace master {

namespace {

    // The n low bits of b in reverse order.
    template <int Bits> struct ReverseTable {
        std::array<std::uint16_t, 1 << Bits> Of {};
        constexpr ReverseTable()
        {
            for (int b = 0; b < (1 << Bits); ++b) {
                int r = 0;
                for (int k = 0; k < Bits; ++k)
                    if (b >> k & 1)
                        r |= 1 << (Bits - 1 - k);
                Of[b] = std::uint16_t(r);
            }
        }
    };

    template <int N> struct LineReader {
        using G = Geo<N>;
        using BB = typename G::BB;
        static inline const ReverseTable<N> Reverse {};

        // Row and column contents as N-bit numbers, bit k for column (row) k.
        static unsigned Row(BB b, int row) { return unsigned(b >> (row * G::W)) & ((1u << N) - 1); }
        static unsigned Column(BB b, int col)
        {
            if constexpr (N == 8) {
                const std::uint64_t file = (b >> col) & 0x0101010101010101ULL;
                return unsigned((file * 0x0102040810204080ULL) >> 56);
            } else {
                unsigned v = 0;
                for (int row = 0; row < N; ++row)
                    v |= unsigned(b >> (row * G::W + col) & 1) << row;
                return v;
            }
        }

        // The eight lines, each read outwards from its corner, as 8-bit patterns.
        static void Lines(BB b, std::array<unsigned, EdgeLines>& out)
        {
            const unsigned edges[4] = { Row(b, 0), Row(b, N - 1), Column(b, 0), Column(b, N - 1) };
            for (int e = 0; e < 4; ++e) {
                out[2 * e] = edges[e] & 0xFF;
                out[2 * e + 1] = Reverse.Of[edges[e]] & 0xFF;
            }
        }
    };

    // The left 8 × 8 column gather must put row k at bit k; checked once here.
    static_assert(((std::uint64_t(0x0000000000000101ULL) * 0x0102040810204080ULL) >> 56) == 0x03);

    // Own's share of a count against the opponent's, from -64 to 64. Shares rather than
    // differences:
    // a side down to a few discs has far more potential mobility than its opponent, and a
    // difference would carry the fitted weights far beyond the positions they were fitted on.
    // From a table: three divisions at every leaf cost more than its loads.
    struct RelativeTable {
        static constexpr int Most = 100; // squares of the larger board
        std::array<std::array<std::int8_t, Most + 1>, Most + 1> Of {};
        constexpr RelativeTable()
        {
            for (int own = 0; own <= Most; ++own)
                for (int opp = 0; opp <= Most; ++opp)
                    Of[std::size_t(own)][std::size_t(opp)]
                        = std::int8_t(64 * (own - opp) / (own + opp + 2));
        }
    };
    constexpr RelativeTable RelativeShares;
    int Relative(int own, int opp) { return RelativeShares.Of[std::size_t(own)][std::size_t(opp)]; }

    template <int N> struct Quadrants {
        using G = Geo<N>;
        using BB = typename G::BB;
        std::array<BB, 4> Mask {};
        Quadrants()
        {
            const int h = N / 2;
            for (int row = 0; row < N; ++row)
                for (int col = 0; col < N; ++col)
                    Mask[(row >= h) * 2 + (col >= h)] |= G::One(G::BitOf(col, row));
        }
    };

} // namespace

template <int N> void Evaluator<N>::Inputs(BB own, BB opp, EvalInputs& in, bool forPatterns)
{
    const BB empty = G::Playable & ~(own | opp);
    const BB ownMoves = G::Moves(own, opp), oppMoves = G::Moves(opp, own);
    in.Phase = PhaseOf<N>(G::Count(own | opp));
    auto& f = in.Feature;
    f[FeatMobility] = Relative(G::Count(ownMoves), G::Count(oppMoves));
    f[FeatMobilityCount] = G::Count(ownMoves) - G::Count(oppMoves);
    f[FeatCornerMobility] = G::Count(ownMoves & G::Corners) - G::Count(oppMoves & G::Corners);
    f[FeatPotentialMobility]
        = Relative(G::Count(empty & G::Neighbours(opp)), G::Count(empty & G::Neighbours(own)));
    const BB nearEmpty = G::Neighbours(empty);
    f[FeatFrontier] = Relative(G::Count(own & nearEmpty), G::Count(opp & nearEmpty));
    // The pattern tables see most of what stability means at the edges; on 8 x 8 the count still
    // pays its way now that the search carries their reading, on 10 x 10 it costs too much.
    if (!forPatterns || N == 8) {
        BB ownStable, oppStable;
        G::StableDiscs(own, opp, ownStable, oppStable);
        f[FeatStable] = G::Count(ownStable) - G::Count(oppStable);
    }
    // X squares of empty corners: a corner's X square is its diagonal neighbour.
    const BB emptyCorners = empty & G::Corners;
    const BB riskyX = G::XSquares
        & (G::template Step<1, 1>(emptyCorners) | G::template Step<-1, 1>(emptyCorners)
            | G::template Step<1, -1>(emptyCorners) | G::template Step<-1, -1>(emptyCorners));
    f[FeatXSquares] = G::Count(own & riskyX) - G::Count(opp & riskyX);
    f[FeatDiscs] = G::Count(own) - G::Count(opp);
    static const Quadrants<N> quadrants;
    int parity = 0;
    for (const BB q : quadrants.Mask) {
        if (!(G::Count(empty & q) & 1))
            continue;
        const bool ownIn = (ownMoves & q) != 0, oppIn = (oppMoves & q) != 0;
        parity += int(ownIn && !oppIn) - int(oppIn && !ownIn);
    }
    f[FeatRegionParity] = parity;
    f[FeatStuck] = int(ownMoves == 0) - int(oppMoves == 0);
    // Past the opening a side down to a handful of discs is often wiped out by force, however
    // mobile it looks; the danger grows fast as the last discs go.
    const int ownDiscs = G::Count(own), oppDiscs = G::Count(opp);
    const auto danger = [](int discs) { return discs < 5 ? (5 - discs) * (5 - discs) : 0; };
    f[FeatFewDiscs] = ownDiscs + oppDiscs >= 16 ? danger(ownDiscs) - danger(oppDiscs) : 0;
    if (forPatterns)
        return;

    std::array<unsigned, EdgeLines> ownLines, oppLines;
    LineReader<N>::Lines(own, ownLines);
    LineReader<N>::Lines(opp, oppLines);
    for (int i = 0; i < EdgeLines; ++i) {
        const unsigned o = TernaryDigits.Of[ownLines[i]], p = TernaryDigits.Of[oppLines[i]];
        in.EdgeOwn[i] = std::uint16_t(o + 2 * p);
        in.EdgeOpp[i] = std::uint16_t(p + 2 * o);
    }
}

template <int N> int Evaluator<N>::Score(const EvalInputs& in, const EvalWeights& w)
{
    int s = 0;
    const auto& fw = w.Feature[in.Phase];
    for (int i = 0; i < FeatureCount; ++i)
        s += fw[i] * in.Feature[i];
    const auto& ew = w.Edge[in.Phase];
    for (int i = 0; i < EdgeLines; ++i)
        s += ew[in.EdgeOwn[i]] - ew[in.EdgeOpp[i]];
    return s;
}

template <int N> int Evaluator<N>::Evaluate(BB own, BB opp)
{
    static const EvalWeights& weights = WeightsFor(N);
    EvalInputs in;
    Inputs(own, opp, in);
    return Score(in, weights);
}

template struct Evaluator<8>;
template struct Evaluator<10>;

} // namespace master
