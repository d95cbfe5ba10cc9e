#include "taxsliprrspreceipt.h"

int TaxSlipRRSPReceipt::copyToSlip(CTaxData_Form *)
{
    return 0;
}
