#pragma once
#include "ctaxdata_form.h"

// T657: calculation of capital gains deduction.
class TaxData_T657New : public CTaxData_Form
{
public:
    enum Field {
        F_TaxableGains, F_PriorDeductions, F_CNIL, F_Deduction, F_Count
    };

    TaxData_T657New();

    void Calculate01() override;
    // Next year's deductions of earlier years include this year's.
    void carryForward(bool keepData) override;
};
