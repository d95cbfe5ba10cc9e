#pragma once
#include "ctaxdata_form.h"

// Tax-wizard record 6: the province's own answers.
class TaxData_ProvWizard final : public CTaxData_Form
{
public:
    enum Field {
        F_ProvUnusedTuition, F_RentPaid, F_PropertyTax, F_ApplyBenefits, F_Count
    };

    explicit TaxData_ProvWizard(int province);
};
