// The turn logic: applying a move, handing the turn on, passes and the end of a game, the
// computer's move, the history mode, and opening and saving games.
//
// Modal dialogs (the pass and result dialogs, the history choice, the file dialogs, the wait for
// the search) run the event loop, and network messages are handled inside them: a restart or the
// peer's next move may change the game meanwhile. Every change moves GameStamp on, and what is
// left to do after a dialog or a search is done only when the stamp is still the same.
#include "GameSession.h"

#include <cstdio>
#include <filesystem>

#include "GameFiles.h"
#include "GameFlow.h"
#include "Invariant.h"
#include "MoveRules.h"
#include "NetState.h"
#include "Notation.h"
#include "RoutineTable.h"
#include "SafeFile.h"
#include "Search.h"
#include "SearchThread.h"
#include "Settings.h"

namespace {

const char* MoveSound(int figureSet)
{
    static const char* const Sounds[] = { "SOUND_FLAME", "SOUND_ROTATE", "SOUND_BUGS" };
    return Sounds[figureSet >= 0 && figureSet < 3 ? figureSet : 0];
}

TurnShown Turn() { return SideToMove == SideGreen ? TurnShown::Green : TurnShown::Yellow; }

int CountDiscs(int side)
{
    int n = 0;
    for (const Cell c : BoardStack[0])
        n += c == side;
    return n;
}

} // namespace

GameSession::GameSession(GameView& view)
    : View(view)
{
}

bool GameSession::TakesInput() const
{
    return !SearchRunning.load(std::memory_order_acquire) && !WaitingForSearch
        && !(NetworkGame && SideToMove != ComputerSide);
}

// A new game on board 0 with the view to match: no previous move to show, not in history mode,
// undo and redo off, the panels of a start position.
void GameSession::ResetGame()
{
    GameChanged();
    ::NewGame();
    View.ForgetPreviousBoard();
    History = false;
    DisableUndoRedo();
    View.ShowTurn(TurnShown::Yellow);
    View.ShowScore(2, 2);
    View.ShowCounter(0, 0);
}

void GameSession::NewGame()
{
    if (NetworkGame) {
        // Both copies start again with the terms of the call; the peer obeys without asking.
        View.SendRestart();
        StartNetworkGame();
        return;
    }
    // As Open does: a search still running is for the game left behind (the master engine's
    // would otherwise go on for the rest of its time budget).
    GameChanged();
    if (SearchRunning.load(std::memory_order_acquire))
        CancelSearch();
    ResetGame();
    View.DrawPosition();
    MakeComputerMove();
}

void GameSession::Click(int square)
{
    if (GameOver || SearchRunning.load(std::memory_order_acquire)
        || (NetworkGame && SideToMove != ComputerSide))
        return;
    if (!History) {
        PlayLocalMove(square);
        return;
    }
    switch (View.AskHistoryChoice()) {
    case HistoryChoice::ContinueFromLast:
        while (GameRecord->Redo()) { }
        GameChanged();
        UpdateMoveCounter();
        RefreshHistoryStatus();
        View.DrawPosition();
        History = false;
        // Play on from the end of the record: when the computer is to move there, it moves.
        MakeComputerMove();
        break;
    case HistoryChoice::ContinueFromThis:
        History = false;
        if (OpponentIsComputer && SideToMove == ComputerSide)
            MakeComputerMove();
        break;
    case HistoryChoice::ReturnToHistory:
        break;
    }
}

void GameSession::PlayLocalMove(int square)
{
    if (!IsPlayableSquare(BoardSize, square)
        || !Routines.IsLegalMove(BoardStack[0], square, SideToMove, Opponent()))
        return; // an illegal square is ignored without a sound or a message
    if (!ApplyMove(square, true, false))
        return;
    FinishMove();
    View.ShowHover();
    UpdateUndoRedo();
}

// Steps shared by every move before the turn is handed on: record, play, count, sound, animation.
// Every caller has checked the move; a square that is not legal here is a bug, and it is refused
// rather than recorded.
bool GameSession::ApplyMove(int square, bool local, bool remote)
{
    const int side = SideToMove;
    const int other = Opponent();
    if (!CORVANA_INVARIANT(IsPlayableSquare(BoardSize, square)
                && Routines.IsLegalMove(BoardStack[0], square, side, other),
            "a move applied is legal for the side to move"))
        return false;
    GameChanged();
    if (local || remote)
        View.EraseHover();
    View.RememberBoard();
    GameRecord->Push(square, side, other);
    const int before = CountDiscs(side);
    Routines.MakeMove(BoardStack[0], square, side, other);
    View.MovePlayed(side, square, CountDiscs(side) - before - 1);
    UpdateMoveCounter();
    if (AnimationOn)
        View.PlaySound(MoveSound(FigureSet));
    View.AnimateMove();
    if (!AnimationOn)
        View.PlaySound("SOUND_CLICK");
    if (local && NetworkGame) {
        // Sent before the turn passes, so the peer learns of it however this copy goes on.
        const int rw = RowWidth();
        View.SendMove(square / rw - 1, square % rw - 1);
    }
    return true;
}

