#include "bqtest.h"
#include "cwebinfoutil.h"
#include "fakehttpsserver.h"
#include "fakeservices.h"
#include "messages.h"
#include "newversioncheck.h"
#include "qwebclient.h"
#include "tabwndapp.h"
#include <QScopeGuard>
#include <QSemaphore>
#include <QSignalSpy>
#include <QThread>

#include <atomic>
#include <memory>

using namespace bqfakes;

namespace {
QString hostOf(const FakeHttpsServer &server)
{
    return QStringLiteral("127.0.0.1:%1").arg(server.port());
}

struct Result
{
    int outcome = -1;
    QString latest;
    int code = 0;
};

// Runs one check and waits for its result.
Result runCheck(NewVersionCheck &check, int waitMs = 60000)
{
    QSignalSpy spy(&check, &NewVersionCheck::finished);
    Result r;
    if (!check.start() || !spy.wait(waitMs) || spy.size() != 1)
        return r;
    r.outcome = spy.at(0).at(0).toInt();
    r.latest = spy.at(0).at(1).toString();
    r.code = spy.at(0).at(2).toInt();
    return r;
}

// A thread-exit clean-up that takes its time, as the TLS library's may.
struct SlowThreadCleanUp
{
    std::atomic<bool> *done;
    ~SlowThreadCleanUp()
    {
        QThread::msleep(200);
        *done = true;
    }
};

// The check with such a clean-up put on its worker thread; cleanedUp is set
// when it has run, began once the query has begun.
class CheckWithThreadCleanUp : public NewVersionCheck
{
public:
    CheckWithThreadCleanUp(std::atomic<bool> *cleanedUp, std::atomic<bool> *began)
        : m_cleanedUp(cleanedUp), m_began(began)
    {
    }

protected:
    int query(const QString &host, int timeoutMs, QString &latest) const override
    {
        thread_local SlowThreadCleanUp onThreadEnd{m_cleanedUp};
        (void)onThreadEnd;
        *m_began = true;
        return NewVersionCheck::query(host, timeoutMs, latest);
    }

private:
    std::atomic<bool> *m_cleanedUp;
    std::atomic<bool> *m_began;
};

// What a query was given, and a gate it waits at before it goes to the network.
struct QueryProbe
{
    std::atomic<int> timeoutMs{-1};
    std::atomic<bool> reachedNetwork{false};
    QSemaphore gate;
    bool gated = false;
};

// The check with its query watched through a probe the test owns.
class ProbedCheck : public NewVersionCheck
{
public:
    explicit ProbedCheck(QueryProbe *probe) : m_probe(probe) {}

protected:
    int query(const QString &host, int timeoutMs, QString &latest) const override
    {
        QueryProbe *probe = m_probe;
        probe->timeoutMs = timeoutMs;
        if (probe->gated)
            probe->gate.acquire();
        probe->reachedNetwork = true;
        return NewVersionCheck::query(host, timeoutMs, latest);
    }

private:
    QueryProbe *m_probe;
};
} // namespace

class TestNewVersionCheck : public QObject
{
    Q_OBJECT
    ScriptedMessages m_messages;
    CT1AppConfig &config() { return TabWndApp::instance()->config(); }

private slots:
    void initTestCase()
    {
        QVERIFY(TabWndApp::instance());
        setMessageHandler(&m_messages);
        // the test authority reaches every web client (the configuration's TestCAFile
        // does so only in test mode, where the check never runs)
        const TestCertificates &certs = TestCertificates::shared();
        QVERIFY2(certs.isValid(), qPrintable(certs.errorString));
        QWebClient::setDefaultCaFile(certs.caFile);
    }
    void init() { m_messages.clear(); }

