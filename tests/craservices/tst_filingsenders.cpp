// The filing senders against the CRA filing fake, and the terms dialog.
#include "bqtest.h"
#include "craservicestest.h"
#include "crafilingfake.h"
#include "creturnfile.h"
#include "dlgfilingterm.h"
#include "fakehttpsserver.h"
#include "filingconfig.h"
#include "filingsenders.h"
#include "formdocuments.h"
#include "messages.h"
#include "mytixmlhandle.h"
#include "qwebclient.h"
#include "replyparsers.h"
#include "returnbuilder.h"
#include "tlsw3client.h"
#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QJsonDocument>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>
#include <functional>
#include <tinyxml.h>

using bqfakes::CraFilingFake;
using bqfakes::FakeHttpsServer;

namespace {

// Runs check on the next modal dialog once it shows.
void onModal(std::function<void(DlgFilingTerm *)> check)
{
    QTimer::singleShot(0, [check]() {
        QTRY_VERIFY(qobject_cast<DlgFilingTerm *>(QApplication::activeModalWidget()));
        check(qobject_cast<DlgFilingTerm *>(QApplication::activeModalWidget()));
    });
}

QString elementOf(const QByteArray &envelope, const char *name)
{
    const int a = envelope.indexOf(QByteArray("<") + name);
    if (a < 0)
        return QString();
    const int close = envelope.indexOf(QByteArray("</") + name + ">", a);
    QByteArray element = envelope.mid(a, close + int(qstrlen(name)) + 3 - a);
    TiXmlDocument doc;
    doc.Parse(element.constData(), nullptr, TIXML_ENCODING_UTF8);
    const char *t = doc.RootElement() ? doc.RootElement()->GetText() : nullptr;
    return t ? QString::fromUtf8(t) : QString();
}

// What a sender gave: its result and why it failed.
struct Sent
{
    int rc = 0;
    QString failure;
};

// Files a small document through the sender of service ("efile", "netfile",
// "terms", "t1013", "pad" or "t1135").
Sent sendTo(const QString &service)
{
    Sent sent;
    if (service == QLatin1String("efile")) {
        TemplateVars vars = fixture::efileVars(QString());
        FilingResult r(1);
        sent.rc = sendEfileRequest(vars, fixture::t1Return(), r);
        sent.failure = r.failure;
    } else if (service == QLatin1String("netfile")) {
        TemplateVars vars = fixture::netfileVars(QString());
        FilingResult r(1);
        sent.rc = sendNetfileRequest(vars, fixture::t1Return(), r);
        sent.failure = r.failure;
    } else if (service == QLatin1String("terms")) {
        FilingResult r(0);
        sent.rc = requestNetfileTerms(r, false);
        sent.failure = r.failure;
    } else if (service == QLatin1String("t1135")) {
        TemplateVars vars = fixture::efileVars(QString());
        T1135FilingReply reply;
        sent.rc = sendT1135Request(vars, fixture::t1135Document(), reply);
        sent.failure = reply.failure;
    } else {
        TemplateVars vars = fixture::formVars("pw");
        FormFilingReply reply;
        sent.rc = sendTrisOrPadRequest(service == QLatin1String("t1013"), vars, QStringLiteral("<body/>"), reply);
        sent.failure = reply.failure;
    }
    return sent;
}

} // namespace

class TestFilingSenders : public QObject
{
    Q_OBJECT
public:
    TestFilingSenders() : m_fake(m_server) {}

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void efileAcceptedLogMasksSecrets();
    void netfileAcceptedLogMasksSecrets();
    void efileResults_data();
    void efileResults();
    void efileDebugLogHoldsOnlyTheRequest();
    void testModeLogKeepsWhyARequestFailed_data();
    void testModeLogKeepsWhyARequestFailed();
    void netfileRepliesNotUnderstood_data();
    void netfileRepliesNotUnderstood();
    void efileClosedPortRunsDiagnosticsAndFallback();
    void efileFallbackAfterFailedHandshake_data();
    void efileFallbackAfterFailedHandshake();
    void efileDroppedAfterSendingIsNotPostedAgain();
    void efileWithoutCompleteReplyNamesWhy_data();
    void efileWithoutCompleteReplyNamesWhy();
    void repliesRefusedForWhatTheyAre_data();
    void repliesRefusedForWhatTheyAre();
    void othersDroppedAfterSendingMayBeFiled_data();
    void othersDroppedAfterSendingMayBeFiled();
    void untrustedServerIsATransportFailure();
    void documentWithoutReturnSendsNothing();
    void formRequests_data();
    void formRequests();
    void t1013DocumentLogHoldsNoSin();
    void t1135Requests_data();
    void t1135Requests();
    void refileTermsAcceptedAndRefused();
    void termsFailureIsShownWithItsCode();
    void netfileTermsLinkFromReply();

    void termsDialogNeedsTheTick();
    void termsDialogEscapeAndLinks();

private:
    QByteArray log() const;
    void useHost(const QString &hostValue);

    TestSettings m_settings;
    FakeHttpsServer m_server;
    CraFilingFake m_fake;
    QTemporaryDir m_dir;
};

void TestFilingSenders::initTestCase()
{
    QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
    QWebClient::setDefaultTimeout(5000);
    setFilingRunFolder(m_dir.path());
}

