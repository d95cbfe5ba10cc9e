#pragma once
#include "taxdata_slipbase.h"

// T4A(P): statement of Canada Pension Plan benefits.
class TaxData_Slip_T4AP : public TaxData_SlipBase
{
public:
    enum Field {
        F_Age = TaxData_SlipBase::F_CommonCount, F_AmountA, F_AmountB, F_AmountC, F_AmountD,
        F_AmountE, F_AmountF, F_AmountG, F_AmountH, F_AmountI, F_AmountJ, F_AmountK, F_Switch1,
        F_Switch2, F_Switch3,
        // appended fields
        F_Box14, F_Count
    };

    TaxData_Slip_T4AP();
};
