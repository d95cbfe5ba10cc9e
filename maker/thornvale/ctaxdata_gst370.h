#pragma once
#include "ctaxdata_form.h"

// GST370: employee and partner GST/HST rebate application.
class CTaxData_GST370 : public CTaxData_Form
{
public:
    enum Field {
        F_EligibleExpenses, F_GSTRate, F_Rebate,
        // the applicant from the T1
        F_FirstName, F_LastName, F_SIN, F_Year,
        F_Count
    };

    CTaxData_GST370();

    void Calculate01() override;
};
