// The return window's online form filings against the CRA and e-signature fakes.
#include "bqtest.h"
#include "crafilingfake.h"
#include "creturnfile.h"
#include "datanewreturnbasic.h"
#include "fakehttpsserver.h"
#include "filingconfig.h"
#include "filingdocservices.h"
#include "filingpilot.h"
#include "form_return.h"
#include "mainwindow.h"
#include "messages.h"
#include "qwebclient.h"
#include "serviceswitches.h"
#include "tabwndapp.h"
#include "taxdata_t1013new.h"
#include "taxdata_t1135new.h"
#include "taxdata_t185.h"
#include "tlsw3client.h"
#include "validationmessagegroup.h"
#include "vantrelfake.h"

using namespace bqfakes;

namespace {
const int kT1 = 1, kT1135 = 101, kT1013 = 117, kT185 = 181;

QString fixtureText(const char *name)
{
    QFile f(QFINDTESTDATA(QStringLiteral("../craservices/fixtures/%1").arg(QLatin1String(name))));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

int addErrors(int count, int formType, QList<ValidationMessageGroup *> &groups)
{
    if (count > 0)
        groups.append(new ValidationMessageGroup(2, formType));
    return count;
}

// The documents and checks of the forms as a test sets them.
class FixtureServices : public FilingDocServices
{
public:
    int validatePad(IndividualTaxData &, quint8, QList<ValidationMessageGroup *> &groups) override
    {
        ++padValidations;
        if (!padErrors)
            return 0;
        auto *g = new ValidationMessageGroup(2, kT185);
        groups.append(g);
        return padErrors;
    }
    int getT185PadXml(IndividualTaxData &, CString &document, CString &summary) override
    {
        ++padBuilds;
        if (padBuilder != 0)
            return padBuilder;
        document = fixtureText("pad-body.xml");
        summary = QStringLiteral("Payment of 1,250.00 on 2025-04-30");
        return 0;
    }
    int collectT1013Messages(IndividualTaxData &, quint8, QList<ValidationMessageGroup *> &groups) override
    {
        return addErrors(t1013Errors, kT1013, groups);
    }
    int collectT1135Messages(IndividualTaxData &, quint8, QList<ValidationMessageGroup *> &groups) override
    {
        return addErrors(t1135Errors, kT1135, groups);
    }
    int buildT1013Xml(IndividualTaxData &, CString &document) override
    {
        ++t1013Builds;
        if (t1013Builder != 0)
            return t1013Builder;
        document = fixtureText("t1013-batch.xml");
        return 0;
    }
    int buildT1135Xml(IndividualTaxData &, QString &document) override
    {
        ++t1135Builds;
        if (t1135Builder != 0)
            return t1135Builder;
        document += QStringLiteral("<?xml version=\"1.0\"?><t1135:ForeignIncomeVerificationStatement "
                                   "xmlns:t1135=\"urn:t1135\"><t1135:SIN>046454286</t1135:SIN>"
                                   "</t1135:ForeignIncomeVerificationStatement>");
        return 0;
    }
    int t1013Errors = 0, t1135Errors = 0;
    int t1013Builder = 0, t1135Builder = 0;
    int t1013Builds = 0, t1135Builds = 0;
    int padErrors = 0;
    int padBuilder = 0;
    int padValidations = 0;
    int padBuilds = 0;
};
} // namespace

class TestOnlineForms : public QObject
{
    Q_OBJECT

    ScriptedMessages m_messages;
    FakeHttpsServer m_cra;
    FakeHttpsServer m_vantrel;
    std::unique_ptr<CraFilingFake> m_craFake;
    std::unique_ptr<VantrelFake> m_vantrelFake;
    FixtureServices m_services;
    FilingPilot m_pilot;
    QTemporaryDir m_dir;

