#include "qwebclient.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHostAddress>
#include <QHttpMultiPart>
#include <QMutex>
#include <QMutexLocker>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include "privatefile.h"
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslError>
#include <QTimer>
#include <QtDebug>

namespace {
struct Defaults
{
    QMutex mutex;
    int timeoutMs = 30000;
    QString caFile;
};

Defaults &defaults()
{
    static Defaults d;
    return d;
}

const QList<QSslCertificate> &systemCaCertificates()
{
    static const QList<QSslCertificate> cas = QSslConfiguration::systemCaCertificates();
    return cas;
}

bool isLoopbackHost(const QString &host)
{
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

// HTTPS anywhere; plain HTTP only to this machine.
QString refusalOf(const QUrl &url)
{
    if (!url.isValid() || url.host().isEmpty())
        return QStringLiteral("Invalid address: %1").arg(url.toDisplayString(QUrl::RemoveQuery | QUrl::RemoveUserInfo));
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https"))
        return {};
    if (scheme == QLatin1String("http") && isLoopbackHost(url.host()))
        return {};
    return QStringLiteral("Refused to send over %1 to %2: only HTTPS is allowed beyond this machine")
        .arg(scheme.isEmpty() ? QStringLiteral("an unknown scheme") : scheme, url.host());
}

QByteArray formEncoded(const QList<QPair<QString, QString>> &items)
{
    QByteArray out;
    for (const auto &item : items) {
        if (!out.isEmpty())
            out += '&';
        out += QUrl::toPercentEncoding(item.first) + '=' + QUrl::toPercentEncoding(item.second);
    }
    return out;
}

// A value inside a quoted header parameter: no quote, CR or LF may break out.
QByteArray quotedParameter(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    bytes.replace('"', "%22");
    bytes.replace('\r', "");
    bytes.replace('\n', "");
    return bytes;
}
} // namespace

QString httpStatusText(int status, const QString &reason)
{
    return status == 0 ? QString() : QStringLiteral("HTTP %1 %2").arg(status).arg(reason).trimmed();
}

QString withHttpStatus(int status, const QString &reason, const QString &failure)
{
    if (failure.isEmpty() || status == 0)
        return failure;
    return httpStatusText(status, reason) + QStringLiteral("; ") + failure;
}

QString webPageReply(const QByteArray &reply)
{
    const QByteArray head = reply.left(1024).trimmed().toLower();
    if (!head.startsWith("<!doctype html") && !head.contains("<html"))
        return QString();
    static const QRegularExpression title(QStringLiteral("<title[^>]*>([^<]*)</title>"),
                                          QRegularExpression::CaseInsensitiveOption);
    QString text = title.match(QString::fromUtf8(reply.left(64 * 1024))).captured(1).simplified();
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text.isEmpty() ? QStringLiteral("a web page") : QStringLiteral("a web page (\"%1\")").arg(text.left(200));
}

QWebClient::QWebClient(const QString &url, bool trace)
    : m_url(QUrl(url, QUrl::TolerantMode)), m_trace(trace), m_timeoutMs(defaultTimeout())
{
}

QWebClient::QWebClient(const QString &url, const QString &localPath, const QString &uploadName,
                       const QString &fileField, bool trace)
    : m_url(QUrl(url, QUrl::TolerantMode)),
      m_trace(trace),
      m_localPath(localPath),
      m_uploadName(uploadName),
      m_fileField(fileField),
      m_timeoutMs(defaultTimeout())
{
}

QWebClient::~QWebClient() = default;

void QWebClient::addQueryItem(const QString &name, const QString &value)
{
    m_items.append(qMakePair(name, value));
}

void QWebClient::setDefaultTimeout(int ms)
{
    Defaults &d = defaults();
    QMutexLocker lock(&d.mutex);
    d.timeoutMs = ms > 0 ? ms : 30000;
}

int QWebClient::defaultTimeout()
{
    Defaults &d = defaults();
    QMutexLocker lock(&d.mutex);
    return d.timeoutMs;
}

void QWebClient::setDefaultCaFile(const QString &path)
{
    Defaults &d = defaults();
    QMutexLocker lock(&d.mutex);
    d.caFile = path;
}

QString QWebClient::defaultCaFile()
{
    Defaults &d = defaults();
    QMutexLocker lock(&d.mutex);
    return d.caFile;
}

void QWebClient::reset()
{
    m_status = 0;
    m_reason.clear();
    m_body.clear();
    m_error.clear();
    m_timedOut = false;
}

bool QWebClient::fail(const QString &text)
{
    m_error = text;
    if (m_trace)
        qInfo().noquote() << "QWebClient" << m_url.toDisplayString(QUrl::RemoveQuery | QUrl::RemoveUserInfo)
                          << "failed:" << text;
    return false;
}

QUrl QWebClient::urlWithItems() const
{
    if (m_items.isEmpty())
        return m_url;
    QUrl url = m_url;
    QByteArray query = url.query(QUrl::FullyEncoded).toLatin1();
    if (!query.isEmpty())
        query += '&';
    query += formEncoded(m_items);
    url.setQuery(QString::fromLatin1(query), QUrl::StrictMode);
    return url;
}

QByteArray QWebClient::formBody() const
{
    return formEncoded(m_items);
}

bool QWebClient::prepare(QNetworkRequest &request, const QUrl &url)
{
    reset();
    const QString refusal = refusalOf(url);
    if (!refusal.isEmpty())
        return fail(refusal);
    request.setUrl(url);
    // Redirects are checked one by one against the same rule as the address.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);

    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
    const QString caPath = m_caFile.isEmpty() ? defaultCaFile() : m_caFile;
    if (!caPath.isEmpty()) {
        QFile file(caPath);
        QList<QSslCertificate> extra;
        if (file.open(QIODevice::ReadOnly))
            extra = QSslCertificate::fromData(file.readAll(), QSsl::Pem);
        if (extra.isEmpty())
            return fail(QStringLiteral("Cannot read a certificate authority from %1").arg(caPath));
        tls.setCaCertificates(systemCaCertificates() + extra);
    }
    request.setSslConfiguration(tls);
    return true;
}

bool QWebClient::run(const char *method, const QUrl &url, QNetworkRequest &request, const Issue &issue,
                     QIODevice *sink)
{
    QElapsedTimer clock;
    clock.start();
    QNetworkAccessManager manager;
    if (isLoopbackHost(url.host()))
        manager.setProxy(QNetworkProxy::NoProxy);
    QNetworkReply *reply = issue(manager, request);

    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QStringList tlsErrors;
    QString stopReason;
    qint64 downloaded = 0;

    auto take = [&] {
        if (!reply->isOpen())
            return;
        const QByteArray chunk = reply->readAll();
        if (chunk.isEmpty() || !stopReason.isEmpty())
            return;
        if (sink && downloaded + chunk.size() > m_maxDownloadBytes) {
            stopReason = QStringLiteral("The download is larger than %1 bytes").arg(m_maxDownloadBytes);
            reply->abort();
        } else if (sink) {
            downloaded += chunk.size();
            if (sink->write(chunk) != chunk.size()) {
                stopReason = QStringLiteral("Cannot write the downloaded file: %1").arg(sink->errorString());
                reply->abort();
            }
        } else if (m_body.size() + chunk.size() > MaxBodyBytes) {
            stopReason = QStringLiteral("The reply is larger than %1 bytes").arg(MaxBodyBytes);
            reply->abort();
        } else {
            m_body += chunk;
        }
    };
    // TLS errors are recorded, never ignored: the handshake then fails.
    QObject::connect(reply, &QNetworkReply::sslErrors, &loop, [&](const QList<QSslError> &errors) {
        for (const QSslError &e : errors)
            tlsErrors << e.errorString();
    });
    QObject::connect(reply, &QNetworkReply::redirected, &loop, [&](const QUrl &target) {
        const QString refusal = refusalOf(target);
        if (refusal.isEmpty()) {
            emit reply->redirectAllowed();
        } else {
            stopReason = QStringLiteral("Redirect refused: %1").arg(refusal);
            reply->abort();
        }
    });
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, take);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
        m_timedOut = true;
        reply->abort();
    });
    timer.start(m_timeoutMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    timer.stop();
    take();

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    m_status = status.isValid() ? status.toInt() : 0;
    const QString reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    m_reason = reason;
    const QNetworkReply::NetworkError error = reply->error();
    const QString errorString = reply->errorString();
    reply->disconnect();
    delete reply;

    if (m_timedOut)
        m_error = QStringLiteral("The request timed out after %1 ms").arg(m_timeoutMs);
    else if (!stopReason.isEmpty())
        m_error = stopReason;
    else if (m_status >= 300)
        m_error = httpStatusText(m_status, reason);
    else if (error == QNetworkReply::RemoteHostClosedError)
        m_error = QStringLiteral("The server closed the connection before a complete reply");
    else if (error != QNetworkReply::NoError)
        m_error = errorString;
    else if (m_status < 200)
        m_error = QStringLiteral("No HTTP status in the reply");
    if (!m_error.isEmpty() && !tlsErrors.isEmpty())
        m_error += QStringLiteral(" (%1)").arg(tlsErrors.join(QStringLiteral("; ")));

    const bool ok = m_error.isEmpty();
    if (m_trace) {
        const QString where = url.toDisplayString(QUrl::RemoveQuery | QUrl::RemoveUserInfo);
        if (ok)
            qInfo().noquote() << "QWebClient" << method << where << m_status << m_body.size() << "bytes"
                              << clock.elapsed() << "ms";
        else
            qInfo().noquote() << "QWebClient" << method << where << "failed after" << clock.elapsed()
                              << "ms:" << m_error;
    }
    return ok;
}

