#include "tddwebservice.h"
#include "cryptocoding.h"
#include "mytixmlhandle.h"
#include "qwebclient.h"
#include "tddconfig.h"
#include "tddlogfile.h"
#include "tddprogresssink.h"
#include "tddstorage.h"
#include "templatefiller.h"
#include "textandtime.h"
#include "utils.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDesktopServices>
#include <QRandomGenerator>
#include <QThread>
#include <cmath>

TddProgressSink::~TddProgressSink() = default;

namespace {
std::atomic<int> gWaitPercent{100};
std::atomic<int> gTokenGraceMs{TddWebService::DefaultTokenGraceMs};
std::mutex gOpenerMutex;
TddWebService::BrowserOpener gOpener;

constexpr int NonceBytes = 16;
constexpr int MaxStagedSins = 10;
constexpr int GetDataTries = 3;

// 16 fresh bytes of the system's random generator.
QByteArray freshNonce()
{
    QByteArray nonce(NonceBytes, '\0');
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(nonce.data()), NonceBytes / 4);
    return nonce;
}

// The variables shared by both requests: user name, time, nonce and digest.
TemplateVars tokenVars(const CString &taxYear, int mode)
{
    CString spID, secret;
    selectServiceCredentials(mode, spID, secret);
    const QByteArray created = getXMLDateTimeString(true).toUtf8();
    const QByteArray nonce = freshNonce();
    QByteArray digest;
    passwordDigest(secret.toUtf8(), created, nonce, digest);
    TemplateVars vars;
    vars.insert("username", spID);
    vars.insert("timestamp", CString(QString::fromUtf8(created)));
    vars.insert("nonce", CString(QString::fromLatin1(Base64encode(nonce))));
    vars.insert("digest", CString(QString::fromLatin1(digest)));
    vars.insert("taxyear", taxYear);
    return vars;
}

int templateOption(int mode)
{
    return mode == 1 ? TemplateLatin1 : TemplateUtf8;
}

QString serviceAddress(const TddConfig &config, const CString &taxYear, int mode)
{
    return QStringLiteral("https://") + config.serviceHost + config.servicePath + taxYear
           + (mode == 1 ? config.dataServiceName : config.noaServiceName);
}

const char *webServicePath(int mode)
{
    return mode == 1 ? "/gol-ged/awsc/tdd/ws" : "/gol-ged/awsc/tdd/ws/noa";
}

QByteArray xmlEscaped(const std::string &text)
{
    return QString::fromUtf8(text.c_str()).toHtmlEscaped().toUtf8();
}
} // namespace

// ---- free functions ----

void selectServiceCredentials(const TddConfig &config, int mode, CString &spID, CString &secret)
{
    spID = CString(config.softwareCode + (mode == 1 ? QStringLiteral("J") : QStringLiteral("T")));
    const bool code095 = config.softwareCode.compare(QLatin1String("095"), Qt::CaseInsensitive) == 0;
    secret = CString(code095 ? config.secret095 : config.secretOther);
}

void selectServiceCredentials(int mode, CString &spID, CString &secret)
{
    selectServiceCredentials(currentTddConfig(), mode, spID, secret);
}

void passwordDigest(const QByteArray &secret, const QByteArray &created, const QByteArray &nonce, QByteArray &out)
{
    out = Base64encode(SHA1(nonce + created + secret));
}

int buildStageRequest(const CString &taxYear, int mode, QByteArray &out)
{
    TemplateVars vars = tokenVars(taxYear, mode);
    vars.insert("tagstage", CString(mode == 1 ? "StageTDDEFile" : "StageNOA"));
    const QString path = mode == 1 ? QStringLiteral(":/tdd/tdd/tdd001.xmt") : QStringLiteral(":/tdd/tdd/noa001.xmt");
    return processTemplatePartInString(out, path, vars, templateOption(mode));
}

int buildGetRequest(const CString &taxYear, int mode, const QByteArray &token, QByteArray &out)
{
    TemplateVars vars = tokenVars(taxYear, mode);
    vars.insert("tagdata", CString(mode == 1 ? "GetTDDEFile" : "GetNOA"));
    vars.insert("tokenA", CString(QString::fromUtf8(token)));
    const QString path = mode == 1 ? QStringLiteral(":/tdd/tdd/tdd004.xmt") : QStringLiteral(":/tdd/tdd/noa004.xmt");
    return processTemplatePartInString(out, path, vars, templateOption(mode));
}