void GameSession::MakeComputerMove()
{
    // One search at a time. A game that changes while a search is waited for (opened, restarted,
    // begun over the network) is looked at again by that wait's caller when the wait ends.
    if (WaitingForSearch)
        return;
    for (;;) {
        if (GameOver || History || !OpponentIsComputer || SideToMove != ComputerSide
            || View.Closing())
            return;
        int square = SearchAndWait();
        if (View.Closing())
            return;
        // The search answered for a position that is gone: think again about the one shown.
        if (LastSearchStale)
            continue;
        if (square == PassMove) {
            const int fallback = FirstLegalSquare();
            if (!CORVANA_INVARIANT(fallback == PassMove, "the search passes only without a move"))
                square = fallback;
        }
        if (square != PassMove && !ApplyMove(square, false, false))
            return;
        FinishMove();
        return;
    }
}

// The first legal square of SideToMove in the square order, or PassMove.
int GameSession::FirstLegalSquare() const
{
    const SquareOrder order = MoveOrderFor(BoardSize);
    for (int i = 0; i < order.Length; ++i)
        if (Routines.IsLegalMove(BoardStack[0], order.Squares[i], SideToMove, Opponent()))
            return order.Squares[i];
    return PassMove;
}

int GameSession::SearchAndWait()
{
    View.ThinkingStarted();
    DisableUndoRedo();
    const std::uint64_t stamp = GameStamp;
    WaitingForSearch = true;
    StartSearch();
    // The window keeps working while the search runs: repaint, menu items still enabled.
    if (SearchRunning.load(std::memory_order_acquire))
        View.WaitWhileSearching();
    WaitingForSearch = false;

    const int square = BestMoves[0];
    // A result belongs to the game and the position it was asked about: one cut short, or one
    // that finished while another game was opened or begun, is no move of the game shown.
    LastSearchStale = GameStamp != stamp || (SearchThread && SearchThread->Terminated());
    View.ThinkingEnded();
    UpdateUndoRedo();
    return square;
}

std::optional<int> GameSession::Hint()
{
    if (GameOver || NetworkGame || WaitingForSearch)
        return std::nullopt;
    const int square = SearchAndWait();
    if (View.Closing())
        return std::nullopt;
    if (LastSearchStale) {
        // Another game came while the hint was thought about; it may be the computer's turn there.
        MakeComputerMove();
        return std::nullopt;
    }
    if (square == PassMove)
        return std::nullopt;
    return square;
}

void GameSession::FinishMove()
{
    View.DrawPosition();
    const PositionScan scan = ScanPosition(BoardStack[0]);
    View.ShowScore(scan.Yellow, scan.Green);
    const std::uint64_t stamp = GameStamp;
    const TurnResult turn = AdvanceTurn(scan);
    View.TurnChanged();
    switch (turn) {
    case TurnResult::GameEnded:
        View.ShowTurn(TurnShown::GameOver);
        if (scan.Yellow == scan.Green)
            View.ShowFinal(2, 0, 0);
        else if (scan.Green > scan.Yellow)
            View.ShowFinal(1, scan.Green, scan.Yellow);
        else
            View.ShowFinal(0, scan.Yellow, scan.Green);
        if (GameStamp == stamp)
            GameOver = true;
        return;
    case TurnResult::Passed:
        // The side that could not move is the one that is not moving again.
        View.ShowFinal(Opponent() == SideYellow ? 3 : 4, 0, 0);
        if (GameStamp != stamp)
            return; // the game moved on under the dialog, and what came finished itself
        break;
    case TurnResult::NextSide:
        break;
    }
    View.ShowTurn(Turn());
    View.RepaintStatus();
    MakeComputerMove();
    if (NetworkGame)
        View.ShowNetworkTurn(SideToMove == ComputerSide);
}

