#pragma once
#include <QString>

// True when the text holds nothing but blanks.
inline bool isEmptyIfRemoveBlank(const QString &text)
{
    return text.trimmed().isEmpty();
}
