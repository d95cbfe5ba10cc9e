// The downloaded data's taxpayer and data rows: S.I.N. digits, one row per
// taxpayer, and a failed save that keeps the earlier download.
#include "bqtest.h"
#include "tddstorage.h"
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

class TstTddStorage : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QSqlDatabase m_db;

    int rowCount(const QString &sql)
    {
        QSqlQuery q(m_db);
        return q.exec(sql) && q.next() ? q.value(0).toInt() : -1;
    }

    QString storedXml(int id)
    {
        QSqlQuery q(m_db);
        q.prepare(QStringLiteral("select data1 from tb_taxdata where uid=:uid"));
        q.bindValue(QStringLiteral(":uid"), id);
        return q.exec() && q.next() ? q.value(0).toString() : QString();
    }

private slots:
    void initTestCase()
    {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("tdd"));
        m_db.setDatabaseName(m_dir.filePath(QStringLiteral("tdd.db")));
        QVERIFY(m_db.open());
        QSqlQuery q(m_db);
        QVERIFY(q.exec(QStringLiteral("create table tb_taxpayers (id integer primary key autoincrement, "
                                      "name varchar(200), sin varchar(20), phone varchar(20), email varchar(80))")));
        QVERIFY(q.exec(QStringLiteral("create table tb_taxdata (id integer primary key autoincrement, uid integer, "
                                      "create_time datetime, data1 text, html1 text, taxyear integer)")));
        // a year the database refuses, to make the insert fail
        QVERIFY(q.exec(QStringLiteral("create trigger refuse before insert on tb_taxdata when new.taxyear = 1999 "
                                      "begin select raise(abort, 'refused'); end")));
    }

    void sinDigitsFindOneTaxpayer_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("looked");
        QTest::newRow("spaced then plain") << QStringLiteral("046 454 286") << QStringLiteral("046454286");
        QTest::newRow("plain then dashed") << QStringLiteral("130692544") << QStringLiteral("130-692-544");
    }

    void sinDigitsFindOneTaxpayer()
    {
        QFETCH(QString, stored);
        QFETCH(QString, looked);
        CString name;
        QCOMPARE(findTaxpayerBySin(m_db, looked.toStdString(), name), 0);
        const int id = insertTaxpayer(m_db, stored.toStdString());
        QVERIFY(id > 0);
        QCOMPARE(findTaxpayerBySin(m_db, looked.toStdString(), name), id);
        QCOMPARE(findTaxpayerBySin(m_db, stored.toStdString(), name), id);
        QVERIFY(name.isEmpty());
        QSqlQuery q(m_db);
        QVERIFY(q.exec(QStringLiteral("select sin from tb_taxpayers where id=%1").arg(id)) && q.next());
        QCOMPARE(q.value(0).toString(), QString(looked).remove(QRegExp(QStringLiteral("\\D"))));
    }

    void badSinStoresNoTaxpayer()
    {
        const int before = rowCount(QStringLiteral("select count(*) from tb_taxpayers"));
        QCOMPARE(insertTaxpayer(m_db, "12345"), 0);
        QCOMPARE(insertTaxpayer(m_db, ""), 0);
        QCOMPARE(rowCount(QStringLiteral("select count(*) from tb_taxpayers")), before);
    }

    void newDownloadReplacesTheOld()
    {
        QCOMPARE(saveTaxDataRow(m_db, 7, "2025-02-01T10:00:00", "<a/>", "<p>a</p>", 2023), 2);
        QCOMPARE(saveTaxDataRow(m_db, 7, "2025-03-01T10:00:00", "<b/>", "<p>b</p>", 2024), 2);
        QCOMPARE(rowCount(QStringLiteral("select count(*) from tb_taxdata where uid=7")), 1);
        QCOMPARE(storedXml(7), QStringLiteral("<b/>"));
    }

    void failedInsertKeepsTheEarlierRow()
    {
        QCOMPARE(saveTaxDataRow(m_db, 8, "2025-02-01T10:00:00", "<earlier/>", "<p/>", 2024), 2);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not stored")));
        QCOMPARE(saveTaxDataRow(m_db, 8, "2025-03-01T10:00:00", "<later/>", "<p/>", 1999), 0);
        QCOMPARE(storedXml(8), QStringLiteral("<earlier/>"));
        QCOMPARE(rowCount(QStringLiteral("select count(*) from tb_taxdata where uid=8")), 1);
    }

    void noRowWithoutARealTaxpayer()
    {
        QCOMPARE(saveTaxDataRow(m_db, 0, "2025-02-01T10:00:00", "<x/>", "<p/>", 2024), 0);
        QCOMPARE(rowCount(QStringLiteral("select count(*) from tb_taxdata where uid=0")), 0);
    }
};

BQ_TEST_MAIN_CORE(TstTddStorage)
#include "tst_tddstorage.moc"
