#pragma once
#include <QString>
#include <string>

// The string type used at every boundary with the calculator libraries.
class CString : public QString
{
public:
    CString() = default;
    CString(const QString &s) : QString(s) {}
    CString(QString &&s) : QString(std::move(s)) {}
    CString(const char *s) : QString(QString::fromUtf8(s)) {}
    CString(const std::string &s) : QString(QString::fromStdString(s)) {}
    CString(QChar c) : QString(c) {}

    CString &operator=(const QString &s) { QString::operator=(s); return *this; }
    CString &operator=(const char *s) { QString::operator=(QString::fromUtf8(s)); return *this; }

    // strcmp-style: <0, 0, >0
    int Compare(const CString &other) const { return QString::compare(other, Qt::CaseSensitive); }
    int CompareNoCase(const CString &other) const { return QString::compare(other, Qt::CaseInsensitive); }
    int Find(const CString &what, int start = 0) const { return indexOf(what, start); }
    int Find(QChar what, int start = 0) const { return indexOf(what, start); }
    int ReverseFind(QChar what) const { return lastIndexOf(what); }
    CString Mid(int first, int count = -1) const { return CString(mid(first, count)); }
    CString Left(int count) const { return CString(left(count)); }
    CString Right(int count) const { return CString(right(count)); }
    // Replaces every occurrence; returns how many were replaced.
    int Replace(const CString &from, const CString &to);
    int GetLength() const { return length(); }
    bool IsEmpty() const { return isEmpty(); }
    void Empty() { clear(); }
    CString &Trim() { *this = trimmed(); return *this; }
    CString &MakeUpper() { *this = toUpper(); return *this; }
    CString &MakeLower() { *this = toLower(); return *this; }

    // printf-style formatting; %s takes UTF-8 char pointers.
    CString &sprintf2023(const char *format, ...)
#if defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;
    std::string toStdStringUTF8() const { return toUtf8().toStdString(); }
    std::string toStdStringLatin1() const { return toLatin1().toStdString(); }
};
