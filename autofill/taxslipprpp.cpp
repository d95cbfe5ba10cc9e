#include "taxslipprpp.h"
#include "taxdata_slip_prpp.h"
#include "utils.h"

int TaxSlipPRPP::copyToSlip(CTaxData_Form *form)
{
    auto s = dynamic_cast<TaxData_Slip_PRPP *>(form);
    if (!s)
        return 0;
    using S = TaxData_Slip_PRPP;
    s->setText(S::F_AccountNumber, QString::fromUtf8(contractNumber.c_str()));
    s->setAmount(S::F_Box10, myStringToDouble(employeeCurrentYear));
    s->setAmount(S::F_Box11, myStringToDouble(employeePriorYear));
    s->setAmount(S::F_Box12, myStringToDouble(employerContribution));
    s->setAmount(S::F_Box13, myStringToDouble(employeeCurrentYearExempt));
    s->setAmount(S::F_Box14, myStringToDouble(employeePriorYearExempt));
    return 0;
}
