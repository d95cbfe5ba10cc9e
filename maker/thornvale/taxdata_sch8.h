#pragma once
#include "ctaxdata_form.h"

// Schedule 8: Canada Pension Plan contributions and overpayment.
class TaxData_Sch8 : public CTaxData_Form
{
public:
    enum Field {
        F_PensionableEarnings, F_Contributions, F_SelfEmployedEarnings, F_Months, F_Result,
        F_Count
    };

    TaxData_Sch8();

    void Calculate01() override;
};
