// The master engine's bit sets against the byte-board rules: legal squares and turned discs on
// random positions of both sizes, stable discs that must never turn, symmetries, and the table.
#include <gtest/gtest.h>

#include "MasterTable.h"
#include "MasterTestSupport.h"
#include "RoutineTable.h"

using namespace master;

namespace {

template <int N> Board BoardFromBits(typename Geo<N>::BB yellow, typename Geo<N>::BB green)
{
    Board b = StartBoard(N);
    for (int row = 0; row < N; ++row)
        for (int col = 0; col < N; ++col) {
            const auto one = Geo<N>::One(Geo<N>::BitOf(col, row));
            b[SquareIndex(N, col, row)] = (yellow & one) ? CellYellow
                : (green & one)                          ? CellGreen
                                                         : CellEmpty;
        }
    return b;
}

// Every square of many random positions: the same legal squares, and each move turns exactly the
// discs MakeMove turns.
template <int N> void CompareWithByteRules(int rounds)
{
    using G = Geo<N>;
    const RoutineTable& r = RoutinesFor(N);
    std::mt19937 rng(N * 1000 + 7);
    int moves = 0;
    for (int round = 0; round < rounds; ++round) {
        const GamePosition p = RandomPosition(N, int(rng() % (N * N - 4)), rng);
        for (const int side : { SideYellow, SideGreen }) {
            typename G::BB own, opp;
            ToBits<N>(p.Cells, side, own, opp);
            const typename G::BB legal = G::Moves(own, opp);
            // Moves may take all directions at once (AVX2); the direction-by-direction fill stays
            // for other processors and must agree.
            ASSERT_EQ(Bits<N>::MovesByDirections(own, opp), legal);
            for (int col = 0; col < N; ++col)
                for (int row = 0; row < N; ++row) {
                    const int sq = SquareIndex(N, col, row);
                    const int bit = G::BitOf(col, row);
                    const bool isLegal = r.IsLegalMove(p.Cells, sq, side, OtherSide(side));
                    ASSERT_EQ(isLegal, (legal >> bit & 1) != 0) << "square " << sq;
                    if (p.Cells[sq] != CellEmpty)
                        continue;
                    const typename G::BB flips = G::Flips(bit, own, opp);
                    ASSERT_EQ(isLegal, flips != 0) << "square " << sq;
                    if (!isLegal)
                        continue;
                    ++moves;
                    Board expected = p.Cells;
                    r.MakeMove(expected, sq, side, OtherSide(side));
                    const typename G::BB nOwn = own | flips | G::One(bit), nOpp = opp & ~flips;
                    const Board got = side == SideYellow ? BoardFromBits<N>(nOwn, nOpp)
                                                         : BoardFromBits<N>(nOpp, nOwn);
                    ASSERT_EQ(got, expected) << "square " << sq;
                }
        }
    }
    EXPECT_GT(moves, rounds); // the positions were not all stuck
}

// Discs called stable keep their colour through any continuation of the game.
template <int N> void StableDiscsNeverTurn(int games)
{
    using G = Geo<N>;
    std::mt19937 rng(N + 99);
    int checked = 0;
    for (int game = 0; game < games; ++game) {
        const GamePosition p = RandomPosition(N, N * N - 4 - int(rng() % (N * N / 3)) - 4, rng);
        typename G::BB own, opp;
        ToBits<N>(p.Cells, SideYellow, own, opp);
        typename G::BB yellowStable, greenStable;
        G::StableDiscs(own, opp, yellowStable, greenStable);
        ASSERT_EQ(yellowStable, G::StableDiscs(own, opp));
        ASSERT_EQ(yellowStable & ~own, 0) << "only own discs are stable";
        checked += G::Count(yellowStable | greenStable);
        // A few random continuations to the end of the game.
        for (int run = 0; run < 4; ++run) {
            typename G::BB a = own, b = opp; // a: the side to move
            bool yellowToMove = p.SideToMove == SideYellow;
            if (!yellowToMove)
                std::swap(a, b);
            for (int passes = 0; passes < 2;) {
                const typename G::BB m = G::Moves(a, b);
                if (!m) {
                    ++passes;
                } else {
                    passes = 0;
                    std::vector<int> bits;
                    G::ForEachBit(m, [&](int bit) { bits.push_back(bit); });
                    const int bit = bits[rng() % bits.size()];
                    const typename G::BB f = G::Flips(bit, a, b);
                    a |= f | G::One(bit);
                    b &= ~f;
                }
                std::swap(a, b);
                yellowToMove = !yellowToMove;
                const typename G::BB yellow = yellowToMove ? a : b, green = yellowToMove ? b : a;
                ASSERT_EQ(yellow & yellowStable, yellowStable) << "game " << game;
                ASSERT_EQ(green & greenStable, greenStable) << "game " << game;
            }
        }
    }
    EXPECT_GT(checked, games); // corners were taken often enough to test something
}

} // namespace

