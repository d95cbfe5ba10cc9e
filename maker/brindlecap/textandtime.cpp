#include "textandtime.h"
#include "utils.h"
#include <QFile>

CString GetCurTime(int format)
{
    Q_UNUSED(format);
    return CString(GetCurTime().toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

CString getXMLDateTimeString(bool utc)
{
    const QDateTime now = GetCurTime();
    if (utc)
        return CString(now.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + QLatin1Char('Z'));
    const QDateTime local = now.toLocalTime();
    const int offset = local.offsetFromUtc();
    const int minutes = qAbs(offset) / 60;
    return CString(local.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"))
                   + QStringLiteral("%1%2:%3")
                         .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                         .arg(minutes / 60, 2, 10, QLatin1Char('0'))
                         .arg(minutes % 60, 2, 10, QLatin1Char('0')));
}

std::string loadFileToString(const QString &path, int chunkKiB, int maxMiB)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const qint64 limit = qint64(qMax(1, maxMiB)) * 1024 * 1024;
    const qint64 chunk = qint64(qMax(1, chunkKiB)) * 1024;
    if (file.size() > limit)
        return {};
    std::string out;
    out.reserve(size_t(file.size()));
    QByteArray piece;
    while (!(piece = file.read(chunk)).isEmpty()) {
        if (qint64(out.size()) + piece.size() > limit)
            return {};
        out.append(piece.constData(), size_t(piece.size()));
    }
    if (file.error() != QFileDevice::NoError)
        return {};
    return out;
}

namespace {
// One row from text at pos; pos moves past the row's line break.
QStringList parseCsvRow(const std::string &text, size_t &pos)
{
    QStringList fields;
    std::string field;
    bool quoted = false;
    bool inQuotes = false;
    const size_t n = text.size();
    auto endField = [&] {
        fields << QString::fromLatin1(field.data(), int(field.size()));
        field.clear();
        quoted = false;
    };
    while (pos < n) {
        const char c = text[pos++];
        if (inQuotes) {
            if (c == '"' && pos < n && text[pos] == '"') {
                field += '"';
                ++pos;
            } else if (c == '"') {
                inQuotes = false;
            } else {
                field += c;
            }
        } else if (c == '"' && field.empty() && !quoted) {
            inQuotes = true;
            quoted = true;
        } else if (c == ',') {
            endField();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && pos < n && text[pos] == '\n')
                ++pos;
            break;
        } else {
            field += c;
        }
    }
    endField();
    return fields;
}
} // namespace

QList<QStringList> ParseCSV(const std::string &latin1Text)
{
    QList<QStringList> rows;
    size_t pos = 0;
    while (pos < latin1Text.size()) {
        const size_t start = pos;
        QStringList row = parseCsvRow(latin1Text, pos);
        const bool emptyLine = row.size() == 1 && row.first().isEmpty() && latin1Text[start] != '"';
        if (!emptyLine)
            rows << row;
    }
    return rows;
}

bool stringEndwith(const QString &text, const QString &suffix, bool ignoreCase)
{
    return text.endsWith(suffix, ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive);
}

bool stringEndwith(const std::string &text, const std::string &suffix, bool ignoreCase)
{
    if (suffix.size() > text.size())
        return false;
    if (!ignoreCase)
        return text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
    return stringEndwith(QString::fromStdString(text), QString::fromStdString(suffix), true);
}

bool toHtmlOneLineItem(CString &out, const QString &value, const QString &label, const QString &skip)
{
    const QString v = value.trimmed();
    if (v.isEmpty() || (!skip.isEmpty() && v.compare(skip, Qt::CaseInsensitive) == 0))
        return false;
    out += label + QStringLiteral(": ") + v.toHtmlEscaped() + QStringLiteral("<br>\n");
    return true;
}

void toHtmlNewLine(CString &out)
{
    out += QStringLiteral("<br>\n");
}
