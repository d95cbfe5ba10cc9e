// The form filing dialog (T1135, T1013 E-Auth, T183 PAD) against the CRA fake,
// with small fixture documents.
#include "bqtest.h"
#include "cformfilingdlg.h"
#include "craservicestest.h"
#include "crafilingfake.h"
#include "creturnfile.h"
#include "datanewreturnbasic.h"
#include "fakehttpsserver.h"
#include "filingconfig.h"
#include "filingdocservices.h"
#include "filingpilot.h"
#include "filingrecorder.h"
#include "messages.h"
#include "tabwndapp.h"
#include "taxdata_t1013new.h"
#include "taxdata_t1135new.h"
#include "taxdata_t185.h"
#include "tlsw3client.h"
#include <QDialogButtonBox>
#include <QLabel>

using namespace bqfakes;

namespace {
const int kT1135 = 101, kT1013 = 117, kPad = 181;

class FixtureServices : public FilingDocServices
{
public:
    void fillEfileHeaderVars(IndividualTaxData &, QMap<QString, QString> &vars, int kind) override
    {
        testId = vars.contains(QStringLiteral("testid")) ? vars.value(QStringLiteral("testid")) : QStringLiteral("absent");
        const TemplateVars v = fixture::efileVars(vars.value(QStringLiteral("testid")));
        for (auto it = v.cbegin(); it != v.cend(); ++it)
            vars.insert(QString::fromUtf8(it.key()), it.value());
        requestKind = kind;
    }
    int requestKind = 0;
    QString testId;
};

// The return window's part: records each filing record it is asked to send.
class RecorderWindow : public QWidget, public FilingRecorder
{
public:
    struct Call
    {
        int form;
        bool accepted;
        QString confirmation, message;
    };
    Result recordFiling(int form, bool accepted, const QString &confirmation, const QString &message) override
    {
        calls.append({form, accepted, confirmation, message});
        return {problem.isEmpty() ? 0 : -100, problem};
    }
    QList<Call> calls;
    QString problem;   // what keeps each record from the e-signature service
};

QString fixtureText(const char *name)
{
    QFile f(QFINDTESTDATA(QStringLiteral("fixtures/%1").arg(QLatin1String(name))));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
} // namespace

class TestFormFilingDlg : public QObject
{
    Q_OBJECT

    ScriptedMessages m_messages;
    FakeHttpsServer m_cra;
    std::unique_ptr<CraFilingFake> m_fake;
    FixtureServices m_services;
    FilingPilot m_pilot;
    std::unique_ptr<CReturnFile> m_return;

