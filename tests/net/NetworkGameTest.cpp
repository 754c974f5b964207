// Network play through the real main window: one TReversiForm (the engine's game state is
// process-wide, so there is one copy per process) against a peer in the test that speaks the
// protocol over a raw loopback socket, as the calling or the called copy. Every modal dialog is
// answered by a watcher; the request dialog's countdown is driven tick by tick.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QFileDialog>
#include <QHostInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <random>

#include "BoardTracker.h"
#include "Call.h"
#include "ChoiceUnit.h"
#include "FinalUnit.h"
#include "InvariantCounter.h"
#include "MainUnit.h"
#include "NetSockets.h"
#include "NetState.h"
#include "ProgressPanel.h"
#include "R_BRD.h"
#include "Request.h"
#include "RoutineTable.h"
#include "SearchThread.h"
#include "RulersUnit.h"
#include "RunWhen.h"
#include "SearchGate.h"
#include "Send.h"
#include "Settings.h"
#include "SideUnit.h"
#include "Sound.h"

namespace {

// Waits, handling events, until done() holds or the time is up.
bool WaitFor(const std::function<bool()>& done, int ms = 5000)
{
    QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(5);
    }
    return true;
}

int FreePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::AnyIPv4, 0);
    return probe.serverPort();
}

// The other copy, reduced to its socket: what it sends is written by the test, what it receives
// is collected.
class TPeer {
public:
    explicit TPeer(QTcpSocket* socket = nullptr)
        : Socket(socket ? socket : new QTcpSocket)
    {
        QObject::connect(
            Socket.get(), &QTcpSocket::readyRead, [this] { Received += Socket->readAll(); });
        QObject::connect(Socket.get(), &QTcpSocket::disconnected, [this] { Closed = true; });
    }
    bool Call(int port)
    {
        Socket->connectToHost(QHostAddress::LocalHost, quint16(port));
        return WaitFor([&] { return Socket->state() == QAbstractSocket::ConnectedState; });
    }
    void Send(const QByteArray& bytes)
    {
        Socket->write(bytes);
        Socket->flush();
    }
    // Waits for at least n received bytes and takes exactly those.
    QByteArray Take(int n, int ms = 5000)
    {
        // What arrived before this peer was watching counts too.
        if (!WaitFor([&] { return (Received += Socket->readAll()).size() >= n; }, ms))
            return Received;
        const QByteArray head = Received.left(n);
        Received.remove(0, n);
        return head;
    }
    bool WaitClosed()
    {
        return WaitFor([&] { return Closed; });
    }
    void HangUp()
    {
        Socket->disconnectFromHost();
        Closed = true;
    }

    std::unique_ptr<QTcpSocket> Socket;
    QByteArray Received;
    bool Closed = false;
};

// Answers the modal dialogs the way the test asks and records what they showed.
class TNetWatcher : public QObject {
public:
    TNetWatcher()
    {
        connect(&Timer, &QTimer::timeout, this, [this] { Answer(); });
        Timer.start(5);
    }
    QStringList Shown; // message boxes and result dialogs, in order
    // The call dialog: the address and terms to fill in (empty address: cancel).
    QString Address;
    bool CallYellow = true, CallSize8 = true;
    // The request dialog: its labels, and what to do (default: Yes).
    QStringList RequestLabels;
    int Requests = 0;
    std::function<void(TCallReq&)> OnRequest;
    // The chat dialog: each showing sends the next text, or is cancelled when none is left;
    // OnChat, when set, decides instead.
    QStringList ChatTexts;
    int ChatsShown = 0;
    std::function<void(TSendDlg&)> OnChat;
    bool QuestionAnswer = true;

private:
    void Answer()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || Handling.contains(modal))
            return;
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (!dialog)
            return;
        Handling.insert(modal);
        connect(dialog, &QDialog::finished, this, [this, modal] { Handling.remove(modal); });
        if (auto* final = dynamic_cast<TFinalDlg*>(modal)) {
            Shown << final->FinalMessage->text();
            final->done(1);
        } else if (auto* call = dynamic_cast<TCallDlg*>(modal)) {
            if (Address.isEmpty()) {
                call->reject();
                return;
            }
            call->NetCallAddress->setText(Address);
            (CallYellow ? call->CallNetWhite : call->CallNetBlack)->setChecked(true);
            (CallSize8 ? call->CallNetSize8 : call->CallNetSize10)->setChecked(true);
            call->accept();
        } else if (auto* req = dynamic_cast<TCallReq*>(modal)) {
            ++Requests;
            RequestLabels = QStringList { req->ReqLabel->text(), req->ReqLColor->text(),
                req->ReqLSize->text(), req->CancelBtn->text() };
            if (OnRequest)
                OnRequest(*req);
            else
                req->accept();
        } else if (auto* send = dynamic_cast<TSendDlg*>(modal)) {
            ++ChatsShown;
            if (OnChat) {
                OnChat(*send);
            } else if (ChatTexts.isEmpty()) {
                send->reject();
            } else {
                send->SendedMessages->setEditText(ChatTexts.takeFirst());
                send->accept();
            }
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            Shown << box->text();
            if (box->button(QMessageBox::Yes))
                box->button(QuestionAnswer ? QMessageBox::Yes : QMessageBox::No)->click();
            else
                box->accept();
        } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
            files->reject();
        } else {
            dialog->reject();
        }
    }
    QTimer Timer;
    QSet<QWidget*> Handling;
};

