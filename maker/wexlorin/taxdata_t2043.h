#pragma once
#include "ctaxdata_form.h"

// T2043: return of fuel charge proceeds to farmers tax credit.
class TaxData_T2043 : public CTaxData_Form
{
public:
    enum Field {
        F_Province, F_FarmingExpenses, F_Credit, F_Count
    };

    TaxData_T2043();

    void Calculate01() override;
};
