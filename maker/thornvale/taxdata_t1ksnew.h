#pragma once
#include "ctaxdata_form.h"

// T1 summary: the return's main amounts as last calculated.
class TaxData_T1KSNew : public CTaxData_Form
{
public:
    enum Field {
        F_Province, F_FirstName, F_LastName, F_FullName, F_Address, F_SIN, F_DateOfBirth,
        F_MaritalStatus, F_SpouseSIN, F_SpouseFirstName, F_SpouseLastName, F_SpouseDateOfBirth,
        F_EFileNumber, F_Confirmation, F_TaxYear, F_TotalIncome, F_NetIncome, F_TaxableIncome,
        F_NonRefundable, F_NetFederalTax, F_ProvincialTax, F_TotalPayable, F_TotalCredits,
        F_Refund, F_BalanceOwing, F_CAIFlag, F_CAIEstimate, F_GSTCreditEstimate, F_CCBEstimate,
        F_Count
    };

    TaxData_T1KSNew();
    // Copies every field of another summary (the Re-File and prior-year copies).
    TaxData_T1KSNew &operator=(const TaxData_T1KSNew &other)
    {
        copyAll(other);
        return *this;
    }

    void Calculate01() override;
    // Clears everything taken from the T1.
    void resetT1Part();
};
