#include "privatefile.h"
#include <QDateTime>
#include <QDir>
#include <QRegularExpression>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>
#include <fcntl.h>
#include <unistd.h>

namespace {
// the owner bits of the mode (the "User" flags only tell what this process may do)
constexpr QFileDevice::Permissions kOwnerReadWrite = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions kGroupAndOther = QFileDevice::ReadGroup | QFileDevice::WriteGroup
    | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
constexpr QFileDevice::Permissions kOwnerAll = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

QString describe(const QFileDevice &file)
{
    const QString reason = file.errorString();
    return reason.isEmpty() ? QStringLiteral("write error") : reason;
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}
} // namespace

QFileDevice::Permissions privateFilePermissions(const QString &existingPath)
{
    const QFileInfo info(existingPath);
    if (!info.isFile())
        return kOwnerReadWrite;
    const QFileDevice::Permissions current = QFile::permissions(existingPath);
    const QFileDevice::Permissions kept = current & kOwnerReadWrite;
    // a file its owner cannot write is kept as it is; an empty mode would lock the owner out
    return kept ? kept : kOwnerReadWrite;
}

bool makePrivateFile(const QString &path)
{
    const QByteArray local = QFile::encodeName(path);
    const QFileInfo info(path);
    if (!info.exists()) {
        const int fd = ::open(local.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
        if (fd < 0)
            return QFileInfo::exists(path);
        ::close(fd);
        return true;
    }
    if (!info.isFile())
        return false;
    const QFileDevice::Permissions p = QFile::permissions(path);
    return !(p & kGroupAndOther) || QFile::setPermissions(path, p & ~kGroupAndOther);
}

bool openPrivateSaveFile(QSaveFile &file)
{
    const QFileDevice::Permissions mode = privateFilePermissions(file.fileName());
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!file.setPermissions(mode)) {
        file.cancelWriting();
        return false;
    }
    return true;
}

bool commitSaveFile(QSaveFile &file, QString *error)
{
    // QSaveFile buffers small files: the bytes reach the disk only here, and
    // Qt 5's commit() renames the file even when that last write fails.
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        setError(error, QStringLiteral("The file %1 cannot be written: %2").arg(file.fileName(), describe(file)));
        file.cancelWriting();
        file.commit(); // drops the temporary file; the old file stays
        return false;
    }
    if (!file.commit()) {
        setError(error, QStringLiteral("The file %1 cannot be written: %2").arg(file.fileName(), describe(file)));
        return false;
    }
    return true;
}

bool writeFileWhole(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!openPrivateSaveFile(file)) {
        setError(error, QStringLiteral("The file %1 cannot be written: %2").arg(path, describe(file)));
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        setError(error, QStringLiteral("The file %1 cannot be written: %2").arg(path, describe(file)));
        file.cancelWriting();
        file.commit();
        return false;
    }
    return commitSaveFile(file, error);
}

int removeStaleSaveFiles(const QString &path, int minAgeSeconds)
{
    const QFileInfo target(path);
    const QString name = target.fileName();
    if (name.isEmpty())
        return 0;
    // QSaveFile's temporary: the target's name, a dot and six letters or digits
    const QRegularExpression pattern(QRegularExpression::anchoredPattern(QRegularExpression::escape(name)
                                                                         + QStringLiteral("\\.[A-Za-z0-9]{6}")));
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-minAgeSeconds);
    const QDir folder = target.absoluteDir();
    int removed = 0;
    for (const QFileInfo &candidate : folder.entryInfoList({name + QStringLiteral(".??????")},
                                                           QDir::Files | QDir::Hidden | QDir::System)) {
        if (!pattern.match(candidate.fileName()).hasMatch() || candidate.isSymLink() || !candidate.isFile())
            continue;
        if (candidate.ownerId() != ::getuid() || candidate.lastModified().toUTC() > before)
            continue;
        if (QFile::remove(candidate.filePath()))
            ++removed;
    }
    return removed;
}

bool makePrivateFolder(const QString &path)
{
    if (path.isEmpty())
        return false;
    QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (QFileInfo(absolute).isDir())
        return true;
    // the folders missing now, innermost last
    QStringList missing;
    for (QString p = absolute; !p.isEmpty() && !QFileInfo::exists(p); p = QFileInfo(p).path()) {
        missing.prepend(p);
        if (QFileInfo(p).path() == p)
            break;
    }
    if (!QDir().mkpath(absolute))
        return false;
    for (const QString &made : qAsConst(missing))
        QFile::setPermissions(made, kOwnerAll);
    return true;
}