    static CT1AppConfig &config() { return TabWndApp::instance()->config(); }
    static QString runFolder() { return TabWndApp::instance()->runFolder(); }
    static QByteArray efilelog()
    {
        CString p;
        TabWndApp::instance()->efileLogPath(p, false);
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QList<FakeRequest> filingRecords() const
    {
        QList<FakeRequest> out;
        for (const FakeRequest &r : m_vantrel.requests())
            if (r.path == VantrelFake::FilingPath)
                out.append(r);
        return out;
    }

    static CReturnFile *newReturn(bool withT1, QList<int> forms)
    {
        auto *r = new CReturnFile(0);
        if (withT1) {
            DataNewReturnBasic data;
            data.fld_FirstName = CString("Marie");
            data.fld_LastName = CString("Tremblay");
            data.fld_sin = CString("046454286");
            data.fld_TaxPronv = 9;
            data.fld_MaritalStatus = 5;
            data.fld_dob = QDate(1980, 1, 1);
            r->applyNewReturnData(data);
        }
        r->setCurrentPerson(-2);
        for (int type : forms)
            r->addForm(type, 0, true, 0, false);
        return r;
    }
    // A window on a return saved to disk (so that a filing can save it again).
    std::unique_ptr<Form_Return> savedWindow(const QString &name, QList<int> forms)
    {
        auto w = std::make_unique<Form_Return>(nullptr, newReturn(true, forms), nullptr, nullptr, 1, -1, 12);
        const QFileInfo info(m_dir.filePath(name));
        w->setFileInfo(&info);
        QString written;
        if (w->saveReturn(written, false) != 0)
            return nullptr;
        return w;
    }
    QString scratch(const char *suffix) const { return runFolder() + QStringLiteral("/Marie_Tremblay") + QLatin1String(suffix); }
    static void touch(const QString &path)
    {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write("<leftover/>");
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
        QDir().mkpath(runFolder());
        setFilingRunFolder(runFolder());
        m_pilot.submitFormFiling = true;
    }
    void init()
    {
        m_messages.clear();
        m_pilot.clear();
        m_cra.clearRequests();
        m_vantrel.clearRequests();
        m_craFake->setScenario(QString());
        TLSW3Client::setDefaultTimeouts(TLSW3Client::Timeouts());   // a reply that comes is never cut short
        m_services = FixtureServices();
        setAllServicesAvailable();
        TLSW3Client::setTestCaFile(m_cra.caFile());
        QWebClient::setDefaultCaFile(m_vantrel.caFile());
        const QString cra = QStringLiteral("127.0.0.1:%1").arg(m_cra.port());
        config().EOLSERVER = cra;
        config().T1013SERVER = cra;
        config().MODEDEBUG = false;
        config().SaveBackup = 1;
        config().EfileSoftwareCode = CString("097");
        config().BusinessEFileNum = CString("X1234");
        config().BusinessEFilePassword = CString("pw-1");
        config().VantrelServer = m_vantrel.baseUrl();
        config().FilingReport = true;
        config().VantrelEmail = CString("preparer@example.com");
        config().VantrelPswd = CString("s3cret");
        CString log;
        TabWndApp::instance()->efileLogPath(log, false);
        QFile::remove(log);
    }

    // Each gate stops the command before anything is sent.
    void padGates_data()
    {
        QTest::addColumn<bool>("switchOn");
        QTest::addColumn<bool>("withT1");
        QTest::addColumn<bool>("withT185");
        QTest::addColumn<int>("errors");
        QTest::addColumn<int>("builder");
        QTest::addColumn<QString>("told");
        QTest::newRow("switch off") << false << true << true << 0 << 0 << "Brackenquill pre-certified version";
        QTest::newRow("no T1") << true << false << true << 0 << 0
                               << "Make sure that you completed form T185 in the return.";
        QTest::newRow("no T185") << true << true << false << 0 << 0
                                 << "Make sure that you completed form T185 in the return.";
        QTest::newRow("validation errors") << true << true << true << 2 << 0 << "T185 PAD Errors Found";
        QTest::newRow("builder failure") << true << true << true << 0 << -100
                                         << "T183 PAD message creation failed, error code=[-100].";
    }
    void padGates()
    {
        QFETCH(bool, switchOn);
        QFETCH(bool, withT1);
        QFETCH(bool, withT185);
        QFETCH(int, errors);
        QFETCH(int, builder);
        QFETCH(QString, told);
        padFilingAvailable = switchOn;
        m_services.padErrors = errors;
        m_services.padBuilder = builder;
        QList<int> forms;
        if (withT185)
            forms << kT185;
        Form_Return w(nullptr, newReturn(withT1, forms), nullptr, nullptr, 1, -1, 12);
        touch(scratch("_2024_t183pad.xml"));
        w.fileT183Pad();
        QStringList shown = m_messages.texts();
        for (const FilingPilot::LinkMessage &m : m_pilot.linkMessages)
            shown << m.title;
        shown << m_pilot.validationTabs;
        QCOMPARE(shown, QStringList{told});
        if (!switchOn)
            QVERIFY(m_pilot.linkMessages[0].link.endsWith(QLatin1String("/faq/index.php?action=artikel&cat=6&id=16&artlang=en")));
        QCOMPARE(m_pilot.formDialogs, 0);
        QCOMPARE(m_cra.requestCount(), 0);
        // a builder that ran leaves no scratch file behind, not even an older one
        QCOMPARE(QFile::exists(scratch("_2024_t183pad.xml")), m_services.padBuilds == 0);
        QFile::remove(scratch("_2024_t183pad.xml"));
    }

    // The T1135 and T1013 commands' gates: each stops before anything is sent.
    void formGates_data()
    {
        QTest::addColumn<int>("formId");
        QTest::addColumn<QString>("gate");
        QTest::addColumn<QString>("told");
        QTest::newRow("T1135 switch off") << kT1135 << "switch" << "Brackenquill pre-certified version";
        QTest::newRow("T1013 switch off") << kT1013 << "switch" << "Brackenquill pre-certified version";
        QTest::newRow("no T1135") << kT1135 << "no form" << "Please add form T1135 into tax return first!";
        QTest::newRow("no T1013") << kT1013 << "no form" << "Please add E-Auth (T1013) form into tax return first!";
        QTest::newRow("T1135 validation errors") << kT1135 << "errors" << "T1135";
        QTest::newRow("T1013 validation errors") << kT1013 << "errors" << "E-Auth (T1013)";
        QTest::newRow("T1013 terms refused") << kT1013 << "terms" << "terms";
        QTest::newRow("T1013 not for online access") << kT1013 << "builder 10"
            << "Non-online access authorization of T1013 can NOT be filed online. Please use paper form option.";
        QTest::newRow("T1013 builder failure") << kT1013 << "builder -100"
                                               << "T1013 message creation failed, error code=[-100].";
        QTest::newRow("T1135 builder failure") << kT1135 << "builder -100"
                                               << "T1135 Filing message creation failed, error code=[-100].";
    }
    void formGates()
    {
        QFETCH(int, formId);
        QFETCH(QString, gate);
        QFETCH(QString, told);
        const bool t1013 = formId == kT1013;
        if (gate == QLatin1String("switch"))
            (t1013 ? t1013FilingAvailable : t1135FilingAvailable) = false;
        if (gate == QLatin1String("errors"))
            (t1013 ? m_services.t1013Errors : m_services.t1135Errors) = 3;
        if (gate.startsWith(QLatin1String("builder")))
            (t1013 ? m_services.t1013Builder : m_services.t1135Builder) = gate.mid(8).toInt();
        m_pilot.acceptTerms = gate != QLatin1String("terms");
        QList<int> forms;
        if (gate != QLatin1String("no form"))
            forms << formId;
        Form_Return w(nullptr, newReturn(true, forms), nullptr, nullptr, 1, -1, 12);
        touch(scratch("_2024_t1013.xml"));
        if (t1013)
            w.fileT1013Online();
        else
            w.fileT1135Online();
        QStringList shown = m_messages.texts();
        for (const FilingPilot::LinkMessage &m : m_pilot.linkMessages)
            shown << m.title;
        shown << m_pilot.validationTabs;
        if (gate == QLatin1String("terms")) {
            QVERIFY(shown.isEmpty());
            QCOMPARE(m_pilot.termsShown, 1);
            QCOMPARE(m_services.t1013Builds, 0);
        } else {
            QCOMPARE(shown, QStringList{told});
        }
        QCOMPARE(m_pilot.formDialogs, 0);
        QCOMPARE(m_cra.requestCount(), 0);
        QCOMPARE(QFile::exists(scratch("_2024_t1013.xml")), m_services.t1013Builds == 0);
        QFile::remove(scratch("_2024_t1013.xml"));
        m_pilot.acceptTerms = true;
    }

    // T1013: only one received form with a confirmation number is a filing,
    // which is recorded, logged and saved with its backup.
    void t1013Filing_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("count 0") << "t1013-count-0-confirmed" << false;
        QTest::newRow("count 1") << "t1013-count-1" << true;
        QTest::newRow("count 2") << "t1013-count-2" << false;
    }
    void t1013Filing()
    {
        QFETCH(QString, scenario);
        QFETCH(bool, confirmed);
        m_craFake->setScenario(scenario);
        const QString backup = m_dir.filePath(QStringLiteral("auth_backup.r24"));
        QFile::remove(m_dir.filePath(QStringLiteral("auth.r24")));
        QFile::remove(backup);
        auto w = savedWindow(QStringLiteral("auth.r24"), {kT1013});
        QVERIFY(w);
        touch(scratch("_2024_t1013.xml"));
        w->fileT1013Online();
        QCOMPARE(m_pilot.termsShown, 1);
        QCOMPARE(m_pilot.formDialogs, 1);
        QVERIFY(!QFile::exists(scratch("_2024_t1013.xml")));
        QCOMPARE(QFile::exists(backup), confirmed);
        const QList<FakeRequest> records = filingRecords();
        QCOMPARE(records.size(), 1);
        QCOMPARE(records[0].bodyValue(QStringLiteral("form")), QStringLiteral("T1013"));
        QCOMPARE(records[0].bodyValue(QStringLiteral("status")), confirmed ? QStringLiteral("30100") : QStringLiteral("30110"));
        QCOMPARE(efilelog().isEmpty(), !confirmed);
        QCOMPARE(m_pilot.linkMessages.size(), confirmed ? 0 : 1);
        QCOMPARE(w->isModified(), !confirmed);   // a failure is marked in memory only
    }

