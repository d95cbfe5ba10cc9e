#pragma once
#include "ctaxdata_form.h"

// T936: calculation of cumulative net investment loss.
class TaxData_T936New : public CTaxData_Form
{
public:
    enum Field {
        F_InvestmentExpenses, F_InvestmentIncome, F_PriorCNIL, F_CNIL,
        // capital losses of prior years carried forward
        F_AccumulatedCapitalLoss, F_Count
    };

    TaxData_T936New();

    void Calculate01() override;
};
