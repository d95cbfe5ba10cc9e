#pragma once
#include "ctaxdata_form.h"

// Schedule 5: amounts for the spouse or common-law partner and dependants.
class TaxData_Sch5 : public CTaxData_Form
{
public:
    enum Field {
        F_SpouseFlag, F_ProratedDays, F_ResidenceDays, F_BankruptDays, F_DaysInYear, F_OtherAmount,
        F_MaritalChange, F_Date, F_HasSpouse, F_CanClaimSpouse, F_SpouseNetIncome, F_SpouseInfirm,
        F_SpouseAmount, F_EligibleDependant, F_EligibleDependantCount, F_CaregiverAmount,
        F_CaregiverChild,
        // the spouse's UCCB from the T1
        F_SpouseUCCB,
        // the checkbox on top of the schedule; the dependant's SIN (field 55295); the number of
        // eligible dependants claimed at line 30400
        F_DependantCheckbox, F_DependantSIN, F_EligibleDependantClaims,
        // line 30425: the Canada caregiver amount for an infirm spouse, beyond the spouse amount
        F_SpouseCaregiver,
        // the same amount typed for an infirm eligible dependant 18 or older
        F_DependantCaregiver,
        // the spouse-amount box as a couple's default last set it (1 ticked, 0 not); -1 when
        // the preparer's choice holds (a box the default never set, or one the preparer changed)
        F_DefaultClaim,
        F_Count
    };

    TaxData_Sch5();

    void Calculate01() override;
    // An amount prorated by the days of the year that count (residence, bankruptcy).
    double prorated(double value) const;
    void setDependants(DependantInfoStruct *dependants) override;
    // True while the spouse-amount box holds what the default set last; once the preparer
    // has changed it, false from then on.
    bool keepsDefaultClaim();
    // Ticks the box or not, as the default.
    void setDefaultClaim(bool claim);
};
