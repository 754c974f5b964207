// The one-line board format: a published problem read square by square, positions of both sizes
// written and read back, and every refusal with its reason.
#include <gtest/gtest.h>

#include <random>

#include "EngineTestSupport.h"
#include "GameFlow.h"
#include "MoveRules.h"
#include "PositionLine.h"
#include "RoutineTable.h"

namespace {

// Problem #40 of the published endgame suite, as the suite's file writes it.
const char* const Problem40
    = "O--OOOOX-OOOOOOXOOXXOOOXOOXOOOXXOOOOOOXX---OOOOX----O--X-------- X; A2:+38; C7:+36; "
      "D8:+34; C1:+30; B1:+30; G7:+28; D7:+28; C6:+28; F7:+26; A6:+24;";

Cell At(const GamePosition& p, const char* name) { return p.Cells[SquareFromName(p.Size, name)]; }

void ExpectRefused(const std::string& line, const std::string& reason)
{
    const Result<PositionLine> r = ReadPositionLine(line);
    ASSERT_FALSE(r) << line;
    EXPECT_EQ(r.Failure().Kind, ErrorKind::Damaged);
    EXPECT_NE(r.Failure().Message.find(reason), std::string::npos)
        << line << "\n -> " << r.Failure().Message;
}

// An 8 x 8 line with the usual start but for the squares given ("d3X" puts Yellow on d3).
std::string StartLineWith(std::initializer_list<const char*> changes, char side = 'X')
{
    Board b = StartBoard(8);
    for (const char* c : changes) {
        const std::string name(c, 2);
        b[SquareFromName(8, name)] = CellOfSquareChar(c[2]);
    }
    return SquaresOf(b, 8) + ' ' + side;
}

} // namespace

TEST(PositionLine, APublishedProblemReadsSquareBySquareWithItsScores)
{
    const Result<PositionLine> read = ReadPositionLine(Problem40);
    ASSERT_TRUE(read) << read.Failure().Message;
    const GamePosition& p = read.Value().Position;
    EXPECT_EQ(p.Size, 8);
    EXPECT_EQ(p.SideToMove, SideYellow);
    EXPECT_EQ(p.Empties, 20);
    EXPECT_FALSE(p.GameOver);
    // The squares run a1, b1, ... h1, a2, ...: "O--OOOOX" is row 1.
    EXPECT_EQ(At(p, "a1"), CellGreen);
    EXPECT_EQ(At(p, "b1"), CellEmpty);
    EXPECT_EQ(At(p, "h1"), CellYellow);
    EXPECT_EQ(At(p, "a2"), CellEmpty);
    EXPECT_EQ(At(p, "h8"), CellEmpty);
    EXPECT_EQ(At(p, "d7"), CellEmpty);
    EXPECT_EQ(At(p, "h6"), CellYellow);
    const std::vector<PublishedMove>& m = read.Value().Published;
    ASSERT_EQ(m.size(), 10u);
    EXPECT_EQ(m[0].Square, SquareFromName(8, "a2"));
    EXPECT_EQ(m[0].Score, 38);
    EXPECT_EQ(m[9].Square, SquareFromName(8, "a6"));
    EXPECT_EQ(m[9].Score, 24);
    // Every published move is a move of Yellow's there.
    for (const PublishedMove& pm : m)
        EXPECT_TRUE(RoutinesFor(8).IsLegalMove(p.Cells, pm.Square, SideYellow, SideGreen));

    // Written back without the scores, it reads as the same position.
    EXPECT_EQ(PositionLineOf(p), std::string(Problem40).substr(0, 66));
    // Other ways of writing it: lower case, "*" and "." as GGF and others write them, the side
    // right after the squares, negative scores, spaces around the pairs.
    std::string other = std::string(Problem40).substr(0, 64);
    for (char& c : other)
        c = c == 'X' ? '*' : c == 'O' ? 'o' : '.';
    const Result<PositionLine> again = ReadPositionLine(other + "x ;a2 : +38;; C7:-36 ");
    ASSERT_TRUE(again) << again.Failure().Message;
    EXPECT_EQ(again.Value().Position.Cells, p.Cells);
    EXPECT_EQ(again.Value().Position.SideToMove, SideYellow);
    ASSERT_EQ(again.Value().Published.size(), 2u);
    EXPECT_EQ(again.Value().Published[1].Score, -36);
}

