#pragma once
#include "ctaxdata_form.h"

// T1223: clergy residence deduction.
class CTaxData_T1223 : public CTaxData_Form
{
public:
    enum Field {
        F_FirstName, F_LastName, F_Year, F_SIN, F_Address, F_Remuneration, F_RentPaid, F_Deduction,
        // residence provided by the employer (included in income), qualifying months
        F_ProvidedResidence, F_Months, F_Count
    };

    CTaxData_T1223();

    void Calculate01() override;
};
