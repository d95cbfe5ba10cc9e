#include "filinglog.h"
#include <QRegularExpression>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool FilingLog::open(const QString &path, bool append)
{
    close();
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_CLOEXEC | (append ? O_APPEND : O_TRUNC), 0600);
    if (fd < 0)
        return false;
    ::fchmod(fd, 0600);
    if (!m_file.open(fd, QIODevice::WriteOnly | (append ? QIODevice::Append : QIODevice::NotOpen),
                     QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

void FilingLog::write(const QByteArray &text)
{
    if (m_file.isOpen())
        m_file.write(mask(text));
}

void FilingLog::flush()
{
    if (m_file.isOpen())
        m_file.flush();
}

void FilingLog::close()
{
    if (m_file.isOpen())
        m_file.close();
}

namespace {
// A bank account keeps its last three characters ("****543"); a short one none.
QString maskAccounts(const QString &t)
{
    static const QRegularExpression account(QStringLiteral(
        "(<([A-Za-z0-9_.:-]*AccountNumber)(?:\\s[^>]*)?>)([^<]*)(</\\2>)"),
        QRegularExpression::CaseInsensitiveOption);
    QString out;
    int last = 0;
    auto it = account.globalMatch(t);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const QString number = m.captured(3).trimmed();
        out += t.midRef(last, m.capturedStart(3) - last);
        const int kept = number.size() > 5 ? 3 : 0;
        out += QString(number.size() - kept, QLatin1Char('*')) + number.right(kept);
        last = m.capturedEnd(3);
    }
    return out + t.midRef(last);
}
} // namespace

QByteArray FilingLog::mask(const QByteArray &text)
{
    static const QRegularExpression secret(QStringLiteral(
        "(<([A-Za-z0-9_.:-]*(?:Password|Pswd|AccessCode|BirthDate)[A-Za-z0-9_.-]*)(?:\\s[^>]*)?>)([^<]*)(</\\2>)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression sin(QStringLiteral("(?<![0-9A-Za-z])([0-9])[0-9]{2}([ -]?)[0-9]{3}\\2[0-9]([0-9]{2})(?![0-9A-Za-z])"));
    QString t = QString::fromUtf8(text);
    t.replace(secret, QStringLiteral("\\1****\\4"));
    t = maskAccounts(t);
    QString out;
    int last = 0;
    auto it = sin.globalMatch(t);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += t.midRef(last, m.capturedStart() - last);
        const QString whole = m.captured(0);
        // 1*****789: first digit and last three kept, separators too.
        QString masked = whole.left(1);
        for (int i = 1; i < whole.size() - 3; ++i)
            masked += whole.at(i) == QLatin1Char(' ') || whole.at(i) == QLatin1Char('-') ? whole.at(i)
                                                                                         : QLatin1Char('*');
        masked += whole.right(3);
        out += masked;
        last = m.capturedEnd();
    }
    out += t.midRef(last);
    return out.toUtf8();
}
