// The rules of play on the bordered byte board: legality, making a move and start positions.
// Templates over the board size; the rest of the program reaches them through the routine table.
#pragma once

#include "Board.h"

template <int N> struct BoardGeometry {
    static constexpr int Size = N;
    static constexpr int RowWidth = N + 2;
    static constexpr int FirstSquare = RowWidth + 1; // 11 or 13
    static constexpr int LastSquare = N * RowWidth + N; // 88 or 130
    static constexpr const std::array<int, 8>& Directions()
    {
        if constexpr (N == 8)
            return Directions8;
        else
            return Directions10;
    }
};

template <int N> bool IsLegalMoveT(const Board& board, int square, int side, int opponent)
{
    if (board[square] != CellEmpty)
        return false;
    for (int d : BoardGeometry<N>::Directions()) {
        int p = square + d;
        if (board[p] != opponent)
            continue;
        do
            p += d;
        while (board[p] == opponent);
        if (board[p] == side)
            return true;
    }
    return false;
}

template <int N> void MakeMoveT(Board& board, int square, int side, int opponent)
{
    if (square == PassMove)
        return;
    for (int d : BoardGeometry<N>::Directions()) {
        int p = square + d;
        if (board[p] != opponent)
            continue;
        do
            p += d;
        while (board[p] == opponent);
        if (board[p] != side)
            continue;
        for (p -= d; p != square; p -= d)
            board[p] = static_cast<Cell>(side);
    }
    board[square] = static_cast<Cell>(side);
}

// The start position of a board of the given size, without touching the shared state.
Board StartBoard(int size);

template <int N> void InitPositionT();
