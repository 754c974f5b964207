// GGF: writing one game, and reading the first game of a text.
#include "GgfGame.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <optional>
#include <vector>

#include "MoveRules.h"
#include "Notation.h"
#include "PositionLine.h"

namespace {

Error Refuse(Reason why) { return { ErrorKind::Damaged, std::move(why) }; }

// A value as GGF writes it: "]" and "\" escaped by a backslash.
std::string Escaped(const std::string& value)
{
    std::string out;
    for (const char c : value) {
        if (c == ']' || c == '\\')
            out += '\\';
        out += c;
    }
    return out;
}

std::string Lower(std::string_view text)
{
    std::string out(text);
    std::transform(
        out.begin(), out.end(), out.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return out;
}

std::string Trimmed(std::string_view text)
{
    const auto space = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && space(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

// The board as BO writes it: the size, rows from row 1 up, each from column a, "*" Black, "O"
// White, then the side to move.
std::string BoardText(const GamePosition& start)
{
    return std::to_string(start.Size) + ' ' + SquaresOf(start.Cells, start.Size, '*', 'O', true)
        + ' ' + (start.SideToMove == SideYellow ? '*' : 'O');
}

struct Property {
    std::string Name;
    std::string Value;
};

// The properties of the first game, in order.
Result<std::vector<Property>> Properties(std::string_view text)
{
    const std::size_t begin = text.find("(;");
    if (begin == std::string_view::npos)
        return Refuse(Say(
            QT_TRANSLATE_NOOP("Reasons", "it holds no GGF game (no \"(;\" where a game begins)")));
    std::vector<Property> found;
    std::size_t at = begin + 2;
    const auto where = [&] {
        return Say(QT_TRANSLATE_NOOP("Reasons", "character %1"), { Number(long(at) + 1) });
    };
    for (;;) {
        while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])))
            ++at;
        if (at >= text.size())
            return Refuse(Say(QT_TRANSLATE_NOOP("Reasons", "the game is not closed by \";)\"")));
        if (text.compare(at, 2, ";)") == 0)
            return found;
        std::size_t end = at;
        while (end < text.size() && std::isalpha(static_cast<unsigned char>(text[end])))
            ++end;
        if (end == at || end - at > 16 || end >= text.size() || text[end] != '[')
            return Refuse(Say(
                QT_TRANSLATE_NOOP("Reasons", "the game has something else than a property at %1"),
                { where() }));
        Property p { std::string(text.substr(at, end - at)), {} };
        at = end + 1;
        for (;;) {
            if (at >= text.size())
                return Refuse(
                    Say(QT_TRANSLATE_NOOP("Reasons", "the value of %1 is not closed by \"]\""),
                        { Plain(p.Name) }));
            const char c = text[at++];
            if (c == ']')
                break;
            if (c == '\\' && at < text.size())
                p.Value += text[at++];
            else
                p.Value += c;
        }
        found.push_back(std::move(p));
        if (found.size() > 4096)
            return Refuse(Say(
                QT_TRANSLATE_NOOP("Reasons", "the game has more properties than any game needs")));
    }
}

// The position BO gives: its size, the squares and the side to move.
Result<GamePosition> StartOf(const std::string& value)
{
    std::size_t at = 0;
    int size = 0;
    while (at < value.size() && std::isspace(static_cast<unsigned char>(value[at])))
        ++at;
    while (at < value.size() && std::isdigit(static_cast<unsigned char>(value[at])) && size < 100)
        size = size * 10 + (value[at++] - '0');
    if (size != 8 && size != 10)
        return Refuse(
            Say(QT_TRANSLATE_NOOP("Reasons", "its board (BO) is neither 8 × 8 nor 10 × 10")));
    std::string cells;
    for (; at < value.size(); ++at)
        if (!std::isspace(static_cast<unsigned char>(value[at])))
            cells += value[at];
    if (cells.size() != std::size_t(size * size + 1))
        return Refuse(Say(QT_TRANSLATE_NOOP("Reasons",
                              "its board (BO) does not have %1 squares and the side to move"),
            { Number(size * size) }));
    for (std::size_t i = 0; i + 1 < cells.size(); ++i)
        if (CellOfSquareChar(cells[i]) == CellBorder)
            return Refuse(Say(QT_TRANSLATE_NOOP("Reasons",
                                  "its board (BO) has \"%1\" where a square is *, O or -"),
                { Plain(cells.substr(i, 1)) }));
    const Cell side = CellOfSquareChar(cells.back());
    if (side != CellYellow && side != CellGreen)
        return Refuse(Say(QT_TRANSLATE_NOOP(
            "Reasons", "its board (BO) names no side to move (* or O after the squares)")));
    GamePosition start = PositionToMove(size, BoardFromSquares(size, cells), side);
    if (const Status reachable = CheckReachable(start); !reachable)
        return Error { reachable.Failure().Kind,
            Say(QT_TRANSLATE_NOOP("Reasons", "its board (BO) cannot arise in a game: %1"),
                { reachable.Failure().Said() }) };
    return start;
}

} // namespace

