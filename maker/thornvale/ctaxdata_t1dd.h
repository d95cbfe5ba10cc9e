#pragma once
#include "ctaxdata_form.h"

// T1DD: direct deposit request.
class CTaxData_T1DD : public CTaxData_Form
{
public:
    enum Field {
        F_Branch, F_Institution, F_Account, F_Change,
        // the account holder from the T1
        F_FirstName, F_LastName, F_SIN, F_Street, F_City, F_Postcode, F_Province, F_Phone,
        F_Count
    };

    CTaxData_T1DD();

    void Calculate01() override;
};
