// Network play in the main window: the "&Network" menu, the handlers of the listening and the
// calling socket, the handshake, the messages of a running game, chat and board requests, and the
// end of a connection with its message boxes and sounds.
//
// The sockets run on the main thread and report through TNetEventQueue, so every handler here runs
// from the event loop; while one of them shows a modal dialog, the events behind it (the peer
// hanging up, a chat text, a move) are handled inside that dialog's loop.
//
// Connection state, besides NetConnected (NetState.h):
// - NetServerRole: the current or last connection came in on the listening socket.
// - NetBusyPending: a caller that arrived during a connection was told we are busy and has not
//   hung up yet.
// - NetListenSuspended: listening was switched off to place a call and is to be switched on again.
// - NetCallPending: a call of ours is being opened; its failure is reported.
// Everything the peer sends is untrusted: only the peer's connection is listened to, messages are
// acted on only where the handshake has got to, and texts are shown as plain text, cut short.
#include <QAction>
#include <QApplication>
#include <QHostInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QRadioButton>
#include <QStatusBar>
#include <QSystemTrayIcon>

#include "Board.h"
#include "Call.h"
#include "DialogPlacement.h"
#include "MainUnit.h"
#include "NetProtocol.h"
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

QString PeerCaption(const QString& peer) { return peer + QStringLiteral(" + ") + AppTitle; }

// The computer name sent with a call: the host name, at most 15 characters.
std::string ComputerName()
{
    return QHostInfo::localHostName().left(int(MaxComputerNameChars)).toStdString();
}

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

    NetServerRole = NetConnected = NetBusyPending = NetListenSuspended = NetCallPending = false;
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
    NetConnected = false;
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
    if (NetServerRole) {
        if (PeerConnection)
            PeerConnection->Send(message);
    } else if (RevClientSocket) {
        RevClientSocket->Send(message);
    }
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
    NetListenSuspended = false;
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
    CallAddress = CallDlg->NetCallAddress->text();

    // The panel blinks while the name is looked up and the connection is made; the call's
    // connection or failure ends it.
    StartConnectPanel();
    NetCallPending = true;
    if (RevServerSocket->Active()) {
        RevServerSocket->Close();
        NetMenuListing->setChecked(false);
        NetListenSuspended = true;
    }
    QString error;
    if (!RevClientSocket->Open(CallAddress, &error)) {
        NetCallPending = false;
        StopConnectPanel();
        NetMessage(QStringLiteral("NETWORK: Connection failed - open socket error!"));
    }
    if (NetListenSuspended)
        RestoreListening();
}

void TReversiForm::NetMenuDisconnectClick()
{
    NetConnected = false; // the closings that follow report nothing
    if (NetServerRole) {
        RevServerSocket->Close();
        PeerConnection = nullptr;
        BusyConnections.clear();
        NetBusyPending = false;
        RestoreListening();
    } else {
        RevClientSocket->Close();
    }
    EndNetConnection(false);
}

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

// --- the end of a connection ---

void TReversiForm::EndNetConnection(bool abandoned)
{
    NetConnected = false;
    CallAsked = CallAccepted = false;
    setWindowTitle(AppTitle);
    SetConnectedMenus(false);
    if (abandoned) {
        PlaySoundResource("SOUND_DISCONNECT");
        NetMessage(QStringLiteral("NETWORK: Opponent has abandonned a game."));
    }
    EndNetworkGame();
    UnlockGameSettings();
}

// --- the listening side (we are called) ---

void TReversiForm::RevServerSocketClientConnect(TNetConnection* connection)
{
    BringToFront();
    if (NetConnected) {
        // Someone else calls while a connection is in use: tell them and wait for them to go.
        NetBusyPending = true;
        BusyConnections.append(connection);
        connection->Send(std::string(1, MsgBusy));
        return;
    }
    NetServerRole = true;
    NetConnected = true;
    PeerConnection = connection;
    CallAsked = CallAccepted = false;
    SetConnectedMenus(true);
}

void TReversiForm::RevServerSocketClientRead(TNetConnection* connection, const std::string& message)
{
    // Only the peer is listened to; callers told we are busy have nothing to say.
    if (message.empty() || connection != PeerConnection || !NetServerRole)
        return;
    switch (message[0]) {
    case MsgCall:
        ReceiveCall(message);
        break;
    case MsgGo:
        if (NetConnected && CallAccepted) {
            LockGameSettings();
            StartNetworkGame();
        }
        break;
    case MsgRestart:
    case MsgMove:
    case MsgChat:
    case MsgBoardRequest:
    case MsgBoard:
        ReceiveGameMessage(message);
        break;
    default:
        break; // not a callee's message
    }
}