    // A service that is off stops its command with the pre-certified version's
    // message before anything is asked or sent; the filing record, sent unasked
    // after a filing, is skipped in silence.
    void serviceSwitchesOff_data()
    {
        QTest::addColumn<int>("service");
        const char *names[] = {"EFILE",      "NETFILE edition", "ReFILE",      "T183 PAD",     "T1135",
                               "T1013",      "Auto-fill",       "Express NOA", "e-signature",  "e-delivery",
                               "filing record", "support upload"};
        for (int i = 0; i < 12; ++i)
            QTest::newRow(names[i]) << i;
    }
    void serviceSwitchesOff()
    {
        QFETCH(int, service);
        bool *switches[] = {&efileFilingAvailable, &netfileFilingAvailable, &refileFilingAvailable,
                            &padFilingAvailable,   &t1135FilingAvailable,   &t1013FilingAvailable,
                            &autoFillAvailable,    &expressNoaAvailable,    &eSignatureAvailable,
                            &eDeliveryAvailable,   &filingRecordAvailable,  &supportUploadAvailable};
        config().MODEDEBUG = true;   // no season gate
        auto w = savedWindow(QStringLiteral("switch.r24"), {kT1013, kT1135, kT185});
        QVERIFY(w);
        MainWindow main(TabWndApp::instance());
        *switches[service] = false;   // after the window: made in test mode, it sets every switch on
        const int edition = appEdition;
        switch (service) {
        case 0: w->netfileReturn(); break;
        case 1: appEdition = 2; w->netfileReturn(); appEdition = edition; break;
        case 2: QCOMPARE(w->returnFile()->takeReFileSnapshot(), 0); w->netfileReturn(); break;
        case 3: w->fileT183Pad(); break;
        case 4: w->fileT1135Online(); break;
        case 5: w->fileT1013Online(); break;
        case 6: main.startAutoFill(1); break;
        case 7: main.startAutoFill(0); break;
        case 8: w->querySignatureStatus(96); break;
        case 9: w->sendForEDelivery(96, QStringLiteral("c@example.com"), QString(), QString(), QString()); break;
        case 10: QCOMPARE(w->recordFiling(1, true, QStringLiteral("CN1"), QString()).status, 0); break;
        case 11: main.onSendLogFile(); break;
        }
        const bool silent = service == 10;
        QCOMPARE(m_pilot.linkMessages.size(), silent ? 0 : 1);
        if (!silent)
            QCOMPARE(m_pilot.linkMessages.first().title, QStringLiteral("Brackenquill pre-certified version"));
        QCOMPARE(m_messages.texts(), QStringList());
        QCOMPARE(m_pilot.termsShown + m_pilot.formDialogs, 0);
        QVERIFY(m_cra.requests().isEmpty());
        QVERIFY(m_vantrel.requests().isEmpty());

        // a window made in test mode sets every service on again
        Form_Return again(nullptr, newReturn(true, {}), nullptr, nullptr, 2, -1, 12);
        for (bool *on : switches)
            QVERIFY(*on);
    }

