#include "tddlogfile.h"
#include <QDateTime>
#include <QFile>
#include <QMutex>
#include <cstdarg>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
FILE *openOwnerOnly(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
    if (fd < 0)
        return nullptr;
    ::fchmod(fd, 0600);
    FILE *file = ::fdopen(fd, "a");
    if (!file)
        ::close(fd);
    return file;
}
} // namespace

bool TddLogFile::open(const QString &path)
{
    close();
    m_file = openOwnerOnly(path);
    return m_file != nullptr;
}

void TddLogFile::close()
{
    if (m_file) {
        std::fclose(m_file);
        m_file = nullptr;
    }
}

void TddLogFile::printf(const char *format, ...)
{
    if (!m_file)
        return;
    va_list args;
    va_start(args, format);
    std::vfprintf(m_file, format, args);
    va_end(args);
    std::fflush(m_file);
}

std::string maskSinForLog(const std::string &sin)
{
    if (sin.size() <= 5)
        return std::string(sin.size(), 'x');
    return "xxxxx" + sin.substr(5);
}

bool appendTddLogLine(const QString &path, const char *text)
{
    static QMutex mutex;
    QMutexLocker lock(&mutex);
    FILE *file = openOwnerOnly(path);
    if (!file)
        return false;
    const QByteArray now = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss ")).toUtf8();
    std::fprintf(file, "Log: %s%s\n", now.constData(), text ? text : "");
    std::fclose(file);
    return true;
}
