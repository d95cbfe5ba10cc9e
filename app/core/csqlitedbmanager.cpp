#include "csqlitedbmanager.h"
#include "returnfileentriesmodel.h"
#include "utils.h"
#include "privatefile.h"
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <exception>

void defaultDbFileName(CString &name)
{
    name = "mydata";
    name += QStringLiteral("2024");
    name += QStringLiteral("e");
    name += QStringLiteral(".db");
}

namespace {
constexpr int kOpenBusyMs = 3000; // at start-up, for another process's lock
constexpr int kBusyMs = 5000;     // SQLite driver's default afterwards

const char *const kSchema[] = {
    "create table if not exists tb_config (id integer primary key autoincrement, name text, value text)",
    "create index if not exists idx_tb_config_name on tb_config (name)",
    "create table if not exists tb_taxpayers (id integer primary key autoincrement, name varchar(200), sin varchar(20), phone varchar(20), email varchar(80))",
    "create index if not exists idx_tb_taxpayer_sin on tb_taxpayers (sin)",
    "create table if not exists tb_retfile (id integer primary key autoincrement, name1 varchar(100), name2 varchar(100), uid1 integer, uid2 integer, filepath varchar(200), open_time datetime)",
    "create index if not exists idx_tb_retfile_filepath on tb_retfile (filepath)",
    "create index if not exists idx_tb_retfile_names on tb_retfile (name1, name2)",
    "create index if not exists idx_tb_retfile_uid on tb_retfile (uid1, uid2)",
    "create table if not exists tb_taxdata (id integer primary key autoincrement, uid integer, create_time datetime, data1 text, html1 text, taxyear integer)",
    "create index if not exists idx_tb_taxdata_uid on tb_taxdata (uid)",
    "create table if not exists tb_taxnoa (id integer primary key autoincrement, uid integer, create_time datetime, data1 text, htmlfile varchar(256), taxyear integer)",
    "create index if not exists idx_tb_taxnoa_uid on tb_taxnoa (uid)",
    "create table if not exists tb_history (id integer primary key autoincrement, uid integer, eventid integer, msg varchar(200), event_time datetime DEFAULT NULL)",
    "create index if not exists idx_tb_history_uid on tb_history (uid)",
};

// LIKE pattern matching the text anywhere, with its wildcards taken literally (ESCAPE '\').
QString containsPattern(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size() + 2);
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            escaped += QLatin1Char('\\');
        escaped += c;
    }
    return QLatin1Char('%') + escaped + QLatin1Char('%');
}

// "123 456 789" and "123-456-789" look for the digits as a S.I.N. is stored.
QString sinFilterText(const QString &filter)
{
    const QString digits = GetPureDigitStr(filter);
    for (const QChar c : filter)
        if (!c.isDigit() && c != QLatin1Char(' ') && c != QLatin1Char('-'))
            return filter;
    return digits.isEmpty() ? filter : digits;
}

QString storedSin(const QString &sin)
{
    return GetPureDigitStr(sin);
}
} // namespace

CSqliteDBManager::CSqliteDBManager() = default;
CSqliteDBManager::~CSqliteDBManager() = default;

int CSqliteDBManager::open(CString &folder)
{
    m_opened = false;
    try {
        CString file;
        defaultDbFileName(file);
        folder = QDir::toNativeSeparators(folder + QStringLiteral("/") + file);

        const QString connectionName = QLatin1String(QSqlDatabase::defaultConnection);
        if (QSqlDatabase::contains(connectionName)) {
            m_connection = QSqlDatabase::database(connectionName, false);
            m_connection.close();
        } else {
            m_connection = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        }
        // the database holds S.I.N.s and passwords: owner only
        makePrivateFile(folder);
        m_connection.setDatabaseName(folder);
        if (!m_connection.open())
            return 103;
        if (!createMissingTables()) {
            qWarning().noquote() << "database locked or not writable:" << folder;
            m_connection.close();
            return 103;
        }
        if (!canWrite()) {
            qWarning().noquote() << "database cannot be written:" << folder;
            m_connection.close();
            return 103;
        }
        QSqlQuery(m_connection).exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(kBusyMs));
        m_opened = true;
        return 0;
    } catch (...) {
        m_opened = false;
        return 99;
    }
}

bool CSqliteDBManager::createMissingTables()
{
    // Another process's lock is waited for once, a few seconds at most, instead
    // of the full busy time-out per statement: the write lock is taken first and
    // the whole schema goes in under it.
    QSqlQuery q(m_connection);
    q.exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(kOpenBusyMs));
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return false;
    // A table that holds data is never dropped: only missing ones are made.
    for (const char *statement : kSchema)
        q.exec(QString::fromLatin1(statement));
    const bool committed = q.exec(QStringLiteral("COMMIT"));
    if (!committed)
        q.exec(QStringLiteral("ROLLBACK"));
    return committed;
}

