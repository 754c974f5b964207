// The game as the window runs it, without the window: moves from the player, the computer and the
// network peer, passes and the end of the game, the computer's search and its result, undo and
// redo with the history mode, and opening and saving games. Qt-free; the window is its GameView,
// and the tests drive it with one of their own.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "BoardTracker.h"
#include "GgfGame.h"
#include "Square.h"

// What the status panel says of the turn.
enum class TurnShown { Yellow, Green, GameOver };

// The history dialog's answers.
enum class HistoryChoice { ReturnToHistory, ContinueFromLast, ContinueFromThis };

// Where a move comes from.
enum class MoveSource {
    Player, // the person at this board (either side in a game of two players here)
    Computer,
    Peer, // the player at the other copy of a network game
};

struct Move {
    Square At;
    MoveSource Source = MoveSource::Player;
};

// A move as it has been recorded and made on board 0.
struct PlayedMove {
    int Side = SideYellow;
    Square At;
    int Turned = 0; // discs turned over
    MoveSource Source = MoveSource::Player;
    Board Before {}; // board 0 as it was: what the animation starts from
};

// How a finished game ended, with the winner's count first ("Green won 33 : 31").
enum class ResultKind { YellowWon, GreenWon, Tie };
struct GameResult {
    ResultKind Kind = ResultKind::Tie;
    int Winner = 0;
    int Loser = 0;
};

// What a search the session waited for came back with.
struct SearchOutcome {
    std::uint64_t Stamp = 0; // the game it was asked about (GameSession::Stamp)
    int Move = PassMove;
    bool Cancelled = false;
};

// What the session tells the window that shows the game, and the little it asks of it. The view
// decides how to show it: the hover outline, the order of drawing, the sounds and the panels.
class GameView {
public:
    virtual ~GameView() = default;

    // --- what happened, in the order it happened ---
    // Board 0 and the record show another position than before (a new game, an opened one, undo,
    // redo, a jump, a take-back) or the same one again after a move: the board, the score, the
    // move counter and the move list. fresh: the position does not follow from the move last
    // shown, so there is no last move to mark.
    virtual void PositionChanged(bool fresh) = 0;
    // A move has been recorded and made: the view animates it from move.Before, with its sound.
    virtual void MovePlayed(const PlayedMove& move) = 0;
    // Whose turn the status bar says; also after a pass, and "Game over".
    virtual void TurnChanged(TurnShown turn) = 0;
    // Modal (network messages are handled while they are open): side could not move; the game is
    // over.
    virtual void Passed(int side) = 0;
    virtual void GameEnded(const GameResult& result) = 0;
    // The computer thinks (wait cursor, "&New", "&Hint", "&Settings" off), or has stopped.
    virtual void ThinkingChanged(bool thinking) = 0;
    virtual void UndoRedoChanged(bool enabled) = 0;
    // The board size changed (an opened game, a network game): new graphics and window size.
    virtual void BoardSizeChanged() = 0;
    // The game's size (and with players, who plays), for the settings dialog to show.
    virtual void GameSettingsChanged(bool players) = 0;
    // A network game began (again) or ended; its turn moved on (the pointer says whose it is).
    virtual void NetworkGameChanged(bool inGame) = 0;
    virtual void NetworkTurnChanged(bool localTurn) = 0;

    // --- asked of it ---
    virtual HistoryChoice AskHistoryChoice() = 0;
    virtual void ShowError(const std::string& title, const Error& error) = 0;
    // Handles window events until SearchFinished has brought the outcome of the search started
    // for stamp, and returns it. SearchFinished is called on the search thread.
    virtual SearchOutcome WaitForSearch(std::uint64_t stamp) = 0;
    virtual void SearchFinished(const SearchOutcome& outcome) = 0;
    // The position editor has lost board 0 to another game.
    virtual void EditorClosed() = 0;
    // The window is closing: nothing more is shown or played.
    virtual bool Closing() const = 0;
};

// The other copy of a network game, as far as the game needs it.
class GamePeer {
public:
    virtual ~GamePeer() = default;
    virtual void SendMove(const Square& square) = 0;
    virtual void SendRestart() = 0;
};

class GameSession;

// Answers "is this still the game it was?" after anything that runs the event loop: a search, a
// modal dialog, an animation. Network messages, menu commands and a restart are handled inside
// those, and whatever was left to do for the game it started with is not done for another.
class GameGuard {
public:
    explicit GameGuard(const GameSession& session);
    bool Changed() const;
    std::uint64_t Stamp() const { return Started; }

private:
    const GameSession& Session;
    std::uint64_t Started;
};

class GameSession {
public:
    explicit GameSession(GameView& view, GamePeer* peer = nullptr);
    // The peer of a network game, once the network side exists.
    void SetPeer(GamePeer* peer) { Peer = peer; }

