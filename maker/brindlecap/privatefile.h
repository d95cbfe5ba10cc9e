#pragma once
#include <QByteArray>
#include <QFileDevice>
#include <QString>

class QSaveFile;

// Files that hold a return's data (S.I.N.s, incomes, passwords) are private to
// their owner, and a file that replaces another is written whole or not at all.

// Owner read and write; an existing file at the path keeps its mode when that is stricter.
QFileDevice::Permissions privateFilePermissions(const QString &existingPath);
// Makes the file (mode 0600) when it is missing; an existing regular file loses group and other access.
bool makePrivateFile(const QString &path);
// Opens a QSaveFile for writing with the private permissions of its target.
bool openPrivateSaveFile(QSaveFile &file);
// Writes out what the QSaveFile still buffers, checks every write, then commits;
// on any failure the target is left as it was and error (when given) says why.
bool commitSaveFile(QSaveFile &file, QString *error = nullptr);
// The whole of bytes replaces the file at path (private), or nothing changes.
bool writeFileWhole(const QString &path, const QByteArray &bytes, QString *error = nullptr);
// A save that was killed leaves its temporary file (the whole return, S.I.N.s
// included) beside the target: "<name>.XXXXXX". Removes those of path that are
// regular files of this user and older than minAgeSeconds (a save of another
// process may be under way); the number removed.
int removeStaleSaveFiles(const QString &path, int minAgeSeconds = 10);
// Creates a folder and its parents; the folders made here are owner-only (0700).
bool makePrivateFolder(const QString &path);
