#include "bqtest.h"
#include "csingleinstanceguard.h"
#include "dependantinfostruct.h"
#include "envelopevars.h"
#include "individualtaxdata.h"
#include "messages.h"
#include "qwebclient.h"
#include "tabwndapp.h"
#include "terminationsignals.h"
#include "utils.h"
#include "widgetmessagehandler.h"
#include <QPushButton>
#include <QScreen>
#include <QSqlQuery>
#include <QTimer>
#include <QSignalSpy>
#include <csignal>

namespace {
QStringList logLines(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList out;
    for (const QByteArray &line : f.readAll().split('\n'))
        out << QString::fromUtf8(line);
    return out;
}

// Strips "Log: <date> <time> " from an entry.
QString message(const QString &line)
{
    static const QRegularExpression prefix(QStringLiteral("^Log: \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d "));
    QString m = line;
    return m.remove(prefix);
}

void clickLater(QMessageBox::StandardButton button)
{
    QTimer::singleShot(0, [button] {
        auto box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box && box->button(button))
            box->button(button)->click();
        else if (box)
            box->reject();
    });
}
} // namespace

class TestTabWndApp : public QObject
{
    Q_OBJECT
    ScriptedMessages m_messages;
    TabWndApp *app() const { return TabWndApp::instance(); }
    QString local() const { return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation); }

    // A fresh start: no folders, no database, the defaults in memory.
    void freshStart()
    {
        app()->dbManager().close();
        QDir(local()).removeRecursively();
        CT1AppConfig &c = app()->config();
        c.LeftX = c.LeftY = c.Width = c.Height = 0;
        c.BKColor = "#d0f1ff";
        c.MODEDEBUG = false;
        m_messages.clear();
    }
    void clearConfigTable()
    {
        QSqlQuery q;
        QVERIFY(q.exec("delete from tb_config"));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(app());
        QCOMPARE(int(appEdition), 1);
        QVERIFY(settingsSource() == app());
        QVERIFY(dynamic_cast<WidgetMessageHandler *>(messageHandler()));
        setMessageHandler(&m_messages);
    }
    void init() { freshStart(); }

    void startUpFoldersLogAndModes()
    {
        QCOMPARE(app()->initialize(), 0);
        QCOMPARE(QString(app()->localFolder()), local());
        QVERIFY(local().endsWith("/Brackenquill/brackenquill2024"));
        QCOMPARE(QString(app()->runFolder()), local() + "/run");
        QCOMPARE(QString(app()->systemFolder()), local() + "/._sys");
        const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QCOMPARE(QString(app()->userDataFolder()), docs + "/brackenquill-efile/2024");
        QVERIFY(QFileInfo(docs + "/brackenquill-efile/2024/data").isDir());
        QCOMPARE(QString(app()->databasePath()), local() + "/._sys/mydata2024e.db");
        QCOMPARE(QFile::permissions(app()->systemFolder()) & 0x7777,
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
        QCOMPARE(QFile::permissions(app()->databasePath()) & 0x7777,
                 QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);

        const QStringList lines = logLines(app()->logPath());
        QCOMPARE(lines.value(0), QString("Log file created"));
        QStringList messages;
        for (int i = 1; i < lines.size(); ++i)
            messages << message(lines.at(i));
        const QString folders = QString("Doc path : %1").arg(app()->userDataFolder());
        QCOMPARE(messages, QStringList({"Only one instance of brackenquill can run", "check 70", "check 80", folders,
                                        "AppLocal Version path: " + local() + " ",
                                        "db path : " + local() + "/._sys", "check 90", "check 120", "check 130", ""}));
        QVERIFY(m_messages.shown().isEmpty());
    }

    // Program folders, the log and the database are their owner's only.
    void privateFilesAndFolders()
    {
        QCOMPARE(app()->initialize(), 0);
        const auto ownerOnly = [](const QString &path) {
            return !(QFile::permissions(path)
                     & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
                        | QFile::WriteOther | QFile::ExeOther));
        };
        for (const QString &path : {QString(app()->localFolder()), QString(app()->runFolder()),
                                    QString(app()->userDataFolder()), QString(app()->logPath())})
            QVERIFY2(ownerOnly(path), qPrintable(path));
    }

    // TestCAFile is honoured in test mode only, and the log says which.
    void testCaFileLogged_data()
    {
        QTest::addColumn<bool>("testMode");
        QTest::addColumn<QString>("line");
        QTest::newRow("production") << false << "TestCAFile ignored outside test mode: /certs/ca.pem";
        QTest::newRow("test mode") << true << "TestCAFile in use, trusted as a certificate authority: /certs/ca.pem";
    }
    void testCaFileLogged()
    {
        QFETCH(bool, testMode);
        QFETCH(QString, line);
        QDir().mkpath(local() + "/run");
        QFile ini(local() + "/run/gr_path.ini");
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(QByteArray("TestCAFile=/certs/ca.pem\n") + (testMode ? "MODEDEBUG=1\n" : ""));
        ini.close();
        QWebClient::setDefaultCaFile(QString());
        QCOMPARE(app()->initialize(), 0);
        QStringList messages;
        for (const QString &l : logLines(app()->logPath()))
            messages << message(l);
        QVERIFY2(messages.contains(line), qPrintable(messages.join('\n')));
        QCOMPARE(QWebClient::defaultCaFile(), testMode ? QStringLiteral("/certs/ca.pem") : QString());
        QWebClient::setDefaultCaFile(QString());
        app()->config().TestCAFile.clear();
        app()->config().MODEDEBUG = false;
        QFile::remove(ini.fileName());
    }

    // A second instance with Allow2nd off stops after the message, before it touches
    // the log; with Allow2nd on it runs.
    void secondInstance_data()
    {
        QTest::addColumn<bool>("allowed");
        QTest::newRow("Allow2nd off") << false;
        QTest::newRow("Allow2nd on") << true;
    }
    void secondInstance()
    {
        QFETCH(bool, allowed);
        QCOMPARE(app()->initialize(), 0);
        QFile ini(app()->runFolder() + "/gr_path.ini");
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(allowed ? "Allow2nd=1\n" : "Allow2nd=0\n");
        ini.close();
        const QString title = QStringLiteral("Guard %1").arg(QCoreApplication::applicationPid());
        CSingleInstanceGuard first(title);
        QVERIFY(first.acquire());
        const QStringList logBefore = logLines(app()->logPath());
        CSingleInstanceGuard second(title);
        QCOMPARE(app()->takeInstanceGuard(second, title), allowed);
        QCOMPARE(m_messages.texts(), allowed ? QStringList() : QStringList(title + " is already running!"));
        QCOMPARE(logLines(app()->logPath()), logBefore);
        // alone, the guard is taken whatever the setting
        first.release();
        m_messages.clear();
        CSingleInstanceGuard third(title);
        QVERIFY(app()->takeInstanceGuard(third, title));
        QVERIFY(m_messages.shown().isEmpty());
        QFile::remove(ini.fileName());
    }

    // SIGTERM, SIGHUP and SIGINT raised in this process reach the event loop as
    // terminationRequested, and the process lives on; once the object is gone the
    // handlers in force before it are back.
    void terminationSignals_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGHUP") << int(SIGHUP);
        QTest::newRow("SIGINT") << int(SIGINT);
    }
    void terminationSignals()
    {
        QFETCH(int, signalNumber);
        struct sigaction before = {};
        QCOMPARE(::sigaction(signalNumber, nullptr, &before), 0);
        {
            TerminationSignals termination;
            QVERIFY(termination.install());
            QSignalSpy spy(&termination, &TerminationSignals::terminationRequested);
            QCOMPARE(::raise(signalNumber), 0);
            QVERIFY(spy.wait(10000));
            QCOMPARE(spy.count(), 1);
            QCOMPARE(spy.at(0).at(0).toInt(), signalNumber);
        }
        struct sigaction after = {};
        QCOMPARE(::sigaction(signalNumber, nullptr, &after), 0);
        QVERIFY(after.sa_handler == before.sa_handler);
    }

    void logTruncatedAtEachStart()
    {
        QCOMPARE(app()->initialize(), 0);
        app()->log("between starts");
        QVERIFY(logLines(app()->logPath()).join('\n').contains("between starts"));
        QCOMPARE(app()->initialize(), 0);
        const QStringList lines = logLines(app()->logPath());
        QCOMPARE(lines.count("Log file created"), 1);
        QCOMPARE(lines.first(), QString("Log file created"));
        QVERIFY(!lines.join('\n').contains("between starts"));
    }

    void unwritableDatabaseStopsStartUp_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("not a database") << "garbage";
        QTest::newRow("path is a folder") << "folder";
    }
    void unwritableDatabaseStopsStartUp()
    {
        QFETCH(QString, kind);
        const QString db = local() + "/._sys/mydata2024e.db";
        QDir().mkpath(local() + "/._sys");
        if (kind == "folder") {
            QDir().mkpath(db);
        } else {
            QFile f(db);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(2048, '#'));
        }
        QCOMPARE(app()->initialize(), 101);
        QVERIFY(!app()->dbManager().isOpened());
        QCOMPARE(m_messages.texts(), QStringList(QString("Program cannot read/write config file %1.").arg(db)));
        QCOMPARE(m_messages.shown().first().title, QString("Error"));
        // nothing is stored by a failed start
        QCOMPARE(app()->saveOnClose(), 0);
    }

    void readOnlyLogFolderWarnsOnce()
    {
        QDir().mkpath(local() + "/run/log2024.txt");
        QCOMPARE(app()->initialize(), 0);
        QCOMPARE(m_messages.texts(),
                 QStringList("File folder is read only, please adjust security settings to allow program write access!"));
    }

    void settingsRoundTrip()
    {
        QCOMPARE(app()->initialize(), 0);
        CT1AppConfig &c = app()->config();
        c.BusinessName = "Lee & Co";
        c.BusinessEFileNum = "X1234";
        c.BusinessEFilePassword = "secret";
        c.RetPath = "/srv/returns";
        c.PreAssessment = 3;
        c.FilingReport = true;
        c.T1013RepID = "RP123";
        QCOMPARE(app()->writeSettings(), 0);
        QSqlQuery q;
        QVERIFY(q.exec("select name from tb_config order by id"));
        QStringList names;
        while (q.next())
            names << q.value(0).toString();
        QCOMPARE(names.mid(0, 4), QStringList({"LeftPaneSize", "RetPath", "RetPdfPath", "PdfPathSameAsRet"}));
        QCOMPARE(names.size(), 33);
        QVERIFY(!names.contains("BKColor") && !names.contains("LeftX") && !names.contains("CustomizedClientLetter_Ver"));

        c.BusinessName.clear();
        c.BusinessEFileNum.clear();
        c.PreAssessment = -1;
        c.FilingReport = false;
        QCOMPARE(app()->readSettings(), 0);
        QCOMPARE(QString(c.BusinessName), QString("Lee & Co"));
        QCOMPARE(QString(c.BusinessEFileNum), QString("X1234"));
        QCOMPARE(c.PreAssessment, 3);
        QVERIFY(c.FilingReport);

        // what the model reads through the settings seam
        QCOMPARE(settingsSource()->userSetting("BusinessName"), QString("Lee & Co"));
        QCOMPARE(settingsSource()->userSetting("BusinessEFilePassword"), QString("secret"));
        QCOMPARE(settingsSource()->userSetting("T1013RepID"), QString("RP123"));
        QCOMPARE(settingsSource()->userSetting("DiscounterCode"), QString());
        QCOMPARE(settingsSource()->configValue("EfileSoftwareCode"), QString("095"));
        QCOMPARE(settingsSource()->configValue("OverwriteStatus"), QString("0"));
        c.OverwriteStatus = true;
        QCOMPARE(settingsSource()->configValue("OverwriteStatus"), QString("1"));
        c.OverwriteStatus = false;

        // what the Auto-fill client reads: the endpoint table of the mode, its secrets and folders
        QCOMPARE(settingsSource()->configValue("tddServiceHost"), QString(c.tddServiceHost));
        QCOMPARE(settingsSource()->configValue("tddSignInPath"), QString(c.tddSignInPath));
        QCOMPARE(settingsSource()->configValue("tddServiceSecret095"), QString(c.tddServiceSecrets[1]));
        QCOMPARE(settingsSource()->configValue("tddServiceSecretOther"), QString(c.tddServiceSecrets[3]));
        QVERIFY(settingsSource()->configValue("tddServiceSecret095") != settingsSource()->configValue("tddServiceSecretOther"));
        QCOMPARE(settingsSource()->configValue("runFolder"), QString(app()->runFolder()));
        QCOMPARE(settingsSource()->configValue("noaFolder"), QString(c.noaFolder));
        QCOMPARE(settingsSource()->configValue("TDDLISTENPORT"), QString());
    }

    void testModeUsesOwnEfileKeys()
    {
        QCOMPARE(app()->initialize(), 0);
        clearConfigTable();
        setConfigString("BusinessEFileNum", "PROD1");
        setConfigString("BusinessEFileNumDbg", "TEST1");
        CT1AppConfig &c = app()->config();
        c.MODEDEBUG = true;
        QCOMPARE(app()->readSettings(), 0);
        QCOMPARE(QString(c.BusinessEFileNum), QString("TEST1"));
        c.BusinessEFileNum = "TEST2";
        c.BusinessEFilePassword = "tpw";
        app()->writeSettings();
        CString v;
        getConfigString("BusinessEFileNum", v);
        QCOMPARE(QString(v), QString("PROD1"));
        getConfigString("BusinessEFileNumDbg", v);
        QCOMPARE(QString(v), QString("TEST2"));
        QCOMPARE(getConfigString("BusinessEFilePassword", v), 0);
        QVERIFY(getConfigString("BusinessEFilePasswordDbg", v) > 0);
    }

    // What the EFILE envelope reads from the application's own settings lookup,
    // in each mode, after the settings were loaded.
    void efileKeysThroughTheSettingsLookup_data()
    {
        QTest::addColumn<bool>("testMode");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("test number") << true << "BusinessEFileNumDbg" << "TEST1";
        QTest::newRow("test password") << true << "BusinessEFilePasswordDbg" << "tpw";
        QTest::newRow("production number") << false << "BusinessEFileNum" << "PROD1";
        QTest::newRow("production password") << false << "BusinessEFilePassword" << "ppw";
        QTest::newRow("test number not loaded") << false << "BusinessEFileNumDbg" << "";
        QTest::newRow("test password not loaded") << false << "BusinessEFilePasswordDbg" << "";
    }
    void efileKeysThroughTheSettingsLookup()
    {
        QFETCH(bool, testMode);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QCOMPARE(app()->initialize(), 0);
        clearConfigTable();
        setConfigString("BusinessEFileNum", "PROD1");
        setConfigString("BusinessEFilePassword", "ppw");
        setConfigString("BusinessEFileNumDbg", "TEST1");
        setConfigString("BusinessEFilePasswordDbg", "tpw");
        app()->config().MODEDEBUG = testMode;
        QCOMPARE(app()->readSettings(), 0);
        QCOMPARE(settingsSource()->userSetting(key), expected);

        // the filer's number and password of the EFILE request
        DependantInfoStruct dependants;
        IndividualTaxData person(0, &dependants);
        QMap<QString, QString> vars;
        fillEfileHeaderVars(person, vars, 1);
        QCOMPARE(vars.value("efilerID"), QString(testMode ? "TEST1" : "PROD1"));
        QCOMPARE(vars.value("efpasd"), QString(testMode ? "tpw" : "ppw"));
    }

    void backgroundColourOfSevenCharacters_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("expected");
        QTest::newRow("seven") << "#ffeedd" << "#ffeedd";
        QTest::newRow("short") << "#fff" << "#d0f1ff";
        QTest::newRow("long") << "#ffeedd00" << "#d0f1ff";
    }
    void backgroundColourOfSevenCharacters()
    {
        QFETCH(QString, stored);
        QFETCH(QString, expected);
        QCOMPARE(app()->initialize(), 0);
        setConfigString("BKColor", stored);
        app()->readSettings();
        QCOMPARE(QString(app()->config().BKColor), expected);
    }

    void windowRule_data()
    {
        const QRect s = QGuiApplication::primaryScreen()->geometry();
        QTest::addColumn<QList<int>>("stored"); // LeftX, LeftY, Width, Height; -1 not stored
        QTest::addColumn<QRect>("expected");
        // no saved size: the screen less twice the saved corner, placed at (20, 60)
        QTest::newRow("nothing stored") << QList<int>{-1, -1, -1, -1} << QRect(20, 60, s.width(), s.height());
        QTest::newRow("position, no size") << QList<int>{100, 50, -1, -1}
                                           << QRect(20, 60, s.width() - 200, s.height() - 100);
        QTest::newRow("on screen") << QList<int>{30, 40, 700, 500} << QRect(30, 40, 700, 500);
        QTest::newRow("bottom-right edge") << QList<int>{s.right(), s.bottom(), 700, 500}
                                           << QRect(s.right(), s.bottom(), 700, 500);
        QTest::newRow("off every screen") << QList<int>{5000, 5000, 700, 500} << QRect(20, 60, 700, 500);
    }
    void windowRule()
    {
        QFETCH(QList<int>, stored);
        QFETCH(QRect, expected);
        QCOMPARE(app()->initialize(), 0);
        clearConfigTable();
        CT1AppConfig &c = app()->config();
        c.LeftX = c.LeftY = c.Width = c.Height = 0; // the defaults, as before the first read
        const char *keys[] = {"LeftX", "LeftY", "Width", "Height"};
        for (int i = 0; i < 4; ++i)
            if (stored[i] >= 0)
                setConfigInt(keys[i], stored[i]);
        app()->readSettings();
        QCOMPARE(app()->savedWindowRect(), expected);
    }

    // The rule's rectangle is then fitted inside the screen's available area:
    // moved, and shrunk only where it is larger. At 1280 x 800 the 1280 x 800
    // window of a first start at (20, 60) comes to (0, 0), its status bar in sight.
    void windowFitsTheScreen_data()
    {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("expected");
        const QRect screen(0, 0, 1280, 800);
        QTest::newRow("first start at 1280 x 800") << QRect(20, 60, 1280, 800) << screen << screen;
        QTest::newRow("a panel along the top") << QRect(20, 60, 1280, 800) << QRect(0, 28, 1280, 772)
                                               << QRect(0, 28, 1280, 772);
        QTest::newRow("inside: kept") << QRect(30, 40, 700, 500) << screen << QRect(30, 40, 700, 500);
        QTest::newRow("past the bottom-right corner") << QRect(900, 500, 700, 500) << screen
                                                      << QRect(580, 300, 700, 500);
        QTest::newRow("a screen left of the first") << QRect(-1500, 100, 800, 600) << QRect(-1920, 0, 1920, 1040)
                                                    << QRect(-1500, 100, 800, 600);
        QTest::newRow("no area known") << QRect(20, 60, 1280, 800) << QRect() << QRect(20, 60, 1280, 800);
    }
    void windowFitsTheScreen()
    {
        QFETCH(QRect, window);
        QFETCH(QRect, available);
        QTEST(fitWindowRect(window, available), "expected");
    }

    void saveOnCloseStoresWindowAndPaths()
    {
        QCOMPARE(app()->initialize(), 0);
        QWidget window;
        window.setGeometry(110, 120, 640, 480);
        app()->setMainWindow(&window);
        app()->LastOpenPath = "  /home/u/returns  ";
        app()->config().FontSize = "13";
        QCOMPARE(app()->saveOnClose(), 0);
        app()->setMainWindow(static_cast<QWidget *>(nullptr));
        CString folder = app()->systemFolder();
        QCOMPARE(app()->dbManager().open(folder), 0);
        int x = 0, y = 0, w = 0, h = 0;
        getConfigInt("LeftX", x);
        getConfigInt("LeftY", y);
        getConfigInt("Width", w);
        getConfigInt("Height", h);
        QCOMPARE(QRect(x, y, w, h), window.geometry());
        CString v;
        getConfigString("LastOpenPath", v, 1);
        QCOMPARE(QString(v), QString("/home/u/returns"));
        getConfigString("FontSize", v);
        QCOMPARE(QString(v), QString("13"));
    }

    void recentFilesThroughTheApplication()
    {
        QCOMPARE(app()->initialize(), 0);
        const QString docs = app()->userDataFolder();
        const QString a = docs + "/a.r24", b = docs + "/b.r24";
        for (const QString &p : {a, b}) {
            QFile f(p);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QVERIFY(app()->saveReturnFileEntry("Ann", "", a) > 0);
        QVERIFY(app()->saveReturnFileEntry("Bo", "Cy", b) > 0);
        ReturnFileEntriesModel *model = app()->reloadReturnList("cy");
        QCOMPARE(model->rowCount(), 1);
        QCOMPARE(model->pathAt(0), b);
        model = app()->reloadReturnList(QString());
        QCOMPARE(model->rowCount(), 2);
        // removing with the delete flag: the file and the entry go, also when the file was gone already
        const int rowB = model->pathAt(0) == b ? 0 : 1;
        QCOMPARE(app()->removeReturnEntry(model->index(rowB, 0), true), 0);
        QVERIFY(!QFile::exists(b));
        QCOMPARE(model->rowCount(), 1);
        QFile::remove(a);
        QCOMPARE(app()->removeReturnEntry(model->index(0, 0), true), 0);
        QCOMPARE(model->rowCount(), 0);
        QCOMPARE(app()->reloadReturnList(QString())->rowCount(), 0);
    }

    void filePaths()
    {
        QCOMPARE(app()->initialize(), 0);
        const QString run = app()->runFolder();
        CString p;
        app()->runFilePath(p, 0);
        QCOMPARE(QString(p), run + "/tddlog.txt");
        app()->runFilePath(p, 1);
        QCOMPARE(QString(p), run + "/tddlog2.txt");
        app()->runFilePath(p, 2);
        QCOMPARE(QString(p), run + "/findfiles.csv");
        app()->runFilePath(p, 3);
        QCOMPARE(QString(p), run + "/");
        app()->efileLogPath(p, true);
        QCOMPARE(QString(p), run + "/efileresult.txt");
        app()->efileLogPath(p, false);
        QCOMPARE(QString(p), run + "/efilelog.txt");
    }

    void filingRecord()
    {
        QCOMPARE(app()->initialize(), 0);
        setCurTimeSource([] { return QDateTime(QDate(2025, 3, 2), QTime(9, 15, 4)); });
        app()->appendFilingRecord("Zoë Lee", "Accepted", "12345", "ok");
        app()->appendFilingRecord("Bo", "Accepted", "67890", "ok");
        setCurTimeSource(nullptr);
        CString p;
        app()->efileLogPath(p, false);
        QFile f(p);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray one = "Time: 2025-03-02 09:15:04 \nName: Zo\xc3\xab Lee\nResult: Accepted\nConfirmation: 12345\nMsg: ok\n\n\n";
        QVERIFY(f.readAll().startsWith(one + "Time: "));
    }

    void workerConnection()
    {
        QCOMPARE(app()->initialize(), 0);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "TDD_DB_Connection");
            QVERIFY(app()->openDatabase(db));
            QSqlQuery q(db);
            QVERIFY(q.exec("insert into tb_taxpayers (name, sin) values ('', '046454286')"));
            q.finish();
            app()->closeDatabase(db);
            QVERIFY(!db.isOpen());
        }
        QSqlDatabase::removeDatabase("TDD_DB_Connection");
        QSqlQuery q;
        QVERIFY(q.exec("select count(*) from tb_taxpayers") && q.next());
        QCOMPARE(q.value(0).toInt(), 1);
    }

    void askQuestionAnswers_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<bool>("expected");
        QTest::newRow("yes") << int(MsgButton::Yes) << true;
        QTest::newRow("ok") << int(MsgButton::Ok) << true;
        QTest::newRow("no") << int(MsgButton::No) << false;
        QTest::newRow("cancel") << int(MsgButton::Cancel) << false;
    }
    void askQuestionAnswers()
    {
        QFETCH(int, button);
        QFETCH(bool, expected);
        m_messages.scriptAnswer(button);
        QCOMPARE(askQuestion("Go on?"), expected);
        QCOMPARE(m_messages.shown().last().title, gMsgGetTitle());
        m_messages.scriptAnswer(button);
        QCOMPARE(askQuestionTitled("Which?", nullptr, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel), button);
        QCOMPARE(showInformation("Done"), 1);
        QCOMPARE(m_messages.texts(), QStringList({"Go on?", "Which?", "Done"}));
    }

    // Real boxes; an information box shows its text as it stands, markup and all
    // (it may carry a service's or the CRA's own words).
    void messageBoxesAreReal()
    {
        WidgetMessageHandler boxes;
        setMessageHandler(&boxes);
        clickLater(QMessageBox::No);
        const int answer = askQuestionTitled("Really?", nullptr, QMessageBox::Yes | QMessageBox::No);
        QString shown;
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, [&shown, &format] {
            if (auto box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                shown = box->text();
                format = box->textFormat();
                box->button(QMessageBox::Ok)->click();
            }
        });
        showInformation("<b>Shown</b> in a box");
        setMessageHandler(&m_messages);
        QCOMPARE(answer, int(QMessageBox::No));
        QCOMPARE(shown, QStringLiteral("<b>Shown</b> in a box"));
        QCOMPARE(format, Qt::PlainText);
        QVERIFY(m_messages.shown().isEmpty());
    }

    void waitCursorPair()
    {
        beginWaitCursor();
        QVERIFY(QGuiApplication::overrideCursor());
        QCOMPARE(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        endWaitCursor();
        QVERIFY(!QGuiApplication::overrideCursor());
    }
};

int main(int argc, char **argv)
{
    bqtest::isolate();
    TabWndApp *app = TabWndApp::create(argc, argv);
    int result;
    {
        TestTabWndApp tc;
        result = QTest::qExec(&tc, argc, argv);
    }
    delete app;
    return result;
}

#include "tst_tabwndapp.moc"