TEST(MasterBits, MovesAndFlipsMatchTheByteBoardRules8) { CompareWithByteRules<8>(300); }

TEST(MasterBits, MovesAndFlipsMatchTheByteBoardRules10) { CompareWithByteRules<10>(200); }

// 8 x 8 turns discs by whole lines read as bytes; the board's square-by-square walk must agree on
// every empty square of fillings from sparse to dense, many of them mostly one colour so that runs
// reach the edge (where a line read wrongly would turn the edge disc or run off the board).
TEST(MasterBits, FlipsByLinesMatchTheWalkAlongEachDirection)
{
    using G = Geo<8>;
    std::mt19937_64 rng(88);
    int turning = 0;
    for (int round = 0; round < 2000; ++round) {
        const std::uint64_t filled = round % 3 == 0 ? rng() | rng() : rng() | rng() | rng();
        const std::uint64_t bias = round % 4 == 0 ? rng() | rng() | rng() : rng();
        const G::BB own = filled & bias, opp = filled & ~bias;
        for (int bit = 0; bit < 64; ++bit) {
            if (filled >> bit & 1)
                continue;
            for (const auto& [a, b] : { std::pair { own, opp }, std::pair { opp, own } }) {
                const G::BB expected = Bits<8>::Flips(bit, a, b);
                ASSERT_EQ(G::Flips(bit, a, b), expected) << "round " << round << " bit " << bit;
                turning += expected != 0;
            }
        }
    }
    EXPECT_GT(turning, 10000);
}

// With one square empty the solver counts turned discs from a table of lines: the same counts as
// the discs Flips turns, for every square as the empty one, either side moving, on random
// fillings and on lines of one colour running into the edge.
TEST(MasterBits, LastSquareCountsMatchTheTurnedDiscs)
{
    using G = Geo<8>;
    std::mt19937_64 rng(64);
    int turning = 0;
    for (int round = 0; round < 400; ++round) {
        // Every fourth filling mostly one colour, so that long runs reach the edge.
        const std::uint64_t bias = round % 4 == 0 ? rng() | rng() | rng() : rng();
        for (int bit = 0; bit < 64; ++bit) {
            const G::BB own = bias & ~G::One(bit), opp = G::Playable & ~own & ~G::One(bit);
            for (const auto& [a, b] : { std::pair { own, opp }, std::pair { opp, own } }) {
                const int rays = G::Count(G::Flips(bit, a, b));
                ASSERT_EQ(G::LastFlipCount(bit, a), rays) << "round " << round << " bit " << bit;
                turning += rays > 0;
            }
        }
    }
    EXPECT_GT(turning, 10000); // most squares turn something, so the counts were compared
}

TEST(MasterBits, StableDiscsNeverTurn)
{
    StableDiscsNeverTurn<8>(150);
    StableDiscsNeverTurn<10>(100);
}

TEST(MasterBits, SymmetriesMapMovesOntoMoves)
{
    std::mt19937 rng(5);
    for (int i = 0; i < 40; ++i) {
        const GamePosition p = RandomPosition(10, 20 + i, rng);
        Geo<10>::BB own, opp;
        ToBits<10>(p.Cells, p.SideToMove, own, opp);
        for (int s = 0; s < 8; ++s) {
            const auto tOwn = Geo<10>::Transform(own, s), tOpp = Geo<10>::Transform(opp, s);
            EXPECT_EQ(Geo<10>::Moves(tOwn, tOpp), Geo<10>::Transform(Geo<10>::Moves(own, opp), s));
            EXPECT_EQ(Geo<10>::Count(tOwn), Geo<10>::Count(own));
        }
    }
}

