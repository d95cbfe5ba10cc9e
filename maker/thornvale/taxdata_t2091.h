#pragma once
#include "ctaxdata_form.h"

// T2091(IND) and its worksheet: designation of a property as a principal residence.
// Type 147 is the form itself, 160 the worksheet.
class TaxData_T2091 : public CTaxData_Form
{
public:
    enum Field {
        F_FullName, F_SIN, F_Description, F_AcquiredYear, F_YearsDesignated, F_YearsOwned,
        F_Proceeds, F_Cost, F_Outlays, F_Gain, F_ExemptGain, F_Designated, F_Switch, F_Count
    };

    // formType tells which of the forms sharing this class the object is.
    explicit TaxData_T2091(int formType);

    void Calculate01() override;
    double designatedAmount() const { return amount(F_Designated); }
};