    static CT1AppConfig &config() { return TabWndApp::instance()->config(); }
    static QString logPath(bool result)
    {
        CString p;
        TabWndApp::instance()->efileLogPath(p, result);
        return p;
    }
    static QByteArray efilelog()
    {
        QFile f(logPath(false));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    CTaxData_Form *form(int type) const { return m_return->getForm(type, 0, false); }

    struct Outcome
    {
        bool filed;
        int result;
    };
    Outcome file(int formId, const QString &document, const QString &password = QString::fromLatin1(fixture::EfilePassword))
    {
        RecorderWindow window;
        window.problem = m_recordProblem;
        m_recorder = &window;
        CString xml(document);
        CFormFilingDlg dlg(QStringLiteral("X1234"), password, formId, &xml, m_return.get(), &window);
        dlg.setFiling(QStringLiteral("Marie Tremblay"), QStringLiteral("046454286"));
        QTimer::singleShot(0, &dlg, [&dlg] {
            dlg.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok)->click();
        });
        const int result = dlg.exec();
        m_calls = window.calls;
        m_recorder = nullptr;
        return {dlg.filed, result};
    }
    RecorderWindow *m_recorder = nullptr;
    QList<RecorderWindow::Call> m_calls;
    QString m_recordProblem;

private slots:
    void initTestCase()
    {
        QCOMPARE(TabWndApp::instance()->initialize(), 0);
        setMessageHandler(&m_messages);
        IndividualTaxData::setFilingServices(&m_services);
        m_fake = std::make_unique<CraFilingFake>(m_cra);
        QVERIFY2(m_cra.start(), qPrintable(m_cra.errorString()));
        setFilingRunFolder(QFileInfo(logPath(true)).absolutePath());
    }
    void init()
    {
        m_messages.clear();
        m_pilot.clear();
        m_cra.clearRequests();
        m_recordProblem.clear();
        m_fake->setScenario(QString());
        TLSW3Client::setDefaultTimeouts(TLSW3Client::Timeouts());   // a reply that comes is never cut short
        TLSW3Client::setTestCaFile(m_cra.caFile());
        const QString cra = QStringLiteral("127.0.0.1:%1").arg(m_cra.port());
        config().EOLSERVER = cra;
        config().T1013SERVER = cra;
        config().MODEDEBUG = false;
        config().EfileSoftwareCode = CString("097");
        QFile::remove(logPath(false));
        DataNewReturnBasic data;
        data.fld_FirstName = CString("Marie");
        data.fld_LastName = CString("Tremblay");
        data.fld_sin = CString("046454286");
        data.fld_TaxPronv = 9;
        data.fld_MaritalStatus = 5;
        data.fld_dob = QDate(1980, 1, 1);
        m_return = std::make_unique<CReturnFile>(0);
        m_return->applyNewReturnData(data);
        m_return->setCurrentPerson(-2);
        for (int type : {kT1135, kT1013, kPad})
            m_return->addForm(type, 0, true, 0, false);
        QVERIFY(form(kT1135) && form(kT1013) && form(kPad));
    }

    void texts_data()
    {
        QTest::addColumn<int>("formId");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("heading");
        QTest::newRow("E-Auth") << kT1013 << "Submit E-Auth" << "File E-Auth (T1013) Online";
        QTest::newRow("PAD") << kPad << "Submit PAD" << "File Pre-Authorized Debit Agreement (T185) Online";
        QTest::newRow("T1135") << kT1135 << "Submit T1135" << "File T1135 Online";
    }
    void texts()
    {
        QFETCH(int, formId);
        QFETCH(QString, button);
        CString xml;
        CFormFilingDlg dlg(QStringLiteral("X1234"), QStringLiteral("pw"), formId, &xml, m_return.get());
        QCOMPARE(dlg.windowTitle(), button);
        auto *box = dlg.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
        QCOMPARE(box->button(QDialogButtonBox::Ok)->text(), button);
        QCOMPARE(dlg.findChild<QLabel *>(QStringLiteral("lbl1"))->text(), QStringLiteral("Submit Form To CRA"));
        dlg.setFiling(QStringLiteral("Anne <Q>"), QStringLiteral("046454286"));
        dlg.setStatusText(QStringLiteral("Payment of 1,250.00 on 2025-04-30"));
        QTEST(dlg.findChild<QLabel *>(QStringLiteral("lbl1"))->text(), "heading");
        QCOMPARE(dlg.findChild<QLabel *>(QStringLiteral("lbl2"))->text(),
                 QStringLiteral("This filing is for <b>Anne &lt;Q&gt; (046454286)</b>"));
        QCOMPARE(dlg.findChild<QLabel *>(QStringLiteral("lbl3"))->text(), QStringLiteral("Payment of 1,250.00 on 2025-04-30"));
    }

    void enterCancels()
    {
        CString xml(fixtureText("pad-body.xml"));
        CFormFilingDlg dlg(QStringLiteral("X1234"), QStringLiteral("pw"), kPad, &xml, m_return.get());
        QTimer::singleShot(0, &dlg, [&dlg] { QTest::keyClick(&dlg, Qt::Key_Return); });
        QCOMPARE(dlg.exec(), int(QDialog::Rejected));
        QVERIFY(!dlg.filed);
        QCOMPARE(m_cra.requestCount(), 0);
    }

