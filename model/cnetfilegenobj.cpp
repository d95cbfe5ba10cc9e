#include "cnetfilegenobj.h"
#include "ctaxdata_form.h"
#include "formentry.h"
#include "formtables.h"
#include "netfilegenobjparamstru.h"

bool CNetfileGenObj::OnEnumItem(FormEntry *entry, void *param)
{
    ++count;
    if (!entry)
        return true;
    const int type = entry->type;
    if (type == 19 || type == 22 || type == 33 || type == 109 || IsFilingSFDForm(type))
        return true;
    auto *p = static_cast<NetfileGenObjParamStru *>(param);
    if (entry->object && p)
        entry->object->ConvertToNetfile(p->mode, *p);
    if (type == 35 && p && p->counter)
        ++*p->counter;
    return true;
}
