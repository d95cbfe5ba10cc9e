#include "filingformat.h"

CString GetDateStr(const QDate &date, int style)
{
    if (!date.isValid())
        return CString();
    switch (style) {
    case 1: return CString(date.toString(QStringLiteral("yyyyMMdd")));
    case 2: return CString(date.toString(QStringLiteral("yyyy-MM-dd")));
    default: return CString();
    }
}

CString FormatQDate(const QDate &date, int style)
{
    if (!date.isValid())
        return CString();
    switch (style) {
    case 7: return CString(date.toString(QStringLiteral("MMdd")));
    case 18: return CString(date.toString(QStringLiteral("yyyy-MM-dd")));
    default: return CString();
    }
}

CString GetRawPostcode(const QString &postcode)
{
    QString out;
    for (QChar c : postcode)
        if (c.isLetterOrNumber() && c.unicode() < 128)
            out += c.toUpper();
    return CString(out);
}

CString GetRawPhoneStr(const QString &phone, bool dropCountryCode)
{
    QString digits;
    for (QChar c : phone)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
    if (dropCountryCode && digits.size() == 11 && digits.startsWith(QLatin1Char('1')))
        digits.remove(0, 1);
    return CString(digits);
}

bool ChkPhoneStrHasSomething(const QString &phone)
{
    for (QChar c : phone)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            return true;
    return false;
}