std::string GgfOf(const OBoardTracker& record, const GgfDetails& details)
{
    const int size = record.Size;
    return GgfOf(WrittenGame { UsualStart(size), record }, details);
}

std::string GgfOf(const WrittenGame& game, const GgfDetails& details)
{
    const OBoardTracker& record = game.Record;
    std::string text = "(;GM[Othello]PC[" + Escaped(details.Place) + "]";
    if (!details.Date.empty())
        text += "DT[" + Escaped(details.Date) + "]";
    text += "PB[" + Escaped(details.BlackName) + "]PW[" + Escaped(details.WhiteName) + "]";
    const FinalScore score = FinalScoreOf(game);
    if (score.Finished) {
        const int margin = score.Yellow - score.Green;
        text += "RE[" + std::string(margin > 0 ? "+" : "") + std::to_string(margin) + ".000]";
    }
    text += "TY[" + std::to_string(record.Size) + "]\n";
    text += "BO[" + BoardText(game.Start) + "]\n";
    int due = game.Start.SideToMove;
    int written = 0;
    const auto put = [&](int side, const std::string& move, const std::string& comment) {
        text += (side == SideYellow ? "B[" : "W[") + move + "]";
        if (!comment.empty())
            text += "C[" + Escaped(comment) + "]";
        if (++written % 10 == 0)
            text += '\n';
    };
    for (std::size_t i = 0; i < record.Entries.size(); ++i) {
        const TTrackerEntry& e = record.Entries[i];
        if (e.MoverSide != due)
            put(due, "PA", {});
        put(e.MoverSide, Lower(SquareName(record.Size, e.Move)),
            i < details.MoveComments.size() ? details.MoveComments[i] : std::string());
        due = e.OtherSide;
    }
    return text + ";)\n";
}

Result<WrittenGame> ReadGgf(std::string_view text)
{
    Result<std::vector<Property>> properties = Properties(text);
    if (!properties)
        return properties.Failure();
    std::optional<GamePosition> start;
    std::vector<int> moves, movers;
    std::vector<std::string> written;
    for (const Property& p : properties.Value()) {
        if (p.Name == "GM" && Lower(Trimmed(p.Value)) != "othello")
            return Refuse(Say(QT_TRANSLATE_NOOP("Reasons", "it is a game of %1, not of Othello"),
                { Plain(Trimmed(p.Value)) }));
        if (p.Name == "BO") {
            Result<GamePosition> board = StartOf(p.Value);
            if (!board)
                return board.Failure();
            start = board.Value();
        }
        if (p.Name == "B" || p.Name == "W") {
            // A move may carry its evaluation and time after a slash: "f5/1.25/3.1".
            const std::string value
                = Trimmed(std::string_view(p.Value).substr(0, p.Value.find('/')));
            movers.push_back(p.Name == "B" ? SideYellow : SideGreen);
            written.push_back(value);
        }
    }
    if (!start)
        return Refuse(Say(QT_TRANSLATE_NOOP("Reasons", "it has no board (BO)")));
    const int size = start->Size;
    for (std::size_t i = 0; i < written.size(); ++i) {
        const std::string name = Lower(written[i]);
        if (name == "pa" || name == "pass") {
            moves.push_back(PassMove);
            continue;
        }
        const int square = SquareFromName(size, name);
        if (square < 0)
            return Refuse(
                Say(QT_TRANSLATE_NOOP("Reasons", "move %1 (%2) is not a square of the board"),
                    { Number(long(i) + 1), Plain(written[i].substr(0, 12)) }));
        moves.push_back(square);
    }
    return ReplayMoves(*start, moves, movers);
}