int parseSoapResponse(const QByteArray &reply, const char *responseElement, const char *valueElement,
                      TddServiceReply &out)
{
    TiXmlDocument doc;
    if (!parseXmlText(doc, reply)) {
        out.message = "response parse error";
        return 1;
    }
    const MyTiXmlHandle body = MyTiXmlHandle(&doc).FirstChildElement().FirstChildElement("soapenv:Body");
    const TiXmlElement *response = MyTiXmlHandle::findChild(body.ToNode(), responseElement, "ns");
    if (response) {
        out.returnCode = getElementSubEleStringText(response, "ReturnCode", "ns");
        out.value = getElementSubEleStringText(response, valueElement, "ns").toStdStringUTF8();
        return 0;
    }
    const MyTiXmlHandle fault = body.FirstChildElement("soapenv:Fault");
    out.fault = fault.exists();
    const MyTiXmlHandle text = fault.FirstChildElement("faultstring");
    out.message = text.exists() ? text.text() : CString("Error: no response and Fault");
    return 10;
}

void authUrlKey(int mode, CString &key, const QString &timeStamp, const QByteArray &encodedPath,
                const QString &language, const QByteArray &encodedTokenAndYear)
{
    const TddConfig config = currentTddConfig();
    CString spID, secret;
    selectServiceCredentials(config, mode, spID, secret);
    QByteArray message = spID.toUtf8();
    message += urlEncode(config.signInHost + config.signInPath);
    message += timeStamp.toUtf8();
    message += encodedPath;
    message += language.toUtf8();
    message += encodedTokenAndYear;
    const QByteArray mac = hmacSha256(message, secret.toUtf8());
    key = CString(QString::fromLatin1(urlEncode(Base64encode(mac))));
}

// ---- TddWebService ----

TddWebService::TddWebService() = default;

TddWebService::~TddWebService() = default;

void TddWebService::setRequest(const CString &taxYear, short mode)
{
    m_taxYear = taxYear;
    m_taxYearNumber = taxYear.toInt();
    m_mode = mode;
    std::lock_guard<std::mutex> lock(m_cancelMutex);
    m_cancelled = false;
    m_offeredTokens.clear();
    setFailure(QString());
}

bool TddWebService::setBusy()
{
    bool expected = false;
    return m_busy.compare_exchange_strong(expected, true);
}

void TddWebService::clearBusy()
{
    m_busy = false;
}

bool TddWebService::isBusy() const
{
    return m_busy.load();
}

void TddWebService::setProgressDialog(TddProgressSink *sink)
{
    std::lock_guard<std::mutex> lock(m_sinkMutex);
    m_sink = sink;
}

bool TddWebService::hasProgressDialog()
{
    std::lock_guard<std::mutex> lock(m_sinkMutex);
    return m_sink != nullptr;
}

int TddWebService::reportProgress(int step, int code)
{
    std::lock_guard<std::mutex> lock(m_sinkMutex);
    if (!m_sink || !m_sink->acceptsProgress())
        return 1;
    m_sink->setProgress(step, code);
    return 0;
}

void TddWebService::cancel()
{
    std::lock_guard<std::mutex> lock(m_cancelMutex);
    m_cancelled = true;
    m_cancelWake.notify_all();
    // ends the event loop of a post in flight, and every later one of that thread
    if (m_postThread)
        m_postThread->exit(1);
}

bool TddWebService::waitFor(int ms)
{
    std::unique_lock<std::mutex> lock(m_cancelMutex);
    m_cancelWake.wait_for(lock, std::chrono::milliseconds(scaledMs(ms)), [this] { return m_cancelled.load(); });
    return !m_cancelled;
}

bool TddWebService::offerToken(const QByteArray &rawToken)
{
    const QByteArray token = urlDecode(rawToken);
    if (token.size() < 6)
        return false;
    std::lock_guard<std::mutex> lock(m_cancelMutex);
    if (m_offeredTokens.size() >= MaxOfferedTokens)
        return false;
    m_offeredTokens.push_back(token);
    m_cancelWake.notify_all();
    return true;
}

void TddWebService::setTokenGraceMs(int ms)
{
    gTokenGraceMs = ms > 0 ? ms : DefaultTokenGraceMs;
}

// Waits (at most the grace time) for a token offered while the last was checked.
bool TddWebService::nextOfferedToken(QByteArray &token)
{
    std::unique_lock<std::mutex> lock(m_cancelMutex);
    m_cancelWake.wait_for(lock, std::chrono::milliseconds(scaledMs(gTokenGraceMs.load())),
                          [this] { return m_cancelled.load() || !m_offeredTokens.empty(); });
    if (m_cancelled || m_offeredTokens.empty())
        return false;
    token = m_offeredTokens.front();
    m_offeredTokens.pop_front();
    std::lock_guard<std::mutex> data(m_dataMutex);
    m_browserToken = token;
    return true;
}

