#pragma once
#include "cstring.h"

// Small writers of filing XML text.

// The text with & < > " ' replaced by their entity references.
CString convertToXMLString(const QString &text);
// The same, leaving an entity reference already in the text as it is, so that
// text escaped before is not escaped twice.
CString convertToXMLStringOnce(const QString &text);
// Appends "<tag>value</tag>" with the value escaped; a limit above 0 first cuts
// the value to that many characters (so an entity is never cut in half).
void writeXMLString(QString &out, const QString &tag, const QString &value, int limit);
void writeXMLOpenTagString(QString &out, const QString &tag);
void writeXMLCloseTagString(QString &out, const QString &tag);
