#include "filestamp.h"
#include <QFile>
#include <sys/stat.h>

namespace {
FileStamp fromStat(const struct stat &st)
{
    FileStamp stamp;
    stamp.known = true;
    stamp.device = quint64(st.st_dev);
    stamp.inode = quint64(st.st_ino);
    stamp.size = qint64(st.st_size);
    stamp.modifiedSecs = qint64(st.st_mtim.tv_sec);
    stamp.modifiedNanos = qint64(st.st_mtim.tv_nsec);
    return stamp;
}
} // namespace

FileStamp FileStamp::ofPath(const QString &path)
{
    struct stat st{};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &st) != 0)
        return FileStamp();
    return fromStat(st);
}

FileStamp FileStamp::ofDescriptor(int fd)
{
    struct stat st{};
    if (fd < 0 || ::fstat(fd, &st) != 0)
        return FileStamp();
    return fromStat(st);
}

bool FileStamp::operator==(const FileStamp &other) const
{
    return known == other.known && device == other.device && inode == other.inode && size == other.size
        && modifiedSecs == other.modifiedSecs && modifiedNanos == other.modifiedNanos;
}
