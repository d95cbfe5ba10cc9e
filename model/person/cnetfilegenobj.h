#pragma once
#include "cenumtaxformobj.h"

struct NetfileGenObjParamStru;

// Has each form write its filing records; the walk's param points to a
// NetfileGenObjParamStru, whose counter counts the foreign tax credit forms (T2209).
// The forms written as selected financial data (IsFilingSFDForm) and the obsolete
// self-employment forms write theirs elsewhere; the Re-File snapshot writes none.
class CNetfileGenObj : public CEnumTaxFormObj
{
public:
    bool OnEnumItem(FormEntry *entry, void *param) override;
};
