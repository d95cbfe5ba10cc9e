#pragma once
#include "ctaxdata_form.h"

// Schedule 13: employment insurance maternity and parental benefits.
class TaxData_Sch13 : public CTaxData_Form
{
public:
    enum Field {
        F_Input, F_EIBenefits, F_Result,
        // the benefits are typed on the form, not taken from the slips
        F_Switch,
        // fields 54493, 54494 and 53550
        F_54493, F_54494, F_53550,
        F_Count
    };

    TaxData_Sch13();

    double getResult() const { return amount(F_Result); }
    void Calculate01() override;
};
