// The main window as the network session's host: the session's requests carried to the
// window's sockets, dialogs and game. Used by the main window (MainWindowNetwork.cpp), which owns it.
#pragma once

#include <QDialog>
#include <QHostInfo>
#include <QString>
#include <string>

#include "Board.h"
#include "DialogPlacement.h"
#include "MainWindow.h"
#include "NetProtocol.h"
#include "NetSession.h"
#include "NetSockets.h"
#include "NetState.h"
#include "RemoteBoardWindow.h"
#include "CallRequestDialog.h"
#include "ChatDialog.h"
#include "Sound.h"

inline ConnectionId IdOf(const TNetConnection* c) { return reinterpret_cast<ConnectionId>(c); }

// What the network session asks of the window, its sockets, its dialogs and the game.
class WindowNetHost : public NetSessionHost {
public:
    explicit WindowNetHost(TReversiForm& form)
        : Form(form)
    {
    }

    TNetConnection* Accepted(ConnectionId id) const
    {
        for (TNetConnection* c : Form.Net.RevServerSocket->Connections())
            if (IdOf(c) == id)
                return c;
        return nullptr;
    }

    void Send(ConnectionId to, const std::string& message) override
    {
        if (to == CallConnection)
            Form.Net.RevClientSocket->Send(message);
        else if (TNetConnection* c = Accepted(to))
            c->Send(message);
    }
    void SendAndClose(ConnectionId to, const std::string& message) override
    {
        if (TNetConnection* c = Accepted(to))
            c->SendAndClose(message);
    }
    void Close(ConnectionId id) override
    {
        if (id == CallConnection)
            Form.Net.RevClientSocket->Close();
        else if (TNetConnection* c = Accepted(id))
            c->Close();
    }
    void CloseListening() override { Form.Net.RevServerSocket->Close(); }
    void RestoreListening() override { Form.RestoreListening(); }
    void SetBoardLetters(ConnectionId id, std::size_t letters) override
    {
        if (id == CallConnection)
            Form.Net.RevClientSocket->SetBoardLetters(letters);
        else if (TNetConnection* c = Accepted(id))
            c->SetBoardLetters(letters);
    }

    void BringToFront() override { Form.BringToFront(); }
    void SetConnectedMenus(bool connected) override { Form.SetConnectedMenus(connected); }
    void SetPeerCaption(const std::string& peer) override
    {
        const QString title = QStringLiteral("Corvana");
        Form.setWindowTitle(peer.empty()
                ? title
                : QString::fromStdString(peer) + QStringLiteral(" + ") + title);
    }
    void PlaySound(const char* name) override { PlaySoundResource(name); }
    void ShowMessage(const std::string& text) override
    {
        // The session's texts are marked for translation in its own context.
        Form.NetMessage(QCoreApplication::translate("NetSession", text.c_str()));
    }
    bool AskCall() override
    {
        if (!Form.Dialogs.CallReq)
            return false;
        CentreOverMainWindow(*Form.Dialogs.CallReq, Form);
        return Form.Dialogs.CallReq->exec() == QDialog::Accepted;
    }
    void CloseCallRequest() override
    {
        if (Form.Dialogs.CallReq && Form.Dialogs.CallReq->ReqShowing)
            Form.Dialogs.CallReq->done(QDialog::Rejected);
    }
    void StopConnectPanel() override { Form.StopConnectPanel(); }

    void StartGame() override
    {
        Form.LockGameSettings();
        Form.StartNetworkGame();
    }
    void EndGame() override
    {
        Form.EndNetworkGame();
        Form.UnlockGameSettings();
    }
    void RemoteMove(int col, int row) override
    {
        // Only the peer's own moves, on its turn, in a running game.
        if (!NetworkGame || GameOver || SideToMove == ComputerSide)
            return;
        RemoteMovePending = true;
        RemoteMoveCol = col;
        RemoteMoveRow = row;
        Form.ApplyRemoteMove();
    }
    void ChatReceived(const std::string& text) override
    {
        if (Form.Dialogs.SendDlg) {
            Form.Dialogs.SendDlg->AddHistoryLine(QStringLiteral(">>") + QString::fromStdString(text));
            Form.Dialogs.SendDlg->ScrollHistoryToEnd();
        }
        PlaySoundResource("SOUND_MESSAGE");
        Form.NetMenuSendMessageClick();
    }
    void BoardReceived(const std::string& message) override
    {
        if (Form.Dialogs.RemoteField) {
            Form.Dialogs.RemoteField->SetRemoteBoard(message);
            Form.Dialogs.RemoteField->show();
            Form.Dialogs.RemoteField->raise();
            Form.Dialogs.RemoteField->activateWindow(); // so that Esc or Enter closes it too
        }
    }
    std::string BoardText() override { return ::BoardToText(); }
    // The host name, at most 15 characters.
    std::string ComputerName() override
    {
        return QHostInfo::localHostName().left(int(MaxComputerNameChars)).toStdString();
    }

private:
    TReversiForm& Form;
};

