#include "cenumtaxformobj.h"

CEnumTaxFormObj::~CEnumTaxFormObj() = default;

bool CEnumTaxFormObj::OnEnumItem(FormEntry *, void *)
{
    ++count;
    return true;
}

bool CEnumTaxFormObj::OnEnumBegin(void *) { return true; }
bool CEnumTaxFormObj::OnEnumEnd(void *) { return true; }
