// The game session in the main window: applying moves from the player, the computer and the
// network peer, passes and the end of the game, the computer's search, the status panels, undo and
// redo with the history mode, and saving and opening games.
#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>
#include <optional>
#include <utility>

#include "BoardTracker.h"
#include "ChoiceUnit.h"
#include "DialogPlacement.h"
#include "FinalUnit.h"
#include "GrHolder.h"
#include "Invariant.h"
#include "MainUnit.h"
#include "MoveRules.h"
#include "NetProtocol.h"
#include "NetSockets.h"
#include "NetState.h"
#include "ProgressPanel.h"
#include "RoutineTable.h"
#include "Search.h"
#include "SearchThread.h"
#include "Settings.h"
#include "SideUnit.h"
#include "Sound.h"

namespace {

QString TurnText()
{
    return SideToMove == SideGreen ? QStringLiteral("Green is moving")
                                   : QStringLiteral("Yellow is moving");
}

QString ScoreText(const PositionScan& scan)
{
    return QStringLiteral("Yellow %1 : Green %2").arg(scan.Yellow).arg(scan.Green);
}

const char* MoveSound(int figureSet)
{
    static const char* const Sounds[] = { "SOUND_FLAME", "SOUND_ROTATE", "SOUND_BUGS" };
    return Sounds[figureSet >= 0 && figureSet < 3 ? figureSet : 0];
}

const QString SavedGameFilter = QStringLiteral("Reversi games (*.kpx)");

} // namespace

// A new game on board 0 with the window's state to match: no previous move to show, not in
// history mode, undo and redo off, the panels of a start position.
void TReversiForm::ResetGame()
{
    GameChanged();
    NewGame();
    NoPreviousBoard = true;
    HistoryMode = false;
    DisableUndoRedo();
    SetPanels(QStringLiteral("Yellow is moving"), QStringLiteral("Yellow 2 : Green 2"), QStringLiteral("Move 0/0"));
}

void TReversiForm::NewGameItemClick()
{
    if (NetworkGame) {
        // Both copies start again with the terms of the call; the peer obeys without asking.
        SendToPeer(std::string(1, MsgRestart));
        StartNetworkGame();
        return;
    }
    ResetGame();
    DrawBoard();
    BoardWidget->repaint();
    MakeComputerMove();
}

void TReversiForm::FormClick()
{
    if (GameOver || SearchRunning.load(std::memory_order_acquire)
        || (NetworkGame && SideToMove != ComputerSide))
        return;
    if (HistoryMode) {
        if (!Choice)
            return;
        CentreOverMainWindow(*Choice, *this);
        switch (Choice->exec()) {
        case ChoiceContinueFromLast:
            while (GameRecord->Redo()) { }
            GameChanged();
            UpdateMoveCounter();
            RefreshHistoryStatus();
            DrawBoard();
            BoardWidget->repaint();
            HistoryMode = false;
            // Play on from the end of the record: when the computer is to move there, it moves.
            MakeComputerMove();
            break;
        case ChoiceContinueFromThis:
            HistoryMode = false;
            if (OpponentIsComputer && SideToMove == ComputerSide)
                MakeComputerMove();
            break;
        default: // back to watching the record
            break;
        }
        return;
    }
    PlayLocalMove(SquareIndex(HoverCol, HoverRow));
}

void TReversiForm::PlayLocalMove(int square)
{
    if (!IsPlayableSquare(BoardSize, square)
        || !Routines.IsLegalMove(BoardStack[0], square, SideToMove, Opponent()))
        return; // an illegal square is ignored without a sound or a message
    if (!ApplyMove(square, true, false))
        return;
    FinishMove();
    ShowHoverMark();
    UpdateUndoRedo();
}

