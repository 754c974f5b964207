// The main window as the game session's view: what happened in the game carried to the board
// view, the status panels, the menus, the move list and the dialogs, in the order the window
// shows them. It decides the hover outline and the redraws; the session only says what happened.
// Owned by the main window, which hands it the parts it works with.
#pragma once

#include <QObject>
#include <QPointer>
#include <array>
#include <functional>
#include <optional>

#include "GameSession.h"

class BoardView;
class MoveListWindow;
class QEventLoop;
class QWidget;
class StatusPanels;
struct MainMenu;
struct WindowDialogs;

// What of the main window the view works with.
struct GameViewParts {
    QWidget& Window; // dialogs are centred over it
    BoardView& Board;
    StatusPanels& Panels;
    MainMenu& Menu;
    WindowDialogs& Dialogs;
    MoveListWindow& Moves;
    // A new board size: the window fits the board and reloads the pictures.
    std::function<void()> FitNewBoardSize;
    // The items beyond the original follow what can be done now.
    std::function<void()> UpdateMenus;
    std::function<bool()> WindowClosing;
    // The position editor lost the board to another game.
    std::function<void()> EditorClosed;
    // A move was made (the move values are for the position before it), and the turn was
    // shown (values may be wanted for the position now).
    std::function<void()> MoveMade;
    std::function<void()> TurnShownNow;
};

class WindowGameView : public GameView {
public:
    explicit WindowGameView(GameViewParts parts);
    ~WindowGameView() override;

    void PositionChanged(bool fresh) override;
    void MovePlayed(const PlayedMove& move) override;
    void TurnChanged(TurnShown turn) override;
    void Passed(int side) override;
    void GameEnded(const GameResult& result) override;
    void ThinkingChanged(bool thinking) override;
    void UndoRedoChanged(bool enabled) override;
    void BoardSizeChanged() override;
    void GameSettingsChanged(bool players) override;
    void NetworkGameChanged(bool inGame) override;
    void NetworkTurnChanged(bool localTurn) override;
    HistoryChoice AskHistoryChoice() override;
    void ShowError(const std::string& title, const Error& error) override;
    SearchOutcome WaitForSearch(std::uint64_t stamp) override;
    void SearchFinished(const SearchOutcome& outcome) override;
    void EditorClosed() override;
    bool Closing() const override;

    // The move counter of the status bar, from the record.
    void ShowMoveCounter();
    // Hint and the game settings are off during a network game.
    void LockGameSettings(bool locked);

private:
    // The result dialog with one of its texts (kinds 0 to 4); a result that comes while a pass
    // is still shown follows it.
    void ShowFinal(int kind, int a, int b);

    GameViewParts Parts;
    std::optional<std::array<int, 3>> PendingFinal; // a result to show when the open one closes
    bool HoverAfterMove = false; // a move of this player or the peer: the outline comes back
    // The search's outcome reaches the main thread through this object's queue.
    QObject Mailbox;
    std::optional<SearchOutcome> Arrived;
    QPointer<QEventLoop> Waiting;
    std::uint64_t WaitingFor = 0;
};
