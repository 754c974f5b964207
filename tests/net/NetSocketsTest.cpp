// The socket components under the protocol: the event queue's order (also across modal loops),
// holding and dropping events, messages reassembled from a real TCP stream, the closing reported
// after what came before it, a flood dropped as a closing, and the port from a service name.
#include <QEventLoop>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "NetSockets.h"

namespace {

// Everything posted to the queue before this call has been handed on when it returns: a marker
// event runs behind it.
void Settle(TNetEventQueue& queue)
{
    QObject marker;
    bool reached = false;
    queue.Post(&marker, [&] { reached = true; });
    QTRY_VERIFY_WITH_TIMEOUT(reached, 10000);
}

QString EventText(const QString& what, const std::string& message = {})
{
    return what + QString::fromStdString(message);
}

// Opens server on a port the system has just handed out; the port, or 0 when it could not listen.
int ListenOnAFreePort(TServerSocket& server)
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::AnyIPv4, 0))
        return 0;
    const int port = probe.serverPort();
    probe.close();
    server.SetPort(port);
    return server.Open() ? port : 0;
}

} // namespace

class NetSocketsTest : public QObject {
    Q_OBJECT

private slots:
    void EventsRunInOrderAlsoInsideAModalLoop()
    {
        TNetEventQueue queue;
        QObject a, b;
        QStringList log;
        // The first event runs a loop of its own (as a modal dialog does); the ones queued behind
        // it are handed on inside that loop, in order.
        queue.Post(&a, [&] {
            log << "first begins";
            // The loop ends once the events behind this one have run inside it.
            QEventLoop loop;
            QTimer poll;
            QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
                if (log.size() >= 3)
                    loop.quit();
            });
            poll.start(1);
            loop.exec();
            log << "first ends";
        });
        queue.Post(&b, [&] { log << "second"; });
        queue.Post(&a, [&] { log << "third"; });
        QVERIFY(log.isEmpty()); // never from inside Post
        QTRY_COMPARE(log.size(), 4);
        QCOMPARE(log, QStringList({ "first begins", "second", "third", "first ends" }));

        // Held events wait for the release; a dropped source's events never run.
        log.clear();
        queue.Hold();
        queue.Post(&a, [&] { log << "a"; });
        queue.Post(&b, [&] { log << "b"; });
        queue.Post(&a, [&] { log << "a again"; });
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        QVERIFY(log.isEmpty());
        queue.Drop(&a);
        QCOMPARE(queue.Waiting(), std::size_t(1));
        queue.Release();
        QTRY_COMPARE(log, QStringList { "b" });
    }

    void MessagesThenTheClosingInArrivalOrder()
    {
        TNetEventQueue queue;
        TServerSocket server(queue, nullptr);
        const int port = ListenOnAFreePort(server);
        QVERIFY(port > 0);
        QVERIFY(server.Active());

        QStringList log;
        TNetConnection* seen = nullptr;
        server.OnClientConnect = [&](TNetConnection* c) {
            seen = c;
            log << "connect";
        };
        server.OnClientRead = [&](TNetConnection* c, const std::string& m) {
            QCOMPARE(c, seen);
            log << EventText("read ", m);
        };
        server.OnClientDisconnect = [&](TNetConnection*) { log << "gone"; };

        QTcpSocket peer;
        peer.connectToHost(QHostAddress::LocalHost, quint16(port));
        QVERIFY(peer.waitForConnected(10000));
        QTRY_COMPARE(log, QStringList { "connect" });
        QCOMPARE(server.Connections().size(), 1);
        // Written in pieces and all at once, closed right after the last write.
        for (const char* piece : { "M", "4", "2R", "M5" }) {
            peer.write(piece);
            peer.waitForBytesWritten(10000);
            QCoreApplication::processEvents();
        }
        peer.write("3FTbye");
        peer.disconnectFromHost();
        QTRY_COMPARE(log.size(), 7);
        QCOMPARE(log,
            QStringList(
                { "connect", "read M42", "read R", "read M53", "read F", "read Tbye", "gone" }));
        QTRY_COMPARE(server.Connections().size(), 0);

        // Sending to a calling socket: one message a write, as it is.
        TClientSocket client(queue, nullptr);
        client.SetPort(port);
        QStringList clientLog;
        client.OnConnect = [&] { clientLog << "connected"; };
        client.OnRead = [&](const std::string& m) { clientLog << EventText("read ", m); };
        client.OnDisconnect = [&] { clientLog << "gone"; };
        log.clear();
        QVERIFY(client.Open(QStringLiteral("127.0.0.1")));
        QTRY_COMPARE(clientLog, QStringList { "connected" });
        QTRY_COMPARE(log, QStringList { "connect" });
        QVERIFY(client.Send("BW8me"));
        QTRY_COMPARE(log, QStringList({ "connect", "read BW8me" }));
        QVERIFY(seen->Send("Y"));
        QTRY_COMPARE(clientLog, QStringList({ "connected", "read Y" }));
        // Closing here reports nothing here; the other side sees it go.
        client.Close();
        QVERIFY(!client.Connected());
        QVERIFY(!client.Send("G"));
        QTRY_COMPARE(log, QStringList({ "connect", "read BW8me", "gone" }));
        Settle(queue);
        QCOMPARE(clientLog, QStringList({ "connected", "read Y" }));

        // Closing the listening socket drops every accepted connection, silently.
        QTcpSocket other;
        other.connectToHost(QHostAddress::LocalHost, quint16(port));
        QVERIFY(other.waitForConnected(10000));
        QTRY_COMPARE(server.Connections().size(), 1);
        log.clear();
        server.Close();
        QVERIFY(!server.Active());
        QTRY_VERIFY(other.state() == QAbstractSocket::UnconnectedState);
        Settle(queue);
        QVERIFY(log.isEmpty());
    }

    // A port scan (connect, close, many times over) must not fill the places for callers: a
    // connection whose peer has already gone is dropped at once, and the next caller comes in.
    void ABurstOfClosedConnectionsLeavesRoomForTheNextCaller()
    {
        TNetEventQueue queue;
        TServerSocket server(queue, nullptr);
        const int port = ListenOnAFreePort(server);
        QVERIFY(port > 0);
        int gone = 0;
        QStringList read;
        server.OnClientDisconnect = [&](TNetConnection*) { ++gone; };
        server.OnClientRead
            = [&](TNetConnection*, const std::string& m) { read << QString::fromStdString(m); };

        sockaddr_in to {};
        to.sin_family = AF_INET;
        to.sin_port = htons(quint16(port));
        to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        constexpr int Burst = 30;
        for (int i = 0; i < Burst; ++i) {
            const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
            QVERIFY(fd >= 0);
            QCOMPARE(::connect(fd, reinterpret_cast<const sockaddr*>(&to), sizeof to), 0);
            ::close(fd);
        }
        QTcpSocket caller;
        caller.connectToHost(QHostAddress::LocalHost, quint16(port));
        QVERIFY(caller.waitForConnected(10000));
        caller.write("BW8me");
        QVERIFY(caller.waitForBytesWritten(10000));
        QTRY_COMPARE_WITH_TIMEOUT(read, QStringList { "BW8me" }, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(server.Connections().size(), 1, 10000);
        QVERIFY(gone <= Burst); // the ones gone before they were taken are never reported

        // One that says something and goes before it is taken still has its say.
        QTcpSocket hasty;
        hasty.connectToHost(QHostAddress::LocalHost, quint16(port));
        QVERIFY(hasty.waitForConnected(10000));
        hasty.write("BY8hasty");
        hasty.disconnectFromHost();
        QTRY_COMPARE_WITH_TIMEOUT(read, QStringList({ "BW8me", "BY8hasty" }), 10000);
        QTRY_COMPARE_WITH_TIMEOUT(server.Connections().size(), 1, 10000);
    }

    void AFloodIsDroppedAsThePeerGoingAway()
    {
        // Dropping the peer must not go on reading the socket it has just closed.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("device not open")));
        TNetEventQueue queue;
        TServerSocket server(queue, nullptr);
        QVERIFY(ListenOnAFreePort(server) > 0);
        QStringList log;
        server.OnClientRead = [&](TNetConnection*, const std::string& m) {
            log << QStringLiteral("read %1").arg(m.size());
        };
        server.OnClientDisconnect = [&](TNetConnection*) { log << "gone"; };

        QTcpSocket peer;
        peer.connectToHost(QHostAddress::LocalHost, quint16(server.ListenPort()));
        QVERIFY(peer.waitForConnected(10000));
        // Everything lands before the program reads: far more than one read may hold.
        peer.write(QByteArray("T") + QByteArray(int(3 * MaxPendingBytes), 'x'));
        peer.waitForBytesWritten(10000);
        QTRY_VERIFY(log.contains("gone"));
        QTRY_VERIFY(peer.state() == QAbstractSocket::UnconnectedState);
        QCOMPARE(log.last(), QStringLiteral("gone"));
        QCOMPARE(log.count("gone"), 1);
    }

    void ThePortOfAServiceName()
    {
        QCOMPARE(ResolveNetPort(8173, "").Value(), 8173);
        QCOMPARE(ResolveNetPort(8173, "ssh").Value(), 22); // from the services database
        const Result<int> unknown = ResolveNetPort(8173, "no-such-service-here");
        QVERIFY(!unknown);
        QCOMPARE(unknown.Failure(),
            (Error { ErrorKind::NotFound, "unknown service \"no-such-service-here\"" }));
        QCOMPARE(ResolveNetPort(0, "").Failure().Kind, ErrorKind::Damaged);
        QCOMPARE(ResolveNetPort(70000, "").Failure(),
            (Error { ErrorKind::Damaged, "port 70000 is out of range" }));

        // A call needs an address and a sensible port.
        TNetEventQueue queue;
        TClientSocket client(queue, nullptr);
        client.SetPort(8173);
        QCOMPARE(client.Open(QStringLiteral("  ")).Failure().Kind, ErrorKind::Damaged);
        QCOMPARE(client.Open(QStringLiteral("HOST:99999")).Failure(),
            (Error { ErrorKind::Damaged, "no address or port to call" }));
    }
};

QTEST_MAIN(NetSocketsTest)
#include "NetSocketsTest.moc"
