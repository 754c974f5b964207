// Transcripts, and the replay that turns written moves into a checked game record.
#include "Notation.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "GameFlow.h"
#include "GamePosition.h"
#include "MoveRules.h"
#include "RoutineTable.h"

namespace {

Error Refuse(Reason why) { return { ErrorKind::Damaged, std::move(why) }; }

Reason BadSize(int size)
{
    return Say(
        QT_TRANSLATE_NOOP("Reasons", "the board size %1 is neither 8 nor 10"), { Number(size) });
}

// The replay, telling the caller how many moves were accepted before a refusal. movers, when
// given, names the side that made each move, to be checked against the side due.
Result<WrittenGame> Replay(const GamePosition& start, const std::vector<int>& moves,
    const std::vector<int>* movers, std::size_t& accepted)
{
    accepted = 0;
    const int size = start.Size;
    if (size != 8 && size != 10)
        return Refuse(BadSize(size));
    const RoutineTable& rules = RoutinesFor(size);
    OBoardTracker record;
    record.Size = size;
    Board board = start.Cells;
    int side = start.SideToMove, other = side == SideYellow ? SideGreen : SideYellow;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const int move = moves[i];
        const Reason number = Say(QT_TRANSLATE_NOOP("Reasons", "move %1"), { Number(long(i) + 1) });
        if (move != PassMove && !IsPlayableSquare(size, move))
            return Refuse(
                Say(QT_TRANSLATE_NOOP("Reasons", "%1 is not a square of the board"), { number }));
        const Reason where = move == PassMove
            ? number
            : Say(QT_TRANSLATE_NOOP("Reasons", "move %1 (%2)"),
                { Number(long(i) + 1), Plain(SquareName(size, move)) });
        const int mover = movers ? (*movers)[i] : 0;
        if (const int due = SideDue(size, board, side); due != side) {
            if (due == 0)
                return Refuse(Say(
                    QT_TRANSLATE_NOOP("Reasons", "%1 comes after the end of the game"), { where }));
            if (move == PassMove && movers && mover != side)
                return Refuse(Say(
                    QT_TRANSLATE_NOOP("Reasons", "%1 is a pass for %2, but %3 is the one to pass"),
                    { where, SideReason(mover), SideReason(side) }));
            std::swap(side, other); // the side due passes, written or not
            if (move == PassMove) {
                ++accepted;
                continue;
            }
        } else if (move == PassMove) {
            return Refuse(Say(QT_TRANSLATE_NOOP("Reasons", "%1 is a pass, but %2 can play"),
                { where, SideReason(side) }));
        }
        if (movers && mover != side)
            return Refuse(Say(QT_TRANSLATE_NOOP("Reasons", "%1 is %2's, but %3 is to move"),
                { where, SideReason(mover), SideReason(side) }));
        if (!rules.IsLegalMove(board, move, side, other))
            return Refuse(Say(QT_TRANSLATE_NOOP("Reasons", "%1 is not a legal move for %2"),
                { where, SideReason(side) }));
        record.Entries.push_back(TTrackerEntry { move, side, other, board });
        rules.MakeMove(board, move, side, other);
        std::swap(side, other);
        ++accepted;
    }
    record.Count = std::int32_t(record.Entries.size());
    record.Current = record.Count;
    return WrittenGame { start, std::move(record) };
}

Result<OBoardTracker> RecordOf(Result<WrittenGame> game)
{
    if (!game)
        return game.Failure();
    return std::move(game).Value().Record;
}

// One written move: a square by its column and its row counted from the bottom (both from 1),
// or a pass; Column 0 marks the pass.
struct WrittenMove {
    int Column = 0;
    int Row = 0;
    std::string Text; // as written, for messages
};

std::optional<int> SquareOn(int size, const WrittenMove& m)
{
    if (m.Column == 0)
        return PassMove;
    if (m.Column > size || m.Row < 1 || m.Row > size)
        return std::nullopt;
    return SquareIndex(size, m.Column - 1, size - m.Row);
}

