#pragma once
#include "cstring.h"
#include <QDate>
#include <QDateTime>
#include <QString>
#include <cmath>
#include <functional>
#include <string>

// Division with a fallback for a zero divisor.
double div(double numerator, double denominator, double fallback = 0.0);
// Rounds half away from zero to the cent; a small nudge absorbs binary error
// such as 1.005 stored as 1.00499999.
inline double roundToCent(double v)
{
    const double scaled = std::fabs(v) * 100.0;
    const double r = std::floor(scaled + 0.5 + 1e-7) / 100.0;
    return v < 0 ? -r : r;
}
int GetDaysInYear(int year);
// Days of the tax year spent in Canada given the dates of entry and departure
// (invalid dates mean the whole year on that side).
int DaysInCanadaInTaxYear(const QDate &entry, const QDate &departure, int taxYear = 2024);
// The digits of a text, everything else dropped.
QString GetPureDigitStr(const QString &text);
// Number from 8-bit text ("1,234.50", " -3 "); 0 when it is no number.
double myStringToDouble(const std::string &text, bool *ok = nullptr);
double myStringToDouble(const QString &text, bool *ok = nullptr);
// Fixed two-decimal text of an amount, "-0.00" never written.
std::string myDoubleToString(double v, int decimals = 2);
// Creates a folder and its parents (those made are owner-only); true when it exists afterwards.
bool makeFolderExists(const QString &path);
// The current time; a test can fix it.
QDateTime GetCurTime();
void setCurTimeSource(std::function<QDateTime()> source);

// HTML table writers.
QString toHtmlTableStart(const QStringList &headers, const QString &attributes = QString());
QString toHtmlOneTableRow(const QStringList &cells);
QString toHtmlTableEnd();

bool checkEmail(const QString &address);
// Social insurance number check: nine digits with the Luhn check digit.
bool CheckSIN(const QString &sin);
// Cuts UTF-8 text to at most maxBytes without splitting a character.
QByteArray truncateUtf8(const QByteArray &utf8, int maxBytes);
