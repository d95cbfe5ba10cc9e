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
        // (T1170Line24: the T1170's gains on gifts that taxable income leaves out)
        F_OtherGains, F_T1170Line24, F_Deductions, F_ITCAmounts, F_DividendCredit,
        // the taxable other dividends (line 12010), the credits of lines 33800 and 41000, regular
        // tax before the carryover, and the carryover applied (line 40427; Carryover is the
        // amount carried from earlier years)
        F_OtherDividends, F_Credits33800, F_PoliticalCredit, F_RegularBeforeCarryover, F_CarryoverApplied,
        // the capital gains deductions of the return (lines 25395 and 25400)
        F_GainsDeductions,
        // the deductions of which half is disallowed (T691 (24): dues, child care, disability
        // supports, moving, CPP/QPP/PPIP deductions, carrying charges, employment expenses other
        // than a commission employee's, clergy residence, lines 24400, 25000, 25100, 25200, 25500)
        F_HalvedDeductions,
        // field 67820, lines 6783, 6784 and 6786, field 67922
        F_67820, F_6783, F_6784, F_6786, F_67922,
        // the security options deductions of the return (line 24900)
        F_SecurityOptions,
        F_Count
    };

    TaxData_T691New();

    void Calculate01() override;
    void CalculateToLine65andMinitaxCarryOverAndLine102();
    void CalculateToLine95();
    void CalculateToEnd();

private:
    void CalculateCredits();
};
