// The main window: the board between its borders, the menu and the status bar. It shows; the game
// session (GameSession) decides about the game, the board view (BoardView) draws and takes the
// pointer and keys, the network session (NetSession) talks to the peer. The handlers the design
// names live here and hand their work to those parts.
#pragma once

#include <QCoreApplication>

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>

#include "MainMenu.h"
#include "Result.h"
#include "Settings.h"
#include "master/GameReview.h"

class QSystemTrayIcon;
class BoardGraphics;
class BoardView;
class GameSession;
class NetSession;
class GameReviewPanel;
class MoveListWindow;
class MoveValueWatch;
class PositionEditor;
class QAction;
class QDockWidget;
class StatusPanels;
class TCallDlg;
class TCallReq;
class TChoice;
class TClientSocket;
class TFinalDlg;
class TNetConnection;
class TNetEventQueue;
class TProgressPanel;
class TRemoteField;
class TRulersDlg;
class TSendDlg;
class TServerSocket;
class TSideDlg;
class WindowGameView;
class WindowNetHost;

// The dialogs, created after the main window and living as long as it does.
struct WindowDialogs {
    QPointer<TSideDlg> SideDlg;
    QPointer<TFinalDlg> FinalDlg;
    QPointer<TChoice> Choice;
    QPointer<TRulersDlg> RulersDlg;
    QPointer<TCallDlg> CallDlg;
    QPointer<TSendDlg> SendDlg;
    QPointer<TCallReq> CallReq;
    QPointer<TRemoteField> RemoteField;
};

// The sockets and the conversation with the peer.
struct NetworkParts {
    TNetEventQueue* NetEvents = nullptr;
    TServerSocket* RevServerSocket = nullptr;
    TClientSocket* RevClientSocket = nullptr;
    TProgressPanel* ConnectPanel = nullptr; // "Connecting..." while a call is being opened
    std::unique_ptr<WindowNetHost> Host;
    std::unique_ptr<NetSession> Session;
};

class TReversiForm : public QMainWindow {
    Q_DECLARE_TR_FUNCTIONS(TReversiForm)

public:
    explicit TReversiForm(QWidget* parent = nullptr);
    ~TReversiForm() override;

    void SetDialogs(TSideDlg* sideDlg, TFinalDlg* finalDlg, TChoice* choice, TRulersDlg* rulers);
    void SetNetDialogs(
        TCallDlg* callDlg, TSendDlg* sendDlg, TCallReq* callReq, TRemoteField* field);
    // Shows the window and starts the first game (the computer opens when it plays Yellow), or
    // opens gameFile when one is named.
    void Start(const QString& gameFile = {});

    // --- the game session ---
    void NewGameItemClick();
    void FormClick();
    void MakeComputerMove();
    int SearchAndWait();
    void FinishMove();
    void RefreshHistoryStatus();
    void UpdateMoveCounter();
    void ReloadBoardGraphics();
    void ListMenuUndoMoveClick();
    void ListMenuRedoMoveClick();
    void ListMenuSaveClick();
    void ListMenuLoadClick();
    void DisableUndoRedo();
    void UpdateUndoRedo();
    // Saves the game as "Save..." does, without asking for the file name.
    void SaveGameTo(const std::string& fileName);
    // Opens a saved game as "Open..." does, without asking for the file name.
    bool OpenGameFile(const QString& fileName);
    void ApplyRemoteMove();
    void StartNetworkGame();
    void EndNetworkGame();
    void LockGameSettings();
    void UnlockGameSettings();

    // --- network play ---
    void NetMenuConnectClick();
    void NetMenuListingClick();
    void NetMenuDisconnectClick();
    void NetMenuSendMessageClick();
    void RevServerSocketClientConnect(TNetConnection* connection);
    void RevServerSocketClientRead(TNetConnection* connection, const std::string& message);
    void RevServerSocketClientDisconnect(TNetConnection* connection);
    void RevServerSocketClientError(TNetConnection* connection, const QString& error);
    void RevClientSocketConnect();
    void RevClientSocketRead(const std::string& message);
    void RevClientSocketDisconnect();
    void RevClientSocketError(const QString& error);
    // Sends on the peer's accepted connection when the peer called us, else on the calling socket.
    void SendToPeer(const std::string& message);
    void RestoreListening();