bool QWebClient::postBody(const QByteArray &body, const QByteArray &contentType, QString &reply,
                          const QList<QPair<QByteArray, QByteArray>> &headers)
{
    QNetworkRequest request;
    const QUrl url = urlWithItems();
    if (!prepare(request, url))
        return false;
    request.setHeader(QNetworkRequest::ContentTypeHeader, contentType);
    for (const auto &h : headers)
        request.setRawHeader(h.first, h.second);
    const bool ok = run("POST", url, request,
                        [&body](QNetworkAccessManager &m, const QNetworkRequest &r) { return m.post(r, body); },
                        nullptr);
    if (ok)
        reply = QString::fromUtf8(m_body);
    return ok;
}

bool QWebClient::post(QString &reply, const char *credentials, const char *scheme)
{
    QNetworkRequest request;
    if (!prepare(request, m_url))
        return false;
    if (credentials) {
        const QByteArray kind = scheme && *scheme ? QByteArray(scheme) : QByteArrayLiteral("Basic");
        request.setRawHeader("Authorization", kind + ' ' + QByteArray(credentials));
    }

    Issue issue;
    if (m_localPath.isEmpty()) {
        const QByteArray body = formBody();
        request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/x-www-form-urlencoded"));
        issue = [body](QNetworkAccessManager &m, const QNetworkRequest &r) { return m.post(r, body); };
    } else {
        auto file = new QFile(m_localPath);
        if (!file->open(QIODevice::ReadOnly)) {
            const QString text = QStringLiteral("Cannot read %1: %2").arg(m_localPath, file->errorString());
            delete file;
            return fail(text);
        }
        auto multi = new QHttpMultiPart(QHttpMultiPart::FormDataType);
        file->setParent(multi);
        QHttpPart filePart;
        filePart.setRawHeader("Content-Disposition", "form-data; name=\"" + quotedParameter(m_fileField)
                                                         + "\"; filename=\"" + quotedParameter(m_uploadName) + '"');
        filePart.setRawHeader("Content-Type", "application/octet-stream");
        filePart.setBodyDevice(file);
        multi->append(filePart);
        for (const auto &item : qAsConst(m_items)) {
            QHttpPart part;
            part.setRawHeader("Content-Disposition", "form-data; name=\"" + quotedParameter(item.first) + '"');
            part.setBody(item.second.toUtf8());
            multi->append(part);
        }
        issue = [multi](QNetworkAccessManager &m, const QNetworkRequest &r) {
            QNetworkReply *sent = m.post(r, multi);
            multi->setParent(sent);
            return sent;
        };
    }
    const bool ok = run("POST", m_url, request, issue, nullptr);
    if (ok)
        reply = QString::fromUtf8(m_body);
    return ok;
}

