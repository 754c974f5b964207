// The network session against the wire codec, without sockets or windows: who becomes the peer,
// what each message does in each state, what a stranger can and cannot make the program do, and
// what is said to the user when a connection ends.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

#include "NetProtocol.h"
#include "NetSession.h"
#include "NetState.h"

namespace {

// Records what the session asks for; the modal dialogs answer as the test says, and may run
// events of their own while "open", as the window's modal loops do.
class FakeHost : public NetSessionHost {
public:
    std::map<ConnectionId, std::vector<std::string>> Sent;
    std::vector<std::pair<ConnectionId, std::string>> SentAndClosed;
    std::vector<ConnectionId> Closed;
    std::vector<std::string> Shown;
    std::vector<std::string> Sounds;
    std::vector<std::pair<int, int>> Moves;
    std::vector<std::string> Chats, Boards;
    int BroughtToFront = 0, GamesStarted = 0, GamesEnded = 0, ListeningClosed = 0,
        ListeningRestored = 0, RequestsClosed = 0, RequestsShown = 0;
    bool Menus = false;
    std::string Caption;
    bool Answer = true;
    std::function<void()> WhileAsking, WhileShowing;

    void Send(ConnectionId to, const std::string& message) override { Sent[to].push_back(message); }
    void SendAndClose(ConnectionId to, const std::string& message) override
    {
        SentAndClosed.emplace_back(to, message);
    }
    void Close(ConnectionId id) override { Closed.push_back(id); }
    void CloseListening() override { ++ListeningClosed; }
    void RestoreListening() override { ++ListeningRestored; }
    void SetBoardLetters(ConnectionId, std::size_t) override { }
    void BringToFront() override { ++BroughtToFront; }
    void SetConnectedMenus(bool connected) override { Menus = connected; }
    void SetPeerCaption(const std::string& peer) override { Caption = peer; }
    void PlaySound(const char* name) override { Sounds.emplace_back(name); }
    void ShowMessage(const std::string& text) override
    {
        Shown.push_back(text);
        if (auto during = std::exchange(WhileShowing, nullptr))
            during();
    }
    bool AskCall() override
    {
        ++RequestsShown;
        if (auto during = std::exchange(WhileAsking, nullptr))
            during();
        return Answer;
    }
    void CloseCallRequest() override { ++RequestsClosed; }
    void StopConnectPanel() override { }
    void StartGame() override { ++GamesStarted; }
    void EndGame() override { ++GamesEnded; }
    void RemoteMove(int col, int row) override { Moves.emplace_back(col, row); }
    void ChatReceived(const std::string& text) override { Chats.push_back(text); }
    void BoardReceived(const std::string& message) override { Boards.push_back(message); }
    std::string BoardText() override { return std::string(64, '+'); }
    std::string ComputerName() override { return "here"; }
};

const std::string Abandoned = "NETWORK: Opponent has abandonned a game.";

std::string Ended(std::string text)
{
    text += TextEnd;
    return text;
}

class NetSessionTest : public ::testing::Test {
protected:
    FakeHost Host;
    NetSession Session { Host };

    // A caller on connection id that has called, been accepted and started the game.
    void CalleeInGame(ConnectionId id)
    {
        Session.ConnectionOpened(id);
        Session.ConnectionRead(id, "BB8peer");
        Session.ConnectionRead(id, "G");
        ASSERT_EQ(Session.Phase(), NetPhase::InGame);
    }
    // Our own call, connected and accepted.
    void CallerInGame()
    {
        Session.CallStarted(true, true, "OTHER");
        Session.CallConnected();
        Session.CallRead("Y");
        ASSERT_EQ(Session.Phase(), NetPhase::InGame);
    }
};

} // namespace

