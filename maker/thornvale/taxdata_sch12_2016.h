#pragma once
#include "ctaxdata_form.h"

// Schedule 12: home accessibility expenses.
class TaxData_Sch12_2016 : public CTaxData_Form
{
public:
    enum Field {
        F_Expenses, F_Amount, F_Count
    };

    TaxData_Sch12_2016();

    void Calculate01() override;
};
