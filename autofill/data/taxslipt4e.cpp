#include "taxslipt4e.h"
#include "taxdata_slip_t4e.h"

int TaxSlipT4E::copyToSlip(CTaxData_Form *form)
{
    auto s = dynamic_cast<TaxData_Slip_T4E *>(form);
    if (!s)
        return 0;
    copyBoxes(*s, {"7", "14", "15", "17", "18", "20", "21", "22", "23", "30", "33", "37"});
    return 0;
}