// A whole game of random legal moves, played on a board of the test's own, that has at least one
// pass by each side (seeded, so the same game every run).
struct ScriptedGame {
    std::vector<std::pair<int, int>> Moves; // side, square
    int Yellow = 0, Green = 0;
    int YellowPasses = 0, GreenPasses = 0;
};

ScriptedGame FindGameWithPasses(const Board& start, int size)
{
    const RoutineTable& rules = RoutinesFor(size);
    const int rw = size + 2;
    ScriptedGame best;
    for (unsigned seed = 1; seed < 20000; ++seed) {
        std::mt19937 random(seed);
        Board board = start;
        ScriptedGame game;
        int side = SideYellow;
        for (;;) {
            const int other = side == SideYellow ? SideGreen : SideYellow;
            std::vector<int> legal;
            for (int col = 0; col < size; ++col)
                for (int row = 0; row < size; ++row)
                    if (const int sq = (col + 1) * rw + row + 1;
                        rules.IsLegalMove(board, sq, side, other))
                        legal.push_back(sq);
            if (legal.empty()) {
                bool otherCan = false;
                for (int sq = 0; sq < BoardCells && !otherCan; ++sq)
                    otherCan
                        = IsPlayableSquare(size, sq) && rules.IsLegalMove(board, sq, other, side);
                if (!otherCan)
                    break;
                ++(side == SideYellow ? game.YellowPasses : game.GreenPasses);
                side = other;
                continue;
            }
            const int sq = legal[random() % legal.size()];
            rules.MakeMove(board, sq, side, other);
            game.Moves.emplace_back(side, sq);
            side = other;
        }
        for (int sq = 0; sq < BoardCells; ++sq)
            if (IsPlayableSquare(size, sq)) {
                game.Yellow += board[sq] == CellYellow;
                game.Green += board[sq] == CellGreen;
            }
        if (game.YellowPasses > 0 && game.GreenPasses > 0)
            return game;
        if (best.Moves.empty() && game.YellowPasses + game.GreenPasses > 0)
            best = game;
    }
    return best;
}

// What a call from this machine starts with after "B" and the terms.
QByteArray LocalName() { return QHostInfo::localHostName().left(15).toUtf8(); }

QByteArray Move(int size, int square)
{
    const int rw = size + 2;
    return "M" + QByteArray::number(square / rw - 1) + QByteArray::number(square % rw - 1);
}

} // namespace

class NetworkGameTest : public QObject {
    Q_OBJECT

    QTemporaryDir ConfigDir;
    std::unique_ptr<TReversiForm> Form;
    std::unique_ptr<TSideDlg> Side;
    std::unique_ptr<TFinalDlg> Final;
    std::unique_ptr<TCallDlg> CallDlg;
    std::unique_ptr<TSendDlg> SendDlg;
    std::unique_ptr<TCallReq> CallReq;
    std::unique_ptr<TRulersDlg> Rulers;
    std::unique_ptr<TRemoteField> Remote;
    std::unique_ptr<TChoice> Choice;
    std::unique_ptr<TNetWatcher> Watcher;
    int Port = 0;

    // Starts the program's windows as main() does, listening on a port of its own.
    void Open(int size = 8)
    {
        Close();
        Port = FreePort();
        SettingsFile = ConfigDir.filePath(QStringLiteral("reversi.ini")).toStdString();
        QFile ini(QString::fromStdString(SettingsFile));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(("[net]\nport=" + std::to_string(Port) + "\n[options]\ngamet=computer\nbrdim="
            + std::to_string(size) + "\nlevel=1\nsndef=no\nanief=no\n")
                      .c_str());
        ini.close();
        Watcher = std::make_unique<TNetWatcher>();
        Form = std::make_unique<TReversiForm>();
        Side = std::make_unique<TSideDlg>(Form.get());
        Final = std::make_unique<TFinalDlg>(Form.get());
        CallDlg = std::make_unique<TCallDlg>(Form.get());
        SendDlg = std::make_unique<TSendDlg>(Form.get());
        CallReq = std::make_unique<TCallReq>(Form.get());
        Rulers = std::make_unique<TRulersDlg>(Form.get());
        Remote = std::make_unique<TRemoteField>(Form.get());
        Choice = std::make_unique<TChoice>(Form.get());
        Form->SetDialogs(Side.get(), Final.get(), Choice.get(), Rulers.get());
        Form->SetNetDialogs(CallDlg.get(), SendDlg.get(), CallReq.get(), Remote.get());
        Form->Start();
        QVERIFY(Form->ServerSocket()->Active());
    }

    void Close()
    {
        if (Form)
            Form->close();
        Choice.reset();
        Remote.reset();
        Rulers.reset();
        CallReq.reset();
        SendDlg.reset();
        CallDlg.reset();
        Final.reset();
        Side.reset();
        Form.reset();
        Watcher.reset();
        SoundOn = false;
    }

    void Click(int col, int row)
    {
        const QPoint p(20 + col * Form->CellSize + Form->CellSize / 2,
            20 + row * Form->CellSize + Form->CellSize / 2);
        Form->FormMouseMove(p.x(), p.y());
        Form->FormClick();
    }
    void ClickSquare(int square)
    {
        const int rw = BoardSize + 2;
        Click(square / rw - 1, square % rw - 1);
    }