Result<std::vector<WrittenMove>> Tokens(std::string_view text)
{
    std::vector<WrittenMove> moves;
    std::size_t at = 0;
    while (at < text.size()) {
        const unsigned char c = static_cast<unsigned char>(text[at]);
        if (std::isspace(c) || c == ',') {
            ++at;
            continue;
        }
        const std::size_t start = at;
        if (c >= 0x80)
            return Refuse(
                Say(QT_TRANSLATE_NOOP("Reasons", "character %1 is neither a square nor a pass"),
                    { Number(long(start) + 1) }));
        std::size_t letters = at;
        while (letters < text.size() && std::isalpha(static_cast<unsigned char>(text[letters])))
            ++letters;
        std::size_t digits = letters;
        while (digits < text.size() && digits - letters < 4
            && std::isdigit(static_cast<unsigned char>(text[digits])))
            ++digits;
        std::string word(text.substr(start, (letters - start == 1 ? digits : letters) - start));
        std::string lower = word;
        for (char& ch : lower)
            ch = char(std::tolower(static_cast<unsigned char>(ch)));
        const Reason character
            = Say(QT_TRANSLATE_NOOP("Reasons", "character %1"), { Number(long(start) + 1) });
        if (lower == "pass" || lower == "pa") {
            moves.push_back({ 0, 0, word });
            at = letters;
            continue;
        }
        if (letters - start != 1 || digits == letters) {
            if (word.empty())
                word = std::string(1, char(c));
            return Refuse(
                Say(QT_TRANSLATE_NOOP("Reasons", "\"%1\" at %2 is neither a square nor a pass"),
                    { Plain(word), character }));
        }
        if (lower[0] > 'j' || word[1] == '0' || digits - letters > 2)
            return Refuse(Say(QT_TRANSLATE_NOOP("Reasons", "\"%1\" at %2 is not a square"),
                { Plain(word), character }));
        moves.push_back({ lower[0] - 'a' + 1, std::stoi(word.substr(1)), word });
        at = digits;
        if (moves.size() > BoardCells) // no use reading on: no game is this long
            return Refuse(
                Say(QT_TRANSLATE_NOOP("Reasons", "it holds more moves than any game has")));
    }
    return moves;
}

} // namespace

WrittenGame GameOfRecord(OBoardTracker record)
{
    const int size = record.Size;
    return WrittenGame { UsualStart(size), std::move(record) };
}

WrittenGame GameFromPosition(const GamePosition& start)
{
    WrittenGame game { start, {} };
    game.Record.Size = start.Size;
    return game;
}

Result<WrittenGame> ReplayMoves(const GamePosition& start, const std::vector<int>& moves)
{
    std::size_t accepted = 0;
    return Replay(start, moves, nullptr, accepted);
}

Result<WrittenGame> ReplayMoves(
    const GamePosition& start, const std::vector<int>& moves, const std::vector<int>& movers)
{
    if (movers.size() != moves.size())
        return Refuse(
            Say(QT_TRANSLATE_NOOP("Reasons", "the moves and their sides do not pair up")));
    std::size_t accepted = 0;
    return Replay(start, moves, &movers, accepted);
}

Result<OBoardTracker> ReplayMoves(int size, const std::vector<int>& moves)
{
    if (size != 8 && size != 10)
        return Refuse(BadSize(size));
    return RecordOf(ReplayMoves(UsualStart(size), moves));
}

Result<OBoardTracker> ReplayMoves(
    int size, const std::vector<int>& moves, const std::vector<int>& movers)
{
    if (size != 8 && size != 10)
        return Refuse(BadSize(size));
    return RecordOf(ReplayMoves(UsualStart(size), moves, movers));
}

namespace {

std::vector<int> MovesFrom(const OBoardTracker& record, int firstDue)
{
    std::vector<int> moves;
    int due = firstDue;
    for (const TTrackerEntry& e : record.Entries) {
        if (e.MoverSide != due)
            moves.push_back(PassMove);
        moves.push_back(e.Move);
        due = e.OtherSide;
    }
    return moves;
}

} // namespace