TEST_F(NetSessionTest, AConnectionIsThePeerOnlyOnceItHasCalled)
{
    Session.ConnectionOpened(1);
    EXPECT_FALSE(Session.Connected());
    EXPECT_FALSE(NetConnected);
    EXPECT_EQ(Host.BroughtToFront, 0); // a bare connection is no reason to jump up
    // Before its call, nothing it says is answered or acted on.
    for (const char* early : { "F", "G", "R", "M42", "Thello", "Dwwww" })
        Session.ConnectionRead(1, early);
    EXPECT_TRUE(Host.Sent.empty());
    EXPECT_EQ(Host.GamesStarted, 0);

    Session.ConnectionRead(1, "BW0peer");
    EXPECT_EQ(Host.RequestsShown, 1);
    EXPECT_EQ(Host.BroughtToFront, 1);
    EXPECT_EQ(Host.Sounds, std::vector<std::string> { "SOUND_CONNECT" });
    EXPECT_EQ(CallerName, "peer");
    EXPECT_TRUE(NetLocalGreen); // the caller plays Yellow
    EXPECT_TRUE(NetSize10);
    EXPECT_EQ(Host.Sent[1], std::vector<std::string> { EncodeAccept() });
    EXPECT_EQ(Session.Phase(), NetPhase::CalleeAccepted);
    EXPECT_EQ(Host.Caption, "peer");

    // "G" starts the game once per call; a second one restarts nothing.
    Session.ConnectionRead(1, "G");
    Session.ConnectionRead(1, "G");
    EXPECT_EQ(Host.GamesStarted, 1);
    // A second call on the same connection is not asked about.
    Session.ConnectionRead(1, "BB8again");
    EXPECT_EQ(Host.RequestsShown, 1);
}

TEST_F(NetSessionTest, TheFirstToCallIsThePeerAndEveryOtherCallerIsToldBusyAndClosed)
{
    Session.ConnectionOpened(1); // silent
    Session.ConnectionOpened(2);
    Session.ConnectionRead(2, "BB8friend");
    EXPECT_EQ(CallerName, "friend");
    EXPECT_EQ(
        Host.SentAndClosed, (std::vector<std::pair<ConnectionId, std::string>> { { 1, "A" } }));
    Session.ConnectionOpened(3);
    EXPECT_EQ(Host.SentAndClosed.back(), (std::pair<ConnectionId, std::string> { 3, "A" }));
    // Whatever they say or do afterwards changes nothing.
    Session.ConnectionRead(3, "BW0third");
    Session.ConnectionClosed(3);
    Session.ConnectionClosed(1);
    EXPECT_EQ(Host.RequestsShown, 1);
    EXPECT_TRUE(Host.Shown.empty());
    EXPECT_EQ(Session.Phase(), NetPhase::CalleeAccepted);
}

TEST_F(NetSessionTest, StrangersThatNeverCallAreClosedQuietly)
{
    // Two hundred connect-and-close: not one box, not one sound, the window stays where it is.
    for (ConnectionId id = 1; id <= 200; ++id) {
        Session.ConnectionOpened(id);
        Session.ConnectionClosed(id);
    }
    EXPECT_TRUE(Host.Shown.empty());
    EXPECT_TRUE(Host.Sounds.empty());
    EXPECT_EQ(Host.BroughtToFront, 0);
    EXPECT_TRUE(Session.Candidates().empty());

    // One that stays silent is closed when its time is up, and no later.
    Session.ConnectionOpened(500);
    Session.HandshakeTimedOut(500);
    EXPECT_EQ(Host.Closed, std::vector<ConnectionId> { 500 });
    Session.HandshakeTimedOut(500);
    EXPECT_EQ(Host.Closed.size(), 1u);
    // The timer of a connection that did call does nothing.
    Session.ConnectionOpened(501);
    Session.ConnectionRead(501, "BB8x");
    Session.HandshakeTimedOut(501);
    EXPECT_EQ(Host.Closed.size(), 1u);
}

// Placing a call closes the listening socket, which drops the connections still waiting to call
// without reporting them: the session forgets them too.
TEST_F(NetSessionTest, PlacingACallForgetsTheConnectionsThatWereWaiting)
{
    Session.ConnectionOpened(7);
    Session.CallStarted(true, true, "OTHER");
    Session.ListeningSuspended();
    EXPECT_TRUE(Session.Candidates().empty());
    // A new connection that gets the old one's id later is a stranger like any other.
    Session.CallCouldNotStart();
    Session.ListeningRestored();
    Session.ConnectionOpened(8);
    EXPECT_EQ(Session.Candidates(), std::set<ConnectionId> { 8 });
}

