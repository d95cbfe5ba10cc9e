#include "bqtest.h"
#include "creturnfile.h"
#include "datanewreturnbasic.h"
#include "fakehttpsserver.h"
#include "form_return.h"
#include "formtables.h"
#include "individualtaxdata.h"
#include "messages.h"
#include "qwebclient.h"
#include "tabwndapp.h"
#include "taxdata_t1new.h"
#include "vantrelfake.h"
#include <QApplication>

using namespace bqfakes;

// The filing record the return window sends to the e-signature service.
class TestFilingRecord : public QObject
{
    Q_OBJECT

    ScriptedMessages m_messages;
    FakeHttpsServer m_server;
    std::unique_ptr<VantrelFake> m_fake;

    static CT1AppConfig &config() { return TabWndApp::instance()->config(); }

    static CReturnFile *newReturn()
    {
        DataNewReturnBasic data;
        data.fld_FirstName = CString("Marie");
        data.fld_LastName = CString("Tremblay");
        data.fld_sin = CString("123456789");
        data.fld_TaxPronv = 9;
        data.fld_MaritalStatus = 5;
        data.fld_dob = QDate(1980, 1, 1);
        auto *r = new CReturnFile(0);
        r->applyNewReturnData(data);
        r->self()->t1()->setText(TaxData_T1New::F_Phone, QStringLiteral("416-555-0199"));
        return r;
    }

    QList<FakeRequest> filingRequests() const
    {
        QList<FakeRequest> out;
        for (const FakeRequest &r : m_server.requests())
            if (r.path == VantrelFake::FilingPath)
                out.append(r);
        return out;
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(TabWndApp::instance()->initialize(), 0);
        setMessageHandler(&m_messages);
        m_fake = std::make_unique<VantrelFake>(m_server);
        QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
        QWebClient::setDefaultCaFile(m_server.caFile());
    }
    void init()
    {
        m_messages.clear();
        m_server.clearRequests();
        m_fake->setFilingReply(VantrelFake::FilingReply::ShortSuccess);
        config().VantrelServer = m_server.baseUrl();
        config().FilingReport = true;
        config().VantrelEmail = CString("preparer@example.com");
        config().VantrelPswd = CString("s3cret");
    }

    void sendsTheItemsInOrder()
    {
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        QCOMPARE(w.recordFiling(1, true, QStringLiteral("12345678"), QStringLiteral("Accepted é")).status, 0);
        const QList<FakeRequest> sent = filingRequests();
        QCOMPARE(sent.size(), 1);
        const QList<QPair<QString, QString>> expected{
            {"licdata", "1*****789"}, {"sw", "T1KV2024"}, {"func", "FLNGRCD"}, {"form", "T1"},
            {"taxpayer_name", "Marie Tremblay"}, {"taxpayer_phone", "416-555-0199"}, {"login_type", "fernquaver"},
            {"filed_at", ""}, {"tax_year_end", "2024/12/31"}, {"status", "30100"},
            {"confirmation_code", "12345678"}, {"filing_message", QStringLiteral("Accepted é")}};
        QCOMPARE(sent.first().formItems(), expected);
        QCOMPARE(sent.first().header("authorization"), QByteArray("Basic ") + QByteArray("preparer@example.com:s3cret").toBase64());
        QVERIFY(m_messages.shown().isEmpty());
        QVERIFY(!QApplication::overrideCursor());
    }

    void formAndStatus_data()
    {
        QTest::addColumn<int>("formType");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("status");
        QTest::newRow("T1 rejected") << 1 << false << "T1" << "30110";
        QTest::newRow("T1013") << 117 << true << "T1013" << "30100";
        QTest::newRow("T185 of the PAD filing") << 181 << true << "T183PAD" << "30100";
        QTest::newRow("T1135 by its name") << 101 << false << QString::fromLatin1(Global_Forms_Info[101].name) << "30110";
    }
    void formAndStatus()
    {
        QFETCH(int, formType);
        QFETCH(bool, accepted);
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        QCOMPARE(w.recordFiling(formType, accepted, QStringLiteral("code=1845"), QStringLiteral("Rejected")).status, 0);
        const QList<FakeRequest> sent = filingRequests();
        QCOMPARE(sent.size(), 1);
        QTEST(sent.first().bodyValue(QStringLiteral("form")), "form");
        QTEST(sent.first().bodyValue(QStringLiteral("status")), "status");
    }

