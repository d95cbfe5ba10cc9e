#pragma once
#include "taxdata_slipbase.h"

// T4E: statement of employment insurance and other benefits.
class TaxData_Slip_T4E : public TaxData_SlipBase
{
public:
    enum Field {
        F_Box7 = TaxData_SlipBase::F_CommonCount, F_Box14, F_Box15, F_Box17, F_Box18, F_Box20,
        F_Box21, F_Box22, F_Box23, F_Box24, F_Box26, F_Box27, F_Box30, F_AmountA, F_AmountB,
        // appended fields
        F_Box33, F_Box37, F_AmountC, F_Switch1, F_Count
    };

    TaxData_Slip_T4E();
};
