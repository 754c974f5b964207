// The main window's network side.
//
// The sockets run on the main thread and report through TNetEventQueue, so everything here runs
// from the event loop; while a modal dialog is open, the events behind it (the peer hanging up, a
// chat text, a move) are handled inside that dialog's loop.
#include "WindowNetHost.h"

#include <QAction>
#include <QHostInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTimer>
#include <cstdio>

#include "Board.h"
#include "BoardView.h"
#include "CallDialog.h"
#include "CallRequestDialog.h"
#include "ChatDialog.h"
#include "DialogPlacement.h"
#include "MainWindow.h"
#include "NetProtocol.h"
#include "NetSockets.h"
#include "NetState.h"
#include "ProgressPanel.h"
#include "RemoteBoardWindow.h"
#include "Settings.h"
#include "Sound.h"

namespace {

const QString AppTitle = QStringLiteral("Corvana");

} // namespace

ConnectionId IdOf(const TNetConnection* c) { return reinterpret_cast<ConnectionId>(c); }

WindowNetHost::WindowNetHost(const NetHostParts& parts)
    : Form(parts.Form)
    , Net(parts.Net)
    , Menu(parts.Menu)
    , Dialogs(parts.Dialogs)
    , Board(parts.Board)
    , Game(parts.Game)
    , Tray(parts.Tray)
{
}

// Start-up: both sockets get the port, the connection state is cleared and calls can come in.
void WindowNetHost::StartNetwork()
{
    NetworkParts& net = Net;
    net.Session = std::make_unique<NetSession>(*this);
    net.NetEvents = new TNetEventQueue(&Form);
    net.RevServerSocket = new TServerSocket(*net.NetEvents, &Form);
    net.RevClientSocket = new TClientSocket(*net.NetEvents, &Form);
    TReversiForm* form = &Form;
    net.RevServerSocket->OnClientConnect
        = [form](TNetConnection* c) { form->RevServerSocketClientConnect(c); };
    net.RevServerSocket->OnClientRead = [form](TNetConnection* c, const std::string& m) {
        form->RevServerSocketClientRead(c, m);
    };
    net.RevServerSocket->OnClientDisconnect
        = [form](TNetConnection* c) { form->RevServerSocketClientDisconnect(c); };
    net.RevServerSocket->OnClientError
        = [form](TNetConnection* c, const QString& e) { form->RevServerSocketClientError(c, e); };
    net.RevClientSocket->OnConnect = [form] { form->RevClientSocketConnect(); };
    net.RevClientSocket->OnRead = [form](const std::string& m) { form->RevClientSocketRead(m); };
    net.RevClientSocket->OnDisconnect = [form] { form->RevClientSocketDisconnect(); };
    net.RevClientSocket->OnError = [form](const QString& e) { form->RevClientSocketError(e); };

    net.ConnectPanel = new TProgressPanel(&Board, LoadTransparentBitmap("CONNECT_BMP"),
        QPoint(12, 12), LoadTransparentBitmap("CONNECT_TXT"), QPoint(62, 20));
    RemoteMovePending = false;

    const Result<int> port = ResolveNetPort(NetPort, NetService);
    net.RevServerSocket->SetPort(port ? port.Value() : 0);
    net.RevClientSocket->SetPort(port ? port.Value() : 0);
    if (const auto listening = port ? net.RevServerSocket->Open() : ::Status(port.Failure());
        !listening) {
        std::fprintf(stderr, "corvana: no network play: %s\n", listening.Failure().Message.c_str());
        // Said nowhere else: the menu's hint tells whoever looks why it is off.
        QMenu* menu = Menu.NetMenu;
        menu->menuAction()->setStatusTip(port && net.RevServerSocket->AddressInUse()
                ? TReversiForm::tr("Network play is off: port %1 is in use").arg(port.Value())
                : TReversiForm::tr("Network play is off: %1")
                      .arg(QString::fromStdString(listening.Failure().Message)));
        // The items too, so that their shortcuts do not reach past the disabled menu.
        menu->setEnabled(false);
        for (QAction* a : menu->actions())
            a->setEnabled(false);
    }
}

void WindowNetHost::StopNetwork()
{
    NetworkParts& net = Net;
    if (net.Session)
        net.Session->WindowClosing();
    if (net.ConnectPanel)
        net.ConnectPanel->Stop();
    if (net.RevClientSocket)
        net.RevClientSocket->Close();
    if (net.RevServerSocket)
        net.RevServerSocket->Close();
}

