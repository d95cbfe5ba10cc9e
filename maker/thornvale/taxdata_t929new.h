#pragma once
#include "ctaxdata_form.h"

// T929: disability supports deduction.
class TaxData_T929New : public CTaxData_Form
{
public:
    enum Field {
        F_Expenses, F_EarnedIncome, F_Deduction, F_Count
    };

    TaxData_T929New();

    void Calculate01() override;
};
