#pragma once
#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QString>
#include <functional>
#include <memory>

#include "testcertificates.h"

namespace bqfakes {

// One part of a multipart/form-data body.
struct MultipartPart
{
    QByteArray name;
    QByteArray fileName;      // empty for a plain field
    QByteArray contentType;
    QByteArray data;
};

// One request as the server read it.
struct FakeRequest
{
    QByteArray method;        // "GET", "POST", ...
    QByteArray target;        // as sent: path and query
    QByteArray path;          // without the query
    QByteArray query;         // raw query, without '?'
    QList<QPair<QByteArray, QByteArray>> headers;   // names in lower case
    QByteArray body;

    QByteArray header(const QByteArray &name) const;     // case-insensitive; empty when absent
    QList<QPair<QString, QString>> queryItems() const;   // decoded items of the address's query
    QList<QPair<QString, QString>> formItems() const;    // decoded items of a form-urlencoded body
    QList<MultipartPart> parts() const;                  // parts of a multipart body
    QJsonObject json() const;                            // a JSON object body; empty otherwise
    // A field sent in the body: form item, JSON member (as text) or multipart
    // plain field, in that order of lookup. Never the address's query.
    QString bodyValue(const QString &name, bool *found = nullptr) const;
};

// What a route answers.
struct FakeResponse
{
    enum class Action {
        Reply,    // a well-formed HTTP/1.1 reply, then the connection is closed
        Raw,      // body written as it stands (a malformed reply), then closed
        Silent,   // nothing is ever written; the connection stays open until stop()
        Drop,     // the connection is closed without a byte
        Drip,     // body written one byte per tick; the connection then stays open until stop()
    };
    Action action = Action::Reply;
    int status = 200;
    QByteArray contentType = "text/plain; charset=UTF-8";
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers;
    int dripMs = 0;           // Drip: the tick

    static FakeResponse text(const QByteArray &body, int status = 200);
    static FakeResponse json(const QJsonObject &object, int status = 200);
    static FakeResponse raw(const QByteArray &bytes);
    static FakeResponse silent();
    static FakeResponse drop();
    // bytes (as they stand) one at a time, one every ms, and then nothing more
    static FakeResponse drip(const QByteArray &bytes, int ms);
};

using FakeHandler = std::function<FakeResponse(const FakeRequest &)>;

// An HTTP/1.1 server on 127.0.0.1 with route handlers, running on its own
// thread (so blocking clients and event-loop clients both work against it).
// HTTPS by default, with TestCertificates::shared() unless others are given.
// Handlers run on the server's thread; the server keeps every request it read.
class FakeHttpsServer
{
public:
    enum class Scheme { Https, Http };
    explicit FakeHttpsServer(Scheme scheme = Scheme::Https);
    ~FakeHttpsServer();   // stops

    FakeHttpsServer(const FakeHttpsServer &) = delete;
    FakeHttpsServer &operator=(const FakeHttpsServer &) = delete;

    // Before start(): the certificate and key the server presents.
    void setCertificates(const TestCertificates &certificates);
    // method "*" matches any method; path is matched exactly, without the query,
    // or, when it ends in '*', as a prefix ("/api/items/*").
    // Unknown paths get 404; a known path with another method 405.
    void route(const QByteArray &method, const QByteArray &path, FakeHandler handler);

    // Listens on 127.0.0.1 on a free port; false with errorString() on failure.
    bool start();
    void stop();

    quint16 port() const;
    QString baseUrl() const;          // "https://127.0.0.1:<port>" (or http)
    QString url(const QString &path) const { return baseUrl() + path; }
    QString caFile() const;           // the authority clients must trust
    QString errorString() const;

    QList<FakeRequest> requests() const;
    int requestCount() const;
    void clearRequests();

    // A port on 127.0.0.1 on which nothing listens (for refused connections).
    static quint16 closedPort();

    // Largest request accepted (headers and body); a larger one gets 413.
    static constexpr int MaxRequestBytes = 16 * 1024 * 1024;

    struct Private;

private:
    std::unique_ptr<Private> d;
};

} // namespace bqfakes
