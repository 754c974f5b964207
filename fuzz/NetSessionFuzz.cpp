// The network session with the message reader, driven through a scripted host as the window's
// sockets and dialogs drive it (events also arrive while a modal dialog is open). Checked after
// every step: the shared connection flag, the candidates and the peer are connections that are
// open, nothing is sent on a closed connection, game events come only in a game, and every text
// handed to the window is clean.
#include "FuzzCheck.h"

#include <map>
#include <vector>

#include "NetProtocol.h"
#include "NetScript.h"
#include "NetSession.h"
#include "NetState.h"

namespace {

constexpr int MaxHeld = 4; // the listening socket holds at most four connections
constexpr int MaxDepth = 3; // dialogs inside dialogs

bool IsCleanText(const std::string& text, std::size_t maxChars)
{
    if (!IsValidUtf8(text))
        return false;
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = std::uint8_t(text[i]);
        if (b < 0x20 || b == 0x7F)
            return false;
        if (b == 0xC2 && i + 1 < text.size() && std::uint8_t(text[i + 1]) < 0xA0)
            return false; // C1 control
        if (b == 0xE2 && i + 2 < text.size()) {
            const auto b1 = std::uint8_t(text[i + 1]), b2 = std::uint8_t(text[i + 2]);
            if ((b1 == 0x80 && b2 >= 0xAA && b2 <= 0xAE)
                || (b1 == 0x81 && b2 >= 0xA6 && b2 <= 0xA9))
                return false; // reorders the text
        }
        if ((b & 0xC0) != 0x80)
            ++chars;
    }
    return chars <= maxChars;
}

class ScriptedHost : public NetSessionHost {
public:
    explicit ScriptedHost(FuzzCursor& script)
        : Script(script)
        , Session(*this)
    {
    }

    void Run()
    {
        while (!Script.AtEnd())
            RunStep();
        Session.WindowClosing();
        Check();
    }

    // --- NetSessionHost ---
    void Send(ConnectionId to, const std::string& message) override
    {
        Expect(IsOpen(to), "net: a message is sent on a connection that is not open");
        Expect(!message.empty(), "net: an empty message is sent");
    }
    void SendAndClose(ConnectionId to, const std::string& message) override
    {
        Send(to, message);
        Drop(to);
    }
    void Close(ConnectionId id) override { Drop(id); }
    void CloseListening() override
    {
        Held.clear();
        Listening = false;
    }
    void RestoreListening() override
    {
        Session.ListeningRestored();
        Listening = true;
    }
    void SetBoardLetters(ConnectionId id, std::size_t letters) override
    {
        Expect(letters == 64 || letters == 100, "net: a board of neither 64 nor 100 letters");
        if (id == CallConnection)
            CallReader.SetBoardLetters(letters);
        else if (Held.count(id))
            Held[id].SetBoardLetters(letters);
        Peer = id;
    }
    void BringToFront() override { }
    void SetConnectedMenus(bool) override { }
    void SetPeerCaption(const std::string& peer) override
    {
        Expect(peer.empty() || peer == CallAddress || IsCleanText(peer, MaxCallerNameChars),
            "net: the window's caption shows what the peer sent uncleaned");
    }
    void PlaySound(const char*) override { }
    void ShowMessage(const std::string& text) override
    {
        const bool abandoned = text.find("abandonned") != std::string::npos;
        Expect(!(abandoned && AbandonedOpen), "net: two \"abandoned\" boxes at once");
        AbandonedOpen = AbandonedOpen || abandoned;
        Modal();
        if (abandoned)
            AbandonedOpen = false;
    }
    bool AskCall() override
    {
        Expect(Session.Phase() == NetPhase::CalleeDeciding,
            "net: the request dialog opens outside a call");
        Expect(IsCleanText(CallerName, MaxCallerNameChars), "net: the caller's name is not clean");
        RequestOpen = true;
        const std::uint8_t answer = Modal();
        const bool closed = !RequestOpen;
        RequestOpen = false;
        return !closed && (answer & 1);
    }
    void CloseCallRequest() override { RequestOpen = false; }
    void StopConnectPanel() override { }
    void StartGame() override
    {
        Expect(Session.Phase() == NetPhase::InGame, "net: a game starts outside the game state");
    }
    void EndGame() override { }
    void RemoteMove(int col, int row) override
    {
        Expect(Session.Phase() == NetPhase::InGame, "net: a move arrives outside a game");
        Expect(col >= 0 && col <= 9 && row >= 0 && row <= 9, "net: a move off every board");
    }
    void ChatReceived(const std::string& text) override
    {
        Expect(Session.Phase() == NetPhase::InGame, "net: a chat text arrives outside a game");
        Expect(IsCleanText(text, MaxChatChars), "net: a chat text is not clean");
        Modal(); // the chat dialog opens
    }
    void BoardReceived(const std::string& message) override
    {
        Expect(Session.Phase() == NetPhase::InGame, "net: a board arrives outside a game");
        Expect(!message.empty() && message[0] == MsgBoard && message.size() <= 1 + MaxBoardLetters,
            "net: a board message of the wrong form");
    }
    std::string BoardText() override { return std::string(NetSize10 ? 100 : 64, '0'); }
    std::string ComputerName() override { return "corvana-fuzz"; }

private:
    enum class CallState { None, Connecting, Open };

    bool IsOpen(ConnectionId id) const
    {
        return id == CallConnection ? Call == CallState::Open : Held.count(id) > 0;
    }
    void Drop(ConnectionId id)
    {
        if (id == CallConnection)
            Call = CallState::None;
        else
            Held.erase(id);
    }
    // The held connection an index byte names, or nothing.
    bool PickHeld(ConnectionId& id)
    {
        const std::uint8_t index = Script.Byte();
        if (Held.empty())
            return false;
        auto it = Held.begin();
        std::advance(it, index % Held.size());
        id = it->first;
        return true;
    }

