// The table of named openings and the match of a game against it.
#include "Openings.h"

#include <algorithm>
#include <array>

#include "Board.h"
#include "GamePosition.h"
#include "Square.h"

namespace {

// Standard notation names a square by its column letter and its row counted from the side where
// the start has a white disc on d4; Corvana's border labels count rows from the bottom, and its
// usual start has Green (White) on D4 and E5 and Yellow (Black) on D5 and E4 in those labels. So
// the two notations agree square for square and the lines below are read with SquareFromName.
constexpr std::array<NamedOpening, 10> Table { {
    { "Perpendicular", "f5 d6" },
    { "Diagonal", "f5 f6" },
    { "Parallel", "f5 f4" },
    { "Tiger", "f5 d6 c3 d3 c4" },
    { "Aubrey", "f5 d6 c3 d3 c4 b3" },
    { "Stephenson", "f5 d6 c3 d3 c4 f4 c5 b3 c2" },
    { "Buffalo", "f5 d6 c3 d3 c4 f4 f6 f3 e6 e7" },
    { "Cow", "f5 d6 c5" },
    { "Rabbit", "f5 f6 e6 f4 e3" },
    { "Heath", "f5 f6 e6 f4 g5" },
} };

// The symmetries of the start position (colours kept): the identity, the two diagonal mirrors
// and the half turn. Each takes one of the four first moves to f5. Columns and rows as the
// screen counts them, from the top left.
int Turned(int square, int symmetry)
{
    const Square at = Square::AtIndex(8, square);
    const int col = at.Col(), row = at.Row();
    switch (symmetry) {
    case 1: // mirror in the a1-h8 diagonal: e6 to f5
        return Square::At(8, 7 - row, 7 - col).Index();
    case 2: // mirror in the a8-h1 diagonal: d3 to f5
        return Square::At(8, row, col).Index();
    case 3: // half turn: c4 to f5
        return Square::At(8, 7 - col, 7 - row).Index();
    default:
        return square;
    }
}

// The table's lines as squares, read once by the transcript reader. A line that does not read is
// no line (the tests hold that every one does).
const std::vector<std::vector<int>>& TableLines()
{
    static const std::vector<std::vector<int>> lines = [] {
        std::vector<std::vector<int>> out;
        for (const NamedOpening& opening : Table) {
            std::vector<int> squares;
            if (const Result<OBoardTracker> record = ReadTranscript(opening.Moves);
                record && record.Value().Size == 8)
                for (const TTrackerEntry& entry : record.Value().Entries)
                    squares.push_back(entry.Move);
            out.push_back(std::move(squares));
        }
        return out;
    }();
    return lines;
}

} // namespace

std::span<const NamedOpening> OpeningTable() { return Table; }

std::optional<std::string_view> OpeningName(int size, const std::vector<int>& moves)
{
    if (size != 8 || moves.empty() || moves[0] == PassMove || !IsPlayableSquare(8, moves[0]))
        return std::nullopt;
    const int f5 = SquareFromName(8, "f5");
    int symmetry = 0;
    while (symmetry < 4 && Turned(moves[0], symmetry) != f5)
        ++symmetry;
    if (symmetry == 4)
        return std::nullopt; // not a first move from the usual start
    std::vector<int> turned;
    for (const int move : moves) {
        if (move == PassMove || !IsPlayableSquare(8, move))
            break; // no line of the table has a pass
        turned.push_back(Turned(move, symmetry));
    }
    std::optional<std::string_view> found;
    std::size_t longest = 0;
    for (std::size_t i = 0; i < Table.size(); ++i) {
        const std::vector<int>& line = TableLines()[i];
        if (line.size() > longest && line.size() <= turned.size()
            && std::equal(line.begin(), line.end(), turned.begin())) {
            found = Table[i].Name;
            longest = line.size();
        }
    }
    return found;
}

std::optional<std::string_view> OpeningNameOf(const WrittenGame& game)
{
    if (!IsUsualStart(game.Start))
        return std::nullopt;
    std::vector<int> moves;
    for (const TTrackerEntry& e : game.Record.Entries)
        moves.push_back(e.Move);
    return OpeningName(game.Start.Size, moves);
}
