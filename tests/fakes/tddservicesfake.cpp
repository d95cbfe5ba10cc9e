#include "tddservicesfake.h"
#include <QCryptographicHash>
#include <QDateTime>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QUrl>

namespace bqfakes {

constexpr char TddServicesFake::DataPath[];
constexpr char TddServicesFake::NoaPath[];
constexpr char TddServicesFake::ProductionDataPath[];
constexpr char TddServicesFake::ProductionNoaPath[];
constexpr char TddServicesFake::SignInPath[];
constexpr char TddServicesFake::ScriptPath[];
constexpr char TddServicesFake::DefaultSecret[];

namespace {
const char kEnvelopeOpen[] = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                             "<soapenv:Envelope xmlns:soapenv=\"http://schemas.xmlsoap.org/soap/envelope/\">"
                             "<soapenv:Body>";
const char kEnvelopeClose[] = "</soapenv:Body></soapenv:Envelope>";

QByteArray element(const QByteArray &body, const char *name)
{
    const QRegularExpression re(QStringLiteral("<(?:[A-Za-z0-9_]+:)?%1(?:\\s[^>]*)?>([^<]*)</").arg(QLatin1String(name)));
    const auto m = re.match(QString::fromUtf8(body));
    return m.hasMatch() ? m.captured(1).toUtf8() : QByteArray();
}

QByteArray newToken(const char *stem)
{
    QByteArray bytes(18, '\0');
    for (char &c : bytes)
        c = char(QRandomGenerator::global()->bounded(256));
    // Base64 brings "+", "/" and "=" that travel percent-coded
    return QByteArray(stem) + bytes.toBase64();
}

FakeResponse soapReply(const QByteArray &inner, int status = 200)
{
    FakeResponse r = FakeResponse::text(kEnvelopeOpen + inner + kEnvelopeClose, status);
    r.contentType = "text/xml; charset=UTF-8";
    return r;
}

FakeResponse fault(const QByteArray &text)
{
    return soapReply("<soapenv:Fault><faultcode>soapenv:Client</faultcode><faultstring>" + text
                         + "</faultstring></soapenv:Fault>",
                     500);
}

QString digitsOf(const QString &sin)
{
    QString d;
    for (QChar c : sin)
        if (c.isDigit())
            d += c;
    return d;
}
} // namespace

TddServicesFake::TddServicesFake(FakeHttpsServer &server, const QByteArray &softwareCode, const QByteArray &secret)
    : m_code(softwareCode), m_secret(secret)
{
    server.route("POST", DataPath, [this](const FakeRequest &r) { return soap(r, false); });
    server.route("POST", ProductionDataPath, [this](const FakeRequest &r) { return soap(r, false); });
    server.route("POST", NoaPath, [this](const FakeRequest &r) { return soap(r, true); });
    server.route("POST", ProductionNoaPath, [this](const FakeRequest &r) { return soap(r, true); });
    server.route("GET", SignInPath, [this](const FakeRequest &r) { return signIn(r); });
    server.route("GET", ScriptPath, [](const FakeRequest &) { return FakeResponse::text("var cra = {};"); });
}

void TddServicesFake::setOptions(const Options &options)
{
    QMutexLocker lock(&m_mutex);
    m_options = options;
    m_notReadySent = 0;
}

void TddServicesFake::setListenerPort(quint16 port)
{
    QMutexLocker lock(&m_mutex);
    m_listenerPort = port;
}

void TddServicesFake::expectToken(const QByteArray &token)
{
    QMutexLocker lock(&m_mutex);
    m_expectedToken = token;
}

QStringList TddServicesFake::stagedSins() const
{
    QMutexLocker lock(&m_mutex);
    return m_staged;
}

QList<QByteArray> TddServicesFake::nonces() const
{
    QMutexLocker lock(&m_mutex);
    return m_nonces;
}

int TddServicesFake::refusals() const
{
    QMutexLocker lock(&m_mutex);
    return m_refusals;
}

int TddServicesFake::signInRefusals() const
{
    QMutexLocker lock(&m_mutex);
    return m_signInRefusals;
}

int TddServicesFake::getDataRequests() const
{
    QMutexLocker lock(&m_mutex);
    return m_getRequests;
}

QByteArray TddServicesFake::browserToken() const
{
    QMutexLocker lock(&m_mutex);
    return m_browserToken;
}

QByteArray TddServicesFake::identifierOf(const QString &sin)
{
    return QCryptographicHash::hash(digitsOf(sin).toLatin1(), QCryptographicHash::Sha256).toHex();
}

// Empty when the user-name token is good; else why not. Under m_mutex.
QString TddServicesFake::checkToken(const QByteArray &body, bool noa)
{
    const QByteArray user = element(body, "Username");
    const QByteArray nonceText = element(body, "Nonce");
    const QByteArray created = element(body, "Created");
    const QByteArray digest = element(body, "Password");
    const QByteArray nonce = QByteArray::fromBase64(nonceText);
    m_nonces << nonceText;
    if (user != m_code + (noa ? "T" : "J"))
        return QStringLiteral("wrong spID");
    if (nonce.size() != 16)
        return QStringLiteral("nonce is not 16 bytes");
    const QDateTime when = QDateTime::fromString(QString::fromLatin1(created), Qt::ISODate);
    if (!when.isValid() || qAbs(when.secsTo(QDateTime::currentDateTimeUtc())) > 300)
        return QStringLiteral("stale Created");
    const QByteArray expected =
        QCryptographicHash::hash(nonce + created + m_secret, QCryptographicHash::Sha1).toBase64();
    if (digest != expected)
        return QStringLiteral("wrong digest");
    if (m_seen.contains(nonce))
        return QStringLiteral("nonce replayed");
    m_seen.insert(nonce);
    return QString();
}

FakeResponse TddServicesFake::soap(const FakeRequest &request, bool noa)
{
    QMutexLocker lock(&m_mutex);
    const QString refusal = checkToken(request.body, noa);
    if (!refusal.isEmpty()) {
        ++m_refusals;
        return fault("wsse:FailedAuthentication " + refusal.toUtf8());
    }
    const QByteArray response = noa ? "StageNOAResponse" : "StageTDDEFileResponse";
    if (request.body.contains(noa ? "<StageNOA" : "<StageTDDEFile")) {
        if (m_options.stageFault)
            return fault("staging refused");
        m_staged.clear();
        const QRegularExpression sin(QStringLiteral("<Sin>([^<]*)</Sin>"));
        auto it = sin.globalMatch(QString::fromUtf8(request.body));
        while (it.hasNext())
            m_staged << it.next().captured(1);
        m_stageToken = newToken("stg");
        return soapReply("<ns2:" + response + " xmlns:ns2=\"http://www.cra-arc.gc.ca/xmlns/tdd/2-9-2\">"
                         "<ns2:ReturnCode>0</ns2:ReturnCode><ns2:TokenIdentifier>" + m_stageToken
                         + "</ns2:TokenIdentifier></ns2:" + response + ">");
    }
    ++m_getRequests;
    const QByteArray token = element(request.body, "TokenIdentifier");
    if (m_expectedToken.isEmpty() || token != m_expectedToken)
        return fault("unknown token");
    const QByteArray get = noa ? "GetNOAResponse" : "GetTDDEFileResponse";
    if (m_notReadySent < m_options.notReadyCount) {
        ++m_notReadySent;
        m_expectedToken = newToken("nxt");
        return soapReply("<ns2:" + get + " xmlns:ns2=\"http://www.cra-arc.gc.ca/xmlns/tdd/2-9-2\">"
                         "<ns2:ReturnCode>0</ns2:ReturnCode><ns2:TokenIdentifier>" + m_expectedToken
                         + "</ns2:TokenIdentifier></ns2:" + get + ">");
    }
    switch (m_options.answer) {
    case Answer::NotAuthorised:
    case Answer::OtherCode:
        return soapReply("<ns2:" + get + " xmlns:ns2=\"http://www.cra-arc.gc.ca/xmlns/tdd/2-9-2\"><ns2:ReturnCode>"
                         + (m_options.answer == Answer::NotAuthorised ? "10" : "30") + "</ns2:ReturnCode></ns2:"
                         + get + ">");
    case Answer::Fault:
        return fault("service unavailable");
    case Answer::Malformed:
        return FakeResponse::text("<soapenv:Envelope><soapenv:Body><unclosed>");
    case Answer::Silent:
        return FakeResponse::silent();
    case Answer::Unavailable:
        return FakeResponse::text("busy", 503);
    case Answer::WebPage: {
        FakeResponse page = FakeResponse::text("<html><head><title>Service Unavailable</title></head>"
                                               "<body><p>Please try again later.</p></body></html>",
                                               500);
        page.contentType = "text/html; charset=UTF-8";
        return page;
    }
    case Answer::Data:
        break;
    }
    return dataAnswer(noa);
}

FakeResponse TddServicesFake::dataAnswer(bool noa) const
{
    QStringList sins = m_staged;
    sins << strangerSin();
    QByteArray items;
    if (!noa) {
        const QByteArray p = m_options.itemPrefix;
        if (m_options.selfClosingItem)
            items += "<" + p + ":EFileIndividualIncomeTaxDataItem/>";
        for (int i = 0; i < sins.size(); ++i) {
            QByteArray id = identifierOf(sins.at(i));
            if (i == 0)
                id = id.toUpper();
            items += "<" + p + ":EFileIndividualIncomeTaxDataItem><" + p + ":IndividualTaxpayerIdentifier>" + id
                     + "</" + p + ":IndividualTaxpayerIdentifier><" + p + ":Summary><" + p + ":InstalmentAmount>"
                     + QByteArray::number(100 * (i + 1)) + ".00</" + p + ":InstalmentAmount></" + p + ":Summary></"
                     + p + ":EFileIndividualIncomeTaxDataItem>";
        }
        const QByteArray itemNamespace =
            p == "ns2" ? QByteArray() : " xmlns:" + p + "=\"http://www.cra-arc.gc.ca/xmlns/tdd/2-9-2\"";
        return soapReply("<ns2:GetTDDEFileResponse xmlns:ns2=\"http://www.cra-arc.gc.ca/xmlns/tdd/2-9-2\"" + itemNamespace
                         + "><ns2:ReturnCode>20</ns2:ReturnCode>"
                           "<ns2:EFileTaxDataDelivery><ns2:EFileTaxData>"
                         + items + "</ns2:EFileTaxData></ns2:EFileTaxDataDelivery></ns2:GetTDDEFileResponse>");
    }
    for (int i = 0; i < sins.size(); ++i) {
        items += "<NoticeOfAssessmentItem>";
        if (i != m_options.badNoaItem)
            items += "<IndividualTaxpayerIdentifier>" + identifierOf(sins.at(i)) + "</IndividualTaxpayerIdentifier>";
        items += "<AssessmentSummaryText xml:lang=\"en\">Assessed as filed " + QByteArray::number(i + 1)
                 + "</AssessmentSummaryText><MaskedAccountNumber>000000000</MaskedAccountNumber>"
                   "</NoticeOfAssessmentItem>";
    }
    return soapReply("<GetNOAResponse xmlns=\"http://www.cra-arc.gc.ca/xmlns/tdd/noa/1-2-0\"><ReturnCode>20</ReturnCode>"
                     "<NoticeOfAssessment><NoticeOfAssessmentData>"
                     + items + "</NoticeOfAssessmentData></NoticeOfAssessment></GetNOAResponse>");
}

FakeResponse TddServicesFake::signIn(const FakeRequest &request)
{
    QMutexLocker lock(&m_mutex);
    QMap<QString, QString> q;
    for (const auto &item : request.queryItems())
        q.insert(item.first, item.second);
    const bool noa = q.value(QStringLiteral("auth")) == QLatin1String("/gol-ged/awsc/tdd/ws/noa");
    const QString host = QString::fromLatin1(request.header("host"));
    auto enc = [](const QString &s) { return QUrl::toPercentEncoding(s); };
    const QByteArray message = q.value(QStringLiteral("spID")).toUtf8() + enc(host + QLatin1String(SignInPath))
                               + q.value(QStringLiteral("timestamp")).toUtf8() + enc(q.value(QStringLiteral("auth")))
                               + "en" + enc(q.value(QStringLiteral("t")) + q.value(QStringLiteral("swtaxyear")));
    const QByteArray key = QMessageAuthenticationCode::hash(message, m_secret, QCryptographicHash::Sha256).toBase64();
    bool stampOk = false;
    const qint64 stamp = q.value(QStringLiteral("timestamp")).toLongLong(&stampOk);
    QString refusal;
    if (q.value(QStringLiteral("spID")).toUtf8() != m_code + (noa ? "T" : "J"))
        refusal = QStringLiteral("spID");
    else if (!stampOk || qAbs(stamp - QDateTime::currentSecsSinceEpoch()) > 300)
        refusal = QStringLiteral("timestamp");
    else if (!noa && q.value(QStringLiteral("auth")) != QLatin1String("/gol-ged/awsc/tdd/ws"))
        refusal = QStringLiteral("auth");
    else if (q.value(QStringLiteral("t")).toUtf8() != m_stageToken || m_stageToken.isEmpty())
        refusal = QStringLiteral("t");
    else if (q.value(QStringLiteral("lang")) != QLatin1String("en"))
        refusal = QStringLiteral("lang");
    else if (q.value(QStringLiteral("swtaxyear")) != QLatin1String("2024"))
        refusal = QStringLiteral("swtaxyear");
    else if (q.value(QStringLiteral("key")).toLatin1() != key)
        refusal = QStringLiteral("key");
    if (!refusal.isEmpty()) {
        ++m_signInRefusals;
        return FakeResponse::text("sign-in refused: " + refusal.toUtf8(), 400);
    }
    m_browserToken = newToken("brw");
    m_expectedToken = m_browserToken;
    FakeResponse r = FakeResponse::text("", 302);
    r.headers << qMakePair(QByteArray("Location"),
                           "http://127.0.0.1:" + QByteArray::number(m_listenerPort) + (noa ? "/expnoa" : "/taxdata")
                               + "?t=" + QUrl::toPercentEncoding(QString::fromLatin1(m_browserToken)));
    return r;
}

} // namespace bqfakes
