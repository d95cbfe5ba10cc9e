#pragma once
#include <QByteArray>
#include <QTcpServer>

class QTcpSocket;

// A local HTTP listener on 127.0.0.1 only (port 0: a free one). Each
// connection is buffered until its request is whole (the headers, and a body
// when Content-Length announces one); then dataReceived fires once with the
// socket and the request. A request over the size cap is read to the end of
// its headers without being kept and handed to requestTooLarge for its answer
// (closed without one when nothing listens). A connection idle longer than the
// idle time-out, or whose request is not whole within the request time-out
// (however its bytes are paced), is closed without an answer; any connection
// is closed at the latest when the request time-out is over twice. The
// receiver writes its answer on the socket; the socket is deleted once it
// disconnects.
class QServerSocket : public QTcpServer
{
    Q_OBJECT
public:
    explicit QServerSocket(quint16 port, QObject *parent = nullptr);
    ~QServerSocket() override;

    void setMaxRequestBytes(int bytes) { m_maxRequestBytes = bytes > 0 ? bytes : DefaultMaxRequestBytes; }
    void setIdleTimeout(int ms) { m_idleTimeoutMs = ms > 0 ? ms : DefaultIdleTimeoutMs; }
    void setRequestTimeout(int ms) { m_requestTimeoutMs = ms > 0 ? ms : DefaultRequestTimeoutMs; }

    static constexpr int DefaultMaxRequestBytes = 64 * 1024;
    static constexpr int DefaultIdleTimeoutMs = 15000;
    static constexpr int DefaultRequestTimeoutMs = 30000;

signals:
    void dataReceived(QTcpSocket *socket, QByteArray request);
    // A request longer than the size cap; the receiver answers on the socket.
    void requestTooLarge(QTcpSocket *socket);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    void readFrom(QTcpSocket *socket);
    void drainOversized(QTcpSocket *socket, const QByteArray &data);

    int m_maxRequestBytes = DefaultMaxRequestBytes;
    int m_idleTimeoutMs = DefaultIdleTimeoutMs;
    int m_requestTimeoutMs = DefaultRequestTimeoutMs;
};
