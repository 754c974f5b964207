// The side to move after a move and at the end of a game: passes, the end of the game, the
// empties the solver is chosen by, and the positions no game can reach.
#include <gtest/gtest.h>

#include "BoardTracker.h"
#include "GamePosition.h"
#include "MoveRules.h"
#include "Notation.h"

TEST(GamePosition, ASideWithoutAMovePassesAndNeitherMovingEndsTheGame)
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
    EXPECT_EQ(p.Empties, 2);
    // After Green's move Yellow is due as usual.
    EXPECT_EQ(PositionWithTurn(8, b, SideGreen).SideToMove, SideYellow);
    // The one rule behind it: the side due where a side would move.
    EXPECT_EQ(SideDue(8, b, SideGreen), SideYellow); // Green has none: Yellow moves again
    EXPECT_EQ(SideDue(8, b, SideYellow), SideYellow);
    EXPECT_EQ(SideDue(8, StartBoard(8), SideGreen), SideGreen);
    EXPECT_EQ(SideDue(10, StartBoard(10), SideYellow), SideYellow);
    b[SquareIndex(8, 7, 5)] = CellYellow;
    EXPECT_TRUE(PositionWithTurn(8, b, SideYellow).GameOver);
    EXPECT_EQ(SideDue(8, b, SideYellow), 0);
    EXPECT_EQ(SideDue(8, b, SideGreen), 0);
}

TEST(GamePosition, AGameEndsWhereItsLastMoveLeftTheBoard)
{
    OBoardTracker empty;
    empty.Size = 10;
    const GamePosition start = EndOf(GameOfRecord(empty));
    EXPECT_EQ(start.Cells, StartBoard(10));
    EXPECT_EQ(start.SideToMove, SideYellow);
    EXPECT_EQ(start.Empties, 96);

    const Result<OBoardTracker> opening = ReadTranscript("f5d6c3");
    ASSERT_TRUE(opening) << opening.Failure().Message;
    const GamePosition p = EndOf(GameOfRecord(opening.Value()));
    EXPECT_EQ(p.Cells, FinalBoardOf(opening.Value()));
    EXPECT_EQ(p.SideToMove, SideGreen);
    EXPECT_EQ(p.Empties, 57);

    // A whole game with a pass after h4 (Green's): Yellow plays the next move as well, and the
    // game ends with the board full.
    const Result<OBoardTracker> game
        = ReadTranscript("e6d6c5b4b5f6c4c3e3d3c6b3f5a6c7b6e7f7g7d8a4a5a7e8e2d2c1h8d7g8a3c8f4"
                         "g5h5f3g3d1f8c2e1g6b7a8b8g4b2a2h6h7h3h4a1b1f1f2g1g2h2h1");
    ASSERT_TRUE(game) << game.Failure().Message;
    const GamePosition end = EndOf(GameOfRecord(game.Value()));
    EXPECT_TRUE(end.GameOver);
    EXPECT_EQ(end.Empties, 0);
}