bool CSqliteDBManager::canWrite()
{
    // A read-only file, or a folder where SQLite cannot make its journal, opens
    // fine and fails at the first write: write once and roll back.
    for (const char *table : {"tb_config", "tb_taxpayers", "tb_retfile", "tb_taxdata", "tb_taxnoa", "tb_history"})
        if (!tableExists(table))
            return false;
    if (!m_connection.transaction())
        return false;
    QSqlQuery q(m_connection);
    const bool written = q.exec(QStringLiteral("insert into tb_config (name, value) values ('', '')"));
    q.finish();
    m_connection.rollback();
    return written;
}

int CSqliteDBManager::close()
{
    if (m_opened && m_connection.isOpen())
        m_connection.close();
    return 0;
}

bool CSqliteDBManager::tableExists(const char *table)
{
    QSqlQuery q(m_connection);
    return q.exec(QStringLiteral("select count(*) from ") + QString::fromLatin1(table));
}

int CSqliteDBManager::findRetFileByPath(const QString &path)
{
    try {
        QSqlQuery q(m_connection);
        q.prepare(QStringLiteral("select id from tb_retfile where filepath=:path order by open_time desc"));
        q.bindValue(QStringLiteral(":path"), path);
        if (!q.exec() || !q.next())
            return 0;
        const int id = q.value(0).toInt();
        QList<int> older;
        while (q.next())
            older << q.value(0).toInt();
        q.finish();
        for (int old : older)
            deleteRetFileById(old);
        return id;
    } catch (...) {
        return -100;
    }
}

int CSqliteDBManager::saveRetFile(const QString &name1, const QString &name2, const QString &path)
{
    const int id = findRetFileByPath(path);
    if (id > 0) {
        QSqlQuery q(m_connection);
        q.prepare(QStringLiteral("update tb_retfile set name1=:name1, name2=:name2, filepath=:path, "
                                 "open_time=datetime('now','localtime') where id=:id"));
        q.bindValue(QStringLiteral(":name1"), name1);
        q.bindValue(QStringLiteral(":name2"), name2);
        q.bindValue(QStringLiteral(":path"), path);
        q.bindValue(QStringLiteral(":id"), id);
        return q.exec() ? id : 0;
    }
    return addRetFile(name1.toUtf8().toStdString(), name2.toUtf8().toStdString(), path.toUtf8().toStdString());
}

int CSqliteDBManager::addRetFile(const std::string &name1, const std::string &name2, const std::string &path)
{
    try {
        QSqlQuery q(m_connection);
        q.prepare(QStringLiteral("insert into tb_retfile (name1, name2, filepath, open_time) "
                                 "values (:name1,:name2, :path, datetime('now','localtime'))"));
        q.bindValue(QStringLiteral(":name1"), QString::fromStdString(name1));
        q.bindValue(QStringLiteral(":name2"), QString::fromStdString(name2));
        q.bindValue(QStringLiteral(":path"), QString::fromStdString(path));
        if (!q.exec())
            return 0;
        return q.lastInsertId().toInt();
    } catch (...) {
        return 0;
    }
}

int CSqliteDBManager::listRetFiles(ReturnFileEntriesModel *model, const QString &filter)
{
    try {
        model->clear();
        QString sql = QStringLiteral("select id, name1, name2, filepath, open_time from tb_retfile");
        // a name holding the filter, or a S.I.N. (kept through the entry's taxpayers) holding it
        if (!filter.isEmpty())
            sql += QStringLiteral(" WHERE name1 LIKE :f1 ESCAPE '\\' OR name2 LIKE :f2 ESCAPE '\\'"
                                  " OR uid1 IN (select id from tb_taxpayers where sin LIKE :s1 ESCAPE '\\')"
                                  " OR uid2 IN (select id from tb_taxpayers where sin LIKE :s2 ESCAPE '\\')");
        sql += QStringLiteral(" order by open_time desc, id");
        QSqlQuery q(m_connection);
        q.prepare(sql);
        if (!filter.isEmpty()) {
            const QString pattern = containsPattern(filter);
            q.bindValue(QStringLiteral(":f1"), pattern);
            q.bindValue(QStringLiteral(":f2"), pattern);
            const QString sinPattern = containsPattern(sinFilterText(filter));
            q.bindValue(QStringLiteral(":s1"), sinPattern);
            q.bindValue(QStringLiteral(":s2"), sinPattern);
        }
        if (!q.exec())
            return 0;
        int count = 0;
        while (q.next()) {
            auto e = new ReturnFileEntry;
            e->id = q.value(0).toInt();
            e->name = q.value(1).toString();
            const QString name2 = q.value(2).toString();
            if (!name2.isEmpty())
                e->name += QStringLiteral(" & ") + name2;
            e->path = q.value(3).toString();
            e->openTime = q.value(4).toString();
            model->appendEntry(e);
            ++count;
        }
        return count;
    } catch (...) {
        return -100;
    }
}

