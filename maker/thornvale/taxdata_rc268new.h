#pragma once
#include "ctaxdata_form.h"

// RC268: employee contributions to a United States retirement plan (cross-border commuters).
class TaxData_RC268New : public CTaxData_Form
{
public:
    enum Field {
        F_Contributions, F_RRSPRoom, F_Deduction, F_Count
    };

    TaxData_RC268New();

    void Calculate01() override;
};
