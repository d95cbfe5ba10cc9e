#pragma once
#include "ctaxdata_form.h"

// T777S: employment expenses for working at home (kept for old files).
class TaxData_T777Covid19 : public CTaxData_Form
{
public:
    enum Field {
        F_Days, F_Flat, F_Deduction, F_Count
    };

    TaxData_T777Covid19();

    void Calculate01() override;
};
