#include "crafilingfake.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace bqfakes {

namespace {
struct SinScenario
{
    const char *service;
    const char *sin;
    const char *scenario;
};

// Valid S.I.N.s picked for the T1013 and PAD scenarios, each service its own:
// a S.I.N. of one service's table is no scenario of the other's, which files
// it with its default reply. The scenarios both services share ("fault",
// "malformed", "http-500") have one S.I.N. in both tables.
const SinScenario kSinScenarios[] = {
    {"t1013", "046454286", "t1013-count-0"},
    {"t1013", "130692544", "t1013-count-1"},
    {"t1013", "193456787", "t1013-count-2"},
    {"t1013", "211111125", "t1013-no-declaration"},
    {"t1013", "707070702", "fault"},
    {"t1013", "800000002", "malformed"},
    {"t1013", "900000001", "http-500"},
    {"pad", "327000006", "pad-confirmed"},
    {"pad", "404040404", "pad-rejected"},
    {"pad", "527000004", "pad-system-error"},
    {"pad", "618181812", "pad-confirmed-rejected"},
    {"pad", "707070702", "fault"},
    {"pad", "800000002", "malformed"},
    {"pad", "900000001", "http-500"},
};

// The head of a 200 reply of the CRA's content type announcing length bytes.
QByteArray replyHead(qint64 length)
{
    return "HTTP/1.1 200 OK\r\nContent-Type: " + QByteArray(CraFilingFake::ContentType) + "\r\nContent-Length: "
           + QByteArray::number(length) + "\r\nConnection: close\r\n\r\n";
}

QString defaultScenario(const QString &service)
{
    return service == QLatin1String("t1013") ? QStringLiteral("t1013-count-1")
         : service == QLatin1String("pad")   ? QStringLiteral("pad-confirmed")
                                             : QStringLiteral("accepted");
}

QString firstElementText(const QByteArray &body, const QByteArray &element)
{
    const QRegularExpression re(QStringLiteral("<%1(\\s[^>]*)?>([^<]*)</%1>").arg(QRegularExpression::escape(QString::fromLatin1(element))));
    const QRegularExpressionMatch m = re.match(QString::fromUtf8(body));
    return m.hasMatch() ? m.captured(2).trimmed() : QString();
}

QString firstSin(const QByteArray &body)
{
    static const QRegularExpression re(QStringLiteral(">\\s*(\\d{9})\\s*</"));
    const QRegularExpressionMatch m = re.match(QString::fromUtf8(body));
    return m.hasMatch() ? m.captured(1) : QString();
}
} // namespace

CraFilingFake::CraFilingFake(FakeHttpsServer &server, const QString &templateFolder)
    : m_folder(templateFolder.isEmpty() ? defaultTemplateFolder() : templateFolder)
{
    const QList<QPair<const char *, QString>> routes = {
        {EfilePath, QStringLiteral("efile")},
        {NetfilePath, QStringLiteral("netfile")},
        {T1013Path, QStringLiteral("t1013")},
        {PadPath, QStringLiteral("pad")},
        {T1135Path, QStringLiteral("t1135")},
    };
    for (const auto &r : routes) {
        const QString service = r.second;
        server.route("POST", r.first, [this, service](const FakeRequest &request) { return answer(service, request); });
    }
}

QString CraFilingFake::defaultTemplateFolder()
{
    return QStringLiteral(BQ_FAKES_CRA_DIR);
}

void CraFilingFake::setScenario(const QString &scenario)
{
    QMutexLocker lock(&m_mutex);
    m_override = scenario;
}

QString CraFilingFake::scenarioForTestCase(const QString &identifier)
{
    static const char *const byNumber[] = {
        nullptr, "accepted", "rejected", "processing-error", "system-error", "system-processing-error", "fault",
        "fault-no-string", "eol-132", "malformed", "empty", "no-declaration", "http-500", "silence", "drop",
        "accepted-cv2139", "accepted-cv24", "accepted-cv0024", "accepted", "web-page-503", "broken-page-500",
        "fault-not-registered-500", "other-document",
    };
    bool ok = false;
    const int n = identifier.toInt(&ok);
    if (ok)
        return n > 0 && n < int(sizeof byNumber / sizeof *byNumber) ? QString::fromLatin1(byNumber[n]) : QString();
    return identifier.trimmed();
}

QString CraFilingFake::scenarioForSin(const QString &service, const QString &sin)
{
    for (const SinScenario &s : kSinScenarios)
        if (service == QLatin1String(s.service) && sin == QLatin1String(s.sin))
            return QString::fromLatin1(s.scenario);
    return {};
}