    // The whole T1013 road in test mode, with the real document builder: the
    // EFILE number loaded from the test-mode key reaches the TRIS request, and
    // the confirmed authorization is saved as filed.
    void t1013RoadInTestMode()
    {
        FilingDocServices real;
        IndividualTaxData::setFilingServices(&real);
        config().MODEDEBUG = true;
        config().BusinessEFileNum = CString("T9876");   // as read from BusinessEFileNumDbg
        m_craFake->setScenario(QStringLiteral("t1013-count-1"));
        QFile::remove(m_dir.filePath(QStringLiteral("road.r24")));
        auto w = savedWindow(QStringLiteral("road.r24"), {});
        QVERIFY(w);
        w->addFormOfType(kT1013);   // as the add-form command does
        auto *t1013 = dynamic_cast<TaxData_T1013New *>(w->returnFile()->getForm(kT1013, 0, false));
        QVERIFY(t1013);
        // prefilled with the year of the return, not with the taxpayer's name
        QCOMPARE(t1013->text(TaxData_T1013New::F_Text), QStringLiteral("2024"));
        t1013->setText(TaxData_T1013New::F_RepId, QStringLiteral("RABC123"));
        t1013->setDate(TaxData_T1013New::F_SignDate, QDate::currentDate());
        w->returnFile()->recalculate(-1, nullptr);

        w->fileT1013Online();
        IndividualTaxData::setFilingServices(&m_services);
        QCOMPARE(m_messages.texts(), QStringList());
        QCOMPARE(m_pilot.formDialogs, 1);
        QByteArray sent;
        for (const FakeRequest &r : m_cra.requests())
            if (r.path.contains("TRISWebService"))
                sent = r.body;
        QVERIFY2(sent.contains("<wsse:Username>T9876</wsse:Username>"), sent.constData());
        QVERIFY(sent.contains("RABC123"));
        QVERIFY(!w->isModified());   // saved as filed
        int code = -1;
        std::unique_ptr<CReturnFile> reread(CReturnFile::load(w->fullPath(), code, 1));
        QCOMPARE(code, 0);
        auto *filed = dynamic_cast<TaxData_T1013New *>(reread->getForm(kT1013, 0, false));
        QVERIFY(filed && !filed->text(TaxData_T1013New::F_Confirmation).isEmpty());
    }