std::vector<int> MovesWithPasses(const OBoardTracker& record)
{
    return MovesFrom(record, SideYellow);
}

std::vector<int> MovesWithPasses(const WrittenGame& game)
{
    return MovesFrom(game.Record, game.Start.SideToMove);
}

std::string MoveText(int size, int move)
{
    if (move == PassMove)
        return "pass";
    std::string text = SquareName(size, move);
    std::transform(text.begin(), text.end(), text.begin(),
        [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

std::string TranscriptOf(const OBoardTracker& record)
{
    std::string text;
    for (const TTrackerEntry& e : record.Entries)
        text += MoveText(record.Size, e.Move);
    return text;
}

Result<OBoardTracker> ReadTranscript(std::string_view text)
{
    Result<std::vector<WrittenMove>> written = Tokens(text);
    if (!written)
        return written.Failure();

    // Each size is tried; a square beyond the board ends its reading there. The reading that
    // gets further is the one whose reason is given.
    std::optional<Error> best;
    std::size_t bestAccepted = 0;
    for (const int size : { 8, 10 }) {
        std::vector<int> moves;
        std::optional<Error> outside;
        for (const WrittenMove& m : written.Value()) {
            const std::optional<int> square = SquareOn(size, m);
            if (!square) {
                outside = Refuse(Say(QT_TRANSLATE_NOOP("Reasons",
                                         "move %1 (%2) is not a square of the %3 × %3 board"),
                    { Number(long(moves.size()) + 1), Plain(m.Text), Number(size) }));
                break;
            }
            moves.push_back(*square);
        }
        std::size_t accepted = 0;
        Result<WrittenGame> game = Replay(UsualStart(size), moves, nullptr, accepted);
        if (game && !outside)
            return std::move(game).Value().Record;
        if (!best || accepted > bestAccepted) {
            best = game ? *outside : game.Failure();
            bestAccepted = accepted;
        }
    }
    return *best;
}

namespace {

Board FinalBoard(const Board& start, const OBoardTracker& record)
{
    if (record.Entries.empty())
        return start;
    const TTrackerEntry& last = record.Entries.back();
    Board board = last.Before;
    RoutinesFor(record.Size).MakeMove(board, last.Move, last.MoverSide, last.OtherSide);
    return board;
}

FinalScore ScoreOf(int size, const Board& board)
{
    const PositionScan scan = ScanPosition(size, board);
    return { scan.Yellow, scan.Green, scan.BothStuck() };
}

} // namespace

Board FinalBoardOf(const WrittenGame& game) { return FinalBoard(game.Start.Cells, game.Record); }

Board FinalBoardOf(const OBoardTracker& record)
{
    return FinalBoard(StartBoard(record.Size), record);
}

FinalScore FinalScoreOf(const WrittenGame& game)
{
    return ScoreOf(game.Record.Size, FinalBoardOf(game));
}

FinalScore FinalScoreOf(const OBoardTracker& record)
{
    return ScoreOf(record.Size, FinalBoardOf(record));
}

GamePosition EndOf(const WrittenGame& game)
{
    const OBoardTracker& record = game.Record;
    if (record.Entries.empty())
        return game.Start;
    return PositionWithTurn(record.Size, FinalBoardOf(game), record.Entries.back().MoverSide);
}

Result<WrittenGame> ReadTranscriptFrom(const GamePosition& start, std::string_view text)
{
    Result<std::vector<WrittenMove>> written = Tokens(text);
    if (!written)
        return written.Failure();
    std::vector<int> moves;
    for (const WrittenMove& m : written.Value()) {
        const std::optional<int> square = SquareOn(start.Size, m);
        if (!square)
            return Refuse(Say(
                QT_TRANSLATE_NOOP("Reasons", "move %1 (%2) is not a square of the %3 × %3 board"),
                { Number(long(moves.size()) + 1), Plain(m.Text), Number(start.Size) }));
        moves.push_back(*square);
    }
    std::size_t accepted = 0;
    return Replay(start, moves, nullptr, accepted);
}
