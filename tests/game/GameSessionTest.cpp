// The game session without a window: moves, the computer's answers, passes and the end of a
// game, the history mode, and what happens when the game changes under a dialog or a search.
// The view is a recorder whose dialogs answer as the test says and may act "while open", as the
// window's modal loops let network messages and menu commands do.
#include <gtest/gtest.h>

#include <functional>
#include <thread>
#include <vector>

#include "BoardTracker.h"
#include "Evaluation.h"
#include "GameSession.h"
#include "InvariantCounter.h"
#include "NetState.h"
#include "RoutineTable.h"
#include "Search.h"
#include "SearchGate.h"
#include "SearchThread.h"
#include "Settings.h"
#include "Sound.h"

namespace {

class RecordingView : public GameView {
public:
    std::vector<int> Finals;
    TurnShown Turn = TurnShown::Yellow;
    int Yellow = 0, Green = 0, Current = -1, Count = -1;
    bool UndoRedo = false;
    int Draws = 0, Animations = 0, ChoicesAsked = 0;
    HistoryChoice Choice = HistoryChoice::ReturnToHistory;
    std::vector<std::pair<int, int>> SentMoves;
    // Run once while the next dialog or search wait is "open".
    std::function<void()> WhileFinalOpen, WhileSearching;

    void DrawPosition() override { ++Draws; }
    void ShowHover() override { }
    void EraseHover() override { }
    void MoveHoverHome() override { }
    void RememberBoard() override { }
    void ForgetPreviousBoard() override { }
    void AnimateMove() override { ++Animations; }
    void TurnChanged() override { }
    std::vector<std::pair<int, int>> Played; // square, turned
    void MovePlayed(int, int square, int turned) override { Played.emplace_back(square, turned); }
    void PlaySound(const char*) override { }
    void BoardSizeChanged() override { }
    void ShowGameSettings(bool) override { }
    void ShowTurn(TurnShown turn) override { Turn = turn; }
    void ShowScore(int yellow, int green) override
    {
        Yellow = yellow;
        Green = green;
    }
    void ShowCounter(int current, int count) override
    {
        Current = current;
        Count = count;
    }
    void RepaintStatus() override { }
    void ShowFinal(int kind, int, int) override
    {
        Finals.push_back(kind);
        if (auto during = std::exchange(WhileFinalOpen, nullptr))
            during();
    }
    HistoryChoice AskHistoryChoice() override
    {
        ++ChoicesAsked;
        return Choice;
    }
    std::vector<std::string> Errors;
    void ShowError(const std::string&, const std::string& message) override
    {
        Errors.push_back(message);
    }
    void ThinkingStarted() override { }
    void ThinkingEnded() override { }
    void WaitWhileSearching() override
    {
        if (auto during = std::exchange(WhileSearching, nullptr))
            during();
        while (SearchRunning.load(std::memory_order_acquire))
            std::this_thread::yield();
    }
    void SetUndoRedoEnabled(bool enabled) override { UndoRedo = enabled; }
    void SendMove(int col, int row) override { SentMoves.emplace_back(col, row); }
    void SendRestart() override { }
    void ShowNetworkTurn(bool) override { }
    void NetworkGameLocked(bool) override { }
    bool Closing() const override { return false; }
};

// Sets board 0 from rows (row 0 at the top): 'Y' Yellow, 'G' Green, anything else empty.
void SetPosition(const std::vector<std::string>& rows, int side)
{
    for (int row = 0; row < BoardSize; ++row)
        for (int col = 0; col < BoardSize; ++col) {
            const char c = rows.at(row).at(col);
            BoardStack[0][SquareIndex(col, row)] = c == 'Y' ? CellYellow
                : c == 'G'                                  ? CellGreen
                                                            : CellEmpty;
        }
    SideToMove = side;
}

int FirstLegal()
{
    const SquareOrder order = MoveOrderFor(BoardSize);
    for (int i = 0; i < order.Length; ++i)
        if (Routines.IsLegalMove(BoardStack[0], order.Squares[i], SideToMove, Opponent()))
            return order.Squares[i];
    return PassMove;
}

class GameSessionTest : public ::testing::Test {
protected:
    RecordingView View;
    GameSession Session { View };

    void SetUp() override
    {
        CountInvariantFailures();
        InvariantFailures = 0;
        BoardSize = 8;
        Level = 1;
        AdvancedEngine = false;
        AnimationOn = false;
        SoundOn = false;
        NetworkGame = false;
        OpponentIsComputer = true;
        ComputerSide = SideGreen;
        Session.ResetGame();
    }
    void TearDown() override { EXPECT_EQ(InvariantFailures, 0); }
};

} // namespace