    // Twice running, OK without a password keeps the dialog open and sends nothing.
    void emptyPasswordKeepsTheDialogOpen()
    {
        CString xml(fixtureText("t1013-batch.xml"));
        CFormFilingDlg dlg(QStringLiteral("X1234"), QString(), kT1013, &xml, m_return.get());
        dlg.show();
        dlg.accept();
        dlg.accept();
        QVERIFY(dlg.isVisible());
        const QString text = QStringLiteral("Please enter EFiler ID/password and RepID into preference from menu Start | Preference.");
        QCOMPARE(m_messages.texts(), (QStringList{text, text}));
        QCOMPARE(m_cra.requestCount(), 0);
    }

    void t1013_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<QString>("codes");
        QTest::newRow("count 0") << "t1013-count-0-confirmed" << false << "T1013-205";
        QTest::newRow("count 1") << "t1013-count-1" << true << "0";
        QTest::newRow("count 2") << "t1013-count-2" << false << "0,1";
    }
    void t1013()
    {
        QFETCH(QString, scenario);
        QFETCH(bool, confirmed);
        QFETCH(QString, codes);
        m_fake->setScenario(scenario);
        const Outcome o = file(kT1013, fixtureText("t1013-batch.xml"));
        QCOMPARE(o.result, int(QDialog::Accepted));
        QCOMPARE(o.filed, confirmed);
        QCOMPARE(m_cra.requests().size(), 1);
        QVERIFY(m_cra.requests()[0].body.contains("<type>2024</type>"));
        QVERIFY(m_cra.requests()[0].body.contains("RP1234567"));
        QCOMPARE(m_calls.size(), 1);
        QCOMPARE(m_calls[0].form, kT1013);
        QCOMPARE(m_calls[0].accepted, confirmed);
        auto *t1013 = form(kT1013);
        QCOMPARE(t1013->intValue(TaxData_T1013New::F_FilingStatus), confirmed ? 1 : -1);
        if (confirmed) {
            QCOMPARE(t1013->text(TaxData_T1013New::F_Confirmation), QStringLiteral("RC24T10130001"));
            QVERIFY(efilelog().contains("Confirmation: RC24T10130001"));
            QCOMPARE(m_pilot.results.size(), 1);
            QCOMPARE(m_pilot.results[0].title, QStringLiteral("E-Auth Filing Result"));
            QVERIFY(m_pilot.results[0].overview.startsWith(QLatin1String("E-Auth is submitted successfully. Time: ")));
            QVERIFY(m_pilot.results[0].link.contains(QLatin1String("efilelog.txt")));
            QVERIFY(m_pilot.linkMessages.isEmpty());
        } else {
            QCOMPARE(t1013->text(TaxData_T1013New::F_Error), codes);
            QVERIFY(efilelog().isEmpty());
            QVERIFY(m_pilot.results.isEmpty());
            QCOMPARE(m_pilot.linkMessages.size(), 1);
            QCOMPARE(m_pilot.linkMessages[0].title, QStringLiteral("Online Filing Error Occured"));
            QVERIFY(m_pilot.linkMessages[0].msg1.startsWith(QLatin1String("E-Auth submission failed. The error message is:\n")));
            QVERIFY(m_pilot.linkMessages[0].msg1.endsWith(QStringLiteral("The error codes are [%1].").arg(codes)));
            QCOMPARE(m_pilot.linkMessages[0].msg2, QStringLiteral("To find out what the error code means, follow the link below"));
            QVERIFY(m_pilot.linkMessages[0].link.endsWith(QLatin1String("/faq/index.php?action=artikel&cat=6&id=35&artlang=en")));
        }
    }

