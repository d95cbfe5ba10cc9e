#pragma once
#include "ctaxdata_form.h"

// Schedule 15: FHSA contributions, transfers and activities.
class TaxData_Sch15 : public CTaxData_Form
{
public:
    enum Field {
        F_Age, F_Contributions, F_Transfers, F_ParticipationRoom, F_CarryForward, F_Deduction,
        // field 68930: the first FHSA was opened, or a successor holder became one, in 2024
        F_FirstFhsa68930, F_Count
    };

    TaxData_Sch15();

    void Calculate01() override;
};
