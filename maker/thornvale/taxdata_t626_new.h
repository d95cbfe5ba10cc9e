#pragma once
#include "ctaxdata_form.h"

// T626: overseas employment tax credit.
class TaxData_T626_New : public CTaxData_Form
{
public:
    enum Field {
        F_OverseasIncome, F_NetIncome, F_BasicTax, F_Credit, F_Count
    };

    TaxData_T626_New();

    void Calculate01() override;
};
