#include "bqtest.h"
#include "fakehttpsserver.h"
#include "fakeservices.h"
#include "messages.h"
#include "preferencedlg.h"
#include "qwebclient.h"
#include "tabwndapp.h"
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTimer>

using namespace bqfakes;

namespace {
using Rows = QList<QStringList>;

// Every row of tb_config (id, name, value).
Rows configRows()
{
    Rows rows;
    QSqlQuery q;
    if (!q.exec(QStringLiteral("select id, name, value from tb_config order by id")))
        return rows;
    while (q.next())
        rows << QStringList{q.value(0).toString(), q.value(1).toString(), q.value(2).toString()};
    return rows;
}

// The stored value of a name; a null string when it has no row.
QString stored(const QString &name)
{
    QSqlQuery q;
    q.prepare(QStringLiteral("select value from tb_config where name=? order by id desc limit 1"));
    q.addBindValue(name);
    if (!q.exec() || !q.next())
        return QString();
    return q.value(0).toString();
}

template <class W>
W *field(QDialog &dlg, const char *name)
{
    W *w = dlg.findChild<W *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no widget %s", name);
    return w;
}
QLineEdit *edit(QDialog &dlg, const char *name) { return field<QLineEdit>(dlg, name); }
QAbstractButton *button(QDialog &dlg, const char *name) { return field<QAbstractButton>(dlg, name); }

// Answers the next folder chooser with path (empty: cancels it).
void answerFolderChooser(const QString &path)
{
    QTimer::singleShot(0, [path] {
        auto chooser = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!chooser)
            return;
        if (path.isEmpty()) {
            chooser->reject();
        } else {
            chooser->selectFile(path);
            static_cast<QDialog *>(chooser)->accept();
        }
    });
}
} // namespace

class TestPreferenceDlg : public QObject
{
    Q_OBJECT
    ScriptedMessages m_messages;
    QTemporaryDir m_dir;
    CT1AppConfig &config() { return TabWndApp::instance()->config(); }

    void resetSettings()
    {
        CT1AppConfig &c = config();
        c.MODEDEBUG = false;
        c.RetPath = "/srv/returns";
        c.RetPdfPath = "/srv/pdf";
        c.PdfPathSameAsRet = 0;
        for (CString *t : {&c.BusinessName, &c.BusinessAddr, &c.BusinessCity, &c.BusinessProv, &c.BusinessPostcode,
                           &c.BusinessPhone, &c.BusinessEFileNum, &c.BusinessEFilePassword, &c.DiscounterCode,
                           &c.T1013BusiNumber, &c.T1013BusiName, &c.T1013GroupID, &c.T1013GroupName, &c.T1013RepID,
                           &c.T1013RepFirstName, &c.T1013RepLastName, &c.T1013MailAddr, &c.T1013Phone, &c.T1013Fax,
                           &c.VantrelEmail, &c.VantrelPswd, &c.VTFromEmail})
            t->clear();
        c.PreAssessment = c.PostAssessment = -1;
        c.PrntClientLetter = c.SaveBackup = 0;
        c.FilingReport = c.CustomizedClientLetter = false;
    }

    // Opens the dialog on the e-signature tab, types the credentials and clicks
    // "Check points"; returns the message shown.
    QString checkPoints(PreferenceDlg &dlg, const QString &email, const QString &password)
    {
        m_messages.clear();
        edit(dlg, "edtUserEmail")->setText(email);
        edit(dlg, "edtUserPswd")->setText(password);
        button(dlg, "btnCheckPoints")->click();
        return m_messages.texts().join(QStringLiteral("||"));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QCOMPARE(TabWndApp::instance()->initialize(), 0);
        setMessageHandler(&m_messages);
        const TestCertificates &certs = TestCertificates::shared();
        QVERIFY2(certs.isValid(), qPrintable(certs.errorString));
        QWebClient::setDefaultCaFile(certs.caFile);
    }
    void init()
    {
        resetSettings();
        QSqlQuery q;
        QVERIFY(q.exec(QStringLiteral("delete from tb_config")));
        m_messages.clear();
        QWebClient::setDefaultTimeout(5000);
    }

