// The game session without a window: moves, the computer's answers, passes and the end of a
// game, the history mode, and what happens when the game changes under a dialog or a search.
// The view is a recorder whose dialogs answer as the test says and may act "while open", as the
// window's modal loops let network messages and menu commands do.
#include <gtest/gtest.h>

#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "BoardTracker.h"
#include "Evaluation.h"
#include "GamePosition.h"
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
    std::vector<int> Finals; // the result dialog's kinds: 0 Yellow won .. 4 Green pass
    TurnShown Turn = TurnShown::Yellow;
    bool UndoRedo = false;
    int Draws = 0, Moves = 0, ChoicesAsked = 0, Thinking = 0;
    HistoryChoice Choice = HistoryChoice::ReturnToHistory;
    std::vector<PlayedMove> Played;
    // Run once while the next dialog or search wait is "open".
    std::function<void()> WhileFinalOpen, WhileSearching;

    void PositionChanged(bool) override { ++Draws; }
    void MovePlayed(const PlayedMove& move) override { Played.push_back(move); }
    void TurnChanged(TurnShown turn) override { Turn = turn; }
    void Passed(int side) override { Final(side == SideYellow ? 3 : 4); }
    void GameEnded(const GameResult& result) override
    {
        Final(result.Kind == ResultKind::YellowWon    ? 0
                : result.Kind == ResultKind::GreenWon ? 1
                                                      : 2);
    }
    void ThinkingChanged(bool thinking) override { Thinking += thinking ? 1 : -1; }
    void UndoRedoChanged(bool enabled) override { UndoRedo = enabled; }
    void BoardSizeChanged() override { }
    void GameSettingsChanged(bool) override { }
    void NetworkGameChanged(bool) override { }
    void NetworkTurnChanged(bool) override { }
    HistoryChoice AskHistoryChoice() override
    {
        ++ChoicesAsked;
        return Choice;
    }
    std::vector<std::string> Errors;
    void ShowError(const std::string&, const Error& error) override
    {
        Errors.push_back(error.Message);
    }
    SearchOutcome WaitForSearch(std::uint64_t stamp) override
    {
        if (auto during = std::exchange(WhileSearching, nullptr))
            during();
        std::unique_lock lock(Mutex);
        Arrived.wait(lock, [&] { return Outcome && Outcome->Stamp == stamp; });
        return *std::exchange(Outcome, std::nullopt);
    }
    void SearchFinished(const SearchOutcome& outcome) override
    {
        {
            const std::lock_guard lock(Mutex);
            Outcome = outcome;
        }
        Arrived.notify_all();
    }
    int EditorClosings = 0;
    void EditorClosed() override { ++EditorClosings; }
    bool Closing() const override { return false; }

private:
    void Final(int kind)
    {
        Finals.push_back(kind);
        if (auto during = std::exchange(WhileFinalOpen, nullptr))
            during();
    }
    std::mutex Mutex;
    std::condition_variable Arrived;
    std::optional<SearchOutcome> Outcome;
};

class RecordingPeer : public GamePeer {
public:
    std::vector<Square> SentMoves;
    int Restarts = 0;
    void SendMove(const Square& square) override { SentMoves.push_back(square); }
    void SendRestart() override { ++Restarts; }
};

Square Sq(int index) { return Square::AtIndex(BoardSize, index); }

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
    RecordingPeer Peer;
    GameSession Session { View, &Peer };

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
    Session.Click(Sq(53)); // E6
    EXPECT_EQ(GameRecord->Count, 2);
    EXPECT_EQ(GameRecord->Entries[1].MoverSide, SideGreen);
    EXPECT_EQ(View.Turn, TurnShown::Yellow);
    EXPECT_EQ(GameRecord->Current, 2);
    EXPECT_TRUE(View.UndoRedo);
    // An illegal square does nothing at all.
    const int draws = View.Draws;
    Session.Click(Sq(11));
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
    Session.Play({ Sq(h2), MoveSource::Player });
    EXPECT_EQ(View.Finals, std::vector<int> { 4 }); // "Green pass"
    EXPECT_EQ(SideToMove, SideYellow);
    EXPECT_EQ(View.Turn, TurnShown::Yellow);
    Session.Play({ Sq(SquareIndex(7, 7)), MoveSource::Player });
    EXPECT_EQ(View.Finals, (std::vector<int> { 4, 0 })); // Yellow won
    EXPECT_TRUE(GameOver);
    EXPECT_EQ(View.Turn, TurnShown::GameOver);
}

