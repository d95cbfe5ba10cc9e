#pragma once
#include "ctaxdata_form.h"

// Schedule 15: FHSA contributions, transfers and activities.
class TaxData_Sch15 : public CTaxData_Form
{
public:
    enum Field {
        F_Age, F_Contributions, F_Transfers, F_ParticipationRoom, F_CarryForward, F_Deduction,
        F_Count
    };

    TaxData_Sch15();

    void Calculate01() override;
};
