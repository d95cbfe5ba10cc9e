#pragma once
#include "ctaxdata_form.h"

// T225: Manitoba employee share purchase tax credit receipt.
class TaxData_T225 : public CTaxData_Form
{
public:
    enum Field {
        F_Age, F_Investment, F_Credit, F_Count
    };

    TaxData_T225();

    void Calculate01() override;
};