void TddWebService::setWaitPercent(int percent)
{
    gWaitPercent = qBound(1, percent, MaxWaitPercent);
}

int TddWebService::scaledMs(int ms)
{
    return int(qint64(ms) * gWaitPercent.load() / 100);
}

void TddWebService::setFailure(const QString &failure)
{
    std::lock_guard<std::mutex> lock(m_dataMutex);
    m_lastFailure = failure;
}

QString TddWebService::lastFailure() const
{
    std::lock_guard<std::mutex> lock(m_dataMutex);
    return m_lastFailure;
}

// What a reply that was not understood was, after the HTTP status it came with.
static QString replyFailure(int read, const TddServiceReply &answer, const QByteArray &reply, int status,
                            const QString &reason)
{
    QString what;
    const QString page = webPageReply(reply);
    if (!page.isEmpty())
        what = QStringLiteral("the reply is %1, not the service's XML").arg(page);
    else if (read == 1)
        what = QStringLiteral("the reply is not well-formed XML");
    else if (answer.fault)
        what = QStringLiteral("the service answered with a fault: %1").arg(QString(answer.message));
    else
        what = QStringLiteral("the reply is not the service's answer");
    return withHttpStatus(status, reason, what);
}

QString TddWebService::signInAddress() const
{
    std::lock_guard<std::mutex> lock(m_dataMutex);
    return m_signInAddress;
}

QByteArray TddWebService::stageToken() const
{
    std::lock_guard<std::mutex> lock(m_dataMutex);
    return m_stageToken;
}

QByteArray TddWebService::browserToken() const
{
    std::lock_guard<std::mutex> lock(m_dataMutex);
    return m_browserToken;
}

void TddWebService::setBrowserOpener(BrowserOpener opener)
{
    std::lock_guard<std::mutex> lock(gOpenerMutex);
    gOpener = std::move(opener);
}

bool TddWebService::takeToken(const QByteArray &rawToken)
{
    const QByteArray token = urlDecode(rawToken);
    if (token.size() < 6)
        return true;
    std::lock_guard<std::mutex> lock(m_dataMutex);
    m_browserToken = token;
    return false;
}

int TddWebService::logPostStart(const TddConfig &config, const QByteArray &request)
{
    TddLogFile log(config.dataLogPath());
    if (!log.isOpen())
        return -1;
    const QByteArray now = QDateTime::currentDateTime().toString(Qt::TextDate).toUtf8();
    // sizes only: the request holds S.I.N.s, the nonce and the digest
    log.printf("\n\n%s\nrequest %d bytes\n\n", now.constData(), int(request.size()));
    return 0;
}

int TddWebService::postSoap(const QByteArray &request, QByteArray &reply, int *status, QString *reason)
{
    const TddConfig config = currentTddConfig();
    logPostStart(config, request);
    const QString address = serviceAddress(config, m_taxYear, m_mode);
    qInfo().noquote() << "url: " + address;
    int result = 0;
    try {
        {
            std::lock_guard<std::mutex> lock(m_cancelMutex);
            if (m_cancelled)
                return TddFailure::PostFailed;
            if (QThread::currentThread() != QCoreApplication::instance()->thread())
                m_postThread = QThread::currentThread();
        }
        QWebClient client(address, false);
        QString text;
        bool ok = client.postSoapXML(request, "text/xml; charset=UTF-8", text);
        {
            std::lock_guard<std::mutex> lock(m_cancelMutex);
            m_postThread = nullptr;
        }
        reply = text.toUtf8();
        if (status)
            *status = client.responseCode();
        if (reason)
            *reason = client.reasonPhrase();
        // a SOAP fault comes with status 500: its body is the reply to read
        if (!ok && client.responseCode() == 500 && !client.responseBody().isEmpty()) {
            reply = client.responseBody();
            ok = true;
        }
        TddLogFile log(config.dataLogPath());
        if (!ok || isCancelled()) {
            log.printf("TDD web service step failed.\n");
            result = TddFailure::PostFailed;
            if (!isCancelled()) {
                QString why = client.errorText();
                if (why.isEmpty() && client.responseCode() != 0)
                    why = QStringLiteral("the service answered %1")
                              .arg(httpStatusText(client.responseCode(), client.reasonPhrase()));
                setFailure(why);
                if (!why.isEmpty())
                    log.printf("reason: %s\n", why.toUtf8().constData());
            }
        } else {
            log.printf("reply %d bytes, status %d\n", int(reply.size()), client.responseCode());
        }
    } catch (...) {
        TddLogFile log(config.dataLogPath());
        log.printf("Please try again, make sure Brackenquill is permitted by firewall to use Internet.\n");
        result = TddFailure::PostException;
    }
    return result;
}

