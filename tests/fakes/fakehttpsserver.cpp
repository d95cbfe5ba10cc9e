#include "fakehttpsserver.h"

#include <QEventLoop>
#include <QFile>
#include <QHostAddress>
#include <QJsonDocument>
#include <QMutex>
#include <QMutexLocker>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>
#include <QTimer>
#include <QUrl>

#include <future>
#include <thread>

namespace bqfakes {

namespace {
constexpr int MaxHeaderBytes = 64 * 1024;

QList<QPair<QString, QString>> decodeForm(const QByteArray &text)
{
    QList<QPair<QString, QString>> items;
    for (const QByteArray &pair : text.split('&')) {
        if (pair.isEmpty())
            continue;
        const int eq = pair.indexOf('=');
        auto decode = [](QByteArray s) { return QUrl::fromPercentEncoding(s.replace('+', ' ')); };
        items.append(qMakePair(decode(eq < 0 ? pair : pair.left(eq)), eq < 0 ? QString() : decode(pair.mid(eq + 1))));
    }
    return items;
}

// A parameter of a header value such as: form-data; name="file"; filename="a b".
QByteArray headerParameter(const QByteArray &value, const QByteArray &name)
{
    for (QByteArray piece : value.split(';')) {
        piece = piece.trimmed();
        const int eq = piece.indexOf('=');
        if (eq < 0 || piece.left(eq).trimmed().toLower() != name)
            continue;
        QByteArray v = piece.mid(eq + 1).trimmed();
        if (v.size() >= 2 && v.startsWith('"') && v.endsWith('"'))
            v = v.mid(1, v.size() - 2);
        return v;
    }
    return {};
}

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 302: return "Found";
    case 201: return "Created";
    case 204: return "No Content";
    case 400: return "Bad Request";
    case 401: return "Unauthorized";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 411: return "Length Required";
    case 413: return "Payload Too Large";
    case 431: return "Request Header Fields Too Large";
    case 500: return "Internal Server Error";
    case 503: return "Service Unavailable";
    default: return "Status";
    }
}

enum class Parse { Incomplete, Done, Bad, TooLarge };

// Decodes a chunked body from data; Incomplete until the last chunk came.
Parse dechunk(const QByteArray &data, QByteArray &body)
{
    body.clear();
    int at = 0;
    for (;;) {
        const int eol = data.indexOf("\r\n", at);
        if (eol < 0)
            return Parse::Incomplete;
        bool ok = false;
        const qint64 size = data.mid(at, eol - at).split(';').value(0).trimmed().toLongLong(&ok, 16);
        if (!ok || size < 0)
            return Parse::Bad;
        if (body.size() + size > FakeHttpsServer::MaxRequestBytes)
            return Parse::TooLarge;
        at = eol + 2;
        if (size == 0)
            return data.indexOf("\r\n", at) < 0 ? Parse::Incomplete : Parse::Done;
        if (data.size() < at + size + 2)
            return Parse::Incomplete;
        body += data.mid(at, int(size));
        at += int(size) + 2;
    }
}

Parse parseRequest(const QByteArray &data, FakeRequest &request)
{
    const int headerEnd = data.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return data.size() > MaxHeaderBytes ? Parse::TooLarge : Parse::Incomplete;
    const QList<QByteArray> lines = data.left(headerEnd).split('\n');
    const QList<QByteArray> start = lines.value(0).trimmed().split(' ');
    if (start.size() != 3 || !start.at(2).startsWith("HTTP/1."))
        return Parse::Bad;
    request = FakeRequest();
    request.method = start.at(0);
    request.target = start.at(1);
    const int q = request.target.indexOf('?');
    request.path = q < 0 ? request.target : request.target.left(q);
    request.query = q < 0 ? QByteArray() : request.target.mid(q + 1);
    for (int i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const int colon = line.indexOf(':');
        if (colon <= 0)
            return Parse::Bad;
        request.headers.append(qMakePair(line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed()));
    }
    const QByteArray rest = data.mid(headerEnd + 4);
    if (request.header("transfer-encoding").toLower().contains("chunked"))
        return dechunk(rest, request.body);
    const QByteArray lengthText = request.header("content-length");
    bool ok = true;
    const qint64 length = lengthText.isEmpty() ? 0 : lengthText.toLongLong(&ok);
    if (!ok || length < 0)
        return Parse::Bad;
    if (length > FakeHttpsServer::MaxRequestBytes)
        return Parse::TooLarge;
    if (rest.size() < length)
        return Parse::Incomplete;
    request.body = rest.left(int(length));
    return Parse::Done;
}

