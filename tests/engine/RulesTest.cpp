// The rules on the byte board: legality, turning discs, start positions, the routine table and
// the pass and end rules.
#include <gtest/gtest.h>

#include "GameFlow.h"
#include "Board.h"
#include "BoardTracker.h"
#include "EngineTestSupport.h"
#include "MoveRules.h"
#include "RoutineTable.h"

TEST(Rules, StartPositionsAndTheirLegalSquares)
{
    BoardSize = 8;
    NewGame();
    EXPECT_EQ(LegalSquares(SideYellow), (std::vector<int> { 35, 46, 53, 64 }));
    EXPECT_EQ(BoardToText(),
        std::string(27, '+') + "wb" + std::string(6, '+') + "bw" + std::string(27, '+'));

    BoardSize = 10;
    NewGame();
    EXPECT_EQ(LegalSquares(SideYellow), (std::vector<int> { 54, 67, 76, 89 }));
    EXPECT_EQ(BoardStack[0][65], CellYellow);
    EXPECT_EQ(BoardStack[0][78], CellYellow);
    EXPECT_EQ(BoardStack[0][66], CellGreen);
    EXPECT_EQ(BoardStack[0][77], CellGreen);
    EXPECT_EQ(BoardToText().size(), 100u);
}

TEST(Rules, InitPositionBordersEveryBoardOfTheStack)
{
    for (int size : { 8, 10 }) {
        BoardStack[5].fill(CellGreen);
        BoardSize = size;
        NewGame();
        int empty = 0;
        for (int i = 0; i < BoardCells; ++i) {
            const bool playable = IsPlayableSquare(size, i);
            EXPECT_EQ(BoardStack[0][i] != CellBorder, playable) << "cell " << i;
            empty += BoardStack[0][i] == CellEmpty;
            EXPECT_EQ(BoardStack[5][i], CellBorder);
        }
        EXPECT_EQ(empty, size * size - 4);
        EXPECT_EQ(GameRecord->Count, 0);
        EXPECT_EQ(GameRecord->Size, size);
    }
}

TEST(Rules, NewGameResetsTheSharedState)
{
    BoardSize = 8;
    SideToMove = SideGreen;
    GameOver = true;
    NewGame();
    EXPECT_EQ(SideToMove, SideYellow);
    EXPECT_FALSE(GameOver);
    EXPECT_EQ(Routines.Search, RoutinesFor(8).Search);
    BoardSize = 10;
    NewGame();
    EXPECT_EQ(Routines.IsLegalMove, RoutinesFor(10).IsLegalMove);
}

TEST(Rules, OpponentFollowsSideToMove)
{
    SideToMove = SideYellow;
    EXPECT_EQ(Opponent(), SideGreen);
    SideToMove = SideGreen;
    EXPECT_EQ(Opponent(), SideYellow);
    ComputerSide = SideGreen;
    EXPECT_TRUE(IsComputerTurn());
}

TEST(Rules, OccupiedAndBorderCellsAreNeverLegal)
{
    BoardSize = 8;
    NewGame();
    EXPECT_FALSE(Routines.IsLegalMove(BoardStack[0], 44, SideYellow, SideGreen));
    EXPECT_FALSE(Routines.IsLegalMove(BoardStack[0], 45, SideYellow, SideGreen));
    for (int border : { 0, 9, 10, 19, 20, 90, 99, 100, 143 })
        EXPECT_FALSE(Routines.IsLegalMove(BoardStack[0], border, SideYellow, SideGreen)) << border;
}

TEST(Rules, RunsEndedByEmptyOrBorderDoNotCount)
{
    // Row 1: Yellow could play A1 only if the Green run along the edge ended in Yellow.
    SetBoard(8,
        {
            ".GGG....",
            "........",
            "........",
            "...YG...",
            "...GY...",
            "........",
            "........",
            ".......G",
        });
    const int a1 = SquareIndex(8, 0, 0);
    EXPECT_FALSE(Routines.IsLegalMove(BoardStack[0], a1, SideYellow, SideGreen)); // run ends empty
    BoardStack[0][SquareIndex(8, 4, 0)] = CellYellow;
    EXPECT_TRUE(Routines.IsLegalMove(BoardStack[0], a1, SideYellow, SideGreen));

    // A run up to the border: H8 is Green and nothing lies beyond it.
    const int h7 = SquareIndex(8, 7, 6);
    EXPECT_FALSE(Routines.IsLegalMove(BoardStack[0], h7, SideYellow, SideGreen));

    // Making a non-qualifying move only places the disc.
    Board before = BoardStack[0];
    Routines.MakeMove(BoardStack[0], h7, SideYellow, SideGreen);
    before[h7] = CellYellow;
    EXPECT_EQ(BoardStack[0], before);
}

