// The main window's two socket components over Qt Network, on the main thread: the listening
// socket with its accepted connections in arrival order, and the calling socket with its
// asynchronous name lookup. What they report (accepted, connected, a message, closed, an error)
// goes through one event queue that the main window's protocol handlers are called from.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>
#include <string>
#include <string_view>

#include "NetProtocol.h"
#include "Result.h"

class QTcpServer;
class QTcpSocket;

// Socket events wait here and are handed on one at a time from the event loop, never from inside
// a socket's own signal: a handler may open a modal dialog, and the events that come in meanwhile
// (the peer hanging up, a chat text) are handed on inside that dialog's loop, in arrival order.
class TNetEventQueue : public QObject {
public:
    explicit TNetEventQueue(QObject* parent = nullptr);

    void Post(const QObject* source, std::function<void()> event);
    // Forgets the events of a socket that is closed here: nothing more is reported of it.
    void Drop(const QObject* source);
    // While held (the board graphics being reloaded) events wait; Release hands them on again.
    void Hold();
    void Release();
    std::size_t Waiting() const { return Items.size(); }

private:
    struct Item {
        const QObject* Source;
        std::function<void()> Event;
    };
    void Schedule();
    void Dispatch();

    std::deque<Item> Items;
    int HoldCount = 0;
    bool Scheduled = false;
};

// One TCP connection: cuts what arrives into messages and reports them, its closing and its
// errors through the event queue.
class TNetConnection : public QObject {
public:
    TNetConnection(QTcpSocket* socket, TNetEventQueue& events, QObject* parent);
    ~TNetConnection() override;

    // Sends one message in one piece; false when the connection cannot take it. A peer that
    // leaves more than MaxUnsentBytes unread is not reading: it is dropped as gone.
    bool Send(std::string_view message);
    // Sends message, then closes the connection once it has gone out; nothing more is reported.
    void SendAndClose(std::string_view message);
    // Drops the connection; nothing more is reported of it.
    void Close();
    // "D" on this connection carries this many letters.
    void SetBoardLetters(std::size_t letters) { Reader.SetBoardLetters(letters); }
    // Bytes written here that the peer has not taken yet.
    static constexpr qint64 MaxUnsentBytes = 8 * 1024;
    bool Connected() const;
    QTcpSocket* Socket() const { return TcpSocket; }
    // A peer that went while its connection waited to be accepted closed a socket that has told
    // no one: what it sent is handed on, then its closing, as if they came now.
    void NoticeEarlyClose();

    std::function<void(TNetConnection*)> OnConnect;
    std::function<void(TNetConnection*, const std::string&)> OnRead;
    std::function<void(TNetConnection*)> OnDisconnect;
    std::function<void(TNetConnection*, const QString&)> OnError;
    // The socket is closed for good (also after SendAndClose): its descriptor is free again.
    std::function<void(TNetConnection*)> OnReleased;

private:
    void ReadAvailable();
    void PeerGone();
    void Released();
    void Post(std::function<void()> event);

    QTcpSocket* TcpSocket;
    // The queue may go first when the window's children are destroyed.
    QPointer<TNetEventQueue> Events;
    TMessageReader Reader;
    bool GoneReported = false;
    bool ReleaseReported = false;
};

// The port both sockets use: the services database's port for service (protocol "tcp") when
// service is not empty, otherwise port. NotFound when the service is unknown, Damaged when the
// port is not one from 1 to 65535.
Result<int> ResolveNetPort(int port, const std::string& service);

// The listening socket (RevServerSocket). It holds at most MaxConnections accepted connections at
// once (the peer and a few callers being turned away); further callers wait in the system's
// queue until one goes. When the system has no descriptor left it stops accepting for a while
// instead of trying again at once.
class TServerSocket : public QObject {
public:
    TServerSocket(TNetEventQueue& events, QObject* parent);

    static constexpr int MaxConnections = 4;
    static constexpr int AcceptRetryMs = 1000;

    void SetPort(int port) { Port = port; }
    int ListenPort() const { return Port; }
    // Listens on every IPv4 address; fails, saying why, when that is not possible.
    Status Open();
    // Stops listening and drops every accepted connection without reporting it.
    void Close();
    bool Active() const;
    // The last Open failed because another program listens on the port.
    bool AddressInUse() const;
    const QList<TNetConnection*>& Connections() const { return Accepted; }
    // Accepting is paused: the connection limit is reached or descriptors ran out.
    bool Paused() const { return AcceptPaused; }

    // Set before listening: a connection takes the reader the socket had when it was accepted.
    std::function<void(TNetConnection*)> OnClientConnect;
    std::function<void(TNetConnection*, const std::string&)> OnClientRead;
    std::function<void(TNetConnection*)> OnClientDisconnect;
    std::function<void(TNetConnection*, const QString&)> OnClientError;

private:
    void AcceptPending();
    void Release(TNetConnection* connection);
    void OutOfDescriptors();

    TNetEventQueue& Events;
    QTcpServer* Server;
    QList<TNetConnection*> Accepted;
    QTimer* RetryTimer;
    bool AcceptPaused = false;
    int Port = 0;
};

// The calling socket (RevClientSocket). Each call gets a fresh TCP socket; the one of a failed or
// ended call is released when the next call starts or the socket is closed.
class TClientSocket : public QObject {
public:
    TClientSocket(TNetEventQueue& events, QObject* parent);

    void SetPort(int port) { Port = port; }
    // Starts the name lookup and the connection in the background; they end in OnConnect or
    // OnError. host may end in ":port" (ParseCallAddress). Fails (Damaged) when the call cannot
    // even start (no address, a bad port).
    Status Open(const QString& host);
    // Drops the call or the connection without reporting it.
    void Close();
    bool Connected() const;
    bool Send(std::string_view message);
    void SetBoardLetters(std::size_t letters);
    // The socket of the current call, or none.
    QTcpSocket* Socket() const { return Current ? Current->Socket() : nullptr; }

    // A call that has neither connected nor failed after this long is given up as failed.
    static constexpr int ConnectTimeoutMs = 30000;

    std::function<void()> OnConnect;
    std::function<void(const std::string&)> OnRead;
    std::function<void()> OnDisconnect;
    std::function<void(const QString&)> OnError;

private:
    TNetEventQueue& Events;
    QPointer<TNetConnection> Current;
    QTimer ConnectTimer;
    int Port = 0;
};
