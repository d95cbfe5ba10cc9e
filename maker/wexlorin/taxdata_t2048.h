#pragma once
#include "ctaxdata_form.h"

// T2048: Canadian journalism labour tax credit.
class TaxData_T2048 : public CTaxData_Form
{
public:
    enum Field {
        F_LabourCosts, F_Credit, F_Count
    };

    TaxData_T2048();

    void Calculate01() override;
};
