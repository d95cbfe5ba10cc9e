#pragma once
#include "cstring.h"
#include <QDate>

// Dates, postal codes and telephone numbers in the forms the filing records use.

// Style 1 "yyyyMMdd", style 2 "yyyy-MM-dd"; empty for an invalid date or another style.
CString GetDateStr(const QDate &date, int style);
// Style 7 "MMdd" (month and day, four characters), style 18 "yyyy-MM-dd";
// empty for an invalid date or another style.
CString FormatQDate(const QDate &date, int style);
// The letters (upper case) and digits of a postal code: "k1a 0b1" gives "K1A0B1".
CString GetRawPostcode(const QString &postcode);
// The digits of a telephone number. With dropCountryCode, an eleven-digit number
// that starts with the country code 1 loses it, so that a Canadian number gives
// ten digits (area code, then the local number).
CString GetRawPhoneStr(const QString &phone, bool dropCountryCode);
// True when the text holds at least one digit.
bool ChkPhoneStrHasSomething(const QString &phone);
