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
#include "Call.h"
#include "DialogPlacement.h"
#include "MainUnit.h"
#include "NetProtocol.h"
#include "NetSession.h"
#include "WindowNetHost.h"
#include "NetSockets.h"
#include "NetState.h"
#include "ProgressPanel.h"
#include "R_BRD.h"
#include "Request.h"
#include "Send.h"
#include "Settings.h"
#include "Sound.h"

namespace {

const QString AppTitle = QStringLiteral("Corvana");


} // namespace

void TReversiForm::SetNetDialogs(
    TCallDlg* callDlg, TSendDlg* sendDlg, TCallReq* callReq, TRemoteField* field)
{
    CallDlg = callDlg;
    SendDlg = sendDlg;
    CallReq = callReq;
    RemoteField = field;
}

QAction* TReversiForm::NetworkMenuAction() const { return NetMenu->menuAction(); }

// Start-up: both sockets get the port, the connection state is cleared and calls can come in.
// Without a listening socket there is no network play in this run.
void TReversiForm::OpenNetwork()
{
    NetHost = std::make_unique<WindowNetHost>(*this);
    Net = std::make_unique<NetSession>(*NetHost);
    NetEvents = new TNetEventQueue(this);
    RevServerSocket = new TServerSocket(*NetEvents, this);
    RevClientSocket = new TClientSocket(*NetEvents, this);
    RevServerSocket->OnClientConnect
        = [this](TNetConnection* c) { RevServerSocketClientConnect(c); };
    RevServerSocket->OnClientRead
        = [this](TNetConnection* c, const std::string& m) { RevServerSocketClientRead(c, m); };
    RevServerSocket->OnClientDisconnect
        = [this](TNetConnection* c) { RevServerSocketClientDisconnect(c); };
    RevServerSocket->OnClientError
        = [this](TNetConnection* c, const QString& e) { RevServerSocketClientError(c, e); };
    RevClientSocket->OnConnect = [this] { RevClientSocketConnect(); };
    RevClientSocket->OnRead = [this](const std::string& m) { RevClientSocketRead(m); };
    RevClientSocket->OnDisconnect = [this] { RevClientSocketDisconnect(); };
    RevClientSocket->OnError = [this](const QString& e) { RevClientSocketError(e); };

    ConnectPanel = new TProgressPanel(BoardWidget, LoadTransparentBitmap("CONNECT_BMP"),
        QPoint(12, 12), LoadTransparentBitmap("CONNECT_TXT"), QPoint(62, 20));
    RemoteMovePending = false;

    QString error;
    const int port = ResolveNetPort(NetPort, NetService, &error);
    RevServerSocket->SetPort(port);
    RevClientSocket->SetPort(port);
    if (port == 0 || !RevServerSocket->Open(&error)) {
        std::fprintf(stderr, "corvana: no network play: %s\n", qPrintable(error));
        // The items too, so that their shortcuts do not reach past the disabled menu.
        NetMenu->setEnabled(false);
        for (QAction* a : NetMenu->actions())
            a->setEnabled(false);
    }
}

// The window is closing: nothing of the connection is reported any more, and the peer sees it go.
void TReversiForm::CloseNetwork()
{
    if (Net)
        Net->WindowClosing();
    if (ConnectPanel)
        ConnectPanel->Stop();
    if (RevClientSocket)
        RevClientSocket->Close();
    if (RevServerSocket)
        RevServerSocket->Close();
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
    NetMenuConnect->setEnabled(!connected);
    NetMenuListing->setEnabled(!connected);
    NetMenuDisconnect->setEnabled(connected);
    NetMenuSendMessage->setEnabled(connected);
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
    if (Net)
        Net->SendToPeer(message);
}

// --- the menu ---

void TReversiForm::NetMenuListingClick()
{
    if (!RevServerSocket)
        return;
    if (RevServerSocket->Active())
        RevServerSocket->Close();
    else if (!RevServerSocket->Open())
        NetMessage(QStringLiteral("NETWORK: Cannot enable listing!"));
    NetMenuListing->setChecked(RevServerSocket->Active());
}

