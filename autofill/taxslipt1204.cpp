#include "taxslipt1204.h"
#include "taxdata_slip_t1204.h"
#include "utils.h"

int TaxSlipT1204::copyToSlip(CTaxData_Form *form)
{
    auto s = dynamic_cast<TaxData_Slip_T1204 *>(form);
    if (!s)
        return 0;
    s->setAmount(TaxData_Slip_T1204::F_Box82, myStringToDouble(box82));
    s->setAmount(TaxData_Slip_T1204::F_Box84, myStringToDouble(box84));
    return 0;
}