    // T1135: a confirmed filing is saved at once with its backup; a rejection is marked in memory.
    void t1135Filing_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("accepted") << "accepted" << true;
        QTest::newRow("rejected") << "rejected" << false;
    }
    void t1135Filing()
    {
        QFETCH(QString, scenario);
        QFETCH(bool, confirmed);
        m_craFake->setScenario(scenario);
        const QString file = m_dir.filePath(QStringLiteral("foreign.r24"));
        const QString backup = m_dir.filePath(QStringLiteral("foreign_backup.r24"));
        QFile::remove(file);
        QFile::remove(backup);
        auto w = savedWindow(QStringLiteral("foreign.r24"), {kT1135});
        QVERIFY(w);
        w->fileT1135Online();
        QCOMPARE(m_pilot.formDialogs, 1);
        QCOMPARE(QFile::exists(backup), confirmed);
        QCOMPARE(w->isModified(), !confirmed);
        int code = -1;
        std::unique_ptr<CReturnFile> reread(CReturnFile::load(file, code));
        QCOMPARE(code, 0);
        reread->setCurrentPerson(-2);
        QCOMPARE(reread->getForm(kT1135, 0, false)->text(TaxData_T1135New::F_Confirmation),
                 confirmed ? QStringLiteral("FR240000456") : QString());
        QCOMPARE(w->returnFile()->getForm(kT1135, 0, false)->intValue(TaxData_T1135New::F_FilingStatus),
                 confirmed ? 1 : -1);
    }