void WindowNetHost::Message(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, AppTitle, text, QMessageBox::Ok, &Form);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool WindowNetHost::Question(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, AppTitle, text, QMessageBox::Yes | QMessageBox::No, &Form);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}

// --- the menu ---

void WindowNetHost::ToggleListening()
{
    TServerSocket* server = Net.RevServerSocket;
    if (!server)
        return;
    if (server->Active())
        server->Close();
    else if (!server->Open())
        Message(TReversiForm::tr("NETWORK: Cannot enable listing!"));
    Menu.NetMenuListing->setChecked(server->Active());
}

void WindowNetHost::RestoreListening()
{
    TServerSocket* server = Net.RevServerSocket;
    Net.Session->ListeningRestored();
    Menu.NetMenuListing->setChecked(server->Active());
    if (server->Active())
        return;
    if (server->Open()) {
        Menu.NetMenuListing->setChecked(true);
    } else {
        Message(TReversiForm::tr("NETWORK: Cannot enable listing!"));
        Menu.NetMenuListing->setChecked(false);
    }
}

QPoint WindowNetHost::PanelPosition() const
{
    const int statusHeight = Form.statusBar()->height();
    const int clientWidth = Board.width();
    const int clientHeight = Board.height() + statusHeight;
    return { (clientWidth - TProgressPanel::PanelWidth) / 2,
        (clientHeight - TProgressPanel::PanelHeight) / 2 - statusHeight / 2 };
}

void WindowNetHost::StartConnectPanel()
{
    Board.repaint();
    Net.ConnectPanel->Start(PanelPosition());
}

void WindowNetHost::StopConnectPanel()
{
    if (Net.ConnectPanel->isVisible()) {
        Net.ConnectPanel->Stop();
        Board.repaint();
    }
}

void WindowNetHost::RestartConnectPanelIfShown(bool wasShown)
{
    if (wasShown)
        Net.ConnectPanel->Start(PanelPosition());
}

void WindowNetHost::Call()
{
    TCallDlg* dialog = Dialogs.CallDlg;
    NetworkParts& net = Net;
    if (!dialog || !net.RevClientSocket || NetConnected)
        return;
    (CallAsYellow ? dialog->CallNetWhite : dialog->CallNetBlack)->setChecked(true);
    (CallOnEight ? dialog->CallNetSize8 : dialog->CallNetSize10)->setChecked(true);
    CentreOverMainWindow(*dialog, Form);
    if (dialog->exec() != QDialog::Accepted)
        return;
    CallAsYellow = dialog->CallNetWhite->isChecked();
    CallOnEight = !dialog->CallNetSize10->isChecked();
    const QString address = dialog->NetCallAddress->text();

    // The panel blinks while the name is looked up and the connection is made; the call's
    // connection or failure ends it.
    StartConnectPanel();
    net.Session->CallStarted(CallAsYellow, CallOnEight, address.toStdString());
    if (net.RevServerSocket->Active()) {
        net.RevServerSocket->Close();
        Menu.NetMenuListing->setChecked(false);
        net.Session->ListeningSuspended();
    }
    if (!net.RevClientSocket->Open(address)) {
        net.Session->CallCouldNotStart();
        StopConnectPanel();
        Message(TReversiForm::tr("NETWORK: Connection failed - open socket error!"));
    }
    if (net.Session->ListeningIsSuspended())
        RestoreListening();
}

void WindowNetHost::SendChat()
{
    TSendDlg* dialog = Dialogs.SendDlg;
    if (!dialog || dialog->isVisible())
        return;
    // Centred at the size the user left it (the chat dialog is sizeable).
    dialog->move(CentredOver(Form.frameGeometry(), dialog->frameGeometry().size()));
    if (dialog->exec() != QDialog::Accepted)
        return;
    const QString text = dialog->TextToSend().left(int(MaxChatChars));
    dialog->RememberSentText(text);
    dialog->AddHistoryLine(QStringLiteral("<<") + text);
    dialog->ScrollHistoryToEnd();
    if (NetConnected)
        Net.Session->SendToPeer(EncodeChat(text.toStdString()));
}

void WindowNetHost::ConnectionOpened(TNetConnection* connection)
{
    // A connection has until its handshake time to say it is a call.
    const ConnectionId id = IdOf(connection);
    NetSession* session = Net.Session.get();
    QTimer::singleShot(
        NetHandshakeTimeoutMs, connection, [session, id] { session->HandshakeTimedOut(id); });
    session->ConnectionOpened(id);
}