void TReversiForm::RestoreListening()
{
    Net->ListeningRestored();
    NetMenuListing->setChecked(RevServerSocket->Active());
    if (RevServerSocket->Active())
        return;
    if (RevServerSocket->Open()) {
        NetMenuListing->setChecked(true);
    } else {
        NetMessage(QStringLiteral("NETWORK: Cannot enable listing!"));
        NetMenuListing->setChecked(false);
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
    ConnectPanel->Start(PanelPosition());
}

void TReversiForm::StopConnectPanel()
{
    if (ConnectPanel->isVisible()) {
        ConnectPanel->Stop();
        BoardWidget->repaint();
    }
}

void TReversiForm::NetMenuConnectClick()
{
    if (!CallDlg || !RevClientSocket || NetConnected)
        return;
    (CallAsYellow ? CallDlg->CallNetWhite : CallDlg->CallNetBlack)->setChecked(true);
    (CallOnEight ? CallDlg->CallNetSize8 : CallDlg->CallNetSize10)->setChecked(true);
    CentreOverMainWindow(*CallDlg, *this);
    if (CallDlg->exec() != QDialog::Accepted)
        return;
    CallAsYellow = CallDlg->CallNetWhite->isChecked();
    CallOnEight = !CallDlg->CallNetSize10->isChecked();
    const QString address = CallDlg->NetCallAddress->text();

    // The panel blinks while the name is looked up and the connection is made; the call's
    // connection or failure ends it.
    StartConnectPanel();
    Net->CallStarted(CallAsYellow, CallOnEight, address.toStdString());
    if (RevServerSocket->Active()) {
        RevServerSocket->Close();
        NetMenuListing->setChecked(false);
        Net->ListeningSuspended();
    }
    QString error;
    if (!RevClientSocket->Open(address, &error)) {
        Net->CallCouldNotStart();
        StopConnectPanel();
        NetMessage(QStringLiteral("NETWORK: Connection failed - open socket error!"));
    }
    if (Net->ListeningIsSuspended())
        RestoreListening();
}

void TReversiForm::NetMenuDisconnectClick() { Net->Disconnect(); }

void TReversiForm::NetMenuSendMessageClick()
{
    if (!SendDlg || SendDlg->isVisible())
        return;
    // Centred at the size the user left it (the chat dialog is sizeable).
    SendDlg->move(CentredOver(frameGeometry(), SendDlg->frameGeometry().size()));
    if (SendDlg->exec() != QDialog::Accepted)
        return;
    const QString text = SendDlg->TextToSend().left(int(MaxChatChars));
    SendDlg->RememberSentText(text);
    SendDlg->AddHistoryLine(QStringLiteral("<<") + text);
    SendDlg->ScrollHistoryToEnd();
    if (NetConnected)
        SendToPeer(EncodeChat(text.toStdString()));
}

// --- the sockets ---

void TReversiForm::RevServerSocketClientConnect(TNetConnection* connection)
{
    // A connection has until its handshake time to say it is a call.
    const ConnectionId id = IdOf(connection);
    QTimer::singleShot(NetHandshakeTimeoutMs, connection, [this, id] { Net->HandshakeTimedOut(id); });
    Net->ConnectionOpened(id);
}

void TReversiForm::RevServerSocketClientRead(TNetConnection* connection, const std::string& message)
{
    Net->ConnectionRead(IdOf(connection), message);
}

void TReversiForm::RevServerSocketClientDisconnect(TNetConnection* connection)
{
    Net->ConnectionClosed(IdOf(connection));
}

void TReversiForm::RevServerSocketClientError(TNetConnection*, const QString&)
{
    // Nothing to say: a lost connection arrives as its closing.
}

void TReversiForm::RevClientSocketConnect() { Net->CallConnected(); }

void TReversiForm::RevClientSocketRead(const std::string& message) { Net->CallRead(message); }

void TReversiForm::RevClientSocketDisconnect() { Net->CallClosed(); }

void TReversiForm::RevClientSocketError(const QString&) { Net->CallFailed(); }
