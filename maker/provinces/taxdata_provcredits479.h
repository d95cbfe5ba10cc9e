#pragma once
#include "ctaxdata_form.h"

// Provincial or territorial credits (form 479) of any province.
class TaxData_ProvCredits479 : public CTaxData_Form
{
public:
    enum Field {
        F_RentPaid, F_PropertyTax, F_Age, F_SpouseCredit, F_FitnessAmount, F_ChildrenArts,
        F_OtherCredits, F_Total, F_Count
    };

    // One class serves every province: province is the maker, formType its form.
    TaxData_ProvCredits479(int province, int formType);

    void Calculate01() override;
};