    void opensWithTheSettings()
    {
        CT1AppConfig &c = config();
        c.BusinessName = "Lee & Co";
        c.BusinessEFileNum = "A1234";
        c.BusinessEFilePassword = "pw";
        c.T1013Fax = "555-0101";
        c.VantrelEmail = "me@example.com";
        c.PdfPathSameAsRet = 2;
        c.SaveBackup = 1;
        c.CustomizedClientLetter = true;
        c.PreAssessment = 0;
        c.PostAssessment = 1;
        PreferenceDlg dlg;
        QCOMPARE(dlg.windowTitle(), QString("Preference"));
        QCOMPARE(dlg.font().pointSize(), 12);
        auto tabs = field<QTabWidget>(dlg, "tabWidget");
        QCOMPARE(tabs->currentIndex(), 3);
        QCOMPARE(tabs->count(), 4);
        const QStringList titles{"Folder settings", "Tax preparer info.", "Default representative info.", "Vantrel"};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(tabs->tabText(i), titles.at(i));
        QCOMPARE(button(dlg, "btnApply")->text(), QString("Apply Changes"));
        QCOMPARE(button(dlg, "btnCancel")->text(), QString("Cancel"));
        QCOMPARE(button(dlg, "btnCheckPoints")->text(), QString("Check points"));
        QCOMPARE(edit(dlg, "edtFolderRetFiles")->text(), QString("/srv/returns"));
        QCOMPARE(edit(dlg, "edtFolderPdfFiles")->text(), QString("/srv/pdf"));
        QCOMPARE(edit(dlg, "edtBusiName")->text(), QString("Lee & Co"));
        QCOMPARE(edit(dlg, "edtEFilerID")->text(), QString("A1234"));
        QCOMPARE(edit(dlg, "edtEFilerPswd")->text(), QString("pw"));
        QCOMPARE(edit(dlg, "edtEFilerPswd")->echoMode(), QLineEdit::PasswordEchoOnEdit);
        QCOMPARE(edit(dlg, "edtUserPswd")->echoMode(), QLineEdit::PasswordEchoOnEdit);
        QCOMPARE(edit(dlg, "edtT1013Fax")->text(), QString("555-0101"));
        QCOMPARE(edit(dlg, "edtUserEmail")->text(), QString("me@example.com"));
        QVERIFY(button(dlg, "chkPdfSavedWithRet")->isChecked());
        QVERIFY(button(dlg, "chkSaveBakFile")->isChecked());
        QVERIFY(!button(dlg, "chkInclClientLetter")->isChecked());
        QVERIFY(button(dlg, "chkCustomizedClientLetter")->isChecked());
        QVERIFY(!button(dlg, "chkFilingReport")->isChecked());
        QVERIFY(button(dlg, "rdoPreAssessPreparer")->isChecked());
        QVERIFY(button(dlg, "rdoPostAssessTaxPayer")->isChecked());
        QCOMPARE(dlg.pointsCheckCount(), 0);
    }

