#pragma once
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

// In plain words for messages: "HTTP 503 Service Unavailable" ("" for status 0).
QString httpStatusText(int status, const QString &reason);
// A failure after the status its reply came with ("HTTP 503 Service Unavailable;
// the reply is a web page ..."); the failure alone for status 0 or no failure.
QString withHttpStatus(int status, const QString &reason, const QString &failure);
// A reply that is a web page where XML was asked for: "a web page ("<its
// title>")"; "" for any other reply.
QString webPageReply(const QByteArray &reply);

class QNetworkAccessManager;
class QNetworkReply;
class QNetworkRequest;
class QIODevice;

// Synchronous HTTPS client. Every call runs a local event loop until the reply
// ends or the time-out expires, so it may be used on the GUI thread or on a
// worker thread; it never hangs: a time-out, a refused connection, a TLS
// failure and a malformed reply each end with false and an error text.
//
// Certificates are always checked. A further certificate authority (a PEM
// file) is trusted in addition to the system's through setCaFile on one client
// or setDefaultCaFile for the whole process (the application sets it from its
// configuration). Plain HTTP is refused except to a loopback address.
//
// Request items added with addQueryItem travel, in call order, as
//  - post: an application/x-www-form-urlencoded body;
//  - the file constructor's post: the parts of a multipart/form-data body,
//    after the file part;
//  - get, download, postJson and postSoapXML: the address's query.
class QWebClient
{
public:
    // trace: log each exchange (method, address without its query, status,
    // size, time or error) to the Qt information log.
    explicit QWebClient(const QString &url, bool trace = false);
    // Multipart upload of the file at localPath, sent under uploadName in the
    // form field fileField.
    QWebClient(const QString &url, const QString &localPath, const QString &uploadName, const QString &fileField,
               bool trace = false);
    ~QWebClient();

    QWebClient(const QWebClient &) = delete;
    QWebClient &operator=(const QWebClient &) = delete;

    void addQueryItem(const QString &name, const QString &value);
    const QList<QPair<QString, QString>> &queryItems() const { return m_items; }
    QUrl url() const { return m_url; }

    // POST of the items (form or multipart body). credentials, when not null,
    // go in an "Authorization: <scheme> <credentials>" header (Base64 of
    // "user:password" with "Basic", a token with "Bearer"). True when a
    // complete reply with a 2xx status came; reply gets its body as UTF-8.
    bool post(QString &reply, const char *credentials = nullptr, const char *scheme = "Basic");
    // The same without credentials; the reply text, empty on failure.
    QString post();
    // POST of a JSON document (application/json).
    bool postJson(const QByteArray &json, QString &reply);
    // SOAP 1.1 POST: contentType null means "text/xml; charset=UTF-8"; the
    // SOAPAction header carries soapAction (empty when null); authorization,
    // when not null, is the Authorization header's value.
    bool postSoapXML(const QByteArray &request, const char *contentType, QString &reply,
                     const char *soapAction = nullptr, const char *authorization = nullptr);
    bool postSoapXML(const QString &request, const char *contentType, QString &reply,
                     const char *soapAction = nullptr, const char *authorization = nullptr);
    bool get(QString &reply);
    // GET into filePath; the file is replaced only when the whole body came.
    bool download(const QString &filePath);

    // Of the last call: the HTTP status (0 when no reply came) and its reason, the raw body
    // (empty after a download) and the error text (empty after success).
    int responseCode() const { return m_status; }
    QString reasonPhrase() const { return m_reason; }
    QByteArray responseBody() const { return m_body; }
    QString errorText() const { return m_error; }
    bool timedOut() const { return m_timedOut; }

    // Time-out of a whole call in milliseconds.
    void setTimeout(int ms) { m_timeoutMs = ms > 0 ? ms : defaultTimeout(); }
    int timeout() const { return m_timeoutMs; }
    void setCaFile(const QString &path) { m_caFile = path; }
    QString caFile() const { return m_caFile; }

    static void setDefaultTimeout(int ms);
    static int defaultTimeout();
    static void setDefaultCaFile(const QString &path);
    static QString defaultCaFile();

    // Largest body kept in memory; a longer reply fails.
    static constexpr qint64 MaxBodyBytes = 64 * 1024 * 1024;
    // Largest download; a longer one fails and the earlier file stays.
    static constexpr qint64 DefaultMaxDownloadBytes = 256 * 1024 * 1024;
    void setMaxDownloadBytes(qint64 bytes) { m_maxDownloadBytes = bytes > 0 ? bytes : DefaultMaxDownloadBytes; }

private:
    using Issue = std::function<QNetworkReply *(QNetworkAccessManager &, const QNetworkRequest &)>;
    bool run(const char *method, const QUrl &url, QNetworkRequest &request, const Issue &issue, QIODevice *sink);
    bool prepare(QNetworkRequest &request, const QUrl &url);
    bool postBody(const QByteArray &body, const QByteArray &contentType, QString &reply,
                  const QList<QPair<QByteArray, QByteArray>> &headers);
    QUrl urlWithItems() const;
    QByteArray formBody() const;
    void reset();
    bool fail(const QString &text);

    QUrl m_url;
    bool m_trace = false;
    QString m_localPath;
    QString m_uploadName;
    QString m_fileField;
    QList<QPair<QString, QString>> m_items;
    QString m_caFile;
    int m_timeoutMs;
    qint64 m_maxDownloadBytes = DefaultMaxDownloadBytes;

    int m_status = 0;
    QString m_reason;
    QByteArray m_body;
    QString m_error;
    bool m_timedOut = false;
};