// Steps shared by every move before the turn is handed on: record, play, count, sound, animation.
// Every caller has checked the move; a square that is not legal here is a bug, and it is refused
// rather than recorded.
bool TReversiForm::ApplyMove(int square, bool local, bool remote)
{
    const int side = SideToMove;
    const int other = Opponent();
    if (!CORVANA_INVARIANT(IsPlayableSquare(BoardSize, square)
                && Routines.IsLegalMove(BoardStack[0], square, side, other),
            "a move applied is legal for the side to move"))
        return false;
    GameChanged();
    if (local || remote)
        EraseHoverMark();
    RememberBoard();
    GameRecord->Push(square, side, other);
    Routines.MakeMove(BoardStack[0], square, side, other);
    UpdateMoveCounter();
    if (AnimationOn)
        PlaySoundResource(MoveSound(FigureSet));
    AnimateMove();
    if (!AnimationOn)
        PlaySoundResource("SOUND_CLICK");
    if (local && NetworkGame) {
        // Sent before the turn passes, so the peer learns of it however this copy goes on.
        const int rw = RowWidth();
        SendToPeer(EncodeMove(square / rw - 1, square % rw - 1));
    }
    return true;
}

void TReversiForm::MakeComputerMove()
{
    // One search at a time. A game that changes while a search is waited for (opened, restarted,
    // begun over the network) is looked at again by that wait's caller when the wait ends.
    if (WaitingForSearch)
        return;
    for (;;) {
        if (GameOver || HistoryMode || !OpponentIsComputer || SideToMove != ComputerSide
            || Closing)
            return;
        int square = SearchAndWait();
        if (Closing)
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
int TReversiForm::FirstLegalSquare() const
{
    const SquareOrder order = MoveOrderFor(BoardSize);
    for (int i = 0; i < order.Length; ++i)
        if (Routines.IsLegalMove(BoardStack[0], order.Squares[i], SideToMove, Opponent()))
            return order.Squares[i];
    return PassMove;
}

int TReversiForm::SearchAndWait()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    NewGameItem->setEnabled(false);
    HintItem->setEnabled(false);
    OptionsItem->setEnabled(false);
    DisableUndoRedo();

    const std::uint64_t stamp = GameStamp;
    WaitingForSearch = true;
    StartSearch();
    // The window keeps working while the search runs: repaint, menu items still enabled.
    QEventLoop wait;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &wait, [&] {
        if (!SearchRunning.load(std::memory_order_acquire))
            wait.quit();
    });
    poll.start(2);
    if (SearchRunning.load(std::memory_order_acquire))
        wait.exec();
    WaitingForSearch = false;

    const int square = BestMoves[0];
    // A result belongs to the game and the position it was asked about: one cut short, or one
    // that finished while another game was opened or begun, is no move of the game shown.
    LastSearchStale = GameStamp != stamp || (SearchThread && SearchThread->Terminated());
    QApplication::restoreOverrideCursor();
    NewGameItem->setEnabled(true);
    HintItem->setEnabled(!NetworkGame);
    OptionsItem->setEnabled(true);
    UpdateUndoRedo();
    return square;
}

void TReversiForm::FinishMove()
{
    DrawBoard();
    BoardWidget->repaint();
    const PositionScan scan = ScanPosition(BoardStack[0]);
    Panels[1]->setText(ScoreText(scan));
    // Network messages are handled while a dialog is open: a restart or the peer's next move may
    // change the game under it. What is left to do afterwards belongs to this game only.
    const std::uint64_t stamp = GameStamp;
    switch (AdvanceTurn(scan)) {
    case TurnResult::GameEnded:
        Panels[0]->setText(QStringLiteral("Game over"));
        if (scan.Yellow == scan.Green)
            ShowFinal(2, 0, 0);
        else if (scan.Green > scan.Yellow)
            ShowFinal(1, scan.Green, scan.Yellow);
        else
            ShowFinal(0, scan.Yellow, scan.Green);
        if (GameStamp == stamp)
            GameOver = true;
        return;
    case TurnResult::Passed:
        // The side that could not move is the one that is not moving again.
        ShowFinal(Opponent() == SideYellow ? 3 : 4, 0, 0);
        if (GameStamp != stamp)
            return;
        break;
    case TurnResult::NextSide:
        break;
    }
    Panels[0]->setText(TurnText());
    statusBar()->repaint();
    MakeComputerMove();
    if (NetworkGame)
        BoardWidget->setCursor(SideToMove == ComputerSide ? Qt::ArrowCursor : Qt::WaitCursor);
}

