#include "bqtest.h"
#include "fakehttpsserver.h"
#include "fakeservices.h"
#include "qwebclient.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

using namespace bqfakes;

class TestQWebClient : public QObject
{
    Q_OBJECT

    FakeHttpsServer m_server;
    QTemporaryDir m_dir;
    TestCertificates m_otherAuthority;

    QString url(const char *path) const { return m_server.url(QString::fromLatin1(path)); }
    FakeRequest lastRequest() const
    {
        const QList<FakeRequest> all = m_server.requests();
        return all.isEmpty() ? FakeRequest() : all.last();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        serveVersionPage(m_server, "200 20260601");
        serveSupportUpload(m_server);
        serveVantrelVerify(m_server);
        m_server.route("*", "/echo", [](const FakeRequest &) { return FakeResponse::text("échoed"); });
        m_server.route("GET", "/small", [](const FakeRequest &) { return FakeResponse::text(QByteArray(300, 's')); });
        m_server.route("GET", "/file", [](const FakeRequest &) { return FakeResponse::text(QByteArray(70000, 'x')); });
        m_server.route("*", "/silent", [](const FakeRequest &) { return FakeResponse::silent(); });
        m_server.route("*", "/drop", [](const FakeRequest &) { return FakeResponse::drop(); });
        m_server.route("*", "/garbage",
                       [](const FakeRequest &) { return FakeResponse::raw("this is not HTTP at all\r\n\r\n"); });
        m_server.route("*", "/truncated", [](const FakeRequest &) {
            return FakeResponse::raw("HTTP/1.1 200 OK\r\nContent-Length: 100\r\nConnection: close\r\n\r\nshort");
        });
        m_server.route("*", "/redirect-plain", [](const FakeRequest &) {
            FakeResponse r = FakeResponse::text("moved", 302);
            r.headers.append(qMakePair(QByteArray("Location"), QByteArray("http://example.invalid/x")));
            return r;
        });
        QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
        QVERIFY(m_server.port() != 0);

        const QString other = m_dir.filePath(QStringLiteral("other"));
        QVERIFY(QDir().mkpath(other));
        m_otherAuthority = TestCertificates::generate(other);
        QVERIFY2(m_otherAuthority.isValid(), qPrintable(m_otherAuthority.errorString));
    }

    void init() { m_server.clearRequests(); }

    void postSendsItemsAsFormBody()
    {
        QWebClient client(url(VersionPagePath), false);
        client.setCaFile(m_server.caFile());
        client.addQueryItem(QStringLiteral("kw1"), QStringLiteral("QT1E-2024"));
        client.addQueryItem(QStringLiteral("kw2"), QStringLiteral("latest"));
        QString reply;
        QVERIFY2(client.post(reply, nullptr), qPrintable(client.errorText()));
        QCOMPARE(reply, QStringLiteral("200 20260601"));
        QCOMPARE(client.responseCode(), 200);
        QVERIFY(client.errorText().isEmpty());

        const FakeRequest sent = lastRequest();
        QCOMPARE(sent.method, QByteArray("POST"));
        QVERIFY(sent.query.isEmpty());
        const QList<QPair<QString, QString>> expected{{"kw1", "QT1E-2024"}, {"kw2", "latest"}};
        QCOMPARE(sent.formItems(), expected);
    }

