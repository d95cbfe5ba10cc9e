// The return submission dialog against the CRA and e-signature fakes, the
// filing result dialog and the after-filing page.
#include "bqtest.h"
#include "cnetfileresultdlg.h"
#include "craservicestest.h"
#include "crafilingfake.h"
#include "creturnfile.h"
#include "datanewreturnbasic.h"
#include "dlgfilingresult.h"
#include "fakehttpsserver.h"
#include "filingconfig.h"
#include "filingdocservices.h"
#include "filingpilot.h"
#include "form_return.h"
#include "messages.h"
#include "ppgafternetfile_tab1.h"
#include "qwebclient.h"
#include "tabwndapp.h"
#include "taxdata_t1new.h"
#include "tlsw3client.h"
#include "vantrelfake.h"
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

using namespace bqfakes;

namespace {
// The envelope variables from fixtures; the NETFILE notice and balance as a test sets them.
class FixtureServices : public FilingDocServices
{
public:
    void fillEfileHeaderVars(IndividualTaxData &, QMap<QString, QString> &vars, int) override
    {
        const TemplateVars v = fixture::efileVars(vars.value(QStringLiteral("testid")));
        for (auto it = v.cbegin(); it != v.cend(); ++it)
            vars.insert(QString::fromUtf8(it.key()), it.value());
    }
    void fillNetfileRequestVars(IndividualTaxData &, QMap<QString, QString> &vars, int agreement, QString *text,
                                double *amount, int flag) override
    {
        const TemplateVars v = fixture::netfileVars(flag ? QString::number(flag) : testCase);
        for (auto it = v.cbegin(); it != v.cend(); ++it)
            vars.insert(QString::fromUtf8(it.key()), it.value());
        vars.insert(QStringLiteral("agreement"), QString::number(agreement));
        *text = notice;
        *amount = balance;
        testCaseNumber = flag;
    }
    QString notice;
    double balance = 0;
    int testCaseNumber = -1;
    QString testCase;   // the fake's scenario by test case number
};

class ClickedFile : public QObject
{
    Q_OBJECT
public slots:
    void open(const QUrl &url) { opened.append(url); }

public:
    QList<QUrl> opened;
};
} // namespace

class TestNetfileResultDlg : public QObject
{
    Q_OBJECT

    ScriptedMessages m_messages;
    FakeHttpsServer m_cra;
    FakeHttpsServer m_vantrel;
    std::unique_ptr<CraFilingFake> m_craFake;
    std::unique_ptr<VantrelFake> m_vantrelFake;
    FixtureServices m_services;
    FilingPilot m_pilot;