TEST(PositionLine, PositionsOfBothSizesComeBackTheSame)
{
    std::mt19937 rng(7);
    for (const int size : { 8, 10 }) {
        for (int i = 0; i < 60; ++i) {
            PlayRandomGame(size, int(rng() % (size * size - 4)), rng);
            const GamePosition p = PositionToMove(size, BoardStack[0], SideToMove);
            if (!CheckReachable(p))
                continue; // the side to move has no move left: no line for it
            const std::string line = PositionLineOf(p);
            EXPECT_EQ(line.size(), std::size_t(size * size + 2));
            const Result<PositionLine> back = ReadPositionLine(line);
            ASSERT_TRUE(back) << line << ": " << back.Failure().Message;
            EXPECT_EQ(back.Value().Position.Size, size);
            EXPECT_EQ(back.Value().Position.Cells, p.Cells);
            EXPECT_EQ(back.Value().Position.SideToMove, p.SideToMove);
            EXPECT_EQ(back.Value().Position.GameOver, p.GameOver);
        }
    }
}

TEST(PositionLine, APositionNoGameCanReachIsRefusedWithTheReason)
{
    const std::string squares = std::string(Problem40).substr(0, 64);
    ExpectRefused(squares.substr(0, 63) + " X", "it has 63 squares, where a board has 64");
    ExpectRefused(squares + "- X", "it has 65 squares");
    ExpectRefused(squares.substr(0, 10) + "Q" + squares.substr(11) + " X",
        "character 11 (\"Q\") is no square");
    ExpectRefused(squares, "it names no side to move");
    ExpectRefused(squares + " ;A2:+38", "it names no side to move");
    ExpectRefused(squares + " Y", "\"Y\" after the squares is no side to move");
    ExpectRefused(squares + " X A2:+38", "\"A\" follows the side to move");
    ExpectRefused(squares + " X; A2", "\"A2\" is not a move and its score");
    ExpectRefused(squares + " X; A9:+38", "\"A9:+38\" names no square");
    ExpectRefused(squares + " X; A2:+3x", "\"A2:+3x\" has no score a game can end with");
    ExpectRefused(squares + " X; A2:+66", "has no score a game can end with");
    ExpectRefused(squares + " X; A2:", "has no score");
    ExpectRefused(squares + " X; A1:+2", "A1 is not a legal move for Yellow");
    ExpectRefused(StartLineWith({ "d4-" }), "its centre square D4 is empty");
    // Yellow on c6 alone against Green's diagonal to h1: Yellow cannot move, Green can (b7).
    ExpectRefused(StartLineWith({ "d5O", "e4O", "c6X", "f3O", "g2O", "h1O" }),
        "Yellow is to move but has "
        "no legal move, while "
        "Green has one");
    ExpectRefused(std::string(100, '-') + " O", "its centre square");
    // The same position with Green to move is one a game can reach, and so is a finished game.
    const Result<PositionLine> green
        = ReadPositionLine(StartLineWith({ "d5O", "e4O", "c6X", "f3O", "g2O", "h1O" }, 'O'));
    ASSERT_TRUE(green) << green.Failure().Message;
    EXPECT_FALSE(green.Value().Position.GameOver);
    const Result<PositionLine> over = ReadPositionLine(StartLineWith({ "d5O", "e4O" }, 'X'));
    ASSERT_TRUE(over) << over.Failure().Message;
    EXPECT_TRUE(over.Value().Position.GameOver);
}

TEST(PositionLine, AFileOfPositionsIsReadLineByLine)
{
    const std::string first = std::string(Problem40);
    const std::string text
        = "% the suite\n\n" + first + "\r\n# a comment\n  " + StartLineWith({}, 'X') + "\n";
    const Result<std::vector<PositionLine>> lines = ReadPositionLines(text);
    ASSERT_TRUE(lines) << lines.Failure().Message;
    ASSERT_EQ(lines.Value().size(), 2u);
    EXPECT_EQ(lines.Value()[0].LineNumber, 3);
    EXPECT_EQ(lines.Value()[0].Published.size(), 10u);
    EXPECT_EQ(lines.Value()[1].LineNumber, 5);
    EXPECT_TRUE(lines.Value()[1].Published.empty());

    const Result<std::vector<PositionLine>> bad
        = ReadPositionLines(first + "\n" + first.substr(0, 60) + " X\n");
    ASSERT_FALSE(bad);
    EXPECT_EQ(bad.Failure().Message.rfind("line 2: it has 60 squares", 0), 0u)
        << bad.Failure().Message;
    const Result<std::vector<PositionLine>> none = ReadPositionLines("% nothing\n\n");
    ASSERT_FALSE(none);
    EXPECT_EQ(none.Failure().Message, "it holds no position");
}