    // The peer calls the form with callMessage; the watcher accepts and the peer says "G".
    std::unique_ptr<TPeer> CalledByPeer(const QByteArray& callMessage)
    {
        auto peer = std::make_unique<TPeer>();
        if (!peer->Call(Port))
            return nullptr;
        peer->Send(callMessage);
        if (peer->Take(1) != "Y")
            return nullptr;
        peer->Send("G");
        if (!WaitFor([] { return NetworkGame; }))
            return nullptr;
        return peer;
    }

    // The form calls a test callee; the callee's socket is returned once "B..." has arrived.
    std::unique_ptr<TPeer> CallPeer(QTcpServer& callee, bool yellow, bool size8)
    {
        if (!callee.isListening())
            callee.listen(QHostAddress::AnyIPv4, 0);
        Watcher->Address = QStringLiteral("127.0.0.1:%1").arg(callee.serverPort());
        Watcher->CallYellow = yellow;
        Watcher->CallSize8 = size8;
        Form->NetMenuConnectClick();
        if (!WaitFor([&] { return callee.hasPendingConnections(); }))
            return nullptr;
        return std::make_unique<TPeer>(callee.nextPendingConnection());
    }

    void ExpectIdle()
    {
        QVERIFY(!NetConnected);
        QVERIFY(!NetworkGame);
        QCOMPARE(Form->windowTitle(), QStringLiteral("Corvana"));
        QVERIFY(Form->CallAction()->isEnabled());
        QVERIFY(Form->AllowCallAction()->isEnabled());
        QVERIFY(!Form->DisconnectAction()->isEnabled());
        QVERIFY(!Form->MessageAction()->isEnabled());
    }

private slots:
    void initTestCase() { CountInvariantFailures(); }
    void cleanup()
    {
        Close();
        QCOMPARE(InvariantFailures, 0);
    }

    void CallerWithYellowOn10PlaysAWholeGameWithPasses()
    {
        Open(8);
        QTcpServer callee;
        SoundOn = true;
        const auto peer = CallPeer(callee, true, false);
        QVERIFY(peer);
        QCOMPARE(peer->Take(3 + LocalName().size()), "BW0" + LocalName());
        QVERIFY(NetConnected);
        QVERIFY(!Form->CallAction()->isEnabled());
        QVERIFY(!Form->AllowCallAction()->isEnabled());
        QVERIFY(Form->DisconnectAction()->isEnabled());
        QVERIFY(Form->MessageAction()->isEnabled());
        QVERIFY(!Form->ConnectionPanel()->isVisible());
        QVERIFY(!NetworkGame); // not before the callee has said yes

        peer->Send("Y");
        QCOMPARE(peer->Take(1), QByteArray("G"));
        QVERIFY(WaitFor([] { return NetworkGame; }));
        QCOMPARE(QString::fromStdString(HeldSoundResource()), QStringLiteral("SOUND_CONNECTED"));
        SoundOn = false;
        QCOMPARE(Form->windowTitle(), Watcher->Address.toUpper() + QStringLiteral(" + Corvana"));
        QCOMPARE(BoardSize, 10);
        QCOMPARE(Form->BoardView()->width(), 534);
        QCOMPARE(ComputerSide, SideYellow); // the local player's side
        QVERIFY(!OpponentIsComputer);
        QVERIFY(!Side->Size8Button->isEnabled());
        QVERIFY(Side->Size10Button->isChecked());
        QVERIFY(!Form->HintAction()->isEnabled());

        const ScriptedGame game = FindGameWithPasses(BoardStack[0], 10);
        QVERIFY(game.YellowPasses > 0 && game.GreenPasses > 0);
        int played = 0;
        for (const auto& [side, square] : game.Moves) {
            QCOMPARE(SideToMove, side);
            if (side == SideYellow) {
                QVERIFY(!Form->UndoAction()->isEnabled());
                ClickSquare(square);
                QCOMPARE(peer->Take(3), Move(10, square));
            } else {
                // Not the local player's turn: a click plays nothing.
                ClickSquare(square);
                QCOMPARE(GameRecord->Count, played);
                peer->Send(Move(10, square));
            }
            ++played;
            QVERIFY2(WaitFor([&] { return GameRecord->Count == played; }),
                qPrintable(QStringLiteral("move %1").arg(played)));
            if (played == 40) {
                // The peer asks for the board in the middle of the game.
                peer->Send("F");
                QCOMPARE(
                    peer->Take(101), QByteArray("D") + QByteArray::fromStdString(BoardToText()));
            }
        }
        QVERIFY(WaitFor([] { return GameOver; }));
        QCOMPARE(Form->PanelText(0), QStringLiteral("Game over"));
        QVERIFY(Watcher->Shown.contains(QStringLiteral("Yellow pass")));
        QVERIFY(Watcher->Shown.contains(QStringLiteral("Green pass")));
        const QString result = game.Yellow == game.Green ? QStringLiteral("Tie up")
            : game.Yellow > game.Green
            ? QStringLiteral("Yellow won %1 : %2").arg(game.Yellow).arg(game.Green)
            : QStringLiteral("Green won %1 : %2").arg(game.Green).arg(game.Yellow);
        QCOMPARE(Watcher->Shown.last(), result);
        // The connection outlives the game.
        QVERIFY(NetConnected);
        QVERIFY(!peer->Closed);
        QVERIFY(peer->Received.isEmpty());
    }