void GameSession::RefreshHistoryStatus()
{
    const PositionScan scan = ScanPosition(BoardStack[0]);
    View.ShowScore(scan.Yellow, scan.Green);
    GameOver = scan.BothStuck();
    if (GameOver) {
        View.ShowTurn(TurnShown::GameOver);
        History = false;
        return;
    }
    if (scan.YellowStuck && SideToMove == SideYellow)
        SideToMove = SideGreen;
    if (scan.GreenStuck && SideToMove == SideGreen)
        SideToMove = SideYellow;
    View.ShowTurn(Turn());
    History = true;
}

void GameSession::UpdateMoveCounter() { View.ShowCounter(GameRecord->Current, GameRecord->Count); }

void GameSession::Undo()
{
    if (!GameRecord->Undo())
        return;
    GameChanged();
    UpdateMoveCounter();
    RefreshHistoryStatus();
    View.DrawPosition();
}

void GameSession::Redo()
{
    if (!GameRecord->Redo())
        return;
    GameChanged();
    UpdateMoveCounter();
    RefreshHistoryStatus();
    View.DrawPosition();
    if (GameRecord->Current == GameRecord->Count && History) {
        History = false;
        // Back at the end of the game: play goes on, with the computer's move if it is its turn.
        MakeComputerMove();
    }
}

void GameSession::DisableUndoRedo() { View.SetUndoRedoEnabled(false); }

void GameSession::UpdateUndoRedo()
{
    if (NetworkGame) {
        DisableUndoRedo();
        return;
    }
    if (GameRecord->Count > 1)
        View.SetUndoRedoEnabled(true);
}

Status GameSession::Save(const std::string& fileName, const GgfDetails& details) const
{
    // A network game is saved as one against nobody, so that it opens as a two-player game.
    const SavedGameSettings settings { ComputerSide, NetworkGame ? false : OpponentIsComputer };
    return WriteGameFile(fileName, *GameRecord, settings, details);
}

namespace {

// The window plays games from the usual start only (its record keeps the board before each move,
// and a game without moves has nothing to keep a set-up position in).
Status PlayableHere(const WrittenGame& game)
{
    if (IsUsualStart(game.Start))
        return {};
    return Error { ErrorKind::Unsupported,
        "the game starts from a set-up position, and games are played here from the usual "
        "start" };
}

} // namespace

bool GameSession::Open(const std::string& fileName)
{
    Result<LoadedGame> loaded = ReadGameFile(fileName);
    if (!loaded) {
        // Not a saved game at all: nothing is said and nothing changes.
        if (loaded.Failure().Kind != ErrorKind::NotOurs)
            View.ShowError("Open...", loaded.Failure().Message);
        return false;
    }
    if (const Status playable = PlayableHere(loaded.Value().Game); !playable) {
        View.ShowError(
            "Open...", BaseName(fileName) + " was not opened: " + playable.Failure().Message);
        return false;
    }
    OpenRecord(std::move(loaded.Value().Game.Record), loaded.Value().Settings);
    return true;
}

Status GameSession::PasteGame(std::string_view text)
{
    Result<WrittenGame> read = ReadGameText(text);
    if (!read)
        return read.Failure();
    if (const Status playable = PlayableHere(read.Value()); !playable)
        return playable;
    OpenRecord(std::move(read.Value().Record), std::nullopt);
    return {};
}

std::string GameSession::CopyGame() const { return TranscriptOf(*GameRecord); }

void GameSession::OpenRecord(OBoardTracker record, const std::optional<SavedGameSettings>& settings)
{
    *GameRecord = std::move(record);
    // Only a saved game says who plays; a game read as text keeps the players set.
    if (settings) {
        ComputerSide = settings->ComputerSide;
        OpponentIsComputer = settings->OpponentIsComputer;
    }
    // From here on a search still waited for has no move for the game shown.
    GameChanged();
    if (SearchRunning.load(std::memory_order_acquire))
        CancelSearch();

    if (GameRecord->Size != BoardSize) {
        View.EraseHover();
        View.MoveHoverHome();
        BoardSize = GameRecord->Size;
        // The rules of the new size before anything (the loading panel's event loop) can ask.
        SelectRoutines();
        View.BoardSizeChanged();
    }
    View.ShowGameSettings(true);

    if (GameRecord->Count == 0) {
        // A saved game without moves: a new game of its size with its players.
        ResetGame();
        View.DrawPosition();
        View.ShowHover();
        MakeComputerMove();
        return;
    }

    DisableUndoRedo();
    UpdateUndoRedo();
    View.ShowHover();
    while (GameRecord->Undo()) { }
    View.ForgetPreviousBoard();
    UpdateMoveCounter();
    RefreshHistoryStatus();
    View.DrawPosition();
    History = true;
}

