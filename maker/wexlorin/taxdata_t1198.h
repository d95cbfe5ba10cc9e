#pragma once
#include "ctaxdata_form.h"

// T1198: statement of qualifying retroactive lump-sum payment.
class TaxData_T1198 : public CTaxData_Form
{
public:
    enum Field {
        F_Name, F_SIN, F_Payment, F_Notional, F_Count
    };

    TaxData_T1198();

    void Calculate01() override;
};
