// The one-line board format: reading with every refusal explained, and writing.
#include "PositionLine.h"

#include <cctype>

#include "RoutineTable.h"

namespace {

Error Refuse(Reason why) { return { ErrorKind::Damaged, std::move(why) }; }

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// A character as it may be quoted in a message: printable ASCII, or its code.
Reason Shown(char c)
{
    const auto u = static_cast<unsigned char>(c);
    if (u >= 0x20 && u < 0x7F)
        return Plain(std::string("\"") + c + "\"");
    return Say(QT_TRANSLATE_NOOP("Reasons", "code %1"), { Number(u) });
}

int SideOfChar(char c)
{
    switch (c) {
    case 'X':
    case 'x':
    case '*':
        return SideYellow;
    case 'O':
    case 'o':
        return SideGreen;
    default:
        return 0;
    }
}

// "A2:+38" with the position it belongs to.
Result<PublishedMove> ReadPublished(std::string_view item, const GamePosition& p)
{
    const Reason quoted = Plain(std::string(item.substr(0, 24)));
    const std::size_t colon = item.find(':');
    if (colon == std::string_view::npos)
        return Refuse(
            Say(QT_TRANSLATE_NOOP("Reasons", "\"%1\" is not a move and its score (such as A2:+38)"),
                { quoted }));
    const std::string_view name = Trimmed(item.substr(0, colon));
    std::string_view score = Trimmed(item.substr(colon + 1));
    const int square = SquareFromName(p.Size, name);
    if (square < 0)
        return Refuse(
            Say(QT_TRANSLATE_NOOP("Reasons", "\"%1\" names no square of the board"), { quoted }));
    int sign = 1;
    if (!score.empty() && (score.front() == '+' || score.front() == '-')) {
        sign = score.front() == '-' ? -1 : 1;
        score.remove_prefix(1);
    }
    int value = 0;
    for (const char c : score) {
        if (!std::isdigit(static_cast<unsigned char>(c)) || value > p.Size * p.Size)
            return Refuse(
                Say(QT_TRANSLATE_NOOP("Reasons", "\"%1\" has no score a game can end with"),
                    { quoted }));
        value = value * 10 + (c - '0');
    }
    if (score.empty() || value > p.Size * p.Size)
        return Refuse(Say(
            QT_TRANSLATE_NOOP("Reasons", "\"%1\" has no score a game can end with"), { quoted }));
    const int other = p.SideToMove == SideYellow ? SideGreen : SideYellow;
    if (!RoutinesFor(p.Size).IsLegalMove(p.Cells, square, p.SideToMove, other))
        return Refuse(Say(QT_TRANSLATE_NOOP("Reasons", "\"%1\": %2 is not a legal move for %3"),
            { quoted, Plain(SquareName(p.Size, square)), SideReason(p.SideToMove) }));
    return PublishedMove { square, sign * value };
}

} // namespace

Cell CellOfSquareChar(char c)
{
    if (c == '-' || c == '.')
        return CellEmpty;
    const int side = SideOfChar(c);
    return side ? Cell(side) : CellBorder;
}

Board BoardFromSquares(int size, std::string_view squares)
{
    Board board;
    board.fill(CellBorder);
    for (int i = 0; i < size * size; ++i)
        board[SquareIndex(size, i % size, size - 1 - i / size)] = CellOfSquareChar(squares[i]);
    return board;
}

std::string SquaresOf(const Board& board, int size, char yellow, char green, bool rowGap)
{
    std::string text;
    for (int i = 0; i < size * size; ++i) {
        if (rowGap && i > 0 && i % size == 0)
            text += ' ';
        const Cell c = board[SquareIndex(size, i % size, size - 1 - i / size)];
        text += c == CellYellow ? yellow : c == CellGreen ? green : '-';
    }
    return text;
}

Result<PositionLine> ReadPositionLine(std::string_view line)
{
    line = Trimmed(line);
    std::size_t at = 0;
    while (at < line.size() && !IsSpace(line[at]) && line[at] != ';') {
        if (CellOfSquareChar(line[at]) == CellBorder)
            return Refuse(Say(QT_TRANSLATE_NOOP("Reasons",
                                  "character %1 (%2) is no square: a square is X, O or -"),
                { Number(long(at) + 1), Shown(line[at]) }));
        ++at;
    }
    std::size_t squares = at;
    int side = 0;
    // The side may follow the squares without a space.
    if ((squares == 65 || squares == 101) && SideOfChar(line[squares - 1])) {
        --squares;
        side = SideOfChar(line[squares]);
    }
    if (squares != 64 && squares != 100)
        return Refuse(Say(QT_TRANSLATE_NOOP("Reasons",
                              "it has %1 squares, where a board has 64 (8 × 8) or 100 (10 × 10)"),
            { Number(long(squares)) }));
    const int size = squares == 64 ? 8 : 10;
    while (at < line.size() && IsSpace(line[at]))
        ++at;
    if (!side) {
        if (at >= line.size() || line[at] == ';')
            return Refuse(Say(QT_TRANSLATE_NOOP(
                "Reasons", "it names no side to move (X or O after the squares)")));
        side = SideOfChar(line[at]);
        if (!side)
            return Refuse(Say(
                QT_TRANSLATE_NOOP("Reasons", "%1 after the squares is no side to move (X or O)"),
                { Shown(line[at]) }));
        ++at;
    }
    PositionLine out;
    out.Position = PositionToMove(size, BoardFromSquares(size, line.substr(0, squares)), side);
    if (const Status reachable = CheckReachable(out.Position); !reachable)
        return reachable.Failure();

    std::string_view rest = Trimmed(line.substr(at));
    if (rest.empty())
        return out;
    if (rest.front() != ';')
        return Refuse(Say(
            QT_TRANSLATE_NOOP("Reasons", "%1 follows the side to move, where \";\" or nothing may"),
            { Shown(rest.front()) }));
    rest.remove_prefix(1);
    while (!rest.empty()) {
        const std::size_t end = rest.find(';');
        const std::string_view item = Trimmed(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (item.empty())
            continue;
        const Result<PublishedMove> move = ReadPublished(item, out.Position);
        if (!move)
            return move.Failure();
        out.Published.push_back(move.Value());
        if (out.Published.size() > std::size_t(size * size))
            return Refuse(
                Say(QT_TRANSLATE_NOOP("Reasons", "it publishes more moves than a position has")));
    }
    return out;
}

Result<std::vector<PositionLine>> ReadPositionLines(std::string_view text)
{
    std::vector<PositionLine> lines;
    int number = 0;
    while (!text.empty()) {
        ++number;
        const std::size_t end = text.find('\n');
        const std::string_view line = Trimmed(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty() || line.front() == '%' || line.front() == '#')
            continue;
        Result<PositionLine> read = ReadPositionLine(line);
        if (!read)
            return Error { read.Failure().Kind,
                Say(QT_TRANSLATE_NOOP("Reasons", "line %1: %2"),
                    { Number(number), read.Failure().Said() }) };
        read.Value().LineNumber = number;
        lines.push_back(std::move(read).Value());
    }
    if (lines.empty())
        return Refuse(Say(QT_TRANSLATE_NOOP("Reasons", "it holds no position")));
    return lines;
}

std::string PositionLineOf(const GamePosition& position)
{
    return SquaresOf(position.Cells, position.Size) + ' '
        + (position.SideToMove == SideYellow ? 'X' : 'O');
}
