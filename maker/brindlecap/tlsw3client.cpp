#include "tlsw3client.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QMap>
#include <QMutex>
#include <QMutexLocker>

#include <gnutls/gnutls.h>
#include <gnutls/x509.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
struct Defaults
{
    QMutex mutex;
    TLSW3Client::Timeouts timeouts;
    QString testCaFile;
};

Defaults &defaults()
{
    static Defaults d;
    return d;
}

// Credentials are loaded once per authority file and shared by every session.
gnutls_certificate_credentials_t credentialsFor(const QString &caFile, QString &error)
{
    static QMutex mutex;
    static QMap<QString, gnutls_certificate_credentials_t> cache;
    QMutexLocker lock(&mutex);
    auto it = cache.constFind(caFile);
    if (it != cache.constEnd())
        return it.value();
    gnutls_certificate_credentials_t cred = nullptr;
    if (gnutls_certificate_allocate_credentials(&cred) < 0) {
        error = QStringLiteral("Cannot allocate TLS credentials");
        return nullptr;
    }
    const int system = gnutls_certificate_set_x509_system_trust(cred);
    int extra = 0;
    if (!caFile.isEmpty())
        extra = gnutls_certificate_set_x509_trust_file(cred, caFile.toLocal8Bit().constData(), GNUTLS_X509_FMT_PEM);
    if (!caFile.isEmpty() && extra <= 0) {
        gnutls_certificate_free_credentials(cred);
        error = QStringLiteral("Cannot read a certificate authority from %1").arg(caFile);
        return nullptr;
    }
    if (system <= 0 && extra <= 0) {
        gnutls_certificate_free_credentials(cred);
        error = QStringLiteral("No trusted certificate authority is available");
        return nullptr;
    }
    cache.insert(caFile, cred);
    return cred;
}

ssize_t pushNoSignal(gnutls_transport_ptr_t ptr, const void *data, size_t size)
{
    return ::send(int(reinterpret_cast<intptr_t>(ptr)), data, size, MSG_NOSIGNAL);
}

qint64 remainingMs(const QElapsedTimer &clock, int limitMs)
{
    return qMax<qint64>(0, limitMs - clock.elapsed());
}

// Waits for the socket; false on time-out.
bool waitFor(int fd, short events, qint64 ms)
{
    pollfd p{fd, events, 0};
    for (;;) {
        const int r = ::poll(&p, 1, int(qMin<qint64>(ms, 1 << 30)));
        if (r < 0 && errno == EINTR)
            continue;
        return r > 0;
    }
}

enum class Framing { Length, Chunked, Close };

struct ReplyHead
{
    int status = 0;
    QByteArray reason;
    QByteArray location;
    Framing framing = Framing::Close;
    qint64 length = 0;
};

// Parses a status line and headers (without the blank line); false when malformed.
bool parseHead(const QByteArray &head, ReplyHead &out)
{
    const QList<QByteArray> lines = head.split('\n');
    const QByteArray statusLine = lines.value(0).trimmed();
    if (!statusLine.startsWith("HTTP/1."))
        return false;
    const int sp1 = statusLine.indexOf(' ');
    if (sp1 < 0)
        return false;
    const int sp2 = statusLine.indexOf(' ', sp1 + 1);
    bool ok = false;
    out.status = statusLine.mid(sp1 + 1, sp2 < 0 ? -1 : sp2 - sp1 - 1).toInt(&ok);
    if (!ok || out.status < 100 || out.status > 999)
        return false;
    out.reason = sp2 < 0 ? QByteArray() : statusLine.mid(sp2 + 1);
    out.framing = Framing::Close;
    bool haveLength = false;
    for (int i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const int colon = line.indexOf(':');
        if (colon <= 0)
            continue;
        const QByteArray name = line.left(colon).trimmed().toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (name == "transfer-encoding" && value.toLower().contains("chunked")) {
            out.framing = Framing::Chunked;
        } else if (name == "location") {
            out.location = value;
        } else if (name == "content-length" && !haveLength) {
            out.length = value.toLongLong(&ok);
            if (!ok || out.length < 0)
                return false;
            haveLength = true;
        }
    }
    if (out.framing != Framing::Chunked && haveLength)
        out.framing = Framing::Length;
    if (out.status == 204 || out.status == 304) {
        out.framing = Framing::Length;
        out.length = 0;
    }
    return true;
}