    // Confirmed: saved with its backup; a confirmation beside a rejection is a
    // failure that saves nothing; neither leaves a scratch file.
    void padFiling_data()
    {
        QTest::addColumn<QString>("scenario");
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("confirmed with codes") << "pad-confirmed-codes" << true;
        QTest::newRow("confirmation and rejection") << "pad-confirmed-rejected" << false;
        QTest::newRow("no reply") << "silence" << false;
    }
    void padFiling()
    {
        QFETCH(QString, scenario);
        QFETCH(bool, confirmed);
        m_craFake->setScenario(scenario);
        if (scenario == QLatin1String("silence")) {
            TLSW3Client::Timeouts quick;
            quick.readMs = 1500;
            TLSW3Client::setDefaultTimeouts(quick);
        }
        const QString file = m_dir.filePath(QStringLiteral("pad.r24"));
        const QString backup = m_dir.filePath(QStringLiteral("pad_backup.r24"));
        QFile::remove(file);
        QFile::remove(backup);
        auto w = savedWindow(QStringLiteral("pad.r24"), {kT185});
        QVERIFY(w);
        touch(scratch("_2024_t183pad.xml"));
        w->fileT183Pad();
        QCOMPARE(m_pilot.formDialogs, 1);
        QTRY_COMPARE(m_cra.requestCount(), 1);   // the client may give up on silence before the fake read it
        QVERIFY(!QFile::exists(scratch("_2024_t183pad.xml")));
        QCOMPARE(QFile::exists(backup), confirmed);
        QVERIFY(!w->isModified());
        int code = -1;
        std::unique_ptr<CReturnFile> reread(CReturnFile::load(file, code));
        QCOMPARE(code, 0);
        reread->setCurrentPerson(-2);
        const QString saved = reread->getForm(kT185, 0, false)->text(TaxData_T185::F_Confirmation);
        QCOMPARE(saved, confirmed ? QStringLiteral("PAD2400790") : QString());
        QCOMPARE(efilelog().isEmpty(), !confirmed);
        QCOMPARE(filingRecords().size(), scenario == QLatin1String("silence") ? 0 : 1);
    }

    // A confirmed filing whose save fails is told with its confirmation number.
    void failedSaveAfterConfirmationIsTold()
    {
        m_craFake->setScenario(QStringLiteral("pad-confirmed-codes"));
        Form_Return w(nullptr, newReturn(true, {kT185}), nullptr, nullptr, 1, -1, 12);   // no file yet
        w.fileT183Pad();
        QCOMPARE(m_messages.texts().size(), 1);
        QVERIFY2(m_messages.texts()[0].startsWith(
                     QLatin1String("The CRA confirmed the filing (confirmation number PAD2400790), but the return file "
                                   "could not be saved")),
                 qPrintable(m_messages.texts()[0]));
        QVERIFY(m_messages.texts()[0].endsWith(QLatin1String("Please save the return now, so that the confirmation is kept.")));
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
        TestOnlineForms tc;
        result = QTest::qExec(&tc, argc, argv);
    }
    delete app;
    return result;
}

#include "tst_onlineforms.moc"