TEST_F(GameSessionTest, UndoEntersTheHistoryAndAClickAsksWhatToDo)
{
    Session.Click(Sq(53));
    Session.Undo();
    EXPECT_TRUE(Session.HistoryMode());
    EXPECT_EQ(GameRecord->Current, 1);
    View.Choice = HistoryChoice::ReturnToHistory;
    Session.Click(Sq(FirstLegal()));
    EXPECT_EQ(View.ChoicesAsked, 1);
    EXPECT_EQ(GameRecord->Count, 2);
    // Playing on from here: it is the computer's turn, so it moves, and the undone move is gone.
    View.Choice = HistoryChoice::ContinueFromThis;
    Session.Click(Sq(FirstLegal()));
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
    Session.Click(Sq(53));
    EXPECT_EQ(gate.Arrived(), 2);
    ASSERT_EQ(GameRecord->Count, 1);
    EXPECT_EQ(GameRecord->Entries[0].MoverSide, SideYellow);
    EXPECT_EQ(SideToMove, SideGreen);
    std::remove(file.c_str());
}

// A game that starts from a set-up position (GGF, the one-line format) is refused with the reason
// by Open and Paste, and the game on the board goes on untouched.
// A position set up elsewhere (GGF with its board, the one-line form) is played from where it
// stands, undone to its start, saved as GGF and read back; a saved game (.kpx) cannot keep it.
TEST_F(GameSessionTest, AGameFromASetUpPositionIsPlayedSavedAndReadBack)
{
    const std::string dir = ::testing::TempDir();
    const std::string ggfFile = dir + "corvana-session-setup.ggf";
    {
        FILE* f = std::fopen(ggfFile.c_str(), "wb");
        ASSERT_TRUE(f);
        const std::string ggf = "(;GM[Othello]BO[8 O--OOOO* -OOOOOO* OO**OOO* OO*OOO** OOOOOO** "
                                "---OOOO* ----O--* -------- *]B[a2];)";
        std::fwrite(ggf.data(), 1, ggf.size(), f);
        std::fclose(f);
    }
    OpponentIsComputer = false;
    ASSERT_TRUE(Session.Open(ggfFile)) << (View.Errors.empty() ? "" : View.Errors[0]);
    EXPECT_TRUE(View.Errors.empty());
    EXPECT_FALSE(IsUsualStart(Session.StartPosition()));
    ASSERT_EQ(GameRecord->Count, 1);
    // Opened in the history at its start: the set-up board, Yellow to move.
    EXPECT_EQ(GameRecord->Current, 0);
    EXPECT_EQ(BoardStack[0], Session.StartPosition().Cells);
    EXPECT_EQ(SideToMove, SideYellow);
    Session.JumpTo(1);
    const Board afterA2 = BoardStack[0];

    const std::string kpx = dir + "corvana-session-setup.kpx";
    std::remove(kpx.c_str());
    const Status saved = Session.Save(kpx);
    ASSERT_FALSE(saved);
    EXPECT_NE(saved.Failure().Message.find("set-up position"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(kpx));

    const std::string again = dir + "corvana-session-setup-again.ggf";
    ASSERT_TRUE(Session.Save(again));
    Session.ResetGame();
    EXPECT_TRUE(IsUsualStart(Session.StartPosition()));
    ASSERT_TRUE(Session.Open(again));
    Session.JumpTo(GameRecord->Count);
    EXPECT_EQ(BoardStack[0], afterA2);

    // Copy gives GGF, which Paste takes back.
    const std::string copied = Session.CopyGame();
    EXPECT_EQ(copied.rfind("(;", 0), 0u);
    Session.ResetGame();
    ASSERT_TRUE(Session.PasteGame(copied));
    Session.JumpTo(GameRecord->Count);
    EXPECT_EQ(BoardStack[0], afterA2);

    // The one-line form, as the endgame suites write positions.
    ASSERT_TRUE(
        Session.PasteGame("O--OOOOX-OOOOOOXOOXXOOOXOOXOOOXXOOOOOOXX---OOOOX----O--X-------- X"));
    EXPECT_EQ(GameRecord->Count, 0);
    EXPECT_EQ(SideToMove, SideYellow);
    EXPECT_EQ(BoardStack[0], Session.StartPosition().Cells);
    std::remove(ggfFile.c_str());
    std::remove(again.c_str());
}

TEST_F(GameSessionTest, PlayFromRefusesWhatNoGameReachesAndChangesNothing)
{
    Session.Click(Sq(53));
    ASSERT_EQ(GameRecord->Count, 2);
    const Board before = BoardStack[0];

    // Green to move but stuck, while Yellow can play: Green would have passed.
    // (Green's only disc is a2, walled in by Yellow's a3 to a8; Yellow takes it from a1.)
    GamePosition stuck = UsualStart(8);
    for (int i = 0; i < BoardCells; ++i)
        if (stuck.Cells[i] == CellGreen)
            stuck.Cells[i] = CellYellow;
    for (const char* name : { "a3", "a4", "a5", "a6", "a7", "a8" })
        stuck.Cells[Square::Named(8, name)->Index()] = CellYellow;
    stuck.Cells[Square::Named(8, "a2")->Index()] = CellGreen;
    stuck.SideToMove = SideGreen;
    const Status refused = Session.PlayFrom(stuck);
    ASSERT_FALSE(refused);
    EXPECT_NE(
        refused.Failure().Message.find("Green is to move but has no legal move"), std::string::npos)
        << refused.Failure().Message;

    // Neither side can move.
    GamePosition over = UsualStart(8);
    for (int i = 0; i < BoardCells; ++i)
        if (over.Cells[i] == CellGreen)
            over.Cells[i] = CellYellow;
    const Status ended = Session.PlayFrom(over);
    ASSERT_FALSE(ended);
    EXPECT_NE(ended.Failure().Message.find("neither side can move"), std::string::npos);

    // Only one side's discs is a position like any other: Yellow to move plays.
    EXPECT_EQ(GameRecord->Count, 2);
    EXPECT_EQ(BoardStack[0], before);

    GamePosition fromGreen = UsualStart(8);
    fromGreen.SideToMove = SideGreen;
    OpponentIsComputer = true;
    ComputerSide = SideGreen;
    ASSERT_TRUE(Session.PlayFrom(fromGreen));
    // The computer plays Green and moves first.
    ASSERT_EQ(GameRecord->Count, 1);
    EXPECT_EQ(GameRecord->Entries[0].MoverSide, SideGreen);
    EXPECT_EQ(SideToMove, SideYellow);
    EXPECT_FALSE(IsUsualStart(Session.StartPosition()));
}

// The editor borrows board 0: nothing is played meanwhile, Cancel brings the game back as it was,
// and another game (a network game) ends the editing.
TEST_F(GameSessionTest, EditingLendsTheBoardAndGivesTheGameBack)
{
    Session.Click(Sq(53));
    ASSERT_EQ(GameRecord->Count, 2);
    const Board before = BoardStack[0];
    Session.BeginEditing();
    EXPECT_TRUE(Session.Editing());
    BoardStack[0][Square::Named(8, "a1")->Index()] = CellGreen;
    SideToMove = SideGreen;
    Session.Click(Sq(FirstLegal()));
    EXPECT_FALSE(Session.Hint().has_value());
    EXPECT_FALSE(Session.CanTakeBack());
    EXPECT_EQ(GameRecord->Count, 2);
    Session.EndEditing();
    EXPECT_FALSE(Session.Editing());
    EXPECT_EQ(BoardStack[0], before);
    EXPECT_EQ(SideToMove, SideYellow);
    EXPECT_EQ(View.EditorClosings, 0);

    Session.BeginEditing();
    NetworkGame = true;
    Session.StartNetworkGame();
    EXPECT_FALSE(Session.Editing());
    EXPECT_EQ(View.EditorClosings, 1);
    EXPECT_FALSE(Session.PlayFrom(UsualStart(8)));
    NetworkGame = false;
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
    Session.Play({ Sq(SquareIndex(7, 7)), MoveSource::Player });
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
        View.TurnChanged(TurnShown::Green);
    };
    Session.Play({ Sq(SquareIndex(7, 6)), MoveSource::Player });
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
    Session.Click(Sq(53));
    EXPECT_EQ(Peer.SentMoves, std::vector<Square> { Sq(53) });
    // Not the local player's turn: a click plays nothing; the peer's move does.
    Session.Click(Sq(FirstLegal()));
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

// The player's, the computer's and the peer's moves take one path, checked once: whose turn it is
// and whether the square is legal. A refused move changes nothing; a played one is recorded,
// shown with what it turned, and the player's own goes to the peer.
TEST_F(GameSessionTest, EveryMoveTakesOnePathCheckedForItsTurn)
{
    const Board start = BoardStack[0];
    // Against the computer, Yellow (the player) to move: neither the computer nor a peer may.
    EXPECT_FALSE(Session.Play({ Sq(53), MoveSource::Peer }));
    EXPECT_FALSE(Session.Play({ Sq(53), MoveSource::Computer }));
    EXPECT_EQ(InvariantFailures, 1); // the computer's refused move is a bug of its caller
    InvariantFailures = 0;
    EXPECT_FALSE(Session.Play({ Sq(11), MoveSource::Player })); // not legal
    EXPECT_FALSE(Session.Play({ Square::At(10, 4, 2), MoveSource::Player })); // another board
    EXPECT_EQ(GameRecord->Count, 0);
    EXPECT_TRUE(View.Played.empty());
    EXPECT_EQ(BoardStack[0], start);

    // The player's move, and the computer's answer through the same path.
    ASSERT_TRUE(Session.Play({ Sq(53), MoveSource::Player }));
    ASSERT_EQ(View.Played.size(), 2u);
    EXPECT_EQ(View.Played[0].Side, SideYellow);
    EXPECT_EQ(View.Played[0].At, Sq(53));
    EXPECT_EQ(View.Played[0].Turned, 1);
    EXPECT_EQ(View.Played[0].Before, start);
    EXPECT_EQ(View.Played[1].Source, MoveSource::Computer);
    EXPECT_TRUE(Peer.SentMoves.empty()); // no peer outside a network game

    // A network game, this copy Yellow: the peer moves only on Green's turn, and its move is
    // kept where the design keeps the peer's last move.
    NetLocalGreen = false;
    NetSize10 = false;
    Session.StartNetworkGame();
    EXPECT_FALSE(Session.Play({ Sq(53), MoveSource::Peer }));
    EXPECT_FALSE(Session.Play({ Sq(53), MoveSource::Computer }));
    InvariantFailures = 0;
    ASSERT_TRUE(Session.Play({ Sq(53), MoveSource::Player }));
    EXPECT_EQ(Peer.SentMoves, std::vector<Square> { Sq(53) });
    const Square reply = Sq(FirstLegal());
    EXPECT_FALSE(Session.Play({ reply, MoveSource::Player })); // the peer's turn
    EXPECT_FALSE(Session.Play({ Sq(11), MoveSource::Peer })); // illegal: ignored
    RemoteMovePending = false;
    ASSERT_TRUE(Session.Play({ reply, MoveSource::Peer }));
    EXPECT_TRUE(RemoteMovePending);
    EXPECT_EQ(RemoteMoveCol, reply.Col());
    EXPECT_EQ(RemoteMoveRow, reply.Row());
    EXPECT_EQ(GameRecord->Count, 2);
    EXPECT_EQ(Peer.SentMoves.size(), 1u); // the peer's own move is not sent back
    Session.EndNetworkGame();
}

// The search thread hands its outcome over with the game it was started for, and the move is
// played once it comes.
TEST_F(GameSessionTest, TheSearchReportsItsEndWithItsGame)
{
    SearchGate gate;
    std::uint64_t askedFor = 0;
    View.WhileSearching = [&] {
        while (!gate.Holding())
            std::this_thread::yield();
        askedFor = Session.Stamp();
        gate.Release();
    };
    Session.Click(Sq(53));
    EXPECT_EQ(gate.Arrived(), 1);
    EXPECT_NE(askedFor, 0u);
    EXPECT_EQ(GameRecord->Count, 2); // the outcome came, and its move was played
    EXPECT_EQ(View.Thinking, 0);
}

// "Move now" while the computer thinks: it plays at once what it has found so far, which is a
// legal move even before the first root move is through.
TEST_F(GameSessionTest, MoveNowPlaysTheBestMoveFoundSoFar)
{
    SearchGate gate;
    Level = 9;
    View.WhileSearching = [&] {
        while (!gate.Holding())
            std::this_thread::yield();
        EXPECT_TRUE(Session.CanMoveNow());
        Session.MoveNow();
    };
    Session.Click(Sq(53));
    ASSERT_EQ(GameRecord->Count, 2);
    // Stopped before any root move was through: the first of the square order it had begun with.
    Board before = GameRecord->Entries[1].Before;
    const SquareOrder order = MoveOrderFor(8);
    int first = PassMove;
    for (int i = 0; i < order.Length && first == PassMove; ++i)
        if (Routines.IsLegalMove(before, order.Squares[i], SideGreen, SideYellow))
            first = order.Squares[i];
    EXPECT_EQ(GameRecord->Entries[1].Move, first);
    EXPECT_EQ(GameRecord->Entries[1].MoverSide, SideGreen);
    EXPECT_FALSE(Session.CanMoveNow());
    Session.MoveNow(); // nothing to hurry: nothing happens
    EXPECT_EQ(GameRecord->Count, 2);
}
