// The Auto-fill client's pieces: the two requests with their user-name token,
// the reply reader, the credentials, the signed sign-in address and a post to a
// server whose certificate is not trusted.
#include "bqtest.h"
#include "tddconfig.h"
#include "tddtestenv.h"
#include "tddwebservice.h"
#include "qwebclient.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>
#include <QRegularExpression>
#include <QUrlQuery>

namespace {
QByteArray element(const QByteArray &doc, const char *name)
{
    const QRegularExpression re(QStringLiteral("<[A-Za-z0-9]+:%1(?:\\s[^>]*)?>([^<]*)<").arg(QLatin1String(name)));
    return re.match(QString::fromUtf8(doc)).captured(1).toUtf8();
}
} // namespace

class TstTddWebService : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    tddtest::Settings m_settings;
    bqfakes::FakeHttpsServer m_server;

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.start());
        tddtest::pointAt(m_settings, QStringLiteral("127.0.0.1:%1").arg(m_server.port()), m_dir.path(), 0);
        setSettingsSource(&m_settings);
    }

    void cleanupTestCase() { setSettingsSource(nullptr); }

    void digestIsBase64OfSha1OfNonceCreatedSecret()
    {
        const QByteArray nonce = QByteArray::fromHex("00112233445566778899aabbccddeeff");
        QByteArray digest;
        passwordDigest("Pv9gS4nTk2WmC7xRq3LzF8bHd5JyU6Eo", "2025-03-01T17:04:05Z", nonce, digest);
        const QByteArray expected =
            QCryptographicHash::hash(nonce + "2025-03-01T17:04:05Z" + "Pv9gS4nTk2WmC7xRq3LzF8bHd5JyU6Eo",
                                     QCryptographicHash::Sha1)
                .toBase64();
        QCOMPARE(digest, expected);
        QCOMPARE(digest.size(), 28);
    }

    void requestsCarryAFreshNonceAndAVerifiableDigest_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("stage");
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QByteArray>("declaration");
        QTest::addColumn<QByteArray>("operation");
        QTest::newRow("Auto-fill staging") << 1 << true << QByteArray("095J") << QByteArray("ISO-8859-1")
                                           << QByteArray("<StageTDDEFile ");
        QTest::newRow("NOA staging") << 2 << true << QByteArray("095T") << QByteArray("UTF-8")
                                     << QByteArray("<StageNOA ");
        QTest::newRow("Auto-fill get-data") << 1 << false << QByteArray("095J") << QByteArray("ISO-8859-1")
                                            << QByteArray("<GetTDDEFile ");
        QTest::newRow("NOA get-data") << 2 << false << QByteArray("095T") << QByteArray("UTF-8")
                                      << QByteArray("<GetNOA ");
    }

    void requestsCarryAFreshNonceAndAVerifiableDigest()
    {
        QFETCH(int, mode);
        QFETCH(bool, stage);
        QFETCH(QByteArray, user);
        QFETCH(QByteArray, declaration);
        QFETCH(QByteArray, operation);
        QSet<QByteArray> nonces;
        for (int i = 0; i < 3; ++i) {
            QByteArray doc;
            const int built = stage ? buildStageRequest(CString("2024"), mode, doc)
                                    : buildGetRequest(CString("2024"), mode, "tok&en<1>", doc);
            QCOMPARE(built, 0);
            QVERIFY(doc.startsWith("<?xml version=\"1.0\" encoding=\"" + declaration + "\"?>"));
            QVERIFY(doc.contains(operation));
            QCOMPARE(element(doc, "Username"), user);
            const QByteArray nonce = QByteArray::fromBase64(element(doc, "Nonce"));
            QCOMPARE(nonce.size(), 16);
            QVERIFY(nonce != "brackenquill2024");
            nonces.insert(nonce);
            const QByteArray created = element(doc, "Created");
            QVERIFY(QDateTime::fromString(QString::fromLatin1(created), Qt::ISODate).isValid());
            const QByteArray expected = QCryptographicHash::hash(nonce + created + bqfakes::TddServicesFake::DefaultSecret,
                                                                 QCryptographicHash::Sha1).toBase64();
            QCOMPARE(element(doc, "Password"), expected);
            QVERIFY(doc.contains("docs.oasisopen.org/wss/2004/01/oasis-200401-wss-username-token-profile-1.0#PasswordDigest"));
            if (stage) {
                QVERIFY(doc.endsWith("<TaxYear>2024</TaxYear>"));
            } else {
                QVERIFY(doc.contains("<TokenIdentifier>tok&amp;en&lt;1&gt;</TokenIdentifier><TaxYear>2024</TaxYear>"));
                QVERIFY(doc.trimmed().endsWith("</S:Body></S:Envelope>"));
            }
        }
        QCOMPARE(nonces.size(), 3);
    }

    void replyReader_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QString>("message");
        const QByteArray open = "<soapenv:Envelope xmlns:soapenv=\"http://schemas.xmlsoap.org/soap/envelope/\"><soapenv:Body>";
        const QByteArray close = "</soapenv:Body></soapenv:Envelope>";
        QTest::newRow("token") << open + "<ns2:StageTDDEFileResponse><ns2:ReturnCode>0</ns2:ReturnCode>"
                                         "<ns2:TokenIdentifier>T1</ns2:TokenIdentifier></ns2:StageTDDEFileResponse>" + close
                               << 0 << "0" << QByteArray("T1") << QString();
        QTest::newRow("plain names") << open + "<StageTDDEFileResponse><ReturnCode>30</ReturnCode></StageTDDEFileResponse>" + close
                                     << 0 << "30" << QByteArray() << QString();
        QTest::newRow("fault") << open + "<soapenv:Fault><faultstring>no access</faultstring></soapenv:Fault>" + close
                               << 10 << QString() << QByteArray() << "no access";
        QTest::newRow("neither") << open + close << 10 << QString() << QByteArray()
                                 << "Error: no response and Fault";
        QTest::newRow("not XML") << QByteArray("<soapenv:Envelope><a>") << 1 << QString() << QByteArray()
                                 << "response parse error";
    }

    void replyReader()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        TddServiceReply out;
        QCOMPARE(parseSoapResponse(reply, "StageTDDEFileResponse", "TokenIdentifier", out), result);
        QTEST(QString(out.returnCode), "code");
        QTEST(QByteArray::fromStdString(out.value), "value");
        QTEST(QString(out.message), "message");
    }

    void credentials_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("spID");
        QTest::addColumn<bool>("secret095");
        QTest::newRow("095 Auto-fill") << "095" << 1 << "095J" << true;
        QTest::newRow("095 NOA") << "095" << 2 << "095T" << true;
        QTest::newRow("097 Auto-fill") << "097" << 1 << "097J" << false;
        QTest::newRow("097 NOA") << "097" << 2 << "097T" << false;
    }

    void credentials()
    {
        QFETCH(QString, code);
        QFETCH(int, mode);
        QFETCH(bool, secret095);
        TddConfig config = currentTddConfig();
        config.softwareCode = code;
        CString spID, secret;
        selectServiceCredentials(config, mode, spID, secret);
        QTEST(QString(spID), "spID");
        QCOMPARE(QString(secret), secret095 ? config.secret095 : config.secretOther);
    }

    void signInKeyIsHmacOfTheAddressValues()
    {
        const QString hostPath = m_settings.values.value(QStringLiteral("tddSignInHost"))
                                 + m_settings.values.value(QStringLiteral("tddSignInPath"));
        auto key = [](const QString &stamp) {
            CString k;
            authUrlKey(1, k, stamp, "%2Fgol-ged%2Fawsc%2Ftdd%2Fws", QStringLiteral("en"), "ab%2Bc2024");
            return QString(k);
        };
        QCOMPARE(key(QStringLiteral("1735689600")), key(QStringLiteral("1735689600")));
        QVERIFY(key(QStringLiteral("1735689600")) != key(QStringLiteral("1735689601")));
        const QByteArray message = "095J" + QUrl::toPercentEncoding(hostPath) + "1735689600"
                                   + "%2Fgol-ged%2Fawsc%2Ftdd%2Fws" + "en" + "ab%2Bc2024";
        const QByteArray mac = QMessageAuthenticationCode::hash(message, bqfakes::TddServicesFake::DefaultSecret,
                                                                QCryptographicHash::Sha256);
        QCOMPARE(key(QStringLiteral("1735689600")).toLatin1(), QUrl::toPercentEncoding(QString::fromLatin1(mac.toBase64())));
    }

    void untrustedCertificateFailsThePost()
    {
        // no authority configured: the fake's certificate is not trusted
        QWebClient::setDefaultCaFile(QString());
        TddWebService client;
        client.setRequest(CString("2024"), 1);
        QByteArray request, reply;
        QCOMPARE(buildStageRequest(CString("2024"), 1, request), 0);
        QCOMPARE(client.postSoap(request, reply), TddFailure::PostFailed);
        QCOMPARE(m_server.requestCount(), 0);
    }
};

BQ_TEST_MAIN_IMPL(TstTddWebService, QApplication)
#include "tst_tddwebservice.moc"
