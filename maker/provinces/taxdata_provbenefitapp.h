#pragma once
#include "ctaxdata_form.h"

// Provincial benefit application (ON-BEN) of the provinces that have one.
class TaxData_ProvBenefitApp final : public CTaxData_Form
{
public:
    enum Field {
        F_ApplyEnergyPropertyTax, F_ApplyNorthernEnergy, F_RentPaid, F_PropertyTax, F_EnergyCosts,
        F_LongTermCare, F_Reserve, F_Student, F_Count
    };

    // One class serves every province: province is the maker, formType its form.
    TaxData_ProvBenefitApp(int province, int formType);

    void Calculate01() override;
};