int CSqliteDBManager::taxpayerOfSin(const QString &sin, const QString &name)
{
    const QString digits = storedSin(sin);
    if (digits.isEmpty())
        return 0;
    QSqlQuery q(m_connection);
    q.prepare(QStringLiteral("select id from tb_taxpayers where sin=:sin order by id desc"));
    q.bindValue(QStringLiteral(":sin"), digits);
    if (q.exec() && q.next())
        return q.value(0).toInt();
    q.finish();
    q.prepare(QStringLiteral("insert into tb_taxpayers (name, sin, phone, email) values (:name, :sin, '', '')"));
    q.bindValue(QStringLiteral(":name"), name);
    q.bindValue(QStringLiteral(":sin"), digits);
    return q.exec() ? q.lastInsertId().toInt() : 0;
}

int CSqliteDBManager::setRetFileSins(const QString &path, const QString &name1, const QString &sin1,
                                     const QString &name2, const QString &sin2)
{
    try {
        const int uid1 = taxpayerOfSin(sin1, name1);
        const int uid2 = taxpayerOfSin(sin2, name2);
        QSqlQuery q(m_connection);
        q.prepare(QStringLiteral("update tb_retfile set uid1=:uid1, uid2=:uid2 where filepath=:path"));
        q.bindValue(QStringLiteral(":uid1"), uid1 > 0 ? QVariant(uid1) : QVariant(QVariant::Int));
        q.bindValue(QStringLiteral(":uid2"), uid2 > 0 ? QVariant(uid2) : QVariant(QVariant::Int));
        q.bindValue(QStringLiteral(":path"), path);
        return q.exec() ? q.numRowsAffected() : 0;
    } catch (...) {
        return -100;
    }
}

int CSqliteDBManager::deleteRetFileByPath(const std::string &path)
{
    try {
        QSqlQuery q(m_connection);
        q.prepare(QStringLiteral("delete from tb_retfile where filepath=:path"));
        q.bindValue(QStringLiteral(":path"), QString::fromStdString(path));
        q.exec();
        return 0;
    } catch (...) {
        return -1;
    }
}

int CSqliteDBManager::deleteRetFileById(int id)
{
    try {
        QSqlQuery q(m_connection);
        q.prepare(QStringLiteral("delete from tb_retfile where id=:id"));
        q.bindValue(QStringLiteral(":id"), id);
        q.exec();
        return 1;
    } catch (...) {
        return -100;
    }
}

int CSqliteDBManager::purgeMissingRetFiles()
{
    QList<int> missing;
    {
        QSqlQuery q(m_connection);
        if (!q.exec(QStringLiteral("select id, filepath from tb_retfile")))
            return 0;
        while (q.next())
            if (!QFileInfo(q.value(1).toString()).isFile())
                missing << q.value(0).toInt();
    }
    // one transaction for the lot, not one write per entry
    const bool inTransaction = m_connection.transaction();
    for (int id : missing)
        deleteRetFileById(id);
    if (inTransaction && !m_connection.commit())
        m_connection.rollback();
    return missing.size();
}

// ---- tb_config ----

int getConfigString(const char *name, CString &value, int pathOption)
{
    try {
        QSqlQuery q;
        q.prepare(QStringLiteral("select id, value from tb_config where name=:name order by id desc"));
        q.bindValue(QStringLiteral(":name"), QString::fromUtf8(name));
        int id = 0;
        if (q.exec() && q.next()) {
            QString v = q.value(1).toString().trimmed();
            if (pathOption == 1)
                v = QDir::toNativeSeparators(v);
            value = v;
            id = q.value(0).toInt();
        }
        q.finish();
        return id;
    } catch (...) {
        return -100;
    }
}

int setConfigString(const char *name, const QString &value, int pathOption)
{
    try {
        CString scratch;
        const int id = getConfigString(name, scratch, 0);
        QSqlQuery q;
        if (id < 1) {
            QString v = value.trimmed();
            if (pathOption == 1)
                v = QDir::toNativeSeparators(v);
            q.prepare(QStringLiteral("insert into tb_config (name, value) values (:name,:value)"));
            q.bindValue(QStringLiteral(":name"), QString::fromUtf8(name));
            q.bindValue(QStringLiteral(":value"), v);
            q.exec();
            return 0;
        }
        q.prepare(QStringLiteral("update tb_config set value=? where id=?"));
        q.addBindValue(value);
        q.addBindValue(id);
        return q.exec() ? 1 : 0;
    } catch (...) {
        return -100;
    }
}

int getConfigInt(const char *name, int &value)
{
    CString text;
    const int id = getConfigString(name, text, 0);
    if (id > 0)
        value = static_cast<int>(myStringToDouble(text.toStdStringUTF8()));
    return id;
}

int getConfigBool(const char *name, bool &value)
{
    int number = 0;
    const int id = getConfigInt(name, number);
    if (id > 0)
        value = number != 0;
    return id;
}

int setConfigInt(const char *name, int value)
{
    return setConfigString(name, QString::number(value), 0);
}

int setConfigBool(const char *name, bool value)
{
    return setConfigString(name, value ? QStringLiteral("1") : QStringLiteral("0"), 0);
}
