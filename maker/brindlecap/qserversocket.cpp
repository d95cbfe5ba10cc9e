#include "qserversocket.h"

#include <QHostAddress>
#include <QMetaMethod>
#include <QTcpSocket>
#include <QTimer>

namespace {
const char *const BufferProperty = "qserversocket_buffer";
const char *const DoneProperty = "qserversocket_done";
const char *const OversizeProperty = "qserversocket_oversize";
// An oversized request is read on (and dropped) up to this many bytes, so that
// its answer reaches the client; beyond it the connection is cut.
constexpr qint64 kDrainLimit = 4 * 1024 * 1024;

// Bytes of a whole request in data, or -1 while it is incomplete.
int wholeRequestSize(const QByteArray &data)
{
    const int headerEnd = data.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return -1;
    qint64 length = 0;
    for (const QByteArray &line : data.left(headerEnd).split('\n')) {
        const int colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().toLower() == "content-length") {
            bool ok = false;
            length = line.mid(colon + 1).trimmed().toLongLong(&ok);
            if (!ok || length < 0)
                length = 0;
        }
    }
    const qint64 total = headerEnd + 4 + length;
    return data.size() >= total ? int(total) : -1;
}
} // namespace

// The first timer made for a connection is its idle timer.
static void stopIdleTimer(QTcpSocket *socket)
{
    const QList<QTimer *> timers = socket->findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
    if (!timers.isEmpty())
        timers.first()->stop();
}

QServerSocket::QServerSocket(quint16 port, QObject *parent) : QTcpServer(parent)
{
    listen(QHostAddress::LocalHost, port);
}

QServerSocket::~QServerSocket()
{
    close();
}

void QServerSocket::incomingConnection(qintptr descriptor)
{
    auto socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
    auto idle = new QTimer(socket);
    idle->setSingleShot(true);
    connect(idle, &QTimer::timeout, socket, [socket] { socket->abort(); socket->deleteLater(); });
    idle->start(m_idleTimeoutMs);
    // the whole request has its time, however its bytes are paced; an answered
    // connection that the peer holds open is cut after as long again
    auto deadline = new QTimer(socket);
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, socket, [socket, deadline, this] {
        if (socket->property(DoneProperty).toBool() && !deadline->property(DoneProperty).toBool()) {
            deadline->setProperty(DoneProperty, true);
            deadline->start(m_requestTimeoutMs);
            return;
        }
        socket->abort();
        socket->deleteLater();
    });
    deadline->start(m_requestTimeoutMs);
    connect(socket, &QTcpSocket::readyRead, this, [this, socket, idle] {
        if (!socket->property(DoneProperty).toBool())
            idle->start(m_idleTimeoutMs);
        readFrom(socket);
    });
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
}

void QServerSocket::readFrom(QTcpSocket *socket)
{
    const QByteArray incoming = socket->readAll();
    if (socket->property(DoneProperty).toBool())
        return;   // one request per connection
    QByteArray buffer = socket->property(BufferProperty).toByteArray() + incoming;
    if (socket->property(OversizeProperty).isValid()) {
        drainOversized(socket, buffer);
        return;
    }
    const int whole = wholeRequestSize(buffer);
    if ((whole < 0 && buffer.size() > m_maxRequestBytes) || whole > m_maxRequestBytes) {
        if (!isSignalConnected(QMetaMethod::fromSignal(&QServerSocket::requestTooLarge))) {
            socket->abort();
            socket->deleteLater();
            return;
        }
        socket->setProperty(OversizeProperty, qint64(0));
        drainOversized(socket, buffer);
        return;
    }
    if (whole < 0) {
        socket->setProperty(BufferProperty, buffer);
        return;
    }
    socket->setProperty(BufferProperty, QVariant());
    socket->setProperty(DoneProperty, true);
    stopIdleTimer(socket);
    emit dataReceived(socket, buffer.left(whole));
}

// Reads an oversized request to the end of its headers without keeping it, then
// hands the socket over for its answer; a request that never ends is cut.
void QServerSocket::drainOversized(QTcpSocket *socket, const QByteArray &data)
{
    const qint64 seen = socket->property(OversizeProperty).toLongLong() + data.size();
    socket->setProperty(OversizeProperty, seen);
    if (data.contains("\r\n\r\n")) {
        socket->setProperty(BufferProperty, QVariant());
        socket->setProperty(DoneProperty, true);
        stopIdleTimer(socket);
        emit requestTooLarge(socket);
        return;
    }
    if (seen > kDrainLimit) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    socket->setProperty(BufferProperty, data.right(3));
}
