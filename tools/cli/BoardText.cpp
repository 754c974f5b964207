#include "BoardText.h"

#include <cstdio>

const char* SideName(int side) { return side == SideYellow ? "Yellow" : "Green"; }

void PrintBoard(const Board& board, int size)
{
    std::printf("   ");
    for (int col = 0; col < size; ++col)
        std::printf(" %c", 'A' + col);
    std::printf("\n");
    for (int row = 0; row < size; ++row) {
        std::printf("%3d", size - row);
        for (int col = 0; col < size; ++col) {
            const Cell c = board[SquareIndex(size, col, row)];
            std::printf(" %c", c == CellYellow ? 'Y' : c == CellGreen ? 'G' : '.');
        }
        std::printf("\n");
    }
}
