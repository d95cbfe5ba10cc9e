#pragma once
#include "taxdata_slipbase.h"

// T5: statement of investment income.
// Each entered box has a calculated counterpart (code 1000 + box) for the recipient's share.
class TaxData_Slip_T5 : public TaxData_SlipBase
{
public:
    enum Field {
        F_SharePercent = TaxData_SlipBase::F_CommonCount, F_Box10, F_Box11, F_Box12, F_Box13,
        F_Box14, F_Box15, F_Box16, F_Box17, F_Box18, F_Box24, F_Box25, F_Box26, F_Box34, F_AmountA,
        F_AmountB, F_AmountC, F_AmountD, F_AmountE, F_Calc10, F_Calc11, F_Calc12, F_Calc13,
        F_Calc14, F_Calc15, F_Calc16, F_Calc17, F_Calc18, F_Calc24, F_Calc25, F_Calc26, F_Calc34,
        F_CalcAmountA, F_CalcAmountB, F_CalcAmountC, F_CalcAmountD, F_CalcAmountE, F_Switch1,
        F_Switch2, F_Count
    };

    TaxData_Slip_T5();

    void calculateData() override;
    int shareField() const override { return F_SharePercent; }
    // The calculated amount of a box: the entered amount times the recipient's share.
    double calculated(int box) const { return valueByCode(kCalculatedCode + box); }
};
