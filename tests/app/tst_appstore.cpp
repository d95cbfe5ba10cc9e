#include "bqtest.h"
#include "applog.h"
#include "csqlitedbmanager.h"
#include "ct1appconfig.h"
#include "returnfileentriesmodel.h"
#include "serverdefaults.h"
#include "taxpayerhistory.h"
#include "utils.h"
#include "qwebclient.h"
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QSqlQuery>
#include <QThread>
#include <atomic>
#include <dlfcn.h>
#include <unistd.h>

namespace {
// Statements SQLite gave up on for another connection's lock, as its error log
// tells them (each failed statement is logged once, however long it waited).
std::atomic<int> g_lockedStatements{0};

void countLocked(void *, int code, const char *)
{
    if ((code & 0xff) == 5) // SQLITE_BUSY
        ++g_lockedStatements;
}

// The log is set before SQLite starts (the library the Qt driver uses).
const bool g_sqliteLogSet = [] {
    void *library = ::dlopen("libsqlite3.so.0", RTLD_NOW);
    using Config = int (*)(int, ...);
    auto config = library ? reinterpret_cast<Config>(::dlsym(library, "sqlite3_config")) : nullptr;
    const int SqliteConfigLog = 16;
    return config && config(SqliteConfigLog, &countLocked, nullptr) == 0;
}();

QStringList column(const QString &sql)
{
    QStringList out;
    QSqlQuery q;
    if (!q.exec(sql))
        return {QStringLiteral("error: ") + sql};
    while (q.next())
        out << q.value(0).toString();
    return out;
}

int count(const QString &sql)
{
    QSqlQuery q;
    return q.exec(sql) && q.next() ? q.value(0).toInt() : -1;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}
} // namespace

class TestAppStore : public QObject
{
    Q_OBJECT
    QScopedPointer<QTemporaryDir> m_dir;
    CSqliteDBManager m_db;
    CString m_dbPath;

    QString dir() const { return m_dir->path(); }
    QString touch(const QString &name)
    {
        const QString path = dir() + QLatin1Char('/') + name;
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        return path;
    }
    void setOpenTime(int id, const char *time)
    {
        QSqlQuery q;
        q.prepare(QStringLiteral("update tb_retfile set open_time=:t where id=:id"));
        q.bindValue(QStringLiteral(":t"), QString::fromLatin1(time));
        q.bindValue(QStringLiteral(":id"), id);
        QVERIFY(q.exec());
    }

private slots:
    void init()
    {
        m_dir.reset(new QTemporaryDir);
        m_dbPath = m_dir->path();
        QCOMPARE(m_db.open(m_dbPath), 0);
    }
    void cleanup() { m_db.close(); }

    // ---- opening and schema ----
    void firstOpenCreatesSchema()
    {
        QVERIFY(m_db.isOpened());
        QCOMPARE(QString(m_dbPath), dir() + QStringLiteral("/mydata2024e.db"));
        QCOMPARE(column("select name from sqlite_master where type='table' and name like 'tb_%' order by name"),
                 QStringList({"tb_config", "tb_history", "tb_retfile", "tb_taxdata", "tb_taxnoa", "tb_taxpayers"}));
        QCOMPARE(column("select name from sqlite_master where type='index' order by name"),
                 QStringList({"idx_tb_config_name", "idx_tb_history_uid", "idx_tb_retfile_filepath",
                              "idx_tb_retfile_names", "idx_tb_retfile_uid", "idx_tb_taxdata_uid", "idx_tb_taxnoa_uid",
                              "idx_tb_taxpayer_sin"}));
        QCOMPARE(column("select sql from sqlite_master where name='tb_history'"),
                 QStringList("CREATE TABLE tb_history (id integer primary key autoincrement, uid integer, eventid "
                             "integer, msg varchar(200), event_time datetime DEFAULT NULL)"));
        // nothing of the write probe is left behind
        QCOMPARE(count("select count(*) from tb_config"), 0);
        QVERIFY(m_db.tableExists("tb_retfile"));
        QVERIFY(!m_db.tableExists("tb_nothere"));
    }

