#pragma once
#include "ctaxdata_form.h"

// RC383: tax-exempt earned income and contributions for a pooled registered pension plan
// (a registered Indian's PRPP room from income exempt under the Indian Act).
class TaxData_RC383 : public CTaxData_Form
{
public:
    enum Field {
        // tax-exempt employment earnings of the slips (T4 box 71), and the PRPP contributions of
        // the slips (amounts e and d); the names are those of the stored fields
        F_ExemptIncome, F_Contribution, F_Deduction,
        // tax-exempt employment earnings (58750), self-employment and other earned income (58810)
        F_58750, F_58810,
        // total eligible PRPP contributions from tax-exempt income (58820)
        F_58820,
        F_Count
    };

    TaxData_RC383();

    void Calculate01() override;
};
