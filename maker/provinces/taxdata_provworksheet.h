#pragma once
#include "ctaxdata_form.h"

// Provincial worksheet: the worked values of the provincial tax.
class TaxData_ProvWorksheet final : public CTaxData_Form
{
public:
    enum Field {
        F_NetIncome, F_TaxableIncome, F_AgeAmount, F_SpouseAmount, F_DependantAmount,
        F_MedicalThreshold, F_DividendGrossEligible, F_DividendGrossOther, F_Count
    };

    // One class serves every province: province is the maker, formType its form.
    TaxData_ProvWorksheet(int province, int formType);
};
