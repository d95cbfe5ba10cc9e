#include "bqtest.h"

#include <QProcess>
#include <QStandardPaths>
#include <csignal>

namespace {
QString fixturePath(const char *name)
{
    return QStringLiteral(BQ_FAKES_FIXTURES "/") + QLatin1String(name);
}
} // namespace

// bqfakeservers as a user runs it: its fragment, curl against its routes, Ctrl-C.
class TestBqFakeServers : public QObject
{
    Q_OBJECT

    QProcess m_servers;
    QMap<QString, QString> m_keys;

    // curl's body and status of one POST.
    QPair<QByteArray, int> curl(const QStringList &arguments)
    {
        QProcess p;
        p.start(QStringLiteral("curl"), QStringList{"-s", "-S", "-w", "\n%{http_code}", "--max-time", "10", "--cacert",
                                                    m_keys.value("TestCAFile")}
                                            + arguments);
        if (!p.waitForFinished(15000))
            return {};
        QByteArray out = p.readAllStandardOutput();
        const int cut = out.lastIndexOf('\n');
        return {out.left(cut), out.mid(cut + 1).toInt()};
    }

    QPair<QByteArray, int> postSoap(const QString &path, const char *fixture)
    {
        return curl({"-H", "Content-Type: text/xml; charset=UTF-8", "--data-binary", "@" + fixturePath(fixture),
                     "https://" + m_keys.value("EOLSERVER") + path});
    }

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("curl")).isEmpty())
            QSKIP("curl is not installed");
        m_servers.start(QStringLiteral(BQ_BIN_DIR "/bqfakeservers"), QStringList());
        QVERIFY(m_servers.waitForStarted(5000));
        QByteArray fragment;
        while (!fragment.contains("closes during the TLS handshake") && m_servers.waitForReadyRead(10000))
            fragment += m_servers.readAllStandardOutput();
        for (const QByteArray &line : fragment.split('\n')) {
            const int eq = line.indexOf('=');
            if (!line.startsWith('#') && eq > 0)
                m_keys.insert(QString::fromUtf8(line.left(eq)), QString::fromUtf8(line.mid(eq + 1)));
        }
        QCOMPARE(m_keys.value("MODEDEBUG"), QStringLiteral("1"));
        QVERIFY(QFile::exists(m_keys.value("TestCAFile")));
        for (const char *key : {"EOLSERVER", "NETFILESERVER", "T1013SERVER"})
            QVERIFY2(m_keys.value(key).startsWith(QStringLiteral("127.0.0.1:")), key);
        QVERIFY(m_keys.value("VantrelServer").startsWith(QStringLiteral("https://127.0.0.1:")));
        QVERIFY(m_keys.value("NOATRANSFORMSERVER").startsWith(QStringLiteral("https://127.0.0.1:")));
    }

    void craRoutesAnswerTheirScenario_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("fixture");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("EFILE rejection") << "/ebci/pfeo/ws/services/FileReturnService" << QByteArray("efile-envelope.xml")
                                         << QByteArray("<t1rsp:Rejection>");
        QTest::newRow("NETFILE") << "/ebci/pfno/ws/services/FileReturnService" << QByteArray("netfile-envelope.xml")
                                 << QByteArray("<t1rsp:ConfirmationCode>NF7C2Q9<");
        QTest::newRow("NETFILE terms") << "/ebci/pfno/ws/services/FileReturnService"
                                       << QByteArray("netfile-terms-request.xml") << QByteArray("<t1rsp:TermsAndConditions>");
        QTest::newRow("T1013") << "/ebci/tdws/esub/services/TRISWebService" << QByteArray("t1013-envelope.xml")
                               << QByteArray("<trisr:ReceivedFormsCount>2<");
        QTest::newRow("PAD") << "/ebci/rjpt/epads_ws/services/PadService" << QByteArray("pad-envelope.xml")
                             << QByteArray("<Rejection>");
        QTest::newRow("T1135") << "/ebci/efes/frrms/ws/services/FileFormService" << QByteArray("t1135-envelope.xml")
                               << QByteArray("<TransmissionNumber>FR240000456<");
    }
    void craRoutesAnswerTheirScenario()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, fixture);
        QFETCH(QByteArray, expected);
        const auto reply = postSoap(path, fixture.constData());
        QCOMPARE(reply.second, 200);
        QVERIFY2(reply.first.contains(expected), reply.first.left(400).constData());
    }

    void eSignatureRefusesWrongCredentials_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("log-in") << QStringList{"-d", "email=preparer@example.com", "-d", "password=wrong"};
        QTest::newRow("signature request") << QStringList{"-u", "preparer@example.com:wrong", "-F", "email=a"};
        QTest::newRow("status") << QStringList{"-H", "Authorization: Bearer guessed", "-d", ""};
        QTest::newRow("filing record") << QStringList{"-u", "someone@example.com:s3cret", "-d", "licdata=1*****789"};
        QTest::newRow("template") << QStringList{"-H", "Authorization: Bearer guessed", "-d", "type=client_letter"};
    }
    void eSignatureRefusesWrongCredentials()
    {
        QFETCH(QStringList, arguments);
        static const QMap<QString, QString> paths{{"log-in", "/api/user/login"},
                                                  {"signature request", "/api/signature-requests"},
                                                  {"status", "/api/signature-requests/123"},
                                                  {"filing record", "/api/filing"},
                                                  {"template", "/api/templates/latest"}};
        const auto reply = curl(arguments + QStringList{m_keys.value("VantrelServer")
                                                        + paths.value(QString::fromLatin1(QTest::currentDataTag()))});
        QCOMPARE(reply.second, 401);
    }

    void noticeTransformationMakesAPage()
    {
        const auto reply = curl({"--data-urlencode",
                                 "noaxml=<n><ns2:MaskedAccountNumber>xxxxx4286</ns2:MaskedAccountNumber></n>", "-d",
                                 "testtime=2025-03-01T10:00:00-05:00", "-d", "taxyear=2024", "-d",
                                 "xsltType=t1noa_2023",
                                 m_keys.value("NOATRANSFORMSERVER") + "/expnoaserv/ExpNOAServ"});
        QCOMPARE(reply.second, 200);
        QVERIFY(reply.first.contains("Social insurance number: xxxxx4286"));
    }

    void stopsOnCtrlC()
    {
        ::kill(pid_t(m_servers.processId()), SIGINT);
        QVERIFY(m_servers.waitForFinished(5000));
        QCOMPARE(m_servers.exitStatus(), QProcess::NormalExit);
        QCOMPARE(m_servers.exitCode(), 0);
        QVERIFY(m_servers.readAllStandardError().contains("stopped"));
        QVERIFY(!QFile::exists(m_keys.value("TestCAFile")));
    }

    void cleanupTestCase()
    {
        if (m_servers.state() != QProcess::NotRunning) {
            m_servers.kill();
            m_servers.waitForFinished(2000);
        }
    }
};

BQ_TEST_MAIN_CORE(TestBqFakeServers)
#include "tst_bqfakeservers.moc"