    static CT1AppConfig &config() { return TabWndApp::instance()->config(); }
    static QString runFile(const char *name)
    {
        CString path;
        TabWndApp::instance()->efileLogPath(path, QByteArray(name) == "efileresult.txt");
        return path;
    }
    static QByteArray efilelog()
    {
        QFile f(runFile("efilelog.txt"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

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
        return r;
    }

    QList<FakeRequest> filingRecords() const
    {
        QList<FakeRequest> out;
        for (const FakeRequest &r : m_vantrel.requests())
            if (r.path == VantrelFake::FilingPath)
                out.append(r);
        return out;
    }

    // Runs the dialog and presses Ok (or Cancel); gives the dialog's three fields.
    struct Outcome
    {
        bool filed;
        QString confirmation, message, answerTime;
    };
    Outcome run(Form_Return &w, int mode, bool ok = true, const QString &testCase = QString())
    {
        CNetfileResultDlg dlg(mode, w.returnFile(), false, QString::fromUtf8(fixture::t1Return()), &w);
        dlg.setTexts(QStringLiteral("Refund: $1,234.00"), QStringLiteral("Marie Tremblay"));
        QTimer::singleShot(0, &dlg, [&dlg, ok, testCase] {
            dlg.findChild<QLineEdit *>(QStringLiteral("edtTestcase"))->setText(testCase);
            auto *box = dlg.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
            box->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        });
        dlg.exec();
        return {dlg.filed, dlg.confirmationText, dlg.messageText, dlg.answerTime};
    }

private slots:
    void initTestCase()
    {
        QCOMPARE(TabWndApp::instance()->initialize(), 0);
        setMessageHandler(&m_messages);
        IndividualTaxData::setFilingServices(&m_services);
        m_craFake = std::make_unique<CraFilingFake>(m_cra);
        m_vantrelFake = std::make_unique<VantrelFake>(m_vantrel);
        QVERIFY2(m_cra.start(), qPrintable(m_cra.errorString()));
        QVERIFY2(m_vantrel.start(), qPrintable(m_vantrel.errorString()));
        setFilingRunFolder(QFileInfo(runFile("efileresult.txt")).absolutePath());
    }
    void init()
    {
        m_messages.clear();
        m_pilot.clear();
        m_pilot.acceptTerms = true;
        m_cra.clearRequests();
        m_vantrel.clearRequests();
        m_craFake->setScenario(QString());
        TLSW3Client::setDefaultTimeouts(TLSW3Client::Timeouts());   // a reply that comes is never cut short
        m_services.notice.clear();
        m_services.balance = 0;
        m_services.testCase.clear();
        TLSW3Client::setTestCaFile(m_cra.caFile());
        QWebClient::setDefaultCaFile(m_vantrel.caFile());
        const QString cra = QStringLiteral("127.0.0.1:%1").arg(m_cra.port());
        config().EOLSERVER = cra;
        config().NETFILESERVER = cra;
        config().MODEDEBUG = false;
        config().BusinessEFileNum = CString("X1234");
        config().BusinessEFilePassword = CString(fixture::EfilePassword);
        config().VantrelServer = m_vantrel.baseUrl();
        config().FilingReport = true;
        config().VantrelEmail = CString("preparer@example.com");
        config().VantrelPswd = CString("s3cret");
        QFile::remove(runFile("efilelog.txt"));
    }

    void efileAccepted_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<QString>("notice");
        QTest::newRow("no indicator") << "accepted" << "";
        QTest::newRow("2139") << "accepted-cv2139" << "(E) 2139 - The CRA is performing pre-assessment";
        QTest::newRow("24") << "accepted-cv24" << "(E) 24 - The CRA may perform a verification";
        QTest::newRow("0024 reads as 24") << "accepted-cv0024" << "(E) 24 - The CRA may perform a verification";
    }
    void efileAccepted()
    {
        QFETCH(QString, scenario);
        QFETCH(QString, notice);
        m_craFake->setScenario(scenario);
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        const Outcome o = run(w, 1);
        QVERIFY(o.filed);
        QCOMPARE(o.confirmation, QStringLiteral("TX240000123"));
        if (notice.isEmpty()) {
            QVERIFY(!o.message.contains(QLatin1String("(E) ")));
        } else {
            const int at = o.message.lastIndexOf(QLatin1String("\n\n"));
            QVERIFY(at > 0);
            QVERIFY2(o.message.mid(at + 2).startsWith(notice), qPrintable(o.message));
            QVERIFY(o.message.endsWith(QLatin1String("unless you are asked to do so.")));
        }
        QVERIFY(efilelog().contains("Confirmation: TX240000123"));
        QVERIFY(efilelog().contains("Name: Marie Tremblay"));
        QCOMPARE(m_pilot.results.size(), 1);
        QCOMPARE(m_pilot.results[0].title, QStringLiteral("Efile Filing Result"));
        QVERIFY(m_pilot.results[0].overview.startsWith(
            QLatin1String("Efile is submitted successfully. Result code is [0]. The confirmation number is [TX240000123].\n")));
        QCOMPARE(m_pilot.results[0].bottom, QStringLiteral("Check filing log file (0)"));

        const QList<FakeRequest> sent = filingRecords();
        QCOMPARE(sent.size(), 1);
        const auto items = sent[0].formItems();
        QCOMPARE(items.size(), 12);
        QCOMPARE(items[0], qMakePair(QStringLiteral("licdata"), QStringLiteral("1*****789")));
        QCOMPARE(items[3], qMakePair(QStringLiteral("form"), QStringLiteral("T1")));
        QCOMPARE(items[9], qMakePair(QStringLiteral("status"), QStringLiteral("30100")));
        QCOMPARE(items[10], qMakePair(QStringLiteral("confirmation_code"), QStringLiteral("TX240000123")));
        QCOMPARE(items[11].second, o.message);
        QCOMPARE(sent[0].header("authorization"),
                 QByteArray("Basic ") + QByteArray("preparer@example.com:s3cret").toBase64());
        QVERIFY(!QApplication::overrideCursor());
    }

    // A filing record that did not reach the e-signature service: the result
    // says what failed beside the Part's "Check filing log file (n)"; the time it
    // shows for the CRA's answer is the one handed back to the return window.
    void filingRecordNotSent_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("recordRefused");
        QTest::addColumn<QString>("bottom");
        QTest::newRow("log-in refused")
            << "wrong" << false
            << "Check filing log file (-100)\nThe filing record was not sent to the e-signature service: it refused "
               "the log-in. Check the e-signature (Vantrel) email and password in the preferences.";
        QTest::newRow("record refused")
            << "s3cret" << true
            << "Check filing log file (-99)\nThe e-signature service did not accept the filing record.";
        QTest::newRow("no password")
            << "" << false
            << "Check filing log file (-1)\nThe filing record was not sent to the e-signature service: its email and "
               "password are not set in the preferences.";
    }
    void filingRecordNotSent()
    {
        QFETCH(QString, password);
        QFETCH(bool, recordRefused);
        QFETCH(QString, bottom);
        config().VantrelPswd = CString(password);
        m_vantrelFake->setFilingReply(recordRefused ? VantrelFake::FilingReply::Refused
                                                    : VantrelFake::FilingReply::ShortSuccess);
        m_craFake->setScenario(QStringLiteral("accepted"));
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        const Outcome o = run(w, 1);
        m_vantrelFake->setFilingReply(VantrelFake::FilingReply::ShortSuccess);
        QVERIFY(o.filed);
        QCOMPARE(m_pilot.results.size(), 1);
        QCOMPARE(m_pilot.results[0].bottom, bottom);
        // without credentials the box asks for them; any other failure is told in the result only
        QCOMPARE(m_messages.texts(), password.isEmpty() ? QStringList(QStringLiteral(
                                                              "Enter Vantrel points email/password in preference, "
                                                              "they are used for filing report."))
                                                        : QStringList());
        QVERIFY(!o.answerTime.isEmpty());
        QVERIFY2(m_pilot.results[0].overview.endsWith(o.answerTime), qPrintable(m_pilot.results[0].overview));
    }

