#include "taxslipt4rif.h"
#include "taxdata_slip_t4rif.h"

int TaxSlipT4RIF::copyToSlip(CTaxData_Form *form)
{
    auto s = dynamic_cast<TaxData_Slip_T4RIF *>(form);
    if (!s)
        return 0;
    s->setText(TaxData_Slip_T4RIF::F_Payer, QString::fromUtf8(payerName.c_str()));
    copyBoxes(*s, {"16", "18", "20", "22", "24", "28", "37"});
    s->calculateData();
    return 0;
}
