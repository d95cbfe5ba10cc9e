#include "utils.h"
#include "privatefile.h"
#include <QDir>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>
#include <cstdio>

double div(double numerator, double denominator, double fallback)
{
    if (denominator == 0.0)
        return fallback;
    return numerator / denominator;
}

int GetDaysInYear(int year)
{
    return QDate::isLeapYear(year) ? 366 : 365;
}

int DaysInCanadaInTaxYear(const QDate &entry, const QDate &departure, int taxYear)
{
    const QDate first(taxYear, 1, 1);
    const QDate last(taxYear, 12, 31);
    QDate from = entry.isValid() && entry > first ? entry : first;
    QDate to = departure.isValid() && departure < last ? departure : last;
    if (from > last || to < first || from > to)
        return 0;
    return int(from.daysTo(to)) + 1;
}

QString GetPureDigitStr(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            out.append(c);
    return out;
}

double myStringToDouble(const QString &text, bool *ok)
{
    QString t = text.trimmed();
    t.remove(QLatin1Char(','));
    t.remove(QLatin1Char('$'));
    t.remove(QLatin1Char(' '));
    bool good = false;
    const double v = t.isEmpty() ? 0.0 : t.toDouble(&good);
    if (ok)
        *ok = good;
    return good ? v : 0.0;
}

double myStringToDouble(const std::string &text, bool *ok)
{
    return myStringToDouble(QString::fromStdString(text), ok);
}

std::string myDoubleToString(double v, int decimals)
{
    if (decimals < 0)
        decimals = 0;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
    std::string s(buf);
    // "-0.00" is written as "0.00"
    if (!s.empty() && s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos)
        s.erase(0, 1);
    return s;
}

bool makeFolderExists(const QString &path)
{
    return makePrivateFolder(path);
}

static std::function<QDateTime()> &timeSource()
{
    static std::function<QDateTime()> source;
    return source;
}

QDateTime GetCurTime()
{
    return timeSource() ? timeSource()() : QDateTime::currentDateTime();
}

void setCurTimeSource(std::function<QDateTime()> source)
{
    timeSource() = std::move(source);
}

static QString htmlEscape(const QString &s) { return s.toHtmlEscaped(); }

QString toHtmlTableStart(const QStringList &headers, const QString &attributes)
{
    QString html = attributes.isEmpty() ? QStringLiteral("<table>\n")
                                        : QStringLiteral("<table %1>\n").arg(attributes);
    if (!headers.isEmpty()) {
        html += QStringLiteral("<tr>");
        for (const QString &h : headers)
            html += QStringLiteral("<th>") + htmlEscape(h) + QStringLiteral("</th>");
        html += QStringLiteral("</tr>\n");
    }
    return html;
}

QString toHtmlOneTableRow(const QStringList &cells)
{
    QString html = QStringLiteral("<tr>");
    for (const QString &c : cells)
        html += QStringLiteral("<td>") + htmlEscape(c) + QStringLiteral("</td>");
    html += QStringLiteral("</tr>\n");
    return html;
}

QString toHtmlTableEnd()
{
    return QStringLiteral("</table>\n");
}

bool checkEmail(const QString &address)
{
    static const QRegularExpression re(
        QStringLiteral("^[A-Za-z0-9._%+'-]+@[A-Za-z0-9-]+(\\.[A-Za-z0-9-]+)*\\.[A-Za-z]{2,}$"));
    return re.match(address.trimmed()).hasMatch();
}

bool CheckSIN(const QString &sin)
{
    if (sin.size() != 9)
        return false;
    int sum = 0;
    for (int i = 0; i < 9; ++i) {
        const QChar c = sin.at(i);
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        int d = c.unicode() - '0';
        if (i % 2 == 1) {
            d *= 2;
            if (d > 9)
                d -= 9;
        }
        sum += d;
    }
    return sum % 10 == 0;
}

QByteArray truncateUtf8(const QByteArray &utf8, int maxBytes)
{
    if (maxBytes <= 0)
        return QByteArray();
    if (utf8.size() <= maxBytes)
        return utf8;
    int cut = maxBytes;
    // step back over continuation bytes to the start of the character that straddles the cut
    while (cut > 0 && (uchar(utf8.at(cut)) & 0xC0) == 0x80)
        --cut;
    return utf8.left(cut);
}