QByteArray serialise(const FakeResponse &response)
{
    QByteArray out = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reasonPhrase(response.status) + "\r\n";
    if (!response.contentType.isEmpty())
        out += "Content-Type: " + response.contentType + "\r\n";
    out += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    out += "Connection: close\r\n";
    for (const auto &h : response.headers)
        out += h.first + ": " + h.second + "\r\n";
    return out + "\r\n" + response.body;
}
} // namespace

// ---- FakeRequest ----

QByteArray FakeRequest::header(const QByteArray &name) const
{
    const QByteArray key = name.toLower();
    for (const auto &h : headers)
        if (h.first == key)
            return h.second;
    return {};
}

QList<QPair<QString, QString>> FakeRequest::queryItems() const
{
    return decodeForm(query);
}

QList<QPair<QString, QString>> FakeRequest::formItems() const
{
    if (!header("content-type").toLower().startsWith("application/x-www-form-urlencoded"))
        return {};
    return decodeForm(body);
}

QList<MultipartPart> FakeRequest::parts() const
{
    const QByteArray type = header("content-type");
    if (!type.toLower().startsWith("multipart/"))
        return {};
    const QByteArray boundary = headerParameter(type, "boundary");
    if (boundary.isEmpty())
        return {};
    const QByteArray delimiter = "--" + boundary;
    QList<MultipartPart> out;
    int at = body.indexOf(delimiter);
    while (at >= 0) {
        at += delimiter.size();
        if (body.mid(at, 2) == "--")
            break;
        const int next = body.indexOf("\r\n" + delimiter, at);
        if (next < 0)
            break;
        const QByteArray chunk = body.mid(at, next - at);
        const int split = chunk.indexOf("\r\n\r\n");
        if (split >= 0) {
            MultipartPart part;
            for (const QByteArray &line : chunk.left(split).split('\n')) {
                const int colon = line.indexOf(':');
                if (colon <= 0)
                    continue;
                const QByteArray name = line.left(colon).trimmed().toLower();
                const QByteArray value = line.mid(colon + 1).trimmed();
                if (name == "content-disposition") {
                    part.name = headerParameter(value, "name");
                    part.fileName = headerParameter(value, "filename");
                } else if (name == "content-type") {
                    part.contentType = value;
                }
            }
            part.data = chunk.mid(split + 4);
            out.append(part);
        }
        at = next + 2;
    }
    return out;
}

QJsonObject FakeRequest::json() const
{
    const QJsonDocument doc = QJsonDocument::fromJson(body);
    return doc.isObject() ? doc.object() : QJsonObject();
}

QString FakeRequest::bodyValue(const QString &name, bool *found) const
{
    auto answer = [found](bool f, const QString &v) {
        if (found)
            *found = f;
        return v;
    };
    for (const auto &item : formItems())
        if (item.first == name)
            return answer(true, item.second);
    const QJsonObject object = json();
    if (object.contains(name)) {
        const QJsonValue v = object.value(name);
        return answer(true, v.isString() ? v.toString() : v.toVariant().toString());
    }
    for (const MultipartPart &part : parts())
        if (part.fileName.isEmpty() && QString::fromUtf8(part.name) == name)
            return answer(true, QString::fromUtf8(part.data));
    return answer(false, {});
}

// ---- FakeResponse ----

FakeResponse FakeResponse::text(const QByteArray &body, int status)
{
    FakeResponse r;
    r.status = status;
    r.body = body;
    return r;
}

FakeResponse FakeResponse::json(const QJsonObject &object, int status)
{
    FakeResponse r;
    r.status = status;
    r.contentType = "application/json";
    r.body = QJsonDocument(object).toJson(QJsonDocument::Compact);
    return r;
}

FakeResponse FakeResponse::raw(const QByteArray &bytes)
{
    FakeResponse r;
    r.action = Action::Raw;
    r.body = bytes;
    return r;
}

