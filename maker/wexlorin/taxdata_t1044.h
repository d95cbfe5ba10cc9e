#pragma once
#include "ctaxdata_form.h"

// T1044: non-profit organization information return summary.
class TaxData_T1044 : public CTaxData_Form
{
public:
    enum Field {
        F_Organization, F_Revenue, F_Expenses, F_Count
    };

    TaxData_T1044();

    void Calculate01() override;
};
