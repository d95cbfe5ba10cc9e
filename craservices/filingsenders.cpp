#include "filingsenders.h"
#include "dlgfilingterm.h"
#include "filingconfig.h"
#include "filingdialogsupport.h"
#include "filinglog.h"
#include "messages.h"
#include "qwebclient.h"
#include "replyparsers.h"
#include "soapenvelopes.h"
#include "textandtime.h"
#include "tlsw3client.h"
#include <QApplication>
#include <QDialog>
#include <QHostInfo>
#include <QLibrary>
#include <QStringList>
#include <QTcpSocket>
#include <exception>
#include "mytixmlhandle.h"
#include <tinyxml.h>

const char RefileTermsPage[] = "https://www.canada.ca/en/revenue-agency/services/e-services/e-services-individuals/"
                               "netfile-overview/refile-terms-conditions-privacy-notice.html";

namespace {

const char kContentType[] = "text/xml; charset=UTF-8";
const char kEfilePath[] = "/ebci/pfeo/ws/services/FileReturnService";
const char kNetfilePath[] = "/ebci/pfno/ws/services/FileReturnService";
const char kT1013Path[] = "/ebci/tdws/esub/services/TRISWebService";
const char kPadPath[] = "/ebci/rjpt/epads_ws/services/PadService";
const char kT1135Path[] = "/ebci/efes/frrms/ws/services/FileFormService";

QByteArray line(const QString &text)
{
    return text.toUtf8() + '\n';
}

// A redirect is never followed: a filing goes to the configured server only.
// "" for any other status.
QString redirectFailure(int status, const QString &location)
{
    if (status < 300 || status >= 400)
        return QString();
    if (location.trimmed().isEmpty())
        return QStringLiteral("the server redirected the request; the redirect was not followed");
    return QStringLiteral("the server redirected the request to %1; the redirect was not followed")
        .arg(location.trimmed().left(200));
}

// One TLS exchange: connected tells whether the session came up; true with the reply body.
struct TlsExchange
{
    bool connected = false;
    bool replied = false;
    RawHTTPSoapResponseStru raw;
    QByteArray reply;

