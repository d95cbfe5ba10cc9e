#pragma once
#include "ctaxdata_form.h"

// Schedule 7: RRSP, PRPP and SPP unused contributions, transfers, and HBP or LLP activities.
class TaxData_Sch7 : public CTaxData_Form
{
public:
    enum Field {
        F_UnusedContributions, F_DeductionLimit, F_ContribFirst60Days, F_ContribRestOfYear,
        F_SpousalPrior, F_SpousalCurrent, F_TotalContributions, F_Transfers, F_HBPRepayment,
        F_LLPRepayment, F_Deduction, F_CarryForward, F_Count
    };

    TaxData_Sch7();

    void Calculate01() override;
};
