// A square of the board as one value: its index in the bordered board (what the rules, the
// record and the files use), its column and row on the screen (what the pointer, the keyboard
// and the network use), and its name as the border labels give it ("E6": the column's letter from
// the left, the row's number from the bottom). No move (a pass) is a square value too. Every
// conversion between those forms goes through here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Board.h"

class Square {
public:
    // No move.
    constexpr Square() = default;
    static constexpr Square Pass(int size) { return Square(size, PassMove); }

    // The square of a cell index; Valid() says whether it is one of the board's squares.
    static constexpr Square AtIndex(int size, int index) { return Square(size, index); }
    // The square in screen column col and row row, both from 0 (column 0 at the left, row 0 at the
    // top); Valid() is false outside the board.
    static constexpr Square At(int size, int col, int row)
    {
        return col < 0 || row < 0 || col >= size || row >= size
            ? Square(size, -1)
            : Square(size, SquareIndex(size, col, row));
    }
    // The square a name gives, in either case ("e6", "E6"); nothing for any other text.
    static std::optional<Square> Named(int size, std::string_view name)
    {
        const int index = SquareFromName(size, name);
        if (index < 0)
            return std::nullopt;
        return Square(size, index);
    }

    constexpr int Size() const { return BoardSquares; }
    constexpr int Index() const { return Cell; }
    constexpr bool IsPass() const { return Cell == PassMove; }
    // One of the board's squares (not a pass, not a border cell).
    constexpr bool Valid() const { return IsPlayableSquare(BoardSquares, Cell); }
    // Screen column and row from 0; only for a valid square.
    constexpr int Col() const { return Cell / RowWidthFor(BoardSquares) - 1; }
    constexpr int Row() const { return Cell % RowWidthFor(BoardSquares) - 1; }
    // "E6" (transcripts write it in lower case); "pass" for no move, empty for what is not a
    // square of the board.
    std::string Name() const
    {
        return IsPass() ? std::string("pass") : SquareName(BoardSquares, Cell);
    }

    constexpr bool operator==(const Square&) const = default;

private:
    constexpr Square(int size, int index)
        : BoardSquares(size)
        , Cell(index)
    {
    }
    int BoardSquares = 8;
    int Cell = PassMove;
};
