#include "xmlwriters.h"
#include <QRegularExpression>

namespace {

void appendEscaped(QString &out, QChar c)
{
    switch (c.unicode()) {
    case '&': out += QLatin1String("&amp;"); break;
    case '<': out += QLatin1String("&lt;"); break;
    case '>': out += QLatin1String("&gt;"); break;
    case '"': out += QLatin1String("&quot;"); break;
    case '\'': out += QLatin1String("&apos;"); break;
    default: out += c;
    }
}

// Length of the entity reference starting at i ("&amp;", "&#38;", "&#x26;"), 0 when none.
int entityLength(const QString &text, int i)
{
    static const QRegularExpression entity(
        QStringLiteral("&(amp|lt|gt|quot|apos|#[0-9]{1,7}|#x[0-9A-Fa-f]{1,6});"));
    const QRegularExpressionMatch m = entity.match(text, i, QRegularExpression::NormalMatch,
                                                   QRegularExpression::AnchoredMatchOption);
    return m.hasMatch() ? m.capturedLength() : 0;
}

} // namespace

CString convertToXMLString(const QString &text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (QChar c : text)
        appendEscaped(out, c);
    return CString(out);
}

CString convertToXMLStringOnce(const QString &text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const int n = c == QLatin1Char('&') ? entityLength(text, i) : 0;
        if (n > 0) {
            out += text.midRef(i, n);
            i += n - 1;
        } else {
            appendEscaped(out, c);
        }
    }
    return CString(out);
}

void writeXMLString(QString &out, const QString &tag, const QString &value, int limit)
{
    writeXMLOpenTagString(out, tag);
    out += convertToXMLString(limit > 0 ? value.left(limit) : value);
    writeXMLCloseTagString(out, tag);
}

void writeXMLOpenTagString(QString &out, const QString &tag)
{
    out += QLatin1Char('<');
    out += tag;
    out += QLatin1Char('>');
}

void writeXMLCloseTagString(QString &out, const QString &tag)
{
    out += QLatin1String("</");
    out += tag;
    out += QLatin1Char('>');
}
