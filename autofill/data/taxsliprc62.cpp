#include "taxsliprc62.h"
#include "taxdata_slip_rc62.h"

int TaxSlipRC62::copyToSlip(CTaxData_Form *form)
{
    auto s = dynamic_cast<TaxData_Slip_RC62 *>(form);
    if (!s)
        return 0;
    copyBoxes(*s, {"10", "12"});
    return 0;
}
