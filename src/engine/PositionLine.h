// The one-line board format that endgame problems and Othello programs exchange positions in:
// the squares a1, b1, ... h1, a2, ... h8 by their names ("X" Yellow, "O" Green, "-" empty), the
// side to move, then optionally the published best moves with their exact scores:
//     O--OOOOX-OOOOOOXOOXXOOOX... X; A2:+38; C7:+36;
// A 10 × 10 position has 100 squares, a1 ... j10. Row 1 is the bottom row of the board as the
// window shows it, so a published diagram (row 1 at the top) appears upside down: the names, the
// moves and the scores are the same. Also the squares of a GGF board (BO), which are written in
// the same order.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "GamePosition.h"
#include "Result.h"

// A move of a published solution and its exact final disc difference for the side to move.
struct PublishedMove {
    int Square = 0;
    int Score = 0;
};

struct PositionLine {
    GamePosition Position;
    std::vector<PublishedMove> Published; // as written, best first in the usual files
    int LineNumber = 1; // in the text it was read from
};

// The disc a written square holds: Yellow for "X" (or "*", GGF's Black), Green for "O",
// CellEmpty for "-" (or "."), in either case; CellBorder for any other character.
Cell CellOfSquareChar(char c);

// The board of size whose squares, in name order from a1, are the characters of squares (each
// one CellOfSquareChar reads as a disc or an empty square; there must be size × size of them).
Board BoardFromSquares(int size, std::string_view squares);

// The squares of board in name order, "X" Yellow (or the given letters), "O" Green, "-" empty;
// with rowGap a space between the rows.
std::string SquaresOf(
    const Board& board, int size, char yellow = 'X', char green = 'O', bool rowGap = false);

// Reads one position. Refuses (Damaged), saying why: squares that are not 64 or 100 or hold
// other characters, no side to move, a position no game can reach (CheckReachable), and
// published moves that are not "square:score" pairs, not legal moves or not possible scores.
Result<PositionLine> ReadPositionLine(std::string_view line);

// Reads every position of a text, one a line; empty lines and lines beginning with "%" or "#"
// are passed over. A refusal names the line; a text without a position is refused too.
Result<std::vector<PositionLine>> ReadPositionLines(std::string_view text);

// The position as a line (without published moves): "<squares> X" or "<squares> O".
std::string PositionLineOf(const GamePosition& position);
