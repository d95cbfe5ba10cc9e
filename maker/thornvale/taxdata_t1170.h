#pragma once
#include "ctaxdata_form.h"

// T1170: capital gains on gifts of certain capital property.
class TaxData_T1170 : public CTaxData_Form
{
public:
    enum Field {
        F_Proceeds, F_AdjustedCost, F_Outlays, F_Gain, F_Exempt, F_Taxable, F_Line24, F_Result,
        F_Count
    };

    TaxData_T1170();

    void Calculate01() override;
    // Amount of the form's line 24 that the minimum tax reads.
    double feedT691Line24() const { return amount(F_Line24); }
    double getF67890() const { return amount(F_Result); }
};
