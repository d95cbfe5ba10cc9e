#pragma once
#include "ctaxdata_form.h"

// Provincial amounts transferred from the spouse or common-law partner (S2) of any province.
class TaxData_ProvSch2 final : public CTaxData_Form
{
public:
    enum Field {
        F_SpouseTaxableIncome, F_Age, F_Pension, F_Disability, F_Tuition, F_SpouseCredits,
        F_Result,
        // Saskatchewan: the spouse's senior supplementary amount (58220) and amount for
        // dependent children (58210)
        F_SeniorSupplement, F_ChildAmount,
        F_Count
    };

    // One class serves every province: province is the maker, formType its form.
    TaxData_ProvSch2(int province, int formType);

    void Calculate01() override;
};
