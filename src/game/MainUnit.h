// The main window: the board between its borders, the menu and the status bar, and everything that
// runs a game in it: moves from the player, the computer and the network peer, passes and the end
// of the game, hints, the right-click move display, undo and redo with the history mode, saving
// and opening games, the settings, network play (calls, the protocol's handlers, chat and board
// requests), and start-up and shutdown.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "Board.h"
#include "BoardPainter.h"
#include "DrawDib.h"

class QAction;
class QLabel;
class QMenu;
class QSystemTrayIcon;
class TAsyncTimer;
class TBoardWidget;
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
class NetSession;
class WindowNetHost;

// Tests only: runs after each frame of the disc animation has been pushed to the window.
extern std::function<void(int frame)> AnimationFrameHook;

class TReversiForm : public QMainWindow {
    friend class WindowNetHost;

public:
    explicit TReversiForm(QWidget* parent = nullptr);
    ~TReversiForm() override;

    // The dialogs are created after the main window and live as long as it does.
    void SetDialogs(TSideDlg* sideDlg, TFinalDlg* finalDlg, TChoice* choice, TRulersDlg* rulers);
    void SetNetDialogs(
        TCallDlg* callDlg, TSendDlg* sendDlg, TCallReq* callReq, TRemoteField* field);
    // Shows the window and starts the first game (the computer opens when it plays Yellow), or
    // opens gameFile when one is named.
    void Start(const QString& gameFile = {});

    // --- game session ---
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
    // Opens a saved game as "Open..." does, without asking for the file name.
    bool OpenGameFile(const QString& fileName);
    // Plays square for SideToMove when it is legal: what a click on the hovered square does.
    void PlayLocalMove(int square);

    // --- the network game's hooks ---
    void ApplyRemoteMove();
    void StartNetworkGame();
    void EndNetworkGame();
    void LockGameSettings();
    void UnlockGameSettings();

    // --- network play (MainNet.cpp) ---
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
    const NetSession& Network() const { return *Net; }

    // --- board drawing and the move display ---
    void DrawBoard();
    void RedrawSquare(int x, int y, bool show);
    void ShowHoverMark();
    void EraseHoverMark();
    void RememberBoard();
    void AnimateMove();
    void AnimateDiscs();
    void DiscardInputMadeMeanwhile();
    void DrawMoveMark(int x, int y, int k);
    void DrawChangeMark(int x, int y, int k);
    void StopMoveDisplay();
    void StartMoveDisplay();
    void HelpMoveAsyncTimerTimer();

    // --- input ---
    void FormMouseMove(int x, int y);
    void FormMouseDown(Qt::MouseButton button);
    void FormKeyDown(int key);
    void FormKeyPress(QChar c);
    void HintItemClick();

    // --- settings ---
    void OptionsItemClick();

    // --- menu and window ---
    void RulersItemClick();
    void AboutItemClick();
    void ExitItemClick();

    // State shared with the dialogs and the tests.
    int HoverCol = 0, HoverRow = 0;
    int PrevHoverCol = 0, PrevHoverRow = 0;
    int CellSize = 61, HalfCell = 30;
    int RestFrame = 19;
    Board PreviousBoard {};
    bool NoPreviousBoard = true;
    TransitionTable TransitionCodes {};
    int DisplayTick = 0;
    bool HintPointerMoved = false;
    bool HistoryMode = false;
    int KeySequencePos = 0;