enum class Chunks { Incomplete, Done, Bad, TooLarge };

// Decodes a chunked body as its bytes arrive: each byte is looked at once.
// The cap holds for every byte of the body as sent: data, size lines and
// trailers alike.
class ChunkDecoder
{
public:
    explicit ChunkDecoder(qint64 cap) : m_cap(cap) {}

    Chunks feed(const char *data, int size)
    {
        m_pending.append(data, size);
        const Chunks c = decode();
        m_read += m_at;
        m_pending.remove(0, m_at);   // only an unfinished size or trailer line stays
        m_at = 0;
        if (c != Chunks::Bad && m_read + m_pending.size() > m_cap)
            return Chunks::TooLarge;
        return c;
    }
    const QByteArray &body() const { return m_body; }
    qint64 decoded() const { return m_body.size(); }

private:
    enum class State { Size, Data, DataEnd, Trailer, Done };

    Chunks decode()
    {
        for (;;) {
            switch (m_state) {
            case State::Size: {
                const int eol = m_pending.indexOf("\r\n", m_at);
                if (eol < 0)
                    return m_pending.size() - m_at > 1024 ? Chunks::Bad : Chunks::Incomplete;
                bool ok = false;
                const qint64 size = m_pending.mid(m_at, eol - m_at).split(';').value(0).trimmed().toLongLong(&ok, 16);
                if (!ok || size < 0)
                    return Chunks::Bad;
                if (m_read + eol + 2 + size > m_cap)
                    return Chunks::TooLarge;
                m_at = eol + 2;
                m_left = size;
                m_state = size == 0 ? State::Trailer : State::Data;
                break;
            }
            case State::Data: {
                const int take = int(qMin<qint64>(m_left, m_pending.size() - m_at));
                m_body.append(m_pending.constData() + m_at, take);
                m_at += take;
                m_left -= take;
                if (m_left > 0)
                    return Chunks::Incomplete;
                m_state = State::DataEnd;
                break;
            }
            case State::DataEnd:
                if (m_pending.size() - m_at < 2)
                    return Chunks::Incomplete;
                if (m_pending.mid(m_at, 2) != "\r\n")
                    return Chunks::Bad;
                m_at += 2;
                m_state = State::Size;
                break;
            case State::Trailer: {
                // trailers, then the blank line
                const int end = m_pending.indexOf("\r\n", m_at);
                if (end < 0)
                    return m_pending.size() - m_at > TLSW3Client::MaxHeaderBytes ? Chunks::Bad : Chunks::Incomplete;
                m_state = end == m_at ? State::Done : State::Trailer;
                m_at = end + 2;
                break;
            }
            case State::Done:
                return Chunks::Done;
            }
        }
    }

    qint64 m_cap;
    qint64 m_read = 0;   // bytes of the body decoded, framing included
    QByteArray m_pending;
    int m_at = 0;
    QByteArray m_body;
    State m_state = State::Size;
    qint64 m_left = 0;
};
// 0 while chunks are still to come, 1 when the body is whole (it is then in
// the reply), -1 when the body cannot be read.
int chunkState(Chunks c, const ChunkDecoder &chunks, RawHTTPSoapResponseStru &reply)
{
    switch (c) {
    case Chunks::Incomplete: return 0;
    case Chunks::Done: reply.body.Append(chunks.body()); return 1;
    default: return -1;
    }
}

// "60 s", "0.7 s".
QString seconds(int ms)
{
    return QStringLiteral("%1 s").arg(ms / 1000.0);
}

QString replyTimedOut(int ms)
{
    return QStringLiteral("No complete reply: timed out after %1").arg(seconds(ms));
}

// How far the reply had come when the server closed the connection: into
// its headers, or into a body of announced bytes (-1 when chunked).
QString closedInHead(qint64 got)
{
    return got == 0 ? QStringLiteral("The server closed the connection without a reply")
                    : QStringLiteral("The server closed the connection after %1 bytes, before the reply's headers "
                                     "ended").arg(got);
}

QString closedInBody(qint64 got, qint64 announced)
{
    if (announced >= 0)
        return QStringLiteral("The server closed the connection after %1 of the reply's %2 bytes")
            .arg(got).arg(announced);
    return QStringLiteral("The server closed the connection after %1 bytes of the reply, before its end").arg(got);
}