QString CraFilingFake::sinForScenario(const QString &scenario)
{
    for (const SinScenario &s : kSinScenarios)
        if (scenario == QLatin1String(s.scenario))
            return QString::fromLatin1(s.sin);
    return {};
}

FakeResponse CraFilingFake::answer(const QString &service, const FakeRequest &request)
{
    if (request.header("content-type") != ContentType)
        return FakeResponse::text("expected content type " + QByteArray(ContentType), 415);
    QString scenario;
    {
        QMutexLocker lock(&m_mutex);
        scenario = m_override;
    }
    if (scenario.isEmpty() && service == QLatin1String("netfile")
        && request.body.contains("TermsAndConditionsRequest"))
        return replyFor(service, QStringLiteral("terms"));
    if (scenario.isEmpty() && (service == QLatin1String("t1013") || service == QLatin1String("pad")))
        scenario = scenarioForSin(service, firstSin(request.body));
    if (scenario.isEmpty() && service != QLatin1String("t1013") && service != QLatin1String("pad"))
        scenario = scenarioForTestCase(firstElementText(request.body, "comm:TestCaseIdentifier"));
    if (scenario.isEmpty())
        scenario = defaultScenario(service);
    return replyFor(service, scenario);
}

FakeResponse CraFilingFake::brokenReply(const QString &scenario, const QByteArray &body)
{
    if (scenario == QLatin1String("oversized"))   // the start of a reply announced as 100 MB
        return FakeResponse::raw(replyHead(OversizedReplyBytes) + body.left(body.size() / 2));
    if (scenario == QLatin1String("cut-off"))     // the first half of the body, then the close
        return FakeResponse::raw(replyHead(body.size()) + body.left(body.size() / 2));
    // the whole reply but its last byte, one byte per tick: it never ends
    const QByteArray whole = replyHead(body.size()) + body;
    return FakeResponse::drip(whole.left(whole.size() - 1), DripMs);
}

FakeResponse CraFilingFake::replyFor(const QString &service, const QString &scenario) const
{
    if (scenario == QLatin1String("silence"))
        return FakeResponse::silent();
    if (scenario == QLatin1String("drop"))
        return FakeResponse::drop();
    if (scenario == QLatin1String("oversized") || scenario == QLatin1String("drip")
        || scenario == QLatin1String("cut-off"))
        return brokenReply(scenario, replyFor(service, defaultScenario(service)).body);
    if (scenario == QLatin1String("redirect")) {
        FakeResponse r = FakeResponse::text("<html><head><title>302 Found</title></head><body>Moved</body></html>", 302);
        r.contentType = "text/html; charset=UTF-8";
        r.headers.append(qMakePair(QByteArray("Location"), QByteArray(RedirectTarget)));
        return r;
    }
    if (scenario == QLatin1String("http-500")) {
        FakeResponse r = FakeResponse::text("Internal Server Error", 500);
        r.contentType = "text/plain; charset=UTF-8";
        return r;
    }
    // a scenario name is a plain word: never a path; a last part of 4xx or 5xx is the status
    static const QRegularExpression word(QStringLiteral("^([a-z0-9-]+?)(?:-([45][0-9][0-9]))?$"));
    const QRegularExpressionMatch m = word.match(scenario);
    if (!m.hasMatch())
        return FakeResponse::text("unknown scenario", 400);
    const QString name = m.captured(1);
    const int status = m.captured(2).isEmpty() ? 200 : m.captured(2).toInt();
    const QDir dir(m_folder);
    QStringList candidates{service + QLatin1Char('-') + name + QStringLiteral(".xml"),
                           QStringLiteral("common-") + name + QStringLiteral(".xml"),
                           QStringLiteral("common-") + name + QStringLiteral(".html")};
    if (name.startsWith(service + QLatin1Char('-')))
        candidates.prepend(name + QStringLiteral(".xml"));
    for (const QString &candidate : candidates) {
        QFile file(dir.filePath(candidate));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        FakeResponse r = FakeResponse::text(file.readAll(), status);
        r.contentType = candidate.endsWith(QLatin1String(".html")) ? QByteArray("text/html; charset=UTF-8")
                                                                   : QByteArray(ContentType);
        return r;
    }
    return FakeResponse::text("unknown scenario " + scenario.toUtf8() + " for " + service.toUtf8(), 400);
}

} // namespace bqfakes