    // A call accepted while the computer's finished search is still waited for (the request
    // dialog's loop runs inside that wait): the search's square is no move of the network game.
    void AcceptingACallWhileTheComputersMoveWaitsPlaysNothing()
    {
        Open(8);
        SearchGate gate;
        std::unique_ptr<TPeer> peer;
        RunWhen([&] { return gate.Holding(); },
            [&] {
                gate.Release();
                QVERIFY(WaitFor([] { return !SearchRunning.load(); }));
                peer = CalledByPeer("BB8peer");
            });
        Click(4, 2);
        QVERIFY(peer);
        QVERIFY(NetworkGame);
        QCOMPARE(GameRecord->Count, 0);
        QCOMPARE(Form->PanelText(2), QStringLiteral("Move 0/0"));
        QCOMPARE(SideToMove, SideYellow);
        QCOMPARE(gate.Arrived(), 1);
    }

    void CalleeAcceptsAGreenCallerOn8AndChatsBothWays()
    {
        Open(10);
        SoundOn = true;
        TPeer peer;
        QVERIFY(peer.Call(Port));
        QVERIFY(WaitFor([] { return NetConnected; }));
        QVERIFY(!Form->CallAction()->isEnabled());
        peer.Send("BB8peer-box");
        QCOMPARE(peer.Take(1), QByteArray("Y"));
        QCOMPARE(Watcher->RequestLabels,
            QStringList({ QStringLiteral("\"peer-box\""), QStringLiteral("\"Yellow\""),
                QStringLiteral("\"8 x 8\""), QStringLiteral("&No=30") }));
        QCOMPARE(QString::fromStdString(HeldSoundResource()), QStringLiteral("SOUND_CONNECT"));
        QCOMPARE(Form->windowTitle(), QStringLiteral("peer-box + Corvana"));
        QVERIFY(!NetworkGame); // the game starts with "G"
        peer.Send("G");
        QVERIFY(WaitFor([] { return NetworkGame; }));
        QCOMPARE(BoardSize, 8);
        QCOMPARE(ComputerSide, SideYellow); // the callee holds Yellow and opens
        Click(4, 2);
        QCOMPARE(peer.Take(3), QByteArray("M42"));

        // A chat text opens the dialog; the answer goes back, an empty one as "T" alone.
        Watcher->ChatTexts = { QString() };
        peer.Send(QByteArray("Thello <b>there</b>"));
        QCOMPARE(peer.Take(1), QByteArray("T"));
        QCOMPARE(QString::fromStdString(HeldSoundResource()), QStringLiteral("SOUND_MESSAGE"));
        QCOMPARE(
            SendDlg->ResivedMessages->toPlainText(), QStringLiteral(">>hello <b>there</b>\n<<"));
        // Texts that arrive while the dialog is open only extend the history.
        bool addedWhileOpen = false;
        Watcher->OnChat = [&](TSendDlg& dialog) {
            peer.Send("Tsecond");
            addedWhileOpen = WaitFor(
                [&] { return dialog.ResivedMessages->toPlainText().endsWith(">>second"); });
            addedWhileOpen = addedWhileOpen && dialog.isVisible();
            dialog.SendedMessages->setEditText(QStringLiteral("good luck"));
            dialog.accept();
        };
        peer.Send("Tfirst");
        QCOMPARE(peer.Take(10), QByteArray("Tgood luck"));
        QVERIFY(addedWhileOpen);
        QCOMPARE(Watcher->ChatsShown, 2);
        Watcher->OnChat = nullptr;
        // "&Message" from the local side; the list holds the sent texts newest first.
        Watcher->ChatTexts = { QStringLiteral("HI!") };
        Form->NetMenuSendMessageClick();
        QCOMPARE(peer.Take(4), QByteArray("THI!"));
        QCOMPARE(SendDlg->SendedMessages->itemText(0), QStringLiteral("HI!"));
        QCOMPARE(SendDlg->SendedMessages->itemText(1), QStringLiteral("good luck"));
        QCOMPARE(SendDlg->SendedMessages->itemText(2), QString());
        QCOMPARE(SendDlg->ResivedMessages->toPlainText(),
            QStringLiteral(">>hello <b>there</b>\n<<\n>>first\n>>second\n<<good luck\n<<HI!"));
        // Received text that is not UTF-8 is read as code page 1251.
        Watcher->ChatTexts.clear();
        peer.Send("T\xCF\xF0\xE8\xE2\xE5\xF2");
        QVERIFY(WaitFor([&] { return Watcher->ChatsShown == 4; }));
        QVERIFY(SendDlg->ResivedMessages->toPlainText().endsWith(QStringLiteral(">>Привет")));

        // The peer says goodbye and goes: its going is handled while the chat dialog is open.
        // (The check runs from a timer of its own: the watcher must stay free to answer the
        // message box that the going brings.)
        bool goneWhileOpen = false;
        Watcher->OnChat = [&](TSendDlg& dialog) {
            auto* poll = new QTimer(&dialog);
            QDeadlineTimer deadline(2000);
            connect(poll, &QTimer::timeout, &dialog, [&dialog, poll, deadline, &goneWhileOpen] {
                goneWhileOpen = !NetConnected && dialog.isVisible();
                if (goneWhileOpen || deadline.hasExpired()) {
                    poll->deleteLater();
                    dialog.reject();
                }
            });
            poll->start(10);
        };
        peer.Send("Tbye");
        peer.Socket->disconnectFromHost();
        QVERIFY(WaitFor([&] { return Watcher->ChatsShown == 5 && !Watcher->Shown.isEmpty(); }));
        QVERIFY(goneWhileOpen);
        QCOMPARE(Watcher->Shown,
            QStringList { QStringLiteral("NETWORK: Opponent has abandonned a game.") });
        QVERIFY(SendDlg->ResivedMessages->toPlainText().endsWith(QStringLiteral(">>bye")));
        ExpectIdle();
    }

