#pragma once
#include "ctaxdata_form.h"

// T936: calculation of cumulative net investment loss.
class TaxData_T936New : public CTaxData_Form
{
public:
    enum Field {
        F_InvestmentExpenses, F_InvestmentIncome, F_PriorCNIL, F_CNIL,
        // fields 68080, 68100, 68110, 68140 and 68150 (Chart A)
        F_68080, F_68100, F_68110, F_68140, F_68150,
        // capital losses of prior years carried forward
        F_AccumulatedCapitalLoss, F_Count
    };

    TaxData_T936New();

    void Calculate01() override;
    // Next year opens with the cumulative net investment loss at the end of this year.
    void carryForward(bool keepData) override;
};