TEST_F(NetSessionTest, DecliningAndTheCallerHangingUpWhileWeDecide)
{
    Host.Answer = false;
    Session.ConnectionOpened(1);
    Session.ConnectionRead(1, "BB8x");
    EXPECT_EQ(
        Host.SentAndClosed, (std::vector<std::pair<ConnectionId, std::string>> { { 1, "N" } }));
    EXPECT_EQ(Session.Phase(), NetPhase::Idle);
    EXPECT_FALSE(Host.Menus);

    // The caller hangs up while the dialog is open: it closes as declined, nothing is sent and
    // nothing is said.
    Host.Answer = true;
    Host.WhileAsking = [&] { Session.ConnectionClosed(2); };
    Session.ConnectionOpened(2);
    Session.ConnectionRead(2, "BB8y");
    EXPECT_EQ(Host.RequestsClosed, 1);
    EXPECT_TRUE(Host.Sent[2].empty());
    EXPECT_TRUE(Host.Shown.empty());
    EXPECT_EQ(Session.Phase(), NetPhase::Idle);
}

TEST_F(NetSessionTest, AGameIsAbandonedOnlyOnceItWasAcceptedOrBegun)
{
    // Accepted, then gone: abandoned.
    Session.ConnectionOpened(1);
    Session.ConnectionRead(1, "BB8x");
    Session.ConnectionClosed(1);
    EXPECT_EQ(Host.Shown, std::vector<std::string> { Abandoned });
    EXPECT_EQ(Host.Sounds.back(), "SOUND_DISCONNECT");

    // Our call, gone before the callee answered: nothing to say.
    Host.Shown.clear();
    Session.CallStarted(true, true, "OTHER");
    Session.CallConnected();
    Session.CallClosed();
    EXPECT_TRUE(Host.Shown.empty());
    EXPECT_EQ(Session.Phase(), NetPhase::Idle);

    // In a game, gone: abandoned, and the game is ended before the box is shown.
    CallerInGame();
    const int ended = Host.GamesEnded;
    Host.WhileShowing = [&] { EXPECT_EQ(Host.GamesEnded, ended + 1); };
    Session.CallClosed();
    EXPECT_EQ(Host.Shown, std::vector<std::string> { Abandoned });
}

TEST_F(NetSessionTest, NeverMoreThanOneAbandonedBoxAtATime)
{
    CalleeInGame(1);
    // While the first box is open, another caller calls, is accepted and goes away too.
    Host.WhileShowing = [&] {
        CalleeInGame(2);
        Session.ConnectionClosed(2);
    };
    Session.ConnectionClosed(1);
    EXPECT_EQ(Host.Shown, std::vector<std::string> { Abandoned });
    EXPECT_EQ(Session.Phase(), NetPhase::Idle);
}

TEST_F(NetSessionTest, GameMessagesBelongToARunningGame)
{
    Session.ConnectionOpened(1);
    Session.ConnectionRead(1, "BB8x");
    // Accepted but not started: restarts, moves, chat and board requests wait for "G".
    for (const char* early : { "R", "M42", "Thi", "F", "D++" })
        Session.ConnectionRead(1, early);
    EXPECT_EQ(Host.GamesStarted, 0);
    EXPECT_TRUE(Host.Moves.empty());
    EXPECT_TRUE(Host.Chats.empty());
    EXPECT_EQ(Host.Sent[1].size(), 1u); // only the "Y"

    Session.ConnectionRead(1, "G");
    Session.ConnectionRead(1, "M42");
    Session.ConnectionRead(1, "Thello");
    Session.ConnectionRead(1, "F");
    Session.ConnectionRead(1, "Dwb");
    Session.ConnectionRead(1, "R");
    EXPECT_EQ(Host.Moves, (std::vector<std::pair<int, int>> { { 4, 2 } }));
    EXPECT_EQ(Host.Chats, std::vector<std::string> { "hello" });
    EXPECT_EQ(Host.Sent[1].back(), EncodeBoard(std::string(64, '+')));
    EXPECT_EQ(Host.Boards, std::vector<std::string> { "Dwb" });
    EXPECT_EQ(Host.GamesStarted, 2);
    // Letters a callee never receives are ignored.
    for (const char* other : { "Y", "N", "A", "Zzz" })
        Session.ConnectionRead(1, other);
    EXPECT_EQ(Host.GamesStarted, 2);
    EXPECT_TRUE(Host.Shown.empty());
}