    void BoardRequestsAndRestartsFromEitherSide()
    {
        Open(8);
        const auto peer = CalledByPeer("BW8peer"); // the peer plays Yellow: we are Green
        QVERIFY(peer);
        QCOMPARE(ComputerSide, SideGreen);
        QVERIFY(!Form->UndoAction()->isEnabled());
        QVERIFY(!Side->GreenButton->isEnabled());

        // The 8 × 8 start position is answered with 64 letters; any state is answered.
        peer->Send("F");
        const QByteArray start = peer->Take(65);
        QCOMPARE(start, QByteArray("D") + QByteArray::fromStdString(BoardToText()));
        QCOMPARE(start.count('w'), 2);
        QCOMPARE(start.count('b'), 2);
        QCOMPARE(start.count('+'), 60);

        peer->Send("M42");
        QVERIFY(WaitFor([] { return GameRecord->Count == 1; }));
        // The typed key sequence asks the peer; its answer shows in the remote board window.
        for (QChar c : QStringLiteral("kvbnrz"))
            Form->FormKeyPress(c);
        QCOMPARE(peer->Take(1), QByteArray("F"));
        const QByteArray theirs = "D" + QByteArray(30, '+') + "wbwb" + QByteArray(30, '+');
        peer->Send(theirs);
        QVERIFY(WaitFor([&] { return Remote->isVisible(); }));
        QCOMPARE(QByteArray::fromStdString(Remote->RemoteBoardText), theirs);
        QVERIFY(Watcher->Shown.isEmpty());

        // "R" restarts at once with the terms of the call.
        peer->Send("R");
        QVERIFY(WaitFor([] { return GameRecord->Count == 0; }));
        QVERIFY(NetworkGame);
        QCOMPARE(ComputerSide, SideGreen);
        QCOMPARE(Form->PanelText(2), QStringLiteral("Move 0/0"));
        peer->Send("M42");
        QVERIFY(WaitFor([] { return GameRecord->Count == 1; }));
        // New from our side sends "R" and starts again here too.
        Form->NewGameItemClick();
        QCOMPARE(peer->Take(1), QByteArray("R"));
        QCOMPARE(GameRecord->Count, 0);
        QVERIFY(NetworkGame);
        QCOMPARE(SideToMove, SideYellow);
    }

    void RefusalByNoAndByTheCountdown()
    {
        Open(8);
        // No: "N" goes back; the caller hangs up and nothing is said.
        Watcher->OnRequest = [](TCallReq& req) { req.reject(); };
        {
            TPeer peer;
            QVERIFY(peer.Call(Port));
            peer.Send("BW0x");
            QCOMPARE(peer.Take(1), QByteArray("N"));
            QVERIFY(!NetConnected);
            peer.HangUp();
            QVERIFY(WaitFor([&] { return Form->CallAction()->isEnabled(); }));
            ExpectIdle();
        }
        // Nobody answers: after 300 ticks the call is declined.
        QStringList captions;
        Watcher->OnRequest = [&](TCallReq& req) {
            for (int tick = 1; tick <= 300; ++tick) {
                req.ReqTimerTimer();
                if (tick == 1 || tick == 10 || tick == 299)
                    captions << req.CancelBtn->text();
            }
        };
        {
            TPeer peer;
            QVERIFY(peer.Call(Port));
            peer.Send("BW0y");
            QCOMPARE(peer.Take(1), QByteArray("N"));
            QCOMPARE(captions,
                QStringList(
                    { QStringLiteral("No=30"), QStringLiteral("No=29"), QStringLiteral("No=1") }));
            QVERIFY(!CallReq->ReqShowing);
            peer.HangUp();
            QVERIFY(WaitFor([&] { return Form->CallAction()->isEnabled(); }));
            ExpectIdle();
        }
        QVERIFY(Watcher->Shown.isEmpty());

        // Our own call refused: we hang up and say so.
        QTcpServer callee;
        const auto peer = CallPeer(callee, false, true);
        QVERIFY(peer);
        QCOMPARE(peer->Take(3 + LocalName().size()), "BB8" + LocalName());
        peer->Send("N");
        QVERIFY(peer->WaitClosed());
        QVERIFY(WaitFor([&] { return !Watcher->Shown.isEmpty(); }));
        QCOMPARE(Watcher->Shown,
            QStringList { QStringLiteral("NETWORK: Opponent has refused to play.") });
        ExpectIdle();
        QVERIFY(Form->ServerSocket()->Active());
        QVERIFY(Form->AllowCallAction()->isChecked());
    }

