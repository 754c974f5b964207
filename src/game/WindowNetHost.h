// The main window's network side: the sockets and their events, the "&Network" menu's work, the
// "Connecting..." panel, and the network session's requests carried to the window's dialogs and
// game. Owned by the main window, whose specified network handlers hand their work to it.
#pragma once

#include <QPoint>
#include <QString>
#include <string>

#include "GameSession.h"
#include "NetSession.h"

class BoardView;
class GameSession;
class QSystemTrayIcon;
class TNetConnection;
class TReversiForm;
struct MainMenu;
struct NetworkParts;
struct WindowDialogs;

// What of the main window the network side works with. The window's specified handlers (the
// sockets' events, the start and end of a network game) are reached through Form.
struct NetHostParts {
    TReversiForm& Form;
    NetworkParts& Net;
    MainMenu& Menu;
    WindowDialogs& Dialogs;
    BoardView& Board;
    GameSession& Game;
    QSystemTrayIcon& Tray;
};

ConnectionId IdOf(const TNetConnection* c);

class WindowNetHost : public NetSessionHost, public GamePeer {
public:
    explicit WindowNetHost(const NetHostParts& parts);

    // Start-up: the sockets, the session and listening; without a listening socket the menu is
    // off for this run, its hint saying why.
    void StartNetwork();
    // The window is closing: nothing of the connection is reported any more, and the peer sees
    // it go.
    void StopNetwork();

    // The "&Network" menu.
    void Call();
    void ToggleListening();
    void SendChat();
    // A modal question or message about the network, titled with the program's name.
    bool Question(const QString& text);
    void Message(const QString& text);
    // The panel again after the board was rebuilt under it.
    void RestartConnectPanelIfShown(bool wasShown);

    // The sockets' events.
    void ConnectionOpened(TNetConnection* connection);

    // --- what the network session asks ---
    void Send(ConnectionId to, const std::string& message) override;
    void SendAndClose(ConnectionId to, const std::string& message) override;
    void Close(ConnectionId id) override;
    void CloseListening() override;
    void RestoreListening() override;
    void SetBoardLetters(ConnectionId id, std::size_t letters) override;
    void BringToFront() override;
    void SetConnectedMenus(bool connected) override;
    void SetPeerCaption(const std::string& peer) override;
    void PlaySound(const char* name) override;
    void ShowMessage(const std::string& text) override;
    bool AskCall() override;
    void CloseCallRequest() override;
    void StopConnectPanel() override;
    void StartGame() override;
    void EndGame() override;
    void RemoteMove(int col, int row) override;
    void ChatReceived(const std::string& text) override;
    void BoardReceived(const std::string& message) override;
    std::string BoardText() override;
    std::string ComputerName() override;

    // --- what the game sends the peer ---
    void SendMove(const Square& square) override;
    void SendRestart() override;

private:
    TNetConnection* Accepted(ConnectionId id) const;
    void StartConnectPanel();
    QPoint PanelPosition() const;

    TReversiForm& Form;
    NetworkParts& Net;
    MainMenu& Menu;
    WindowDialogs& Dialogs;
    BoardView& Board;
    GameSession& Game;
    QSystemTrayIcon& Tray;
};
