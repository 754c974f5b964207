// The search's private view of a position: one bit set per side. Rows are W bits apart; the
// 10 × 10 board keeps an always-empty eleventh column so that sideways shifts cannot wrap into the
// next row, the 8 × 8 board masks its edge columns instead. Everything here must give exactly the
// results of the byte-board rules; the tests hold it to that.
#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "Board.h"

template <int N> struct BitLayout;

template <> struct BitLayout<8> {
    using BB = std::uint64_t;
    static constexpr int W = 8;
    static constexpr BB HorizontalGuard = 0x7E7E7E7E7E7E7E7EULL; // runs never cross columns 0/7
};

template <> struct BitLayout<10> {
    using BB = unsigned __int128;
    static constexpr int W = 11;
    static constexpr BB HorizontalGuard = ~BB(0); // the empty eleventh column stops every run
};

template <int N> struct Bits : BitLayout<N> {
    using typename BitLayout<N>::BB;
    using BitLayout<N>::W;
    using BitLayout<N>::HorizontalGuard;
    static constexpr int RowWidth = N + 2;

    static constexpr int BitOf(int col, int row) { return row * W + col; }
    static constexpr int BitOfSquare(int square)
    {
        return BitOf(square / RowWidth - 1, square % RowWidth - 1);
    }
    static constexpr int SquareOfBit(int bit) { return SquareIndex(N, bit % W, bit / W); }
    static constexpr BB One(int bit) { return BB(1) << bit; }

    static constexpr BB MakePlayable()
    {
        BB b = 0;
        for (int row = 0; row < N; ++row)
            for (int col = 0; col < N; ++col)
                b |= One(BitOf(col, row));
        return b;
    }
    static constexpr BB Playable = MakePlayable();

    template <int S> static constexpr BB Shift(BB b)
    {
        if constexpr (S > 0)
            return b << S;
        else
            return b >> -S;
    }

    // Opponent discs that may lie inside a run in the direction (dx, *).
    template <int DX> static constexpr BB Guard(BB opp)
    {
        if constexpr (DX == 0)
            return opp;
        else
            return opp & HorizontalGuard;
    }

    template <int DX, int DY> static BB MovesInDirection(BB own, BB opp)
    {
        // Occluded fill by doubling: after the steps of 1, 2 and 4 the flood reaches up to 7
        // opponent discs from an own disc; runs can be N - 2 long, so 10 x 10 takes one more step.
        constexpr int S = DY * W + DX;
        BB pro = Guard<DX>(opp);
        const BB m = pro;
        BB flood = own;
        flood |= pro & Shift<S>(flood);
        pro &= Shift<S>(pro);
        flood |= pro & Shift<2 * S>(flood);
        pro &= Shift<2 * S>(pro);
        flood |= pro & Shift<4 * S>(flood);
        if constexpr (N > 9)
            flood |= m & Shift<S>(flood);
        return Shift<S>(flood & m);
    }

    // Squares where own may play: empty, and closing at least one run of opp discs.
    static BB Moves(BB own, BB opp)
    {
#if defined(__AVX2__)
        if constexpr (N == 8) {
            // The same fill, four directions a register: each lane shifts by its own count, once
            // towards the higher bits and once towards the lower ones.
            using V = std::uint64_t __attribute__((vector_size(32)));
            const V s1 = { 1, 8, 9, 7 }, s2 = s1 * 2, s4 = s1 * 4;
            const BB g = opp & HorizontalGuard;
            const V m = { g, opp, g, g };
            const V own4 = { own, own, own, own };
            V up = own4, down = own4, proUp = m, proDown = m;
            up |= proUp & (up << s1);
            down |= proDown & (down >> s1);
            proUp &= proUp << s1;
            proDown &= proDown >> s1;
            up |= proUp & (up << s2);
            down |= proDown & (down >> s2);
            proUp &= proUp << s2;
            proDown &= proDown >> s2;
            up |= proUp & (up << s4);
            down |= proDown & (down >> s4);
            const V moves = ((up & m) << s1) | ((down & m) >> s1);
            return (moves[0] | moves[1] | moves[2] | moves[3]) & ~(own | opp);
        }
#endif
        return MovesByDirections(own, opp);
    }

    // The same, one direction after another.
    static BB MovesByDirections(BB own, BB opp)
    {
        const BB moves = MovesInDirection<1, 0>(own, opp) | MovesInDirection<-1, 0>(own, opp)
            | MovesInDirection<0, 1>(own, opp) | MovesInDirection<0, -1>(own, opp)
            | MovesInDirection<1, 1>(own, opp) | MovesInDirection<-1, 1>(own, opp)
            | MovesInDirection<1, -1>(own, opp) | MovesInDirection<-1, -1>(own, opp);
        return moves & Playable & ~(own | opp);
    }

    template <int DX, int DY> static BB FlipsInDirection(BB move, BB own, BB opp)
    {
        constexpr int S = DY * W + DX;
        const BB m = Guard<DX>(opp);
        BB run = 0;
        BB x = Shift<S>(move);
        while (x & m) {
            run |= x;
            x = Shift<S>(x);
        }
        return (x & own) ? run : BB(0);
    }

    // The opp discs a move of own at bit turns over (possibly none).
    static BB Flips(int bit, BB own, BB opp)
    {
        const BB move = One(bit);
        return FlipsInDirection<1, 0>(move, own, opp) | FlipsInDirection<-1, 0>(move, own, opp)
            | FlipsInDirection<0, 1>(move, own, opp) | FlipsInDirection<0, -1>(move, own, opp)
            | FlipsInDirection<1, 1>(move, own, opp) | FlipsInDirection<-1, 1>(move, own, opp)
            | FlipsInDirection<1, -1>(move, own, opp) | FlipsInDirection<-1, -1>(move, own, opp);
    }

    static int Count(BB b)
    {
        if constexpr (N == 8)
            return std::popcount(b);
        else
            return std::popcount(static_cast<std::uint64_t>(b))
                + std::popcount(static_cast<std::uint64_t>(b >> 64));
    }

    static int LowestBit(BB b)
    {
        if constexpr (N == 8) {
            return std::countr_zero(b);
        } else {
            const auto lo = static_cast<std::uint64_t>(b);
            return lo ? std::countr_zero(lo)
                      : 64 + std::countr_zero(static_cast<std::uint64_t>(b >> 64));
        }
    }

    // Calls f(bit) for every set bit, lowest first.
    template <class F> static void ForEachBit(BB b, F f)
    {
        if constexpr (N == 8) {
            for (; b; b &= b - 1)
                f(std::countr_zero(b));
        } else {
            for (auto lo = static_cast<std::uint64_t>(b); lo; lo &= lo - 1)
                f(std::countr_zero(lo));
            for (auto hi = static_cast<std::uint64_t>(b >> 64); hi; hi &= hi - 1)
                f(64 + std::countr_zero(hi));
        }
    }

    // The two sides' discs of a byte board.
    static void FromBoard(const Board& board, int side, int other, BB& sideBits, BB& otherBits)
    {
        sideBits = otherBits = 0;
        for (int row = 0; row < N; ++row) {
            for (int col = 0; col < N; ++col) {
                const Cell c = board[SquareIndex(N, col, row)];
                if (c == side)
                    sideBits |= One(BitOf(col, row));
                else if (c == other)
                    otherBits |= One(BitOf(col, row));
            }
        }
    }
};
