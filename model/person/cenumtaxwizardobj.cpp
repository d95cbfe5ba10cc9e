#include "cenumtaxwizardobj.h"

CEnumTaxWizardObj::~CEnumTaxWizardObj() = default;

bool CEnumTaxWizardObj::OnEnumItem(WizardEntry *, void *)
{
    ++count;
    return true;
}