TEST(TransTable, KeepsDeeperResultsAndFindsWhatItStored)
{
    TransTable t(1);
    TableEntry e;
    e.Score = -123;
    e.Move = 17;
    e.Depth = 6;
    e.Kind = Bound::Lower;
    t.Store(42, e);
    TableEntry got;
    ASSERT_TRUE(t.Probe(42, got));
    EXPECT_EQ(got.Score, -123);
    EXPECT_EQ(got.Move, 17);
    EXPECT_EQ(got.Depth, 6);
    EXPECT_EQ(got.Kind, Bound::Lower);
    EXPECT_FALSE(got.Endgame);
    EXPECT_FALSE(t.Probe(43, got));

    // A shallower result of the same search does not replace a deeper one...
    TableEntry shallow = e;
    shallow.Depth = 3;
    shallow.Score = 5;
    t.Store(42, shallow);
    ASSERT_TRUE(t.Probe(42, got));
    EXPECT_EQ(got.Score, -123);
    // ...but does in a later search, keeping the old best move when it brings none.
    t.NextGeneration();
    shallow.Move = TableEntry::NoMove;
    t.Store(42, shallow);
    ASSERT_TRUE(t.Probe(42, got));
    EXPECT_EQ(got.Score, 5);
    EXPECT_EQ(got.Move, 17);

    // An exact endgame result is never given up for a midgame one.
    TableEntry end = e;
    end.Endgame = true;
    end.Depth = 2;
    end.Kind = Bound::Exact;
    t.Store(42, end);
    t.Store(42, e);
    ASSERT_TRUE(t.Probe(42, got));
    EXPECT_TRUE(got.Endgame);

    t.Clear();
    EXPECT_FALSE(t.Probe(42, got));
    EXPECT_EQ(t.UsagePerMille(), 0);
}

TEST(TransTable, AGuessNeverDisplacesASurerResult)
{
    TransTable t(1);
    TableEntry exact;
    exact.Endgame = true;
    exact.Depth = 18;
    exact.Score = 6;
    exact.Move = 9;
    exact.Kind = Bound::Exact;
    TableEntry guess = exact;
    guess.Certainty = 0;
    guess.Score = 10;
    guess.Move = 20;
    guess.Kind = Bound::Lower;

    // The certainty comes back as stored...
    t.Store(7, guess);
    TableEntry got;
    ASSERT_TRUE(t.Probe(7, got));
    EXPECT_EQ(got.Certainty, 0);
    EXPECT_EQ(got.Score, 10);
    // ...a sure result of as many empties replaces the guess...
    t.Store(7, exact);
    ASSERT_TRUE(t.Probe(7, got));
    EXPECT_EQ(got.Certainty, TableEntry::Certain);
    EXPECT_EQ(got.Score, 6);
    // ...and a later guess, in this search or another, does not replace it.
    t.Store(7, guess);
    t.NextGeneration();
    t.Store(7, guess);
    ASSERT_TRUE(t.Probe(7, got));
    EXPECT_EQ(got.Certainty, TableEntry::Certain);
    EXPECT_EQ(got.Kind, Bound::Exact);
    EXPECT_EQ(got.Move, 9);
}

TEST(TransTable, AFullBucketGivesUpItsShallowestEntry)
{
    // One bucket: every key lands in it.
    TransTable t(0);
    TableEntry e;
    e.Kind = Bound::Exact;
    for (int k = 1; k <= 4; ++k) {
        e.Depth = std::uint8_t(10 + k);
        e.Score = std::int16_t(k);
        t.Store(std::uint64_t(k), e);
    }
    TableEntry got;
    for (int k = 1; k <= 4; ++k)
        ASSERT_TRUE(t.Probe(std::uint64_t(k), got)) << k;
    e.Depth = 1;
    t.Store(5, e);
    EXPECT_TRUE(t.Probe(5, got));
    EXPECT_FALSE(t.Probe(1, got)); // depth 11, the shallowest
    EXPECT_TRUE(t.Probe(2, got));
    // Entries of earlier searches go first, deep as they are.
    t.NextGeneration();
    t.NextGeneration();
    t.NextGeneration();
    e.Depth = 1;
    for (const std::uint64_t k : { 10, 11, 12 })
        t.Store(k, e);
    for (const std::uint64_t k : { 10, 11, 12 })
        EXPECT_TRUE(t.Probe(k, got)) << k;
    EXPECT_FALSE(t.Probe(5, got) && t.Probe(2, got) && t.Probe(3, got) && t.Probe(4, got));
    EXPECT_TRUE(t.Probe(4, got)); // the deepest of the old ones stays longest
}
