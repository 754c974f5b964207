// The main window as the game session's view: the session's requests carried to the board view,
// the status panels, the menus, the dialogs and the network. Used by the main window, which owns
// it.
#pragma once

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
#include <array>
#include <optional>
#include <utility>

#include "BoardView.h"
#include "ChoiceDialog.h"
#include "DialogPlacement.h"
#include "ResultDialog.h"
#include "GameSession.h"
#include "MainWindow.h"
#include "MoveListWindow.h"
#include "NetProtocol.h"
#include "NetState.h"
#include "SearchThread.h"
#include "Settings.h"
#include "SettingsDialog.h"
#include "Sound.h"
#include "StatusPanels.h"

class WindowGameView : public GameView {
public:
    explicit WindowGameView(TReversiForm& form)
        : Form(form)
    {
    }

    void DrawPosition() override
    {
        Form.BoardWidget->DrawBoard();
        Form.BoardWidget->Present();
    }
    void ShowHover() override { Form.BoardWidget->ShowHoverMark(); }
    void EraseHover() override { Form.BoardWidget->EraseHoverMark(); }
    void MoveHoverHome() override { Form.BoardWidget->MoveHoverHome(); }
    void RememberBoard() override { Form.BoardWidget->RememberBoard(); }
    void ForgetPreviousBoard() override { Form.BoardWidget->NoPreviousBoard = true; }
    void AnimateMove() override { Form.BoardWidget->AnimateMove(); }
    void MovePlayed(int side, int square, int turned) override
    {
        const QString who = side == SideYellow ? QCoreApplication::translate("TReversiForm", "Yellow")
                                               : QCoreApplication::translate("TReversiForm", "Green");
        Form.BoardWidget->Announce(
            QCoreApplication::translate("TReversiForm", "%1 plays %2; discs turned: %3.")
                .arg(who, QString::fromStdString(SquareName(BoardSize, square)))
                .arg(turned));
    }
    void TurnChanged() override
    {
        if (Extras.MarkLegalMoves)
            DrawPosition();
    }
    void PlaySound(const char* name) override { PlaySoundResource(name); }
    void BoardSizeChanged() override
    {
        Form.FitBoard();
        Form.BoardWidget->Present();
        Form.ReloadBoardGraphics();
    }
    void ShowGameSettings(bool players) override
    {
        if (!Form.Dialogs.SideDlg)
            return;
        Form.Dialogs.SideDlg->ShowBoardSize(BoardSize);
        if (players)
            Form.Dialogs.SideDlg->ShowPlayers(ComputerSide, OpponentIsComputer);
    }

    void ShowTurn(TurnShown turn) override { Form.Panels->ShowTurn(turn); }
    void ShowScore(int yellow, int green) override { Form.Panels->ShowScore(yellow, green); }
    void ShowCounter(int current, int count) override
    {
        Form.Panels->ShowCounter(current, count);
        // Every change of the record passes here: the move list follows it.
        if (Form.Moves && Form.Moves->isVisible())
            Form.Moves->ShowRecord();
    }
    void RepaintStatus() override { Form.Panels->Repaint(); }

    void ShowFinal(int kind, int a, int b) override
    {
        TFinalDlg* dialog = Form.Dialogs.FinalDlg;
        if (!dialog || Form.Closing)
            return;
        if (dialog->isVisible()) {
            // A pass dialog is open and the game has ended meanwhile: the result follows it.
            PendingFinal = { kind, a, b };
            return;
        }
        std::optional<std::array<int, 3>> next = std::array<int, 3> { kind, a, b };
        while (next && !Form.Closing) {
            dialog->SetResultMessage((*next)[0], (*next)[1], (*next)[2]);
            Form.BoardWidget->Announce(dialog->FinalMessage->text());
            CentreOverMainWindow(*dialog, Form);
            dialog->exec();
            next = std::exchange(PendingFinal, std::nullopt);
        }
    }
    HistoryChoice AskHistoryChoice() override
    {
        if (!Form.Dialogs.Choice)
            return HistoryChoice::ReturnToHistory;
        CentreOverMainWindow(*Form.Dialogs.Choice, Form);
        switch (Form.Dialogs.Choice->exec()) {
        case ChoiceContinueFromLast:
            return HistoryChoice::ContinueFromLast;
        case ChoiceContinueFromThis:
            return HistoryChoice::ContinueFromThis;
        default:
            return HistoryChoice::ReturnToHistory;
        }
    }
    void ShowError(const std::string& title, const std::string& message) override
    {
        Form.ShowError(QString::fromStdString(title), QString::fromStdString(message));
    }

    void ThinkingStarted() override
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        Form.Items.NewGameItem->setEnabled(false);
        Form.Items.HintItem->setEnabled(false);
        Form.Items.OptionsItem->setEnabled(false);
        Form.UpdateExtraItems();
    }
    void ThinkingEnded() override
    {
        QApplication::restoreOverrideCursor();
        Form.Items.NewGameItem->setEnabled(true);
        Form.Items.HintItem->setEnabled(!NetworkGame);
        Form.Items.OptionsItem->setEnabled(true);
        Form.UpdateExtraItems();
    }
    void WaitWhileSearching() override
    {
        // The window keeps working while the search runs: repaint, menu items still enabled.
        QEventLoop wait;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, &wait, [&] {
            if (!SearchRunning.load(std::memory_order_acquire))
                wait.quit();
        });
        poll.start(2);
        if (SearchRunning.load(std::memory_order_acquire))
            wait.exec();
    }

    void SetUndoRedoEnabled(bool enabled) override
    {
        Form.Items.ListMenuUndoMove->setEnabled(enabled);
        Form.Items.ListMenuRedoMove->setEnabled(enabled);
    }
    void SendMove(int col, int row) override { Form.SendToPeer(EncodeMove(col, row)); }
    void SendRestart() override { Form.SendToPeer(std::string(1, MsgRestart)); }
    void ShowNetworkTurn(bool localTurn) override
    {
        Form.BoardWidget->setCursor(localTurn ? Qt::ArrowCursor : Qt::WaitCursor);
    }
    void NetworkGameLocked(bool locked) override
    {
        Form.Items.HintItem->setEnabled(!locked);
        if (Form.Dialogs.SideDlg)
            Form.Dialogs.SideDlg->SetGameSettingsEnabled(!locked);
    }
    bool Closing() const override { return Form.Closing; }

private:
    TReversiForm& Form;
    std::optional<std::array<int, 3>> PendingFinal; // a result to show when the open one closes
};