QString chunkError(Chunks c, qint64 cap)
{
    return c == Chunks::TooLarge ? QStringLiteral("The reply is larger than %1 bytes").arg(cap)
                                 : QStringLiteral("The reply's chunked body is malformed");
}
} // namespace

struct TLSW3Client::Session
{
    int fd = -1;
    gnutls_session_t tls = nullptr;

    ~Session()
    {
        if (tls) {
            gnutls_deinit(tls);
            tls = nullptr;
        }
        if (fd >= 0)
            ::close(fd);
    }
};

TLSW3Client::TLSW3Client() : m_timeouts(defaultTimeouts()) {}

TLSW3Client::~TLSW3Client()
{
    Close();
}

void TLSW3Client::setDefaultTimeouts(const Timeouts &timeouts)
{
    QMutexLocker lock(&defaults().mutex);
    defaults().timeouts = timeouts;
}

TLSW3Client::Timeouts TLSW3Client::defaultTimeouts()
{
    QMutexLocker lock(&defaults().mutex);
    return defaults().timeouts;
}

void TLSW3Client::setTestCaFile(const QString &path)
{
    QMutexLocker lock(&defaults().mutex);
    defaults().testCaFile = path;
}

QString TLSW3Client::testCaFile()
{
    QMutexLocker lock(&defaults().mutex);
    return defaults().testCaFile;
}

bool TLSW3Client::splitHostPort(const QString &value, QString &host, int &port, int defaultPort)
{
    const QString v = value.trimmed();
    host = v;
    port = defaultPort;
    const int colon = v.lastIndexOf(QLatin1Char(':'));
    if (colon >= 0 && v.indexOf(QLatin1Char(':')) == colon) {
        bool ok = false;
        port = v.mid(colon + 1).toInt(&ok);
        host = v.left(colon);
        if (!ok)
            return false;
    }
    return !host.isEmpty() && port > 0 && port <= 65535;
}

bool TLSW3Client::fail(const QString &text)
{
    m_error = text;
    return false;
}

bool TLSW3Client::isConnected() const
{
    return m_session && m_session->tls;
}

void TLSW3Client::Close()
{
    if (m_session && m_session->tls && m_session->fd >= 0) {
        // a short, non-blocking goodbye: the peer may already be gone
        gnutls_record_set_timeout(m_session->tls, 0);
        gnutls_bye(m_session->tls, GNUTLS_SHUT_WR);
    }
    m_session.reset();
}

