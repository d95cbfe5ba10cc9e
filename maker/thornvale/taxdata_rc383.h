#pragma once
#include "ctaxdata_form.h"

// RC383: tax-exempt earned income and contributions for enhanced CPP/QPP.
class TaxData_RC383 : public CTaxData_Form
{
public:
    enum Field {
        F_ExemptIncome, F_Contribution, F_Deduction,
        // fields 58750 and 58810
        F_58750, F_58810,
        F_Count
    };

    TaxData_RC383();

    void Calculate01() override;
};
