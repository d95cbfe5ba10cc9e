#pragma once
#include "taxdata_slipbase.h"

// T4RIF: statement of income from a registered retirement income fund.
class TaxData_Slip_T4RIF : public TaxData_SlipBase
{
public:
    enum Field {
        F_Box16 = TaxData_SlipBase::F_CommonCount, F_Box18, F_Box20, F_Box22, F_Box24, F_Box26,
        F_Box28, F_AmountA, F_Switch1, F_Switch2,
        // appended fields
        F_Box37, F_Count
    };

    TaxData_Slip_T4RIF();
};