    // A modal dialog: steps run inside it before it closes.
    std::uint8_t Modal()
    {
        const std::uint8_t b = Script.Byte();
        if (Depth < MaxDepth) {
            ++Depth;
            for (int i = 0; i < (b >> 1 & 3) && !Script.AtEnd(); ++i)
                RunStep();
            --Depth;
        }
        return b;
    }

    // Bytes from a connection, cut into messages and handed over one by one while it stays open.
    void Deliver(ConnectionId id, std::string_view data, bool flood)
    {
        TMessageReader& reader = id == CallConnection ? CallReader : Held[id];
        std::vector<std::string> messages;
        const std::string floodBytes(flood ? MaxPendingBytes + 1 : 0, MsgChat);
        const bool within = reader.Feed(flood ? std::string_view(floodBytes) : data, messages);
        Expect(within != flood, "net: the reader's limit of one read is not 64 KiB");
        Expect(reader.Pending() <= MaxPendingBytes, "net: the reader holds more than its limit");
        for (const std::string& m : messages) {
            Expect(
                !m.empty() && m.size() <= MaxPendingBytes, "net: a message of impossible length");
            if (!IsOpen(id))
                return; // closed by this side: its events are dropped
            if (id == CallConnection)
                Session.CallRead(m);
            else
                Session.ConnectionRead(id, m);
            Check();
        }
        if (!within && IsOpen(id)) {
            Expect(reader.Pending() == 0, "net: a flood leaves bytes held");
            Drop(id);
            if (id == CallConnection)
                Session.CallClosed();
            else
                Session.ConnectionClosed(id);
        }
    }

    void RunStep()
    {
        const auto step = NetStep(Script.Byte() % std::uint8_t(NetStep::Count));
        ConnectionId id = 0;
        switch (step) {
        case NetStep::Accept:
            if (Listening && int(Held.size()) < MaxHeld) {
                id = NextId++;
                Held[id];
                Session.ConnectionOpened(id);
            }
            break;
        case NetStep::Receive: {
            const bool picked = PickHeld(id);
            const std::uint8_t length = Script.Byte();
            const std::string_view data = Script.Take(length == 255 ? 0 : length);
            if (picked && (length == 255 || !data.empty()))
                Deliver(id, data, length == 255);
            break;
        }
        case NetStep::HangUp:
            if (PickHeld(id)) {
                Drop(id);
                Session.ConnectionClosed(id);
            }
            break;
        case NetStep::TimeOut:
            if (PickHeld(id))
                Session.HandshakeTimedOut(id);
            break;
        case NetStep::Call: {
            const std::uint8_t flags = Script.Byte();
            // The menu offers a call only while no peer connection is in use (WindowNetHost::Call).
            if (NetConnected || Call != CallState::None)
                break;
            Session.CallStarted(flags & 1, flags & 2, CallAddress);
            if (Listening) {
                CloseListening();
                Session.ListeningSuspended();
            }
            if (flags & 4)
                Session.CallCouldNotStart();
            else
                Call = CallState::Connecting;
            if (Session.ListeningIsSuspended())
                RestoreListening();
            break;
        }
        case NetStep::CallConnects:
            if (Call == CallState::Connecting) {
                Call = CallState::Open;
                CallReader = TMessageReader();
                Session.CallConnected();
            }
            break;
        case NetStep::CallFails:
            if (Call == CallState::Connecting) {
                Call = CallState::None;
                Session.CallFailed();
            }
            break;
        case NetStep::CallReceives: {
            const std::uint8_t length = Script.Byte();
            const std::string_view data = Script.Take(length == 255 ? 0 : length);
            if (Call == CallState::Open && (length == 255 || !data.empty()))
                Deliver(CallConnection, data, length == 255);
            break;
        }
        case NetStep::CallHangsUp:
            if (Call == CallState::Open) {
                Call = CallState::None;
                Session.CallClosed();
            }
            break;
        case NetStep::UserDisconnects:
            if (NetConnected)
                Session.Disconnect();
            break;
        case NetStep::UserChats: {
            const std::string_view text = Script.Take(Script.Byte());
            if (NetConnected)
                Session.SendToPeer(EncodeChat(text));
            break;
        }
        case NetStep::UserAsksBoard:
            if (NetConnected)
                Session.SendToPeer(std::string(1, MsgBoardRequest));
            break;
        case NetStep::Count:
            break;
        }
        Check();
    }

    void Check()
    {
        Expect(NetConnected == Session.Connected(), "net: the shared connection flag is wrong");
        for (const ConnectionId c : Session.Candidates())
            Expect(Held.count(c) > 0, "net: a candidate connection that is no longer held");
        if (Session.Connected())
            Expect(IsOpen(Session.ServerRole() ? Peer : CallConnection),
                "net: connected to a peer whose connection is closed");
    }

    FuzzCursor& Script;
    NetSession Session;
    std::map<ConnectionId, TMessageReader> Held;
    TMessageReader CallReader;
    CallState Call = CallState::None;
    bool Listening = true;
    ConnectionId NextId = 1;
    ConnectionId Peer = CallConnection;
    bool RequestOpen = false;
    bool AbandonedOpen = false;
    int Depth = 0;
    const std::string CallAddress = "peer.invalid:8173";
};

} // namespace

void FuzzNetSession(FuzzBytes input)
{
    FuzzCursor script(input);
    ScriptedHost host(script);
    host.Run();
}