FakeResponse FakeResponse::silent()
{
    FakeResponse r;
    r.action = Action::Silent;
    return r;
}

FakeResponse FakeResponse::drop()
{
    FakeResponse r;
    r.action = Action::Drop;
    return r;
}

FakeResponse FakeResponse::drip(const QByteArray &bytes, int ms)
{
    FakeResponse r;
    r.action = Action::Drip;
    r.body = bytes;
    r.dripMs = qMax(1, ms);
    return r;
}

// ---- the server ----

namespace {
struct Route
{
    QByteArray method;
    QByteArray path;
    FakeHandler handler;
};

class ServerCore;
} // namespace

struct FakeHttpsServer::Private
{
    Scheme scheme;
    TestCertificates certificates;
    QSslCertificate certificate;
    QSslKey key;
    // Joined by stop(), so that the thread has wholly ended, its thread-local
    // clean-up (the TLS library's among it) included, before stop() returns.
    // A QThread's wait() returns before that clean-up, which then races with
    // the process's exit.
    std::thread thread;
    QEventLoop *loop = nullptr;   // the server thread's, while it runs
    quint16 port = 0;
    QString error;

    mutable QMutex mutex;   // guards routes and requests
    QList<Route> routes;
    QList<FakeRequest> requests;

    FakeResponse dispatch(const FakeRequest &request);
};

FakeResponse FakeHttpsServer::Private::dispatch(const FakeRequest &request)
{
    FakeHandler handler;
    bool pathKnown = false;
    {
        QMutexLocker lock(&mutex);
        requests.append(request);
        for (const Route &r : qAsConst(routes)) {
            const bool prefix = r.path.endsWith('*');
            if (prefix ? !request.path.startsWith(r.path.left(r.path.size() - 1)) : r.path != request.path)
                continue;
            pathKnown = true;
            if (r.method == "*" || r.method == request.method) {
                handler = r.handler;
                break;
            }
        }
    }
    if (handler)
        return handler(request);
    return pathKnown ? FakeResponse::text("method not allowed", 405) : FakeResponse::text("not found", 404);
}

namespace {
class ServerCore : public QTcpServer
{
public:
    explicit ServerCore(FakeHttpsServer::Private *owner) : m_owner(owner) {}

protected:
    void incomingConnection(qintptr descriptor) override
    {
        QTcpSocket *socket = nullptr;
        if (m_owner->scheme == FakeHttpsServer::Scheme::Https) {
            auto ssl = new QSslSocket(this);
            if (!ssl->setSocketDescriptor(descriptor)) {
                delete ssl;
                return;
            }
            ssl->setLocalCertificate(m_owner->certificate);
            ssl->setPrivateKey(m_owner->key);
            ssl->setPeerVerifyMode(QSslSocket::VerifyNone);
            ssl->startServerEncryption();
            socket = ssl;
        } else {
            socket = new QTcpSocket(this);
            if (!socket->setSocketDescriptor(descriptor)) {
                delete socket;
                return;
            }
        }
        auto buffer = std::make_shared<QByteArray>();
        auto answered = std::make_shared<bool>(false);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer, answered] {
            const QByteArray data = socket->readAll();
            if (*answered)
                return;
            *buffer += data;
            FakeRequest request;
            FakeResponse response;
            switch (parseRequest(*buffer, request)) {
            case Parse::Incomplete:
                return;
            case Parse::Bad:
                response = FakeResponse::text("bad request", 400);
                break;
            case Parse::TooLarge:
                response = FakeResponse::text("too large", 413);
                break;
            case Parse::Done:
                response = m_owner->dispatch(request);
                break;
            }
            *answered = true;
            buffer->clear();
            switch (response.action) {
            case FakeResponse::Action::Silent:
                return;
            case FakeResponse::Action::Drip:
                drip(socket, response);
                return;
            case FakeResponse::Action::Drop:
                break;
            case FakeResponse::Action::Raw:
                socket->write(response.body);
                break;
            case FakeResponse::Action::Reply:
                socket->write(serialise(response));
                break;
            }
            socket->disconnectFromHost();
        });
        connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QAbstractSocket::errorOccurred, socket, &QObject::deleteLater);
    }