TEST_F(GameSessionTest, APlayersMoveAndTheComputersAnswer)
{
    Session.Click(53); // E6
    EXPECT_EQ(GameRecord->Count, 2);
    EXPECT_EQ(GameRecord->Entries[1].MoverSide, SideGreen);
    EXPECT_EQ(View.Turn, TurnShown::Yellow);
    EXPECT_EQ(View.Current, 2);
    EXPECT_TRUE(View.UndoRedo);
    // An illegal square does nothing at all.
    const int draws = View.Draws;
    Session.Click(11);
    EXPECT_EQ(GameRecord->Count, 2);
    EXPECT_EQ(View.Draws, draws);
}

TEST_F(GameSessionTest, APassIsAnnouncedAndTheSideMovesAgainAndTheEndIsFinal)
{
    OpponentIsComputer = false;
    // Yellow can play H2 (G2 is Green between H2 and... F2); afterwards Green cannot move.
    SetPosition({ "YYYYYYYY", "YYYYYYYY", "YYYYYYYY", "YYYYYYYY", "YYYYYYYY", "YYYYYYGG",
                    "YYYYYYG.", "YYYYYYG." },
        SideYellow);
    const int h2 = SquareIndex(7, 6);
    ASSERT_TRUE(Routines.IsLegalMove(BoardStack[0], h2, SideYellow, SideGreen));
    Session.PlayLocalMove(h2);
    EXPECT_EQ(View.Finals, std::vector<int> { 4 }); // "Green pass"
    EXPECT_EQ(SideToMove, SideYellow);
    EXPECT_EQ(View.Turn, TurnShown::Yellow);
    Session.PlayLocalMove(SquareIndex(7, 7));
    EXPECT_EQ(View.Finals, (std::vector<int> { 4, 0 })); // Yellow won
    EXPECT_TRUE(GameOver);
    EXPECT_EQ(View.Turn, TurnShown::GameOver);
}

TEST_F(GameSessionTest, UndoEntersTheHistoryAndAClickAsksWhatToDo)
{
    Session.Click(53);
    Session.Undo();
    EXPECT_TRUE(Session.HistoryMode());
    EXPECT_EQ(View.Current, 1);
    View.Choice = HistoryChoice::ReturnToHistory;
    Session.Click(FirstLegal());
    EXPECT_EQ(View.ChoicesAsked, 1);
    EXPECT_EQ(GameRecord->Count, 2);
    // Playing on from here: it is the computer's turn, so it moves, and the undone move is gone.
    View.Choice = HistoryChoice::ContinueFromThis;
    Session.Click(FirstLegal());
    EXPECT_FALSE(Session.HistoryMode());
    EXPECT_EQ(GameRecord->Count, 2);
    EXPECT_EQ(GameRecord->Current, 2);
}