    void AThirdCallerIsToldBusyWhileTheGameGoesOn()
    {
        Open(8);
        const auto peer = CalledByPeer("BB8first"); // we play Yellow
        QVERIFY(peer);
        Click(4, 2);
        QCOMPARE(peer->Take(3), QByteArray("M42"));
        {
            TPeer third;
            QVERIFY(third.Call(Port));
            QCOMPARE(third.Take(1), QByteArray("A"));
            QVERIFY(Form->NetBusyPending);
            third.Send("BW0third"); // its call is not asked about
            third.Send("M33R");
            QTest::qWait(50);
            QCOMPARE(Watcher->Requests, 1);
            third.HangUp();
            QVERIFY(WaitFor([&] { return !Form->NetBusyPending; }));
        }
        QVERIFY(NetConnected);
        QCOMPARE(GameRecord->Count, 1);
        QCOMPARE(Form->windowTitle(), QStringLiteral("first + Corvana"));
        peer->Send("M52");
        QVERIFY(WaitFor([] { return GameRecord->Count == 2; }));
        QVERIFY(Watcher->Shown.isEmpty());

        // The same when we are the caller; and a callee that is busy is reported as such.
        Open(8);
        QTcpServer callee;
        const auto ours = CallPeer(callee, true, true);
        QVERIFY(ours);
        ours->Take(3 + LocalName().size());
        ours->Send("Y");
        QCOMPARE(ours->Take(1), QByteArray("G"));
        TPeer third;
        QVERIFY(third.Call(Port));
        QCOMPARE(third.Take(1), QByteArray("A"));
        third.HangUp();
        QVERIFY(WaitFor([&] { return !Form->NetBusyPending; }));
        QVERIFY(NetConnected && NetworkGame);
        Form->NetMenuDisconnectClick();
        QVERIFY(ours->WaitClosed());

        QTcpServer busy;
        const auto refused = CallPeer(busy, true, true);
        QVERIFY(refused);
        refused->Send("A");
        QVERIFY(refused->WaitClosed());
        QVERIFY(WaitFor([&] { return !Watcher->Shown.isEmpty(); }));
        QCOMPARE(Watcher->Shown, QStringList { QStringLiteral("NETWORK: Opponent is busy.") });
        ExpectIdle();
    }

    void DisconnectByCallerAndByCallee()
    {
        Open(8);
        // We called: Disconnect closes our socket, says nothing, and keeps the position.
        QTcpServer callee;
        auto peer = CallPeer(callee, true, true);
        QVERIFY(peer);
        peer->Take(3 + LocalName().size());
        peer->Send("Y");
        QCOMPARE(peer->Take(1), QByteArray("G"));
        Click(4, 2);
        QCOMPARE(peer->Take(3), QByteArray("M42"));
        const Board position = BoardStack[0];
        Form->NetMenuDisconnectClick();
        QVERIFY(peer->WaitClosed());
        ExpectIdle();
        QCOMPARE(BoardStack[0], position);
        QVERIFY(Form->HintAction()->isEnabled());
        QVERIFY(Side->Size8Button->isEnabled());
        // Both sides can go on at this machine.
        QVERIFY(!OpponentIsComputer);

        // We were called: Disconnect drops the connection and listens again.
        peer = CalledByPeer("BW8caller");
        QVERIFY(peer);
        Form->NetMenuDisconnectClick();
        QVERIFY(peer->WaitClosed());
        ExpectIdle();
        QVERIFY(Form->ServerSocket()->Active());
        QVERIFY(Form->AllowCallAction()->isChecked());
        peer = CalledByPeer("BW8again"); // a new call is taken
        QVERIFY(peer);
        QVERIFY(Watcher->Shown.isEmpty());

        // The caller hangs up while we decide: the dialog closes and nobody says anything.
        Open(8);
        TPeer caller;
        Watcher->OnRequest = [&](TCallReq&) { caller.HangUp(); };
        QVERIFY(caller.Call(Port));
        caller.Send("BW8gone");
        QVERIFY(WaitFor([&] { return Watcher->Requests == 1 && !CallReq->ReqShowing; }));
        QVERIFY(WaitFor([&] { return Form->CallAction()->isEnabled(); }));
        ExpectIdle();
        QVERIFY(caller.Received.isEmpty());
        QVERIFY(Watcher->Shown.isEmpty());
    }

    void ThePeerVanishingIsAnAbandonedGame()
    {
        Open(8);
        SoundOn = true;
        QTcpServer callee;
        auto peer = CallPeer(callee, true, true);
        QVERIFY(peer);
        peer->Take(3 + LocalName().size());
        peer->Send("Y");
        QCOMPARE(peer->Take(1), QByteArray("G"));
        peer->Socket->abort();
        QVERIFY(WaitFor([&] { return !Watcher->Shown.isEmpty(); }));
        QCOMPARE(Watcher->Shown,
            QStringList { QStringLiteral("NETWORK: Opponent has abandonned a game.") });
        QCOMPARE(QString::fromStdString(HeldSoundResource()), QStringLiteral("SOUND_DISCONNECT"));
        ExpectIdle();

        // The same for a callee whose caller goes away after "Y", before "G".
        Watcher->Shown.clear();
        TPeer caller;
        QVERIFY(caller.Call(Port));
        caller.Send("BW8x");
        QCOMPARE(caller.Take(1), QByteArray("Y"));
        caller.Socket->abort();
        QVERIFY(WaitFor([&] { return !Watcher->Shown.isEmpty(); }));
        QCOMPARE(Watcher->Shown,
            QStringList { QStringLiteral("NETWORK: Opponent has abandonned a game.") });
        ExpectIdle();
    }