int TddWebService::stageRequest()
{
    std::vector<std::string> sins;
    {
        std::lock_guard<std::mutex> lock(m_sinkMutex);
        if (!m_sink)
            return TddFailure::NoProgressDialog;
        sins = m_sink->requestSins();
    }
    reportProgress(5, 0);
    QByteArray request;
    if (buildStageRequest(m_taxYear, m_mode, request) != 0) {
        reportProgress(1000, TddFailure::StageUnbuildable);
        return TddFailure::StageUnbuildable;
    }
    int staged = 0;
    for (const std::string &sin : sins) {
        if (staged++ == MaxStagedSins)
            break;
        const std::string digits = sinDigits(sin);
        request += "<Sin>" + (digits.size() == 9 ? QByteArray::fromStdString(digits) : xmlEscaped(sin)) + "</Sin>";
    }
    request += m_mode == 1 ? "</StageTDDEFile></S:Body></S:Envelope>" : "</StageNOA></S:Body></S:Envelope>";

    QByteArray reply;
    int status = 0;
    QString reason;
    const int posted = postSoap(request, reply, &status, &reason);
    if (posted != 0) {
        reportProgress(1000, posted);
        return posted;
    }
    reportProgress(10, 0);
    TddServiceReply answer;
    const int read =
        parseSoapResponse(reply, m_mode == 1 ? "StageTDDEFileResponse" : "StageNOAResponse", "TokenIdentifier", answer);
    if (answer.returnCode.trimmed().compare(QLatin1String("0"), Qt::CaseInsensitive) != 0) {
        setFailure(read != 0 ? replyFailure(read, answer, reply, status, reason)
                             : QStringLiteral("the service answered code %1").arg(QString(answer.returnCode)));
        reportProgress(1000, TddFailure::StageRefused);
        return TddFailure::StageRefused;
    }
    reportProgress(15, 0);
    std::lock_guard<std::mutex> lock(m_dataMutex);
    m_stageToken = QByteArray::fromStdString(answer.value);
    return 0;
}

QByteArray TddWebService::buildSignInAddress(const TddConfig &config, QByteArray &timeStampOut) const
{
    CString spID, secret;
    selectServiceCredentials(config, m_mode, spID, secret);
    const QByteArray token = stageToken();
    const QString timeStamp = QString::number(qulonglong(QDateTime::currentSecsSinceEpoch()));
    const QByteArray encodedPath = urlEncode(QByteArray(webServicePath(m_mode)));
    CString key;
    authUrlKey(m_mode, key, timeStamp, encodedPath, QStringLiteral("en"), urlEncode(token + m_taxYear.toUtf8()));
    QByteArray address = "https://" + (config.signInHost + config.signInPath).toUtf8() + "?";
    address += "spID=" + spID.toUtf8() + "&";
    address += "timestamp=" + timeStamp.toLatin1() + "&";
    address += "auth=" + encodedPath + "&";
    address += "key=" + key.toLatin1() + "&";
    address += "t=" + urlEncode(token) + "&";
    address += "lang=en&";
    address += "swtaxyear=" + m_taxYear.toUtf8();
    timeStampOut = timeStamp.toLatin1();
    return address;
}

int TddWebService::openAuthPage()
{
    QByteArray timeStamp;
    const QByteArray address = buildSignInAddress(currentTddConfig(), timeStamp);
    {
        std::lock_guard<std::mutex> lock(m_dataMutex);
        m_signInAddress = CString(QString::fromUtf8(address));
    }
    reportProgress(20, 0);
    if (isCancelled())
        return 0;
    // the desktop is asked on the GUI thread; the worker does not wait for it
    const QUrl url(QString::fromUtf8(address), QUrl::TolerantMode);
    QMetaObject::invokeMethod(QCoreApplication::instance(), [this, url] {
        if (isCancelled())
            return;
        BrowserOpener opener;
        {
            std::lock_guard<std::mutex> lock(gOpenerMutex);
            opener = gOpener;
        }
        setSignInPending(true);
        const bool opened = opener ? opener(url) : QDesktopServices::openUrl(url);
        if (!opened) {
            setSignInPending(false);
            reportProgress(1000, TddFailure::BrowserRefused);
        }
    }, Qt::QueuedConnection);
    return 0;
}

