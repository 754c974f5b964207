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
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <arpa/inet.h>
#include <dirent.h>
#include <netinet/in.h>
#include <random>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include "BoardTracker.h"
#include "BoardView.h"
#include "CallDialog.h"
#include "CallRequestDialog.h"
#include "ChatDialog.h"
#include "ChoiceDialog.h"
#include "GameSession.h"
#include "InvariantCounter.h"
#include "MainWindow.h"
#include "NetSession.h"
#include "NetSockets.h"
#include "NetState.h"
#include "ProcessState.h"
#include "ProgressPanel.h"
#include "RemoteBoardWindow.h"
#include "ResultDialog.h"
#include "RoutineTable.h"
#include "RulesWindow.h"
#include "RunWhen.h"
#include "SearchGate.h"
#include "SearchThread.h"
#include "Settings.h"
#include "SettingsDialog.h"
#include "Sound.h"
#include "StatusPanels.h"

namespace {

// Waits, handling events, until done() holds or the time is up.
bool WaitFor(const std::function<bool()>& done, int ms = 20000)
{
    QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(5);
    }
    return true;
}

// Bytes that have arrived on a socket and not been read by the program yet.
qint64 Unread(const QTcpSocket* socket)
{
    if (!socket || socket->state() != QAbstractSocket::ConnectedState)
        return 0;
    int waiting = 0;
    if (::ioctl(int(socket->socketDescriptor()), FIONREAD, &waiting) != 0)
        waiting = 0;
    return socket->bytesAvailable() + waiting;
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
        QObject::connect(Socket.get(), &QTcpSocket::connected, [this] {
            Reached = true;
            // Every write goes out at once, as the program's own do: nothing waits for an
            // acknowledgement to be joined with the next write.
            Socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        });
    }
    // Connects; true once the connection was made, even if the other side has closed it since.
    bool Call(int port)
    {
        Socket->connectToHost(QHostAddress::LocalHost, quint16(port));
        return WaitFor([&] { return Reached; });
    }
    // Writes bytes and returns once the system has delivered them (on loopback they are then in
    // the window's socket).
    void Send(const QByteArray& bytes)
    {
        Socket->write(bytes);
        Socket->flush();
        WaitFor([&] {
            int unsent = 0;
            if (Socket->state() != QAbstractSocket::ConnectedState
                || ::ioctl(int(Socket->socketDescriptor()), TIOCOUTQ, &unsent) != 0)
                return true;
            return Socket->bytesToWrite() == 0 && unsent == 0;
        });
    }
    // Waits for at least n received bytes and takes exactly those.
    QByteArray Take(int n, int ms = 20000)
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
    bool Reached = false;
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
    bool Handling() const { return !HandlingSet.isEmpty(); }
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
    // The pass and result dialog: what to do while it is open (default: close it).
    std::function<void(TFinalDlg&)> OnFinal;
    bool QuestionAnswer = true;

