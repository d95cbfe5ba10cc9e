#include "taxslipt4fhsa.h"
#include "taxdata_slip_t4fhsa.h"

int TaxSlipT4FHSA::copyToSlip(CTaxData_Form *form)
{
    auto s = dynamic_cast<TaxData_Slip_T4FHSA *>(form);
    if (!s)
        return 0;
    s->setText(TaxData_Slip_T4FHSA::F_Payer, QString::fromUtf8(issuerPayerName.c_str()));
    copyBoxes(*s, {"18", "20", "22", "24", "26", "28", "30", "32", "34", "36", "38"});
    return 0;
}
