#pragma once
#include "ctaxdata_form.h"

// T90: income exempt from tax under the Indian Act.
class TaxData_T90 : public CTaxData_Form
{
public:
    enum Field {
        F_EmploymentIncome, F_OtherIncome, F_WorkingIncome, F_NetIncomeAdd,
        // the slips hold exempt income (set by the calculation)
        F_Switch,
        // field 10026 (field 10000 is the employment income)
        F_10026,
        F_Count
    };

    TaxData_T90();

    void Calculate01() override;
};
