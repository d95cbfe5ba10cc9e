#pragma once
#include "ctaxdata_form.h"

// Tax-wizard record 2: amounts carried from the prior year's return.
class TaxData_LastYearAmounts : public CTaxData_Form
{
public:
    enum Field {
        F_FedUnusedTuition, F_ProvUnusedTuition, F_RRSPDeductionLimit, F_UnusedRRSPContrib,
        F_HBPRepayment, F_LLPRepayment, F_T1212Balance, F_NetCapitalLosses, F_NonCapitalLosses,
        F_CanadaTrainingCreditLimit, F_Count
    };

    TaxData_LastYearAmounts();

    double fedUnusedTuition() const { return amount(F_FedUnusedTuition); }
    double provUnusedTuition() const { return amount(F_ProvUnusedTuition); }
};
