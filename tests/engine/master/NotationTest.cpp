// Written squares and transcripts: the orientation of rows (counted from the bottom as shown),
// both board sizes, passes, and refusals that name the faulty move.
#include <gtest/gtest.h>

#include "BoardTracker.h"
#include "RoutineTable.h"
#include "master/Notation.h"

using namespace master;

TEST(Notation, YellowsOpeningMovesAreD3C4F5E6)
{
    // The start position's legal squares for Yellow, in the usual names.
    EXPECT_EQ(SquareName(8, 46), "d3");
    EXPECT_EQ(SquareName(8, 35), "c4");
    EXPECT_EQ(SquareName(8, 64), "f5");
    EXPECT_EQ(SquareName(8, 53), "e6");
    const Board start = StartBoard(8);
    for (const char* name : { "d3", "c4", "f5", "e6" })
        EXPECT_TRUE(
            RoutinesFor(8).IsLegalMove(start, *SquareFromName(8, name), SideYellow, SideGreen))
            << name;
    // Corners: a1 is the bottom left as shown, h8 the top right.
    EXPECT_EQ(SquareName(8, 18), "a1");
    EXPECT_EQ(SquareName(8, 81), "h8");
    EXPECT_EQ(SquareName(10, 13), "a10");
    EXPECT_EQ(SquareName(10, 130), "j1");
    EXPECT_EQ(SquareName(8, PassMove), "pass");
}

TEST(Notation, EveryNameReadsBackAsItsSquare)
{
    for (const int size : { 8, 10 })
        for (int col = 0; col < size; ++col)
            for (int row = 0; row < size; ++row) {
                const int sq = SquareIndex(size, col, row);
                const std::string name = SquareName(size, sq);
                EXPECT_EQ(SquareFromName(size, name), sq) << name;
                std::string upper = name;
                upper[0] = char(upper[0] - 'a' + 'A');
                EXPECT_EQ(SquareFromName(size, upper), sq) << upper;
            }
    for (const char* bad : { "i1", "a9", "a0", "a", "11", "a01", "k1" })
        EXPECT_FALSE(SquareFromName(8, bad)) << bad;
    EXPECT_FALSE(SquareFromName(10, "a11"));
}

TEST(Notation, TranscriptsPlayFromTheStartPosition)
{
    const PositionResult r = ReadTranscript(8, "f5d6c3d3c4");
    ASSERT_TRUE(r) << r.Message;
    EXPECT_EQ(r.Moves, (std::vector<int> { 64, 43, 36, 46, 35 }));
    EXPECT_EQ(r.Position.SideToMove, SideGreen);
    EXPECT_EQ(r.Position.Empties, 55);
    // The same game with separators and capitals.
    const PositionResult spaced = ReadTranscript(8, "F5 d6, C3 d3 c4");
    ASSERT_TRUE(spaced);
    EXPECT_EQ(spaced.Position.Cells, r.Position.Cells);

    const PositionResult ten = ReadTranscript(10, "d5");
    ASSERT_TRUE(ten) << ten.Message;
    EXPECT_EQ(ten.Moves.front(), *SquareFromName(10, "d5"));
    EXPECT_TRUE(ReadTranscript(10, "").Position.SideToMove == SideYellow);
}

TEST(Notation, ARefusedTranscriptSaysWhichMoveIsWrong)
{
    PositionResult r = ReadTranscript(8, "f5d6c3a1");
    EXPECT_FALSE(r);
    EXPECT_NE(r.Message.find("move 4"), std::string::npos) << r.Message;
    EXPECT_NE(r.Message.find("a1"), std::string::npos) << r.Message;
    r = ReadTranscript(8, "f5z9");
    EXPECT_FALSE(r);
    EXPECT_NE(r.Message.find("move 2"), std::string::npos) << r.Message;
    r = ReadTranscript(8, "pass");
    EXPECT_FALSE(r);
    EXPECT_FALSE(ReadTranscript(9, "f5"));
}

TEST(Notation, PassesMayBeWrittenOrLeftOut)
{
    // Green has no move here, so Yellow plays on.
    Board b = StartBoard(8);
    for (int col = 0; col < 8; ++col)
        for (int row = 0; row < 8; ++row)
            b[SquareIndex(8, col, row)] = CellYellow;
    b[SquareIndex(8, 7, 7)] = CellEmpty;
    b[SquareIndex(8, 7, 6)] = CellEmpty;
    b[SquareIndex(8, 7, 5)] = CellGreen;
    const GamePosition p = PositionWithTurn(8, b, SideYellow);
    EXPECT_EQ(p.SideToMove, SideYellow);
    EXPECT_FALSE(p.GameOver);
    b[SquareIndex(8, 7, 5)] = CellYellow;
    EXPECT_TRUE(PositionWithTurn(8, b, SideYellow).GameOver);

    // A whole game with a pass after h4: it reads the same with and without the pass written.
    const std::string before = "e6d6c5b4b5f6c4c3e3d3c6b3f5a6c7b6e7f7g7d8a4a5a7e8e2d2c1h8d7g8a3c8f4"
                               "g5h5f3g3d1f8c2e1g6b7a8b8g4b2a2h6h7h3h4";
    const std::string after = "a1b1f1f2g1g2h2h1";
    const PositionResult written = ReadTranscript(8, before + " pass " + after);
    const PositionResult implied = ReadTranscript(8, before + after);
    ASSERT_TRUE(written) << written.Message;
    ASSERT_TRUE(implied) << implied.Message;
    EXPECT_EQ(written.Position.Cells, implied.Position.Cells);
    EXPECT_TRUE(implied.Position.GameOver);
    EXPECT_EQ(implied.Position.Empties, 0);
    // Writing a pass where the side could move is refused.
    EXPECT_FALSE(ReadTranscript(8, before + " pass pass " + after));
}

TEST(Notation, ARecordEndsWhereItsLastMoveLeftTheBoard)
{
    const PositionResult game = ReadTranscript(8, "f5d6c3");
    ASSERT_TRUE(game);
    OBoardTracker record;
    record.Size = 8;
    Board b = StartBoard(8);
    int side = SideYellow;
    for (const int sq : game.Moves) {
        const int other = side == SideYellow ? SideGreen : SideYellow;
        record.Entries.push_back({ sq, side, other, b });
        RoutinesFor(8).MakeMove(b, sq, side, other);
        side = other;
    }
    record.Count = record.Current = int(record.Entries.size());
    const PositionResult r = PositionOfRecord(record);
    ASSERT_TRUE(r);
    EXPECT_EQ(r.Position.Cells, game.Position.Cells);
    EXPECT_EQ(r.Position.SideToMove, SideGreen);
    EXPECT_EQ(r.Moves, game.Moves);
}