QString QWebClient::post()
{
    QString reply;
    return post(reply) ? reply : QString();
}

bool QWebClient::postJson(const QByteArray &json, QString &reply)
{
    return postBody(json, QByteArrayLiteral("application/json"), reply, {});
}

bool QWebClient::postSoapXML(const QByteArray &request, const char *contentType, QString &reply,
                             const char *soapAction, const char *authorization)
{
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray action = soapAction ? QByteArray(soapAction) : QByteArray();
    if (!action.startsWith('"'))
        action = '"' + action + '"';
    headers.append(qMakePair(QByteArrayLiteral("SOAPAction"), action));
    if (authorization)
        headers.append(qMakePair(QByteArrayLiteral("Authorization"), QByteArray(authorization)));
    const QByteArray type = contentType && *contentType ? QByteArray(contentType)
                                                        : QByteArrayLiteral("text/xml; charset=UTF-8");
    return postBody(request, type, reply, headers);
}

bool QWebClient::postSoapXML(const QString &request, const char *contentType, QString &reply,
                             const char *soapAction, const char *authorization)
{
    return postSoapXML(request.toUtf8(), contentType, reply, soapAction, authorization);
}

bool QWebClient::get(QString &reply)
{
    QNetworkRequest request;
    const QUrl url = urlWithItems();
    if (!prepare(request, url))
        return false;
    const bool ok = run("GET", url, request,
                        [](QNetworkAccessManager &m, const QNetworkRequest &r) { return m.get(r); }, nullptr);
    if (ok)
        reply = QString::fromUtf8(m_body);
    return ok;
}

bool QWebClient::download(const QString &filePath)
{
    QNetworkRequest request;
    const QUrl url = urlWithItems();
    if (!prepare(request, url))
        return false;
    ReplacingFile file(filePath);
    if (!file.open())
        return fail(QStringLiteral("Cannot write %1: %2").arg(filePath, file.errorString()));
    const bool ok = run("GET", url, request,
                        [](QNetworkAccessManager &m, const QNetworkRequest &r) { return m.get(r); }, &file);
    if (!ok) {
        file.cancel();
        return false;
    }
    if (!file.commit())
        return fail(cannotWriteText(filePath, file.errorString()));
    return true;
}
