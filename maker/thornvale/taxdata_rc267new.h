#pragma once
#include "ctaxdata_form.h"

// RC267: employee contributions to a United States retirement plan (temporary assignments).
class TaxData_RC267New : public CTaxData_Form
{
public:
    enum Field {
        F_Contributions, F_RRSPRoom, F_Deduction, F_Count
    };

    TaxData_RC267New();

    void Calculate01() override;
};
