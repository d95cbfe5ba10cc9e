#include "bqtest.h"
#include "fakehttpsserver.h"
#include "handshakedropserver.h"
#include "tlsw3client.h"

#include <QElapsedTimer>
#include <QTcpServer>

using namespace bqfakes;

namespace {
const char kSoapPath[] = "/ebci/pfeo/ws/services/FileReturnService";
const char kSoapType[] = "text/xml; charset=UTF-8";

const int kDefaultReadMs = TLSW3Client::Timeouts().readMs;

struct Exchange
{
    bool connected = false;
    bool called = false;
    RawHTTPSoapResponseStru reply;
    QString connectError;
};

// With the client's own time-outs; a test of a silent server gives the reply a short one.
Exchange post(const QString &host, const QByteArray &body, const char *path = kSoapPath, int readMs = kDefaultReadMs)
{
    Exchange e;
    TLSW3Client client;
    TLSW3Client::Timeouts t;
    t.readMs = readMs;
    client.setTimeouts(t);
    e.connected = client.Connect(host, 443);
    e.connectError = client.errorText();
    if (e.connected)
        e.called = client.CallSoap(path, false, kSoapType, body.constData(), body.size(), e.reply);
    return e;
}
} // namespace

class TestTLSW3Client : public QObject
{
    Q_OBJECT

    FakeHttpsServer m_server;
    QTemporaryDir m_dir;

    QString hostPort(const FakeHttpsServer &s, const char *name = "127.0.0.1") const
    {
        return QStringLiteral("%1:%2").arg(QLatin1String(name)).arg(s.port());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_server.route("POST", kSoapPath, [](const FakeRequest &r) {
            FakeResponse reply = FakeResponse::text("<reply>" + r.body.left(20) + "</reply>");
            reply.contentType = "text/xml; charset=UTF-8";
            return reply;
        });
        m_server.route("POST", "/status500", [](const FakeRequest &) { return FakeResponse::text("<fault/>", 500); });
        m_server.route("POST", "/chunked", [](const FakeRequest &) {
            return FakeResponse::raw("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                                     "5\r\n<a>hi\r\n4;x=1\r\n</a>\r\n0\r\nX-Trailer: 1\r\n\r\n");
        });
        m_server.route("POST", "/oneByteChunks", [](const FakeRequest &) {
            QByteArray raw = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
            raw.reserve(7 * 1024 * 1024);
            for (int i = 0; i < 1024 * 1024; ++i) {
                raw += "1\r\n";
                raw += char('a' + i % 26);
                raw += "\r\n";
            }
            return FakeResponse::raw(raw + "0\r\n\r\n");
        });
        // a short body, then trailers (or chunk extensions) without end
        m_server.route("POST", "/manyTrailers", [](const FakeRequest &) {
            QByteArray raw = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhello\r\n0\r\n";
            for (int i = 0; i < 400; ++i)
                raw += "X-Trailer-" + QByteArray::number(i) + ": " + QByteArray(100, 't') + "\r\n";
            return FakeResponse::raw(raw + "\r\n");
        });
        m_server.route("POST", "/longExtensions", [](const FakeRequest &) {
            QByteArray raw = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
            for (int i = 0; i < 400; ++i)
                raw += "1;x=" + QByteArray(1000, 'e') + "\r\na\r\n";
            return FakeResponse::raw(raw + "0\r\n\r\n");
        });
        m_server.route("POST", "/closeDelimited", [](const FakeRequest &) {
            return FakeResponse::raw("HTTP/1.1 100 Continue\r\n\r\nHTTP/1.0 200 OK\r\nContent-Type: text/xml\r\n\r\n"
                                     "<whole>until the close</whole>");
        });
        m_server.route("POST", "/truncated", [](const FakeRequest &) {
            return FakeResponse::raw("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\nshort");
        });
        m_server.route("POST", "/garbage", [](const FakeRequest &) { return FakeResponse::raw("not http\r\n\r\n"); });
        m_server.route("POST", "/silent", [](const FakeRequest &) { return FakeResponse::silent(); });
        m_server.route("POST", "/drop", [](const FakeRequest &) { return FakeResponse::drop(); });
        m_server.route("POST", "/big", [](const FakeRequest &) { return FakeResponse::text(QByteArray(5000, 'b')); });
        QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
        TLSW3Client::setTestCaFile(m_server.caFile());
    }

    void init() { m_server.clearRequests(); }
    void cleanupTestCase() { TLSW3Client::setTestCaFile(QString()); }

    void postsAndReadsReply_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("address") << "127.0.0.1";
        QTest::newRow("host name") << "localhost";
    }
    void postsAndReadsReply()
    {
        QFETCH(QString, name);
        const QByteArray envelope = "<soapenv:Envelope>é" + QByteArray(3000, 'x') + "</soapenv:Envelope>";
        const Exchange e = post(hostPort(m_server, name.toLatin1().constData()), envelope);
        QVERIFY2(e.connected, qPrintable(e.connectError));
        QVERIFY2(e.called, qPrintable(e.reply.errorText));
        QCOMPARE(e.reply.requestSent, 1);
        QCOMPARE(e.reply.statusCode, 200);
        QCOMPARE(QString(e.reply.responseCode), QStringLiteral("200"));
        QCOMPARE(QString(e.reply.reasonPhrase), QStringLiteral("OK"));
        QCOMPARE(e.reply.body.bytes(), "<reply>" + envelope.left(20) + "</reply>");
        QVERIFY(e.reply.errorText.isEmpty());

        const QList<FakeRequest> seen = m_server.requests();
        QCOMPARE(seen.size(), 1);
        const FakeRequest &r = seen.first();
        QCOMPARE(r.method, QByteArray("POST"));
        QCOMPARE(r.path, QByteArray(kSoapPath));
        QCOMPARE(r.header("host"), hostPort(m_server, name.toLatin1().constData()).toLatin1());
        QCOMPARE(r.header("content-type"), QByteArray(kSoapType));
        QCOMPARE(r.header("content-length"), QByteArray::number(envelope.size()));
        QCOMPARE(r.body, envelope);
    }

