// The handshake and the messages of a connection, state by state.
//
// A connection accepted while idle is only a candidate until it sends a call ("B"): only then is it
// the peer, the window comes to the front and the user is asked. Candidates that never call are
// closed by the host's handshake timer; callers that arrive while a peer is in use are told "A"
// and closed. Each received letter is acted on only in the state where it belongs, and code that
// runs after a modal dialog first checks that the connection is still the one it started with.
#include "NetSession.h"

#include "NetProtocol.h"
#include "NetState.h"

// The messages are marked for the translation tools (the host translates them in context
// "NetSession"); this library knows nothing of Qt.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

namespace {

constexpr const char* Refused = QT_TRANSLATE_NOOP("NetSession", "NETWORK: Opponent has refused to play.");
constexpr const char* Busy = QT_TRANSLATE_NOOP("NetSession", "NETWORK: Opponent is busy.");
constexpr const char* Abandoned
    = QT_TRANSLATE_NOOP("NetSession", "NETWORK: Opponent has abandonned a game.");
constexpr const char* CallError
    = QT_TRANSLATE_NOOP("NetSession", "NETWORK: Connection failed - opponent call error!");

std::size_t BoardLetters(bool size10) { return size10 ? 100 : 64; }

} // namespace

NetSession::NetSession(NetSessionHost& host)
    : Host(host)
{
    NetConnected = false;
}

bool NetSession::Connected() const
{
    return State == NetPhase::CallerWaiting || State == NetPhase::CalleeDeciding
        || State == NetPhase::CalleeAccepted || State == NetPhase::InGame;
}

void NetSession::Enter(NetPhase phase)
{
    State = phase;
    ++Epoch;
    NetConnected = Connected();
}

// --- the listening side ---

void NetSession::ConnectionOpened(ConnectionId id)
{
    if (Connected()) {
        TurnAway(id);
        return;
    }
    Waiting.insert(id);
}

void NetSession::TurnAway(ConnectionId id)
{
    // Told once, then closed: a caller turned away cannot hold a connection of ours.
    Host.SendAndClose(id, std::string(1, MsgBusy));
}

void NetSession::ConnectionRead(ConnectionId id, const std::string& message)
{
    if (message.empty())
        return;
    if (Waiting.count(id)) {
        if (message[0] == MsgCall)
            ReceiveCall(id, message);
        return; // before its call a connection has nothing to say
    }
    if (id != Peer || !CalleeRole || !Connected())
        return;
    switch (message[0]) {
    case MsgGo:
        // Once per call, after our "Y".
        if (State != NetPhase::CalleeAccepted)
            return;
        Enter(NetPhase::InGame);
        Host.StartGame();
        break;
    case MsgRestart:
    case MsgMove:
    case MsgChat:
    case MsgBoardRequest:
    case MsgBoard:
        ReceiveGameMessage(message);
        break;
    default:
        break; // not a callee's message, or not at this point
    }
}

void NetSession::ReceiveCall(ConnectionId id, const std::string& message)
{
    Waiting.erase(id);
    if (Connected()) {
        TurnAway(id);
        return;
    }
    // The first to call is the peer; the others still waiting are now callers we are busy for.
    for (const ConnectionId other : Waiting)
        TurnAway(other);
    Waiting.clear();

    CalleeRole = true;
    Peer = id;
    Enter(NetPhase::CalleeDeciding);
    const CallTerms terms = DecodeCall(message);
    CallerName = terms.Name;
    NetLocalGreen = terms.CallerYellow;
    CallerColourText = terms.CallerYellow ? QT_TRANSLATE_NOOP("TCallReq", "Green")
                                          : QT_TRANSLATE_NOOP("TCallReq", "Yellow");
    NetSize10 = !terms.Size8;
    CallerSizeText
        = terms.Size8 ? QT_TRANSLATE_NOOP("TCallReq", "8 x 8") : QT_TRANSLATE_NOOP("TCallReq", "10 x 10");
    Host.SetBoardLetters(id, BoardLetters(NetSize10));
    Host.BringToFront();
    Host.SetConnectedMenus(true);
    Host.PlaySound("SOUND_CONNECT");

    const std::uint64_t asked = Epoch;
    const bool accepted = Host.AskCall();
    // The caller may have hung up, or the window closed, while the dialog was open.
    if (Epoch != asked)
        return;
    if (!accepted) {
        Host.SendAndClose(Peer, std::string(1, MsgRefuse));
        EndConnection(false);
        return;
    }
    Host.SetPeerCaption(CallerName);
    Host.Send(Peer, EncodeAccept());
    Enter(NetPhase::CalleeAccepted);
}

void NetSession::ConnectionClosed(ConnectionId id)
{
    if (Waiting.erase(id))
        return; // a caller that never called: nothing to say
    if (id != Peer || !CalleeRole)
        return;
    Peer = CallConnection;
    switch (State) {
    case NetPhase::CalleeDeciding:
        // The caller hung up while we were deciding: the dialog closes as declined, quietly.
        Host.CloseCallRequest();
        EndConnection(false);
        break;
    case NetPhase::CalleeAccepted:
    case NetPhase::InGame:
        EndConnection(true);
        break;
    default:
        break;
    }
}

