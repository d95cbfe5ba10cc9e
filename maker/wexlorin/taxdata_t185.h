#pragma once
#include "ctaxdata_form.h"

// T185: pre-authorized debit agreement.
class TaxData_T185 : public CTaxData_Form
{
public:
    enum Field {
        F_Institution, F_Branch, F_Account, F_Amount, F_DebitDate, F_PadDate, F_Confirmation,
        F_Message, F_Count
    };

    TaxData_T185();

    void Calculate01() override;
};
