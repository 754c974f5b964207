// The socket components and their event queue.
#include "NetSockets.h"

#include <QTimer>

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <arpa/inet.h>
#include <netdb.h>

// --- event queue ---

TNetEventQueue::TNetEventQueue(QObject* parent)
    : QObject(parent)
{
}

void TNetEventQueue::Post(const QObject* source, std::function<void()> event)
{
    Items.push_back({ source, std::move(event) });
    Schedule();
}

void TNetEventQueue::Drop(const QObject* source)
{
    std::erase_if(Items, [source](const Item& item) { return item.Source == source; });
}

void TNetEventQueue::Hold() { ++HoldCount; }

void TNetEventQueue::Release()
{
    if (HoldCount > 0 && --HoldCount == 0)
        Schedule();
}

void TNetEventQueue::Schedule()
{
    if (Scheduled || HoldCount > 0 || Items.empty())
        return;
    Scheduled = true;
    QMetaObject::invokeMethod(
        this, [this] { Dispatch(); }, Qt::QueuedConnection);
}

void TNetEventQueue::Dispatch()
{
    Scheduled = false;
    while (HoldCount == 0 && !Items.empty()) {
        Item item = std::move(Items.front());
        Items.pop_front();
        // Should this event open a modal dialog, the ones behind it are handed on inside it.
        Schedule();
        item.Event();
    }
}

// --- one connection ---

TNetConnection::TNetConnection(QTcpSocket* socket, TNetEventQueue& events, QObject* parent)
    : QObject(parent)
    , TcpSocket(socket)
    , Events(&events)
{
    TcpSocket->setParent(this);
    // Qt buffers no more than one over-long read; the reader then refuses it.
    TcpSocket->setReadBufferSize(qint64(MaxPendingBytes) + 1);
    // Every message goes out at once, in its own segment where the network allows.
    TcpSocket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    QPointer<TNetConnection> self(this);
    connect(TcpSocket, &QTcpSocket::connected, this, [this, self] {
        TcpSocket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        Post([self] {
            if (self && self->OnConnect)
                self->OnConnect(self);
        });
    });
    connect(TcpSocket, &QTcpSocket::readyRead, this, [this] { ReadAvailable(); });
    connect(TcpSocket, &QTcpSocket::disconnected, this, [this] { PeerGone(); });
    connect(
        TcpSocket, &QTcpSocket::errorOccurred, this, [this, self](QAbstractSocket::SocketError) {
            const QString text = TcpSocket->errorString();
            Post([self, text] {
                if (self && self->OnError)
                    self->OnError(self, text);
            });
        });
}

TNetConnection::~TNetConnection()
{
    if (Events)
        Events->Drop(this);
}

void TNetConnection::Post(std::function<void()> event)
{
    if (Events)
        Events->Post(this, std::move(event));
}

bool TNetConnection::Send(std::string_view message)
{
    if (!Connected() || GoneReported)
        return false;
    if (TcpSocket->bytesToWrite() + qint64(message.size()) > MaxUnsentBytes) {
        // The peer leaves what we send unread (asking for boards it never takes, say): it is
        // dropped rather than buffered without end.
        TcpSocket->disconnect(this);
        TcpSocket->abort();
        PeerGone();
        return false;
    }
    return TcpSocket->write(message.data(), qint64(message.size())) == qint64(message.size());
}

void TNetConnection::SendAndClose(std::string_view message)
{
    if (GoneReported)
        return;
    const bool sent = Send(message);
    GoneReported = true;
    Reader.Clear();
    if (Events)
        Events->Drop(this);
    if (!sent)
        return;
    TcpSocket->disconnect(this);
    connect(TcpSocket, &QTcpSocket::disconnected, this, [this] { Released(); });
    // Closes once what was written has gone out; a peer that reads nothing cannot keep it open.
    TcpSocket->disconnectFromHost();
    QTimer::singleShot(5000, this, [this] {
        if (TcpSocket->state() != QAbstractSocket::UnconnectedState)
            TcpSocket->abort();
        Released();
    });
    if (TcpSocket->state() == QAbstractSocket::UnconnectedState)
        Released();
}