bool TLSW3Client::Connect(const QString &hostArgument, int portArgument)
{
    Close();
    m_error.clear();
    QString host;
    int port = 0;
    if (!splitHostPort(hostArgument, host, port, portArgument))
        return fail(QStringLiteral("Invalid server address: %1").arg(hostArgument));
    m_host = host;
    m_port = port;

    auto session = std::make_unique<Session>();
    // name look-up, then a non-blocking connect to each address in turn
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *found = nullptr;
    const QByteArray hostBytes = host.toUtf8();
    const int lookup = ::getaddrinfo(hostBytes.constData(), QByteArray::number(port).constData(), &hints, &found);
    if (lookup != 0)
        return fail(QStringLiteral("Cannot find the server %1: %2").arg(host, QString::fromLocal8Bit(gai_strerror(lookup))));
    QElapsedTimer clock;
    clock.start();
    QString connectError = QStringLiteral("no address");
    for (addrinfo *a = found; a && session->fd < 0; a = a->ai_next) {
        const int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK, a->ai_protocol);
        if (fd < 0)
            continue;
        int r = ::connect(fd, a->ai_addr, a->ai_addrlen);
        if (r < 0 && errno == EINPROGRESS) {
            if (!waitFor(fd, POLLOUT, remainingMs(clock, m_timeouts.connectMs))) {
                connectError = QStringLiteral("timed out after %1 ms").arg(m_timeouts.connectMs);
                ::close(fd);
                break;
            }
            int soError = 0;
            socklen_t len = sizeof soError;
            ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &soError, &len);
            r = soError == 0 ? 0 : -1;
            errno = soError;
        }
        if (r == 0) {
            session->fd = fd;
        } else {
            connectError = QString::fromLocal8Bit(std::strerror(errno));
            ::close(fd);
        }
    }
    ::freeaddrinfo(found);
    if (session->fd < 0)
        return fail(QStringLiteral("Cannot connect to %1:%2: %3").arg(host).arg(port).arg(connectError));

    QString credError;
    gnutls_certificate_credentials_t cred = credentialsFor(testCaFile(), credError);
    if (!cred)
        return fail(credError);
    if (gnutls_init(&session->tls, GNUTLS_CLIENT | GNUTLS_NONBLOCK) < 0) {
        session->tls = nullptr;
        return fail(QStringLiteral("Cannot start a TLS session"));
    }
    gnutls_set_default_priority(session->tls);
    gnutls_credentials_set(session->tls, GNUTLS_CRD_CERTIFICATE, cred);
    // SNI carries names only, never an address
    if (QHostAddress(host).isNull())
        gnutls_server_name_set(session->tls, GNUTLS_NAME_DNS, hostBytes.constData(), size_t(hostBytes.size()));
    gnutls_session_set_verify_cert(session->tls, hostBytes.constData(), 0);
    gnutls_transport_set_int(session->tls, session->fd);
    gnutls_transport_set_push_function(session->tls, pushNoSignal);

    clock.restart();
    int r;
    do {
        r = gnutls_handshake(session->tls);
        if (r == GNUTLS_E_AGAIN || r == GNUTLS_E_INTERRUPTED) {
            const short events = gnutls_record_get_direction(session->tls) ? POLLOUT : POLLIN;
            if (!waitFor(session->fd, events, remainingMs(clock, m_timeouts.handshakeMs)))
                return fail(QStringLiteral("The TLS handshake with %1 timed out after %2 ms").arg(host).arg(m_timeouts.handshakeMs));
        }
    } while (r < 0 && gnutls_error_is_fatal(r) == 0);
    if (r < 0) {
        QString why = QString::fromUtf8(gnutls_strerror(r));
        if (r == GNUTLS_E_CERTIFICATE_VERIFICATION_ERROR) {
            const unsigned status = gnutls_session_get_verify_cert_status(session->tls);
            gnutls_datum_t text{};
            if (gnutls_certificate_verification_status_print(status, GNUTLS_CRT_X509, &text, 0) == 0) {
                why = QString::fromUtf8(reinterpret_cast<const char *>(text.data), int(text.size));
                gnutls_free(text.data);
            }
        }
        return fail(QStringLiteral("The TLS handshake with %1 failed: %2").arg(host, why));
    }
    m_session = std::move(session);
    return true;
}

