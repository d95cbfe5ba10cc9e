#pragma once
#include "filestamp.h"
#include <QByteArray>
#include <QFileDevice>
#include <QIODevice>
#include <QString>

// Files that hold a return's data (S.I.N.s, incomes, passwords) are private to
// their owner, and a file that replaces another is written whole or not at all.

// Owner read and write; an existing file at the path keeps its mode when that is stricter.
QFileDevice::Permissions privateFilePermissions(const QString &existingPath);
// Makes the file (mode 0600) when it is missing; an existing regular file loses group and other access.
bool makePrivateFile(const QString &path);
// The message of a write to path that failed for reason.
QString cannotWriteText(const QString &path, const QString &reason);
// The whole of bytes replaces the file at path (private), or nothing changes.
bool writeFileWhole(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// A file that replaces its target whole or not at all. The bytes go to a
// temporary beside the target, ".<name>.bqsave-XXXXXX", owner-only from its
// creation (or the target's stricter mode), which takes the target's place
// only when every byte reached the disk; the folder is synced after the rename.
// A target that is a symbolic link stays: the file it led to at open() is
// replaced. A failure before the rename leaves the target as it was, removes
// the temporary and gives the system's reason in errorString().
class ReplacingFile : public QIODevice
{
public:
    explicit ReplacingFile(const QString &target);
    ~ReplacingFile() override;
    ReplacingFile(const ReplacingFile &) = delete;
    ReplacingFile &operator=(const ReplacingFile &) = delete;

    // Only for writing: the mode is WriteOnly whatever is asked.
    bool open(OpenMode mode = WriteOnly) override;
    bool isSequential() const override { return true; }
    // Writes out what is buffered (the temporary then holds every byte written).
    bool flush();
    bool commit();
    // Drops what was written; the target stays as it was.
    void cancel();
    void close() override { cancel(); }

    QString target() const { return m_target; }
    QString temporaryPath() const { return m_temporary; }
    // After a commit: the stamp of the file that now stands at the target.
    const FileStamp &written() const { return m_written; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 len) override;

private:
    bool fail(const QString &reason);
    bool failWithSystemError();
    void dropTemporary();

    QString m_target;
    QString m_replaced;   // the file the commit replaces: the target, or where its links led at open
    QString m_temporary;
    int m_fd = -1;
    QByteArray m_buffer;
    FileStamp m_written;
};

// A save that was killed leaves its temporary beside the target (the whole
// return, S.I.N.s included). Removes those of path, known by their name and by
// what they hold (nothing, or first leadingBytes), that are regular files of
// this user older than minAgeSeconds (a save of another process may be under
// way); the number removed. A file of any other name or content stays.
int removeStaleSaveFiles(const QString &path, const QByteArray &leadingBytes, int minAgeSeconds = 10);
// Creates a folder and its parents; the folders made here are owner-only (0700).
bool makePrivateFolder(const QString &path);