    void valuesRoundTrip_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("plus and ampersand") << QStringLiteral("a+b &c=d");
        QTest::newRow("line feed and accents") << QStringLiteral("Brackenquill 2024\nRéal Côté");
        QTest::newRow("empty") << QString();
    }
    void valuesRoundTrip()
    {
        QFETCH(QString, value);
        // Through the body of a post and through the query of a get.
        QWebClient poster(url("/echo"));
        poster.setCaFile(m_server.caFile());
        poster.addQueryItem(QStringLiteral("msg"), value);
        QCOMPARE(poster.post(), QStringLiteral("échoed"));
        QCOMPARE(lastRequest().bodyValue(QStringLiteral("msg")), value);

        QWebClient getter(url("/echo?fixed=1"));
        getter.setCaFile(m_server.caFile());
        getter.addQueryItem(QStringLiteral("msg"), value);
        QString reply;
        QVERIFY2(getter.get(reply), qPrintable(getter.errorText()));
        const FakeRequest sent = lastRequest();
        QCOMPARE(sent.method, QByteArray("GET"));
        const QList<QPair<QString, QString>> expected{{"fixed", "1"}, {"msg", value}};
        QCOMPARE(sent.queryItems(), expected);
    }

    void multipartUploadSendsFileThenItems()
    {
        const QString path = m_dir.filePath(QStringLiteral("client return.r24"));
        QByteArray content("\x00\x01\x02 binary \r\n--not-a-boundary\r\n", 37);
        content += QByteArray(5000, '\xfe');
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        QWebClient client(url(SupportUploadPath), path, QStringLiteral("05251630-client return.r24"),
                          QStringLiteral("file"));
        client.setCaFile(m_server.caFile());
        client.addQueryItem(QStringLiteral("email"), QStringLiteral("help@example.com"));
        client.addQueryItem(QStringLiteral("msg"), QStringLiteral("Brackenquill 2024\nPlease look"));
        client.addQueryItem(QStringLiteral("path"), path);
        QString reply;
        QVERIFY2(client.post(reply), qPrintable(client.errorText()));
        QCOMPARE(reply, QStringLiteral("OK"));

        const QList<MultipartPart> parts = lastRequest().parts();
        QCOMPARE(parts.size(), 4);
        QCOMPARE(parts.at(0).name, QByteArray("file"));
        QCOMPARE(parts.at(0).fileName, QByteArray("05251630-client return.r24"));
        QCOMPARE(parts.at(0).data, content);
        QCOMPARE(parts.at(1).name, QByteArray("email"));
        QCOMPARE(parts.at(1).data, QByteArray("help@example.com"));
        QCOMPARE(parts.at(2).data, QByteArray("Brackenquill 2024\nPlease look"));
        QCOMPARE(parts.at(3).name, QByteArray("path"));
        QCOMPARE(QString::fromUtf8(parts.at(3).data), path);
    }

    void missingUploadFileSendsNothing()
    {
        QWebClient client(url(SupportUploadPath), m_dir.filePath(QStringLiteral("absent.r24")),
                          QStringLiteral("x.r24"), QStringLiteral("file"));
        client.setCaFile(m_server.caFile());
        QString reply;
        QVERIFY(!client.post(reply));
        QVERIFY(client.errorText().contains(QStringLiteral("absent.r24")));
        QCOMPARE(m_server.requestCount(), 0);
    }

    void pointsCheckAgainstVerify_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("json");
        QTest::addColumn<int>("points");
        QTest::newRow("form body") << QStringLiteral("s3cret") << false << 25;
        QTest::newRow("json body") << QStringLiteral("s3cret") << true << 25;
        QTest::newRow("wrong password") << QStringLiteral("guess") << false << -2;
    }
    void pointsCheckAgainstVerify()
    {
        QFETCH(QString, password);
        QFETCH(bool, json);
        QFETCH(int, points);
        QWebClient client(url(VantrelVerifyPath), false);
        client.setCaFile(m_server.caFile());
        QString reply;
        if (json) {
            const QJsonObject body{{"email", "preparer@example.com"}, {"password", password}};
            QVERIFY2(client.postJson(QJsonDocument(body).toJson(), reply), qPrintable(client.errorText()));
            QCOMPARE(lastRequest().header("content-type"), QByteArray("application/json"));
        } else {
            client.addQueryItem(QStringLiteral("email"), QStringLiteral("preparer@example.com"));
            client.addQueryItem(QStringLiteral("password"), password);
            QVERIFY2(client.post(reply, nullptr), qPrintable(client.errorText()));
        }
        QVERIFY(!lastRequest().query.contains("password"));
        const QJsonObject answer = QJsonDocument::fromJson(reply.toUtf8()).object();
        QCOMPARE(answer.value(QStringLiteral("points")).toInt(), points);
    }

    void authorizationHeader_data()
    {
        QTest::addColumn<QByteArray>("scheme");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("basic") << QByteArray("Basic") << QByteArray("Basic dXNlcjpwYXNz");
        QTest::newRow("bearer") << QByteArray("Bearer") << QByteArray("Bearer dXNlcjpwYXNz");
    }
    void authorizationHeader()
    {
        QFETCH(QByteArray, scheme);
        QFETCH(QByteArray, expected);
        QWebClient client(url("/echo"));
        client.setCaFile(m_server.caFile());
        QString reply;
        QVERIFY(client.post(reply, "dXNlcjpwYXNz", scheme.constData()));
        QCOMPARE(lastRequest().header("authorization"), expected);
        QVERIFY(client.post(reply));
        QVERIFY(lastRequest().header("authorization").isEmpty());
    }

    void soapPost_data()
    {
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QByteArray>("action");
        QTest::addColumn<QByteArray>("sentType");
        QTest::addColumn<QByteArray>("sentAction");
        QTest::newRow("defaults") << QByteArray() << QByteArray() << QByteArray("text/xml; charset=UTF-8")
                                  << QByteArray("\"\"");
        QTest::newRow("action") << QByteArray("text/xml; charset=UTF-8") << QByteArray("urn:FileReturn")
                                << QByteArray("text/xml; charset=UTF-8") << QByteArray("\"urn:FileReturn\"");
    }
    void soapPost()
    {
        QFETCH(QByteArray, contentType);
        QFETCH(QByteArray, action);
        QFETCH(QByteArray, sentType);
        QFETCH(QByteArray, sentAction);
        const QString envelope = QStringLiteral("<?xml version=\"1.0\"?><soapenv:Envelope>Côté</soapenv:Envelope>");
        QWebClient client(url("/echo"), false);
        client.setCaFile(m_server.caFile());
        QString reply;
        QVERIFY(client.postSoapXML(envelope, contentType.isEmpty() ? nullptr : contentType.constData(), reply,
                                   action.isEmpty() ? nullptr : action.constData(), nullptr));
        QCOMPARE(reply, QStringLiteral("échoed"));
        const FakeRequest sent = lastRequest();
        QCOMPARE(sent.header("content-type"), sentType);
        QCOMPARE(sent.header("soapaction"), sentAction);
        QCOMPARE(sent.body, envelope.toUtf8());
    }

    void downloadReplacesFileOnlyWhenComplete()
    {
        const QString target = m_dir.filePath(QStringLiteral("letter.pdf"));
        QWebClient good(url("/file"));
        good.setCaFile(m_server.caFile());
        QVERIFY2(good.download(target), qPrintable(good.errorText()));
        QCOMPARE(QFileInfo(target).size(), qint64(70000));

        QWebClient cut(url("/truncated"));
        cut.setCaFile(m_server.caFile());
        QVERIFY(!cut.download(target));
        QCOMPARE(QFileInfo(target).size(), qint64(70000));
    }

    void overCapDownloadKeepsEarlierFile()
    {
        const QString target = m_dir.filePath(QStringLiteral("capped.pdf"));
        const QByteArray earlier("%PDF-1.4 the earlier letter\n\x01\x02");
        QFile file(target);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(earlier) == earlier.size());
        file.close();

        QWebClient capped(url("/file"));
        capped.setCaFile(m_server.caFile());
        capped.setMaxDownloadBytes(1000);
        QVERIFY(!capped.download(target));
        QVERIFY2(capped.errorText().contains(QStringLiteral("larger than 1000")), qPrintable(capped.errorText()));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), earlier);
        file.close();
        QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("capped.pdf*")}, QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("capped.pdf")});

        QWebClient fits(url("/file"));
        fits.setCaFile(m_server.caFile());
        fits.setMaxDownloadBytes(70000);
        QVERIFY2(fits.download(target), qPrintable(fits.errorText()));
        QCOMPARE(QFileInfo(target).size(), qint64(70000));
    }

    // The second argument only traces: certificate and host-name checks stay on.
    void checksStayOnWhateverTheFlag_data()
    {
        QTest::addColumn<bool>("trace");
        QTest::newRow("trace off") << false;
        QTest::newRow("trace on") << true;
    }
    void checksStayOnWhateverTheFlag()
    {
        QFETCH(bool, trace);
        const QString folder = m_dir.filePath(QStringLiteral("elsewhere-%1").arg(trace));
        QVERIFY(QDir().mkpath(folder));
        const TestCertificates elsewhere = TestCertificates::generate(folder, QStringLiteral("filing.elsewhere.invalid"), QString());
        QVERIFY2(elsewhere.isValid(), qPrintable(elsewhere.errorString));
        FakeHttpsServer server;
        server.setCertificates(elsewhere);
        server.route("*", "/echo", [](const FakeRequest &) { return FakeResponse::text("reached"); });
        QVERIFY2(server.start(), qPrintable(server.errorString()));

        QWebClient misnamed(server.url(QStringLiteral("/echo")), trace);
        misnamed.setCaFile(elsewhere.caFile);
        misnamed.setTimeout(3000);
        QString reply;
        QVERIFY(!misnamed.post(reply));
        QVERIFY2(misnamed.errorText().contains(QStringLiteral("host name"), Qt::CaseInsensitive), qPrintable(misnamed.errorText()));

        QWebClient untrusted(url("/echo"), trace);
        untrusted.setCaFile(m_otherAuthority.caFile);
        untrusted.setTimeout(3000);
        QVERIFY(!untrusted.post(reply));
        QCOMPARE(server.requestCount() + m_server.requestCount(), 0);
    }

    // A full disk (a file-size limit): the download fails and the earlier file stays
    // whole, for a small reply (written only at the commit) and a large one.
    void downloadOnFullDisk_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::newRow("small") << QByteArray("/small");
        QTest::newRow("large") << QByteArray("/file");
    }
    void downloadOnFullDisk()
    {
        QFETCH(QByteArray, path);
        const QString target = m_dir.filePath(QStringLiteral("full.pdf"));
        {
            QFile f(target);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write("earlier letter");
        }
        QWebClient client(url(path.constData()));
        client.setCaFile(m_server.caFile());
        bool downloaded = true;
        {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit saved{};
            getrlimit(RLIMIT_FSIZE, &saved);
            const rlimit full{10, saved.rlim_max};
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &full), 0);
            downloaded = client.download(target);
            setrlimit(RLIMIT_FSIZE, &saved);
        }
        QVERIFY(!downloaded);
        QVERIFY2(client.errorText().endsWith(QString::fromLocal8Bit(std::strerror(EFBIG))),
                 qPrintable(client.errorText()));
        QFile f(target);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("earlier letter"));
        QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("*full.pdf*")}, QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("full.pdf")});   // no temporary left
        // with room again: the file is replaced, owner-only
        QVERIFY2(client.download(target), qPrintable(client.errorText()));
        QCOMPARE(QFile::permissions(target) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
    }

    void processWideAuthority()
    {
        QWebClient::setDefaultCaFile(m_server.caFile());
        QWebClient client(url(VersionPagePath));
        client.addQueryItem(QStringLiteral("kw1"), QStringLiteral("a"));
        client.addQueryItem(QStringLiteral("kw2"), QStringLiteral("b"));
        const QString reply = client.post();
        QWebClient::setDefaultCaFile(QString());
        QCOMPARE(reply, QStringLiteral("200 20260601"));
    }

    void plainHttpOnlyToLoopback()
    {
        FakeHttpsServer plain(FakeHttpsServer::Scheme::Http);
        plain.route("POST", "/p", [](const FakeRequest &) { return FakeResponse::text("plain"); });
        QVERIFY2(plain.start(), qPrintable(plain.errorString()));
        QWebClient local(plain.url(QStringLiteral("/p")));
        QCOMPARE(local.post(), QStringLiteral("plain"));

        QWebClient remote(QStringLiteral("http://example.invalid/api/user/verify"));
        remote.addQueryItem(QStringLiteral("password"), QStringLiteral("s3cret"));
        QString reply;
        QVERIFY(!remote.post(reply));
        QVERIFY(remote.errorText().contains(QStringLiteral("HTTPS")));
    }

    void usableOnWorkerThread()
    {
        QString reply;
        bool ok = false;
        const QString address = url(VersionPagePath);
        const QString ca = m_server.caFile();
        std::unique_ptr<QThread> worker(QThread::create([&] {
            QWebClient client(address);
            client.setCaFile(ca);
            client.addQueryItem(QStringLiteral("kw1"), QStringLiteral("a"));
            client.addQueryItem(QStringLiteral("kw2"), QStringLiteral("b"));
            ok = client.post(reply);
        }));
        worker->start();
        QVERIFY(worker->wait(20000));
        QVERIFY(ok);
        QCOMPARE(reply, QStringLiteral("200 20260601"));
    }

    void failuresEndQuicklyWithError_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("authority");   // 0 none, 1 the server's, 2 another one, 3 an unreadable file
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("timedOut");
        QTest::addColumn<QString>("errorHas");
        const QString base = m_server.baseUrl();
        QTest::newRow("untrusted certificate") << base + "/echo" << 0 << 0 << false << QString("certificate");
        QTest::newRow("another authority") << base + "/echo" << 2 << 0 << false << QString("certificate");
        QTest::newRow("unreadable authority") << base + "/echo" << 3 << 0 << false << QString("authority");
        QTest::newRow("refused connection")
            << QStringLiteral("https://127.0.0.1:%1/x").arg(FakeHttpsServer::closedPort()) << 1 << 0 << false
            << QString("refused");
        // only silence waits, and then for the client's own time-out (set below)
        QTest::newRow("never answers") << base + "/silent" << 1 << 0 << true << QString("timed out after 600 ms");
        const QString cut = QStringLiteral("before a complete reply");
        QTest::newRow("not http") << base + "/garbage" << 1 << 0 << false << cut;
        QTest::newRow("truncated body") << base + "/truncated" << 1 << 200 << false << cut;
        QTest::newRow("closed without reply") << base + "/drop" << 1 << 0 << false << cut;
        QTest::newRow("not found") << base + "/nowhere" << 1 << 404 << false << QString("404");
        QTest::newRow("redirect to plain http") << base + "/redirect-plain" << 1 << 302 << false
                                                << QString("Redirect refused");
    }
    void failuresEndQuicklyWithError()
    {
        QFETCH(QString, address);
        QFETCH(int, authority);
        QFETCH(int, status);
        QFETCH(bool, timedOut);
        QFETCH(QString, errorHas);
        QWebClient client(address);
        client.setTimeout(600);
        const QString authorities[] = {QString(), m_server.caFile(), m_otherAuthority.caFile,
                                       m_dir.filePath(QStringLiteral("no-such-ca.pem"))};
        client.setCaFile(authorities[authority]);
        QString reply = QStringLiteral("unchanged");
        QVERIFY(!client.post(reply));
        QCOMPARE(reply, QStringLiteral("unchanged"));
        QVERIFY(!client.errorText().isEmpty());
        QVERIFY2(client.errorText().contains(errorHas, Qt::CaseInsensitive), qPrintable(client.errorText()));
        QCOMPARE(client.timedOut(), timedOut);
        QCOMPARE(client.responseCode(), status);
        QCOMPARE(client.post(), QString());
    }
};

BQ_TEST_MAIN_CORE(TestQWebClient)
#include "tst_qwebclient.moc"
