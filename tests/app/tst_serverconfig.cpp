#include "bqtest.h"
#include "ct1appconfig.h"
#include "fakehttpsserver.h"
#include "serverdefaults.h"
#include "tlsw3client.h"

using namespace bqfakes;

namespace {
void writeFile(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(text), qint64(text.size()));
}
} // namespace

class TestServerConfig : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    // A configuration loaded from one gr_path.ini in the application folder.
    void load(CT1AppConfig &c, const QByteArray &ini)
    {
        writeFile(m_dir.filePath(QStringLiteral("app/gr_path.ini")), ini);
        c.load(m_dir.filePath(QStringLiteral("app")), m_dir.filePath(QStringLiteral("docs")),
               m_dir.filePath(QStringLiteral("run")));
    }

private slots:
    void cleanup() { TLSW3Client::setTestCaFile(QString()); }

    void serviceSecretsOfEachMode_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("secret095");
        QTest::addColumn<QString>("secretOther");
        QTest::newRow("production") << QByteArray() << "Wk2dP9fTs6LmC3xQv8NhR4bZj7GyU1Ea"
                                    << "Qm7rT2vLx9PcW4nHs8dKf3ZbJ6yGa1Ue";
        QTest::newRow("certification test") << QByteArray("MODEDEBUG=1\n") << "Pv9gS4nTk2WmC7xRq3LzF8bHd5JyU6Eo"
                                             << "Rn8cV3kPq6WsT2mXz9LdH4fBj7GyA1Uo";
    }
    void serviceSecretsOfEachMode()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QString, secret095);
        QFETCH(QString, secretOther);
        CT1AppConfig c;
        load(c, ini);
        QCOMPARE(QString(c.tddServiceSecret(QStringLiteral("095"))), secret095);
        QCOMPARE(QString(c.tddServiceSecret(QStringLiteral("097"))), secretOther);
        QCOMPARE(QString(c.tddServiceSecret(QStringLiteral(""))), secretOther);
        for (int group = 0; group < 2; ++group) {
            QCOMPARE(QString(c.tddServiceSecrets[group * 4 + 1]), secret095);
            QCOMPARE(QString(c.tddServiceSecrets[group * 4 + 3]), secretOther);
        }
    }

    void endpointOverrides()
    {
        CT1AppConfig c;
        load(c, "TDDSERVER = 127.0.0.1:7001\nTDDSIGNINSERVER=localhost:7002\n"
                "NOATRANSFORMSERVER=https://127.0.0.1:7003/\nEOLSERVER=127.0.0.1:7004\n");
        QCOMPARE(QString(c.tddServiceHost), QStringLiteral("127.0.0.1:7001"));
        QCOMPARE(QString(c.tddSignInHost), QStringLiteral("localhost:7002"));
        QCOMPARE(QString(c.tddScriptUrl), QStringLiteral("https://localhost:7002/gol-ged/awsc/tdd/auth/pub/js/cra.js"));
        QCOMPARE(QString(c.noaTransformUrl), QStringLiteral("https://127.0.0.1:7003/expnoaserv/ExpNOAServ"));
        QCOMPARE(QString(c.EOLSERVER), QStringLiteral("127.0.0.1:7004"));
        QCOMPARE(QString(c.tddSignInPath), QStringLiteral("/gol-ged/awsc/tdd/auth/start"));

        CT1AppConfig defaults;
        load(defaults, "TDDSERVER=\nTDDSIGNINSERVER=  \n");
        QCOMPARE(QString(defaults.tddServiceHost), QString(serverDefaults(false).tddServiceHost));
        QCOMPARE(QString(defaults.tddSignInHost), QString(serverDefaults(false).tddSignInHost));
        QCOMPARE(QString(defaults.noaTransformUrl),
                 QString::fromLatin1(serverDefaults(false).noaTransformRoot) + QStringLiteral("/expnoaserv/ExpNOAServ"));
        // the notice client reads the root through the key
        QCOMPARE(QString(defaults.valueText(QStringLiteral("NOATRANSFORMSERVER"))),
                 QString::fromLatin1(serverDefaults(false).noaTransformRoot));
    }

    // The filing host with its port reaches a local server only when test mode
    // lets the SOAP client trust the test authority.
    void testAuthorityOnlyInTestMode_data()
    {
        QTest::addColumn<bool>("testMode");
        QTest::newRow("MODEDEBUG off") << false;
        QTest::newRow("MODEDEBUG on") << true;
    }
    void testAuthorityOnlyInTestMode()
    {
        QFETCH(bool, testMode);
        FakeHttpsServer server;
        server.route("POST", "/ebci/pfeo/ws/services/FileReturnService",
                     [](const FakeRequest &) { return FakeResponse::text("<ok/>"); });
        QVERIFY2(server.start(), qPrintable(server.errorString()));
        CT1AppConfig c;
        load(c, QByteArray("MODEDEBUG=") + (testMode ? "1" : "0") + "\nTestCAFile=" + server.caFile().toUtf8()
                    + "\nEOLSERVER=127.0.0.1:" + QByteArray::number(server.port()) + "\n");
        QCOMPARE(TLSW3Client::testCaFile(), testMode ? server.caFile() : QString());

        TLSW3Client client;
        QCOMPARE(client.Connect(QString(c.EOLSERVER), 443), testMode);
        if (testMode) {
            RawHTTPSoapResponseStru reply;
            QVERIFY(client.CallSoap("/ebci/pfeo/ws/services/FileReturnService", false, "text/xml; charset=UTF-8", "<x/>",
                                    4, reply));
            QCOMPARE(reply.body.bytes(), QByteArray("<ok/>"));
        } else {
            QCOMPARE(server.requestCount(), 0);
        }
    }
};

BQ_TEST_MAIN_CORE(TestServerConfig)
#include "tst_serverconfig.moc"
