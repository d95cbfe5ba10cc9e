#pragma once
#include "ctaxdata_form.h"

// Provincial or territorial credits (form 479) of any province.
class TaxData_ProvCredits479 final : public CTaxData_Form
{
public:
    enum Field {
        F_RentPaid, F_PropertyTax, F_Age, F_SpouseCredit, F_FitnessAmount, F_ChildrenArts,
        F_OtherCredits, F_Total,
        // adjusted net income (filled from the T1) and the territory's cost of living credit
        F_AdjustedNetIncome, F_CostOfLiving, F_Count
    };

    // One class serves every province: province is the maker, formType its form.
    TaxData_ProvCredits479(int province, int formType);

    // The credits entered, plus the cost of living credit in the territories that have one.
    void Calculate01() override;
};
