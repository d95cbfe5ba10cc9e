#include "netfilerecords.h"
#include "datafields.h"
#include "xmlwriters.h"
#include <cmath>

namespace {

enum EntryType { DollarsAndCents = 2, Integer = 3, Text = 4 };

bool isPresent(double v) { return v >= 0.009 || v <= -0.009; }

// Enters the code into the map; false when it was written before in this run.
bool enterCode(int code, const NetfileWrittenCode &entry, NetfileGenObjParamStru &context)
{
    if (context.writtenCodes) {
        if (context.writtenCodes->contains(code))
            return false;
        context.writtenCodes->insert(code, entry);
    }
    return true;
}

void appendRecord(int code, const QString &value, NetfileGenObjParamStru &context)
{
    if (context.outputKind != 0 || !context.recordText)
        return;
    writeXMLString(*context.recordText, netfileRecordTag(code), value, 0);
}

int writeDollars(int code, double value, NetfileGenObjParamStru &context)
{
    NetfileWrittenCode entry;
    entry.entryType = DollarsAndCents;
    entry.amount = value;
    if (!enterCode(code, entry, context))
        return 0;
    appendRecord(code, QString::number(value, 'f', 2), context);
    return 1;
}

} // namespace

CString netfileRecordTag(int code)
{
    return CString(QStringLiteral("t1:Line%1").arg(code));
}

int NETFILE_DOLLAR_VALUE_Func(int code, double value, NetfileGenObjParamStru &context)
{
    return isPresent(value) ? writeDollars(code, value, context) : 0;
}

int NETFILE_NUMERIC_VALUE_Func(int code, double value, NetfileGenObjParamStru &context)
{
    if (!isPresent(value))
        return 0;
    NetfileWrittenCode entry;
    entry.entryType = Integer;
    entry.number = int(std::lround(value));
    entry.amount = entry.number;
    if (!enterCode(code, entry, context))
        return 0;
    appendRecord(code, QString::number(entry.number), context);
    return 1;
}

int NETFILE_STRING_VALUE_Func(int code, int length, const CString &text, NetfileGenObjParamStru &context)
{
    const CString value = length > 0 ? text.Left(length) : text;
    if (value.isEmpty())
        return 0;
    NetfileWrittenCode entry;
    entry.entryType = Text;
    entry.text = value;
    if (!enterCode(code, entry, context))
        return 0;
    appendRecord(code, value, context);
    return 1;
}

int NETFILE_DOLLAR_VALUE_IFZEROTHENONE_Func(int code, double value, NetfileGenObjParamStru &context)
{
    return writeDollars(code, isPresent(value) ? value : 1.0, context);
}

int NETFILE_DOLLAR_FIELD_IFZEROTHENONE_Func(int code, const CFloatField &field, NetfileGenObjParamStru &context)
{
    return NETFILE_DOLLAR_VALUE_IFZEROTHENONE_Func(code, field.value(), context);
}
