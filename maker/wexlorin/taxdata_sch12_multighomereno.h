#pragma once
#include "ctaxdata_form.h"

// Schedule 12: multigenerational home renovation tax credit.
class TaxData_Sch12_MultigHomeReno : public CTaxData_Form
{
public:
    enum Field {
        F_Expenses, F_Credit, F_Count
    };

    TaxData_Sch12_MultigHomeReno();

    void Calculate01() override;
};
