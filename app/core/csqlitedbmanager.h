#pragma once
#include "cstring.h"
#include <QSqlDatabase>
#include <QString>

class ReturnFileEntriesModel;

// "mydata2024e.db"
void defaultDbFileName(CString &name);

// The program's SQLite database on Qt's default connection: the schema, the
// recent-files list (tb_retfile) and the open/close of the file.
class CSqliteDBManager
{
public:
    CSqliteDBManager();
    virtual ~CSqliteDBManager();

    // folder in: the database's folder; out: the file's full path (native separators).
    // 0 opened; 103 the file cannot be opened or cannot be written; 99 a caught failure.
    int open(CString &folder);
    int close();
    bool isOpened() const { return m_opened; }
    QSqlDatabase &connection() { return m_connection; }

    bool tableExists(const char *table);
    int saveRetFile(const QString &name1, const QString &name2, const QString &path);
    int findRetFileByPath(const QString &path);
    int addRetFile(const std::string &name1, const std::string &name2, const std::string &path);
    // Fills the model (newest first, then by id) with the entries whose first or
    // second name, or one of whose S.I.N.s, contains the filter (case-insensitive
    // for ASCII letters, taken literally; blanks and dashes in a number are dropped).
    int listRetFiles(ReturnFileEntriesModel *model, const QString &filter);
    // Keeps the S.I.N.s of the persons of a listed return file: uid1 and uid2 of its
    // entries name their taxpayers (found by S.I.N., or added). The number of entries updated.
    int setRetFileSins(const QString &path, const QString &name1, const QString &sin1, const QString &name2,
                       const QString &sin2);
    int deleteRetFileByPath(const std::string &path);
    int deleteRetFileById(int id);
    // Removes the entries whose file is gone or is not a regular file; returns how many.
    int purgeMissingRetFiles();

private:
    // False when the write lock is not had within a few seconds or the schema is not committed.
    bool createMissingTables();
    bool canWrite();
    // Id of the taxpayer of the S.I.N. (added with the name when missing); 0 for no S.I.N.
    int taxpayerOfSin(const QString &sin, const QString &name);

    QSqlDatabase m_connection;
    bool m_opened = false;
};

// Preferences in tb_config: the newest row of a name is its value. The path
// option 1 marks a folder (native separators). Reads return the row's id, 0 for
// no row (the out value is left alone), -100 on a caught failure.
int getConfigString(const char *name, CString &value, int pathOption = 0);
int setConfigString(const char *name, const QString &value, int pathOption = 0);
int getConfigInt(const char *name, int &value);
int getConfigBool(const char *name, bool &value);
int setConfigInt(const char *name, int value);
int setConfigBool(const char *name, bool value);
