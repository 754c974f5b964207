// Written squares and transcripts: parsing, and replaying them with the byte-board rules.
#include "master/Notation.h"

#include <cctype>

#include "BoardTracker.h"
#include "RoutineTable.h"

namespace master {

namespace {

    int OtherSide(int side) { return side == SideYellow ? SideGreen : SideYellow; }

    bool HasMove(const RoutineTable& r, int size, const Board& b, int side)
    {
        for (int col = 0; col < size; ++col)
            for (int row = 0; row < size; ++row)
                if (r.IsLegalMove(b, SquareIndex(size, col, row), side, OtherSide(side)))
                    return true;
        return false;
    }

    int CountEmpty(int size, const Board& b)
    {
        int n = 0;
        for (int col = 0; col < size; ++col)
            for (int row = 0; row < size; ++row)
                n += b[SquareIndex(size, col, row)] == CellEmpty;
        return n;
    }

} // namespace

std::string SquareName(int size, int square)
{
    if (square == PassMove || !IsPlayableSquare(size, square))
        return "pass";
    const int rw = RowWidthFor(size);
    const int col = square / rw - 1, row = square % rw - 1; // row 0 at the top
    std::string name(1, char('a' + col));
    name += std::to_string(size - row);
    return name;
}

std::optional<int> SquareFromName(int size, std::string_view name)
{
    if (name.size() < 2 || name.size() > 3)
        return std::nullopt;
    const int col = std::tolower(static_cast<unsigned char>(name[0])) - 'a';
    int number = 0;
    for (std::size_t i = 1; i < name.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i])))
            return std::nullopt;
        number = number * 10 + (name[i] - '0');
    }
    if (col < 0 || col >= size || number < 1 || number > size || name[1] == '0')
        return std::nullopt;
    return SquareIndex(size, col, size - number);
}

Board StartBoard(int size)
{
    Board b;
    b.fill(CellBorder);
    for (int col = 0; col < size; ++col)
        for (int row = 0; row < size; ++row)
            b[SquareIndex(size, col, row)] = CellEmpty;
    const int lo = size / 2 - 1;
    b[SquareIndex(size, lo, lo)] = CellYellow;
    b[SquareIndex(size, lo + 1, lo + 1)] = CellYellow;
    b[SquareIndex(size, lo, lo + 1)] = CellGreen;
    b[SquareIndex(size, lo + 1, lo)] = CellGreen;
    return b;
}

GamePosition PositionWithTurn(int size, const Board& cells, int mover)
{
    const RoutineTable& r = RoutinesFor(size);
    GamePosition p;
    p.Size = size;
    p.Cells = cells;
    p.Empties = CountEmpty(size, cells);
    const int next = OtherSide(mover);
    if (HasMove(r, size, cells, next))
        p.SideToMove = next;
    else if (HasMove(r, size, cells, mover))
        p.SideToMove = mover;
    else {
        p.SideToMove = next;
        p.GameOver = true;
    }
    return p;
}

PositionResult ReadTranscript(int size, std::string_view text)
{
    PositionResult out;
    if (size != 8 && size != 10) {
        out.Message = "the board size must be 8 or 10";
        return out;
    }
    const RoutineTable& r = RoutinesFor(size);
    Board b = StartBoard(size);
    int side = SideYellow;
    std::size_t i = 0;
    int moveNumber = 0;
    auto fail = [&](const std::string& why) {
        out.Message = "move ";
        out.Message.append(std::to_string(moveNumber)).append(": ").append(why);
        return out;
    };
    while (i < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (std::isspace(c) || c == ',' || c == ';' || c == '.') {
            ++i;
            continue;
        }
        ++moveNumber;
        const bool sideCanMove = HasMove(r, size, b, side);
        if (text.substr(i, 4) == "pass" || text.substr(i, 4) == "PASS") {
            if (sideCanMove)
                return fail(std::string(side == SideYellow ? "Yellow" : "Green")
                    + " cannot pass with a legal move to play");
            side = OtherSide(side);
            i += 4;
            continue;
        }
        std::size_t j = i + 1;
        while (j < text.size() && j < i + 3 && std::isdigit(static_cast<unsigned char>(text[j])))
            ++j;
        const std::string_view token = text.substr(i, j - i);
        // "a10" on 10 x 10, but "a1" followed by something else on 8 x 8.
        std::optional<int> square = SquareFromName(size, token);
        if (!square && token.size() == 3) {
            square = SquareFromName(size, token.substr(0, 2));
            j = i + 2;
        }
        if (!square) {
            std::string why = "\"";
            why.append(token).append("\" is not a square of the ");
            why.append(std::to_string(size)).append(" x ").append(std::to_string(size));
            return fail(why.append(" board"));
        }
        if (!sideCanMove)
            side = OtherSide(side); // a pass the transcript leaves out
        if (!r.IsLegalMove(b, *square, side, OtherSide(side))) {
            std::string why(token);
            why.append(" is not a legal move for ").append(side == SideYellow ? "Yellow" : "Green");
            return fail(why);
        }
        r.MakeMove(b, *square, side, OtherSide(side));
        out.Moves.push_back(*square);
        side = OtherSide(side);
        i = j;
    }
    out.Position = PositionWithTurn(size, b, OtherSide(side));
    out.Ok = true;
    return out;
}

PositionResult PositionOfRecord(const OBoardTracker& record)
{
    PositionResult out;
    const int size = record.Size;
    if (size != 8 && size != 10) {
        out.Message = "the record is not of an 8 x 8 or 10 x 10 game";
        return out;
    }
    if (record.Count == 0) {
        out.Position = PositionWithTurn(size, StartBoard(size), SideGreen);
        out.Ok = true;
        return out;
    }
    const TTrackerEntry& last = record.Entries[std::size_t(record.Count - 1)];
    Board b = last.Before;
    RoutinesFor(size).MakeMove(b, last.Move, last.MoverSide, last.OtherSide);
    for (const TTrackerEntry& e : record.Entries)
        out.Moves.push_back(e.Move);
    out.Position = PositionWithTurn(size, b, last.MoverSide);
    out.Ok = true;
    return out;
}

} // namespace master
