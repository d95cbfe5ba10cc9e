#include "taxslipmbrentalassistslip.h"
#include "taxdata_slip_mbshelterassist.h"
#include "utils.h"

int TaxSlipMBRentalAssistSlip::copyToSlip(CTaxData_Form *form)
{
    auto s = dynamic_cast<TaxData_Slip_MBShelterAssist *>(form);
    if (!s)
        return 0;
    s->setText(TaxData_Slip_MBShelterAssist::F_Payer, QString::fromUtf8(payerName.c_str()));
    s->setAmount(TaxData_Slip_MBShelterAssist::F_Box10, myStringToDouble(shelterBenefitAmount));
    return 0;
}