void TReversiForm::ShowFinal(int kind, int a, int b)
{
    if (!FinalDlg || Closing)
        return;
    if (FinalDlg->isVisible()) {
        // A pass dialog is open and the game has ended meanwhile: the result follows it.
        PendingFinal = { kind, a, b };
        return;
    }
    std::optional<std::array<int, 3>> next = std::array<int, 3> { kind, a, b };
    while (next && !Closing) {
        FinalDlg->SetResultMessage((*next)[0], (*next)[1], (*next)[2]);
        CentreOverMainWindow(*FinalDlg, *this);
        FinalDlg->exec();
        next = std::exchange(PendingFinal, std::nullopt);
    }
}

void TReversiForm::RefreshHistoryStatus()
{
    const PositionScan scan = ScanPosition(BoardStack[0]);
    Panels[1]->setText(ScoreText(scan));
    GameOver = scan.BothStuck();
    if (GameOver) {
        Panels[0]->setText(QStringLiteral("Game over"));
        HistoryMode = false;
        return;
    }
    if (scan.YellowStuck && SideToMove == SideYellow)
        SideToMove = SideGreen;
    if (scan.GreenStuck && SideToMove == SideGreen)
        SideToMove = SideYellow;
    Panels[0]->setText(TurnText());
    HistoryMode = true;
}

void TReversiForm::UpdateMoveCounter()
{
    Panels[2]->setText(
        QStringLiteral("Move %1/%2").arg(GameRecord->Current).arg(GameRecord->Count));
}

void TReversiForm::ListMenuUndoMoveClick()
{
    if (!GameRecord->Undo())
        return;
    GameChanged();
    UpdateMoveCounter();
    RefreshHistoryStatus();
    DrawBoard();
    BoardWidget->repaint();
}

void TReversiForm::ListMenuRedoMoveClick()
{
    if (!GameRecord->Redo())
        return;
    GameChanged();
    UpdateMoveCounter();
    RefreshHistoryStatus();
    DrawBoard();
    BoardWidget->repaint();
    if (GameRecord->Current == GameRecord->Count && HistoryMode) {
        HistoryMode = false;
        // Back at the end of the game: play goes on, with the computer's move if it is its turn.
        MakeComputerMove();
    }
}

void TReversiForm::DisableUndoRedo()
{
    ListMenuUndoMove->setEnabled(false);
    ListMenuRedoMove->setEnabled(false);
}

void TReversiForm::UpdateUndoRedo()
{
    if (NetworkGame) {
        DisableUndoRedo();
        return;
    }
    if (GameRecord->Count > 1) {
        ListMenuUndoMove->setEnabled(true);
        ListMenuRedoMove->setEnabled(true);
    }
}

