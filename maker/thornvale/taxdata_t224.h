#pragma once
#include "ctaxdata_form.h"

// T224: Manitoba community enterprise development tax credit receipt.
class TaxData_T224 : public CTaxData_Form
{
public:
    enum Field {
        F_Age, F_Investment, F_Credit, F_Count
    };

    TaxData_T224();

    void Calculate01() override;
};
