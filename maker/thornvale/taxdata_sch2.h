#pragma once
#include "ctaxdata_form.h"

// Schedule 2: federal amounts transferred from the spouse or common-law partner.
class TaxData_Sch2 : public CTaxData_Form
{
public:
    enum Field {
        F_SpouseAmountInput, F_SpouseAge65, F_SpouseAge18, F_CanClaim, F_AgeAnswer, F_DaysInYear,
        F_ResidenceDays, F_SpouseAgeAmount, F_AllowOverwrite, F_Pension, F_Disability, F_Tuition,
        F_SpouseNetIncome, F_Result,
        // amount of field 36100
        F_36100,
        // the spouse's Canada caregiver amount for infirm children under 18 (their line 30500)
        F_CaregiverChildren,
        F_Count
    };

    TaxData_Sch2();

    void Calculate01() override;
};
