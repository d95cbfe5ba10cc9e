#pragma once
#include "ctaxdata_form.h"

// RC71: statement of discount transaction.
class CTaxData_RC71 : public CTaxData_Form
{
public:
    enum Field {
        F_DiscounterName, F_DiscounterCode, F_DiscounterAddress, F_DiscounterPhone, F_FirstName,
        F_LastName, F_SIN, F_Address, F_FullName, F_Text, F_ExpectedRefund, F_Paid,
        // signed electronically, and when ("yyyy-MM-ddThh:mm:ss")
        F_ESigned, F_ESignTime,
        // the client's telephone; F_Text keeps the e-signature request id
        F_ClientPhone, F_Count
    };

    CTaxData_RC71();

    void Calculate01() override;
};