    // What was wrong with a reply that was not understood, after the HTTP status it came with.
    QString withStatus(const QString &failure) const
    {
        return withHttpStatus(raw.statusCode, raw.reasonPhrase, failure);
    }
    // A redirect's failure, "" for any other reply.
    QString redirect() const { return redirectFailure(raw.statusCode, raw.location); }
    // Why no reply came; once the request went out, the CRA may have the filing.
    QString failure() const
    {
        if (!raw.requestSent)
            return raw.errorText;
        return raw.errorText + QStringLiteral("; the request was sent, so the CRA may have the filing: check its "
                                              "status with the CRA before filing it again");
    }
};

TlsExchange postOverTls(const QString &hostValue, const char *path, const QByteArray &request)
{
    TlsExchange x;
    TLSW3Client client;
    x.connected = client.Connect(hostValue, 443);
    if (!x.connected) {
        x.raw.errorText = client.errorText();
        return x;
    }
    x.replied = client.CallSoap(path, false, kContentType, request.constData(), request.size(), x.raw);
    if (x.replied)
        x.reply = x.raw.body.bytes();
    return x;
}

void hostAndPort(const QString &value, QString &host, int &port)
{
    if (!TLSW3Client::splitHostPort(value, host, port, 443)) {
        host = value;
        port = 443;
    }
}

void probeGnuTls(FilingLog &log)
{
    QStringList errors;
    for (const char *name : {"libgnutls.so.30", "libgnutls.so.28", "libgnutls.so.29", "gnutls"}) {
        QLibrary lib(QString::fromLatin1(name));
        if (lib.load()) {
            lib.unload();
            log.write(QStringLiteral("GnuTLS load OK: %1\n").arg(QLatin1String(name)));
            return;
        }
        errors << QLatin1String(name) + QLatin1String(": ") + lib.errorString();
    }
    log.write(QStringLiteral("GnuTLS load FAIL: %1\n").arg(errors.join(QStringLiteral(" | "))));
}

// Written after a failed TLS connection of the EFILE request.
void runDiagnostics(FilingLog &log, const QString &hostValue)
{
    QString host;
    int port = 443;
    hostAndPort(hostValue, host, port);
    log.write(QStringLiteral("TLS Connect failed.\nserver: %1\nport: %2\nTLS diagnostics begin\n").arg(hostValue).arg(port));
    probeGnuTls(log);
    const QHostInfo info = QHostInfo::fromName(host);
    if (info.error() != QHostInfo::NoError) {
        log.write(QStringLiteral("DNS FAIL: %1\n").arg(info.errorString()));
    } else {
        QStringList addresses;
        for (const QHostAddress &a : info.addresses())
            addresses << a.toString();
        log.write(QStringLiteral("DNS OK: %1\n").arg(addresses.join(QStringLiteral(", "))));
    }
    QTcpSocket socket;
    socket.connectToHost(host, quint16(port), QIODevice::ReadWrite, QAbstractSocket::AnyIPProtocol);
    if (socket.waitForConnected(5000)) {
        log.write("TCP OK: connected\n");
        socket.disconnectFromHost();
    } else {
        log.write(QStringLiteral("TCP FAIL: %1\n").arg(socket.errorString()));
    }
    log.write("TLS diagnostics end\n");
    log.flush();
}

enum class EfileRoad { Replied, Failed, SentNoReply };

// What the EFILE post brought back: the reply and the HTTP status it came
// with, or why none came.
struct EfilePost
{
    EfileRoad road = EfileRoad::Failed;
    QByteArray reply;
    int status = 0;
    QString reason;
    QString location;
    QString failure;
};

// Steps 6 to 9 of the EFILE exchange: TLS, else (when nothing was sent) the fallback client.
EfilePost postEfile(FilingLog &log, const FilingConfig &cfg, const QByteArray &request)
{
    EfilePost post;
    TlsExchange x = postOverTls(cfg.eolServer, kEfilePath, request);
    post.failure = x.raw.errorText;
    if (x.replied) {
        post.road = EfileRoad::Replied;
        post.reply = x.reply;
        post.status = x.raw.statusCode;
        post.reason = x.raw.reasonPhrase;
        post.location = x.raw.location;
        return post;
    }
    if (x.connected) {
        log.write("TLS CallSoap failed.\n");
        log.write(QStringLiteral("tlsRespCode: %1\n").arg(x.raw.responseCode));
        log.write(QStringLiteral("tlsError: %1\n").arg(x.raw.errorText));
        if (x.raw.requestSent) {
            // A second post could file the return twice.
            log.write("The request was sent but no complete reply came: the CRA may have the return. "
                      "Check its filing status before filing it again.\n");
            post.road = EfileRoad::SentNoReply;
            return post;
        }
    } else if (log.isOpen()) {
        log.write(QStringLiteral("tlsError: %1\n").arg(x.raw.errorText));
        runDiagnostics(log, cfg.eolServer);
    }
    QWebClient web(QStringLiteral("https://") + cfg.eolServer + QLatin1String(kEfilePath), false);
    QString text;
    bool ok = web.postSoapXML(request, kContentType, text, nullptr, nullptr);
    if (ok) {
        post.reply = text.toUtf8();
    } else if (web.responseCode() != 0 && !web.responseBody().isEmpty()) {
        // An error status with a body (a SOAP fault comes with 500) is still the CRA's reply.
        post.reply = web.responseBody();
        ok = true;
    }
    post.status = web.responseCode();
    post.reason = web.reasonPhrase();
    log.write(QStringLiteral("Fallback to QWebClient: %1\n").arg(ok ? QStringLiteral("success") : QStringLiteral("failed")));
    if (!ok && !web.errorText().isEmpty() && web.errorText() != post.failure)
        post.failure += QStringLiteral("; then ") + web.errorText();
    post.road = ok ? EfileRoad::Replied : EfileRoad::Failed;
    return post;
}

int efileExchange(FilingLog &log, const FilingConfig &cfg, const QByteArray &request, FilingResult &result)
{
    const EfilePost post = postEfile(log, cfg, request);
    if (post.road != EfileRoad::Replied)
        result.failure = post.failure;
    if (post.road == EfileRoad::SentNoReply) {
        result.resultCode = QString::number(EfileSentNoReply);
        result.detail = QStringLiteral("The return was sent but no complete reply came back; check its filing "
                                       "status with the CRA before filing it again.");
        result.message = result.detail;
        log.writeReason(result.failure);
        return EfileSentNoReply;
    }
    if (post.road == EfileRoad::Failed) {
        log.write("use tls\n");
        log.write("EFile web service failed, make sure VPN/Firewall is off and try again.\n");
        log.writeReason(post.failure);
        return 106;
    }
    if (cfg.fullLog)
        log.write(post.reply + ".\n\n");
    const QString redirect = redirectFailure(post.status, post.location);
    if (!redirect.isEmpty()) {
        result.resultCode = "-1";
        result.detail = QStringLiteral("CRA system returns invalid response.");
        result.failure = withHttpStatus(post.status, post.reason, redirect);
        log.writeReason(result.failure);
        return EfileNoFilingResult;
    }
    const int rc = parseEfileResponse(log.isOpen() ? &log : nullptr, post.reply, 1, result);
    result.failure = withHttpStatus(post.status, post.reason, result.failure);
    log.writeReason(result.failure);
    return rc;
}

} // namespace

