#pragma once
#include "ctaxdata_form.h"

// Tax-wizard record 1: general answers for the T1 and the two donation amounts of Schedule 9.
class TaxData_Wizard_General : public CTaxData_Form
{
public:
    enum Field {
        F_ElectionsCanada, F_ForeignPropertyOver100K, F_OrganDonor, F_RuralSupplement,
        F_SelfEmployedJune15, F_FirstTimeFiler, F_Instalments, F_OtherIncome,
        F_Donations, F_EcologicalGifts, F_Count
    };

    TaxData_Wizard_General();
};
