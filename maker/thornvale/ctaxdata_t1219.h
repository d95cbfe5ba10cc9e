#pragma once
#include "ctaxdata_form.h"

// T1219: provincial or territorial alternative minimum tax.
class CTaxData_T1219 : public CTaxData_Form
{
public:
    enum Field {
        F_Province, F_FederalMinimum, F_ProvincialMinimum, F_Count
    };

    CTaxData_T1219();

    void Calculate01() override;
};
