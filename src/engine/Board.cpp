// The shared board state and the fixed tables of square orders and directions.
#include "Board.h"


Board BoardStack[BoardStackDepth];

int BoardSize = 8;
int SideToMove = SideYellow;
bool GameOver = false;
int ComputerSide = SideGreen;
bool OpponentIsComputer = true;
bool NetworkGame = false;

const std::array<int, 64> MoveOrder8
    = { 11, 18, 81, 88, 13, 31, 16, 61, 38, 83, 68, 86, 14, 41, 15, 51, 48, 84, 58, 85, 33, 36, 63,
          66, 34, 53, 46, 43, 35, 56, 64, 65, 24, 25, 42, 47, 52, 57, 74, 75, 23, 26, 32, 37, 62,
          67, 73, 76, 12, 17, 21, 28, 71, 78, 82, 87, 22, 27, 72, 77, 44, 55, 45, 54 };

const std::array<int, 100> MoveOrder10 = { 13, 22, 121, 130, 15, 20, 123, 128, 46, 106, 37, 97, 16,
    19, 124, 127, 58, 94, 49, 85, 17, 18, 125, 126, 70, 82, 61, 73, 39, 44, 99, 104, 41, 42, 101,
    102, 68, 80, 63, 75, 40, 43, 100, 103, 56, 92, 51, 87, 29, 30, 113, 114, 69, 81, 62, 74, 14, 21,
    122, 129, 34, 118, 25, 109, 28, 31, 112, 115, 57, 93, 50, 86, 27, 32, 111, 116, 45, 105, 38, 98,
    53, 54, 89, 90, 67, 79, 64, 76, 52, 55, 88, 91, 26, 33, 110, 117, 65, 66, 78, 77 };

const std::array<int, 8> Directions8 = { 9, 10, 11, 1, -1, -9, -10, -11 };
const std::array<int, 8> Directions10 = { 11, 12, 13, 1, -1, -11, -12, -13 };

SquareOrder MoveOrderFor(int size)
{
    if (size == 10)
        return { MoveOrder10.data(), static_cast<int>(MoveOrder10.size()) };
    return { MoveOrder8.data(), static_cast<int>(MoveOrder8.size()) };
}

std::string SquareName(int size, int square)
{
    if (!IsPlayableSquare(size, square))
        return {};
    const int rw = RowWidthFor(size);
    const int col = square / rw - 1, row = square % rw - 1;
    std::string name(1, char('A' + col));
    name += std::to_string(size - row);
    return name;
}

int SquareFromName(int size, std::string_view name)
{
    if (name.size() < 2 || name.size() > 3)
        return -1;
    const char letter = char(name[0] | 0x20); // lower case for letters
    const int col = letter - 'a';
    int number = 0;
    for (const char c : name.substr(1)) {
        if (c < '0' || c > '9')
            return -1;
        number = number * 10 + (c - '0');
    }
    if (col < 0 || col >= size || number < 1 || number > size || name[1] == '0')
        return -1;
    return SquareIndex(size, col, size - number);
}

int Opponent() { return SideToMove == SideGreen ? SideYellow : SideGreen; }

bool IsComputerTurn() { return SideToMove == ComputerSide; }

std::string BoardToText()
{
    const Board& b = BoardStack[0];
    const int rw = RowWidth();
    std::string text;
    text.reserve(BoardSize * BoardSize);
    for (int col = 1; col <= BoardSize; ++col) {
        for (int row = 1; row <= BoardSize; ++row) {
            const Cell c = b[col * rw + row];
            text += c == CellYellow ? 'w' : c == CellGreen ? 'b' : '+';
        }
    }
    return text;
}
