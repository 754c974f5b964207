// Network play in the main window: the "&Network" menu, the sockets' handlers and what the
// network session asks of the window. The session (NetSession) decides what each event means
// where the handshake has got to; this file carries its requests to the sockets, the dialogs and
// the game.
//
// The sockets run on the main thread and report through TNetEventQueue, so every handler here runs
// from the event loop; while one of them shows a modal dialog, the events behind it (the peer
// hanging up, a chat text, a move) are handled inside that dialog's loop.
#include <QAction>
#include <QApplication>
#include <QHostInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTimer>

#include "Board.h"
#include "BoardView.h"
#include "CallDialog.h"
#include "DialogPlacement.h"
#include "MainWindow.h"
#include "NetProtocol.h"
#include "NetSession.h"
#include "WindowNetHost.h"
#include "NetSockets.h"
#include "NetState.h"
#include "ProgressPanel.h"
#include "RemoteBoardWindow.h"
#include "CallRequestDialog.h"
#include "ChatDialog.h"
#include "Settings.h"
#include "Sound.h"

namespace {

const QString AppTitle = QStringLiteral("Corvana");


} // namespace

void TReversiForm::SetNetDialogs(
    TCallDlg* callDlg, TSendDlg* sendDlg, TCallReq* callReq, TRemoteField* field)
{
    Dialogs.CallDlg = callDlg;
    Dialogs.SendDlg = sendDlg;
    Dialogs.CallReq = callReq;
    Dialogs.RemoteField = field;
}

// Start-up: both sockets get the port, the connection state is cleared and calls can come in.
// Without a listening socket there is no network play in this run.
void TReversiForm::OpenNetwork()
{
    Net.Host = std::make_unique<WindowNetHost>(*this);
    Net.Session = std::make_unique<NetSession>(*Net.Host);
    Net.NetEvents = new TNetEventQueue(this);
    Net.RevServerSocket = new TServerSocket(*Net.NetEvents, this);
    Net.RevClientSocket = new TClientSocket(*Net.NetEvents, this);
    Net.RevServerSocket->OnClientConnect
        = [this](TNetConnection* c) { RevServerSocketClientConnect(c); };
    Net.RevServerSocket->OnClientRead
        = [this](TNetConnection* c, const std::string& m) { RevServerSocketClientRead(c, m); };
    Net.RevServerSocket->OnClientDisconnect
        = [this](TNetConnection* c) { RevServerSocketClientDisconnect(c); };
    Net.RevServerSocket->OnClientError
        = [this](TNetConnection* c, const QString& e) { RevServerSocketClientError(c, e); };
    Net.RevClientSocket->OnConnect = [this] { RevClientSocketConnect(); };
    Net.RevClientSocket->OnRead = [this](const std::string& m) { RevClientSocketRead(m); };
    Net.RevClientSocket->OnDisconnect = [this] { RevClientSocketDisconnect(); };
    Net.RevClientSocket->OnError = [this](const QString& e) { RevClientSocketError(e); };

    Net.ConnectPanel = new TProgressPanel(BoardWidget, LoadTransparentBitmap("CONNECT_BMP"),
        QPoint(12, 12), LoadTransparentBitmap("CONNECT_TXT"), QPoint(62, 20));
    RemoteMovePending = false;

    const Result<int> port = ResolveNetPort(NetPort, NetService);
    Net.RevServerSocket->SetPort(port ? port.Value() : 0);
    Net.RevClientSocket->SetPort(port ? port.Value() : 0);
    if (const auto listening = port ? Net.RevServerSocket->Open() : ::Status(port.Failure());
        !listening) {
        std::fprintf(stderr, "corvana: no network play: %s\n", listening.Failure().Message.c_str());
        // Said nowhere else: the menu's hint tells whoever looks why it is off.
        Items.NetMenu->menuAction()->setStatusTip(port && Net.RevServerSocket->AddressInUse()
                ? tr("Network play is off: port %1 is in use").arg(port.Value())
                : tr("Network play is off: %1")
                      .arg(QString::fromStdString(listening.Failure().Message)));
        // The items too, so that their shortcuts do not reach past the disabled menu.
        Items.NetMenu->setEnabled(false);
        for (QAction* a : Items.NetMenu->actions())
            a->setEnabled(false);
    }
}

// The window is closing: nothing of the connection is reported any more, and the peer sees it go.
void TReversiForm::CloseNetwork()
{
    if (Net.Session)
        Net.Session->WindowClosing();
    if (Net.ConnectPanel)
        Net.ConnectPanel->Stop();
    if (Net.RevClientSocket)
        Net.RevClientSocket->Close();
    if (Net.RevServerSocket)
        Net.RevServerSocket->Close();
}

void TReversiForm::BringToFront()
{
    if (isMinimized() || !isVisible())
        showNormal();
    TrayIcon->hide();
    raise();
    activateWindow();
}

void TReversiForm::SetConnectedMenus(bool connected)
{
    Items.NetMenuConnect->setEnabled(!connected);
    Items.NetMenuListing->setEnabled(!connected);
    Items.NetMenuDisconnect->setEnabled(connected);
    Items.NetMenuSendMessage->setEnabled(connected);
}

void TReversiForm::NetMessage(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, AppTitle, text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool TReversiForm::NetQuestion(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, AppTitle, text, QMessageBox::Yes | QMessageBox::No, this);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}

