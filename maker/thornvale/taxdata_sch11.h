#pragma once
#include "ctaxdata_form.h"

// Schedule 11: federal tuition, education and textbook amounts and the Canada training credit.
class TaxData_Sch11 : public CTaxData_Form
{
public:
    enum Field {
        F_CreditsBefore, F_IncomeBase, F_ClaimAllowed, F_CarriedForward, F_EligibleTuition,
        F_FullTimeMonths, F_PartTimeMonths, F_TrainingCreditLimit, F_TrainingCredit, F_Available,
        F_ClaimedAmount, F_Transferred, F_CarryForwardNext, F_TaxBase,
        // the months and fees are typed on the form rather than taken from the slips
        F_Entered,
        // line 32700: the amount designated for transfer (F_Transferred), within this year's limit
        F_TransferClaimed, F_Count
    };

    TaxData_Sch11();

    void Calculate01() override;
    // Next year opens with this year's unused amount; its own amounts start empty.
    void carryForward(bool keepData) override;
    // The unused amount carried to next year.
    double getF59140() const { return amount(F_CarryForwardNext); }
};