bool TLSW3Client::CallSoap(const char *path, bool keepAlive, const char *contentType, const char *bytes, int count,
                           RawHTTPSoapResponseStru &reply)
{
    reply.responseCode.clear();
    reply.reasonPhrase.clear();
    reply.location.clear();
    reply.body.Init();
    reply.errorText.clear();
    reply.requestSent = 0;
    reply.statusCode = 0;
    auto failed = [this, &reply](const QString &text) {
        reply.errorText = text;
        m_error = text;
        Close();
        return false;
    };
    if (!isConnected())
        return failed(QStringLiteral("Not connected"));
    if (!path || *path != '/' || count < 0 || (count > 0 && !bytes))
        return failed(QStringLiteral("Invalid request"));

    // the request
    const QByteArray hostHeader = m_port == 443 ? m_host.toUtf8() : (m_host + QLatin1Char(':') + QString::number(m_port)).toUtf8();
    QByteArray request = "POST " + QByteArray(path) + " HTTP/1.1\r\n";
    request += "Host: " + hostHeader + "\r\n";
    request += "Content-Type: " + QByteArray(contentType && *contentType ? contentType : "text/xml; charset=UTF-8") + "\r\n";
    request += "Content-Length: " + QByteArray::number(count) + "\r\n";
    request += keepAlive ? "Connection: keep-alive\r\n" : "Connection: close\r\n";
    request += "\r\n";
    if (count > 0)
        request.append(bytes, count);

    gnutls_session_t tls = m_session->tls;
    const int fd = m_session->fd;
    QElapsedTimer clock;
    clock.start();
    int sent = 0;
    while (sent < request.size()) {
        const ssize_t n = gnutls_record_send(tls, request.constData() + sent, size_t(request.size() - sent));
        if (n > 0) {
            sent += int(n);
            reply.requestSent = 1;
        } else if (n == GNUTLS_E_AGAIN || n == GNUTLS_E_INTERRUPTED) {
            if (!waitFor(fd, POLLOUT, remainingMs(clock, m_timeouts.writeMs)))
                return failed(QStringLiteral("Sending the request timed out after %1 ms").arg(m_timeouts.writeMs));
        } else {
            return failed(QStringLiteral("Sending the request failed: %1").arg(QString::fromUtf8(gnutls_strerror(int(n)))));
        }
    }

    // the reply: status line and headers, then the body by its framing. The
    // time-out covers the whole reply, however the server paces its bytes.
    clock.restart();
    QByteArray data;
    ReplyHead head;
    int headEnd = -1;
    int searchedTo = 0;
    bool closed = false;
    ChunkDecoder chunks(m_maxReplyBytes);
    char buffer[16384];
    for (;;) {
        if (clock.elapsed() > m_timeouts.readMs)
            return failed(replyTimedOut(m_timeouts.readMs));
        if (headEnd < 0) {
            const int end = data.indexOf("\r\n\r\n", qMax(0, searchedTo - 3));
            searchedTo = data.size();
            if (end >= 0) {
                if (!parseHead(data.left(end), head))
                    return failed(QStringLiteral("The server's reply is not HTTP"));
                if (head.status < 200) {   // 100 Continue and friends: skip
                    data.remove(0, end + 4);
                    searchedTo = 0;
                    continue;
                }
                headEnd = end + 4;
                reply.statusCode = head.status;
                reply.responseCode = CString(QString::number(head.status));
                reply.reasonPhrase = CString(QString::fromLatin1(head.reason));
                reply.location = CString(QString::fromUtf8(head.location));
                if (head.framing == Framing::Length && head.length > m_maxReplyBytes)
                    return failed(QStringLiteral("The reply is larger than %1 bytes").arg(m_maxReplyBytes));
                if (head.framing == Framing::Chunked) {
                    // the chunks go to the decoder as they come; data keeps the head only
                    const Chunks c = chunks.feed(data.constData() + headEnd, data.size() - headEnd);
                    data.truncate(headEnd);
                    if (const int r = chunkState(c, chunks, reply))
                        return r > 0 ? finish(keepAlive) : failed(chunkError(c, m_maxReplyBytes));
                }
            } else if (data.size() > MaxHeaderBytes) {
                return failed(QStringLiteral("The reply's headers are too long"));
            }
        }
        if (headEnd >= 0) {
            const qint64 have = data.size() - headEnd;
            if (head.framing == Framing::Length && have >= head.length) {
                reply.body.Append(data.constData() + headEnd, int(head.length));
                break;
            }
            if (head.framing == Framing::Close && have > m_maxReplyBytes)
                return failed(QStringLiteral("The reply is larger than %1 bytes").arg(m_maxReplyBytes));
            if (closed) {
                if (head.framing == Framing::Length)
                    return failed(closedInBody(have, head.length));
                if (head.framing == Framing::Chunked)
                    return failed(closedInBody(chunks.decoded(), -1));
                reply.body.Append(data.constData() + headEnd, int(have));
                keepAlive = false;
                break;
            }
        } else if (closed) {
            return failed(closedInHead(data.size()));
        }
        const ssize_t n = gnutls_record_recv(tls, buffer, sizeof buffer);
        if (n > 0) {
            if (headEnd >= 0 && head.framing == Framing::Chunked) {
                const Chunks c = chunks.feed(buffer, int(n));
                if (const int r = chunkState(c, chunks, reply))
                    return r > 0 ? finish(keepAlive) : failed(chunkError(c, m_maxReplyBytes));
            } else {
                data.append(buffer, int(n));
            }
        } else if (n == 0 || n == GNUTLS_E_PREMATURE_TERMINATION) {
            closed = true;
        } else if (n == GNUTLS_E_AGAIN || n == GNUTLS_E_INTERRUPTED) {
            if (gnutls_record_check_pending(tls) == 0
                && !waitFor(fd, POLLIN, remainingMs(clock, m_timeouts.readMs)))
                return failed(replyTimedOut(m_timeouts.readMs));
        } else {
            return failed(QStringLiteral("Reading the reply failed: %1").arg(QString::fromUtf8(gnutls_strerror(int(n)))));
        }
    }
    return finish(keepAlive);
}

bool TLSW3Client::finish(bool keepAlive)
{
    if (!keepAlive)
        Close();
    return true;
}

