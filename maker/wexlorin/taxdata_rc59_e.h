#pragma once
#include "ctaxdata_form.h"

// RC59: business consent for online access.
class TaxData_RC59_e : public CTaxData_Form
{
public:
    enum Field {
        F_BusinessNumber, F_BusinessName, F_ConsentLevel, F_Expiry, F_Count
    };

    TaxData_RC59_e();

    void Calculate01() override;
};
