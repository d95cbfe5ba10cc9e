#pragma once
#include "ctaxdata_form.h"

// T185: pre-authorized debit agreement.
class TaxData_T185 : public CTaxData_Form
{
public:
    enum Field {
        F_Institution, F_Branch, F_Account, F_Amount, F_DebitDate, F_PadDate, F_Confirmation,
        F_Message, F_PreparerName, F_EFileNumber, F_EFilePassword, F_SoftwareCode,
        // the payer from the T1; set: the amount is typed, not the balance
        F_FirstName, F_LastName, F_SIN, F_Street, F_City, F_Postcode, F_Province, F_Phone, F_Email,
        F_FixedAmount,
        F_Count
    };

    TaxData_T185();

    void Calculate01() override;
};