TEST(Rules, MoveTurnsEveryEnclosedRunUpToTheFirstOwnDisc)
{
    SetBoard(10,
        {
            "Y...Y.....",
            ".G..G.....",
            "..GGG.....",
            "YGG.GGGY..",
            "..GGG.....",
            ".Y..G.....",
            "....Y.....",
            "....G.....",
            "....Y.....",
            "..........",
        });
    const int d4 = SquareIndex(10, 3, 3);
    ASSERT_TRUE(Routines.IsLegalMove(BoardStack[0], d4, SideYellow, SideGreen));
    Routines.MakeMove(BoardStack[0], d4, SideYellow, SideGreen);
    auto at = [](int col, int row) { return BoardStack[0][SquareIndex(10, col, row)]; };
    EXPECT_EQ(at(3, 3), CellYellow);
    // west, north-west, east and south-west runs are enclosed
    EXPECT_EQ(at(1, 3), CellYellow);
    EXPECT_EQ(at(2, 3), CellYellow);
    EXPECT_EQ(at(1, 1), CellYellow);
    EXPECT_EQ(at(2, 2), CellYellow);
    EXPECT_EQ(at(4, 3), CellYellow);
    EXPECT_EQ(at(6, 3), CellYellow);
    EXPECT_EQ(at(2, 4), CellYellow);
    // runs that end on an empty square stay: north-east, south-east, north, south
    EXPECT_EQ(at(4, 2), CellGreen);
    EXPECT_EQ(at(4, 4), CellGreen);
    EXPECT_EQ(at(3, 2), CellGreen);
    EXPECT_EQ(at(3, 4), CellGreen);
    // discs off the lines through the move stay
    EXPECT_EQ(at(4, 7), CellGreen);
    EXPECT_EQ(at(4, 1), CellGreen);
}

TEST(Rules, PassMoveChangesNothing)
{
    BoardSize = 8;
    NewGame();
    const Board before = BoardStack[0];
    Routines.MakeMove(BoardStack[0], PassMove, SideYellow, SideGreen);
    EXPECT_EQ(BoardStack[0], before);
}

TEST(Rules, ScanAndAdvanceTurnDecidePassesAndTheEnd)
{
    // Green has no move after Yellow's; Yellow still has one.
    SetBoard(8, GreenStuckPosition);
    PositionScan scan = ScanPosition(BoardStack[0]);
    EXPECT_EQ(scan.Yellow, 58);
    EXPECT_EQ(scan.Green, 4);
    EXPECT_FALSE(scan.YellowStuck);
    EXPECT_TRUE(scan.GreenStuck);
    SideToMove = SideYellow; // Yellow has just moved
    EXPECT_EQ(AdvanceTurn(scan), TurnResult::Passed);
    EXPECT_EQ(SideToMove, SideYellow);

    BoardStack[0][SquareIndex(8, 7, 6)] = CellYellow;
    BoardStack[0][SquareIndex(8, 7, 7)] = CellYellow;
    scan = ScanPosition(BoardStack[0]);
    EXPECT_TRUE(scan.BothStuck());
    EXPECT_EQ(AdvanceTurn(scan), TurnResult::GameEnded);

    BoardSize = 8;
    NewGame();
    scan = ScanPosition(BoardStack[0]);
    EXPECT_EQ(scan.Yellow, 2);
    EXPECT_EQ(scan.Green, 2);
    EXPECT_EQ(AdvanceTurn(scan), TurnResult::NextSide);
    EXPECT_EQ(SideToMove, SideGreen);
}

TEST(Rules, SquareIndexAndPlayableCellsAgree)
{
    for (int size : { 8, 10 }) {
        int playable = 0;
        for (int sq = 0; sq < BoardCells; ++sq)
            playable += IsPlayableSquare(size, sq);
        EXPECT_EQ(playable, size * size);
        EXPECT_TRUE(IsPlayableSquare(size, SquareIndex(size, 0, 0)));
        EXPECT_TRUE(IsPlayableSquare(size, SquareIndex(size, size - 1, size - 1)));
    }
    EXPECT_EQ(SquareIndex(8, 0, 0), 11);
    EXPECT_EQ(SquareIndex(8, 7, 7), 88);
    EXPECT_EQ(SquareIndex(10, 9, 0), 121);
    EXPECT_FALSE(IsPlayableSquare(8, 19));
    EXPECT_FALSE(IsPlayableSquare(10, 23));
    EXPECT_FALSE(IsPlayableSquare(8, PassMove));
}

TEST(Rules, MoveOrdersCoverEverySquareOnceWithTheCentreLast)
{
    for (int size : { 8, 10 }) {
        const SquareOrder order = MoveOrderFor(size);
        ASSERT_EQ(order.Length, size * size);
        std::vector<bool> seen(BoardCells);
        for (int i = 0; i < order.Length; ++i) {
            ASSERT_TRUE(IsPlayableSquare(size, order.Squares[i]));
            EXPECT_FALSE(seen[order.Squares[i]]);
            seen[order.Squares[i]] = true;
        }
        BoardSize = size;
        NewGame();
        for (int i = order.Length - 4; i < order.Length; ++i)
            EXPECT_NE(BoardStack[0][order.Squares[i]], CellEmpty);
    }
}
