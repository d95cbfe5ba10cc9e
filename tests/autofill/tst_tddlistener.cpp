// The local listener: raw requests get the answers of a strict reading (known
// paths only, a token only while a sign-in waits, one data worker at most),
// bound to 127.0.0.1 only, and the request parser on its own.
#include "bqtest.h"
#include "dlgtddprogresswait.h"
#include "tddhttpserver.h"
#include "tddlistenerrequest.h"
#include "tddtestenv.h"
#include "qwebclient.h"

#include <QProcess>

Q_DECLARE_METATYPE(TddListenerRequest::Kind)

class TstTddListener : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    tddtest::Settings m_settings;
    bqfakes::FakeHttpsServer m_server;
    std::unique_ptr<bqfakes::TddServicesFake> m_fake;
    std::unique_ptr<DlgTDDProgressWait> m_dialog;
    TddHttpServer *m_listener = nullptr;
    quint16 m_port = 0;
    std::vector<std::string> m_sins{"046454286"};

    void waitForWorkers()
    {
        for (QThread *t : m_dialog->findChildren<QThread *>())
            QTRY_VERIFY_WITH_TIMEOUT(t->isFinished(), 10000);
        QTRY_VERIFY(!m_listener->client().isBusy());
    }

private slots:
    void initTestCase()
    {
        m_fake = std::make_unique<bqfakes::TddServicesFake>(m_server);
        QVERIFY(m_server.start());
        QWebClient::setDefaultCaFile(m_server.caFile());
        m_port = tddtest::freePort();
        tddtest::pointAt(m_settings, QStringLiteral("127.0.0.1:%1").arg(m_server.port()), m_dir.path(), m_port);
        setSettingsSource(&m_settings);
        TddWebService::setWaitPercent(5);
        TddWebService::setTokenGraceMs(200);
        m_dialog = std::make_unique<DlgTDDProgressWait>(1, &m_sins);
        m_listener = createTddHttpServer(m_dialog.get());
        m_listener->client().setRequest(CString("2024"), 1);
        QVERIFY(m_listener->start(m_port));
    }

    void cleanupTestCase()
    {
        m_listener->stop();
        waitForWorkers();
        m_dialog.reset();
        setSettingsSource(nullptr);
    }

    void boundToLoopbackOnly()
    {
        QCOMPARE(m_listener->port(), m_port);
        QProcess ss;
        ss.start(QStringLiteral("ss"), {QStringLiteral("-ltnH")});
        if (!ss.waitForFinished(5000) || ss.exitCode() != 0)
            QSKIP("ss is not available");
        const QByteArray suffix = ":" + QByteArray::number(m_port);
        int found = 0;
        for (const QByteArray &line : ss.readAllStandardOutput().split('\n')) {
            const QList<QByteArray> fields = line.simplified().split(' ');
            if (fields.size() > 3 && fields.at(3).endsWith(suffix)) {
                QCOMPARE(fields.at(3), "127.0.0.1" + suffix);
                ++found;
            }
        }
        QCOMPARE(found, 1);
    }

    void rawRequests_data()
    {
        QTest::addColumn<QList<QByteArray>>("chunks");
        QTest::addColumn<bool>("pending");
        QTest::addColumn<QByteArray>("statusLine");   // empty: closed without an answer
        QTest::addColumn<QByteArray>("contentType");
        QTest::addColumn<QByteArray>("bodyPart");
        QTest::addColumn<int>("workers");
        QTest::addColumn<QByteArray>("storedToken");  // empty: not checked
        const QByteArray end = " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
        const QByteArray page = "Now back to Brackenquill";
        const QByteArray hello = "Hello from Brackenquill 2024";
        QTest::newRow("split request line") << QList<QByteArray>{"GET /tax", "data?t=abcdef" + end} << true
                                            << QByteArray("HTTP/1.0 200 OK") << QByteArray("text/html") << page << 1
                                            << QByteArray("abcdef");
        QTest::newRow("upper-case path") << QList<QByteArray>{"GET /TAXDATA?t=UPPER1" + end} << true
                                         << QByteArray("HTTP/1.0 200 OK") << QByteArray("text/html") << page << 1
                                         << QByteArray("UPPER1");
        QTest::newRow("notice path, coded token") << QList<QByteArray>{"GET /expnoa?t=ab%2Bc%3Dd" + end} << true
                                                  << QByteArray("HTTP/1.0 200 OK") << QByteArray("text/html") << page
                                                  << 1 << QByteArray("ab+c=d");
        QTest::newRow("token of 300") << QList<QByteArray>{"GET /taxdata?t=" + QByteArray(300, 'x') + end} << true
                                      << QByteArray("HTTP/1.0 200 OK") << QByteArray("text/html") << page << 1
                                      << QByteArray(300, 'x');
        QTest::newRow("token of 5") << QList<QByteArray>{"GET /taxdata?t=abcde" + end} << true
                                    << QByteArray("HTTP/1.0 400 Bad Request") << QByteArray("text/plain") << hello
                                    << 0 << QByteArray();
        QTest::newRow("coded token of 5") << QList<QByteArray>{"GET /taxdata?t=ab%2Bcd" + end} << true
                                          << QByteArray("HTTP/1.0 400 Bad Request") << QByteArray("text/plain")
                                          << hello << 0 << QByteArray();
        QTest::newRow("no sign-in pending") << QList<QByteArray>{"GET /taxdata?t=abcdefgh" + end} << false
                                            << QByteArray("HTTP/1.0 400 Bad Request") << QByteArray("text/plain")
                                            << hello << 0 << QByteArray();
        QTest::newRow("logout") << QList<QByteArray>{"GET /logout" + end} << false << QByteArray("HTTP/1.0 200 OK")
                                << QByteArray("text/plain") << QByteArray("You have logged out of CRA secure session!")
                                << 0 << QByteArray();
        QTest::newRow("unknown path") << QList<QByteArray>{"GET /favicon.ico" + end} << true
                                      << QByteArray("HTTP/1.0 404 Not Found") << QByteArray("text/plain") << hello
                                      << 0 << QByteArray();
        QTest::newRow("path inside another") << QList<QByteArray>{"GET /x/taxdata?t=abcdefgh" + end} << true
                                             << QByteArray("HTTP/1.0 404 Not Found") << QByteArray("text/plain")
                                             << hello << 0 << QByteArray();
        QTest::newRow("junk") << QList<QByteArray>{"\x01\x02 junk\r\n\r\n"} << true
                              << QByteArray("HTTP/1.0 400 Bad Request") << QByteArray("text/plain") << hello << 0
                              << QByteArray();
        QTest::newRow("other version") << QList<QByteArray>{"GET /taxdata?t=abcdefgh HTTP/2.0\r\n\r\n"} << true
                                       << QByteArray("HTTP/1.0 400 Bad Request") << QByteArray("text/plain") << hello
                                       << 0 << QByteArray();
        QTest::newRow("post") << QList<QByteArray>{"POST /taxdata?t=abcdefgh" + end} << true
                              << QByteArray("HTTP/1.0 400 Bad Request") << QByteArray("text/plain") << hello << 0
                              << QByteArray();
        QTest::newRow("token over 2 KiB") << QList<QByteArray>{"GET /taxdata?t=" + QByteArray(2049, 'y') + end}
                                          << true << QByteArray("HTTP/1.0 400 Bad Request")
                                          << QByteArray("text/plain") << hello << 0 << QByteArray();
        QTest::newRow("100 KB line") << QList<QByteArray>{"GET /taxdata?t=" + QByteArray(100 * 1024, 'z') + end}
                                     << true << QByteArray("HTTP/1.0 400 Bad Request") << QByteArray("text/plain")
                                     << hello << 0 << QByteArray();
        QTest::newRow("silence word") << QList<QByteArray>{"GET /marlock4862" + end} << true << QByteArray()
                                      << QByteArray() << QByteArray() << 0 << QByteArray();
    }

    void rawRequests()
    {
        QFETCH(QList<QByteArray>, chunks);
        QFETCH(bool, pending);
        QFETCH(QByteArray, statusLine);
        QFETCH(int, workers);
        QFETCH(QByteArray, storedToken);
        waitForWorkers();
        m_listener->client().setSignInPending(pending);
        const int before = m_listener->dataWorkersStarted();
        const QByteArray answer = tddtest::exchange(m_port, chunks);
        if (statusLine.isEmpty()) {
            QCOMPARE(answer, QByteArray());
        } else {
            const int headerEnd = answer.indexOf("\n\n");
            QVERIFY2(headerEnd > 0, answer.left(200).constData());
            const QList<QByteArray> lines = answer.left(headerEnd).split('\n');
            QCOMPARE(lines.value(0), statusLine);
            QFETCH(QByteArray, contentType);
            QCOMPARE(lines.value(1), "Content-Type: " + contentType);
            const QByteArray body = answer.mid(headerEnd + 2);
            QCOMPARE(lines.value(2), "Content-Length: " + QByteArray::number(body.size()));
            QFETCH(QByteArray, bodyPart);
            QVERIFY(body.contains(bodyPart));
            QVERIFY(!answer.contains('\r'));
        }
        QCOMPARE(m_listener->dataWorkersStarted() - before, workers);
        if (!storedToken.isEmpty())
            QCOMPARE(m_listener->client().browserToken(), storedToken);
    }

    void secondTokenIsKeptAndStartsNothing()
    {
        waitForWorkers();
        // The worker's get-data with the first token gets no answer until the
        // cancel (the fake takes that token as the sign-in's, so it does not
        // refuse it): the next token is kept in case the first is refused.
        m_fake->expectToken("first1");
        m_fake->setOptions({bqfakes::TddServicesFake::Answer::Silent});
        m_listener->client().setSignInPending(true);
        const int before = m_listener->dataWorkersStarted();
        const int gets = m_fake->getDataRequests();
        const QByteArray end = " HTTP/1.1\r\n\r\n";
        QVERIFY(tddtest::exchange(m_port, {"GET /taxdata?t=first1" + end}).startsWith("HTTP/1.0 200 OK"));
        QVERIFY(tddtest::exchange(m_port, {"GET /taxdata?t=second" + end}).startsWith("HTTP/1.0 200 OK"));
        QTRY_COMPARE_WITH_TIMEOUT(m_fake->getDataRequests() - gets, 1, 10000);
        QCOMPARE(m_listener->dataWorkersStarted() - before, 1);
        QCOMPARE(m_listener->client().browserToken(), QByteArray("first1"));
        m_listener->client().cancel();
        waitForWorkers();
        QVERIFY(!m_listener->client().isSignInPending());
        QCOMPARE(m_fake->getDataRequests() - gets, 1);
        m_listener->client().setRequest(CString("2024"), 1);
        m_fake->setOptions({});
    }

    void parser_data()
    {
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<TddListenerRequest::Kind>("kind");
        QTest::addColumn<QByteArray>("token");
        QTest::newRow("taxdata") << QByteArray("GET /taxdata?t=a%20b HTTP/1.0\r\n\r\n") << TddListenerRequest::TaxData
                                 << QByteArray("a b");
        QTest::newRow("logout with query") << QByteArray("GET /logout?x=1 HTTP/1.1\r\n\r\n")
                                           << TddListenerRequest::Logout << QByteArray();
        QTest::newRow("no token part") << QByteArray("GET /taxdata HTTP/1.1\r\n\r\n") << TddListenerRequest::Malformed
                                       << QByteArray();
        QTest::newRow("two blanks") << QByteArray("GET  /taxdata?t=abcdef HTTP/1.1\r\n\r\n")
                                    << TddListenerRequest::Malformed << QByteArray();
        QTest::newRow("headers over 8 KiB") << "GET /logout HTTP/1.1\r\nX: " + QByteArray(9000, 'h') + "\r\n\r\n"
                                            << TddListenerRequest::Malformed << QByteArray();
        QTest::newRow("silence in a header") << QByteArray("GET /nothing HTTP/1.1\r\nX: marlock4862\r\n\r\n")
                                             << TddListenerRequest::Silent << QByteArray();
        QTest::newRow("silence word, known path") << QByteArray("GET /logout HTTP/1.1\r\nX: marlock4862\r\n\r\n")
                                                  << TddListenerRequest::Logout << QByteArray();
        QTest::newRow("empty") << QByteArray() << TddListenerRequest::Malformed << QByteArray();
    }

    void parser()
    {
        QFETCH(QByteArray, request);
        const TddListenerRequest r = parseTddListenerRequest(request);
        QTEST(r.kind, "kind");
        QTEST(r.token, "token");
    }
};

BQ_TEST_MAIN_IMPL(TstTddListener, QApplication)
#include "tst_tddlistener.moc"
