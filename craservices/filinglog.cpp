#include "filinglog.h"
#include <QRegularExpression>
#include <functional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool FilingLog::open(const QString &path, bool append)
{
    close();
    m_quiet = false;
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

void FilingLog::put(const QByteArray &text)
{
    if (m_file.isOpen())
        m_file.write(mask(text));
}

void FilingLog::write(const QByteArray &text)
{
    if (!m_quiet)
        put(text);
}

void FilingLog::writeReason(const QString &failure)
{
    if (!failure.isEmpty())
        put(QStringLiteral("reason: %1\n").arg(failure).toUtf8());
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
// t with the captured group of every match of re replaced by what masked makes of it.
QString maskCaptured(const QString &t, const QRegularExpression &re, int group,
                     const std::function<QString(const QString &)> &masked)
{
    QString out;
    int last = 0;
    auto it = re.globalMatch(t);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += t.midRef(last, m.capturedStart(group) - last);
        out += masked(m.captured(group));
        last = m.capturedEnd(group);
    }
    return out + t.midRef(last);
}

// A bank account keeps its last three characters ("****543"); a short one none.
QString maskAccount(const QString &content)
{
    const QString number = content.trimmed();
    const int kept = number.size() > 5 ? 3 : 0;
    return QString(number.size() - kept, QLatin1Char('*')) + number.right(kept);
}

// The first nine digits of text as a S.I.N. is shown (1*****789: the first and
// the last three kept, blanks and hyphens between them too); what follows
// them stays. Fewer digits are all starred.
QString maskLeadingSin(const QString &text)
{
    QList<int> digits;
    for (int i = 0; i < text.size() && digits.size() < 9; ++i)
        if (text.at(i).isDigit())
            digits << i;
    QString out = text;
    for (int k = 0; k < digits.size(); ++k)
        if (digits.size() < 9 || (k > 0 && k < 6))
            out[digits.at(k)] = QLatin1Char('*');
    return out;
}
} // namespace

QByteArray FilingLog::mask(const QByteArray &text)
{
    static const QRegularExpression secret(QStringLiteral(
        "(<([A-Za-z0-9_.:-]*(?:Password|Pswd|AccessCode|BirthDate)[A-Za-z0-9_.-]*)(?:\\s[^>]*)?>)([^<]*)(</\\2>)"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression account(QStringLiteral(
        "(<([A-Za-z0-9_.:-]*AccountNumber)(?:\\s[^>]*)?>)([^<]*)(</\\2>)"),
        QRegularExpression::CaseInsensitiveOption);
    // The elements that hold a S.I.N. by their name, whatever follows it in
    // them (the T1013's unique document number is the S.I.N. and the date).
    static const QRegularExpression sinElement(QStringLiteral(
        "(<((?:[A-Za-z0-9_.-]+:)?(?:[A-Za-z0-9_.-]*SocialInsuranceNumber|ClientID|UniqueDocumentNumber|SIN))"
        "(?:\\s[^>]*)?>)([^<]*)(</\\2>)"),
        QRegularExpression::CaseInsensitiveOption);
    // Any other nine digits standing alone, bare or in groups of three.
    static const QRegularExpression sin(QStringLiteral(
        "(?<![0-9A-Za-z])[0-9]{3}([ -]?)[0-9]{3}\\1[0-9]{3}(?![0-9A-Za-z])"));
    QString t = QString::fromUtf8(text);
    t.replace(secret, QStringLiteral("\\1****\\4"));
    t = maskCaptured(t, account, 3, maskAccount);
    t = maskCaptured(t, sinElement, 3, maskLeadingSin);
    t = maskCaptured(t, sin, 0, maskLeadingSin);
    return t.toUtf8();
}