    void applyCopiesAndStores_data()
    {
        QTest::addColumn<bool>("testMode");
        QTest::newRow("production keys") << false;
        QTest::newRow("test-mode keys") << true;
    }
    void applyCopiesAndStores()
    {
        QFETCH(bool, testMode);
        config().MODEDEBUG = testMode;
        setConfigString("BusinessEFileNum", "PROD1");
        setConfigString("BusinessEFileNumDbg", "TEST1");
        const QString efileKey = testMode ? "BusinessEFileNumDbg" : "BusinessEFileNum";
        const QString otherKey = testMode ? "BusinessEFileNum" : "BusinessEFileNumDbg";
        const QString otherValue = stored(otherKey);

        PreferenceDlg dlg;
        const QList<QPair<const char *, QString>> texts{
            {"edtFolderRetFiles", "/data/ret"}, {"edtFolderPdfFiles", "/data/pdf"}, {"edtBusiName", "North Tax"},
            {"edtStreetAddr", "1 Main St"}, {"edtCity", "Halifax"}, {"edtPostcode", "B3H 1A1"}, {"edtProv", "NS"},
            {"edtPhone", "(902)555-0100"}, {"edtEFilerID", "Z9876"}, {"edtEFilerPswd", "Secret 1"},
            {"edtDiscounterID", "D42"}, {"edtT1013RepID", "RP1234"}, {"edtT1013FirstName", "Ann"},
            {"edtT1013LastName", "Lee"}, {"edtT1013GrpID", "G123"}, {"edtT1013GrpName", "Group A"},
            {"edtT1013BN", "123456789"}, {"edtT1013BName", "North Tax Inc."}, {"edtT1013Addr", "1 Main St, Halifax"},
            {"edtT1013Phone", "902-555-0100"}, {"edtT1013Fax", "902-555-0199"}, {"edtUserEmail", "ann@example.com"},
            {"edtUserPswd", "pass word"}, {"edtFromEmail", "office@example.com"}};
        for (const auto &t : texts)
            edit(dlg, t.first)->setText(t.second);
        button(dlg, "chkPdfSavedWithRet")->setChecked(true);
        button(dlg, "chkInclClientLetter")->setChecked(true);
        button(dlg, "chkFilingReport")->setChecked(true);
        button(dlg, "rdoPreAssessTaxPayer")->click();
        button(dlg, "rdoPostAssessPreparer")->click();
        button(dlg, "btnApply")->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));

        const CT1AppConfig &c = config();
        QCOMPARE(QString(c.RetPath), QString("/data/ret"));
        QCOMPARE(QString(c.BusinessEFileNum), QString("Z9876"));
        QCOMPARE(QString(c.VantrelPswd), QString("pass word"));
        QCOMPARE(c.PdfPathSameAsRet, 1);
        QCOMPARE(c.PrntClientLetter, 1);
        QCOMPARE(c.SaveBackup, 0);
        QCOMPARE(c.PreAssessment, 1);
        QCOMPARE(c.PostAssessment, 0);
        QVERIFY(c.FilingReport);
        QVERIFY(!c.CustomizedClientLetter);

        const QList<QPair<QString, QString>> rows{
            {"RetPath", "/data/ret"}, {"RetPdfPath", "/data/pdf"}, {"PdfPathSameAsRet", "1"},
            {"BusinessName", "North Tax"}, {"BusinessAddr", "1 Main St"}, {"BusinessCity", "Halifax"},
            {"BusinessProv", "NS"}, {"BusinessPostcode", "B3H 1A1"}, {"BusinessPhone", "(902)555-0100"},
            {efileKey, "Z9876"}, {testMode ? "BusinessEFilePasswordDbg" : "BusinessEFilePassword", "Secret 1"},
            {"DiscounterCode", "D42"}, {"PreAssessment", "1"}, {"PostAssessment", "0"}, {"PrntClientLetter", "1"},
            {"SaveBackup", "0"}, {"T1013RepID", "RP1234"}, {"T1013RepFirstName", "Ann"}, {"T1013RepLastName", "Lee"},
            {"T1013GroupID", "G123"}, {"T1013GroupName", "Group A"}, {"T1013BusiNumber", "123456789"},
            {"T1013BusiName", "North Tax Inc."}, {"T1013MailAddr", "1 Main St, Halifax"},
            {"T1013Phone", "902-555-0100"}, {"T1013Fax", "902-555-0199"}, {"FilingReport", "1"},
            {"CustomizedClientLetter", "0"}, {"VantrelEmail", "ann@example.com"}, {"VantrelPswd", "pass word"},
            {"VTFromEmail", "office@example.com"}};
        for (const auto &row : rows)
            QCOMPARE(qMakePair(row.first, stored(row.first)), row);
        // the other mode's EFILE number is left as it was
        QCOMPARE(stored(otherKey), otherValue);
        QCOMPARE(stored(testMode ? "BusinessEFilePassword" : "BusinessEFilePasswordDbg"), QString());
    }

    void applyWithoutEditsKeepsValues()
    {
        CT1AppConfig &c = config();
        c.BusinessName = "Same";
        c.PrntClientLetter = 7;   // an integer box stores 1 or 0
        c.PreAssessment = 5;      // neither radio button: the value stays
        c.PostAssessment = -1;
        PreferenceDlg dlg;
        QVERIFY(!button(dlg, "rdoPreAssessPreparer")->isChecked());
        QVERIFY(!button(dlg, "rdoPreAssessTaxPayer")->isChecked());
        QVERIFY(!button(dlg, "rdoPostAssessPreparer")->isChecked());
        QVERIFY(!button(dlg, "rdoPostAssessTaxPayer")->isChecked());
        button(dlg, "btnApply")->click();
        QCOMPARE(c.PrntClientLetter, 1);
        QCOMPARE(c.PreAssessment, 5);
        QCOMPARE(c.PostAssessment, -1);
        QCOMPARE(QString(c.BusinessName), QString("Same"));
        QCOMPARE(stored("PrntClientLetter"), QString("1"));
        QCOMPARE(stored("PreAssessment"), QString("5"));
        QCOMPARE(stored("RetPath"), QString("/srv/returns"));
    }

    void browseForFolders()
    {
        const QString picked = m_dir.filePath("picked");
        QVERIFY(QDir().mkpath(picked));
        PreferenceDlg dlg;
        answerFolderChooser(picked);
        button(dlg, "btnBrowseRetFilesFolder")->click();
        QCOMPARE(edit(dlg, "edtFolderRetFiles")->text(), QDir::toNativeSeparators(picked));
        answerFolderChooser(QString());
        button(dlg, "btnBrowsePdfFilesFolder")->click();
        QCOMPARE(edit(dlg, "edtFolderPdfFiles")->text(), QString("/srv/pdf"));
        answerFolderChooser(picked);
        button(dlg, "btnBrowsePdfFilesFolder")->click();
        QCOMPARE(edit(dlg, "edtFolderPdfFiles")->text(), QDir::toNativeSeparators(picked));
    }

    void cancelWritesNothing_data()
    {
        QTest::addColumn<bool>("closeButton");
        QTest::newRow("Cancel") << false;
        QTest::newRow("window closed") << true;
    }
    void cancelWritesNothing()
    {
        QFETCH(bool, closeButton);
        config().BusinessName = "Kept";
        TabWndApp::instance()->writeSettings();
        const Rows before = configRows();
        QVERIFY(!before.isEmpty());

        const QString picked = m_dir.filePath("cancelled");
        QVERIFY(QDir().mkpath(picked));
        PreferenceDlg dlg;
        dlg.show();
        answerFolderChooser(picked);
        button(dlg, "btnBrowseRetFilesFolder")->click();
        QCOMPARE(edit(dlg, "edtFolderRetFiles")->text(), picked);
        edit(dlg, "edtBusiName")->setText("Changed");
        edit(dlg, "edtEFilerID")->setText("Q1111");
        button(dlg, "chkSaveBakFile")->setChecked(true);
        button(dlg, "rdoPreAssessPreparer")->click();
        if (closeButton)
            dlg.close();
        else
            button(dlg, "btnCancel")->click();
        QCOMPARE(dlg.result(), int(QDialog::Rejected));

        QCOMPARE(QString(config().RetPath), QString("/srv/returns"));
        QCOMPARE(QString(config().BusinessName), QString("Kept"));
        QCOMPARE(QString(config().BusinessEFileNum), QString());
        QCOMPARE(config().SaveBackup, 0);
        QCOMPARE(config().PreAssessment, -1);
        QCOMPARE(configRows(), before);
    }

    void pointsCheck_data()
    {
        QTest::addColumn<QString>("route");     // what the service answers
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("expected");  // %1: the configured server
        QTest::newRow("balance and subscription")
            << "account" << "s3cret"
            << "Your account has 25 points available. [%1]\nActive subscription ends 2025-12-31.\nStatus: active";
        QTest::newRow("log-in refused") << "account" << "wrong" << "Login to vantrel.ca failed, code=-2!";
        QTest::newRow("subscription only") << "subscription" << "s3cret" << "\nActive subscription ends 2026-01-31.";
        QTest::newRow("empty subscription") << "empty subscription" << "s3cret"
                                            << "Your account has 0 points available. [%1]\nActive subscription ends .";
        QTest::newRow("JSON without the fields") << "other json" << "s3cret"
                                                 << "Check account points failed, maybe network problem!";
        QTest::newRow("reply not JSON") << "not json" << "s3cret"
                                        << "Check account points failed, maybe network problem!";
        QTest::newRow("malformed HTTP reply") << "garbage" << "s3cret"
                                              << "Check account points failed, maybe network problem!";
        QTest::newRow("error status") << "error" << "s3cret"
                                      << "Check account points failed, maybe network problem!";
        QTest::newRow("time-out") << "silent" << "s3cret" << "Check account points failed, maybe network problem!";
        QTest::newRow("refused connection") << "refused" << "s3cret"
                                            << "Check account points failed, maybe network problem!";
    }
    void pointsCheck()
    {
        QFETCH(QString, route);
        QFETCH(QString, password);
        QFETCH(QString, expected);
        FakeHttpsServer server;
        VantrelAccount account;
        if (route == "empty subscription") {
            account.points = 0;
            account.subscription = "";
            account.subscriptionStatus = QString();
        }
        if (route == "account" || route == "empty subscription") {
            serveVantrelVerify(server, account);
        } else {
            server.route("POST", VantrelVerifyPath, [route](const FakeRequest &) {
                if (route == "subscription")
                    return FakeResponse::json({{"subscription", "2026-01-31"}});
                if (route == "other json")
                    return FakeResponse::json({{"balance", 25}});
                if (route == "not json")
                    return FakeResponse::text("points=25");
                if (route == "garbage")
                    return FakeResponse::raw("{\"points\": 25}\r\n\r\n");
                if (route == "error")
                    return FakeResponse::json({{"points", 25}}, 500);
                return FakeResponse::silent();
            });
        }
        QVERIFY2(server.start(), qPrintable(server.errorString()));
        const QString root = route == "refused" ? QStringLiteral("https://127.0.0.1:%1").arg(FakeHttpsServer::closedPort())
                                                : server.baseUrl();
        config().VantrelServer = root;
        if (route == "silent")
            QWebClient::setDefaultTimeout(700);   // a service that answers is never raced against it

        PreferenceDlg dlg;
        QCOMPARE(checkPoints(dlg, account.email, password), expected.contains("%1") ? expected.arg(root) : expected);
        // only silence waits, and then for the client's own time-out; every other
        // failure is told by what the service did
        const QString failure = dlg.pointsCheckFailure();
        if (route == "silent")
            QVERIFY2(failure.contains("timed out after 700 ms"), qPrintable(failure));
        else
            QVERIFY2(!failure.contains("timed out"), qPrintable(failure));
        if (route == "refused")
            QVERIFY2(failure.contains("refused", Qt::CaseInsensitive), qPrintable(failure));
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(dlg.pointsCheckCount(), 1);
        // the check stores nothing
        QCOMPARE(QString(config().VantrelEmail), QString());
        QVERIFY(configRows().isEmpty());
    }

    void credentialsTravelInTheBody()
    {
        FakeHttpsServer server;
        serveVantrelVerify(server);
        QVERIFY(server.start());
        config().VantrelServer = server.baseUrl();
        config().VantrelEmail = "stored@example.com";
        PreferenceDlg dlg;
        // the typed credentials, not the stored ones
        QVERIFY(checkPoints(dlg, "preparer@example.com", "s3cret").startsWith("Your account has 25 points"));
        const QList<FakeRequest> sent = server.requests();
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent.first().method, QByteArray("POST"));
        QCOMPARE(sent.first().path, QByteArray(VantrelVerifyPath));
        QVERIFY(sent.first().query.isEmpty());
        QVERIFY(!sent.first().target.contains("s3cret"));
        const QList<QPair<QString, QString>> items{{"email", "preparer@example.com"},
                                                   {"password", "s3cret"},
                                                   {"msg", "testing"},
                                                   {"formname", "E-Auth"},
                                                   {"sfwrver", QString(appTitle)}};
        QCOMPARE(sent.first().formItems(), items);
    }

    void plainHttpOnlyToThisMachine()
    {
        FakeHttpsServer plain(FakeHttpsServer::Scheme::Http);
        serveVantrelVerify(plain);
        QVERIFY(plain.start());
        config().VantrelServer = plain.baseUrl();
        PreferenceDlg dlg;
        QCOMPARE(checkPoints(dlg, "preparer@example.com", "s3cret"),
                 QString("Your account has 25 points available. [%1]\nActive subscription ends 2025-12-31.\n"
                         "Status: active").arg(plain.baseUrl()));
        QCOMPARE(plain.requestCount(), 1);

        // beyond this machine the password is never sent in clear
        config().VantrelServer = "http://vantrel.invalid";
        QCOMPARE(checkPoints(dlg, "preparer@example.com", "s3cret"),
                 QString("Check account points failed, maybe network problem!"));
        // refused before any look-up or connection
        QVERIFY2(dlg.pointsCheckFailure().startsWith("Refused to send over http to vantrel.invalid"),
                 qPrintable(dlg.pointsCheckFailure()));
    }

    void invalidCredentialsSendNothing_data()
    {
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("password");
        QTest::newRow("empty password") << "preparer@example.com" << "";
        QTest::newRow("empty email") << "" << "s3cret";
        QTest::newRow("not an address") << "preparer.example.com" << "s3cret";
    }
    void invalidCredentialsSendNothing()
    {
        QFETCH(QString, email);
        QFETCH(QString, password);
        FakeHttpsServer server;
        serveVantrelVerify(server);
        QVERIFY(server.start());
        config().VantrelServer = server.baseUrl();
        PreferenceDlg dlg;
        QCOMPARE(checkPoints(dlg, email, password),
                 QString("Please enter valid email address and password for user points."));
        QCOMPARE(dlg.pointsCheckCount(), 0);
        QCOMPARE(server.requestCount(), 0);
    }

    void threeChecksPerOpening()
    {
        FakeHttpsServer server;
        serveVantrelVerify(server);
        QVERIFY(server.start());
        config().VantrelServer = server.baseUrl();
        {
            PreferenceDlg dlg;
            for (int i = 0; i < 3; ++i)
                QVERIFY(!checkPoints(dlg, "preparer@example.com", "s3cret").isEmpty());
            QCOMPARE(server.requestCount(), 3);
            QCOMPARE(checkPoints(dlg, "preparer@example.com", "s3cret"), QString());
            QCOMPARE(server.requestCount(), 3);
        }
        PreferenceDlg reopened;
        QVERIFY(!checkPoints(reopened, "preparer@example.com", "s3cret").isEmpty());
        QCOMPARE(server.requestCount(), 4);
    }
};

int main(int argc, char **argv)
{
    bqtest::isolate();
    TabWndApp *app = TabWndApp::create(argc, argv);
    int result;
    {
        TestPreferenceDlg tc;
        result = QTest::qExec(&tc, argc, argv);
    }
    delete app;
    return result;
}

#include "tst_preferencedlg.moc"