void TestFilingSenders::init()
{
    TLSW3Client::Timeouts quick;
    quick.connectMs = quick.handshakeMs = quick.writeMs = quick.readMs = 5000;
    TLSW3Client::setDefaultTimeouts(quick);
    TLSW3Client::setTestCaFile(m_server.caFile());
    QWebClient::setDefaultCaFile(m_server.caFile());
    m_fake.setScenario(QString());
    m_server.clearRequests();
    m_settings.values.clear();
    m_settings.preferences.clear();
    useHost(QStringLiteral("127.0.0.1:%1").arg(m_server.port()));
    QFile::remove(m_dir.filePath(QStringLiteral("efileresult.txt")));
}

void TestFilingSenders::cleanupTestCase()
{
    TLSW3Client::setTestCaFile(QString());
    QWebClient::setDefaultCaFile(QString());
}

QByteArray TestFilingSenders::log() const
{
    QFile f(m_dir.filePath(QStringLiteral("efileresult.txt")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void TestFilingSenders::useHost(const QString &hostValue)
{
    m_settings.values[QStringLiteral("EOLSERVER")] = hostValue;
    m_settings.values[QStringLiteral("NETFILESERVER")] = hostValue;
    m_settings.values[QStringLiteral("T1013SERVER")] = hostValue;
}

void TestFilingSenders::efileAcceptedLogMasksSecrets()
{
    m_settings.values[QStringLiteral("MODEDEBUG")] = QStringLiteral("1");
    m_settings.values[QStringLiteral("FullLog")] = QStringLiteral("1");
    TemplateVars vars = fixture::efileVars(QStringLiteral("accepted"));
    FilingResult r(1);
    QCOMPARE(sendEfileRequest(vars, fixture::t1Return(), r), 0);
    QVERIFY(r.confirmed);
    QCOMPARE(QString(r.confirmation), QStringLiteral("TX240000123"));
    QCOMPARE(QString(vars.value("origip")), QStringLiteral("0.0.0.0"));

    const QByteArray text = log();
    QVERIFY(text.startsWith("use tls\n<?xml"));
    QVERIFY(text.contains("<t1rq:EfileReturnRequest"));
    QVERIFY(text.contains("TX240000123"));
    QVERIFY(text.contains(fixture::MaskedSin));
    for (const char *secret : {fixture::EfilePassword, fixture::BirthDate, fixture::Sin})
        QVERIFY2(!text.contains(secret), secret);
    QCOMPARE(QFile::permissions(m_dir.filePath(QStringLiteral("efileresult.txt")))
                 & (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup | QFileDevice::WriteOther),
             QFileDevice::Permissions());

    QCOMPARE(m_server.requestCount(), 1);
    const QByteArray sent = m_server.requests().first().body;
    QCOMPARE(sent.count(fixture::EfilePassword), 2);
    QVERIFY(sent.contains(fixture::Sin));
    QVERIFY(sent.contains(fixture::BirthDate));
}

void TestFilingSenders::netfileAcceptedLogMasksSecrets()
{
    m_settings.values[QStringLiteral("MODEDEBUG")] = QStringLiteral("1");
    m_settings.values[QStringLiteral("FullLog")] = QStringLiteral("1");
    TemplateVars vars = fixture::netfileVars(QStringLiteral("accepted"));
    FilingResult r(1);
    QCOMPARE(sendNetfileRequest(vars, fixture::t1Return(), r), 0);
    QVERIFY(r.confirmed);
    QCOMPARE(QString(r.confirmation), QStringLiteral("NF7C2Q9"));

    const QByteArray text = log();
    QVERIFY(text.contains("<t1rq:FileReturnRequest"));
    QVERIFY(text.contains("<t1rq:NetfileAccessCode>****</t1rq:NetfileAccessCode>"));
    QVERIFY(text.contains("<tp:TaxpayerBirthDate>****</tp:TaxpayerBirthDate>"));
    QVERIFY(!text.contains("AC&amp;&lt;9"));
    QVERIFY(!text.contains(fixture::BirthDate));
    QVERIFY(!text.contains(fixture::Sin));

    const QByteArray sent = m_server.requests().first().body;
    QCOMPARE(elementOf(sent, "t1rq:NetfileAccessCode"), QString::fromLatin1(fixture::AccessCode));
    QCOMPARE(elementOf(sent, "tp:TaxpayerBirthDate"), QString::fromLatin1(fixture::BirthDate));
    QCOMPARE(elementOf(sent, "tp:TaxpayerSocialInsuranceNumber"), QString::fromLatin1(fixture::Sin));
}

void TestFilingSenders::efileResults_data()
{
    QTest::addColumn<QString>("testCase");
    QTest::addColumn<int>("rc");
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QString>("resultCode");
    QTest::addColumn<QString>("failure");
    QTest::newRow("rejected") << "rejected" << 0 << false << "2001" << "";
    QTest::newRow("end-of-line notice") << "eol-132" << 132 << false << "132" << "";
    QTest::newRow("fault") << "fault" << 190 << false << "-100"
                           << "HTTP 200 OK; the CRA's service answered with a fault: The request could not be processed.";
    QTest::newRow("fault with HTTP 500")
        << "fault-not-registered-500" << 190 << false << "-100"
        << "HTTP 500 Internal Server Error; the CRA's service answered with a fault: EFILE number X1234 is not "
           "registered.";
    QTest::newRow("malformed") << "malformed" << 113 << false << "-1" << "HTTP 200 OK; the reply is not well-formed XML: ";
    QTest::newRow("web page with HTTP 503")
        << "web-page-503" << 111 << false << "-1"
        << "HTTP 503 Service Unavailable; the reply is a web page (\"503 Service Unavailable\"), not the CRA's XML";
    QTest::newRow("web page, not XML, with HTTP 500")
        << "broken-page-500" << 113 << false << "-1"
        << "HTTP 500 Internal Server Error; the reply is a web page (\"Error 500 & more\"), not the CRA's XML";
    QTest::newRow("another XML document") << "other-document" << 111 << false << "-1"
                                          << "HTTP 200 OK; the reply holds <Maintenance>, not a filing result";
}

void TestFilingSenders::efileResults()
{
    QFETCH(QString, testCase);
    TemplateVars vars = fixture::efileVars(testCase);
    FilingResult r(1);
    QTEST(sendEfileRequest(vars, fixture::t1Return(), r), "rc");
    QTEST(r.confirmed, "confirmed");
    QTEST(QString(r.resultCode), "resultCode");
    // an unreadable reply says why, to the user and in the log
    QFETCH(QString, failure);
    QVERIFY2(failure.isEmpty() ? r.failure.isEmpty() : QString(r.failure).startsWith(failure), qPrintable(r.failure));
    QCOMPARE(log().contains("reason: " + failure.toUtf8()), !failure.isEmpty());
    // Both switches off: host and time first, no request text.
    const QByteArray text = log();
    QVERIFY(text.startsWith(QStringLiteral("127.0.0.1:%1\n").arg(m_server.port()).toUtf8()));
    QVERIFY(!text.contains("EfileReturnRequest"));
}

void TestFilingSenders::efileDebugLogHoldsOnlyTheRequest()
{
    m_settings.values[QStringLiteral("MODEDEBUG")] = QStringLiteral("1");
    TemplateVars vars = fixture::efileVars(QStringLiteral("accepted"));
    FilingResult r(1);
    QCOMPARE(sendEfileRequest(vars, fixture::t1Return(), r), 0);
    const QByteArray text = log();
    QVERIFY(text.startsWith("use tls\n<?xml"));
    QVERIFY(text.endsWith("</soapenv:Envelope>\n"));
    QCOMPARE(text.count("use tls"), 1);
}

// Test mode without the full log: the request, and only why it failed.
void TestFilingSenders::testModeLogKeepsWhyARequestFailed_data()
{
    QTest::addColumn<bool>("efile");
    QTest::newRow("EFILE") << true;
    QTest::newRow("NETFILE") << false;
}

void TestFilingSenders::testModeLogKeepsWhyARequestFailed()
{
    QFETCH(bool, efile);
    m_settings.values[QStringLiteral("MODEDEBUG")] = QStringLiteral("1");
    FilingResult r(1);
    if (efile) {
        TemplateVars vars = fixture::efileVars(QStringLiteral("web-page-503"));
        QCOMPARE(sendEfileRequest(vars, fixture::t1Return(), r), 111);
    } else {
        TemplateVars vars = fixture::netfileVars(QStringLiteral("web-page-503"));
        QCOMPARE(sendNetfileRequest(vars, fixture::t1Return(), r), 0);
    }
    const QByteArray text = log();
    QVERIFY2(text.endsWith("</soapenv:Envelope>\nreason: HTTP 503 Service Unavailable; the reply is a web page "
                           "(\"503 Service Unavailable\"), not the CRA's XML\n"),
             text.constData());
    QVERIFY(!text.contains("<html>"));
}

// A NETFILE reply that is no filing result: not confirmed, with why.
void TestFilingSenders::netfileRepliesNotUnderstood_data()
{
    QTest::addColumn<QString>("testCase");
    QTest::addColumn<int>("rc");
    QTest::addColumn<QString>("failure");
    QTest::newRow("web page") << "web-page-503" << 0
                              << "HTTP 503 Service Unavailable; the reply is a web page (\"503 Service Unavailable\"), "
                                 "not the CRA's XML";
    QTest::newRow("web page, not XML") << "broken-page-500" << 1
                                       << "HTTP 500 Internal Server Error; the reply is a web page (\"Error 500 & "
                                          "more\"), not the CRA's XML";
    QTest::newRow("fault") << "fault-not-registered-500" << 0
                           << "HTTP 500 Internal Server Error; the CRA's service answered with a fault: EFILE number "
                              "X1234 is not registered.";
}

void TestFilingSenders::netfileRepliesNotUnderstood()
{
    QFETCH(QString, testCase);
    QFETCH(QString, failure);
    TemplateVars vars = fixture::netfileVars(testCase);
    FilingResult r(1);
    QTEST(sendNetfileRequest(vars, fixture::t1Return(), r), "rc");
    QVERIFY(!r.confirmed);
    QCOMPARE(QString(r.failure), failure);
    QVERIFY(log().contains("reason: " + failure.toUtf8() + "\n"));
}

void TestFilingSenders::efileClosedPortRunsDiagnosticsAndFallback()
{
    useHost(QStringLiteral("127.0.0.1:%1").arg(FakeHttpsServer::closedPort()));
    TemplateVars vars = fixture::efileVars(QStringLiteral("accepted"));
    FilingResult r(1);
    QCOMPARE(sendEfileRequest(vars, fixture::t1Return(), r), 106);
    const QString text = QString::fromUtf8(log());
    const QStringList expected{
        QStringLiteral("TLS Connect failed.\n"), QStringLiteral("TLS diagnostics begin\n"),
        QStringLiteral("GnuTLS load OK: libgnutls.so.30\n"), QStringLiteral("DNS OK: 127.0.0.1\n"),
        QStringLiteral("TCP FAIL: "), QStringLiteral("TLS diagnostics end\n"),
        QStringLiteral("Fallback to QWebClient: failed\n"),
        QStringLiteral("use tls\nEFile web service failed, make sure VPN/Firewall is off and try again.\n")};
    int at = 0;
    for (const QString &line : expected) {
        const int found = text.indexOf(line, at);
        QVERIFY2(found >= 0, qPrintable(line + QStringLiteral(" missing in:\n") + text));
        at = found + line.size();
    }
}

void TestFilingSenders::efileFallbackAfterFailedHandshake_data()
{
    QTest::addColumn<QString>("testCase");
    QTest::addColumn<int>("rc");
    QTest::newRow("accepted") << "accepted" << 0;
    QTest::newRow("fault") << "fault" << 190;
    QTest::newRow("error status with a text body") << "http-500" << 113;
}

void TestFilingSenders::efileFallbackAfterFailedHandshake()
{
    QFETCH(QString, testCase);
    TLSW3Client::setTestCaFile(QString());   // the handshake fails before anything is sent
    TemplateVars vars = fixture::efileVars(testCase);
    FilingResult r(1);
    QTEST(sendEfileRequest(vars, fixture::t1Return(), r), "rc");
    QCOMPARE(m_server.requestCount(), 1);
    const QByteArray text = log();
    QVERIFY(text.contains("TLS diagnostics end\nFallback to QWebClient: success\n"));
    QVERIFY(text.contains("TCP OK: connected\n"));
}

void TestFilingSenders::efileDroppedAfterSendingIsNotPostedAgain()
{
    TemplateVars vars = fixture::efileVars(QStringLiteral("drop"));
    FilingResult r(1);
    QCOMPARE(sendEfileRequest(vars, fixture::t1Return(), r), int(EfileSentNoReply));
    QCOMPARE(m_server.requestCount(), 1);
    QVERIFY(!r.confirmed);
    const QByteArray text = log();
    QVERIFY(text.contains("TLS CallSoap failed.\n"));
    QVERIFY(text.contains("the CRA may have the return"));
    QVERIFY(!text.contains("Fallback"));
}

// A reply too large, one that never ends and one cut off: each named, on the
// result and in the test mode's log, beside the advice to check the status.
void TestFilingSenders::efileWithoutCompleteReplyNamesWhy_data()
{
    QTest::addColumn<QString>("testCase");
    QTest::addColumn<QString>("failure");
    // the client keeps at most 16 MiB of a reply: 16 * 1024 * 1024 bytes
    QTest::newRow("reply of 100 MB") << "oversized" << "The reply is larger than 16777216 bytes";
    // a byte per tick, never ending: the client's read time-out, 300 ms here
    QTest::newRow("dripping reply") << "drip" << "No complete reply: timed out after 0.3 s";
    // the stand-in closes after the first half of the accepted reply's body
    QFile accepted(CraFilingFake::defaultTemplateFolder() + QStringLiteral("/efile-accepted.xml"));
    QVERIFY(accepted.open(QIODevice::ReadOnly));
    const qint64 size = accepted.size();
    QTest::newRow("cut off mid-body") << "cut-off"
                                      << QStringLiteral("The server closed the connection after %1 of the reply's %2 "
                                                        "bytes").arg(size / 2).arg(size);
}

void TestFilingSenders::efileWithoutCompleteReplyNamesWhy()
{
    QFETCH(QString, testCase);
    QFETCH(QString, failure);
    TLSW3Client::Timeouts timeouts = TLSW3Client::defaultTimeouts();
    timeouts.readMs = 300;   // the drip never ends, whatever the time-out
    TLSW3Client::setDefaultTimeouts(timeouts);
    m_settings.values[QStringLiteral("MODEDEBUG")] = QStringLiteral("1");
    TemplateVars vars = fixture::efileVars(testCase);
    FilingResult r(1);
    QCOMPARE(sendEfileRequest(vars, fixture::t1Return(), r), int(EfileSentNoReply));
    QCOMPARE(QString(r.failure), failure);
    QVERIFY(QString(r.detail).contains(QLatin1String("check its filing status with the CRA before filing it again")));
    QTRY_COMPARE(m_server.requestCount(), 1);   // not posted again
    const QByteArray text = log();
    QVERIFY2(text.endsWith("</soapenv:Envelope>\nreason: " + failure.toUtf8() + "\n"), text.constData());
}

// Replies that are no answer, named for what they are by every sender: a
// redirect (never followed), a document type declaration, an error status's
// plain text (the stand-in's "Internal Server Error").
void TestFilingSenders::repliesRefusedForWhatTheyAre_data()
{
    QTest::addColumn<QString>("service");
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<int>("rc");
    QTest::addColumn<QString>("failure");
    const QString redirect = QStringLiteral("HTTP 302 Found; the server redirected the request to %1; the redirect "
                                            "was not followed").arg(QLatin1String(CraFilingFake::RedirectTarget));
    const QString doctype = QStringLiteral("HTTP 200 OK; the reply holds a document type declaration (<!DOCTYPE>), "
                                           "which is refused: the CRA's replies carry none");
    const QString text = QStringLiteral("HTTP 500 Internal Server Error; the reply holds no XML document");
    QTest::newRow("EFILE redirect") << "efile" << "redirect" << 111 << redirect;
    QTest::newRow("NETFILE redirect") << "netfile" << "redirect" << 1 << redirect;
    QTest::newRow("terms redirect") << "terms" << "redirect" << 51 << redirect;
    QTest::newRow("T1013 redirect") << "t1013" << "redirect" << -100 << redirect;
    QTest::newRow("PAD redirect") << "pad" << "redirect" << -100 << redirect;
    QTest::newRow("T1135 redirect") << "t1135" << "redirect" << 111 << redirect;
    QTest::newRow("EFILE DOCTYPE") << "efile" << "doctype" << 113 << doctype;
    QTest::newRow("NETFILE DOCTYPE") << "netfile" << "doctype" << 1 << doctype;
    QTest::newRow("T1013 DOCTYPE") << "t1013" << "doctype" << -100 << doctype;
    QTest::newRow("PAD DOCTYPE") << "pad" << "doctype" << -100 << doctype;
    QTest::newRow("T1135 DOCTYPE") << "t1135" << "doctype" << 113 << doctype;
    QTest::newRow("EFILE plain text") << "efile" << "http-500" << 113 << text;
    QTest::newRow("T1013 plain text") << "t1013" << "http-500" << -100 << text;
    QTest::newRow("T1135 plain text") << "t1135" << "http-500" << 113 << text;
}

void TestFilingSenders::repliesRefusedForWhatTheyAre()
{
    QFETCH(QString, service);
    QFETCH(QString, scenario);
    QFETCH(QString, failure);
    m_fake.setScenario(scenario);
    const Sent sent = sendTo(service);
    QTEST(sent.rc, "rc");
    QCOMPARE(sent.failure, failure);
    QVERIFY2(log().contains("reason: " + failure.toUtf8() + "\n"), log().constData());
    QCOMPARE(m_server.requestCount(), 1);   // the redirect's target is never asked
}

// As for EFILE: a request that went out without a reply may be filed.
void TestFilingSenders::othersDroppedAfterSendingMayBeFiled_data()
{
    QTest::addColumn<QString>("service");
    QTest::addColumn<int>("rc");
    QTest::newRow("NETFILE") << "netfile" << -20;
    QTest::newRow("T1013") << "t1013" << -10;
    QTest::newRow("PAD") << "pad" << -10;
    QTest::newRow("T1135") << "t1135" << -10;
}

void TestFilingSenders::othersDroppedAfterSendingMayBeFiled()
{
    QFETCH(QString, service);
    m_fake.setScenario(QStringLiteral("drop"));
    const Sent sent = sendTo(service);
    const QString failure = sent.failure;
    QTEST(sent.rc, "rc");
    QCOMPARE(m_server.requestCount(), 1);
    const QString note = QStringLiteral("; the request was sent, so the CRA may have the filing: check its status with "
                                        "the CRA before filing it again");
    QVERIFY2(failure.startsWith(QLatin1String("The server closed the connection")) && failure.endsWith(note),
             qPrintable(failure));
    QVERIFY(log().contains(note.toUtf8()));
}

void TestFilingSenders::untrustedServerIsATransportFailure()
{
    TLSW3Client::setTestCaFile(QString());
    QWebClient::setDefaultCaFile(QString());
    // each failure names the certificate, not the firewall, and logs it
    const QString untrusted = QStringLiteral("The certificate is NOT trusted");
    TemplateVars efile = fixture::efileVars(QStringLiteral("accepted"));
    FilingResult r(1);
    QCOMPARE(sendEfileRequest(efile, fixture::t1Return(), r), 106);
    QVERIFY2(QString(r.failure).contains(untrusted), qPrintable(r.failure));
    QVERIFY(log().contains("reason: The TLS handshake with 127.0.0.1 failed: " + untrusted.toUtf8()));
    TemplateVars netfile = fixture::netfileVars(QStringLiteral("accepted"));
    FilingResult n(1);
    QCOMPARE(sendNetfileRequest(netfile, fixture::t1Return(), n), -20);
    QVERIFY2(QString(n.failure).contains(untrusted), qPrintable(n.failure));
    FilingResult t(0);
    QCOMPARE(requestNetfileTerms(t, false), -50);
    QVERIFY2(QString(t.failure).contains(untrusted), qPrintable(t.failure));
    TemplateVars tris;
    tris.insert("efilerid", "X1");
    tris.insert("password", "p");
    tris.insert("taxyear", "2024");
    FormFilingReply f;
    QCOMPARE(sendTrisOrPadRequest(true, tris, QStringLiteral("<T1013/>"), f), -10);
    QVERIFY2(QString(f.failure).contains(untrusted), qPrintable(f.failure));
    TemplateVars t1135 = fixture::efileVars(QStringLiteral("accepted"));
    T1135FilingReply reply;
    QCOMPARE(sendT1135Request(t1135, fixture::t1135Document(), reply), -10);
    QVERIFY2(QString(reply.failure).contains(untrusted), qPrintable(reply.failure));
    QCOMPARE(m_server.requestCount(), 0);
}

void TestFilingSenders::documentWithoutReturnSendsNothing()
{
    TemplateVars efile = fixture::efileVars(QStringLiteral("accepted"));
    FilingResult r(1);
    QCOMPARE(sendEfileRequest(efile, "</t1:T1Return><t1:T1Return>", r), 104);
    QCOMPARE(log(), QByteArray("Efile request creation failed.\n"));
    TemplateVars netfile = fixture::netfileVars(QStringLiteral("accepted"));
    FilingResult n(1);
    QCOMPARE(sendNetfileRequest(netfile, fixture::t1135Document(), n), -10);
    QCOMPARE(QString(n.detail), QStringLiteral(" cannot assemble Netfile request.\n"));
    QCOMPARE(m_server.requestCount(), 0);
}

void TestFilingSenders::formRequests_data()
{
    QTest::addColumn<bool>("t1013");
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<bool>("closedPort");
    QTest::addColumn<int>("rc");
    QTest::addColumn<QString>("confirmationNumber");
    QTest::addColumn<QString>("responseText");
    QTest::addColumn<QString>("logLine");
    QTest::newRow("t1013 accepted") << true << "t1013-count-1" << false << 0 << "RC24T10130001"
                                    << "response codes: 0 " << "xml=>\n<?xml";
    QTest::newRow("t1013 without declaration") << true << "t1013-no-declaration" << false << 0 << "RC24T10130001"
                                               << "response codes: 0 " << "xml=>\n<soapenv:Envelope";
    QTest::newRow("t1013 rejected") << true << "t1013-count-0" << false << 0 << "" << "response codes: T1013-301 "
                                    << "response codes: T1013-301 \n\n";
    QTest::newRow("t1013 fault") << true << "fault" << false << 0 << ""
                                 << "response codes:  Fault code: soapenv:Server details:The request could not be processed."
                                 << "xml=>";
    QTest::newRow("t1013 not xml") << true << "http-500" << false << -100 << "" << "response parse failed."
                                   << "cannot parse returned response.\n";
    // a web page is no answer of the CRA's: nothing is taken from it
    QTest::newRow("t1013 web page") << true << "web-page-503" << false << -100 << "" << "response parse failed."
                                    << "reason: HTTP 503 Service Unavailable; the reply is a web page";
    QTest::newRow("pad web page, not XML") << false << "broken-page-500" << false << -100 << ""
                                           << "response parse failed."
                                           << "reason: HTTP 500 Internal Server Error; the reply is a web page";
    QTest::newRow("pad another document") << false << "other-document" << false << -100 << ""
                                          << "response parse failed."
                                          << "reason: HTTP 200 OK; the reply holds <Maintenance>, not a PAD response";
    QTest::newRow("t1013 closed port") << true << "" << true << -10 << "" << "web service failed."
                                       << "T1013 web service failed.\n";
    QTest::newRow("pad confirmed") << false << "pad-confirmed" << false << 0 << "PAD2400789"
                                   << "The pre-authorized debit agreement was accepted.\n" << "xml=>";
    QTest::newRow("pad rejected") << false << "pad-rejected" << false << 0 << ""
                                  << "The bank account number is not valid.\nThe payment date is after the due date.\n"
                                  << "xml=>";
    QTest::newRow("pad fault") << false << "fault" << false << 0 << "" << "The request could not be processed."
                               << "xml=>";
    QTest::newRow("pad closed port") << false << "" << true << -10 << "" << "web service failed."
                                     << "T1013 web service failed.\n";
}

void TestFilingSenders::formRequests()
{
    QFETCH(bool, t1013);
    QFETCH(QString, scenario);
    QFETCH(QString, logLine);
    if (QTest::currentDataTag() == QByteArrayLiteral("t1013 closed port")
        || QTest::currentDataTag() == QByteArrayLiteral("pad closed port"))
        useHost(QStringLiteral("127.0.0.1:%1").arg(FakeHttpsServer::closedPort()));
    m_fake.setScenario(scenario);
    m_settings.values[QStringLiteral("MODEDEBUG")] = QStringLiteral("1");   // the request is logged, masked
    TemplateVars vars = fixture::formVars("pad-secret");
    FormFilingReply reply;
    QTEST(sendTrisOrPadRequest(t1013, vars, t1013 ? QStringLiteral("<T1013/>") : QStringLiteral("<pad:Agreement/>"),
                               reply),
          "rc");
    QTEST(QString(reply.confirmationNumber), "confirmationNumber");
    QTEST(QString(reply.responseText), "responseText");
    const QByteArray text = log();
    QVERIFY2(text.contains(logLine.toUtf8()), text.constData());
    QVERIFY(!text.contains("pad-secret"));
    QVERIFY(text.contains(t1013 ? "<wsse:Password>****</wsse:Password>"
                                : "<padrq:PasswordIdentifier>****</padrq:PasswordIdentifier>"));
    QVERIFY(!text.contains(fixture::Sin));
}

// The T1013 as the program makes it: its unique document number (the S.I.N.
// and then the signing date) and its client are masked in the log.
void TestFilingSenders::t1013DocumentLogHoldsNoSin()
{
    m_settings.values[QStringLiteral("MODEDEBUG")] = QStringLiteral("1");   // the request is logged
    const QString description =
        QStringLiteral("{\"persons\":[{\"firstName\":\"Avery\",\"lastName\":\"Lindqvist\",\"sin\":\"%1\","
                       "\"birthDate\":\"1980-04-12\",\"province\":9,\"maritalStatus\":5,\"forms\":[{\"type\":117,"
                       "\"fields\":{\"SIN\":\"%1\",\"FirstName\":\"Avery\",\"LastName\":\"Lindqvist\","
                       "\"RepId\":\"RABC123\",\"Level\":1,\"SignDate\":\"%2\"}}]}]}")
            .arg(QLatin1String(fixture::Sin), QDate::currentDate().toString(Qt::ISODate));
    QString error;
    std::unique_ptr<CReturnFile> file(
        returnbuilder::build(QJsonDocument::fromJson(description.toUtf8()).object(), &error));
    QVERIFY2(file, qPrintable(error));
    m_settings.preferences[QStringLiteral("BusinessEFileNumDbg")] = QStringLiteral("X1234");
    CString body;
    QCOMPARE(buildT1013Xml(*file->self(), body), 0);
    QVERIFY(QString(body).contains(QStringLiteral("<tris:UniqueDocumentNumber>%1").arg(QLatin1String(fixture::Sin))));
    TemplateVars vars = fixture::formVars("pw");
    m_fake.setScenario(QStringLiteral("t1013-count-1"));
    FormFilingReply reply;
    QCOMPARE(sendTrisOrPadRequest(true, vars, body, reply), 0);
    const QByteArray text = log();
    QVERIFY2(text.contains(QByteArray("<tris:UniqueDocumentNumber>") + fixture::MaskedSin), text.constData());
    QVERIFY(text.contains(QByteArray("<tris:ClientID>") + fixture::MaskedSin + "</tris:ClientID>"));
    QVERIFY(!text.contains(fixture::Sin));
    QVERIFY(m_server.requests().first().body.contains(fixture::Sin));
}

void TestFilingSenders::t1135Requests_data()
{
    QTest::addColumn<QString>("testCase");
    QTest::addColumn<bool>("closedPort");
    QTest::addColumn<int>("rc");
    QTest::addColumn<int>("confirmed");
    QTest::addColumn<QString>("confirmation");
    QTest::addColumn<QString>("resultCode");
    QTest::addColumn<QString>("logLine");
    QTest::newRow("accepted") << "accepted" << false << 0 << 1 << "FR240000456" << "0" << "Your T1135 has been received.";
    QTest::newRow("rejected") << "rejected" << false << 0 << 0 << "" << "2101" << "reporting period is not valid";
    QTest::newRow("fault") << "fault" << false << 190 << 0 << "" << "" << "The request could not be processed.";
    QTest::newRow("closed port") << "accepted" << true << -10 << 0 << "" << "" << "T1135 web service failed.\n";
    QTest::newRow("fault with HTTP 500")
        << "fault-not-registered-500" << false << 190 << 0 << "" << ""
        << "reason: HTTP 500 Internal Server Error; the CRA's service answered with a fault: EFILE number X1234 is "
           "not registered.";
    QTest::newRow("web page") << "web-page-503" << false << 111 << 0 << "" << ""
                              << "reason: HTTP 503 Service Unavailable; the reply is a web page";
}

void TestFilingSenders::t1135Requests()
{
    QFETCH(QString, testCase);
    QFETCH(bool, closedPort);
    QFETCH(QString, logLine);
    if (closedPort)
        useHost(QStringLiteral("127.0.0.1:%1").arg(FakeHttpsServer::closedPort()));
    TemplateVars vars = fixture::efileVars(testCase);
    T1135FilingReply reply;
    QTEST(sendT1135Request(vars, fixture::t1135Document(), reply), "rc");
    QTEST(reply.confirmed, "confirmed");
    QTEST(QString(reply.confirmation), "confirmation");
    QTEST(QString(reply.resultCode), "resultCode");
    QVERIFY2(log().contains(logLine.toUtf8()), log().constData());
    if (!closedPort)
        QVERIFY(m_server.requests().first().path == QByteArray(CraFilingFake::T1135Path));
}

void TestFilingSenders::refileTermsAcceptedAndRefused()
{
    int agreement = 0;
    onModal([](DlgFilingTerm *dlg) {
        QLabel *link = dlg->findChild<QLabel *>(QStringLiteral("lblLink"));
        QVERIFY(link->text().contains(QString::fromLatin1(RefileTermsPage)));
        QVERIFY(link->text().startsWith(QStringLiteral("<a href=\"https://")));
        QCOMPARE(dlg->windowTitle(), QStringLiteral("NETFILE terms and conditions"));
        QVERIFY(!dlg->findChild<QTextBrowser *>(QStringLiteral("fld_term"))->toPlainText().isEmpty());
        dlg->findChild<QCheckBox *>(QStringLiteral("fld_bAgree"))->setChecked(true);
        dlg->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    QCOMPARE(askNetfileTerms(agreement, true, nullptr), 0);
    QCOMPARE(agreement, 1);
    QVERIFY(m_server.requests().first().body.contains("<t1rq:RefileTermsAndConditionsRequest/>"));

    onModal([](DlgFilingTerm *dlg) { dlg->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Cancel)->click(); });
    QCOMPARE(askNetfileTerms(agreement, true, nullptr), 10);
    QCOMPARE(agreement, 2);
}

void TestFilingSenders::termsFailureIsShownWithItsCode()
{
    ScriptedMessages messages;
    setMessageHandler(&messages);
    useHost(QStringLiteral("127.0.0.1:%1").arg(FakeHttpsServer::closedPort()));
    int agreement = 0;
    QCOMPARE(askNetfileTerms(agreement, false, nullptr), -50);
    setMessageHandler(nullptr);
    QCOMPARE(agreement, 0);
    QCOMPARE(messages.texts().size(), 1);
    QVERIFY2(messages.texts().first().startsWith(
                 QStringLiteral("Msg:  read Netfile Term failed or network interruption.\n; Code: -50.\nReason: Cannot connect")),
             qPrintable(messages.texts().first()));
    QVERIFY(log().contains("use tls\n read Netfile Term failed or network interruption.\n"));
}

void TestFilingSenders::netfileTermsLinkFromReply()
{
    FilingResult terms(0);
    QCOMPARE(requestNetfileTerms(terms, false), 0);
    QVERIFY(terms.confirmed);
    QVERIFY(m_server.requests().first().body.contains("<t1rq:TermsAndConditionsRequest/>"));
    QVERIFY(QString(terms.detail).endsWith(QStringLiteral("netfile-terms-conditions.html")));
    // The terms exchange is appended to the log, never truncating it.
    FilingResult again(0);
    QCOMPARE(requestNetfileTerms(again, false), 0);
    QCOMPARE(log().count(QByteArray("127.0.0.1:") + QByteArray::number(m_server.port()) + "\n"), 2);
}

void TestFilingSenders::termsDialogNeedsTheTick()
{
    DlgFilingTerm dlg(117);
    dlg.loadTerms(QStringLiteral("I agree to the terms and conditions"), QString(),
                  QStringLiteral("Authorizing/Cancelling a Representaive for Anne"), ":/net/net/termt1013.txt");
    QPushButton *ok = dlg.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    int result = -1;
    QTimer::singleShot(0, [&]() {
        QVERIFY(ok->isEnabled());
        ok->click();
        QVERIFY(dlg.isVisible());   // unticked: stays open, no message
        QVERIFY(QApplication::activeModalWidget() == &dlg);
        dlg.findChild<QCheckBox *>(QStringLiteral("fld_bAgree"))->setChecked(true);
        ok->click();
    });
    result = dlg.exec();
    QCOMPARE(result, 1);
    QCOMPARE(dlg.tag(), 117);
    QCOMPARE(dlg.findChild<QLabel *>(QStringLiteral("lblAgree"))->text(),
             QStringLiteral("I agree to the terms and conditions"));
    QCOMPARE(dlg.findChild<QLabel *>(QStringLiteral("lblLink"))->text(), QString());
}

void TestFilingSenders::termsDialogEscapeAndLinks()
{
    DlgFilingTerm dlg(0);
    dlg.loadTerms(QStringLiteral("agree"), QStringLiteral("https://x.ca/a?b=1&c='2'"), QStringLiteral("T"),
                  ":/tdd/tdd/tdd_efile.txt");
    QLabel *link = dlg.findChild<QLabel *>(QStringLiteral("lblLink"));
    QCOMPARE(link->text(), QStringLiteral("<a href=\"https://x.ca/a?b=1&amp;c='2'\">https://x.ca/a?b=1&amp;c='2'</a>"));
    QVERIFY(int(link->textInteractionFlags()) == 13);
    QVERIFY(!dlg.findChild<QTextBrowser *>(QStringLiteral("fld_term"))->toPlainText().isEmpty());
    dlg.loadTerms(QStringLiteral("agree"), QStringLiteral("https://x.ca/\"><img src=x>"), QStringLiteral("T"),
                  ":/tdd/tdd/tdd_efile.txt");
    QCOMPARE(link->textFormat(), Qt::PlainText);
    dlg.loadTerms(QStringLiteral("agree"), QStringLiteral("javascript:alert(1)"), QStringLiteral("T"),
                  ":/tdd/tdd/missing.txt");
    QCOMPARE(link->textFormat(), Qt::PlainText);
    QVERIFY(dlg.findChild<QTextBrowser *>(QStringLiteral("fld_term"))->toPlainText().isEmpty());
    dlg.setMessage(QStringLiteral("Head"), QString());
    QCOMPARE(dlg.findChild<QLabel *>(QStringLiteral("lblHeader1"))->text(), QStringLiteral("Head"));
    QVERIFY(!dlg.findChild<QLabel *>(QStringLiteral("lblHeader2"))->text().isEmpty());

    QTimer::singleShot(0, [&]() { QTest::keyClick(&dlg, Qt::Key_Escape); });
    QCOMPARE(dlg.exec(), 0);
}

BQ_TEST_MAIN_IMPL(TestFilingSenders, QApplication)
#include "tst_filingsenders.moc"
