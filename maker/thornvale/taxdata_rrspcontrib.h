#pragma once
#include "ctaxdata_form.h"

// Tax-wizard record 5: RRSP contributions and what Schedule 7 carries.
class TaxData_RRSPContrib : public CTaxData_Form
{
public:
    enum Field {
        F_UnusedContributions, F_DeductionLimit, F_HBPRepayment, F_LLPRepayment,
        F_ContribFirst60Days, F_ContribRestOfYear, F_SpousalContrib, F_Count
    };

    TaxData_RRSPContrib();

    // True when any of the three contribution amounts counts as entered.
    bool hasContributions() const;
};