private:
    void Answer()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || HandlingSet.contains(modal))
            return;
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (!dialog)
            return;
        HandlingSet.insert(modal);
        connect(dialog, &QDialog::finished, this, [this, modal] { HandlingSet.remove(modal); });
        if (auto* final = dynamic_cast<TFinalDlg*>(modal)) {
            Shown << final->FinalMessage->text();
            if (OnFinal)
                OnFinal(*final);
            else
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
    QSet<QWidget*> HandlingSet;
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

// A whole game of random legal moves from start in which `passer` has to pass right after a move
// of the other side, and that side's next move ends the game. Returns the moves, or none.
std::vector<std::pair<int, int>> FindGameEndingAfterAPass(const Board& start, int size, int passer)
{
    const RoutineTable& rules = RoutinesFor(size);
    const auto legal = [&](const Board& b, int side) {
        const int other = side == SideYellow ? SideGreen : SideYellow;
        std::vector<int> squares;
        for (int sq = 0; sq < BoardCells; ++sq)
            if (IsPlayableSquare(size, sq) && rules.IsLegalMove(b, sq, side, other))
                squares.push_back(sq);
        return squares;
    };
    const int mover = passer == SideYellow ? SideGreen : SideYellow;
    for (unsigned seed = 1; seed < 200000; ++seed) {
        std::mt19937 random(seed);
        Board board = start;
        std::vector<std::pair<int, int>> moves;
        int side = SideYellow;
        bool passedJustNow = false;
        for (;;) {
            std::vector<int> squares = legal(board, side);
            const int other = side == SideYellow ? SideGreen : SideYellow;
            if (squares.empty()) {
                if (legal(board, other).empty())
                    break;
                passedJustNow = side == passer;
                side = other;
                continue;
            }
            const int sq = squares[random() % squares.size()];
            rules.MakeMove(board, sq, side, other);
            moves.emplace_back(side, sq);
            const bool over = legal(board, SideYellow).empty() && legal(board, SideGreen).empty();
            if (over && passedJustNow && side == mover)
                return moves;
            passedJustNow = false;
            side = other;
        }
    }
    return {};
}

// A second copy of the program (tests/net/PeerCopy.cpp) in a process of its own, listening on a
// port of its own and driven by commands; its dialogs answer themselves.
class TPeerCopy {
public:
    explicit TPeerCopy(const QString& folder)
    {
        Port = FreePort();
        const QString ini = folder + QStringLiteral("/peer.ini");
        QFile f(ini);
        f.open(QIODevice::WriteOnly);
        f.write(
            QStringLiteral("[net]\nport=%1\n[options]\nsndef=no\nanief=no\n[extras]\nresume=no\n")
                .arg(Port)
                .toUtf8());
        f.close();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("XDG_STATE_HOME"), folder);
        Process.setProcessEnvironment(env);
        Process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        Process.start(QStringLiteral(CORVANA_PEER_COPY), { ini });
    }
    ~TPeerCopy()
    {
        if (Process.state() == QProcess::Running) {
            Process.write("0 quit\n");
            if (!Process.waitForFinished(10000))
                Process.kill();
        }
    }
    // Sends a command and returns its reply, handling this copy's events meanwhile (a reply to a
    // command sent from inside them may come first: replies carry their command's number).
    QString Ask(const QString& command)
    {
        const int tag = ++LastTag;
        Process.write(
            (QString::number(tag) + QLatin1Char(' ') + command + QLatin1Char('\n')).toUtf8());
        WaitFor(
            [&] {
                while (Process.canReadLine()) {
                    const QString line = QString::fromUtf8(Process.readLine()).trimmed();
                    Replies.insert(line.section(QLatin1Char(' '), 0, 0).toInt(),
                        line.section(QLatin1Char(' '), 1));
                }
                return Replies.contains(tag);
            },
            20000);
        return Replies.take(tag);
    }
    // Its board as BoardToText writes it, its move count and whether its game is over.
    QString Board() { return Ask(QStringLiteral("board")); }
    // Waits until Board() answers expected; seen is its last answer.
    bool WaitForBoard(const QString& expected, QString& seen)
    {
        return WaitFor([&] { return (seen = Board()) == expected; }, 20000);
    }
    int Moves() { return Board().section(QLatin1Char(' '), 2, 2).toInt(); }
    // Plays square once it has received the moves before it.
    QString Play(int square, int movesBefore)
    {
        WaitFor([&] { return Moves() == movesBefore; }, 20000);
        return Ask(QStringLiteral("play %1").arg(square));
    }

    QProcess Process;
    int Port = 0;
    int LastTag = 0;
    QMap<int, QString> Replies;
};

// What a call from this machine carries after "B" and the terms: the name and its end mark.
QByteArray LocalName() { return QHostInfo::localHostName().left(15).toUtf8(); }
QByteArray EndedName() { return LocalName() + QByteArray(1, '\0'); }
// The callee's acceptance, with the end mark that says its texts end with one.
const QByteArray Accepted("Y\0", 2);
// A text as Corvana sends it.
QByteArray Ended(const QByteArray& text) { return text + QByteArray(1, '\0'); }

