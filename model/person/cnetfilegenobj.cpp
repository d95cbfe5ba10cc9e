#include "cnetfilegenobj.h"
#include "ctaxdata_form.h"
#include "formentry.h"
#include "formtables.h"
#include "formtypes.h"
#include "netfilegenobjparamstru.h"

bool CNetfileGenObj::OnEnumItem(FormEntry *entry, void *param)
{
    ++count;
    if (!entry)
        return true;
    const int type = entry->type;
    if (type == FormType::T2032Old || type == FormType::T2124Old || type == FormType::T2032Old2
        || type == FormType::T1273 || IsFilingSFDForm(type))
        return true;
    // the Re-File snapshot keeps the result as first filed, for the Re-File change
    // rules only: its stale lines are never filed
    if (type == FormType::T1SummaryReFile)
        return true;
    auto *p = static_cast<NetfileGenObjParamStru *>(param);
    if (entry->object && p)
        entry->object->ConvertToNetfile(p->mode, *p);
    if (type == FormType::T2209 && p && p->counter)
        ++*p->counter;
    return true;
}