    void fileIsPrivate()
    {
        const auto p = QFile::permissions(m_dbPath);
        QVERIFY(p & QFile::ReadOwner && p & QFile::WriteOwner);
        QCOMPARE(p & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther), QFile::Permissions());
        m_db.close();
        // an existing file loses group and other access at the next open
        QFile::setPermissions(m_dbPath, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        CString folder = dir();
        QCOMPARE(m_db.open(folder), 0);
        QCOMPARE(QFile::permissions(m_dbPath) & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
    }

    void reopenKeepsEveryTableWithData()
    {
        QVERIFY(m_db.addRetFile("Ann", "", "/r/ann.r24") > 0);
        QVERIFY(saveTaxpayer(m_db.connection(), "046454286", "Ann", "", "") > 0);
        QSqlQuery q;
        QVERIFY(q.exec("insert into tb_taxdata (uid, data1, taxyear) values (1, '<x/>', 2024)"));
        QVERIFY(q.exec("insert into tb_history (uid, eventid, msg) values (1, 1018, 'sent')"));
        // a missing configuration table used to rebuild every other table empty
        QVERIFY(q.exec("drop table tb_config"));
        QVERIFY(q.exec("drop table tb_taxnoa"));
        q.finish();
        m_db.close();
        CString folder = dir();
        QCOMPARE(m_db.open(folder), 0);
        QVERIFY(m_db.tableExists("tb_config"));
        QVERIFY(m_db.tableExists("tb_taxnoa"));
        QCOMPARE(count("select count(*) from tb_retfile"), 1);
        QCOMPARE(count("select count(*) from tb_taxpayers"), 1);
        QCOMPARE(count("select count(*) from tb_taxdata"), 1);
        QCOMPARE(count("select count(*) from tb_history"), 1);
    }

    void unwritableDatabaseFailsToOpen_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("not a database") << "garbage";
        QTest::newRow("file name is a folder") << "folder";
        QTest::newRow("read-only file") << "readonly";
        QTest::newRow("read-only folder") << "readonlyfolder";
    }
    void unwritableDatabaseFailsToOpen()
    {
        QFETCH(QString, kind);
        m_db.close();
        QTemporaryDir other;
        const QString file = other.path() + "/mydata2024e.db";
        if ((kind == "readonly" || kind == "readonlyfolder") && geteuid() == 0)
            QSKIP("file permissions do not bind the superuser");
        if (kind == "garbage") {
            writeFile(file, QByteArray(4096, 'x'));
        } else if (kind == "folder") {
            QDir().mkpath(file);
        } else if (kind == "readonly") {
            CString f = other.path();
            QCOMPARE(m_db.open(f), 0);
            m_db.close();
            QFile::setPermissions(file, QFile::ReadOwner);
        } else {
            CString f = other.path();
            QCOMPARE(m_db.open(f), 0);
            m_db.close();
            QFile::setPermissions(other.path(), QFile::ReadOwner | QFile::ExeOwner);
        }
        CString folder = other.path();
        QCOMPARE(m_db.open(folder), 103);
        QVERIFY(!m_db.isOpened());
        QFile::setPermissions(other.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // ---- preferences ----
    void newestRowWins()
    {
        QSqlQuery q;
        QVERIFY(q.exec("insert into tb_config (name, value) values ('FontSize', '10')"));
        QVERIFY(q.exec("insert into tb_config (name, value) values ('FontSize', ' 14 ')"));
        CString v = "default";
        const int newest = getConfigString("FontSize", v);
        QCOMPARE(newest, 2);
        QCOMPARE(QString(v), QString("14"));
        QCOMPARE(setConfigString("FontSize", " 16 "), 1);
        QCOMPARE(column("select value from tb_config where name='FontSize' order by id"), QStringList({"10", " 16 "}));
        QCOMPARE(getConfigString("FontSize", v), newest);
        QCOMPARE(QString(v), QString("16"));

        CString untouched = "keep";
        QCOMPARE(getConfigString("NoSuchName", untouched), 0);
        QCOMPARE(QString(untouched), QString("keep"));
        int n = 7;
        bool b = true;
        QCOMPARE(getConfigInt("NoSuchName", n), 0);
        QCOMPARE(getConfigBool("NoSuchName", b), 0);
        QCOMPARE(n, 7);
        QVERIFY(b);
    }

    void insertTrimsAndPathOption()
    {
        QCOMPARE(setConfigString("RetPath", "  /home/a//data/  ", 1), 0);
        QCOMPARE(column("select value from tb_config where name='RetPath'"), QStringList(QDir::toNativeSeparators("/home/a//data/")));
        QSqlQuery q;
        QVERIFY(q.exec("insert into tb_config (name, value) values ('LastOpenPath', '  /x/y  ')"));
        CString v;
        QVERIFY(getConfigString("LastOpenPath", v, 1) > 0);
        QCOMPARE(QString(v), QDir::toNativeSeparators("/x/y"));
    }

    void typedValues_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("flag");
        QTest::newRow("integer") << "42" << 42 << true;
        QTest::newRow("negative") << "-1" << -1 << true;
        QTest::newRow("zero") << "0" << 0 << false;
        QTest::newRow("fraction truncated") << "7.9" << 7 << true;
        QTest::newRow("blanks") << " 3 " << 3 << true;
    }
    void typedValues()
    {
        QFETCH(QString, stored);
        QFETCH(int, number);
        QFETCH(bool, flag);
        setConfigString("Value", stored);
        int n = 99;
        bool b = !flag;
        QVERIFY(getConfigInt("Value", n) > 0);
        QVERIFY(getConfigBool("Value", b) > 0);
        QCOMPARE(n, number);
        QCOMPARE(b, flag);
    }

    void typedWrites()
    {
        setConfigInt("LeftX", -5);
        setConfigBool("FilingReport", true);
        setConfigBool("SaveBackup", false);
        QCOMPARE(column("select value from tb_config order by id"), QStringList({"-5", "1", "0"}));
    }

    // ---- recent return files ----
    void oneRowPerPath()
    {
        const int first = m_db.saveRetFile("Ann Lee", "", "/r/a.r24");
        QVERIFY(first > 0);
        setOpenTime(first, "2020-01-01 00:00:00");
        QCOMPARE(m_db.saveRetFile("Ann Lee", "Bo Lee", "/r/a.r24"), first);
        QCOMPARE(count("select count(*) from tb_retfile where filepath='/r/a.r24'"), 1);
        QCOMPARE(column("select name2 from tb_retfile"), QStringList("Bo Lee"));
        QVERIFY(column("select open_time from tb_retfile").value(0) > QString("2020-01-01 00:00:00"));
        // older duplicates of a path go at the next save
        const int dup = m_db.addRetFile("Ann Lee", "", "/r/a.r24");
        setOpenTime(dup, "2019-01-01 00:00:00");
        QCOMPARE(m_db.saveRetFile("Ann Lee", "", "/r/a.r24"), first);
        QCOMPARE(count("select count(*) from tb_retfile"), 1);
        // paths are compared as written
        QVERIFY(m_db.saveRetFile("Ann Lee", "", "/r/A.r24") != first);
        QCOMPARE(m_db.findRetFileByPath("/r/none.r24"), 0);
    }

    void purgeMissingFiles()
    {
        const QString kept = touch("kept.r24");
        m_db.addRetFile("Kept", "", kept.toStdString());
        m_db.addRetFile("Gone", "", (dir() + "/gone.r24").toStdString());
        m_db.addRetFile("Folder", "", dir().toStdString());
        QCOMPARE(m_db.purgeMissingRetFiles(), 2);
        QCOMPARE(column("select name1 from tb_retfile"), QStringList("Kept"));
    }

    // Another process's exclusive lock: the open gives up after one wait, not a
    // busy time-out per schema statement.
    void lockedDatabaseFailsFast()
    {
        m_db.close();
        {
            QSqlDatabase locker = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("locker"));
            locker.setDatabaseName(m_dbPath);
            QVERIFY(locker.open());
            QSqlQuery lock(locker);
            QVERIFY(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            QVERIFY(lock.exec(QStringLiteral("insert into tb_config (name, value) values ('held', '1')")));
            QVERIFY(g_sqliteLogSet);
            g_lockedStatements = 0;
            CString folder = dir();
            QCOMPARE(m_db.open(folder), 103);
            // the lock was met (and waited for) by one statement at most
            QVERIFY2(g_lockedStatements <= 1, qPrintable(QString::number(g_lockedStatements)));
            QVERIFY(!m_db.isOpened());
            QVERIFY(lock.exec(QStringLiteral("ROLLBACK")));
            locker.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("locker"));
        CString folder = dir();
        QCOMPARE(m_db.open(folder), 0);
    }

    void purgeOfManyMissingFiles()
    {
        const QString kept = touch("kept.r24");
        QVERIFY(m_db.connection().transaction());
        for (int i = 0; i < 300; ++i)
            m_db.addRetFile("Gone", "", (dir() + QStringLiteral("/gone%1.r24").arg(i)).toStdString());
        m_db.addRetFile("Kept", "", kept.toStdString());
        QVERIFY(m_db.connection().commit());
        QCOMPARE(m_db.purgeMissingRetFiles(), 300);
        QCOMPARE(column("select name1 from tb_retfile"), QStringList("Kept"));
    }

    // The start page's filter finds a return by a S.I.N. of its persons, whole or in part.
    void filterBySin_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("paths");
        QTest::newRow("whole number") << "046454286" << QStringList({"/anne"});
        QTest::newRow("part") << "4542" << QStringList({"/anne"});
        QTest::newRow("spouse's, with blanks") << "193 456 787" << QStringList({"/couple"});
        QTest::newRow("with dashes") << "193-456" << QStringList({"/couple"});
        QTest::newRow("shared digits") << "45" << QStringList({"/anne", "/couple"});
        QTest::newRow("name still") << "Roy" << QStringList({"/couple"});
        QTest::newRow("no match") << "999999" << QStringList();
    }
    void filterBySin()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, paths);
        m_db.saveRetFile("Anne Lee", "", "/anne");
        m_db.saveRetFile("Bo Roy", "Cy Roy", "/couple");
        m_db.saveRetFile("Di Nosin", "", "/nosin");
        QCOMPARE(m_db.setRetFileSins("/anne", "Anne Lee", "046 454 286", "", ""), 1);
        QCOMPARE(m_db.setRetFileSins("/couple", "Bo Roy", "527000087", "Cy Roy", "193456787"), 1);
        QCOMPARE(m_db.setRetFileSins("/nosin", "Di Nosin", "", "", ""), 1);
        QSqlQuery q;
        QVERIFY(q.exec("update tb_retfile set open_time='2025-01-01 00:00:00'"));
        ReturnFileEntriesModel model;
        QCOMPARE(m_db.listRetFiles(&model, filter), paths.size());
        QStringList got;
        for (int i = 0; i < model.rowCount(); ++i)
            got << model.pathAt(i);
        QCOMPARE(got, paths);
        // the S.I.N. is kept once, as a taxpayer; a filed taxpayer's row is reused, not changed
        QCOMPARE(count("select count(*) from tb_taxpayers where sin='046454286'"), 1);
        QCOMPARE(m_db.setRetFileSins("/anne", "Renamed", "046454286", "", ""), 1);
        QCOMPARE(column("select name from tb_taxpayers where sin='046454286'"), QStringList("Anne Lee"));
    }

    void listOrderAndNames()
    {
        ReturnFileEntriesModel model;
        const int a = m_db.addRetFile("Ann", "", "/a");
        const int b = m_db.addRetFile("Bo", "Cy", "/b");
        const int c = m_db.addRetFile("Di", "", "/c");
        setOpenTime(a, "2025-03-01 10:00:00");
        setOpenTime(b, "2025-03-02 10:00:00");
        setOpenTime(c, "2025-03-01 10:00:00");
        QCOMPARE(m_db.listRetFiles(&model, QString()), 3);
        QCOMPARE(model.data(model.index(0, 0)).toString(), QString("Bo & Cy"));
        QCOMPARE(model.data(model.index(0, 1)).toString(), QString("2025-03-02 10:00:00"));
        QCOMPARE(model.pathAt(0), QString("/b"));
        QCOMPARE(model.pathAt(1), QString("/a"));
        QCOMPARE(model.pathAt(2), QString("/c"));
    }

    void filterIsBoundAndLiteral_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QStringList>("paths");
        QTest::newRow("apostrophe") << "O'Brien" << QStringList({"/obrien"});
        QTest::newRow("part, any case") << "bRIEN" << QStringList({"/obrien"});
        QTest::newRow("second name") << "Smith" << QStringList({"/smith"});
        QTest::newRow("percent literal") << "100%" << QStringList({"/pct"});
        QTest::newRow("lone percent") << "%" << QStringList({"/pct"});
        QTest::newRow("underscore literal") << "a_b" << QStringList({"/under"});
        QTest::newRow("backslash") << "x\\y" << QStringList({"/slash"});
        QTest::newRow("injection") << "' OR 1=1; drop table tb_config; --" << QStringList();
        QTest::newRow("empty lists all") << "" << QStringList({"/obrien", "/smith", "/pct", "/under", "/slash", "/axb"});
    }
    void filterIsBoundAndLiteral()
    {
        QFETCH(QString, filter);
        QFETCH(QStringList, paths);
        m_db.addRetFile("Pat O'Brien", "", "/obrien");
        m_db.addRetFile("Lee", "Jo Smith", "/smith");
        m_db.addRetFile("Firm 100% Ltd", "", "/pct");
        m_db.addRetFile("a_b", "", "/under");
        m_db.addRetFile("x\\y", "", "/slash");
        m_db.addRetFile("axb", "", "/axb");
        QSqlQuery q;
        QVERIFY(q.exec("update tb_retfile set open_time='2025-01-01 00:00:00'"));
        ReturnFileEntriesModel model;
        QCOMPARE(m_db.listRetFiles(&model, filter), paths.size());
        QStringList got;
        for (int i = 0; i < model.rowCount(); ++i)
            got << model.pathAt(i);
        QCOMPARE(got, paths);
        QVERIFY(m_db.tableExists("tb_config"));
    }

    void deleteByPathAndId()
    {
        m_db.addRetFile("A", "", "/p");
        m_db.addRetFile("A", "", "/p");
        const int other = m_db.addRetFile("B", "", "/q");
        QCOMPARE(m_db.deleteRetFileByPath("/p"), 0);
        QCOMPARE(count("select count(*) from tb_retfile"), 1);
        QCOMPARE(m_db.deleteRetFileById(other), 1);
        QCOMPARE(count("select count(*) from tb_retfile"), 0);
    }

    // ---- taxpayers and history ----
    void taxpayerFoundBySin()
    {
        QSqlDatabase db = m_db.connection();
        const int id = saveTaxpayer(db, "046454286", "", "", "");
        QVERIFY(id > 0);
        QSqlQuery q;
        QVERIFY(q.exec("update tb_taxpayers set phone='555-0100', email='a@b.ca'"));
        QCOMPARE(saveTaxpayer(db, "046454286", "Ann Lee", "", ""), id);
        QCOMPARE(column("select name || '|' || phone || '|' || email from tb_taxpayers"), QStringList("Ann Lee||"));
        // several rows of one number: only the newest is updated
        QVERIFY(q.exec("insert into tb_taxpayers (name, sin) values ('Newer', '046454286')"));
        const int newer = q.lastInsertId().toInt();
        QCOMPARE(saveTaxpayer(db, "046454286", "Ann B. Lee", "", ""), newer);
        QCOMPARE(column("select name from tb_taxpayers order by id"), QStringList({"Ann Lee", "Ann B. Lee"}));
        QVERIFY(saveTaxpayer(db, "130692544", "Bo", "", "") > newer);
    }

    void eventsReplacedNotDuplicated()
    {
        QSqlDatabase db = m_db.connection();
        const int uid = saveTaxpayer(db, "046454286", "Ann", "", "");
        for (int round = 0; round < 2; ++round) {
            QVERIFY(addHistoryEvent(db, uid, HistoryEventFilingSent, QString("summary %1").arg(round), false, true) > 0);
            QVERIFY(addHistoryEvent(db, uid, HistoryEventFilingAccepted, QString("accepted %1").arg(round), false, true) > 0);
        }
        QCOMPARE(column("select eventid || ':' || msg from tb_history order by id"),
                 QStringList({"1018:summary 1", "1019:accepted 1"}));
        QCOMPARE(count("select count(*) from tb_history where event_time is null"), 2);
        // a refused filing: a new 1018, the earlier 1019 stays
        addHistoryEvent(db, uid, HistoryEventFilingSent, "summary 2", false, true);
        QCOMPARE(column("select msg from tb_history order by id"), QStringList({"accepted 1", "summary 2"}));
        // uid 0 deletes nothing; the time option stores the time
        addHistoryEvent(db, 0, HistoryEventFilingSent, "a", true, true);
        addHistoryEvent(db, 0, HistoryEventFilingSent, "b", true, true);
        QCOMPARE(count("select count(*) from tb_history where uid=0 and event_time is not null"), 2);
        const QString longMsg(300, QLatin1Char('m'));
        QVERIFY(addHistoryEvent(db, uid, 7, longMsg, false, false) > 0);
        QCOMPARE(column("select msg from tb_history where eventid=7"), QStringList(longMsg));
    }

    void failedInsertKeepsEarlierEvent()
    {
        QSqlDatabase db = m_db.connection();
        QVERIFY(addHistoryEvent(db, 5, HistoryEventFilingAccepted, "first", false, true) > 0);
        QSqlQuery q;
        QVERIFY(q.exec("create trigger refuse before insert on tb_history when new.msg='boom' "
                       "begin select raise(abort, 'refused'); end"));
        QCOMPARE(addHistoryEvent(db, 5, HistoryEventFilingAccepted, "boom", false, true), 0);
        QCOMPARE(column("select msg from tb_history where uid=5"), QStringList("first"));
        // the connection is usable afterwards
        QVERIFY(addHistoryEvent(db, 5, HistoryEventFilingAccepted, "second", false, true) > 0);
        QCOMPARE(column("select msg from tb_history where uid=5"), QStringList("second"));
    }

    // ---- model ----
    void modelEdges()
    {
        ReturnFileEntriesModel model;
        QSignalSpy removed(&model, &QAbstractItemModel::rowsAboutToBeRemoved);
        model.clear();
        QCOMPARE(removed.count(), 0);
        QVERIFY(!model.removeEntries(0));
        QCOMPARE(model.pathAt(3), QString());
        model.appendEntry(new ReturnFileEntry{1, "A", "t", "/a"});
        model.appendEntry(new ReturnFileEntry{2, "B", "t", "/b"});
        QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QString("Return File Path"));
        QVERIFY(!model.data(model.index(0, 0), Qt::ToolTipRole).isValid());
        QSortFilterProxyModel proxy;
        proxy.setSourceModel(&model);
        proxy.sort(0, Qt::DescendingOrder);
        QCOMPARE(model.pathAt(proxy.index(0, 0)), QString("/b"));
        QVERIFY(model.removeEntries(0));
        model.clear();
        QCOMPARE(removed.count(), 2);
        QCOMPARE(model.rowCount(), 0);
    }

    // ---- configuration ----
    void configDefaultsWithoutFiles()
    {
        CT1AppConfig c;
        c.load(dir() + "/app", dir() + "/docs", dir() + "/run");
        QCOMPARE(QString(c.NetfileSoftwareCode), QString("095"));
        QCOMPARE(QString(c.EfileSoftwareCode), QString("095"));
        QCOMPARE(QString(c.NetfileSoftwareDate), QString("2026-05-25"));
        QCOMPARE(QString(c.EfileSoftwareDate), QString("2026-05-25"));
        const QString host = serverDefaults(false).craHost;
        QCOMPARE(QString(c.EOLSERVER), host);
        QCOMPARE(QString(c.NETFILESERVER), host);
        QCOMPARE(QString(c.T1013SERVER), host);
        QCOMPARE(QString(c.VantrelServer), QString(serverDefaults(false).vantrelRoot));
        QCOMPARE(QString(c.tddDataServiceName), QString("/TaxDataDeliveryService"));
        QCOMPARE(QString(c.HTMLPATH), dir() + "/app/help");
        QCOMPARE(QString(c.PDFPATH), dir() + "/pdf");
        QCOMPARE(QString(c.RetPath), dir() + "/docs/data");
        QCOMPARE(QString(c.noaFolder), dir() + "/docs/data/noa1");
        QCOMPARE(QString(c.LeftPaneSize), QString("270"));
        QVERIFY(c.PrintLogo && c.PrintHeader && !c.MODEDEBUG && !c.Allow2nd);
    }

    void applicationFolderFileWins()
    {
        QDir().mkpath(dir() + "/app");
        QDir().mkpath(dir() + "/run");
        writeFile(dir() + "/run/gr_path.ini",
                  "# run folder\nPDFPATH = /run/pdf\nJVMPATH=/run/jvm\nAllow2nd=yes\nEfileSoftwareCode = \"096\"\n");
        writeFile(dir() + "/app/gr_path.ini", "[paths]\npdfpath=/app/pdf\nAllow2nd = maybe\nEOLSERVER=eol.local:8443\n");
        CT1AppConfig c;
        c.load(dir() + "/app", dir() + "/docs", dir() + "/run");
        QCOMPARE(QString(c.PDFPATH), QString("/app/pdf"));
        QCOMPARE(QString(c.JVMPATH), QString("/run/jvm"));
        QVERIFY(c.Allow2nd); // an unreadable bool leaves the earlier value
        QCOMPARE(QString(c.EfileSoftwareCode), QString("096"));
        QCOMPARE(QString(c.NetfileSoftwareCode), QString("095"));
        QCOMPARE(QString(c.EOLSERVER), QString("eol.local:8443"));
        QCOMPARE(QString(c.NETFILESERVER), QString(serverDefaults(false).craHost));
        QCOMPARE(c.valueText("Allow2nd"), QString("1"));
        QCOMPARE(c.valueText("EfileSoftwareCode"), QString("096"));
    }

    void testModeServers()
    {
        QDir().mkpath(dir() + "/app");
        writeFile(dir() + "/app/gr_path.ini", "MODEDEBUG=1\n");
        CT1AppConfig c;
        c.load(dir() + "/app", dir() + "/docs", dir() + "/run");
        const ServerDefaults &t = serverDefaults(true);
        QVERIFY(c.MODEDEBUG);
        QCOMPARE(QString(c.EOLSERVER), QString(t.craHost));
        QVERIFY(QString(t.craHost) != QString(serverDefaults(false).craHost));
        QCOMPARE(QString(c.PrintServer), QString(t.printServer));
        QCOMPARE(QString(c.VantrelServer), QString(t.vantrelRoot));
        QCOMPARE(QString(c.EfileSoftwareCode), QString("095"));
        QCOMPARE(QString(c.tddServiceHost), QString(t.tddServiceHost));
        QCOMPARE(QString(c.tddServicePath), QString("/ebci/awsc/tdd/ws/"));
        QCOMPARE(QString(c.tddDataServiceName), QString("/CertTestDeliveryService"));
        QCOMPARE(QString(c.tddNoaServiceName), QString("/CertTestNOAService"));
        QCOMPARE(QString(c.tddSignInPath), QString("/ebci/awsc/tdd/certtest/auth/start"));
        QCOMPARE(QString(c.tddScriptUrl), QString("https://%1/ebci/awsc/tdd/certtest/pub/js/cra.js").arg(t.tddSignInHost));
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(QString(c.tddServiceSecrets[i]), QString(t.tddSecrets[i]));
            QCOMPARE(c.tddServiceSecrets[i + 4], c.tddServiceSecrets[i]);
            QCOMPARE(c.tddServiceSecrets[i].size(), 32);
        }
        QVERIFY(c.tddServiceSecrets[1] != c.tddServiceSecrets[3]);
    }

    // A further trusted authority only in test mode.
    void testCaFileOnlyInTestMode_data()
    {
        QTest::addColumn<bool>("testMode");
        QTest::newRow("production") << false;
        QTest::newRow("test mode") << true;
    }
    void testCaFileOnlyInTestMode()
    {
        QFETCH(bool, testMode);
        QWebClient::setDefaultCaFile(QString());
        QDir().mkpath(dir() + "/app");
        writeFile(dir() + "/app/gr_path.ini",
                  QByteArray("TestCAFile=/certs/test-ca.pem\n") + (testMode ? "MODEDEBUG=1\n" : ""));
        CT1AppConfig c;
        c.load(dir() + "/app", dir() + "/docs", dir() + "/run");
        QCOMPARE(QWebClient::defaultCaFile(), testMode ? QStringLiteral("/certs/test-ca.pem") : QString());
        QWebClient::setDefaultCaFile(QString());
    }

    void productKindSelectsCode()
    {
        CT1AppConfig c;
        c.setProductKind(2);
        c.applyServerDefaults();
        QCOMPARE(QString(c.EfileSoftwareCode), QString("097"));
    }

    // ---- logToFile ----
    void logEntryFormat()
    {
        setCurTimeSource([] { return QDateTime(QDate(2025, 3, 2), QTime(9, 15, 4)); });
        const QString path = dir() + "/tddlog.txt";
        QCOMPARE(logToFile(path, "check 70"), 0);
        QCOMPARE(logToFile(path, "caf\xc3\xa9"), 0);
        setCurTimeSource(nullptr);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("Log: 2025-03-02 09:15:04 check 70\nLog: 2025-03-02 09:15:04 caf\xc3\xa9\n"));
        QCOMPARE(logToFile(dir() + "/no/such/folder/x.txt", "x"), -1);
    }

    void logIsPrivate()
    {
        const QString path = dir() + "/log2024.txt";
        QCOMPARE(logToFile(path, "first"), 0);
        QCOMPARE(QFile::permissions(path) & (QFile::ReadGroup | QFile::ReadOther | QFile::WriteOther),
                 QFile::Permissions());
        QVERIFY(QFile::permissions(path) & QFile::WriteOwner);
    }

    // Outside test mode the Qt message log goes into the program log, not to the console.
    void qtMessagesGoToProgramLog()
    {
        const QString path = dir() + "/routed.txt";
        const QtMessageHandler previous = routeQtMessagesToLog(path, false);
        qInfo().noquote() << "left x: " << 12;
        qWarning("read fs %d", 12);
        qInstallMessageHandler(previous);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray text = f.readAll();
        QVERIFY2(text.contains(" left x:  12\n") && text.contains(" read fs 12\n"), text.constData());
        QVERIFY(text.startsWith("Log: "));
    }

    void logLinesFromThreadsNeverInterleave()
    {
        const QString path = dir() + "/tddlog.txt";
        const int threads = 8, lines = 300;
        QList<QThread *> workers;
        for (int t = 0; t < threads; ++t) {
            workers << QThread::create([=] {
                const QByteArray msg = QByteArray("thread ") + QByteArray::number(t) + ' ' + QByteArray(200, char('a' + t));
                for (int i = 0; i < lines; ++i)
                    logToFile(path, msg.constData());
            });
            workers.last()->start();
        }
        for (QThread *w : workers) {
            w->wait();
            delete w;
        }
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> all = f.readAll().split('\n');
        QCOMPARE(all.size(), threads * lines + 1);
        const QRegularExpression shape(QStringLiteral("^Log: \\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d thread (\\d) ([a-h]{200})$"));
        for (int i = 0; i < threads * lines; ++i) {
            const auto m = shape.match(QString::fromLatin1(all.at(i)));
            QVERIFY2(m.hasMatch(), all.at(i).constData());
            QCOMPARE(m.captured(2), QString(200, QChar('a' + m.captured(1).toInt())));
        }
    }
};

BQ_TEST_MAIN_CORE(TestAppStore)
#include "tst_appstore.moc"