private:
    // One byte per tick on the socket's thread; the timer goes with the socket.
    static void drip(QTcpSocket *socket, const FakeResponse &response)
    {
        auto *timer = new QTimer(socket);
        auto sent = std::make_shared<int>(0);
        const QByteArray bytes = response.body;
        connect(timer, &QTimer::timeout, socket, [socket, timer, sent, bytes] {
            if (*sent >= bytes.size()) {
                timer->stop();
                return;
            }
            socket->write(bytes.constData() + *sent, 1);
            ++*sent;
        });
        timer->start(response.dripMs);
    }

    FakeHttpsServer::Private *m_owner;
};

// The server's thread: the listener and its sockets are made, run and
// deleted here. listening is set once the listener is up or has failed.
void serve(FakeHttpsServer::Private *d, std::promise<bool> listening)
{
    QEventLoop loop;
    ServerCore core(d);
    const bool ok = core.listen(QHostAddress::LocalHost, 0);
    d->port = ok ? core.serverPort() : 0;
    d->error = ok ? QString() : core.errorString();
    d->loop = ok ? &loop : nullptr;
    listening.set_value(ok);
    if (!ok)
        return;
    loop.exec();
    core.close();
    qDeleteAll(core.findChildren<QTcpSocket *>(QString(), Qt::FindDirectChildrenOnly));
}
} // namespace

FakeHttpsServer::FakeHttpsServer(Scheme scheme) : d(new Private)
{
    d->scheme = scheme;
}

FakeHttpsServer::~FakeHttpsServer()
{
    stop();
}

void FakeHttpsServer::setCertificates(const TestCertificates &certificates)
{
    d->certificates = certificates;
}

void FakeHttpsServer::route(const QByteArray &method, const QByteArray &path, FakeHandler handler)
{
    QMutexLocker lock(&d->mutex);
    d->routes.append(Route{method, path, std::move(handler)});
}

bool FakeHttpsServer::start()
{
    if (d->thread.joinable())
        return true;
    d->error.clear();
    if (d->scheme == Scheme::Https) {
        if (!d->certificates.isValid())
            d->certificates = TestCertificates::shared();
        if (!d->certificates.isValid()) {
            d->error = d->certificates.errorString;
            return false;
        }
        QFile cert(d->certificates.certFile);
        QFile key(d->certificates.keyFile);
        if (cert.open(QIODevice::ReadOnly))
            d->certificate = QSslCertificate(cert.readAll(), QSsl::Pem);
        if (key.open(QIODevice::ReadOnly))
            d->key = QSslKey(key.readAll(), QSsl::Ec, QSsl::Pem);
        if (d->certificate.isNull() || d->key.isNull()) {
            d->error = QStringLiteral("Cannot load the server certificate %1").arg(d->certificates.certFile);
            return false;
        }
    }
    std::promise<bool> listening;
    std::future<bool> up = listening.get_future();
    d->thread = std::thread(serve, d.get(), std::move(listening));
    if (!up.get()) {
        d->thread.join();
        return false;
    }
    return true;
}

void FakeHttpsServer::stop()
{
    if (!d->thread.joinable())
        return;
    QMetaObject::invokeMethod(d->loop, &QEventLoop::quit, Qt::QueuedConnection);
    d->thread.join();
    d->loop = nullptr;
    d->port = 0;
}

quint16 FakeHttpsServer::port() const
{
    return d->port;
}

QString FakeHttpsServer::baseUrl() const
{
    return QStringLiteral("%1://127.0.0.1:%2")
        .arg(d->scheme == Scheme::Https ? QStringLiteral("https") : QStringLiteral("http"))
        .arg(d->port);
}

QString FakeHttpsServer::caFile() const
{
    if (d->scheme == Scheme::Http)
        return {};
    return d->certificates.isValid() ? d->certificates.caFile : TestCertificates::shared().caFile;
}

QString FakeHttpsServer::errorString() const
{
    return d->error;
}

QList<FakeRequest> FakeHttpsServer::requests() const
{
    QMutexLocker lock(&d->mutex);
    return d->requests;
}

int FakeHttpsServer::requestCount() const
{
    QMutexLocker lock(&d->mutex);
    return d->requests.size();
}

void FakeHttpsServer::clearRequests()
{
    QMutexLocker lock(&d->mutex);
    d->requests.clear();
}

quint16 FakeHttpsServer::closedPort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

} // namespace bqfakes
