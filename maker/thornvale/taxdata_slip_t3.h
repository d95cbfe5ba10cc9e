#pragma once
#include "taxdata_slipbase.h"

// T3: statement of trust income allocations and designations.
// Each entered box has a calculated counterpart (code 1000 + box) for the recipient's share.
class TaxData_Slip_T3 : public TaxData_SlipBase
{
public:
    enum Field {
        F_SharePercent = TaxData_SlipBase::F_CommonCount, F_Box21, F_Box23, F_Box25, F_Box26,
        F_Box30, F_Box32, F_Box34, F_Box39, F_Box49, F_Box50, F_Box51, F_Box52, F_Box53, F_Box54,
        F_Box55, F_Box56, F_Box57, F_Box58, F_Box59, F_AmountA, F_AmountB, F_AmountC, F_AmountD,
        F_AmountE, F_AmountF, F_AmountG, F_Calc21, F_Calc23, F_Calc25, F_Calc26, F_Calc30,
        F_Calc32, F_Calc34, F_Calc39, F_Calc49, F_Calc50, F_Calc51, F_Calc52, F_Calc53, F_Calc54,
        F_Calc55, F_Calc56, F_Calc57, F_Calc58, F_Calc59, F_CalcAmountA, F_CalcAmountB,
        F_CalcAmountC, F_CalcAmountD, F_CalcAmountE, F_CalcAmountF, F_CalcAmountG, F_Switch1,
        F_Switch2, F_Switch3, F_Switch4, F_Switch5, F_Count
    };

    TaxData_Slip_T3();

    void calculateData() override;
    int shareField() const override { return F_SharePercent; }
    // The calculated amount of a box: the entered amount times the recipient's share.
    double calculated(int box) const { return valueByCode(kCalculatedCode + box); }
};