void TReversiForm::SendToPeer(const std::string& message)
{
    if (Net.Session)
        Net.Session->SendToPeer(message);
}

// --- the menu ---

void TReversiForm::NetMenuListingClick()
{
    if (!Net.RevServerSocket)
        return;
    if (Net.RevServerSocket->Active())
        Net.RevServerSocket->Close();
    else if (!Net.RevServerSocket->Open())
        NetMessage(tr("NETWORK: Cannot enable listing!"));
    Items.NetMenuListing->setChecked(Net.RevServerSocket->Active());
}

void TReversiForm::RestoreListening()
{
    Net.Session->ListeningRestored();
    Items.NetMenuListing->setChecked(Net.RevServerSocket->Active());
    if (Net.RevServerSocket->Active())
        return;
    if (Net.RevServerSocket->Open()) {
        Items.NetMenuListing->setChecked(true);
    } else {
        NetMessage(tr("NETWORK: Cannot enable listing!"));
        Items.NetMenuListing->setChecked(false);
    }
}

QPoint TReversiForm::PanelPosition() const
{
    const int statusHeight = statusBar()->height();
    const int clientWidth = BoardWidget->width();
    const int clientHeight = BoardWidget->height() + statusHeight;
    return { (clientWidth - TProgressPanel::PanelWidth) / 2,
        (clientHeight - TProgressPanel::PanelHeight) / 2 - statusHeight / 2 };
}

void TReversiForm::StartConnectPanel()
{
    BoardWidget->repaint();
    Net.ConnectPanel->Start(PanelPosition());
}

void TReversiForm::StopConnectPanel()
{
    if (Net.ConnectPanel->isVisible()) {
        Net.ConnectPanel->Stop();
        BoardWidget->repaint();
    }
}

void TReversiForm::NetMenuConnectClick()
{
    if (!Dialogs.CallDlg || !Net.RevClientSocket || NetConnected)
        return;
    (CallAsYellow ? Dialogs.CallDlg->CallNetWhite : Dialogs.CallDlg->CallNetBlack)->setChecked(true);
    (CallOnEight ? Dialogs.CallDlg->CallNetSize8 : Dialogs.CallDlg->CallNetSize10)->setChecked(true);
    CentreOverMainWindow(*Dialogs.CallDlg, *this);
    if (Dialogs.CallDlg->exec() != QDialog::Accepted)
        return;
    CallAsYellow = Dialogs.CallDlg->CallNetWhite->isChecked();
    CallOnEight = !Dialogs.CallDlg->CallNetSize10->isChecked();
    const QString address = Dialogs.CallDlg->NetCallAddress->text();

    // The panel blinks while the name is looked up and the connection is made; the call's
    // connection or failure ends it.
    StartConnectPanel();
    Net.Session->CallStarted(CallAsYellow, CallOnEight, address.toStdString());
    if (Net.RevServerSocket->Active()) {
        Net.RevServerSocket->Close();
        Items.NetMenuListing->setChecked(false);
        Net.Session->ListeningSuspended();
    }
    if (!Net.RevClientSocket->Open(address)) {
        Net.Session->CallCouldNotStart();
        StopConnectPanel();
        NetMessage(tr("NETWORK: Connection failed - open socket error!"));
    }
    if (Net.Session->ListeningIsSuspended())
        RestoreListening();
}

void TReversiForm::NetMenuDisconnectClick() { Net.Session->Disconnect(); }

void TReversiForm::NetMenuSendMessageClick()
{
    if (!Dialogs.SendDlg || Dialogs.SendDlg->isVisible())
        return;
    // Centred at the size the user left it (the chat dialog is sizeable).
    Dialogs.SendDlg->move(CentredOver(frameGeometry(), Dialogs.SendDlg->frameGeometry().size()));
    if (Dialogs.SendDlg->exec() != QDialog::Accepted)
        return;
    const QString text = Dialogs.SendDlg->TextToSend().left(int(MaxChatChars));
    Dialogs.SendDlg->RememberSentText(text);
    Dialogs.SendDlg->AddHistoryLine(QStringLiteral("<<") + text);
    Dialogs.SendDlg->ScrollHistoryToEnd();
    if (NetConnected)
        SendToPeer(EncodeChat(text.toStdString()));
}

// --- the sockets ---

void TReversiForm::RevServerSocketClientConnect(TNetConnection* connection)
{
    // A connection has until its handshake time to say it is a call.
    const ConnectionId id = IdOf(connection);
    QTimer::singleShot(NetHandshakeTimeoutMs, connection, [this, id] { Net.Session->HandshakeTimedOut(id); });
    Net.Session->ConnectionOpened(id);
}

void TReversiForm::RevServerSocketClientRead(TNetConnection* connection, const std::string& message)
{
    Net.Session->ConnectionRead(IdOf(connection), message);
}

void TReversiForm::RevServerSocketClientDisconnect(TNetConnection* connection)
{
    Net.Session->ConnectionClosed(IdOf(connection));
}

void TReversiForm::RevServerSocketClientError(TNetConnection*, const QString&)
{
    // Nothing to say: a lost connection arrives as its closing.
}

void TReversiForm::RevClientSocketConnect() { Net.Session->CallConnected(); }

void TReversiForm::RevClientSocketRead(const std::string& message) { Net.Session->CallRead(message); }

void TReversiForm::RevClientSocketDisconnect() { Net.Session->CallClosed(); }

void TReversiForm::RevClientSocketError(const QString&) { Net.Session->CallFailed(); }
