#pragma once
#include "ctaxdata_form.h"

// T5004: claim for tax shelter loss or deduction.
class TaxData_T5004 : public CTaxData_Form
{
public:
    enum Field {
        F_ShelterId, F_Loss, F_Deduction,
        // the claimant from the T1
        F_SIN, F_FullName,
        // amount of field 6765
        F_6765,
        F_Count
    };

    TaxData_T5004();

    void Calculate01() override;
};
