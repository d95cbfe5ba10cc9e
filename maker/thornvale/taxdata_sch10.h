#pragma once
#include "ctaxdata_form.h"

// Schedule 10: employment insurance premiums on self-employment and other eligible earnings.
class TaxData_Sch10 : public CTaxData_Form
{
public:
    enum Field {
        F_Opted, F_SelfEmployedEarnings, F_Province, F_Premiums, F_Count
    };

    TaxData_Sch10();

    void Calculate01() override;
};
