#include "taxsliprc210.h"
#include "taxdata_slip_rc210.h"

int TaxSlipRC210::copyToSlip(CTaxData_Form *form)
{
    auto s = dynamic_cast<TaxData_Slip_RC210 *>(form);
    if (!s)
        return 0;
    copyBoxes(*s, {"10", "11"});
    return 0;
}
