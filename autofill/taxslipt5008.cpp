#include "taxslipt5008.h"

int TaxSlipT5008::copyToSlip(CTaxData_Form *)
{
    return 0;
}