    // --- a game ---
    // A start position of BoardSize with the view to match (no search).
    void ResetGame();
    // "&New": a new game, with the computer's opening move when it plays Yellow; in a network
    // game both copies start again.
    void NewGame();
    // A click (or Enter) on square: plays it, or asks about the history in history mode.
    void Click(const Square& square);
    // The one way a move is made, whoever makes it: checked (the mover's turn, a legal square),
    // recorded, made on board 0, shown, sent to the peer when it is this player's in a network
    // game, and the turn handed on. False, and nothing changes, for a move that may not be made.
    bool Play(const Move& move);
    void MakeComputerMove();
    int SearchAndWait();
    void FinishMove();
    void RefreshHistoryStatus();
    void UpdateMoveCounter();
    void Undo();
    void Redo();
    void DisableUndoRedo();
    void UpdateUndoRedo();
    // The computer's choice for the player (nothing when the game is over or it cannot be asked).
    std::optional<Square> Hint();
    // "Move now": the search waited for answers at once with the best move it has found so far
    // (the computer plays it; a hint shows it). Nothing when no search is waited for.
    bool CanMoveNow() const { return WaitingForSearch; }
    void MoveNow();

    // --- beyond the original ---
    // Takes back the player's last move: against the computer with the computer's reply, in a
    // two-player game one move. Play goes on at once, not in the history; the moves taken back
    // can be redone until a new move is played. Not in a network game or while thinking.
    bool CanTakeBack() const;
    void TakeBack();
    // Shows the position after `position` moves of the record, as undo and redo do.
    bool CanJump() const;
    void JumpTo(int position);
    // "Play from here": a game from a set-up position (of 8 × 8 or 10 × 10) with the players set,
    // the computer moving first when it is its turn. Refused, changing nothing, when no game can
    // reach the position or neither side can move there.
    Status PlayFrom(const GamePosition& start);
    // Why PlayFrom would refuse start (nothing when it would play from it).
    Status CanPlayFrom(const GamePosition& start) const;
    // The position editor borrows board 0: no move, search or hint until it gives it back, with
    // PlayFrom or with EndEditing (the game as it was). Anything that starts another game (a
    // network game, say) ends the editing, and the view hears of it (EditorClosed).
    void BeginEditing();
    void EndEditing();
    bool Editing() const { return EditingNow; }
    // Where the game on the board started: the usual start, a set-up position or a game's BO.
    const GamePosition& StartPosition() const { return Start; }
    // The game on the board as a written game: where it starts and its whole record.
    WrittenGame Written() const;
    // Opens a saved game at its end, ready to play on (the game kept at exit).
    bool Resume(const std::string& fileName);
    // At exit: keeps the game for Resume when it is unfinished (not a network game), and removes
    // the kept one when it was resumed here and is over or was replaced by a game that is. A
    // session where nothing was played and nothing resumed touches nothing. Fails with why not.
    Status KeepForResume(const std::string& fileName) const;

    // --- files ---
    // Opens a game file (saved game, transcript or GGF, by its extension) as "Open..." does;
    // false (after saying why, when the file was refused) when nothing changed.
    bool Open(const std::string& fileName);
    // Writes the game in the form the extension names; details only go into GGF. A
    // write-protected file fails with ReadOnly unless protection overrides it.
    Status Save(const std::string& fileName, const GgfDetails& details = {},
        WriteProtection protection = WriteProtection::Respect) const;
    // A transcript or GGF game given as text, opened as a file is; nothing changes on a refusal.
    Status PasteGame(std::string_view text);
    // The game as a transcript ("f5d6c3..."), for the clipboard.
    std::string CopyGame() const;

    // --- the network game ---
    // The peer's move recorded in RemoteMoveCol, RemoteMoveRow and RemoteMovePending, played.
    void ApplyRemoteMove();
    void StartNetworkGame();
    void EndNetworkGame();

    // --- state ---
    bool HistoryMode() const { return History; }
    void SetHistoryMode(bool on) { History = on; }
    // A search is being waited for (a hint's or the computer's).
    bool SearchWaiting() const { return WaitingForSearch; }
    // Moves on with every change of the game shown (GameGuard compares it).
    std::uint64_t Stamp() const { return GameStamp; }
    // Input on the board is taken (not during a search, not on the peer's turn).
    bool TakesInput() const;

private:
    // Whether move may be made now: on its mover's turn, on a legal square.
    bool MayPlay(const Move& move) const;
    Square FirstLegalSquare() const;
    // Shows a record that was read as the current game, in the history at its start.
    void OpenGame(WrittenGame game, const std::optional<SavedGameSettings>& settings);
    // Board 0 at start with an empty record and the view to match (ResetGame from anywhere).
    void ResetTo(const GamePosition& start);
    // A board size another than the current one: the rules and the view change with it.
    void ChangeSize(int size);
    void GameChanged() { ++GameStamp; }

    GameView& View;
    GamePeer* Peer;
    bool History = false;
    std::uint64_t GameStamp = 0;
    bool WaitingForSearch = false;
    bool LastSearchStale = false; // the last search's result belongs to no position shown
    bool PlayedHere = false; // a move was played in this session
    bool ResumedKept = false; // the kept game was resumed in this session
    GamePosition Start = UsualStart(8); // compared with IsUsualStart, whatever the size
    // The position the editor borrowed board 0 from.
    bool EditingNow = false;
    Board EditedFrom {};
    int EditedSide = SideYellow;
    bool EditedOver = false;
    // A game replaces the one the editor borrowed from.
    void StopEditing();
};
