#pragma once
#include "ctaxdata_form.h"

// T746: deduction for refund of unused RRSP, PRPP and SPP contributions.
class TaxData_T746New : public CTaxData_Form
{
public:
    enum Field {
        F_Refund, F_UnusedContributions, F_Deduction, F_Count
    };

    TaxData_T746New();

    void Calculate01() override;
};
