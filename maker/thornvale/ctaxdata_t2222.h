#pragma once
#include "ctaxdata_form.h"

// T2222: northern residents deductions.
class CTaxData_T2222 : public CTaxData_Form
{
public:
    enum Field {
        F_Zone, F_Days, F_ResidencyDeduction, F_TravelDeduction, F_Deduction,
        // the other three day counts
        F_Days2, F_Days3, F_Days4,
        F_Count
    };

    CTaxData_T2222();

    void Calculate01() override;
    // The deductions with the residency deduction held to 20 % of the net income.
    void calculateWithNetIncome(double netIncome);
};