    void pad_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<QString>("detailsEnd");
        QTest::newRow("codes 0 and 1") << "pad-confirmed-codes" << true
                                       << "The confirmation number is PAD2400790\nFiling services return these codes: 0,1";
        QTest::newRow("no codes") << "pad-confirmed-no-codes" << true << "The confirmation number is PAD2400791";
        // a confirmation number beside a rejection is no confirmation
        QTest::newRow("confirmation and rejection") << "pad-confirmed-rejected" << false << "[PAD-102,PAD-105].";
        QTest::newRow("markup in the reply") << "pad-rejected-markup" << false
                                             << "See <a href=\"http://example.invalid/\">this page</a> & retry\n\n"
                                                "The error codes are [<b>PAD-110</b>].";
    }
    void pad()
    {
        QFETCH(QString, scenario);
        QFETCH(bool, confirmed);
        QFETCH(QString, detailsEnd);
        m_fake->setScenario(scenario);
        const Outcome o = file(kPad, fixtureText("pad-body.xml"));
        QCOMPARE(o.filed, confirmed);
        QCOMPARE(m_cra.requests().size(), 1);
        const QByteArray body = m_cra.requests()[0].body;
        QVERIFY(body.contains("097P"));
        QVERIFY(body.contains("2026-05-25"));
        QVERIFY(body.contains("<pad:AccountNumber>9876543</pad:AccountNumber>"));
        QCOMPARE(m_calls.size(), 1);
        QCOMPARE(m_calls[0].accepted, confirmed);
        QCOMPARE(m_pilot.results.size(), 1);
        QCOMPARE(m_pilot.results[0].title, QStringLiteral("T183-PAD Filing Result"));
        QVERIFY2(m_pilot.results[0].details.endsWith(detailsEnd), qPrintable(m_pilot.results[0].details));
        const QString confirmation = form(kPad)->text(TaxData_T185::F_Confirmation);
        if (confirmed) {
            QVERIFY(!confirmation.isEmpty());
            QVERIFY(efilelog().contains("Name: Marie Tremblay"));
            QVERIFY(!m_pilot.results[0].details.contains(QLatin1String("codes: \n")));
        } else {
            QVERIFY(confirmation.isEmpty());
            QVERIFY(efilelog().isEmpty());
            QCOMPARE(m_pilot.results[0].overview, QStringLiteral("Online Filing Error Occured"));
            QCOMPARE(m_pilot.results[0].bottom, QStringLiteral("Check filing result file"));
            QVERIFY(m_pilot.results[0].link.contains(QLatin1String("efileresult.txt")));
        }
    }

    void t1135_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<int>("status");
        QTest::newRow("accepted") << "accepted" << 1;
        QTest::newRow("rejected") << "rejected" << -1;
    }
    void t1135()
    {
        QFETCH(QString, scenario);
        QFETCH(int, status);
        m_fake->setScenario(scenario);
        const Outcome o = file(kT1135, QString::fromUtf8(fixture::t1135Document()));
        QCOMPARE(o.filed, status == 1);
        QCOMPARE(m_services.requestKind, kT1135);
        QCOMPARE(form(kT1135)->intValue(TaxData_T1135New::F_FilingStatus), status);
        QVERIFY(!form(kT1135)->text(TaxData_T1135New::F_FilingTime).isEmpty());
        QCOMPARE(m_calls.size(), 1);
        QCOMPARE(m_calls[0].form, kT1135);
        QCOMPARE(m_pilot.results.size(), 1);
        QCOMPARE(m_pilot.results[0].title, QStringLiteral("T1135 Web Service Result"));
        if (status == 1) {
            QCOMPARE(form(kT1135)->text(TaxData_T1135New::F_Confirmation), QStringLiteral("FR240000456"));
            QVERIFY(m_pilot.results[0].link.contains(QLatin1String("efilelog.txt")));
            QVERIFY(efilelog().contains("Confirmation: FR240000456"));
        } else {
            QVERIFY(m_pilot.results[0].overview.startsWith(
                QLatin1String("Marie Tremblay submission failed. \nThe error codes are [2101].\nTime: ")));
            QVERIFY(m_pilot.results[0].link.contains(QLatin1String("efileresult.txt")));
            QVERIFY(efilelog().isEmpty());
        }
    }

    // A filing record that did not reach the e-signature service is told with the filing's result.
    void recordProblemInTheResult_data()
    {
        QTest::addColumn<int>("formId");
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<QString>("bottom");
        const QString problem = QStringLiteral("The e-signature service did not accept the filing record.");
        QTest::newRow("T1135 accepted") << kT1135 << "accepted" << problem;
        QTest::newRow("T1135 rejected") << kT1135 << "rejected" << problem;
        QTest::newRow("PAD rejected") << kPad << "pad-confirmed-rejected" << "Check filing result file\n" + problem;
    }
    void recordProblemInTheResult()
    {
        QFETCH(int, formId);
        QFETCH(QString, scenario);
        QFETCH(QString, bottom);
        m_recordProblem = QStringLiteral("The e-signature service did not accept the filing record.");
        m_fake->setScenario(scenario);
        file(formId, formId == kPad ? fixtureText("pad-body.xml") : QString::fromUtf8(fixture::t1135Document()));
        QCOMPARE(m_calls.size(), 1);
        QCOMPARE(m_pilot.results.size(), 1);
        QCOMPARE(m_pilot.results[0].bottom, bottom);
        QVERIFY(m_messages.shown().isEmpty());
    }

    // In test mode the T1135 filing asks for the test-case ID; cancelling still files.
    void t1135TestId()
    {
        config().MODEDEBUG = true;
        const Outcome o = file(kT1135, QString::fromUtf8(fixture::t1135Document()));
        QVERIFY(o.filed);
        QCOMPARE(m_messages.shown().size(), 1);
        QCOMPARE(m_messages.shown()[0].kind, QStringLiteral("input"));
        QCOMPARE(m_messages.shown()[0].title, QStringLiteral("test ID"));
        QCOMPARE(m_services.testId, QString());   // asked, cancelled: an empty "testid"
        QCOMPARE(m_cra.requestCount(), 1);
    }

    void t1135OutsideTestModeAsksNothing()
    {
        QVERIFY(file(kT1135, QString::fromUtf8(fixture::t1135Document())).filed);
        QVERIFY(m_messages.shown().isEmpty());
        QCOMPARE(m_services.testId, QStringLiteral("absent"));
    }

    // Failures before a reply is understood leave everything untouched.
    void transportFailures_data()
    {
        QTest::addColumn<int>("formId");
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<QString>("message");
        const QString refused = QStringLiteral("\nReason: Cannot connect to 127.0.0.1:");
        // sent, but no reply: the CRA may have it
        const QString silent = QStringLiteral("\nReason: No complete reply: timed out after 1.5 s; the request was sent, so the "
                                              "CRA may have the filing: check its status with the CRA before filing it "
                                              "again");
        QTest::newRow("T1013 closed port") << kT1013 << "" << "E-Auth form submission failed. The error code is -10." + refused;
        QTest::newRow("T1013 no reply") << kT1013 << "silence" << "E-Auth form submission failed. The error code is -10." + silent;
        QTest::newRow("PAD closed port") << kPad << "" << "T183-PAD form submission failed. The error code is -10." + refused;
        QTest::newRow("PAD no reply") << kPad << "silence" << "T183-PAD form submission failed. The error code is -10." + silent;
        QTest::newRow("T1135 closed port") << kT1135 << "" << "Error filing T1135, return code = -10." + refused;
        QTest::newRow("T1135 no reply") << kT1135 << "silence" << "Error filing T1135, return code = -10." + silent;
        QTest::newRow("T1135 end-of-line notice") << kT1135 << "eol-132" << "Error filing T1135, return code = 132.";
        // a reply that is not the CRA's answer: its HTTP status and the fault's text or what came
        const QString webPage = QStringLiteral("\nReason: HTTP 503 Service Unavailable; the reply is a web page "
                                               "(\"503 Service Unavailable\"), not the CRA's XML");
        QTest::newRow("T1013 web page") << kT1013 << "web-page-503"
                                        << "E-Auth form submission failed. The error code is -100." + webPage;
        QTest::newRow("PAD web page") << kPad << "web-page-503"
                                      << "T183-PAD form submission failed. The error code is -100." + webPage;
        QTest::newRow("T1135 web page") << kT1135 << "web-page-503" << "Error filing T1135, return code = 111." + webPage;
        QTest::newRow("T1135 fault") << kT1135 << "fault-not-registered-500"
                                     << "Error filing T1135, return code = 190.\nReason: HTTP 500 Internal Server Error; "
                                        "the CRA's service answered with a fault: EFILE number X1234 is not registered.";
    }
    void transportFailures()
    {
        QFETCH(int, formId);
        QFETCH(QString, scenario);
        QFETCH(QString, message);
        if (scenario.isEmpty()) {
            const QString closed = QStringLiteral("127.0.0.1:%1").arg(FakeHttpsServer::closedPort());
            config().EOLSERVER = closed;
            config().T1013SERVER = closed;
        } else {
            m_fake->setScenario(scenario);
        }
        if (scenario == QLatin1String("silence")) {
            TLSW3Client::Timeouts quick;
            quick.readMs = 1500;
            TLSW3Client::setDefaultTimeouts(quick);
        }
        const QString doc = formId == kT1135 ? QString::fromUtf8(fixture::t1135Document())
                            : formId == kPad ? fixtureText("pad-body.xml")
                                             : fixtureText("t1013-batch.xml");
        const Outcome o = file(formId, doc);
        QVERIFY(!o.filed);
        QCOMPARE(o.result, int(QDialog::Accepted));
        QVERIFY(m_calls.isEmpty());
        QVERIFY(efilelog().isEmpty());
        QVERIFY(m_pilot.results.isEmpty());
        const QString shown = formId == kT1135 ? m_messages.texts().value(0) : m_pilot.linkMessages.value(0).msg1;
        QCOMPARE(shown.contains(QLatin1String("the CRA may have the filing")), scenario == QLatin1String("silence"));
        if (formId == kT1135) {
            QCOMPARE(m_messages.texts().size(), 1);
            QVERIFY2(m_messages.texts().first().startsWith(message), qPrintable(m_messages.texts().first()));
            QCOMPARE(form(kT1135)->intValue(TaxData_T1135New::F_FilingStatus), 0);
        } else {
            QCOMPARE(m_pilot.linkMessages.size(), 1);
            QCOMPARE(m_pilot.linkMessages[0].title, QStringLiteral("Online Filing Failed"));
            QVERIFY2(m_pilot.linkMessages[0].msg1.startsWith(message), qPrintable(m_pilot.linkMessages[0].msg1));
            QCOMPARE(form(kT1013)->intValue(TaxData_T1013New::F_FilingStatus), 0);
            QVERIFY(form(kPad)->text(TaxData_T185::F_Confirmation).isEmpty());
        }
    }

    void cleanupTestCase()
    {
        m_return.reset();
        IndividualTaxData::setFilingServices(nullptr);
        TLSW3Client::setTestCaFile(QString());
        m_cra.stop();
        setMessageHandler(nullptr);
    }
};

int main(int argc, char **argv)
{
    bqtest::isolate();
    TabWndApp *app = TabWndApp::create(argc, argv);
    int result;
    {
        TestFormFilingDlg tc;
        result = QTest::qExec(&tc, argc, argv);
    }
    delete app;
    return result;
}

#include "tst_formfilingdlg.moc"
