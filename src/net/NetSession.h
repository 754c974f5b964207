// The network game's conversation with its peer: one state for where the handshake has got to,
// which connection is the peer, and what each received message does in each state. Qt-free: the
// sockets, dialogs and the game reach it through NetSessionHost, so it is tested against the wire
// codec without sockets. Used by the main window, which is its host.
#pragma once

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

// An accepted connection as the host names it; CallConnection is the one of our own call.
using ConnectionId = std::uintptr_t;
constexpr ConnectionId CallConnection = 0;

// Where a connection has got to.
enum class NetPhase {
    Idle, // no peer; callers may connect and must send their call within the handshake time
    Calling, // our call is being opened (name lookup, connection)
    CallerWaiting, // our call has connected and been sent; the callee decides
    CalleeDeciding, // a call has arrived; the request dialog is open
    CalleeAccepted, // we said yes; the caller's "G" starts the game
    InGame, // the game is on (also after it has ended, until the connection does)
};

// What the session asks of the sockets, the window and the game.
class NetSessionHost {
public:
    virtual ~NetSessionHost() = default;

    // --- connections ---
    virtual void Send(ConnectionId to, const std::string& message) = 0;
    // Writes message and closes the connection once it has gone out; nothing more is reported.
    virtual void SendAndClose(ConnectionId to, const std::string& message) = 0;
    // Closes a connection quietly (CallConnection: our call).
    virtual void Close(ConnectionId id) = 0;
    // Closes the listening socket, dropping every accepted connection quietly.
    virtual void CloseListening() = 0;
    // Opens listening again if it is off; says so when it cannot ("NETWORK: Cannot enable
    // listing!").
    virtual void RestoreListening() = 0;
    // "D" from this connection carries this many letters.
    virtual void SetBoardLetters(ConnectionId id, std::size_t letters) = 0;

    // --- the window ---
    virtual void BringToFront() = 0;
    virtual void SetConnectedMenus(bool connected) = 0;
    virtual void SetPeerCaption(const std::string& peer) = 0; // empty: the program's own title
    virtual void PlaySound(const char* name) = 0;
    // Modal; text is one of the session's messages, which the host translates (context
    // "NetSession").
    virtual void ShowMessage(const std::string& text) = 0;
    // The request dialog, modal: true when the user accepted. Network events are handled while it
    // is open, and CloseCallRequest ends it as declined.
    virtual bool AskCall() = 0;
    virtual void CloseCallRequest() = 0;
    virtual void StopConnectPanel() = 0;

    // --- the game ---
    virtual void StartGame() = 0; // a new network game with the agreed terms
    virtual void EndGame() = 0; // the network game is over; the position stays
    virtual void RemoteMove(int col, int row) = 0;
    virtual void ChatReceived(const std::string& text) = 0;
    virtual void BoardReceived(const std::string& message) = 0;
    virtual std::string BoardText() = 0;
    virtual std::string ComputerName() = 0;
};

class NetSession {
public:
    explicit NetSession(NetSessionHost& host);

    NetPhase Phase() const { return State; }
    // A peer connection is in use (the handshake has begun in either role, or a game is on).
    bool Connected() const;
    // The current or last connection came in on the listening socket.
    bool ServerRole() const { return CalleeRole; }
    // Connections accepted while idle that have not sent their call yet.
    const std::set<ConnectionId>& Candidates() const { return Waiting; }

    // --- the listening side ---
    void ConnectionOpened(ConnectionId id);
    void ConnectionRead(ConnectionId id, const std::string& message);
    void ConnectionClosed(ConnectionId id);
    // A connection accepted while idle has not sent its call in time.
    void HandshakeTimedOut(ConnectionId id);

    // --- the calling side ---
    // The user has confirmed a call with these terms; the host opens the socket.
    void CallStarted(bool callerYellow, bool size8, const std::string& address);
    // Opening the socket failed at once (after "NETWORK: Connection failed - open socket
    // error!" has been shown) or later.
    void CallCouldNotStart();
    void CallConnected();
    void CallRead(const std::string& message);
    void CallClosed();
    void CallFailed();
    // Listening was switched off for the moment of placing a call. That drops every accepted
    // connection without a word, so none of them is a candidate any more: their ids may come
    // back for new connections.
    void ListeningSuspended()
    {
        ListenSuspended = true;
        Waiting.clear();
    }
    bool ListeningIsSuspended() const { return ListenSuspended; }
    void ListeningRestored() { ListenSuspended = false; }

    // --- the user ---
    void Disconnect(); // the "&Disconnect" command
    void SendToPeer(const std::string& message);
    void WindowClosing(); // nothing of the connection is reported any more

private:
    void Enter(NetPhase phase);
    void ReceiveCall(ConnectionId id, const std::string& message);
    void ReceiveGameMessage(const std::string& message);
    void TurnAway(ConnectionId id);
    void EndConnection(bool abandoned);

    NetSessionHost& Host;
    NetPhase State = NetPhase::Idle;
    // Moves on with every change of state, so that code running after a modal dialog can tell
    // whether the connection it started with is still the one in that state.
    std::uint64_t Epoch = 0;
    bool CalleeRole = false;
    ConnectionId Peer = CallConnection;
    std::set<ConnectionId> Waiting;
    bool ListenSuspended = false;
    bool AbandonedShowing = false; // one "abandoned" box at a time
    bool CallYellow = true, CallSize8 = true;
    std::string CallAddress;
};