void TNetConnection::Released()
{
    if (ReleaseReported)
        return;
    ReleaseReported = true;
    if (OnReleased)
        OnReleased(this);
}

void TNetConnection::Close()
{
    GoneReported = true;
    TcpSocket->disconnect(this);
    TcpSocket->abort();
    Reader.Clear();
    if (Events)
        Events->Drop(this);
    Released();
}

bool TNetConnection::Connected() const
{
    return TcpSocket->state() == QAbstractSocket::ConnectedState;
}

void TNetConnection::ReadAvailable()
{
    // A socket this side has aborted (a flood, a peer that reads nothing) has nothing left to read.
    if (GoneReported || !TcpSocket->isOpen())
        return;
    const QByteArray bytes = TcpSocket->readAll();
    if (bytes.isEmpty())
        return;
    std::vector<std::string> messages;
    const bool withinLimit
        = Reader.Feed(std::string_view(bytes.constData(), std::size_t(bytes.size())), messages);
    QPointer<TNetConnection> self(this);
    for (std::string& message : messages)
        Post([self, message = std::move(message)] {
            if (self && self->OnRead)
                self->OnRead(self, message);
        });
    if (!withinLimit) {
        // No game needs this much at once: the peer is flooding us. It is dropped as gone.
        TcpSocket->disconnect(this);
        TcpSocket->abort();
        PeerGone();
    }
}

void TNetConnection::NoticeEarlyClose()
{
    if (!Connected())
        PeerGone();
}

void TNetConnection::PeerGone()
{
    if (GoneReported)
        return;
    ReadAvailable(); // what came before the closing is handled before it
    GoneReported = true;
    QPointer<TNetConnection> self(this);
    // Its descriptor is given back once the closing has been handled (OnDisconnect's owner).
    Post([self] {
        if (self && self->OnDisconnect)
            self->OnDisconnect(self);
    });
}

// --- port ---

Result<int> ResolveNetPort(int port, const std::string& service)
{
    if (!service.empty()) {
        const servent* entry = getservbyname(service.c_str(), "tcp");
        if (!entry)
            return Error { ErrorKind::NotFound, "unknown service \"" + service + "\"" };
        return int(ntohs(std::uint16_t(entry->s_port)));
    }
    if (port < 1 || port > 65535)
        return Error { ErrorKind::Damaged, "port " + std::to_string(port) + " is out of range" };
    return port;
}

// --- listening socket ---

TServerSocket::TServerSocket(TNetEventQueue& events, QObject* parent)
    : QObject(parent)
    , Events(events)
    , Server(new QTcpServer(this))
    , RetryTimer(new QTimer(this))
{
    // Connections beyond the limit stay in the system's queue, not in ours: no descriptor each.
    Server->setMaxPendingConnections(1);
    connect(Server, &QTcpServer::newConnection, this, [this] { AcceptPending(); });
    connect(Server, &QTcpServer::acceptError, this, [this](QAbstractSocket::SocketError error) {
        if (error == QAbstractSocket::SocketResourceError)
            OutOfDescriptors();
    });
    RetryTimer->setSingleShot(true);
    connect(RetryTimer, &QTimer::timeout, this, [this] {
        AcceptPaused = false;
        if (Server->isListening())
            Server->resumeAccepting();
        AcceptPending();
    });
}

void TServerSocket::OutOfDescriptors()
{
    // The system has paused accepting; try again in a while (or when a connection goes),
    // never at once, which would only spin.
    Server->pauseAccepting();
    AcceptPaused = true;
    RetryTimer->start(AcceptRetryMs);
}

void TServerSocket::Release(TNetConnection* connection)
{
    if (!Accepted.removeOne(connection))
        return;
    connection->deleteLater();
    // A place is free: the next caller waiting in the system's queue may come in.
    if (AcceptPaused) {
        RetryTimer->stop();
        AcceptPaused = false;
        if (Server->isListening())
            Server->resumeAccepting();
    }
    QMetaObject::invokeMethod(
        this, [this] { AcceptPending(); }, Qt::QueuedConnection);
}

