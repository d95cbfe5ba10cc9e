#pragma once
#include "ctaxdata_form.h"

// TL2: claim for meals and lodging expenses.
class TaxData_TL2_New : public CTaxData_Form
{
public:
    enum Field {
        F_SIN, F_EmployerName, F_Trips, F_Meals, F_Lodging, F_Deduction, F_Count
    };

    TaxData_TL2_New();

    void Calculate01() override;
};