    QString PanelText(int panel) const;
    TAsyncTimer* MoveDisplayTimer() const { return HelpMoveAsyncTimer; }
    TBoardWidget* BoardView() const { return BoardWidget; }
    QAction* UndoAction() const { return ListMenuUndoMove; }
    QAction* RedoAction() const { return ListMenuRedoMove; }
    QAction* HintAction() const { return HintItem; }
    QAction* NetworkMenuAction() const;
    QAction* CallAction() const { return NetMenuConnect; }
    QAction* AllowCallAction() const { return NetMenuListing; }
    QAction* DisconnectAction() const { return NetMenuDisconnect; }
    QAction* MessageAction() const { return NetMenuSendMessage; }
    TServerSocket* ServerSocket() const { return RevServerSocket; }
    TClientSocket* ClientSocket() const { return RevClientSocket; }
    TProgressPanel* ConnectionPanel() const { return ConnectPanel; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class TBoardWidget;
    void CreateMenu();
    void CreateStatusBar();
    void ApplyBoardGeometry();
    void SetPanels(const QString& turn, const QString& score, const QString& counter);
    void ResetGame();
    bool ApplyMove(int square, bool local, bool remote);
    int FirstLegalSquare() const;
    // Every change of the game shown (a move, undo, redo, a new or opened game) moves the stamp
    // on, so a search result can tell whether it still belongs to the game.
    void GameChanged() { ++GameStamp; }
    void ShowFinal(int kind, int a, int b);
    BoardLayout Layout() const;
    void PushSquare(int x, int y);
    void PushRect(const PictureRect& r);
    void SetBoardCursor(Qt::CursorShape shape);
    void MovePointerTo(int x, int y);
    void MinimizeToTray();
    void RestoreFromTray();
    void FormClose();
    void FormDestroy();
    void ShowError(const QString& title, const QString& message);
    // Network helpers (MainNet.cpp).
    void OpenNetwork();
    void CloseNetwork();
    void BringToFront();
    void SetConnectedMenus(bool connected);
    void NetMessage(const QString& text);
    bool NetQuestion(const QString& text);
    void StartConnectPanel();
    void StopConnectPanel();
    QPoint PanelPosition() const;

    TBoardWidget* BoardWidget = nullptr;
    std::array<QLabel*, 3> Panels {};
    QMenu* GameMenu = nullptr;
    QMenu* NetMenu = nullptr;
    QMenu* MatchMenu = nullptr;
    QMenu* InfoMenu = nullptr;
    QAction* NewGameItem = nullptr;
    QAction* HintItem = nullptr;
    QAction* OptionsItem = nullptr;
    QAction* ExitItem = nullptr;
    QAction* NetMenuConnect = nullptr;
    QAction* NetMenuListing = nullptr;
    QAction* NetMenuDisconnect = nullptr;
    QAction* NetMenuSendMessage = nullptr;
    QAction* ListMenuUndoMove = nullptr;
    QAction* ListMenuRedoMove = nullptr;
    QAction* ListMenuSave = nullptr;
    QAction* ListMenuLoad = nullptr;
    QAction* RulersItem = nullptr;
    QAction* AboutItem = nullptr;
    TAsyncTimer* HelpMoveAsyncTimer = nullptr;
    TProgressPanel* LoadingPanel = nullptr;
    TProgressPanel* ConnectPanel = nullptr; // "Connecting..." while a call is being opened
    TNetEventQueue* NetEvents = nullptr;
    TServerSocket* RevServerSocket = nullptr;
    TClientSocket* RevClientSocket = nullptr;
    // The conversation with the network peer, and what it asks of this window.
    std::unique_ptr<WindowNetHost> NetHost;
    std::unique_ptr<NetSession> Net;
    QSystemTrayIcon* TrayIcon = nullptr;
    QPointer<TSideDlg> SideDlg;
    QPointer<TFinalDlg> FinalDlg;
    QPointer<TChoice> Choice;
    QPointer<TRulersDlg> RulersDlg;
    QPointer<TCallDlg> CallDlg;
    QPointer<TSendDlg> SendDlg;
    QPointer<TCallReq> CallReq;
    QPointer<TRemoteField> RemoteField;
    bool Closing = false;
    bool Destroyed = false;
    std::uint64_t GameStamp = 0;
    bool WaitingForSearch = false; // inside SearchAndWait
    std::optional<std::array<int, 3>> PendingFinal; // a result to show when the open one closes
    bool LastSearchStale = false; // the last search's result belongs to no position shown
};

// The client area below the menu: the back buffer at (2, 2) inside a sunken bevel. Every pixel
// comes from the back buffer or the bevel; nothing is erased.
class TBoardWidget : public QWidget {
public:
    explicit TBoardWidget(TReversiForm* form);
    TDibSurface Surface;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TReversiForm* Form;
};