QByteArray MoveMessage(int size, int square)
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
        QVERIFY(Form->Network().RevServerSocket->Active());
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
        const QPoint p(20 + col * Form->Board().CellSize + Form->Board().CellSize / 2,
            20 + row * Form->Board().CellSize + Form->Board().CellSize / 2);
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
        if (peer->Take(2) != Accepted)
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

    int FirstLegalOf(int side)
    {
        const int other = side == SideYellow ? SideGreen : SideYellow;
        for (int sq = 0; sq < BoardCells; ++sq)
            if (IsPlayableSquare(BoardSize, sq)
                && Routines.IsLegalMove(BoardStack[0], sq, side, other))
                return sq;
        return -1;
    }

    // Everything the peers have sent so far has been read and handled: on loopback what a peer
    // wrote is in the window's socket at once, so nothing is waited for by time.
    void Settle()
    {
        const auto drained = [&] {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
            if (Unread(Form->Network().RevClientSocket->Socket()) > 0)
                return false;
            for (const TNetConnection* c : Form->Network().RevServerSocket->Connections())
                if (Unread(c->Socket()) > 0)
                    return false;
            return true;
        };
        QTRY_VERIFY_WITH_TIMEOUT(drained(), 10000);
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }

    void ExpectIdle()
    {
        QVERIFY(!NetConnected);
        QVERIFY(!NetworkGame);
        QCOMPARE(Form->windowTitle(), QStringLiteral("Corvana"));
        QVERIFY(Form->Menu().NetMenuConnect->isEnabled());
        QVERIFY(Form->Menu().NetMenuListing->isEnabled());
        QVERIFY(!Form->Menu().NetMenuDisconnect->isEnabled());
        QVERIFY(!Form->Menu().NetMenuSendMessage->isEnabled());
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

    void CallerWithYellowOn10PlaysAWholeGameWithPasses()
    {
        Open(8);
        QTcpServer callee;
        SoundOn = true;
        const auto peer = CallPeer(callee, true, false);
        QVERIFY(peer);
        QCOMPARE(peer->Take(4 + LocalName().size()), "BW0" + EndedName());
        QVERIFY(NetConnected);
        QVERIFY(!Form->Menu().NetMenuConnect->isEnabled());
        QVERIFY(!Form->Menu().NetMenuListing->isEnabled());
        QVERIFY(Form->Menu().NetMenuDisconnect->isEnabled());
        QVERIFY(Form->Menu().NetMenuSendMessage->isEnabled());
        QVERIFY(!Form->Network().ConnectPanel->isVisible());
        QVERIFY(!NetworkGame); // not before the callee has said yes

        peer->Send("Y");
        QCOMPARE(peer->Take(1), QByteArray("G"));
        QVERIFY(WaitFor([] { return NetworkGame; }));
        QCOMPARE(QString::fromStdString(HeldSoundResource()), QStringLiteral("SOUND_CONNECTED"));
        SoundOn = false;
        QCOMPARE(Form->windowTitle(), Watcher->Address.toUpper() + QStringLiteral(" + Corvana"));
        QCOMPARE(BoardSize, 10);
        QCOMPARE(Form->Board().width(), 534);
        QCOMPARE(ComputerSide, SideYellow); // the local player's side
        QVERIFY(!OpponentIsComputer);
        QVERIFY(!Side->Size8Button->isEnabled());
        QVERIFY(Side->Size10Button->isChecked());
        QVERIFY(!Form->Menu().HintItem->isEnabled());

        const ScriptedGame game = FindGameWithPasses(BoardStack[0], 10);
        QVERIFY(game.YellowPasses > 0 && game.GreenPasses > 0);
        int played = 0;
        for (const auto& [side, square] : game.Moves) {
            QCOMPARE(SideToMove, side);
            if (side == SideYellow) {
                QVERIFY(!Form->Menu().ListMenuUndoMove->isEnabled());
                ClickSquare(square);
                QCOMPARE(peer->Take(3), MoveMessage(10, square));
            } else {
                // Not the local player's turn: a click plays nothing.
                ClickSquare(square);
                QCOMPARE(GameRecord->Count, played);
                peer->Send(MoveMessage(10, square));
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
        QCOMPARE(Form->Status().Text(0), QStringLiteral("Game over"));
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
        QCOMPARE(Form->Status().Text(2), QStringLiteral("Move 0/0"));
        QCOMPARE(SideToMove, SideYellow);
        QCOMPARE(gate.Arrived(), 1);
    }

    void CalleeAcceptsAGreenCallerOn8AndChatsBothWays()
    {
        Open(10);
        SoundOn = true;
        TPeer peer;
        QVERIFY(peer.Call(Port));
        peer.Send("BB8peer-box");
        QCOMPARE(peer.Take(2), Accepted);
        QVERIFY(NetConnected);
        QVERIFY(!Form->Menu().NetMenuConnect->isEnabled());
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

        // A chat text opens the dialog; the answer goes back, an empty one as "T" alone (and its
        // end mark).
        Watcher->ChatTexts = { QString() };
        peer.Send(QByteArray("Thello <b>there</b>"));
        QCOMPARE(peer.Take(2), Ended("T"));
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
        QCOMPARE(peer.Take(11), Ended("Tgood luck"));
        QVERIFY(addedWhileOpen);
        QCOMPARE(Watcher->ChatsShown, 2);
        Watcher->OnChat = nullptr;
        // "&Message" from the local side; the list holds the sent texts newest first.
        Watcher->ChatTexts = { QStringLiteral("HI!") };
        Form->NetMenuSendMessageClick();
        QCOMPARE(peer.Take(5), Ended("THI!"));
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
            QDeadlineTimer deadline(20000);
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
        QVERIFY(!Form->Menu().ListMenuUndoMove->isEnabled());
        QVERIFY(!Side->GreenButton->isEnabled());

        // The 8 × 8 start position is answered with 64 letters.
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
        QCOMPARE(Form->Status().Text(2), QStringLiteral("Move 0/0"));
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
            QVERIFY(WaitFor([&] { return Form->Menu().NetMenuConnect->isEnabled(); }));
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
            QVERIFY(WaitFor([&] { return Form->Menu().NetMenuConnect->isEnabled(); }));
            ExpectIdle();
        }
        QVERIFY(Watcher->Shown.isEmpty());

        // Our own call refused: we hang up and say so.
        QTcpServer callee;
        const auto peer = CallPeer(callee, false, true);
        QVERIFY(peer);
        QCOMPARE(peer->Take(4 + LocalName().size()), "BB8" + EndedName());
        peer->Send("N");
        QVERIFY(peer->WaitClosed());
        QVERIFY(WaitFor([&] { return !Watcher->Shown.isEmpty(); }));
        QCOMPARE(Watcher->Shown,
            QStringList { QStringLiteral("NETWORK: Opponent has refused to play.") });
        ExpectIdle();
        QVERIFY(Form->Network().RevServerSocket->Active());
        QVERIFY(Form->Menu().NetMenuListing->isChecked());
    }

    void AThirdCallerIsToldBusyWhileTheGameGoesOn()
    {
        Open(8);
        const auto peer = CalledByPeer("BB8first"); // we play Yellow
        QVERIFY(peer);
        Click(4, 2);
        QCOMPARE(peer->Take(3), QByteArray("M42"));
        {
            // Told "A" and closed at once: it cannot hold a connection of ours.
            TPeer third;
            QVERIFY(third.Call(Port));
            QCOMPARE(third.Take(1), QByteArray("A"));
            QVERIFY(third.WaitClosed());
            QCOMPARE(Watcher->Requests, 1);
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
        ours->Take(4 + LocalName().size());
        ours->Send("Y");
        QCOMPARE(ours->Take(1), QByteArray("G"));
        TPeer third;
        QVERIFY(third.Call(Port));
        QCOMPARE(third.Take(1), QByteArray("A"));
        QVERIFY(third.WaitClosed());
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
        peer->Take(4 + LocalName().size());
        peer->Send("Y");
        QCOMPARE(peer->Take(1), QByteArray("G"));
        Click(4, 2);
        QCOMPARE(peer->Take(3), QByteArray("M42"));
        const Board position = BoardStack[0];
        Form->NetMenuDisconnectClick();
        QVERIFY(peer->WaitClosed());
        ExpectIdle();
        QCOMPARE(BoardStack[0], position);
        QVERIFY(Form->Menu().HintItem->isEnabled());
        QVERIFY(Side->Size8Button->isEnabled());
        // Both sides can go on at this machine.
        QVERIFY(!OpponentIsComputer);

        // We were called: Disconnect drops the connection and listens again.
        peer = CalledByPeer("BW8caller");
        QVERIFY(peer);
        Form->NetMenuDisconnectClick();
        QVERIFY(peer->WaitClosed());
        ExpectIdle();
        QVERIFY(Form->Network().RevServerSocket->Active());
        QVERIFY(Form->Menu().NetMenuListing->isChecked());
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
        QVERIFY(WaitFor([&] { return Form->Menu().NetMenuConnect->isEnabled(); }));
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
        peer->Take(4 + LocalName().size());
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
        QCOMPARE(caller.Take(2), Accepted);
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
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
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
        QVERIFY(Form->Menu().NetMenuListing->isChecked());
        Form->Menu().NetMenuListing->trigger();
        QVERIFY(!Form->Network().RevServerSocket->Active());
        QVERIFY(!Form->Menu().NetMenuListing->isChecked());
        QTcpSocket probe;
        probe.connectToHost(QHostAddress::LocalHost, quint16(Port));
        QVERIFY(!probe.waitForConnected(1000));
        Form->Menu().NetMenuListing->trigger();
        QVERIFY(Form->Network().RevServerSocket->Active());
        QVERIFY(Form->Menu().NetMenuListing->isChecked());

        // A port that is taken: listening cannot be switched back on, and says so.
        Form->Menu().NetMenuListing->trigger();
        QTcpServer squatter;
        QVERIFY(squatter.listen(QHostAddress::AnyIPv4, quint16(Port)));
        Form->Menu().NetMenuListing->trigger();
        QCOMPARE(Watcher->Shown, QStringList { QStringLiteral("NETWORK: Cannot enable listing!") });
        QVERIFY(!Form->Menu().NetMenuListing->isChecked());
        // And at start-up it takes the whole menu away, silently.
        const int taken = Port;
        Close();
        SettingsFile = ConfigDir.filePath(QStringLiteral("reversi.ini")).toStdString();
        QFile ini(QString::fromStdString(SettingsFile));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(("[net]\nport=" + std::to_string(taken) + "\n").c_str());
        ini.close();
        TReversiForm form;
        QVERIFY(!form.Menu().NetMenu->menuAction()->isEnabled());
        // Silently, but the menu's hint says why.
        QCOMPARE(form.Menu().NetMenu->menuAction()->statusTip(),
            QStringLiteral("Network play is off: port %1 is in use").arg(taken));
        QVERIFY(!form.Menu().NetMenuConnect->isEnabled());
        QVERIFY(!form.Menu().NetMenuListing->isEnabled());
        QVERIFY(!form.Network().RevServerSocket->Active());
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
        QVERIFY(Form->Network().ConnectPanel->isVisible() || !Watcher->Shown.isEmpty());
        QVERIFY(WaitFor([&] { return !Watcher->Shown.isEmpty(); }));
        QCOMPARE(Watcher->Shown,
            QStringList { QStringLiteral("NETWORK: Connection failed - opponent call error!") });
        QVERIFY(!Form->Network().ConnectPanel->isVisible());
        QVERIFY(Form->Network().RevServerSocket->Active());
        QVERIFY(Form->Menu().NetMenuListing->isChecked());
        ExpectIdle();
        // A name that does not resolve fails the same way. Its first label is longer than a name
        // server allows, so it is refused on this machine and no query leaves it.
        Watcher->Shown.clear();
        Watcher->Address = QString(64, QLatin1Char('x')) + QStringLiteral(".invalid");
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
                Settle();
            }
            startedEarly = NetworkGame || GameRecord->Count != 0;
            req.accept();
        };
        QVERIFY(peer.Call(Port));
        peer.Send("BW8" + QByteArray(60, 'N') + "\n<b>");
        QCOMPARE(peer.Take(2), Accepted);
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
        Settle();
        peer.Send("4");
        Settle();
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
        peer.Send(MoveMessage(8, ours));
        Settle();
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
            Settle();
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
        peer.Send("FF" + MoveMessage(8, next) + "F");
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

    // --- what a stranger on the network cannot do ---

    void StrangersThatConnectAndGoAreNotReported()
    {
        Open(8);
        for (int i = 0; i < 200; ++i) {
            TPeer stranger;
            QVERIFY(stranger.Call(Port));
            stranger.Socket->abort();
        }
        QVERIFY(WaitFor(
            [&] { return Form->Network().RevServerSocket->Connections().isEmpty(); }, 20000));
        Settle();
        QVERIFY(Watcher->Shown.isEmpty()); // not one "abandoned" box
        ExpectIdle();
        QVERIFY(CalledByPeer("BB8friend"));
    }

    void ACallerThatNeverCallsNeitherBlocksAFriendNorStays()
    {
        Open(8);
        TPeer silent;
        QVERIFY(silent.Call(Port));
        Settle();
        // Connected but silent, it is nobody's peer: "&Call" stays, and a friend gets through.
        ExpectIdle();
        const auto friendPeer = CalledByPeer("BB8friend");
        QVERIFY(friendPeer);
        QCOMPARE(silent.Take(1), QByteArray("A"));
        QVERIFY(silent.WaitClosed());
        QCOMPARE(Watcher->Requests, 1);

        // Alone and silent, it is closed quietly when its time is up.
        Form->NetMenuDisconnectClick();
        QVERIFY(friendPeer->WaitClosed());
        NetHandshakeTimeoutMs = 300;
        TPeer late;
        QVERIFY(late.Call(Port));
        QVERIFY(WaitFor([&] { return late.Closed; }, 30000));
        NetHandshakeTimeoutMs = 10000;
        QVERIFY(late.Received.isEmpty());
        QVERIFY(Watcher->Shown.isEmpty());
        ExpectIdle();
    }

    void BoardRequestFloodsGetNoAnswerAndAPeerThatDoesNotReadIsDropped()
    {
        Open(8);
        const auto rawConnect = [&] {
            const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            sockaddr_in to {};
            to.sin_family = AF_INET;
            to.sin_port = htons(quint16(Port));
            to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            ::connect(fd, reinterpret_cast<sockaddr*>(&to), sizeof to);
            return fd;
        };
        // Sends bytes, handling the window's events whenever the socket is full; false when the
        // window closed the connection.
        const auto flood = [&](int fd, const QByteArray& bytes, std::size_t total) {
            std::size_t sent = 0;
            QDeadlineTimer deadline(60000);
            while (sent < total && !deadline.hasExpired()) {
                const ssize_t n
                    = ::send(fd, bytes.constData(), std::size_t(bytes.size()), MSG_NOSIGNAL);
                if (n > 0)
                    sent += std::size_t(n);
                else if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK)
                    return false;
                QCoreApplication::processEvents();
            }
            return true;
        };
        const auto received = [](int fd) {
            QByteArray got;
            char buffer[4096];
            ssize_t n;
            while ((n = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT)) > 0)
                got.append(buffer, int(n));
            return got;
        };

        // 2 MiB of "F" without a call: not one reply is written.
        const int stranger = rawConnect();
        flood(stranger, QByteArray(4096, 'F'), 2 << 20);
        Settle();
        QVERIFY(received(stranger).isEmpty());
        for (const TNetConnection* c : Form->Network().RevServerSocket->Connections())
            QCOMPARE(c->Socket()->bytesToWrite(), 0);
        ::close(stranger);
        QVERIFY(WaitFor([&] { return Form->Network().RevServerSocket->Connections().isEmpty(); }));

        // In a game, a peer that asks for boards and reads nothing is dropped, not buffered.
        const int peer = rawConnect();
        QVERIFY(
            WaitFor([&] { return Form->Network().RevServerSocket->Connections().size() == 1; }));
        flood(peer, "BB8flood", 8);
        QVERIFY(WaitFor([&] { return received(peer) == Accepted; }));
        flood(peer, "G", 1);
        QVERIFY(WaitFor([] { return NetworkGame; }));
        // Small pieces, each read and answered, none of the answers taken: the answers pile up
        // until the window gives up on the peer.
        flood(peer, QByteArray(512, 'F'), 64 << 20);
        QVERIFY(WaitFor([&] { return !NetConnected; }, 60000));
        QCOMPARE(Watcher->Shown,
            QStringList { QStringLiteral("NETWORK: Opponent has abandonned a game.") });
        ::close(peer);
        ExpectIdle();
    }

    void RunningOutOfDescriptorsPausesAcceptingAndRecovers()
    {
        Open(8);
        const auto openDescriptors = [] {
            int count = 0;
            if (DIR* dir = ::opendir("/proc/self/fd")) {
                while (const dirent* e = ::readdir(dir))
                    count += e->d_name[0] != '.';
                ::closedir(dir);
                --count; // the folder's own
            }
            return count;
        };
        rlimit saved {};
        QCOMPARE(::getrlimit(RLIMIT_NOFILE, &saved), 0);
        // Room for the attackers' own sockets and nothing more: the window cannot accept them.
        TPeer first, second;
        rlimit low = saved;
        low.rlim_cur = rlim_t(openDescriptors() + 2);
        QCOMPARE(::setrlimit(RLIMIT_NOFILE, &low), 0);
        first.Socket->connectToHost(QHostAddress::LocalHost, quint16(Port));
        second.Socket->connectToHost(QHostAddress::LocalHost, quint16(Port));
        const bool paused
            = WaitFor([&] { return Form->Network().RevServerSocket->Paused(); }, 20000);
        // The window goes on working meanwhile: a move and the computer's answer.
        Click(4, 2);
        const int moves = GameRecord->Count;
        QCOMPARE(::setrlimit(RLIMIT_NOFILE, &saved), 0);
        QVERIFY(paused);
        QCOMPARE(moves, 2);
        // With descriptors back (and the strangers gone) a friend gets through again.
        first.Socket->abort();
        second.Socket->abort();
        QVERIFY(WaitFor([&] { return !Form->Network().RevServerSocket->Paused(); }, 20000));
        QVERIFY(CalledByPeer("BB8friend"));
    }

    // --- modal dialogs and messages that arrive under them ---

    void ARestartWhileTheResultIsShownLeavesAPlayableGame()
    {
        Open(8);
        const auto peer = CalledByPeer("BB8peer"); // we play Yellow
        QVERIFY(peer);
        const ScriptedGame game = FindGameWithPasses(BoardStack[0], 8);
        QVERIFY(!game.Moves.empty());
        bool restartedUnder = false;
        Watcher->OnFinal = [&](TFinalDlg& dialog) {
            if (!dialog.FinalMessage->text().contains(QStringLiteral("won"))
                && dialog.FinalMessage->text() != QStringLiteral("Tie up")) {
                dialog.done(1); // a pass
                return;
            }
            peer->Send("R");
            restartedUnder = WaitFor([] { return GameRecord->Count == 0; });
            dialog.done(1);
        };
        int played = 0;
        for (const auto& [side, square] : game.Moves) {
            if (side == SideYellow) {
                ClickSquare(square);
                peer->Take(3);
            } else {
                peer->Send(MoveMessage(8, square));
            }
            ++played;
            QVERIFY(WaitFor([&] { return GameRecord->Count == played || GameRecord->Count == 0; }));
        }
        QVERIFY(WaitFor([&] { return restartedUnder && !Watcher->Handling(); }));
        // The new game is on: not over, our click plays, the peer's answer is taken.
        QVERIFY(!GameOver);
        QCOMPARE(Form->Status().Text(0), QStringLiteral("Yellow is moving"));
        Click(4, 2);
        QCOMPARE(peer->Take(3), QByteArray("M42"));
        QCOMPARE(GameRecord->Count, 1);
        // "G" belongs once to a call: a second one during the game restarts nothing.
        peer->Send("G");
        Settle();
        QCOMPARE(GameRecord->Count, 1);
        const int green = FirstLegalOf(SideGreen);
        peer->Send(MoveMessage(8, green));
        QVERIFY(WaitFor([] { return GameRecord->Count == 2; }));
    }

    void AGameThatEndsWhileThePassIsShownShowsItsResult()
    {
        Open(8);
        const auto peer = CalledByPeer("BB8peer"); // we play Yellow
        QVERIFY(peer);
        const auto moves = FindGameEndingAfterAPass(BoardStack[0], 8, SideYellow);
        QVERIFY(!moves.empty());
        const auto [lastSide, lastSquare] = moves.back();
        QCOMPARE(lastSide, SideGreen);
        // Our pass dialog stays open until the peer's last move has arrived and been played.
        bool endedUnder = false;
        Watcher->OnFinal = [&](TFinalDlg& dialog) {
            if (dialog.FinalMessage->text() == QStringLiteral("Yellow pass")
                && GameRecord->Count == int(moves.size()) - 1) {
                peer->Send(MoveMessage(8, lastSquare));
                endedUnder = WaitFor([&] { return GameRecord->Count == int(moves.size()); });
            }
            dialog.done(1);
        };
        int played = 0;
        for (std::size_t i = 0; i + 1 < moves.size(); ++i) {
            const auto [side, square] = moves[i];
            if (side == SideYellow) {
                ClickSquare(square);
                peer->Take(3);
            } else {
                peer->Send(MoveMessage(8, square));
            }
            ++played;
            QVERIFY(WaitFor([&] { return GameRecord->Count >= played; }));
        }
        QVERIFY(WaitFor([&] { return endedUnder && !Watcher->Handling(); }));
        QVERIFY(GameOver);
        QCOMPARE(Form->Status().Text(0), QStringLiteral("Game over"));
        QVERIFY2(Watcher->Shown.last().contains(QStringLiteral("won"))
                || Watcher->Shown.last() == QStringLiteral("Tie up"),
            qPrintable(Watcher->Shown.join(QStringLiteral(" | "))));
    }

    // --- two real copies ---

    // The second copy restarts while this one shows the result: both play on, the same game.
    void TwoCopiesRestartedUnderTheResultPlayOnTogether()
    {
        QTemporaryDir dir;
        Open(8);
        TPeerCopy peer(dir.path());
        QCOMPARE(
            peer.Ask(QStringLiteral("call 127.0.0.1:%1 green 8").arg(Port)), QStringLiteral("ok"));
        QVERIFY(WaitFor([] { return NetworkGame; }, 20000));
        QCOMPARE(ComputerSide, SideYellow);
        const ScriptedGame game = FindGameWithPasses(BoardStack[0], 8);
        bool restartedUnder = false;
        Watcher->OnFinal = [&](TFinalDlg& dialog) {
            const QString text = dialog.FinalMessage->text();
            if (text.contains(QStringLiteral("won")) || text == QStringLiteral("Tie up")) {
                QCOMPARE(peer.Ask(QStringLiteral("new")), QStringLiteral("ok"));
                restartedUnder = WaitFor([] { return GameRecord->Count == 0; }, 20000);
            }
            dialog.done(1);
        };
        int played = 0;
        for (const auto& [side, square] : game.Moves) {
            if (side == SideYellow)
                ClickSquare(square);
            else
                QCOMPARE(peer.Play(square, played), QStringLiteral("ok"));
            ++played;
            QVERIFY(WaitFor([&] { return GameRecord->Count == played || restartedUnder; }, 20000));
        }
        QVERIFY(WaitFor([&] { return restartedUnder && !Watcher->Handling(); }, 20000));
        QVERIFY(!GameOver);
        QCOMPARE(Form->Status().Text(0), QStringLiteral("Yellow is moving"));
        const QString restarted
            = QStringLiteral("board %1 0 0").arg(QString::fromStdString(BoardToText()));
        QString seen;
        QVERIFY2(peer.WaitForBoard(restarted, seen), qPrintable(seen));
        // And the new game goes on, move for move the same on both boards.
        Click(4, 2);
        QVERIFY(WaitFor(
            [&] {
                return peer.Board()
                    == QStringLiteral("board %1 1 0").arg(QString::fromStdString(BoardToText()));
            },
            20000));
    }

    // The game ends while the pass is shown here: its result follows, and both boards agree.
    void TwoCopiesAgreeOnAGameThatEndsUnderThePass()
    {
        QTemporaryDir dir;
        Open(8);
        TPeerCopy peer(dir.path());
        QCOMPARE(
            peer.Ask(QStringLiteral("call 127.0.0.1:%1 green 8").arg(Port)), QStringLiteral("ok"));
        QVERIFY(WaitFor([] { return NetworkGame; }, 20000));
        const auto moves = FindGameEndingAfterAPass(BoardStack[0], 8, SideYellow);
        QVERIFY(!moves.empty());
        bool endedUnder = false;
        Watcher->OnFinal = [&](TFinalDlg& dialog) {
            if (dialog.FinalMessage->text() == QStringLiteral("Yellow pass")
                && GameRecord->Count == int(moves.size()) - 1) {
                QCOMPARE(
                    peer.Play(moves.back().second, int(moves.size()) - 1), QStringLiteral("ok"));
                endedUnder = WaitFor([&] { return GameRecord->Count == int(moves.size()); }, 20000);
            }
            dialog.done(1);
        };
        int played = 0;
        for (std::size_t i = 0; i + 1 < moves.size(); ++i) {
            const auto [side, square] = moves[i];
            if (side == SideYellow)
                ClickSquare(square);
            else
                QCOMPARE(peer.Play(square, played), QStringLiteral("ok"));
            ++played;
            QVERIFY(WaitFor([&] { return GameRecord->Count >= played; }, 20000));
        }
        QVERIFY(WaitFor([&] { return endedUnder && !Watcher->Handling(); }, 20000));
        QVERIFY(GameOver);
        QCOMPARE(Form->Status().Text(0), QStringLiteral("Game over"));
        QVERIFY(Watcher->Shown.last().contains(QStringLiteral("won"))
            || Watcher->Shown.last() == QStringLiteral("Tie up"));
        // The other copy marks its game over once its own result has been shown and closed, which
        // may be a moment after this one's.
        const QString ended = QStringLiteral("board %1 %2 1")
                                  .arg(QString::fromStdString(BoardToText()))
                                  .arg(moves.size());
        QString seen;
        QVERIFY2(peer.WaitForBoard(ended, seen), qPrintable(seen));
    }

    void ACallerIgnoresWhatAFairCalleeWouldNotSend()
    {
        Open(8);
        QTcpServer callee;
        const auto peer = CallPeer(callee, true, true);
        QVERIFY(peer);
        peer->Take(4 + LocalName().size());
        for (const QByteArray& early : { QByteArray("G"), QByteArray("R"), QByteArray("M42"),
                 QByteArray("BW8x"), QByteArray("Q") }) {
            peer->Send(early);
            Settle();
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
        Settle();
        QCOMPARE(GameRecord->Count, 1);
        QVERIFY(NetConnected);
        QVERIFY(peer->Received.isEmpty());
        QVERIFY(Watcher->Shown.isEmpty());
    }
};

QTEST_MAIN(NetworkGameTest)
#include "NetworkGameTest.moc"
