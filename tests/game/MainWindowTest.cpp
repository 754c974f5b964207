// The main window as a player uses it: moves by pointer and keyboard, the computer's answers,
// passes and the end of the game with their dialogs, undo and redo with the history mode, saved
// games, the hint, the right-click display and the typed key sequence. Runs offscreen, with the
// animation and the sounds off so that moves are instant; the modal dialogs are answered by a
// watcher that records what they said.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <ctime>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "AboutWindow.h"
#include "AsyncTimer.h"
#include "BoardPainter.h"
#include "BoardTracker.h"
#include "BoardView.h"
#include "CallRequestDialog.h"
#include "ChoiceDialog.h"
#include "Evaluation.h"
#include "GameFlow.h"
#include "GameReviewPanel.h"
#include "GameSession.h"
#include "HelpText.h"
#include "IntroText.h"
#include "InvariantCounter.h"
#include "MainWindow.h"
#include "MoveListWindow.h"
#include "MoveRules.h"
#include "MoveValueWatch.h"
#include "NetSession.h"
#include "PositionEditor.h"
#include "ProcessState.h"
#include "ProfileFile.h"
#include "Program.h"
#include "ResultDialog.h"
#include "ReviewGameDialog.h"
#include "RoutineTable.h"
#include "RulesWindow.h"
#include "RunWhen.h"
#include "Search.h"
#include "SearchGate.h"
#include "SearchThread.h"
#include "Settings.h"
#include "SettingsDialog.h"
#include "Sound.h"
#include "SpriteStore.h"
#include "StatusPanels.h"
#include "master/MasterEngine.h"

namespace {

// Answers every modal dialog that opens: results for the result dialog, the chosen answer for
// the choice dialog, OK for message boxes. Records the texts shown.
class ModalWatcher : public QObject {
public:
    ModalWatcher()
    {
        connect(&Timer, &QTimer::timeout, this, [this] { Answer(); });
        Timer.start(5);
    }
    QStringList Shown;
    int ChoiceAnswer = ChoiceReturnToHistory;
    int ChoicesAsked = 0;
    QRect ChoiceFrame; // where the last choice dialog stood
    // Sets the settings dialog's controls; the dialog then closes as with Esc.
    std::function<void(TSideDlg&)> OnSettings;
    // The types a file dialog offered (it is then cancelled).
    QStringList FileFilters;
    // Answers a message box itself (true), or leaves it to be accepted (false).
    std::function<bool(QMessageBox&)> OnMessage;

private:
    void Answer()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto* final = qobject_cast<QDialog*>(modal); final && final->inherits("QDialog")) {
            if (auto* f = dynamic_cast<TFinalDlg*>(modal)) {
                Shown << f->FinalMessage->text();
                f->done(1);
                return;
            }
            if (auto* c = dynamic_cast<TChoice*>(modal)) {
                ++ChoicesAsked;
                ChoiceFrame = c->frameGeometry();
                c->done(ChoiceAnswer);
                return;
            }
            if (auto* files = qobject_cast<QFileDialog*>(modal)) {
                FileFilters = files->nameFilters();
                files->reject();
                return;
            }
            if (auto* side = dynamic_cast<TSideDlg*>(modal)) {
                if (OnSettings)
                    OnSettings(*side);
                side->reject();
                return;
            }
        }
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            Shown << box->text()
                    + (box->informativeText().isEmpty()
                            ? QString()
                            : QStringLiteral("\n") + box->informativeText());
            if (!OnMessage || !OnMessage(*box))
                box->accept();
        }
    }
    QTimer Timer;
};

// Square centre in board-widget coordinates (the design's 20 + col × 61 + 30 at its first size).
QPoint Centre(const TReversiForm& form, int col, int row)
{
    const QPoint origin = form.Board().InputOrigin();
    return { origin.x() + col * form.Board().CellSize + form.Board().CellSize / 2,
        origin.y() + row * form.Board().CellSize + form.Board().CellSize / 2 };
}

// The first square of the square order where side may play (for clicks that must be legal).
QPoint FirstLegal(int side)
{
    const int other = side == SideYellow ? SideGreen : SideYellow;
    const SquareOrder order = MoveOrderFor(BoardSize);
    for (int i = 0; i < order.Length; ++i)
        if (Routines.IsLegalMove(BoardStack[0], order.Squares[i], side, other))
            return { order.Squares[i] / RowWidth() - 1, order.Squares[i] % RowWidth() - 1 };
    return { -1, -1 };
}

void SetPosition(int size, const std::vector<std::string>& rows, int side)
{
    for (int row = 0; row < size; ++row)
        for (int col = 0; col < size; ++col) {
            const char c = rows.at(row).at(col);
            BoardStack[0][SquareIndex(size, col, row)] = c == 'Y' ? CellYellow
                : c == 'G'                                        ? CellGreen
                                                                  : CellEmpty;
        }
    SideToMove = side;
}

// What the program writes on standard error while it lives.
class StderrCapture {
public:
    StderrCapture()
    {
        File.open();
        std::fflush(stderr);
        Saved = ::dup(2);
        ::dup2(File.handle(), 2);
    }
    ~StderrCapture()
    {
        std::fflush(stderr);
        ::dup2(Saved, 2);
        ::close(Saved);
    }
    QString Text()
    {
        std::fflush(stderr);
        QFile in(File.fileName());
        in.open(QIODevice::ReadOnly);
        return QString::fromUtf8(in.readAll());
    }

private:
    QTemporaryFile File;
    int Saved = -1;
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir ConfigDir;
    std::unique_ptr<TReversiForm> Form;
    std::unique_ptr<TSideDlg> Side;
    std::unique_ptr<TFinalDlg> Final;
    std::unique_ptr<TChoice> Choice;
    std::unique_ptr<TRulersDlg> Rulers;
    std::unique_ptr<ModalWatcher> Watcher;

    // Starts the program's windows as main() does, with a settings file of its own.
    void Open(int size, bool computer, int computerSide, const std::string& extraOptions = "",
        const std::string& extrasSection = "")
    {
        Close();
        SettingsFile = ConfigDir.filePath(QStringLiteral("reversi.ini")).toStdString();
        QFile ini(QString::fromStdString(SettingsFile));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(("[options]\n" + extraOptions + "gamet=" + (computer ? "computer" : "human")
            + "\nyoupl=" + (computerSide == SideGreen ? "white" : "black")
            + "\nbrdim=" + std::to_string(size) + "\nlevel=1\nsndef=no\nanief=no\nengit=norm\n"
            + (extrasSection.empty() ? "" : "[extras]\n" + extrasSection))
                      .c_str());
        ini.close();
        Watcher = std::make_unique<ModalWatcher>();
        Form = std::make_unique<TReversiForm>();
        Side = std::make_unique<TSideDlg>(Form.get());
        Final = std::make_unique<TFinalDlg>(Form.get());
        Choice = std::make_unique<TChoice>(Form.get());
        Rulers = std::make_unique<TRulersDlg>(Form.get());
        Form->SetDialogs(Side.get(), Final.get(), Choice.get(), Rulers.get());
        Form->Start();
    }

    // Ends the program as closing the window does: the settings file is written.
    void Close()
    {
        if (Form)
            Form->close();
        Side.reset();
        Choice.reset();
        Final.reset();
        Rulers.reset();
        Form.reset();
        Watcher.reset();
    }

    void Click(int col, int row)
    {
        const QPoint p = Centre(*Form, col, row);
        Form->FormMouseMove(p.x(), p.y());
        Form->FormClick();
    }

private slots:
    void initTestCase() { CountInvariantFailures(); }
    // Every test starts from the state a new process has, whatever the test before it left.
    void init()
    {
        ResetProcessState();
        CountInvariantFailures();
        InvariantFailures = 0;
    }
    void cleanup()
    {
        Close();
        QCOMPARE(InvariantFailures, 0);
    }

    void FreshGameAndTheWindowSize()
    {
        Open(8, true, SideGreen);
        QCOMPARE(Form->Status().Text(0), QStringLiteral("Yellow is moving"));
        QCOMPARE(Form->Status().Text(1), QStringLiteral("Yellow 2 : Green 2"));
        QCOMPARE(Form->Status().Text(2), QStringLiteral("Move 0/0"));
        QCOMPARE(Form->Board().width(), 532);
        QCOMPARE(Form->width(), 532);
        QCOMPARE(Form->height(), 532 + Form->menuBar()->height() + Form->statusBar()->height());
        QCOMPARE(BackBuffer.Width, 528);
        Open(10, true, SideGreen);
        QCOMPARE(Form->Board().width(), 534);
        QCOMPARE(Form->Board().height(), 534);
        QCOMPARE(BackBuffer.Width, 530);
    }

    void APlayerMoveAndTheComputersAnswer()
    {
        Open(8, true, SideGreen);
        Click(0, 0); // not legal: nothing happens
        QCOMPARE(GameRecord->Count, 0);
        Click(4, 2); // square 53
        QCOMPARE(GameRecord->Count, 2);
        QCOMPARE(GameRecord->Entries[0].Move, 53);
        QCOMPARE(GameRecord->Entries[1].MoverSide, SideGreen);
        QCOMPARE(SideToMove, SideYellow);
        QCOMPARE(Form->Status().Text(2), QStringLiteral("Move 2/2"));
        QCOMPARE(Form->Status().Text(0), QStringLiteral("Yellow is moving"));
        QVERIFY(Form->Menu().ListMenuUndoMove->isEnabled());
        QVERIFY(Form->Menu().ListMenuRedoMove->isEnabled());
        // The board on screen shows the position: the placed disc rests on its square.
        QVERIFY(Watcher->Shown.isEmpty());
    }

    // The hover outline leaves the square with the player's move and is back on it once the
    // computer has answered; the computer's own move leaves it alone.
    void TheHoverOutlineComesBackAfterTheAnswer()
    {
        Open(8, true, SideGreen);
        auto outlined = [](int col, int row) {
            const PictureRect sq = SquareRect({ 8, 61, 19 }, col, row);
            // The outline runs one pixel inside the square's top left corner.
            return BackBuffer.At(sq.X + 1, BackBuffer.Height - 1 - (sq.Y + 1)) == HoverColour;
        };
        Click(4, 2);
        QCOMPARE(GameRecord->Count, 2);
        QVERIFY(outlined(4, 2));
        for (int col = 0; col < 8; ++col)
            for (int row = 0; row < 8; ++row)
                if (col != 4 || row != 2)
                    QVERIFY(!outlined(col, row));
    }

    void TheComputerOpensWhenItPlaysYellow()
    {
        Open(8, true, SideYellow);
        QCOMPARE(GameRecord->Count, 1);
        QCOMPARE(GameRecord->Entries[0].Move, 53);
        QCOMPARE(SideToMove, SideGreen);
        QCOMPARE(Form->Status().Text(0), QStringLiteral("Green is moving"));
        Form->NewGameItemClick();
        QCOMPARE(GameRecord->Count, 1);
        QCOMPARE(Form->Status().Text(2), QStringLiteral("Move 1/1"));
    }

    void OneRecordedMoveKeepsUndoOff()
    {
        Open(8, false, SideGreen);
        Click(4, 2);
        QCOMPARE(GameRecord->Count, 1);
        QVERIFY(!Form->Menu().ListMenuUndoMove->isEnabled());
        const QPoint reply = FirstLegal(SideGreen);
        Click(reply.x(), reply.y());
        QCOMPARE(GameRecord->Count, 2);
        QVERIFY(Form->Menu().ListMenuUndoMove->isEnabled());
    }

