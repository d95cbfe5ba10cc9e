#include "privatefile.h"
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringList>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// the owner bits of the mode (the "User" flags only tell what this process may do)
constexpr QFileDevice::Permissions kOwnerReadWrite = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions kGroupAndOther = QFileDevice::ReadGroup | QFileDevice::WriteGroup
    | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
constexpr QFileDevice::Permissions kOwnerAll = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Bytes a temporary gathers before they go to the disk.
constexpr int kWriteChunk = 64 * 1024;
const QLatin1String kTemporaryTag(".bqsave-");
constexpr int kTemporaryRandomChars = 6;

// The file a write to path replaces: a symbolic link stays and its target is replaced.
QString finalTarget(const QString &path)
{
    QFileInfo info(path);
    for (int depth = 0; depth < 128 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? path : info.filePath();
}

QString temporaryPrefix(const QFileInfo &target)
{
    return QLatin1Char('.') + target.fileName() + kTemporaryTag;
}

QString randomLettersAndDigits(int count)
{
    static const char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString text;
    for (int i = 0; i < count; ++i)
        text += QLatin1Char(kChars[QRandomGenerator::global()->bounded(int(sizeof kChars) - 1)]);
    return text;
}

bool isTemporaryName(const QString &name, const QString &prefix)
{
    if (name.size() != prefix.size() + kTemporaryRandomChars || !name.startsWith(prefix))
        return false;
    for (int i = prefix.size(); i < name.size(); ++i) {
        const ushort c = name.at(i).unicode();
        if (c > 127 || !std::isalnum(c))
            return false;
    }
    return true;
}

// The open file of size bytes is empty, or begins with leadingBytes.
bool holdsOnly(int fd, off_t size, const QByteArray &leadingBytes)
{
    if (size == 0)
        return true;
    if (leadingBytes.isEmpty() || size < leadingBytes.size())
        return false;
    QByteArray head(leadingBytes.size(), '\0');
    for (int got = 0; got < head.size();) {
        const ssize_t n = ::read(fd, head.data() + got, size_t(head.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        got += int(n);
    }
    return head == leadingBytes;
}

qint64 modifiedMSecs(const struct stat &st)
{
    return qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
}

// The file at path is a temporary a killed save left: a regular file of this user,
// last changed before beforeMSecs, holding nothing or leadingBytes. It is opened
// without following a link or waiting on a FIFO, and checked through that
// descriptor; identity is what was checked.
bool isStaleTemporary(const QByteArray &path, const QByteArray &leadingBytes, qint64 beforeMSecs, struct stat &identity)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool stale = ::fstat(fd, &identity) == 0 && S_ISREG(identity.st_mode) && identity.st_uid == ::getuid()
        && modifiedMSecs(identity) <= beforeMSecs && holdsOnly(fd, identity.st_size, leadingBytes);
    ::close(fd);
    return stale;
}

// Removes path when the name still leads to the file that was checked.
bool removeIfStill(const QByteArray &path, const struct stat &checked)
{
    struct stat now{};
    return ::lstat(path.constData(), &now) == 0 && now.st_dev == checked.st_dev && now.st_ino == checked.st_ino
        && ::unlink(path.constData()) == 0;
}

// A rename lasts through a power cut only once its folder reaches the disk.
bool syncFolderOf(const QString &path)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    errno = error;
    return synced;
}

mode_t ownerMode(QFileDevice::Permissions permissions)
{
    return (permissions & QFileDevice::ReadOwner ? S_IRUSR : 0) | (permissions & QFileDevice::WriteOwner ? S_IWUSR : 0);
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

QString cannotWriteText(const QString &path, const QString &reason)
{
    return QStringLiteral("The file %1 cannot be written: %2").arg(path, reason);
}

bool writeFileWhole(const QString &path, const QByteArray &bytes, QString *error)
{
    ReplacingFile file(path);
    if (!file.open() || file.write(bytes) != bytes.size() || !file.commit()) {
        setError(error, cannotWriteText(path, file.errorString()));
        file.cancel();
        return false;
    }
    return true;
}

ReplacingFile::ReplacingFile(const QString &target) : m_target(target) {}

ReplacingFile::~ReplacingFile()
{
    cancel();
}

bool ReplacingFile::open(OpenMode)
{
    if (isOpen()) {
        setErrorString(QStringLiteral("the file is already open"));
        return false;
    }
    const QFileInfo target(finalTarget(m_target));
    m_replaced = target.absoluteFilePath();
    if (target.isDir())
        return fail(QStringLiteral("it is a folder"));
    if (target.exists() && ::access(QFile::encodeName(target.filePath()).constData(), W_OK) != 0)
        return failWithSystemError();
    const mode_t mode = ownerMode(privateFilePermissions(target.filePath()));
    const QString stem = target.absoluteDir().filePath(temporaryPrefix(target));
    for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
        const QString candidate = stem + randomLettersAndDigits(kTemporaryRandomChars);
        m_fd = ::open(QFile::encodeName(candidate).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, S_IRUSR | S_IWUSR);
        if (m_fd >= 0)
            m_temporary = candidate;
        else if (errno != EEXIST)
            return failWithSystemError();
    }
    if (m_fd < 0)
        return fail(systemReason(EEXIST));
    if (mode != (S_IRUSR | S_IWUSR) && ::fchmod(m_fd, mode) != 0)
        return failWithSystemError();
    m_buffer.reserve(kWriteChunk);
    return QIODevice::open(WriteOnly | Unbuffered);
}

qint64 ReplacingFile::writeData(const char *data, qint64 len)
{
    if (m_fd < 0)
        return -1;
    m_buffer.append(data, int(len));
    if (m_buffer.size() >= kWriteChunk && !flush())
        return -1;
    return len;
}

bool ReplacingFile::flush()
{
    if (m_fd < 0)
        return false;
    const char *p = m_buffer.constData();
    qint64 left = m_buffer.size();
    while (left > 0) {
        const ssize_t n = ::write(m_fd, p, size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n == 0 ? fail(systemReason(EIO)) : failWithSystemError();
        p += n;
        left -= n;
    }
    m_buffer.clear();
    return true;
}

bool ReplacingFile::commit()
{
    if (m_fd < 0 || !flush())
        return false;
    if (::fsync(m_fd) != 0)
        return failWithSystemError();
    // the rename keeps the file's identity, size and time
    const FileStamp written = FileStamp::ofDescriptor(m_fd);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        return failWithSystemError();
    if (::rename(QFile::encodeName(m_temporary).constData(), QFile::encodeName(m_replaced).constData()) != 0)
        return failWithSystemError();
    m_temporary.clear();
    m_written = written;
    if (!syncFolderOf(m_replaced))
        return failWithSystemError();
    QIODevice::close();
    return true;
}

void ReplacingFile::cancel()
{
    dropTemporary();
    if (isOpen())
        QIODevice::close();
}

// The device stays open (a stream's later writes fail quietly) until cancel or close.
bool ReplacingFile::fail(const QString &reason)
{
    setErrorString(reason);
    dropTemporary();
    return false;
}

bool ReplacingFile::failWithSystemError()
{
    return fail(systemReason(errno));
}

void ReplacingFile::dropTemporary()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    if (!m_temporary.isEmpty())
        ::unlink(QFile::encodeName(m_temporary).constData());
    m_temporary.clear();
    m_buffer.clear();
}

int removeStaleSaveFiles(const QString &path, const QByteArray &leadingBytes, int minAgeSeconds)
{
    const QFileInfo target(finalTarget(path));
    if (target.fileName().isEmpty())
        return 0;
    const QString prefix = temporaryPrefix(target);
    const qint64 before = QDateTime::currentMSecsSinceEpoch() - qint64(minAgeSeconds) * 1000;
    int removed = 0;
    QDirIterator it(target.absolutePath(), QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        if (!isTemporaryName(it.fileName(), prefix))
            continue;
        const QByteArray candidate = QFile::encodeName(it.filePath());
        struct stat checked{};
        if (isStaleTemporary(candidate, leadingBytes, before, checked) && removeIfStill(candidate, checked))
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
