#pragma once
#include "cstring.h"
#include <QList>
#include <QStringList>
#include <string>

// Time texts, whole-file reads, CSV rows, suffix tests and one-line HTML items.

// The current time of the clock seam (GetCurTime, utils.h) as text. Format 0,
// the only one, is local time as "yyyy-MM-dd HH:mm:ss"; other values give format 0.
CString GetCurTime(int format);
// The current time of the same clock as an XML Schema date-time:
//   utc true:  UTC with a "Z", "2025-03-01T17:04:05Z" (WS-Security Created);
//   utc false: local time with its offset, "2025-03-01T12:04:05-05:00".
CString getXMLDateTimeString(bool utc);

// The whole file as bytes, read in chunks of chunkKiB; empty when it cannot be
// read, or when it is larger than maxMiB (the caller's guard against a huge file).
std::string loadFileToString(const QString &path, int chunkKiB = 64, int maxMiB = 64);

// Rows of fields of a CSV text given in Latin-1. Fields are split at commas,
// rows at CR LF, LF or CR. A field that begins with a quote runs to the next
// lone quote and may hold commas, line breaks and doubled quotes (""); blanks
// are kept as they stand. An empty line gives no row.
QList<QStringList> ParseCSV(const std::string &latin1Text);

// True when text ends with suffix; ignoreCase compares without regard to case.
bool stringEndwith(const std::string &text, const std::string &suffix, bool ignoreCase = false);
bool stringEndwith(const QString &text, const QString &suffix, bool ignoreCase = false);

// Appends "label: value<br>\n" to out, the value trimmed and HTML-escaped (the
// label is the program's own text and goes as it stands). Nothing is written,
// and false returned, when the trimmed value is empty or, for a non-empty skip
// text, equals skip without regard to case (skip "0.0" hides zero amounts).
bool toHtmlOneLineItem(CString &out, const QString &value, const QString &label, const QString &skip);
// Appends "<br>\n".
void toHtmlNewLine(CString &out);