    void ClosingTheWindowSaysNothingHereAndEndsItThere()
    {
        Open(8);
        const auto peer = CalledByPeer("BB8peer");
        QVERIFY(peer);
        Click(4, 2);
        QCOMPARE(peer->Take(3), QByteArray("M42"));
        Form->close();
        QVERIFY(peer->WaitClosed());
        QVERIFY(!NetConnected);
        QVERIFY(Watcher->Shown.isEmpty());
        QTest::qWait(20);
        QVERIFY(Watcher->Shown.isEmpty());
    }

    void OpeningAGameDuringAConnectionAsksFirst()
    {
        Open(8);
        const auto peer = CalledByPeer("BB8peer");
        QVERIFY(peer);
        Watcher->QuestionAnswer = false;
        Form->ListMenuLoadClick();
        QCOMPARE(Watcher->Shown,
            QStringList { QStringLiteral("NETWORK: Do you want abort network game ?") });
        QVERIFY(NetConnected && NetworkGame);
        Watcher->QuestionAnswer = true;
        Form->ListMenuLoadClick(); // yes: disconnect; the file dialog is cancelled
        QVERIFY(peer->WaitClosed());
        QCOMPARE(Watcher->Shown.size(), 2);
        ExpectIdle();
    }

    void AllowCallSwitchesListening()
    {
        Open(8);
        QVERIFY(Form->AllowCallAction()->isChecked());
        Form->AllowCallAction()->trigger();
        QVERIFY(!Form->ServerSocket()->Active());
        QVERIFY(!Form->AllowCallAction()->isChecked());
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, quint16(Port));
        QVERIFY(!probe.waitForConnected(1000));
        Form->AllowCallAction()->trigger();
        QVERIFY(Form->ServerSocket()->Active());
        QVERIFY(Form->AllowCallAction()->isChecked());

