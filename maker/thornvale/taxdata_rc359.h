#pragma once
#include "ctaxdata_form.h"

// RC359: tax on excess employees profit sharing plan amounts.
class TaxData_RC359 : public CTaxData_Form
{
public:
    enum Field {
        F_ExcessAmount, F_Tax, F_Count
    };

    TaxData_RC359();

    void Calculate01() override;
};
