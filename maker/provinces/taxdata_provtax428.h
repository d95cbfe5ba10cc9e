#pragma once
#include "ctaxdata_form.h"

// Provincial or territorial tax (form 428) of any province.
// Rates and amounts come from the province's own tables; the class holds the lines.
class TaxData_ProvTax428 : public CTaxData_Form
{
public:
    enum Field {
        F_TaxableIncome, F_TaxOnIncome, F_BasicPersonal, F_Age, F_Spouse, F_EligibleDependant,
        F_Caregiver, F_CPP, F_CPPSelf, F_EI, F_EISelf, F_Pension, F_Disability,
        F_DisabilityTransferred, F_Tuition, F_SpouseTransfer, F_Medical, F_MedicalOther,
        F_TotalAmounts, F_NonRefundableCredits, F_Donations, F_DividendCredit, F_ForeignCredit,
        F_ProvincialTax, F_Count
    };

    // One class serves every province: province is the maker, formType its form.
    TaxData_ProvTax428(int province, int formType);

    void Calculate01() override;
};