    void replies_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("latest");
        QTest::addColumn<int>("code");
        const int newer = NewVersionCheck::NewerBuild, same = NewVersionCheck::NoNewerBuild,
                  none = NewVersionCheck::NoAnswer;
        QTest::newRow("newer") << QByteArray("200 20260601") << newer << "20260601" << 200;
        QTest::newRow("newer, code 199") << QByteArray("199 20270101") << newer << "20270101" << 199;
        QTest::newRow("same") << QByteArray("200 20260525") << same << "20260525" << 200;
        QTest::newRow("older, code 201") << QByteArray("201 20250101") << same << "20250101" << 201;
        QTest::newRow("code outside 199..201") << QByteArray("404 20270101") << none << "" << 404;
        QTest::newRow("seven digits") << QByteArray("200 2026061") << none << "2026061" << 200;
        QTest::newRow("nine digits") << QByteArray("200 202606011") << none << "202606011" << 200;
        QTest::newRow("month 13") << QByteArray("200 20261301") << none << "20261301" << 200;
        QTest::newRow("31 February") << QByteArray("200 20270231") << none << "20270231" << 200;
        QTest::newRow("letters") << QByteArray("200 abcdefgh") << none << "abcdefgh" << 200;
        QTest::newRow("one digit above by characters") << QByteArray("200 9") << none << "9" << 200;
        QTest::newRow("dashed date") << QByteArray("200 2027-01-01") << none << "2027-01-01" << 200;
        QTest::newRow("not a number") << QByteArray("latest 20270101") << none << "" << -1;
        QTest::newRow("empty body") << QByteArray() << none << "" << -1;
        QTest::newRow("code without word") << QByteArray("200") << none << "" << 200;
    }
    void replies()
    {
        QFETCH(QByteArray, reply);
        FakeHttpsServer server;
        serveVersionPage(server, reply);
        QVERIFY2(server.start(), qPrintable(server.errorString()));
        NewVersionCheck check;
        check.setServerHost(hostOf(server));
        const Result r = runCheck(check);
        QTEST(r.outcome, "outcome");
        QTEST(r.latest, "latest");
        QTEST(r.code, "code");
        QVERIFY(!check.isRunning());

        // one POST to the information page with the edition and "latest" in its body
        const QList<FakeRequest> sent = server.requests();
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent.first().method, QByteArray("POST"));
        QCOMPARE(sent.first().path, QByteArray(VersionPagePath));
        QVERIFY(sent.first().query.isEmpty());
        const QList<QPair<QString, QString>> items{{"kw1", "QT1E-2024"}, {"kw2", "latest"}};
        QCOMPARE(sent.first().formItems(), items);
    }

    void longWordIsBounded()
    {
        QString word;
        QCOMPARE(CWebInfoUtil::parseReply(QStringLiteral("200 ") + QString(1000, QLatin1Char('7')), word), 200);
        QCOMPARE(word.size(), int(CWebInfoUtil::MaxWordLength));
        QVERIFY(!NewVersionCheck::isNewerBuild(word));
        QCOMPARE(CWebInfoUtil::parseReply(QStringLiteral("99999999999 20270101"), word), -1);
    }

    void failuresEndQuickly_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("refused connection") << "refused";
        QTest::newRow("time-out") << "silent";
        QTest::newRow("malformed reply") << "garbage";
        QTest::newRow("connection dropped") << "drop";
        QTest::newRow("untrusted certificate") << "untrusted";
    }
    void failuresEndQuickly()
    {
        QFETCH(QString, kind);
        FakeHttpsServer server;
        QTemporaryDir otherCa;
        if (kind == "untrusted")
            server.setCertificates(TestCertificates::generate(otherCa.path()));
        server.route("*", VersionPagePath, [kind](const FakeRequest &) {
            if (kind == "silent")
                return FakeResponse::silent();
            if (kind == "drop")
                return FakeResponse::drop();
            if (kind == "garbage")
                return FakeResponse::raw("200 20270101 and no HTTP at all\r\n\r\n");
            return FakeResponse::text("200 20270101");
        });
        QVERIFY2(server.start(), qPrintable(server.errorString()));

        QueryProbe probe;
        probe.gated = true;
        ProbedCheck check(&probe);
        check.setServerHost(kind == "refused" ? QStringLiteral("127.0.0.1:%1").arg(FakeHttpsServer::closedPort())
                                              : hostOf(server));
        check.setTimeout(500);
        const auto openGate = qScopeGuard([&probe] { probe.gate.release(); }); // also on a failed check
        QSignalSpy spy(&check, &NewVersionCheck::finished);
        // the caller is never held up by the network: start() returns while the
        // query is still held before it
        QVERIFY(check.start());
        QVERIFY(!probe.reachedNetwork);
        QVERIFY(check.isRunning());
        QVERIFY(!check.start());
        probe.gate.release();
        QVERIFY(spy.wait(60000));
        // a silent server is given up after the check's own time-out, not the default one
        QCOMPARE(probe.timeoutMs.load(), 500);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), int(NewVersionCheck::NoAnswer));
        QCOMPARE(spy.at(0).at(1).toString(), QString());
        QCOMPARE(spy.at(0).at(2).toInt(), -1);
    }

    void destroyedWhileRunning()
    {
        FakeHttpsServer server;
        server.route("*", VersionPagePath, [](const FakeRequest &) { return FakeResponse::silent(); });
        QVERIFY(server.start());
        QueryProbe probe;
        {
            ProbedCheck check(&probe);
            check.setServerHost(hostOf(server));
            check.setTimeout(300);
            QVERIFY(check.start());
            // destroyed only once its query has begun
            QTRY_VERIFY_WITH_TIMEOUT(probe.timeoutMs.load() != -1, 60000);
        }
        // the destructor waited for the silent query, bounded by the check's own time-out
        QCOMPARE(probe.timeoutMs.load(), 300);
    }

    // The worker thread has wholly ended, its thread-local clean-up included
    // (the TLS library frees its per-thread state there), when the result is
    // given and when the check is destroyed while running (at exit); left
    // running, that clean-up races with the process's exit.
    void threadEndsWhollyFirst_data()
    {
        QTest::addColumn<bool>("destroyWhileRunning");
        QTest::newRow("result given") << false;
        QTest::newRow("destroyed while running") << true;
    }
    void threadEndsWhollyFirst()
    {
        QFETCH(bool, destroyWhileRunning);
        // static: a thread left running past the test still has it to set
        static std::atomic<bool> cleanedUp[2];
        std::atomic<bool> &threadCleanedUp = cleanedUp[destroyWhileRunning];
        FakeHttpsServer server;
        if (destroyWhileRunning)
            server.route("*", VersionPagePath, [](const FakeRequest &) { return FakeResponse::silent(); });
        else
            serveVersionPage(server, "200 20260601");
        QVERIFY2(server.start(), qPrintable(server.errorString()));
        std::atomic<bool> queryBegan{false};
        auto check = std::make_unique<CheckWithThreadCleanUp>(&threadCleanedUp, &queryBegan);
        check->setServerHost(hostOf(server));
        bool cleanedUpWhenGiven = false;
        connect(check.get(), &NewVersionCheck::finished, this, [&] { cleanedUpWhenGiven = threadCleanedUp; });
        if (destroyWhileRunning) {
            check->setTimeout(300);
            QVERIFY(check->start());
            // destroyed while its query runs (not raced against the time-out)
            QTRY_VERIFY_WITH_TIMEOUT(queryBegan.load(), 60000);
            check.reset();
            QVERIFY(threadCleanedUp);
        } else {
            QCOMPARE(runCheck(*check).outcome, int(NewVersionCheck::NewerBuild));
            QVERIFY(cleanedUpWhenGiven);
        }
    }

    void hostFromConfiguration()
    {
        config().BrackenquillWebServer = "127.0.0.1:1";
        QCOMPARE(NewVersionCheck().serverHost(), QString("127.0.0.1:1"));
    }

    // Last: the session's check runs once.
    void onceASessionAndNeverInTestMode()
    {
        FakeHttpsServer server;
        serveVersionPage(server, "200 20260601");
        QVERIFY(server.start());
        config().BrackenquillWebServer = hostOf(server);

        config().MODEDEBUG = true;
        QVERIFY(!checkNewVersion());
        QTest::qWait(100);
        QCOMPARE(server.requestCount(), 0);

        config().MODEDEBUG = false;
        QVERIFY(checkNewVersion());
        const QString expected = QStringLiteral("There is a new version of Brackenquill 2024. You can go to "
                                                "https://www.brackenquill.ca to download/install it again.");
        QTRY_COMPARE_WITH_TIMEOUT(m_messages.texts(), QStringList(expected), 60000);
        QCOMPARE(server.requestCount(), 1);

        QVERIFY(!checkNewVersion());
        QTest::qWait(200);
        QCOMPARE(server.requestCount(), 1);
        QCOMPARE(m_messages.texts().size(), 1);
    }
};

int main(int argc, char **argv)
{
    bqtest::isolate();
    TabWndApp *app = TabWndApp::create(argc, argv);
    int result;
    {
        TestNewVersionCheck tc;
        result = QTest::qExec(&tc, argc, argv);
    }
    delete app;
    return result;
}

#include "tst_newversioncheck.moc"
