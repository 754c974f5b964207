// Bit-set geometry of the master engine for both board sizes: fast turning of discs along
// precomputed rays, neighbourhoods, stable discs, edges, the eight board symmetries and hashing.
// Built on Bits<N> (BitBoard.h), whose move generator it shares; used by every part of the engine.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "BitBoard.h"

namespace master {

template <int N> struct Geo : Bits<N> {
    using B = Bits<N>;
    using BB = typename B::BB;
    using B::BitOf;
    using B::One;
    using B::Playable;
    using B::W;
    static constexpr int Squares = N * N;
    static constexpr int BitCount = N * W; // bit indices in use are below this

    // --- single-bit helpers that work on both widths ---------------------------------------

    // Without the popcnt instruction in the baseline, std::popcount calls a library routine;
    // the arithmetic version inline is faster.
    static int Count(BB b)
    {
        if constexpr (N == 8)
            return Count64(b);
        else
            return Count64(static_cast<std::uint64_t>(b))
                + Count64(static_cast<std::uint64_t>(b >> 64));
    }
    static int Count64(std::uint64_t x)
    {
#if defined(__POPCNT__)
        return std::popcount(x);
#else
        x = x - ((x >> 1) & 0x5555555555555555ULL);
        x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
        x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
        return int((x * 0x0101010101010101ULL) >> 56);
#endif
    }
    static BB Lowest(BB b) { return b & (~b + 1); }
    static BB Highest(BB b)
    {
        if constexpr (N == 8) {
            return b ? BB(1) << (63 - std::countl_zero(b)) : BB(0);
        } else {
            const auto hi = static_cast<std::uint64_t>(b >> 64);
            if (hi)
                return BB(1) << (127 - std::countl_zero(hi));
            const auto lo = static_cast<std::uint64_t>(b);
            return lo ? BB(1) << (63 - std::countl_zero(lo)) : BB(0);
        }
    }
    static int LowestBit(BB b) { return B::LowestBit(b); }

    // --- a step in one of the eight directions, never wrapping round a row ---------------------

    static constexpr BB MakeColumn(int col)
    {
        BB b = 0;
        for (int row = 0; row < N; ++row)
            b |= One(BitOf(col, row));
        return b;
    }
    static constexpr BB MakeRow(int row)
    {
        BB b = 0;
        for (int col = 0; col < N; ++col)
            b |= One(BitOf(col, row));
        return b;
    }
    static constexpr BB NotFirstColumn = Playable & ~MakeColumn(0);
    static constexpr BB NotLastColumn = Playable & ~MakeColumn(N - 1);

    template <int DX, int DY> static constexpr BB Step(BB b)
    {
        constexpr int S = DY * W + DX;
        BB r;
        if constexpr (S > 0)
            r = b << S;
        else
            r = b >> -S;
        if constexpr (DX > 0)
            r &= NotFirstColumn;
        else if constexpr (DX < 0)
            r &= NotLastColumn;
        else
            r &= Playable;
        return r;
    }

    // Squares next to any square of b (b itself not included unless next to another).
    static constexpr BB Neighbours(BB b)
    {
        return Step<1, 0>(b) | Step<-1, 0>(b) | Step<0, 1>(b) | Step<0, -1>(b) | Step<1, 1>(b)
            | Step<-1, 1>(b) | Step<1, -1>(b) | Step<-1, -1>(b);
    }

    // The squares next to one square, from a table: a move can only turn discs when one of them
    // is the opponent's.
    static BB Around(int bit) { return AroundTable[bit]; }
    static constexpr std::array<BB, BitCount> MakeAroundTable()
    {
        std::array<BB, BitCount> t {};
        for (int row = 0; row < N; ++row)
            for (int col = 0; col < N; ++col)
                t[BitOf(col, row)] = Neighbours(One(BitOf(col, row)));
        return t;
    }
    static constexpr std::array<BB, BitCount> AroundTable = MakeAroundTable();

    static BB Moves(BB own, BB opp) { return B::Moves(own, opp); }

    // --- rays: the squares beyond a square in one direction, to the edge ---------------------

    static constexpr std::array<std::array<int, 2>, 8> Dirs { { { 1, 0 }, { 0, 1 }, { 1, 1 },
        { -1, 1 }, { -1, 0 }, { 0, -1 }, { -1, -1 }, { 1, -1 } } };
    // The first four directions run towards higher bits, the last four towards lower ones.

    struct RayTable {
        std::array<std::array<BB, 8>, BitCount> Ray {};
        constexpr RayTable()
        {
            for (int row = 0; row < N; ++row)
                for (int col = 0; col < N; ++col)
                    for (int d = 0; d < 8; ++d) {
                        BB r = 0;
                        int c = col + Dirs[d][0], w = row + Dirs[d][1];
                        while (c >= 0 && c < N && w >= 0 && w < N) {
                            r |= One(BitOf(c, w));
                            c += Dirs[d][0];
                            w += Dirs[d][1];
                        }
                        Ray[BitOf(col, row)][d] = r;
                    }
        }
    };
    static const RayTable& Rays()
    {
        static const RayTable table;
        return table;
    }

    // The opp discs a move of own at bit turns over (none when the move is not legal): on 8 x 8
    // by lines, on 10 x 10 along the eight rays.
    static BB Flips(int bit, BB own, BB opp)
    {
        if constexpr (N == 8)
            return FlipsByLines(bit, own, opp);
        const auto& ray = Rays().Ray[bit];
        BB flips = 0;
        for (int d = 0; d < 4; ++d) {
            const BB r = ray[d];
            const BB end = Lowest(r & ~opp);
            if (end & own)
                flips |= r & (end - 1);
        }
        for (int d = 4; d < 8; ++d) {
            const BB r = ray[d];
            const BB end = Highest(r & ~opp);
            if (end & own)
                flips |= r & ~(end | (end - 1));
        }
        return flips;
    }

    // 8 x 8: each of the four lines through the square read as a byte (own's, opp's), the discs
    // turned along it from two small tables, and written back. Fewer operations than eight rays.
    static BB FlipsByLines(int bit, BB own, BB opp)
        requires(N == 8)
    {
        const FlipLines& t = FlipLineTable;
        const int col = bit & 7, row = bit >> 3;
        const auto turned = [&](int p, unsigned o, unsigned x) {
            return unsigned(t.Turned[p][t.Outflank[p][(x >> 1) & 0x3F] & o]);
        };
        constexpr BB Column0 = 0x0101010101010101ULL, Gather = 0x0102040810204080ULL;
        // Rows: a shift. Columns: the discs of the column gathered into a byte by a multiply,
        // row k at bit k, and spread back from a table. Diagonals: their squares lie in different
        // columns, so a multiply gathers them by column without carries, and one spreads them.
        const int shift = row * 8;
        BB flips = BB(turned(col, unsigned(own >> shift) & 0xFF, unsigned(opp >> shift) & 0xFF))
            << shift;
        const unsigned colOwn = unsigned((((own >> col) & Column0) * Gather) >> 56);
        const unsigned colOpp = unsigned((((opp >> col) & Column0) * Gather) >> 56);
        flips |= t.Spread[turned(row, colOwn, colOpp)] << col;
        const BB diag = LineTable().Diagonals[col - row + 7],
                 anti = LineTable().AntiDiagonals[col + row];
        const unsigned dOwn = unsigned(((own & diag) * Column0) >> 56);
        const unsigned dOpp = unsigned(((opp & diag) * Column0) >> 56);
        flips |= (BB(turned(col, dOwn, dOpp)) * Column0) & diag;
        const unsigned aOwn = unsigned(((own & anti) * Column0) >> 56);
        const unsigned aOpp = unsigned(((opp & anti) * Column0) >> 56);
        flips |= (BB(turned(col, aOwn, aOpp)) * Column0) & anti;
        return flips;
    }

    struct FlipLines {
        // For a move at position p of a line of 8 and the other side's discs on the six inner
        // squares: the squares just beyond the runs of them on either side of p.
        std::array<std::array<std::uint8_t, 64>, 8> Outflank {};
        // For a move at p and the squares where own closes a run: the squares in between.
        std::array<std::array<std::uint8_t, 256>, 8> Turned {};
        std::array<BB, 256> Spread {}; // bit k to the first column's square of row k
        constexpr FlipLines()
        {
            for (int p = 0; p < 8; ++p) {
                for (int inner = 0; inner < 64; ++inner) {
                    const int other = inner << 1;
                    int out = 0;
                    for (const int step : { 1, -1 }) {
                        int k = p + step;
                        while (k >= 0 && k < 8 && (other >> k & 1))
                            k += step;
                        if (k != p + step && k >= 0 && k < 8)
                            out |= 1 << k;
                    }
                    Outflank[p][inner] = std::uint8_t(out);
                }
                for (int out = 0; out < 256; ++out) {
                    int between = 0;
                    for (int k = 0; k < 8; ++k)
                        if (out >> k & 1)
                            for (int j = std::min(k, p) + 1; j < std::max(k, p); ++j)
                                between |= 1 << j;
                    Turned[p][out] = std::uint8_t(between);
                }
            }
            for (int x = 0; x < 256; ++x)
                for (int k = 0; k < 8; ++k)
                    if (x >> k & 1)
                        Spread[x] |= BB(1) << (8 * k);
        }
    };
    static constexpr FlipLines FlipLineTable {};

    // --- the last empty square ------------------------------------------------------------

    // How many discs a move at bit turns for the side whose discs are own, when every other
    // square is filled (8 x 8): then every square of a line that is not own's is the other
    // side's, and a line reads as one byte, whose turned discs a table gives. Four lookups
    // instead of eight rays.
    static int LastFlipCount(int bit, BB own)
        requires(N == 8)
    {
        const auto& t = LastLineTable();
        const auto& lines = LineTable();
        const int col = bit & 7, row = bit >> 3;
        const unsigned rowBits = unsigned(own >> (row * 8)) & 0xFF;
        const unsigned colBits
            = unsigned((((own >> col) & 0x0101010101010101ULL) * 0x0102040810204080ULL) >> 56);
        // A diagonal's squares lie in different columns: the multiply gathers them by column
        // into the top byte without carries. Columns off the diagonal read as not own, and so
        // as a line running off the board, which turns nothing.
        const unsigned diagBits
            = unsigned(((own & lines.Diagonals[col - row + 7]) * 0x0101010101010101ULL) >> 56);
        const unsigned antiBits
            = unsigned(((own & lines.AntiDiagonals[col + row]) * 0x0101010101010101ULL) >> 56);
        return t.Count[col][rowBits] + t.Count[row][colBits] + t.Count[col][diagBits]
            + t.Count[col][antiBits];
    }

    struct LastLines {
        // Discs turned along a line of 8 by a move at position p, own discs set in the byte,
        // everything else the other side's.
        std::array<std::array<std::uint8_t, 256>, 8> Count {};
        constexpr LastLines()
        {
            for (int p = 0; p < 8; ++p)
                for (int bits = 0; bits < 256; ++bits) {
                    int n = 0;
                    for (const int step : { 1, -1 }) {
                        int run = 0, k = p + step;
                        while (k >= 0 && k < 8 && !(bits >> k & 1)) {
                            ++run;
                            k += step;
                        }
                        if (k >= 0 && k < 8)
                            n += run;
                    }
                    Count[p][bits] = std::uint8_t(n);
                }
        }
    };
    static const LastLines& LastLineTable()
        requires(N == 8)
    {
        static constexpr LastLines table;
        return table;
    }

    // --- special squares ------------------------------------------------------------------

    static constexpr BB Corners
        = One(BitOf(0, 0)) | One(BitOf(N - 1, 0)) | One(BitOf(0, N - 1)) | One(BitOf(N - 1, N - 1));
    static constexpr BB XSquares
        = One(BitOf(1, 1)) | One(BitOf(N - 2, 1)) | One(BitOf(1, N - 2)) | One(BitOf(N - 2, N - 2));
    static constexpr BB Edges = MakeRow(0) | MakeRow(N - 1) | MakeColumn(0) | MakeColumn(N - 1);

    // --- stable discs ---------------------------------------------------------------------

    // Squares whose line in each of the four orientations is completely filled.
    static void FullLines(BB filled, BB& horizontal, BB& vertical, BB& diagonal, BB& antiDiagonal)
    {
        horizontal = vertical = diagonal = antiDiagonal = 0;
        for (int i = 0; i < N; ++i) {
            const BB row = MakeRowCached(i);
            if ((filled & row) == row)
                horizontal |= row;
            const BB col = MakeColumnCached(i);
            if ((filled & col) == col)
                vertical |= col;
        }
        for (const BB line : LineTable().Diagonals)
            if ((filled & line) == line)
                diagonal |= line;
        for (const BB line : LineTable().AntiDiagonals)
            if ((filled & line) == line)
                antiDiagonal |= line;
    }

    // The discs of own that can never be turned: grown from own's corners along the edges and
    // into the board while, in each of the four orientations, a disc's line is full or it leans on
    // the border or on a stable own disc. A lower bound of the truly stable discs, symmetric under
    // the board's symmetries. Without an own corner it is empty: a full edge without corners is
    // left to the edge tables of the evaluation, which saves the work in most positions.
    static BB StableDiscs(BB own, BB opp)
    {
        if (!(own & Corners))
            return 0;
        BB h, v, d, a;
        FullLines(own | opp, h, v, d, a);
        return GrowStable(own, h, v, d, a);
    }

    // Both sides' stable discs, sharing the full-line scan.
    static void StableDiscs(BB own, BB opp, BB& ownStable, BB& oppStable)
    {
        ownStable = oppStable = 0;
        const BB corners = (own | opp) & Corners;
        if (!corners)
            return;
        BB h, v, d, a;
        FullLines(own | opp, h, v, d, a);
        if (own & Corners)
            ownStable = GrowStable(own, h, v, d, a);
        if (opp & Corners)
            oppStable = GrowStable(opp, h, v, d, a);
    }

    static BB GrowStable(BB own, BB h, BB v, BB d, BB a)
    {
        const BB borderH = MakeColumnCached(0) | MakeColumnCached(N - 1);
        const BB borderV = MakeRowCached(0) | MakeRowCached(N - 1);
        const BB borderD = borderH | borderV;
        h |= borderH;
        v |= borderV;
        d |= borderD;
        a |= borderD;
        BB stable = own & Corners;
        for (;;) {
            const BB okH = h | Step<1, 0>(stable) | Step<-1, 0>(stable);
            const BB okV = v | Step<0, 1>(stable) | Step<0, -1>(stable);
            const BB okD = d | Step<1, 1>(stable) | Step<-1, -1>(stable);
            const BB okA = a | Step<-1, 1>(stable) | Step<1, -1>(stable);
            const BB next = stable | (own & okH & okV & okD & okA);
            if (next == stable)
                return stable;
            stable = next;
        }
    }

    struct Lines {
        std::array<BB, 2 * N - 1> Diagonals {};
        std::array<BB, 2 * N - 1> AntiDiagonals {};
        std::array<BB, N> Rows {};
        std::array<BB, N> Columns {};
        constexpr Lines()
        {
            for (int row = 0; row < N; ++row)
                for (int col = 0; col < N; ++col) {
                    Diagonals[col - row + N - 1] |= One(BitOf(col, row));
                    AntiDiagonals[col + row] |= One(BitOf(col, row));
                    Rows[row] |= One(BitOf(col, row));
                    Columns[col] |= One(BitOf(col, row));
                }
        }
    };
    static const Lines& LineTable()
    {
        static constexpr Lines lines;
        return lines;
    }
    static BB MakeRowCached(int row) { return LineTable().Rows[row]; }
    static BB MakeColumnCached(int col) { return LineTable().Columns[col]; }

    // --- symmetries -----------------------------------------------------------------------

    // One of the eight symmetries of the square: 0 identity, 1..3 rotations, 4..7 reflections.
    static BB Transform(BB b, int symmetry)
    {
        BB r = 0;
        B::ForEachBit(b, [&](int bit) {
            int col = bit % W, row = bit / W;
            const int m = N - 1;
            int c = col, w = row;
            switch (symmetry) {
            case 1:
                c = m - row;
                w = col;
                break;
            case 2:
                c = m - col;
                w = m - row;
                break;
            case 3:
                c = row;
                w = m - col;
                break;
            case 4:
                c = m - col;
                break;
            case 5:
                w = m - row;
                break;
            case 6:
                c = row;
                w = col;
                break;
            case 7:
                c = m - row;
                w = m - col;
                break;
            default:
                break;
            }
            r |= One(BitOf(c, w));
        });
        return r;
    }

    // --- hashing --------------------------------------------------------------------------

    static std::uint64_t Mix(std::uint64_t x)
    {
        x += 0x9E3779B97F4A7C15ULL;
        x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
        x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
        return x ^ (x >> 31);
    }
    // The key of a position with own to move. Different positions collide with odds of 2^-64.
    static std::uint64_t Hash(BB own, BB opp)
    {
        if constexpr (N == 8) {
            return Mix(own ^ Mix(opp));
        } else {
            const auto o0 = static_cast<std::uint64_t>(own),
                       o1 = static_cast<std::uint64_t>(own >> 64);
            const auto p0 = static_cast<std::uint64_t>(opp),
                       p1 = static_cast<std::uint64_t>(opp >> 64);
            return Mix(o0 ^ Mix(o1 ^ Mix(p0 ^ Mix(p1 + 0x5851F42D4C957F2DULL))));
        }
    }

    // --- conversion to and from square indices ----------------------------------------------

    static int SquareOfBit(int bit) { return B::SquareOfBit(bit); }
    static int BitOfSquare(int square) { return B::BitOfSquare(square); }
};

} // namespace master
