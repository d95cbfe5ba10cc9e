#pragma once
#include "taxdata_slipbase.h"

// T4A: statement of pension, retirement, annuity, and other income.
class TaxData_Slip_T4A : public TaxData_SlipBase
{
public:
    enum Field {
        F_Box16 = TaxData_SlipBase::F_CommonCount, F_Box18, F_Box20, F_Box22, F_Box24, F_Box28,
        F_Box30, F_Box32, F_Box34, F_Box40, F_Box42, F_Box46, F_Box48, F_Box104, F_Box105,
        F_Box106, F_Box107, F_Box109, F_Box118, F_Box119, F_Box124, F_Box125, F_Box127, F_Box128,
        F_Box131, F_Box135, F_Box197, F_Box198, F_Box199, F_Box200, F_Box201, F_Box202, F_Box203,
        F_Box204, F_Box210, F_Box211, F_Selector1, F_Selector2, F_Switch1, F_Switch2, F_Switch3,
        F_Switch4, F_Switch5, F_Switch6, F_Switch7, F_Switch8, F_Switch9, F_AmountA, F_AmountB,
        F_AmountC, F_AmountD, F_AmountE, F_AmountF, F_AmountG, F_AmountH, F_AmountI, F_AmountJ,
        F_AmountK, F_AmountL, F_AmountM, F_AmountN, F_AmountO, F_AmountP, F_AmountQ, F_AmountR,
        F_AmountS,
        // appended fields
        F_Box37, F_Box196, F_Count
    };

    TaxData_Slip_T4A();
};
