#include "csetcoupledflagobj.h"
#include "ctaxdata_form.h"
#include "formentry.h"

bool CSetCoupledFlagObj::OnEnumItem(FormEntry *entry, void *param)
{
    ++count;
    if (entry && entry->object && param)
        entry->object->setCoupledReturn(*static_cast<const bool *>(param));
    return true;
}