Status TServerSocket::Open()
{
    if (Server->isListening())
        return {};
    if (Port < 1 || Port > 65535)
        return Error { ErrorKind::Damaged, "no port to listen on" };
    if (!Server->listen(QHostAddress::AnyIPv4, quint16(Port)))
        return Error { ErrorKind::Io, Server->errorString().toStdString() };
    return {};
}

void TServerSocket::Close()
{
    Server->close();
    RetryTimer->stop();
    AcceptPaused = false;
    const QList<TNetConnection*> connections = Accepted;
    Accepted.clear();
    for (TNetConnection* c : connections) {
        c->OnReleased = nullptr;
        c->Close();
        c->deleteLater();
    }
}

bool TServerSocket::Active() const { return Server->isListening(); }

bool TServerSocket::AddressInUse() const
{
    return Server->serverError() == QAbstractSocket::AddressInUseError;
}

void TServerSocket::AcceptPending()
{
    while (Accepted.size() < MaxConnections) {
        QTcpSocket* socket = Server->nextPendingConnection();
        if (!socket)
            break;
        // Gone without a word while it waited to be taken (a port scan): it takes no place, and
        // its socket has already said its closing to nobody.
        if (socket->state() != QAbstractSocket::ConnectedState && socket->bytesAvailable() == 0) {
            socket->deleteLater();
            continue;
        }
        auto* c = new TNetConnection(socket, Events, this);
        Accepted.append(c);
        c->OnReleased = [this](TNetConnection* from) { Release(from); };
        c->OnRead = OnClientRead; // a message goes straight to the listening socket's reader
        c->OnDisconnect = [this](TNetConnection* from) {
            if (OnClientDisconnect)
                OnClientDisconnect(from);
            Release(from);
        };
        c->OnError = [this](TNetConnection* from, const QString& text) {
            if (OnClientError)
                OnClientError(from, text);
        };
        QPointer<TNetConnection> accepted(c);
        Events.Post(c, [this, accepted] {
            if (accepted && OnClientConnect)
                OnClientConnect(accepted);
        });
        c->NoticeEarlyClose();
    }
}

// --- calling socket ---

TClientSocket::TClientSocket(TNetEventQueue& events, QObject* parent)
    : QObject(parent)
    , Events(events)
{
    ConnectTimer.setSingleShot(true);
    connect(&ConnectTimer, &QTimer::timeout, this, [this] {
        if (!Current || Current->Connected())
            return;
        Current->Close();
        Events.Post(this, [this] {
            if (OnError)
                OnError(QStringLiteral("The connection timed out"));
        });
    });
}

Status TClientSocket::Open(const QString& host)
{
    Close();
    CallTarget target;
    if (!ParseCallAddress(host.toStdString(), Port, target))
        return Error { ErrorKind::Damaged, "no address or port to call" };
    auto* socket = new QTcpSocket;
    auto* c = new TNetConnection(socket, Events, this);
    Current = c;
    connect(socket, &QTcpSocket::connected, &ConnectTimer, &QTimer::stop);
    connect(socket, &QTcpSocket::errorOccurred, &ConnectTimer, &QTimer::stop);
    c->OnConnect = [this](TNetConnection*) {
        if (OnConnect)
            OnConnect();
    };
    c->OnRead = [this](TNetConnection*, const std::string& message) {
        if (OnRead)
            OnRead(message);
    };
    c->OnDisconnect = [this](TNetConnection*) {
        if (OnDisconnect)
            OnDisconnect();
    };
    c->OnError = [this](TNetConnection*, const QString& text) {
        if (OnError)
            OnError(text);
    };
    socket->connectToHost(QString::fromStdString(target.Host), quint16(target.Port),
        QIODevice::ReadWrite, QAbstractSocket::IPv4Protocol);
    ConnectTimer.start(ConnectTimeoutMs);
    return {};
}

void TClientSocket::Close()
{
    ConnectTimer.stop();
    Events.Drop(this);
    if (Current) {
        Current->Close();
        Current->deleteLater();
        Current = nullptr;
    }
}

bool TClientSocket::Connected() const { return Current && Current->Connected(); }

bool TClientSocket::Send(std::string_view message) { return Current && Current->Send(message); }

void TClientSocket::SetBoardLetters(std::size_t letters)
{
    if (Current)
        Current->SetBoardLetters(letters);
}