// The search ends while another game is opened under it: its square is not played there.
TEST_F(GameSessionTest, AResultForAGameThatIsGoneIsNotPlayed)
{
    OBoardTracker empty;
    empty.Size = 8;
    const std::string file = ::testing::TempDir() + "corvana-session-empty.kpx";
    {
        const std::vector<std::uint8_t> bytes = EncodeSavedGame(empty, { SideYellow, true });
        FILE* f = std::fopen(file.c_str(), "wb");
        ASSERT_TRUE(f);
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    SearchGate gate;
    View.WhileSearching = [&] {
        while (!gate.Holding())
            std::this_thread::yield();
        // The computer plays Yellow in the game opened: it must open that game itself.
        EXPECT_TRUE(Session.Open(file));
    };
    Session.Click(53);
    EXPECT_EQ(gate.Arrived(), 2);
    ASSERT_EQ(GameRecord->Count, 1);
    EXPECT_EQ(GameRecord->Entries[0].MoverSide, SideYellow);
    EXPECT_EQ(SideToMove, SideGreen);
    std::remove(file.c_str());
}

// A game that starts from a set-up position (GGF, the one-line format) is refused with the reason
// by Open and Paste, and the game on the board goes on untouched.
TEST_F(GameSessionTest, AGameFromASetUpPositionIsRefusedAndNothingChanges)
{
    Session.Click(53);
    ASSERT_EQ(GameRecord->Count, 2);
    const Board before = BoardStack[0];
    const std::string line = "O--OOOOX-OOOOOOXOOXXOOOXOOXOOOXXOOOOOOXX---OOOOX----O--X-------- X";
    const std::string file = ::testing::TempDir() + "corvana-session-setup.ggf";
    {
        FILE* f = std::fopen(file.c_str(), "wb");
        ASSERT_TRUE(f);
        const std::string ggf = "(;GM[Othello]BO[8 O--OOOO* -OOOOOO* OO**OOO* OO*OOO** OOOOOO** "
                                "---OOOO* ----O--* -------- *]B[a2];)";
        std::fwrite(ggf.data(), 1, ggf.size(), f);
        std::fclose(f);
    }
    EXPECT_FALSE(Session.Open(file));
    ASSERT_EQ(View.Errors.size(), 1u);
    EXPECT_EQ(View.Errors[0],
        "corvana-session-setup.ggf was not opened: the game starts from a set-up position, and "
        "games are played here from the usual start");
    const Status pasted = Session.PasteGame(line);
    ASSERT_FALSE(pasted);
    EXPECT_NE(pasted.Failure().Message.find("set-up position"), std::string::npos);
    EXPECT_EQ(GameRecord->Count, 2);
    EXPECT_EQ(BoardStack[0], before);
    EXPECT_EQ(SideToMove, SideYellow);
    std::remove(file.c_str());
}

// A restart (from the network peer) while the result is shown: the new game is not over.
TEST_F(GameSessionTest, WhatComesAfterADialogBelongsToTheGameItWasShownFor)
{
    OpponentIsComputer = false;
    SetPosition({ "YYYYYYYY", "YYYYYYYY", "YYYYYYYY", "YYYYYYYY", "YYYYYYYY", "YYYYYYYY",
                    "YYYYYYYG", "YYYYYYY." },
        SideYellow);
    ASSERT_TRUE(Routines.IsLegalMove(BoardStack[0], SquareIndex(7, 7), SideYellow, SideGreen));
    View.WhileFinalOpen = [&] { Session.ResetGame(); };
    Session.PlayLocalMove(SquareIndex(7, 7));
    EXPECT_EQ(View.Finals, std::vector<int> { 0 });
    EXPECT_FALSE(GameOver);
    EXPECT_EQ(View.Turn, TurnShown::Yellow);

    // The same under a pass dialog: the new game's turn is not overwritten afterwards.
    SetPosition({ "YYYYYYYY", "YYYYYYYY", "YYYYYYYY", "YYYYYYYY", "YYYYYYYY", "YYYYYYGG",
                    "YYYYYYG.", "YYYYYYG." },
        SideYellow);
    View.WhileFinalOpen = [&] {
        Session.ResetGame();
        SideToMove = SideGreen; // as if the new game had gone on meanwhile
        View.ShowTurn(TurnShown::Green);
    };
    Session.PlayLocalMove(SquareIndex(7, 6));
    EXPECT_EQ(View.Turn, TurnShown::Green);
}

TEST_F(GameSessionTest, APassReportedWithALegalMoveIsABugAndTheMoveIsPlayed)
{
    // Green's one move is the centre square D5, which the search never tries.
    SetPosition({ "........", "...G....", "...Y....", "........", "........", "........",
                    "........", "........" },
        SideGreen);
    Session.MakeComputerMove();
    EXPECT_EQ(InvariantFailures, 1);
    InvariantFailures = 0;
    EXPECT_EQ(int(BoardStack[0][SquareIndex(3, 3)]), int(CellGreen));
}

TEST_F(GameSessionTest, AMoveOfTheLocalPlayerGoesToThePeerInANetworkGame)
{
    NetSize10 = false;
    NetLocalGreen = false;
    Session.StartNetworkGame();
    EXPECT_TRUE(NetworkGame);
    EXPECT_FALSE(OpponentIsComputer);
    Session.Click(53);
    EXPECT_EQ(View.SentMoves, (std::vector<std::pair<int, int>> { { 4, 2 } }));
    // Not the local player's turn: a click plays nothing; the peer's move does.
    Session.Click(FirstLegal());
    EXPECT_EQ(GameRecord->Count, 1);
    const int reply = FirstLegal();
    RemoteMoveCol = reply / RowWidth() - 1;
    RemoteMoveRow = reply % RowWidth() - 1;
    RemoteMovePending = true;
    Session.ApplyRemoteMove();
    EXPECT_EQ(GameRecord->Count, 2);
    EXPECT_FALSE(View.UndoRedo);
    Session.EndNetworkGame();
    NetworkGame = false;
}