// The callee's answer to a call.
void TReversiForm::ReceiveCall(const std::string& message)
{
    // One request per connection, and only while the connection is ours.
    if (!NetConnected || CallAsked)
        return;
    CallAsked = true;
    PlaySoundResource("SOUND_CONNECT");
    const CallTerms terms = DecodeCall(message);
    CallerName = terms.Name;
    NetLocalGreen = terms.CallerYellow;
    CallerColourText = terms.CallerYellow ? "Green" : "Yellow";
    NetSize10 = !terms.Size8;
    CallerSizeText = terms.Size8 ? "8 x 8" : "10 x 10";

    const QPointer<TNetConnection> caller = PeerConnection;
    int result = QDialog::Rejected;
    if (CallReq) {
        CentreOverMainWindow(*CallReq, *this);
        result = CallReq->exec();
    }
    // The caller may have hung up meanwhile; then NetConnected is clear and nothing is sent.
    if (result != QDialog::Accepted) {
        if (NetConnected && caller)
            caller->Send(std::string(1, MsgRefuse));
        NetConnected = false;
        return;
    }
    if (NetConnected && caller) {
        setWindowTitle(PeerCaption(QString::fromStdString(CallerName)));
        CallAccepted = true;
        caller->Send(std::string(1, MsgAccept));
    }
}

void TReversiForm::RevServerSocketClientDisconnect(TNetConnection* connection)
{
    if (connection != PeerConnection) {
        // A caller we turned away (or one whose call is over) has gone.
        BusyConnections.removeOne(connection);
        NetBusyPending = !BusyConnections.isEmpty();
        return;
    }
    PeerConnection = nullptr;
    if (CallReq && CallReq->ReqShowing) {
        // The caller hung up while we were deciding: the dialog closes as declined, quietly.
        CallReq->done(QDialog::Rejected);
        EndNetConnection(false);
        return;
    }
    EndNetConnection(NetConnected);
}

void TReversiForm::RevServerSocketClientError(TNetConnection*, const QString&)
{
    // Nothing to say: a lost connection arrives as its closing.
}

// --- the calling side ---

void TReversiForm::RevClientSocketConnect()
{
    StopConnectPanel();
    NetCallPending = false;
    if (NetConnected) {
        // Someone called us while our call was on its way; that connection stays, ours goes.
        RevClientSocket->Close();
        return;
    }
    BringToFront();
    NetServerRole = false;
    NetConnected = true;
    CallAsked = CallAccepted = false;
    NetLocalGreen = !CallAsYellow;
    NetSize10 = !CallOnEight;
    RevClientSocket->Send(EncodeCall(CallAsYellow, CallOnEight, ComputerName()));
    SetConnectedMenus(true);
}

void TReversiForm::RevClientSocketRead(const std::string& message)
{
    if (message.empty() || NetServerRole || !NetConnected)
        return;
    const bool answered = CallAccepted;
    switch (message[0]) {
    case MsgAccept:
        if (answered)
            break;
        CallAccepted = true;
        RevClientSocket->Send(std::string(1, MsgGo));
        setWindowTitle(PeerCaption(CallAddress));
        PlaySoundResource("SOUND_CONNECTED");
        LockGameSettings();
        StartNetworkGame();
        break;
    case MsgRefuse:
        if (answered)
            break;
        NetMenuDisconnectClick();
        NetMessage(QStringLiteral("NETWORK: Opponent has refused to play."));
        break;
    case MsgBusy:
        if (answered)
            break;
        NetConnected = false; // nothing more of this call is reported while the box is shown
        NetMessage(QStringLiteral("NETWORK: Opponent is busy."));
        if (NetServerRole) // someone called us meanwhile: only our own call ends
            RevClientSocket->Close();
        else
            NetMenuDisconnectClick();
        break;
    case MsgRestart:
    case MsgMove:
    case MsgChat:
    case MsgBoardRequest:
    case MsgBoard:
        ReceiveGameMessage(message);
        break;
    default:
        break; // not a caller's message
    }
}

void TReversiForm::RevClientSocketDisconnect() { EndNetConnection(NetConnected); }

void TReversiForm::RevClientSocketError(const QString&)
{
    const bool reportCall = NetCallPending;
    NetCallPending = false;
    if (reportCall) {
        StopConnectPanel();
        NetMessage(QStringLiteral("NETWORK: Connection failed - opponent call error!"));
    }
    if (NetListenSuspended)
        RestoreListening();
}

// --- messages of either role once connected ---

void TReversiForm::ReceiveGameMessage(const std::string& message)
{
    if (!NetConnected)
        return;
    switch (message[0]) {
    case MsgRestart:
        // The peer starts again with the terms of the call, whatever our game's state; but only
        // once the call has been accepted.
        if (!CallAccepted)
            return;
        LockGameSettings();
        StartNetworkGame();
        break;
    case MsgMove: {
        // Only the peer's own moves, on its turn, in a running game.
        if (!NetworkGame || GameOver || SideToMove == ComputerSide)
            return;
        const MoveCoords move = DecodeMove(message);
        RemoteMovePending = true;
        RemoteMoveCol = move.Col;
        RemoteMoveRow = move.Row;
        ApplyRemoteMove();
        break;
    }
    case MsgChat:
        if (SendDlg) {
            SendDlg->AddHistoryLine(
                QStringLiteral(">>") + QString::fromStdString(DecodeChat(message)));
            SendDlg->ScrollHistoryToEnd();
        }
        PlaySoundResource("SOUND_MESSAGE");
        NetMenuSendMessageClick();
        break;
    case MsgBoardRequest:
        SendToPeer(EncodeBoard(BoardToText()));
        break;
    case MsgBoard:
        if (RemoteField) {
            RemoteField->SetRemoteBoard(DecodeBoard(message));
            RemoteField->show();
            RemoteField->raise();
        }
        break;
    default:
        break;
    }
}