    void UndoEntersHistoryAndAClickAsks()
    {
        Open(8, true, SideGreen);
        Click(4, 2);
        const Board afterTwo = BoardStack[0];
        Form->ListMenuUndoMoveClick();
        QCOMPARE(Form->Status().Text(2), QStringLiteral("Move 1/2"));
        QVERIFY(Form->Session().HistoryMode());
        QCOMPARE(SideToMove, SideGreen);

        Watcher->ChoiceAnswer = ChoiceReturnToHistory;
        Click(2, 3);
        QCOMPARE(Watcher->ChoicesAsked, 1);
        QCOMPARE(GameRecord->Count, 2); // nothing was played
        QVERIFY(Form->Session().HistoryMode());

        // Back to the last position: the redo is replayed, history mode ends, the player moves.
        Watcher->ChoiceAnswer = ChoiceContinueFromLast;
        Form->FormClick();
        QCOMPARE(Watcher->ChoicesAsked, 2);
        QVERIFY(!Form->Session().HistoryMode());
        QCOMPARE(GameRecord->Current, 2);
        QCOMPARE(BoardStack[0], afterTwo);
        QCOMPARE(SideToMove, SideYellow);

        // Continue from an earlier position: the computer plays from there and the rest is lost.
        Form->ListMenuUndoMoveClick();
        Watcher->ChoiceAnswer = ChoiceContinueFromThis;
        Form->FormClick();
        QVERIFY(!Form->Session().HistoryMode());
        QCOMPARE(GameRecord->Count, 2);
        QCOMPARE(GameRecord->Current, 2);
        QCOMPARE(SideToMove, SideYellow);
    }

    void RedoToTheEndLeavesHistory()
    {
        Open(8, false, SideGreen);
        Click(4, 2);
        const QPoint reply = FirstLegal(SideGreen);
        Click(reply.x(), reply.y());
        QCOMPARE(GameRecord->Count, 2);
        Form->ListMenuUndoMoveClick();
        Form->ListMenuUndoMoveClick();
        QCOMPARE(Form->Status().Text(2), QStringLiteral("Move 0/2"));
        Form->ListMenuUndoMoveClick(); // nothing more to undo
        QCOMPARE(Form->Status().Text(2), QStringLiteral("Move 0/2"));
        Form->ListMenuRedoMoveClick();
        QVERIFY(Form->Session().HistoryMode());
        Form->ListMenuRedoMoveClick();
        QVERIFY(!Form->Session().HistoryMode());
        QCOMPARE(Form->Status().Text(2), QStringLiteral("Move 2/2"));
    }

    void APassIsAnnouncedAndTheSideMovesAgain()
    {
        Open(8, false, SideGreen);
        // Yellow plays H7; Green then has nothing, while Yellow still has H8.
        SetPosition(8,
            { "YYYYYYYY", "YYYYYYYY", "YYYYYYYY", "YYYYYYYY", "YYYYYYYG", "YYYYYYGG", "YYYYYYG.",
                "YYYYYYG." },
            SideYellow);
        BoardStack[0][SquareIndex(8, 7, 4)] = CellGreen;
        BoardStack[0][SquareIndex(8, 7, 6)] = CellEmpty;
        QVERIFY(Routines.IsLegalMove(BoardStack[0], SquareIndex(8, 7, 6), SideYellow, SideGreen));
        Click(7, 6);
        QCOMPARE(Watcher->Shown, QStringList { QStringLiteral("Green pass") });
        QCOMPARE(SideToMove, SideYellow);
        QCOMPARE(Form->Status().Text(0), QStringLiteral("Yellow is moving"));
        QVERIFY(!GameOver);

        // Filling the board ends the game: both sides are stuck.
        Click(7, 7);
        QCOMPARE(Form->Status().Text(0), QStringLiteral("Game over"));
        QVERIFY(GameOver);
        QCOMPARE(Watcher->Shown.last(), QStringLiteral("Yellow won 64 : 0"));
        const int moves = GameRecord->Count;
        Click(7, 7);
        QCOMPARE(GameRecord->Count, moves); // no click plays after the end
    }

    void WhenThePlayerMustPassTheComputerMovesAgain()
    {
        Open(8, true, SideGreen);
        SetPosition(8,
            { "..YYYGGG", "YYYYYGGG", "YYGYYYYG", "YYYGYGGG", ".YYGGGGG", ".YGYGGGG", "YGYYGGGG",
                "GYYYY..G" },
            SideYellow);
        Click(5, 7); // square 68; the computer answers 78 and Yellow has nothing left
        QVERIFY(GameRecord->Count >= 3);
        QCOMPARE(GameRecord->Entries[1].Move, 78);
        QCOMPARE(Watcher->Shown.first(), QStringLiteral("Yellow pass"));
        QCOMPARE(GameRecord->Entries[2].MoverSide, SideGreen); // again, without a click
    }

    void ResultTextsOfGreenWinAndTie()
    {
        // Green fills the board by taking H1 and turning G1: the winner's count comes first.
        Open(8, false, SideGreen);
        SetPosition(8,
            { "YYYYYYYY", "YYYYYYYY", "YYYYYYYY", "GGGGGGGG", "GGGGGGGG", "GGGGGGGG", "GGGGGGGG",
                "GGGGGGY." },
            SideGreen);
        Click(7, 7);
        QCOMPARE(Watcher->Shown.last(), QStringLiteral("Green won 40 : 24"));
        QCOMPARE(Form->Status().Text(1), QStringLiteral("Yellow 24 : Green 40"));

        Open(8, false, SideGreen);
        SetPosition(8,
            { "YYYYYYYY", "YYYYYYYY", "YYYYYYYY", "YYYYYYYY", "GGGGGGGG", "GGGGGGGG", "GGGGGGGG",
                "GGGGGGY." },
            SideGreen);
        Click(7, 7);
        QCOMPARE(Watcher->Shown.last(), QStringLiteral("Tie up"));
        QCOMPARE(Form->Status().Text(0), QStringLiteral("Game over"));
    }

    void SavedGamesOpenInHistoryMode()
    {
        QTemporaryDir dir;
        const QString file10 = dir.filePath(QStringLiteral("ten.kpx"));
        Open(10, true, SideGreen);
        Click(3, 5); // square 54 on 10 x 10
        QCOMPARE(GameRecord->Count, 2);
        QVERIFY(GameRecord->SaveToFile(file10.toStdString()));

        Open(8, false, SideYellow);
        QVERIFY(Form->OpenGameFile(file10));
        QCOMPARE(BoardSize, 10);
        QCOMPARE(Form->Board().width(), 534); // resized before the position is shown
        QCOMPARE(Form->Status().Text(2), QStringLiteral("Move 0/2"));
        QVERIFY(Form->Session().HistoryMode());
        QVERIFY(OpponentIsComputer);
        QCOMPARE(ComputerSide, SideGreen);
        Form->ListMenuRedoMoveClick();
        Form->ListMenuRedoMoveClick();
        QVERIFY(!Form->Session().HistoryMode());
        QCOMPARE(Form->Status().Text(2), QStringLiteral("Move 2/2"));

        // A refused file says why and changes nothing; a file without the signature says nothing.
        const QString junk = dir.filePath(QStringLiteral("junk.kpx"));
        QFile f(junk);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("0XPK\x09\0\0\0", 8);
        f.close();
        QVERIFY(!Form->OpenGameFile(junk));
        QCOMPARE(Watcher->Shown.size(), 1);
        QCOMPARE(Form->Status().Text(2), QStringLiteral("Move 2/2"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("hello, world");
        f.close();
        QVERIFY(!Form->OpenGameFile(junk));
        QCOMPARE(Watcher->Shown.size(), 1);
    }

    // --- a computer move belongs to the game it was computed for ---
    // The search is held open by a gate, and the file is opened the first time the test sees the
    // search waiting, so nothing here depends on how fast a search is.

    void OpeningDuringTheComputersSearchDiscardsItsMove()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("game.kpx"));
        Open(8, false, SideGreen);
        Click(4, 2);
        QVERIFY(GameRecord->SaveToFile(file.toStdString()));

        Open(10, true, SideGreen);
        SearchGate gate;
        bool opened = false;
        RunWhen([&] { return gate.Holding(); }, [&] { opened = Form->OpenGameFile(file); });
        const QPoint p = FirstLegal(SideYellow);
        Click(p.x(), p.y());
        QVERIFY(opened);
        QVERIFY(!SearchRunning.load());
        QCOMPARE(BoardSize, 8);
        QCOMPARE(GameRecord->Count, 1); // the loaded game, with no computer move played on it
        QVERIFY(Form->Session().HistoryMode());
        QCOMPARE(Form->Status().Text(2), QStringLiteral("Move 0/1"));
    }

