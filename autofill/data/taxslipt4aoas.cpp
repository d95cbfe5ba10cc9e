#include "taxslipt4aoas.h"
#include "cslipdata_t4aoas.h"

int TaxSlipT4AOAS::copyToSlip(CTaxData_Form *form)
{
    auto s = dynamic_cast<CSlipData_T4AOAS *>(form);
    if (!s)
        return 0;
    copyBoxes(*s, {"18", "19", "20", "21", "22", "23"});
    return 0;
}