    void replyFramings_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("chunked") << QByteArray("/chunked") << 200 << QByteArray("<a>hi</a>");
        QTest::newRow("close-delimited after 100") << QByteArray("/closeDelimited") << 200
                                                   << QByteArray("<whole>until the close</whole>");
        QTest::newRow("status 500 is a reply") << QByteArray("/status500") << 500 << QByteArray("<fault/>");
    }
    void replyFramings()
    {
        QFETCH(QByteArray, path);
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        const Exchange e = post(hostPort(m_server), "<x/>", path.constData());
        QVERIFY2(e.called, qPrintable(e.reply.errorText + e.connectError));
        QCOMPARE(e.reply.statusCode, status);
        QCOMPARE(e.reply.body.bytes(), body);
    }

    void brokenRepliesFail_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("readMs");
        QTest::newRow("silence times out") << QByteArray("/silent") << "No complete reply: timed out after 0.7 s" << 700;
        QTest::newRow("drop after request") << QByteArray("/drop") << "closed the connection without a reply"
                                            << kDefaultReadMs;
        QTest::newRow("body cut short") << QByteArray("/truncated") << "closed the connection after 5 of the reply's 100 bytes"
                                        << kDefaultReadMs;
        QTest::newRow("not HTTP") << QByteArray("/garbage") << "not HTTP" << kDefaultReadMs;
    }
    void brokenRepliesFail()
    {
        QFETCH(QByteArray, path);
        QFETCH(QString, error);
        QFETCH(int, readMs);
        const Exchange e = post(hostPort(m_server), "<x/>", path.constData(), readMs);
        QVERIFY(e.connected);
        QVERIFY(!e.called);
        QCOMPARE(e.reply.requestSent, 1);
        QVERIFY2(QString(e.reply.errorText).contains(error), qPrintable(e.reply.errorText));
        // the client may give up on silence before the server has read the request
        QTRY_COMPARE(m_server.requestCount(), 1);
    }

    // Each byte of a chunked body is decoded once, as it comes: a megabyte in
    // one-byte chunks is read within the client's own read time-out (decoding
    // it again with every chunk would take hours).
    void chunkedReplyWithinDeadline()
    {
        TLSW3Client client;
        QVERIFY(client.Connect(hostPort(m_server)));
        RawHTTPSoapResponseStru reply;
        QVERIFY2(client.CallSoap("/oneByteChunks", false, kSoapType, "<x/>", 4, reply), qPrintable(reply.errorText));
        const QByteArray body = reply.body.bytes();
        QCOMPARE(body.size(), 1024 * 1024);
        QCOMPARE(body.left(3), QByteArray("abc"));
        QCOMPARE(body.at(body.size() - 1), char('a' + (1024 * 1024 - 1) % 26));
    }

    void replyOverCapFails()
    {
        TLSW3Client client;
        client.setMaxReplyBytes(1000);
        QVERIFY(client.Connect(hostPort(m_server)));
        RawHTTPSoapResponseStru reply;
        QVERIFY(!client.CallSoap("/big", false, kSoapType, "<x/>", 4, reply));
        QVERIFY2(QString(reply.errorText).contains(QStringLiteral("larger than 1000")), qPrintable(reply.errorText));
        QVERIFY(reply.body.IsEmpty());
    }

    // What frames a chunked body counts with it: trailers and chunk
    // extensions far beyond the cap end the reply, however short its data.
    void chunkFramingCountsWithTheBody_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::newRow("trailers") << QByteArray("/manyTrailers");
        QTest::newRow("chunk extensions") << QByteArray("/longExtensions");
    }
    void chunkFramingCountsWithTheBody()
    {
        QFETCH(QByteArray, path);
        TLSW3Client client;
        client.setMaxReplyBytes(20000);
        QVERIFY(client.Connect(hostPort(m_server)));
        RawHTTPSoapResponseStru reply;
        QVERIFY(!client.CallSoap(path.constData(), false, kSoapType, "<x/>", 4, reply));
        QVERIFY2(QString(reply.errorText).contains(QStringLiteral("larger than 20000")), qPrintable(reply.errorText));
        QVERIFY(reply.body.IsEmpty());
    }

    void keepAliveLeavesSessionOpen()
    {
        TLSW3Client client;
        QVERIFY(client.Connect(hostPort(m_server)));
        RawHTTPSoapResponseStru reply;
        QVERIFY(client.CallSoap(kSoapPath, true, kSoapType, "<a/>", 4, reply));
        QVERIFY(client.isConnected());
        QVERIFY(client.Connect(hostPort(m_server)));
        QVERIFY(client.CallSoap(kSoapPath, false, kSoapType, "<b/>", 4, reply));
        QVERIFY(!client.isConnected());
        QCOMPARE(m_server.requests().first().header("connection"), QByteArray("keep-alive"));
        QCOMPARE(m_server.requests().last().header("connection"), QByteArray("close"));
    }

    void untrustedServersFailBeforeSending_data()
    {
        QTest::addColumn<QString>("certName");
        QTest::addColumn<QString>("certAddress");
        QTest::addColumn<bool>("trustItsAuthority");
        QTest::addColumn<QString>("error");
        QTest::newRow("other authority") << "localhost" << "127.0.0.1" << false << "NOT trusted";
        QTest::newRow("host not named") << "filing.elsewhere.invalid" << "" << true << "does not match";
    }
    void untrustedServersFailBeforeSending()
    {
        QFETCH(QString, certName);
        QFETCH(QString, certAddress);
        QFETCH(bool, trustItsAuthority);
        QFETCH(QString, error);
        const QString folder = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_'));
        QVERIFY(QDir().mkpath(folder));
        const TestCertificates other = TestCertificates::generate(folder, certName, certAddress);
        QVERIFY2(other.isValid(), qPrintable(other.errorString));
        FakeHttpsServer server;
        server.setCertificates(other);
        server.route("POST", kSoapPath, [](const FakeRequest &) { return FakeResponse::text("accepted"); });
        QVERIFY2(server.start(), qPrintable(server.errorString()));
        if (trustItsAuthority)
            TLSW3Client::setTestCaFile(other.caFile);
        const Exchange e = post(hostPort(server), "<secret/>");
        TLSW3Client::setTestCaFile(m_server.caFile());
        QVERIFY(!e.connected);
        QVERIFY2(e.connectError.contains(error), qPrintable(e.connectError));
        QCOMPARE(server.requestCount(), 0);
    }

    void withoutTestAuthorityNothingIsTrusted()
    {
        TLSW3Client::setTestCaFile(QString());
        const Exchange e = post(hostPort(m_server), "<secret/>");
        TLSW3Client::setTestCaFile(m_server.caFile());
        QVERIFY(!e.connected);
        QCOMPARE(m_server.requestCount(), 0);
    }

    // A dropped handshake and a refused connection fail on what the peer did,
    // never by waiting out a time-out.
    void connectionFailuresAreQuick()
    {
        HandshakeDropServer dropper;
        QVERIFY(dropper.start());
        Exchange e = post(QStringLiteral("127.0.0.1:%1").arg(dropper.port()), "<x/>");
        QVERIFY(!e.connected);
        QVERIFY2(e.connectError.contains(QStringLiteral("handshake")), qPrintable(e.connectError));
        QVERIFY2(!e.connectError.contains(QStringLiteral("timed out")), qPrintable(e.connectError));
        QCOMPARE(dropper.connectionCount(), 1);

        e = post(QStringLiteral("127.0.0.1:%1").arg(FakeHttpsServer::closedPort()), "<x/>");
        QVERIFY(!e.connected);
        QVERIFY2(e.connectError.contains(QStringLiteral("Cannot connect")), qPrintable(e.connectError));
        QVERIFY2(!e.connectError.contains(QStringLiteral("timed out")), qPrintable(e.connectError));

        TLSW3Client client;
        QVERIFY(!client.Connect(QStringLiteral("127.0.0.1:99999")));
        QVERIFY(!client.Connect(QString()));
        RawHTTPSoapResponseStru reply;
        QVERIFY(!client.CallSoap(kSoapPath, false, kSoapType, "<x/>", 4, reply));
        QCOMPARE(reply.requestSent, 0);
    }

    // A listener that never accepts: the connection is made by the system, and
    // the handshake waits for a greeting that never comes.
    void silentHandshakeTimesOut()
    {
        QTcpServer mute;
        QVERIFY(mute.listen(QHostAddress::LocalHost, 0));
        mute.pauseAccepting();
        TLSW3Client client;
        TLSW3Client::Timeouts t;
        t.handshakeMs = 400;
        client.setTimeouts(t);
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!client.Connect(QStringLiteral("127.0.0.1:%1").arg(mute.serverPort())));
        QVERIFY2(client.errorText().contains(QStringLiteral("timed out after 400 ms")), qPrintable(client.errorText()));
        // the handshake's own monotonic deadline: never reached early
        QVERIFY2(clock.elapsed() >= 400, qPrintable(QString::number(clock.elapsed())));
    }

    void splitsHostAndPort_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::newRow("host") << "apps.cra-arc.gc.ca" << true << "apps.cra-arc.gc.ca" << 443;
        QTest::newRow("host:port") << " 127.0.0.1:8443 " << true << "127.0.0.1" << 8443;
        QTest::newRow("bad port") << "h:x" << false << "h" << 0;
        QTest::newRow("port out of range") << "h:0" << false << "h" << 0;
        QTest::newRow("empty") << "" << false << "" << 443;
    }
    void splitsHostAndPort()
    {
        QFETCH(QString, value);
        QFETCH(bool, ok);
        QFETCH(QString, host);
        QFETCH(int, port);
        QString h;
        int p = -1;
        QCOMPARE(TLSW3Client::splitHostPort(value, h, p), ok);
        QCOMPARE(h, host);
        if (ok)
            QCOMPARE(p, port);
    }
};

BQ_TEST_MAIN_CORE(TestTLSW3Client)
#include "tst_tlsw3client.moc"