int sendEfileRequest(TemplateVars &vars, const QByteArray &document, FilingResult &result)
{
    const CString time = GetCurTime(0);
    const FilingConfig cfg = currentFilingConfig();
    FilingLog log;
    log.open(cfg.exchangeLogPath, false);
    vars.insert("origip", "0.0.0.0");
    QByteArray request;
    if (buildEfileSoapFromReturnXml(1, vars, document, request) != 0) {
        log.write("Efile request creation failed.\n");
        return 104;
    }
    if (cfg.modeDebug || cfg.fullLog) {
        log.write("use tls\n");
        log.write(request);
        log.flush();
        log.setQuiet(!cfg.fullLog);   // the request, and later only why it failed
    } else {
        log.write(line(cfg.eolServer));
        log.write(line(time));
        log.flush();
    }
    try {
        return efileExchange(log, cfg, request, result);
    } catch (...) {
        log.write("use tls\n");
        log.write("Please try again, make sure VPN is off and Brackenquill is permitted by firewall.\n");
        log.flush();
        return 200;
    }
}

int sendNetfileRequest(TemplateVars &vars, const QByteArray &document, FilingResult &result)
{
    const CString time = GetCurTime(0);
    const FilingConfig cfg = currentFilingConfig();
    FilingLog log;
    log.open(cfg.exchangeLogPath, false);
    vars.insert("origip", "0.0.0.0");
    QByteArray request;
    if (buildNetfileSoapFromReturnXml(1, vars, document, request) != 0) {
        result.detail += QStringLiteral(" cannot assemble Netfile request.\n");
        log.write(" cannot assemble Netfile request.\n");
        return -10;
    }
    if (cfg.modeDebug || cfg.fullLog) {
        log.write(request);
        log.flush();
        log.setQuiet(!cfg.fullLog);
    } else {
        log.write(line(cfg.netfileServer));
        log.write(line(time));
    }
    try {
        const TlsExchange x = postOverTls(cfg.netfileServer, kNetfilePath, request);
        if (!x.replied) {
            result.detail += QStringLiteral(" Online filing failed.\n");
            result.failure = x.failure();
            log.write("\n" + x.reply + "\n");
            log.writeReason(result.failure);
            return -20;
        }
        if (cfg.fullLog)
            log.write("\n" + x.reply + "\n");
        if (!x.redirect().isEmpty()) {
            result.confirmed = false;
            result.detail = QStringLiteral("response error");
            result.failure = x.withStatus(x.redirect());
            log.writeReason(result.failure);
            return 1;
        }
        const bool unreadable = parseNetfileResponse(log.isOpen() ? &log : nullptr, 1, x.reply, result);
        result.failure = x.withStatus(result.failure);
        log.writeReason(result.failure);
        return unreadable ? 1 : 0;
    } catch (...) {
        result.detail += QStringLiteral(" Exception occurred.\n");
        log.write(" Exception occurred.\n");
        return -99;
    }
}