    // --- the board ---
    void DrawBoard();
    void ShowHoverMark();
    void EraseHoverMark();
    void RememberBoard();
    void AnimateMove();
    void StopMoveDisplay();
    void HelpMoveAsyncTimerTimer();
    void FormMouseMove(int x, int y);
    void FormMouseDown(Qt::MouseButton button);
    void FormKeyDown(int key);
    void FormKeyPress(QChar c);
    void HintItemClick();

    // --- beyond the original ---
    void ResumeItemClick();
    void TakeBackItemClick();
    void CopyGameItemClick();
    void PasteGameItemClick();
    // Opens a game given as text (what Paste game reads from the clipboard).
    ::Status PasteGame(const QString& text);
    void MoveListItemClick();
    void FullScreenItemClick();
    void MoveNowItemClick();
    void SetUpPositionItemClick();
    void ReviewGameItemClick();
    // Shows a review of the game on the board beside it (what ReviewGameItemClick does once the
    // review is done).
    void ShowReview(const master::GameReview& review);

    // --- settings, information, the window ---
    void OptionsItemClick();
    void RulersItemClick();
    void AboutItemClick();
    void ExitItemClick();

    // --- the parts ---
    GameSession& Session() const { return *Game; }
    BoardView& Board() const { return *BoardWidget; }
    StatusPanels& Status() const { return *Panels; }
    const MainMenu& Menu() const { return Items; }
    const NetworkParts& Network() const { return Net; }
    MoveListWindow& MoveList() const { return *Moves; }
    PositionEditor& Editing() const { return *Editor; }
    MoveValueWatch& MoveValues() const { return *Values; }
    GameReviewPanel& ReviewPanel() const { return *Reviewed; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ApplyBoardGeometry();
    void FitBoard();
    // The board drawn again for the size the window (or the screen's density) gives it now.
    void RefitBoard();
    // Runs work on a thread of its own while the loading panel blinks over the board.
    void RunWithLoadingPanel(const std::function<void()>& work);
    // Where the window opens and how large, and what of it the settings keep.
    void PlaceOnScreen();
    void RememberPlacement();
    void KeepOnScreen();
    void MinimizeToTray();
    void RestoreFromTray();
    void FormClose();
    void FormDestroy();
    // Writes the settings and the kept game at exit; when something fails, says so and lets the
    // player stay. True when the window may close.
    bool KeepForNextTime();
    GameSettings ShownSettings() const;
    void ShowError(const QString& title, const QString& message);
    void UpdateExtraItems();
    // grow: a window of its own size makes room for the list (and gives it back), so that the
    // board keeps its size.
    void ShowMoveList(bool show, bool grow = true);
    int MoveListRoom() const; // the width the list takes beside the board
    // A panel beside the board shown or hidden; grow: a window of its own size makes room for it
    // (and gives it back), so that the board keeps its size.
    void ShowBesideBoard(QDockWidget& panel, bool show, bool grow = true);
    // The position editor takes the board (and the menu items that would change the game) or
    // gives them back.
    void ShowEditor(bool show);
    void PlayFromEditedPosition();
    // "Show move values": analysing while the player is to move, and only then.
    void RefreshMoveValues();
    void StopMoveValues();
    // The review shown belongs to the game on the board: it follows the position shown and goes
    // when the moves are no longer those reviewed.
    void KeepReviewCurrent();

    BoardView* BoardWidget = nullptr;
    std::unique_ptr<StatusPanels> Panels;
    MainMenu Items;
    std::unique_ptr<WindowGameView> GameHost;
    std::unique_ptr<GameSession> Game;
    NetworkParts Net;
    WindowDialogs Dialogs;
    MoveListWindow* Moves = nullptr;
    PositionEditor* Editor = nullptr;
    MoveValueWatch* Values = nullptr;
    GameReviewPanel* Reviewed = nullptr;
    std::vector<int> ReviewedMoves; // the record's squares when it was reviewed
    QList<QPointer<QAction>> TakenByEditor; // the items the editor disabled
    TProgressPanel* LoadingPanel = nullptr;
    std::unique_ptr<BoardGraphics> Graphics;
    bool RefitPending = false;
    QSize FirstWindowSize; // the window's size as the design gives it, set when it is shown
    QSize FirstBoardSize; // the board's first size for the board size last fitted
    QSize NormalSize; // the size it last had when neither maximised nor full screen
    bool MaximizedUnderFullScreen = false;
    QSystemTrayIcon* TrayIcon = nullptr;
    bool Closing = false;
    bool Destroyed = false;
};
