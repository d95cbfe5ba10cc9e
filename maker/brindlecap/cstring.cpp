#include "cstring.h"
#include <cstdarg>
#include <cstdio>
#include <vector>

int CString::Replace(const CString &from, const CString &to)
{
    if (from.isEmpty())
        return 0;
    const int n = count(from, Qt::CaseSensitive);
    if (n > 0)
        replace(from, to, Qt::CaseSensitive);
    return n;
}

CString &CString::sprintf2023(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    char small[256];
    const int needed = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    if (needed < 0) {
        va_end(copy);
        clear();
        return *this;
    }
    if (needed < int(sizeof small)) {
        QString::operator=(QString::fromUtf8(small, needed));
    } else {
        std::vector<char> buf(size_t(needed) + 1);
        std::vsnprintf(buf.data(), buf.size(), format, copy);
        QString::operator=(QString::fromUtf8(buf.data(), needed));
    }
    va_end(copy);
    return *this;
}
