// The board as the whole program stores it: a bordered byte array, the cell and side codes, the
// board stack shared with the search, the fixed square orders and the shared game state.
// Used by every layer that looks at a position: rules, search, record, window, network.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

using Cell = std::uint8_t;

// Cell codes; a side is named by the code of its discs.
constexpr Cell CellBorder = 0;
constexpr Cell CellEmpty = 1;
constexpr Cell CellYellow = 2;
constexpr Cell CellGreen = 3;

constexpr int SideYellow = 2;
constexpr int SideGreen = 3;

// The square value that means "no move": a pass in the search, nothing to play for MakeMove.
constexpr int PassMove = 1000;

constexpr int BoardCells = 144;
using Board = std::array<Cell, BoardCells>;

// Board 0 is the game position; boards 1..10 belong to the search.
constexpr int BoardStackDepth = 11;
extern Board BoardStack[BoardStackDepth];

// Shared game state, read and written on the main thread only (the search reads board 0 once).
extern int BoardSize; // 8 or 10
extern int SideToMove; // 2 or 3
extern bool GameOver;
extern int ComputerSide; // the computer's side; the local player's side in a network game
extern bool OpponentIsComputer;
extern bool NetworkGame;

// Fixed move orders: corners and edges first, the four centre squares last.
extern const std::array<int, 64> MoveOrder8;
extern const std::array<int, 100> MoveOrder10;
extern const std::array<int, 8> Directions8;
extern const std::array<int, 8> Directions10;

constexpr int RowWidthFor(int size) { return size + 2; }
inline int RowWidth() { return RowWidthFor(BoardSize); }

// Square index of a 0-based screen column and row on a board of the given size.
constexpr int SquareIndex(int size, int col, int row)
{
    return (col + 1) * RowWidthFor(size) + row + 1;
}
inline int SquareIndex(int col, int row) { return SquareIndex(BoardSize, col, row); }

// True when square is one of the size × size playable cells.
constexpr bool IsPlayableSquare(int size, int square)
{
    const int rw = RowWidthFor(size);
    if (square < rw || square >= (size + 1) * rw)
        return false;
    const int row = square % rw;
    return row >= 1 && row <= size;
}

// The square's name as the board's border labels give it: the column's letter counted from the
// left, the row's number counted from the bottom ("E6" is square 53 on 8 × 8). Empty for a cell
// that is not a square of the board.
std::string SquareName(int size, int square);
// The square a name gives (either case, "e6" or "E6"), or -1 when it names none of the board.
int SquareFromName(int size, std::string_view name);

// The square order of the given size, as a pointer and a length (all squares).
struct SquareOrder {
    const int* Squares;
    int Length;
};
SquareOrder MoveOrderFor(int size);

int Opponent(); // the side that is not SideToMove
bool IsComputerTurn();
std::string BoardToText(); // board 0, one letter per square, board-array order
