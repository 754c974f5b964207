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

// What the status panel says of the turn.
enum class TurnShown { Yellow, Green, GameOver };

// The history dialog's answers.
enum class HistoryChoice { ReturnToHistory, ContinueFromLast, ContinueFromThis };

// What the session asks of the window that shows the game.
class GameView {
public:
    virtual ~GameView() = default;

    // --- the board ---
    virtual void DrawPosition() = 0; // board 0 into the picture, shown at once
    virtual void ShowHover() = 0;
    virtual void EraseHover() = 0;
    virtual void MoveHoverHome() = 0; // the hovered square back to (0, 0)
    // Ends the move display and keeps board 0 as the position before the move.
    virtual void RememberBoard() = 0;
    virtual void ForgetPreviousBoard() = 0; // a new position: no last move to show
    virtual void AnimateMove() = 0; // from the remembered position to board 0
    virtual void TurnChanged() = 0; // markers that follow the side to move are drawn again
    // A move has been played (for a screen reader): who, where, and how many discs it turned.
    virtual void MovePlayed(int side, int square, int turned) = 0;
    virtual void PlaySound(const char* name) = 0;
    // The board size changed (an opened game): new graphics and window size.
    virtual void BoardSizeChanged() = 0;
    // The game's size (and with players, who plays), for the settings dialog to show.
    virtual void ShowGameSettings(bool players) = 0;

    // --- the status bar ---
    virtual void ShowTurn(TurnShown turn) = 0;
    virtual void ShowScore(int yellow, int green) = 0;
    virtual void ShowCounter(int current, int count) = 0;
    virtual void RepaintStatus() = 0;

    // --- dialogs (modal: events, network messages among them, are handled while they are open) ---
    // kind: 0 Yellow won, 1 Green won, 2 tie, 3 Yellow pass, 4 Green pass (a and b the counts).
    virtual void ShowFinal(int kind, int a, int b) = 0;
    virtual HistoryChoice AskHistoryChoice() = 0;
    virtual void ShowError(const std::string& title, const std::string& message) = 0;

    // --- the computer ---
    // The window while the computer thinks: wait cursor, "&New", "&Hint", "&Settings" off.
    virtual void ThinkingStarted() = 0;
    virtual void ThinkingEnded() = 0;
    // Handles window events until the search has ended (SearchRunning is clear).
    virtual void WaitWhileSearching() = 0;

    // --- menus and the network ---
    virtual void SetUndoRedoEnabled(bool enabled) = 0;
    virtual void SendMove(int col, int row) = 0;
    virtual void SendRestart() = 0;
    // In a network game: the pointer says whose turn it is.
    virtual void ShowNetworkTurn(bool localTurn) = 0;
    virtual void NetworkGameLocked(bool locked) = 0; // hint and game settings off during one
    // The window is closing: nothing more is shown or played.
    virtual bool Closing() const = 0;
};

class GameSession {
public:
    explicit GameSession(GameView& view);

    // --- a game ---
    // A start position of BoardSize with the view to match (no search).
    void ResetGame();
    // "&New": a new game, with the computer's opening move when it plays Yellow; in a network
    // game both copies start again.
    void NewGame();
    // A click (or Enter) on square: plays it, or asks about the history in history mode.
    void Click(int square);
    // Plays square for SideToMove when it is legal there.
    void PlayLocalMove(int square);
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
    std::optional<int> Hint();

    // --- beyond the original ---
    // Takes back the player's last move: against the computer with the computer's reply, in a
    // two-player game one move. Play goes on at once, not in the history; the moves taken back
    // can be redone until a new move is played. Not in a network game or while thinking.
    bool CanTakeBack() const;
    void TakeBack();
    // Shows the position after `position` moves of the record, as undo and redo do.
    bool CanJump() const;
    void JumpTo(int position);
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
    void ApplyRemoteMove();
    void StartNetworkGame();
    void EndNetworkGame();

    // --- state ---
    bool HistoryMode() const { return History; }
    void SetHistoryMode(bool on) { History = on; }
    // A search is being waited for (a hint's or the computer's).
    bool SearchWaiting() const { return WaitingForSearch; }
    // Moves on with every change of the game shown, so that a result (or the code after a modal
    // dialog) can tell whether it still belongs to the game.
    std::uint64_t Stamp() const { return GameStamp; }
    // Input on the board is taken (not during a search, not on the peer's turn).
    bool TakesInput() const;

private:
    bool ApplyMove(int square, bool local, bool remote);
    int FirstLegalSquare() const;
    // Shows a record that was read as the current game, in the history at its start.
    void OpenRecord(OBoardTracker record, const std::optional<SavedGameSettings>& settings);
    void GameChanged() { ++GameStamp; }

    GameView& View;
    bool History = false;
    std::uint64_t GameStamp = 0;
    bool WaitingForSearch = false;
    bool LastSearchStale = false; // the last search's result belongs to no position shown
    bool PlayedHere = false; // a move was played in this session
    bool ResumedKept = false; // the kept game was resumed in this session
};