    // The search ends while the file dialog is still open (a modal loop inside the wait): its
    // square is for the old game and must not be played on the one opened.
    void ASearchThatEndedBehindTheOpenDialogPlaysNothing()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("long.kpx"));
        Open(8, false, SideGreen);
        while (!GameOver) {
            const QPoint p = FirstLegal(SideToMove);
            Click(p.x(), p.y());
        }
        const int moves = GameRecord->Count;
        QVERIFY(moves > 50);
        QVERIFY(GameRecord->SaveToFile(file.toStdString()));

        for (const int size : { 10, 8 }) {
            Open(size, true, SideGreen);
            SearchGate gate;
            RunWhen([&] { return gate.Holding(); },
                [&] {
                    gate.Release();
                    QDeadlineTimer deadline(10000);
                    while (SearchRunning.load() && !deadline.hasExpired())
                        std::this_thread::yield();
                    Form->OpenGameFile(file);
                });
            const QPoint p = FirstLegal(SideYellow);
            Click(p.x(), p.y());
            QCOMPARE(gate.Arrived(), 1);
            QCOMPARE(BoardSize, 8);
            QCOMPARE(GameRecord->Count, moves);
            QVERIFY(Form->Session().HistoryMode());
            QCOMPARE(Form->Status().Text(2), QStringLiteral("Move 0/%1").arg(moves));
            // What is saved now is what was opened, and the loader takes it.
            const QString again = dir.filePath(QStringLiteral("again.kpx"));
            QVERIFY(GameRecord->SaveToFile(again.toStdString()));
            QVERIFY(GameRecord->LoadFromFile(again.toStdString()));
            QCOMPARE(GameRecord->Count, moves);
        }
    }

    // Opened during the search, an empty game where the computer plays Yellow gets exactly one
    // opening move, from one search of its own.
    void AnEmptyGameOpenedDuringTheSearchGetsOneComputerMove()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("empty.kpx"));
        OBoardTracker empty;
        empty.Size = 8;
        const std::vector<std::uint8_t> bytes = EncodeSavedGame(empty, { SideYellow, true });
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        f.close();

        SearchGate gate;
        bool opened = false;
        RunWhen([&] { return gate.Holding(); }, [&] { opened = Form->OpenGameFile(file); });
        Open(8, true, SideYellow); // the computer opens: its first search is held
        QVERIFY(opened);
        QCOMPARE(gate.Arrived(), 2);
        QCOMPARE(GameRecord->Count, 1);
        QCOMPARE(GameRecord->Entries[0].MoverSide, SideYellow);
        QCOMPARE(GameRecord->Entries[0].Move, 53);
        QCOMPARE(SideToMove, SideGreen);
        QCOMPARE(Form->Status().Text(2), QStringLiteral("Move 1/1"));
    }

    // What the player clicks or types while discs turn over was meant for the old position.
    void ClicksAndKeysDuringTheAnimationAreDropped()
    {
        Open(8, true, SideGreen, "anief=yes\n");
        int animations = 0;
        AnimationFrameHook = [&](int frame) {
            if (frame == 0)
                ++animations;
            if (animations != 2 || frame != 3)
                return;
            // The computer's reply is turning over: aim at a square the player may take next.
            const QPoint target
                = Centre(*Form, FirstLegal(SideYellow).x(), FirstLegal(SideYellow).y());
            QWidget* board = (&Form->Board());
            const QPointF at(target), global(board->mapToGlobal(target));
            QCoreApplication::postEvent(board,
                new QMouseEvent(
                    QEvent::MouseMove, at, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier));
            QCoreApplication::postEvent(board,
                new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier));
            QCoreApplication::postEvent(board,
                new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton,
                    Qt::NoButton, Qt::NoModifier));
            QCoreApplication::postEvent(board,
                new QKeyEvent(
                    QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" ")));
        };
        Click(4, 2);
        AnimationFrameHook = nullptr;
        QCOMPARE(animations, 2);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QCOMPARE(GameRecord->Count, 2); // the player's move and the reply, nothing more
        QCOMPARE(SideToMove, SideYellow);
        // Input after the animation is the player's again.
        const QPoint p = FirstLegal(SideYellow);
        Click(p.x(), p.y());
        QCOMPARE(GameRecord->Count, 4);
    }

    // A search that reports a pass while the side has a move is a bug; the window neither loops
    // nor hands the turn over, it plays the move.
    void APassReportedWithALegalMoveIsNotBelieved()
    {
        Open(8, true, SideGreen);
        // Green's one move is the centre square D5, which the search never tries.
        SetPosition(8,
            { "........", "...G....", "...Y....", "........", "........", "........", "........",
                "........" },
            SideGreen);
        QVERIFY(Routines.IsLegalMove(BoardStack[0], 44, SideGreen, SideYellow));
        Form->MakeComputerMove();
        QCOMPARE(InvariantFailures, 1);
        InvariantFailures = 0;
        QCOMPARE(int(BoardStack[0][44]), int(CellGreen));
        QCOMPARE(GameRecord->Count, 1);
    }

    void TheStatusPanelsComeBackWhenAMenuClosesWithEsc()
    {
        Open(8, true, SideGreen);
        QMenu* game = Form->menuBar()->actions().at(0)->menu();
        Form->menuBar()->setActiveAction(game->menuAction()); // as a click on "&Game" opens it
        QTRY_VERIFY(game->isVisible());
        QTest::keyClick(game, Qt::Key_Down); // highlights "&New"
        QTRY_COMPARE(Form->statusBar()->currentMessage(), QStringLiteral("Start new game"));
        QTest::keyClick(game, Qt::Key_Escape);
        QTRY_VERIFY(!game->isVisible());
        QTRY_COMPARE(Form->statusBar()->currentMessage(), QString());
        QCOMPARE(Form->Status().Text(0), QStringLiteral("Yellow is moving"));
    }

    void TheWindowCanBeMaximisedMinimisedAndClosed()
    {
        Open(8, true, SideGreen);
        const Qt::WindowFlags flags = Form->windowFlags();
        QVERIFY(flags & Qt::WindowMaximizeButtonHint);
        QVERIFY(flags & Qt::WindowMinimizeButtonHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
    }

    // A write at exit that fails is said once, on standard error and to the player before the
    // window goes, with the choice to stay; staying and closing again tries again.
    void AFailedWriteAtExitIsSaidOnceAndThePlayerMayStay()
    {
        Open(8, true, SideGreen);
        const std::string saved = SettingsFile;
        SettingsFile = "/proc/corvana-no-such-folder/reversi.ini";
        bool stay = true;
        Watcher->OnMessage = [&stay](QMessageBox& box) {
            if (!stay)
                return false;
            for (QAbstractButton* b : box.buttons())
                if (box.buttonRole(b) == QMessageBox::RejectRole)
                    b->click();
            return true;
        };
        QString said;
        {
            StderrCapture capture;
            Form->close();
            said = capture.Text();
        }
        QVERIFY(Form->isVisible());
        QCOMPARE(said.count(QStringLiteral("corvana: Cannot create")), 1);
        QCOMPARE(Watcher->Shown.size(), 1);
        QVERIFY(Watcher->Shown[0].startsWith(QStringLiteral("Corvana could not keep everything")));
        QVERIFY(
            Watcher->Shown[0].contains(QStringLiteral("/proc/corvana-no-such-folder/reversi.ini")));

        // Closed again with the folder back, nothing more is said and the file is written.
        SettingsFile = saved;
        stay = false;
        {
            StderrCapture capture;
            Close();
            said = capture.Text();
        }
        QCOMPARE(said, QString());
        QVERIFY(TProfileFile::Load(SettingsFile).Raw("options", "usetr").has_value());

        // Quitting anyway ends without a second word from the window's or the dialog's end.
        Open(8, true, SideGreen);
        SettingsFile = "/proc/corvana-no-such-folder/reversi.ini";
        {
            StderrCapture capture;
            Close();
            said = capture.Text();
        }
        SettingsFile = saved;
        QCOMPARE(said.count(QStringLiteral("corvana: ")), 1);
    }

    // Esc while the computer thinks: it plays at once; the item is there only while it thinks.
    void EscMakesTheComputerMoveNow()
    {
        Open(8, true, SideGreen, "level=9\n");
        Form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form.get()));
        QCOMPARE(Form->Menu().MoveNowItem->shortcut(), QKeySequence(Qt::Key_Escape));
        QVERIFY(!Form->Menu().MoveNowItem->isEnabled());
        SearchGate gate;
        bool enabledWhileThinking = false;
        QTimer::singleShot(0, Form.get(), [&] {
            QTRY_VERIFY_WITH_TIMEOUT(gate.Holding(), 20000);
            enabledWhileThinking = Form->Menu().MoveNowItem->isEnabled();
            QTest::keyClick(Form.get(), Qt::Key_Escape);
        });
        Click(4, 2);
        QVERIFY(enabledWhileThinking);
        QCOMPARE(GameRecord->Count, 2);
        QCOMPARE(GameRecord->Entries[1].MoverSide, SideGreen);
        QVERIFY(!Form->Menu().MoveNowItem->isEnabled());
    }

    // Back at the start of a game, the choice dialog does not hide the whole position (its four
    // discs are under a centred dialog); further on it is centred as it always was.
    void TheChoiceLeavesThePositionInSight()
    {
        Open(8, false, SideGreen);
        Click(4, 2);
        Click(FirstLegal(SideGreen).x(), FirstLegal(SideGreen).y());
        Form->ListMenuUndoMoveClick();
        Form->ListMenuUndoMoveClick();
        QCOMPARE(Form->Status().Text(2), QStringLiteral("Move 0/2"));
        Click(4, 2);
        QCOMPARE(Watcher->ChoicesAsked, 1);
        int hidden = 0;
        for (int col = 3; col <= 4; ++col)
            for (int row = 3; row <= 4; ++row)
                hidden += Watcher->ChoiceFrame.intersects(Form->Board().SquareOnScreen(col, row));
        QCOMPARE(hidden, 0);
        QVERIFY(Form->frameGeometry().intersects(Watcher->ChoiceFrame)); // still over the window
    }

    // The help names every key the menus answer, opens beside the game without holding it, and
    // speaks the reader's language.
    void TheHelpNamesEveryKeyAndLetsTheGameGoOn()
    {
        Open(8, false, SideGreen);
        Rulers->ShowProgramHelp();
        const QString help = Rulers->Memo1->toPlainText();
        QStringList keys;
        for (const HelpKey& row : HelpKeys()) {
            keys << QString::fromLatin1(row.Keys).split(QStringLiteral(", "));
            QVERIFY2(help.contains(QString::fromLatin1(row.Keys)), row.Keys);
        }
        int shortcuts = 0;
        for (QMenu* menu : { Form->Menu().GameMenu, Form->Menu().NetMenu, Form->Menu().MatchMenu,
                 Form->Menu().InfoMenu })
            for (QAction* a : menu->actions())
                for (const QKeySequence& key : a->shortcuts()) {
                    ++shortcuts;
                    const QString name = key.toString(QKeySequence::PortableText);
                    QVERIFY2(
                        keys.contains(name), qPrintable(a->text() + QStringLiteral(": ") + name));
                }
        QVERIFY(shortcuts >= 20);

        Form->RulersItemClick();
        QVERIFY(Rulers->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        Click(4, 2); // the game goes on while the help is open
        QCOMPARE(GameRecord->Count, 1);
        // F1 again brings it to the front where the player left it.
        Rulers->move(Rulers->pos() + QPoint(7, 5));
        const QPoint left = Rulers->pos();
        Form->RulersItemClick();
        QCOMPARE(Rulers->pos(), left);
        QVERIFY(Rulers->isVisible());
        Rulers->hide();

        QVERIFY(InstallTranslations(QLocale(QLocale::German, QLocale::Germany)));
        TRulersDlg german;
        german.ShowProgramHelp();
        RemoveTranslations();
        QVERIFY(german.Memo1->toPlainText().contains(QStringLiteral("Tasten und Befehle.")));
        QVERIFY(german.Memo1->toPlainText().contains(QStringLiteral("Strg+N")));
    }

    // The About window's greeting scrolls in the reader's language, in the intro's own letters.
    void TheAboutGreetingIsTranslated()
    {
        const auto scrolled = [] {
            TAboutBox box(nullptr, 1);
            return box.IntroState().Scrolled();
        };
        QVERIFY(scrolled() == ConvertText(IntroGreeting));
        QVERIFY(InstallTranslations(QLocale(QLocale::Russian, QLocale::Russia)));
        const QString russian = QCoreApplication::translate("TAboutBox", IntroGreeting.data());
        const std::vector<std::uint8_t> codes = scrolled();
        RemoveTranslations();
        QVERIFY(russian.contains(QStringLiteral("Реверси")));
        QCOMPARE(codes.size(), std::size_t(russian.size()));
        // Only the spaces are blanks: every letter is one the intro draws.
        for (int i = 0; i < russian.size(); ++i)
            QCOMPARE(codes[std::size_t(i)] == 1, russian[i] == QLatin1Char(' '));
    }

    // The keys today's desktops use work beside the original's, which the menus still show.
    void TheKeysPeopleKnowWorkToo()
    {
        Open(8, false, SideGreen);
        Form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form.get()));
        QCOMPARE(Form->Menu().NewGameItem->shortcut(), QKeySequence(Qt::Key_F2));
        QCOMPARE(Form->Menu().ListMenuRedoMove->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
        Click(4, 2);
        Click(FirstLegal(SideGreen).x(), FirstLegal(SideGreen).y());
        QCOMPARE(GameRecord->Count, 2);
        QTest::keyClick(Form.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(GameRecord->Current, 1);
        QTest::keyClick(Form.get(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(GameRecord->Current, 2);
        QTest::keyClick(Form.get(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(Form.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(GameRecord->Current, 2);
        QTest::keyClick(Form.get(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(GameRecord->Count, 0);
        QTest::keyClick(Form.get(), Qt::Key_O, Qt::ControlModifier); // the Open dialog, cancelled
        QCOMPARE(Watcher->FileFilters.value(0), QStringLiteral("All games (*.kpx *.txt *.ggf)"));
        QVERIFY(Form->isVisible());
        Form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(Form.get()));
        QTest::keyClick(Form.get(), Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY(!Form->isVisible());
    }

    // Open offers every game it reads at once, first; Save keeps one type a form.
    void OpenOffersEveryGameFileFirst()
    {
        Open(8, true, SideGreen);
        Form->ListMenuLoadClick();
        QCOMPARE(Watcher->FileFilters,
            QStringList({ "All games (*.kpx *.txt *.ggf)", "Reversi games (*.kpx)",
                "Transcripts (*.txt)", "GGF games (*.ggf)" }));
        Form->ListMenuSaveClick();
        QCOMPARE(Watcher->FileFilters,
            QStringList({ "Reversi games (*.kpx)", "Transcripts (*.txt)", "GGF games (*.ggf)" }));
    }

    void AFifoIsNotOpenedAndTheReasonIsShown()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath(QStringLiteral("pipe.kpx"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
        Open(8, true, SideGreen);
        QVERIFY(!Form->OpenGameFile(fifo));
        QCOMPARE(Watcher->Shown,
            QStringList { QStringLiteral("pipe.kpx was not opened: it is not a regular file") });
        QCOMPARE(Form->Status().Text(2), QStringLiteral("Move 0/0"));
    }

    void PointerMarginsAndKeyboard()
    {
        Open(8, true, SideGreen);
        Form->FormMouseMove(5, 100); // the margin left of the board counts as column 0
        QCOMPARE(Form->Board().HoverCol, 0);
        Form->FormMouseMove(300, 300);
        QCOMPARE(Form->Board().HoverCol, 4);
        Form->FormMouseMove(520, 300); // right of the board: the column stays
        QCOMPARE(Form->Board().HoverCol, 4);
        QCOMPARE(Form->Board().HoverRow, 4);
        Form->FormKeyDown(Qt::Key_Up);
        Form->FormKeyDown(Qt::Key_Up);
        QCOMPARE(Form->Board().HoverRow, 2);
        Form->FormKeyDown(Qt::Key_Return); // plays square 53
        QCOMPARE(GameRecord->Count, 2);
        QCOMPARE(GameRecord->Entries[0].Move, 53);
        for (int i = 0; i < 12; ++i)
            Form->FormKeyDown(Qt::Key_Left);
        QCOMPARE(Form->Board().HoverCol, 0);
    }

    void HintMovesThePointerOntoTheChosenSquare()
    {
        Open(8, true, SideGreen);
        SoundOn = true;
        Form->HintItemClick();
        QCOMPARE(Form->Board().HoverCol, 4); // square 53 at level 1
        QCOMPARE(Form->Board().HoverRow, 2);
        QCOMPARE(QString::fromStdString(HeldSoundResource()), QStringLiteral("SOUND_HINT"));
        QCOMPARE(GameRecord->Count, 0); // a hint plays nothing
        // Arriving on the hinted (legal) square made no legal-square sound; the next one does.
        Form->FormMouseMove(Centre(*Form, 3, 5).x(), Centre(*Form, 3, 5).y());
        QCOMPARE(QString::fromStdString(HeldSoundResource()), QStringLiteral("SOUND_LEGAL"));
        SoundOn = false;
    }

    void RightClickDisplayRunsItsTicksAndEnds()
    {
        Open(8, true, SideGreen);
        Form->FormMouseDown(Qt::LeftButton);
        QVERIFY(!Form->Board().MoveDisplayTimer()->Enabled());
        Form->FormMouseDown(Qt::RightButton);
        QVERIFY(Form->Board().MoveDisplayTimer()->Enabled());
        // The four legal squares carry the Yellow mark at the square's edge.
        const PictureRect sq = SquareRect({ 8, 61, 19 }, 4, 2);
        QCOMPARE(BackBuffer.At(sq.X + 1, BackBuffer.Height - 1 - (sq.Y + 10)), 0xFFF000u);
        QTRY_VERIFY_WITH_TIMEOUT(!Form->Board().MoveDisplayTimer()->Enabled(), 20000);
        QCOMPARE(Form->Board().DisplayTick, 30);

        // With both marks off the timer still runs its course; on 10 x 10 it takes 24 ticks.
        Open(10, true, SideGreen);
        ShowAvailableMoves = ShowPreviousMove = false;
        const std::vector<std::uint32_t> before = BackBuffer.Pixels;
        Form->FormMouseDown(Qt::RightButton);
        QVERIFY(Form->Board().MoveDisplayTimer()->Enabled());
        QTRY_VERIFY_WITH_TIMEOUT(!Form->Board().MoveDisplayTimer()->Enabled(), 20000);
        QCOMPARE(Form->Board().DisplayTick, 24);
        QVERIFY(BackBuffer.Pixels == before);
    }

    void AMoveEndsTheMoveDisplay()
    {
        Open(8, true, SideGreen);
        Form->FormMouseDown(Qt::RightButton);
        QVERIFY(Form->Board().MoveDisplayTimer()->Enabled());
        Click(4, 2);
        QVERIFY(!Form->Board().MoveDisplayTimer()->Enabled());
        // The marks are gone from the back buffer: square (2, 3), legal before the move, rests.
        const PictureRect sq = SquareRect({ 8, 61, 19 }, 2, 3);
        QVERIFY(BackBuffer.At(sq.X + 1, BackBuffer.Height - 1 - (sq.Y + 10)) != 0xFFF000u);
    }

    void ANewSoundReplacesTheHeldOne()
    {
        SoundOn = true;
        PlaySoundResource("SOUND_CLICK");
        QCOMPARE(QString::fromStdString(HeldSoundResource()), QStringLiteral("SOUND_CLICK"));
        PlaySoundResource("SOUND_LEGAL");
        QCOMPARE(QString::fromStdString(HeldSoundResource()), QStringLiteral("SOUND_LEGAL"));
        PlaySoundResource("NO_SUCH_SOUND"); // the old one stops; nothing is held
        QVERIFY(HeldSoundResource().empty());
        PlaySoundResource("SOUND_HINT");
        StopSound();
        QVERIFY(HeldSoundResource().empty());
        SoundOn = false;
        PlaySoundResource("SOUND_CLICK"); // silent while sound is off
        QVERIFY(HeldSoundResource().empty());
    }

    // --- the settings dialog applied to a running game ---

    void EscapeAfterChangingTheOpponentStillRestarts()
    {
        Open(8, true, SideGreen);
        Click(4, 2);
        QCOMPARE(GameRecord->Count, 2);
        Watcher->OnSettings = [](TSideDlg& d) {
            d.PlayerButton->setChecked(true);
            QVERIFY(!d.YellowButton->isEnabled()); // two players: no side for the computer
        };
        Form->OptionsItemClick();
        QVERIFY(!OpponentIsComputer);
        QCOMPARE(GameRecord->Count, 0);
        QCOMPARE(Form->Status().Text(2), QStringLiteral("Move 0/0"));

        // The computer taking Yellow opens at once.
        Watcher->OnSettings = [](TSideDlg& d) {
            d.ComputerButton->setChecked(true);
            d.GreenButton->setChecked(true);
        };
        Form->OptionsItemClick();
        QCOMPARE(ComputerSide, SideYellow);
        QCOMPARE(GameRecord->Count, 1);
    }

    void ChangingOnlyTheFigureSetKeepsTheGame()
    {
        Open(8, true, SideGreen);
        Click(4, 2);
        Form->ListMenuUndoMoveClick();
        const Board position = BoardStack[0];
        Watcher->OnSettings = [](TSideDlg& d) {
            d.FiguresList->setCurrentIndex(1);
            d.LevelBar->setValue(4);
            QCOMPARE(d.LevelBox->title(), QStringLiteral("Computer level 4"));
        };
        Form->OptionsItemClick();
        QCOMPARE(FigureSet, 1);
        QCOMPARE(Form->Board().RestFrame, 14);
        QCOMPARE(Level, 4);
        QCOMPARE(DiscSheet.Width, 15 * 61);
        QCOMPARE(BoardStack[0], position);
        QCOMPARE(GameRecord->Count, 2);
        QCOMPARE(Form->Status().Text(2), QStringLiteral("Move 1/2"));
        QVERIFY(Form->Session().HistoryMode());
    }

    void ChangingTheSizeRestartsAndResizes()
    {
        Open(8, true, SideGreen);
        Click(4, 2);
        Watcher->OnSettings = [](TSideDlg& d) { d.Size10Button->setChecked(true); };
        Form->OptionsItemClick();
        QCOMPARE(BoardSize, 10);
        QCOMPARE(Form->Board().width(), 534);
        QCOMPARE(DiscSheet.Width, 20 * 49);
        QCOMPARE(GameRecord->Count, 0);
        QCOMPARE(Form->Status().Text(1), QStringLiteral("Yellow 2 : Green 2"));
        Click(3, 5); // square 54 plays on the new board
        QCOMPARE(GameRecord->Entries[0].Move, 54);
    }

    void AnOpenedGameOfTheOtherSizeIsWhatTheFileKeeps()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("ten.kpx"));
        Open(10, false, SideGreen);
        Click(3, 5);
        QVERIFY(GameRecord->SaveToFile(file.toStdString()));
        Open(8, true, SideGreen);
        QVERIFY(Form->OpenGameFile(file));
        QVERIFY(Side->Size10Button->isChecked());
        QVERIFY(Side->PlayerButton->isChecked());
        Close();
        const TProfileFile written = TProfileFile::Load(SettingsFile);
        QCOMPARE(written.GetString("options", "brdim", ""), std::string("10"));
        QCOMPARE(written.GetString("options", "gamet", ""), std::string("human"));
        QCOMPARE(written.GetString("net", "port", ""), std::string("8173"));
        QCOMPARE(written.GetString("options", "callw", ""), std::string("yes"));
    }

    void TheDialogWritesBackWhatItShowed()
    {
        // Earlier keys win, so these override what Open writes after them.
        Open(8, true, SideGreen, "brdim=9\ntfigs=fire\nyoupl=moon\nlevel=12\nmystery=kept\n");
        QVERIFY(Side->Size8Button->isChecked());
        QCOMPARE(Side->FiguresList->currentText(), QStringLiteral("Classic"));
        QVERIFY(Side->GreenButton->isChecked());
        QCOMPARE(Side->LevelBar->value(), 1);
        Close();
        const TProfileFile written = TProfileFile::Load(SettingsFile);
        QCOMPARE(written.GetString("options", "brdim", ""), std::string("8"));
        QCOMPARE(written.GetString("options", "tfigs", ""), std::string("fire"));
        QCOMPARE(written.GetString("options", "youpl", ""), std::string("black"));
        QCOMPARE(written.GetString("options", "level", ""), std::string("1"));
        QCOMPARE(written.GetString("options", "mystery", ""), std::string("kept"));
        QCOMPARE(written.GetString("options", "engit", ""), std::string("norm"));
        QCOMPARE(written.GetString("options", "prevm", ""), std::string("show"));
    }

    void TheMasterEngineIsTheThirdChoiceAndItsValueReadsBack()
    {
        Open(8, true, SideGreen);
        QCOMPARE(Side->EngineList->count(), 3);
        QCOMPARE(Side->EngineList->currentIndex(), 0);
        Watcher->OnSettings = [](TSideDlg& d) { d.EngineList->setCurrentIndex(2); };
        Form->OptionsItemClick();
        QCOMPARE(SearchEngine, EngineKind::Master);
        QVERIFY(!AdvancedEngine);
        Close();
        QCOMPARE(TProfileFile::Load(SettingsFile).GetString("options", "engit", ""),
            std::string("mast"));

        // Earlier keys win over the engit=norm that Open writes after them.
        Open(8, true, SideGreen, "engit=mast\n");
        QCOMPARE(Side->EngineList->currentIndex(), 2);
        QCOMPARE(SearchEngine, EngineKind::Master);
        Open(8, true, SideGreen, "engit=advn\n");
        QCOMPARE(Side->EngineList->currentIndex(), 1);
        QVERIFY(AdvancedEngine);
        QCOMPARE(SearchEngine, EngineKind::Advanced);

        // A value of no engine this program knows plays and is written back as the normal one.
        Open(8, true, SideGreen, "engit=mastr\n");
        QCOMPARE(Side->EngineList->currentIndex(), 0);
        QCOMPARE(SearchEngine, EngineKind::Normal);
        QVERIFY(!AdvancedEngine);
        Close();
        QCOMPARE(TProfileFile::Load(SettingsFile).GetString("options", "engit", ""),
            std::string("norm"));
    }

    // The master engine is held after its first iteration until the cancel flag is set, so the
    // test sees it cancelled in the middle of its work however fast the machine is.
    void NewCancelsTheMasterEnginesSearchAtOnce()
    {
        // Level 9: five seconds a move, far more than a cancelled search may take.
        Open(8, true, SideGreen, "engit=mast\nlevel=9\n");
        QCOMPARE(Level, 9);
        std::atomic<int> heldAt { 0 };
        master::IterationHook = [&heldAt](int depth, const std::atomic<bool>* cancel) {
            if (heldAt.load() != 0 || !cancel)
                return;
            heldAt.store(depth);
            while (!cancel->load())
                std::this_thread::yield();
        };
        bool renewed = false;
        RunWhen([&] { return heldAt.load() != 0; },
            [&] {
                Form->NewGameItemClick();
                renewed = true;
            });
        const QPoint p = FirstLegal(SideYellow);
        Click(p.x(), p.y());
        master::IterationHook = nullptr;
        QVERIFY(renewed);
        QVERIFY(!SearchRunning.load());
        const master::SearchReport report = master::LastThreadReport();
        QVERIFY(report.Cancelled);
        // No iteration starts after the cancel: the search ends at the depth it was held at.
        QCOMPARE(report.Depth, heldAt.load());
        // The new game has no move of the old one's search.
        QCOMPARE(GameRecord->Count, 0);
        QCOMPARE(SideToMove, SideYellow);
        QCOMPARE(Form->Status().Text(2), QStringLiteral("Move 0/0"));
        QVERIFY(Form->Menu().NewGameItem->isEnabled());
    }

    // --- beyond the original ---

    void TakingBackAgainstTheComputerTakesItsReplyToo()
    {
        Open(8, true, SideGreen);
        QVERIFY(!Form->Session().CanTakeBack()); // nothing of the player's to take back
        Click(4, 2);
        QCOMPARE(GameRecord->Count, 2);
        const Board start = StartBoard(8);
        Form->TakeBackItemClick();
        QCOMPARE(GameRecord->Current, 0);
        QCOMPARE(BoardStack[0], start);
        QCOMPARE(SideToMove, SideYellow);
        QVERIFY(!Form->Session().HistoryMode()); // play on at once: no question asked
        QCOMPARE(Form->Status().Text(2), QStringLiteral("Move 0/2"));
        // What was taken back can be redone until a new move is played.
        Form->ListMenuRedoMoveClick();
        QCOMPARE(GameRecord->Current, 1);
        Form->ListMenuUndoMoveClick();
        Form->TakeBackItemClick(); // nothing of the player's before position 0
        QCOMPARE(GameRecord->Current, 0);
        Form->Session().SetHistoryMode(false);
        Click(2, 3); // another first move
        QCOMPARE(GameRecord->Count, 2);
        QCOMPARE(Watcher->ChoicesAsked, 0);

        // Between two players it takes back one move.
        Open(8, false, SideGreen);
        Click(4, 2);
        const QPoint reply = FirstLegal(SideGreen);
        Click(reply.x(), reply.y());
        Form->TakeBackItemClick();
        QCOMPARE(GameRecord->Current, 1);
        QCOMPARE(SideToMove, SideGreen);

        // Not while the computer thinks.
        Open(8, true, SideGreen);
        SearchGate gate;
        bool whileThinking = true;
        RunWhen([&] { return gate.Holding(); },
            [&] {
                whileThinking = Form->Session().CanTakeBack();
                Form->TakeBackItemClick();
                gate.Release();
            });
        Click(4, 2);
        QVERIFY(!whileThinking);
        QCOMPARE(GameRecord->Count, 2);
    }

    void TheMoveListShowsTheGameAndGoesToAPosition()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("long.kpx"));
        Open(8, false, SideGreen);
        while (!GameOver) {
            const QPoint p = FirstLegal(SideToMove);
            Click(p.x(), p.y());
        }
        const int moves = GameRecord->Count;
        QVERIFY(GameRecord->SaveToFile(file.toStdString()));

        Open(8, false, SideGreen, "", "movelist=show\n");
        QVERIFY(Form->MoveList().isVisible());
        QVERIFY(Form->Menu().MoveListItem->isChecked());
        QVERIFY(Form->OpenGameFile(file));
        const auto& plies = Form->MoveList().Plies();
        QVERIFY(int(plies.size()) >= moves); // every move, and a pass where one was made
        int entries = 0;
        for (const auto& ply : plies)
            entries += ply.Entry >= 0;
        QCOMPARE(entries, moves);
        QCOMPARE(plies.front().Side, SideYellow);
        QCOMPARE(Form->MoveList().SelectedPosition(), 0);

        // End: the game's end in one step, out of the history.
        QTest::keyClick(&Form->MoveList(), Qt::Key_End);
        QCOMPARE(GameRecord->Current, moves);
        QCOMPARE(Form->Status().Text(2), QStringLiteral("Move %1/%1").arg(moves));
        QVERIFY(!Form->Session().HistoryMode());
        // Page Up one back, into the history; Home to the start.
        QTest::keyClick(&Form->MoveList(), Qt::Key_PageUp);
        QCOMPARE(GameRecord->Current, moves - 1);
        QVERIFY(Form->Session().HistoryMode());
        QTest::keyClick(&Form->MoveList(), Qt::Key_Home);
        QCOMPARE(GameRecord->Current, 0);
        QCOMPARE(BoardStack[0], StartBoard(8));
        QTest::keyClick(&Form->MoveList(), Qt::Key_PageDown);
        QCOMPARE(GameRecord->Current, 1);
        QCOMPARE(Form->MoveList().SelectedPosition(), 1);

        // Hidden again from the menu; remembered in the file.
        Form->Menu().MoveListItem->trigger();
        QVERIFY(!Form->MoveList().isVisible());
        Close();
        QCOMPARE(TProfileFile::Load(SettingsFile).GetString("extras", "movelist", ""),
            std::string("hide"));
    }

    // The list follows the game cell by cell: a move writes its own cell, a step back greys the
    // moves after the position, and the cells already there stay the same cells.
    void TheMoveListChangesOnlyTheCellsThatChange()
    {
        Open(8, false, SideGreen, "", "movelist=show\n");
        auto* table = Form->MoveList().findChild<QTableWidget*>();
        QVERIFY(table);
        Click(4, 2); // Yellow E6
        QTableWidgetItem* first = table->item(0, 0);
        QVERIFY(first);
        QCOMPARE(first->text(), QStringLiteral("E6"));
        const QPoint green = FirstLegal(SideGreen);
        Click(green.x(), green.y());
        QCOMPARE(table->item(0, 0), first);
        QCOMPARE(table->item(0, 1)->text(),
            QString::fromStdString(Square::At(8, green.x(), green.y()).Name()));
        const QPoint yellow = FirstLegal(SideYellow);
        Click(yellow.x(), yellow.y());
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(0, 0), first);
        const QBrush played = table->item(0, 1)->foreground();
        Form->ListMenuUndoMoveClick();
        QCOMPARE(table->item(0, 0), first);
        QVERIFY(table->item(1, 0)->foreground() != played); // after the position: greyed
        QCOMPARE(table->item(0, 1)->foreground(), played);
        QCOMPARE(table->currentItem(), table->item(0, 1));
    }

    // Games as text: the clipboard and the .txt and .ggf files open as a saved game does, and a
    // refusal says why and changes nothing.
    void GamesAsTextOpenLikeSavedGames()
    {
        QTemporaryDir dir;
        Open(8, true, SideYellow);
        QCOMPARE(GameRecord->Count, 1); // the computer opened

        // A pasted game opens at its start in the history and keeps who plays.
        QVERIFY(Form->PasteGame(QStringLiteral("f5 d6 c3 d3 c4")).Ok());
        QCOMPARE(GameRecord->Count, 5);
        QVERIFY(Form->Session().HistoryMode());
        QCOMPARE(Form->Status().Text(2), QStringLiteral("Move 0/5"));
        QCOMPARE(ComputerSide, SideYellow);
        QVERIFY(OpponentIsComputer);

        // Copy gives back the moves as a transcript, whatever position is shown.
        Form->CopyGameItemClick();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("f5d6c3d3c4"));

        // Paste from the menu with something else on the clipboard: a box saying why, and the
        // game stays as it was.
        QGuiApplication::clipboard()->setText(QStringLiteral("f5 d6 a1"));
        Form->Menu().PasteGameItem->trigger();
        QCOMPARE(Watcher->Shown.size(), 1);
        QVERIFY(Watcher->Shown.first().contains(QStringLiteral("A1")));
        QCOMPARE(GameRecord->Count, 5);
        QCOMPARE(Form->Status().Text(2), QStringLiteral("Move 0/5"));
        QVERIFY(!Form->PasteGame(QStringLiteral(" \n")).Ok()); // no moves: nothing to open
        QCOMPARE(GameRecord->Count, 5);

        // Saved as GGF and as a transcript, opened again: the same moves.
        Form->Session().JumpTo(5);
        for (const char* name : { "game.ggf", "game.txt" }) {
            const QString file = dir.filePath(QString::fromLatin1(name));
            QVERIFY(Form->Session().Save(file.toStdString()).Ok());
            Open(10, false, SideGreen);
            QVERIFY(Form->OpenGameFile(file));
            QCOMPARE(BoardSize, 8);
            QCOMPARE(GameRecord->Count, 5);
            QVERIFY(!OpponentIsComputer); // a text form does not say who plays
            Form->Session().JumpTo(5);
            QCOMPARE(
                QString::fromStdString(Form->Session().CopyGame()), QStringLiteral("f5d6c3d3c4"));
        }
        QFile ggf(dir.filePath(QStringLiteral("game.ggf")));
        QVERIFY(ggf.open(QIODevice::ReadOnly));
        QVERIFY(ggf.readAll().startsWith("(;GM[Othello]"));

        // A transcript file with an illegal move is refused with its reason.
        const QString bad = dir.filePath(QStringLiteral("bad.txt"));
        QFile f(bad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("f5 f5\n");
        f.close();
        const int shown = Watcher->Shown.size();
        QVERIFY(!Form->OpenGameFile(bad));
        QCOMPARE(Watcher->Shown.size(), shown + 1);
        QCOMPARE(GameRecord->Count, 5);
    }

    // The markers live with their squares: whatever part of the board is drawn again, the back
    // buffer is what a whole new drawing makes.
    void MarkersAreDrawnAgainWithTheirSquares()
    {
        Open(8, true, SideGreen, "", "lastmove=show\nlegalmoves=show\n");
        Form->DrawBoard();
        const std::vector<std::uint32_t> start = BackBuffer.Pixels;
        Extras.MarkLegalMoves = false;
        Form->DrawBoard();
        QVERIFY(BackBuffer.Pixels != start); // the dots are there at all
        Extras.MarkLegalMoves = true;

        Click(4, 2);
        Form->DrawBoard();
        const std::vector<std::uint32_t> whole = BackBuffer.Pixels;
        for (int x = 0; x < 8; ++x)
            for (int y = 0; y < 8; ++y) {
                Form->Board().RedrawSquare(x, y, false);
                QVERIFY2(
                    BackBuffer.Pixels == whole, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        // The hover outline leaves with its square's markers in place.
        Form->FormMouseMove(Centre(*Form, 4, 2).x(), Centre(*Form, 4, 2).y());
        Form->FormMouseMove(Centre(*Form, 0, 0).x(), Centre(*Form, 0, 0).y());
        Form->FormMouseMove(Centre(*Form, 7, 7).x(), Centre(*Form, 7, 7).y());
        Form->EraseHoverMark();
        const PictureRect sq = SquareRect({ 8, 61, Form->Board().RestFrame }, 0, 0);
        for (int row = sq.Y; row < sq.Y + sq.Height; ++row)
            for (int col = sq.X; col < sq.X + sq.Width; ++col)
                QCOMPARE(BackBuffer.At(col, BackBuffer.Height - 1 - row),
                    whole[std::size_t(BackBuffer.Height - 1 - row) * BackBuffer.Width + col]);
    }

    void AnUnfinishedGameIsKeptForResume()
    {
        const QString resume = QString::fromStdString(ResumeFile());
        QFile::remove(resume);
        Open(8, true, SideGreen);
        QVERIFY(!Form->Menu().ResumeItem->isEnabled());
        Click(4, 2);
        Close();
        QVERIFY(QFile::exists(resume));
        Open(8, true, SideGreen);
        QVERIFY(Form->Menu().ResumeItem->isEnabled());
        Form->ResumeItemClick();
        QCOMPARE(GameRecord->Count, 2);
        QCOMPARE(GameRecord->Current, 2);
        QVERIFY(!Form->Session().HistoryMode()); // ready to play on
        QCOMPARE(Form->Status().Text(2), QStringLiteral("Move 2/2"));

        // A finished game is not kept, and with the switch off nothing is.
        SetPosition(8,
            { "YYYYYYYY", "YYYYYYYY", "YYYYYYYY", "YYYYYYYY", "YYYYYYYY", "YYYYYYYY", "YYYYYYYG",
                "YYYYYYY." },
            SideYellow);
        OpponentIsComputer = false;
        Form->Session().Play({ Square::At(8, 7, 7), MoveSource::Player });
        QVERIFY(GameOver);
        Close();
        QVERIFY(!QFile::exists(resume));
        Open(8, true, SideGreen, "", "resume=no\n");
        QVERIFY(!Form->Menu().ResumeItem->isVisible());
        Click(4, 2);
        Close();
        QVERIFY(!QFile::exists(resume));
    }

    // The kept game belongs to whoever plays it: a start that plays nothing leaves it alone, and so
    // does another game played to its end; only the kept game resumed and then finished or
    // replaced lets it go. A write-protected kept game is neither replaced nor removed.
    void TheKeptGameIsLostOnlyWhenItIsDone()
    {
        const QString resume = QString::fromStdString(ResumeFile());
        QFile::remove(resume);
        auto bytes = [&resume] {
            QFile f(resume);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        };
        Open(8, true, SideGreen);
        Click(4, 2);
        Click(FirstLegal(SideYellow).x(), FirstLegal(SideYellow).y());
        Close();
        const QByteArray kept = bytes();
        QCOMPARE(kept.size(), 17 + 156 * 4);

        Open(8, true, SideGreen); // started, nothing played
        Close();
        QCOMPARE(bytes(), kept);

        Open(8, false, SideGreen); // another game, played to its end
        SetPosition(8,
            { "YYYYYYYY", "YYYYYYYY", "YYYYYYYY", "YYYYYYYY", "YYYYYYYY", "YYYYYYYY", "YYYYYYYG",
                "YYYYYYY." },
            SideYellow);
        Form->Session().Play({ Square::At(8, 7, 7), MoveSource::Player });
        QVERIFY(GameOver);
        Close();
        QCOMPARE(bytes(), kept);

        // Protected by the user, it stays as it is, and the player is told why at exit.
        QVERIFY(QFile::setPermissions(resume, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        Open(8, true, SideGreen);
        Click(4, 2);
        Form->close();
        QCOMPARE(Watcher->Shown.size(), 1);
        QVERIFY2(Watcher->Shown[0].contains(QStringLiteral("last.kpx\": the file is read-only")),
            qPrintable(Watcher->Shown[0]));
        Close();
        QCOMPARE(bytes(), kept);
        QVERIFY(QFile::setPermissions(resume, QFileDevice::ReadOwner | QFileDevice::WriteOwner));

        // Resumed and replaced by a new game, it has nothing more to resume.
        Open(8, true, SideGreen);
        Form->ResumeItemClick();
        QCOMPARE(GameRecord->Count, 4);
        Form->NewGameItemClick();
        Close();
        QVERIFY(!QFile::exists(resume));
    }

    // A copy killed while it saved leaves its temporaries; the next start clears those of its own
    // that are old enough, and nothing else.
    void TemporariesOfAKilledCopyAreClearedAtStart()
    {
        const QString state = QFileInfo(QString::fromStdString(ResumeFile())).absolutePath();
        QDir().mkpath(state);
        const QString config = ConfigDir.path();
        auto make = [](const QString& path, int ageSeconds) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("x");
            f.close();
            const struct timespec times[2] = { { std::time(nullptr) - ageSeconds, 0 },
                { std::time(nullptr) - ageSeconds, 0 } };
            QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
        };
        make(config + QStringLiteral("/.corvana-Ab12Cd.tmp"), 300);
        make(config + QStringLiteral("/reversi.ini.Q9wE3r"), 300);
        make(config + QStringLiteral("/.corvana-Xy34Zw.tmp"), 0); // another copy saving now
        make(state + QStringLiteral("/last.kpx.Tz5Uq8"), 300);
        make(state + QStringLiteral("/notes.txt"), 300);
        Open(8, true, SideGreen);
        QVERIFY(!QFile::exists(config + QStringLiteral("/.corvana-Ab12Cd.tmp")));
        QVERIFY(!QFile::exists(config + QStringLiteral("/reversi.ini.Q9wE3r")));
        QVERIFY(!QFile::exists(state + QStringLiteral("/last.kpx.Tz5Uq8")));
        QVERIFY(QFile::exists(config + QStringLiteral("/.corvana-Xy34Zw.tmp")));
        QVERIFY(QFile::exists(state + QStringLiteral("/notes.txt")));
        QFile::remove(config + QStringLiteral("/.corvana-Xy34Zw.tmp"));
        QFile::remove(state + QStringLiteral("/notes.txt"));
    }

    void TheNewSettingsLiveInTheirOwnSection()
    {
        // At their defaults nothing of them is written: the file keeps the original's keys.
        Open(8, true, SideGreen);
        Close();
        QVERIFY(!TProfileFile::Load(SettingsFile).HasSection("extras"));
        // Chosen on the new page, they are used at once and kept.
        Open(8, true, SideGreen);
        Watcher->OnSettings = [](TSideDlg& d) {
            QCOMPARE(d.Pages->count(), 5);
            QCOMPARE(d.Pages->tabText(4), QStringLiteral("E&xtras"));
            d.SpeedList->setCurrentIndex(2);
            d.LegalMoveMarksCheck->setChecked(true);
        };
        Form->OptionsItemClick();
        QCOMPARE(Extras.AnimationFrameMs, 25);
        QVERIFY(Extras.MarkLegalMoves);
        Close();
        const TProfileFile written = TProfileFile::Load(SettingsFile);
        QCOMPARE(written.GetString("extras", "animspeed", ""), std::string("fast"));
        QCOMPARE(written.GetString("extras", "legalmoves", ""), std::string("show"));
        QVERIFY(!written.Raw("extras", "resume")); // left at its default: not this copy's to write
    }

    // --- the window grows ---

    // The board fills a larger window as the largest square that fits, centred, and is played
    // there as at its first size; back at the first size it is the design's board again.
    void TheBoardFillsTheWindowItIsGiven()
    {
        Open(8, false, SideGreen);
        const QSize first = Form->size();
        QCOMPARE(Form->Board().size(), QSize(532, 532));
        QVERIFY(Form->Board().Geometry().IsDesign());
        for (const QSize size : { QSize(760, 700), QSize(700, 780) }) {
            Form->resize(size);
            const BoardView& board = Form->Board();
            QTRY_COMPARE(
                board.Geometry(), LayoutForWidget(8, 19, board.width(), board.height(), 1));
            const BoardLayout& layout = board.Geometry();
            QVERIFY(!layout.IsDesign());
            QVERIFY(layout.BackSize() + 4 > std::min(board.width(), board.height()) - 2);
            QCOMPARE(BackBuffer.Width, layout.BackSize());
            const QPoint o = board.BackOrigin();
            QVERIFY(std::abs((o.x() - 2) - (board.width() - o.x() - layout.BackSize() - 2)) <= 1);
            QVERIFY(std::abs((o.y() - 2) - (board.height() - o.y() - layout.BackSize() - 2)) <= 1);
        }
        Click(4, 2);
        QCOMPARE(GameRecord->Count, 1);
        QCOMPARE(GameRecord->Entries[0].Move, 53);
        Form->resize(first);
        QTRY_VERIFY(Form->Board().Geometry().IsDesign());
        QCOMPARE(BackBuffer.Width, 528);
        QCOMPARE(Form->Board().BackOrigin(), QPoint(2, 2));
    }

    // F11 puts the window on the whole screen and back; the board follows.
    void F11TogglesFullScreen()
    {
        Open(8, false, SideGreen);
        QCOMPARE(Form->Menu().FullScreenItem->shortcut(), QKeySequence(Qt::Key_F11));
        const QSize first = Form->size();
        Form->Menu().FullScreenItem->trigger();
        QTRY_VERIFY(Form->isFullScreen());
        QVERIFY(Form->Menu().FullScreenItem->isChecked());
        QVERIFY(Form->menuBar()->isVisible() && Form->statusBar()->isVisible());
        QTRY_VERIFY(Form->Board().Geometry().BackSize() > 528);
        Form->Menu().FullScreenItem->trigger();
        QTRY_VERIFY(!Form->isFullScreen());
        QTRY_COMPARE(Form->size(), first);
        QTRY_VERIFY(Form->Board().Geometry().IsDesign());
    }

    // What the window was like is kept in [extras]: its size, maximised and full screen; at its
    // first size nothing is written. A size larger than the screen opens within the screen.
    void TheWindowsSizeAndStateAreKept()
    {
        Open(8, false, SideGreen);
        Close();
        QVERIFY(!TProfileFile::Load(SettingsFile).HasSection("extras"));
        Open(8, false, SideGreen);
        Form->resize(700, 650);
        QTRY_COMPARE(Form->size(), QSize(700, 650));
        Close();
        TProfileFile written = TProfileFile::Load(SettingsFile);
        QCOMPARE(written.GetString("extras", "window", ""), std::string("700x650"));
        // Only what changed is written: the states left at their defaults are not.
        QVERIFY(!written.Raw("extras", "maximized"));
        QVERIFY(!written.Raw("extras", "fullscreen"));

        Open(8, false, SideGreen, "", "window=700x650\n");
        QCOMPARE(Form->size(), QSize(700, 650));
        Form->showMaximized();
        QTRY_VERIFY(Form->isMaximized());
        Close();
        written = TProfileFile::Load(SettingsFile);
        QCOMPARE(written.GetString("extras", "window", ""), std::string("700x650"));
        QCOMPARE(written.GetString("extras", "maximized", ""), std::string("yes"));
        Open(8, false, SideGreen, "", "window=700x650\nmaximized=yes\n");
        QTRY_VERIFY(Form->isMaximized());
        Open(8, false, SideGreen, "", "fullscreen=yes\n");
        QTRY_VERIFY(Form->isFullScreen());

        Open(8, false, SideGreen, "", "window=6000x5000\n");
        const QRect room = Form->screen()->availableGeometry();
        QTRY_VERIFY(room.contains(Form->frameGeometry()));
        const QRect frame = Form->frameGeometry();
        QVERIFY2(room.contains(frame),
            qPrintable(QStringLiteral("%1,%2 %3x%4 in %5x%6")
                           .arg(frame.x())
                           .arg(frame.y())
                           .arg(frame.width())
                           .arg(frame.height())
                           .arg(room.width())
                           .arg(room.height())));
        QVERIFY(Form->width() > 532);
    }

    // The move list is a panel beside the board that the window makes room for: the board keeps
    // its size and gets its window back when the list goes. The settings show it as it is, so
    // that closing them keeps it; Home and End reach it from the board.
    void TheMoveListIsBesideTheBoard()
    {
        Open(8, false, SideGreen);
        const QSize first = Form->size();
        Click(4, 2);
        Click(5, 4);
        QCOMPARE(GameRecord->Count, 2);
        QCOMPARE(Form->Menu().MoveListItem->shortcut(), QKeySequence(Qt::Key_F8));
        Form->Menu().MoveListItem->trigger();
        MoveListWindow& list = Form->MoveList();
        QVERIFY(list.isVisible());
        QVERIFY(!(list.features() & QDockWidget::DockWidgetFloatable));
        QTRY_COMPARE(Form->Board().size(), QSize(532, 532));
        QVERIFY(Form->width() > first.width());
        QVERIFY(list.geometry().left() >= Form->Board().geometry().right());
        QVERIFY(Form->Board().Geometry().IsDesign());

        Watcher->OnSettings = [](TSideDlg& d) { QVERIFY(d.MoveListCheck->isChecked()); };
        Form->OptionsItemClick();
        QVERIFY(list.isVisible());
        QVERIFY(Form->Menu().MoveListItem->isChecked());

        QTest::keyClick(&Form->Board(), Qt::Key_Home);
        QCOMPARE(GameRecord->Current, 0);
        QTest::keyClick(&Form->Board(), Qt::Key_End);
        QCOMPARE(GameRecord->Current, 2);

        // A new board size with the list beside it: the board takes the design's first size of
        // that board size, and so does it when the list has gone again.
        Watcher->OnSettings = [](TSideDlg& d) { d.Size10Button->setChecked(true); };
        Form->OptionsItemClick();
        QTRY_COMPARE(Form->Board().size(), QSize(534, 534));
        QVERIFY(Form->Board().Geometry().IsDesign());
        Watcher->OnSettings = [](TSideDlg& d) { d.Size8Button->setChecked(true); };
        Form->OptionsItemClick();
        QTRY_COMPARE(Form->Board().size(), QSize(532, 532));
        QVERIFY(Form->Board().Geometry().IsDesign());
        Click(4, 2);
        Click(5, 4);

        Form->Menu().MoveListItem->trigger();
        QVERIFY(!list.isVisible());
        QTRY_COMPARE(Form->size(), first);
        QTRY_COMPARE(Form->Board().size(), QSize(532, 532));
        // Without the list Home is one of the board's keys: it moves no position.
        QTest::keyClick(&Form->Board(), Qt::Key_Home);
        QCOMPARE(GameRecord->Current, 2);
    }

    // The menus the original has keep their items in their places; the new ones come after.
    void TheOriginalMenusAreKeptAsTheyWere()
    {
        Open(8, true, SideGreen);
        const auto captions = [](QMenu* menu) {
            QStringList texts;
            for (QAction* a : menu->actions())
                texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
            return texts;
        };
        QCOMPARE(captions(Form->Menu().GameMenu).mid(0, 5),
            QStringList({ "&New", "&Hint", "&Settings", "-", "E&xit" }));
        QCOMPARE(captions(Form->Menu().MatchMenu).mid(0, 5),
            QStringList({ "&Undo move", "&Redo move", "-", "&Save...", "&Open..." }));
        QCOMPARE(Form->menuBar()->actions().size(), 4);
    }

    // --- every player ---

    void TheBoardIsATableOfNamedSquaresForAScreenReader()
    {
        Open(8, true, SideGreen);
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&Form->Board());
        QVERIFY(board);
        QCOMPARE(board->role(), QAccessible::Table);
        QCOMPARE(board->text(QAccessible::Name), QStringLiteral("Reversi board"));
        QVERIFY(
            board->text(QAccessible::Description).contains(QStringLiteral("Yellow is to move")));
        QCOMPARE(board->childCount(), 64);
        QAccessibleTableInterface* table = board->tableInterface();
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 8);
        // Named as the border names them: row 2 from the top is 6 from the bottom.
        QCOMPARE(
            table->cellAt(2, 4)->text(QAccessible::Name), QStringLiteral("E6, empty, legal move"));
        QCOMPARE(table->cellAt(3, 3)->text(QAccessible::Name), QStringLiteral("D5, Yellow disc"));
        QCOMPARE(table->cellAt(3, 4)->text(QAccessible::Name), QStringLiteral("E5, Green disc"));
        QCOMPARE(table->cellAt(0, 0)->text(QAccessible::Name), QStringLiteral("A8, empty"));
        QCOMPARE(board->indexOfChild(table->cellAt(2, 4)), 2 * 8 + 4);
        QCOMPARE(table->cellAt(2, 4)->parent(), board);

        // What happens is announced (an alert on the board, which needs a screen reader's bus;
        // scripts/accessibility-check.sh shows it live): the board says the last of it.
        Open(8, false, SideGreen);
        board = QAccessible::queryAccessibleInterface(&Form->Board());
        table = board->tableInterface();
        Click(4, 2);
        QVERIFY2(
            board->text(QAccessible::Description)
                .endsWith(QStringLiteral("Green is to move. Yellow plays E6; discs turned: 1.")),
            qPrintable(board->text(QAccessible::Description)));
        QCOMPARE(table->cellAt(2, 4)->text(QAccessible::Name), QStringLiteral("E6, Yellow disc"));
    }

    // Alt+P belongs to three controls of the settings dialog; each press reaches the next.
    void EveryPlaceOfAltPInTheSettingsCanBeReached()
    {
        Open(8, true, SideGreen);
        Side->show();
        QApplication::setActiveWindow(Side.get());
        QVERIFY(QTest::qWaitForWindowActive(Side.get()));
        Side->Pages->setCurrentIndex(1);
        Side->LevelBar->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);
        QCOMPARE(Side->Pages->currentIndex(), 0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), Side->PlayerButton);
        QVERIFY(!Side->PlayerButton->isChecked()); // reached, not pressed
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);
        QCOMPARE(Side->Pages->currentIndex(), 3);
        QCOMPARE(QApplication::focusWidget(), Side->PreviousMoveCheck);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);
        QCOMPARE(Side->Pages->currentIndex(), 0);
        Side->hide();
    }

    // In a German locale the window speaks German; English is the source and needs no file.
    void TheWindowSpeaksTheLanguageOfTheLocale()
    {
        QVERIFY(InstallTranslations(QLocale(QLocale::German, QLocale::Germany)));
        Open(8, true, SideGreen);
        QCOMPARE(Form->Menu().GameMenu->title(), QStringLiteral("&Spiel"));
        QCOMPARE(Form->Menu().NewGameItem->text(), QStringLiteral("&Neu"));
        QCOMPARE(Form->Menu().MatchMenu->title(), QStringLiteral("&Partie"));
        QCOMPARE(Form->Status().Text(0), QStringLiteral("Gelb ist am Zug"));
        QCOMPARE(Side->Pages->tabText(0), QStringLiteral("&Gegner"));
        Close();
        QVERIFY(InstallTranslations(QLocale(QLocale::Russian, QLocale::Russia)));
        Open(8, true, SideGreen);
        QCOMPARE(Form->Menu().GameMenu->title(), QStringLiteral("&Игра"));
        Close();
        QVERIFY(InstallTranslations(QLocale(QLocale::English, QLocale::UnitedStates)));
        Open(8, true, SideGreen);
        QCOMPARE(Form->Menu().GameMenu->title(), QStringLiteral("&Game"));
        RemoveTranslations();
    }

    // The call request asks in the reader's language: English for every locale without a
    // translation of its own; the texts as written (Russian) only where none is installed.
    void TheCallRequestAsksInTheLanguageOfTheLocale()
    {
        const auto caption = [] {
            TCallReq request;
            return QStringList { request.windowTitle(), request.Label1->text(),
                request.Label2->text() };
        };
        struct Case {
            QLocale Locale;
            QStringList Texts;
        };
        const QList<Case> cases {
            { QLocale(QLocale::English, QLocale::UnitedKingdom),
                { "Call confirmation", "Call from:", "Do you want to accept the call?" } },
            { QLocale(QLocale::French, QLocale::France),
                { "Call confirmation", "Call from:", "Do you want to accept the call?" } },
            { QLocale(QLocale::German, QLocale::Germany),
                { "Anruf bestätigen", "Anruf von:", "Möchten Sie den Anruf annehmen?" } },
            { QLocale(QLocale::Russian, QLocale::Russia),
                { "Подтверждение вызова", "Поступил вызов от:", "Желаете ли Вы принять вызов ?" } },
        };
        for (const Case& c : cases) {
            QVERIFY(InstallTranslations(c.Locale));
            QCOMPARE(caption(), c.Texts);
        }
        RemoveTranslations();
        QCOMPARE(caption(),
            QStringList(
                { "Подтверждение вызова", "Поступил вызов от:", "Желаете ли Вы принять вызов ?" }));
    }

    // The engine's reasons come in the reader's language, the file's own words as they are.
    void RefusalsSayWhyInTheLanguageOfTheLocale()
    {
        QVERIFY(InstallTranslations(QLocale(QLocale::German, QLocale::Germany)));
        Open(8, false, SideGreen);
        QGuiApplication::clipboard()->setText(QStringLiteral("hello"));
        Form->Menu().PasteGameItem->trigger();
        QCOMPARE(Watcher->Shown.size(), 1);
        const QString german = Watcher->Shown.first();
        QVERIFY2(german.contains(QStringLiteral("\"hello\"")), qPrintable(german));
        QVERIFY2(
            !german.contains(QStringLiteral("is neither a square nor a pass")), qPrintable(german));
        QVERIFY2(
            german.contains(QStringLiteral("weder ein Feld noch ein Passen")), qPrintable(german));
        Close();
        RemoveTranslations();
        Open(8, false, SideGreen);
        Form->Menu().PasteGameItem->trigger();
        QCOMPARE(Watcher->Shown.size(), 1);
        QVERIFY2(Watcher->Shown.first().contains(
                     QStringLiteral("\"hello\" at character 1 is neither a square nor a pass")),
            qPrintable(Watcher->Shown.first()));
    }

    // Set up position: the board becomes an editor (a click turns a square empty, Yellow, Green),
    // the game's items wait meanwhile, an impossible position is refused with its reason, and
    // Cancel gives the game back as it was.
    void ThePositionEditorSetsUpAGameAndGivesTheOldOneBack()
    {
        Open(8, false, SideGreen);
        Form->Board().HoverCol = 4; // E6 (rows from the bottom)
        Form->Board().HoverRow = 2;
        Form->FormClick();
        QCOMPARE(GameRecord->Count, 1);
        const Board played = BoardStack[0];

        Form->Menu().SetUpPositionItem->trigger();
        PositionEditor& editor = Form->Editing();
        QVERIFY(editor.isVisible());
        QVERIFY(Form->Session().Editing());
        QVERIFY(!Form->Menu().NewGameItem->isEnabled());
        QVERIFY(!Form->Menu().ListMenuSave->isEnabled());
        QVERIFY(Form->Menu().ExitItem->isEnabled());

        // A1 (bottom left): empty, Yellow, Green, empty.
        const int a1 = Square::Named(8, "a1")->Index();
        Form->Board().HoverCol = 0;
        Form->Board().HoverRow = 7;
        QCOMPARE(Form->Board().HoverSquare().Index(), a1);
        Form->FormClick();
        QCOMPARE(int(BoardStack[0][a1]), int(CellYellow));
        Form->FormClick();
        QCOMPARE(int(BoardStack[0][a1]), int(CellGreen));
        QCOMPARE(GameRecord->Count, 1); // no move was played
        Form->FormClick();
        QCOMPARE(int(BoardStack[0][a1]), int(CellEmpty));

        // An empty board with only the centre kept Yellow: nobody can move.
        editor.SetEmptyBoard();
        for (const char* name : { "d4", "e4", "d5", "e5" })
            editor.Cycle(*Square::Named(8, name));
        editor.OnPlay();
        QVERIFY(editor.isVisible());
        QVERIFY(Form->Session().Editing());

        editor.OnCancel();
        QVERIFY(!editor.isVisible());
        QVERIFY(!Form->Session().Editing());
        QCOMPARE(BoardStack[0], played);
        QCOMPARE(GameRecord->Count, 1);
        QVERIFY(Form->Menu().NewGameItem->isEnabled());

        // From the start position with Green to move, two players: Green opens.
        Form->Menu().SetUpPositionItem->trigger();
        editor.SetStartPosition();
        editor.SetSideToMove(SideGreen);
        editor.OnPlay();
        QVERIFY(!editor.isVisible());
        QVERIFY(!Form->Session().Editing());
        QCOMPARE(GameRecord->Count, 0);
        QCOMPARE(SideToMove, SideGreen);
        QCOMPARE(Form->Status().Text(0), QStringLiteral("Green is moving"));
        QVERIFY(!IsUsualStart(Form->Session().StartPosition()));
    }

    // Show move values: the values on the board are the analysis' own, the hint takes the best
    // of them, and a click stops the analysis before the move is shown (the analysis is held
    // between rounds by the test, so nothing here depends on the machine's speed).
    void MoveValuesAreTheAnalysisOwnAndAClickStopsThem()
    {
        // What the first round gives for the start position, on an engine like the window's.
        master::Engine engine(16, 1);
        master::AnalysisLimits limits;
        limits.Depth = 1;
        limits.Threads = 1;
        const GamePosition start = UsualStart(8);
        const master::MoveAnalysis expected
            = master::AnalyseMoves(engine, start.Cells, 8, SideYellow, limits);
        QCOMPARE(int(expected.Moves.size()), 4);

        std::atomic<bool> hold { true };
        std::atomic<int> released { 0 };
        master::AnalysisHook = [&](int, const std::atomic<bool>* cancel) {
            while (hold.load() && !(cancel && cancel->load()))
                std::this_thread::yield();
            if (cancel && cancel->load())
                ++released;
        };
        Open(8, false, SideGreen, "", "movevalues=show\n");
        QTRY_VERIFY_WITH_TIMEOUT(!Form->Board().MoveValuesShown().empty(), 10000);
        const auto& shown = Form->Board().MoveValuesShown();
        QCOMPARE(shown.size(), expected.Moves.size());
        for (std::size_t i = 0; i < shown.size(); ++i) {
            QCOMPARE(shown[i].At.Index(), expected.Moves[i].Move);
            QCOMPARE(shown[i].Discs, int(std::lround(expected.Moves[i].Value / 100.0)));
            QCOMPARE(shown[i].Best, i == 0);
        }

        // The hint is the best value's square, without a search of its own.
        Form->HintItemClick();
        QCOMPARE(Form->Board().HoverSquare().Index(), expected.Moves.front().Move);

        // A click: the held round is let go and the old values leave the board at once.
        Form->Board().HoverCol = 4; // E6
        Form->Board().HoverRow = 2;
        Form->FormClick();
        QCOMPARE(GameRecord->Count, 1);
        QCOMPARE(released.load(), 1);
        QVERIFY(Form->Board().MoveValuesShown().empty());
        // Green is to move now (two players): values come for the new position.
        QTRY_VERIFY_WITH_TIMEOUT(!Form->Board().MoveValuesShown().empty(), 10000);
        QCOMPARE(int(Form->Board().MoveValuesShown().size()), 3);
        hold = false;
        Close();
        master::AnalysisHook = nullptr;
    }

    // The move list names the opening while the game follows one.
    void TheMoveListNamesTheOpening()
    {
        Open(8, false, SideGreen);
        Form->Menu().MoveListItem->trigger();
        QVERIFY(Form->PasteGame(QStringLiteral("f5 d6 c3 d3 c4 a1")).Ok() == false);
        QVERIFY(Form->PasteGame(QStringLiteral("f5 d6 c3 d3 c4")).Ok());
        Form->Session().JumpTo(5);
        QCOMPARE(Form->MoveList().OpeningShown(), QStringLiteral("Opening: Tiger"));
        Form->Session().JumpTo(2);
        QCOMPARE(Form->MoveList().OpeningShown(), QStringLiteral("Opening: Perpendicular"));
        Form->Session().JumpTo(1);
        QCOMPARE(Form->MoveList().OpeningShown(), QString());
    }

    // A review of a game from a position of 20 empties, where every value is exact: the panel
    // holds the engine's own review, the move list marks its mistakes, a click on the graph goes
    // to a position, a GGF save carries the values, and another game takes the review away.
    void AReviewValuesEveryMoveAndGoesToItsPositions()
    {
        Open(8, false, SideGreen);
        Form->Menu().MoveListItem->trigger();
        QVERIFY(Form->PasteGame(
                        QStringLiteral(
                            "O--OOOOX-OOOOOOXOOXXOOOXOOXOOOXXOOOOOOXX---OOOOX----O--X-------- X"))
                    .Ok());
        // Six moves, each side's first legal square in index order (not good ones).
        for (int i = 0; i < 6; ++i) {
            int square = PassMove;
            for (int sq = 0; sq < BoardCells && square == PassMove; ++sq)
                if (IsPlayableSquare(8, sq)
                    && Routines.IsLegalMove(BoardStack[0], sq, SideToMove, Opponent()))
                    square = sq;
            QVERIFY(square != PassMove);
            QVERIFY(Form->Session().Play({ Square::AtIndex(8, square), MoveSource::Player }));
        }
        QCOMPARE(GameRecord->Count, 6);
        const WrittenGame game { Form->Session().StartPosition(), *GameRecord };

        ReviewGameDialog dialog(Form.get(), game);
        dialog.StartReview();
        QTRY_VERIFY_WITH_TIMEOUT(dialog.Review().has_value(), 60000);
        Form->ShowReview(*dialog.Review());
        QVERIFY(Form->ReviewPanel().isVisible());

        master::Engine engine(16, 1);
        const master::GameReview expected = master::ReviewGame(engine, game);
        const master::GameReview& shown = Form->ReviewPanel().Review();
        QCOMPARE(shown.Moves.size(), expected.Moves.size());
        int marked = 0;
        for (std::size_t i = 0; i < shown.Moves.size(); ++i) {
            QVERIFY(shown.Moves[i].Exact);
            QCOMPARE(shown.Moves[i].Value, expected.Moves[i].Value);
            QCOMPARE(shown.Moves[i].BestValue, expected.Moves[i].BestValue);
            marked += shown.Moves[i].Judged != master::Verdict::Fine;
        }
        const std::vector<int> margins = GameReviewPanel::YellowMargins(shown);
        QCOMPARE(int(margins.size()), 7);
        QCOMPARE(margins.front(), expected.Moves.front().BestValue); // Yellow moves first

        // The marks in the move list: "?" or "??" after each move that lost.
        int inList = 0;
        auto* table = Form->MoveList().findChild<QTableWidget*>();
        QVERIFY(table);
        for (int r = 0; r < table->rowCount(); ++r)
            for (int c = 0; c < 2; ++c)
                inList += table->item(r, c) && table->item(r, c)->text().endsWith(u'?');
        QCOMPARE(inList, marked);

        // A click on the graph goes to that position.
        Form->ReviewPanel().Graph().OnClick(3);
        QCOMPARE(GameRecord->Current, 3);

        // Saved as GGF with the values as comments.
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("reviewed.ggf"));
        Form->Session().JumpTo(6);
        Form->SaveGameTo(file.toStdString());
        QFile ggf(file);
        QVERIFY(ggf.open(QIODevice::ReadOnly));
        const QByteArray text = ggf.readAll();
        QCOMPARE(text.count("]C["), 6);

        // Another game: the review goes.
        Form->NewGameItemClick();
        QVERIFY(!Form->ReviewPanel().isVisible());
    }

    void TheKeySequenceOutsideANetworkGame()
    {
        Open(8, true, SideGreen);
        for (QChar c : QStringLiteral("kvXbnqkv1bnrz"))
            Form->FormKeyPress(c);
        QCOMPARE(Watcher->Shown.size(), 1);
        QCOMPARE(
            Watcher->Shown[0], QStringLiteral("Network game not in progress.\nFunction not work."));
        QCOMPARE(Form->Board().KeySequencePos, 0);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