    void efileRejected_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<QString>("code");
        QTest::newRow("1845 with clue codes") << "processing-error" << "code=1845, clue=12345";
        QTest::newRow("other rejection") << "rejected" << "code=2001";
    }
    void efileRejected()
    {
        QFETCH(QString, scenario);
        QFETCH(QString, code);
        m_craFake->setScenario(scenario);
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        const Outcome o = run(w, 1);
        QVERIFY(!o.filed);
        QCOMPARE(o.confirmation, code);
        QVERIFY(efilelog().isEmpty());
        QCOMPARE(m_pilot.results.size(), 1);
        // the document control number: the EFiler number, then the return's number
        QVERIFY2(m_pilot.results[0].overview.startsWith(QLatin1String(
                     "Efile submission for [Marie Tremblay] failed. Document Control Number is [X1234X1234-0001].\n")),
                 qPrintable(m_pilot.results[0].overview));
        QVERIFY(m_pilot.results[0].link.contains(QLatin1String("efileresult.txt")));
        const QList<FakeRequest> sent = filingRecords();
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent[0].bodyValue(QStringLiteral("status")), QStringLiteral("30110"));
        QCOMPARE(sent[0].bodyValue(QStringLiteral("confirmation_code")), code);
    }

    // The end-of-line notice, a closed port and a reply that never comes.
    void efileFailures_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<QString>("details");
        QTest::newRow("end-of-line notice")
            << "eol-132" << "Msg: 132 means EFile system is not operational at this time.; Code: 132.";
        QTest::newRow("closed port") << "" << "Msg: efile failed, check firewall and write file access; Code: 106.";
        // sent without a complete reply: why, beside the advice to check the status
        const QString sentNoReply = QStringLiteral("Msg: The return was sent but no complete reply came back; check its "
                                                   "filing status with the CRA before filing it again.; Code: 107.\n"
                                                   "Reason: ");
        QTest::newRow("no reply") << "silence" << sentNoReply + "No complete reply: timed out after 1.5 s";
        QTest::newRow("reply never ends") << "drip" << sentNoReply + "No complete reply: timed out after 1.5 s";
        // the client keeps at most 16 MiB of a reply: 16 * 1024 * 1024 bytes
        QTest::newRow("reply of 100 MB") << "oversized" << sentNoReply + "The reply is larger than 16777216 bytes";
        QFile accepted(CraFilingFake::defaultTemplateFolder() + QStringLiteral("/efile-accepted.xml"));
        QVERIFY(accepted.open(QIODevice::ReadOnly));
        QTest::newRow("reply cut off") << "cut-off"
                                       << sentNoReply + QStringLiteral("The server closed the connection after %1 of the "
                                                                       "reply's %2 bytes")
                                                            .arg(accepted.size() / 2)
                                                            .arg(accepted.size());
        QTest::newRow("redirect") << "redirect"
                                  << "Msg: the reply to the filing is not the CRA's filing result; Code: 111.\nReason: "
                                     "HTTP 302 Found; the server redirected the request to "
                                     + QLatin1String(CraFilingFake::RedirectTarget) + "; the redirect was not followed";
        // a reply that is no filing result: the HTTP status and the fault's text or what came
        QTest::newRow("fault") << "fault-not-registered-500"
                               << "Msg: the CRA's filing service refused the request; Code: 190.\nReason: HTTP 500 "
                                  "Internal Server Error; the CRA's service answered with a fault: EFILE number X1234 "
                                  "is not registered.";
        QTest::newRow("web page") << "web-page-503"
                                  << "Msg: the reply to the filing is not the CRA's filing result; Code: 111.\nReason: "
                                     "HTTP 503 Service Unavailable; the reply is a web page (\"503 Service "
                                     "Unavailable\"), not the CRA's XML";
    }
    void efileFailures()
    {
        QFETCH(QString, scenario);
        QFETCH(QString, details);
        if (scenario.isEmpty())
            config().EOLSERVER = QStringLiteral("127.0.0.1:%1").arg(FakeHttpsServer::closedPort());
        else
            m_craFake->setScenario(scenario);
        if (scenario == QLatin1String("silence") || scenario == QLatin1String("drip")) {
            TLSW3Client::Timeouts quick;
            quick.readMs = 1500;
            TLSW3Client::setDefaultTimeouts(quick);
        }
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        const Outcome o = run(w, 1);
        QVERIFY(!o.filed);
        QCOMPARE(m_pilot.results.size(), 1);
        QCOMPARE(m_pilot.results[0].overview, QStringLiteral("EFile Filing Failed"));
        QCOMPARE(m_pilot.results[0].bottom, QStringLiteral("Check filing result file"));
        QVERIFY2(m_pilot.results[0].details.contains(details), qPrintable(m_pilot.results[0].details));
        QVERIFY(efilelog().isEmpty());
        QCOMPARE(filingRecords().size(), 0);
    }

    void cancelAndMissingEfilerNumber()
    {
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        QVERIFY(!run(w, 1, false).filed);
        QCOMPARE(m_cra.requestCount(), 0);
        QVERIFY(m_messages.shown().isEmpty());

        config().BusinessEFileNum = CString();
        QVERIFY(!run(w, 1).filed);
        QCOMPARE(m_messages.texts(),
                 QStringList{"Please enter EFiler ID/password and RepID into preference from menu Start | Preference."});
        QCOMPARE(m_cra.requestCount(), 0);
        QVERIFY(m_pilot.results.isEmpty());
    }

    // A second OK while the first submission runs (from inside its result
    // dialog) sends nothing more.
    void secondOkWhileSubmittingSendsNothing()
    {
        m_craFake->setScenario(QStringLiteral("accepted"));
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        CNetfileResultDlg dlg(1, w.returnFile(), false, QString::fromUtf8(fixture::t1Return()), &w);
        dlg.setTexts(QStringLiteral("Refund: $1,234.00"), QStringLiteral("Marie Tremblay"));
        QPushButton *ok = dlg.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Ok);
        m_pilot.answerResults = false;
        int results = 0;
        QTimer poll;
        connect(&poll, &QTimer::timeout, &dlg, [&] {
            if (auto *r = qobject_cast<DlgFilingResult *>(QApplication::activeModalWidget())) {
                ++results;
                ok->click();
                r->accept();
            }
        });
        poll.start(2);
        QTimer::singleShot(0, ok, &QPushButton::click);
        dlg.exec();
        poll.stop();
        m_pilot.answerResults = true;
        QCOMPARE(results, 1);
        QVERIFY(dlg.filed);
        QCOMPARE(m_cra.requestCount(), 1);
        QCOMPARE(filingRecords().size(), 1);
    }

    void testCaseOnlyInTestMode()
    {
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        m_craFake->setScenario(QString());
        run(w, 2, true, QStringLiteral("12"));
        QCOMPARE(m_services.testCaseNumber, 0);
        config().MODEDEBUG = true;
        run(w, 2, true, QStringLiteral("12"));
        QCOMPARE(m_services.testCaseNumber, 12);
    }

    // Which lines the after-filing page shows: a refund or an amount owing from
    // one cent on, neither in between.
    void netfileAccepted_data()
    {
        QTest::addColumn<double>("balance");
        QTest::addColumn<bool>("notice");
        QTest::addColumn<bool>("page");
        QTest::addColumn<bool>("refund");
        QTest::addColumn<bool>("owing");
        QTest::newRow("0.00") << 0.0 << false << false << false << false;
        QTest::newRow("0.00 notice") << 0.0 << true << true << false << false;
        QTest::newRow("0.005") << 0.005 << false << false << false << false;
        QTest::newRow("0.005 notice") << 0.005 << true << true << false << false;
        QTest::newRow("-0.01") << -0.01 << false << false << false << false;
        QTest::newRow("-0.01 notice") << -0.01 << true << true << true << false;
        QTest::newRow("-0.02") << -0.02 << false << true << true << false;
        QTest::newRow("-250.00 notice") << -250.0 << true << true << true << false;
        QTest::newRow("1200.00") << 1200.0 << false << true << false << true;
        QTest::newRow("1200.00 notice") << 1200.0 << true << true << false << true;
    }
    void netfileAccepted()
    {
        QFETCH(double, balance);
        QFETCH(bool, notice);
        QFETCH(bool, page);
        m_services.balance = balance;
        m_services.notice = notice ? QStringLiteral("You provided your email address.") : QString();
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        const Outcome o = run(w, 2);
        QVERIFY(o.filed);
        QCOMPARE(o.confirmation, QStringLiteral("NF7C2Q9"));
        QCOMPARE(m_pilot.termsShown, 1);
        QCOMPARE(m_pilot.results.size(), 1);
        QCOMPARE(m_pilot.results[0].title, QStringLiteral("Netfile Filing Result"));
        QVERIFY(m_pilot.results[0].overview.startsWith(
            QLatin1String("Netfile is submitted successfully. The confirmation code is [NF7C2Q9].\nResult code is [0]\nTime: ")));
        QVERIFY(efilelog().contains("Confirmation: NF7C2Q9"));
        QCOMPARE(filingRecords().size(), 0);
        QCOMPARE(m_pilot.afterPages.size(), page ? 1 : 0);
        if (page) {
            const FilingPilot::AfterPage &p = m_pilot.afterPages[0];
            QCOMPARE(p.title, QStringLiteral("CRA Online Service"));
            QCOMPARE(p.myAccount, notice);
            QTEST(p.refund, "refund");
            QTEST(p.owing, "owing");
        }
    }

    void netfileRefusedTermsSendsTheTermsRequestOnly()
    {
        m_pilot.acceptTerms = false;
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        QVERIFY(!run(w, 2).filed);
        QCOMPARE(m_cra.requestCount(), 1);
        QVERIFY(m_cra.requests().first().body.contains("TermsAndConditionsRequest"));
        QVERIFY(m_pilot.results.isEmpty());
    }

    void netfileRejected()
    {
        m_services.testCase = QString::number(2);   // rejected; the terms request is answered as always
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        const Outcome o = run(w, 2);
        QVERIFY(!o.filed);
        QVERIFY(o.confirmation.isEmpty());
        QCOMPARE(m_pilot.results.size(), 1);
        QCOMPARE(m_pilot.results[0].overview, QStringLiteral("Netfile submission is NOT successful!\nResult code is [2001]"));
        QVERIFY(m_pilot.afterPages.isEmpty());
        QVERIFY(efilelog().isEmpty());
    }

    void netfileWebPageSaysWhy()
    {
        m_services.testCase = QStringLiteral("web-page-503");
        Form_Return w(nullptr, newReturn(), nullptr, nullptr, 1, -1, 12);
        const Outcome o = run(w, 2);
        QVERIFY(!o.filed);
        QCOMPARE(m_pilot.results.size(), 1);
        QCOMPARE(m_pilot.results[0].overview,
                 QStringLiteral("Netfile submission is NOT successful!\nResult code is []\nReason: HTTP 503 Service "
                                "Unavailable; the reply is a web page (\"503 Service Unavailable\"), not the CRA's XML"));
        QVERIFY(efilelog().isEmpty());
    }

    // The file link opens exactly the named file, whatever its path holds.
    void resultLinkOpensTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("run #1 100% \"x\"/efilelog.txt"));
        ClickedFile clicked;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &clicked, "open");
        DlgFilingResult dlg(QStringLiteral("Efile Filing Result"));
        dlg.setResult(QStringLiteral("Overview <b>x</b>"), QString(), QStringLiteral("Check filing log file"), path);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        auto *link = dlg.findChild<QLabel *>(QStringLiteral("lblLink"));
        QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(4, link->height() / 2));
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QCOMPARE(clicked.opened.size(), 1);
        QCOMPARE(clicked.opened[0].toLocalFile(), path);
        QVERIFY(dlg.linkText().contains(path.toHtmlEscaped()));
        QCOMPARE(dlg.overview(), QStringLiteral("Overview <b>x</b>"));
        dlg.setResult(QString(), QStringLiteral("a<br/>b &lt;b&gt;"), QString(), path);
        QCOMPARE(dlg.detailsText(), QStringLiteral("a\nb <b>"));
        dlg.setResult(QString(), QString(), QString(), path);
        QCOMPARE(dlg.detailsText(), QString());
    }

    // The overview of an accepted filing, with its confirmation number and time,
    // is shown whole in the dialog's width.
    void resultOverviewShownWhole()
    {
        const QString overview = QStringLiteral("Efile is submitted successfully. Result code is [0]. The confirmation "
                                                "number is [TX240000123].\n2026-12-10 21:08:09");
        DlgFilingResult dlg(QStringLiteral("Efile Filing Result"));
        dlg.setResult(overview, QStringLiteral("Your return has been accepted for processing."),
                      QStringLiteral("Check filing log file (0)"), QStringLiteral("/tmp/efilelog.txt"));
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        auto *label = dlg.findChild<QLabel *>(QStringLiteral("lblOverview"));
        const QRect room = label->contentsRect();
        const int flags = label->wordWrap() ? int(Qt::TextWordWrap) : 0;
        const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, room.width(), 10000), flags, overview);
        QVERIFY2(needed.width() <= room.width() && needed.height() <= room.height(),
                 qPrintable(QStringLiteral("needs %1x%2, has %3x%4")
                                .arg(needed.width()).arg(needed.height()).arg(room.width()).arg(room.height())));
    }

    void afterPageLinks()
    {
        PpgAfterNetfile_tab1 page(true, 1200.0);
        auto *pay = page.findChild<QLabel *>(QStringLiteral("line3_PayNow"));
        QCOMPARE(pay->text(), QStringLiteral("<a href=\"%1\">Pay Now</a>").arg(PpgAfterNetfile_tab1::payNowPage()));
        QVERIFY(PpgAfterNetfile_tab1::payNowPage().startsWith(QLatin1String("https://www.canada.ca/en/revenue-agency/")));
        QCOMPARE(page.findChild<QLabel *>(QStringLiteral("line1_myaccount"))->text(),
                 QStringLiteral("<a href=\"%1\">My Account</a>").arg(PpgAfterNetfile_tab1::myAccountPage()));
        QVERIFY(page.validatePage());
    }

    void cleanupTestCase()
    {
        IndividualTaxData::setFilingServices(nullptr);
        TLSW3Client::setTestCaFile(QString());
        QWebClient::setDefaultCaFile(QString());
        m_cra.stop();
        m_vantrel.stop();
        setMessageHandler(nullptr);
    }
};

int main(int argc, char **argv)
{
    bqtest::isolate();
    TabWndApp *app = TabWndApp::create(argc, argv);
    int result;
    {
        TestNetfileResultDlg tc;
        result = QTest::qExec(&tc, argc, argv);
    }
    delete app;
    return result;
}

#include "tst_netfileresultdlg.moc"
