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
        F_AdjustedNetIncome, F_CostOfLiving,
        // Ontario: seniors' public transit costs and credit, seniors care at home expenses
        // and credit, and the family net income it is reduced on (the T1's and the spouse's)
        F_TransitCosts, F_TransitCredit, F_CareExpenses, F_CareCredit, F_FamilyNetIncome,
        // Nova Scotia: the volunteer firefighters and ground search and rescue credit (62400)
        F_VolunteerCredit,
        F_Count
    };

    // One class serves every province: province is the maker, formType its form.
    TaxData_ProvCredits479(int province, int formType);

    // The credits entered, plus the cost of living credit in the territories that have one,
    // Ontario's seniors' credits (on the age and incomes filled in from the T1) and Nova
    // Scotia's volunteer credit. The fitness and arts amounts count only where the 428 has
    // no such line (Manitoba's fitness and arts, Yukon's arts are claimed on the 428).
    void Calculate01() override;
};
