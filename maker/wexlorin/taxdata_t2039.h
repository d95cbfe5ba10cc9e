#pragma once
#include "ctaxdata_form.h"

// T2039: air quality improvement tax credit.
class TaxData_T2039 : public CTaxData_Form
{
public:
    enum Field {
        F_Expenses, F_Credit, F_Count
    };

    TaxData_T2039();

    void Calculate01() override;
};
