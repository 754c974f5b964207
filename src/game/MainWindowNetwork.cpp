// The main window's network handlers, as the design names them: each hands its work to the
// window's network side (WindowNetHost) or to the network session (NetSession), which decides
// what an event means where the handshake has got to.
#include "CallDialog.h"
#include "CallRequestDialog.h"
#include "ChatDialog.h"
#include "MainWindow.h"
#include "NetSession.h"
#include "RemoteBoardWindow.h"
#include "WindowNetHost.h"

void TReversiForm::SetNetDialogs(
    TCallDlg* callDlg, TSendDlg* sendDlg, TCallReq* callReq, TRemoteField* field)
{
    Dialogs.CallDlg = callDlg;
    Dialogs.SendDlg = sendDlg;
    Dialogs.CallReq = callReq;
    Dialogs.RemoteField = field;
}

void TReversiForm::SendToPeer(const std::string& message)
{
    if (Net.Session)
        Net.Session->SendToPeer(message);
}

void TReversiForm::RestoreListening() { Net.Host->RestoreListening(); }

// --- the menu ---

void TReversiForm::NetMenuConnectClick() { Net.Host->Call(); }
void TReversiForm::NetMenuListingClick() { Net.Host->ToggleListening(); }
void TReversiForm::NetMenuDisconnectClick() { Net.Session->Disconnect(); }
void TReversiForm::NetMenuSendMessageClick() { Net.Host->SendChat(); }

// --- the sockets ---

void TReversiForm::RevServerSocketClientConnect(TNetConnection* connection)
{
    Net.Host->ConnectionOpened(connection);
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