TddWebService::GetAnswer TddWebService::getDataOnce(int tryIndex, QByteArray &token, FILE *log)
{
    const int t = 56 + 10 * tryIndex;
    QByteArray request;
    if (buildGetRequest(m_taxYear, m_mode, token, request) != 0) {
        reportProgress(1000, TddFailure::GetUnbuildable);
        return GetAnswer::Stop;
    }
    reportProgress(t - 6, 0);
    QByteArray reply;
    int status = 0;
    QString reason;
    if (postSoap(request, reply, &status, &reason) != 0) {
        if (!isCancelled())
            reportProgress(1000, TddFailure::GetPostFailed);
        return GetAnswer::Stop;
    }
    reportProgress(t - 1, 0);
    TddServiceReply answer;
    const int read = parseSoapResponse(reply, m_mode == 1 ? "GetTDDEFileResponse" : "GetNOAResponse",
                                       "TokenIdentifier", answer);
    if (read != 0) {
        if (log)
            std::fprintf(log, "get-data try %d: unreadable reply (%d)\n", tryIndex + 1, read);
        // only the service's fault can be its refusal of the browser's token;
        // any other reply ends the run at once
        const int failure = answer.fault ? TddFailure::GetFault : TddFailure::GetUnreadable;
        setFailure(replyFailure(read, answer, reply, status, reason));
        if (tryIndex == 0 && answer.fault)
            return refuseToken(failure, log);
        reportProgress(1000, failure);
        return GetAnswer::Stop;
    }
    const double number = myStringToDouble(answer.returnCode.trimmed());
    const int code = std::isfinite(number) && std::fabs(number) < 1e9 ? int(std::trunc(number)) : -1;
    if (log)
        std::fprintf(log, "get-data try %d: code %d, reply %d bytes\n", tryIndex + 1, code, int(reply.size()));
    if (tryIndex == 0 && code == TddFailure::NotAuthorised)
        return refuseToken(code, log);
    // the service took the browser's token: the sign-in is over
    setSignInPending(false);
    if (code == 20) {
        const std::string text = reply.toStdString();
        int result = 0;
        try {
            result = m_mode == 1 ? parseTaxDataResponse(log, text) : parseNoaResponse(log, text);
        } catch (...) {
            result = 0;
        }
        if (isCancelled())
            return GetAnswer::Stop;
        {
            std::lock_guard<std::mutex> lock(m_sinkMutex);
            if (m_sink)
                m_sink->setImportResult(result, m_lastSkipped);
        }
        reportProgress(99, 1000 + result);
        return GetAnswer::Imported;
    }
    if (code != 0) {
        reportProgress(1000, code);
        return GetAnswer::Stop;
    }
    token = QByteArray::fromStdString(answer.value);
    if (log && token.size() <= 6)
        std::fprintf(log, "token is short\n");
    if (!waitFor(4000))
        return GetAnswer::Stop;
    reportProgress(t, 0);
    return GetAnswer::Again;
}

TddWebService::GetAnswer TddWebService::refuseToken(int failure, FILE *log)
{
    if (log)
        std::fprintf(log, "the browser's token was refused; waiting for another\n");
    m_refusedFailure = failure;
    return GetAnswer::TokenRefused;
}

TddWebService::GetAnswer TddWebService::getDataTries(QByteArray token, FILE *log)
{
    for (int i = 0; i < GetDataTries; ++i) {
        if (isCancelled())
            return GetAnswer::Stop;
        const GetAnswer answer = getDataOnce(i, token, log);
        if (answer != GetAnswer::Again)
            return answer;
    }
    if (!isCancelled())
        reportProgress(1000, TddFailure::NotReady);
    return GetAnswer::Stop;
}

// A token that the service refuses (a forged one from another local process)
// does not end the sign-in: the next token that came, or comes within the
// grace time, is tried; only then is the refusal reported.
void TddWebService::fetchData()
{
    TddLogFile log(currentTddConfig().listenerLogPath());
    QByteArray token = browserToken();
    while (getDataTries(token, log.stream()) == GetAnswer::TokenRefused) {
        reportProgress(20, 0);
        if (!nextOfferedToken(token)) {
            if (!isCancelled())
                reportProgress(1000, m_refusedFailure);
            break;
        }
    }
    setSignInPending(false);
    std::lock_guard<std::mutex> lock(m_cancelMutex);
    m_offeredTokens.clear();
}