void GameSession::ApplyRemoteMove()
{
    if (!RemoteMovePending)
        return;
    const int square = SquareIndex(RemoteMoveCol, RemoteMoveRow);
    if (!IsPlayableSquare(BoardSize, square)
        || !Routines.IsLegalMove(BoardStack[0], square, SideToMove, Opponent()))
        return; // an illegal move from the peer is ignored without a message
    if (!ApplyMove(square, false, true))
        return;
    FinishMove();
    View.ShowHover();
}

void GameSession::StartNetworkGame()
{
    if (SearchRunning.load(std::memory_order_acquire))
        CancelSearch();
    RemoteMovePending = false;
    View.EraseHover();
    View.MoveHoverHome();
    const int size = NetSize10 ? 10 : 8;
    if (size != BoardSize) {
        BoardSize = size;
        View.BoardSizeChanged();
    }
    View.ShowGameSettings(false);
    ResetGame();
    View.DrawPosition();
    NetworkGame = true;
    OpponentIsComputer = false;
    ComputerSide = NetLocalGreen ? SideGreen : SideYellow;
    View.ShowHover();
    View.ShowNetworkTurn(SideToMove == ComputerSide);
}

void GameSession::EndNetworkGame()
{
    NetworkGame = false;
    View.ShowNetworkTurn(true);
}

// --- beyond the original ---

namespace {

int PlayerSide() { return ComputerSide == SideYellow ? SideGreen : SideYellow; }

} // namespace

bool GameSession::CanTakeBack() const
{
    if (NetworkGame || WaitingForSearch || SearchRunning.load(std::memory_order_acquire))
        return false;
    const OBoardTracker& record = *GameRecord;
    if (record.Current == 0)
        return false;
    if (!OpponentIsComputer)
        return true;
    for (int i = record.Current - 1; i >= 0; --i)
        if (record.Entries[std::size_t(i)].MoverSide == PlayerSide())
            return true;
    return false;
}

void GameSession::TakeBack()
{
    if (!CanTakeBack())
        return;
    if (OpponentIsComputer) {
        // Back to before the player's last move: the computer's replies after it go with it.
        while (GameRecord->Current > 0) {
            const bool players = GameRecord->Entries[std::size_t(GameRecord->Current - 1)].MoverSide
                == PlayerSide();
            GameRecord->Undo();
            if (players)
                break;
        }
    } else {
        GameRecord->Undo();
    }
    GameChanged();
    History = false;
    View.ForgetPreviousBoard();
    UpdateMoveCounter();
    const PositionScan scan = ScanPosition(BoardStack[0]);
    View.ShowScore(scan.Yellow, scan.Green);
    View.ShowTurn(Turn());
    View.DrawPosition();
    View.ShowHover();
    UpdateUndoRedo();
}

bool GameSession::CanJump() const
{
    return !NetworkGame && !WaitingForSearch && !SearchRunning.load(std::memory_order_acquire);
}

void GameSession::JumpTo(int position)
{
    if (!CanJump() || position < 0 || position > GameRecord->Count
        || position == GameRecord->Current)
        return;
    while (GameRecord->Current > position && GameRecord->Undo()) { }
    while (GameRecord->Current < position && GameRecord->Redo()) { }
    GameChanged();
    UpdateMoveCounter();
    RefreshHistoryStatus();
    View.DrawPosition();
    if (GameRecord->Current == GameRecord->Count && History) {
        History = false;
        // At the end of the game play goes on, with the computer's move if it is its turn.
        MakeComputerMove();
    }
}

bool GameSession::Resume(const std::string& fileName)
{
    if (!Open(fileName))
        return false;
    JumpTo(GameRecord->Count);
    return true;
}

Status GameSession::KeepForResume(const std::string& fileName) const
{
    if (NetworkGame)
        return {};
    const OBoardTracker& record = *GameRecord;
    bool finished = record.Count == 0;
    if (!finished) {
        const TTrackerEntry& last = record.Entries.back();
        Board end = last.Before;
        RoutinesFor(record.Size).MakeMove(end, last.Move, last.MoverSide, last.OtherSide);
        finished = ScanPosition(end).BothStuck();
    }
    if (finished) {
        std::remove(fileName.c_str());
        return {};
    }
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(fileName).parent_path(), ec);
    return record.SaveToFile(fileName);
}
