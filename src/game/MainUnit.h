// The main window: the board between its borders, the menu and the status bar, and everything that
// runs a game in it: moves from the player, the computer and the network peer, passes and the end
// of the game, hints, the right-click move display, undo and redo with the history mode, saving
// and opening games, the settings, and start-up and shutdown.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

#include "Board.h"
#include "BoardPainter.h"
#include "DrawDib.h"

class QAction;
class QLabel;
class QMenu;
class QSystemTrayIcon;
class TAsyncTimer;
class TBoardWidget;
class TChoice;
class TFinalDlg;
class TProgressPanel;
class TRulersDlg;
class TSideDlg;

class TReversiForm : public QMainWindow {
public:
    explicit TReversiForm(QWidget* parent = nullptr);
    ~TReversiForm() override;

    // The dialogs are created after the main window and live as long as it does.
    void SetDialogs(TSideDlg* sideDlg, TFinalDlg* finalDlg, TChoice* choice, TRulersDlg* rulers);
    // Shows the window and starts the first game (the computer opens when it plays Yellow).
    void Start();

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

    // --- board drawing and the move display ---
    void DrawBoard();
    void RedrawSquare(int x, int y, bool show);
    void ShowHoverMark();
    void EraseHoverMark();
    void RememberBoard();
    void AnimateMove();
    void AnimateDiscs();
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

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class TBoardWidget;
    void CreateMenu();
    void CreateStatusBar();
    void ApplyBoardGeometry();
    void SetPanels(const QString& turn, const QString& score, const QString& counter);
    void ApplyMove(int square, bool local, bool remote);
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
    QSystemTrayIcon* TrayIcon = nullptr;
    QPointer<TSideDlg> SideDlg;
    QPointer<TFinalDlg> FinalDlg;
    QPointer<TChoice> Choice;
    QPointer<TRulersDlg> RulersDlg;
    bool Closing = false;
    bool Destroyed = false;
    bool LastSearchCancelled = false;
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
