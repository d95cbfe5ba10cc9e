#pragma once
#include <QString>
#include <QtGlobal>

// What tells the file at a path apart from another one: its identity (device
// and inode), its size and its last change. A file replaced, rewritten or
// touched behind the program's back has another stamp.
struct FileStamp
{
    bool known = false;   // false: there was no file (or it could not be asked)
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedSecs = 0;
    qint64 modifiedNanos = 0;

    // The file at path now, its links followed.
    static FileStamp ofPath(const QString &path);
    // The open file of the descriptor.
    static FileStamp ofDescriptor(int fd);

    bool operator==(const FileStamp &other) const;
    bool operator!=(const FileStamp &other) const { return !(*this == other); }
};
