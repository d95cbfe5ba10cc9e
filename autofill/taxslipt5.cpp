#include "taxslipt5.h"
#include "taxdata_slip_t5.h"

int TaxSlipT5::copyToSlip(CTaxData_Form *form)
{
    auto s = dynamic_cast<TaxData_Slip_T5 *>(form);
    if (!s)
        return 0;
    s->setText(TaxData_Slip_T5::F_Payer, QString::fromUtf8(payerName.c_str()));
    copyBoxes(*s, {"10", "11", "12", "13", "14", "15", "16", "17", "18", "24", "25", "26", "34"});
    s->calculateData();
    return 0;
}
