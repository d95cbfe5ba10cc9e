#pragma once
#include "ctaxdata_form.h"

// Provincial credits and benefits information.
class TaxData_ProvCreditsInfo final : public CTaxData_Form
{
public:
    enum Field {
        F_Residence, F_MovedIn, F_RentPaid, F_PropertyTax, F_Occupants, F_Notes, F_Count
    };

    // One class serves every province: province is the maker, formType its form.
    TaxData_ProvCreditsInfo(int province, int formType);
};