    void offSendsNothing_data()
    {
        QTest::addColumn<QString>("email");
        QTest::newRow("with credentials") << "preparer@example.com";
        QTest::newRow("without credentials") << "";
    }
    void offSendsNothing()
    {
        QFETCH(QString, email);
        config().FilingReport = false;
        config().VantrelEmail = CString(email);
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        QCOMPARE(w.recordFiling(1, true, QStringLiteral("1"), QString()).status, 0);
        QCOMPARE(filingRequests().size(), 0);
        QVERIFY(m_messages.shown().isEmpty());
    }

    void missingCredentials_data()
    {
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("password");
        QTest::newRow("no e-mail") << "" << "s3cret";
        QTest::newRow("no password") << "preparer@example.com" << "";
    }
    void missingCredentials()
    {
        QFETCH(QString, email);
        QFETCH(QString, password);
        config().VantrelEmail = CString(email);
        config().VantrelPswd = CString(password);
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        const FilingRecorder::Result recorded = w.recordFiling(1, true, QStringLiteral("1"), QString());
        QCOMPARE(recorded.status, -1);
        QCOMPARE(filingRequests().size(), 0);
        // the box asks for them, over the main window; the filing's result keeps its line
        QCOMPARE(recorded.problem, QStringLiteral("The filing record was not sent to the e-signature service: its "
                                                  "email and password are not set in the preferences."));
        QCOMPARE(m_messages.texts(), QStringList(QStringLiteral("Enter Vantrel points email/password in preference, "
                                                                "they are used for filing report.")));
        QCOMPARE(m_messages.shown().first().kind, QStringLiteral("information"));
    }

    // The reply's status and JSON decide, not its length.
    void judgesTheReply_data()
    {
        QTest::addColumn<int>("reply");
        QTest::addColumn<int>("result");
        QTest::newRow("short success") << int(VantrelFake::FilingReply::ShortSuccess) << 0;
        QTest::newRow("long success") << int(VantrelFake::FilingReply::LongSuccess) << 0;
        QTest::newRow("success false") << int(VantrelFake::FilingReply::Refused) << -99;
        QTest::newRow("not JSON") << int(VantrelFake::FilingReply::NotJson) << -99;
        QTest::newRow("HTTP 500") << int(VantrelFake::FilingReply::ServerError) << -100;
    }
    void judgesTheReply()
    {
        QFETCH(int, reply);
        m_fake->setFilingReply(VantrelFake::FilingReply(reply));
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        QTEST(w.recordFiling(1, true, QStringLiteral("12345678"), QStringLiteral("ok")).status, "result");
        QCOMPARE(filingRequests().size(), 1);
        QVERIFY(m_messages.shown().isEmpty());
        QVERIFY(!QApplication::overrideCursor());
    }

    void wrongCredentialsAndClosedPort_data()
    {
        QTest::addColumn<bool>("closed");
        QTest::newRow("401") << false;
        QTest::newRow("closed port") << true;
    }
    void wrongCredentialsAndClosedPort()
    {
        QFETCH(bool, closed);
        if (closed)
            config().VantrelServer = QStringLiteral("https://127.0.0.1:%1").arg(FakeHttpsServer::closedPort());
        else
            config().VantrelPswd = CString("wrong");
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        QCOMPARE(w.recordFiling(1, true, QStringLiteral("1"), QString()).status, -100);
    }

    void cleanupTestCase()
    {
        m_server.stop();
        setMessageHandler(nullptr);
    }
};

int main(int argc, char **argv)
{
    bqtest::isolate();
    TabWndApp *app = TabWndApp::create(argc, argv);
    int result;
    {
        TestFilingRecord tc;
        result = QTest::qExec(&tc, argc, argv);
    }
    delete app;
    return result;
}

#include "tst_filingrecord.moc"
