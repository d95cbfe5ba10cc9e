#include "taxslipt4rsp.h"
#include "taxdata_slip_t4rsp.h"

int TaxSlipT4RSP::copyToSlip(CTaxData_Form *form)
{
    auto s = dynamic_cast<TaxData_Slip_T4RSP *>(form);
    if (!s)
        return 0;
    s->setText(TaxData_Slip_T4RSP::F_Payer, QString::fromUtf8(payerName.c_str()));
    copyBoxes(*s, {"16", "18", "20", "22", "25", "26", "27", "28", "30", "34", "37"});
    s->calculateData();
    return 0;
}
