#include "cenumtaxslipobj.h"

CEnumTaxSlipObj::~CEnumTaxSlipObj() = default;

bool CEnumTaxSlipObj::OnEnumItem(FormEntry *, void *)
{
    ++count;
    return true;
}

bool CEnumTaxSlipObj::OnEnumBegin(void *) { return true; }
bool CEnumTaxSlipObj::OnEnumEnd(void *) { return true; }
