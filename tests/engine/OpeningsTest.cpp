// The named openings: every line of the table is a game the rules allow, found by its name from
// each of the four first moves, the longest line wins, and other games have none.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

#include "EngineTestSupport.h"
#include "Notation.h"
#include "Openings.h"

namespace {

// A line's squares as the transcript reader reads them from the usual 8 x 8 start (nothing when
// it does not read there).
std::vector<int> Squares(std::string_view line)
{
    std::vector<int> squares;
    if (const Result<OBoardTracker> record = ReadTranscript(line);
        record && record.Value().Size == 8)
        for (const TTrackerEntry& entry : record.Value().Entries)
            squares.push_back(entry.Move);
    return squares;
}

// The line as it is played from another first move: each square through a symmetry of the start,
// written by name so that the test does not share the code's arithmetic.
std::vector<int> Mirrored(const std::vector<int>& line, int symmetry)
{
    std::vector<int> out;
    for (const int square : line) {
        const std::string name = SquareName(8, square);
        const char col = name[0], row = name[1];
        std::string turned;
        switch (symmetry) {
        case 1:
            turned = { char('a' + (row - '1')), char('1' + (col - 'A')) };
            break;
        case 2:
            turned = { char('h' - (row - '1')), char('8' - (col - 'A')) };
            break;
        case 3:
            turned = { char('h' - (col - 'A')), char('8' - (row - '1')) };
            break;
        default:
            turned = { char(col | 0x20), row };
            break;
        }
        out.push_back(SquareFromName(8, turned));
    }
    return out;
}

TEST(Openings, EveryLineIsALegalGameFromTheStart)
{
    std::set<std::string_view> names;
    std::set<std::string_view> lines;
    for (const NamedOpening& opening : OpeningTable()) {
        EXPECT_TRUE(names.insert(opening.Name).second) << "twice: " << opening.Name;
        EXPECT_TRUE(lines.insert(opening.Moves).second) << "twice: " << opening.Moves;
        const Result<OBoardTracker> played = ReadTranscript(opening.Moves);
        ASSERT_TRUE(played) << opening.Name << ": " << played.Failure().Message;
        EXPECT_EQ(played.Value().Size, 8) << opening.Name;
    }
}

TEST(Openings, EachLineIsFoundFromAllFourFirstMoves)
{
    const std::set<std::string> firsts { "f5", "e6", "d3", "c4" };
    for (const NamedOpening& opening : OpeningTable()) {
        for (int symmetry = 0; symmetry < 4; ++symmetry) {
            const std::vector<int> line = Mirrored(Squares(opening.Moves), symmetry);
            std::string first = SquareName(8, line[0]);
            first[0] = char(first[0] | 0x20);
            EXPECT_TRUE(firsts.count(first)) << first;
            ASSERT_TRUE(ReplayMoves(8, line)) << opening.Name << " symmetry " << symmetry;
            const std::optional<std::string_view> name = OpeningName(8, line);
            ASSERT_TRUE(name) << opening.Name << " symmetry " << symmetry;
            EXPECT_EQ(*name, opening.Name) << "symmetry " << symmetry;
        }
    }
}

TEST(Openings, TheLongestLineTheGameFollowsWins)
{
    // Stephenson continues Tiger, which continues Perpendicular.
    EXPECT_EQ(OpeningName(8, Squares("f5 d6 c3")), "Perpendicular");
    EXPECT_EQ(OpeningName(8, Squares("f5 d6 c3 d3 c4 f4")), "Tiger");
    EXPECT_EQ(OpeningName(8, Squares("f5 d6 c3 d3 c4 f4 c5 b3 c2 e6 c6")), "Stephenson");
    EXPECT_EQ(OpeningName(8, Mirrored(Squares("f5 d6 c3 d3 c4 f4 f6 f3 e6 e7 d7"), 3)), "Buffalo");
    // A game that leaves Tiger for a move of no line keeps the longest line it did follow.
    EXPECT_EQ(OpeningName(8, Squares("f5 d6 c3 d3 c4 f4 f6 f3 e6 f7")), "Tiger");
}

TEST(Openings, OtherGamesAndTheLargeBoardHaveNone)
{
    EXPECT_FALSE(OpeningName(8, {}));
    EXPECT_FALSE(OpeningName(8, Squares("f5")));
    // Every line is f5 d6 / f5 f6 / f5 f4 at first: a two-move game is always one of the three.
    EXPECT_EQ(OpeningName(8, Squares("e6 f6")), "Diagonal");
    // The large board has no named lines, whatever its moves.
    std::mt19937 rng(7);
    const std::vector<int> played = PlayRandomGame(10, 12, rng);
    const Result<OBoardTracker> large = ReplayMoves(10, played);
    ASSERT_TRUE(large);
    WrittenGame game { UsualStart(10), large.Value() };
    EXPECT_FALSE(OpeningNameOf(game));
    EXPECT_FALSE(OpeningName(10, played));
}

TEST(Openings, AWrittenGameFromASetUpPositionHasNone)
{
    const Result<OBoardTracker> record = ReadTranscript("f5 d6 c3 d3 c4");
    ASSERT_TRUE(record);
    EXPECT_EQ(OpeningNameOf(GameOfRecord(record.Value())), "Tiger");
    // The same moves from the position after f5 d6 (a set-up start) name nothing.
    const Result<OBoardTracker> start = ReadTranscript("f5 d6");
    ASSERT_TRUE(start);
    const GamePosition after = EndOf(GameOfRecord(start.Value()));
    const Result<WrittenGame> rest = ReadTranscriptFrom(after, "c3 d3 c4");
    ASSERT_TRUE(rest);
    EXPECT_FALSE(OpeningNameOf(rest.Value()));
}

} // namespace