TEST_F(NetSessionTest, TheCallersSideOfTheHandshake)
{
    // Before the answer, a callee's game messages mean nothing.
    Session.CallStarted(false, false, "OTHER:8174");
    EXPECT_EQ(Session.Phase(), NetPhase::Calling);
    Session.CallConnected();
    EXPECT_EQ(Host.Sent[CallConnection], std::vector<std::string> { Ended("BB0here") });
    EXPECT_TRUE(NetLocalGreen);
    EXPECT_TRUE(NetSize10);
    for (const char* early : { "G", "R", "M42", "B", "Q" })
        Session.CallRead(early);
    EXPECT_EQ(Host.GamesStarted, 0);
    EXPECT_TRUE(Host.Moves.empty());
    Session.CallRead("Y");
    EXPECT_EQ(Host.Sent[CallConnection].back(), "G");
    EXPECT_EQ(Host.Caption, "OTHER:8174");
    EXPECT_EQ(Host.GamesStarted, 1);
    // A second "Y" and a late "N" or "A" change nothing.
    for (const char* late : { "Y", "N", "A" })
        Session.CallRead(late);
    EXPECT_EQ(Host.GamesStarted, 1);
    EXPECT_TRUE(Host.Shown.empty());
    EXPECT_EQ(Session.Phase(), NetPhase::InGame);

    // Refused and busy callees: our call ends and the user is told.
    Session.Disconnect();
    Session.CallStarted(true, true, "B");
    Session.CallConnected();
    Session.CallRead("N");
    EXPECT_EQ(Host.Shown.back(), "NETWORK: Opponent has refused to play.");
    Session.CallStarted(true, true, "C");
    Session.CallConnected();
    const std::size_t closed = Host.Closed.size();
    Session.CallRead("A");
    EXPECT_EQ(Host.Shown.back(), "NETWORK: Opponent is busy.");
    EXPECT_EQ(Host.Closed.size(), closed + 1);
    EXPECT_EQ(Session.Phase(), NetPhase::Idle);

    // A call that fails is reported only while it is being made.
    Host.Shown.clear();
    Session.CallStarted(true, true, "D");
    Session.CallFailed();
    EXPECT_EQ(Host.Shown,
        std::vector<std::string> { "NETWORK: Connection failed - opponent call error!" });
    Session.CallFailed();
    EXPECT_EQ(Host.Shown.size(), 1u);
}

TEST_F(NetSessionTest, ACallThatArrivesWhileOursIsOnItsWayWins)
{
    Session.CallStarted(true, true, "OTHER");
    Session.ConnectionOpened(1);
    Session.ConnectionRead(1, "BW8caller");
    EXPECT_EQ(Session.Phase(), NetPhase::CalleeAccepted);
    // Our call connects late: it is closed, and the peer stays.
    Session.CallConnected();
    EXPECT_EQ(Host.Closed, std::vector<ConnectionId> { CallConnection });
    EXPECT_EQ(Session.Phase(), NetPhase::CalleeAccepted);
    Session.CallFailed();
    EXPECT_TRUE(Host.Shown.empty());
}

TEST_F(NetSessionTest, DisconnectEndsEitherRoleQuietly)
{
    CalleeInGame(1);
    Session.Disconnect();
    EXPECT_EQ(Host.ListeningClosed, 1);
    EXPECT_EQ(Host.ListeningRestored, 1);
    EXPECT_EQ(Session.Phase(), NetPhase::Idle);
    Session.ConnectionClosed(1); // its closing, arriving afterwards, says nothing
    EXPECT_TRUE(Host.Shown.empty());

    CallerInGame();
    Session.Disconnect();
    EXPECT_EQ(Host.Closed.back(), CallConnection);
    Session.CallClosed();
    EXPECT_TRUE(Host.Shown.empty());
    EXPECT_FALSE(NetConnected);
}
