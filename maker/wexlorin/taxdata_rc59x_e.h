#pragma once
#include "ctaxdata_form.h"

// RC59X: cancel business consent or delegated authority.
class TaxData_RC59X_e : public CTaxData_Form
{
public:
    enum Field {
        F_BusinessNumber, F_BusinessName, F_CancelAll, F_Count
    };

    TaxData_RC59X_e();

    void Calculate01() override;
};
