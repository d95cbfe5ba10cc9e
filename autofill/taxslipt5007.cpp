#include "taxslipt5007.h"
#include "cslipdata_t5007.h"
#include "utils.h"

int TaxSlipT5007::copyToSlip(CTaxData_Form *form)
{
    auto s = dynamic_cast<CSlipData_T5007 *>(form);
    if (!s)
        return 0;
    s->setText(CSlipData_T5007::F_Payer, QString::fromUtf8(payerName.c_str()));
    s->setAmount(CSlipData_T5007::F_Box10, myStringToDouble(box10));
    s->setAmount(CSlipData_T5007::F_Box11, myStringToDouble(box11));
    return 0;
}