void NetSession::HandshakeTimedOut(ConnectionId id)
{
    if (Waiting.erase(id))
        Host.Close(id);
}

// --- the calling side ---

void NetSession::CallStarted(bool callerYellow, bool size8, const std::string& address)
{
    CallYellow = callerYellow;
    CallSize8 = size8;
    CallAddress = address;
    if (!Connected())
        Enter(NetPhase::Calling);
}

void NetSession::CallCouldNotStart()
{
    if (State == NetPhase::Calling)
        Enter(NetPhase::Idle);
}

void NetSession::CallConnected()
{
    Host.StopConnectPanel();
    if (State != NetPhase::Calling) {
        // Someone called us while our call was on its way; that connection stays, ours goes.
        Host.Close(CallConnection);
        return;
    }
    CalleeRole = false;
    Peer = CallConnection;
    Enter(NetPhase::CallerWaiting);
    NetLocalGreen = !CallYellow;
    NetSize10 = !CallSize8;
    Host.SetBoardLetters(CallConnection, BoardLetters(NetSize10));
    Host.BringToFront();
    Host.Send(CallConnection, EncodeCall(CallYellow, CallSize8, Host.ComputerName()));
    Host.SetConnectedMenus(true);
}

void NetSession::CallRead(const std::string& message)
{
    if (message.empty() || CalleeRole || !Connected())
        return;
    switch (message[0]) {
    case MsgAccept:
        if (State != NetPhase::CallerWaiting)
            return;
        Host.Send(CallConnection, std::string(1, MsgGo));
        Host.SetPeerCaption(CallAddress);
        Host.PlaySound("SOUND_CONNECTED");
        Enter(NetPhase::InGame);
        Host.StartGame();
        break;
    case MsgRefuse:
        if (State != NetPhase::CallerWaiting)
            return;
        Disconnect();
        Host.ShowMessage(Refused);
        break;
    case MsgBusy:
        if (State != NetPhase::CallerWaiting)
            return;
        // Our call ends before the box is shown, so nothing more of it is reported meanwhile.
        Host.Close(CallConnection);
        EndConnection(false);
        Host.ShowMessage(Busy);
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

void NetSession::CallClosed()
{
    if (CalleeRole || !Connected())
        return;
    // Only a game that had begun is abandoned; a callee that vanished before answering is not.
    EndConnection(State == NetPhase::InGame);
}

void NetSession::CallFailed()
{
    Host.StopConnectPanel();
    if (State == NetPhase::Calling) {
        Enter(NetPhase::Idle);
        Host.ShowMessage(CallError);
    }
    if (ListenSuspended) {
        ListenSuspended = false;
        Host.RestoreListening();
    }
}

// --- messages of either role once the game is on ---

void NetSession::ReceiveGameMessage(const std::string& message)
{
    // Restarts, moves, chat and board requests belong to a game the two sides agreed on.
    if (State != NetPhase::InGame)
        return;
    const ConnectionId peer = CalleeRole ? Peer : CallConnection;
    switch (message[0]) {
    case MsgRestart:
        Host.StartGame();
        break;
    case MsgMove: {
        const MoveCoords move = DecodeMove(message);
        Host.RemoteMove(move.Col, move.Row);
        break;
    }
    case MsgChat:
        Host.ChatReceived(DecodeChat(message));
        break;
    case MsgBoardRequest:
        Host.Send(peer, EncodeBoard(Host.BoardText()));
        break;
    case MsgBoard:
        Host.BoardReceived(DecodeBoard(message));
        break;
    default:
        break;
    }
}

// --- the user ---

void NetSession::Disconnect()
{
    Enter(NetPhase::Idle); // the closings that follow report nothing
    if (CalleeRole) {
        Host.CloseListening();
        Waiting.clear();
        Peer = CallConnection;
        ListenSuspended = false;
        Host.RestoreListening();
    } else {
        Host.Close(CallConnection);
    }
    EndConnection(false);
}

void NetSession::SendToPeer(const std::string& message)
{
    if (CalleeRole) {
        if (Peer != CallConnection && Connected())
            Host.Send(Peer, message);
    } else {
        Host.Send(CallConnection, message);
    }
}

void NetSession::WindowClosing()
{
    Enter(NetPhase::Idle);
    Waiting.clear();
    Peer = CallConnection;
}

void NetSession::EndConnection(bool abandoned)
{
    Enter(NetPhase::Idle);
    Host.SetPeerCaption({});
    Host.SetConnectedMenus(false);
    Host.EndGame();
    if (abandoned && !AbandonedShowing) {
        AbandonedShowing = true;
        Host.PlaySound("SOUND_DISCONNECT");
        Host.ShowMessage(Abandoned);
        AbandonedShowing = false;
    }
}
