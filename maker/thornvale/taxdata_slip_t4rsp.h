#pragma once
#include "taxdata_slipbase.h"

// T4RSP: statement of RRSP income.
class TaxData_Slip_T4RSP : public TaxData_SlipBase
{
public:
    enum Field {
        F_Box16 = TaxData_SlipBase::F_CommonCount, F_Box18, F_Box20, F_Box22, F_Box25, F_Box26,
        F_Box27, F_Box28, F_Box30, F_Box34, F_Box35, F_Box40, F_Switch1, F_Switch2,
        // appended fields
        F_Box37, F_Count
    };

    // The second switch marks a spousal or common-law partner plan: its boxes
    // 20, 22 and 26 count as the contributing spouse's income.
    static constexpr int F_SpousalPlan = F_Switch2;

    TaxData_Slip_T4RSP();
};
