// The game's view in the main window.
//
// The dialogs and the wait for the search run the event loop: network messages and menu
// commands are handled inside them, and the session checks afterwards (GameGuard) whether the
// game is still the one it asked about.
#include "WindowGameView.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <utility>

#include "BoardView.h"
#include "ChoiceDialog.h"
#include "DialogPlacement.h"
#include "GameFlow.h"
#include "MainMenu.h"
#include "MainWindow.h"
#include "MoveListWindow.h"
#include "ReasonText.h"
#include "ResultDialog.h"
#include "Settings.h"
#include "SettingsDialog.h"
#include "Sound.h"
#include "StatusPanels.h"

namespace {

const char* MoveSound(int figureSet)
{
    static const char* const Sounds[] = { "SOUND_FLAME", "SOUND_ROTATE", "SOUND_BUGS" };
    return Sounds[figureSet >= 0 && figureSet < 3 ? figureSet : 0];
}

QString SideName(int side)
{
    return side == SideYellow ? QCoreApplication::translate("TReversiForm", "Yellow")
                              : QCoreApplication::translate("TReversiForm", "Green");
}

} // namespace

WindowGameView::WindowGameView(GameViewParts parts)
    : Parts(std::move(parts))
{
}

WindowGameView::~WindowGameView() = default;

void WindowGameView::PositionChanged(bool fresh)
{
    if (fresh)
        Parts.Board.NoPreviousBoard = true;
    Parts.Board.DrawBoard();
    Parts.Board.Present();
    const PositionScan scan = ScanPosition(BoardStack[0]);
    Parts.Panels.ShowScore(scan.Yellow, scan.Green);
    ShowMoveCounter();
}

void WindowGameView::MovePlayed(const PlayedMove& move)
{
    if (Parts.MoveMade)
        Parts.MoveMade();
    // The outline leaves the square under the pointer before the move is shown, and comes back
    // once the turn has gone on; the computer's moves leave it alone.
    if (move.Source != MoveSource::Computer) {
        HoverAfterMove = true;
        Parts.Board.EraseHoverMark(move.Before);
    }
    Parts.Board.RememberBoard(move.Before);
    ShowMoveCounter();
    Parts.Board.Announce(
        QCoreApplication::translate("TReversiForm", "%1 plays %2; discs turned: %3.")
            .arg(SideName(move.Side), QString::fromStdString(move.At.Name()))
            .arg(move.Turned));
    if (AnimationOn)
        PlaySoundResource(MoveSound(FigureSet));
    Parts.Board.AnimateMove();
    if (!AnimationOn)
        PlaySoundResource("SOUND_CLICK");
}

void WindowGameView::TurnChanged(TurnShown turn)
{
    Parts.Panels.ShowTurn(turn);
    Parts.Panels.Repaint();
    // The markers that follow the side to move move with it.
    if (Extras.MarkLegalMoves) {
        Parts.Board.DrawBoard();
        Parts.Board.Present();
    }
    const bool computerToMove
        = turn != TurnShown::GameOver && OpponentIsComputer && SideToMove == ComputerSide;
    if (HoverAfterMove && !computerToMove) {
        HoverAfterMove = false;
        Parts.Board.ShowHoverMark();
    }
    if (Parts.TurnShownNow)
        Parts.TurnShownNow();
}

void WindowGameView::Passed(int side) { ShowFinal(side == SideYellow ? 3 : 4, 0, 0); }

void WindowGameView::GameEnded(const GameResult& result)
{
    switch (result.Kind) {
    case ResultKind::YellowWon:
        ShowFinal(0, result.Winner, result.Loser);
        break;
    case ResultKind::GreenWon:
        ShowFinal(1, result.Winner, result.Loser);
        break;
    case ResultKind::Tie:
        ShowFinal(2, 0, 0);
        break;
    }
}

void WindowGameView::ShowFinal(int kind, int a, int b)
{
    TFinalDlg* dialog = Parts.Dialogs.FinalDlg;
    if (!dialog || Closing())
        return;
    if (dialog->isVisible()) {
        // A pass dialog is open and the game has ended meanwhile: the result follows it.
        PendingFinal = { kind, a, b };
        return;
    }
    std::optional<std::array<int, 3>> next = std::array<int, 3> { kind, a, b };
    while (next && !Closing()) {
        dialog->SetResultMessage((*next)[0], (*next)[1], (*next)[2]);
        Parts.Board.Announce(dialog->FinalMessage->text());
        CentreOverMainWindow(*dialog, Parts.Window);
        dialog->exec();
        next = std::exchange(PendingFinal, std::nullopt);
    }
}

