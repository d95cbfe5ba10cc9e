#pragma once
#include "ctaxdata_form.h"

// Provincial tuition and education amounts (S11) of any province.
class TaxData_ProvSch11 final : public CTaxData_Form
{
public:
    enum Field {
        F_CarriedForward, F_Tuition, F_CreditsNeeded, F_Available, F_Claimed, F_Transferred,
        F_CarryForwardNext, F_Count
    };

    // One class serves every province: province is the maker, formType its form.
    TaxData_ProvSch11(int province, int formType);

    void Calculate01() override;
    // Next year opens with this year's unused amount; its own amounts start empty. Where
    // the province's tuition amount ended, a schedule with nothing to carry goes.
    bool mayCarryForward(int edition, int province) const override;
    void carryForward(bool keepData) override;
    // The transfer designated (Transferred) up to what is left after the person's own claim.
    double transferClaimed() const;
};