int requestNetfileTerms(FilingResult &result, bool refile)
{
    const CString time = GetCurTime(0);
    const FilingConfig cfg = currentFilingConfig();
    FilingLog log;
    log.open(cfg.exchangeLogPath, true);
    log.write(QStringLiteral("\n\n%1 \n").arg(time));
    TemplateVars vars;
    vars.insert("termrequestkw", refile ? "RefileTermsAndConditionsRequest" : "TermsAndConditionsRequest");
    QByteArray request;
    if (processTemplatePartInString(request, QStringLiteral(":/net/net/nwsreq.xmt"), vars, TemplateLatin1) != 0) {
        result.detail += QStringLiteral(" cannot assemble request of Netfile Term and Agreement.\n");
        log.write(result.detail);
        return -9;
    }
    log.write(line(cfg.netfileServer));
    try {
        const TlsExchange x = postOverTls(cfg.netfileServer, kNetfilePath, request);
        if (!x.replied) {
            result.detail += QStringLiteral(" read Netfile Term failed or network interruption.\n");
            result.failure = x.raw.errorText;
            log.write("use tls\n");
            log.write(result.detail);
            log.writeReason(result.failure);
            return -50;
        }
        if (cfg.modeDebug) {
            log.write("use tls\n");
            log.write(x.reply);
        }
        if (!x.redirect().isEmpty()) {
            result.confirmed = false;
            result.detail += QStringLiteral(" parses Netfile Term failed.\n");
            result.failure = x.withStatus(x.redirect());
            log.write(result.detail);
            log.writeReason(result.failure);
            return 51;
        }
        if (parseNetfileTermsResponse(x.reply, result) != 0) {
            result.detail += QStringLiteral(" parses Netfile Term failed.\n");
            result.failure = x.withStatus(result.failure);
            log.write(result.detail);
            log.writeReason(result.failure);
            return 51;
        }
        return 0;
    } catch (...) {
        log.write("use tls\n");
        log.write("Please try again, make sure VPN is off and Brackenquill is allowed by firewall.\n");
        return -99;
    }
}

int askNetfileTerms(int &agreement, bool refile, QWidget *parent)
{
    FilingResult terms(0);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int rc = requestNetfileTerms(terms, refile);
    QApplication::restoreOverrideCursor();
    if (rc != 0) {
        const QString text = QStringLiteral("Msg: %1; Code: %2.").arg(terms.detail).arg(rc);
        messageHandler()->information(nullptr, gMsgGetTitle(), withReason(text, terms.failure));
        return rc;
    }
    DlgFilingTerm dlg(refile ? 1 : 0, parent);
    dlg.loadTerms(terms.message, refile ? QString::fromLatin1(RefileTermsPage) : QString(terms.detail),
                  terms.confirmation, ":/net/net/netfileterm.txt");
    if (dlg.exec() == QDialog::Accepted) {
        agreement = 1;
        return 0;
    }
    agreement = 2;
    return 10;
}