        // A port that is taken: listening cannot be switched back on, and says so.
        Form->AllowCallAction()->trigger();
        QTcpServer squatter;
        QVERIFY(squatter.listen(QHostAddress::AnyIPv4, quint16(Port)));
        Form->AllowCallAction()->trigger();
        QCOMPARE(Watcher->Shown, QStringList { QStringLiteral("NETWORK: Cannot enable listing!") });
        QVERIFY(!Form->AllowCallAction()->isChecked());
        // And at start-up it takes the whole menu away, silently.
        const int taken = Port;
        Close();
        SettingsFile = ConfigDir.filePath(QStringLiteral("reversi.ini")).toStdString();
        QFile ini(QString::fromStdString(SettingsFile));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(("[net]\nport=" + std::to_string(taken) + "\n").c_str());
        ini.close();
        TReversiForm form;
        QVERIFY(!form.NetworkMenuAction()->isEnabled());
        QVERIFY(!form.CallAction()->isEnabled());
        QVERIFY(!form.AllowCallAction()->isEnabled());
        QVERIFY(!form.ServerSocket()->Active());
    }

    void CallsThatCannotBeMade()
    {
        Open(8);
        // No address: the socket cannot even be opened.
        Watcher->Address = QStringLiteral(" ");
        Form->NetMenuConnectClick();
        QCOMPARE(Watcher->Shown,
            QStringList { QStringLiteral("NETWORK: Connection failed - open socket error!") });
        // Nobody listening: the call fails later, and listening is back on.
        Watcher->Shown.clear();
        Watcher->Address = QStringLiteral("127.0.0.1:%1").arg(FreePort());
        Form->NetMenuConnectClick();
        QVERIFY(Form->ConnectionPanel()->isVisible() || !Watcher->Shown.isEmpty());
        QVERIFY(WaitFor([&] { return !Watcher->Shown.isEmpty(); }));
        QCOMPARE(Watcher->Shown,
            QStringList { QStringLiteral("NETWORK: Connection failed - opponent call error!") });
        QVERIFY(!Form->ConnectionPanel()->isVisible());
        QVERIFY(Form->ServerSocket()->Active());
        QVERIFY(Form->AllowCallAction()->isChecked());
        ExpectIdle();
        // A name that does not resolve fails the same way.
        Watcher->Shown.clear();
        Watcher->Address = QStringLiteral("NO-SUCH-HOST.INVALID");
        Form->NetMenuConnectClick();
        QVERIFY(WaitFor([&] { return !Watcher->Shown.isEmpty(); }, 40000));
        QCOMPARE(Watcher->Shown,
            QStringList { QStringLiteral("NETWORK: Connection failed - opponent call error!") });
    }

    void AHostilePeerCannotBreakTheGame()
    {
        Open(8);
        // Before the user has said yes, "G", "R" and moves start nothing.
        TPeer peer;
        bool startedEarly = false;
        Watcher->OnRequest = [&](TCallReq& req) {
            for (const QByteArray& early :
                { QByteArray("G"), QByteArray("R"), QByteArray("M42") }) {
                peer.Send(early);
                QTest::qWait(30);
            }
            startedEarly = NetworkGame || GameRecord->Count != 0;
            req.accept();
        };
        QVERIFY(peer.Call(Port));
        peer.Send("BW8" + QByteArray(60, 'N') + "\n<b>");
        QCOMPARE(peer.Take(1), QByteArray("Y"));
        QVERIFY(!startedEarly);
        // The name is cut to 31 characters and kept as plain text on one line.
        QCOMPARE(Watcher->RequestLabels.value(0), "\"" + QString(31, QLatin1Char('N')) + "\"");
        QCOMPARE(Form->windowTitle(), QString(31, QLatin1Char('N')) + QStringLiteral(" + Corvana"));
        QVERIFY(!NetworkGame);
        peer.Send("G");
        QVERIFY(WaitFor([] { return NetworkGame; }));
        QCOMPARE(ComputerSide, SideGreen); // the peer plays Yellow

        // A move split over three reads is one move.
        peer.Send("M");
        QTest::qWait(20);
        peer.Send("4");
        QTest::qWait(20);
        QCOMPARE(GameRecord->Count, 0);
        peer.Send("2");
        QVERIFY(WaitFor([] { return GameRecord->Count == 1; }));
        // Out of turn, a move for our side is not played, legal as it would be.
        int ours = -1;
        for (int sq = 0; sq < BoardCells && ours < 0; ++sq)
            if (IsPlayableSquare(8, sq)
                && Routines.IsLegalMove(BoardStack[0], sq, SideGreen, SideYellow))
                ours = sq;
        QVERIFY(ours > 0);
        peer.Send(Move(8, ours));
        QTest::qWait(30);
        QCOMPARE(GameRecord->Count, 1);
        // Our reply: the first square a click plays.
        Board before = BoardStack[0];
        for (int col = 0; col < 8 && GameRecord->Count == 1; ++col)
            for (int row = 0; row < 8 && GameRecord->Count == 1; ++row)
                Click(col, row);
        QCOMPARE(GameRecord->Count, 2);
        QVERIFY(BoardStack[0] != before);
        const QByteArray ourMove = peer.Take(3);
        QVERIFY(ourMove.startsWith('M'));

        // Unknown letters, letters of the other role, a second call, off-board and illegal
        // squares change nothing and get no reply.
        before = BoardStack[0];
        for (const QByteArray& junk : { QByteArray("Zzz"), QByteArray("Y"), QByteArray("N"),
                 QByteArray("A"), QByteArray("BW0again"), QByteArray("M99"), QByteArray("M00"),
                 QByteArray("\x01\xFFM42"), QByteArray(4000, '\x80') }) {
            peer.Send(junk);
            QTest::qWait(20);
        }
        QCOMPARE(BoardStack[0], before);
        QCOMPARE(GameRecord->Count, 2);
        QCOMPARE(Watcher->Requests, 1);
        QVERIFY(peer.Received.isEmpty());
        QVERIFY(NetConnected);

        // Two requests and a move in one read: all three are handled, the replies in order.
        const auto legal = [&](int side) {
            const int other = side == SideYellow ? SideGreen : SideYellow;
            for (int sq = 0; sq < BoardCells; ++sq)
                if (IsPlayableSquare(8, sq) && Routines.IsLegalMove(BoardStack[0], sq, side, other))
                    return sq;
            return -1;
        };
        const int next = legal(SideYellow);
        QVERIFY(next > 0);
        peer.Send("FF" + Move(8, next) + "F");
        const QByteArray replies = peer.Take(3 * 65);
        QCOMPARE(replies.size(), 3 * 65);
        QCOMPARE(replies.count('D'), 3);
        QVERIFY(replies.left(65) == replies.mid(65, 65));
        QCOMPARE(replies.right(64), QByteArray::fromStdString(BoardToText()));
        QVERIFY(replies.right(64) != replies.mid(1, 64));
        QCOMPARE(GameRecord->Count, 3);

        // Flooding beyond the limit drops the connection as the peer gone.
        peer.Send("T" + QByteArray(200000, 'x'));
        QVERIFY(WaitFor([&] { return !Watcher->Shown.isEmpty(); }));
        QCOMPARE(Watcher->Shown,
            QStringList { QStringLiteral("NETWORK: Opponent has abandonned a game.") });
        QVERIFY(peer.WaitClosed());
        ExpectIdle();
        QCOMPARE(GameRecord->Count, 3);
    }

    void ACallerIgnoresWhatAFairCalleeWouldNotSend()
    {
        Open(8);
        QTcpServer callee;
        const auto peer = CallPeer(callee, true, true);
        QVERIFY(peer);
        peer->Take(3 + LocalName().size());
        for (const QByteArray& early : { QByteArray("G"), QByteArray("R"), QByteArray("M42"),
                 QByteArray("B"), QByteArray("Q") }) {
            peer->Send(early);
            QTest::qWait(20);
        }
        QVERIFY(!NetworkGame);
        QCOMPARE(GameRecord->Count, 0);
        peer->Send("Y");
        QCOMPARE(peer->Take(1), QByteArray("G"));
        QVERIFY(NetworkGame);
        // A second "Y" does not start the game again; "N" and "A" are too late.
        Click(4, 2);
        QCOMPARE(peer->Take(3), QByteArray("M42"));
        peer->Send("YNA");
        QTest::qWait(50);
        QCOMPARE(GameRecord->Count, 1);
        QVERIFY(NetConnected);
        QVERIFY(peer->Received.isEmpty());
        QVERIFY(Watcher->Shown.isEmpty());
    }
};

QTEST_MAIN(NetworkGameTest)
#include "NetworkGameTest.moc"
