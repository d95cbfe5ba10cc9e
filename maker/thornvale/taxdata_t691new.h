#pragma once
#include "ctaxdata_form.h"

// T691: alternative minimum tax.
class TaxData_T691New : public CTaxData_Form
{
public:
    enum Field {
        F_TaxableIncome, F_CapitalGains, F_DividendGross, F_Donations, F_T1170Gains, F_T1212Value,
        F_T1206Amount, F_AdjustedIncome, F_Exemption, F_MinimumAmount, F_BasicTax,
        F_CreditsApplied, F_MinimumTax, F_Carryover, F_Line95, F_ForeignCredit, F_Result,
        // foreign income and tax of the T2209, default answer of the capital gains question
        F_ForeignIncome, F_ForeignTaxPaid, F_CapitalGainsAnswer,
        // further inputs from Schedule 3, the T1170, the T1206 or the T1, the T2038 and the T1
        F_OtherGains, F_T1170Line24, F_Deductions, F_ITCAmounts, F_DividendCredit,
        F_Count
    };

    TaxData_T691New();

    void Calculate01() override;
    void CalculateToLine65andMinitaxCarryOverAndLine102();
    void CalculateToLine95();
    void CalculateToEnd();
};