// --- what the network session asks ---

TNetConnection* WindowNetHost::Accepted(ConnectionId id) const
{
    for (TNetConnection* c : Net.RevServerSocket->Connections())
        if (IdOf(c) == id)
            return c;
    return nullptr;
}

void WindowNetHost::Send(ConnectionId to, const std::string& message)
{
    if (to == CallConnection)
        Net.RevClientSocket->Send(message);
    else if (TNetConnection* c = Accepted(to))
        c->Send(message);
}

void WindowNetHost::SendAndClose(ConnectionId to, const std::string& message)
{
    if (TNetConnection* c = Accepted(to))
        c->SendAndClose(message);
}

void WindowNetHost::Close(ConnectionId id)
{
    if (id == CallConnection)
        Net.RevClientSocket->Close();
    else if (TNetConnection* c = Accepted(id))
        c->Close();
}

void WindowNetHost::CloseListening() { Net.RevServerSocket->Close(); }

void WindowNetHost::SetBoardLetters(ConnectionId id, std::size_t letters)
{
    if (id == CallConnection)
        Net.RevClientSocket->SetBoardLetters(letters);
    else if (TNetConnection* c = Accepted(id))
        c->SetBoardLetters(letters);
}

void WindowNetHost::BringToFront()
{
    if (Form.isMinimized() || !Form.isVisible())
        Form.showNormal();
    Tray.hide();
    Form.raise();
    Form.activateWindow();
}

void WindowNetHost::SetConnectedMenus(bool connected)
{
    Menu.NetMenuConnect->setEnabled(!connected);
    Menu.NetMenuListing->setEnabled(!connected);
    Menu.NetMenuDisconnect->setEnabled(connected);
    Menu.NetMenuSendMessage->setEnabled(connected);
}

void WindowNetHost::SetPeerCaption(const std::string& peer)
{
    Form.setWindowTitle(
        peer.empty() ? AppTitle : QString::fromStdString(peer) + QStringLiteral(" + ") + AppTitle);
}

void WindowNetHost::PlaySound(const char* name) { PlaySoundResource(name); }

void WindowNetHost::ShowMessage(const std::string& text)
{
    // The session's texts are marked for translation in its own context.
    Message(QCoreApplication::translate("NetSession", text.c_str()));
}

bool WindowNetHost::AskCall()
{
    if (!Dialogs.CallReq)
        return false;
    CentreOverMainWindow(*Dialogs.CallReq, Form);
    return Dialogs.CallReq->exec() == QDialog::Accepted;
}

void WindowNetHost::CloseCallRequest()
{
    if (Dialogs.CallReq && Dialogs.CallReq->ReqShowing)
        Dialogs.CallReq->done(QDialog::Rejected);
}

void WindowNetHost::StartGame()
{
    Form.LockGameSettings();
    Form.StartNetworkGame();
}

void WindowNetHost::EndGame()
{
    Form.EndNetworkGame();
    Form.UnlockGameSettings();
}

void WindowNetHost::RemoteMove(int col, int row)
{
    // The game checks that it is the peer's move, on its turn, in a running game.
    Game.Play({ Square::At(BoardSize, col, row), MoveSource::Peer });
}

void WindowNetHost::ChatReceived(const std::string& text)
{
    if (Dialogs.SendDlg) {
        Dialogs.SendDlg->AddHistoryLine(QStringLiteral(">>") + QString::fromStdString(text));
        Dialogs.SendDlg->ScrollHistoryToEnd();
    }
    PlaySoundResource("SOUND_MESSAGE");
    SendChat(); // the chat opens for the answer
}

void WindowNetHost::BoardReceived(const std::string& message)
{
    if (TRemoteField* field = Dialogs.RemoteField) {
        field->SetRemoteBoard(message);
        field->show();
        field->raise();
        field->activateWindow(); // so that Esc or Enter closes it too
    }
}

std::string WindowNetHost::BoardText() { return ::BoardToText(); }

// The host name, at most 15 characters.
std::string WindowNetHost::ComputerName()
{
    return QHostInfo::localHostName().left(int(MaxComputerNameChars)).toStdString();
}

void WindowNetHost::SendMove(const Square& square)
{
    Net.Session->SendToPeer(EncodeMove(square.Col(), square.Row()));
}

void WindowNetHost::SendRestart() { Net.Session->SendToPeer(std::string(1, MsgRestart)); }