int sendTrisOrPadRequest(bool isT1013, TemplateVars &vars, const QString &body, FormFilingReply &reply)
{
    const CString time = GetCurTime(0);
    const FilingConfig cfg = currentFilingConfig();
    FilingLog log;
    log.open(cfg.exchangeLogPath, false);
    CString request;
    if (buildTrisSoap(isT1013, vars, body, request) != 0) {
        reply.responseText = QStringLiteral("request creation failed.");
        log.write(QStringLiteral("\n\n%1\n").arg(time));
        log.write("request creation failed.\n");
        log.write(reply.responseText.toUtf8() + "\n\n");
        return -1;
    }
    const QByteArray bytes = request.toUtf8();
    if (cfg.modeDebug)
        log.write(bytes);
    else
        log.write(QStringLiteral("\n\n%1\n").arg(time));
    try {
        const TlsExchange x = postOverTls(cfg.t1013Server, isT1013 ? kT1013Path : kPadPath, bytes);
        if (!x.replied) {
            reply.responseText = QStringLiteral("web service failed.");
            reply.failure = x.failure();
            log.write("T1013 web service failed.\n");
            log.writeReason(reply.failure);
            log.write(reply.responseText.toUtf8() + "\n\n");
            return -10;
        }
        log.write(x.reply + "\n\n");
        const QByteArray xml = cutFormReply(x.reply);
        log.write("xml=>\n" + xml);
        // only the CRA's own XML is its answer: a web page or anything else is a failed exchange
        TiXmlDocument doc;
        QString failure = x.redirect();
        if (failure.isEmpty())
            failure = parseFormReply(x.reply, xml, doc, isT1013);
        if (!failure.isEmpty()) {
            reply.responseText = QStringLiteral("response parse failed.");
            reply.failure = x.withStatus(failure);
            log.write("cannot parse returned response.\n");
            log.writeReason(reply.failure);
            return -100;
        }
        const int rc = isT1013 ? parseTrisResponse(doc.FirstChildElement(), reply)
                               : parsePadResponse(doc.FirstChildElement(), reply);
        log.write(reply.responseText.toUtf8() + "\n\n");
        return rc;
    } catch (...) {
        reply.responseText = QStringLiteral("web service exception failed.");
        log.write("Please try again, make sure Brackenquill is allowed by firewall to use Internet.\n");
        return -99;
    }
}

int sendT1135Request(TemplateVars &vars, const QByteArray &document, T1135FilingReply &reply)
{
    const CString time = GetCurTime(0);
    const FilingConfig cfg = currentFilingConfig();
    FilingLog log;
    log.open(cfg.exchangeLogPath, false);
    vars.insert("origip", "0.0.0.0");
    QByteArray request;
    if (buildEfileSoapFromReturnXml(0, vars, document, request) != 0) {
        log.write("T1135 request creation failed.\n");
        return -1;
    }
    if (cfg.modeDebug)
        log.write(request);
    else
        log.write(line(time));
    try {
        const TlsExchange x = postOverTls(cfg.eolServer, kT1135Path, request);
        if (!x.replied) {
            reply.failure = x.failure();
            log.write("T1135 web service failed.\n");
            log.writeReason(reply.failure);
            return -10;
        }
        log.write("\n" + x.reply + "\n");
        if (!x.redirect().isEmpty()) {
            reply.failure = x.withStatus(x.redirect());
            log.writeReason(reply.failure);
            return EfileNoFilingResult;
        }
        FilingResult result(101);
        const int rc = parseEfileResponse(log.isOpen() ? &log : nullptr, x.reply, 101, result);
        if (rc == 0) {
            reply.confirmed = result.confirmed ? 1 : 0;
            if (result.confirmed)
                reply.confirmation = result.confirmation;
            reply.resultCode = result.resultCode;
            reply.message = result.message;
        }
        reply.failure = x.withStatus(result.failure);
        log.writeReason(reply.failure);
        return rc;
    } catch (...) {
        log.write("Please try again, make sure Brackenquill is permitted by firewall to use Internet.\n");
        return -99;
    }
}