void WindowGameView::ThinkingChanged(bool thinking)
{
    if (thinking)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
    Parts.Menu.NewGameItem->setEnabled(!thinking);
    Parts.Menu.HintItem->setEnabled(!thinking && !NetworkGame);
    Parts.Menu.OptionsItem->setEnabled(!thinking);
    Parts.UpdateMenus();
}

void WindowGameView::UndoRedoChanged(bool enabled)
{
    Parts.Menu.ListMenuUndoMove->setEnabled(enabled);
    Parts.Menu.ListMenuRedoMove->setEnabled(enabled);
}

void WindowGameView::BoardSizeChanged()
{
    // The whole board is drawn anew at the new size; the outline starts in the corner.
    Parts.Board.MoveHoverHome();
    Parts.FitNewBoardSize();
}

void WindowGameView::GameSettingsChanged(bool players)
{
    TSideDlg* dialog = Parts.Dialogs.SideDlg;
    if (!dialog)
        return;
    dialog->ShowBoardSize(BoardSize);
    if (players)
        dialog->ShowPlayers(ComputerSide, OpponentIsComputer);
}

void WindowGameView::NetworkGameChanged(bool inGame)
{
    if (!inGame)
        return;
    // Every network game begins with the outline in the corner.
    Parts.Board.EraseHoverMark();
    Parts.Board.MoveHoverHome();
    Parts.Board.ShowHoverMark();
}

void WindowGameView::NetworkTurnChanged(bool localTurn)
{
    Parts.Board.setCursor(localTurn ? Qt::ArrowCursor : Qt::WaitCursor);
}

void WindowGameView::LockGameSettings(bool locked)
{
    Parts.Menu.HintItem->setEnabled(!locked);
    if (Parts.Dialogs.SideDlg)
        Parts.Dialogs.SideDlg->SetGameSettingsEnabled(!locked);
}

HistoryChoice WindowGameView::AskHistoryChoice()
{
    TChoice* dialog = Parts.Dialogs.Choice;
    if (!dialog)
        return HistoryChoice::ReturnToHistory;
    CentreOverMainWindow(*dialog, Parts.Window);
    // The position stays in sight behind the question: at the start its four discs are all under
    // a centred dialog.
    std::vector<QRect> discs;
    for (int col = 0; col < BoardSize; ++col)
        for (int row = 0; row < BoardSize; ++row)
            if (const Cell c = BoardStack[0][SquareIndex(col, row)];
                c == CellYellow || c == CellGreen)
                discs.push_back(Parts.Board.SquareOnScreen(col, row));
    const QScreen* screen = Parts.Window.screen();
    dialog->move(ClearOfDiscs(dialog->frameGeometry(), discs,
        screen ? screen->availableGeometry()
               : QRect(QPoint(-100000, -100000), QSize(200000, 200000))));
    switch (dialog->exec()) {
    case ChoiceContinueFromLast:
        return HistoryChoice::ContinueFromLast;
    case ChoiceContinueFromThis:
        return HistoryChoice::ContinueFromThis;
    default:
        return HistoryChoice::ReturnToHistory;
    }
}

void WindowGameView::EditorClosed()
{
    if (Parts.EditorClosed)
        Parts.EditorClosed();
}

void WindowGameView::ShowError(const std::string& title, const Error& error)
{
    QMessageBox::warning(Parts.Window.isVisible() ? &Parts.Window : nullptr,
        QString::fromStdString(title), Translated(error));
}

SearchOutcome WindowGameView::WaitForSearch(std::uint64_t stamp)
{
    // The window keeps working while the search runs: repaint, menu items still enabled. The
    // outcome may be on its way already; it is handed over inside this loop.
    if (!(Arrived && Arrived->Stamp == stamp)) {
        QEventLoop loop;
        Waiting = &loop;
        WaitingFor = stamp;
        loop.exec();
        Waiting = nullptr;
    }
    const SearchOutcome outcome = Arrived.value_or(SearchOutcome { stamp, PassMove, true });
    Arrived.reset();
    return outcome;
}

void WindowGameView::SearchFinished(const SearchOutcome& outcome)
{
    // On the search thread: handed to the main thread, which is waiting in WaitForSearch.
    QMetaObject::invokeMethod(
        &Mailbox,
        [this, outcome] {
            if (outcome.Stamp != WaitingFor && Waiting)
                return; // a search given up for an older game
            Arrived = outcome;
            if (Waiting)
                Waiting->quit();
        },
        Qt::QueuedConnection);
}

bool WindowGameView::Closing() const { return Parts.WindowClosing(); }

void WindowGameView::ShowMoveCounter()
{
    Parts.Panels.ShowCounter(GameRecord->Current, GameRecord->Count);
    // Every change of the record passes here: the move list follows it.
    if (Parts.Moves.isVisible())
        Parts.Moves.ShowRecord();
}
