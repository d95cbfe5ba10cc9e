#include "bqtest.h"
#include "crafilingfake.h"
#include "mytixmlhandle.h"
#include "qwebclient.h"
#include "tlsw3client.h"
#include "vantrelfake.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>

#include <atomic>

using namespace bqfakes;

namespace {
QByteArray fixture(const QString &name)
{
    QFile f(QStringLiteral(BQ_FAKES_FIXTURES) + QLatin1Char('/') + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray withTestCase(QByteArray envelope, const QByteArray &identifier)
{
    const int from = envelope.indexOf("<comm:TestCaseIdentifier>") + int(qstrlen("<comm:TestCaseIdentifier>"));
    const int to = envelope.indexOf("</comm:TestCaseIdentifier>");
    return envelope.replace(from, to - from, identifier);
}

QByteArray withSin(QByteArray envelope, const QString &sin)
{
    static const QRegularExpression re(QStringLiteral(">\\d{9}<"));
    return QString::fromUtf8(envelope).replace(re, QLatin1Char('>') + sin + QLatin1Char('<')).toUtf8();
}

// The text at a path of exact element names under the envelope, or "<absent>".
QString textAt(const QByteArray &xml, const QString &path)
{
    TiXmlDocument doc;
    doc.Parse(xml.constData(), nullptr, TIXML_ENCODING_UTF8);
    if (doc.Error())
        return QStringLiteral("<not XML>");
    MyTiXmlHandle h(doc.FirstChildElement());
    for (const QString &step : path.split(QLatin1Char('/')))
        h = h.FirstChildElement(step.toUtf8().constData());
    return h.exists() ? QString(h.text()) : QStringLiteral("<absent>");
}

struct Reply
{
    bool ok = false;
    int status = 0;
    QByteArray body;
    QString error;
};

// With the client's own time-outs; a test of a silent scenario gives the reply a short one.
Reply postTo(quint16 port, const char *path, const QByteArray &envelope, const char *type = CraFilingFake::ContentType,
             int readMs = TLSW3Client::Timeouts().readMs)
{
    TLSW3Client::Timeouts timeouts;
    timeouts.readMs = readMs;
    TLSW3Client client;
    client.setTimeouts(timeouts);
    Reply r;
    if (!client.Connect(QStringLiteral("127.0.0.1:%1").arg(port))) {
        r.error = client.errorText();
        return r;
    }
    RawHTTPSoapResponseStru raw;
    r.ok = client.CallSoap(path, false, type, envelope.constData(), envelope.size(), raw);
    r.status = raw.statusCode;
    r.body = raw.body.bytes();
    r.error = raw.errorText;
    return r;
}
} // namespace

class TestFakeServers : public QObject
{
    Q_OBJECT

    FakeHttpsServer m_cra;
    std::unique_ptr<CraFilingFake> m_craFake;
    FakeHttpsServer m_vantrel;
    std::unique_ptr<VantrelFake> m_vantrelFake;
    QTemporaryDir m_dir;

    std::unique_ptr<QWebClient> client(const QString &path)
    {
        auto c = std::make_unique<QWebClient>(m_vantrel.url(path));
        c->setCaFile(m_vantrel.caFile());
        return c;
    }

private slots:
    void initTestCase()
    {
        m_craFake = std::make_unique<CraFilingFake>(m_cra);
        QVERIFY2(m_cra.start(), qPrintable(m_cra.errorString()));
        m_vantrelFake = std::make_unique<VantrelFake>(m_vantrel);
        QVERIFY2(m_vantrel.start(), qPrintable(m_vantrel.errorString()));
        TLSW3Client::setTestCaFile(m_cra.caFile());
        QVERIFY(!fixture(QStringLiteral("efile-envelope.xml")).isEmpty());
    }
    void cleanupTestCase() { TLSW3Client::setTestCaFile(QString()); }
    void init() { m_cra.clearRequests(); m_craFake->setScenario(QString()); }

    // Every scenario's reply, read along the element paths the reply parsers use.
    void craScenarios_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("envelope");
        QTest::addColumn<QString>("elementPath");
        QTest::addColumn<QString>("text");
        const QByteArray efile = fixture(QStringLiteral("efile-envelope.xml"));
        const QByteArray netfile = fixture(QStringLiteral("netfile-envelope.xml"));
        const QByteArray t1135 = fixture(QStringLiteral("t1135-envelope.xml"));
        const QByteArray t1013 = fixture(QStringLiteral("t1013-envelope.xml"));
        const QByteArray pad = fixture(QStringLiteral("pad-envelope.xml"));
        const QString efr = QStringLiteral("soapenv:Body/t1ersp:EfileReturnResponse/");
        const QString frr = efr + QStringLiteral("t1rsp:FileReturnResponse/");
        auto efileRow = [&](const char *tag, const QByteArray &id, const QString &p, const QString &t) {
            QTest::newRow(tag) << QByteArray(CraFilingFake::EfilePath) << withTestCase(efile, id) << p << t;
        };
        efileRow("efile accepted", "1", efr + "TransmissionNumber", "TX240000123");
        efileRow("efile accepted, empty indicator", "accepted", efr + "t1ersp:CvIndicator", "");
        efileRow("efile indicator 2139", "15", efr + "t1ersp:CvIndicator", "2139");
        efileRow("efile indicator 24", "16", efr + "t1ersp:CvIndicator", "24");
        efileRow("efile indicator 0024", "17", efr + "t1ersp:CvIndicator", "0024");
        efileRow("efile confirmation link", "1",
                 frr + "t1rsp:Confirmation/t1rsp:EnglishMessage/t1rsp:Hyperlink/t1rsp:HyperlinkText", "My Account");
        efileRow("efile rejected", "2", frr + "t1rsp:Rejection/t1rsp:EnglishMessage/t1rsp:Hyperlink/t1rsp:HyperlinkText",
                 "Error codes");
        efileRow("efile 184x processing error", "3",
                 frr + "t1rsp:ProcessingError/t1rsp:ErrorCodeDescription/t1rsp:ErrorCode", "12345");
        efileRow("efile system error", "4", efr + "ResultCode", "2000");
        efileRow("efile system and processing error", "5",
                 frr + "t1rsp:ProcessingError/t1rsp:ErrorCodeDescription/t1rsp:ErrorCode", "12345");
        efileRow("fault", "6", "soapenv:Body/soapenv:Fault/faultstring", "The request could not be processed.");
        efileRow("fault without string", "7", "soapenv:Body/soapenv:Fault/faultstring", "<absent>");
        efileRow("end of line 132", "8", "soapenv:Body/pfeo:EolResponse/resultCode", "132");
        efileRow("malformed", "9", "soapenv:Body", "<not XML>");
        efileRow("empty body", "10", "soapenv:Body", "<not XML>");
        efileRow("no declaration", "11", efr + "ResultCode", "0");
        QTest::newRow("t1135 accepted") << QByteArray(CraFilingFake::T1135Path) << t1135
                                        << "soapenv:Body/FrrmsEfileReturnResponse/TransmissionNumber" << "FR240000456";
        QTest::newRow("t1135 rejected") << QByteArray(CraFilingFake::T1135Path) << withTestCase(t1135, "2")
                                        << "soapenv:Body/FrrmsEfileReturnResponse/ResultCode" << "2101";
        const QString nr = QStringLiteral("soapenv:Body/t1rsp:NetfileReturnResponse/t1rsp:FileReturnResponse/");
        QTest::newRow("netfile accepted") << QByteArray(CraFilingFake::NetfilePath) << netfile
                                          << nr + "t1rsp:Confirmation/t1rsp:ConfirmationCode" << "NF7C2Q9";
        QTest::newRow("netfile rejected") << QByteArray(CraFilingFake::NetfilePath) << withTestCase(netfile, "rejected")
                                          << nr + "t1rsp:Rejection/t1rsp:EnglishMessage/t1rsp:MessageText"
                                          << "The return was rejected: the date of birth does not match our records.";
        QTest::newRow("netfile terms") << QByteArray(CraFilingFake::NetfilePath)
                                       << fixture(QStringLiteral("netfile-terms-request.xml"))
                                       << "soapenv:Body/t1rsp:TermsAndConditionsResponse/t1rsp:TermsAndConditions/"
                                          "t1rsp:EnglishMessage/t1rsp:Hyperlink/t1rsp:HyperlinkText"
                                       << "NETFILE terms and conditions";
        const QString bd = QStringLiteral("soapenv:Body/trisr:Response/trisr:BatchResponse/trisr:BatchResponseDetail/");
        for (int count = 0; count < 3; ++count)
            QTest::newRow(qPrintable(QStringLiteral("t1013 count %1").arg(count)))
                << QByteArray(CraFilingFake::T1013Path)
                << withSin(t1013, CraFilingFake::sinForScenario(QStringLiteral("t1013-count-%1").arg(count)))
                << bd + "trisr:ReceivedFormsCount" << QString::number(count);
        const QString pr = QStringLiteral("soapenv:Body/PadCreateResponse/");
        auto padRow = [&](const char *tag, const char *scenario, const QString &p, const QString &t) {
            QTest::newRow(tag) << QByteArray(CraFilingFake::PadPath)
                               << withSin(pad, CraFilingFake::sinForScenario(QString::fromLatin1(scenario))) << p << t;
        };
        padRow("pad confirmed", "pad-confirmed", pr + "Confirmation/ConfirmationNumber", "PAD2400789");
        padRow("pad rejected", "pad-rejected", pr + "Rejection/ResponseCodeDescription/ResponseCode", "PAD-102");
        padRow("pad system error", "pad-system-error", pr + "SystemError/ResponseCodeDescription/ResponseCode", "PAD-900");
        padRow("pad confirmed and rejected", "pad-confirmed-rejected", pr + "Rejection/ResponseCodeDescription/ResponseCode",
               "PAD-102");
    }
    void craScenarios()
    {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, envelope);
        QFETCH(QString, elementPath);
        QFETCH(QString, text);
        const Reply r = postTo(m_cra.port(), path.constData(), envelope);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.status, 200);
        QCOMPARE(textAt(r.body, elementPath), text);
        QCOMPARE(m_cra.requestCount(), 1);
        QCOMPARE(m_cra.requests().first().body, envelope);
    }

    void craTransportScenarios()
    {
        const QByteArray efile = fixture(QStringLiteral("efile-envelope.xml"));
        Reply r = postTo(m_cra.port(), CraFilingFake::EfilePath, withTestCase(efile, "12"));
        QVERIFY(r.ok);
        QCOMPARE(r.status, 500);
        r = postTo(m_cra.port(), CraFilingFake::EfilePath, withTestCase(efile, "silence"), CraFilingFake::ContentType,
                   600);
        QVERIFY(!r.ok);
        QVERIFY2(r.error.contains(QStringLiteral("No complete reply")), qPrintable(r.error));
        QTRY_COMPARE(m_cra.requestCount(), 2);   // the client may give up before the fake read it
        r = postTo(m_cra.port(), CraFilingFake::EfilePath, withTestCase(efile, "14"));
        QVERIFY(!r.ok);
        QVERIFY2(r.error.contains(QStringLiteral("without a reply")), qPrintable(r.error));
        QCOMPARE(m_cra.requestCount(), 3);
        QCOMPARE(m_cra.requests().last().body, withTestCase(efile, "14"));   // the whole request was read

        r = postTo(m_cra.port(), CraFilingFake::EfilePath, efile, "application/soap+xml");
        QCOMPARE(r.status, 415);
        r = postTo(m_cra.port(), CraFilingFake::EfilePath, withTestCase(efile, "../../etc/passwd"));
        QCOMPARE(r.status, 400);
    }

    // Each sample return of tools/ files every form against the stand-ins: its
    // S.I.N. picks a scenario of one service only, the others give their
    // default answer (EFILE, NETFILE and T1135 go without a test case).
    void sampleReturnsFileEachForm_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("envelope");
        QTest::addColumn<QString>("response");
        const struct
        {
            const char *form;
            const char *path;
            const char *fixture;
            const char *response;
        } forms[] = {
            {"EFILE", CraFilingFake::EfilePath, "efile-envelope.xml", "t1ersp:EfileReturnResponse"},
            {"NETFILE", CraFilingFake::NetfilePath, "netfile-envelope.xml", "t1rsp:NetfileReturnResponse"},
            {"T1013", CraFilingFake::T1013Path, "t1013-envelope.xml", "trisr:Response"},
            {"T1135", CraFilingFake::T1135Path, "t1135-envelope.xml", "FrrmsEfileReturnResponse"},
            {"PAD", CraFilingFake::PadPath, "pad-envelope.xml", "PadCreateResponse"},
        };
        for (const char *sample : {"fileshot-return.json", "windowshots-rows.json"}) {
            QFile file(QStringLiteral(BQ_SAMPLE_RETURNS) + QLatin1Char('/') + QLatin1String(sample));
            QVERIFY2(file.open(QIODevice::ReadOnly), sample);
            const QJsonArray persons = QJsonDocument::fromJson(file.readAll()).object().value("persons").toArray();
            QVERIFY(!persons.isEmpty());
            for (const QJsonValue &person : persons) {
                const QString sin = person.toObject().value("sin").toString();
                for (const auto &f : forms) {
                    QByteArray envelope = withSin(fixture(QLatin1String(f.fixture)), sin);
                    if (envelope.contains("<comm:TestCaseIdentifier>"))
                        envelope = withTestCase(envelope, "");
                    QTest::addRow("%s %s %s", sample, qPrintable(sin), f.form)
                        << QByteArray(f.path) << envelope << QString::fromLatin1(f.response);
                }
            }
        }
    }
    void sampleReturnsFileEachForm()
    {
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, envelope);
        QFETCH(QString, response);
        const Reply r = postTo(m_cra.port(), path.constData(), envelope);
        QVERIFY2(r.ok, qPrintable(r.error));
        QVERIFY2(r.status == 200, r.body.constData());
        QVERIFY2(textAt(r.body, QStringLiteral("soapenv:Body/") + response) != QLatin1String("<absent>"),
                 r.body.constData());
    }

    void overrideWinsOverEnvelope()
    {
        m_craFake->setScenario(QStringLiteral("eol-132"));
        const Reply r = postTo(m_cra.port(), CraFilingFake::EfilePath,
                               withTestCase(fixture(QStringLiteral("efile-envelope.xml")), "1"));
        QCOMPARE(textAt(r.body, QStringLiteral("soapenv:Body/pfeo:EolResponse/resultCode")), QStringLiteral("132"));
    }

    // ---- e-signature ----
    void vantrelLogInAndStatus()
    {
        auto login = client(QString::fromLatin1(VantrelFake::LoginPath));
        login->addQueryItem(QStringLiteral("email"), QStringLiteral("preparer@example.com"));
        login->addQueryItem(QStringLiteral("password"), QStringLiteral("s3cret"));
        QString reply;
        QVERIFY2(login->post(reply), qPrintable(login->errorText()));
        const QString token = QJsonDocument::fromJson(reply.toUtf8()).object().value(QStringLiteral("access_token")).toString();
        QCOMPARE(token, QString::fromLatin1(VantrelFake::Token));

        m_vantrelFake->setStatus(77, QStringLiteral("Completed"), QStringLiteral("2025-03-02T15:04:05Z"));
        auto status = client(QStringLiteral("/api/signature-requests/77"));
        QVERIFY(status->post(reply, token.toUtf8().constData(), "Bearer"));
        const QJsonObject o = QJsonDocument::fromJson(reply.toUtf8()).object();
        QCOMPARE(o.value(QStringLiteral("sr_id")).toInt(), 77);
        QCOMPARE(o.value(QStringLiteral("status")).toString(), QStringLiteral("Completed"));
        QCOMPARE(o.value(QStringLiteral("completed_at_utc")).toString(), QStringLiteral("2025-03-02T15:04:05Z"));
        auto unknown = client(QStringLiteral("/api/signature-requests/999"));
        QVERIFY(!unknown->post(reply, token.toUtf8().constData(), "Bearer"));
        QCOMPARE(unknown->responseCode(), 404);
    }

    void vantrelSignatureFilingAndTemplate()
    {
        const QString pdf = m_dir.filePath(QStringLiteral("T183.pdf"));
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("%PDF-1.4 test") > 0);
        f.close();
        const QByteArray basic = QByteArray("preparer@example.com:s3cret").toBase64();
        QWebClient sign(m_vantrel.url(QString::fromLatin1(VantrelFake::SignaturePath)), pdf, QStringLiteral("T183.pdf"),
                        QStringLiteral("document_file"));
        sign.setCaFile(m_vantrel.caFile());
        const QList<QPair<QString, QString>> items = {
            {"email", "client@example.com"}, {"password", "6789"}, {"licdata", "046454286"},
            {"expires_in_days", "30"}, {"date_pos", "[{\"page\": 0}]"}, {"sw", "T1KV2024"}, {"func", "VANTREL"},
            {"form", "T183"}, {"sender_note", "This is for Marie (tax year 2024)"}, {"login_type", "fernquaver"}};
        for (const auto &i : items)
            sign.addQueryItem(i.first, i.second);
        QString reply;
        QVERIFY2(sign.post(reply, basic.constData()), qPrintable(sign.errorText()));
        QCOMPARE(QJsonDocument::fromJson(reply.toUtf8()).object().value(QStringLiteral("sr_id")).toInt(),
                 m_vantrelFake->lastRequestId());

        auto filing = client(QString::fromLatin1(VantrelFake::FilingPath));
        for (const char *name : {"licdata", "sw", "func", "form", "taxpayer_name", "taxpayer_phone", "login_type",
                                 "filed_at", "tax_year_end", "status", "confirmation_code", "filing_message"})
            filing->addQueryItem(QString::fromLatin1(name),
                                 QString::fromLatin1(name) == QLatin1String("func") ? QStringLiteral("FLNGRCD")
                                 : QString::fromLatin1(name) == QLatin1String("status") ? QStringLiteral("30100")
                                                                                         : QStringLiteral("x"));
        QVERIFY2(filing->post(reply, basic.constData()), qPrintable(filing->errorText()));
        QVERIFY(QJsonDocument::fromJson(reply.toUtf8()).object().value(QStringLiteral("success")).toBool());

        auto latest = client(QString::fromLatin1(VantrelFake::TemplatePath));
        for (const char *name : {"software_name", "software_version", "type", "version_info_only"})
            latest->addQueryItem(QString::fromLatin1(name), QStringLiteral("v"));
        QVERIFY(latest->post(reply, VantrelFake::Token, "Bearer"));
        const QJsonObject t = QJsonDocument::fromJson(reply.toUtf8()).object();
        QVERIFY(t.value(QStringLiteral("success")).toBool());
        const QJsonObject first = t.value(QStringLiteral("data")).toArray().first().toObject();
        QCOMPARE(first.value(QStringLiteral("template_version")).toInt(), 3);
        QWebClient download(first.value(QStringLiteral("template_pdf_url")).toString());
        download.setCaFile(m_vantrel.caFile());
        QVERIFY(download.download(m_dir.filePath(QStringLiteral("letter.pdf"))));
    }

    void vantrelRefusesWrongCredentials_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("credentials");
        QTest::addColumn<QByteArray>("scheme");
        QTest::newRow("signature, wrong password") << "/api/signature-requests"
                                                   << QByteArray("preparer@example.com:nope").toBase64() << QByteArray("Basic");
        QTest::newRow("signature, a token") << "/api/signature-requests" << QByteArray(VantrelFake::Token) << QByteArray("Bearer");
        QTest::newRow("filing, none") << "/api/filing" << QByteArray() << QByteArray("Basic");
        QTest::newRow("status, wrong token") << "/api/signature-requests/123" << QByteArray("guess") << QByteArray("Bearer");
        QTest::newRow("template, Basic") << "/api/templates/latest"
                                         << QByteArray("preparer@example.com:s3cret").toBase64() << QByteArray("Basic");
        QTest::newRow("log-in, wrong password") << "/api/user/login" << QByteArray() << QByteArray("Basic");
    }
    void vantrelRefusesWrongCredentials()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, credentials);
        QFETCH(QByteArray, scheme);
        auto c = client(path);
        c->addQueryItem(QStringLiteral("email"), QStringLiteral("preparer@example.com"));
        c->addQueryItem(QStringLiteral("password"), QStringLiteral("wrong"));
        QString reply;
        QVERIFY(!c->post(reply, credentials.isEmpty() ? nullptr : credentials.constData(), scheme.constData()));
        QCOMPARE(c->responseCode(), 401);
    }

    // stop() returns once the server's thread has wholly ended, its
    // thread-local clean-up included (the TLS library frees its per-thread
    // state there); left running, that clean-up races with the process's exit.
    void stopWaitsForTheThreadsEnd()
    {
        static std::atomic<bool> cleanedUp{false};
        struct SlowThreadCleanUp
        {
            ~SlowThreadCleanUp()
            {
                QThread::msleep(200);
                cleanedUp = true;
            }
        };
        FakeHttpsServer server;
        server.route("POST", "/touch", [](const FakeRequest &) {
            thread_local SlowThreadCleanUp onThreadEnd;
            (void)onThreadEnd;
            return FakeResponse::text("touched");
        });
        QVERIFY2(server.start(), qPrintable(server.errorString()));
        TLSW3Client client;
        QVERIFY2(client.Connect(QStringLiteral("127.0.0.1:%1").arg(server.port())), qPrintable(client.errorText()));
        RawHTTPSoapResponseStru reply;
        QVERIFY2(client.CallSoap("/touch", false, "text/xml", "<x/>", 4, reply), qPrintable(reply.errorText));
        QCOMPARE(reply.body.bytes(), QByteArray("touched"));
        server.stop();
        QVERIFY(cleanedUp);
    }
};

BQ_TEST_MAIN_CORE(TestFakeServers)
#include "tst_fakeservers.moc"
