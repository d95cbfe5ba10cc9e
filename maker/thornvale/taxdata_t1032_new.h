#pragma once
#include "ctaxdata_form.h"

// T1032: joint election to split pension income.
class TaxData_T1032_New : public CTaxData_Form
{
public:
    enum Field {
        F_Role, F_LastName, F_FirstName, F_SIN, F_Age, F_SpouseFirstName, F_SpouseLastName,
        F_SpouseSIN, F_SpouseAge, F_Address, F_Email, F_EligiblePension, F_SplitAmount, F_Elected,
        F_MaxSplit, F_PensionAmount, F_OtherPension, F_TaxDeductedTransferred, F_IncomeTax,
        F_IncomeAdjustmentA, F_IncomeAdjustmentB, F_F5344, F_Switch,
        // months of the year together (Step 3); the split pension is a life annuity from a
        // pension plan (it then counts for a receiving spouse under 65)
        F_Months, F_SplitFromPensionPlan,
        // fields 68026, 68040 and 68050
        F_68026, F_68040, F_68050,
        F_Count
    };

    // F_Role: the pensioner who splits the pension, or the spouse who receives it.
    enum Role { Pensioner = 0, Receiver = 1 };

    TaxData_T1032_New();

    void Calculate01() override;
    void CalculateMaxSplitInc();
    void CalculatePensionInc();
    void CalculateIncomeTax();
    void CalculateIncomeTaxAfterAdjustment();
    double getF5344() const { return amount(F_F5344); }
};
