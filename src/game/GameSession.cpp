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

TurnShown Turn() { return SideToMove == SideGreen ? TurnShown::Green : TurnShown::Yellow; }

// Both copies of a network game start from the usual position.
Error NotOverTheNetwork()
{
    return Error { ErrorKind::Unsupported,
        Say(QT_TRANSLATE_NOOP(
            "Reasons", "a game from a set-up position is not played over the network")) };
}

int CountDiscs(int side)
{
    int n = 0;
    for (const Cell c : BoardStack[0])
        n += c == side;
    return n;
}

} // namespace

GameGuard::GameGuard(const GameSession& session)
    : Session(session)
    , Started(session.Stamp())
{
}

bool GameGuard::Changed() const { return Session.Stamp() != Started; }

GameSession::GameSession(GameView& view, GamePeer* peer)
    : View(view)
    , Peer(peer)
{
}

bool GameSession::TakesInput() const
{
    return !SearchRunning.load(std::memory_order_acquire) && !WaitingForSearch
        && !(NetworkGame && SideToMove != ComputerSide);
}

// A new game on board 0 with the view to match: no previous move to show, not in history mode,
// undo and redo off, the panels of a start position.
void GameSession::ResetGame() { ResetTo(UsualStart(BoardSize)); }

void GameSession::ResetTo(const GamePosition& start)
{
    StopEditing();
    GameChanged();
    ::NewGame();
    Start = start;
    if (!IsUsualStart(start)) {
        BoardStack[0] = start.Cells;
        SideToMove = start.SideToMove;
    }
    History = false;
    DisableUndoRedo();
    View.TurnChanged(Turn());
    View.PositionChanged(true);
}

void GameSession::BeginEditing()
{
    if (EditingNow)
        return;
    // A search waited for now belongs to the game put aside.
    GameChanged();
    if (SearchRunning.load(std::memory_order_acquire))
        CancelSearch();
    EditedFrom = BoardStack[0];
    EditedSide = SideToMove;
    EditedOver = GameOver;
    EditingNow = true;
}

void GameSession::EndEditing()
{
    if (!EditingNow)
        return;
    EditingNow = false;
    BoardStack[0] = EditedFrom;
    SideToMove = EditedSide;
    GameOver = EditedOver;
    GameChanged();
    View.PositionChanged(true);
    View.TurnChanged(GameOver ? TurnShown::GameOver : Turn());
    // The computer's move that the editor interrupted.
    MakeComputerMove();
}

void GameSession::StopEditing()
{
    if (!EditingNow)
        return;
    EditingNow = false;
    View.EditorClosed();
}

void GameSession::ChangeSize(int size)
{
    if (size == BoardSize)
        return;
    BoardSize = size;
    // The rules of the new size before anything (the loading panel's event loop) can ask.
    SelectRoutines();
    View.BoardSizeChanged();
}

Status GameSession::CanPlayFrom(const GamePosition& start) const
{
    if (NetworkGame)
        return NotOverTheNetwork();
    if (const Status reachable = CheckReachable(start); !reachable)
        return reachable;
    if (SideDue(start.Size, start.Cells, start.SideToMove) == 0)
        return Error { ErrorKind::Damaged,
            Say(QT_TRANSLATE_NOOP("Reasons", "neither side can move: the game would be over")) };
    return {};
}

Status GameSession::PlayFrom(const GamePosition& start)
{
    if (const Status playable = CanPlayFrom(start); !playable)
        return playable;
    EditingNow = false; // the editor's board becomes the game's
    GameChanged();
    if (SearchRunning.load(std::memory_order_acquire))
        CancelSearch();
    ChangeSize(start.Size);
    View.GameSettingsChanged(true);
    ResetTo(PositionToMove(start.Size, start.Cells, start.SideToMove));
    PlayedHere = true;
    MakeComputerMove();
    return {};
}

void GameSession::NewGame()
{
    if (NetworkGame) {
        // Both copies start again with the terms of the call; the peer obeys without asking.
        if (Peer)
            Peer->SendRestart();
        StartNetworkGame();
        return;
    }
    // As Open does: a search still running is for the game left behind (the master engine's
    // would otherwise go on for the rest of its time budget).
    GameChanged();
    if (SearchRunning.load(std::memory_order_acquire))
        CancelSearch();
    ResetGame();
    MakeComputerMove();
}