void TReversiForm::ListMenuSaveClick()
{
    QFileDialog dialog(this, QStringLiteral("Save..."), QString(), SavedGameFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("kpx"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const FileResult r = GameRecord->SaveToFile(dialog.selectedFiles().first().toStdString());
    if (!r)
        ShowError(QStringLiteral("Corvana"), QString::fromStdString(r.Message));
}

void TReversiForm::ListMenuLoadClick()
{
    if (NetConnected) {
        if (!NetQuestion(QStringLiteral("NETWORK: Do you want abort network game ?")))
            return;
        NetMenuDisconnectClick();
    }
    QFileDialog dialog(this, QStringLiteral("Open..."), QString(), SavedGameFilter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("kpx"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    OpenGameFile(dialog.selectedFiles().first());
}

bool TReversiForm::OpenGameFile(const QString& fileName)
{
    const FileResult r = GameRecord->LoadFromFile(fileName.toStdString());
    if (r.Status == FileResult::NotSavedGame)
        return false; // not a saved game: nothing is said and nothing changes
    if (!r) {
        ShowError(QStringLiteral("Open..."), QString::fromStdString(r.Message));
        return false;
    }
    // From here on a search still waited for has no move for the game shown.
    GameChanged();
    BoardWidget->repaint();
    if (SearchRunning.load(std::memory_order_acquire))
        CancelSearch();

    if (GameRecord->Size != BoardSize) {
        EraseHoverMark();
        HoverCol = HoverRow = 0;
        BoardSize = GameRecord->Size;
        // The rules of the new size before anything (the loading panel's event loop) can ask.
        SelectRoutines();
        CellSize = CellSizeFor(BoardSize);
        HalfCell = HalfCellFor(BoardSize);
        ReloadBoardGraphics();
    }
    if (SideDlg) {
        SideDlg->ShowBoardSize(BoardSize);
        SideDlg->ShowPlayers(ComputerSide, OpponentIsComputer);
    }

    if (GameRecord->Count == 0) {
        // A saved game without moves: a new game of its size with its players.
        ResetGame();
        DrawBoard();
        BoardWidget->repaint();
        ShowHoverMark();
        MakeComputerMove();
        return true;
    }

    DisableUndoRedo();
    UpdateUndoRedo();
    ShowHoverMark();
    while (GameRecord->Undo()) { }
    NoPreviousBoard = true;
    UpdateMoveCounter();
    RefreshHistoryStatus();
    DrawBoard();
    BoardWidget->repaint();
    HistoryMode = true;
    return true;
}

void TReversiForm::ReloadBoardGraphics()
{
    const int statusHeight = statusBar()->height();
    const int clientWidth = BoardWidget->width();
    const int clientHeight = BoardWidget->height() + statusHeight;
    const QPoint panelAt((clientWidth - 200) / 2, (clientHeight - 60) / 2 - statusHeight / 2);

    // One panel at a time: a call being opened shows its panel again afterwards. Network events
    // wait meanwhile, so that no message arrives in the middle of the resizing.
    const bool connecting = ConnectPanel && ConnectPanel->isVisible();
    if (connecting)
        ConnectPanel->Stop();
    if (NetEvents)
        NetEvents->Hold();
    PreparedSheet prepared;
    RunWithPanel(
        *LoadingPanel, panelAt, [&] { prepared = PrepareDiscSheet(FigureSet, BoardSize == 10); });
    if (prepared.Status)
        InstallDiscSheet(std::move(prepared.Sheet));
    else
        ShowError(QStringLiteral("Corvana"), QString::fromStdString(prepared.Status.Error));
    ApplyBoardGeometry();
    if (NetEvents)
        NetEvents->Release();
    if (connecting)
        ConnectPanel->Start(PanelPosition());
}

void TReversiForm::ApplyRemoteMove()
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
    ShowHoverMark();
}

void TReversiForm::StartNetworkGame()
{
    if (SearchRunning.load(std::memory_order_acquire))
        CancelSearch();
    RemoteMovePending = false;
    EraseHoverMark();
    HoverCol = HoverRow = 0;
    const int size = NetSize10 ? 10 : 8;
    if (size != BoardSize) {
        BoardSize = size;
        CellSize = CellSizeFor(size);
        HalfCell = HalfCellFor(size);
        BoardWidget->repaint();
        ReloadBoardGraphics();
    }
    if (SideDlg)
        SideDlg->ShowBoardSize(BoardSize);
    ResetGame();
    DrawBoard();
    BoardWidget->repaint();
    NetworkGame = true;
    OpponentIsComputer = false;
    ComputerSide = NetLocalGreen ? SideGreen : SideYellow;
    ShowHoverMark();
    BoardWidget->setCursor(SideToMove == ComputerSide ? Qt::ArrowCursor : Qt::WaitCursor);
}

void TReversiForm::EndNetworkGame()
{
    NetworkGame = false;
    BoardWidget->setCursor(Qt::ArrowCursor);
}

void TReversiForm::LockGameSettings()
{
    HintItem->setEnabled(false);
    if (SideDlg)
        SideDlg->SetGameSettingsEnabled(false);
    DisableUndoRedo();
}

void TReversiForm::UnlockGameSettings()
{
    HintItem->setEnabled(true);
    if (SideDlg)
        SideDlg->SetGameSettingsEnabled(true);
    UpdateUndoRedo();
}
