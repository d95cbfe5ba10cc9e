#pragma once
#include "ctaxdata_form.h"

// T1229: statement of resource expenses and depletion allowance.
class CTaxData_T1229 : public CTaxData_Form
{
public:
    enum Field {
        F_Expenses, F_Deduction, F_Count
    };

    CTaxData_T1229();

    void Calculate01() override;
};
