#pragma once
#include "cstring.h"
#include <QMap>
#include <QtGlobal>

// One line code written by the record writers: its entry type and value.
struct NetfileWrittenCode
{
    int entryType = 0;      // 1 dollars, 2 dollars and cents, 3 integer, 4 text
    double amount = 0.0;
    int number = 0;
    CString text;
};

// The record writers' context, shared by the filing document and the barcode data.
struct NetfileGenObjParamStru
{
    quint8 mode = 1;                                    // edition: 1 EFILE, 2 NETFILE (bit 0 set: EFILE)
    quint8 outputKind = 0;                              // 0 filing text, 2 collected for the barcode
    CString *recordText = nullptr;                      // the text the writers append to
    int *counter = nullptr;                             // set to 0 by the caller before a run
    QMap<int, NetfileWrittenCode> *writtenCodes = nullptr;
};