void GameSession::Click(const Square& square)
{
    if (EditingNow || GameOver || SearchRunning.load(std::memory_order_acquire)
        || (NetworkGame && SideToMove != ComputerSide))
        return;
    if (!History) {
        Play({ square, MoveSource::Player });
        return;
    }
    const GameGuard guard(*this);
    const HistoryChoice choice = View.AskHistoryChoice();
    if (guard.Changed())
        return; // another game came while the dialog was open: the answer was for the old one
    switch (choice) {
    case HistoryChoice::ContinueFromLast:
        while (GameRecord->Redo()) { }
        GameChanged();
        RefreshHistoryStatus();
        View.PositionChanged(false);
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

bool GameSession::MayPlay(const Move& move) const
{
    if (EditingNow || GameOver || !move.At.Valid() || move.At.Size() != BoardSize
        || !Routines.IsLegalMove(BoardStack[0], move.At.Index(), SideToMove, Opponent()))
        return false;
    const bool computersTurn = OpponentIsComputer && SideToMove == ComputerSide;
    switch (move.Source) {
    case MoveSource::Player:
        // In a network game ComputerSide is the side of the player here.
        return NetworkGame ? SideToMove == ComputerSide : !computersTurn;
    case MoveSource::Computer:
        return !NetworkGame && computersTurn;
    case MoveSource::Peer:
        return NetworkGame && SideToMove != ComputerSide;
    }
    return false;
}

bool GameSession::Play(const Move& move)
{
    if (!MayPlay(move)) {
        // The player's and the peer's moves are refused without a word; the computer's come from
        // the search, which only ever chooses a legal square.
        CORVANA_INVARIANT(move.Source != MoveSource::Computer, "the computer's move is legal");
        return false;
    }
    const int side = SideToMove;
    const int other = Opponent();
    GameChanged();
    const GameGuard guard(*this);
    if (move.Source == MoveSource::Peer) {
        // The record the design keeps of the peer's last move.
        RemoteMoveCol = move.At.Col();
        RemoteMoveRow = move.At.Row();
        RemoteMovePending = true;
    }
    PlayedMove played { side, move.At, 0, move.Source, BoardStack[0] };
    GameRecord->Push(move.At.Index(), side, other);
    PlayedHere = true;
    const int before = CountDiscs(side);
    Routines.MakeMove(BoardStack[0], move.At.Index(), side, other);
    played.Turned = CountDiscs(side) - before - 1;
    View.MovePlayed(played);
    // Sent before the turn passes, so the peer learns of it however this copy goes on.
    if (move.Source == MoveSource::Player && NetworkGame && Peer)
        Peer->SendMove(move.At);
    if (guard.Changed())
        return true; // the game moved on while the move was shown
    FinishMove();
    if (move.Source == MoveSource::Player)
        UpdateUndoRedo();
    return true;
}

void GameSession::MakeComputerMove()
{
    // One search at a time. A game that changes while a search is waited for (opened, restarted,
    // begun over the network) is looked at again by that wait's caller when the wait ends.
    if (WaitingForSearch || EditingNow)
        return;
    for (;;) {
        if (GameOver || History || !OpponentIsComputer || SideToMove != ComputerSide
            || View.Closing())
            return;
        Square square = Square::AtIndex(BoardSize, SearchAndWait());
        if (View.Closing())
            return;
        // The search answered for a position that is gone: think again about the one shown.
        if (LastSearchStale)
            continue;
        if (square.IsPass()) {
            const Square fallback = FirstLegalSquare();
            if (!CORVANA_INVARIANT(fallback.IsPass(), "the search passes only without a move"))
                square = fallback;
        }
        if (square.IsPass())
            FinishMove(); // the computer has no move: the turn goes on all the same
        else
            Play({ square, MoveSource::Computer });
        return;
    }
}

// The first legal square of SideToMove in the square order, or a pass.
Square GameSession::FirstLegalSquare() const
{
    const SquareOrder order = MoveOrderFor(BoardSize);
    for (int i = 0; i < order.Length; ++i)
        if (Routines.IsLegalMove(BoardStack[0], order.Squares[i], SideToMove, Opponent()))
            return Square::AtIndex(BoardSize, order.Squares[i]);
    return Square::Pass(BoardSize);
}

int GameSession::SearchAndWait()
{
    WaitingForSearch = true;
    View.ThinkingChanged(true);
    DisableUndoRedo();
    const GameGuard guard(*this);
    // The search thread hands its result to the view with the game it was asked about; the
    // window keeps working until it comes (repaint, the menu items still enabled).
    GameView& view = View;
    const std::uint64_t stamp = guard.Stamp();
    StartSearch([&view, stamp](int move, bool cancelled) {
        view.SearchFinished({ stamp, move, cancelled });
    });
    const SearchOutcome outcome = View.WaitForSearch(stamp);
    WaitingForSearch = false;
    // A result belongs to the game and the position it was asked about: one cut short, or one
    // that finished while another game was opened or begun, is no move of the game shown.
    LastSearchStale = guard.Changed() || outcome.Cancelled;
    View.ThinkingChanged(false);
    UpdateUndoRedo();
    return outcome.Move;
}

std::optional<Square> GameSession::Hint()
{
    if (GameOver || NetworkGame || WaitingForSearch || EditingNow)
        return std::nullopt;
    const Square square = Square::AtIndex(BoardSize, SearchAndWait());
    if (View.Closing())
        return std::nullopt;
    if (LastSearchStale) {
        // Another game came while the hint was thought about; it may be the computer's turn there.
        MakeComputerMove();
        return std::nullopt;
    }
    if (!square.Valid())
        return std::nullopt;
    return square;
}

void GameSession::MoveNow()
{
    if (WaitingForSearch)
        HurrySearch();
}

void GameSession::FinishMove()
{
    View.PositionChanged(false);
    const PositionScan scan = ScanPosition(BoardStack[0]);
    const GameGuard guard(*this);
    switch (AdvanceTurn(scan)) {
    case TurnResult::GameEnded: {
        View.TurnChanged(TurnShown::GameOver);
        GameResult result;
        if (scan.Yellow == scan.Green)
            result = { ResultKind::Tie, scan.Yellow, scan.Green };
        else if (scan.Green > scan.Yellow)
            result = { ResultKind::GreenWon, scan.Green, scan.Yellow };
        else
            result = { ResultKind::YellowWon, scan.Yellow, scan.Green };
        View.GameEnded(result);
        if (!guard.Changed())
            GameOver = true;
        return;
    }
    case TurnResult::Passed:
        // The side that could not move is the one that is not moving again.
        View.Passed(Opponent());
        if (guard.Changed())
            return; // the game moved on under the dialog, and what came finished itself
        break;
    case TurnResult::NextSide:
        break;
    }
    View.TurnChanged(Turn());
    MakeComputerMove();
    if (NetworkGame)
        View.NetworkTurnChanged(SideToMove == ComputerSide);
}

void GameSession::RefreshHistoryStatus()
{
    const PositionScan scan = ScanPosition(BoardStack[0]);
    GameOver = scan.BothStuck();
    if (GameOver) {
        View.TurnChanged(TurnShown::GameOver);
        History = false;
        return;
    }
    if (scan.YellowStuck && SideToMove == SideYellow)
        SideToMove = SideGreen;
    if (scan.GreenStuck && SideToMove == SideGreen)
        SideToMove = SideYellow;
    View.TurnChanged(Turn());
    History = true;
}

void GameSession::Undo()
{
    if (EditingNow || !GameRecord->Undo())
        return;
    GameChanged();
    RefreshHistoryStatus();
    View.PositionChanged(false);
}

void GameSession::Redo()
{
    if (EditingNow || !GameRecord->Redo())
        return;
    GameChanged();
    RefreshHistoryStatus();
    View.PositionChanged(false);
    if (GameRecord->Current == GameRecord->Count && History) {
        History = false;
        // Back at the end of the game: play goes on, with the computer's move if it is its turn.
        MakeComputerMove();
    }
}

void GameSession::DisableUndoRedo() { View.UndoRedoChanged(false); }

void GameSession::UpdateUndoRedo()
{
    if (NetworkGame) {
        DisableUndoRedo();
        return;
    }
    if (GameRecord->Count > 1)
        View.UndoRedoChanged(true);
}

Status GameSession::Save(
    const std::string& fileName, const GgfDetails& details, WriteProtection protection) const
{
    // A network game is saved as one against nobody, so that it opens as a two-player game.
    const SavedGameSettings settings { ComputerSide, NetworkGame ? false : OpponentIsComputer };
    return WriteGameFile(fileName, Written(), settings, details, protection);
}

WrittenGame GameSession::Written() const
{
    // Start is the usual one of another size until the first game is reset here.
    return { IsUsualStart(Start) ? UsualStart(GameRecord->Size) : Start, *GameRecord };
}

bool GameSession::Open(const std::string& fileName)
{
    Result<LoadedGame> loaded = ReadGameFile(fileName);
    if (!loaded) {
        // Not a saved game at all: nothing is said and nothing changes.
        if (loaded.Failure().Kind != ErrorKind::NotOurs)
            View.ShowError("Open...", loaded.Failure());
        return false;
    }
    OpenGame(std::move(loaded.Value().Game), loaded.Value().Settings);
    return true;
}

Status GameSession::PasteGame(std::string_view text)
{
    Result<WrittenGame> read = ReadGameText(text);
    if (!read)
        return read.Failure();
    OpenGame(std::move(read.Value()), std::nullopt);
    return {};
}

std::string GameSession::CopyGame() const
{
    // A transcript cannot say where a game starts; GGF can, and Paste reads both.
    if (!IsUsualStart(Start))
        return GgfOf(Written());
    return TranscriptOf(*GameRecord);
}

void GameSession::OpenGame(WrittenGame game, const std::optional<SavedGameSettings>& settings)
{
    StopEditing();
    *GameRecord = std::move(game.Record);
    // Only a saved game says who plays; a game read as text keeps the players set.
    if (settings) {
        ComputerSide = settings->ComputerSide;
        OpponentIsComputer = settings->OpponentIsComputer;
    }
    // From here on a search still waited for has no move for the game shown.
    GameChanged();
    if (SearchRunning.load(std::memory_order_acquire))
        CancelSearch();

    ChangeSize(GameRecord->Size);
    View.GameSettingsChanged(true);

    if (GameRecord->Count == 0) {
        // A game without moves: a new game from its start with its players.
        ResetTo(game.Start);
        MakeComputerMove();
        return;
    }
    Start = game.Start;

    DisableUndoRedo();
    UpdateUndoRedo();
    while (GameRecord->Undo()) { }
    RefreshHistoryStatus();
    View.PositionChanged(true);
    History = true;
}

void GameSession::ApplyRemoteMove()
{
    // An illegal move from the peer, or one off its turn, is ignored without a message.
    if (RemoteMovePending)
        Play({ Square::At(BoardSize, RemoteMoveCol, RemoteMoveRow), MoveSource::Peer });
}

void GameSession::StartNetworkGame()
{
    if (SearchRunning.load(std::memory_order_acquire))
        CancelSearch();
    RemoteMovePending = false;
    NetworkGame = true;
    OpponentIsComputer = false;
    ComputerSide = NetLocalGreen ? SideGreen : SideYellow;
    ChangeSize(NetSize10 ? 10 : 8);
    View.GameSettingsChanged(false);
    ResetGame();
    View.NetworkGameChanged(true);
    View.NetworkTurnChanged(SideToMove == ComputerSide);
}

void GameSession::EndNetworkGame()
{
    NetworkGame = false;
    View.NetworkGameChanged(false);
    View.NetworkTurnChanged(true);
}

// --- beyond the original ---

namespace {

int PlayerSide() { return ComputerSide == SideYellow ? SideGreen : SideYellow; }

} // namespace

bool GameSession::CanTakeBack() const
{
    if (NetworkGame || WaitingForSearch || EditingNow
        || SearchRunning.load(std::memory_order_acquire))
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
    View.TurnChanged(Turn());
    View.PositionChanged(true);
    UpdateUndoRedo();
}

bool GameSession::CanJump() const
{
    return !NetworkGame && !WaitingForSearch && !EditingNow
        && !SearchRunning.load(std::memory_order_acquire);
}

void GameSession::JumpTo(int position)
{
    if (!CanJump() || position < 0 || position > GameRecord->Count
        || position == GameRecord->Current)
        return;
    while (GameRecord->Current > position && GameRecord->Undo()) { }
    while (GameRecord->Current < position && GameRecord->Redo()) { }
    GameChanged();
    RefreshHistoryStatus();
    View.PositionChanged(false);
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
    ResumedKept = true;
    JumpTo(GameRecord->Count);
    return true;
}

Status GameSession::KeepForResume(const std::string& fileName) const
{
    // A copy that played nothing leaves the kept game as it found it, and a network game is no
    // game of this copy's to keep.
    if (NetworkGame || (!PlayedHere && !ResumedKept))
        return {};
    // A saved game cannot say where a game from a set-up position starts: such a game is not
    // kept, and the one kept before stays to be resumed.
    if (!IsUsualStart(Start))
        return {};
    const OBoardTracker& record = *GameRecord;
    bool finished = record.Count == 0;
    if (!finished) {
        const TTrackerEntry& last = record.Entries.back();
        Board end = last.Before;
        RoutinesFor(record.Size).MakeMove(end, last.Move, last.MoverSide, last.OtherSide);
        finished = ScanPosition(end).BothStuck();
    }
    if (!finished) {
        std::error_code ec;
        std::filesystem::create_directories(std::filesystem::path(fileName).parent_path(), ec);
        return record.SaveToFile(fileName);
    }
    // The kept game was played to its end here, or replaced by a game that is over: it has
    // nothing more to resume. Another game that ended leaves the kept one to be resumed.
    return ResumedKept ? RemoveFile(fileName) : Status {};
}
